#include "text/ProfileFile.h"

#include "text/StringUtils.h"
#include "text/TextEncoding.h"

namespace quorvane {

namespace {

constexpr std::size_t MaxProfileValueLength = 2047;

std::string_view TrimBlanks(std::string_view text) {
    std::size_t first = 0;
    while (first < text.size() && (text[first] == ' ' || text[first] == '\t')) {
        ++first;
    }
    std::size_t last = text.size();
    while (last > first &&
           (text[last - 1] == ' ' || text[last - 1] == '\t' || text[last - 1] == '\r')) {
        --last;
    }
    return text.substr(first, last - first);
}

// Walks the lines of the text; `visit` returns true to stop.
template <typename Visit> void ForEachLine(const std::string& text, Visit visit) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            end = text.size();
        }
        if (visit(std::string_view(text).substr(start, end - start))) {
            return;
        }
        start = end + 1;
        if (end < text.size() && text[end] == '\r' && start < text.size() && text[start] == '\n') {
            ++start;
        }
    }
}

} // namespace

TProfileFile TProfileFile::Load(const std::string& path) {
    std::string bytes;
    std::string reason;
    if (!TryReadWholeFile(path, bytes, reason)) {
        return TProfileFile{};
    }
    return FromText(DecodeConfigurationText(bytes));
}

TProfileFile TProfileFile::FromText(std::string text) {
    TProfileFile file;
    file.FText = std::move(text);
    return file;
}

std::optional<std::string> TProfileFile::Find(const std::string& section,
                                              const std::string& key) const {
    std::optional<std::string> found;
    bool inSection = false;
    bool sectionSeen = false;
    ForEachLine(FText, [&](std::string_view rawLine) {
        const std::string_view line = TrimBlanks(rawLine);
        if (!line.empty() && line.front() == '[') {
            // Only the first section of the name is searched, as the platform does.
            if (inSection) {
                return true;
            }
            const std::size_t close = line.find(']');
            const std::string_view name =
                TrimBlanks(line.substr(1, close == std::string_view::npos ? line.npos : close - 1));
            inSection = !sectionSeen && SameTextAscii(name, section);
            sectionSeen = sectionSeen || inSection;
            return false;
        }
        if (!inSection) {
            return false;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos ||
            !SameTextAscii(TrimBlanks(line.substr(0, equals)), key)) {
            return false;
        }
        std::string_view value = TrimBlanks(line.substr(equals + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front()) {
            value = value.substr(1, value.size() - 2);
        }
        found = std::string(value.substr(0, MaxProfileValueLength));
        return true;
    });
    return found;
}

std::string TProfileFile::ReadString(const std::string& section, const std::string& key,
                                     const std::string& defaultValue) const {
    return Find(section, key).value_or(defaultValue);
}

} // namespace quorvane
