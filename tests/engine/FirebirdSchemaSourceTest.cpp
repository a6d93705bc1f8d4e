// The Firebird back-end on database files opened by the embedded engine: the type mapping, a
// schema the test makes with every column type, domains, computed and identity columns, names
// that need quoting, a view and the character sets UTF8 and NONE; NOT NULL, defaults, comments
// and keys of related tables; the select texts a run writes;
// the messages for files that are missing, damaged or no database at all; the file left exactly
// as it was (the engine reads a private copy); and the engine's lock folder, which must be the
// user's own.
//
// The databases are made by isql-fb (firebird3.0-utils); without it these tests are skipped,
// except under CI.

#include "schema/firebird/FirebirdSchemaSource.h"
#include "FirebirdTestDatabase.h"
#include "MiniTemplate.h"
#include "PlanSupport.h"
#include "SchemaCheck.h"
#include "TempDir.h"
#include "datalink/DataLink.h"
#include "generate/dmCodeGenerator.h"
#include "text/EngineErrors.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace quorvane {
namespace {

using T = TFieldType;
using testing::CheckSchema;
using testing::DescriptorText;
using testing::F;
using testing::TExpectedTable;
namespace fs = std::filesystem;

// --- The type table ----------------------------------------------------------------------------

struct TMappingCase {
    const char* What;
    TFirebirdColumnType Type;
    int AdoType;
    std::int64_t DefinedSize;
    int Precision;
    int Scale;
    unsigned Attributes;
};

TFirebirdColumnType Type(int fieldType, int subType = 0, int length = 0, int precision = 0,
                         int scale = 0) {
    TFirebirdColumnType type;
    type.FieldType = fieldType;
    type.SubType = subType;
    type.Length = length;
    type.Precision = precision;
    type.Scale = scale;
    return type;
}

TFirebirdColumnType Text(int fieldType, int bytes, std::optional<int> characters, int charset,
                         int bytesPerCharacter, int subType = 0) {
    TFirebirdColumnType type = Type(fieldType, subType, bytes);
    type.CharacterLength = characters;
    type.CharacterSetId = charset;
    type.BytesPerCharacter = bytesPerCharacter;
    return type;
}

TEST(FirebirdColumnTypeTest, MapsEachTypeAsAnOleDbProviderForFirebirdReportsIt) {
    using namespace ado;
    TFirebirdColumnType array = Type(8, 0, 4);
    array.IsArray = true;
    const std::vector<TMappingCase> cases = {
        {"SMALLINT", Type(7, 0, 2), adSmallInt, 0, 5, 0, adFldFixed},
        {"INTEGER", Type(8, 0, 4), adInteger, 0, 10, 0, adFldFixed},
        {"BIGINT", Type(16, 0, 8), adBigInt, 0, 19, 0, adFldFixed},
        {"NUMERIC(4,0) stored as SMALLINT", Type(7, 1, 2, 4, 0), adNumeric, 0, 4, 0, adFldFixed},
        {"NUMERIC(9,2)", Type(8, 1, 4, 9, -2), adNumeric, 0, 9, 2, adFldFixed},
        {"DECIMAL(18,4)", Type(16, 2, 8, 18, -4), adNumeric, 0, 18, 4, adFldFixed},
        {"an old NUMERIC without its precision", Type(8, 0, 4, 0, -2), adNumeric, 0, 9, 2,
         adFldFixed},
        {"a dialect 1 NUMERIC(15,2), stored as a double", Type(27, 0, 8, 0, -2), adNumeric, 0, 15,
         2, adFldFixed},
        {"INT128 NUMERIC(38,6)", Type(26, 1, 16, 38, -6), adNumeric, 0, 38, 6, adFldFixed},
        {"FLOAT", Type(10, 0, 4), adSingle, 0, 7, 0, adFldFixed},
        {"DOUBLE PRECISION", Type(27, 0, 8), adDouble, 0, 15, 0, adFldFixed},
        {"DATE", Type(12, 0, 4), adDBDate, 0, 0, 0, adFldFixed},
        {"TIME", Type(13, 0, 4), adDBTime, 0, 0, 0, adFldFixed},
        {"TIMESTAMP", Type(35, 0, 8), adDBTimeStamp, 0, 0, 0, adFldFixed},
        {"TIMESTAMP WITH TIME ZONE", Type(29, 0, 10), adDBTimeStamp, 0, 0, 0, adFldFixed},
        {"BOOLEAN", Type(23, 0, 1), adBoolean, 0, 0, 0, adFldFixed},
        {"CHAR(3) NONE", Text(14, 3, 3, 0, 1), adChar, 3, 0, 0, adFldFixed},
        {"VARCHAR(40) WIN1252", Text(37, 40, 40, 53, 1), adVarChar, 40, 0, 0, 0},
        {"CHAR(5) UTF8, in characters", Text(14, 20, 5, 4, 4), adWChar, 5, 0, 0, adFldFixed},
        {"VARCHAR(10) UNICODE_FSS", Text(37, 30, 10, 3, 3), adVarWChar, 10, 0, 0, 0},
        {"computed UTF8 text, no character length", Text(37, 124, std::nullopt, 4, 4), adVarWChar,
         31, 0, 0, 0},
        {"CHAR(16) OCTETS, in bytes", Text(14, 16, 16, 1, 1), adBinary, 16, 0, 0, adFldFixed},
        {"VARCHAR(20) OCTETS", Text(37, 20, 20, 1, 1), adVarBinary, 20, 0, 0, 0},
        {"BLOB SUB_TYPE TEXT NONE", Text(261, 8, std::nullopt, 0, 1, 1), adLongVarChar, 0, 0, 0, 0},
        {"BLOB SUB_TYPE TEXT UTF8", Text(261, 8, std::nullopt, 4, 4, 1), adLongVarWChar, 0, 0, 0,
         0},
        {"BLOB SUB_TYPE TEXT OCTETS", Text(261, 8, std::nullopt, 1, 1, 1), adLongVarBinary, 0, 0, 0,
         0},
        {"BLOB SUB_TYPE BINARY", Type(261, 0, 8), adLongVarBinary, 0, 0, 0, 0},
        {"BLOB of a user's sub-type", Type(261, -5, 8), adLongVarBinary, 0, 0, 0, 0},
        {"an array", array, adEmpty, 0, 0, 0, 0},
        {"DECFLOAT(34), which ADO has no type for", Type(25, 0, 16), adEmpty, 0, 0, 0, 0},
    };
    for (const TMappingCase& mapping : cases) {
        SCOPED_TRACE(mapping.What);
        const TColumnInfo column = MapFirebirdColumnType(mapping.Type);
        EXPECT_EQ(column.Type, mapping.AdoType);
        EXPECT_EQ(column.DefinedSize, mapping.DefinedSize);
        EXPECT_EQ(column.Precision, mapping.Precision);
        EXPECT_EQ(column.NumericScale, mapping.Scale);
        EXPECT_EQ(column.Attributes, mapping.Attributes);
    }
}

// --- Databases the test makes ------------------------------------------------------------------

// Every type of the type table, domains, computed columns, an identity key and an array (which
// gives no field), in a database whose default character set is NONE; names with a blank, with
// quotes, in lower and mixed case; a view over expressions.
const char* const EveryTypeSchema = R"SQL(
CREATE DOMAIN D_MONEY AS NUMERIC(15,2);
CREATE DOMAIN D_NAME AS VARCHAR(30) CHARACTER SET UTF8;
CREATE DOMAIN D_FLAG AS BOOLEAN;
CREATE TABLE EVERY_TYPE (
  ID INTEGER GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY,
  C_SMALLINT SMALLINT, C_INTEGER INTEGER, C_BIGINT BIGINT,
  C_NUM4 NUMERIC(4,0), C_NUM9_2 NUMERIC(9,2), C_DEC18_4 DECIMAL(18,4), C_NUM12 NUMERIC(12,0),
  C_FLOAT FLOAT, C_DOUBLE DOUBLE PRECISION,
  C_CHAR CHAR(3), C_VARCHAR VARCHAR(40),
  C_CHAR_UTF8 CHAR(5) CHARACTER SET UTF8, C_VARCHAR_UTF8 VARCHAR(50) CHARACTER SET UTF8,
  C_VARCHAR_FSS VARCHAR(10) CHARACTER SET UNICODE_FSS,
  C_VARCHAR_LATIN VARCHAR(12) CHARACTER SET ISO8859_1,
  C_CHAR_OCTETS CHAR(16) CHARACTER SET OCTETS, C_VARCHAR_OCTETS VARCHAR(20) CHARACTER SET OCTETS,
  C_TEXT BLOB SUB_TYPE TEXT, C_TEXT_UTF8 BLOB SUB_TYPE TEXT CHARACTER SET UTF8,
  C_BLOB BLOB SUB_TYPE BINARY, C_BLOB_USER BLOB SUB_TYPE -5,
  C_DATE DATE, C_TIME TIME, C_TIMESTAMP TIMESTAMP, C_BOOLEAN BOOLEAN,
  C_MONEY D_MONEY, C_NAME D_NAME, C_FLAG D_FLAG, C_ARRAY INTEGER[3],
  C_TWICE COMPUTED BY (C_INTEGER * 2), C_GREETING COMPUTED BY (C_NAME || '!')
);
CREATE TABLE "order lines" (
  "line id" BIGINT GENERATED BY DEFAULT AS IDENTITY, "Unit Price" NUMERIC(12,2),
  "Note" VARCHAR(20), "NOTE" CHAR(1));
CREATE TABLE "odd ""quote"" name" (X INTEGER);
CREATE TABLE "lower_case" (n SMALLINT);
CREATE VIEW V_ORDERS AS SELECT "line id", "Unit Price" * 2 AS DOUBLED, "Note" || 'x' AS NOTED
  FROM "order lines";
CREATE VIEW "A view" AS SELECT X FROM "odd ""quote"" name";
)SQL";

