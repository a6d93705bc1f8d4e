#include "FuzzTargets.h"

#include "MemorySchemaSource.h"
#include "PlanSupport.h"
#include "TempDir.h"
#include "datalink/DataLink.h"
#include "generate/DisplayTextMap.h"
#include "generate/NameFormats.h"
#include "generate/TemplateWriters.h"
#include "generate/dmCodeGenerator.h"
#include "text/EngineErrors.h"
#include "text/ProfileFile.h"
#include "text/StringUtils.h"
#include "text/TemplateText.h"
#include "text/TextEncoding.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace quorvane::fuzz {

namespace {

// How many names of a file are looked up at the most: enough to reach every kind of line the
// fuzzer makes, few enough that one input stays fast.
constexpr std::size_t MaxLookups = 64;

// Text for a message: control bytes, the DEL and bytes from 128 up as \xNN, so that a detail
// shows exactly which bytes differ.
std::string Printable(std::string_view text) {
    static constexpr char Digits[] = "0123456789abcdef";
    std::string out;
    for (const char c : text.substr(0, std::min<std::size_t>(text.size(), 2000))) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F || byte == '\\') {
            out += "\\x";
            out += Digits[byte >> 4];
            out += Digits[byte & 0x0F];
        } else {
            out += c;
        }
    }
    return out;
}

// Reports a broken promise and stops the process: libFuzzer keeps the input as a crash, and the
// replay test fails.
void Require(bool condition, const char* what, std::string_view detail = {}) {
    if (condition) {
        return;
    }
    std::fprintf(stderr, "Broken invariant: %s\n", what);
    if (!detail.empty()) {
        std::fprintf(stderr, "  detail: %s\n", Printable(detail).c_str());
    }
    std::abort();
}

std::string BytesOf(const std::uint8_t* data, std::size_t size) {
    return size == 0 ? std::string() : std::string(reinterpret_cast<const char*>(data), size);
}

// One private folder per process: the files a target writes are replaced by the next input.
const TTempDir& Scratch() {
    static const TTempDir folder;
    return folder;
}

// A data module without a database: enough for the map loader and the template writers.
TDM& Module() {
    static TDM module;
    return module;
}

