#pragma once

#include <string>
#include <string_view>

namespace quorvane {

/// A text as a terminal or a window may show it: every control character (below 32, and DEL)
/// written as an escape ("\t", "\r", "\n", else "\x1B"), every C1 control U+0080 to U+009F as
/// "\u009B", every byte that is not UTF-8 as "\x9B", and a backslash doubled, so that a name
/// holding ESC, CSI or CR cannot move the cursor, recolour the terminal or hide what stands
/// before it. Other UTF-8 stays as it is.
std::string ShownText(std::string_view text);

/// A text of lines ended by "\n" (a diff, a listing) shown line by line: each line as ShownText
/// shows it, each ended by "\n" again.
std::string ShownLines(std::string_view text);

/// A driver's or library's message as one line: every run of blanks, tabs and line breaks made
/// one blank, none left at either end. Drivers break their messages for a terminal of their own
/// ("... refused\n\tIs the server running ..."); a window's message area would show the tab,
/// and the batch tool, which spells control characters out, a literal "\n\t".
std::string OneLineText(std::string_view text);

} // namespace quorvane
