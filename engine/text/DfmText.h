#pragma once

#include <string>
#include <string_view>

namespace quorvane {

/// A text as a form-file string value: between apostrophes, an apostrophe inside doubled, and a
/// control character written as "#" and its code outside the apostrophes, so the form file
/// always loads. A plain text gives just 'text'.
std::string QuoteDfmString(std::string_view text);

} // namespace quorvane
