#include "io/InstallPaths.h"

#include <filesystem>

namespace quorvane {

std::string ExecutableDirectory() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return "./";
    }
    return executable.parent_path().string() + "/";
}

} // namespace quorvane
