#pragma once

#include <cstdint>
#include <string>

namespace quorvane {

/// The largest gap between a label and its control, either way, that keeps every position of a
/// table form within the 32-bit numbers a form file holds, whatever the captions.
inline constexpr std::int32_t MaxSpace = 1000000;

/// The gap a user typed (the runtime's StrToInt rules). Throws EConvertError "'%s' is not a
/// valid integer value." for a text that is no integer or one beyond MaxSpace either way.
std::int32_t SpaceFromText(const std::string& text);

} // namespace quorvane
