// What the generated application server opens: after a run over a SQLite or Firebird file, the
// data link beside the server's copy of the database is read back with our own reader and the
// copy it names is opened with our own back-end for that kind; Access files and data links keep
// the link they had; a dbExpress template's settings file names the same copy, or the server of
// a data link, with the driver that serves it.
//
// The Firebird databases are made by isql-fb (firebird3.0-utils); without it those tests are
// skipped, except under CI.

#include "datalink/ServerConnection.h"
#include "FirebirdTestDatabase.h"
#include "MiniTemplate.h"
#include "SqliteTestFile.h"
#include "TempDir.h"
#include "datalink/DataLink.h"
#include "datalink/OdbcConnectionString.h"
#include "datalink/ProviderFamily.h"
#include "generate/dmCodeGenerator.h"
#include "text/EngineErrors.h"
#include "text/ProfileFile.h"
#include "text/StringUtils.h"
#include "text/TextEncoding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace quorvane {
namespace {

namespace fs = std::filesystem;

const std::string OrdersSql = "CREATE TABLE Orders (OrderID INTEGER PRIMARY KEY, Total MONEY);"
                              "CREATE TABLE Clients (ClientID INTEGER PRIMARY KEY, Name TEXT);"
                              "CREATE VIEW BigOrders AS SELECT * FROM Orders WHERE Total > 100;";

const std::string OrdersFirebirdSql =
    "CREATE TABLE ORDERS (ORDER_ID INTEGER NOT NULL, TOTAL "
    "NUMERIC(18,4));\n"
    "CREATE TABLE CLIENTS (CLIENT_ID INTEGER, NAME VARCHAR(40));\n"
    "CREATE VIEW BIG_ORDERS AS SELECT * FROM ORDERS;\n";

// The names a database lists, tables and views, without its system tables.
std::set<std::string> ListedNames(ISchemaSource& source) {
    std::set<std::string> names;
    for (const TCatalogRow& row : source.ReadCatalogue()) {
        if (row.TableType == "TABLE" || row.TableType == "VIEW") {
            names.insert(row.TableName);
        }
    }
    return names;
}

// The keys of a connection, in the order they stand.
std::vector<std::string> KeysOf(const TConnectionProperties& properties) {
    std::vector<std::string> keys;
    for (const auto& item : properties.Items()) {
        keys.push_back(item.first);
    }
    return keys;
}

class ServerConnectionRunTest : public ::testing::Test {
protected:
    TTempDir Folder;
    TDM DM;
    TProjectParam Options;

    ServerConnectionRunTest() {
        testing::WriteMiniTemplate(Folder.Path() / "templates" / "MidasProject");
        Options.Directories.TemplateDir = Folder.File("templates/MidasProject");
        Options.Directories.OutputDir = Folder.File("out");
    }

    std::string ServerFolder() const { return Folder.File("out/MidasProject/Midas_AppServer/EXE"); }
    std::string ServerFile(const std::string& name) const { return ServerFolder() + "/" + name; }

    // A template whose server reads dbExpress settings, as MidasProject-dbExpress does.
    void GiveTemplateDbExpressSettings(const std::string& text) {
        WriteFile(Folder.File("templates/MidasProject/Midas_AppServer/EXE/Database.ini"), text);
    }

