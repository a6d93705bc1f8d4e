// libFuzzer entry point of the target FuzzProfileFile (see FuzzTargets.h).

#include "FuzzTargets.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quorvane::fuzz::FuzzProfileFile(data, size);
    return 0;
}
