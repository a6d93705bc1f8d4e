// The Access back-end on files made by the Jet 4 writer: every Access type as the Jet provider
// reports it, the catalogue, odd names, many tables, stored queries as views, and damaged files.

#include "schema/access/AccessSchemaSource.h"
#include "MdbSchemaText.h"
#include "MdbWriter.h"
#include "PlanSupport.h"
#include "TempDir.h"
#include "datalink/DataLink.h"
#include "generate/dmCodeGenerator.h"
#include "schema/SchemaSnapshot.h"
#include "text/EngineErrors.h"
#include "text/StringUtils.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <sstream>
#include <string_view>

namespace quorvane {
namespace {

using testing::TAccessColumn;
using testing::TAccessTable;
using testing::TAccessType;

struct TExpected {
    std::string Name;
    TFieldType Kind;
    std::int64_t Size;
};

class AccessSchemaSourceTest : public ::testing::Test {
protected:
    TTempDir Folder;

    std::string Write(const std::vector<TAccessTable>& tables, const std::string& name = "db.mdb") {
        const std::string path = Folder.File(name);
        testing::WriteJet4Database(path, tables);
        return path;
    }

    // A file made from a schema text (MdbSchemaText.h).
    std::string WriteSchema(const std::string& text, const std::string& name = "db.mdb") {
        std::istringstream input(text);
        const testing::TAccessSchema schema = testing::ParseAccessSchema(input, name);
        const std::string path = Folder.File(name);
        testing::WriteJet4Database(path, schema.Tables, schema.Queries);
        return path;
    }

    static std::string ErrorOf(const std::string& path) {
        try {
            OpenAccessSchemaSource(path);
        } catch (const EDatabaseError& error) {
            return error.what();
        }
        return "no error";
    }
};

TEST_F(AccessSchemaSourceTest, EveryAccessTypeReadsAsTheJetProviderReportsIt) {
    const std::string path = Write({{"Kinds",
                                     {{"ID", TAccessType::AutoNumber},
                                      {"Flag", TAccessType::YesNo},
                                      {"Small", TAccessType::Byte},
                                      {"Short", TAccessType::Integer},
                                      {"Long", TAccessType::LongInteger},
                                      {"Money", TAccessType::Currency},
                                      {"Single", TAccessType::Single},
                                      {"Double", TAccessType::Double},
                                      {"When", TAccessType::DateTime},
                                      {"Name", TAccessType::Text, 40},
                                      {"Long Name", TAccessType::Text, 255},
                                      {"Notes", TAccessType::Memo},
                                      {"Link", TAccessType::Hyperlink},
                                      {"Picture", TAccessType::OleObject},
                                      {"Raw", TAccessType::Binary, 16},
                                      {"Guid", TAccessType::ReplicationId},
                                      {"Amount", TAccessType::Decimal, 0, 12, 2},
                                      {"Whole", TAccessType::Decimal, 0, 9, 0}}}});
    const auto source = OpenAccessSchemaSource(path);
    const std::vector<TFieldDescriptor> fields = DescribeFields(source->DescribeTable("Kinds"));
    const std::vector<TExpected> expected = {
        {"ID", TFieldType::ftAutoInc, 0},
        {"Flag", TFieldType::ftBoolean, 0},
        {"Small", TFieldType::ftWord, 0},
        {"Short", TFieldType::ftSmallint, 0},
        {"Long", TFieldType::ftInteger, 0},
        {"Money", TFieldType::ftBCD, 4},
        {"Single", TFieldType::ftFloat, 0},
        {"Double", TFieldType::ftFloat, 0},
        {"When", TFieldType::ftDateTime, 0},
        {"Name", TFieldType::ftWideString, 40},
        {"Long Name", TFieldType::ftWideString, 255},
        {"Notes", TFieldType::ftMemo, 0},
        {"Link", TFieldType::ftMemo, 0},
        {"Picture", TFieldType::ftBlob, 0},
        {"Raw", TFieldType::ftVarBytes, 16},
        {"Guid", TFieldType::ftGuid, 38},
        {"Amount", TFieldType::ftBCD, 2},
        {"Whole", TFieldType::ftInteger, 0},
    };
    ASSERT_EQ(fields.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(fields[i].FieldName, expected[i].Name);
        EXPECT_EQ(FieldTypeName(fields[i].DataType), FieldTypeName(expected[i].Kind))
            << expected[i].Name;
        EXPECT_EQ(fields[i].Size, expected[i].Size) << expected[i].Name;
        // Text is variable in length; only a GUID carries the fixed flag among these kinds.
        EXPECT_EQ(fields[i].FixedChar, expected[i].Kind == TFieldType::ftGuid) << expected[i].Name;
    }
}

TEST_F(AccessSchemaSourceTest, CatalogueListsUserTablesByNameWithoutRegardToCase) {
    const std::string path = Write({{"orders", {{"A", TAccessType::LongInteger}}},
                                    {"Buyer's Ref #2", {{"B", TAccessType::Text, 10}}},
                                    {"Clients", {{"C", TAccessType::LongInteger}}},
                                    {"Änderungen", {{"D", TAccessType::LongInteger}}},
                                    {"Order Details", {{"E", TAccessType::LongInteger}}}});
    // Through the engine, as a run lists them: system tables left out, names as written.
    TDM dm;
    dm.ConnectDatabase(path, "", false);
    dm.ListTableNames(dm.TableNames);
    EXPECT_EQ(dm.TableNames,
              (TStringList{"Buyer's Ref #2", "Clients", "Order Details", "orders", "Änderungen"}));
    const std::vector<TFieldDescriptor> fields = testing::FieldsOf(dm, "Buyer's Ref #2");
    ASSERT_EQ(fields.size(), 1u);
    EXPECT_EQ(fields[0].FieldName, "B");

    const auto rows = OpenAccessSchemaSource(path)->ReadCatalogue();
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [](const TCatalogRow& row) {
        return row.TableName == "MSysObjects" && row.TableType == "SYSTEM TABLE";
    }));
    EXPECT_THROW(OpenAccessSchemaSource(path)->DescribeTable("Missing"), EDatabaseError);
}

