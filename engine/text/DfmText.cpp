#include "text/DfmText.h"

namespace quorvane {

namespace {

// The code point of the UTF-8 sequence at `text[at]` and its length in bytes, or nothing when
// the bytes there are no valid UTF-8 (an 8-bit text: each byte is then a Latin-1 character).
bool DecodeUtf8(std::string_view text, std::size_t at, char32_t& codePoint, std::size_t& length) {
    const auto byte = [&text](std::size_t index) {
        return static_cast<unsigned char>(text[index]);
    };
    const unsigned char lead = byte(at);
    if (lead < 0xC2 || lead > 0xF4) {
        return false;
    }
    length = lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (at + length > text.size()) {
        return false;
    }
    codePoint = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(at + k) & 0xC0) != 0x80) {
            return false;
        }
        codePoint = (codePoint << 6) | (byte(at + k) & 0x3F);
    }
    // Overlong forms, surrogates and code points beyond Unicode are not UTF-8.
    constexpr char32_t Smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    return codePoint >= Smallest[length] && codePoint <= 0x10FFFF &&
           (codePoint < 0xD800 || codePoint > 0xDFFF);
}

} // namespace

std::string QuoteDfmString(std::string_view text) {
    std::string result;
    result.reserve(text.size() + 2);
    bool open = false;
    const auto closeQuote = [&] {
        if (open) {
            result += '\'';
            open = false;
        }
    };
    for (std::size_t at = 0; at < text.size();) {
        const auto code = static_cast<unsigned char>(text[at]);
        // Outside printable ASCII a character is written as "#" and its code, as the IDE writes
        // it: the form file's text is read in the system's 8-bit code page, so raw UTF-8 bytes
        // would come back as other characters.
        if (code < 32 || code >= 127) {
            char32_t codePoint = code;
            std::size_t length = 1;
            if (code >= 0x80 && !DecodeUtf8(text, at, codePoint, length)) {
                codePoint = code;
                length = 1;
            }
            closeQuote();
            result += '#' + std::to_string(static_cast<std::uint32_t>(codePoint));
            at += length;
            continue;
        }
        if (!open) {
            result += '\'';
            open = true;
        }
        result += text[at];
        if (text[at] == '\'') {
            result += '\'';
        }
        ++at;
    }
    closeQuote();
    if (result.empty()) {
        result = "''";
    }
    return result;
}

} // namespace quorvane