    // The generated link read back as the server's provider reads it, with the ODBC connection
    // string it hands to the driver.
    struct TOdbcRoute {
        TConnectionProperties Link;
        TConnectionProperties Odbc;
    };
    TOdbcRoute ReadOdbcRoute() const {
        const std::string path = ServerFile("Database.udl");
        // The layout Windows writes, and reads: UTF-16LE with byte-order mark, the section line
        // and the comment line, then the initialisation string.
        const std::string bytes = ReadFile(path);
        EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE") << "no UTF-16LE byte-order mark";
        const std::string text = DecodeConfigurationText(bytes);
        EXPECT_EQ(
            text.rfind("[oledb]\r\n; Everything after this line is an OLE DB initstring\r\n", 0),
            0u)
            << text;
        EXPECT_TRUE(text.ends_with("\r\n"));
        TOdbcRoute route{ReadDataLinkFile(path), {}};
        route.Odbc = TConnectionProperties::Parse(OdbcConnectionStringFor(route.Link),
                                                  TConnectionSyntax::Odbc);
        return route;
    }
};

TEST_F(ServerConnectionRunTest, SqliteFilesGetAnOdbcLinkThatNamesTheirCopyBesideTheServer) {
    // Every name the engine takes for a SQLite file; each run names its own copy.
    for (const std::string extension : {".sqlite", ".sqlite3", ".db"}) {
        SCOPED_TRACE(extension);
        const std::string input = Folder.File("shop" + extension);
        CreateSqliteFile(input, OrdersSql);
        Options.Database.UDLFile = input;
        fs::remove_all(Folder.File("out"));

        DM.Generate(Options);

        const TOdbcRoute route = ReadOdbcRoute();
        EXPECT_EQ(route.Link.Get("Provider"), "MSDASQL.1");
        EXPECT_EQ(ProviderFamilyOf(route.Link.Get("Provider")), TProviderFamily::Odbc);
        EXPECT_EQ(KeysOf(route.Link),
                  (std::vector<std::string>{"Provider", "Extended Properties"}));
        EXPECT_EQ(route.Odbc.Get("DRIVER"), "SQLite3 ODBC Driver");
        const std::string database = route.Odbc.Get("Database");
        EXPECT_EQ(database, "Database" + extension);
        // Named by its file name alone: the server's folder can be moved.
        EXPECT_FALSE(fs::path(database).has_parent_path());
        EXPECT_FALSE(route.Odbc.Has("PWD"));

        // The file the link names is the copy of the input (made through SQLite's backup, so
        // its bytes may differ), and it opens as the input does.
        const std::string copy = (fs::path(ServerFolder()) / database).string();
        ASSERT_TRUE(fs::is_regular_file(copy));
        EXPECT_EQ(SqliteContentOf(copy, true), SqliteContentOf(input));
        const auto source = OpenSchemaSource(ConnectionStringForDatabase(copy));
        EXPECT_EQ(ListedNames(*source), (std::set<std::string>{"BigOrders", "Clients", "Orders"}));
    }
}

TEST_F(ServerConnectionRunTest, FirebirdFilesGetAnOdbcLinkAsSysdbaWithoutPassword) {
    QUORVANE_REQUIRE_ISQL();
    for (const std::string extension : {".fdb", ".gdb"}) {
        SCOPED_TRACE(extension);
        const std::string input = Folder.File("shop" + extension);
        testing::CreateEmbeddedDatabase(input, OrdersFirebirdSql);
        Options.Database.UDLFile = input;
        fs::remove_all(Folder.File("out"));

        DM.Generate(Options);

        const TOdbcRoute route = ReadOdbcRoute();
        EXPECT_EQ(route.Link.Get("Provider"), "MSDASQL.1");
        EXPECT_EQ(ProviderFamilyOf(route.Link.Get("Provider")), TProviderFamily::Odbc);
        EXPECT_EQ(route.Odbc.Get("DRIVER"), "Firebird/InterBase(r) driver");
        const std::string database = route.Odbc.Get("DBNAME");
        EXPECT_EQ(database, "Database" + extension);
        EXPECT_EQ(route.Odbc.Get("UID"), "SYSDBA");
        // A file given by its path has no password, and none is made up.
        EXPECT_FALSE(route.Link.Has("Password"));
        EXPECT_FALSE(route.Odbc.Has("PWD"));

        const std::string copy = (fs::path(ServerFolder()) / database).string();
        ASSERT_TRUE(fs::is_regular_file(copy));
        TConnectionProperties connection =
            TConnectionProperties::Parse(ConnectionStringForDatabase(copy));
        connection.Set("User ID", route.Odbc.Get("UID"));
        const auto source = OpenSchemaSource(FormatConnectionProperties(connection));
        EXPECT_EQ(ListedNames(*source), (std::set<std::string>{"BIG_ORDERS", "CLIENTS", "ORDERS"}));
    }
}

TEST_F(ServerConnectionRunTest, AccessFilesAndDataLinksKeepTheLinkTheyHad) {
    // A Jet file: the server opens Database.mdb by itself; the template's link stays.
    const std::string templateLink =
        ReadFile(Folder.File("templates/MidasProject/Midas_AppServer/EXE/Database.udl"));
    Options.Database.UDLFile = QUORVANE_EXAMPLES_DIR "/orders.mdb";
    DM.Generate(Options);
    EXPECT_EQ(ReadFile(ServerFile("Database.udl")), templateLink);
    EXPECT_EQ(ReadFile(ServerFile("Database.mdb")), ReadFile(Options.Database.UDLFile));
    EXPECT_FALSE(fs::exists(ServerFile("Database.ini")));

    // A data link is the server's link as it is, byte for byte.
    fs::remove_all(Folder.File("out"));
    Options.Database.UDLFile = QUORVANE_EXAMPLES_DIR "/orders.udl";
    DM.Generate(Options);
    EXPECT_EQ(ReadFile(ServerFile("Database.udl")), ReadFile(Options.Database.UDLFile));
    EXPECT_EQ(std::distance(fs::directory_iterator(ServerFolder()), fs::directory_iterator()), 1);
}

TEST_F(ServerConnectionRunTest, DbExpressSettingsNameTheCopyWithTheDriverThatReadsIt) {
    const std::string sample = "[Connection]\r\nDriverName=Interbase\r\nDatabase=C:\\x.fdb\r\n";
    GiveTemplateDbExpressSettings(sample);
    const std::string input = Folder.File("shop.sqlite");
    CreateSqliteFile(input, OrdersSql);
    Options.Database.UDLFile = input;

    DM.Generate(Options);

    const TProfileFile sqlite = TProfileFile::Load(ServerFile("Database.ini"));
    EXPECT_EQ(sqlite.Find("Connection", "DriverName"), "Sqlite");
    const std::string database = sqlite.ReadString("Connection", "Database", "");
    EXPECT_EQ(database, "Database.sqlite");
    EXPECT_EQ(sqlite.Find("Connection", "FailIfMissing"), "True");
    const auto source = OpenSchemaSource(ConnectionStringForDatabase(ServerFile(database)));
    EXPECT_EQ(ListedNames(*source), (std::set<std::string>{"BigOrders", "Clients", "Orders"}));
    // Lines the server does not read as settings stand above the section only.
    const std::string text = ReadFile(ServerFile("Database.ini"));
    const std::size_t section = text.find("[Connection]\r\n");
    ASSERT_NE(section, std::string::npos);
    EXPECT_EQ(text.find(';', section), std::string::npos);

    // An Access file has no dbExpress driver: the template's settings stay for the user to fill.
    fs::remove_all(Folder.File("out"));
    Options.Database.UDLFile = QUORVANE_EXAMPLES_DIR "/orders.mdb";
    DM.Generate(Options);
    EXPECT_EQ(ReadFile(ServerFile("Database.ini")), sample);
}

TEST_F(ServerConnectionRunTest, DbExpressSettingsOfAFirebirdFileUseTheInterbaseDriver) {
    QUORVANE_REQUIRE_ISQL();
    GiveTemplateDbExpressSettings("[Connection]\r\n");
    const std::string input = Folder.File("shop.fdb");
    testing::CreateEmbeddedDatabase(input, OrdersFirebirdSql);
    Options.Database.UDLFile = input;

    DM.Generate(Options);

    const TProfileFile settings = TProfileFile::Load(ServerFile("Database.ini"));
    EXPECT_EQ(settings.Find("Connection", "DriverName"), "Interbase");
    EXPECT_EQ(settings.Find("Connection", "GetDriverFunc"), "getSQLDriverINTERBASE");
    EXPECT_EQ(settings.Find("Connection", "VendorLib"), "fbclient.dll");
    EXPECT_EQ(settings.Find("Connection", "User_Name"), "SYSDBA");
    EXPECT_EQ(settings.Find("Connection", "Password"), std::nullopt);
    const std::string database = settings.ReadString("Connection", "Database", "");
    EXPECT_EQ(database, "Database.fdb");
    TConnectionProperties connection =
        TConnectionProperties::Parse(ConnectionStringForDatabase(ServerFile(database)));
    connection.Set("User ID", settings.ReadString("Connection", "User_Name", ""));
    const auto source = OpenSchemaSource(FormatConnectionProperties(connection));
    EXPECT_EQ(ListedNames(*source), (std::set<std::string>{"BIG_ORDERS", "CLIENTS", "ORDERS"}));
}

// --- Settings for each kind of input, without a run --------------------------------------------

class ServerSettingsTest : public ::testing::Test {
protected:
    TTempDir Folder;

