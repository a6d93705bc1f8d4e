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

} // namespace quorvane
