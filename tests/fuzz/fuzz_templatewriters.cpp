// libFuzzer entry point of the target FuzzTemplateWriters (see FuzzTargets.h).

#include "FuzzTargets.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quorvane::fuzz::FuzzTemplateWriters(data, size);
    return 0;
}
