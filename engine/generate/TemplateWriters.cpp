// The five template writers: each puts generated text into a template's text and writes the
// result. The run hands them the templates it read before copying; the operations of TDM that
// take a template path read it first, reporting their output path before they do.

#include "generate/dmCodeGenerator.h"
#include "io/AtomicFileWriter.h"
#include "text/StringUtils.h"

#include <algorithm>

namespace quorvane {

namespace {

constexpr std::string_view DataComponentListWord = "{#DataComponentList}";

std::string FormHeadOf(const std::string& templatePath) {
    TStringList lines = ReadTemplateLines(templatePath);
    CutFormTail(lines);
    return JoinLines(lines);
}

} // namespace

void WriteUnitText(const TOutputPath& outputPath, const std::string& templateText,
                   const TStringList& lines, const std::string& tableIdentifier) {
    // The identifier goes in before the generated lines, so a "TableName" inside them stays.
    std::string text = WithTableIdentifier(templateText, tableIdentifier);
    TAtomicFileWriter file(outputPath);
    const std::size_t at = text.find(DataComponentListWord);
    const auto plainLines = [&lines] {
        return std::none_of(lines.begin(), lines.end(),
                            [](const std::string& line) { return HasLineBreakOrNul(line); });
    };
    if (at == std::string::npos) {
        file.Write(text);
    } else if (plainLines()) {
        // The template's text is already in lines, and so are the generated ones: they go to the
        // file as they are, without joining them into the template and splitting it again.
        file.Write(std::string_view(text).substr(0, at));
        file.WriteLines(lines);
        file.Write(std::string_view(text).substr(at + DataComponentListWord.size()));
    } else {
        text.replace(at, DataComponentListWord.size(), JoinLines(lines));
        file.Write(NormalizeLines(text));
    }
    file.Commit();
}

void WriteFormText(const TOutputPath& outputPath, const std::string& formHead,
                   const TStringList& lines, const std::string& tableIdentifier) {
    // The generated lines go straight to the file rather than being copied into the
    // template's lines first: over thousands of tables they are most of the run's memory.
    TAtomicFileWriter file(outputPath);
    file.Write(WithTableIdentifier(formHead, tableIdentifier));
    file.WriteLines(lines);
    file.Write("end\r\n");
    file.Commit();
}

void WriteMainFormUnitText(const TOutputPath& outputPath, const std::string& templateText,
                           const std::string& formUnitList, const std::string& buttonList,
                           const std::string& buttonEventList,
                           const std::string& buttonEventCodeList) {
    TStringList text = SplitLines(templateText);
    ReplaceFirstInText(text, "{#FormUnitList}", formUnitList);
    ReplaceFirstInText(text, "{#ButtonList}", buttonList);
    ReplaceFirstInText(text, "{#ButtonEventList}", buttonEventList);
    ReplaceFirstInText(text, "{#ButtonEventCodeList}", buttonEventCodeList);
    WriteLinesToFile(outputPath, text);
}

void WriteMainFormDfmText(const TOutputPath& outputPath, const std::string& formHead,
                          const std::string& buttonObjectList) {
    TStringList text = SplitLines(formHead);
    // One entry, whatever line breaks it holds: each CR LF at its end makes an empty line.
    text.push_back(buttonObjectList);
    text.emplace_back("end");
    WriteLinesToFile(outputPath, text);
}

void WriteProjectFileText(const TOutputPath& outputPath, const std::string& templateText,
                          const std::string& formUnitFileList,
                          const std::string& formCreateCodeList) {
    TStringList text = SplitLines(templateText);
    ReplaceFirstInText(text, "{#FormUnitFileList}", formUnitFileList);
    ReplaceFirstInText(text, "{#FormCreateCodeList}", formCreateCodeList);
    WriteLinesToFile(outputPath, text);
}

void TDM::WriteUnitTemplate(const std::string& outputPath, const std::string& templatePath,
                            const TStringList& lines, const std::string& tableIdentifier) {
    ReportStatus(outputPath);
    WriteUnitText(TOutputPath{{}, outputPath}, JoinLines(ReadTemplateLines(templatePath)), lines,
                  tableIdentifier);
}

void TDM::WriteFormTemplate(const std::string& outputPath, const std::string& templatePath,
                            const TStringList& lines, const std::string& tableIdentifier) {
    ReportStatus(outputPath);
    WriteFormText(TOutputPath{{}, outputPath}, FormHeadOf(templatePath), lines, tableIdentifier);
}

void TDM::WriteMainFormUnit(const std::string& outputPath, const std::string& templatePath,
                            const std::string& formUnitList, const std::string& buttonList,
                            const std::string& buttonEventList,
                            const std::string& buttonEventCodeList) {
    ReportStatus(outputPath);
    WriteMainFormUnitText(TOutputPath{{}, outputPath}, JoinLines(ReadTemplateLines(templatePath)),
                          formUnitList, buttonList, buttonEventList, buttonEventCodeList);
}

void TDM::WriteMainFormDfm(const std::string& outputPath, const std::string& templatePath,
                           const std::string& buttonObjectList) {
    ReportStatus(outputPath);
    WriteMainFormDfmText(TOutputPath{{}, outputPath}, FormHeadOf(templatePath), buttonObjectList);
}

void TDM::WriteProjectFile(const std::string& outputPath, const std::string& templatePath,
                           const std::string& formUnitFileList,
                           const std::string& formCreateCodeList) {
    ReportStatus(outputPath);
    WriteProjectFileText(TOutputPath{{}, outputPath}, JoinLines(ReadTemplateLines(templatePath)),
                         formUnitFileList, formCreateCodeList);
}

} // namespace quorvane