TEST_F(AccessSchemaSourceTest, ADataLinkNamesTheAccessFileRelativeToItsFolder) {
    Write({{"Orders", {{"ID", TAccessType::AutoNumber}}}}, "shop.mdb");
    TConnectionProperties link;
    link.Set("Provider", "Microsoft.Jet.OLEDB.4.0");
    link.Set("Data Source", "shop.mdb");
    WriteDataLinkFile(Folder.File("shop.udl"), link);
    const auto source = OpenSchemaSource("FILE NAME=" + Folder.File("shop.udl"));
    const std::vector<TCatalogRow> rows = source->ReadCatalogue();
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(),
                            [](const TCatalogRow& row) { return row.TableType == "TABLE"; }),
              1);
    EXPECT_EQ(DescribeFields(source->DescribeTable("orders")).at(0).DataType,
              TFieldType::ftAutoInc);
}

TEST_F(AccessSchemaSourceTest, AFewHundredTablesAreAllListed) {
    std::vector<TAccessTable> tables;
    for (int i = 0; i < 300; ++i) {
        tables.push_back({"Table" + std::to_string(1000 + i),
                          {{"ID", TAccessType::AutoNumber}, {"Name", TAccessType::Text, 50}}});
    }
    TDM dm;
    dm.ConnectDatabase(Write(tables), "", false);
    dm.ListTableNames(dm.TableNames);
    ASSERT_EQ(dm.TableNames.size(), 300u);
    EXPECT_EQ(dm.TableNames.front(), "Table1000");
    EXPECT_EQ(dm.TableNames.back(), "Table1299");
    EXPECT_EQ(testing::FieldsOf(dm, "Table1299").at(1).Size, 50);
}

TEST_F(AccessSchemaSourceTest, DamagedOrForeignFilesGiveAClearErrorNamingTheFile) {
    const std::string good = Write({{"Orders", {{"ID", TAccessType::AutoNumber}}}});
    std::ifstream in(good, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    std::mt19937 random(7);
    std::string noise(8192, '\0');
    for (char& c : noise) {
        c = static_cast<char>(random() & 0xFF);
    }
    std::string wrongVersion = bytes;
    wrongVersion[0x14] = 0x7F;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"empty.mdb", ""},
        {"truncated.mdb", bytes.substr(0, bytes.size() - 1000)},
        {"half-a-page.mdb", bytes.substr(0, 100)},
        {"noise.mdb", noise},
        {"wrong-version.mdb", wrongVersion},
        {"text.mdb", "This is a text file, not a database.\r\n"},
    };
    for (const auto& [name, content] : cases) {
        WriteFile(Folder.File(name), content);
        const std::string message = ErrorOf(Folder.File(name));
        EXPECT_EQ(message.rfind("Cannot open Access database \"" + Folder.File(name) + "\". ", 0),
                  0u)
            << message;
    }
    EXPECT_NE(ErrorOf(Folder.File("missing.mdb")).find("No such file"), std::string::npos);
}

TEST_F(AccessSchemaSourceTest, ACutOrDamagedCatalogueEndsWithTheDamagedErrorNotAPartialList) {
    // The first 32 or 64 KiB of a file, and a catalogue whose names carry control characters:
    // each would otherwise read as a database of fewer tables, or of names no file holds.
    std::vector<TAccessTable> tables;
    for (int i = 0; i < 12; ++i) {
        tables.push_back({"Table" + std::to_string(i),
                          {{"ID", TAccessType::AutoNumber}, {"Name", TAccessType::Text, 40}}});
    }
    const std::string whole = Write(tables, "whole.mdb");
    const std::string bytes = ReadFile(whole);
    for (const std::size_t cut : {std::size_t{32} << 10, std::size_t{64} << 10}) {
        SCOPED_TRACE(cut);
        ASSERT_GT(bytes.size(), cut);
        const std::string path = Folder.File("cut.mdb");
        WriteFile(path, bytes.substr(0, cut));
        const std::string message = ErrorOf(path);
        EXPECT_EQ(message.rfind("Cannot open Access database \"" + path + "\". ", 0), 0u)
            << message;
        EXPECT_NE(message.find("damaged"), std::string::npos) << message;
    }
    // One byte of a name changed to a control character, wherever the file holds the name, as
    // UTF-16 or as Jet's compressed text.
    std::string damaged =
        ReadFile(Write({{"Order Details", {{"ID", TAccessType::AutoNumber}}}}, "named.mdb"));
    std::size_t changed = 0;
    for (const std::string& name : {std::string("Order Details"),
                                    std::string("O\0r\0d\0e\0r\0 \0D\0e\0t\0a\0i\0l\0s\0", 26)}) {
        for (std::size_t at = damaged.find(name); at != std::string::npos;
             at = damaged.find(name, at + 1)) {
            damaged[at + (name.size() == 13 ? 10 : 20)] = '\x16';
            ++changed;
        }
    }
    ASSERT_GT(changed, 0u) << "the writer stores the name some other way";
    const std::string odd = Folder.File("odd.mdb");
    WriteFile(odd, damaged);
    EXPECT_NE(ErrorOf(odd).find("a name with control characters; the file is damaged"),
              std::string::npos)
        << ErrorOf(odd);
}

