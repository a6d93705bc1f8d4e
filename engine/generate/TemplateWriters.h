#pragma once

#include "generate/TemplateSet.h"
#include "io/OutputTree.h"
#include "text/TemplateText.h"

#include <string>
#include <string_view>

namespace quorvane {

// The template writers: each puts generated text into a template's text, read before the run
// copied anything, and writes the result to `relative` in `tree`, atomically.

/// The unit with the generated lines in place of "{#DataComponentList}", every "TableName" made
/// `tableIdentifier` (none when it is empty).
void WriteUnitTemplate(TOutputTree& tree, std::string_view relative, const TTemplateFile& unit,
                       const TStringList& lines, const std::string& tableIdentifier);
/// The form file with the generated objects before its last "end".
void WriteFormTemplate(TOutputTree& tree, std::string_view relative, const TTemplateFile& form,
                       const TStringList& lines, const std::string& tableIdentifier);
/// The main form unit with its four lists in place.
void WriteMainFormUnit(TOutputTree& tree, std::string_view relative, const TTemplateFile& unit,
                       const std::string& formUnitList, const std::string& buttonList,
                       const std::string& buttonEventList, const std::string& buttonEventCodeList);
/// The main form's form file with the buttons before its last "end".
void WriteMainFormDfm(TOutputTree& tree, std::string_view relative, const TTemplateFile& form,
                      const std::string& buttonObjectList);
/// The client project file with its form units and their creation.
void WriteProjectFile(TOutputTree& tree, std::string_view relative, const TTemplateFile& project,
                      const std::string& formUnitFileList, const std::string& formCreateCodeList);

} // namespace quorvane