const std::vector<std::string> EveryTypeTables = {"EVERY_TYPE",  "lower_case", "odd \"quote\" name",
                                                  "order lines", "A view",     "V_ORDERS"};

const std::vector<TExpectedTable> EveryTypeFields = {
    {"EVERY_TYPE",
     {F("ID", T::ftAutoInc),
      F("C_SMALLINT", T::ftSmallint),
      F("C_INTEGER", T::ftInteger),
      F("C_BIGINT", T::ftLargeint),
      F("C_NUM4", T::ftInteger), // a NUMERIC of fewer than 10 digits without scale
      F("C_NUM9_2", T::ftBCD, 2),
      F("C_DEC18_4", T::ftBCD, 4),
      F("C_NUM12", T::ftBCD),
      F("C_FLOAT", T::ftFloat),
      F("C_DOUBLE", T::ftFloat),
      F("C_CHAR", T::ftFixedChar, 3, true),
      F("C_VARCHAR", T::ftString, 40),
      F("C_CHAR_UTF8", T::ftWideString, 5, true),
      F("C_VARCHAR_UTF8", T::ftWideString, 50),
      F("C_VARCHAR_FSS", T::ftWideString, 10),
      F("C_VARCHAR_LATIN", T::ftString, 12),
      F("C_CHAR_OCTETS", T::ftBytes, 16),
      F("C_VARCHAR_OCTETS", T::ftVarBytes, 20),
      F("C_TEXT", T::ftMemo),
      F("C_TEXT_UTF8", T::ftMemo),
      F("C_BLOB", T::ftBlob),
      F("C_BLOB_USER", T::ftBlob),
      F("C_DATE", T::ftDate),
      F("C_TIME", T::ftTime),
      F("C_TIMESTAMP", T::ftDateTime),
      F("C_BOOLEAN", T::ftBoolean),
      F("C_MONEY", T::ftBCD, 2),        // the domain's NUMERIC(15,2)
      F("C_NAME", T::ftWideString, 30), // the domain's UTF8 text
      F("C_FLAG", T::ftBoolean),        // no C_ARRAY: no ADO type holds an array
      F("C_TWICE", T::ftLargeint),      // INTEGER * 2 is a BIGINT in dialect 3
      F("C_GREETING", T::ftWideString, 31)}},
    // Only integers become ftAutoInc: a BIGINT identity stays a ftLargeint.
    {"order lines",
     {F("line id", T::ftLargeint), F("Unit Price", T::ftBCD, 2), F("Note", T::ftString, 20),
      F("NOTE_1", T::ftFixedChar, 1, true)}},
    {"odd \"quote\" name", {F("X", T::ftInteger)}},
    {"lower_case", {F("N", T::ftSmallint)}},
    // A view's columns are typed as their expressions; its identity column is no identity.
    {"V_ORDERS",
     {F("line id", T::ftLargeint), F("DOUBLED", T::ftBCD, 2), F("NOTED", T::ftString, 21)}},
    {"A view", {F("X", T::ftInteger)}},
};

