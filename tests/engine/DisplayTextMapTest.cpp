// The display-text map: how a map-file line becomes an entry in either line format, how the
// file is split into lines, and how a field name finds its text.

#include "generate/DisplayTextMap.h"
#include "TempDir.h"
#include "generate/dmCodeGenerator.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace quorvane {
namespace {

using namespace std::string_literals;

struct TLineCase {
    std::string Line;
    bool NameCodeOrder;
    std::optional<std::string> Entry;
};

TEST(ParseMapLineTest, BuildsEntriesFromTheFirstTwoWordsOrTheWholeWrittenOutEntry) {
    const std::vector<TLineCase> cases = {
        {"ClientFullName ClientName remark", true, "ClientName=ClientFullName"},
        // A display text cannot hold a blank in this format: the second word is the field.
        {"Client Name ClientName", true, "Name=Client"},
        {"ClientName Client", false, "ClientName=Client"},
        {"ClientName Client and more", false, "ClientName=Client"},
        // Written out as an entry, the line is the entry, its display text blanks and all.
        {"ClientName=Customer name", false, "ClientName=Customer name"},
        {"  ClientName=Customer\tfull  name \t", false, "ClientName=Customer full  name"},
        {"ClientName=Client", false, "ClientName=Client"},
        {"ClientName=", false, "ClientName="},
        // Only the first word decides: an "=" further on is part of a display text.
        {"WithEq Total=Sum", false, "WithEq=Total=Sum"},
        {"ClientName Customer name", false, "ClientName=Customer"},
        // The display text comes first in the other format; it holds no field name to split at.
        {"Customer=name ClientName", true, "ClientName=Customer=name"},
        {"ClientName=Client", true, std::nullopt},
        {"ClientName", true, std::nullopt},
        {"", false, std::nullopt},
        {"   ", true, std::nullopt},
        // Two blanks in a row leave the second word empty.
        {"A  B", false, "A="},
        {"A  B", true, "=A"},
        {"ClientName\tClient", false, "ClientName=Client"},
        {"\t ClientName\tClient\t ", false, "ClientName=Client"},
        {"ClientName \tClient", false, "ClientName="}, // a blank and a tab are two blanks
        {"\tFull\tName\tremark", true, "Name=Full"},
        // Without a further blank, the second word stops at position 254 of the line.
        {"A " + std::string(300, 'x'), false, "A=" + std::string(252, 'x')},
        {"A " + std::string(300, 'x'), true, std::string(252, 'x') + "=A"},
        {"A " + std::string(300, 'x') + " tail", false, "A=" + std::string(300, 'x')}};
    for (const TLineCase& c : cases) {
        EXPECT_EQ(ParseMapLine(c.Line, c.NameCodeOrder), c.Entry)
            << "line '" << c.Line.substr(0, 40) << "' order " << c.NameCodeOrder;
    }
}

TEST(SplitMapFileLinesTest, EndsLinesAtLfAndDropsLoneCr) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {"A\nB\r\nC", {"A", "B", "C"}},
        {"A\rB\n", {"AB"}},
        {"A\r\n\r\nB\r\n", {"A", "", "B"}},
        {"A\nB\x1A"
         "C\nD",
         {"A", "B"}}, // Ctrl-Z ends the file
        {"\x1A"
         "A\n",
         {}},
        {"", {}},
        {"A B\tC", {"A B\tC"}}};
    for (const auto& [bytes, expected] : cases) {
        EXPECT_EQ(SplitMapFileLines(bytes), expected);
    }
}

TEST(DisplayTextMapTest, FirstEntryOfAKeyWinsWithoutRegardToCase) {
    TDisplayTextMap map;
    EXPECT_EQ(map.Lookup("Anything"), "");
    map.Add("Name"); // no "=": passed over
    map.Add("ClientName=First");
    map.Add("CLIENTNAME=Second");
    map.Add("Note=a=b");
    map.Add("Empty=");
    map.Add("Name=Late");
    EXPECT_EQ(map.Lookup("clientname"), "First");
    EXPECT_EQ(map.Lookup("ClientName"), "First");
    EXPECT_EQ(map.Lookup("NOTE"), "a=b");
    EXPECT_EQ(map.Lookup("Empty"), "");
    EXPECT_EQ(map.Lookup("Name"), "Late");
    EXPECT_EQ(map.Lookup("Client"), "");
    EXPECT_EQ(map.Count(), 6u); // every entry is kept, duplicates and all

    map.Clear();
    EXPECT_EQ(map.Lookup("ClientName"), "");
    map.Add("clientname=Third");
    EXPECT_EQ(map.Lookup("ClientName"), "Third");
}

TEST(LoadDisplayTextMapTest, ReadsBothLineFormatsAndLeavesTheMapAloneWithoutAFile) {
    TTempDir folder;
    TDM dm;
    dm.DisplayTextMap.Add("Kept=Before");
    EXPECT_FALSE(dm.LoadDisplayTextMap(folder.File("missing.txt"), false));
    EXPECT_FALSE(dm.LoadDisplayTextMap("", false));
    EXPECT_EQ(dm.DisplayTextMap.Entries(), std::vector<std::string>{"Kept=Before"});

    const std::string byField = folder.File("by-field.txt");
    WriteFile(byField, "CustNo Customer\r\nNoBlankLine\r\ncustno Other\r\nCity\tTown\x1A"
                       "Late Entry\r\n"s);
    EXPECT_TRUE(dm.LoadDisplayTextMap(byField, false));
    EXPECT_EQ(dm.DisplayTextMap.Entries(),
              (std::vector<std::string>{"CustNo=Customer", "custno=Other", "City=Town"}));
    EXPECT_EQ(dm.DisplayTextOf("CUSTNO"), "Customer");

    const std::string byText = folder.File("by-text.txt");
    WriteFile(byText, "Customer CustNo the customer's number\nTown City\n");
    EXPECT_TRUE(dm.LoadDisplayTextMap(byText, true));
    EXPECT_EQ(dm.DisplayTextMap.Entries(),
              (std::vector<std::string>{"CustNo=Customer", "City=Town"}));
    EXPECT_EQ(dm.DisplayTextOf("city"), "Town");
}

} // namespace
} // namespace quorvane
