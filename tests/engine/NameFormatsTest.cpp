// Name formats as the builders apply them, and the identifier helpers every builder shares.

#include "generate/NameFormats.h"
#include "text/EngineErrors.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvane {
namespace {

struct TFormatCase {
    std::string Format;
    std::string Name;
    std::string Expected;
};

TEST(FormatNameTest, SubstitutesTheNameLikeTheRuntimeFormat) {
    const std::vector<TFormatCase> cases = {
        {"%s_CDS", "Orders", "Orders_CDS"},
        {"frm%s", "Orders", "frmOrders"},
        {"%S_P", "Orders", "Orders_P"},        // the type letter in either case
        {"%%s", "Orders", "%s"},               // a doubled percent sign is one literal sign
        {"100%%_%s", "Orders", "100%_Orders"}, // ... also right before a conversion
        {"%8s", "Ab", "      Ab"},
        {"%-8s|", "Ab", "Ab      |"},
        {"%2s", "Orders", "Orders"}, // a width never cuts
        {"%.3s", "Orders", "Ord"},
        {"%5.2s", "Orders", "   Or"},
        {"%-5.2s|", "Orders", "Or   |"},
        {"%0:s%0:s", "Ab", "AbAb"},   // index 0 names the same argument again
        {"Fixed", "Orders", "Fixed"}, // no conversion: every table gets the same name
        {"", "Orders", ""},
        {"%s", "", ""}};
    for (const TFormatCase& c : cases) {
        EXPECT_EQ(FormatName(c.Format, c.Name), c.Expected) << "format " << c.Format;
    }
}

TEST(FormatNameTest, RaisesTheRuntimeMessagesQuotingTheOffendingConversion) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"%s%s", "No argument for format '%s'"},
        {"%s_%-4.2s", "No argument for format '%-4.2s'"},
        {"%1:s", "No argument for format '%1:s'"},
        {"%0:s_%s", "No argument for format '%s'"}, // the index moves on after "%0:s"
        {"%d", "Format '%d' invalid or incompatible with argument"},
        {"A%x", "Format '%x' invalid or incompatible with argument"},
        {"%q", "Format '%q' invalid or incompatible with argument"},
        {"%s_%", "Format '%' invalid or incompatible with argument"},
        {"Name%", "Format '%' invalid or incompatible with argument"},
        // The quoted conversion stops after 31 characters.
        {"%" + std::string(40, '0') + "1d",
         "Format '%" + std::string(30, '0') + "' invalid or incompatible with argument"}};
    for (const auto& [format, message] : cases) {
        try {
            FormatName(format, "Orders");
            ADD_FAILURE() << "no error for " << format;
        } catch (const EFormatError& error) {
            EXPECT_EQ(std::string(error.what()), message) << "format " << format;
        }
    }
}

TEST(ApplyNameFormatTest, GivesIdentifiersOrAnErrorNamingTheFileKeyAndValue) {
    TFormatStrings formats;
    EXPECT_EQ(formats.Source, "built-in");
    formats.Source = "/etc/quorvane/NameFormat.ini";
    const std::string ok[][3] = {{"%s_CDS", "Orders", "Orders_CDS"},
                                 {"Fixed", "Orders", "Fixed"},
                                 {"%-3s", "Orders", "Orders"},
                                 {"%.0s_X", "Orders", "_X"},
                                 {"T%.3s", "_1", "T_1"},
                                 {"%s", "Field_1", "Field_1"}};
    for (const auto& [format, name, expected] : ok) {
        formats.ClientDataSetName = format;
        EXPECT_EQ(ApplyNameFormat(formats, &TFormatStrings::ClientDataSetName, name), expected);
    }

    const std::string where = "/etc/quorvane/NameFormat.ini: [NameFormatStrings] ";
    const std::string rule =
        "is no Pascal identifier (an ASCII letter or \"_\", then ASCII letters, digits or \"_\").";
    const struct {
        std::string TFormatStrings::*Format;
        std::string Value;
        std::string Name;
        std::string Message;
    } refused[] = {
        {&TFormatStrings::DataSetName, "%s D", "Orders",
         "DataSetName=%s D: \"Orders D\", made from \"Orders\", " + rule},
        {&TFormatStrings::DBEditName, "%s_\xC3\x84", "Name",
         "DBEditName=%s_\xC3\x84: \"Name_\xC3\x84\", made from \"Name\", " + rule},
        {&TFormatStrings::LabelName, "", "Name", "LabelName=: \"\", made from \"Name\", " + rule},
        {&TFormatStrings::DBGridName, "%8s", "Ab",
         "DBGridName=%8s: \"      Ab\", made from \"Ab\", " + rule},
        {&TFormatStrings::TableFormName, "9%s", "Ab",
         "TableFormName=9%s: \"9Ab\", made from \"Ab\", " + rule},
        {&TFormatStrings::DBLookupComboBoxName, "%s.%s", "A",
         "DBLookupComboBoxName=%s.%s: No argument for format '%s'"},
        {&TFormatStrings::ProviderName, "P%d", "A",
         "ProviderName=P%d: Format '%d' invalid or incompatible with argument"},
    };
    for (const auto& c : refused) {
        formats.*c.Format = c.Value;
        try {
            ApplyNameFormat(formats, c.Format, c.Name);
            ADD_FAILURE() << "no error for " << c.Value;
        } catch (const EFormatError& error) {
            EXPECT_EQ(std::string(error.what()), where + c.Message);
        }
    }
}