TEST(FirebirdEmbeddedTest, EveryTypeDomainsComputedIdentityViewsAndCharacterSets) {
    QUORVANE_REQUIRE_ISQL();
    TTempDir folder;
    const std::string database = folder.File("every type.fdb");
    testing::CreateEmbeddedDatabase(database, EveryTypeSchema);
    CheckSchema(database, EveryTypeTables, EveryTypeFields);

    // The same file through data-link files of the IBProvider family and of another Firebird
    // provider, named relative to the link's folder; the embedded engine takes the user as
    // given and checks no password.
    for (const std::string provider : {"LCPI.IBProvider.5", "FirebirdSql.OleDb"}) {
        SCOPED_TRACE(provider);
        TConnectionProperties link;
        link.Set("Provider", provider);
        link.Set("Data Source", "every type.fdb");
        link.Set("User ID", "SYSDBA");
        link.Set("Password", "masterkey");
        const std::string udl = folder.File("every type.udl");
        WriteDataLinkFile(udl, link);
        CheckSchema(udl, EveryTypeTables, {EveryTypeFields[1]});
    }

    // A name the catalogue does not list fails, naming it and the file.
    const auto source = OpenSchemaSource(ConnectionStringForDatabase(database));
    try {
        source->DescribeTable("no such table");
        ADD_FAILURE() << "no error for a missing table";
    } catch (const EDatabaseError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot open table \"no such table\" of Firebird database \"" + database +
                      "\". There is no such table or view.");
    }
    EXPECT_THROW(source->DescribeTable(std::string(40000, 'x')), EDatabaseError);
    // Files are read with no server: no statement counts as sent to one.
    std::vector<TCatalogRow> rows;
    for (const std::string& name : EveryTypeTables) {
        rows.push_back({name, "TABLE", ""});
    }
    source->DescribeTables(rows);
    EXPECT_EQ(source->StatementsSent(), 0u);
    EXPECT_EQ(source->IdentifierQuoting(), (TIdentifierQuoting{TSqlDialect::Firebird, "\""}));
}

