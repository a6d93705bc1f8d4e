#include "text/ShownText.h"

#include "text/TextEncoding.h"

namespace quorvane {

std::string ShownText(std::string_view text) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    const auto hex = [](std::string& shown, unsigned code, const char* prefix) {
        shown += prefix;
        shown += Digits[(code >> 4) & 0x0F];
        shown += Digits[code & 0x0F];
    };
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto code = static_cast<unsigned char>(text[at]);
        const std::size_t length = Utf8SequenceLength(text, at);
        if (length == 0) {
            // A byte of another encoding: a terminal would take 0x9B for CSI.
            hex(shown, code, "\\x");
            ++at;
            continue;
        }
        if (length == 2 && code == 0xC2 && static_cast<unsigned char>(text[at + 1]) < 0xA0) {
            // The C1 controls U+0080 to U+009F (NEL, CSI, ...) act like the C0 ones.
            hex(shown, static_cast<unsigned char>(text[at + 1]), "\\u00");
        } else if (length > 1) {
            shown.append(text.substr(at, length));
        } else if (code == '\\') {
            shown += "\\\\";
        } else if (code == '\t') {
            shown += "\\t";
        } else if (code == '\r') {
            shown += "\\r";
        } else if (code == '\n') {
            shown += "\\n";
        } else if (code < 32 || code == 127) {
            hex(shown, code, "\\x");
        } else {
            shown += static_cast<char>(code);
        }
        at += length;
    }
    return shown;
}

std::string ShownLines(std::string_view text) {
    std::string shown;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        shown.append(ShownText(text.substr(start, end - start))).append("\n");
        start = end + 1;
    }
    return shown;
}

std::string OneLineText(std::string_view text) {
    const auto isBlank = [](char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
    };
    std::string line;
    line.reserve(text.size());
    bool blankPending = false;
    for (const char c : text) {
        if (isBlank(c)) {
            blankPending = !line.empty();
            continue;
        }
        if (blankPending) {
            line += ' ';
            blankPending = false;
        }
        line += c;
    }
    return line;
}

} // namespace quorvane
