#include "generate/TemplateWriters.h"

#include "text/StringUtils.h"

#include <algorithm>

namespace quorvane {

namespace {

constexpr std::string_view DataComponentListWord = "{#DataComponentList}";

} // namespace

void WriteUnitTemplate(TOutputTree& tree, std::string_view relative, const TTemplateFile& unit,
                       const TStringList& lines, const std::string& tableIdentifier) {
    // The identifier goes in before the generated lines, so a "TableName" inside them stays.
    std::string text = WithTableIdentifier(unit.Text, tableIdentifier);
    const std::unique_ptr<TOutputFile> file = tree.Create(relative);
    const std::size_t at = text.find(DataComponentListWord);
    const auto plainLines = [&lines] {
        return std::none_of(lines.begin(), lines.end(),
                            [](const std::string& line) { return HasLineBreakOrNul(line); });
    };
    if (at == std::string::npos) {
        file->Write(text);
    } else if (plainLines()) {
        // The template's text is already in lines, and so are the generated ones: they go to the
        // file as they are, without joining them into the template and splitting it again.
        file->Write(std::string_view(text).substr(0, at));
        file->WriteLines(lines);
        file->Write(std::string_view(text).substr(at + DataComponentListWord.size()));
    } else {
        text.replace(at, DataComponentListWord.size(), JoinLines(lines));
        file->Write(NormalizeLines(text));
    }
    file->Commit();
}

void WriteFormTemplate(TOutputTree& tree, std::string_view relative, const TTemplateFile& form,
                       const TStringList& lines, const std::string& tableIdentifier) {
    // The generated lines go straight to the file rather than being copied into the
    // template's lines first: over thousands of tables they are most of the run's memory.
    const std::unique_ptr<TOutputFile> file = tree.Create(relative);
    file->Write(WithTableIdentifier(form.FormHead, tableIdentifier));
    file->WriteLines(lines);
    file->Write("end\r\n");
    file->Commit();
}

void WriteMainFormUnit(TOutputTree& tree, std::string_view relative, const TTemplateFile& unit,
                       const std::string& formUnitList, const std::string& buttonList,
                       const std::string& buttonEventList, const std::string& buttonEventCodeList) {
    TStringList text = SplitLines(unit.Text);
    ReplaceFirstInText(text, "{#FormUnitList}", formUnitList);
    ReplaceFirstInText(text, "{#ButtonList}", buttonList);
    ReplaceFirstInText(text, "{#ButtonEventList}", buttonEventList);
    ReplaceFirstInText(text, "{#ButtonEventCodeList}", buttonEventCodeList);
    tree.WriteLines(relative, text);
}

void WriteMainFormDfm(TOutputTree& tree, std::string_view relative, const TTemplateFile& form,
                      const std::string& buttonObjectList) {
    TStringList text = SplitLines(form.FormHead);
    // One entry, whatever line breaks it holds: each CR LF at its end makes an empty line.
    text.push_back(buttonObjectList);
    text.emplace_back("end");
    tree.WriteLines(relative, text);
}

void WriteProjectFile(TOutputTree& tree, std::string_view relative, const TTemplateFile& project,
                      const std::string& formUnitFileList, const std::string& formCreateCodeList) {
    TStringList text = SplitLines(project.Text);
    ReplaceFirstInText(text, "{#FormUnitFileList}", formUnitFileList);
    ReplaceFirstInText(text, "{#FormCreateCodeList}", formCreateCodeList);
    tree.WriteLines(relative, text);
}

} // namespace quorvane
