// Connection strings and data-link files: parsing the initialisation string, reading .udl files
// in the encodings Windows tools write, and turning a connection into a schema source or a clear
// error.

#include "datalink/DataLink.h"
#include "SqliteTestFile.h"
#include "TempDir.h"
#include "datalink/DatabaseFile.h"
#include "datalink/ProviderFamily.h"
#include "schema/firebird/FirebirdSchemaSource.h"
#include "text/EngineErrors.h"
#include "text/TextEncoding.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace quorvane {
namespace {

TEST(ConnectionPropertiesTest, ParsesQuotedValuesAndKeysInAnyCase) {
    const TConnectionProperties p = TConnectionProperties::Parse(
        " Provider = SQLite.1 ;Data Source=\"a;b.db\";User ID='O''Hara';"
        "Password=\"say \"\"hi\"\"\"; Extended Properties=\" keep \";Empty=;Last=x");
    EXPECT_EQ(p.Get("provider"), "SQLite.1");
    EXPECT_EQ(p.Get("DATA SOURCE"), "a;b.db");
    EXPECT_EQ(p.Get("user id"), "O'Hara");
    EXPECT_EQ(p.Get("Password"), "say \"hi\"");
    EXPECT_EQ(p.Get("Extended Properties"), " keep ");
    EXPECT_TRUE(p.Has("empty"));
    EXPECT_EQ(p.Get("Empty"), "");
    EXPECT_EQ(p.Get("Last"), "x");
    EXPECT_FALSE(p.Has("Initial Catalog"));
    EXPECT_EQ(p.Get("Initial Catalog"), "");

    // Whatever a value holds, quoting it and parsing it back gives it unchanged.
    for (const std::string value : {"plain", "a;b", "it's", "say \"x\"", " lead", "trail ", ""}) {
        const TConnectionProperties back =
            TConnectionProperties::Parse("Data Source=" + QuoteConnectionValue(value) + ";X=1");
        EXPECT_EQ(back.Get("Data Source"), value);
        EXPECT_EQ(back.Get("X"), "1") << value;
    }
}

class DataLinkFileTest : public ::testing::Test {
protected:
    TTempDir Folder;
};

TEST_F(DataLinkFileTest, ReadsUtf16Utf8And8BitFiles) {
    const std::string initString =
        "Provider=SQLite.1;Data Source=orders.db;Persist Security Info=False";
    const std::string udl16 = Folder.File("wide.udl");
    WriteFile(udl16, EncodeUtf16LeWithBom("[oledb]\r\n; Everything after this line is an OLE DB "
                                          "initstring\r\n" +
                                          initString + "\r\n"));
    const TConnectionProperties wide = ReadDataLinkFile(udl16);
    EXPECT_EQ(wide.Get("Provider"), "SQLite.1");
    EXPECT_EQ(wide.Get("Data Source"), Folder.File("orders.db"));
    EXPECT_EQ(wide.Get("Persist Security Info"), "False");

    const std::string udl8 = Folder.File("utf8.udl");
    WriteFile(udl8, "\xEF\xBB\xBF[oledb]\n;comment\nProvider=SQLite;Data Source=Caf\xC3\xA9.db\n");
    EXPECT_EQ(ReadDataLinkFile(udl8).Get("Data Source"), Folder.File("Caf\xC3\xA9.db"));

    const std::string latin1 = Folder.File("latin1.udl");
    WriteFile(latin1, "[oledb]\r\nProvider=SQLite;Data Source=Caf\xE9.db\r\n");
    EXPECT_EQ(ReadDataLinkFile(latin1).Get("Data Source"), Folder.File("Caf\xC3\xA9.db"));
}

TEST_F(DataLinkFileTest, ResolvesARelativeDataSourceAgainstTheFilesFolder) {
    const std::string udl = Folder.File("links/up.udl");
    WriteFile(udl, "[oledb]\r\nProvider=SQLite;Data Source=../data/x.db\r\n");
    EXPECT_EQ(ReadDataLinkFile(udl).Get("Data Source"), Folder.File("data/x.db"));

    WriteFile(udl, "[oledb]\r\nProvider=SQLite;Data Source=/srv/db/x.db\r\n");
    EXPECT_EQ(ReadDataLinkFile(udl).Get("Data Source"), "/srv/db/x.db");

    // Server names are no files: without a Data Source nothing is added.
    WriteFile(udl, "[oledb]\r\nProvider=SQLOLEDB.1;Initial Catalog=Shop\r\n");
    EXPECT_FALSE(ReadDataLinkFile(udl).Has("Data Source"));
}

TEST_F(DataLinkFileTest, FirebirdFilesGoToTheEmbeddedEngineAndAddressesToAServer) {
    // A database path of a Firebird or InterBase file, in any letter case.
    for (const std::string path : {"/data/employee.fdb", "/data/OLD.GDB", "x.Ib", "a;b.fdb"}) {
        EXPECT_EQ(ConnectionStringForDatabase(path),
                  "Provider=Firebird;Data Source=" + QuoteConnectionValue(path));
    }
    EXPECT_EQ(ConnectionStringForDatabase("/data/x.fdb.udl"), "FILE NAME=/data/x.fdb.udl");
    EXPECT_EQ(ConnectionStringForDatabase("/data/crib"), "FILE NAME=/data/crib");

    for (const char* provider :
         {"Firebird", "LCPI.IBProvider.5", "lcpi.ibprovider.3", "IBProvider.1", "FirebirdSql.OleDb",
          "Interbase.OLEDB.1", "Acme.InterBase.Provider"}) {
        EXPECT_EQ(ProviderFamilyOf(provider), TProviderFamily::Firebird) << provider;
    }
    EXPECT_EQ(ProviderFamilyOf("IBM.Db2"), TProviderFamily::Unknown);

    // What a server address looks like, and what a file path does.
    for (const char* address :
         {"localhost:/db/x.fdb", "db.example.com:employee", "10.0.0.7/3051:/srv/x.fdb",
          "srv/gds_db:C:\\data\\x.fdb", "inet://srv:3051//db/x.fdb", "INET4://srv/employee",
          "[::1]/3050:/db/x.fdb", "[fe80::1]:employee"}) {
        EXPECT_TRUE(IsFirebirdServerAddress(address)) << address;
    }
    for (const char* file :
         {"/db/x.fdb", "x.fdb", "C:\\data\\x.fdb", "c:/data/x.fdb", "/db/a:b.fdb", "./a:b.fdb",
          "../up/x.fdb", ":x.fdb", "employee", "[::1", ""}) {
        EXPECT_FALSE(IsFirebirdServerAddress(file)) << file;
    }

    // A file is taken relative to the data-link file's folder; an address stays as it is.
    const std::string udl = Folder.File("links/fb.udl");
    WriteFile(udl, "[oledb]\r\nProvider=LCPI.IBProvider.5;Data Source=../data/x.fdb\r\n");
    EXPECT_EQ(ReadDataLinkFile(udl).Get("Data Source"), Folder.File("data/x.fdb"));
    WriteFile(udl, "[oledb]\r\nProvider=LCPI.IBProvider.5;Data Source=srv/3051:data/x.fdb\r\n");
    EXPECT_EQ(ReadDataLinkFile(udl).Get("Data Source"), "srv/3051:data/x.fdb");
}

TEST_F(DataLinkFileTest, WhatAFileHoldsDecidesBeforeItsName) {
    // Headers as each kind of database file opens: SQLite's, Access's (Jet and ACE), a Firebird
    // header page (type 1, 8 KiB pages, ODS 12 with Firebird's mark) and InterBase's (ODS 10).
    const auto sized = [](std::string head) {
        head.resize(4096, '\0');
        return head;
    };
    const std::string sqlite = Folder.File("sqlite-data");
    CreateSqliteFile(sqlite, "CREATE TABLE T (ID INTEGER);");
    const std::string firebird(
        sized(std::string("\x01\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\x00\x20\x0C\x80", 20)));
    const std::string interbase(
        sized(std::string("\x01\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\x00\x10\x0A\x00", 20)));
    const std::string jet(sized(std::string("\x00\x01\x00\x00Standard Jet DB\0", 20)));
    const std::string ace(sized(std::string("\x00\x01\x00\x00Standard ACE DB\0", 20)));
    const struct {
        std::string Name, Bytes, Provider, CopyName;
    } cases[] = {
        // A SQLite file without an extension, or with another kind's, is a SQLite database.
        {"orders", ReadFile(sqlite), "Provider=SQLite;", "Database.sqlite"},
        {"orders.udl", ReadFile(sqlite), "Provider=SQLite;", "Database.sqlite"},
        {"orders.fdb", ReadFile(sqlite), "Provider=SQLite;", "Database.sqlite"},
        {"orders.sqlite3", ReadFile(sqlite), "Provider=SQLite;", "Database.sqlite3"},
        {"employee", firebird, "Provider=Firebird;", "Database.fdb"},
        {"employee.db", firebird, "Provider=Firebird;", "Database.fdb"},
        {"legacy.GDB", interbase, "Provider=Firebird;", "Database.GDB"},
        {"northwind", jet, "Provider=Microsoft.Jet.OLEDB.4.0;", "Database.mdb"},
        {"northwind.accdb", jet, "Provider=Microsoft.ACE.OLEDB.12.0;", "Database.accdb"},
        {"sales.dat", ace, "Provider=Microsoft.ACE.OLEDB.12.0;", "Database.accdb"},
        {"sales.mdb", ace, "Provider=Microsoft.Jet.OLEDB.4.0;", "Database.mdb"},
        // A data-link file is one whatever its name, in UTF-16LE or in 8-bit text.
        {"link.db", EncodeUtf16LeWithBom("[oledb]\r\nProvider=SQLite;Data Source=x\r\n"),
         "FILE NAME=", "Database.db"},
        {"link.fdb", "\r\n[OLEDB]\r\nProvider=SQLite;Data Source=x\r\n",
         "FILE NAME=", "Database.fdb"},
        // What shows none of these goes by its name, as before.
        {"notes.sqlite", std::string(4096, 'x'), "Provider=SQLite;", "Database.sqlite"},
        {"empty.fdb", "", "Provider=Firebird;", "Database.fdb"},
        {"other", "plain text", "FILE NAME=", "Database"},
        {"missing.mdb", "", "Provider=Microsoft.Jet.OLEDB.4.0;", "Database.mdb"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string path = Folder.File("sniffed/" + c.Name);
        if (c.Name.rfind("missing", 0) != 0) {
            WriteFile(path, c.Bytes);
        }
        const std::string connection = ConnectionStringForDatabase(path);
        EXPECT_EQ(connection.rfind(c.Provider, 0), 0u) << connection;
        EXPECT_EQ(DatabaseCopyName(path), c.CopyName);
    }
    // A pipe is not read (it would block): its name decides.
    const std::string pipe = Folder.File("sniffed/pipe.sqlite");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(SniffDatabaseFile(pipe), TDatabaseFileKind::Unknown);
    EXPECT_EQ(DatabaseFileKindOf(pipe), TDatabaseFileKind::Sqlite);
    EXPECT_EQ(ConnectionStringForDatabase(pipe).rfind("Provider=SQLite;", 0), 0u);
    EXPECT_EQ(DatabaseFileKindOf(Folder.File("sniffed/sales.dat")), TDatabaseFileKind::Ace);
}

TEST(DatabaseFileKindTest, TheExtensionOfTheFileItselfNamesTheKindInAnyLetterCase) {
    const std::pair<const char*, TDatabaseFileKind> cases[] = {
        {"/data/Orders.SQLite3", TDatabaseFileKind::Sqlite},
        {"orders.db", TDatabaseFileKind::Sqlite},
        {"/data/NORTHWIND.MDB", TDatabaseFileKind::Jet},
        {"/data/sales.accdb", TDatabaseFileKind::Ace},
        {"/data/legacy.Gdb", TDatabaseFileKind::Firebird},
        {"/data/x.ib", TDatabaseFileKind::Firebird},
        {"/data/x.fdb.udl", TDatabaseFileKind::DataLink},
        // A folder's extension is not the file's; the ".mdb" anywhere in a path that a run
        // connects to the Jet provider is the connection's rule, not the name's kind.
        {"/data/x.mdb/orders", TDatabaseFileKind::Unknown},
        {"/data/orders.db.bak", TDatabaseFileKind::Unknown},
        {"/data/crib", TDatabaseFileKind::Unknown},
        {"", TDatabaseFileKind::Unknown},
    };
    for (const auto& [path, kind] : cases) {
        EXPECT_EQ(DatabaseFileKindOfName(path), kind) << path;
    }
}

TEST_F(DataLinkFileTest, MissingFileOrInitStringIsADatabaseError) {
    const std::string missing = Folder.File("none.udl");
    try {
        ReadDataLinkFile(missing);
        ADD_FAILURE() << "no error for a missing file";
    } catch (const EDatabaseError& error) {
        EXPECT_NE(std::string(error.what()).find(missing), std::string::npos) << error.what();
    }
    const std::string empty = Folder.File("empty.udl");
    WriteFile(empty, EncodeUtf16LeWithBom("[oledb]\r\n; Everything after this line is an OLE DB "
                                          "initstring\r\n\r\n"));
    EXPECT_THROW(ReadDataLinkFile(empty), EDatabaseError);
}

class OpenSchemaSourceTest : public ::testing::Test {
protected:
    TTempDir Folder;

    // A data-link file holding `initString`; returns its path.
    std::string Udl(const std::string& initString) {
        const std::string path = Folder.File("db.udl");
        WriteFile(path, EncodeUtf16LeWithBom("[oledb]\r\n; comment\r\n" + initString + "\r\n"));
        return path;
    }

    // The message of the EDatabaseError that opening `connectionString` raises.
    static std::string ErrorOf(const std::string& connectionString) {
        try {
            OpenSchemaSource(connectionString);
        } catch (const EDatabaseError& error) {
            return error.what();
        }
        ADD_FAILURE() << "no EDatabaseError for " << connectionString;
        return {};
    }
};

TEST_F(OpenSchemaSourceTest, OpensASqliteDatabaseNamedByADataLinkFile) {
    CreateSqliteFile(Folder.File("shop.db"), "CREATE TABLE Orders (ID INTEGER PRIMARY KEY);");
    const std::string udl = Udl("Provider=SQLite;Data Source=shop.db;Password=Secret123");
    const auto source = OpenSchemaSource("FILE NAME=" + udl);
    ASSERT_NE(source, nullptr);
    const std::vector<TCatalogRow> rows = source->ReadCatalogue();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].TableName, "Orders");

