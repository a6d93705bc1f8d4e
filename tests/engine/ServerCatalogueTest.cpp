// The catalogue rows of the database servers as their ODBC drivers describe the same columns in a
// result set, without a server. MariaDB's rows are checked against the real driver by the live
// tests too; here come the connection character sets those tests do not use, and the reading of
// view definitions. SQL Server has no server here at all: its rows are checked against the
// values FreeTDS's own describe tests record for each type. PostgreSQL's packed column lists are
// read here in every shape a name may take, and its common types mapped as psqlODBC describes
// them in a result set, which the live tests compare against the driver itself.

#include "schema/odbc/ServerCatalogue.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quorvane {
namespace {

using T = TFieldType;
using namespace ado;

struct TExpectedColumn {
    int Type;
    std::int64_t DefinedSize;
    int Precision;
    int Scale;
    bool Fixed;
};

void ExpectColumn(const std::optional<TColumnInfo>& column, const TExpectedColumn& expected) {
    ASSERT_TRUE(column.has_value());
    EXPECT_EQ(column->Type, expected.Type);
    EXPECT_EQ(column->DefinedSize, expected.DefinedSize);
    EXPECT_EQ(column->Precision, expected.Precision);
    EXPECT_EQ(column->NumericScale, expected.Scale);
    EXPECT_EQ((column->Attributes & adFldFixed) != 0, expected.Fixed);
}

// --- MariaDB -------------------------------------------------------------------------------------

TMariaDbCatalogueColumn MariaDbRow(std::string dataType, std::optional<std::int64_t> characters,
                                   int charsetMaxLength, std::string columnType = "") {
    TMariaDbCatalogueColumn row;
    row.Name = "c";
    row.DataType = std::move(dataType);
    row.ColumnType = columnType.empty() ? row.DataType : std::move(columnType);
    row.CharacterMaximumLength = characters;
    row.CharsetMaxLength = charsetMaxLength;
    return row;
}

TEST(MariaDbCatalogueTest, TextLengthsFollowTheConnectionsCharacterSet) {
    // The server sends lengths in bytes of the result's character set, at most 2^32-1 of them:
    // only the longest text types feel which set that is.
    const TMariaDbCatalogueColumn longText = MariaDbRow("longtext", 4294967295, 4);
    ExpectColumn(MariaDbColumnFromCatalogue(longText, 4),
                 {adLongVarWChar, 1073741823, 0, 0, false});
    ExpectColumn(MariaDbColumnFromCatalogue(longText, 1),
                 {adLongVarWChar, 1073741823, 0, 0, false});
    const TMariaDbCatalogueColumn latinLongText = MariaDbRow("longtext", 4294967295, 1);
    ExpectColumn(MariaDbColumnFromCatalogue(latinLongText, 1),
                 {adLongVarWChar, 4294967295, 0, 0, false});
    ExpectColumn(MariaDbColumnFromCatalogue(latinLongText, 3),
                 {adLongVarWChar, 1431655765, 0, 0, false});
    // Without conversion (no result character set) the column's own set counts.
    ExpectColumn(MariaDbColumnFromCatalogue(latinLongText, 0),
                 {adLongVarWChar, 4294967295, 0, 0, false});
    ExpectColumn(MariaDbColumnFromCatalogue(MariaDbRow("mediumtext", 16777215, 4), 4),
                 {adLongVarWChar, 16777215, 0, 0, false});
    // Shorter texts keep their characters whatever the sets; bytes stay bytes.
    ExpectColumn(MariaDbColumnFromCatalogue(MariaDbRow("varchar", 40, 1), 4),
                 {adVarWChar, 40, 0, 0, false});
    ExpectColumn(MariaDbColumnFromCatalogue(MariaDbRow("char", 10, 4), 1),
                 {adWChar, 10, 0, 0, true});
    ExpectColumn(MariaDbColumnFromCatalogue(MariaDbRow("longblob", 4294967295, 0), 4),
                 {adLongVarBinary, 4294967295, 0, 0, false});
    ExpectColumn(MariaDbColumnFromCatalogue(MariaDbRow("varbinary", 16, 0), 4),
                 {adVarBinary, 16, 0, 0, false});
}

TEST(MariaDbCatalogueTest, NumbersBitsAndUnknownTypes) {
    TMariaDbCatalogueColumn bit = MariaDbRow("bit", std::nullopt, 0, "bit(1)");
    bit.NumericPrecision = 1;
    ExpectColumn(MariaDbColumnFromCatalogue(bit, 4), {adBoolean, 0, 0, 0, true});
    bit.NumericPrecision = 8;
    ExpectColumn(MariaDbColumnFromCatalogue(bit, 4), {adBinary, 8, 0, 0, true});
    // The driver's size of a bigint is one digit shorter when it is unsigned; an unsigned
    // integer takes the provider's unsigned type.
    ExpectColumn(MariaDbColumnFromCatalogue(MariaDbRow("bigint", std::nullopt, 0), 4),
                 {adBigInt, 0, 20, 0, true});
    ExpectColumn(
        MariaDbColumnFromCatalogue(MariaDbRow("bigint", std::nullopt, 0, "bigint(20) unsigned"), 4),
        {adUnsignedBigInt, 0, 19, 0, true});
    ExpectColumn(MariaDbColumnFromCatalogue(
                     MariaDbRow("smallint", std::nullopt, 0, "smallint(5) unsigned"), 4),
                 {adUnsignedSmallInt, 0, 5, 0, true});
    ExpectColumn(
        MariaDbColumnFromCatalogue(MariaDbRow("int", std::nullopt, 0, "int(10) unsigned"), 4),
        {adUnsignedInt, 0, 10, 0, true});
    ExpectColumn(MariaDbColumnFromCatalogue(
                     MariaDbRow("tinyint", std::nullopt, 0, "tinyint(3) unsigned"), 4),
                 {adUnsignedTinyInt, 0, 3, 0, true});
    // Only integers have unsigned types: an unsigned decimal stays a decimal.
    TMariaDbCatalogueColumn price =
        MariaDbRow("decimal", std::nullopt, 0, "decimal(10,2) unsigned");
    price.NumericPrecision = 10;
    price.NumericScale = 2;
    ExpectColumn(MariaDbColumnFromCatalogue(price, 4), {adNumeric, 0, 10, 2, true});
    TMariaDbCatalogueColumn money = MariaDbRow("decimal", std::nullopt, 0, "decimal(19,4)");
    money.NumericPrecision = 19;
    money.NumericScale = 4;
    ExpectColumn(MariaDbColumnFromCatalogue(money, 4), {adNumeric, 0, 19, 4, true});
    TMariaDbCatalogueColumn stamp = MariaDbRow("timestamp", std::nullopt, 0, "timestamp(3)");
    stamp.DatetimePrecision = 3;
    ExpectColumn(MariaDbColumnFromCatalogue(stamp, 4), {adDBTimeStamp, 0, 0, 3, true});
    // MySQL's own JSON type and anything newer: the driver describes that table itself.
    EXPECT_FALSE(MariaDbColumnFromCatalogue(MariaDbRow("json", std::nullopt, 0), 4));
    EXPECT_FALSE(MariaDbColumnFromCatalogue(MariaDbRow("vector", std::nullopt, 0), 4));
}

// The flags of a view's columns through a catalogue of two tables, `shop`.`orders` (id
// auto-incrementing, note) and `shop`.`items` (item_id auto-incrementing), and a view
// `shop`.`v_orders` (its id flagged, its note not).
std::optional<std::vector<bool>> ViewFlags(const std::string& definition, std::size_t columns,
                                           const std::string& algorithm = "UNDEFINED") {
    const std::map<std::string, bool> known = {
        {"shop.orders.id", true},   {"shop.orders.note", false},   {"shop.items.item_id", true},
        {"shop.v_orders.id", true}, {"shop.v_orders.note", false},
    };
    return MariaDbViewAutoIncrement(
        "shop", definition, algorithm, columns,
        [&known](const TMariaDbColumnReference& reference) -> std::optional<bool> {
            const auto found =
                known.find(reference.Database + "." + reference.Table + "." + reference.Column);
            return found == known.end() ? std::nullopt : std::optional(found->second);
        });
}

std::optional<std::vector<bool>> Flags(std::initializer_list<bool> flags) {
    return std::vector<bool>(flags);
}

TEST(MariaDbViewTest, MergedViewsPassTheFlagOfAColumnTheyNameOn) {
    EXPECT_EQ(ViewFlags("select `shop`.`orders`.`id` AS `id`,`shop`.`orders`.`note` AS `note` "
                        "from `shop`.`orders`",
                        2),
              Flags({true, false}));
    // Tables by their aliases, in joins written the server's way, and a view of a view.
    EXPECT_EQ(ViewFlags("select `o`.`id` AS `id`,`i`.`item_id` AS `item_id` from "
                        "(`shop`.`orders` `o` left join `shop`.`items` `i` on(`i`.`item_id` = "
                        "`o`.`id`)) where `o`.`note` = 'group by, limit'",
                        2),
              Flags({true, true}));
    EXPECT_EQ(ViewFlags("select `v_orders`.`id` AS `id`,`v_orders`.`note` AS `n` from "
                        "`shop`.`v_orders`",
                        2),
              Flags({true, false}));
    // Expressions carry no flag, though they name a flagged column.
    EXPECT_EQ(ViewFlags("select `shop`.`orders`.`id` + 0 AS `a`,ifnull(`shop`.`orders`.`id`,0) "
                        "AS `b`,`shop`.`orders`.`id` AS `c` from `shop`.`orders`",
                        3),
              Flags({false, false, true}));
    // A subquery in WHERE may group and count: the view itself is still merged.
    EXPECT_EQ(ViewFlags("select `shop`.`orders`.`id` AS `id` from `shop`.`orders` where "
                        "`shop`.`orders`.`id` in (select max(`shop`.`items`.`item_id`) from "
                        "`shop`.`items` group by `shop`.`items`.`item_id`) order by "
                        "`shop`.`orders`.`id`",
                        1),
              Flags({true}));
}

TEST(MariaDbViewTest, ViewsFromATemporaryTableCarryNoFlags) {
    const std::string plain = "select `shop`.`orders`.`id` AS `id` from `shop`.`orders`";
    EXPECT_EQ(ViewFlags(plain, 1, "TEMPTABLE"), Flags({false}));
    EXPECT_EQ(ViewFlags("select distinct `shop`.`orders`.`id` AS `id` from `shop`.`orders`", 1),
              Flags({false}));
    EXPECT_EQ(ViewFlags(plain + " group by `shop`.`orders`.`id`", 1), Flags({false}));
    EXPECT_EQ(ViewFlags(plain + " limit 5", 1), Flags({false}));
    EXPECT_EQ(ViewFlags(plain + " union select `shop`.`items`.`item_id` AS `item_id` from "
                                "`shop`.`items`",
                        1),
              Flags({false}));
    EXPECT_EQ(ViewFlags("select `shop`.`orders`.`id` AS `id`,count(0) AS `n` from "
                        "`shop`.`orders`",
                        2),
              Flags({false, false}));
    EXPECT_EQ(ViewFlags("select `shop`.`orders`.`id` AS `id`,row_number() over ( order by "
                        "`shop`.`orders`.`id`) AS `rn` from `shop`.`orders`",
                        2),
              Flags({false, false}));
}

TEST(MariaDbViewTest, ShapesItCannotFollowAreLeftToTheDriver) {
    // A derived table, a common table expression, a subquery among the columns.
    EXPECT_FALSE(ViewFlags("select `x`.`id` AS `id` from (select `shop`.`orders`.`id` AS `id` "
                           "from `shop`.`orders`) `x`",
                           1));
    EXPECT_FALSE(ViewFlags("with c as (select `shop`.`orders`.`id` AS `id` from "
                           "`shop`.`orders`)select `c`.`id` AS `id` from `c`",
                           1));
    EXPECT_FALSE(ViewFlags("select `shop`.`orders`.`id` AS `id`,(select max(`shop`.`items`."
                           "`item_id`) from `shop`.`items`) AS `m` from `shop`.`orders`",
                           2));
    // A table or column the catalogue does not know, an alias never given.
    EXPECT_FALSE(ViewFlags("select `other`.`t`.`id` AS `id` from `other`.`t`", 1));
    EXPECT_FALSE(ViewFlags("select `shop`.`orders`.`gone` AS `gone` from `shop`.`orders`", 1));
    EXPECT_FALSE(ViewFlags("select `z`.`id` AS `id` from `shop`.`orders` `o`", 1));
    // Fewer items than the view has columns, a definition cut short, an index hint.
    EXPECT_FALSE(ViewFlags("select `shop`.`orders`.`id` AS `id` from `shop`.`orders`", 2));
    EXPECT_FALSE(ViewFlags("select `shop`.`orders`.`id` AS `id from `shop`.`orders`", 1));
    EXPECT_FALSE(ViewFlags("select `o`.`id` AS `id` from `shop`.`orders` `o` use index "
                           "(`PRIMARY`)",
                           1));
}

// --- SQL Server ----------------------------------------------------------------------------------

struct TSqlServerCase {
    TSqlServerCatalogueColumn Row;
    TExpectedColumn Expected;
    T Kind;
    std::int64_t FieldSize;
};

TEST(SqlServerCatalogueTest, EachSystemTypeAsFreeTdsDescribesIt) {
    const auto row = [](std::string type, std::int64_t maxLength, int precision = 0, int scale = 0,
                        bool identity = false) {
        TSqlServerCatalogueColumn column;
        column.Name = "c";
        column.TypeName = std::move(type);
        column.MaxLength = maxLength;
        column.Precision = precision;
        column.Scale = scale;
        column.IsIdentity = identity;
        return column;
    };
    // clang-format off
    const std::vector<TSqlServerCase> cases = {
        {row("int", 4, 10, 0, true), {adInteger, 0, 10, 0, true}, T::ftAutoInc, 0},
        {row("bigint", 8, 19, 0, true), {adBigInt, 0, 19, 0, true}, T::ftLargeint, 0},
        {row("smallint", 2, 5), {adSmallInt, 0, 5, 0, true}, T::ftSmallint, 0},
        {row("tinyint", 1, 3), {adUnsignedTinyInt, 0, 3, 0, true}, T::ftWord, 0},
        {row("bit", 1, 1), {adBoolean, 0, 0, 0, true}, T::ftBoolean, 0},
        {row("decimal", 9, 12, 2), {adNumeric, 0, 12, 2, true}, T::ftBCD, 2},
        {row("numeric", 5, 9, 0), {adNumeric, 0, 9, 0, true}, T::ftInteger, 0},
        {row("money", 8, 19, 4), {adCurrency, 0, 19, 4, true}, T::ftBCD, 4},
        {row("smallmoney", 4, 10, 4), {adCurrency, 0, 10, 4, true}, T::ftBCD, 4},
        {row("real", 4, 24), {adSingle, 0, 24, 0, true}, T::ftFloat, 0},
        {row("float", 8, 53), {adDouble, 0, 53, 0, true}, T::ftFloat, 0},
        {row("datetime", 8, 23, 3), {adDBTimeStamp, 0, 0, 3, true}, T::ftDateTime, 0},
        {row("smalldatetime", 4, 16), {adDBTimeStamp, 0, 0, 0, true}, T::ftDateTime, 0},
        {row("datetime2", 8, 27, 7), {adDBTimeStamp, 0, 0, 7, true}, T::ftDateTime, 0},
        {row("date", 3, 10), {adDBDate, 0, 0, 0, true}, T::ftDate, 0},
        // sys.columns counts bytes, two for each national character.
        {row("nvarchar", 80), {adVarWChar, 40, 0, 0, false}, T::ftWideString, 40},
        {row("nchar", 10), {adWChar, 5, 0, 0, true}, T::ftWideString, 5},
        {row("varchar", 30), {adVarChar, 30, 0, 0, false}, T::ftString, 30},
        {row("char", 3), {adChar, 3, 0, 0, true}, T::ftFixedChar, 3},
        // The (max) types come as their short kinds without a length.
        {row("nvarchar", -1), {adVarWChar, 0, 0, 0, false}, T::ftWideString, 0},
        {row("varbinary", -1), {adVarBinary, 0, 0, 0, false}, T::ftVarBytes, 0},
        {row("text", 16), {adLongVarChar, 2147483647, 0, 0, false}, T::ftMemo, 0},
        {row("ntext", 16), {adLongVarWChar, 1073741823, 0, 0, false}, T::ftMemo, 0},
        {row("image", 16), {adLongVarBinary, 2147483647, 0, 0, false}, T::ftBlob, 0},
        {row("binary", 16), {adBinary, 16, 0, 0, true}, T::ftBytes, 16},
        {row("timestamp", 8), {adBinary, 8, 0, 0, true}, T::ftBytes, 8},
        {row("uniqueidentifier", 16), {adGUID, 16, 0, 0, true}, T::ftGuid, 38},
        // Microsoft's own codes, which give no field.
        {row("time", 5, 16, 7), {adEmpty, 0, 0, 0, false}, T::ftUnknown, 0},
        {row("datetimeoffset", 10, 34, 7), {adEmpty, 0, 0, 0, false}, T::ftUnknown, 0},
        {row("sql_variant", 8016), {adEmpty, 0, 0, 0, false}, T::ftUnknown, 0},
        {row("xml", -1), {adEmpty, 0, 0, 0, false}, T::ftUnknown, 0},
    };
    // clang-format on
    for (const TSqlServerCase& c : cases) {
        SCOPED_TRACE(c.Row.TypeName + " " + std::to_string(c.Row.MaxLength));
        const std::optional<TColumnInfo> column = SqlServerColumnFromCatalogue(c.Row);
        ExpectColumn(column, c.Expected);
        EXPECT_EQ(column->IsAutoIncrement, c.Row.IsIdentity);
        const std::vector<TFieldDescriptor> fields = DescribeFields({{*column}, true});
        if (c.Kind == T::ftUnknown) {
            EXPECT_TRUE(fields.empty());
            continue;
        }
        ASSERT_EQ(fields.size(), 1u);
        EXPECT_EQ(fields[0].DataType, c.Kind) << FieldTypeName(fields[0].DataType);
        EXPECT_EQ(fields[0].Size, c.FieldSize);
    }
    // A type of a later server: FreeTDS describes that table itself.
    EXPECT_FALSE(SqlServerColumnFromCatalogue(row("vector", 100)));
}

// --- PostgreSQL ----------------------------------------------------------------------------------

// PostgreSQL's own type OIDs, fixed in its pg_type catalogue.
constexpr std::int64_t OidBool = 16;
constexpr std::int64_t OidBytea = 17;
constexpr std::int64_t OidName = 19;
constexpr std::int64_t OidInt8 = 20;
constexpr std::int64_t OidInt2 = 21;
constexpr std::int64_t OidInt4 = 23;
constexpr std::int64_t OidText = 25;
constexpr std::int64_t OidOid = 26;
constexpr std::int64_t OidXid = 28;
constexpr std::int64_t OidJson = 114;
constexpr std::int64_t OidFloat4 = 700;
constexpr std::int64_t OidFloat8 = 701;
constexpr std::int64_t OidAbsTime = 702;
constexpr std::int64_t OidMoney = 790;
constexpr std::int64_t OidBpChar = 1042;
constexpr std::int64_t OidVarChar = 1043;
constexpr std::int64_t OidDate = 1082;
constexpr std::int64_t OidTime = 1083;
constexpr std::int64_t OidTimestamp = 1114;
constexpr std::int64_t OidTimestampTz = 1184;
constexpr std::int64_t OidInterval = 1186;
constexpr std::int64_t OidNumeric = 1700;
constexpr std::int64_t OidUuid = 2950;

// pg_attribute.atttypmod as PostgreSQL keeps it: lengths and numeric precisions with the four
// bytes of the value's length header counted in.
constexpr std::int64_t Length(std::int64_t characters) {
    return characters + 4;
}
constexpr std::int64_t Decimal(std::int64_t precision, std::int64_t scale) {
    return ((precision << 16) | scale) + 4;
}

// The server's max_identifier_length, as PostgreSQL is built by default.
constexpr int MaxIdentifierLength = 63;

// One parsed column as a line, so that a failure shows every part of it.
std::vector<std::string> ParsedColumns(const std::string& text) {
    const auto columns = ParsePostgreSqlColumnList(text);
    EXPECT_TRUE(columns.has_value()) << text;
    std::vector<std::string> lines;
    for (const auto& [ordinal, column] :
         columns.value_or(std::vector<std::pair<std::int64_t, TPostgreSqlCatalogueColumn>>{})) {
        lines.push_back(std::to_string(ordinal) + " type " + std::to_string(column.TypeOid) +
                        " modifier " + std::to_string(column.TypeModifier) +
                        (column.IdentityOrSerial ? " identity" : "") + " [" + column.Name + "]");
    }
    return lines;
}

TEST(PostgreSqlColumnListTest, ReadsEveryPartOfEachColumn) {
    // Ordinal, type, modifier, identity flag and name, each column ended by a slash. A dropped
    // column leaves a gap in the ordinals, which must be kept: the columns are placed by them.
    EXPECT_EQ(ParsedColumns("1 23 -1 1 id/2 1043 44 0 name/4 1700 655366 0 unit price/"),
              (std::vector<std::string>{
                  "1 type 23 modifier -1 identity [id]",
                  "2 type 1043 modifier 44 [name]",
                  "4 type 1700 modifier 655366 [unit price]",
              }));
    // A single column, and a type whose description is not reproduced (0).
    EXPECT_EQ(ParsedColumns("7 0 -1 0 x/"), (std::vector<std::string>{"7 type 0 modifier -1 [x]"}));
}

TEST(PostgreSqlColumnListTest, NamesKeepSlashesBackslashesBlanksAndOtherCharacters) {
    // The query writes a backslash as two and a slash as a backslash and a slash; the name
    // itself may begin with digits and blanks, which the numbers before it must not take.
    EXPECT_EQ(ParsedColumns("1 23 -1 0 a\\/b\\\\c/"
                            "2 25 -1 0 back\\\\\\\\slash\\//"
                            "3 1043 7 0 \\//"
                            "4 23 -1 0 2 x  y /"
                            "5 23 -1 0 Gr\xC3\xB6\xC3\x9F"
                            "e/"),
              (std::vector<std::string>{
                  "1 type 23 modifier -1 [a/b\\c]",
                  "2 type 25 modifier -1 [back\\\\slash/]",
                  "3 type 1043 modifier 7 [/]",
                  "4 type 23 modifier -1 [2 x  y ]",
                  "5 type 23 modifier -1 [Gr\xC3\xB6\xC3\x9F"
                  "e]",
              }));
}

TEST(PostgreSqlColumnListTest, MalformedTextsGiveNoColumns) {
    const std::vector<std::string> malformed = {
        "1 23 -1 0 id",                     // no slash ends the name
        "1 23 -1 0 id\\",                   // a backslash with nothing after it
        "1 23 -1 16 id/",                   // a flag the query does not set
        "1 23 -1 -1 id/",                   // a negative flag
        "1 23 -1 8 id/",                    // a comment announced, none written
        "1 23 -1 8 id/text\\",              // a comment that does not end
        "1 23 0 id/",                       // a number missing
        "1  23 -1 0 id/",                   // two blanks
        "x 23 -1 0 id/",                    // not a number
        "- 23 -1 0 id/",                    // a sign without digits
        "1 23 -1 0",                        // nothing after the flag's number
        "1 23 -1 0 id/2 23 -1",             // a good column, then one cut short
        "12345678901234567890 23 -1 0 id/", // too large for 64 bits: no number, no exception
    };
    for (const std::string& text : malformed) {
        EXPECT_FALSE(ParsePostgreSqlColumnList(text)) << text;
    }
}

// A column "c" of the type as the columns query gives it.
TPostgreSqlCatalogueColumn PgColumn(std::int64_t typeOid, std::int64_t modifier = -1,
                                    bool identity = false) {
    TPostgreSqlCatalogueColumn column;
    column.Name = "c";
    column.TypeOid = typeOid;
    column.TypeModifier = modifier;
    column.IdentityOrSerial = identity;
    return column;
}

struct TPsqlOdbcCase {
    TPostgreSqlCatalogueColumn Row;
    TExpectedColumn Expected;
    bool AutoIncrement;
    T Kind;
    std::int64_t FieldSize;
};

TEST(PsqlOdbcCatalogueTest, CommonTypesAsPsqlOdbcDescribesThem) {
    const auto row = [](std::int64_t typeOid, std::int64_t modifier = -1, bool identity = false) {
        return PgColumn(typeOid, modifier, identity);
    };
    // psqlODBC's column sizes: 5, 10 and 19 digits for the integers, 9 and 17 for real and
    // double, 28 digits and a scale of 6 for a numeric without them; 255 characters for text of
    // no declared length (MaxVarcharSize), 8190 for text (MaxLongVarcharSize) and a time stamp's
    // microseconds for one without a precision.
    const int ids = MaxIdentifierLength;
    // clang-format off
    const std::vector<TPsqlOdbcCase> cases = {
        {row(OidInt2), {adSmallInt, 0, 5, 0, true}, false, T::ftSmallint, 0},
        {row(OidInt4), {adInteger, 0, 10, 0, true}, false, T::ftInteger, 0},
        {row(OidInt8), {adBigInt, 0, 19, 0, true}, false, T::ftLargeint, 0},
        // Only 32- and 64-bit integers are called auto-incrementing: a smallint identity is not.
        {row(OidInt2, -1, true), {adSmallInt, 0, 5, 0, true}, false, T::ftSmallint, 0},
        {row(OidInt4, -1, true), {adInteger, 0, 10, 0, true}, true, T::ftAutoInc, 0},
        {row(OidInt8, -1, true), {adBigInt, 0, 19, 0, true}, true, T::ftLargeint, 0},
        {row(OidNumeric, -1, true), {adNumeric, 0, 28, 6, true}, false, T::ftFMTBcd, 6},
        // oid and xid are unsigned 32-bit numbers, and never counters.
        {row(OidOid, -1, true), {adUnsignedInt, 0, 10, 0, true}, false, T::ftLargeint, 0},
        {row(OidXid), {adUnsignedInt, 0, 10, 0, true}, false, T::ftLargeint, 0},
        {row(OidNumeric, Decimal(10, 2)), {adNumeric, 0, 10, 2, true}, false, T::ftBCD, 2},
        {row(OidNumeric, Decimal(9, 0)), {adNumeric, 0, 9, 0, true}, false, T::ftInteger, 0},
        {row(OidNumeric), {adNumeric, 0, 28, 6, true}, false, T::ftFMTBcd, 6},
        {row(OidFloat4), {adSingle, 0, 9, 0, true}, false, T::ftFloat, 0},
        {row(OidFloat8), {adDouble, 0, 17, 0, true}, false, T::ftFloat, 0},
        {row(OidMoney), {adDouble, 0, 10, 0, true}, false, T::ftFloat, 0},
        {row(OidVarChar, Length(40)), {adVarWChar, 40, 0, 0, false}, false, T::ftWideString, 40},
        {row(OidVarChar), {adVarWChar, 255, 0, 0, false}, false, T::ftWideString, 255},
        // Longer than MaxVarcharSize: a long text.
        {row(OidVarChar, Length(300)), {adLongVarWChar, 300, 0, 0, false}, false, T::ftMemo, 0},
        {row(OidBpChar, Length(3)), {adWChar, 3, 0, 0, true}, false, T::ftWideString, 3},
        {row(OidText), {adLongVarWChar, 8190, 0, 0, false}, false, T::ftMemo, 0},
        {row(OidBool), {adBoolean, 0, 0, 0, true}, false, T::ftBoolean, 0},
        {row(OidBytea), {adLongVarBinary, 0, 0, 0, false}, false, T::ftBlob, 0},
        {row(OidDate), {adDBDate, 0, 0, 0, true}, false, T::ftDate, 0},
        {row(OidTime), {adDBTime, 0, 0, 0, true}, false, T::ftTime, 0},
        {row(OidTimestamp), {adDBTimeStamp, 0, 0, 6, true}, false, T::ftDateTime, 0},
        // A time type's modifier is its precision, with no header counted in.
        {row(OidTimestampTz, 3), {adDBTimeStamp, 0, 0, 3, true}, false, T::ftDateTime, 0},
        {row(OidUuid), {adGUID, 16, 0, 0, true}, false, T::ftGuid, 38},
        // Types without an ODBC type come as text.
        {row(OidInterval), {adVarWChar, 32, 0, 0, false}, false, T::ftWideString, 32},
        {row(OidJson), {adVarWChar, 255, 0, 0, false}, false, T::ftWideString, 255},
        {row(OidName), {adVarWChar, ids, 0, 0, false}, false, T::ftWideString, ids},
    };
    // clang-format on
    for (const TPsqlOdbcCase& c : cases) {
        SCOPED_TRACE("type " + std::to_string(c.Row.TypeOid) + " modifier " +
                     std::to_string(c.Row.TypeModifier) +
                     (c.Row.IdentityOrSerial ? " identity" : ""));
        const std::optional<TColumnInfo> column =
            PsqlOdbcColumnFromCatalogue(c.Row, MaxIdentifierLength);
        ExpectColumn(column, c.Expected);
        EXPECT_EQ(column->Name, "c");
        EXPECT_EQ(column->IsAutoIncrement, c.AutoIncrement);
        const std::vector<TFieldDescriptor> fields = DescribeFields({{*column}, true});
        ASSERT_EQ(fields.size(), 1u);
        EXPECT_EQ(fields[0].DataType, c.Kind) << FieldTypeName(fields[0].DataType);
        EXPECT_EQ(fields[0].Size, c.FieldSize);
        EXPECT_EQ(fields[0].AutoIncrement, c.AutoIncrement);
    }
    // A name is as long as the server's identifiers, whatever it was built with.
    ExpectColumn(PsqlOdbcColumnFromCatalogue(row(OidName), 127), {adVarWChar, 127, 0, 0, false});
}

TEST(PsqlOdbcCatalogueTest, TypesNotReproducedAreLeftToTheDriver) {
    // 0: a domain over a domain or the large-object type, as the query marks them; abstime:
    // a type of old servers the driver describes in a way of its own.
    EXPECT_FALSE(PsqlOdbcColumnFromCatalogue(PgColumn(0), MaxIdentifierLength));
    EXPECT_FALSE(PsqlOdbcColumnFromCatalogue(PgColumn(OidAbsTime), MaxIdentifierLength));
}

TEST(PsqlOdbcCatalogueTest, OnlyOidAndXidAreUnsigned) {
    EXPECT_TRUE(PsqlOdbcTypeIsUnsigned(OidOid));
    EXPECT_TRUE(PsqlOdbcTypeIsUnsigned(OidXid));
    for (const std::int64_t type :
         {OidInt2, OidInt4, OidInt8, OidNumeric, OidText, std::int64_t{0}}) {
        EXPECT_FALSE(PsqlOdbcTypeIsUnsigned(type)) << type;
    }
}

// The select list of `sql`, split at its top-level commas: not inside parentheses or quotes.
std::vector<std::string> SelectList(const std::string& sql) {
    const std::string select = "SELECT ";
    const std::size_t from = sql.find(" FROM pg_catalog.pg_class ");
    EXPECT_EQ(sql.rfind(select, 0), 0u);
    EXPECT_NE(from, std::string::npos);
    std::vector<std::string> items(1);
    int depth = 0;
    bool quoted = false;
    for (std::size_t i = select.size(); i < from && from != std::string::npos; ++i) {
        const char c = sql[i];
        if (c == '\'') {
            quoted = !quoted;
        } else if (!quoted && c == '(') {
            ++depth;
        } else if (!quoted && c == ')') {
            --depth;
        } else if (!quoted && depth == 0 && c == ',') {
            items.emplace_back();
            ++i; // the blank after the comma
            continue;
        }
        items.back() += c;
    }
    return items;
}

TEST(PsqlOdbcCatalogueTest, ColumnsQueryCarriesTheProbesAfterItsFacts) {
    // The reading takes the probes' descriptions from the result columns after the facts: the
    // query must place them there, in the order of PsqlOdbcProbes().
    const std::vector<std::string> items = SelectList(PostgreSqlColumnsQuery());
    const std::vector<TPsqlOdbcProbe>& probes = PsqlOdbcProbes();
    ASSERT_EQ(items.size(), PostgreSqlColumnsQueryFacts + probes.size());
    EXPECT_EQ(items[0], "n.nspname");
    EXPECT_EQ(items[1], "c.relname");
    EXPECT_EQ(items[2].rfind("pg_catalog.string_agg(", 0), 0u) << items[2];
    EXPECT_EQ(items[3], "pg_catalog.current_setting('max_identifier_length')");
    EXPECT_EQ(items[4], "c.oid::text");
    EXPECT_EQ(items[5], "c.relkind::text");
    EXPECT_EQ(items[6].rfind("(SELECT pg_catalog.string_agg(", 0), 0u) << items[6];
    for (std::size_t i = 0; i < probes.size(); ++i) {
        EXPECT_EQ(items[PostgreSqlColumnsQueryFacts + i], probes[i].Expression);
    }
}

// --- Catalogue queries narrowed to the tables a run chose
// -----------------------------------------

// A name reaches each server as written, whatever it holds: quotes, backslashes, brackets, bytes
// beyond ASCII, and whatever the server does with backslashes in its strings.
TEST(ChosenTablesTest, NamesReachTheCatalogueQueriesAsWritten) {
    EXPECT_EQ(PostgreSqlLiteral("it's a\\b"), "E'it''s a\\\\b'");
    EXPECT_EQ(PostgreSqlLiteral(""), "E''");
    EXPECT_EQ(MariaDbLiteral("Ab'\\\xC3\xA4"), "X'4162275CC3A4'");
    EXPECT_EQ(MariaDbLiteral(""), "X''");

    const TChosenTables chosen = {{"public", "orders"},
                                  {"s'x", "Gr\xC3\xB6\xC3\x9F"
                                          "e"}};
    // The select list stays what the reading expects; only the tables narrow.
    const std::string narrowed = PostgreSqlColumnsQuery(&chosen);
    EXPECT_EQ(SelectList(narrowed), SelectList(PostgreSqlColumnsQuery()));
    EXPECT_NE(narrowed.find("WHERE (wn.nspname, wc.relname) IN (VALUES (E'public', E'orders'), "
                            "(E's''x', E'Gr\xC3\xB6\xC3\x9F"
                            "e'))"),
              std::string::npos)
        << narrowed;
    // The referenced tables come along, so that the foreign keys' ends have names.
    EXPECT_NE(narrowed.find("SELECT k.confrelid FROM pg_catalog.pg_constraint k WHERE "
                            "k.conrelid = wc.oid AND k.contype = 'f'"),
              std::string::npos);
    EXPECT_TRUE(narrowed.ends_with(" GROUP BY c.oid, n.nspname, c.relname"));
    EXPECT_EQ(PostgreSqlColumnsQuery().find("VALUES"), std::string::npos);
    EXPECT_TRUE(PostgreSqlUnreadableTablesQuery(&chosen).ends_with(
        "'SELECT')) AND (n.nspname, c.relname) IN (VALUES (E'public', E'orders'), (E's''x', "
        "E'Gr\xC3\xB6\xC3\x9F"
        "e'))"));

    EXPECT_EQ(MariaDbChosenTables({{"shop", "orders"}, {"shop", "a b"}}),
              " AND (TABLE_SCHEMA, TABLE_NAME) IN ((X'73686F70', X'6F7264657273'), "
              "(X'73686F70', X'612062'))");
    EXPECT_EQ(MariaDbChosenColumns({{"shop", "orders"}}, false),
              " AND ((c.TABLE_SCHEMA, c.TABLE_NAME) IN ((X'73686F70', X'6F7264657273')))");
    // A chosen view's auto-increment flags come from the views and counters it names.
    EXPECT_EQ(MariaDbChosenColumns({{"shop", "orders"}}, true),
              " AND ((c.TABLE_SCHEMA, c.TABLE_NAME) IN ((X'73686F70', X'6F7264657273')) OR "
              "c.EXTRA LIKE '%auto_increment%' OR (c.TABLE_SCHEMA, c.TABLE_NAME) IN (SELECT "
              "TABLE_SCHEMA, TABLE_NAME FROM information_schema.VIEWS))");

    const TChosenTables sqlServer = {{"dbo", "Order]s"}, {"it's", "x"}};
    const std::string objects = "IN (OBJECT_ID(N'[dbo].[Order]]s]'), OBJECT_ID(N'[it''s].[x]'))";
    EXPECT_TRUE(SqlServerColumnsQuery(&sqlServer)
                    .ends_with("WHERE o.type IN ('U', 'V') AND o.object_id " + objects));
    // Both halves of the keys query, the primary keys' and the foreign keys'.
    const std::string keys = SqlServerKeysQuery(&sqlServer);
    EXPECT_NE(keys.find("WHERE k.type = 'PK' AND t.object_id " + objects + " UNION ALL "),
              std::string::npos)
        << keys;
    EXPECT_TRUE(keys.ends_with("fc.referenced_column_id WHERE t.object_id " + objects)) << keys;
    EXPECT_EQ(SqlServerKeysQuery().find("OBJECT_ID"), std::string::npos);
}

// --- What the catalogues say of columns and keys beyond their types
// -------------------------------

std::string FactsText(const TColumnFacts& facts) {
    const auto flag = [](const std::optional<bool>& value) {
        return value ? (*value ? std::string("yes") : std::string("no")) : std::string("?");
    };
    return "not null " + flag(facts.NotNull) + ", default " + flag(facts.HasDefault) +
           ", comment " + (facts.Comment ? "[" + *facts.Comment + "]" : std::string("?"));
}

TEST(PostgreSqlColumnListTest, FlagsGiveNotNullDefaultAndTheCommentAfterTheName) {
    // 1 identity-or-serial, 2 NOT NULL, 4 a default, 8 a comment after the name, escaped as
    // names are; without 8 the column has none (PostgreSQL keeps no empty comment).
    const auto columns =
        ParsePostgreSqlColumnList("1 23 -1 7 id/"
                                  "2 1043 44 2 name/"
                                  "3 25 -1 12 note/it's \\/ a \\\\ Gr\xC3\xB6\xC3\x9F"
                                  "e/"
                                  "4 23 -1 8 n/1 2 3 x/");
    ASSERT_TRUE(columns.has_value());
    std::vector<std::string> lines;
    for (const auto& [ordinal, column] : *columns) {
        lines.push_back(std::to_string(ordinal) + " " + column.Name + ": " +
                        FactsText(column.Facts) + (column.IdentityOrSerial ? ", identity" : ""));
    }
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "1 id: not null yes, default yes, comment [], identity",
                         "2 name: not null yes, default no, comment []",
                         "3 note: not null no, default yes, comment [it's / a \\ Gr\xC3\xB6\xC3\x9F"
                         "e]",
                         "4 n: not null no, default no, comment [1 2 3 x]",
                     }));
}

