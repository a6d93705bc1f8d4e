// The five template writers: what they make of a template's text, in memory, and what happens on
// disk when an output cannot be written.

#include "generate/TemplateWriters.h"
#include "TempDir.h"
#include "text/EngineErrors.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace quorvane {
namespace {

using namespace std::string_literals;

// A template file of `text`, read as the run reads one named `path`.
TTemplateFile TemplateOf(const std::string& text, const std::string& path = "in.pas") {
    return TemplateFileOfLines(path, SplitLines(text));
}

TEST(TemplateWritersTest, UnitTemplateGetsIdentifierThenGeneratedLines) {
    TMemoryOutputTree tree;
    WriteUnitTemplate(tree, "out.pas",
                      TemplateOf("unit frmTableName;\r\n"
                                 "type\r\n"
                                 "  TTableName_Frm = class(TForm)\r\n"
                                 "    {#DataComponentList}\r\n"
                                 "  end;\r\n"
                                 "var tablename: TTableName_Frm; // {#DataComponentList}\r\n"),
                      {"    Orders_CDS: TClientDataSet;", "    TableName_Lab: TLabel;"}, "Orders");
    // The generated lines keep their own "TableName"; the second placeholder and the lower-case
    // word stay as the template has them.
    EXPECT_EQ(tree.Text("out.pas"), "unit frmOrders;\r\n"
                                    "type\r\n"
                                    "  TOrders_Frm = class(TForm)\r\n"
                                    "        Orders_CDS: TClientDataSet;\r\n"
                                    "    TableName_Lab: TLabel;\r\n"
                                    "\r\n"
                                    "  end;\r\n"
                                    "var tablename: TOrders_Frm; // {#DataComponentList}\r\n");
}

TEST(TemplateWritersTest, UnitTemplateKeepsTheRestOfTheLineAndWritesCrLf) {
    struct TCase {
        std::string Template;
        TStringList Lines;
        std::string Identifier;
        std::string Expected;
    };
    const std::vector<TCase> cases = {
        // Empty lines: the placeholder goes, the rest of its line stays.
        {"  x {#DataComponentList} y\r\nz", {}, "", "  x  y\r\nz\r\n"},
        {"a\nb\n{#DataComponentList}\n", {"L"}, "", "a\r\nb\r\nL\r\n\r\n"},
        {"a\rb\r{#DataComponentList}", {"L"}, "", "a\r\nb\r\nL\r\n\r\n"},
        {"a\r\nTableName\0rest\r\n{#DataComponentList}\r\n"s, {"L"}, "T", "a\r\nT\r\n"},
        // No placeholder and no identifier: the template itself, with CR LF ends.
        {"TableName\n{#DataComponentList2}", {"L"}, "", "TableName\r\n{#DataComponentList2}\r\n"},
        {"no placeholder\n", {"L"}, "X", "no placeholder\r\n"},
        // Generated lines or an identifier with line breaks of their own are split as the
        // template is, and a NUL in them ends the text.
        {"x{#DataComponentList}y\r\n", {"a\nb", "c\r"}, "", "xa\r\nb\r\nc\r\n\r\ny\r\n"},
        {"x{#DataComponentList}y\r\nz", {"a\0b"s, "c"}, "", "xa\r\n"},
        {"TableName{#DataComponentList}\r\n", {"L"}, "A\rB", "A\r\nBL\r\n\r\n"}};
    for (const TCase& c : cases) {
        TMemoryOutputTree tree;
        WriteUnitTemplate(tree, "out.pas", TemplateOf(c.Template), c.Lines, c.Identifier);
        EXPECT_EQ(tree.Text("out.pas"), c.Expected) << "template: " << c.Template;
    }
}

TEST(TemplateWritersTest, FormTemplateEndsWithGeneratedObjectsAndEnd) {
    TMemoryOutputTree tree;
    WriteFormTemplate(tree, "a.dfm",
                      TemplateOf("object TableName_Frm: TTableName_Frm\r\n"
                                 "  Caption = 'TableName'\r\n"
                                 "  object Panel1: TPanel\r\n"
                                 "  end\r\n"
                                 "  END  \r\n"
                                 "\r\n"
                                 "// kept out of the output\r\n",
                                 "in.dfm"),
                      {"  object Orders_DS: TDataSource", "    Name = 'TableName'", "  end"},
                      "Orders");
    EXPECT_EQ(tree.Text("a.dfm"), "object Orders_Frm: TOrders_Frm\r\n"
                                  "  Caption = 'Orders'\r\n"
                                  "  object Panel1: TPanel\r\n"
                                  "  end\r\n"
                                  "  object Orders_DS: TDataSource\r\n"
                                  "    Name = 'TableName'\r\n"
                                  "  end\r\n"
                                  "end\r\n");

    // Without a closing line after the first, only the first line is kept.
    WriteFormTemplate(tree, "b.dfm", TemplateOf("object F: TF\nobject X\n", "in.dfm"), {}, "");
    EXPECT_EQ(tree.Text("b.dfm"), "object F: TF\r\nend\r\n");
    // An identifier with a line break of its own is split as the template is.
    WriteFormTemplate(tree, "c.dfm", TemplateOf("object TableName\nend\n", "in.dfm"), {"x"},
                      "A\rB");
    EXPECT_EQ(tree.Text("c.dfm"), "object A\r\nB\r\nx\r\nend\r\n");
    EXPECT_EQ(tree.Order(), (std::vector<std::string>{"a.dfm", "b.dfm", "c.dfm"}));
}

TEST(TemplateWritersTest, MainFormDfmTakesTheButtonObjectsAsOneEntry) {
    const TTemplateFile form =
        TemplateOf("object Main_Frm: TMain_Frm\r\n  Caption = 'TableName'\r\nend\r\n", "in.dfm");
    TMemoryOutputTree tree;
    WriteMainFormDfm(tree, "out.dfm", form, "");
    EXPECT_EQ(tree.Text("out.dfm"),
              "object Main_Frm: TMain_Frm\r\n  Caption = 'TableName'\r\n\r\nend\r\n");

    WriteMainFormDfm(tree, "out.dfm", form, "  object B: TButton\r\n  end\r\n\r\n");
    EXPECT_EQ(tree.Text("out.dfm"), "object Main_Frm: TMain_Frm\r\n  Caption = 'TableName'\r\n"
                                    "  object B: TButton\r\n  end\r\n\r\n\r\nend\r\n");
}

TEST(TemplateWritersTest, MainFormUnitAndProjectFilePutTheListsVerbatim) {
    TMemoryOutputTree tree;
    WriteMainFormUnit(tree, "frmMain.pas",
                      TemplateOf("uses\r\n  Forms{#FormUnitList};\r\ntype\r\n{#ButtonList}\r\n"
                                 "{#ButtonEventList}\r\nimplementation\r\n"
                                 "{#ButtonEventCodeList}\r\nend.\r\n"),
                      ", frmOrders, frmClients", "    Orders_Btn: TButton;\r\n", "",
                      "procedure A;\nbegin\nend;\n");
    EXPECT_EQ(tree.Text("frmMain.pas"), "uses\r\n  Forms, frmOrders, frmClients;\r\ntype\r\n"
                                        "    Orders_Btn: TButton;\r\n\r\n"
                                        "\r\nimplementation\r\n"
                                        "procedure A;\r\nbegin\r\nend;\r\n\r\nend.\r\n");

    WriteProjectFile(tree, "Client.dpr",
                     TemplateOf("uses\r\n  frmMain in 'frmMain.pas'{#FormUnitFileList};\r\n"
                                "begin\r\n{#FormCreateCodeList}\r\n  Application.Run;\r\n",
                                "Client.dpr"),
                     ",\r\n  frmOrders in 'frmOrders.pas'",
                     "  Application.CreateForm(TOrders_Frm, Orders_Frm);\r\n");
    EXPECT_EQ(tree.Text("Client.dpr"), "uses\r\n  frmMain in 'frmMain.pas',\r\n"
                                       "  frmOrders in 'frmOrders.pas';\r\nbegin\r\n"
                                       "  Application.CreateForm(TOrders_Frm, Orders_Frm);\r\n\r\n"
                                       "  Application.Run;\r\n");
}

// Each writer, writing `relative` of `tree` from one template; they all share the error path.
std::vector<std::function<void(TOutputTree&, const std::string&)>> AllWriters() {
    const TTemplateFile unit = TemplateOf("object F\r\n{#DataComponentList}\r\nend\r\n");
    return {[unit](TOutputTree& tree, const std::string& relative) {
                WriteUnitTemplate(tree, relative, unit, {"x"}, "T");
            },
            [unit](TOutputTree& tree, const std::string& relative) {
                WriteFormTemplate(tree, relative, unit, {"x"}, "T");
            },
            [unit](TOutputTree& tree, const std::string& relative) {
                WriteMainFormUnit(tree, relative, unit, "a", "b", "c", "d");
            },
            [unit](TOutputTree& tree, const std::string& relative) {
                WriteMainFormDfm(tree, relative, unit, "a");
            },
            [unit](TOutputTree& tree, const std::string& relative) {
                WriteProjectFile(tree, relative, unit, "a", "b");
            }};
}

std::string MessageOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const EFileError& error) {
        return error.what();
    }
    return "(no EFileError)";
}

