// libFuzzer entry point of the target FuzzDataLink (see FuzzTargets.h).

#include "FuzzTargets.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quorvane::fuzz::FuzzDataLink(data, size);
    return 0;
}