// A key list as lines: kind, columns' ordinals, the referenced table and its columns.
std::vector<std::string> ParsedKeys(const std::string& text) {
    const auto keys = ParsePostgreSqlKeyList(text);
    EXPECT_TRUE(keys.has_value()) << text;
    std::vector<std::string> lines;
    for (const TPostgreSqlConstraint& key : keys.value_or(std::vector<TPostgreSqlConstraint>{})) {
        std::string line = key.Primary ? "primary" : "foreign";
        for (const std::int64_t column : key.Columns) {
            line += " " + std::to_string(column);
        }
        if (!key.Primary) {
            line += " -> " + std::to_string(key.ReferencedTable) + ":";
            for (const std::int64_t column : key.ReferencedColumns) {
                line += " " + std::to_string(column);
            }
        }
        lines.push_back(line);
    }
    return lines;
}

TEST(PostgreSqlKeyListTest, ReadsPrimaryAndForeignKeysInKeyOrder) {
    EXPECT_EQ(ParsedKeys("p 0 3 1/f 16402 2 > 1/f 16388 4 1 > 2 1/"),
              (std::vector<std::string>{"primary 3 1", "foreign 2 -> 16402: 1",
                                        "foreign 4 1 -> 16388: 2 1"}));
    // A table without keys: the query gives no text at all.
    EXPECT_TRUE(ParsedKeys("").empty());
}

