// The SQLite back-end: declared types read as the ADO columns a provider would report, the
// rowid alias as the one auto-increment column, NOT NULL, defaults and keys, the catalogue order,
// the file left as it was, WAL databases read with their -wal and nothing written beside them,
// and the backup that the run's copy of the database is made with.

#include "schema/sqlite/SqliteSchemaSource.h"
#include "MiniTemplate.h"
#include "SqliteTestFile.h"
#include "TempDir.h"
#include "generate/dmCodeGenerator.h"
#include "schema/SchemaSource.h"
#include "text/EngineErrors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace quorvane {
namespace {

using T = TFieldType;

struct TTypeCase {
    std::string Declared;
    T Kind;
    std::int64_t Size = 0;
    bool FixedChar = false;
};

// The names SQLite databases use, then names of no known type, read by SQLite's own affinity
// rules ("INT" is looked for first, so "FLOATING POINT" is an integer). A NUMERIC without
// arguments has precision 18 and scale 0.
// clang-format off
const std::vector<TTypeCase> TypeCases = {
    {"INT", T::ftInteger}, {"INTEGER", T::ftInteger}, {"MEDIUMINT", T::ftInteger},
    {"SMALLINT", T::ftSmallint}, {"INT2", T::ftSmallint}, {"TINYINT", T::ftSmallint},
    {"BIGINT", T::ftLargeint}, {"INT8", T::ftLargeint}, {"BOOLEAN", T::ftBoolean},
    {"BOOL", T::ftBoolean}, {"BIT", T::ftBoolean}, {"REAL", T::ftFloat}, {"FLOAT", T::ftFloat},
    {"DOUBLE", T::ftFloat}, {"DECIMAL(10,2)", T::ftBCD, 2}, {"Decimal( 12 , 3 )", T::ftBCD, 3},
    {"NUMERIC(9,0)", T::ftInteger}, {"NUMERIC(10,0)", T::ftBCD}, {"NUMERIC", T::ftBCD},
    {"MONEY", T::ftBCD, 4}, {"CURRENCY", T::ftBCD, 4}, {"CHAR(10)", T::ftFixedChar, 10, true},
    {"CHARACTER(3)", T::ftFixedChar, 3, true}, {"NCHAR(2)", T::ftWideString, 2, true},
    {"VARCHAR(40)", T::ftString, 40}, {"varchar(80)", T::ftString, 80},
    {"NVARCHAR(60)", T::ftWideString, 60}, {"TEXT", T::ftMemo}, {"CLOB", T::ftMemo},
    {"MEMO", T::ftMemo}, {"BLOB", T::ftBlob}, {"BINARY(16)", T::ftBytes, 16},
    {"VARBINARY(32)", T::ftVarBytes, 32}, {"DATE", T::ftDate}, {"TIME", T::ftTime},
    {"DATETIME", T::ftDateTime}, {"TIMESTAMP", T::ftDateTime}, {"GUID", T::ftGuid, 38, true},
    {"UUID", T::ftGuid, 38, true}, {"UNIQUEIDENTIFIER", T::ftGuid, 38, true}, {"", T::ftVariant},
    {"UNSIGNED BIG INT", T::ftInteger}, {"FLOATING POINT", T::ftInteger},
    {"VARYING CHARACTER(20)", T::ftMemo}, {"NATIVE CHARACTER(70)", T::ftMemo},
    {"BLOBBY", T::ftBlob}, {"DOUBLE PRECISION", T::ftFloat}, {"WHATEVER", T::ftBCD}};
// clang-format on

class SqliteSchemaSourceTest : public ::testing::Test {
protected:
    TTempDir Folder;
    std::string Path = Folder.File("test.db");

