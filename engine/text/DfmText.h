#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvane {

/// A text as a form-file string value: between apostrophes, an apostrophe inside doubled, and
/// every character outside printable ASCII written as "#" and its Unicode code point outside the
/// apostrophes, as the IDE writes it, so the form file always loads and reads back the same
/// text. The text is UTF-8; a byte that is not valid UTF-8 is taken as a Latin-1 character. A
/// plain text gives just 'text'.
std::string QuoteDfmString(std::string_view text);

} // namespace quorvane
