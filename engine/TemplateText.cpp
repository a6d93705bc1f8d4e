#include "TemplateText.h"

#include "EngineErrors.h"
#include "StringUtils.h"
#include "TextEncoding.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

std::size_t TextSizeOf(const TStringList& lines) {
    std::size_t size = 0;
    for (const std::string& line : lines) {
        size += line.size() + 2;
    }
    return size;
}

void AppendLines(std::string& text, const TStringList& lines) {
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
}

std::string JoinLines(const TStringList& lines) {
    std::string text;
    text.reserve(TextSizeOf(lines));
    AppendLines(text, lines);
    return text;
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

namespace {

// Closes the descriptor and removes the temporary file unless the write went through.
class TTemporaryFile {
public:
    explicit TTemporaryFile(std::string path) : FPath(std::move(path)) {}
    TTemporaryFile(const TTemporaryFile&) = delete;
    TTemporaryFile& operator=(const TTemporaryFile&) = delete;
    ~TTemporaryFile() {
        if (FDescriptor >= 0) {
            ::close(FDescriptor);
        }
        if (!FKept) {
            ::unlink(FPath.c_str());
        }
    }
    int Open() {
        FDescriptor = ::mkstemp(FPath.data());
        return FDescriptor;
    }
    int Descriptor() const { return FDescriptor; }
    int Close() {
        const int result = ::close(FDescriptor);
        FDescriptor = -1;
        return result;
    }
    const std::string& Path() const { return FPath; }
    void Keep() { FKept = true; }

private:
    std::string FPath;
    int FDescriptor = -1;
    bool FKept = false;
};

[[noreturn]] void RaiseCreateError(const std::string& path, int errorNumber) {
    throw EFileError("Cannot create file \"" + path + "\". " + SystemErrorText(errorNumber));
}

} // namespace

void WriteBytesToFile(const std::string& path, const std::string& text) {
    const std::size_t slash = path.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        RaiseCreateError(path, EISDIR);
    }
    TTemporaryFile temporary(folder + ".quorvane-XXXXXX");
    if (temporary.Open() < 0) {
        RaiseCreateError(path, errno);
    }
    // mkstemp makes the file private; give it the mode the file had, or the usual one.
    mode_t mode = 0666;
    if (exists) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    ::fchmod(temporary.Descriptor(), mode);

    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t count =
            ::write(temporary.Descriptor(), text.data() + written, text.size() - written);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            RaiseCreateError(path, errno);
        }
        written += static_cast<std::size_t>(count);
    }
    // No fsync: a run writes thousands of files, and the rename already keeps the earlier file
    // whole when the write itself fails (a full disk, a folder turned read-only).
    if (temporary.Close() != 0) {
        RaiseCreateError(path, errno);
    }
    if (::rename(temporary.Path().c_str(), path.c_str()) != 0) {
        RaiseCreateError(path, errno);
    }
    temporary.Keep();
}

void WriteLinesToFile(const std::string& path, const TStringList& lines) {
    WriteBytesToFile(path, JoinLines(lines));
}

} // namespace quorvane
