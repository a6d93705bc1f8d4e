// The project plan: the names a run settles before writing, and the references it checks.

#include "MemorySchemaSource.h"
#include "PlanSupport.h"
#include "generate/NameRegistry.h"
#include "generate/dmCodeGenerator.h"
#include "text/EngineErrors.h"
#include "text/StringUtils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace quorvane {
namespace {

using testing::Column;
using testing::TMemoryDatabase;

class ProjectPlanTest : public ::testing::Test {
protected:
    std::shared_ptr<TMemoryDatabase> Database = std::make_shared<TMemoryDatabase>();
    TDM DM;
    TProjectParam Options;
    TTemplateSet Templates = testing::TemplateSetForTests();
    std::optional<TProjectPlan> LastPlan;

    ProjectPlanTest() {
        DM.NameFormats = TFormatStrings{};
        DM.ADOConnection.SetOpener(testing::MemoryOpener(Database));
    }

    const TProjectPlan& Plan() {
        DM.ConnectDatabase("memory.udl", "", false);
        LastPlan = DM.PlanProject(Options, Templates);
        return *LastPlan;
    }

    const TPlannedTable& Table(const std::string& name) {
        for (const TPlannedTable& table : LastPlan->Tables) {
            if (table.Source->Name == name) {
                return table;
            }
        }
        throw std::runtime_error("no planned table " + name);
    }
};

TEST_F(ProjectPlanTest, CollidingIdentifiersGetTheSameSuffixInEveryStage) {
    // With every trim option set, "Sales_Client" and "Client" both give "Client"; the later one
    // in catalogue order takes "Client_2" in the server, the client module and the forms alike.
    Database->AddTable("Sales_Client", {Column("ID", ado::adInteger)});
    Database->AddTable("Client", {Column("ID", ado::adInteger)});
    Options.ServerOptions.TrimPrefix = true;
    Options.ClientDMOptions.TrimTableName = true;
    Options.ClientUIOptions.TrimTableName = true;
    const TProjectPlan& plan = Plan();
    const TPlannedTable& later = Table("Client");
    EXPECT_EQ(Table("Sales_Client").FormIdentifier, "Client");
    EXPECT_EQ(later.ServerDataSet, "Client_2_D");
    EXPECT_EQ(later.ServerCompanion, "Client_2_P");
    EXPECT_EQ(later.ClientDataSet, "Client_2_CDS");
    EXPECT_EQ(later.ClientProviderName, "Client_2_P");
    EXPECT_EQ(later.FormUnit, "frmClient_2");
    EXPECT_EQ(later.FormName, "Client_2_Frm");
    EXPECT_EQ(later.FormClass, "TClient_2_Frm");
    EXPECT_EQ(later.DataSourceReference, "DM.Client_2_DS");
    EXPECT_EQ(later.HandlerDataSet, "DM.Client_2_CDS");
    EXPECT_EQ(later.Button, "Client_2_Btn");
    EXPECT_TRUE(CheckReferences(plan).empty());

    // Without trimming the names differ, and nobody is renamed.
    Options.ServerOptions.TrimPrefix = false;
    Options.ClientDMOptions.TrimTableName = false;
    Options.ClientUIOptions.TrimTableName = false;
    Plan();
    EXPECT_EQ(Table("Client").FormUnit, "frmClient");
    EXPECT_EQ(Table("Sales_Client").FormUnit, "frmSales_Client");
}

TEST_F(ProjectPlanTest, FormClassesVariablesAndUnitsShareOneProjectScope) {
    // The form class of "Log" is "TLog_Frm", the form variable of "TLog" too: the project sees
    // both, without regard to case, so the later table's form is told apart by "_2" wherever it
    // is named.
    Database->AddTable("Log", {Column("ID", ado::adInteger)});
    Database->AddTable("tlog", {Column("ID", ado::adInteger)});
    const TProjectPlan& plan = Plan();
    const TPlannedTable& log = Table("Log");
    const TPlannedTable& tlog = Table("tlog");
    const TPlannedTable& earlier = log.Index < tlog.Index ? log : tlog;
    const TPlannedTable& later = log.Index < tlog.Index ? tlog : log;
    const std::string laterIdentifier = later.Source->Name + "_2";

    EXPECT_EQ(earlier.FormIdentifier, earlier.Source->Name);
    EXPECT_EQ(later.FormIdentifier, laterIdentifier);
    EXPECT_EQ(later.FormUnit, "frm" + laterIdentifier);
    EXPECT_EQ(later.FormName, laterIdentifier + "_Frm");
    EXPECT_EQ(later.FormClass, "T" + laterIdentifier + "_Frm");
    EXPECT_EQ(later.HandlerForm, laterIdentifier + "_frm");
    // The form's references into the client data module keep the table's own names.
    EXPECT_EQ(later.ClientDataSet, later.Source->Name + "_CDS");
    EXPECT_EQ(later.HandlerDataSet, "DM." + later.ClientDataSet);
    EXPECT_EQ(later.DataSourceReference, "DM." + later.ClientDataSource);

    std::vector<std::string> names;
    for (const TPlannedTable* table : {&log, &tlog}) {
        names.push_back(LowerCaseAscii(table->FormUnit));
        names.push_back(LowerCaseAscii(table->FormName));
        names.push_back(LowerCaseAscii(table->FormClass));
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end())
        << "a unit, form or class name is taken twice";
    const std::vector<std::string> warnings = CheckReferences(plan);
    EXPECT_TRUE(warnings.empty()) << warnings.front();

    // The project file creates each form by its own class into its own variable, and the main
    // form shows the variable the form unit declares.
    const TMainFormLists lists = BuildMainFormLists(plan);
    EXPECT_NE(lists.FormCreateCodeList.find("Application.CreateForm(T" + laterIdentifier +
                                            "_Frm, " + laterIdentifier + "_Frm);"),
              std::string::npos);
    EXPECT_NE(lists.FormUnitFileList.find("frm" + laterIdentifier + " in 'frm" + laterIdentifier +
                                          ".pas' {" + laterIdentifier + "_Frm}"),
              std::string::npos);
    EXPECT_NE(lists.ButtonEventCodeList.find(laterIdentifier + "_frm.Show;"), std::string::npos);
    // The form file is written from the template with the form's identifier: its root is the
    // variable and class the project names.
    const std::string formFile =
        WithTableIdentifier(Templates.TableForm.Text, later.FormIdentifier);
    EXPECT_EQ(formFile.rfind("object " + later.FormName + ": " + later.FormClass + "\r\n", 0), 0U);
}

TEST_F(ProjectPlanTest, NamesAlreadyTakenByTheTemplateOrTheLanguageAreAvoided) {
    // The template's client module has a component of the name a table's client dataset would
    // get; the table's dataset is told apart, and what refers to it follows.
    Templates.ClientForm.DeclaredNames.push_back("Orders_CDS");
    Database->AddTable("Orders", {Column("OrderID", ado::adInteger)});
    // A field whose component name is that of another table's client dataset.
    Database->AddTable("A", {Column("X_CDS", ado::adInteger)});
    Database->AddTable("A_CDSX", {Column("ID", ado::adInteger)});
    // With a bare format, a label named like a reserved word.
    DM.NameFormats.LabelName = "%s";
    Database->AddTable("Events", {Column("End", ado::adInteger), Column("Begin", ado::adInteger)});

    const TProjectPlan& plan = Plan();
    EXPECT_EQ(Table("Orders").ClientDataSet, "Orders_CDS_2");
    EXPECT_EQ(Table("Orders").HandlerDataSet, "DM.Orders_CDS_2");
    EXPECT_TRUE(CheckReferences(plan).empty()) << CheckReferences(plan).front();

    const TPlannedTable& a = Table("A");
    EXPECT_EQ(Table("A_CDSX").ClientDataSet, "A_CDSX_CDS");
    EXPECT_EQ(plan.FieldComponent(a, 0, "X_CDS", TFieldRole::ClientField), "A_CDSX_CDS_2");
    const TBlocks client = BuildClientDataModule(plan, DM.DisplayTextMap);
    EXPECT_NE(std::find(client.UnitLines.begin(), client.UnitLines.end(),
                        "    A_CDSX_CDS_2 : TIntegerField;"),
              client.UnitLines.end());

    const TPlannedTable& events = Table("Events");
    EXPECT_EQ(plan.FieldComponent(events, 0, "End", TFieldRole::Label), "End_2");
    EXPECT_EQ(plan.FieldComponent(events, 1, "Begin", TFieldRole::Label), "Begin_2");
    const TBlocks form = BuildTableForm(plan, DM.DisplayTextMap, events);
    EXPECT_NE(std::find(form.UnitLines.begin(), form.UnitLines.end(), "    End_2: TLabel;"),
              form.UnitLines.end());
}

TEST_F(ProjectPlanTest, EveryNameAFormatGivesMustBeAnIdentifier) {
    // A table whose form holds every kind of field control, so that every format is applied.
    Database->AddTable("Orders",
                       {Column("OrderNo", ado::adInteger), Column("CustomerID", ado::adInteger),
                        Column("Paid", ado::adBoolean), Column("Notes", ado::adLongVarWChar)});
    ASSERT_NO_THROW(Plan());
    DM.NameFormats.Source = "/home/user/.config/quorvane/NameFormat.ini";
    for (const TNameFormatKey& key : NameFormatKeys) {
        SCOPED_TRACE(key.Key);
        const TFormatStrings defaults;
        DM.NameFormats.*key.Format = "%s X";
        const std::string where =
            DM.NameFormats.Source + ": [NameFormatStrings] " + key.Key + "=%s X: \"";
        try {
            Plan();
            // No generated name comes from the unit name format: the units are "frm" + table.
            EXPECT_STREQ(key.Key, "TableUnitName");
        } catch (const EFormatError& error) {
            EXPECT_EQ(std::string(error.what()).rfind(where, 0), 0u) << error.what();
            EXPECT_NE(std::string(error.what()).find(" X\", made from \""), std::string::npos)
                << error.what();
        }
        // A format error is named the same way.
        DM.NameFormats.*key.Format = "%s_%s";
        if (std::string(key.Key) != "TableUnitName") {
            EXPECT_THROW(
                {
                    try {
                        Plan();
                    } catch (const EFormatError& error) {
                        EXPECT_EQ(std::string(error.what()),
                                  DM.NameFormats.Source + ": [NameFormatStrings] " + key.Key +
                                      "=%s_%s: No argument for format '%s'");
                        throw;
                    }
                },
                EFormatError);
        }
        DM.NameFormats.*key.Format = defaults.*key.Format;
    }
    EXPECT_NO_THROW(Plan());
}

TEST_F(ProjectPlanTest, ReferencesBrokenByTheOptionsAreReported) {
    Database->AddTable("Sales_Client", {Column("ID", ado::adInteger)});

    // The forms trim the prefix, the client module does not.
    Options.ClientUIOptions.TrimTableName = true;
    std::vector<std::string> warnings = CheckReferences(Plan());
    const std::string trimHint =
        " (set \"Trim Table Name Prefix Before _\" alike for the client data module and the "
        "client forms: --client-trim-prefix, --ui-trim-prefix)";
    EXPECT_EQ(warnings,
              (std::vector<std::string>{
                  "Midas_Client/frmClient.dfm: \"DataSource = DM.Client_DS\" names a data source "
                  "the client data module does not declare for the table \"Sales_Client\"; it "
                  "declares \"Sales_Client_DS\"" +
                      trimHint,
                  "Midas_Client/frmTableGrids.dfm: \"DataSource = DM.Client_DS\" names a data "
                  "source the client data module does not declare for the table "
                  "\"Sales_Client\"; it declares \"Sales_Client_DS\"" +
                      trimHint,
                  "Midas_Client/frmMain.pas: Client_BtnClick: opens DM.Client_CDS, which the "
                  "client data module does not declare for the table \"Sales_Client\"; it "
                  "declares \"Sales_Client_CDS\"" +
                      trimHint}));

    // The client module trims, the server does not: the provider is not the server's.
    Options.ClientUIOptions.TrimTableName = false;
    Options.ClientDMOptions.TrimTableName = true;
    warnings = CheckReferences(Plan());
    ASSERT_FALSE(warnings.empty());
    EXPECT_EQ(warnings.front(),
              "Midas_Client/dmClient.dfm: Client_CDS asks for the provider \"Client_P\", but "
              "Midas_AppServer/rdmMain.dfm exports \"Sales_Client_P\" for the table "
              "\"Sales_Client\" (set \"Trim Table Name Prefix Before _\" alike for the server "
              "and the client data module: --server-trim-prefix, --client-trim-prefix)");

    // No providers at all.
    Options.ClientDMOptions.TrimTableName = false;
    Options.ServerOptions.IsRDM = false;
    warnings = CheckReferences(Plan());
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("the server exports no providers"), std::string::npos);

