// The five template writers on real files: what lands in the output, and what happens when a
// template cannot be read or an output cannot be written.

#include "TempDir.h"
#include "generate/dmCodeGenerator.h"
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

class TemplateWritersTest : public ::testing::Test {
protected:
    TTempDir Folder;
    TDM DM;
    std::vector<std::string> Statuses;

    TemplateWritersTest() {
        DM.OnStatus = [this](TDM&, const std::string& text) { Statuses.push_back(text); };
    }

    // Writes `templateText` to a template file and returns its path.
    std::string Template(const std::string& templateText, const std::string& name = "in.tpl") {
        const std::string path = Folder.File(name);
        WriteFile(path, templateText);
        return path;
    }
    std::string Output() const { return Folder.File("out.txt"); }
};

TEST_F(TemplateWritersTest, UnitTemplateGetsIdentifierThenGeneratedLines) {
    const std::string in = Template("unit frmTableName;\r\n"
                                    "type\r\n"
                                    "  TTableName_Frm = class(TForm)\r\n"
                                    "    {#DataComponentList}\r\n"
                                    "  end;\r\n"
                                    "var tablename: TTableName_Frm; // {#DataComponentList}\r\n");
    DM.WriteUnitTemplate(
        Output(), in, {"    Orders_CDS: TClientDataSet;", "    TableName_Lab: TLabel;"}, "Orders");
    // The generated lines keep their own "TableName"; the second placeholder and the lower-case
    // word stay as the template has them.
    EXPECT_EQ(ReadFile(Output()), "unit frmOrders;\r\n"
                                  "type\r\n"
                                  "  TOrders_Frm = class(TForm)\r\n"
                                  "        Orders_CDS: TClientDataSet;\r\n"
                                  "    TableName_Lab: TLabel;\r\n"
                                  "\r\n"
                                  "  end;\r\n"
                                  "var tablename: TOrders_Frm; // {#DataComponentList}\r\n");
    EXPECT_EQ(Statuses, std::vector<std::string>{Output()});
}

TEST_F(TemplateWritersTest, UnitTemplateKeepsTheRestOfTheLineAndWritesCrLf) {
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
        const std::string in = Template(c.Template);
        DM.WriteUnitTemplate(Output(), in, c.Lines, c.Identifier);
        EXPECT_EQ(ReadFile(Output()), c.Expected) << "template: " << c.Template;
    }
}

TEST_F(TemplateWritersTest, FormTemplateEndsWithGeneratedObjectsAndEnd) {
    const std::string in = Template("object TableName_Frm: TTableName_Frm\r\n"
                                    "  Caption = 'TableName'\r\n"
                                    "  object Panel1: TPanel\r\n"
                                    "  end\r\n"
                                    "  END  \r\n"
                                    "\r\n"
                                    "// kept out of the output\r\n");
    DM.WriteFormTemplate(Output(), in,
                         {"  object Orders_DS: TDataSource", "    Name = 'TableName'", "  end"},
                         "Orders");
    EXPECT_EQ(ReadFile(Output()), "object Orders_Frm: TOrders_Frm\r\n"
                                  "  Caption = 'Orders'\r\n"
                                  "  object Panel1: TPanel\r\n"
                                  "  end\r\n"
                                  "  object Orders_DS: TDataSource\r\n"
                                  "    Name = 'TableName'\r\n"
                                  "  end\r\n"
                                  "end\r\n");

    // Without a closing line after the first, only the first line is kept.
    DM.WriteFormTemplate(Output(), Template("object F: TF\nobject X\n"), {}, "");
    EXPECT_EQ(ReadFile(Output()), "object F: TF\r\nend\r\n");
    // An identifier with a line break of its own is split as the template is.
    DM.WriteFormTemplate(Output(), Template("object TableName\nend\n"), {"x"}, "A\rB");
    EXPECT_EQ(ReadFile(Output()), "object A\r\nB\r\nx\r\nend\r\n");
    EXPECT_EQ(Statuses, (std::vector<std::string>{Output(), Output(), Output()}));
}

TEST_F(TemplateWritersTest, MainFormDfmTakesTheButtonObjectsAsOneEntry) {
    const std::string in =
        Template("object Main_Frm: TMain_Frm\r\n  Caption = 'TableName'\r\nend\r\n");
    DM.WriteMainFormDfm(Output(), in, "");
    EXPECT_EQ(ReadFile(Output()),
              "object Main_Frm: TMain_Frm\r\n  Caption = 'TableName'\r\n\r\nend\r\n");

    DM.WriteMainFormDfm(Output(), in, "  object B: TButton\r\n  end\r\n\r\n");
    EXPECT_EQ(ReadFile(Output()), "object Main_Frm: TMain_Frm\r\n  Caption = 'TableName'\r\n"
                                  "  object B: TButton\r\n  end\r\n\r\n\r\nend\r\n");
}