    std::vector<TFieldDescriptor> FieldsOf(const std::string& table) {
        return DescribeFields(OpenSqliteSchemaSource(Path)->DescribeTable(table));
    }
    T KindOf(const std::string& table, std::size_t index) {
        return FieldsOf(table).at(index).DataType;
    }
};

TEST_F(SqliteSchemaSourceTest, DeclaredTypesGiveTheirFieldKinds) {
    std::string sql = "CREATE TABLE Types (";
    for (std::size_t i = 0; i < TypeCases.size(); ++i) {
        sql += (i > 0 ? ", c" : "c") + std::to_string(i) + " " + TypeCases[i].Declared;
    }
    CreateSqliteFile(Path, sql + ");");
    const std::vector<TFieldDescriptor> fields = FieldsOf("Types");
    ASSERT_EQ(fields.size(), TypeCases.size());
    for (std::size_t i = 0; i < TypeCases.size(); ++i) {
        const TTypeCase& c = TypeCases[i];
        EXPECT_EQ(fields[i].FieldName, "c" + std::to_string(i));
        EXPECT_EQ(FieldTypeName(fields[i].DataType), FieldTypeName(c.Kind)) << c.Declared;
        EXPECT_EQ(fields[i].Size, c.Size) << c.Declared;
        EXPECT_EQ(fields[i].FixedChar, c.FixedChar) << c.Declared;
    }
}

TEST(MapSqliteDeclaredTypeTest, ReadsSizePrecisionAndScaleFromTheParentheses) {
    // Type code, defined size, precision, scale.
    auto read = [](std::string_view declared) {
        const TColumnInfo c = MapSqliteDeclaredType(declared);
        return std::tuple<int, std::int64_t, int, int>(c.Type, c.DefinedSize, c.Precision,
                                                       c.NumericScale);
    };
    using R = std::tuple<int, std::int64_t, int, int>;
    EXPECT_EQ(read("DECIMAL(10,2)"), R(ado::adNumeric, 0, 10, 2));
    EXPECT_EQ(read("numeric"), R(ado::adNumeric, 0, 18, 0));
    EXPECT_EQ(read("Money"), R(ado::adCurrency, 0, 19, 4));
    EXPECT_EQ(read("  NVARCHAR ( 60 ) "), R(ado::adVarWChar, 60, 0, 0));
    EXPECT_EQ(read("CHAR(10)"), R(ado::adChar, 10, 0, 0));
    EXPECT_EQ(read("nchar(10)"), R(ado::adWChar, 10, 0, 0));
    EXPECT_EQ(read("TEXT"), R(ado::adLongVarChar, 0, 0, 0));
    EXPECT_EQ(read("DATETIME"), R(ado::adDBTimeStamp, 0, 0, 0));
    EXPECT_EQ(read(""), R(ado::adVariant, 0, 0, 0));
}

TEST_F(SqliteSchemaSourceTest, OnlyTheRowidAliasIsAutoIncrementing) {
    CreateSqliteFile(Path, "CREATE TABLE Plain (ID INTEGER PRIMARY KEY, Name TEXT);"
                           "CREATE TABLE Lower (id integer primary key autoincrement);"
                           "CREATE TABLE TableKey (Name TEXT, ID INTEGER, PRIMARY KEY(ID));"
                           "CREATE TABLE IntKey (ID INT PRIMARY KEY);"
                           "CREATE TABLE Pair (A INTEGER, B INTEGER, PRIMARY KEY(A, B));"
                           "CREATE TABLE NoRowid (ID INTEGER PRIMARY KEY, X TEXT) WITHOUT ROWID;"
                           "CREATE TABLE Descending (ID INTEGER PRIMARY KEY DESC);"
                           "CREATE TABLE Big (ID BIGINT PRIMARY KEY);"
                           "CREATE TABLE NoKey (ID INTEGER);"
                           // A column named like the rowid hides it from a select.
                           "CREATE TABLE Odd (rowid TEXT, ID INTEGER PRIMARY KEY);"
                           "CREATE TABLE Computed (ID INTEGER PRIMARY KEY, Twice INT "
                           "GENERATED ALWAYS AS (ID * 2));");
    EXPECT_EQ(KindOf("Plain", 0), T::ftAutoInc);
    EXPECT_EQ(KindOf("Plain", 1), T::ftMemo);
    EXPECT_EQ(KindOf("Lower", 0), T::ftAutoInc);
    EXPECT_EQ(KindOf("TableKey", 1), T::ftAutoInc);
    EXPECT_EQ(KindOf("IntKey", 0), T::ftInteger);
    EXPECT_EQ(KindOf("Pair", 0), T::ftInteger);
    EXPECT_EQ(KindOf("Pair", 1), T::ftInteger);
    EXPECT_EQ(KindOf("NoRowid", 0), T::ftInteger);
    EXPECT_EQ(KindOf("Descending", 0), T::ftInteger);
    EXPECT_EQ(KindOf("Big", 0), T::ftLargeint);
    EXPECT_EQ(KindOf("NoKey", 0), T::ftInteger);
    EXPECT_EQ(KindOf("Odd", 0), T::ftMemo);
    EXPECT_EQ(KindOf("Odd", 1), T::ftAutoInc);
    // A generated column is a column of the rowset.
    ASSERT_EQ(FieldsOf("Computed").size(), 2u);
    EXPECT_EQ(KindOf("Computed", 0), T::ftAutoInc);
    EXPECT_EQ(KindOf("Computed", 1), T::ftInteger);
}

// Customers and regions with a composite key declared in another order than its columns, a
// customer's referrer (a key to its own table, written in another case and without columns),
// orders with two keys to the customers, order lines WITHOUT ROWID, a log without any key, a key
// to a table that is not there, and a view.
const char* const KeysSchema = R"SQL(
CREATE TABLE Regions (Country TEXT NOT NULL, Code INTEGER NOT NULL, Name TEXT NOT NULL DEFAULT '',
  PRIMARY KEY (Code, Country));
CREATE TABLE Customers (ID INTEGER PRIMARY KEY, Name TEXT NOT NULL,
  Credit MONEY NOT NULL DEFAULT 0, Country TEXT, Region INTEGER,
  Referrer INTEGER REFERENCES customers, FOREIGN KEY (Region, Country) REFERENCES REGIONS);
CREATE TABLE Orders (ID INTEGER PRIMARY KEY AUTOINCREMENT,
  Buyer INTEGER NOT NULL REFERENCES Customers (id), Payer INTEGER REFERENCES Customers (ID),
  Placed DATETIME DEFAULT CURRENT_TIMESTAMP);
CREATE TABLE Lines (OrderID INTEGER NOT NULL REFERENCES Orders, LineNo INTEGER NOT NULL,
  Qty INT NOT NULL DEFAULT 1, Twice INT GENERATED ALWAYS AS (Qty * 2),
  PRIMARY KEY (OrderID, LineNo)) WITHOUT ROWID;
CREATE TABLE Log (At DATETIME, Entry TEXT);
CREATE TABLE Stray (Y INTEGER PRIMARY KEY, X INTEGER REFERENCES Nowhere (Y));
CREATE VIEW BigBuyers AS SELECT ID, Name FROM Customers WHERE Credit > 1000;
)SQL";