    // A data-module name the template does not have, and a form-name format that misses.
    Options.ServerOptions.IsRDM = true;
    Options.ClientUIOptions.DMName = "Data";
    DM.NameFormats.TableFormName = "%s_Form";
    warnings = CheckReferences(Plan());
    ASSERT_EQ(warnings.size(), 4u);
    EXPECT_EQ(warnings[0], "Midas_Client/frmSales_Client.dfm: \"DataSource = "
                           "Data.Sales_Client_DS\" names no data module of the project (the "
                           "client data module is \"DM\", the forms name it \"Data\": \"Data "
                           "Module Name in Template\", --dm-name)");
    EXPECT_EQ(warnings[3], "Midas_Client/frmMain.pas: Sales_Client_BtnClick: shows "
                           "\"Sales_Client_Form\", but the form of frmSales_Client is "
                           "\"Sales_Client_Frm\" (the TableFormName format of NameFormat.ini "
                           "must give the form's name)");

    // The data-module name compares as the language does, without regard to case.
    Options.ClientUIOptions.DMName = "dm";
    DM.NameFormats.TableFormName = "%s_frm";
    EXPECT_TRUE(CheckReferences(Plan()).empty());
}

TEST_F(ProjectPlanTest, DataSetClassesThatDoNotFitTheTemplatesServerAreReported) {
    Database->AddTable("Orders", {Column("ID", ado::adInteger)});
    const auto warningsFor = [&](const std::string& kind) {
        Options.ServerOptions.DataSetKind = kind;
        return CheckReferences(Plan());
    };
    EXPECT_TRUE(warningsFor("TADOQuery").empty());
    EXPECT_TRUE(warningsFor("tadodataset").empty());
    // A class of no family the plan knows is written as asked, without a word.
    EXPECT_TRUE(warningsFor("TMyQuery").empty());

    std::vector<std::string> warnings = warningsFor("TSQLQuery");
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[0].rfind("Midas_AppServer/rdmMain.dfm: the TSQLQuery datasets need a "
                                "TSQLConnection as their SQLConnection, but the template's "
                                "DBConnection is a TADOConnection;",
                                0),
              0u)
        << warnings[0];
    EXPECT_EQ(warnings[1], "Midas_AppServer/rdmMain.pas: TSQLQuery is declared in the unit "
                           "SqlExpr, which the unit's uses clause does not name; add it there, or "
                           "choose another dataset type (\"DataSet Component Type\", "
                           "--dataset-type)");
    warnings = warningsFor("TIBQuery");
    ASSERT_FALSE(warnings.empty());
    EXPECT_NE(warnings[0].find("TIBQuery has no Connection property: it reaches its database "
                               "through Database"),
              std::string::npos);

    // A template built for dbExpress fits the dbExpress classes, and a dotted unit name counts.
    Templates.ServerForm.ObjectClasses = {{"DBConnection", "TSQLConnection"}};
    Templates.ServerUnit.UsedUnits = {"Data.DB", "Data.SqlExpr", "Datasnap.Provider"};
    EXPECT_TRUE(warningsFor("TSQLDataSet").empty());
    EXPECT_EQ(warningsFor("TADOQuery").size(), 2u);
}

