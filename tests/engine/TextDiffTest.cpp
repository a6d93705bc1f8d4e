// Unified diffs: checked by applying them. A diff that, applied to the old text, does not give the
// new one would show a user edits a run does not make.

#include "text/TextDiff.h"
#include "text/StringUtils.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace quorvane {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// Applies the hunks of `diff` to `oldText` (whose lines end in "\n"), checking that every context
// and removed line is what the old text holds where the hunk says.
std::string Apply(const std::string& oldText, const std::string& diff) {
    const std::vector<std::string> old = Lines(oldText);
    const std::vector<std::string> hunks = Lines(diff);
    std::string result;
    std::size_t next = 0; // the next old line not yet copied
    for (std::size_t i = 2; i < hunks.size();) {
        const std::string& header = hunks[i++];
        EXPECT_EQ(header.rfind("@@ -", 0), 0u) << header;
        std::size_t start = std::stoul(header.substr(4));
        const std::size_t comma = header.find(',');
        const std::size_t space = header.find(' ', 4);
        const bool empty = comma < space && header.substr(comma + 1, space - comma - 1) == "0";
        start = empty ? start : start - 1; // an empty side names the line before the hunk
        for (; next < start; ++next) {
            result += old[next] + "\n";
        }
        for (; i < hunks.size() && hunks[i].rfind("@@", 0) != 0; ++i) {
            const std::string& line = hunks[i];
            const std::string text = line.substr(1);
            if (line[0] == '+') {
                result += text + "\n";
                continue;
            }
            EXPECT_LT(next, old.size());
            EXPECT_EQ(next < old.size() ? old[next] : "", text) << "at old line " << next + 1;
            if (line[0] == ' ') {
                result += text + "\n";
            }
            ++next;
        }
    }
    for (; next < old.size(); ++next) {
        result += old[next] + "\n";
    }
    return result;
}

TEST(TextDiffTest, HunksGiveTheNewTextWithThreeLinesOfContext) {
    const std::string old = "a\nb\nc\nd\ne\nf\ng\nh\ni\nj\nk\nl\nm\nn\n";
    EXPECT_EQ(UnifiedDiff(old, old, "x", "y"), "");

    // One changed line: one hunk with three lines either side.
    const std::string changed = "a\nb\nc\nd\ne\nF\ng\nh\ni\nj\nk\nl\nm\nn\n";
    EXPECT_EQ(UnifiedDiff(old, changed, "x", "x (new)"),
              "--- x\n+++ x (new)\n@@ -3,7 +3,7 @@\n c\n d\n e\n-f\n+F\n g\n h\n i\n");
    // Changes at both ends are far apart: two hunks. Close ones join.
    const std::string ends = "A\nb\nc\nd\ne\nf\ng\nh\ni\nj\nk\nl\nm\nN\n";
    EXPECT_EQ(Lines(UnifiedDiff(old, ends, "x", "y")).size(), 2u + 2u * (1 + 2 + 3));
    const std::string near = "a\nb\nC\nd\ne\nf\ng\nH\ni\nj\nk\nl\nm\nn\n";
    EXPECT_EQ(Lines(UnifiedDiff(old, near, "x", "y"))[2], "@@ -1,11 +1,11 @@");
    // Lines added to an empty text, and every line removed.
    EXPECT_EQ(UnifiedDiff("", "p\nq\n", "x", "y"), "--- x\n+++ y\n@@ -0,0 +1,2 @@\n+p\n+q\n");
    EXPECT_EQ(UnifiedDiff("p\n", "", "x", "y"), "--- x\n+++ y\n@@ -1 +0,0 @@\n-p\n");
    for (const std::string& other : {changed, ends, near}) {
        EXPECT_EQ(Apply(old, UnifiedDiff(old, other, "x", "y")), other);
    }
}

TEST(TextDiffTest, CrLfLinesCompareWithTheirCrAndShowWithout) {
    EXPECT_EQ(UnifiedDiff("a\r\nb\r\n", "a\r\nc\r\n", "x", "y"),
              "--- x\n+++ y\n@@ -1,2 +1,2 @@\n a\n-b\n+c\n");
    // Only the line ends differ: the lines differ, and so does the diff.
    EXPECT_NE(UnifiedDiff("a\r\n", "a\n", "x", "y"), "");
    // Only the last line break differs: said, not hidden.
    EXPECT_NE(UnifiedDiff("a\nb", "a\nb\n", "x", "y").find("last line break"), std::string::npos);
}

TEST(TextDiffTest, RandomEditsApplyBackAndFarTooManyBecomeOneReplacement) {
    std::mt19937 random(20261209);
    for (int round = 0; round < 200; ++round) {
        std::vector<std::string> lines;
        const int count = static_cast<int>(random() % 40);
        for (int i = 0; i < count; ++i) {
            lines.push_back("line " + std::to_string(random() % 8));
        }
        std::vector<std::string> edited = lines;
        for (int edit = static_cast<int>(random() % 6); edit > 0; --edit) {
            const std::size_t at = edited.empty() ? 0 : random() % (edited.size() + 1);
            switch (random() % 3) {
            case 0:
                edited.insert(edited.begin() + static_cast<std::ptrdiff_t>(at), "new line");
                break;
            case 1:
                if (at < edited.size()) {
                    edited.erase(edited.begin() + static_cast<std::ptrdiff_t>(at));
                }
                break;
            default:
                if (at < edited.size()) {
                    edited[at] = "changed";
                }
            }
        }
        std::string oldText;
        std::string newText;
        for (const std::string& line : lines) {
            oldText += line + "\n";
        }
        for (const std::string& line : edited) {
            newText += line + "\n";
        }
        EXPECT_EQ(Apply(oldText, UnifiedDiff(oldText, newText, "x", "y")), newText)
            << "round " << round;
    }
    // Texts with no line in common beyond what the search takes: still a correct diff.
    std::string a;
    std::string b;
    for (int i = 0; i < 5000; ++i) {
        a += "a" + std::to_string(i) + "\n";
        b += "b" + std::to_string(i) + "\n";
    }
    const std::string diff = UnifiedDiff(a, b, "x", "y");
    EXPECT_EQ(Lines(diff)[2], "@@ -1,5000 +1,5000 @@");
    EXPECT_EQ(Apply(a, diff), b);
}

} // namespace
} // namespace quorvane