    // A path with a semicolon in it reaches the database when it is quoted.
    CreateSqliteFile(Folder.File("a;b.db"), "CREATE TABLE T (X INT);");
    const auto quoted = OpenSchemaSource("Provider=SQLite;Data Source=" +
                                         QuoteConnectionValue(Folder.File("a;b.db")));
    EXPECT_EQ(quoted->ReadCatalogue().at(0).TableName, "T");
}

TEST_F(OpenSchemaSourceTest, FailedConnectionsNameTheProviderNeverThePassword) {
    struct TCase {
        std::string InitString;
        std::vector<std::string> MessageParts;
    };
    const std::vector<TCase> cases = {
        {"Provider=Acme.Data.7;Data Source=x", {"Acme.Data.7"}},
        {"Provider=MSDASQL.1;Data Source=NoSuchDsn", {"MSDASQL.1", "NoSuchDsn"}},
        // A closed port on this machine: refused at once, no time-out to wait for.
        {"Provider=SQLOLEDB.1;Data Source=127.0.0.1,1;Initial Catalog=Shop",
         {"SQLOLEDB.1", "127.0.0.1,1"}},
        {"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=x.mdb", {Folder.File("x.mdb")}},
        {"Provider=SQLOLEDB.1;Integrated Security=SSPI;Data Source=srv", {"SQLOLEDB.1", "SSPI"}},
        {"Provider=SQLite;Data Source=missing.db", {Folder.File("missing.db")}}};
    for (const TCase& c : cases) {
        const std::string message =
            ErrorOf("FILE NAME=" + Udl(c.InitString + ";Password=Secret123"));
        for (const std::string& part : c.MessageParts) {
            EXPECT_NE(message.find(part), std::string::npos) << message;
        }
        EXPECT_EQ(message.find("Secret123"), std::string::npos) << message;
    }
}

TEST_F(OpenSchemaSourceTest, EmptyOrMissingDataLinkFileIsADatabaseError) {
    EXPECT_THROW(OpenSchemaSource("FILE NAME="), EDatabaseError);
    EXPECT_THROW(OpenSchemaSource("FILE NAME=  "), EDatabaseError);
    const std::string missing = Folder.File("gone.udl");
    EXPECT_NE(ErrorOf("FILE NAME=" + missing).find(missing), std::string::npos);
}

} // namespace
} // namespace quorvane