TEST_F(ProjectPlanTest, TheConnectionTheDatasetsNameMustBeTheServerModulesOwn) {
    const auto warningsFor = [&](const std::string& connection, const std::string& kind) {
        Options.ServerOptions.ConnectionName = connection;
        Options.ServerOptions.DataSetKind = kind;
        return CheckReferences(Plan());
    };
    // Without tables no dataset names it.
    EXPECT_TRUE(warningsFor("Elsewhere", "TADOQuery").empty());

    Database->AddTable("Orders", {Column("ID", ado::adInteger)});
    Templates.ServerForm.ObjectClasses = {{"DBConnection", "TADOConnection"},
                                          {"OrdersDb", "TADOConnection"},
                                          {"Express", "TSQLConnection"}};
    EXPECT_TRUE(warningsFor("OrdersDb", "TADOQuery").empty());
    EXPECT_TRUE(warningsFor("ordersdb", "TADODataSet").empty()); // names ignore letter case
    const std::string missing =
        "Midas_AppServer/rdmMain.dfm: the datasets are connected to \"Elsewhere\", which the "
        "server module does not declare; name its connection component (\"DBConnection Name in "
        "Template\", --connection-name)";
    // A class the plan does not know is no excuse for a connection that is not there; one it
    // knows is not told of its class as well.
    EXPECT_EQ(warningsFor("Elsewhere", "TMyQuery"), std::vector<std::string>{missing});
    EXPECT_EQ(warningsFor("Elsewhere", "TADOQuery"), std::vector<std::string>{missing});

    // The class check looks at the named connection, not at DBConnection.
    Templates.ServerUnit.UsedUnits = {"DB", "SqlExpr", "Provider"};
    EXPECT_TRUE(warningsFor("Express", "TSQLQuery").empty());
    const std::vector<std::string> warnings = warningsFor("OrdersDb", "TSQLQuery");
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("but the template's OrdersDb is a TADOConnection; use a template "
                               "whose OrdersDb is a TSQLConnection"),
              std::string::npos)
        << warnings[0];
}

