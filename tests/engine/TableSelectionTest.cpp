// Choosing the tables of a run: the comma lists, the shell-style patterns and what the snapshot
// then reads of a database.

#include "schema/TableSelection.h"
#include "MemorySchemaSource.h"
#include "schema/SchemaSnapshot.h"
#include "text/EngineErrors.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace quorvane {
namespace {

using testing::Column;
using testing::TMemoryDatabase;
using testing::TMemorySchemaSource;

TEST(TableSelectionTest, ListsSplitAtCommasThatNoBackslashEscapes) {
    EXPECT_EQ(SplitTableList(" Orders ,Sales_*,, \t"),
              (std::vector<std::string>{"Orders", "Sales_*"}));
    EXPECT_TRUE(SplitTableList("").empty());
    EXPECT_TRUE(SplitTableList(" , ").empty());
    // The escape stays for the pattern to read; an escaped blank at the end is kept.
    EXPECT_EQ(SplitTableList("a\\,b, c\\ ,d\\\\,e"),
              (std::vector<std::string>{"a\\,b", "c\\ ", "d\\\\", "e"}));
    EXPECT_EQ(SplitTableList("x\\"), (std::vector<std::string>{"x\\"}));
}

TEST(TableSelectionTest, PatternsMatchAsTheShellDoesWithoutRegardToLetterCase) {
    struct TCase {
        const char* Pattern;
        const char* Name;
        bool Matches;
    };
    const std::vector<TCase> cases = {
        {"Orders", "ORDERS", true},
        {"Orders", "Orders2", false},
        {"Sales_*", "sales_client", true},
        {"Sales_*", "Sales_", true},
        {"Sales_*", "Sale", false},
        {"*_log", "audit_log", true},
        {"*_log", "audit_log_old", false},
        {"a*b*c", "axxbyyc", true},
        {"a*b*c", "axxbyy", false},
        {"***", "", true},
        {"T?", "T1", true},
        {"T?", "T12", false},
        {"T?", "T", false},
        {"T[0-9]", "t7", true},
        {"T[0-9]", "tx", false},
        {"T[!0-9]", "tx", true},
        {"T[^0-9]", "t7", false},
        {"[a-c]x", "Bx", true},
        {"[A-C]x", "bx", true},
        {"[]a]", "]", true},
        {"[!]]", "]", false},
        {"T[", "t[", true},
        {"T[0-", "t[0-", true},
        {"a\\*", "a*", true},
        {"a\\*", "ab", false},
        {"a\\?", "ab", false},
        {"[\\]]", "]", true},
        {"public.orders", "PUBLIC.Orders", true},
        // "?" stands for one character, however many bytes it takes.
        {"Stra?e",
         "Stra\xc3\x9f"
         "e",
         true},
        {"[\xc3\xa4\xc3\xb6]rger", "\xc3\xb6rger", true},
        // Only A to Z fold: other letters are compared as they are.
        {"\xc3\x84pfel", "\xc3\xa4pfel", false},
        // A byte that is no UTF-8 still matches itself, and "?" takes it alone.
        {"x?y", "x\xffy", true},
        {"x\xff", "x\xff", true},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(MatchesTablePattern(c.Pattern, c.Name), c.Matches)
            << "\"" << c.Pattern << "\" against \"" << c.Name << "\"";
    }
}

TEST(TableSelectionTest, ANameWrittenAsAPatternMatchesThatNameAlone) {
    for (const std::string name :
         {"Orders", "Sales*", "a?b", "x[1]", "c:\\temp", "one,two", " padded ", "plain name"}) {
        const std::string pattern = TablePatternOf(name);
        const std::vector<std::string> items = SplitTableList(pattern + "," + pattern);
        ASSERT_EQ(items.size(), 2u) << name;
        EXPECT_EQ(items[0], pattern);
        EXPECT_TRUE(MatchesTablePattern(items[0], name)) << pattern;
    }
    EXPECT_FALSE(MatchesTablePattern(TablePatternOf("Sales*"), "Sales_Client"));
    EXPECT_FALSE(MatchesTablePattern(TablePatternOf("a?b"), "axb"));
    EXPECT_FALSE(MatchesTablePattern(TablePatternOf("x[1]"), "x1"));
}

std::vector<std::string> ChosenNames(const TTableSelection& selection,
                                     const std::vector<TCatalogRow>& rows,
                                     const std::vector<std::string>& qualifiers) {
    std::vector<std::string> names;
    for (const std::size_t index : selection.Choose(rows, qualifiers)) {
        names.push_back(QualifiedTableName(rows[index].Schema, rows[index].TableName));
    }
    return names;
}

std::string ChoiceError(const TTableSelection& selection, const std::vector<TCatalogRow>& rows,
                        const std::vector<std::string>& qualifiers) {
    try {
        selection.Choose(rows, qualifiers);
    } catch (const EOptionsError& error) {
        return error.what();
    }
    return "no error";
}

TEST(TableSelectionTest, ListsChooseByNameOrQualifiedNameAndNameWhatMatchesNothing) {
    const std::vector<TCatalogRow> rows = {{"orders", "TABLE", "public"},
                                           {"orders", "TABLE", "archive"},
                                           {"sales_client", "TABLE", "public"},
                                           {"Sales_Region", "VIEW", "public"},
                                           {"audit", "TABLE", "shop"}};
    // The qualifier of the default schema is empty; a MariaDB database's is the database.
    const std::vector<std::string> qualifiers = {"", "archive", "", "", "shop"};

    EXPECT_EQ(ChosenNames({"", ""}, rows, qualifiers).size(), rows.size());
    // Catalogue order, whatever the order of the list; each table once.
    EXPECT_EQ(ChosenNames({"SALES_*, Orders, orders", ""}, rows, qualifiers),
              (std::vector<std::string>{"public.orders", "archive.orders", "public.sales_client",
                                        "public.Sales_Region"}));
    EXPECT_EQ(ChosenNames({"archive.ORDERS", ""}, rows, qualifiers),
              (std::vector<std::string>{"archive.orders"}));
    EXPECT_EQ(ChosenNames({"public.*", "*region"}, rows, qualifiers),
              (std::vector<std::string>{"public.orders", "public.sales_client"}));
    EXPECT_EQ(
        ChosenNames({"", "archive.*, shop.audit"}, rows, qualifiers),
        (std::vector<std::string>{"public.orders", "public.sales_client", "public.Sales_Region"}));
    EXPECT_EQ(ChosenNames({"AUDIT, Shop.Audit", ""}, rows, qualifiers),
              (std::vector<std::string>{"shop.audit"}));

    EXPECT_EQ(ChoiceError({"Orders, Ordrs", ""}, rows, qualifiers),
              "No table or view of the database matches \"Ordrs\".");
    EXPECT_EQ(ChoiceError({"x*, orders", "public.audit, y"}, rows, qualifiers),
              "No table or view of the database matches \"x*\", \"public.audit\" or \"y\".");
    EXPECT_EQ(ChoiceError({"orders", "*.orders"}, rows, qualifiers),
              "The table selection leaves no table or view of the database to generate.");
    EXPECT_EQ(ChoiceError({"orders", ""}, {}, {}),
              "No table or view of the database matches \"orders\".");
    // Of thousands of names that match nothing, the message names a few.
    std::string many = "orders";
    for (int i = 0; i < 5000; ++i) {
        many += ",t" + std::to_string(i);
    }
    EXPECT_EQ(ChoiceError({many, ""}, rows, qualifiers),
              "No table or view of the database matches \"t0\", \"t1\", \"t2\", \"t3\", \"t4\", "
              "\"t5\", \"t6\", \"t7\", \"t8\", \"t9\" or any of 4990 more.");

    const TTableSelection selection("*orders", "archive.*");
    EXPECT_TRUE(selection.Chooses(rows[0], qualifiers[0]));
    EXPECT_FALSE(selection.Chooses(rows[1], qualifiers[1]));
    EXPECT_FALSE(selection.Chooses(rows[2], qualifiers[2]));
}

// The snapshot describes the chosen tables only, asks for nothing when the selection fails,
// and names only the left-out kinds of relation that the user asked for.
TEST(TableSelectionTest, TheSnapshotDescribesOnlyTheChosenTables) {
    auto database = std::make_shared<TMemoryDatabase>();
    for (const char* name : {"Customers", "Orders", "Sales_Client", "Sales_Region", "Suppliers"}) {
        database->AddTable(name, {Column("ID", ado::adInteger)});
    }
    database->AddTable("Sales_Totals", {Column("Total", ado::adCurrency)}, "VIEW");
    database->Catalogue.push_back({"Sales_Link", "SYNONYM", ""});
    database->Catalogue.push_back({"Other_Link", "SYNONYM", ""});
    TMemorySchemaSource source(database);

    const TSchemaSnapshot snapshot = ReadSchemaSnapshot(source, {"sales_*, ORDERS", "*totals"});
    std::vector<std::string> names;
    for (const TSnapshotTable& table : snapshot.Tables) {
        names.push_back(table.Name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Orders", "Sales_Client", "Sales_Region"}));
    EXPECT_EQ(database->TableOpens, 3);
    EXPECT_EQ(snapshot.Warnings,
              (std::vector<std::string>{
                  "the synonym \"Sales_Link\" is left out: only tables and views are generated"}));

    database->TableOpens = 0;
    EXPECT_THROW(ReadSchemaSnapshot(source, {"Sales_Link", ""}), EOptionsError);
    EXPECT_EQ(database->TableOpens, 0);

    // Without a selection every table is read, as it always was.
    EXPECT_EQ(ReadSchemaSnapshot(source).Tables.size(), 6u);
    EXPECT_EQ(database->TableOpens, 6);
}

} // namespace
} // namespace quorvane