struct TExpectedFacts {
    std::string Column;
    bool NotNull;
    bool HasDefault;
};

TEST_F(SqliteSchemaSourceTest, NotNullDefaultsAndKeysOfEveryTable) {
    CreateSqliteFile(Path, KeysSchema);
    const auto source = OpenSqliteSchemaSource(Path);
    const std::vector<std::pair<std::string, std::vector<TExpectedFacts>>> facts = {
        {"Regions", {{"Country", true, false}, {"Code", true, false}, {"Name", true, true}}},
        {"Customers",
         {{"ID", false, false},
          {"Name", true, false},
          {"Credit", true, true},
          {"Country", false, false},
          {"Region", false, false},
          {"Referrer", false, false}}},
        {"Orders",
         {{"ID", false, false},
          {"Buyer", true, false},
          {"Payer", false, false},
          {"Placed", false, true}}},
        {"Lines",
         {{"OrderID", true, false},
          {"LineNo", true, false},
          {"Qty", true, true},
          {"Twice", false, false}}},
        {"Log", {{"At", false, false}, {"Entry", false, false}}},
    };
    for (const auto& [table, expected] : facts) {
        SCOPED_TRACE(table);
        const std::vector<TFieldDescriptor> fields = DescribeFields(source->DescribeTable(table));
        ASSERT_EQ(fields.size(), expected.size());
        for (std::size_t i = 0; i < fields.size(); ++i) {
            EXPECT_EQ(fields[i].FieldName, expected[i].Column);
            EXPECT_EQ(fields[i].Facts.NotNull, expected[i].NotNull) << expected[i].Column;
            EXPECT_EQ(fields[i].Facts.HasDefault, expected[i].HasDefault) << expected[i].Column;
            EXPECT_EQ(fields[i].Facts.Comment, std::nullopt) << expected[i].Column;
        }
    }

    using Keys = std::vector<TForeignKey>;
    using Names = std::vector<std::string>;
    const std::vector<std::pair<std::string, TTableKeys>> keys = {
        {"Regions", {Names{"Code", "Country"}, Keys{}}},
        // In the order declared; a key without columns takes the referenced primary key's.
        {"Customers",
         {Names{"ID"}, Keys{{{"Referrer"}, "", "Customers", {"ID"}},
                            {{"Region", "Country"}, "", "Regions", {"Code", "Country"}}}}},
        {"Orders",
         {Names{"ID"},
          Keys{{{"Buyer"}, "", "Customers", {"ID"}}, {{"Payer"}, "", "Customers", {"ID"}}}}},
        {"Lines", {Names{"OrderID", "LineNo"}, Keys{{{"OrderID"}, "", "Orders", {"ID"}}}}},
        // Known to have no key at all.
        {"Log", {Names{}, Keys{}}},
        // A key to nothing leaves the foreign keys unknown rather than the list short of one.
        {"Stray", {Names{"Y"}, std::nullopt}},
    };
    for (const auto& [table, expected] : keys) {
        SCOPED_TRACE(table);
        EXPECT_EQ(source->DescribeTable(table).Keys, expected);
    }
}

