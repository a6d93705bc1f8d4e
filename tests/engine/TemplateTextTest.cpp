// The line model under every template writer: how 8-bit text becomes lines, how a placeholder
// is replaced within the whole text, and how a form file loses its closing "end".

#include "text/TemplateText.h"
#include "text/ShownText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvane {
namespace {

TEST(SplitLinesTest, EndsLinesAtCrLfOrTheirPairAndStopsAtNul) {
    const std::vector<std::pair<std::string, TStringList>> cases = {
        {"a\rb", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"a\n\rb", {"a", "", "b"}}, // LF CR is two line ends, not one pair
        {"a\r\rb\n\nc", {"a", "", "b", "", "c"}},
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"a\r\n", {"a"}}, // a final line break makes no extra line
        {"a\r", {"a"}},
        {"a\r\n\r\n", {"a", ""}},
        {"", {}},
        {"\r\n", {""}},
        {"\n\n", {"", ""}},
        {std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}},
        {std::string("\0abc", 4), {}},
        {"  indented \t", {"  indented \t"}}};
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(SplitLines(text), expected) << "text of " << text.size() << " bytes";
        // The one-pass form the writers use must give the same text.
        EXPECT_EQ(NormalizeLines(text), JoinLines(expected)) << "text of " << text.size();
    }
}

TEST(JoinLinesTest, EndsEveryLineWithCrLf) {
    EXPECT_EQ(JoinLines({}), "");
    EXPECT_EQ(JoinLines({""}), "\r\n");
    EXPECT_EQ(JoinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

TEST(CutFormTailTest, RemovesTheLastEndLineAndEverythingAfterIt) {
    const std::vector<std::pair<TStringList, TStringList>> cases = {
        {{"object F", "  Caption = 'x'", "end"}, {"object F", "  Caption = 'x'"}},
        // The inner "end" of a nested object stays; only the last one closes the form.
        {{"object F", "  object P", "  end", "END", "", "// note"},
         {"object F", "  object P", "  end"}},
        {{"object F", "  End\t"}, {"object F"}},
        {{"a", "end", "b", "end", "c"}, {"a", "end", "b"}},
        // Words that merely begin with "end" are no closing line.
        {{"object F", "end", "  ending", "end."}, {"object F"}},
        // Without an "end" after the first line only the first line remains.
        {{"object F", "a", "b"}, {"object F"}},
        // The first line is never looked at, whatever it reads.
        {{"end"}, {"end"}},
        {{" END ", "x"}, {" END "}},
        {{}, {}}};
    for (auto [lines, expected] : cases) {
        const TStringList original = lines;
        CutFormTail(lines);
        EXPECT_EQ(lines, expected) << "first line: " << (original.empty() ? "" : original[0])
                                   << ", " << original.size() << " lines";
    }
}

TEST(ReplaceFirstInTextTest, ReplacesWithinTheLineAndSplitsAgain) {
    TStringList lines = {"type", "  pre {#List} post", "{#List}"};
    ReplaceFirstInText(lines, "{#List}", "one\r\ntwo\nthree\r\n");
    // Text before the placeholder leads the first inserted line; text after it follows the last
    // line break of the replacement and so starts a line of its own. The second placeholder
    // stays.
    EXPECT_EQ(lines, (TStringList{"type", "  pre one", "two", "three", " post", "{#List}"}));

    TStringList joined = {"uses Forms{#Units};"};
    ReplaceFirstInText(joined, "{#Units}", ", frmA, frmB");
    EXPECT_EQ(joined, (TStringList{"uses Forms, frmA, frmB;"}));

    TStringList removed = {"  {#List}", "end"};
    ReplaceFirstInText(removed, "{#List}", "");
    EXPECT_EQ(removed, (TStringList{"  ", "end"}));

    // A missing placeholder leaves the list exactly as it was, entries holding breaks included.
    TStringList untouched = {"a\rb", "{#list}"};
    ReplaceFirstInText(untouched, "{#List}", "x");
    EXPECT_EQ(untouched, (TStringList{"a\rb", "{#list}"}));
}

TEST(ReplaceAllInTextTest, ReplacesEveryExactOccurrenceOnce) {
    TStringList lines = {"unit frmTableName;", "TableNameTableName tablename TABLENAME"};
    ReplaceAllInText(lines, "TableName", "Orders");
    EXPECT_EQ(lines, (TStringList{"unit frmOrders;", "OrdersOrders tablename TABLENAME"}));

    // An identifier that itself holds the word is put in once, not replaced again.
    TStringList again = {"TableName_Frm"};
    ReplaceAllInText(again, "TableName", "MyTableName");
    EXPECT_EQ(again, (TStringList{"MyTableName_Frm"}));
}

} // namespace
} // namespace quorvane

namespace quorvane {
namespace {

// What reaches a terminal or the window's status bar never steers it: C0 and C1 controls and
// bytes that are no UTF-8 are spelt out, other text stays as it is.
TEST(ShownTextTest, ControlsOfEitherSetAndForeignBytesAreSpeltOut) {
    EXPECT_EQ(ShownText("Größe \xE2\x82\xAC 5"), "Größe \xE2\x82\xAC 5");
    EXPECT_EQ(ShownText("a\tb\r\n\x1B[2J\x7F\\"), "a\\tb\\r\\n\\x1B[2J\\x7F\\\\");
    // U+009B (CSI) and U+0085 (NEL) as UTF-8, and a raw 0x9B byte.
    EXPECT_EQ(ShownText("x\xC2\x9B"
                        "31my\xC2\x85z"),
              "x\\u009B31my\\u0085z");
    EXPECT_EQ(ShownText("\x9B"
                        "31m"),
              "\\x9B31m");
    // U+00A0 is no control; a cut sequence and an overlong form are no UTF-8.
    EXPECT_EQ(ShownText("\xC2\xA0"), "\xC2\xA0");
    EXPECT_EQ(ShownText("\xE2\x82"), "\\xE2\\x82");
    EXPECT_EQ(ShownText("\xC0\xAF"), "\\xC0\\xAF");
}

// A driver's message broken for a terminal becomes one line; text within it stays as it is.
TEST(OneLineTextTest, RunsOfBlanksAndBreaksBecomeOneBlank) {
    EXPECT_EQ(OneLineText("port 5432 failed: Connection refused\n\tIs the server running\r\n"),
              "port 5432 failed: Connection refused Is the server running");
    EXPECT_EQ(OneLineText(" \t\v\f a  b \n"), "a b");
    EXPECT_EQ(OneLineText("\n\t \r"), "");
    // Other controls and UTF-8 are left to ShownText.
    EXPECT_EQ(OneLineText("Gr\xC3\xB6\xC3\x9F"
                          "e\x1B[2J"),
              "Gr\xC3\xB6\xC3\x9F"
              "e\x1B[2J");
}

} // namespace
} // namespace quorvane