TEST(TemplateWritersTest, OutputThatCannotBeCreatedIsReported) {
    TTempDir folder;
    TDiskOutputTree tree(TOutputPath{folder.Path().string(), "copy"});
    std::filesystem::create_directories(folder.File("copy/sub"));
    for (const std::string relative : {"no-such-folder/out.pas", "sub"}) {
        for (const auto& writer : AllWriters()) {
            const std::string message = MessageOf([&] { writer(tree, relative); });
            EXPECT_EQ(message.rfind("Cannot create file \"" + tree.Full(relative) + "\". ", 0), 0u)
                << message;
        }
    }
}

TEST(TemplateWritersTest, FailedWriteKeepsTheEarlierContent) {
    TTempDir folder;
    const std::string before = "object F\r\n{#DataComponentList}\r\nend\r\n";
    WriteFile(folder.File("copy/full/same.dfm"), before);
    TDiskOutputTree tree(TOutputPath{folder.Path().string(), "copy"});
    // A file-size limit makes every write fail as a full disk would, for the superuser too.
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit original{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &original), 0);
    std::vector<std::string> messages;
    rlimit tiny = original;
    tiny.rlim_cur = 1;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
    for (const auto& writer : AllWriters()) {
        messages.push_back(MessageOf([&] { writer(tree, "full/same.dfm"); }));
    }
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &original), 0);

    const std::string path = folder.File("copy/full/same.dfm");
    for (const std::string& message : messages) {
        EXPECT_EQ(message.rfind("Cannot create file \"" + path + "\". ", 0), 0u) << message;
    }
    EXPECT_EQ(ReadFile(path), before);
    // The temporary file of each failed write is gone.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.File("copy/full")),
                            std::filesystem::directory_iterator()),
              1);
}

} // namespace
} // namespace quorvane
