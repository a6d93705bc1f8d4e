#pragma once

#include <string>
#include <string_view>

namespace quorvane {

/// The differences between two texts as a unified diff ("--- old", "+++ new", "@@" hunks with
/// `context` unchanged lines around each change), lines ended by "\n". A CR before the LF is part
/// of the line as the texts are compared, and left out as the diff shows it.
/// Empty when the texts are equal. Texts that differ nearly everywhere are shown as one hunk that
/// removes the old lines and adds the new ones, rather than searched for a shortest edit at a cost
/// that grows with the square of the differences.
std::string UnifiedDiff(std::string_view oldText, std::string_view newText,
                        std::string_view oldLabel, std::string_view newLabel, int context = 3);

} // namespace quorvane
