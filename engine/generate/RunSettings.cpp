#include "generate/RunSettings.h"

#include "generate/OptionLimits.h"
#include "generate/Options.h"

#include "io/AtomicFileWriter.h"
#include "text/StringUtils.h"
#include "text/TextEncoding.h"

#include <filesystem>
#include <map>
#include <vector>

namespace quorvane {

namespace {

namespace fs = std::filesystem;

// A settings file is typed by hand; a larger one is no settings file.
constexpr std::size_t SettingsFileSizeLimit = std::size_t{1} << 20;

enum class TValueKind {
    Text,          ///< taken as it stands
    Path,          ///< relative to the settings file's folder
    Flag,          ///< true or false
    Space,         ///< an integer within the gap's limits
    ClassName,     ///< a Pascal identifier
    ComponentName, ///< a Pascal identifier
    OptionList,    ///< Pascal identifiers separated by commas
    ProjectGuids,  ///< template or new
};

using TTextOf = std::string& (*)(TProjectParam&);
using TFlagOf = bool& (*)(TProjectParam&);

// One key of the file. Reading and writing both walk this one table, so that no option can be
// written without being read back, or the other way round.
struct TSettingKey {
    const char* Section;
    const char* Key;
    TValueKind Kind;
    TTextOf Text;       ///< the option of a text kind
    TTextOf Twin;       ///< a second option that always holds the same text, or nullptr
    TFlagOf Flag;       ///< the option of a flag
    const char* Field;  ///< the main window's field, for the checks' messages
    const char* Option; ///< the batch tool's option, for the checks' messages
};

TSettingKey TextKey(const char* section, const char* key, TValueKind kind, TTextOf text,
                    const char* field = nullptr, const char* option = nullptr,
                    TTextOf twin = nullptr) {
    return {section, key, kind, text, twin, nullptr, field, option};
}

TSettingKey FlagKey(const char* section, const char* key, TFlagOf flag) {
    return {section, key, TValueKind::Flag, nullptr, nullptr, flag, nullptr, nullptr};
}

const std::vector<TSettingKey>& SettingKeys() {
    using K = TValueKind;
    using P = TProjectParam;
    static const std::vector<TSettingKey> keys = {
        TextKey("Database", "File", K::Path,
                [](P& o) -> std::string& { return o.Database.UDLFile; }),
        TextKey("Database", "MapFile", K::Path,
                [](P& o) -> std::string& { return o.Database.MapFile; }),
        FlagKey("Database", "NameCodeOrder",
                [](P& o) -> bool& { return o.Database.NameCodeOrder; }),

        TextKey("Directories", "Template", K::Path,
                [](P& o) -> std::string& { return o.Directories.TemplateDir; }),
        TextKey("Directories", "Output", K::Path,
                [](P& o) -> std::string& { return o.Directories.OutputDir; }),

        // The window and the batch tool fill both from one field: one key.
        TextKey(
            "Server", "DataSetType", K::ClassName,
            [](P& o) -> std::string& { return o.ServerOptions.DataSetType; },
            "DataSet Component Type", "dataset-type",
            [](P& o) -> std::string& { return o.ServerOptions.DataSetKind; }),
        TextKey(
            "Server", "ProviderOptions", K::OptionList,
            [](P& o) -> std::string& { return o.ServerOptions.ProviderOptions; },
            "DataSet Provider Options", "provider-options"),
        FlagKey("Server", "RemoteDataModule", [](P& o) -> bool& { return o.ServerOptions.IsRDM; }),
        FlagKey("Server", "TrimPrefix", [](P& o) -> bool& { return o.ServerOptions.TrimPrefix; }),
        TextKey(
            "Server", "ConnectionName", K::ComponentName,
            [](P& o) -> std::string& { return o.ServerOptions.ConnectionName; },
            "DBConnection Name in Template", "connection-name"),
        {"Server", "ProjectGuids", K::ProjectGuids, nullptr, nullptr, nullptr, nullptr, nullptr},

        TextKey(
            "ClientDataModule", "ClientDataSetType", K::ClassName,
            [](P& o) -> std::string& { return o.ClientDMOptions.ClientDataSetType; },
            "ClientDataSet Type", "client-dataset-type"),
        TextKey(
            "ClientDataModule", "ConnectionBrokerName", K::ComponentName,
            [](P& o) -> std::string& { return o.ClientDMOptions.ConnectionBrokerName; },
            "ConnectionBroker Component Name", "broker-name"),
        FlagKey("ClientDataModule", "TrimPrefix",
                [](P& o) -> bool& { return o.ClientDMOptions.TrimTableName; }),
        TextKey("ClientDataModule", "FloatFormat", K::Text,
                [](P& o) -> std::string& { return o.ClientDMOptions.DisplayFormat.FloatFormat; }),
        TextKey(
            "ClientDataModule", "CurrencyFormat", K::Text,
            [](P& o) -> std::string& { return o.ClientDMOptions.DisplayFormat.CurrencyFormat; }),
        TextKey("ClientDataModule", "DateFormat", K::Text,
                [](P& o) -> std::string& { return o.ClientDMOptions.DisplayFormat.DateFormat; }),

        TextKey(
            "ClientForms", "DataModuleName", K::ComponentName,
            [](P& o) -> std::string& { return o.ClientUIOptions.DMName; },
            "Data Module Name in Template", "dm-name"),
        TextKey(
            "ClientForms", "NavigatorType", K::ClassName,
            [](P& o) -> std::string& { return o.ClientUIOptions.DBNavigatorType; },
            "DBNavigator Type", "navigator-type"),
        TextKey(
            "ClientForms", "GridType", K::ClassName,
            [](P& o) -> std::string& { return o.ClientUIOptions.DBGridType; }, "DBGrid Type",
            "grid-type"),
        {"ClientForms", "Space", K::Space, nullptr, nullptr, nullptr, nullptr, nullptr},
        TextKey("ClientForms", "OnlyTable", K::Text,
                [](P& o) -> std::string& { return o.ClientUIOptions.OnlyTable; }),
        TextKey("ClientForms", "ExcludeTables", K::Text,
                [](P& o) -> std::string& { return o.ClientUIOptions.ExcludeTables; }),
        FlagKey("ClientForms", "WithColon",
                [](P& o) -> bool& { return o.ClientUIOptions.WithColon; }),
        FlagKey("ClientForms", "LeftJustify",
                [](P& o) -> bool& { return o.ClientUIOptions.LeftJustify; }),
        FlagKey("ClientForms", "AutoSize",
                [](P& o) -> bool& { return o.ClientUIOptions.AutoSize; }),
        FlagKey("ClientForms", "TrimPrefix",
                [](P& o) -> bool& { return o.ClientUIOptions.TrimTableName; }),

        FlagKey("Schema", "SchemaKeys", [](P& o) -> bool& { return o.SchemaOptions.SchemaKeys; }),
        FlagKey("Schema", "RequiredFields",
                [](P& o) -> bool& { return o.SchemaOptions.RequiredFields; }),
        FlagKey("Schema", "FkLookups", [](P& o) -> bool& { return o.SchemaOptions.FkLookups; }),
        FlagKey("Schema", "CommentLabels",
                [](P& o) -> bool& { return o.SchemaOptions.CommentLabels; }),
    };
    return keys;
}

// The sections in the order the file lists them.
std::vector<std::string> SectionNames() {
    std::vector<std::string> names;
    for (const TSettingKey& key : SettingKeys()) {
        if (names.empty() || names.back() != key.Section) {
            names.emplace_back(key.Section);
        }
    }
    return names;
}

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

// The one pair of quotes that keeps a value's own blanks, or a value that itself stands in
// quotes, as the platform's profile reading takes them off.
std::string_view Unquoted(std::string_view value) {
    if (value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

std::string Quoted(const std::string& value) {
    const bool blankEnds = !value.empty() && (value.front() == ' ' || value.front() == '\t' ||
                                              value.back() == ' ' || value.back() == '\t');
    const bool quotedAlready =
        value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front();
    return blankEnds || quotedAlready ? Concat({"\"", value, "\""}) : value;
}

// Where a value goes wrong: the file, the line and, for a value, its key.
struct TPlace {
    const std::string& File;
    std::size_t Line;

    [[noreturn]] void Fail(const std::string& reason) const {
        throw ESettingsError(
            Concat({"Settings file \"", File, "\", line ", std::to_string(Line), ": ", reason}));
    }
    [[noreturn]] void FailAt(const std::string& key, const std::string& reason) const {
        throw ESettingsError(Concat({"Settings file \"", File, "\", line ", std::to_string(Line),
                                     ", key \"", key, "\": ", reason}));
    }
};

void ApplyValue(const TSettingKey& key, const std::string& value, const std::string& folder,
                TProjectParam& options) {
    switch (key.Kind) {
    case TValueKind::Flag:
        if (SameTextAscii(value, "true")) {
            key.Flag(options) = true;
        } else if (SameTextAscii(value, "false")) {
            key.Flag(options) = false;
        } else {
            throw EConvertError(Concat({"'", value, "' is not true or false."}));
        }
        return;
    case TValueKind::Space:
        options.ClientUIOptions.Space = SpaceFromText(value);
        return;
    case TValueKind::ProjectGuids:
        options.ServerOptions.ProjectGuids = ProjectGuidsFromText(value);
        return;
    case TValueKind::Path:
        key.Text(options) = value.empty() || fs::path(value).is_absolute()
                                ? value
                                : (fs::path(folder) / value).lexically_normal().string();
        return;
    case TValueKind::ClassName:
        CheckClassName(value, key.Field, key.Option);
        break;
    case TValueKind::ComponentName:
        CheckComponentName(value, key.Field, key.Option);
        break;
    case TValueKind::OptionList:
        CheckProviderOptions(value, key.Field, key.Option);
        break;
    case TValueKind::Text:
        break;
    }
    key.Text(options) = value;
    if (key.Twin != nullptr) {
        key.Twin(options) = value;
    }
}

// Walks the lines of the text with their numbers from 1; CR LF, LF and CR all end a line.
template <typename Visit> void ForEachLine(const std::string& text, Visit visit) {
    std::size_t start = 0;
    for (std::size_t number = 1; start < text.size(); ++number) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            end = text.size();
        }
        visit(number, std::string_view(text).substr(start, end - start));
        start = end + 1;
        if (end < text.size() && text[end] == '\r' && start < text.size() && text[start] == '\n') {
            ++start;
        }
    }
}

std::string AbsoluteFolderOf(const std::string& path) {
    return fs::absolute(fs::path(path)).parent_path().string();
}

// A path as the settings file keeps it: below the file's folder, relative to it, so that the
// file can move with the folder; elsewhere absolute, as the run would take it from here.
std::string StoredPath(const std::string& path, const std::string& folder) {
    if (path.empty()) {
        return path;
    }
    const fs::path absolute = fs::absolute(fs::path(path));
    const fs::path relative =
        absolute.lexically_normal().lexically_relative(fs::path(folder).lexically_normal());
    if (relative.empty() || relative == "." || *relative.begin() == "..") {
        return absolute.string();
    }
    return relative.string();
}

} // namespace

void ReadRunSettings(const std::string& path, TProjectParam& options) {
    std::string bytes;
    std::string reason;
    if (!TryReadWholeFile(path, bytes, reason, SettingsFileSizeLimit)) {
        throw EFileError(Concat({"Cannot open settings file \"", path, "\". ", reason}));
    }
    if (const std::string encoding = UnreadableEncodingOf(bytes); !encoding.empty()) {
        throw EOptionsError(
            Concat({"The settings file \"", path, "\" is in an encoding Quorvane does not read (",
                    encoding, "); save it as UTF-8."}));
    }
    // UTF-8 is kept byte for byte, so that every path comes back as it was written; only a
    // byte-order mark an editor put first goes.
    const std::string text = DecodeByteOrderMark(bytes);
    const std::string folder = AbsoluteFolderOf(path);
    const std::vector<std::string> sections = SectionNames();

    TProjectParam read = options;
    std::string section;
    std::map<std::string, std::size_t> sectionLines;
    std::map<std::string, std::size_t> keyLines;
    ForEachLine(text, [&](std::size_t number, std::string_view rawLine) {
        const TPlace place{path, number};
        const std::string_view line = TrimBlanks(rawLine);
        if (line.empty() || line.front() == ';' || line.front() == '#') {
            return;
        }
        if (line.front() == '[' && line.back() == ']') {
            const std::string name(TrimBlanks(line.substr(1, line.size() - 2)));
            section.clear();
            for (const std::string& known : sections) {
                if (SameTextAscii(known, name)) {
                    section = known;
                }
            }
            if (section.empty()) {
                place.Fail(Concat({"unknown section [", name, "]."}));
            }
            const auto [earlier, first] = sectionLines.emplace(section, number);
            if (!first) {
                place.Fail(Concat({"section [", section, "] was already given on line ",
                                   std::to_string(earlier->second), "."}));
            }
            return;
        }
        const std::size_t equals = line.find('=');
        const std::string name(TrimBlanks(line.substr(0, equals)));
        if (equals == std::string_view::npos || name.empty() || line.front() == '[') {
            place.Fail(Concat({"\"", std::string(line),
                               "\" is not a [section], key = value or ; comment line."}));
        }
        if (section.empty()) {
            place.Fail(Concat({"key \"", name, "\" comes before any section."}));
        }
        const TSettingKey* key = nullptr;
        for (const TSettingKey& candidate : SettingKeys()) {
            if (candidate.Section == section && SameTextAscii(candidate.Key, name)) {
                key = &candidate;
            }
        }
        if (key == nullptr) {
            place.Fail(Concat({"unknown key \"", name, "\" in section [", section, "]."}));
        }
        const auto [earlier, first] = keyLines.emplace(Concat({section, "/", key->Key}), number);
        if (!first) {
            place.Fail(Concat({"key \"", key->Key, "\" was already given on line ",
                               std::to_string(earlier->second), "."}));
        }
        const std::string value(Unquoted(TrimBlanks(line.substr(equals + 1))));
        try {
            ApplyValue(*key, value, folder, read);
        } catch (const EConvertError& error) {
            place.FailAt(key->Key, error.what());
        }
    });
    options = read;
}

void WriteRunSettings(const std::string& path, const TProjectParam& options) {
    // What the file holds must read back: the same checks as reading, before anything is written.
    CheckOptionNames(options);
    SpaceFromText(std::to_string(options.ClientUIOptions.Space));

    const std::string folder = AbsoluteFolderOf(path);
    TProjectParam values = options;
    std::string text = "; Quorvane run settings. Relative paths are taken from this file's "
                       "folder.\n";
    std::string section;
    for (const TSettingKey& key : SettingKeys()) {
        if (section != key.Section) {
            section = key.Section;
            text += Concat({"\n[", section, "]\n"});
        }
        std::string value;
        switch (key.Kind) {
        case TValueKind::Flag:
            value = key.Flag(values) ? "true" : "false";
            break;
        case TValueKind::Space:
            value = std::to_string(values.ClientUIOptions.Space);
            break;
        case TValueKind::ProjectGuids:
            value = ProjectGuidsText(values.ServerOptions.ProjectGuids);
            break;
        case TValueKind::Path:
            value = StoredPath(key.Text(values), folder);
            break;
        default:
            value = key.Text(values);
            break;
        }
        if (value.find_first_of("\r\n") != std::string::npos) {
            throw ESettingsError(Concat({"The value of \"", key.Key, "\" in section [", section,
                                         "] holds a line break, which a settings file cannot "
                                         "keep."}));
        }
        text += Concat({key.Key, "=", Quoted(value), "\n"});
    }
    WriteBytesToFile(path, text);
}

} // namespace quorvane
