// The generation run as a whole: status texts, output layout, the database copy, and the checks
// that keep a run from writing where it must not.

#include "MemorySchemaSource.h"
#include "MiniTemplate.h"
#include "TempDir.h"
#include "generate/OptionLimits.h"
#include "generate/dmCodeGenerator.h"
#include "text/EngineErrors.h"
#include "text/StringUtils.h"

#include <gtest/gtest.h>

#include <functional>

namespace quorvane {
namespace {

using testing::Column;
using testing::TMemoryDatabase;
namespace fs = std::filesystem;

class GenerateTest : public ::testing::Test {
protected:
    TTempDir Folder;
    std::shared_ptr<TMemoryDatabase> Database = std::make_shared<TMemoryDatabase>();
    TDM DM;
    TProjectParam Options;
    std::vector<std::string> Statuses;

    GenerateTest() {
        DM.ADOConnection.SetOpener(testing::MemoryOpener(Database));
        DM.OnStatus = [this](TDM&, const std::string& text) { Statuses.push_back(text); };
        testing::WriteMiniTemplate(Folder.Path() / "templates" / "MidasProject");
        WriteFile(Folder.File("orders.udl"), "[oledb]\r\nProvider=SQLite;Data Source=x.db\r\n");
        Options.Directories.TemplateDir = Folder.File("templates/MidasProject");
        Options.Directories.OutputDir = Folder.File("out");
        Options.Database.UDLFile = Folder.File("orders.udl");
    }

