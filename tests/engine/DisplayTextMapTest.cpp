// The display-text map: how a map-file line becomes an entry in either line format, how the
// file is split into lines, and how a field name finds its text.

#include "generate/DisplayTextMap.h"
#include "TempDir.h"
#include "generate/dmCodeGenerator.h"
#include "text/StringUtils.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace quorvane {
namespace {

using namespace std::string_literals;

std::vector<std::string> EntriesOf(const TDisplayTextMap& map) {
    std::vector<std::string> entries;
    for (std::size_t index = 0; index < map.Count(); ++index) {
        entries.emplace_back(map.Entry(index));
    }
    return entries;
}

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

    map.Add("=NoKey");
    EXPECT_EQ(map.Lookup(""), "NoKey"); // an empty key is a key like any other
    // Only ASCII letters are folded: "É" and "é" are different keys.
    map.Add("\xC3\x89tat=Upper");
    map.Add("\xC3\xA9tat=Lower");
    EXPECT_EQ(map.Lookup("\xC3\xA9TAT"), "Lower");
    EXPECT_EQ(map.Lookup("\xC3\x89TAT"), "Upper");
    EXPECT_EQ(EntriesOf(map)[1], "ClientName=First");

    map.Clear();
    EXPECT_EQ(map.Count(), 0u);
    EXPECT_EQ(map.Lookup("ClientName"), "");
    map.Add("clientname=Third");
    EXPECT_EQ(map.Lookup("ClientName"), "Third");
}

TEST(DisplayTextMapTest, ManyKeysKeepTheirFirstEntryAsTheTableGrows) {
    // Enough keys for the table to grow many times over, each key given three times in other
    // letter cases, the later ones after the growth that the earlier ones went through.
    constexpr int Keys = 20000;
    TDisplayTextMap map;
    std::unordered_map<std::string, std::string> expected;
    for (int round = 0; round < 3; ++round) {
        for (int key = 0; key < Keys; ++key) {
            std::string name = "Field" + std::to_string(key);
            if (round == 1) {
                name = UpperCaseAscii(name);
            }
            const std::string value = "Text" + std::to_string(round) + "_" + std::to_string(key);
            map.Add(name + "=" + value);
            expected.try_emplace(LowerCaseAscii(name), value);
        }
    }
    EXPECT_EQ(map.Count(), 3u * Keys);
    for (const auto& [key, value] : expected) {
        ASSERT_EQ(map.Lookup(key), value) << key;
        ASSERT_EQ(map.Lookup(UpperCaseAscii(key)), value) << key;
    }
    EXPECT_EQ(map.Lookup("Field" + std::to_string(Keys)), "");
    EXPECT_EQ(map.Lookup("Field"), "");
    EXPECT_EQ(map.Entry(Keys), "FIELD0=Text1_0");
}

TEST(DisplayTextMapTest, AMapFileGivesTheEntriesOfItsLinesInOrder) {
    // Read at once, a file gives what its lines give one by one, a map added to keeps what it
    // held, and the first entry of a key still wins over the entries of the file.
    const std::string bytes = "CustNo Customer\r\nNoBlank\ncustno Other\rX\n\n"
                              "City\tTown and more\nLast Line\x1A"
                              "After End\n";
    TDisplayTextMap map;
    map.Add("CITY=Before");
    map.AddMapFile(bytes, false);
    EXPECT_EQ(EntriesOf(map),
              (std::vector<std::string>{"CITY=Before", "CustNo=Customer", "custno=OtherX",
                                        "City=Town", "Last=Line"}));
    EXPECT_EQ(map.Lookup("custNO"), "Customer");
    EXPECT_EQ(map.Lookup("city"), "Before");
    EXPECT_EQ(map.Lookup("After"), "");

    TDisplayTextMap swapped;
    swapped.AddMapFile(bytes, true);
    EXPECT_EQ(swapped.Lookup("Customer"), "CustNo");
    EXPECT_EQ(swapped.Lookup("town"), "City");
    EXPECT_EQ(swapped.Count(), 4u);
}

TEST(LoadDisplayTextMapTest, ReadsBothLineFormatsAndLeavesTheMapAloneWithoutAFile) {
    TTempDir folder;
    TDM dm;
    dm.DisplayTextMap.Add("Kept=Before");
    EXPECT_FALSE(dm.LoadDisplayTextMap(folder.File("missing.txt"), false));
    EXPECT_FALSE(dm.LoadDisplayTextMap("", false));
    EXPECT_EQ(EntriesOf(dm.DisplayTextMap), std::vector<std::string>{"Kept=Before"});

    const std::string byField = folder.File("by-field.txt");
    WriteFile(byField, "CustNo Customer\r\nNoBlankLine\r\ncustno Other\r\nCity\tTown\x1A"
                       "Late Entry\r\n"s);
    EXPECT_TRUE(dm.LoadDisplayTextMap(byField, false));
    EXPECT_EQ(EntriesOf(dm.DisplayTextMap),
              (std::vector<std::string>{"CustNo=Customer", "custno=Other", "City=Town"}));
    EXPECT_EQ(dm.DisplayTextOf("CUSTNO"), "Customer");

    const std::string byText = folder.File("by-text.txt");
    WriteFile(byText, "Customer CustNo the customer's number\nTown City\n");
    EXPECT_TRUE(dm.LoadDisplayTextMap(byText, true));
    EXPECT_EQ(EntriesOf(dm.DisplayTextMap),
              (std::vector<std::string>{"CustNo=Customer", "City=Town"}));
    EXPECT_EQ(dm.DisplayTextOf("city"), "Town");
}

} // namespace
} // namespace quorvane
