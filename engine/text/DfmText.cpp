#include "text/DfmText.h"

namespace quorvane {

std::string QuoteDfmString(std::string_view text) {
    std::string result;
    result.reserve(text.size() + 2);
    bool open = false;
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 32) {
            if (open) {
                result += '\'';
                open = false;
            }
            result += '#' + std::to_string(code);
            continue;
        }
        if (!open) {
            result += '\'';
            open = true;
        }
        result += c;
        if (c == '\'') {
            result += '\'';
        }
    }
    if (open) {
        result += '\'';
    }
    if (result.empty()) {
        result = "''";
    }
    return result;
}

} // namespace quorvane
