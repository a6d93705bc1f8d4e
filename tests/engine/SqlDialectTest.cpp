// Table names in the generated select texts, as each database quotes them.

#include "schema/SqlDialect.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

TEST(SqlDialectTest, NamesAreQuotedOnlyWhereUnquotedTheyMissTheTable) {
    const TIdentifierQuoting access{TSqlDialect::Access, "["};
    const TIdentifierQuoting postgres{TSqlDialect::PostgreSql, "\""};
    const TIdentifierQuoting mysql{TSqlDialect::MySql, "`"};
    const TIdentifierQuoting firebird{TSqlDialect::Firebird, "\""};
    const TIdentifierQuoting sqlite{TSqlDialect::Sqlite, "\""};
    struct TCase {
        std::string Name, Access, PostgreSql, MySql, Firebird;
    };
    const std::vector<TCase> cases = {
        // Ordinary names stay as they are, except where the database folds letter case.
        {"orders", "orders", "orders", "orders", "\"orders\""},
        {"Orders", "Orders", "\"Orders\"", "Orders", "\"Orders\""},
        {"ORDERS", "ORDERS", "\"ORDERS\"", "ORDERS", "ORDERS"},
        // Blanks, other characters, a leading digit, a reserved word of SQL:2016.
        {"Order Details", "[Order Details]", "\"Order Details\"", "`Order Details`",
         "\"Order Details\""},
        {"order-lines", "[order-lines]", "\"order-lines\"", "`order-lines`", "\"order-lines\""},
        {"2019sales", "[2019sales]", "\"2019sales\"", "`2019sales`", "\"2019sales\""},
        {"order", "[order]", "\"order\"", "`order`", "\"order\""},
        // The quote character inside is doubled.
        {"a]b", "[a]]b]", "\"a]b\"", "`a]b`", "\"a]b\""},
        {"a\"b`c", "[a\"b`c]", "\"a\"\"b`c\"", "`a\"b``c`", "\"a\"\"b`c\""},
        // A word only one dialect reserves is quoted there alone.
        {"limit", "limit", "\"limit\"", "`limit`", "\"limit\""},
        {"memo", "[memo]", "memo", "memo", "\"memo\""},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(SqlTableName(c.Name, access), c.Access) << c.Name;
        EXPECT_EQ(SqlTableName(c.Name, postgres), c.PostgreSql) << c.Name;
        EXPECT_EQ(SqlTableName(c.Name, mysql), c.MySql) << c.Name;
        EXPECT_EQ(SqlTableName(c.Name, firebird), c.Firebird) << c.Name;
    }
    EXPECT_EQ(SqlTableName("Order Details", sqlite), "[Order Details]");
    EXPECT_EQ(SqlTableName("pragma", sqlite), "[pragma]");
    EXPECT_EQ(SqlTableName("a]\"b", sqlite), "\"a]\"\"b\"");
    // Another database quotes with its driver's character; one that cannot quote gets the name.
    EXPECT_EQ(SqlTableName("Order Details", {TSqlDialect::Other, "'"}), "'Order Details'");
    EXPECT_EQ(SqlTableName("Order Details", {TSqlDialect::Other, ""}), "Order Details");
    EXPECT_EQ(SqlTableName("Orders", {TSqlDialect::Other, "\""}), "Orders");
    EXPECT_TRUE(IsSqlReservedWord("SeLeCt", TSqlDialect::Other));
    EXPECT_FALSE(IsSqlReservedWord("selection", TSqlDialect::Other));
}

} // namespace
} // namespace quorvane