TEST(FirebirdEmbeddedTest, UnicodeDatabaseReportsWideTextAndNamesAsUtf8) {
    QUORVANE_REQUIRE_ISQL();
    TTempDir folder;
    const std::string database = folder.File("unicode.gdb");
    const std::string greek = "\xCE\xA0\xCE\xB5\xCE\xB5"; // a table name in Greek letters
    testing::CreateEmbeddedDatabase(database,
                                    "CREATE TABLE \"Gr\xC3\xB6\xC3\x9F"
                                    "e\" (\"Stra\xC3\x9F"
                                    "e\" VARCHAR(20), CODE CHAR(2), NOTES BLOB SUB_TYPE TEXT, "
                                    "LATIN VARCHAR(8) CHARACTER SET NONE);\n"
                                    "CREATE TABLE \"" +
                                        greek + "\" (ID INTEGER);",
                                    "UTF8");
    CheckSchema(database,
                {"Gr\xC3\xB6\xC3\x9F"
                 "e",
                 greek},
                {{"Gr\xC3\xB6\xC3\x9F"
                  "e",
                  {F("Stra\xC3\x9F"
                     "e",
                     T::ftWideString, 20),
                   F("CODE", T::ftWideString, 2, true), F("NOTES", T::ftMemo),
                   F("LATIN", T::ftString, 8)}}});
}

TEST(FirebirdEmbeddedTest, NotNullDefaultsCommentsAndKeysOfRelatedTables) {
    QUORVANE_REQUIRE_ISQL();
    TTempDir folder;
    const std::string database = folder.File("keys.fdb");
    testing::CreateEmbeddedDatabase(database, "", "UTF8");
    // The comments go in as UTF-8 text, so isql-fb must say that it sends UTF-8.
    testing::RunIsql(testing::KeysAndFactsSchema() + "COMMIT;\n", {"-ch", "UTF8", database});
    const auto source = OpenFirebirdSchemaSource({database, "", "", ""}, "the keys database");
    testing::CheckKeysAndFacts(*source);
    EXPECT_EQ(source->StatementsSent(), 0u);
}