// A field class that DB does not declare needs its own unit in both data modules, or they do
// not compile; each class is named once, with the first field that needs it.
TEST_F(ProjectPlanTest, FieldClassesWhoseUnitTheDataModulesDoNotUseAreReported) {
    TColumnInfo wide = Column("Rate", ado::adNumeric);
    wide.Precision = 20;
    wide.NumericScale = 6;
    Database->AddTable(
        "Rates", {Column("ID", ado::adInteger), wide, wide, Column("Since", ado::adDBTimeStamp)});
    Database->AddTable("More", {wide});
    std::vector<std::string> warnings = CheckReferences(Plan());
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[0], "Midas_AppServer/rdmMain.pas: the field \"Rate\" of the table "
                           "\"Rates\" is declared a TFMTBCDField, which the unit FMTBcd declares; "
                           "add that unit to the uses clause");
    EXPECT_EQ(warnings[1].rfind("Midas_Client/dmClient.pas: the field \"Rate\"", 0), 0u);

    // dbExpress makes the time stamp a TSQLTimeStampField, declared in SqlTimSt.
    Templates.ServerForm.ObjectClasses = {{"DBConnection", "TSQLConnection"}};
    Templates.ServerUnit.UsedUnits = {"DB", "SqlExpr", "Provider", "FMTBcd"};
    Templates.ClientUnit.UsedUnits = {"DB", "DBClient", "Data.FMTBcd", "Data.SqlTimSt"};
    Options.ServerOptions.DataSetKind = "TSQLQuery";
    warnings = CheckReferences(Plan());
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0], "Midas_AppServer/rdmMain.pas: the field \"Since\" of the table "
                           "\"Rates\" is declared a TSQLTimeStampField, which the unit SqlTimSt "
                           "declares; add that unit to the uses clause");
}