// A database password alone leaves a Jet 4 file in clear, and an encoded Jet 4 file is RC4 that
// libmdb decodes: both are read. Access 2007 and later encrypt the whole file once it has a
// password, which nothing here can decrypt: that file says so instead of calling itself damaged.
TEST_F(AccessSchemaSourceTest, AnEncryptedAceFileSaysSoWhileJet4FilesWithAPasswordAreRead) {
    const std::vector<TAccessTable> tables = {
        {"Orders", {{"ID", TAccessType::AutoNumber}, {"Note", TAccessType::Text, 30}}}};
    const auto write = [&](const std::string& name, const testing::TAccessFileOptions& options) {
        const std::string path = Folder.File(name);
        testing::WriteJet4Database(path, tables, {}, options);
        return path;
    };
    const auto tableNames = [](const std::string& path) {
        TDM dm;
        dm.ConnectDatabase(path, "", false);
        dm.ListTableNames(dm.TableNames);
        return dm.TableNames;
    };
    testing::TAccessFileOptions withPassword;
    withPassword.Password = "Secret42";
    testing::TAccessFileOptions encoded;
    encoded.EncodingKey = 0x5a17c0de;
    testing::TAccessFileOptions ace;
    ace.Format = testing::TAccessFileFormat::Ace2010;
    testing::TAccessFileOptions encryptedAce = ace;
    encryptedAce.EncodingKey = 0x1f2e3d4c;

    for (const auto& [name, options] :
         std::vector<std::pair<std::string, testing::TAccessFileOptions>>{
             {"password.mdb", withPassword}, {"encoded.mdb", encoded}, {"plain.accdb", ace}}) {
        const std::string path = write(name, options);
        EXPECT_EQ(tableNames(path), TStringList{"Orders"}) << name;
        EXPECT_EQ(OpenAccessSchemaSource(path)->DescribeTable("Orders").Columns.size(), 2u) << name;
    }

    const std::string encrypted = write("encrypted.accdb", encryptedAce);
    EXPECT_EQ(ErrorOf(encrypted),
              "Cannot open Access database \"" + encrypted +
                  "\". The file is encrypted with a database password and cannot be read. "
                  "Remove the password in Access (File, Info, Decrypt Database) and open the "
                  "file again.");
}

// What a run reads of a file, as text: each table and view in catalogue order ("TABLE name",
// "VIEW name"); below each view its fields, a tab, the name, the kind and the size.
std::string SnapshotText(const TSchemaSnapshot& snapshot) {
    std::string text;
    for (const TSnapshotTable& table : snapshot.Tables) {
        text += table.Type + " " + table.Name + "\n";
        if (table.Type != "VIEW") {
            continue;
        }
        for (const TFieldDescriptor& field : table.Fields) {
            text += "\t" + field.FieldName + " " + std::string(FieldTypeName(field.DataType)) +
                    " " + std::to_string(field.Size) + "\n";
        }
    }
    return text;
}

TSchemaSnapshot SnapshotOf(const std::string& path) {
    const auto source = OpenAccessSchemaSource(path);
    return ReadSchemaSnapshot(*source);
}

// Three tables and a query of each kind the provider lists or leaves out. The expressions are
// written as Access saves them.
constexpr const char* QueryTestSchema = R"(
TABLE: Clients
  ClientID | AutoNumber
  Name | Text | size=40
  City | Text | size=30
  Notes | Memo
TABLE: Orders
  OrderID | AutoNumber
  ClientID | LongInteger
  OrderDate | DateTime
  Freight | Currency
  Shipped | YesNo
TABLE: Order Lines
  OrderID | LongInteger
  Quantity | Integer
  UnitPrice | Currency
  Discount | Single
  Weight | Double
  Pieces | Byte
  Amount | Decimal | precision=12 | scale=2

# A plain select: aliases, a bare name, a qualified one.
QUERY: Client List
  FROM | Clients
  COLUMN | [Clients].[Name] | Client
  COLUMN | [City]
  COLUMN | Clients.ClientID | Number
# "SELECT *".
QUERY: All Orders
  FROM | Orders
  ALL FIELDS
# A join, "Source.*", and a column name both sources have.
QUERY: Orders With Clients
  FROM | Orders | o
  FROM | Clients
  JOIN | INNER | o | Clients | [o].[ClientID] = [Clients].[ClientID]
  COLUMN | o.*
  COLUMN | [Clients].[ClientID]
  COLUMN | [Clients].[Name]
# A query over a query; its name in lower case sorts it between the others.
QUERY: big orders
  FROM | All Orders
  COLUMN | [OrderID]
  COLUMN | [All Orders].[Freight] | Cost
  WHERE | [Freight] > 100 And Not [Shipped]
# A computed column of each kind, two without an alias, and two whose type is not plain.
QUERY: Computed
  FROM | Orders
  FROM | Clients
  FROM | Order Lines | l
  JOIN | INNER | Orders | Clients | Orders.ClientID = Clients.ClientID
  JOIN | INNER | Orders | l | Orders.OrderID = l.OrderID
  COLUMN | CCur([Weight] * 2) | Money
  COLUMN | [Name] & ", " & [City] | Place
  COLUMN | [Notes] & "" | LongText
  COLUMN | [Freight] >= 100 | Expensive
  COLUMN | [Notes] Is Null | NoNotes
  COLUMN | Date() | Today
  COLUMN | Now() | Moment
  COLUMN | DateAdd("d", 30, [OrderDate]) | Due
  COLUMN | CInt([Weight]) | AsInteger
  COLUMN | CLng([Weight]) | AsLong
  COLUMN | CDbl([Quantity]) | AsDouble
  COLUMN | CStr([Quantity]) | AsText
  COLUMN | CDate("2024-01-01") | AsDate
  COLUMN | [Quantity] * 2 | Doubled
  COLUMN | [l].[Quantity] + [Pieces] | Together
  COLUMN | [UnitPrice] * [Quantity] | LineTotal
  COLUMN | [UnitPrice] * (1 - [Discount]) | Reduced
  COLUMN | [Freight] + [UnitPrice] | Costs
  COLUMN | [Quantity] / 2 | Half
  COLUMN | [OrderDate] + 1
  COLUMN | [Quantity] - 1
  COLUMN | IIf([Quantity] > 1, "many", 1) | Mixed
  COLUMN | Partition([Quantity], 0, 100, 10) | Unknown
  COLUMN | [Doubled] + [LineTotal] | FromAliases