TEST(TrimTablePrefixTest, KeepsTheTextAfterTheFirstUnderscore) {
    // A name without "_" is left as it is, outer blanks and all.
    // clang-format off
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"ABC_Client", "Client"}, {"A_B_C", "B_C"}, {"_Orders", "Orders"}, {"Orders_", ""},
        {"Orders", "Orders"}, {" Orders ", " Orders "}, {"A_  B \t\r", "B"}, {"", ""},
        {"X_" + std::string(300, 'a'), std::string(255, 'a')}};
    // clang-format on
    for (const auto& [name, expected] : cases) {
        EXPECT_EQ(TrimTablePrefix(name), expected) << "name '" << name << "'";
    }
}

TEST(NameToCaptionTest, SplitsIdentifiersIntoDisplayWords) {
    // "First_Name" gets two blanks: one from the underscore, one before the capital.
    // clang-format off
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"CustomerName", "Customer Name"}, {"customer_name", "customer name"},
        {"OrderID", "Order ID"}, {"HTMLFile", "HTML File"}, {"ABc", "A Bc"},
        {"Address2Line", "Address2 Line"}, {"UnitPriceX", "Unit PriceX"},
        {"First_Name", "First  Name"}, {"_Total_", "Total"}, {"IDCard", "ID Card"},
        {" Ship Via ", "Ship  Via"}, {"A", "A"}, {"aB", "aB"}, {"Ab", "Ab"}, {"_a", "a"},
        {"", ""}, {"___", ""}};
    // clang-format on
    for (const auto& [name, expected] : cases) {
        EXPECT_EQ(NameToCaption(name), expected) << "name '" << name << "'";
    }
}

TEST(MakeTableIdentifierTest, KeepsOnlyLettersDigitsAndUnderscores) {
    struct TCase {
        std::string Table;
        bool Trim;
        std::string Expected;
    };
    const std::vector<TCase> cases = {
        {"Order Details", false, "OrderDetails"},
        {"Order Details", true, "OrderDetails"},
        {"O'Brien", false, "OBrien"},
        {"Sales-2023#Q1", false, "Sales2023Q1"},
        {"Tab\tName\x01\x7f", false, "TabName"},
        {"Caf\xC3\xA9", false, "Caf"},
        {"../../etc/passwd", false, "etcpasswd"},
        {"a/b\\c", false, "abc"},
        {"Sales_Client", false, "Sales_Client"},
        {"Sales_Client", true, "Client"},
        // An identifier cannot start with a digit.
        {"2023 Sales", false, "_2023Sales"},
        {"Sales_2023", true, "_2023"},
        // The prefix is trimmed from the reduced name, so blanks never survive the trim.
        {"Sales Dept_ Client", true, "Client"},
        {"-_-", true, ""},
        {"'#/..", false, ""},
        {"", true, ""}};
    for (const TCase& c : cases) {
        EXPECT_EQ(MakeTableIdentifier(c.Table, c.Trim), c.Expected) << "table '" << c.Table << "'";
    }
    // A table name must never lead a generated file outside the output folder.
    for (const bool trim : {false, true}) {
        const std::string identifier = MakeTableIdentifier("../x", trim);
        EXPECT_EQ(identifier.find_first_of("/."), std::string::npos) << identifier;
        EXPECT_EQ(identifier, "x");
    }
}

} // namespace
} // namespace quorvane
