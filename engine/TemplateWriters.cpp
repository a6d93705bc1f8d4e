// The five template writers: each reads a copied template, puts generated text in and writes the
// result, reporting its output path first.

#include "StringUtils.h"
#include "dmCodeGenerator.h"

#include <algorithm>

namespace quorvane {

namespace {

constexpr std::string_view TableNameWord = "TableName";
constexpr std::string_view DataComponentListWord = "{#DataComponentList}";

// A template's text form with every "TableName" made the table's identifier (none: unchanged),
// split into lines again where the identifier holds a line break of its own.
std::string WithTableIdentifier(std::string text, const std::string& tableIdentifier) {
    if (tableIdentifier.empty()) {
        return text;
    }
    text = ReplaceAll(text, TableNameWord, tableIdentifier);
    return HasLineBreakOrNul(tableIdentifier) ? NormalizeLines(text) : text;
}

} // namespace

std::string TDM::TemplateText(const std::string& path, bool cutFormTail) {
    const auto read = [&path, cutFormTail] {
        TStringList lines = ReadTemplateLines(path);
        if (cutFormTail) {
            CutFormTail(lines);
        }
        return JoinLines(lines);
    };
    if (!FRunning) {
        return read();
    }
    auto key = std::make_pair(path, cutFormTail);
    auto found = FTemplateTexts.find(key);
    if (found == FTemplateTexts.end()) {
        found = FTemplateTexts.emplace(std::move(key), read()).first;
    }
    return found->second;
}

void TDM::ForgetTemplateText(const std::string& path) {
    FTemplateTexts.erase({path, false});
    FTemplateTexts.erase({path, true});
}

void TDM::WriteUnitTemplate(const std::string& outputPath, const std::string& templatePath,
                            const TStringList& lines, const std::string& tableIdentifier) {
    ReportStatus(outputPath);
    // The identifier goes in before the generated lines, so a "TableName" inside them stays.
    std::string text = WithTableIdentifier(TemplateText(templatePath, false), tableIdentifier);
    ForgetTemplateText(outputPath);
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

void TDM::WriteFormTemplate(const std::string& outputPath, const std::string& templatePath,
                            const TStringList& lines, const std::string& tableIdentifier) {
    ReportStatus(outputPath);
    const std::string text = WithTableIdentifier(TemplateText(templatePath, true), tableIdentifier);
    // The generated lines go straight to the file rather than being copied into the
    // template's lines first: over thousands of tables they are most of the run's memory.
    ForgetTemplateText(outputPath);
    TAtomicFileWriter file(outputPath);
    file.Write(text);
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
    ForgetTemplateText(outputPath);
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
    ForgetTemplateText(outputPath);
    WriteLinesToFile(outputPath, text);
}

void TDM::WriteProjectFile(const std::string& outputPath, const std::string& templatePath,
                           const std::string& formUnitFileList,
                           const std::string& formCreateCodeList) {
    ReportStatus(outputPath);
    TStringList text = ReadTemplateLines(templatePath);
    ReplaceFirstInText(text, "{#FormUnitFileList}", formUnitFileList);
    ReplaceFirstInText(text, "{#FormCreateCodeList}", formCreateCodeList);
    ForgetTemplateText(outputPath);
    WriteLinesToFile(outputPath, text);
}

} // namespace quorvane