    std::string OutputBase() const { return Folder.File("out/MidasProject/"); }
    std::string Output(const std::string& relative) const { return OutputBase() + relative; }
};

TEST_F(GenerateTest, ReportsEveryStageAndFileInRunOrder) {
    Database->AddTable("Client", {Column("ClientID", ado::adInteger)});
    Database->AddTable("Order Details", {Column("OrderID", ado::adInteger)});
    Database->AddTable("MSysObjects", {}, "SYSTEM TABLE");

    DM.Generate(Options);

    const std::vector<std::string> expected = {
        "Copy Template Files...",
        "Generate Direct DM Code...",
        Output("Midas_AppServer/rdmMain.pas"),
        Output("Midas_AppServer/rdmMain.dfm"),
        "Generate Client DM Code...",
        Output("Midas_Client/dmClient.pas"),
        Output("Midas_Client/dmClient.dfm"),
        "Generate Client Forms...",
        Output("Midas_Client/frmClient.pas"),
        Output("Midas_Client/frmClient.dfm"),
        Output("Midas_Client/frmOrderDetails.pas"),
        Output("Midas_Client/frmOrderDetails.dfm"),
        Output("Midas_Client/frmTableGrids.pas"),
        Output("Midas_Client/frmTableGrids.dfm"),
        "Generate MainForm Code...",
        Output("Midas_Client/frmMain.pas"),
        Output("Midas_Client/frmMain.dfm"),
        "Generate DPR...",
        Output("Midas_Client/Midas_Client.dpr"),
        Output("Midas_Client/Midas_Client.dpr"),
        "Finished.",
    };
    EXPECT_EQ(Statuses, expected);

    // The per-table templates become one unit and form per table; the templates stay as copied.
    EXPECT_EQ(ReadFile(Output("Midas_Client/frmOrderDetails.pas"))
                  .rfind("unit frmOrderDetails;\r\n  TOrderDetails_Frm = class\r\n", 0),
              0u);
    const std::string clientForm = ReadFile(Output("Midas_Client/frmClient.dfm"));
    EXPECT_EQ(clientForm.rfind("object Client_Frm: TClient_Frm\r\n", 0), 0u);
    EXPECT_TRUE(clientForm.ends_with("\r\nend\r\n"));
    EXPECT_EQ(ReadFile(Output("Midas_Client/frmTableName.dfm")),
              "object TableName_Frm: TTableName_Frm\r\nend\r\n");
    // The grids form is written with the last table's identifier.
    EXPECT_EQ(ReadFile(Output("Midas_Client/frmTableGrids.pas")),
              "unit frmTableGrids; // last: OrderDetails\r\n");
    EXPECT_EQ(ReadFile(Output("Midas_Client/Readme.txt")), "copied unchanged");
    // The database input is copied beside the server executable under its own extension.
    EXPECT_EQ(ReadFile(Output("Midas_AppServer/EXE/Database.udl")),
              ReadFile(Options.Database.UDLFile));
    // Every stage sees one snapshot of the database: the catalogue is read once and each table
    // described once, however many stages and forms ask.
    EXPECT_EQ(Database->CatalogueReads, 1);
    EXPECT_EQ(Database->TableOpens, 2);
    EXPECT_EQ(DM.ADOConnection.Statistics().CatalogueReads, 1u);
    EXPECT_EQ(DM.ADOConnection.Statistics().TableDescriptions, 2u);
}

TEST_F(GenerateTest, ProgressCountsTheTablesOfEachStageAsTheirFilesAreWritten) {
    Database->AddTable("Client", {Column("ClientID", ado::adInteger)});
    Database->AddTable("Orders", {Column("OrderID", ado::adInteger)});
    // Status texts and progress in one log, to see where each progress report falls.
    std::vector<std::string> log;
    // Written files are logged by their names alone (npos + 1 keeps a stage text whole).
    DM.OnStatus = [&log](TDM&, const std::string& text) {
        log.push_back(text.substr(text.rfind('/') + 1));
    };
    DM.OnProgress = [&log](std::size_t done, std::size_t total) {
        log.push_back(std::to_string(done) + "/" + std::to_string(total));
    };

    DM.Generate(Options);

    const std::vector<std::string> expected = {
        "Copy Template Files...",
        "0/2",
        "Generate Direct DM Code...",
        "rdmMain.pas",
        "rdmMain.dfm",
        "2/2",
        "0/2",
        "Generate Client DM Code...",
        "dmClient.pas",
        "dmClient.dfm",
        "2/2",
        "0/2",
        "Generate Client Forms...",
        "frmClient.pas",
        "frmClient.dfm",
        "1/2",
        "frmOrders.pas",
        "frmOrders.dfm",
        "2/2",
        "frmTableGrids.pas",
        "frmTableGrids.dfm",
        "0/2",
        "Generate MainForm Code...",
        "frmMain.pas",
        "frmMain.dfm",
        "2/2",
        "0/2",
        "Generate DPR...",
        "Midas_Client.dpr",
        "Midas_Client.dpr",
        "2/2",
        "Finished.",
    };
    EXPECT_EQ(log, expected);
}

TEST_F(GenerateTest, EveryRunTakesAFreshSnapshotThatHoldsForTheWholeRun) {
    Database->AddTable("Orders", {Column("OrderID", ado::adInteger)});
    // A table that appears while the run is under way is not seen by the later stages ...
    DM.OnStatus = [this](TDM&, const std::string& text) {
        if (text == "Generate Client DM Code...") {
            Database->AddTable("Late", {Column("ID", ado::adInteger)});
        }
    };
    DM.Generate(Options);
    EXPECT_FALSE(fs::exists(Output("Midas_Client/frmLate.pas")));
    EXPECT_EQ(ReadFile(Output("Midas_Client/Midas_Client.dpr")).find("frmLate"), std::string::npos);
    // ... but the next run, which connects again, sees it.
    DM.OnStatus = nullptr;
    DM.OnConfirmReplace = [](const std::string&) { return true; };
    DM.Generate(Options);
    EXPECT_TRUE(fs::exists(Output("Midas_Client/frmLate.pas")));
    EXPECT_EQ(Database->CatalogueReads, 2);
}

TEST_F(GenerateTest, DatabaseWithoutTablesStillWritesGridsMainFormAndProject) {
    Database->AddTable("sqlite_sequence", {}, "SYSTEM TABLE");

    DM.Generate(Options);

    EXPECT_EQ(Statuses.size(), 17u);
    EXPECT_EQ(Statuses[7], "Generate Client Forms...");
    EXPECT_EQ(Statuses[8], Output("Midas_Client/frmTableGrids.pas"));
    EXPECT_FALSE(fs::exists(Output("Midas_Client/frmsqlite_sequence.pas")));
    // Without a table the grids templates keep their word.
    EXPECT_EQ(ReadFile(Output("Midas_Client/frmTableGrids.pas")),
              "unit frmTableGrids; // last: TableName\r\n");
    EXPECT_EQ(ReadFile(Output("Midas_Client/frmMain.pas")), "uses dmClient;\r\n\r\n");
    EXPECT_EQ(ReadFile(Output("Midas_Client/frmMain.dfm")),
              "object Main_Frm: TMain_Frm\r\n\r\nend\r\n");
}

TEST_F(GenerateTest, TemplatePathWithOrWithoutFinalDelimiterGivesTheSameOutput) {
    Database->AddTable("Orders", {Column("OrderID", ado::adInteger)});
    Options.Directories.TemplateDir += "/";
    Options.Directories.OutputDir += "/";
    DM.Generate(Options);
    EXPECT_EQ(Statuses[2], Output("Midas_AppServer/rdmMain.pas"));
    EXPECT_TRUE(fs::exists(Output("Midas_Client/frmOrders.pas")));
}

TEST_F(GenerateTest, TableNamesThatAreNoIdentifiersStayInsideTheOutput) {
    Database->AddTable("../../etc/passwd", {});
    Database->AddTable("Buyer's Ref-#2", {});
    Options.ClientUIOptions.TrimTableName = true;

    DM.Generate(Options);

    EXPECT_TRUE(fs::exists(Output("Midas_Client/frmetcpasswd.pas")));
    // "BuyersRef2" holds no "_", so trimming leaves it whole.
    EXPECT_TRUE(fs::exists(Output("Midas_Client/frmBuyersRef2.dfm")));
    for (const auto& entry : fs::recursive_directory_iterator(Folder.Path())) {
        const fs::path relative = fs::relative(entry.path(), Folder.Path());
        const std::string top = relative.begin()->string();
        EXPECT_TRUE(top == "out" || top == "templates" || top == "orders.udl") << relative;
        EXPECT_NE(relative.filename(), "passwd") << relative;
    }
}

TEST_F(GenerateTest, TablesWithTheSameIdentifierGetNamesOfTheirOwnInEveryFile) {
    // "Order Details" and "OrderDetails" give the same identifier, and "ORDERDETAILS" too, as
    // the generated language ignores letter case: the later ones take the first free suffix,
    // which "OrderDetails_2", an identifier of its own, already holds for the third.
    Database->AddTable("Order Details", {Column("A", ado::adInteger)});
    Database->AddTable("OrderDetails", {Column("B", ado::adInteger)});
    Database->AddTable("OrderDetails_2", {Column("C", ado::adInteger)});
    Database->AddTable("ORDERDETAILS", {Column("D", ado::adInteger)});
    DM.Generate(Options);

    const std::vector<std::pair<std::string, std::string>> forms = {{"OrderDetails", "A"},
                                                                    {"OrderDetails_3", "B"},
                                                                    {"OrderDetails_2", "C"},
                                                                    {"ORDERDETAILS_4", "D"}};
    const std::string client = ReadFile(Output("Midas_Client/dmClient.pas"));
    const std::string main = ReadFile(Output("Midas_Client/frmMain.pas"));
    const std::string project = ReadFile(Output("Midas_Client/Midas_Client.dpr"));
    for (const auto& [identifier, field] : forms) {
        SCOPED_TRACE(identifier);
        const std::string unit = ReadFile(Output("Midas_Client/frm" + identifier + ".pas"));
        EXPECT_NE(unit.find("T" + identifier + "_Frm = class"), std::string::npos);
        EXPECT_NE(ReadFile(Output("Midas_Client/frm" + identifier + ".dfm"))
                      .find("DataSource = DM." + identifier + "_DS"),
                  std::string::npos);
        EXPECT_NE(unit.find("    " + field + "_Lab: TLabel;"), std::string::npos);
        EXPECT_NE(client.find("    " + identifier + "_CDS: TClientDataSet;"), std::string::npos);
        EXPECT_NE(main.find(",frm" + identifier), std::string::npos);
        EXPECT_NE(project.find("Application.CreateForm(T" + identifier + "_Frm, " + identifier +
                               "_Frm);"),
                  std::string::npos);
    }
    EXPECT_TRUE(DM.Warnings().empty()) << DM.Warnings().front();
}

TEST_F(GenerateTest, ATableNamedLikeATemplateUnitLeavesTheTemplateAlone) {
    // frmMain, frmTableGrids and frmTableName are the template's own units: a table whose form
    // unit would take one of those names gets a suffix instead of writing over it.
    Database->AddTable("Main", {Column("A", ado::adInteger)});
    Database->AddTable("TableName", {Column("B", ado::adInteger)});
    Database->AddTable("tablegrids", {Column("C", ado::adInteger)});
    DM.Generate(Options);
    EXPECT_TRUE(fs::exists(Output("Midas_Client/frmMain_2.pas")));
    EXPECT_TRUE(fs::exists(Output("Midas_Client/frmTableName_2.dfm")));
    EXPECT_TRUE(fs::exists(Output("Midas_Client/frmtablegrids_2.pas")));
    EXPECT_EQ(ReadFile(Output("Midas_Client/frmTableName.pas")),
              ReadFile(Options.Directories.TemplateDir + "/Midas_Client/frmTableName.pas"));
    EXPECT_NE(ReadFile(Output("Midas_Client/frmMain.pas")).find(",frmMain_2,frmTableName_2"),
              std::string::npos);

    // The next run reads its own templates, not what the last one read.
    const fs::path edited = Folder.Path() / "edited" / "MidasProject";
    testing::WriteMiniTemplate(edited);
    WriteFile((edited / "Midas_Client" / "frmTableName.pas").string(),
              "unit frmTableName; // edited\r\n{#DataComponentList}\r\n");
    Options.Directories.TemplateDir = edited.string();
    DM.OnConfirmReplace = [](const std::string&) { return true; };
    DM.Generate(Options);
    EXPECT_EQ(
        ReadFile(Output("Midas_Client/frmMain_2.pas")).rfind("unit frmMain_2; // edited\r\n", 0),
        0u);
}

TEST_F(GenerateTest, WhatCanFailBeforeWritingFailsWhileTheOutputIsUntouched) {
    // A table without identifier, a name format that cannot be applied or gives no identifier,
    // and a missing template file are all known before the copy: the output directory is not
    // even made.
    Database->AddTable("Orders", {});
    Database->AddTable("Sales_", {});
    const auto expectFailureBeforeTheCopy = [&](const std::string& expected) {
        Statuses.clear();
        try {
            DM.Generate(Options);
            ADD_FAILURE() << "the run went through";
        } catch (const EEngineError& error) {
            EXPECT_EQ(std::string(error.what()), expected);
        }
        EXPECT_EQ(Statuses, std::vector<std::string>{"Copy Template Files..."});
        EXPECT_FALSE(fs::exists(Folder.File("out")));
    };

    Options.ClientUIOptions.TrimTableName = true;
    expectFailureBeforeTheCopy(
        "The table \"Sales_\" gives no identifier: its name holds no letters, digits or \"_\" "
        "after its prefix.");

    Options.ClientUIOptions.TrimTableName = false;
    DM.NameFormats.DBGridName = "%s_%d";
    expectFailureBeforeTheCopy(DM.NameFormats.Source +
                               ": [NameFormatStrings] DBGridName=%s_%d: No argument for format "
                               "'%d'");
    DM.NameFormats.DBGridName = "%s Grid";
    expectFailureBeforeTheCopy(DM.NameFormats.Source +
                               ": [NameFormatStrings] DBGridName=%s Grid: \"Orders Grid\", made "
                               "from \"Orders\", is no Pascal identifier (an ASCII letter or "
                               "\"_\", then ASCII letters, digits or \"_\").");

    DM.NameFormats = TFormatStrings{};
    const std::string missing = Options.Directories.TemplateDir + "/Midas_Client/dmClient.dfm";
    fs::remove(missing);
    expectFailureBeforeTheCopy("Cannot open file \"" + missing + "\". No such file or directory");
}

TEST_F(GenerateTest, MissingOrUnsafeDirectoriesStopTheRunBeforeAnythingIsCopied) {
    struct TCase {
        std::string TemplateDir;
        std::string OutputDir;
    };
    const std::string templateDir = Options.Directories.TemplateDir;
    const std::vector<TCase> cases = {
        {"", Folder.File("out")},
        {"  \t", Folder.File("out")},
        {templateDir, ""},
        {Folder.File("no-such-template"), Folder.File("out")},
        // The copy would land on the template itself, or inside it.
        {templateDir, Folder.File("templates")},
        {templateDir, templateDir + "/Midas_Client"},
    };
    for (const TCase& testCase : cases) {
        Options.Directories.TemplateDir = testCase.TemplateDir;
        Options.Directories.OutputDir = testCase.OutputDir;
        EXPECT_THROW(DM.Generate(Options), EOptionsError)
            << testCase.TemplateDir << " -> " << testCase.OutputDir;
    }
    EXPECT_FALSE(fs::exists(Folder.File("out")));
    EXPECT_FALSE(fs::exists(templateDir + "/Midas_Client/MidasProject"));
    EXPECT_EQ(ReadFile(templateDir + "/Midas_Client/frmTableName.pas"),
              "unit frmTableName;\r\n  TTableName_Frm = class\r\n{#DataComponentList}\r\n");
}

TEST_F(GenerateTest, AnEarlierCopyIsReplacedOnlyWhenTheCallerAgrees) {
    Database->AddTable("Orders", {});
    WriteFile(Output("Midas_Client/frmTableName.pas"), "kept from the earlier run");
    WriteFile(Output("Midas_Client/Notes.txt"), "the user's own file");

    EXPECT_THROW(DM.Generate(Options), EExistingCopyError);
    DM.OnConfirmReplace = [](const std::string&) { return false; };
    EXPECT_THROW(DM.Generate(Options), EExistingCopyError);
    EXPECT_EQ(ReadFile(Output("Midas_Client/frmTableName.pas")), "kept from the earlier run");

    std::string asked;
    DM.OnConfirmReplace = [&asked](const std::string& copy) {
        asked = copy;
        return true;
    };
    DM.Generate(Options);
    EXPECT_EQ(asked, Folder.File("out/MidasProject"));
    EXPECT_EQ(ReadFile(Output("Midas_Client/frmTableName.pas")),
              ReadFile(Options.Directories.TemplateDir + "/Midas_Client/frmTableName.pas"));
    EXPECT_TRUE(fs::exists(Output("Midas_Client/frmOrders.pas")));
    EXPECT_EQ(ReadFile(Output("Midas_Client/Notes.txt")), "the user's own file");
}

TEST_F(GenerateTest, DatabaseCopyTakesTheExtensionOfTheInputAndMustSucceed) {
    WriteFile(Folder.File("data.d/orders"), "no extension");
    Options.Database.UDLFile = Folder.File("data.d/orders");
    DM.Generate(Options);
    EXPECT_EQ(ReadFile(Output("Midas_AppServer/EXE/Database")), "no extension");
    EXPECT_EQ(Database->ConnectionStrings.back(), "FILE NAME=" + Folder.File("data.d/orders"));

    // Without an EXE folder in the template the copy fails, and the run says so.
    fs::remove_all(Options.Directories.TemplateDir + "/Midas_AppServer/EXE");
    fs::remove_all(Folder.File("out"));
    Statuses.clear();
    try {
        DM.Generate(Options);
        FAIL() << "the run went through";
    } catch (const EFileError& error) {
        EXPECT_EQ(std::string(error.what())
                      .rfind("Cannot copy the database file \"" + Options.Database.UDLFile +
                                 "\" to \"" + Output("Midas_AppServer/EXE/Database") + "\". ",
                             0),
                  0u)
            << error.what();
    }
    EXPECT_EQ(Statuses, std::vector<std::string>{"Copy Template Files..."});
}

TEST_F(GenerateTest, ConnectionStringFollowsTheKindOfDatabasePath) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"/data/Orders.MDB",
         "Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=/data/Orders.MDB"},
        {"/data/old.mdb.d/orders",
         "Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=/data/old.mdb.d/orders"},
        {"/data/old.mdb.d/link.udl", "FILE NAME=/data/old.mdb.d/link.udl"},
        {"/data/link.UDL", "FILE NAME=/data/link.UDL"},
        {"/data/a b.accdb",
         "Provider=Microsoft.ACE.OLEDB.12.0;User ID=Admin;Data Source=/data/a b.accdb"},
        {"/data/orders.sqlite3", "Provider=SQLite;Data Source=/data/orders.sqlite3"},
        {"/data/x;y.db", "Provider=SQLite;Data Source=\"/data/x;y.db\""},
        {"/data/orders.txt", "FILE NAME=/data/orders.txt"},
    };
    for (const auto& [path, connectionString] : cases) {
        DM.ConnectDatabase(path, "", false);
        EXPECT_EQ(Database->ConnectionStrings.back(), connectionString);
    }
}