TEST_F(SqliteSchemaSourceTest, ViewsLeaveFactsAndKeysUnknown) {
    CreateSqliteFile(Path, KeysSchema);
    const auto source = OpenSqliteSchemaSource(Path);
    const TTableDescription view = source->DescribeTable("BigBuyers");
    ASSERT_EQ(view.Columns.size(), 2u);
    for (const TColumnInfo& column : view.Columns) {
        EXPECT_EQ(column.Facts, TColumnFacts{}) << column.Name;
    }
    EXPECT_EQ(view.Keys, TTableKeys{});
    // Describing tables and views one after the other, in any order, keeps each its own facts.
    const std::vector<TTableDescription> described = source->DescribeTables(
        {{"Log", "TABLE", ""}, {"BigBuyers", "VIEW", ""}, {"Regions", "TABLE", ""}});
    ASSERT_EQ(described.size(), 3u);
    EXPECT_EQ(described[0].Keys.PrimaryKey, std::vector<std::string>{});
    EXPECT_EQ(described[1].Keys, TTableKeys{});
    EXPECT_EQ(described[2].Keys.PrimaryKey, (std::vector<std::string>{"Code", "Country"}));
    EXPECT_EQ(described[2].Columns.at(2).Facts, (TColumnFacts{true, true, std::nullopt}));
}