# Jet's aggregate rules.
QUERY: Totals
  FROM | Order Lines
  COLUMN | [OrderID]
  COLUMN | Sum([Quantity]) | Pieces
  COLUMN | Sum([UnitPrice]) | Money
  COLUMN | Sum([Weight]) | TotalWeight
  COLUMN | Count(*) | Lines
  COLUMN | Avg([Quantity]) | MeanQuantity
  COLUMN | Avg([UnitPrice]) | MeanPrice
  GROUP BY | [OrderID]
  HAVING | Sum([Quantity]) > 0
# Criteria that look like parameters and are none: a subquery's own names, string literals.
QUERY: Criteria
  FROM | Clients
  COLUMN | [ClientID]
  WHERE | [Name] Like "[A-M]*" And [City] Not In ("Bonn", 'O''Hara') And [ClientID] Between 1 And &H10 And [ClientID] In (SELECT [ClientID] FROM [Orders] WHERE [Freight] > 10)

# Left out: parameters, declared or not; a query over a parameter query.
QUERY: Orders In Period
  PARAMETER | Beginning Date | DateTime
  FROM | Orders
  COLUMN | [OrderID]
  WHERE | [OrderDate] >= [Beginning Date]
QUERY: Orders Of A Client
  FROM | Orders
  COLUMN | [OrderID]
  WHERE | [ClientID] = [Which client?]
QUERY: Orders Of A Form
  FROM | Orders
  COLUMN | [OrderID]
  WHERE | [ClientID] = [Forms]![Clients]![ClientID]
QUERY: Priced By Hand
  FROM | Order Lines
  COLUMN | [UnitPrice] * [Rate] | Price
QUERY: Asks Directly
  FROM | Order Lines
  COLUMN | [OrderID]
  COLUMN | [Enter a rate]
QUERY: Over A Parameter Query
  FROM | Orders In Period
  COLUMN | [OrderID]
# Left out: action, crosstab, union and pass-through queries.
QUERY: Raise Freight
  KIND | Update
  FROM | Orders
  COLUMN | [Freight] * 1.1
QUERY: Orders By Client
  KIND | Crosstab
  FROM | Orders
  COLUMN | [ClientID]
QUERY: Every Name
  KIND | Union
  FROM | Clients
QUERY: On The Server
  KIND | PassThrough
# Left out: Access's temporary record source of a form, a hidden query, and what reads a table
# the file does not have, or system tables.
QUERY: ~sq_fOrders
  FROM | Orders
  COLUMN | [OrderID]
QUERY: Secret
  HIDDEN
  FROM | Orders
  COLUMN | [OrderID]
QUERY: Over A Missing Table
  FROM | Archive
  COLUMN | [OrderID]
QUERY: Object List
  FROM | MSysObjects
  COLUMN | [Name]
# Listed: a query over the hidden one.
QUERY: Over The Secret
  FROM | Secret
  COLUMN | [OrderID]
)";

TEST_F(AccessSchemaSourceTest, StoredSelectQueriesAreViewsWithTheColumnsJetGivesThem) {
    const TSchemaSnapshot snapshot = SnapshotOf(WriteSchema(QueryTestSchema));
    // Tables first, then views, each by name without regard to case. Referenced columns keep
    // their descriptors (an AutoNumber stays one); a name two sources share is qualified.
    EXPECT_EQ(SnapshotText(snapshot), R"(TABLE Clients
TABLE Order Lines
TABLE Orders
VIEW All Orders
	OrderID ftAutoInc 0
	ClientID ftInteger 0
	OrderDate ftDateTime 0
	Freight ftBCD 4
	Shipped ftBoolean 0
VIEW big orders
	OrderID ftAutoInc 0
	Cost ftBCD 4
VIEW Client List
	Client ftWideString 40
	City ftWideString 30
	Number ftAutoInc 0
VIEW Computed
	Money ftBCD 4
	Place ftWideString 255
	LongText ftMemo 0
	Expensive ftBoolean 0
	NoNotes ftBoolean 0
	Today ftDateTime 0
	Moment ftDateTime 0
	Due ftDateTime 0
	AsInteger ftSmallint 0
	AsLong ftInteger 0
	AsDouble ftFloat 0
	AsText ftWideString 255
	AsDate ftDateTime 0
	Doubled ftSmallint 0
	Together ftSmallint 0
	LineTotal ftBCD 4
	Reduced ftFloat 0
	Costs ftBCD 4
	Half ftFloat 0
	Expr1000 ftDateTime 0
	Expr1001 ftSmallint 0
	Mixed ftWideString 255
	Unknown ftWideString 255
	FromAliases ftBCD 4
VIEW Criteria
	ClientID ftAutoInc 0
VIEW Orders With Clients
	OrderID ftAutoInc 0
	o.ClientID ftInteger 0
	OrderDate ftDateTime 0
	Freight ftBCD 4
	Shipped ftBoolean 0
	Clients.ClientID ftAutoInc 0
	Name ftWideString 40
VIEW Over The Secret
	OrderID ftAutoInc 0
VIEW Totals
	OrderID ftInteger 0
	Pieces ftInteger 0
	Money ftBCD 4
	TotalWeight ftFloat 0
	Lines ftInteger 0
	MeanQuantity ftFloat 0
	MeanPrice ftBCD 4
)");
    EXPECT_TRUE(snapshot.Warnings.empty());
}

// The fields of the view `name` as SnapshotText writes them; "not listed" when there is none.
std::string ViewText(const TSchemaSnapshot& snapshot, const std::string& name) {
    for (const TSnapshotTable& table : snapshot.Tables) {
        if (table.Type == "VIEW" && table.Name == name) {
            std::string text;
            for (const TFieldDescriptor& field : table.Fields) {
                text += field.FieldName + " " + std::string(FieldTypeName(field.DataType)) + " " +
                        std::to_string(field.Size) + "\n";
            }
            return text;
        }
    }
    return "not listed";
}

