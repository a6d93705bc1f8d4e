#include "generate/DisplayTextMap.h"

#include "text/StringUtils.h"

#include <algorithm>

namespace quorvane {

void TDisplayTextMap::Clear() {
    FEntries.clear();
    FFirstValueByKey.clear();
}

void TDisplayTextMap::Add(std::string entry) {
    const std::size_t equals = entry.find('=');
    if (equals != std::string::npos) {
        FFirstValueByKey.try_emplace(LowerCaseAscii(std::string_view(entry).substr(0, equals)),
                                     entry.substr(equals + 1));
    }
    FEntries.push_back(std::move(entry));
}

std::string TDisplayTextMap::Lookup(std::string_view fieldName) const {
    const auto found = FFirstValueByKey.find(LowerCaseAscii(fieldName));
    return found == FFirstValueByKey.end() ? std::string() : found->second;
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

std::vector<std::string> SplitMapFileLines(std::string_view bytes) {
    const std::size_t endOfFile = bytes.find('\x1A');
    if (endOfFile != std::string_view::npos) {
        bytes = bytes.substr(0, endOfFile);
    }
    std::vector<std::string> lines;
    std::string current;
    for (const char c : bytes) {
        if (c == '\n') {
            lines.push_back(std::move(current));
            current.clear();
        } else if (c != '\r') { // the CR of CR LF, and a lone CR, are dropped from the text
            current += c;
        }
    }
    if (!current.empty()) {
        lines.push_back(std::move(current));
    }
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
