#include "generate/DisplayTextMap.h"

#include "text/StringUtils.h"

#include <algorithm>
#include <cstdint>

namespace quorvane {

namespace {

// FNV-1a over the key with ASCII letters in lower case, as keys compare.
std::size_t HashOfKey(std::string_view key) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : key) {
        const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        hash = (hash ^ static_cast<unsigned char>(lower)) * 1099511628211ULL;
    }
    return static_cast<std::size_t>(hash ^ (hash >> 32));
}

// The table is kept at most three quarters full, so that a probe soon meets a free slot.
bool WouldBeTooFull(std::size_t keys, std::size_t slots) {
    return keys * 4 > slots * 3;
}

} // namespace

void TDisplayTextMap::Clear() {
    // The memory goes too: a map of millions of lines is not kept for the next, smaller one.
    std::string().swap(FText);
    std::vector<std::size_t>().swap(FEnds);
    std::vector<std::uint32_t>().swap(FSlots);
    FKeys = 0;
}

std::string_view TDisplayTextMap::Entry(std::size_t index) const {
    const std::size_t start = index == 0 ? 0 : FEnds[index - 1];
    return std::string_view(FText).substr(start, FEnds[index] - start);
}

std::string_view TDisplayTextMap::KeyOf(std::size_t index) const {
    const std::string_view entry = Entry(index);
    return entry.substr(0, entry.find('='));
}

std::size_t TDisplayTextMap::SlotOf(std::string_view key) const {
    const std::size_t mask = FSlots.size() - 1;
    for (std::size_t slot = HashOfKey(key) & mask;; slot = (slot + 1) & mask) {
        const std::uint32_t held = FSlots[slot];
        if (held == 0 || SameTextAscii(KeyOf(held - 1), key)) {
            return slot;
        }
    }
}

void TDisplayTextMap::Grow(std::size_t keys) {
    std::size_t size = FSlots.empty() ? 16 : FSlots.size();
    while (WouldBeTooFull(keys, size)) {
        size *= 2;
    }
    if (size == FSlots.size()) {
        return;
    }
    std::vector<std::uint32_t> old(size, 0);
    old.swap(FSlots);
    for (const std::uint32_t held : old) {
        if (held != 0) {
            FSlots[SlotOf(KeyOf(held - 1))] = held;
        }
    }
}

void TDisplayTextMap::Reserve(std::size_t entries, std::size_t bytes) {
    FText.reserve(bytes);
    FEnds.reserve(entries);
    Grow(entries);
}

void TDisplayTextMap::Add(std::string_view entry) {
    FText.append(entry);
    FEnds.push_back(FText.size());
    if (entry.find('=') == std::string_view::npos) {
        return; // kept, but it has no key to find
    }
    Grow(FKeys + 1);
    const std::size_t index = FEnds.size() - 1;
    std::uint32_t& slot = FSlots[SlotOf(KeyOf(index))];
    if (slot == 0) { // a key seen before keeps its first entry
        slot = static_cast<std::uint32_t>(index + 1);
        ++FKeys;
    }
}

void TDisplayTextMap::AddMapFile(std::string_view bytes, bool nameCodeOrder) {
    // An entry is never longer than its line, and there is at most one per line.
    Reserve(Count() + static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1,
            FText.size() + bytes.size());
    ForEachMapFileLine(bytes, [&](std::string_view line) {
        if (const std::optional<std::string> entry = ParseMapLine(line, nameCodeOrder)) {
            Add(*entry);
        }
    });
}

std::string TDisplayTextMap::Lookup(std::string_view fieldName) const {
    if (FSlots.empty()) {
        return {};
    }
    const std::uint32_t held = FSlots[SlotOf(fieldName)];
    if (held == 0) {
        return {};
    }
    const std::string_view entry = Entry(held - 1);
    return std::string(entry.substr(entry.find('=') + 1));
}

std::optional<std::string> ParseMapLine(std::string_view rawLine, bool nameCodeOrder) {
    std::string line = Trim(rawLine);
    std::replace(line.begin(), line.end(), '\t', ' ');
    const std::size_t firstBlank = line.find(' ');
    // "FieldName=Display Text": the entry is written out already, and its display text may hold
    // blanks of its own, so the whole line is the entry.
    if (!nameCodeOrder && line.find('=') < firstBlank) {
        return line;
    }
    if (firstBlank == std::string::npos) {
        return std::nullopt;
    }
    // The second word ends at the next blank; without one, the line is read up to its 254th
    // character at the most (the old short-string limit of the format).
    constexpr std::size_t LastReadPosition = 254;
    std::size_t secondEnd = line.find(' ', firstBlank + 1);
    if (secondEnd == std::string::npos) {
        secondEnd = LastReadPosition;
    }
    const std::size_t secondStart = firstBlank + 1;
    const std::size_t secondLength = secondEnd > secondStart ? secondEnd - secondStart : 0;
    const std::string firstWord = Trim(std::string_view(line).substr(0, firstBlank));
    const std::string secondWord =
        secondStart < line.size() ? Trim(std::string_view(line).substr(secondStart, secondLength))
                                  : std::string();
    if (nameCodeOrder) {
        return Trim(secondWord + "=" + firstWord);
    }
    return firstWord + "=" + secondWord;
}

void ForEachMapFileLine(std::string_view bytes,
                        const std::function<void(std::string_view line)>& visit) {
    const std::size_t endOfFile = bytes.find('\x1A');
    if (endOfFile != std::string_view::npos) {
        bytes = bytes.substr(0, endOfFile);
    }
    std::string withoutReturns;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        const bool last = end == std::string_view::npos;
        if (last) {
            end = bytes.size();
        }
        std::string_view line = bytes.substr(start, end - start);
        // The CR of CR LF, and a lone CR, are dropped from the text.
        if (line.find('\r') != std::string_view::npos) {
            withoutReturns.assign(line);
            withoutReturns.erase(std::remove(withoutReturns.begin(), withoutReturns.end(), '\r'),
                                 withoutReturns.end());
            line = withoutReturns;
        }
        if (!last || !line.empty()) {
            visit(line);
        }
        start = end + 1;
    }
}

std::vector<std::string> SplitMapFileLines(std::string_view bytes) {
    std::vector<std::string> lines;
    ForEachMapFileLine(bytes, [&lines](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

std::string DisplayTextOrComment(const TDisplayTextMap& map, const TFieldDescriptor& field,
                                 bool commentLabels) {
    std::string text = map.Lookup(field.FieldName);
    if (text.empty() && commentLabels && field.Facts.Comment) {
        text = *field.Facts.Comment;
    }
    return text;
}

} // namespace quorvane