TEST_F(AccessSchemaSourceTest, JetConstantsAreValuesNotParametersWhileBracketedWordsAreNames) {
    std::string schema = R"(
TABLE: Products
  ProductID | AutoNumber
  ProductName | Text | size=40
  Discontinued | YesNo
  UnitPrice | Currency
TABLE: Yes
  On | YesNo
  Off | Integer
  Label | Text | size=20

# As Access saves "SELECT Products.* FROM Products WHERE Products.Discontinued=No".
QUERY: Current Products
  FROM | Products
  COLUMN | Products.*
  WHERE | (((Products.Discontinued)=No))
QUERY: Null Criteria
  FROM | Products
  COLUMN | [ProductName]
  WHERE | [ProductName] Is Null Or [UnitPrice] = Null Or [Discontinued] Is Not NULL Or [ProductID] <> null
# Constants as computed columns, one of them without a source.
QUERY: Constant Flag
  COLUMN | Yes | Flag
QUERY: Flags
  FROM | Products
  COLUMN | off
  COLUMN | Not False | Negated
  COLUMN | IIf([Discontinued], No, Yes) | Current
  COLUMN | True + 1 | Plus
  COLUMN | -On | Minus
  COLUMN | Null | Nothing
  WHERE | [Discontinued] = TRUE Or [Discontinued] = oFF
# A table and columns named like constants: bracketed or qualifying they are names, bare they
# are constants.
QUERY: Over Yes
  FROM | Yes
  COLUMN | [Yes].[On]
  COLUMN | Yes.Label
  COLUMN | Yes!Off | Amount
  COLUMN | Off | Zero
  COLUMN | [On] = On | Switched
  WHERE | [Off] > Off And Yes.[On] <> No

# Left out: names no source has, bracketed constants among them, are parameters.
QUERY: Asks For Maybe
  FROM | Products
  COLUMN | [ProductID]
  WHERE | Products.Discontinued = Maybe
QUERY: Asks For Bracketed No
  FROM | Products
  COLUMN | [ProductID]
  WHERE | Products.Discontinued = [No]
QUERY: Asks For Bracketed Null
  FROM | Products
  COLUMN | [Null] | Missing
QUERY: Asks For A Source Named No
  FROM | Products
  COLUMN | No.Label
)";
    // Each constant as Access writes it and in other letter cases, in a criterion and in a
    // join condition.
    const std::vector<std::string> words = {"Yes", "No", "True", "False", "On", "Off"};
    for (const std::string& word : words) {
        schema += "QUERY: Where " + word + "\n  FROM | Products\n  COLUMN | [ProductID]\n" +
                  "  WHERE | Products.Discontinued=" + word + "\n";
        schema += "QUERY: Where " + word + " In Other Cases\n  FROM | Products\n" +
                  "  FROM | Yes\n  JOIN | INNER | Products | Yes | [Discontinued] <> " +
                  UpperCaseAscii(word) +
                  "\n  COLUMN | [ProductID]\n  WHERE | [Discontinued] = " + LowerCaseAscii(word) +
                  "\n";
    }
    const TSchemaSnapshot snapshot = SnapshotOf(WriteSchema(schema));

    EXPECT_EQ(ViewText(snapshot, "Current Products"), R"(ProductID ftAutoInc 0
ProductName ftWideString 40
Discontinued ftBoolean 0
UnitPrice ftBCD 4
)");
    EXPECT_EQ(ViewText(snapshot, "Null Criteria"), "ProductName ftWideString 40\n");
    for (const std::string& word : words) {
        EXPECT_EQ(ViewText(snapshot, "Where " + word), "ProductID ftAutoInc 0\n") << word;
        EXPECT_EQ(ViewText(snapshot, "Where " + word + " In Other Cases"),
                  "ProductID ftAutoInc 0\n")
            << word;
    }
    // Jet's constants are Booleans; in arithmetic they count as the Integers -1 and 0. Null has
    // no type of its own, so its column gets the fallback.
    EXPECT_EQ(ViewText(snapshot, "Constant Flag"), "Flag ftBoolean 0\n");
    EXPECT_EQ(ViewText(snapshot, "Flags"), R"(Expr1000 ftBoolean 0
Negated ftBoolean 0
Current ftBoolean 0
Plus ftSmallint 0
Minus ftSmallint 0
Nothing ftWideString 255
)");
    // "Off" bare is the constant even beside a column of that name, as in Jet, where these
    // words are reserved.
    EXPECT_EQ(ViewText(snapshot, "Over Yes"), R"(On ftBoolean 0
Label ftWideString 20
Amount ftSmallint 0
Zero ftBoolean 0
Switched ftBoolean 0
)");
    for (const char* parameterQuery : {"Asks For Maybe", "Asks For Bracketed No",
                                       "Asks For Bracketed Null", "Asks For A Source Named No"}) {
        EXPECT_EQ(ViewText(snapshot, parameterQuery), "not listed") << parameterQuery;
    }
    EXPECT_TRUE(snapshot.Warnings.empty());
}

