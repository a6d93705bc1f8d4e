#pragma once

#include <string>
#include <string_view>

namespace quorvane {

/// A text as a terminal or a window may show it: every control character (below 32, and DEL)
/// written as an escape ("\t", "\r", "\n", else "\x1B"), and a backslash doubled, so that a name
/// holding ESC or CR cannot move the cursor, recolour the terminal or hide what stands before it.
/// Other bytes, UTF-8 among them, stay as they are.
std::string ShownText(std::string_view text);

} // namespace quorvane
