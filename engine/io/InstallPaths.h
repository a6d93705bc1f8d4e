#pragma once

#include <string>

namespace quorvane {

/// The folder of the running executable, with a final "/".
std::string ExecutableDirectory();

} // namespace quorvane
