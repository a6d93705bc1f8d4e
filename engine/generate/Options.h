#pragma once

#include <cstdint>
#include <string>

namespace quorvane {

/// The database input of a run.
struct TDatabaseParam {
    std::string UDLFile;        ///< data-link (.udl) file, Access database or SQLite file
    std::string MapFile;        ///< FieldName/DisplayText map file; may be empty
    bool NameCodeOrder = false; ///< map lines give the display text first
};

struct TDirectoryParam {
    std::string TemplateDir;
    std::string OutputDir;
};

/// Where the generated server's COM identity comes from.
enum class TProjectGuids : std::uint8_t {
    Template, ///< the template's class, interface and type-library GUIDs, as they stand
    New,      ///< a fresh GUID for each of them, so that servers made apart can live side by side
};

/// Options of the application server's remote data module.
struct TDirectDMParam {
    std::string DataSetType = "TADOQuery";
    std::string DataSetKind = "TADOQuery";
    std::string ProviderOptions;
    bool IsRDM = true;
    bool TrimPrefix = false;
    /// The connection component of the template's server module that every dataset names.
    std::string ConnectionName = "DBConnection";
    TProjectGuids ProjectGuids = TProjectGuids::Template;
};

struct TDisplayFormat {
    std::string FloatFormat = "#.00,";
    std::string CurrencyFormat = "$#.00,";
    std::string DateFormat = "MM/DD/YYYY";
};

/// Options of the client's data module.
struct TClientDMParam {
    std::string ClientDataSetType = "TClientDataSet";
    std::string ConnectionBrokerName = "DBConnectionBroker";
    bool TrimTableName = false;
    TDisplayFormat DisplayFormat;
};

/// Options of the client's forms.
struct TClientUIParam {
    std::string DMName = "DM";
    std::string DBNavigatorType = "TDBNavigator";
    std::string DBGridType = "TDBGrid";
    std::int32_t Space = 4;
    /// The tables and views the run generates: a comma list of names and shell-style patterns
    /// ("Orders, Sales_*"), matched without regard to letter case against each table's name and
    /// its "schema.table"; empty for all of them. (The window's "Only Generate For This Table:".)
    std::string OnlyTable;
    /// Those of them the run leaves out, in the same form.
    std::string ExcludeTables = {};
    bool WithColon = false;
    bool LeftJustify = false;
    bool AutoSize = false;
    bool TrimTableName = false;
};

/// What the generated projects take from what the database says of itself. Each is off by
/// default, so that a run without them writes what it always wrote.
struct TSchemaParam {
    bool SchemaKeys = false;     ///< pfInKey on the primary-key columns, not the first column
    bool RequiredFields = false; ///< Required on NOT NULL columns without default or counter
    bool FkLookups = false;      ///< lookup combo boxes on the foreign keys, wired to their tables
    bool CommentLabels = false;  ///< labels from column comments where the map has none
};

/// The options of one run. The defaults are those the main window shows at start.
struct TProjectParam {
    TDatabaseParam Database;
    TDirectoryParam Directories;
    TDirectDMParam ServerOptions;
    TClientDMParam ClientDMOptions;
    TClientUIParam ClientUIOptions;
    TSchemaParam SchemaOptions;
};

} // namespace quorvane
