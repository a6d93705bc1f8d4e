#include "text/TextDiff.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace quorvane {

namespace {

// Above this many differing lines the search gives up and shows a whole replacement: the
// search keeps a row per step as long as the step count, so its memory grows with the square
// of the differences (about 8 MB here).
constexpr std::ptrdiff_t MaxEditSteps = 1000;

std::vector<std::string_view> LinesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

enum class TEdit : char { Keep, Remove, Add };

// The shortest edit script from `a` to `b` (Myers' greedy search), or nullopt-like empty result
// with `found` false when it takes more than MaxEditSteps steps.
std::vector<TEdit> ShortestEdit(const std::vector<std::string_view>& a,
                                const std::vector<std::string_view>& b, bool& found) {
    const std::ptrdiff_t n = static_cast<std::ptrdiff_t>(a.size());
    const std::ptrdiff_t m = static_cast<std::ptrdiff_t>(b.size());
    const std::ptrdiff_t limit = std::min(n + m, MaxEditSteps);
    const std::ptrdiff_t offset = limit + 1;
    std::vector<std::ptrdiff_t> v(static_cast<std::size_t>(2 * offset + 1), 0);
    std::vector<std::vector<std::ptrdiff_t>> trace;
    found = false;
    std::ptrdiff_t steps = 0;
    for (; steps <= limit && !found; ++steps) {
        // What the walk back reads of this step's starting row: the diagonals -steps..steps.
        trace.emplace_back(v.begin() + (offset - steps), v.begin() + (offset + steps + 1));
        for (std::ptrdiff_t k = -steps; k <= steps; k += 2) {
            const auto at = [&](std::ptrdiff_t diagonal) -> std::ptrdiff_t& {
                return v[static_cast<std::size_t>(diagonal + offset)];
            };
            std::ptrdiff_t x =
                (k == -steps || (k != steps && at(k - 1) < at(k + 1))) ? at(k + 1) : at(k - 1) + 1;
            std::ptrdiff_t y = x - k;
            while (x < n && y < m &&
                   a[static_cast<std::size_t>(x)] == b[static_cast<std::size_t>(y)]) {
                ++x;
                ++y;
            }
            at(k) = x;
            if (x >= n && y >= m) {
                found = true;
                break;
            }
        }
    }
    if (!found) {
        return {};
    }
    // Walk the rows back from the end to recover the path.
    std::vector<TEdit> edits;
    std::ptrdiff_t x = n;
    std::ptrdiff_t y = m;
    for (std::ptrdiff_t d = steps - 1; d >= 0; --d) {
        const std::vector<std::ptrdiff_t>& row = trace[static_cast<std::size_t>(d)];
        const auto at = [&](std::ptrdiff_t diagonal) {
            return row[static_cast<std::size_t>(diagonal + d)];
        };
        const std::ptrdiff_t k = x - y;
        const std::ptrdiff_t previousK =
            (k == -d || (k != d && at(k - 1) < at(k + 1))) ? k + 1 : k - 1;
        const std::ptrdiff_t previousX = d == 0 ? 0 : at(previousK);
        const std::ptrdiff_t previousY = previousX - previousK;
        while (x > previousX && y > previousY) {
            edits.push_back(TEdit::Keep);
            --x;
            --y;
        }
        if (d > 0) {
            edits.push_back(x == previousX ? TEdit::Add : TEdit::Remove);
        }
        x = previousX;
        y = previousY;
    }
    std::reverse(edits.begin(), edits.end());
    return edits;
}

// A line as the diff shows it: the CR of a CR LF end belongs to the comparison, not the view.
std::string_view Shown(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

std::string Range(std::size_t start, std::size_t count) {
    // A hunk that holds no line of one side names the line before it, as diff does.
    const std::size_t first = count == 0 ? start : start + 1;
    return count == 1 ? std::to_string(first) : std::to_string(first) + "," + std::to_string(count);
}

} // namespace

std::string UnifiedDiff(std::string_view oldText, std::string_view newText,
                        std::string_view oldLabel, std::string_view newLabel, int context) {
    if (oldText == newText) {
        return {};
    }
    const std::vector<std::string_view> a = LinesOf(oldText);
    const std::vector<std::string_view> b = LinesOf(newText);
    bool found = false;
    std::vector<TEdit> edits = ShortestEdit(a, b, found);
    if (!found) {
        edits.assign(a.size(), TEdit::Remove);
        edits.insert(edits.end(), b.size(), TEdit::Add);
    }
    // A text that differs only in its last line break compares equal line by line: say so.
    const auto endsLine = [](std::string_view text) { return text.empty() || text.back() == '\n'; };
    const bool endsDiffer = endsLine(oldText) != endsLine(newText);

    std::string out;
    out.append("--- ").append(oldLabel).append("\n+++ ").append(newLabel).append("\n");
    const std::size_t reach = static_cast<std::size_t>(std::max(context, 0));
    std::size_t index = 0;
    while (index < edits.size()) {
        // The next change, and the hunk around it: changes closer than two contexts join.
        while (index < edits.size() && edits[index] == TEdit::Keep) {
            ++index;
        }
        if (index == edits.size()) {
            break;
        }
        std::size_t hunkStart = index >= reach ? index - reach : 0;
        std::size_t hunkEnd = index;
        std::size_t keepRun = 0;
        for (std::size_t scan = index; scan < edits.size(); ++scan) {
            if (edits[scan] == TEdit::Keep) {
                if (++keepRun > 2 * reach) {
                    break;
                }
            } else {
                keepRun = 0;
                hunkEnd = scan + 1;
            }
        }
        hunkEnd = std::min(edits.size(), hunkEnd + reach);
        // Where the hunk starts in each text.
        std::size_t oldLine = 0;
        std::size_t newLine = 0;
        for (std::size_t scan = 0; scan < hunkStart; ++scan) {
            oldLine += edits[scan] != TEdit::Add ? 1 : 0;
            newLine += edits[scan] != TEdit::Remove ? 1 : 0;
        }
        std::string body;
        std::size_t oldCount = 0;
        std::size_t newCount = 0;
        for (std::size_t scan = hunkStart; scan < hunkEnd; ++scan) {
            switch (edits[scan]) {
            case TEdit::Keep:
                body.append(" ").append(Shown(a[oldLine + oldCount])).append("\n");
                ++oldCount;
                ++newCount;
                break;
            case TEdit::Remove:
                body.append("-").append(Shown(a[oldLine + oldCount])).append("\n");
                ++oldCount;
                break;
            case TEdit::Add:
                body.append("+").append(Shown(b[newLine + newCount])).append("\n");
                ++newCount;
                break;
            }
        }
        out.append("@@ -").append(Range(oldLine, oldCount)).append(" +");
        out.append(Range(newLine, newCount)).append(" @@\n").append(body);
        index = hunkEnd;
    }
    if (endsDiffer) {
        out.append("\\ The texts differ in their last line break\n");
    }
    return out;
}

} // namespace quorvane
