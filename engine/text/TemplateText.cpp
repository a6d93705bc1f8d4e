#include "text/TemplateText.h"

#include "text/StringUtils.h"
#include "text/TextEncoding.h"

namespace quorvane {

TStringList SplitLines(std::string_view text) {
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos) {
        text = text.substr(0, nul);
    }
    TStringList lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') {
            ++start;
        }
    }
    return lines;
}

std::string JoinLines(const TStringList& lines) {
    std::size_t size = 0;
    for (const std::string& line : lines) {
        size += line.size() + 2;
    }
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string NormalizeLines(std::string_view text) {
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos) {
        text = text.substr(0, nul);
    }
    std::string normalized;
    normalized.reserve(text.size() + 2);
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        normalized.append(text.substr(start, end == std::string_view::npos ? end : end - start));
        normalized += "\r\n";
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') {
            ++start;
        }
    }
    return normalized;
}

bool HasLineBreakOrNul(std::string_view text) {
    // Three plain searches: each is one vectorised scan, where a search for any of a set of
    // characters looks at one character at a time.
    return text.find('\n') != std::string_view::npos || text.find('\r') != std::string_view::npos ||
           text.find('\0') != std::string_view::npos;
}

void ReplaceFirstInText(TStringList& lines, std::string_view placeholder,
                        std::string_view replacement) {
    std::string text = JoinLines(lines);
    const std::size_t at = text.find(placeholder);
    if (at == std::string::npos) {
        return;
    }
    text.replace(at, placeholder.size(), replacement);
    lines = SplitLines(text);
}

void ReplaceAllInText(TStringList& lines, std::string_view word, std::string_view replacement) {
    lines = SplitLines(ReplaceAll(JoinLines(lines), word, replacement));
}

void CutFormTail(TStringList& lines) {
    for (std::size_t index = lines.size(); index-- > 1;) {
        const bool isEnd = LowerCaseAscii(Trim(lines[index])) == "end";
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
        if (isEnd) {
            return;
        }
    }
}

TStringList ReadTemplateLines(const std::string& path) {
    return SplitLines(ReadWholeFile(path));
}

} // namespace quorvane
