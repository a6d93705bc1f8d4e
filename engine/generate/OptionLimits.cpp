#include "generate/OptionLimits.h"

#include "text/EngineErrors.h"
#include "text/StringUtils.h"

namespace quorvane {

std::int32_t SpaceFromText(const std::string& text) {
    const std::int32_t space = StrToInt(text);
    if (space > MaxSpace || space < -MaxSpace) {
        throw EConvertError("'" + text + "' is not a valid integer value.");
    }
    return space;
}

} // namespace quorvane