TEST_F(GenerateTest, ConnectingReloadsTheDisplayTextMap) {
    WriteFile(Folder.File("map.txt"), "ClientName Client\r\n");
    DM.ConnectDatabase("x.udl", Folder.File("map.txt"), false);
    EXPECT_EQ(DM.DisplayTextOf("CLIENTNAME"), "Client");
    DM.ConnectDatabase("x.udl", Folder.File("missing.txt"), false);
    EXPECT_EQ(DM.DisplayTextMap.Count(), 0u);
    EXPECT_EQ(Database->ConnectionStrings.size(), 2u);
}

TEST_F(GenerateTest, ACancelledRunStopsBeforeItsNextFileAndKeepsWhatItWrote) {
    Database->AddTable("Orders", {});
    Database->AddTable("Lines", {});
    EXPECT_EQ(DM.EarlierCopyOf(Options), "");
    std::vector<std::string> statuses;
    DM.OnStatus = [&](TDM& sender, const std::string& text) {
        statuses.push_back(text);
        if (text == "Generate Client Forms...") {
            sender.Cancel();
        }
    };
    try {
        DM.Generate(Options);
        ADD_FAILURE() << "a cancelled run went on";
    } catch (const ECancelledError& error) {
        EXPECT_STREQ(error.what(), "The run was cancelled.");
    }
    EXPECT_EQ(statuses.back(), "Generate Client Forms...");
    EXPECT_TRUE(fs::exists(Output("Midas_Client/dmClient.dfm")));
    EXPECT_FALSE(fs::exists(Output("Midas_Client/frmOrders.pas")));
    for (const auto& entry : fs::recursive_directory_iterator(Folder.File("out"))) {
        EXPECT_EQ(entry.path().filename().string().find(".quorvane-tmp"), std::string::npos)
            << entry.path();
    }
    // The request ended with its run: the next one goes through, over the copy it now names.
    EXPECT_EQ(DM.EarlierCopyOf(Options), Folder.File("out/") + "MidasProject");
    DM.OnStatus = nullptr;
    DM.OnConfirmReplace = [](const std::string&) { return true; };
    DM.Generate(Options);
    EXPECT_TRUE(fs::exists(Output("Midas_Client/frmOrders.pas")));
    // Asked before a run begins, it stops the run before anything is written.
    TTempDir other;
    Options.Directories.OutputDir = other.File("out");
    DM.Cancel();
    EXPECT_THROW(DM.Generate(Options), ECancelledError);
    EXPECT_FALSE(fs::exists(other.File("out")));
}