TEST_F(SqliteSchemaSourceTest, CatalogueListsTablesThenViewsByNameAndMarksSystemTables) {
    CreateSqliteFile(Path, "CREATE TABLE beta (a INT, b TEXT);"
                           "CREATE TABLE Alpha (x INT);"
                           "CREATE TABLE _under (x INT);"
                           "CREATE TABLE Zed (x INT);"
                           "CREATE TABLE [Order Details] ([Unit Price] MONEY, Qty SMALLINT);"
                           "CREATE TABLE \"O'Brien\" (x INT);"
                           "CREATE TABLE Counter (ID INTEGER PRIMARY KEY AUTOINCREMENT);"
                           "CREATE INDEX beta_a ON beta (a);"
                           "CREATE VIEW zview AS SELECT 1 AS one;"
                           "CREATE VIEW Aview AS SELECT a, b FROM beta;"
                           "INSERT INTO beta VALUES (1, 'x');"
                           "ANALYZE;");
    const std::vector<TCatalogRow> rows = OpenSqliteSchemaSource(Path)->ReadCatalogue();
    // Filtered to tables and views, the names must come in this order; the rest are SQLite's own.
    std::vector<std::string> listed;
    std::vector<std::string> system;
    for (const TCatalogRow& row : rows) {
        const bool user = row.TableType == "TABLE" || row.TableType == "VIEW";
        (user ? listed : system).push_back(row.TableName + " " + row.TableType);
    }
    EXPECT_EQ(listed, (std::vector<std::string>{"Alpha TABLE", "Counter TABLE", "O'Brien TABLE",
                                                "Order Details TABLE", "Zed TABLE", "_under TABLE",
                                                "beta TABLE", "Aview VIEW", "zview VIEW"}));
    std::sort(system.begin(), system.end());
    EXPECT_EQ(system, (std::vector<std::string>{"sqlite_sequence SYSTEM TABLE",
                                                "sqlite_stat1 SYSTEM TABLE"}));

    // Names with blanks and apostrophes are described like any other, and so are views.
    const std::vector<TFieldDescriptor> details = FieldsOf("Order Details");
    ASSERT_EQ(details.size(), 2u);
    // Both may be empty and have no default; SQLite keeps no comments.
    const TColumnFacts nullable{false, false, std::nullopt};
    EXPECT_EQ(details[0],
              (TFieldDescriptor{"Unit Price", T::ftBCD, 4, false, 19, false, nullable}));
    EXPECT_EQ(details[1], (TFieldDescriptor{"Qty", T::ftSmallint, 0, false, 0, false, nullable}));
    EXPECT_EQ(FieldsOf("O'Brien").size(), 1u);
    const std::vector<TFieldDescriptor> view = FieldsOf("Aview");
    ASSERT_EQ(view.size(), 2u);
    EXPECT_EQ(view[1].DataType, T::ftMemo);
    EXPECT_THROW(FieldsOf("Missing"), EDatabaseError);
    EXPECT_THROW(FieldsOf("beta' OR '1'='1"), EDatabaseError);
}

TEST_F(SqliteSchemaSourceTest, OpeningSomethingThatIsNoDatabaseNamesIt) {
    const std::string text = Folder.File("notes.db");
    WriteFile(text, std::string(4096, 'x') + "\nThis is a text file, not a database.\n");
    std::filesystem::create_directory(Folder.File("folder.db"));
    for (const std::string& path : {Folder.File("missing.db"), Folder.File("folder.db"), text}) {
        try {
            OpenSqliteSchemaSource(path);
            ADD_FAILURE() << "no error for " << path;
        } catch (const EDatabaseError& error) {
            EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
        }
    }
    EXPECT_FALSE(std::filesystem::exists(Folder.File("missing.db")));
}

TEST_F(SqliteSchemaSourceTest, ReadingTheSchemaLeavesTheFileUntouched) {
    CreateSqliteFile(Path, "CREATE TABLE Orders (ID INTEGER PRIMARY KEY, Total MONEY);"
                           "INSERT INTO Orders (Total) VALUES (12.5);");
    const std::string before = ReadFile(Path);
    {
        const auto source = OpenSqliteSchemaSource(Path);
        EXPECT_EQ(source->ReadCatalogue().size(), 1u);
        EXPECT_EQ(source->DescribeTable("Orders").Columns.size(), 2u);
    }
    EXPECT_EQ(ReadFile(Path), before);
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(Folder.Path())) {
        files.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(files, std::vector<std::string>{"test.db"});
}

