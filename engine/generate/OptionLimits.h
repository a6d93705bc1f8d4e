#pragma once

#include "generate/Options.h"

#include <cstdint>
#include <string>

namespace quorvane {

/// The largest gap between a label and its control, either way, that keeps every position of a
/// table form within the 32-bit numbers a form file holds, whatever the captions.
inline constexpr std::int32_t MaxSpace = 1000000;

/// The gap a user typed (the runtime's StrToInt rules). Throws EConvertError "'%s' is not a
/// valid integer value." for a text that is no integer or one beyond MaxSpace either way.
std::int32_t SpaceFromText(const std::string& text);

/// A class name a user typed (the server and client dataset classes, the navigator and grid
/// classes). It lands in a declaration of the generated units, so anything but a Pascal
/// identifier would change what the unit declares. Throws EConvertError "'%s' is not a valid
/// class name for \"<field>\" (--<option>)." otherwise.
void CheckClassName(const std::string& text, const std::string& field, const std::string& option);

/// A component name a user typed (the server's connection, the connection broker, the client
/// data module). Same rule and
/// message as CheckClassName, with "component name".
void CheckComponentName(const std::string& text, const std::string& field,
                        const std::string& option);

/// The provider option set a user typed: Pascal identifiers separated by commas, blanks around
/// them allowed, nothing at all meaning no options. It is written between the brackets of a
/// form file line, where a newline or bracket would add objects of its own. Throws
/// EConvertError "'%s' is not a valid option list for \"<field>\" (--<option>)." otherwise.
void CheckProviderOptions(const std::string& text, const std::string& field,
                          const std::string& option);

/// The value of --project-guids and of the settings key ProjectGuids: "template" or "new", in
/// any letter case. Throws EConvertError "'%s' is not template or new." otherwise.
TProjectGuids ProjectGuidsFromText(const std::string& text);
/// "template" or "new".
const char* ProjectGuidsText(TProjectGuids guids);

/// Every option of a run that reaches generated text as a name or option list, checked as
/// above, each named by the field of the main window and the batch tool's option.
void CheckOptionNames(const TProjectParam& options);

} // namespace quorvane