TEST_F(AccessSchemaSourceTest, QueriesReadingThemselvesAreLeftOutWithAWarningNamingTheFile) {
    const std::string path = WriteSchema(R"(
TABLE: Orders
  OrderID | AutoNumber
QUERY: First
  FROM | Second
  COLUMN | [OrderID]
QUERY: Second
  FROM | First
  COLUMN | [OrderID]
QUERY: Over The Circle
  FROM | First
  COLUMN | [OrderID]
QUERY: Itself
  FROM | Itself
  ALL FIELDS
QUERY: Sound
  FROM | Orders
  ALL FIELDS
# An expression nested past any saved query's depth is not read: the query is left out.
QUERY: Deep
  FROM | Orders
  COLUMN | )" + std::string(400, '(') + "1" +
                                         std::string(400, ')') + R"( | Deep
)");
    const TSchemaSnapshot snapshot = SnapshotOf(path);
    EXPECT_EQ(SnapshotText(snapshot), "TABLE Orders\nVIEW Sound\n\tOrderID ftAutoInc 0\n");
    EXPECT_EQ(snapshot.Warnings,
              (std::vector<std::string>{
                  path + ": the query \"First\" reads itself (\"First\" -> \"Second\" -> "
                         "\"First\"), which Access does not allow; the queries of that circle "
                         "are left out",
                  path + ": the query \"Itself\" reads itself (\"Itself\" -> \"Itself\"), which "
                         "Access does not allow; the queries of that circle are left out"}));

    // A run goes through and tells the warnings, before any of its own.
    TDM dm;
    TProjectParam options;
    options.Directories.TemplateDir = std::string(QUORVANE_SOURCE_DIR) + "/templates/MidasProject";
    options.Directories.OutputDir = Folder.File("out");
    options.Database.UDLFile = path;
    dm.Generate(options);
    ASSERT_GE(dm.Warnings().size(), 2u);
    EXPECT_EQ(dm.Warnings()[0], snapshot.Warnings[0]);
    EXPECT_EQ(dm.Warnings()[1], snapshot.Warnings[1]);
    EXPECT_TRUE(std::filesystem::exists(Folder.File("out/MidasProject/Midas_Client/frmSound.dfm")));
}

TEST_F(AccessSchemaSourceTest, QueriesNestedBeyondAnySavedQueryAreLeftOutWithAWarning) {
    // The outermost first, so that reading the first query walks the whole chain; a damaged
    // file may chain any number, and each level read costs the engine stack.
    std::string schema = "TABLE: Orders\n  OrderID | AutoNumber\n";
    constexpr int Chain = 1000;
    for (int i = Chain - 1; i >= 0; --i) {
        schema += "QUERY: Level " + std::to_string(i) + "\n  FROM | " +
                  (i == 0 ? std::string("Orders") : "Level " + std::to_string(i - 1)) +
                  "\n  ALL FIELDS\n";
    }
    const std::string path = WriteSchema(schema);
    const TSchemaSnapshot snapshot = SnapshotOf(path);
    const auto listed = [&snapshot](const std::string& name) {
        return std::any_of(snapshot.Tables.begin(), snapshot.Tables.end(),
                           [&](const TSnapshotTable& table) { return table.Name == name; });
    };
    EXPECT_TRUE(listed("Orders"));
    EXPECT_TRUE(listed("Level 0"));
    EXPECT_TRUE(listed("Level 100"));
    EXPECT_FALSE(listed("Level 999"));
    EXPECT_EQ(snapshot.Warnings,
              std::vector<std::string>{path + ": queries that read queries nested more than 128 "
                                              "levels deep are left out"});
}

// The pages of a written file, and which of them holds the definition of the system table
// MSysQueries and its rows.
struct TQueryPages {
    std::string Bytes;
    std::size_t Definition = 0;
    std::size_t Data = 0;
};

TQueryPages FindQueryPages(const std::string& path) {
    constexpr std::size_t PageSize = 4096;
    TQueryPages pages{ReadFile(path)};
    // "Expression" in UCS-2 is a column name of MSysQueries alone.
    std::string expression;
    for (const char c : std::string("Expression")) {
        expression += c;
        expression += '\0';
    }
    for (std::size_t page = 1; page * PageSize < pages.Bytes.size(); ++page) {
        const std::string_view bytes(pages.Bytes.data() + page * PageSize, PageSize);
        if (bytes[0] == 0x02 && bytes.find(expression) != std::string_view::npos) {
            pages.Definition = page;
        }
    }
    for (std::size_t page = 1; page * PageSize < pages.Bytes.size(); ++page) {
        const auto* bytes =
            reinterpret_cast<const unsigned char*>(pages.Bytes.data() + page * PageSize);
        const std::size_t owner = bytes[4] | bytes[5] << 8 | bytes[6] << 16;
        if (bytes[0] == 0x01 && pages.Definition != 0 && owner == pages.Definition) {
            pages.Data = page;
        }
    }
    return pages;
}

TEST_F(AccessSchemaSourceTest, ADamagedQueryTableLeavesTheQueriesOutButNotTheTables) {
    const std::string good = WriteSchema(R"(
TABLE: Orders
  OrderID | AutoNumber
  Freight | Currency
QUERY: Expensive Orders
  FROM | Orders
  ALL FIELDS
  WHERE | [Freight] > 100
)");
    ASSERT_EQ(SnapshotText(SnapshotOf(good)),
              "TABLE Orders\nVIEW Expensive Orders\n\tOrderID ftAutoInc 0\n\tFreight ftBCD 4\n");
    const TQueryPages pages = FindQueryPages(good);
    ASSERT_NE(pages.Definition, 0u);
    ASSERT_NE(pages.Data, 0u);

    std::string renamedColumn = pages.Bytes; // "ObjectId" becomes "ObjectIx"
    const std::string objectId("O\0b\0j\0e\0c\0t\0I\0d\0", 16);
    const std::size_t at = renamedColumn.find(objectId, pages.Definition * 4096);
    ASSERT_NE(at, std::string::npos);
    renamedColumn[at + 14] = 'x';
    std::string notADefinition = pages.Bytes;
    notADefinition[pages.Definition * 4096] = 0x7f;
    for (const auto& [name, bytes] : {std::pair{"renamed.mdb", renamedColumn},
                                      std::pair{"no-definition.mdb", notADefinition}}) {
        const std::string path = Folder.File(name);
        WriteFile(path, bytes);
        const TSchemaSnapshot snapshot = SnapshotOf(path);
        EXPECT_EQ(SnapshotText(snapshot), "TABLE Orders\n") << name;
        EXPECT_EQ(snapshot.Warnings,
                  std::vector<std::string>{path + ": its query definitions cannot be read (the "
                                                  "file is damaged there); its tables are listed, "
                                                  "its queries are left out"})
            << name;
    }

    // Whatever libmdb makes of rows of noise, the table stays and the answer is the same twice.
    std::mt19937 random(11);
    std::string noise = pages.Bytes;
    for (std::size_t i = 16; i < 4096; ++i) {
        noise[pages.Data * 4096 + i] = static_cast<char>(random() & 0xFF);
    }
    const std::string noisy = Folder.File("noise.mdb");
    WriteFile(noisy, noise);
    const std::string first = SnapshotText(SnapshotOf(noisy));
    EXPECT_EQ(first.rfind("TABLE Orders\n", 0), 0u) << first;
    EXPECT_EQ(SnapshotText(SnapshotOf(noisy)), first);
}