    std::string Link(const std::string& initString) {
        const std::string path = Folder.File("input.udl");
        WriteDataLinkFile(path, TConnectionProperties::Parse(initString));
        return path;
    }

    // The settings as the server reads them back from the file they are written to.
    TProfileFile SettingsOf(const std::string& databaseFile) {
        const auto settings = DbExpressSettingsFor(databaseFile, "Database.udl");
        if (!settings) {
            ADD_FAILURE() << "no settings for " << databaseFile;
            return TProfileFile::FromText("");
        }
        return TProfileFile::FromText(FormatDbExpressSettings(*settings, "Connection"));
    }
};

TEST_F(ServerSettingsTest, OnlyFilesWithoutAProviderOfTheirOwnGetANewLink) {
    for (const std::string kept :
         {"shop.mdb", "SHOP.MDB", "shop.udl", "folder.mdb/shop.udl", "schema.txt", "noextension"}) {
        EXPECT_EQ(ServerDataLinkFor(kept, "Database"), std::nullopt) << kept;
    }
    EXPECT_EQ(ServerDataLinkFor("SHOP.SQLITE", "Database.SQLITE")->Get("Extended Properties"),
              "DRIVER=SQLite3 ODBC Driver;Database=Database.SQLITE");
    EXPECT_EQ(ServerDataLinkFor("a/b.ib", "Database.ib")->Get("Extended Properties"),
              "DRIVER=Firebird/InterBase(r) driver;DBNAME=Database.ib");

    // The server opens a Jet file by itself but not an Access 2007 file: that one gets the link
    // the Jet file has, with the provider that reads it, and reads back as an Access link.
    const auto ace = ServerDataLinkFor("shop.accdb", "Database.accdb");
    ASSERT_TRUE(ace);
    fs::create_directories(Folder.File("EXE"));
    WriteDataLinkFile(Folder.File("EXE/Database.udl"), *ace);
    const TConnectionProperties back = ReadDataLinkFile(Folder.File("EXE/Database.udl"));
    EXPECT_EQ(ProviderFamilyOf(back.Get("Provider")), TProviderFamily::Access);
    EXPECT_TRUE(StartsWithText(back.Get("Provider"), "Microsoft.ACE.OLEDB"));
    EXPECT_EQ(back.Get("Data Source"), Folder.File("EXE/Database.accdb"));
}

TEST_F(ServerSettingsTest, DataLinksToServersGetTheDriverOfTheirDatabase) {
    const TProfileFile postgres =
        SettingsOf(Link("Provider=PostgreSQL OLE DB Provider;Data Source=db.example;"
                        "Location=shop;User ID=app;Password=\"s;e=c\"\"ret\""));
    EXPECT_EQ(postgres.Find("Connection", "DriverName"), "DevartPostgreSQL");
    EXPECT_EQ(postgres.Find("Connection", "HostName"), "db.example");
    EXPECT_EQ(postgres.Find("Connection", "Database"), "shop");
    EXPECT_EQ(postgres.Find("Connection", "User_Name"), "app");
    EXPECT_EQ(postgres.Find("Connection", "Password"), "s;e=c\"ret");

    const TProfileFile maria = SettingsOf(
        Link("Provider=MariaDB Provider;Data Source=db.example;Initial Catalog=shop;User ID=app"));
    EXPECT_EQ(maria.Find("Connection", "DriverName"), "MySQL");
    EXPECT_EQ(maria.Find("Connection", "VendorLib"), "libmysql.dll");
    EXPECT_EQ(maria.Find("Connection", "Database"), "shop");
    EXPECT_EQ(maria.Find("Connection", "Password"), std::nullopt);

    const TProfileFile sqlServer = SettingsOf(
        Link("Provider=SQLOLEDB.1;Data Source=.\\SQLEXPRESS;Initial Catalog=shop;User ID=sa"));
    EXPECT_EQ(sqlServer.Find("Connection", "DriverName"), "MSSQL");
    EXPECT_EQ(sqlServer.Find("Connection", "HostName"), ".\\SQLEXPRESS");

    const TProfileFile firebird = SettingsOf(
        Link("Provider=LCPI.IBProvider.5;Data Source=db.example:/data/shop.fdb;Role=CLERK"));
    EXPECT_EQ(firebird.Find("Connection", "DriverName"), "Interbase");
    EXPECT_EQ(firebird.Find("Connection", "Database"), "db.example:/data/shop.fdb");
    EXPECT_EQ(firebird.Find("Connection", "User_Name"), "SYSDBA");
    EXPECT_EQ(firebird.Find("Connection", "RoleName"), "CLERK");

    // A SQLite link names its file as the link does, relative to the link's own folder.
    const TProfileFile sqlite = SettingsOf(Link("Provider=SQLite;Data Source=orders.sqlite"));
    EXPECT_EQ(sqlite.Find("Connection", "DriverName"), "Sqlite");
    EXPECT_EQ(sqlite.Find("Connection", "Database"), "orders.sqlite");

    // Links through ODBC and to Access files have no dbExpress driver as they are.
    for (const std::string none :
         {"Provider=MSDASQL.1;Extended Properties=\"DSN=shop\"",
          "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=shop.mdb", "Provider=Nobody.1"}) {
        EXPECT_EQ(DbExpressSettingsFor(Link(none), "Database.udl"), std::nullopt) << none;
    }
    // A link that cannot be read is told, not passed over.
    EXPECT_THROW(DbExpressSettingsFor(Folder.File("missing.udl"), "Database.udl"), EDatabaseError);
}

TEST_F(ServerSettingsTest, SettingsValuesReadBackAsTheyWereWhateverTheyHold) {
    TDbExpressSettings settings;
    const std::vector<std::string> values = {"plain",    " leading", "trailing ", "\"quoted\"",
                                             "'single'", "a=b;c",    "\"half",    ""};
    for (std::size_t i = 0; i < values.size(); ++i) {
        settings.Keys.emplace_back("Key" + std::to_string(i), values[i]);
    }
    settings.Comments = {"A note", "[Connection] in a note is no section"};
    const TProfileFile file =
        TProfileFile::FromText(FormatDbExpressSettings(settings, "Connection"));
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(file.Find("Connection", "Key" + std::to_string(i)), values[i]) << values[i];
    }
}

} // namespace
} // namespace quorvane

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new quorvane::testing::TFirebirdLockFolder);
    return RUN_ALL_TESTS();
}