// Generates the projects over `database` and runs every select text of the server module on it:
// each must reach its table.
void ExpectSelectTextsToRun(const std::string& database, const std::vector<std::string>& connect,
                            std::size_t tables) {
    TTempDir folder;
    testing::WriteMiniTemplate(folder.Path() / "MidasProject");
    TDM dm;
    TProjectParam options;
    options.Database.UDLFile = database;
    options.Directories.TemplateDir = folder.File("MidasProject");
    options.Directories.OutputDir = folder.File("out");
    dm.Generate(options);
    const std::vector<std::string> selects =
        testing::SelectTextsOf(folder.File("out/MidasProject/Midas_AppServer/rdmMain.dfm"));
    EXPECT_EQ(selects.size(), tables);
    std::string script;
    for (const std::string& select : selects) {
        script += select + ";\n";
    }
    const std::string output = testing::RunIsql(script, connect, false);
    EXPECT_EQ(output.find("Statement failed"), std::string::npos) << output;
}

// Names that an unquoted select text would not reach: Firebird folds unquoted names to upper
// case, so "customers" and "Orders" need quotes and ORDERS does not; reserved words, a leading
// digit, punctuation, a blank, a quote and letters beyond ASCII need them too.
const char* const SelectSchema = R"SQL(
CREATE TABLE "customers" (ID INTEGER);
CREATE TABLE ORDERS (ID INTEGER);
CREATE TABLE "Orders" (ID INTEGER);
CREATE TABLE "ORDER" (ID INTEGER);
CREATE TABLE "2019Sales" (ID INTEGER);
CREATE TABLE "Order-Lines" (ID INTEGER);
CREATE TABLE "Order Details" (ID INTEGER);
CREATE TABLE "it's" (ID INTEGER);
CREATE TABLE "say ""hi""" (ID INTEGER);
CREATE TABLE "Größe" (ID INTEGER);
CREATE VIEW "Open Orders" AS SELECT * FROM "Orders";
)SQL";

TEST(FirebirdEmbeddedTest, GeneratedSelectTextsRunOnTheDatabase) {
    QUORVANE_REQUIRE_ISQL();
    TTempDir folder;
    const std::string database = folder.File("selects.fdb");
    testing::CreateEmbeddedDatabase(database, SelectSchema, "UTF8");
    ExpectSelectTextsToRun(database, {database}, 11);
}

// Overwrites `count` bytes of `path` from `offset` on with random bytes.
void Damage(const std::string& path, std::streamoff offset, std::size_t count) {
    std::mt19937 random(20240611);
    std::string bytes(count, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random());
    }
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(offset);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

TEST(FirebirdEmbeddedTest, MissingDamagedAndForeignFilesEndWithAMessageNamingThem) {
    QUORVANE_REQUIRE_ISQL();
    TTempDir folder;
    const std::string good = folder.File("good.fdb");
    testing::CreateEmbeddedDatabase(good, "CREATE TABLE T1 (ID INTEGER, NAME VARCHAR(20));");
    const std::uintmax_t size = fs::file_size(good);

    // The pages after the header hold the system tables a connection reads first.
    const std::string damaged = folder.File("damaged.fdb");
    fs::copy_file(good, damaged);
    Damage(damaged, 4096, static_cast<std::size_t>(size) - 8192);
    const std::string foreign = folder.File("notes.ib");
    WriteFile(foreign, std::string(20000, 'x'));
    const std::string empty = folder.File("empty.fdb");
    WriteFile(empty, "");
    const std::string truncated = folder.File("truncated.fdb");
    WriteFile(truncated, ReadFile(good).substr(0, 1024));
    const std::string pipe = folder.File("pipe.fdb");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string directory = folder.File("folder.gdb");
    fs::create_directories(directory);

    const std::vector<std::pair<std::string, std::string>> cases = {
        {folder.File("missing.fdb"), "No such file or directory"},
        {damaged, ""},
        {foreign, "is not a valid database"},
        {empty, ""},
        {truncated, ""},
        {pipe, "It is no regular file"},
        {directory, "It is a folder"},
    };
    for (const auto& [path, reason] : cases) {
        SCOPED_TRACE(path);
        try {
            TDM dm;
            dm.ConnectDatabase(path, "", false);
            dm.ADOConnection.Snapshot();
            ADD_FAILURE() << "no error";
        } catch (const EDatabaseError& error) {
            const std::string message = error.what();
            EXPECT_EQ(message.rfind("Cannot open Firebird database \"" + path + "\". ", 0), 0u)
                << message;
            EXPECT_NE(message.find(reason), std::string::npos) << message;
            // Firebird's own reason follows, not an empty one.
            EXPECT_GT(message.size(), path.size() + 40) << message;
        }
    }

    // Through a data-link file holding a password: the password is in no message.
    TConnectionProperties link;
    link.Set("Provider", "LCPI.IBProvider.5");
    link.Set("Data Source", "missing.fdb");
    link.Set("User ID", "SYSDBA");
    link.Set("Password", "Very;Secret{7}");
    const std::string udl = folder.File("missing.udl");
    WriteDataLinkFile(udl, link);
    try {
        OpenSchemaSource("FILE NAME=" + udl);
        ADD_FAILURE() << "no error";
    } catch (const EDatabaseError& error) {
        const std::string message = error.what();
        EXPECT_EQ(message.rfind("Cannot open Firebird database \"" + folder.File("missing.fdb") +
                                    "\" (provider \"LCPI.IBProvider.5\" of data-link file \"" +
                                    udl + "\"). ",
                                0),
                  0u)
            << message;
        EXPECT_EQ(message.find("Secret"), std::string::npos) << message;
    }

    // The good file still reads after all that.
    CheckSchema(good, {"T1"}, {{"T1", {F("ID", T::ftInteger), F("NAME", T::ftString, 20)}}});
}