// --- Keys and field facts ---

// People and order lines: a composite primary key, a self-reference, two relationships to one
// table, a table without a key, required fields with and without a default, descriptions with
// an apostrophe and non-ASCII text, and a relationship drawn without referential integrity.
std::vector<TAccessTable> RelatedTables() {
    using T = TAccessType;
    TAccessTable people{"People",
                        {{"PersonID", T::AutoNumber},
                         {"Name", T::Text, 50},
                         {"ManagerID", T::LongInteger},
                         {"Note", T::Memo}},
                        {"PersonID"},
                        {{"PeopleManager", {"ManagerID"}, "People", {"PersonID"}}}};
    people.Columns[1].Required = true;
    people.Columns[1].Description = "The person's full name";
    people.Columns[3].Description = "Größe – ΩMEGA";
    TAccessTable lines{"OrderLines",
                       {{"OrderNo", T::LongInteger},
                        {"LineNo", T::Integer},
                        {"SoldBy", T::LongInteger},
                        {"CheckedBy", T::LongInteger},
                        {"Quantity", T::Integer},
                        {"Comment", T::Text, 20}},
                       {"OrderNo", "LineNo"},
                       {{"LinesSoldBy", {"SoldBy"}, "People", {"PersonID"}},
                        {"LinesCheckedBy", {"CheckedBy"}, "People", {"PersonID"}},
                        {"LinesDrawnOnly", {"Comment"}, "People", {"Name"}, false}}};
    lines.Columns[4].Required = true;
    lines.Columns[4].DefaultValue = "1";
    lines.Columns[2].Required = true;
    lines.Columns[5].DefaultValue = "\"none\"";
    TAccessTable shipments{
        "Shipments",
        {{"OrderNo", T::LongInteger}, {"LineNo", T::Integer}, {"Shipped", T::DateTime}},
        {},
        {{"ShipmentLine", {"OrderNo", "LineNo"}, "OrderLines", {"OrderNo", "LineNo"}}}};
    TAccessTable log{"Log", {{"Entry", T::Memo}}};
    return {people, lines, shipments, log};
}

// The table definition page whose column names include MSysRelationships' own.
std::size_t RelationshipsDefinitionPage(const std::string& bytes, std::size_t pageSize) {
    const std::u16string column = u"szReferencedObject";
    const std::string needle(reinterpret_cast<const char*>(column.data()), column.size() * 2);
    for (std::size_t page = 1; page * pageSize < bytes.size(); ++page) {
        const std::string_view content(bytes.data() + page * pageSize, pageSize);
        if (content.front() == 0x02 && content.find(needle) != std::string_view::npos) {
            return page;
        }
    }
    return 0;
}

TEST_F(AccessSchemaSourceTest, PrimaryKeysAreReadFromTheTablesPrimaryKeyIndexInKeyOrder) {
    auto source = OpenAccessSchemaSource(Write(RelatedTables()));
    EXPECT_EQ(source->DescribeTable("People").Keys.PrimaryKey,
              std::vector<std::string>{"PersonID"});
    // Key order, not column order, and not the order of the names in the table.
    EXPECT_EQ(source->DescribeTable("OrderLines").Keys.PrimaryKey,
              (std::vector<std::string>{"OrderNo", "LineNo"}));
    // Known tables without a key have an empty key, not an unknown one.
    ASSERT_TRUE(source->DescribeTable("Shipments").Keys.PrimaryKey.has_value());
    EXPECT_TRUE(source->DescribeTable("Shipments").Keys.PrimaryKey->empty());
    ASSERT_TRUE(source->DescribeTable("Log").Keys.PrimaryKey.has_value());
    EXPECT_TRUE(source->DescribeTable("Log").Keys.PrimaryKey->empty());

    // A key whose columns are not in table order comes back in key order.
    TAccessTable reversed{
        "Reversed", {{"A", TAccessType::Integer}, {"B", TAccessType::Integer}}, {"B", "A"}};
    auto other = OpenAccessSchemaSource(Write({reversed}, "reversed.mdb"));
    EXPECT_EQ(other->DescribeTable("Reversed").Keys.PrimaryKey,
              (std::vector<std::string>{"B", "A"}));
}

TEST_F(AccessSchemaSourceTest, ForeignKeysAreTheEnforcedRelationshipsOfMSysRelationships) {
    auto source = OpenAccessSchemaSource(Write(RelatedTables()));
    const TForeignKey manager{{"ManagerID"}, "", "People", {"PersonID"}};
    EXPECT_EQ(source->DescribeTable("People").Keys.ForeignKeys, std::vector<TForeignKey>{manager});
    // Two relationships to one table stay two keys; the one drawn without referential
    // integrity is no key.
    const TForeignKey soldBy{{"SoldBy"}, "", "People", {"PersonID"}};
    const TForeignKey checkedBy{{"CheckedBy"}, "", "People", {"PersonID"}};
    EXPECT_EQ(source->DescribeTable("OrderLines").Keys.ForeignKeys,
              (std::vector<TForeignKey>{soldBy, checkedBy}));
    const TForeignKey line{{"OrderNo", "LineNo"}, "", "OrderLines", {"OrderNo", "LineNo"}};
    EXPECT_EQ(source->DescribeTable("Shipments").Keys.ForeignKeys, std::vector<TForeignKey>{line});
    ASSERT_TRUE(source->DescribeTable("Log").Keys.ForeignKeys.has_value());
    EXPECT_TRUE(source->DescribeTable("Log").Keys.ForeignKeys->empty());
}