TEST(PostgreSqlKeyListTest, MalformedTextsGiveNoKeys) {
    const std::vector<std::string> malformed = {
        "u 0 1/",           // neither a primary nor a foreign key
        "p 0/",             // no column
        "p 5 1/",           // a primary key referring to a table
        "p 0 1 > 1/",       // a primary key with referenced columns
        "f 16402 2/",       // a foreign key without referenced columns
        "f 0 2 > 1/",       // a foreign key without a table
        "f 16402 2 3 > 1/", // more columns than referenced ones
        "f 16402 2 > 1 > 2/",
        "p 0  1/", // two blanks
        "p 0 x/",
        "p 0 -1/",
    };
    for (const std::string& text : malformed) {
        EXPECT_FALSE(ParsePostgreSqlKeyList(text)) << text;
    }
}

TEST(PostgreSqlKeyListTest, KeysNameTheirColumnsAndTheReferencedTables) {
    const std::map<std::int64_t, TPostgreSqlRelation> relations = {
        {100, {"public", "employee", {{1, "id"}, {2, "boss_id"}, {3, "dept_code"}, {5, "mentor"}}}},
        {200, {"hr", "department", {{1, "code"}, {2, "site"}}}},
        {300, {"public", "audit", {{1, "at"}}}},
    };
    // Keys as the query gives them: primary key first, then the foreign keys by name.
    const auto constraints = ParsePostgreSqlKeyList("p 0 1/f 100 2 > 1/f 200 3 > 1/f 100 5 > 1/");
    ASSERT_TRUE(constraints.has_value());
    const std::optional<TTableKeys> keys = PostgreSqlTableKeys(*constraints, 100, relations);
    ASSERT_TRUE(keys.has_value());
    EXPECT_EQ(keys->PrimaryKey, (std::vector<std::string>{"id"}));
    EXPECT_EQ(keys->ForeignKeys,
              (std::vector<TForeignKey>{{{"boss_id"}, "public", "employee", {"id"}},
                                        {{"dept_code"}, "hr", "department", {"code"}},
                                        {{"mentor"}, "public", "employee", {"id"}}}));

    // Known and empty: a table without keys.
    const std::optional<TTableKeys> none = PostgreSqlTableKeys({}, 300, relations);
    ASSERT_TRUE(none.has_value());
    EXPECT_EQ(none->PrimaryKey, std::vector<std::string>{});
    EXPECT_EQ(none->ForeignKeys, std::vector<TForeignKey>{});

    // A column or a table the query did not give leaves the keys unknown, not wrong.
    const auto unknownColumn = ParsePostgreSqlKeyList("p 0 4/");
    const auto unknownTable = ParsePostgreSqlKeyList("f 999 1 > 1/");
    const auto unknownReferencedColumn = ParsePostgreSqlKeyList("f 200 1 > 7/");
    ASSERT_TRUE(unknownColumn && unknownTable && unknownReferencedColumn);
    EXPECT_FALSE(PostgreSqlTableKeys(*unknownColumn, 100, relations));
    EXPECT_FALSE(PostgreSqlTableKeys(*unknownTable, 300, relations));
    EXPECT_FALSE(PostgreSqlTableKeys(*unknownReferencedColumn, 300, relations));
}