TEST_F(TemplateWritersTest, MainFormUnitAndProjectFilePutTheListsVerbatim) {
    const std::string unit = Template("uses\r\n  Forms{#FormUnitList};\r\ntype\r\n{#ButtonList}\r\n"
                                      "{#ButtonEventList}\r\nimplementation\r\n"
                                      "{#ButtonEventCodeList}\r\nend.\r\n",
                                      "frmMain.pas");
    DM.WriteMainFormUnit(Output(), unit, ", frmOrders, frmClients", "    Orders_Btn: TButton;\r\n",
                         "", "procedure A;\nbegin\nend;\n");
    EXPECT_EQ(ReadFile(Output()), "uses\r\n  Forms, frmOrders, frmClients;\r\ntype\r\n"
                                  "    Orders_Btn: TButton;\r\n\r\n"
                                  "\r\nimplementation\r\n"
                                  "procedure A;\r\nbegin\r\nend;\r\n\r\nend.\r\n");

    const std::string project =
        Template("uses\r\n  frmMain in 'frmMain.pas'{#FormUnitFileList};\r\n"
                 "begin\r\n{#FormCreateCodeList}\r\n  Application.Run;\r\n",
                 "Midas_Client.dpr");
    DM.WriteProjectFile(Output(), project, ",\r\n  frmOrders in 'frmOrders.pas'",
                        "  Application.CreateForm(TOrders_Frm, Orders_Frm);\r\n");
    EXPECT_EQ(ReadFile(Output()), "uses\r\n  frmMain in 'frmMain.pas',\r\n"
                                  "  frmOrders in 'frmOrders.pas';\r\nbegin\r\n"
                                  "  Application.CreateForm(TOrders_Frm, Orders_Frm);\r\n\r\n"
                                  "  Application.Run;\r\n");
    EXPECT_EQ(Statuses, (std::vector<std::string>{Output(), Output()}));
}

// Each writer, called on a template that does not exist; they all share the error path.
std::vector<std::function<void(TDM&, const std::string&, const std::string&)>> AllWriters() {
    return {[](TDM& dm, const std::string& out, const std::string& in) {
                dm.WriteUnitTemplate(out, in, {"x"}, "T");
            },
            [](TDM& dm, const std::string& out, const std::string& in) {
                dm.WriteFormTemplate(out, in, {"x"}, "T");
            },
            [](TDM& dm, const std::string& out, const std::string& in) {
                dm.WriteMainFormUnit(out, in, "a", "b", "c", "d");
            },
            [](TDM& dm, const std::string& out, const std::string& in) {
                dm.WriteMainFormDfm(out, in, "a");
            },
            [](TDM& dm, const std::string& out, const std::string& in) {
                dm.WriteProjectFile(out, in, "a", "b");
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

TEST_F(TemplateWritersTest, MissingTemplateIsReportedAfterTheStatusAndWritesNothing) {
    const std::string missing = Folder.File("no-such.pas");
    for (const auto& writer : AllWriters()) {
        Statuses.clear();
        const std::string message = MessageOf([&] { writer(DM, Output(), missing); });
        EXPECT_EQ(message.rfind("Cannot open file \"" + missing + "\". ", 0), 0u) << message;
        EXPECT_GT(message.size(), ("Cannot open file \"" + missing + "\". ").size()) << message;
        EXPECT_EQ(Statuses, std::vector<std::string>{Output()});
        EXPECT_FALSE(std::filesystem::exists(Output()));
    }
}

TEST_F(TemplateWritersTest, OutputThatCannotBeCreatedIsReported) {
    const std::string in = Template("object F\r\n{#DataComponentList}\r\nend\r\n");
    for (const std::string& out : {Folder.File("no-such-folder/out.pas"), Folder.Path().string()}) {
        for (const auto& writer : AllWriters()) {
            const std::string message = MessageOf([&] { writer(DM, out, in); });
            EXPECT_EQ(message.rfind("Cannot create file \"" + out + "\". ", 0), 0u) << message;
        }
    }
}

TEST_F(TemplateWritersTest, WritingOverItsOwnTemplateReadsItFirst) {
    const std::string path = Template("a {#DataComponentList} TableName\n", "same.pas");
    DM.WriteUnitTemplate(path, path, {"L1", "L2"}, "Orders");
    EXPECT_EQ(ReadFile(path), "a L1\r\nL2\r\n Orders\r\n");
}

TEST_F(TemplateWritersTest, FailedWriteOverItsOwnTemplateKeepsTheEarlierContent) {
    const std::string before = "object F\r\n{#DataComponentList}\r\nend\r\n";
    const std::string path = Template(before, "full/same.dfm");
    // A file-size limit makes every write fail as a full disk would, for the superuser too.
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit original{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &original), 0);
    std::vector<std::string> messages;
    rlimit tiny = original;
    tiny.rlim_cur = 1;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
    for (const auto& writer : AllWriters()) {
        messages.push_back(MessageOf([&] { writer(DM, path, path); }));
    }
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &original), 0);

    for (const std::string& message : messages) {
        EXPECT_EQ(message.rfind("Cannot create file \"" + path + "\". ", 0), 0u) << message;
    }
    EXPECT_EQ(ReadFile(path), before);
    // The temporary file of each failed write is gone.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder.File("full")),
                            std::filesystem::directory_iterator()),
              1);
}

} // namespace
} // namespace quorvane