TEST_F(AccessSchemaSourceTest, FieldFactsComeFromRequiredDefaultValueAndDescription) {
    auto source = OpenAccessSchemaSource(Write(RelatedTables()));
    const auto facts = [&](const std::string& table) {
        std::map<std::string, TColumnFacts> byName;
        for (const TColumnInfo& column : source->DescribeTable(table).Columns) {
            byName[column.Name] = column.Facts;
        }
        return byName;
    };
    const auto known = [](bool notNull, bool hasDefault, std::string comment) {
        return TColumnFacts{notNull, hasDefault, std::move(comment)};
    };
    const std::map<std::string, TColumnFacts> people = facts("People");
    EXPECT_EQ(people.at("PersonID"), known(false, false, ""));
    EXPECT_EQ(people.at("Name"), known(true, false, "The person's full name"));
    EXPECT_EQ(people.at("ManagerID"), known(false, false, ""));
    EXPECT_EQ(people.at("Note"), known(false, false, "Größe – ΩMEGA"));
    const std::map<std::string, TColumnFacts> lines = facts("OrderLines");
    EXPECT_EQ(lines.at("SoldBy"), known(true, false, ""));  // required, no default
    EXPECT_EQ(lines.at("Quantity"), known(true, true, "")); // required with a default
    EXPECT_EQ(lines.at("Comment"), known(false, true, "")); // a default alone
    EXPECT_EQ(lines.at("CheckedBy"), known(false, false, ""));
    // A table none of whose fields has a property still has a (known, empty) property list.
    EXPECT_EQ(facts("Log").at("Entry"), known(false, false, ""));
}

TEST_F(AccessSchemaSourceTest, QueriesHaveNoKnownKeysAndTheSampleHasNoRelationships) {
    const std::string path = WriteSchema("TABLE: Items\n"
                                         "  ItemID | AutoNumber\n"
                                         "  Label | Text | size=20\n"
                                         "QUERY: AllItems\n"
                                         "  FROM | Items\n"
                                         "  COLUMN | [Items].[ItemID]\n");
    auto source = OpenAccessSchemaSource(path);
    const TTableDescription view = source->DescribeTable("AllItems");
    EXPECT_FALSE(view.Keys.PrimaryKey.has_value());
    EXPECT_FALSE(view.Keys.ForeignKeys.has_value());
    // A table written without an index or relationship: known to have neither.
    const TTableKeys none{std::vector<std::string>{}, std::vector<TForeignKey>{}};
    EXPECT_EQ(source->DescribeTable("Items").Keys, none);
}

TEST_F(AccessSchemaSourceTest, AnUnreadableRelationshipTableLeavesForeignKeysUnknownOnly) {
    const std::string path = Write(RelatedTables());
    // Overwrite MSysRelationships' definition page with a data page's type: libmdb cannot read
    // the table, while the user tables and their keys stay readable.
    std::string bytes;
    {
        std::ifstream in(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    constexpr std::size_t PageSize = 4096;
    const std::size_t page = RelationshipsDefinitionPage(bytes, PageSize);
    ASSERT_NE(page, 0u);
    bytes[page * PageSize] = 0x01;
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    auto source = OpenAccessSchemaSource(path);
    for (const std::string table : {"People", "OrderLines", "Shipments", "Log"}) {
        EXPECT_FALSE(source->DescribeTable(table).Keys.ForeignKeys.has_value()) << table;
        EXPECT_TRUE(source->DescribeTable(table).Keys.PrimaryKey.has_value()) << table;
    }
    EXPECT_EQ(source->DescribeTable("OrderLines").Keys.PrimaryKey,
              (std::vector<std::string>{"OrderNo", "LineNo"}));
}

TEST_F(AccessSchemaSourceTest, WritingARelationshipToAMissingColumnOrTableFails) {
    using T = TAccessType;
    TAccessTable a{"A", {{"X", T::LongInteger}}, {"X"}, {{"R", {"Y"}, "A", {"X"}}}};
    EXPECT_THROW(Write({a}), std::runtime_error);
    a.Relationships = {{"R", {"X"}, "Nowhere", {"X"}}};
    EXPECT_THROW(Write({a}), std::runtime_error);
    a.Relationships.clear();
    a.PrimaryKey = {"Y"};
    EXPECT_THROW(Write({a}), std::runtime_error);
}

TEST_F(AccessSchemaSourceTest, ARunOverTheSampleAccessDatabaseWritesFormsForItsQueries) {
    const TSchemaSnapshot snapshot = SnapshotOf(QUORVANE_EXAMPLES_DIR "/orders.mdb");
    std::vector<std::string> views;
    for (const TSnapshotTable& table : snapshot.Tables) {
        if (table.Type == "VIEW") {
            views.push_back(table.Name);
        }
    }
    EXPECT_EQ(views,
              (std::vector<std::string>{"ClientOrders", "Order Details Extended", "OrderTotals"}));

    TDM dm;
    TProjectParam options;
    options.Directories.TemplateDir = std::string(QUORVANE_SOURCE_DIR) + "/templates/MidasProject";
    options.Directories.OutputDir = Folder.File("out");
    options.Database.UDLFile = QUORVANE_EXAMPLES_DIR "/orders.mdb";
    dm.Generate(options);
    EXPECT_TRUE(dm.Warnings().empty());
    for (const char* form : {"frmClientOrders", "frmOrderDetailsExtended", "frmOrderTotals"}) {
        const std::string unit = Folder.File("out/MidasProject/Midas_Client/") + form + ".pas";
        EXPECT_TRUE(std::filesystem::exists(unit)) << unit;
    }
}

} // namespace
} // namespace quorvane