// The private folders of this process that a kind of reader leaves in the temporary folder.
std::vector<std::string> PrivateFoldersLeft(const std::string& kind) {
    std::vector<std::string> left;
    const std::string prefix = kind + "-" + std::to_string(::getpid()) + "-";
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::temp_directory_path())) {
        if (entry.path().filename().string().rfind(prefix, 0) == 0) {
            left.push_back(entry.path().string());
        }
    }
    return left;
}

std::vector<std::string> NamesOf(ISchemaSource& source) {
    std::vector<std::string> names;
    for (const TCatalogRow& row : source.ReadCatalogue()) {
        names.push_back(row.TableName);
    }
    return names;
}

TEST_F(SqliteSchemaSourceTest, WalDatabasesAreReadWholeWithoutAFileWrittenBesideThem) {
    // Changes still in the -wal (its writer has the database open, or was killed): the tables
    // there are read as well, from a private copy, and nothing beside the input changes.
    CreateWalSqliteFile(Path, "CREATE TABLE Base (ID INTEGER PRIMARY KEY);",
                        "CREATE TABLE OnlyInWal (ID INTEGER PRIMARY KEY, Note TEXT);"
                        "INSERT INTO OnlyInWal (Note) VALUES ('kept');");
    ASSERT_GT(std::filesystem::file_size(Path + "-wal"), 0u);
    const auto before = FolderState(Folder.Path());
    {
        const auto source = OpenSqliteSchemaSource(Path);
        EXPECT_EQ(NamesOf(*source), (std::vector<std::string>{"Base", "OnlyInWal"}));
        EXPECT_EQ(source->DescribeTable("OnlyInWal").Columns.size(), 2u);
        EXPECT_EQ(PrivateFoldersLeft("quorvane-sqlite").size(), 1u) << "no private copy was read";
    }
    EXPECT_EQ(FolderState(Folder.Path()), before);
    EXPECT_TRUE(PrivateFoldersLeft("quorvane-sqlite").empty()) << "the private copy stayed";

    // A WAL database whose writers have all closed it has no -wal: it is read in place, and
    // SQLite makes no -wal or -shm beside it. Nor does an empty -wal make one.
    const std::string closed = Folder.File("closed.db");
    CreateSqliteFile(closed, "PRAGMA journal_mode=WAL; CREATE TABLE Closed (ID INTEGER);");
    ASSERT_FALSE(std::filesystem::exists(closed + "-wal"));
    for (const bool emptyWal : {false, true}) {
        SCOPED_TRACE(emptyWal ? "an empty -wal" : "no -wal");
        if (emptyWal) {
            WriteFile(closed + "-wal", "");
        }
        const auto state = FolderState(Folder.Path());
        EXPECT_EQ(NamesOf(*OpenSqliteSchemaSource(closed)), std::vector<std::string>{"Closed"});
        EXPECT_EQ(FolderState(Folder.Path()), state);
        EXPECT_TRUE(PrivateFoldersLeft("quorvane-sqlite").empty());
    }

    // A path SQLite would read as a query or a host: its characters are escaped.
    const std::string odd = Folder.File("odd?mode=rw#x%41.db");
    CreateSqliteFile(odd, "CREATE TABLE Odd (ID INTEGER);");
    EXPECT_EQ(NamesOf(*OpenSqliteSchemaSource(odd)), std::vector<std::string>{"Odd"});
}

