#include "text/ShownText.h"

namespace quorvane {

std::string ShownText(std::string_view text) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (c == '\\') {
            shown += "\\\\";
        } else if (c == '\t') {
            shown += "\\t";
        } else if (c == '\r') {
            shown += "\\r";
        } else if (c == '\n') {
            shown += "\\n";
        } else if (code < 32 || code == 127) {
            shown += "\\x";
            shown += Digits[code >> 4];
            shown += Digits[code & 0x0F];
        } else {
            shown += c;
        }
    }
    return shown;
}

} // namespace quorvane