TEST(MariaDbCatalogueTest, ColumnFactsReadTheDefaultAsTheServerWritesIt) {
    const auto facts = [](std::string nullable, std::optional<std::string> columnDefault,
                          std::string comment, bool quotes) {
        TMariaDbCatalogueColumn row;
        row.Name = "c";
        row.DataType = "varchar";
        row.IsNullable = std::move(nullable);
        row.ColumnDefault = std::move(columnDefault);
        row.Comment = std::move(comment);
        row.QuotesDefaults = quotes;
        return FactsText(MariaDbColumnFacts(row));
    };
    // MariaDB 10.2.7 and later: the word NULL is no default; a text default is quoted, so the
    // text 'NULL' is one.
    EXPECT_EQ(facts("YES", "NULL", "", true), "not null no, default no, comment []");
    EXPECT_EQ(facts("YES", "'NULL'", "", true), "not null no, default yes, comment []");
    EXPECT_EQ(facts("NO", std::nullopt, "it's", true), "not null yes, default no, comment [it's]");
    EXPECT_EQ(facts("NO", "current_timestamp()", "", true),
              "not null yes, default yes, comment []");
    // MySQL and older MariaDB give SQL NULL for none and the text as it stands.
    EXPECT_EQ(facts("YES", std::nullopt, "", false), "not null no, default no, comment []");
    EXPECT_EQ(facts("YES", "NULL", "", false), "not null no, default yes, comment []");
}