TEST_F(SqliteSchemaSourceTest, BackUpCopiesTheWalsChangesWithTheInputsPermissions) {
    CreateWalSqliteFile(Path,
                        "CREATE TABLE Base (ID INTEGER PRIMARY KEY, Name TEXT);"
                        "INSERT INTO Base (Name) VALUES ('first');",
                        "INSERT INTO Base (Name) VALUES ('second');"
                        "CREATE TABLE OnlyInWal (ID INTEGER PRIMARY KEY);");
    std::filesystem::permissions(Path, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_write |
                                           std::filesystem::perms::group_read);
    const std::string expected = SqliteContentOf(Path);
    ASSERT_NE(expected.find("OnlyInWal"), std::string::npos);
    const auto before = FolderState(Folder.Path());

    const std::filesystem::path target = Folder.Path() / "out";
    std::filesystem::create_directory(target);
    BackUpSqliteDatabase(Path, TOutputPath{target.string(), "Database.sqlite"});

    // One file, consistent on its own: no -wal or journal beside it is needed to read it all.
    std::vector<std::string> written;
    for (const auto& entry : std::filesystem::directory_iterator(target)) {
        written.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(written, std::vector<std::string>{"Database.sqlite"});
    const std::string copy = (target / "Database.sqlite").string();
    EXPECT_EQ(SqliteContentOf(copy, true), expected);
    EXPECT_EQ(std::filesystem::status(copy).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
    std::filesystem::remove_all(target);
    EXPECT_EQ(FolderState(Folder.Path()), before);
    EXPECT_TRUE(PrivateFoldersLeft("quorvane-sqlite").empty());

    // What is no SQLite database is no copy either.
    WriteFile(Folder.File("notes.db"), std::string(4096, 'x'));
    EXPECT_THROW(BackUpSqliteDatabase(Folder.File("notes.db"),
                                      TOutputPath{Folder.Path().string(), "copy.sqlite"}),
                 EFileError);
    EXPECT_FALSE(std::filesystem::exists(Folder.File("copy.sqlite")));
}

TEST_F(SqliteSchemaSourceTest, GeneratedSelectTextsRunOnTheDatabase) {
    // Names that unquoted would not reach their table: a blank, a hyphen, a leading digit, a
    // reserved word, an apostrophe, a bracket, letters beyond ASCII. Each select text the run
    // writes must run on the database it came from.
    CreateSqliteFile(Path, "CREATE TABLE Orders (id INTEGER PRIMARY KEY);"
                           "CREATE TABLE [Order Details] (id INTEGER);"
                           "CREATE TABLE \"Order-Lines\" (id INTEGER);"
                           "CREATE TABLE \"2019Sales\" (id INTEGER);"
                           "CREATE TABLE \"order\" (id INTEGER);"
                           "CREATE TABLE \"Buyer's\" (id INTEGER);"
                           "CREATE TABLE \"a]b\" (id INTEGER);"
                           "CREATE TABLE \"Gr\xC3\xB6\xC3\x9F"
                           "e\" (id INTEGER);"
                           "CREATE VIEW \"Order View\" AS SELECT * FROM Orders;");
    testing::WriteMiniTemplate(Folder.Path() / "MidasProject");
    TDM dm;
    TProjectParam options;
    options.Database.UDLFile = Path;
    options.Directories.TemplateDir = Folder.File("MidasProject");
    options.Directories.OutputDir = Folder.File("out");
    dm.Generate(options);

    const std::vector<std::string> selects =
        testing::SelectTextsOf(Folder.File("out/MidasProject/Midas_AppServer/rdmMain.dfm"));
    ASSERT_EQ(selects.size(), 9u);
    EXPECT_EQ(selects.front(), "select * from [2019Sales]");
    sqlite3* database = nullptr;
    ASSERT_EQ(sqlite3_open_v2(Path.c_str(), &database, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    for (const std::string& select : selects) {
        sqlite3_stmt* statement = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(database, select.c_str(), -1, &statement, nullptr), SQLITE_OK)
            << select << ": " << sqlite3_errmsg(database);
        EXPECT_NE(statement, nullptr) << select;
        if (statement != nullptr) {
            EXPECT_EQ(sqlite3_step(statement), SQLITE_DONE) << select;
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(database);
}

} // namespace
} // namespace quorvane
