// libFuzzer entry point of the target FuzzMapFile (see FuzzTargets.h).

#include "FuzzTargets.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quorvane::fuzz::FuzzMapFile(data, size);
    return 0;
}