TEST(FirebirdEmbeddedTest, FileAnotherProgramHoldsEndsWithAMessageSayingSo) {
    QUORVANE_REQUIRE_ISQL();
    TTempDir folder;
    const std::string database = folder.File("held.fdb");
    testing::CreateEmbeddedDatabase(database, "CREATE TABLE T1 (ID INTEGER);");
    // isql-fb holds the file from its first answer until its input ends; the engine of another
    // process then cannot open it.
    const std::string answers = folder.File("answers.txt");
    FILE* holder =
        ::popen((testing::ShellWord(testing::IsqlProgram()) + " -q " +
                 testing::ShellWord(database) + " >" + testing::ShellWord(answers) + " 2>&1")
                    .c_str(),
                "w");
    ASSERT_NE(holder, nullptr);
    std::fputs("SELECT 'holding' FROM RDB$DATABASE;\n", holder);
    std::fflush(holder);
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while ((!fs::exists(answers) || ReadFile(answers).find("holding") == std::string::npos) &&
           std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::string message;
    try {
        OpenSchemaSource(ConnectionStringForDatabase(database));
    } catch (const EDatabaseError& error) {
        message = error.what();
    }
    std::fputs("QUIT;\n", holder);
    ::pclose(holder);
    EXPECT_EQ(message.rfind("Cannot open Firebird database \"" + database + "\". ", 0), 0u)
        << message << "\n"
        << ReadFile(answers);
    EXPECT_NE(message.find("Another program or a Firebird server has the file open"),
              std::string::npos)
        << message;
    // Once it is let go, the file opens again.
    CheckSchema(database, {"T1"}, {{"T1", {F("ID", T::ftInteger)}}});
}

// The folders "<kind>-<this process>-XXXXXX" in `temporary`.
std::vector<fs::path> PrivateFoldersOf(const fs::path& temporary, const std::string& kind) {
    std::vector<fs::path> found;
    const std::string prefix = kind + "-" + std::to_string(::getpid()) + "-";
    for (const auto& entry : fs::directory_iterator(temporary)) {
        if (entry.path().filename().string().rfind(prefix, 0) == 0) {
            found.push_back(entry.path());
        }
    }
    return found;
}

TEST(FirebirdEmbeddedTest, ReadingAFileWritesNothingToItOrBesideIt) {
    QUORVANE_REQUIRE_ISQL();
    TTempDir folder;
    const std::string database = folder.File("orders.fdb");
    testing::CreateEmbeddedDatabase(database, "CREATE TABLE T1 (ID INTEGER, NAME VARCHAR(20));");
    // An old time of change, so that any write to the file would show; and a file its owner may
    // only read (the engine would refuse it, as it opens what it reads for writing).
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(24 * 400);
    fs::last_write_time(database, old);
    fs::permissions(database, fs::perms::owner_read | fs::perms::group_read);
    const auto before = FolderState(folder.Path());
    {
        const auto source = OpenSchemaSource(ConnectionStringForDatabase(database));
        EXPECT_EQ(source->ReadCatalogue().size(), 1u);
        EXPECT_EQ(source->DescribeTable("T1").Columns.size(), 2u);
        // The engine reads a copy of its own, not the file.
        EXPECT_EQ(PrivateFoldersOf(fs::temp_directory_path(), "quorvane-firebird-copy").size(), 1u);
    }
    EXPECT_EQ(FolderState(folder.Path()), before) << "the database or its folder changed";
    EXPECT_TRUE(PrivateFoldersOf(fs::temp_directory_path(), "quorvane-firebird-copy").empty())
        << "the copy was left behind";

    // Firebird's messages about what it read name the file, never the copy.
    const std::string foreign = folder.File("notes.fdb");
    WriteFile(foreign, std::string(20000, 'x'));
    try {
        OpenSchemaSource(ConnectionStringForDatabase(foreign));
        ADD_FAILURE() << "no error";
    } catch (const EDatabaseError& error) {
        const std::string message = error.what();
        EXPECT_EQ(message.find("quorvane-firebird-copy"), std::string::npos) << message;
        EXPECT_NE(message.find("is not a valid database"), std::string::npos) << message;
    }
}

TEST(FirebirdLockFolderTest, AFolderThatIsNotTheUsersOwnIsRefusedForAPrivateOne) {
    TTempDir folder;
    // The private folder goes into the temporary folder: here, this test's own.
    const char* temporary = std::getenv("TMPDIR");
    const std::optional<std::string> savedTemporary =
        temporary != nullptr ? std::optional<std::string>(temporary) : std::nullopt;
    ::setenv("TMPDIR", folder.Path().c_str(), 1);

    // Missing: made, for this user alone.
    const std::string missing = folder.File("fresh");
    EXPECT_EQ(ChooseFirebirdLockFolder({missing}), missing);
    struct stat status {};
    ASSERT_EQ(::lstat(missing.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);
    EXPECT_EQ(ChooseFirebirdLockFolder({missing}), missing) << "the user's own folder is kept";

    // What another local user could have put in its place first: a link, a file, a folder
    // anyone may write to, and (as root, who can give it away) a folder of another user.
    const std::string target = folder.File("elsewhere");
    fs::create_directory(target);
    const std::string link = folder.File("link");
    fs::create_directory_symlink(target, link);
    const std::string file = folder.File("file");
    WriteFile(file, "");
    const std::string open = folder.File("open");
    fs::create_directory(open);
    fs::permissions(open, fs::perms::all);
    const std::string groupWritable = folder.File("group");
    fs::create_directory(groupWritable);
    fs::permissions(groupWritable, fs::perms::owner_all | fs::perms::group_all);
    std::vector<std::string> refused = {link, file, open, groupWritable};
    if (::geteuid() == 0) {
        const std::string foreign = folder.File("foreign");
        fs::create_directory(foreign, folder.Path());
        fs::permissions(foreign, fs::perms::owner_all);
        ASSERT_EQ(::chown(foreign.c_str(), 65534, 65534), 0);
        refused.push_back(foreign);
    }
    for (const std::string& candidate : refused) {
        SCOPED_TRACE(candidate);
        const std::string chosen = ChooseFirebirdLockFolder({candidate});
        EXPECT_NE(chosen, candidate);
        EXPECT_NE(chosen, "/tmp/firebird");
        EXPECT_EQ(fs::path(chosen).parent_path(), folder.Path()) << chosen;
        EXPECT_EQ(fs::path(chosen).filename().string().rfind(
                      "quorvane-firebird-lock-" + std::to_string(::getpid()) + "-", 0),
                  0u)
            << chosen;
        ASSERT_EQ(::lstat(chosen.c_str(), &status), 0);
        EXPECT_TRUE(S_ISDIR(status.st_mode));
        EXPECT_EQ(status.st_uid, ::geteuid());
        EXPECT_EQ(status.st_mode & 0777, 0700u);
        fs::remove(chosen);
    }
    EXPECT_TRUE(fs::is_empty(target)) << "the link was followed";
    // The first good candidate wins over a later one, and a refused one is passed over.
    EXPECT_EQ(ChooseFirebirdLockFolder({link, missing, folder.File("later")}), missing);
    EXPECT_FALSE(fs::exists(folder.File("later")));

    if (savedTemporary) {
        ::setenv("TMPDIR", savedTemporary->c_str(), 1);
    } else {
        ::unsetenv("TMPDIR");
    }
}

} // namespace
} // namespace quorvane

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new quorvane::testing::TFirebirdLockFolder);
    return RUN_ALL_TESTS();
}
