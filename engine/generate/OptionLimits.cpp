#include "generate/OptionLimits.h"

#include "generate/NameFormats.h"
#include "generate/Options.h"

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

TProjectGuids ProjectGuidsFromText(const std::string& text) {
    if (SameTextAscii(text, "template")) {
        return TProjectGuids::Template;
    }
    if (SameTextAscii(text, "new")) {
        return TProjectGuids::New;
    }
    throw EConvertError("'" + text + "' is not template or new.");
}

const char* ProjectGuidsText(TProjectGuids guids) {
    return guids == TProjectGuids::New ? "new" : "template";
}

namespace {

// Only spaces and tabs: a line break around a comma would still break the form file line.
std::string TrimBlanks(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return std::string();
    }
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

[[noreturn]] void ThrowInvalid(const std::string& text, const std::string& what,
                               const std::string& field, const std::string& option) {
    throw EConvertError("'" + text + "' is not a valid " + what + " for \"" + field + "\" (--" +
                        option + ").");
}

} // namespace

void CheckClassName(const std::string& text, const std::string& field, const std::string& option) {
    if (!IsIdentifier(text)) {
        ThrowInvalid(text, "class name", field, option);
    }
}

void CheckComponentName(const std::string& text, const std::string& field,
                        const std::string& option) {
    if (!IsIdentifier(text)) {
        ThrowInvalid(text, "component name", field, option);
    }
}

void CheckProviderOptions(const std::string& text, const std::string& field,
                          const std::string& option) {
    if (TrimBlanks(text).empty()) {
        return;
    }
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::string item =
            text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (!IsIdentifier(TrimBlanks(item))) {
            ThrowInvalid(text, "option list", field, option);
        }
        if (comma == std::string::npos) {
            return;
        }
        start = comma + 1;
    }
}

void CheckOptionNames(const TProjectParam& options) {
    CheckClassName(options.ServerOptions.DataSetType, "DataSet Component Type", "dataset-type");
    CheckClassName(options.ServerOptions.DataSetKind, "DataSet Component Type", "dataset-type");
    CheckProviderOptions(options.ServerOptions.ProviderOptions, "DataSet Provider Options",
                         "provider-options");
    CheckComponentName(options.ServerOptions.ConnectionName, "DBConnection Name in Template",
                       "connection-name");
    CheckClassName(options.ClientDMOptions.ClientDataSetType, "ClientDataSet Type",
                   "client-dataset-type");
    CheckComponentName(options.ClientDMOptions.ConnectionBrokerName,
                       "ConnectionBroker Component Name", "broker-name");
    CheckComponentName(options.ClientUIOptions.DMName, "Data Module Name in Template", "dm-name");
    CheckClassName(options.ClientUIOptions.DBNavigatorType, "DBNavigator Type", "navigator-type");
    CheckClassName(options.ClientUIOptions.DBGridType, "DBGrid Type", "grid-type");
}

} // namespace quorvane
