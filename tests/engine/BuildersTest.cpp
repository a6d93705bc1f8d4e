// The builders' selection rules and layout arithmetic, case by case, where a golden file would
// show only that something moved.

#include "generate/Builders.h"
#include "MemorySchemaSource.h"
#include "MiniTemplate.h"
#include "PlanSupport.h"
#include "schema/SchemaSnapshot.h"
#include "text/DfmText.h"
#include "text/EngineErrors.h"
#include "text/StringUtils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <optional>

namespace quorvane {
namespace {

using testing::Column;
using testing::TMemoryDatabase;

bool Contains(const TStringList& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The lines of the object that `openingLine` opens, up to its "end" at the same depth.
TStringList ObjectLines(const TStringList& lines, const std::string& openingLine) {
    const auto begin = std::find(lines.begin(), lines.end(), openingLine);
    if (begin == lines.end()) {
        return {};
    }
    const std::string indent = openingLine.substr(0, openingLine.find_first_not_of(' '));
    const auto end = std::find(begin, lines.end(), indent + "end");
    return TStringList(begin, end == lines.end() ? end : end + 1);
}

class BuildersTest : public ::testing::Test {
protected:
    std::shared_ptr<TMemoryDatabase> Database = std::make_shared<TMemoryDatabase>();
    TFormatStrings Formats; // the defaults, whatever NameFormat.ini says
    TDisplayTextMap Map;
    TProjectParam Options;
    TTemplateSet Templates = testing::TemplateSetForTests();
    std::optional<TSchemaSnapshot> Snapshot;
    std::optional<TProjectPlan> LastPlan;
    TStringList UnitLines;
    TStringList FormLines;

    // A plan of the tables added so far, with the options as they are now.
    const TProjectPlan& Plan() {
        // A fresh snapshot, as every run takes; no connection and no data module.
        testing::TMemorySchemaSource source(Database);
        LastPlan.reset();
        Snapshot = ReadSchemaSnapshot(source);
        LastPlan = TProjectPlan::Make(*Snapshot, Options, Formats, Templates);
        return *LastPlan;
    }
    void Take(TBlocks blocks) {
        UnitLines = std::move(blocks.UnitLines);
        FormLines = std::move(blocks.FormLines);
    }
    void BuildServer() { Take(BuildServerDataModule(Plan(), Map)); }
    void BuildClient() { Take(BuildClientDataModule(Plan(), Map)); }
    void BuildForm(std::size_t table) {
        const TProjectPlan& plan = Plan();
        Take(BuildTableForm(plan, Map, plan.Tables.at(table)));
    }

    // Adds a foreign key of `table` to what the database says of it.
    void AddForeignKey(const std::string& table, std::vector<std::string> columns,
                       const std::string& referencedSchema, const std::string& referencedTable,
                       std::vector<std::string> referencedColumns) {
        std::optional<std::vector<TForeignKey>>& keys = Database->Tables.at(table).Keys.ForeignKeys;
        if (!keys) {
            keys.emplace();
        }
        keys->push_back(
            {std::move(columns), referencedSchema, referencedTable, std::move(referencedColumns)});
    }

    // The plan's warnings that name the form file of `unit`.
    std::vector<std::string> WarningsOf(const std::string& unit) {
        std::vector<std::string> warnings = CheckReferences(*LastPlan);
        std::erase_if(warnings, [&](const std::string& warning) {
            return !warning.starts_with("Midas_Client/" + unit + ".dfm: ");
        });
        return warnings;
    }

    // The lines of the lookup combo boxes among the unit lines.
    std::vector<std::string> LookupDeclarations() const {
        std::vector<std::string> lookups;
        std::copy_if(
            UnitLines.begin(), UnitLines.end(), std::back_inserter(lookups),
            [](const std::string& line) { return line.ends_with(": TDBLookupComboBox;"); });
        return lookups;
    }

    void AddTables(int count) {
        for (int i = 1; i <= count; ++i) {
            Database->AddTable(Concat({"T", std::to_string(i)}), {Column("ID", ado::adInteger)});
        }
    }
};

TEST_F(BuildersTest, ServerDatasetLinesFollowTheMarkerWordsOfItsClass) {
    Database->AddTable("Orders", {Column("OrderID", ado::adInteger)});
    struct TCase {
        std::string Kind, Connection, Select, Params;
    };
    const std::vector<TCase> cases = {
        {"TADOQuery", "    Connection = DBConnection", "    SQL.Strings = ('select * from Orders')",
         "    Parameters = <>"},
        {"tadodataset", "    Connection = DBConnection", "    CommandText = 'select * from Orders'",
         "    Parameters = <>"},
        {"TSQLQuery", "    SQLConnection = DBConnection",
         "    SQL.Strings = ('select * from Orders')", "    Params = <>"},
        {"TSQLDataSet", "    SQLConnection = DBConnection",
         "    CommandText = 'select * from Orders'", "    Params = <>"},
        {"TIBTable", "    Connection = DBConnection", "    CommandText = 'select * from Orders'",
         "    Params = <>"},
    };
    for (const TCase& c : cases) {
        Options.ServerOptions.DataSetKind = c.Kind;
        BuildServer();
        const TStringList expected = {"  Object Orders_D: " + c.Kind,
                                      c.Connection,
                                      c.Select,
                                      c.Params,
                                      "    Left = 100",
                                      "    Top = 160"};
        EXPECT_EQ(TStringList(FormLines.begin(), FormLines.begin() + 6), expected) << c.Kind;
        EXPECT_EQ(UnitLines.front(), "    Orders_D: " + c.Kind + ";");
    }

    // The connection is the one the options name, for every dataset of either family.
    Database->AddTable("Lines", {Column("LineID", ado::adInteger)});
    Options.ServerOptions.ConnectionName = "OrdersDb";
    for (const auto& [kind, line] : {std::pair{"TADOQuery", "    Connection = OrdersDb"},
                                     std::pair{"TSQLDataSet", "    SQLConnection = OrdersDb"}}) {
        Options.ServerOptions.DataSetKind = kind;
        BuildServer();
        EXPECT_EQ(std::count(FormLines.begin(), FormLines.end(), line), 2) << kind;
        EXPECT_EQ(std::count_if(FormLines.begin(), FormLines.end(),
                                [](const std::string& formLine) {
                                    return formLine.find("DBConnection") != std::string::npos;
                                }),
                  0)
            << kind;
    }
}

TEST_F(BuildersTest, ServerCompanionIsAProviderWithOptionsOrADataSource) {
    Database->AddTable("Orders", {Column("OrderID", ado::adInteger)});
    TDirectDMParam& options = Options.ServerOptions;
    const std::vector<std::pair<std::string, std::string>> providerOptions = {
        {"", ""},
        {"   ", ""},
        {" poAllowCommandText ", "    Options = [ poAllowCommandText ]"},
        {"poFetchBlobsOnDemand, poAllowCommandText",
         "    Options = [poFetchBlobsOnDemand, poAllowCommandText]"},
    };
    for (const auto& [text, line] : providerOptions) {
        options.ProviderOptions = text;
        BuildServer();
        TStringList expected = {"  object Orders_P: TDataSetProvider", "    DataSet = Orders_D"};
        if (!line.empty()) {
            expected.push_back(line);
        }
        expected.insert(expected.end(), {"    Left = 100", "    Top = 210", "  end"});
        EXPECT_EQ(ObjectLines(FormLines, "  object Orders_P: TDataSetProvider"), expected) << text;
    }

    options.IsRDM = false;
    BuildServer();
    EXPECT_EQ(ObjectLines(FormLines, "  object Orders_DS: TDataSource"),
              (TStringList{"  object Orders_DS: TDataSource", "    DataSet = Orders_D",
                           "    Left = 100", "    Top = 210", "  end"}));
    EXPECT_TRUE(Contains(UnitLines, "    Orders_DS: TDataSource;"));
}

TEST_F(BuildersTest, DataModulesPlaceTablesInFiveColumns) {
    AddTables(11);
    BuildServer();
    // (table, left, top): the fifth ends the first row, the sixth and eleventh start rows.
    for (const auto& [table, left, top] : std::vector<std::tuple<int, int, int>>{
             {1, 100, 160}, {5, 500, 160}, {6, 100, 300}, {7, 200, 300}, {11, 100, 440}}) {
        const std::string name = Concat({"T", std::to_string(table)});
        const TStringList dataSet = ObjectLines(FormLines, "  Object " + name + "_D: TADOQuery");
        ASSERT_GE(dataSet.size(), 6u);
        EXPECT_EQ(dataSet[4], "    Left = " + std::to_string(left)) << name;
        EXPECT_EQ(dataSet[5], "    Top = " + std::to_string(top)) << name;
        const TStringList provider =
            ObjectLines(FormLines, "  object " + name + "_P: TDataSetProvider");
        EXPECT_EQ(provider[3], "    Top = " + std::to_string(top + 50)) << name;
    }
    BuildClient();
    const TStringList client = ObjectLines(FormLines, "  object T11_CDS: TClientDataSet");
    EXPECT_EQ(client[5], "    Left = 100");
    EXPECT_EQ(client[6], "    Top = 440");
    EXPECT_EQ(ObjectLines(FormLines, "  object T11_DS: TDataSource")[3], "    Top = 490");
}

TEST_F(BuildersTest, NamesWithBlanksPrefixesAndApostrophes) {
    Database->AddTable("Sales_Client", {Column("ClientID", ado::adInteger)});
    Database->AddTable("Buyer's Orders", {Column("Unit Price", ado::adDouble)});
    Options.ServerOptions.TrimPrefix = true;
    BuildServer();
    EXPECT_TRUE(Contains(FormLines, "  Object Client_D: TADOQuery"));
    EXPECT_TRUE(Contains(FormLines, "    SQL.Strings = ('select * from Sales_Client')"));
    EXPECT_TRUE(Contains(FormLines, "    SQL.Strings = ('select * from [Buyer''s Orders]')"));
    // The field keeps its name in quotes; its component name is reduced to an identifier.
    EXPECT_TRUE(Contains(UnitLines, "    BuyersOrders_DUnitPrice : TFloatField;"));
    EXPECT_TRUE(Contains(FormLines, "      FieldName = 'Unit Price'"));
}

TEST_F(BuildersTest, PersistentFieldsKeyTheFirstFieldOnly) {
    TTableDescription table;
    table.Columns = {Column("Name", ado::adVarWChar, 40), Column("ID", ado::adInteger)};
    Database->Tables["People"] = table;
    Database->Catalogue.push_back({"People", "TABLE", ""});
    BuildClient();
    EXPECT_EQ(ObjectLines(FormLines, "    Object People_CDSName: TWideStringField"),
              (TStringList{"    Object People_CDSName: TWideStringField",
                           "      DisplayLabel = 'Name'", "      FieldName = 'Name'",
                           "      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]",
                           "      Size = 40", "    end"}));
    EXPECT_EQ(std::count(FormLines.begin(), FormLines.end(),
                         "      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]"),
              1);
}

// Each family's layer makes its own field of a column; a persistent field of another class or
// size would stop the dataset from opening. The client follows the server's family.
TEST_F(BuildersTest, FieldObjectsAreTheClassesAndSizesTheDataSetFamilyMakes) {
    auto numeric = [](std::string name, int type, int precision, int scale) {
        TColumnInfo column = Column(std::move(name), type);
        column.Precision = precision;
        column.NumericScale = scale;
        return column;
    };
    TColumnInfo counter = Column("No", ado::adUnsignedSmallInt);
    counter.IsAutoIncrement = true;
    Database->AddTable("Kinds",
                       {counter, numeric("Price", ado::adNumeric, 10, 2),
                        numeric("Rate", ado::adDecimal, 18, 9),
                        Column("Placed", ado::adDBTimeStamp), Column("Hash", ado::adBinary, 16),
                        Column("Blob", ado::adVarBinary, 300), Column("Hits", ado::adUnsignedInt)});
    struct TCase {
        std::string Kind;
        std::vector<TStringList> Objects; // from the second field's opening line on
    };
    const TStringList hash = {"    Object Kinds_CDSHash: TBytesField", "      Size = 16"};
    const TStringList blob = {"    Object Kinds_CDSBlob: TVarBytesField", "      Size = 300"};
    const std::vector<TCase> cases = {
        {"TADOQuery",
         {{"    Object Kinds_CDSNo: TAutoIncField"},
          {"    Object Kinds_CDSPrice: TBCDField", "      Precision = 10", "      Size = 2"},
          {"    Object Kinds_CDSRate: TFMTBCDField", "      Precision = 18", "      Size = 9"},
          {"    Object Kinds_CDSPlaced: TDateTimeField"},
          hash,
          blob,
          {"    Object Kinds_CDSHits: TLargeintField"}}},
        {"TSQLDataSet",
         {{"    Object Kinds_CDSNo: TIntegerField"},
          {"    Object Kinds_CDSPrice: TFMTBCDField", "      Precision = 10", "      Size = 2"},
          {"    Object Kinds_CDSRate: TFMTBCDField", "      Precision = 18", "      Size = 9"},
          {"    Object Kinds_CDSPlaced: TSQLTimeStampField"},
          hash,
          blob,
          {"    Object Kinds_CDSHits: TLargeintField"}}},
    };
    Options.ClientDMOptions.DisplayFormat = {"", "", ""};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Kind);
        Options.ServerOptions.DataSetKind = c.Kind;
        BuildClient();
        for (const TStringList& expected : c.Objects) {
            TStringList object = ObjectLines(FormLines, expected.front());
            ASSERT_FALSE(object.empty()) << expected.front();
            // Only the lines after the field name: the label and name lines say nothing here.
            object.erase(object.begin() + 1, object.begin() + 3);
            std::erase(object, "      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]");
            object.pop_back();
            EXPECT_EQ(object, expected);
            const std::string className = expected.front().substr(expected.front().find(": ") + 2);
            const std::string component =
                expected.front().substr(11, expected.front().find(':') - 11);
            EXPECT_TRUE(Contains(UnitLines, "    " + component + " : " + className + ";"));
        }
    }
}

// What the database says of its keys, NOT NULL columns and comments reaches the fields only
// with the options that ask for it; without them the first field is the key, as always.
TEST_F(BuildersTest, SchemaKeysRequiredFieldsAndCommentLabelsFollowTheirOptions) {
    auto column = [](std::string name, std::optional<bool> notNull, std::optional<bool> hasDefault,
                     std::optional<std::string> comment) {
        TColumnInfo info = Column(std::move(name), ado::adInteger);
        info.Facts = {notNull, hasDefault, std::move(comment)};
        return info;
    };
    TColumnInfo counter = column("LineNo", true, false, {});
    counter.IsAutoIncrement = true;
    Database->AddTable("Lines", {column("Note", false, false, "Free text"),
                                 column("OrderID", true, false, "Order's number"), counter,
                                 column("Qty", true, true, ""),
                                 column("Price", true, {}, "Prix unitaire (€)")});
    Database->Tables["Lines"].Keys.PrimaryKey = std::vector<std::string>{"OrderID", "LineNo"};
    Database->AddTable("NoKey", {column("A", {}, {}, {}), column("B", {}, {}, {})});
    Database->Tables["NoKey"].Keys.PrimaryKey = std::vector<std::string>{};
    Database->AddTable("Open", {column("A", {}, {}, {}), column("B", {}, {}, {})}, "VIEW");
    Database->AddTable("Unknown", {column("A", {}, {}, {})});

    const auto keyed = [this](const std::string& component) {
        const TStringList object = ObjectLines(FormLines, "    Object " + component);
        return Contains(object, "      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]");
    };
    const auto required = [this](const std::string& component) {
        return Contains(ObjectLines(FormLines, "    Object " + component), "      Required = True");
    };
    const auto label = [this](const std::string& component) {
        return ObjectLines(FormLines, "    Object " + component).at(1);
    };

    BuildClient(); // every option off: what was always written
    EXPECT_TRUE(keyed("Lines_CDSNote: TIntegerField"));
    EXPECT_FALSE(keyed("Lines_CDSOrderID: TIntegerField"));
    EXPECT_TRUE(keyed("Open_CDSA: TIntegerField"));
    EXPECT_EQ(std::count(FormLines.begin(), FormLines.end(), "      Required = True"), 0);
    EXPECT_EQ(label("Lines_CDSOrderID: TIntegerField"), "      DisplayLabel = 'OrderID'");

    Options.SchemaOptions.SchemaKeys = true;
    Options.SchemaOptions.RequiredFields = true;
    Options.SchemaOptions.CommentLabels = true;
    BuildClient();
    // Exactly the primary-key columns; a table known to have no key, or whose key is unknown,
    // keeps the first field; a view whose source says no key has none.
    EXPECT_FALSE(keyed("Lines_CDSNote: TIntegerField"));
    EXPECT_TRUE(keyed("Lines_CDSOrderID: TIntegerField"));
    EXPECT_TRUE(keyed("Lines_CDSLineNo: TAutoIncField"));
    EXPECT_FALSE(keyed("Lines_CDSQty: TIntegerField"));
    EXPECT_TRUE(keyed("NoKey_CDSA: TIntegerField"));
    EXPECT_FALSE(keyed("NoKey_CDSB: TIntegerField"));
    EXPECT_FALSE(keyed("Open_CDSA: TIntegerField"));
    EXPECT_TRUE(keyed("Unknown_CDSA: TIntegerField"));
    // Required: NOT NULL, known to have no default, no counter.
    EXPECT_TRUE(required("Lines_CDSOrderID: TIntegerField"));
    EXPECT_FALSE(required("Lines_CDSNote: TIntegerField"));
    EXPECT_FALSE(required("Lines_CDSLineNo: TAutoIncField"));
    EXPECT_FALSE(required("Lines_CDSQty: TIntegerField"));
    EXPECT_FALSE(required("Lines_CDSPrice: TIntegerField")); // a default it may have
    // Labels: the comment (quoted as form files want it), where there is one, else the name.
    EXPECT_EQ(label("Lines_CDSOrderID: TIntegerField"), "      DisplayLabel = 'Order''s number'");
    EXPECT_EQ(label("Lines_CDSQty: TIntegerField"), "      DisplayLabel = 'Qty'");
    // A form file spells a character beyond ASCII by its number.
    EXPECT_EQ(label("Lines_CDSPrice: TIntegerField"),
              "      DisplayLabel = 'Prix unitaire ('#8364')'");
    // The map's text comes before the comment.
    Map.Add("note=Remark");
    TFieldDescriptor note;
    note.FieldName = "Note";
    note.Facts.Comment = "Free text";
    EXPECT_EQ(DisplayLabelOf(Map, note, Options.SchemaOptions), "Remark");
    Map.Clear();
    EXPECT_EQ(DisplayLabelOf(Map, note, Options.SchemaOptions), "Free text");
    Options.SchemaOptions.CommentLabels = false;
    EXPECT_EQ(DisplayLabelOf(Map, note, Options.SchemaOptions), "Note");
    // The form's label and its grid's column title say the comment too.
    Options.SchemaOptions.CommentLabels = true;
    BuildForm(0);
    EXPECT_TRUE(Contains(FormLines, "          Title.Caption = 'Order''s number'"));
    EXPECT_TRUE(Contains(FormLines, "      Caption = 'Order''s number'"));
    EXPECT_TRUE(Contains(FormLines, "      Caption = 'Qty'"));
    // The server's fields say the same of keys and requirements.
    BuildServer();
    EXPECT_TRUE(keyed("Lines_DLineNo: TAutoIncField"));
    EXPECT_TRUE(required("Lines_DOrderID: TIntegerField"));
}

TEST_F(BuildersTest, FieldRowControlsFollowKindSizeAndName) {
    Database->AddTable("Rows", {Column("ValidFrom", ado::adBoolean),     // first: no lookup
                                Column("Text49", ado::adVarChar, 49),    // edit only
                                Column("Text50", ado::adVarChar, 50),    // edit and memo
                                Column("LongText", ado::adVarWChar, 80), // never a memo
                                Column("client_id", ado::adInteger),     // lookup, any case
                                Column("BarCode", ado::adVarChar, 60),   // memo, lookup after it
                                Column("Flag", ado::adBoolean)});        // check box only
    BuildForm(0);
    const TStringList expected = {
        "    Rows_DBNvg: TDBNavigator;", "    Rows_DBGrid: TDBGrid;",
        "    ValidFrom_Lab: TLabel;",    "    ValidFrom_DBChk: TDBCheckBox;",
        "    Text49_Lab: TLabel;",       "    Text49_DBEdt: TDBEdit;",
        "    Text50_Lab: TLabel;",       "    Text50_DBEdt: TDBEdit;",
        "    Text50_DBMemo: TDBMemo;",   "    LongText_Lab: TLabel;",
        "    LongText_DBEdt: TDBEdit;",  "    client_id_Lab: TLabel;",
        "    client_id_DBEdt: TDBEdit;", "    client_id_DBLkpCbo: TDBLookupComboBox;",
        "    BarCode_Lab: TLabel;",      "    BarCode_DBEdt: TDBEdit;",
        "    BarCode_DBMemo: TDBMemo;",  "    BarCode_DBLkpCbo: TDBLookupComboBox;",
        "    Flag_Lab: TLabel;",         "    Flag_DBChk: TDBCheckBox;",
    };
    EXPECT_EQ(UnitLines, expected);
    EXPECT_EQ(ObjectLines(FormLines, "    object BarCode_DBLkpCbo: TDBLookupComboBox")[1],
              "      Left = 812");
    EXPECT_EQ(ObjectLines(FormLines, "    object client_id_DBLkpCbo: TDBLookupComboBox")[1],
              "      Left = 684");
}

// With foreign-key lookups, the combo box goes where a field alone refers to a table of the run,
// and nowhere else; its list is that table's client data source and its shown field the first
// text of that table.
TEST_F(BuildersTest, ForeignKeyLookupsAreWiredToTheReferencedTable) {
    Database->AddTable("Customers", {Column("CustomerID", ado::adInteger),
                                     Column("ZipCode", ado::adInteger), // a name rule would take it
                                     Column("Name", ado::adVarWChar, 40)});
    Database->AddTable("Kinds", {Column("KindNo", ado::adInteger), // no text but a memo
                                 Column("Note", ado::adLongVarChar)});
    Database->AddTable("Orders",
                       {Column("OrderID", ado::adInteger), Column("CustomerID", ado::adInteger),
                        Column("Note", ado::adVarChar, 60),  // a memo beside it
                        Column("Payer", ado::adInteger),     // a second key to Customers
                        Column("Status_ID", ado::adInteger), // a name, no key
                        Column("Kind", ado::adInteger)});
    AddForeignKey("Orders", {"CustomerID"}, "", "Customers", {"CustomerID"});
    AddForeignKey("Orders", {"payer"}, "", "Customers", {"customerid"}); // spelt otherwise
    AddForeignKey("Orders", {"Kind"}, "", "Kinds", {"KindNo"});
    Options.SchemaOptions.FkLookups = true;

    BuildForm(2);
    EXPECT_EQ(LookupDeclarations(),
              (std::vector<std::string>{"    CustomerID_DBLkpCbo: TDBLookupComboBox;",
                                        "    Payer_DBLkpCbo: TDBLookupComboBox;",
                                        "    Kind_DBLkpCbo: TDBLookupComboBox;"}));
    EXPECT_EQ(ObjectLines(FormLines, "    object CustomerID_DBLkpCbo: TDBLookupComboBox"),
              (TStringList{"    object CustomerID_DBLkpCbo: TDBLookupComboBox", "      Left = 684",
                           "      Top = 70", "      Width = 120", "      Height = 23",
                           "      DataField = 'CustomerID'", "      DataSource = DM.Orders_DS",
                           "      KeyField = 'CustomerID'", "      ListField = 'Name'",
                           "      ListSource = DM.Customers_DS", "      TabOrder = 0", "    end"}));
    const TStringList payer =
        ObjectLines(FormLines, "    object Payer_DBLkpCbo: TDBLookupComboBox");
    ASSERT_EQ(payer.size(), 12u);
    EXPECT_EQ(TStringList(payer.begin() + 5, payer.begin() + 10),
              (TStringList{"      DataField = 'Payer'", "      DataSource = DM.Orders_DS",
                           "      KeyField = 'CustomerID'", "      ListField = 'Name'",
                           "      ListSource = DM.Customers_DS"}));
    const TStringList kind = ObjectLines(FormLines, "    object Kind_DBLkpCbo: TDBLookupComboBox");
    ASSERT_EQ(kind.size(), 12u);
    EXPECT_EQ(TStringList(kind.begin() + 7, kind.begin() + 10),
              (TStringList{"      KeyField = 'KindNo'", "      ListField = 'KindNo'",
                           "      ListSource = DM.Kinds_DS"}));
    EXPECT_TRUE(Contains(FormLines, "    object Note_DBMemo: TDBMemo"));
    EXPECT_TRUE(WarningsOf("frmOrders").empty());

    // A referenced table keeps plain edits where it refers to nothing.
    BuildForm(0);
    EXPECT_TRUE(LookupDeclarations().empty());
    EXPECT_TRUE(std::none_of(FormLines.begin(), FormLines.end(), [](const std::string& line) {
        return line.starts_with("      ListSource = ");
    }));
}

TEST_F(BuildersTest, WithoutForeignKeyLookupsTheNameRuleStaysAndNothingIsWired) {
    Database->AddTable("Customers",
                       {Column("CustomerID", ado::adInteger), Column("Name", ado::adVarWChar, 40)});
    Database->AddTable("Orders",
                       {Column("OrderID", ado::adInteger), Column("CustomerID", ado::adInteger),
                        Column("Payer", ado::adInteger), Column("ZipCode", ado::adInteger),
                        Column("Remote", ado::adInteger)});
    AddForeignKey("Orders", {"Payer"}, "", "Customers", {"CustomerID"});
    AddForeignKey("Orders", {"Remote"}, "", "Elsewhere", {"ID"});
    BuildForm(1);
    EXPECT_EQ(LookupDeclarations(),
              (std::vector<std::string>{"    CustomerID_DBLkpCbo: TDBLookupComboBox;",
                                        "    ZipCode_DBLkpCbo: TDBLookupComboBox;"}));
    EXPECT_EQ(ObjectLines(FormLines, "    object CustomerID_DBLkpCbo: TDBLookupComboBox"),
              (TStringList{"    object CustomerID_DBLkpCbo: TDBLookupComboBox", "      Left = 684",
                           "      Top = 70", "      Width = 120", "      Height = 23",
                           "      DataField = 'CustomerID'", "      DataSource = DM.Orders_DS",
                           "      TabOrder = 0", "    end"}));
    EXPECT_TRUE(LastPlan->Tables[1].Lookups.empty());
    EXPECT_TRUE(WarningsOf("frmOrders").empty());
}

// A self-reference would list the form's own dataset, which Delphi refuses as a circular data
// link; a composite key has no one field to look up. Both keep plain edits, the first with a
// word why, the second silently.
TEST_F(BuildersTest, SelfReferencesAndCompositeKeysKeepPlainEdits) {
    Database->AddTable(
        "Sites", {Column("Town", ado::adVarWChar, 20), Column("Street", ado::adVarWChar, 20)});
    Database->AddTable("Staff",
                       {Column("StaffID", ado::adInteger), Column("ManagerID", ado::adInteger),
                        Column("SiteTown", ado::adVarWChar, 20),
                        Column("SiteStreet", ado::adVarWChar, 20)});
    AddForeignKey("Staff", {"ManagerID"}, "", "Staff", {"StaffID"});
    AddForeignKey("Staff", {"SiteTown", "SiteStreet"}, "", "Sites", {"Town", "Street"});
    Options.SchemaOptions.FkLookups = true;
    BuildForm(1);
    EXPECT_TRUE(LookupDeclarations().empty());
    EXPECT_TRUE(Contains(UnitLines, "    ManagerID_DBEdt: TDBEdit;"));
    EXPECT_EQ(WarningsOf("frmStaff"),
              std::vector<std::string>{
                  "Midas_Client/frmStaff.dfm: the field \"ManagerID\" refers to its own table "
                  "\"Staff\": a lookup on the form's own data source is a circular data link, "
                  "which Delphi refuses; it gets a plain edit (--fk-lookups)"});
}

// A table is in the run by its schema and name both: the same name in another schema is not it.
TEST_F(BuildersTest, ForeignKeysOutsideTheRunGetPlainEditsAndAWarning) {
    Database->Catalogue.push_back({"Customers", "TABLE", "crm"});
    Database->Tables["Customers"] = TTableDescription{{Column("ID", ado::adInteger)}, true};
    Database->Catalogue.push_back({"Orders", "TABLE", "crm"});
    Database->Tables["Orders"] =
        TTableDescription{{Column("OrderID", ado::adInteger), Column("CustomerID", ado::adInteger),
                           Column("RegionCode", ado::adInteger), Column("Home", ado::adInteger)},
                          true};
    AddForeignKey("Orders", {"CustomerID"}, "sales", "Customers", {"ID"});
    AddForeignKey("Orders", {"RegionCode"}, "", "Regions", {"Code"});
    AddForeignKey("Orders", {"Home"}, "crm", "Customers", {"Missing"});
    Options.SchemaOptions.FkLookups = true;
    BuildForm(1);
    EXPECT_TRUE(LookupDeclarations().empty());
    EXPECT_TRUE(Contains(UnitLines, "    CustomerID_DBEdt: TDBEdit;"));
    EXPECT_EQ(WarningsOf("frmOrders"),
              (std::vector<std::string>{
                  "Midas_Client/frmOrders.dfm: the field \"CustomerID\" refers to "
                  "\"sales.Customers\", which the run does not generate; it gets a plain edit "
                  "(--fk-lookups)",
                  "Midas_Client/frmOrders.dfm: the field \"RegionCode\" refers to \"Regions\", "
                  "which the run does not generate; it gets a plain edit (--fk-lookups)",
                  "Midas_Client/frmOrders.dfm: the field \"Home\" refers to the column "
                  "\"Missing\" of \"crm.Customers\", which is not a field of that table; it "
                  "gets a plain edit (--fk-lookups)"}));
}

// The list source names the client data module's own data source of the referenced table, and
// the check holds it to the data module name the forms use.
TEST_F(BuildersTest, LookupListSourcesAreCheckedLikeTheFormsDataSource) {
    Database->AddTable("Sales_Customers",
                       {Column("ID", ado::adInteger), Column("Name", ado::adVarWChar, 40)});
    Database->AddTable("Orders",
                       {Column("OrderID", ado::adInteger), Column("Buyer", ado::adInteger)});
    AddForeignKey("Orders", {"Buyer"}, "", "Sales_Customers", {"ID"});
    Options.SchemaOptions.FkLookups = true;
    Options.ClientDMOptions.TrimTableName = true; // the forms keep the prefix
    BuildForm(1);
    EXPECT_TRUE(Contains(FormLines, "      ListSource = DM.Customers_DS"));
    EXPECT_TRUE(WarningsOf("frmOrders").empty());

    Options.ClientUIOptions.DMName = "Data";
    BuildForm(1);
    EXPECT_TRUE(Contains(FormLines, "      ListSource = Data.Customers_DS"));
    const std::vector<std::string> warnings = WarningsOf("frmOrders");
    EXPECT_TRUE(std::any_of(warnings.begin(), warnings.end(), [](const std::string& w) {
        return w.starts_with("Midas_Client/frmOrders.dfm: \"ListSource = Data.Customers_DS\" "
                             "of the field \"Buyer\" names no data module of the project");
    }));
}

TEST_F(BuildersTest, LabelWidthAndPositionFromTheCaption) {
    // Worked example: position 2, a 12-character caption that starts with a capital.
    Database->AddTable("People", {Column("A", ado::adInteger), Column("B", ado::adInteger),
                                  Column("Customername", ado::adInteger),
                                  Column("nickname", ado::adInteger)});
    TClientUIParam& options = Options.ClientUIOptions;
    BuildForm(0);
    EXPECT_EQ(
        ObjectLines(FormLines, "    object Customername_Lab: TLabel"),
        (TStringList{"    object Customername_Lab: TLabel", "      Left = 352", "      Top = 104",
                     "      Width = 149", "      Height = 16", "      Caption = 'Customername'",
                     "      Alignment = taRightJustify", "      AutoSize = False", "    end"}));
    EXPECT_EQ(ObjectLines(FormLines, "    object Customername_DBEdt: TDBEdit")[2],
              "      Top = 100");

    // Lower-case captions count 8 a character; the colon counts; Space moves only
    // right-justified labels.
    options.WithColon = true;
    options.Space = 20;
    BuildForm(0);
    const TStringList nickname = ObjectLines(FormLines, "    object nickname_Lab: TLabel");
    EXPECT_EQ(nickname[1], "      Left = " + std::to_string(500 - 20 - 8 * 9));
    EXPECT_EQ(nickname[3], "      Width = " + std::to_string(8 * 9 + 5));
    options.LeftJustify = true;
    BuildForm(0);
    EXPECT_EQ(ObjectLines(FormLines, "    object nickname_Lab: TLabel")[1], "      Left = 272");

    // A label would take "&" for its accelerator mark: it is doubled there, and only there, and
    // the width counts what the label shows.
    Map.Add("nickname=Nick & Co&Name");
    options.WithColon = false;
    BuildForm(0);
    const TStringList label = ObjectLines(FormLines, "    object nickname_Lab: TLabel");
    EXPECT_EQ(label[3], "      Width = " + std::to_string(12 * 14 + 5));
    EXPECT_EQ(label[5], "      Caption = 'Nick && Co&&Name'");
    EXPECT_NE(
        std::find(FormLines.begin(), FormLines.end(), "          Title.Caption = 'Nick & Co&Name'"),
        FormLines.end());
    BuildServer();
    EXPECT_NE(
        std::find(FormLines.begin(), FormLines.end(), "      DisplayLabel = 'Nick & Co&Name'"),
        FormLines.end());
}

TEST_F(BuildersTest, GridsFormWithoutTablesIsAnEmptyPageControl) {
    Take(BuildGridsForm(Plan(), Map));
    EXPECT_EQ(UnitLines, TStringList{"    PC: TPageControl;"});
    EXPECT_EQ(FormLines,
              (TStringList{"  object PC: TPageControl", "    Left = 24", "    Top = 24",
                           "    Width = 800", "    Height = 600", "    TabOrder = 0", "  end"}));
}

TEST_F(BuildersTest, MainFormListsGrowOneEntryPerTable) {
    EXPECT_EQ(BuildMainFormLists(Plan()).FormUnitList, "");
    AddTables(3);
    TMainFormLists lists = BuildMainFormLists(Plan());
    EXPECT_EQ(lists.FormUnitList, ",frmT1,frmT2,frmT3");
    EXPECT_NE(lists.ButtonObjectList.find("  object T3_Btn: TButton\r\n    Left = 64\r\n"
                                          "    Top = 112\r\n"),
              std::string::npos);
    EXPECT_EQ(lists.FormCreateCodeList, "  Application.CreateForm(TT1_Frm, T1_Frm);\r\n"
                                        "  Application.CreateForm(TT2_Frm, T2_Frm);\r\n"
                                        "  Application.CreateForm(TT3_Frm, T3_Frm);\r\n");
}

TEST_F(BuildersTest, MainFormHandlersUseTheFormsTrimAndDataModuleName) {
    Database->AddTable("Sales_Client", {Column("ID", ado::adInteger)});
    Options.ClientDMOptions.TrimTableName = true;
    Options.ClientUIOptions.TrimTableName = true;
    Options.ClientUIOptions.DMName = "Data";
    const TMainFormLists lists = BuildMainFormLists(Plan());
    EXPECT_EQ(lists.ButtonEventCodeList, "procedure TMain_Frm.Client_BtnClick(Sender: TObject);"
                                         "\r\nbegin\r\n  Data.Client_CDS.Active := True;\r\n"
                                         "  Client_frm.Show;\r\nend;\r\n\r\n\r\n");
    EXPECT_EQ(lists.FormUnitFileList, "  frmClient in 'frmClient.pas' {Client_Frm},\r\n");
}

TEST_F(BuildersTest, AFormatWithASecondArgumentEndsThePlan) {
    Database->AddTable("Orders", {Column("OrderID", ado::adInteger)});
    Formats.ClientDataSetName = "%s_%s";
    try {
        Plan();
        FAIL() << "no error";
    } catch (const EFormatError& error) {
        EXPECT_STREQ(error.what(), "built-in: [NameFormatStrings] ClientDataSetName=%s_%s: No "
                                   "argument for format '%s'");
    }
}

TEST(TableIdentifierTest, LongNamesAreCutSoThatFileAndComponentNamesFit) {
    EXPECT_EQ(MakeTableIdentifier(std::string(300, 'a'), false), std::string(120, 'a'));
    EXPECT_EQ(MakeTableIdentifier("P_" + std::string(300, 'b'), true), std::string(120, 'b'));
    EXPECT_EQ(MakeTableIdentifier(std::string(120, 'c'), false), std::string(120, 'c'));
    // Long field names that agree in their first 120 characters still get names of their own.
    EXPECT_EQ(MakeFieldIdentifiers({std::string(130, 'f') + "1", std::string(130, 'f') + "2"}),
              (std::vector<std::string>{std::string(120, 'f'), std::string(120, 'f') + "_1"}));
}

TEST(FieldIdentifiersTest, ReducedNamesStayUniqueAndIdentifiersStay) {
    EXPECT_EQ(MakeFieldIdentifiers(
                  {"Unit Price", "UnitPrice", "unit_price", "2nd", "###", "", "Field", "Buyer's"}),
              (std::vector<std::string>{"UnitPrice_1", "UnitPrice", "unit_price", "_2nd", "Field_1",
                                        "Field_2", "Field", "Buyers"}));
}

TEST(QuoteDfmStringTest, DoublesApostrophesAndSpellsControlCharacters) {
    EXPECT_EQ(QuoteDfmString("Client"), "'Client'");
    EXPECT_EQ(QuoteDfmString(""), "''");
    EXPECT_EQ(QuoteDfmString("Buyer's"), "'Buyer''s'");
    EXPECT_EQ(QuoteDfmString("a\tb"), "'a'#9'b'");
    EXPECT_EQ(QuoteDfmString("\r\nx\n"), "#13#10'x'#10");
    // Beyond printable ASCII every character is its code point: UTF-8 of two, three and four
    // bytes, DEL, and bytes that are no UTF-8 (a truncated sequence, an overlong form, a lone
    // continuation byte), each taken as Latin-1.
    EXPECT_EQ(QuoteDfmString("Gr\xC3\xB6\xC3\x9F"
                             "e"),
              "'Gr'#246#223'e'");
    EXPECT_EQ(QuoteDfmString("\xE2\x82\xAC 5"), "#8364' 5'");
    EXPECT_EQ(QuoteDfmString("\xF0\x9F\x98\x80"), "#128512");
    EXPECT_EQ(QuoteDfmString("a\x7F"), "'a'#127");
    EXPECT_EQ(QuoteDfmString("Caf\xE9"), "'Caf'#233");
    EXPECT_EQ(QuoteDfmString("\xE2\x82"), "#226#130");
    EXPECT_EQ(QuoteDfmString("\xC0\xAF"), "#192#175");
    EXPECT_EQ(QuoteDfmString("\x80'"), "#128''''");
    // What a form-file reader makes of the value is the name itself again.
    for (const std::string name : {"Gr\xC3\xB6\xC3\x9F"
                                   "e",
                                   "Preis \xE2\x82\xAC", "it's", "\xF0\x9F\x98\x80 a\tb", ""}) {
        EXPECT_EQ(testing::DfmStringValue(QuoteDfmString(name)), name) << name;
    }
}

} // namespace
} // namespace quorvane
