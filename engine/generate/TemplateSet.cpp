#include "generate/TemplateSet.h"

#include "text/StringUtils.h"
#include "text/TemplateText.h"
#include "text/TextEncoding.h"

#include <algorithm>
#include <filesystem>
#include <utility>

namespace quorvane {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view TableNameWord = "TableName";

bool IsIdentifierCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// The identifier at the start of `text` (after blanks), and the rest behind it.
std::string_view TakeIdentifier(std::string_view& text) {
    text = TrimView(text);
    std::size_t length = 0;
    while (length < text.size() && IsIdentifierCharacter(text[length])) {
        ++length;
    }
    const std::string_view identifier = text.substr(0, length);
    text.remove_prefix(length);
    return identifier;
}

// Whether `line` starts with `word` (any letter case) followed by a blank.
bool StartsWithWord(std::string_view line, std::string_view word) {
    line = TrimView(line);
    return line.size() > word.size() && StartsWithText(line, word) &&
           !IsIdentifierCharacter(line[word.size()]);
}

// Reads the object lines of a form file: "object Name: TClass" (also "inherited" and "inline"
// objects) and the handlers its events name ("OnClick = Button1Click").
void ReadFormNames(TTemplateFile& file, const TStringList& lines) {
    bool root = true;
    for (const std::string& line : lines) {
        std::string_view rest = line;
        if (StartsWithWord(rest, "object") || StartsWithWord(rest, "inherited") ||
            StartsWithWord(rest, "inline")) {
            TakeIdentifier(rest); // the keyword
            const std::string name(TakeIdentifier(rest));
            rest = TrimView(rest);
            std::string className;
            if (!rest.empty() && rest.front() == ':') {
                rest.remove_prefix(1);
                className = std::string(TakeIdentifier(rest));
            }
            if (root) {
                file.RootName = name;
                file.RootClass = className;
                root = false;
            } else if (!name.empty()) {
                file.DeclaredNames.push_back(name);
                file.ObjectClasses.emplace_back(name, className);
            }
            continue;
        }
        std::string_view property = TrimView(rest);
        if (StartsWithText(property, "On")) {
            TakeIdentifier(property);
            property = TrimView(property);
            if (!property.empty() && property.front() == '=') {
                property.remove_prefix(1);
                const std::string_view handler = TakeIdentifier(property);
                if (!handler.empty() && TrimView(property).empty()) {
                    file.DeclaredNames.emplace_back(handler);
                }
            }
        }
    }
}

// Reads the units a unit's uses clauses name: "uses A, B in 'b.pas', C; // comment".
void ReadUsedUnits(TTemplateFile& file, const TStringList& lines) {
    bool inUses = false;
    for (const std::string& line : lines) {
        std::string_view rest = line;
        const std::size_t comment = rest.find("//");
        if (comment != std::string_view::npos) {
            rest = rest.substr(0, comment);
        }
        if (!inUses) {
            if (!StartsWithWord(rest, "uses") && !SameTextAscii(TrimView(rest), "uses")) {
                continue;
            }
            TakeIdentifier(rest);
            inUses = true;
        }
        while (inUses) {
            rest = TrimView(rest);
            std::string unit;
            // A dotted name ("Data.DB") is one unit.
            for (std::string_view part = TakeIdentifier(rest); !part.empty();
                 part = TakeIdentifier(rest)) {
                unit += std::string(part);
                if (rest.empty() || rest.front() != '.') {
                    break;
                }
                unit += '.';
                rest.remove_prefix(1);
            }
            if (!unit.empty()) {
                file.UsedUnits.push_back(unit);
            }
            const std::size_t end = rest.find_first_of(",;");
            if (end == std::string_view::npos) {
                break; // the clause goes on in the next line
            }
            inUses = rest[end] == ',';
            rest.remove_prefix(end + 1);
        }
    }
}

// Reads the names a unit declares that a generated component must not take: its methods
// ("procedure FormShow(Sender: TObject);") and its fields ("Tables_Lbl: TLabel;").
void ReadUnitNames(TTemplateFile& file, const TStringList& lines) {
    ReadUsedUnits(file, lines);
    for (const std::string& line : lines) {
        std::string_view rest = line;
        if (StartsWithWord(rest, "procedure") || StartsWithWord(rest, "function")) {
            TakeIdentifier(rest);
            const std::string_view name = TakeIdentifier(rest);
            // "TMain_Frm.FormShow" is the method's body, declared already.
            if (!name.empty() && (rest.empty() || rest.front() != '.')) {
                file.DeclaredNames.emplace_back(name);
            }
            continue;
        }
        const std::string_view name = TakeIdentifier(rest);
        rest = TrimView(rest);
        if (!name.empty() && !rest.empty() && rest.front() == ':' &&
            (rest.size() < 2 || rest[1] != '=') && rest.back() == ';') {
            file.DeclaredNames.emplace_back(name);
        }
    }
}

TTemplateFile ReadTemplateFile(const std::string& templateDir, const std::string& relativePath) {
    return TemplateFileOfLines(relativePath, ReadTemplateLines(templateDir + "/" + relativePath));
}

// The files a project file's uses clause names: "frmMain in 'frmMain.pas' {Main_Frm}".
std::vector<std::string> ProjectFilesOf(const std::string& projectText) {
    std::vector<std::string> files;
    for (const std::string& line : SplitLines(projectText)) {
        std::string_view rest = line;
        TakeIdentifier(rest);
        if (!StartsWithWord(rest, "in")) {
            continue;
        }
        const std::size_t open = rest.find('\'');
        const std::size_t close = open == std::string_view::npos ? open : rest.find('\'', open + 1);
        if (close != std::string_view::npos) {
            files.emplace_back(rest.substr(open + 1, close - open - 1));
        }
    }
    return files;
}

} // namespace

