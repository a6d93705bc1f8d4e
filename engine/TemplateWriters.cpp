// The five template writers: each reads a copied template, puts generated text in and writes the
// result, reporting its output path first.

#include "dmCodeGenerator.h"

namespace quorvane {

namespace {

constexpr std::string_view TableNameWord = "TableName";

} // namespace

void TDM::WriteUnitTemplate(const std::string& outputPath, const std::string& templatePath,
                            const TStringList& lines, const std::string& tableIdentifier) {
    ReportStatus(outputPath);
    TStringList text = ReadTemplateLines(templatePath);
    // The identifier goes in before the generated lines, so a "TableName" inside them stays.
    if (!tableIdentifier.empty()) {
        ReplaceAllInText(text, TableNameWord, tableIdentifier);
    }
    ReplaceFirstInText(text, "{#DataComponentList}", JoinLines(lines));
    WriteLinesToFile(outputPath, text);
}

void TDM::WriteFormTemplate(const std::string& outputPath, const std::string& templatePath,
                            const TStringList& lines, const std::string& tableIdentifier) {
    ReportStatus(outputPath);
    TStringList text = ReadTemplateLines(templatePath);
    CutFormTail(text);
    if (!tableIdentifier.empty()) {
        ReplaceAllInText(text, TableNameWord, tableIdentifier);
    }
    // The generated lines go straight to the file rather than being copied into the
    // template's lines first: over thousands of tables they are most of the run's memory.
    TAtomicFileWriter file(outputPath);
    file.WriteLines(text);
    file.WriteLines(lines);
    file.Write("end\r\n");
    file.Commit();
}

void TDM::WriteMainFormUnit(const std::string& outputPath, const std::string& templatePath,
                            const std::string& formUnitList, const std::string& buttonList,
                            const std::string& buttonEventList,
                            const std::string& buttonEventCodeList) {
    ReportStatus(outputPath);
    TStringList text = ReadTemplateLines(templatePath);
    ReplaceFirstInText(text, "{#FormUnitList}", formUnitList);
    ReplaceFirstInText(text, "{#ButtonList}", buttonList);
    ReplaceFirstInText(text, "{#ButtonEventList}", buttonEventList);
    ReplaceFirstInText(text, "{#ButtonEventCodeList}", buttonEventCodeList);
    WriteLinesToFile(outputPath, text);
}

void TDM::WriteMainFormDfm(const std::string& outputPath, const std::string& templatePath,
                           const std::string& buttonObjectList) {
    ReportStatus(outputPath);
    TStringList text = ReadTemplateLines(templatePath);
    CutFormTail(text);
    // One entry, whatever line breaks it holds: each CR LF at its end makes an empty line.
    text.push_back(buttonObjectList);
    text.emplace_back("end");
    WriteLinesToFile(outputPath, text);
}

void TDM::WriteProjectFile(const std::string& outputPath, const std::string& templatePath,
                           const std::string& formUnitFileList,
                           const std::string& formCreateCodeList) {
    ReportStatus(outputPath);
    TStringList text = ReadTemplateLines(templatePath);
    ReplaceFirstInText(text, "{#FormUnitFileList}", formUnitFileList);
    ReplaceFirstInText(text, "{#FormCreateCodeList}", formCreateCodeList);
    WriteLinesToFile(outputPath, text);
}

} // namespace quorvane
