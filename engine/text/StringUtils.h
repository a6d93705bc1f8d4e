#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace quorvane {

/// Removes leading and trailing blanks and control characters (every byte up to 32), as the
/// runtime's Trim does. Bytes of multi-byte characters are above 127 and never removed.
std::string Trim(std::string_view text);
/// The same, as a view into `text`.
std::string_view TrimView(std::string_view text);

/// ASCII letters to upper / lower case; other bytes unchanged.
std::string UpperCaseAscii(std::string_view text);
std::string LowerCaseAscii(std::string_view text);

/// Equal without regard to the letter case of ASCII letters.
bool SameTextAscii(std::string_view a, std::string_view b);

bool StartsWithText(std::string_view text, std::string_view prefix); ///< ASCII case-insensitive
bool EndsWithText(std::string_view text, std::string_view suffix);   ///< ASCII case-insensitive

/// The runtime's StrToInt: optional leading blanks, an optional sign, decimal digits, a 32-bit
/// value. Throws EConvertError "'%s' is not a valid integer value.".
std::int32_t StrToInt(const std::string& text);

/// Replaces every occurrence of `from` (exact letter case) by `to`.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

/// The pieces one after the other, built in one string. Use it for a literal put in front of a
/// computed string: GCC 12 at -O3 reports `"literal" + std::string(...)` as overlapping copies
/// (a false -Wrestrict), which would fail a Release build with warnings as errors.
std::string Concat(std::initializer_list<std::string_view> pieces);

} // namespace quorvane