TEST_F(GenerateTest, ARunIsNeverEnteredTwice) {
    Database->AddTable("Orders", {});
    bool refused = false;
    DM.OnStatus = [&](TDM& sender, const std::string& text) {
        if (text == "Generate Client DM Code...") {
            try {
                sender.Generate(Options);
            } catch (const EOptionsError&) {
                refused = true;
            }
        }
    };
    DM.Generate(Options);
    EXPECT_TRUE(refused);
    EXPECT_TRUE(fs::exists(Output("Midas_Client/frmOrders.pas")));
}

TEST(LastFolderNameTest, TakesTheLastFolderOfAPathOrOfAFilesFolder) {
    TTempDir folder;
    WriteFile(folder.File("MyProject/file.txt"), "");
    EXPECT_EQ(TDM::LastFolderName("/a/b/MyProject"), "MyProject");
    EXPECT_EQ(TDM::LastFolderName("/a/b/MyProject/"), "MyProject");
    EXPECT_EQ(TDM::LastFolderName(folder.File("MyProject/file.txt")), "MyProject");
    EXPECT_EQ(TDM::LastFolderName("MyProject"), "");
    EXPECT_EQ(TDM::LastFolderName(""), "");
    EXPECT_EQ(TDM::LastFolderName("/" + std::string(300, 'x')), std::string(255, 'x'));
}

