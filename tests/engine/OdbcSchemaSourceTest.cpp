// The ODBC back-end without a database server: the ODBC connection string each data-link provider
// becomes, the ADO column each ODBC type reads as, the SQL Server data links (which cannot be
// tried here against a server) and the messages of connections that fail in the driver manager.

#include "schema/odbc/OdbcSchemaSource.h"
#include "TempDir.h"
#include "datalink/DataLink.h"
#include "datalink/OdbcConnectionString.h"
#include "schema/odbc/OdbcConfiguration.h"
#include "text/EngineErrors.h"

#include <gtest/gtest.h>

#include <sqlext.h>

#include <string>
#include <vector>

namespace quorvane {
namespace {

std::string OdbcStringOf(const std::string& initString) {
    return OdbcConnectionStringFor(TConnectionProperties::Parse(initString));
}

struct TStringCase {
    std::string InitString;
    std::string Expected;
};

TEST(OdbcConnectionStringTest, OdbcDataLinksUseTheirStringOrTheirDsn) {
    const std::vector<TStringCase> cases = {
        {"Provider=MSDASQL.1;Data Source=ShopDsn;User ID=sa;Password=pw",
         "DSN=ShopDsn;UID=sa;PWD=pw"},
        // No provider at all is the OLE DB provider for ODBC too.
        {"Data Source=ShopDsn", "DSN=ShopDsn"},
        {"provider=msdasql;Persist Security Info=False;Data Source=Shop;Initial Catalog=Sales",
         "DSN=Shop;Database=Sales"},
        {"Provider=MSDASQL;Data Source=\"Odd;Name\"", "DSN={Odd;Name}"},
        // The string given wins over Data Source; credentials it holds are kept.
        {"Provider=MSDASQL.1;Extended Properties=\"DRIVER={PostgreSQL Unicode};SERVER=db;"
         "UID=me\";Data Source=Ignored;User ID=other;Password=pw",
         "DRIVER={PostgreSQL Unicode};SERVER=db;UID=me;CommLog=0;Debug=0;PWD=pw"},
        // The user's own log setting stands.
        {"Provider=MSDASQL;Extended Properties=\"Driver=psqlodbcw.so;Server=db;commlog=1\"",
         "Driver=psqlodbcw.so;Server=db;commlog=1;Debug=0"},
        {"Provider=MSDASQL.1;Extended Properties=\"DSN=Shop;pwd={x;y};Database=A;\";"
         "User ID=u;Password=other;Initial Catalog=B",
         "DSN=Shop;pwd={x;y};Database=A;UID=u"},
        {"Provider=MSDASQL.1;Extended Properties='DSN=Shop;Password=p';Password=other",
         "DSN=Shop;Password=p"},
        // An empty password given in the data link is still a password.
        {"Provider=MSDASQL.1;Data Source=Shop;User ID=u;Password=", "DSN=Shop;UID=u;PWD="},
    };
    for (const TStringCase& c : cases) {
        EXPECT_EQ(OdbcStringOf(c.InitString), c.Expected) << c.InitString;
    }
}

TEST(OdbcConnectionStringTest, ServerProvidersNameTheirDriversAndBraceValues) {
    const std::vector<TStringCase> cases = {
        {"Provider=PostgreSQL OLE DB Provider;Data Source=db.example:5433;Location=shop;"
         "User ID=u;Password=p}w",
         "Driver={PostgreSQL Unicode};Server=db.example;Port=5433;Database=shop;BoolsAsChar=0;"
         "CommLog=0;Debug=0;UID=u;PWD={p}}w}"},
        {"Provider=PGNP.1;Data Source=db;Initial Catalog=sales;Location=other;User ID=u",
         "Driver={PostgreSQL Unicode};Server=db;Database=sales;BoolsAsChar=0;CommLog=0;Debug=0;"
         "UID=u"},
        {"Provider=postgresql;Data Source=[::1]:5432;Initial Catalog=a b",
         "Driver={PostgreSQL Unicode};Server=::1;Port=5432;Database=a b;BoolsAsChar=0;"
         "CommLog=0;Debug=0"},
        {"Provider=PostgreSQL;Data Source=fe80::1;Initial Catalog=x",
         "Driver={PostgreSQL Unicode};Server=fe80::1;Database=x;BoolsAsChar=0;CommLog=0;"
         "Debug=0"},
        {"Provider=MySQLProv;Data Source=127.0.0.1:3307;Initial Catalog=shop;User ID=u;"
         "Password={x",
         "Driver={MariaDB Unicode};Server=127.0.0.1;Port=3307;Database=shop;CONN_TIMEOUT=15;"
         "READ_TIMEOUT=30;WRITE_TIMEOUT=30;UID=u;PWD={{x}"},
        {"Provider=MySQL.OLEDB;Data Source=db;Location=shop",
         "Driver={MariaDB Unicode};Server=db;Database=shop;CONN_TIMEOUT=15;READ_TIMEOUT=30;"
         "WRITE_TIMEOUT=30"},
        {"Provider=mariadb;Data Source=db;Port=3310;Initial Catalog=x;Password=\" lead\"",
         "Driver={MariaDB Unicode};Server=db;Port=3310;Database=x;CONN_TIMEOUT=15;"
         "READ_TIMEOUT=30;WRITE_TIMEOUT=30;PWD={ lead}"},
    };
    for (const TStringCase& c : cases) {
        EXPECT_EQ(OdbcStringOf(c.InitString), c.Expected) << c.InitString;
    }
}

TEST(OdbcConnectionStringTest, SqlServerDataLinksGoToFreeTds) {
    // Data Source as SQL Server's own tools write it: a port after a comma, a named instance
    // after a backslash, "tcp:" and the local names of Windows.
    const std::vector<TStringCase> cases = {
        {"Provider=SQLOLEDB.1;Password=a;Persist Security Info=True;User ID=sa;"
         "Initial Catalog=Shop;Data Source=srv",
         "Driver={FreeTDS};Server=srv;Database=Shop;UID=sa;PWD=a"},
        {"Provider=SQLOLEDB.1;Password=\"a;b\";User ID=sa;Initial Catalog=Shop;"
         "Data Source=srv,1433",
         "Driver={FreeTDS};Server=srv;Port=1433;Database=Shop;UID=sa;PWD={a;b}"},
        {"Provider=SQLNCLI11.1;Integrated Security=\"\";User ID=app;Password=x;"
         "Initial Catalog=Stock;Data Source=srv\\SQLEXPRESS",
         "Driver={FreeTDS};Server=srv\\SQLEXPRESS;Database=Stock;UID=app;PWD=x"},
        {"Provider=MSOLEDBSQL.1;Data Source=tcp:db.example,1444;Initial Catalog=Hr;User ID=u",
         "Driver={FreeTDS};Server=db.example;Port=1444;Database=Hr;UID=u"},
        {"Provider=sqloledb;Data Source=(local);Initial Catalog=A",
         "Driver={FreeTDS};Server=localhost;Database=A"},
        {"Provider=SQLOLEDB;Data Source=.\\SQLEXPRESS",
         "Driver={FreeTDS};Server=localhost\\SQLEXPRESS"},
    };
    for (const TStringCase& c : cases) {
        EXPECT_EQ(OdbcStringOf(c.InitString), c.Expected) << c.InitString;
    }
    try {
        OdbcStringOf("Provider=Acme.Data.7;Data Source=x");
        ADD_FAILURE() << "no error for a provider that is not reached through ODBC";
    } catch (const EDatabaseError& error) {
        EXPECT_NE(std::string(error.what()).find("Acme.Data.7"), std::string::npos);
    }
}

TEST(OdbcSqlServerDataLinkTest, WindowsIntegratedSecurityIsRefusedNamingTheProvider) {
    TTempDir folder;
    for (const std::string provider : {"SQLOLEDB.1", "SQLNCLI11", "MSOLEDBSQL"}) {
        const std::string udl = folder.File(provider + ".udl");
        TConnectionProperties properties;
        properties.Set("Provider", provider);
        properties.Set("Integrated Security", "SSPI");
        properties.Set("Password", "Secret-42");
        properties.Set("Initial Catalog", "Shop");
        properties.Set("Data Source", "srv");
        WriteDataLinkFile(udl, properties);
        try {
            OpenSchemaSource("FILE NAME=" + udl);
            ADD_FAILURE() << "no error for integrated security with " << provider;
        } catch (const EDatabaseError& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find(provider), std::string::npos) << message;
            EXPECT_NE(message.find("SSPI"), std::string::npos) << message;
            EXPECT_EQ(message.find("Secret-42"), std::string::npos) << message;
        }
    }
}

struct TTypeCase {
    int SqlType;
    long long ColumnSize;
    int DecimalDigits;
    int AdoType;
    std::int64_t DefinedSize;
    int Precision;
    int Scale;
    bool Fixed;
    TFieldType Kind;
    std::int64_t FieldSize;
    bool FixedChar;
    bool Unsigned = false; ///< the driver calls the column unsigned
};

TEST(OdbcColumnTypeTest, MapsEveryOdbcTypeAsTheOleDbProviderForOdbc) {
    using T = TFieldType;
    using namespace ado;
    // clang-format off
    const std::vector<TTypeCase> cases = {
        {SQL_CHAR, 3, 0, adChar, 3, 0, 0, true, T::ftFixedChar, 3, true},
        {SQL_VARCHAR, 40, 0, adVarChar, 40, 0, 0, false, T::ftString, 40, false},
        {SQL_LONGVARCHAR, 8190, 0, adLongVarChar, 8190, 0, 0, false, T::ftMemo, 0, false},
        {SQL_WCHAR, 10, 0, adWChar, 10, 0, 0, true, T::ftWideString, 10, true},
        {SQL_WVARCHAR, 80, 0, adVarWChar, 80, 0, 0, false, T::ftWideString, 80, false},
        {SQL_WLONGVARCHAR, 65535, 0, adLongVarWChar, 65535, 0, 0, false, T::ftMemo, 0, false},
        {SQL_DECIMAL, 12, 2, adNumeric, 0, 12, 2, true, T::ftBCD, 2, false},
        {SQL_NUMERIC, 9, 0, adNumeric, 0, 9, 0, true, T::ftInteger, 0, false},
        {SQL_NUMERIC, 10, 0, adNumeric, 0, 10, 0, true, T::ftBCD, 0, false},
        // Past 18 digits (or 4 decimals) Delphi's Currency no longer holds a decimal.
        {SQL_DECIMAL, 18, 4, adNumeric, 0, 18, 4, true, T::ftBCD, 4, false},
        {SQL_DECIMAL, 19, 4, adNumeric, 0, 19, 4, true, T::ftFMTBcd, 4, false},
        {SQL_NUMERIC, 12, 6, adNumeric, 0, 12, 6, true, T::ftFMTBcd, 6, false},
        {SQL_SMALLINT, 5, 0, adSmallInt, 0, 5, 0, true, T::ftSmallint, 0, false},
        {SQL_INTEGER, 10, 0, adInteger, 0, 10, 0, true, T::ftInteger, 0, false},
        {SQL_REAL, 7, 0, adSingle, 0, 7, 0, true, T::ftFloat, 0, false},
        {SQL_FLOAT, 15, 0, adDouble, 0, 15, 0, true, T::ftFloat, 0, false},
        {SQL_DOUBLE, 15, 0, adDouble, 0, 15, 0, true, T::ftFloat, 0, false},
        {SQL_BIT, 1, 0, adBoolean, 0, 0, 0, true, T::ftBoolean, 0, false},
        {SQL_TINYINT, 3, 0, adTinyInt, 0, 3, 0, true, T::ftSmallint, 0, false},
        {SQL_BIGINT, 19, 0, adBigInt, 0, 19, 0, true, T::ftLargeint, 0, false},
        // Unsigned integers as the provider types them, each in a kind that holds its values.
        {SQL_TINYINT, 3, 0, adUnsignedTinyInt, 0, 3, 0, true, T::ftWord, 0, false, true},
        {SQL_SMALLINT, 5, 0, adUnsignedSmallInt, 0, 5, 0, true, T::ftWord, 0, false, true},
        {SQL_INTEGER, 10, 0, adUnsignedInt, 0, 10, 0, true, T::ftLargeint, 0, false, true},
        {SQL_BIGINT, 20, 0, adUnsignedBigInt, 0, 20, 0, true, T::ftLargeint, 0, false, true},
        // A text column is no number: being "unsigned" changes nothing.
        {SQL_WVARCHAR, 80, 0, adVarWChar, 80, 0, 0, false, T::ftWideString, 80, false, true},
        {SQL_BINARY, 16, 0, adBinary, 16, 0, 0, true, T::ftBytes, 16, false},
        {SQL_VARBINARY, 32, 0, adVarBinary, 32, 0, 0, false, T::ftVarBytes, 32, false},
        {SQL_LONGVARBINARY, 0, 0, adLongVarBinary, 0, 0, 0, false, T::ftBlob, 0, false},
        {SQL_TYPE_DATE, 10, 0, adDBDate, 0, 0, 0, true, T::ftDate, 0, false},
        {SQL_TYPE_TIME, 8, 0, adDBTime, 0, 0, 0, true, T::ftTime, 0, false},
        {SQL_TYPE_TIMESTAMP, 26, 6, adDBTimeStamp, 0, 0, 6, true, T::ftDateTime, 0, false},
        {SQL_GUID, 36, 0, adGUID, 16, 0, 0, true, T::ftGuid, 38, true},
        // A size the driver cannot tell (SQL_NO_TOTAL) is no size.
        {SQL_WVARCHAR, SQL_NO_TOTAL, 0, adVarWChar, 0, 0, 0, false, T::ftWideString, 0, false},
        // Types the OLE DB provider for ODBC has no code for give no field.
        {SQL_UNKNOWN_TYPE, 0, 0, adEmpty, 0, 0, 0, false, T::ftUnknown, 0, false},
        {SQL_INTERVAL_DAY_TO_SECOND, 25, 6, adEmpty, 0, 0, 0, false, T::ftUnknown, 0, false},
        {-150 /* SQL Server's sql_variant */, 8000, 0, adEmpty, 0, 0, 0, false, T::ftUnknown, 0, false},
        {-155 /* SQL Server's datetimeoffset */, 34, 7, adEmpty, 0, 0, 0, false, T::ftUnknown, 0, false},
    };
    // clang-format on
    for (const TTypeCase& c : cases) {
        SCOPED_TRACE("SQL type " + std::to_string(c.SqlType) + " size " +
                     std::to_string(c.ColumnSize));
        TColumnInfo column =
            MapOdbcColumnType(c.SqlType, c.ColumnSize, c.DecimalDigits, c.Unsigned);
        EXPECT_EQ(column.Type, c.AdoType);
        EXPECT_EQ(column.DefinedSize, c.DefinedSize);
        if (c.AdoType == adNumeric) {
            EXPECT_EQ(column.Precision, c.Precision);
        }
        EXPECT_EQ(column.NumericScale, c.Scale);
        EXPECT_EQ((column.Attributes & adFldFixed) != 0, c.Fixed);
        EXPECT_EQ(column.Attributes & adFldRowID, 0u);

        // A string of its own moved in: GCC 12 at -O3 takes assigning the literal to the mapped
        // column's name for an overlapping copy (a false -Wrestrict).
        column.Name = std::string("C");
        const std::vector<TFieldDescriptor> fields = DescribeFields({{column}, true});
        if (c.Kind == T::ftUnknown) {
            EXPECT_TRUE(fields.empty());
            continue;
        }
        ASSERT_EQ(fields.size(), 1u);
        EXPECT_EQ(fields[0].DataType, c.Kind) << FieldTypeName(fields[0].DataType);
        EXPECT_EQ(fields[0].Size, c.FieldSize);
        EXPECT_EQ(fields[0].FixedChar, c.FixedChar);
    }
}

// The message of the EDatabaseError that connecting with `connectionString` raises.
std::string ConnectError(const std::string& connectionString, const std::string& description) {
    try {
        OpenOdbcSchemaSource(connectionString, description);
    } catch (const EDatabaseError& error) {
        return error.what();
    }
    ADD_FAILURE() << "no EDatabaseError for " << description;
    return {};
}

TEST(OdbcConnectTest, FailuresNameTheDatabaseAndTheReasonNeverThePassword) {
    const std::string missingDsn =
        ConnectError("DSN=QuorvaneNoSuchDsn;UID=u;PWD=Pw-7781", "the shop database");
    EXPECT_EQ(missingDsn.rfind("Cannot connect to the shop database. ", 0), 0u) << missingDsn;
    EXPECT_NE(missingDsn.find("Data source name not found"), std::string::npos) << missingDsn;
    EXPECT_EQ(missingDsn.find("Pw-7781"), std::string::npos) << missingDsn;

    // The driver manager quotes the driver's name; here it is the password too, braced or not,
    // and must not come out.
    for (const std::string& text : {std::string("Driver={Qv-Secret-42};PWD=Qv-Secret-42"),
                                    std::string("Driver={Qv;Secret}}42};UID=u;pwd={Qv;Secret}}42}"),
                                    std::string("Driver={Qv-Secret-42};Password=Qv-Secret-42")}) {
        const std::string message = ConnectError(text, "server \"db\"");
        EXPECT_EQ(message.rfind("Cannot connect to server \"db\". ", 0), 0u) << message;
        EXPECT_EQ(message.find("Secret"), std::string::npos) << message;
        EXPECT_NE(message.find("***"), std::string::npos) << message;
    }
}

TEST(OdbcConfigurationTest, DriverLogsAreTurnedOffAndEverythingElseKept) {
    EXPECT_EQ(WithDriverLogsOff("[PostgreSQL Unicode]\nDriver=psqlodbcw.so\nDebug=0\nCommLog=1\n"
                                "UsageCount=1\n"),
              "[PostgreSQL Unicode]\nDriver=psqlodbcw.so\nDebug=0\nCommLog=0\nUsageCount=1\n");
    // Letter case, blanks and Windows line ends as people write them; the last line unended.
    EXPECT_EQ(WithDriverLogsOff("[A]\r\n  commlog = Yes\r\n; CommLog=1\r\nLogdir=/var/x\r\n"
                                "DEBUG=1"),
              "[A]\r\n  commlog =0\r\n; CommLog=1\r\nLogdir=/var/x\r\nDEBUG=0");
    EXPECT_EQ(WithDriverLogsOff(""), "");
}

} // namespace
} // namespace quorvane
