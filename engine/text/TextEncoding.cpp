#include "text/TextEncoding.h"

#include "text/EngineErrors.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvane {

namespace {

void AppendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

std::string Utf16LeToUtf8(const std::string& bytes, std::size_t start) {
    std::string out;
    out.reserve(bytes.size() / 2);
    std::size_t i = start;
    auto unitAt = [&](std::size_t at) {
        return static_cast<char16_t>(static_cast<unsigned char>(bytes[at]) |
                                     (static_cast<unsigned char>(bytes[at + 1]) << 8));
    };
    while (i + 1 < bytes.size()) {
        char32_t unit = unitAt(i);
        i += 2;
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < bytes.size()) {
            char32_t low = unitAt(i);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                i += 2;
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
            } else {
                unit = 0xFFFD;
            }
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            unit = 0xFFFD; // an unpaired surrogate cannot be represented
        }
        AppendUtf8(out, unit);
    }
    return out;
}

bool IsValidUtf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0) {
            return false;
        }
        i += length;
    }
    return true;
}

} // namespace

std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t extra = 0;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
    } else {
        return 0;
    }
    if (at + extra >= text.size()) {
        return 0;
    }
    // The second byte of an overlong form, of a surrogate half or of a code point beyond
    // U+10FFFF is out of the usual range: such bytes are no UTF-8, and would not survive the
    // trip through UTF-16 when a file is written back.
    const unsigned char second = byte(at + 1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F)) {
        return 0;
    }
    for (std::size_t k = 1; k <= extra; ++k) {
        if ((byte(at + k) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return extra + 1;
}

std::string DecodeByteOrderMark(const std::string& bytes) {
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        return Utf16LeToUtf8(bytes, 2);
    }
    if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        return bytes.substr(3);
    }
    return bytes;
}

std::string DecodeConfigurationText(const std::string& bytes) {
    std::string text = DecodeByteOrderMark(bytes);
    if (IsValidUtf8(text)) {
        return text;
    }
    // 8-bit text of a Windows code page; Latin-1 is its common part.
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    for (const char c : text) {
        AppendUtf8(out, static_cast<unsigned char>(c));
    }
    return out;
}

std::string EncodeUtf16LeWithBom(const std::string& utf8) {
    std::string out = "\xFF\xFE";
    std::size_t i = 0;
    auto put = [&out](char16_t unit) {
        out += static_cast<char>(unit & 0xFF);
        out += static_cast<char>(unit >> 8);
    };
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        char32_t codePoint = lead;
        std::size_t extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
        if (extra > 0) {
            codePoint = lead & (0x3F >> extra);
            for (std::size_t k = 1; k <= extra && i + k < utf8.size(); ++k) {
                codePoint = (codePoint << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
            }
        }
        i += extra + 1;
        if (codePoint >= 0x10000) {
            codePoint -= 0x10000;
            put(static_cast<char16_t>(0xD800 + (codePoint >> 10)));
            put(static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF)));
        } else {
            put(static_cast<char16_t>(codePoint));
        }
    }
    return out;
}

std::string SystemErrorText(int errorNumber) {
    return std::strerror(errorNumber);
}

bool TryReadWholeFile(const std::string& path, std::string& bytes, std::string& reason,
                      std::size_t limit) {
    // Opened without waiting, so that a pipe with no writer cannot hold the run, then refused
    // unless it is a regular file.
    const int file = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (file < 0) {
        reason = SystemErrorText(errno);
        return false;
    }
    struct TCloser {
        int File;
        ~TCloser() { ::close(File); }
    } closer{file};
    struct stat status {};
    if (::fstat(file, &status) != 0) {
        reason = SystemErrorText(errno);
        return false;
    }
    if (S_ISDIR(status.st_mode)) {
        reason = SystemErrorText(EISDIR);
        return false;
    }
    if (!S_ISREG(status.st_mode)) {
        reason = "It is no regular file (a device, a pipe or a socket).";
        return false;
    }
    if (static_cast<std::uint64_t>(status.st_size) > limit) {
        reason = "It is larger than " + std::to_string(limit >> 20) + " MiB.";
        return false;
    }
    bytes.clear();
    bytes.reserve(static_cast<std::size_t>(status.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t count = ::read(file, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            reason = SystemErrorText(errno);
            return false;
        }
        if (count == 0) {
            return true;
        }
        bytes.append(buffer, static_cast<std::size_t>(count));
        // A file that grows while it is read is held to the limit too.
        if (bytes.size() > limit) {
            reason = "It is larger than " + std::to_string(limit >> 20) + " MiB.";
            return false;
        }
    }
}

std::string ReadWholeFile(const std::string& path, std::size_t limit) {
    std::string bytes;
    std::string reason;
    if (!TryReadWholeFile(path, bytes, reason, limit)) {
        throw EFileError("Cannot open file \"" + path + "\". " + reason);
    }
    return bytes;
}

std::string UnreadableEncodingOf(const std::string& bytes) {
    const auto startsWith = [&bytes](std::string_view prefix) {
        return bytes.compare(0, prefix.size(), prefix) == 0;
    };
    using namespace std::string_view_literals;
    if (startsWith("\xFF\xFE\x00\x00"sv) || startsWith("\x00\x00\xFE\xFF"sv)) {
        return "UTF-32";
    }
    if (startsWith("\xFE\xFF"sv)) {
        return "UTF-16BE";
    }
    if (startsWith("\xFF\xFE"sv)) {
        return {}; // UTF-16LE, which holds NUL bytes of its own
    }
    if (bytes.find('\0') != std::string::npos) {
        // Text without byte-order mark that holds NUL bytes: UTF-16 without one, or no text.
        return "binary data or UTF-16 without byte-order mark";
    }
    return {};
}

} // namespace quorvane