// The message a check gives, or "" when the text passes.
template <typename TCheck> std::string CheckMessage(TCheck check, const std::string& text) {
    try {
        check(text, "Field", "option");
    } catch (const EConvertError& error) {
        return error.what();
    }
    return std::string();
}

TEST(OptionNamesTest, ClassAndComponentNamesArePascalIdentifiers) {
    for (const std::string good : {"TADOQuery", "_T", "TGrid2", "T_My_Grid", "x"}) {
        EXPECT_EQ(CheckMessage(CheckClassName, good), "") << good;
        EXPECT_EQ(CheckMessage(CheckComponentName, good), "") << good;
    }
    for (const std::string bad : {"", "a b", "TGrid\nobject X: TButton", "T'Q", "T\"Q", "2Grid",
                                  "Data.TQuery", "T;", " TGrid", "TGrid ", "T\xc3\xa9"}) {
        EXPECT_EQ(CheckMessage(CheckClassName, bad),
                  "'" + bad + "' is not a valid class name for \"Field\" (--option).");
        EXPECT_EQ(CheckMessage(CheckComponentName, bad),
                  "'" + bad + "' is not a valid component name for \"Field\" (--option).");
    }
}

TEST(OptionNamesTest, ProviderOptionsAreIdentifiersSeparatedByCommas) {
    for (const std::string good : {"", "   ", "poAllowCommandText",
                                   "poFetchBlobsOnDemand, poAllowCommandText", "a ,b\t,\tc_1"}) {
        EXPECT_EQ(CheckMessage(CheckProviderOptions, good), "") << good;
    }
    for (const std::string bad : {"poA\nend\nobject X: TButton", "poA,\npoB", "poA]", "poA,",
                                  ",poA", "poA,,poB", "poA poB", "'poA'", "1po", "poA;poB"}) {
        EXPECT_EQ(CheckMessage(CheckProviderOptions, bad),
                  "'" + bad + "' is not a valid option list for \"Field\" (--option).");
    }
}