TEST(TemplateSetTest, ReadsTheNamesOfTheSampleTemplate) {
    const TTemplateSet templates =
        TTemplateSet::Load(std::string(QUORVANE_SOURCE_DIR) + "/templates/MidasProject");
    EXPECT_EQ(templates.ClientForm.RootName, "DM");
    EXPECT_EQ(templates.TableForm.RootName, "TableName_Frm");
    EXPECT_EQ(templates.TableForm.RootClass, "TTableName_Frm");
    EXPECT_EQ(templates.MainForm.RootClass, "TMain_Frm");
    EXPECT_EQ(templates.UnitNames,
              (std::vector<std::string>{"dmClient", "frmMain", "frmTableGrids", "frmTableName"}));
    const auto declares = [](const TTemplateFile& file, const std::string& name) {
        return std::find(file.DeclaredNames.begin(), file.DeclaredNames.end(), name) !=
               file.DeclaredNames.end();
    };
    // Components, the handlers the form names, and the unit's methods and fields.
    EXPECT_TRUE(declares(templates.MainForm, "AllGrids_Btn"));
    EXPECT_TRUE(declares(templates.MainForm, "FormCloseQuery"));
    EXPECT_TRUE(declares(templates.MainUnit, "Connection_Lbl"));
    EXPECT_TRUE(declares(templates.MainUnit, "AllGrids_BtnClick"));
    EXPECT_TRUE(declares(templates.ClientForm, "SocketConnection"));
    EXPECT_TRUE(declares(templates.ServerForm, "DBConnection"));
    EXPECT_FALSE(declares(templates.MainUnit, "TMain_Frm")); // a type, declared with "="
    EXPECT_TRUE(templates.MissingProjectFiles.empty());
    // The classes of the modules' objects and the units the units use.
    EXPECT_EQ(templates.ServerForm.ClassOfObject("dbconnection"), "TADOConnection");
    EXPECT_TRUE(templates.ServerUnit.UsesUnit("ADODB"));
    EXPECT_TRUE(templates.ServerUnit.UsesUnit("FMTBcd")); // after a line break, before a comment
    EXPECT_FALSE(templates.ServerUnit.UsesUnit("SqlExpr"));
    EXPECT_TRUE(templates.ClientUnit.UsesUnit("dbclient"));
    EXPECT_EQ(templates.TableForm.FormHead.find("end\r\n"), std::string::npos);
}

TEST(NameRegistryTest, ClaimsTheFirstFreeSuffixWithoutRegardToCase) {
    TNameRegistry registry;
    registry.Reserve("Orders_DS");
    EXPECT_EQ(registry.Claim("orders_ds"), "orders_ds_2");
    EXPECT_EQ(registry.Claim("Orders_DS"), "Orders_DS_3");
    EXPECT_EQ(registry.Claim("Clients"), "Clients");
    EXPECT_EQ(registry.Claim("Type"), "Type_2");
    EXPECT_TRUE(registry.IsTaken("CLIENTS"));
    EXPECT_TRUE(IsReservedWord("Published"));
    EXPECT_FALSE(IsReservedWord("Publish"));
}

} // namespace
} // namespace quorvane
