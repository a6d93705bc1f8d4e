#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

using TStringList = std::vector<std::string>;

/// Splits 8-bit text into lines: a line ends at CR, at LF or at the pair CR LF; a NUL byte ends
/// the text; a line break at the very end makes no extra empty line.
TStringList SplitLines(std::string_view text);

/// The text form of a list of lines: every line followed by CR LF, the last one too.
std::string JoinLines(const TStringList& lines);

/// JoinLines(SplitLines(text)) in one pass: every line break made CR LF, the text cut at a NUL,
/// a last line without a break given one.
std::string NormalizeLines(std::string_view text);

/// Whether `text` holds a CR, an LF or a NUL: text that SplitLines would cut or split.
bool HasLineBreakOrNul(std::string_view text);

/// Replaces the first occurrence of `placeholder` in the text form of `lines` by `replacement`
/// and splits the result again. Nothing changes when the placeholder is missing.
void ReplaceFirstInText(TStringList& lines, std::string_view placeholder,
                        std::string_view replacement);

/// Replaces every occurrence of `word` (exact letter case, also inside longer words) in the text
/// form of `lines` by `replacement` and splits the result again.
void ReplaceAllInText(TStringList& lines, std::string_view word, std::string_view replacement);

/// Removes the last line that reads "end" (any letter case, any surrounding blanks) and every
/// line after it; the first line is never looked at, so without such a line only the first line
/// remains.
void CutFormTail(TStringList& lines);

/// Reads a template file into lines. Throws EFileError "Cannot open file "%s". %s".
TStringList ReadTemplateLines(const std::string& path);

/// Writes a file so that no half-written file is ever left: an existing file is replaced through
/// a temporary file in the same folder that Commit renames over it, so it keeps its content whole
/// when writing fails; a new file is written in place and removed unless Commit is reached. Throws
/// EFileError "Cannot create file "%s". %s".
class TAtomicFileWriter {
public:
    explicit TAtomicFileWriter(std::string path);
    ~TAtomicFileWriter();
    TAtomicFileWriter(const TAtomicFileWriter&) = delete;
    TAtomicFileWriter& operator=(const TAtomicFileWriter&) = delete;

    void Write(std::string_view text);
    /// Every line followed by CR LF.
    void WriteLines(const TStringList& lines);
    void Commit();

private:
    std::string FPath;
    std::string FTemporaryPath;
    std::string FBuffer;
    int FDescriptor = -1;
    bool FCommitted = false;

    void Flush();
    void WriteThrough(std::string_view text);
};

/// Writes `bytes` to a temporary file in the same folder that is then renamed over `path`, so an
/// existing file keeps its content whole when writing fails. Throws EFileError "Cannot create
/// file "%s". %s".
void WriteBytesToFile(const std::string& path, const std::string& bytes);

/// Writes every line followed by CR LF, as WriteBytesToFile does.
void WriteLinesToFile(const std::string& path, const TStringList& lines);

} // namespace quorvane