std::string TTemplateFile::ClassOfObject(const std::string& name) const {
    for (const auto& [objectName, className] : ObjectClasses) {
        if (SameTextAscii(objectName, name)) {
            return className;
        }
    }
    return {};
}

bool TTemplateFile::UsesUnit(const std::string& unit) const {
    return std::any_of(UsedUnits.begin(), UsedUnits.end(), [&unit](const std::string& used) {
        const std::size_t dot = used.rfind('.');
        return SameTextAscii(used, unit) ||
               (dot != std::string::npos && SameTextAscii(used.substr(dot + 1), unit));
    });
}

std::string WithTableIdentifier(std::string text, const std::string& tableIdentifier) {
    if (tableIdentifier.empty()) {
        return text;
    }
    text = ReplaceAll(text, TableNameWord, tableIdentifier);
    return HasLineBreakOrNul(tableIdentifier) ? NormalizeLines(text) : text;
}

TTemplateFile& TTemplateSet::File(TTemplateRole role) {
    return const_cast<TTemplateFile&>(std::as_const(*this).File(role));
}

const TTemplateFile& TTemplateSet::File(TTemplateRole role) const {
    switch (role) {
    case TTemplateRole::ServerUnit:
        return ServerUnit;
    case TTemplateRole::ServerForm:
        return ServerForm;
    case TTemplateRole::ClientUnit:
        return ClientUnit;
    case TTemplateRole::ClientForm:
        return ClientForm;
    case TTemplateRole::TableUnit:
        return TableUnit;
    case TTemplateRole::TableForm:
        return TableForm;
    case TTemplateRole::GridsUnit:
        return GridsUnit;
    case TTemplateRole::GridsForm:
        return GridsForm;
    case TTemplateRole::MainUnit:
        return MainUnit;
    case TTemplateRole::MainForm:
        return MainForm;
    case TTemplateRole::ClientProject:
        break;
    }
    return ClientProject;
}

TTemplateFile TemplateFileOfLines(std::string relativePath, TStringList lines) {
    TTemplateFile file;
    file.Text = JoinLines(lines);
    if (EndsWithText(relativePath, ".dfm")) {
        ReadFormNames(file, lines);
        CutFormTail(lines);
        file.FormHead = JoinLines(lines);
    } else if (EndsWithText(relativePath, ".pas")) {
        ReadUnitNames(file, lines);
    }
    file.RelativePath = std::move(relativePath);
    return file;
}

TTemplateSet TTemplateSet::Load(const std::string& templateDir) {
    TTemplateSet set;
    for (const TLayoutFile& file : ProjectLayout().Files) {
        set.File(file.Role) = ReadTemplateFile(templateDir, std::string(file.Path));
    }
    const fs::path clientFolder = fs::path(templateDir) / ProjectLayout().ClientFolder;

    std::error_code error;
    for (fs::directory_iterator entry(clientFolder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (EndsWithText(entry->path().filename().string(), ".pas")) {
            set.UnitNames.push_back(entry->path().stem().string());
        }
    }
    std::sort(set.UnitNames.begin(), set.UnitNames.end());
    for (const std::string& file : ProjectFilesOf(set.ClientProject.Text)) {
        if (!fs::is_regular_file(clientFolder / file, error)) {
            set.MissingProjectFiles.push_back(file);
        }
    }
    return set;
}

} // namespace quorvane
