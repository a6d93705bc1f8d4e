#include "CommandLine.h"

#include "generate/OptionLimits.h"
#include "generate/RunSettings.h"
#include "text/EngineErrors.h"
#include "text/StringUtils.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>

namespace quorvane::cli {

namespace {

struct TOptionSpec {
    const char* Name;
    const char* Argument; ///< nullptr for a flag
    const char* Help;
    std::function<void(TCommandLine&, const std::string&)> Apply;
    char Short = '\0'; ///< the one-letter form ("-h"), where the option has one
};

// Paths are made absolute so that status texts show full paths and a template folder given by
// its bare name still has a last folder name.
std::string AbsolutePath(const std::string& path) {
    if (path.empty()) {
        return path;
    }
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.string();
}

// A list option given again adds to the list.
void AppendToList(std::string& list, const std::string& items) {
    if (!list.empty() && !items.empty()) {
        list += ',';
    }
    list += items;
}

const std::vector<TOptionSpec>& OptionSpecs() {
    static const std::vector<TOptionSpec> specs = {
        {"template", "DIR", "project template directory (holds Midas_AppServer and Midas_Client)",
         [](TCommandLine& c, const std::string& v) {
             c.Options.Directories.TemplateDir = AbsolutePath(v);
         }},
        {"output", "DIR", "output directory; receives a copy of the template directory",
         [](TCommandLine& c, const std::string& v) {
             c.Options.Directories.OutputDir = AbsolutePath(v);
         }},
        {"database", "FILE",
         "data-link (.udl) file, Access (.mdb, .accdb), SQLite or Firebird (.fdb) file",
         [](TCommandLine& c, const std::string& v) { c.Options.Database.UDLFile = v; }},
        {"map-file", "FILE", "FieldName/DisplayText map file",
         [](TCommandLine& c, const std::string& v) { c.Options.Database.MapFile = v; }},
        {"name-code-order", nullptr, "map lines read \"DisplayText FieldName and other data\"",
         [](TCommandLine& c, const std::string&) { c.Options.Database.NameCodeOrder = true; }},
        {"dataset-type", "CLASS", "server dataset class (default TADOQuery)",
         [](TCommandLine& c, const std::string& v) {
             CheckClassName(v, "DataSet Component Type", "dataset-type");
             c.Options.ServerOptions.DataSetType = v;
             c.Options.ServerOptions.DataSetKind = v;
         }},
        {"provider-options", "TEXT", "option set of the dataset providers (default empty)",
         [](TCommandLine& c, const std::string& v) {
             CheckProviderOptions(v, "DataSet Provider Options", "provider-options");
             c.Options.ServerOptions.ProviderOptions = v;
         }},
        {"no-rdm", nullptr, "give every table a data source instead of a dataset provider",
         [](TCommandLine& c, const std::string&) { c.Options.ServerOptions.IsRDM = false; }},
        {"server-trim-prefix", nullptr, "drop the table-name prefix before \"_\" on the server",
         [](TCommandLine& c, const std::string&) { c.Options.ServerOptions.TrimPrefix = true; }},
        {"connection-name", "NAME",
         "connection component in the server template the datasets use (default DBConnection)",
         [](TCommandLine& c, const std::string& v) {
             CheckComponentName(v, "DBConnection Name in Template", "connection-name");
             c.Options.ServerOptions.ConnectionName = v;
         }},
        {"project-guids", "WHICH",
         "the server's COM GUIDs: template (the default) keeps the template's, new gives it "
         "fresh ones",
         [](TCommandLine& c, const std::string& v) {
             c.Options.ServerOptions.ProjectGuids = ProjectGuidsFromText(v);
         }},
        {"client-dataset-type", "CLASS", "client dataset class (default TClientDataSet)",
         [](TCommandLine& c, const std::string& v) {
             CheckClassName(v, "ClientDataSet Type", "client-dataset-type");
             c.Options.ClientDMOptions.ClientDataSetType = v;
         }},
        {"broker-name", "NAME",
         "connection broker in the client template (default DBConnectionBroker)",
         [](TCommandLine& c, const std::string& v) {
             CheckComponentName(v, "ConnectionBroker Component Name", "broker-name");
             c.Options.ClientDMOptions.ConnectionBrokerName = v;
         }},
        {"client-trim-prefix", nullptr, "drop the table-name prefix in the client data module",
         [](TCommandLine& c, const std::string&) {
             c.Options.ClientDMOptions.TrimTableName = true;
         }},
        {"float-format", "FORMAT", "display format of float fields (default #.00,)",
         [](TCommandLine& c, const std::string& v) {
             c.Options.ClientDMOptions.DisplayFormat.FloatFormat = v;
         }},
        {"currency-format", "FORMAT", "display format of currency fields (default $#.00,)",
         [](TCommandLine& c, const std::string& v) {
             c.Options.ClientDMOptions.DisplayFormat.CurrencyFormat = v;
         }},
        {"date-format", "FORMAT", "display format of date fields (default MM/DD/YYYY)",
         [](TCommandLine& c, const std::string& v) {
             c.Options.ClientDMOptions.DisplayFormat.DateFormat = v;
         }},
        {"dm-name", "NAME", "client data module name the forms refer to (default DM)",
         [](TCommandLine& c, const std::string& v) {
             CheckComponentName(v, "Data Module Name in Template", "dm-name");
             c.Options.ClientUIOptions.DMName = v;
         }},
        {"navigator-type", "CLASS", "navigator class (default TDBNavigator)",
         [](TCommandLine& c, const std::string& v) {
             CheckClassName(v, "DBNavigator Type", "navigator-type");
             c.Options.ClientUIOptions.DBNavigatorType = v;
         }},
        {"grid-type", "CLASS", "grid class (default TDBGrid)",
         [](TCommandLine& c, const std::string& v) {
             CheckClassName(v, "DBGrid Type", "grid-type");
             c.Options.ClientUIOptions.DBGridType = v;
         }},
        {"space", "N", "gap between a field's label and its control (default 4)",
         [](TCommandLine& c, const std::string& v) {
             c.Options.ClientUIOptions.Space = SpaceFromText(v);
         }},
        {"tables", "LIST",
         "generate only these tables and views: names or patterns (*, ?, [...]), comma-separated",
         [](TCommandLine& c, const std::string& v) {
             AppendToList(c.Options.ClientUIOptions.OnlyTable, v);
         }},
        {"only-table", "LIST", "the same as --tables",
         [](TCommandLine& c, const std::string& v) {
             AppendToList(c.Options.ClientUIOptions.OnlyTable, v);
         }},
        {"exclude-tables", "LIST", "leave out these tables and views (names or patterns)",
         [](TCommandLine& c, const std::string& v) {
             AppendToList(c.Options.ClientUIOptions.ExcludeTables, v);
         }},
        {"with-colon", nullptr, "field labels end with a colon",
         [](TCommandLine& c, const std::string&) { c.Options.ClientUIOptions.WithColon = true; }},
        {"left-justify", nullptr, "field labels are left-aligned",
         [](TCommandLine& c, const std::string&) { c.Options.ClientUIOptions.LeftJustify = true; }},
        {"auto-size", nullptr, "field labels size themselves",
         [](TCommandLine& c, const std::string&) { c.Options.ClientUIOptions.AutoSize = true; }},
        {"ui-trim-prefix", nullptr, "drop the table-name prefix in the client forms and file names",
         [](TCommandLine& c, const std::string&) {
             c.Options.ClientUIOptions.TrimTableName = true;
         }},
        {"schema-keys", nullptr,
         "key fields are the primary-key columns the database names, not the first column",
         [](TCommandLine& c, const std::string&) { c.Options.SchemaOptions.SchemaKeys = true; }},
        {"required-fields", nullptr,
         "fields of NOT NULL columns without default or counter are Required",
         [](TCommandLine& c, const std::string&) {
             c.Options.SchemaOptions.RequiredFields = true;
         }},
        {"fk-lookups", nullptr,
         "lookup combo boxes on the foreign keys, wired to the tables they refer to",
         [](TCommandLine& c, const std::string&) { c.Options.SchemaOptions.FkLookups = true; }},
        {"comment-labels", nullptr, "labels from the column comments where the map file gives none",
         [](TCommandLine& c, const std::string&) { c.Options.SchemaOptions.CommentLabels = true; }},
        // Read by ParseCommandLine before every other option, wherever it stands.
        {"settings", "FILE", "read the run's options from FILE; the options given here override it",
         [](TCommandLine&, const std::string&) {}},
        {"save-settings", "FILE", "write the run's options to FILE and exit without running",
         [](TCommandLine& c, const std::string& v) { c.SaveSettings = v; }},
        {"force", nullptr, "replace an earlier copy of the template in the output directory",
         [](TCommandLine& c, const std::string&) { c.Force = true; }},
        {"dry-run", nullptr,
         "write nothing; list each file the run would write as new, changed or unchanged "
         "against the earlier output",
         [](TCommandLine& c, const std::string&) { c.DryRun = true; }},
        {"diff", nullptr, "with --dry-run: show a unified diff of each changed file",
         [](TCommandLine& c, const std::string&) {
             c.DryRun = true;
             c.Diff = true;
         }},
        {"describe", nullptr,
         "print the tables and their field descriptors as a run sees them, then exit",
         [](TCommandLine& c, const std::string&) { c.Describe = true; }},
        {"format", "FORMAT", "with --describe: text (the default) or json",
         [](TCommandLine& c, const std::string& v) {
             if (v != "text" && v != "json") {
                 throw TUsageError("option '--format' takes text or json, not '" + v + "'");
             }
             c.DescribeJson = v == "json";
         }},
        {"stats", nullptr,
         "at the end, print the catalogue reads, table descriptions and statements sent to "
         "the database server to standard error",
         [](TCommandLine& c, const std::string&) { c.Statistics = true; }},
        {"help", nullptr, "show this help and exit",
         [](TCommandLine& c, const std::string&) { c.Help = true; }, 'h'},
        {"version", nullptr, "show the version and exit",
         [](TCommandLine& c, const std::string&) { c.Version = true; }, 'V'},
    };
    return specs;
}

const TOptionSpec* FindOption(const std::string& name) {
    for (const TOptionSpec& spec : OptionSpecs()) {
        if (name == spec.Name) {
            return &spec;
        }
    }
    return nullptr;
}

const TOptionSpec* FindShortOption(char letter) {
    for (const TOptionSpec& spec : OptionSpecs()) {
        if (spec.Short != '\0' && spec.Short == letter) {
            return &spec;
        }
    }
    return nullptr;
}

// The edits (a letter added, dropped, changed, or two neighbours swapped) that make `from` into
// `to`: a mistyped option is a letter or two away from the one meant.
std::size_t EditDistance(const std::string& from, const std::string& to) {
    std::vector<std::vector<std::size_t>> d(from.size() + 1,
                                            std::vector<std::size_t>(to.size() + 1));
    for (std::size_t i = 0; i <= from.size(); ++i) {
        d[i][0] = i;
    }
    for (std::size_t j = 0; j <= to.size(); ++j) {
        d[0][j] = j;
    }
    for (std::size_t i = 1; i <= from.size(); ++i) {
        for (std::size_t j = 1; j <= to.size(); ++j) {
            const std::size_t change = from[i - 1] == to[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + change});
            if (i > 1 && j > 1 && from[i - 1] == to[j - 2] && from[i - 2] == to[j - 1]) {
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
            }
        }
    }
    return d[from.size()][to.size()];
}

// The option a mistyped `name` most likely meant: the one option it begins, else the nearest
// one when it is near enough (an edit for every three letters, two at the most) that the
// suggestion helps rather than puzzles. Nothing when none is.
const TOptionSpec* NearestOption(const std::string& name) {
    const TOptionSpec* started = nullptr;
    std::size_t starting = 0;
    const TOptionSpec* nearest = nullptr;
    std::size_t nearestDistance = 0;
    for (const TOptionSpec& spec : OptionSpecs()) {
        const std::string candidate = spec.Name;
        if (name.size() >= 3 && candidate.rfind(name, 0) == 0) {
            started = &spec;
            ++starting;
        }
        const std::size_t distance = EditDistance(name, candidate);
        if (nearest == nullptr || distance < nearestDistance) {
            nearest = &spec;
            nearestDistance = distance;
        }
    }
    if (starting == 1) {
        return started;
    }
    const std::size_t allowed = std::min<std::size_t>(2, std::max<std::size_t>(1, name.size() / 3));
    return nearestDistance <= allowed ? nearest : nullptr;
}

[[noreturn]] void ThrowUnknownOption(const std::string& argument, const std::string& name) {
    std::string message = "unknown option '" + argument + "'";
    if (const TOptionSpec* meant = NearestOption(name)) {
        message += ". Did you mean '--";
        message += meant->Name;
        message += "'?";
    }
    throw TUsageError(message);
}

} // namespace

TCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    std::vector<std::pair<const TOptionSpec*, std::string>> given;
    const TOptionSpec* const settingsSpec = FindOption("settings");
    std::optional<std::string> settingsFile;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        // The one-letter forms stand alone: "-h", "-V".
        if (argument.size() >= 2 && argument[0] == '-' && argument[1] != '-') {
            const TOptionSpec* spec = argument.size() == 2 ? FindShortOption(argument[1]) : nullptr;
            if (spec == nullptr) {
                throw TUsageError("unknown option '" + argument + "'");
            }
            given.emplace_back(spec, std::string());
            continue;
        }
        if (argument.rfind("--", 0) != 0 || argument.size() == 2) {
            throw TUsageError("unexpected argument '" + argument + "'");
        }
        const std::size_t equals = argument.find('=');
        const std::string name =
            argument.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
        const TOptionSpec* spec = FindOption(name);
        if (spec == nullptr) {
            ThrowUnknownOption("--" + name, name);
        }
        std::string value;
        if (spec->Argument == nullptr) {
            if (equals != std::string::npos) {
                throw TUsageError("option '--" + name + "' takes no value");
            }
        } else if (equals != std::string::npos) {
            value = argument.substr(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            throw TUsageError("option '--" + name + "' needs a value (" + spec->Argument + ")");
        }
        if (spec == settingsSpec) {
            if (settingsFile) {
                throw TUsageError("option '--settings' can be given only once");
            }
            settingsFile = value;
        }
        given.emplace_back(spec, std::move(value));
    }

    // The file first, whatever its place among the arguments: the options given are what the
    // caller changes of a kept run.
    TCommandLine commandLine;
    if (settingsFile) {
        try {
            ReadRunSettings(*settingsFile, commandLine.Options);
        } catch (const EEngineError& error) {
            throw TUsageError(error.what());
        }
    }
    for (const auto& [spec, value] : given) {
        try {
            spec->Apply(commandLine, value);
        } catch (const EConvertError& error) {
            // A value the option refuses is told with the option, unless the message names it.
            const std::string option = std::string("--") + spec->Name;
            std::string message = error.what();
            if (message.find("(" + option + ")") == std::string::npos) {
                message = "option '" + option + "': " + message;
            }
            throw TUsageError(message);
        }
    }
    return commandLine;
}