bool IsIdentifierCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool IsIdentifier(std::string_view text) {
    if (text.empty() || (text.front() >= '0' && text.front() <= '9')) {
        return false;
    }
    for (const char c : text) {
        if (!IsIdentifierCharacter(c)) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> SplitAt(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.emplace_back(
            text.substr(start, end == std::string_view::npos ? text.npos : end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

// --- Data links ---

bool SameItems(const TConnectionProperties& a, const TConnectionProperties& b) {
    return a.Items() == b.Items();
}

std::string Describe(const TConnectionProperties& properties) {
    std::string text;
    for (const auto& [key, value] : properties.Items()) {
        text += "[" + key + "]=[" + value + "] ";
    }
    return text;
}

// What Parse gives, written back as an initialisation string, parses to the same properties.
void CheckFormatRoundTrip(const TConnectionProperties& properties) {
    const std::string formatted = FormatConnectionProperties(properties);
    const TConnectionProperties back = TConnectionProperties::Parse(formatted);
    // The details are put together only when they are needed: most inputs pass.
    if (!SameItems(back, properties)) {
        Require(false, "Parse(FormatConnectionProperties(p)) differs from p",
                Describe(properties) + "| formatted: " + formatted + " | back: " + Describe(back));
    }
}

} // namespace

void FuzzDataLink(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = BytesOf(data, size);
    const std::string path = Scratch().File("input.udl");
    WriteFile(path, bytes);

    try {
        CheckFormatRoundTrip(ReadDataLinkFile(path));
    } catch (const EEngineError&) {
    }

    std::optional<TConnectionProperties> asWritten;
    try {
        asWritten = ReadDataLinkFileAsWritten(path);
    } catch (const EEngineError&) {
    }
    if (asWritten && !asWritten->Items().empty()) {
        CheckFormatRoundTrip(*asWritten);
        // The data-link editor writes what it read; reading that file gives the same properties.
        const std::string copy = Scratch().File("written.udl");
        try {
            WriteDataLinkFile(copy, *asWritten);
            const TConnectionProperties back = ReadDataLinkFileAsWritten(copy);
            if (!SameItems(back, *asWritten)) {
                Require(false, "a written data-link file reads back differently",
                        Describe(*asWritten) + "| back: " + Describe(back));
            }
        } catch (const EEngineError& error) {
            Require(false, "a written data-link file cannot be read back", error.what());
        }
    }

    const TConnectionProperties parsed =
        TConnectionProperties::Parse(DecodeConfigurationText(bytes));
    CheckFormatRoundTrip(parsed);
    for (const auto& item : parsed.Items()) {
        Require(!item.first.empty(), "Parse gave an empty key");
    }
}

void FuzzMapFile(const std::uint8_t* data, std::size_t size) {
    const std::string path = Scratch().File("map.txt");
    WriteFile(path, BytesOf(data, size));
    TDM& module = Module();
    for (const bool nameCodeOrder : {false, true}) {
        try {
            Require(module.LoadDisplayTextMap(path, nameCodeOrder), "an existing map file loads");
        } catch (const EEngineError&) {
            continue;
        }
        // The first entry of a key wins, whatever its letter case; an entry always holds "=".
        const TDisplayTextMap& map = module.DisplayTextMap;
        std::unordered_map<std::string, std::string> expected;
        for (std::size_t index = 0; index < map.Count(); ++index) {
            const std::string entry(map.Entry(index));
            const std::size_t equals = entry.find('=');
            Require(equals != std::string::npos, "a map entry without \"=\"", entry);
            expected.try_emplace(LowerCaseAscii(entry.substr(0, equals)), entry.substr(equals + 1));
        }
        std::size_t looked = 0;
        for (std::size_t index = 0; index < map.Count(); ++index) {
            if (++looked > MaxLookups) {
                break;
            }
            const std::string_view entry = map.Entry(index);
            const std::string key(entry.substr(0, entry.find('=')));
            Require(module.DisplayTextOf(key) == expected[LowerCaseAscii(key)],
                    "a map lookup does not give the first entry of its key", key);
            Require(module.DisplayTextOf(UpperCaseAscii(key)) == expected[LowerCaseAscii(key)],
                    "a map lookup depends on letter case", key);
        }
    }
}

void FuzzProfileFile(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = BytesOf(data, size);
    const std::string path = Scratch().File("profile.ini");
    WriteFile(path, bytes);

    const std::string text = DecodeConfigurationText(bytes);
    const TProfileFile loaded = TProfileFile::Load(path);
    const TProfileFile fromText = TProfileFile::FromText(text);

    // Every section and key the text names, and a few that it does not.
    std::vector<std::string> sections = {"NameFormatStrings", "", "oledb"};
    std::vector<std::string> keys = {"DataSetName", "", "Provider"};
    for (const std::string& rawLine : SplitLines(text)) {
        const std::string line = Trim(rawLine);
        if (!line.empty() && line.front() == '[' && sections.size() < MaxLookups) {
            sections.push_back(Trim(line.substr(1, line.find(']') - 1)));
        } else if (line.find('=') != std::string::npos && keys.size() < MaxLookups) {
            keys.push_back(Trim(line.substr(0, line.find('='))));
        }
    }
    for (const std::string& section : sections) {
        for (const std::string& key : keys) {
            const std::optional<std::string> value = loaded.Find(section, key);
            Require(value == fromText.Find(section, key),
                    "a loaded profile file differs from its decoded text");
            Require(!value || value->size() <= 2047, "a profile value longer than 2047");
            Require(loaded.ReadString(section, key, "\x01") == value.value_or("\x01"),
                    "ReadString differs from Find");
        }
    }

    // The name formats read from the file, applied as a run applies them. A small regular file
    // is refused only for its encoding.
    TFormatStrings formats;
    try {
        formats = ReadNameFormats(path);
    } catch (const EFileError& error) {
        Require(!UnreadableEncodingOf(bytes).empty(), "a readable NameFormat.ini was refused",
                error.what());
        return;
    }
    Require(formats.Source == path, "the name formats do not name their file", formats.Source);
    for (const TNameFormatKey& key : NameFormatKeys) {
        try {
            Require(IsIdentifier(ApplyNameFormat(formats, key.Format, "Orders")),
                    "a name format gave a name that is no identifier", formats.*key.Format);
        } catch (const EFormatError& error) {
            const std::string where = path + ": [NameFormatStrings] " + key.Key + "=";
            Require(std::string_view(error.what()).starts_with(where),
                    "a name format's error does not name its file and key", error.what());
        }
    }
}

void FuzzNameFormat(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = BytesOf(data, size);
    const std::size_t lineFeed = bytes.find('\n');
    const std::string format = bytes.substr(0, lineFeed);
    const std::string name =
        lineFeed == std::string::npos ? std::string("Orders") : bytes.substr(lineFeed + 1);

    try {
        const std::string result = FormatName(format, name);
        if (format.find('%') == std::string::npos) {
            Require(result == format, "a format without \"%\" is not kept as it is", format);
        }
    } catch (const EFormatError&) {
    }
    // As a run applies it: an identifier, or an error that names the key and the value.
    TFormatStrings formats;
    formats.DBEditName = format;
    try {
        Require(IsIdentifier(ApplyNameFormat(formats, &TFormatStrings::DBEditName, name)),
                "an applied name format gave no identifier", format);
    } catch (const EFormatError& error) {
        // what() ends at a NUL byte of the value.
        std::string expected = "built-in: [NameFormatStrings] DBEditName=" + format + ": ";
        expected = expected.substr(0, expected.find('\0'));
        Require(std::string_view(error.what()).starts_with(expected),
                "a name format's error does not name its key and value", error.what());
    }

    const std::string trimmed = TrimTablePrefix(name);
    Require(trimmed.size() <= 255 || name.find('_') == std::string::npos,
            "TrimTablePrefix gave more than 255 characters");
    NameToCaption(name);

    for (const bool trimPrefix : {false, true}) {
        const std::string identifier = MakeTableIdentifier(name, trimPrefix);
        Require(identifier.empty() || IsIdentifier(identifier),
                "MakeTableIdentifier gave no identifier", identifier);
    }

    const std::vector<std::string> fieldNames = SplitAt(name, ',');
    const std::vector<std::string> identifiers = MakeFieldIdentifiers(fieldNames);
    Require(identifiers.size() == fieldNames.size(), "MakeFieldIdentifiers lost names");
    std::unordered_set<std::string> seen;
    std::unordered_set<std::string> identifierNames;
    for (std::size_t i = 0; i < identifiers.size(); ++i) {
        Require(IsIdentifier(identifiers[i]), "a field identifier is no identifier",
                identifiers[i]);
        Require(seen.insert(LowerCaseAscii(identifiers[i])).second,
                "two field identifiers differ only in letter case", identifiers[i]);
        // Identifiers longer than 120 characters are cut, so that the names made from them fit.
        if (IsIdentifier(fieldNames[i]) && fieldNames[i].size() <= 120 &&
            identifierNames.insert(LowerCaseAscii(fieldNames[i])).second) {
            Require(identifiers[i] == fieldNames[i], "a field name that is an identifier changed",
                    fieldNames[i]);
        }
    }
}

void FuzzTemplateWriters(const std::uint8_t* data, std::size_t size) {
    const std::string templateBytes = BytesOf(data, size);
    const std::string templatePath = Scratch().File("template.txt");
    WriteFile(templatePath, templateBytes);

    static const TMainFormLists lists = [] {
        auto database = std::make_shared<testing::TMemoryDatabase>();
        for (const char* table : {"Orders", "Order Items", "tbl_3D"}) {
            database->AddTable(table, {});
        }
        testing::TMemorySchemaSource source(database);
        static const TSchemaSnapshot snapshot = ReadSchemaSnapshot(source);
        static const TProjectParam options;
        return BuildMainFormLists(TProjectPlan::Make(snapshot, options, TFormatStrings{},
                                                     testing::TemplateSetForTests()));
    }();
    const TStringList unitLines = {"    Orders_D: TADOTable;", "    Orders_P: TDataSetProvider;"};
    const TStringList formLines = {"  object Orders_D: TADOTable", "    TableName = 'Orders'",
                                   "  end"};
    const std::string identifier = "Orders";
    TStringList templateLines;
    try {
        templateLines = ReadTemplateLines(templatePath);
    } catch (const EEngineError&) {
        return;
    }
    const TTemplateFile unitTemplate = TemplateFileOfLines("template.pas", templateLines);
    const TTemplateFile formTemplate = TemplateFileOfLines("template.dfm", templateLines);
    TMemoryOutputTree tree;

    // What every writer promises: CR LF line ends only, the last line ended too, no NUL.
    auto check = [&](const std::string& outputPath, bool isForm, int tableNameWords) {
        const std::string& output = tree.Text(outputPath);
        Require(output.empty() ||
                    (output.size() >= 2 && output.compare(output.size() - 2, 2, "\r\n") == 0),
                "a written file does not end with CR LF", outputPath);
        for (std::size_t i = 0; i < output.size(); ++i) {
            if (output[i] == '\r') {
                Require(i + 1 < output.size() && output[i + 1] == '\n', "a lone CR", outputPath);
            } else if (output[i] == '\n') {
                Require(i > 0 && output[i - 1] == '\r', "a lone LF", outputPath);
            }
        }
        Require(output.find('\0') == std::string::npos, "a NUL byte in a written file", outputPath);
        if (isForm) {
            Require(output.size() >= 5 && output.compare(output.size() - 5, 5, "end\r\n") == 0,
                    "a form file does not end with \"end\"", outputPath);
        }
        // A table's file keeps only the "TableName" words of the generated lines.
        if (tableNameWords >= 0) {
            int found = 0;
            for (std::size_t at = output.find("TableName"); at != std::string::npos;
                 at = output.find("TableName", at + 1)) {
                ++found;
            }
            Require(found == tableNameWords, "\"TableName\" left in a table's file", outputPath);
        }
    };

    struct TRun {
        const char* Name;
        bool IsForm;
        int TableNameWords; // in the output, or -1 when the writer does not replace them
    };
    auto run = [&](const TRun& what, auto write) {
        try {
            write(what.Name);
        } catch (const EEngineError&) {
            return;
        }
        check(what.Name, what.IsForm, what.TableNameWords);
    };

    run({"unit.pas", false, 0}, [&](const std::string& out) {
        WriteUnitTemplate(tree, out, unitTemplate, unitLines, identifier);
    });
    run({"form.dfm", true, 1}, [&](const std::string& out) {
        WriteFormTemplate(tree, out, formTemplate, formLines, identifier);
    });

    // The unit and form writers write without splitting the text into lines and joining it
    // again; what they write must still be exactly what the line model gives, for plain
    // generated lines and for lines with line breaks or a NUL of their own.
    const TStringList oddLines = {"  a\rb", std::string("c\0d", 3), "e\nTableName"};
    for (const TStringList* lines : {&unitLines, &oddLines}) {
        TStringList unitModel = templateLines;
        TStringList formModel = templateLines;
        try {
            WriteUnitTemplate(tree, "model.pas", unitTemplate, *lines, identifier);
            WriteFormTemplate(tree, "model.dfm", formTemplate, *lines, identifier);
        } catch (const EEngineError&) {
            continue;
        }
        ReplaceAllInText(unitModel, "TableName", identifier);
        ReplaceFirstInText(unitModel, "{#DataComponentList}", JoinLines(*lines));
        Require(tree.Text("model.pas") == JoinLines(unitModel),
                "the unit writer left the line model", "model.pas");
        CutFormTail(formModel);
        ReplaceAllInText(formModel, "TableName", identifier);
        Require(tree.Text("model.dfm") == JoinLines(formModel) + JoinLines(*lines) + "end\r\n",
                "the form writer left the line model", "model.dfm");
    }
    run({"main.pas", false, -1}, [&](const std::string& out) {
        WriteMainFormUnit(tree, out, unitTemplate, lists.FormUnitList, lists.ButtonList,
                          lists.ButtonEventList, lists.ButtonEventCodeList);
    });
    run({"main.dfm", true, -1}, [&](const std::string& out) {
        WriteMainFormDfm(tree, out, formTemplate, lists.ButtonObjectList);
    });
    run({"project.dpr", false, -1}, [&](const std::string& out) {
        WriteProjectFile(tree, out, unitTemplate, lists.FormUnitFileList,
                         lists.FormCreateCodeList);
    });
}

} // namespace quorvane::fuzz