TEST(MariaDbCatalogueTest, OnlyMariaDbFrom10_2_7QuotesDefaults) {
    EXPECT_TRUE(MariaDbQuotesDefaults("10.11.6-MariaDB-0+deb12u1"));
    EXPECT_TRUE(MariaDbQuotesDefaults("10.2.7-MariaDB"));
    EXPECT_TRUE(MariaDbQuotesDefaults("11.4.2-MariaDB-log"));
    EXPECT_TRUE(MariaDbQuotesDefaults("5.5.5-10.6.12-MariaDB")); // the replication prefix
    EXPECT_FALSE(MariaDbQuotesDefaults("10.2.6-MariaDB"));
    EXPECT_FALSE(MariaDbQuotesDefaults("10.1.48-MariaDB"));
    EXPECT_FALSE(MariaDbQuotesDefaults("8.0.36"));
    EXPECT_FALSE(MariaDbQuotesDefaults("MariaDB"));
}

TEST(CatalogueKeysTest, KeyColumnRowsMakeEachTablesKeysInKeyOrder) {
    const auto primary = [](std::string table, std::string column, std::int64_t position) {
        return TKeyColumnRow{
            "shop", std::move(table), "PRIMARY", true, std::move(column), position, "", "", ""};
    };
    const auto foreign = [](std::string table, std::string constraint, std::string column,
                            std::int64_t position, std::string referencedSchema,
                            std::string referencedTable, std::string referencedColumn) {
        return TKeyColumnRow{"shop",
                             std::move(table),
                             std::move(constraint),
                             false,
                             std::move(column),
                             position,
                             std::move(referencedSchema),
                             std::move(referencedTable),
                             std::move(referencedColumn)};
    };
    // In no particular order, as a catalogue may give them.
    const std::vector<TKeyColumnRow> rows = {
        primary("line", "line_no", 2),
        foreign("line", "fk_z_order", "order_no", 2, "shop", "orders", "no"),
        foreign("line", "fk_a_item", "item", 1, "stock", "item", "code"),
        primary("line", "order_year", 1),
        foreign("line", "fk_z_order", "order_year", 1, "shop", "orders", "year"),
        foreign("link", "fk_to", "to_id", 1, "shop", "node", "id"),
        foreign("link", "fk_from", "from_id", 1, "shop", "node", "id"),
    };
    const auto tables = TableKeysFromRows(rows);
    ASSERT_EQ(tables.size(), 2u);
    const TTableKeys& line = tables.at({"shop", "line"});
    EXPECT_EQ(line.PrimaryKey, (std::vector<std::string>{"order_year", "line_no"}));
    EXPECT_EQ(
        line.ForeignKeys,
        (std::vector<TForeignKey>{{{"item"}, "stock", "item", {"code"}},
                                  {{"order_year", "order_no"}, "shop", "orders", {"year", "no"}}}));
    // Foreign keys only: the primary key is known to be none.
    const TTableKeys& link = tables.at({"shop", "link"});
    EXPECT_EQ(link.PrimaryKey, std::vector<std::string>{});
    EXPECT_EQ(link.ForeignKeys, (std::vector<TForeignKey>{{{"from_id"}, "shop", "node", {"id"}},
                                                          {{"to_id"}, "shop", "node", {"id"}}}));
    EXPECT_TRUE(TableKeysFromRows({}).empty());
}

TEST(SqlServerCatalogueTest, ColumnFactsFromNullabilityDefaultConstraintAndDescription) {
    TSqlServerCatalogueColumn row;
    row.Name = "c";
    row.TypeName = "int";
    row.IsNullable = false;
    row.DefaultObjectId = 1237579447;
    row.Description = "Kunde\xE2\x80\x99s Nr.";
    EXPECT_EQ(FactsText(SqlServerColumnFacts(row)),
              "not null yes, default yes, comment [Kunde\xE2\x80\x99s Nr.]");
    row.IsNullable = true;
    row.DefaultObjectId = 0;
    row.Description.reset();
    EXPECT_EQ(FactsText(SqlServerColumnFacts(row)), "not null no, default no, comment []");
}

} // namespace
} // namespace quorvane