std::string UsageText() {
    std::string text =
        "Usage: quorvane-gen --template DIR --output DIR --database FILE [options]\n"
        "\n"
        "Writes a Delphi application server project and client project that edit every table\n"
        "and view of a database, from a project template directory. Status texts go to standard\n"
        "output, one per line; errors to standard error.\n"
        "\n"
        "Options:\n";
    for (const TOptionSpec& spec : OptionSpecs()) {
        std::string left = "  ";
        if (spec.Short != '\0') {
            left += '-';
            left += spec.Short;
            left += ", ";
        }
        left += "--";
        left += spec.Name;
        if (spec.Argument != nullptr) {
            left += std::string(" ") + spec.Argument;
        }
        if (left.size() < 28) {
            left.resize(28, ' ');
        } else {
            left += "\n" + std::string(28, ' ');
        }
        text += left + spec.Help + "\n";
    }
    text += "\n"
            "A table list names tables and views by their names or as schema.table, without\n"
            "regard to letter case; \\ makes the next character stand for itself (a comma, a *).\n"
            "An option given again adds to its list. Each item must match a table or view of\n"
            "the database, or the run stops before anything is written.\n"
            "\n"
            "With --describe, only --database and the table lists are read: each table or view\n"
            "stands on a line of its own in catalogue order (with its schema where that is not\n"
            "the default one),\n"
            "followed by one line per field: a tab, the field name, the kind (ftWideString, ...),\n"
            "Size=N, for decimals Precision=N, FixedChar=True|False and AutoIncrement=True|False,\n"
            "separated by tabs, then NotNull=, Default= and Comment= where the database says\n"
            "them; after the fields, PrimaryKey= and one ForeignKey= line per foreign key where\n"
            "the database says them. With --format json, the same as one JSON object.\n"
            "\n"
            "A settings file (INI, UTF-8; see quorvane-gen(1)) holds every option of a run, in\n"
            "the sections [Database], [Directories], [Server], [ClientDataModule], [ClientForms]\n"
            "and [Schema]; its relative paths are taken from its own folder. --save-settings\n"
            "writes one, --settings reads one.\n"
            "\n"
            "Exit status: 0 when the projects (or the settings file) were written, 1 when the\n"
            "run (or writing the settings file) failed, 2 when the command line or the settings\n"
            "file read was wrong, or no option was given at all.\n";
    return text;
}

} // namespace quorvane::cli