TEST_F(GenerateTest, NamesThatAreNoIdentifiersEndTheRunBeforeAnythingIsWritten) {
    Database->AddTable("Orders", {Column("OrderID", ado::adInteger)});
    const std::vector<std::pair<std::function<void(TProjectParam&)>, std::string>> cases = {
        {[](TProjectParam& o) { o.ServerOptions.DataSetType = "a b"; },
         "'a b' is not a valid class name for \"DataSet Component Type\" (--dataset-type)."},
        {[](TProjectParam& o) { o.ServerOptions.DataSetKind = "1Query"; },
         "'1Query' is not a valid class name for \"DataSet Component Type\" (--dataset-type)."},
        {[](TProjectParam& o) { o.ServerOptions.ProviderOptions = "poA\nend"; },
         "'poA\nend' is not a valid option list for \"DataSet Provider Options\" "
         "(--provider-options)."},
        {[](TProjectParam& o) { o.ClientDMOptions.ClientDataSetType = "TCDS'"; },
         "'TCDS'' is not a valid class name for \"ClientDataSet Type\" (--client-dataset-type)."},
        {[](TProjectParam& o) { o.ClientDMOptions.ConnectionBrokerName = ""; },
         "'' is not a valid component name for \"ConnectionBroker Component Name\" "
         "(--broker-name)."},
        {[](TProjectParam& o) { o.ClientUIOptions.DMName = "DM.X"; },
         "'DM.X' is not a valid component name for \"Data Module Name in Template\" "
         "(--dm-name)."},
        {[](TProjectParam& o) { o.ClientUIOptions.DBNavigatorType = "TNav;"; },
         "'TNav;' is not a valid class name for \"DBNavigator Type\" (--navigator-type)."},
        {[](TProjectParam& o) { o.ClientUIOptions.DBGridType = "T\"G"; },
         "'T\"G' is not a valid class name for \"DBGrid Type\" (--grid-type)."},
    };
    for (const auto& [change, message] : cases) {
        TProjectParam options = Options;
        change(options);
        try {
            DM.Generate(options);
            ADD_FAILURE() << "no error for: " << message;
        } catch (const EConvertError& error) {
            EXPECT_EQ(std::string(error.what()), message);
        }
        EXPECT_FALSE(fs::exists(Folder.File("out"))) << message;
    }
    // The same run with good values writes the provider options as given.
    Options.ServerOptions.ProviderOptions = "poFetchBlobsOnDemand, poAllowCommandText";
    DM.Generate(Options);
    EXPECT_NE(ReadFile(Output("Midas_AppServer/rdmMain.dfm"))
                  .find("Options = [poFetchBlobsOnDemand, poAllowCommandText]"),
              std::string::npos);
}

} // namespace
} // namespace quorvane
