// The builders: each makes the values of a table or field first (identifiers, names, positions)
// and then appends its lines, every line built in one place.

#include "generate/Builders.h"
#include "generate/FieldClasses.h"
#include "text/DfmText.h"
#include "text/StringUtils.h"

#include <algorithm>

namespace quorvane {

namespace {

// Non-visual components of the data modules stand in a grid of five columns.
constexpr int GridColumns = 5;
constexpr int GridLeft = 100;
constexpr int GridColumnWidth = 100;
constexpr int GridTop = 160;
constexpr int GridRowHeight = 140;
constexpr int CompanionOffset = 50;

int GridLeftOf(std::size_t index) {
    return static_cast<int>(index % GridColumns) * GridColumnWidth + GridLeft;
}

int GridTopOf(std::size_t index) {
    return static_cast<int>(index / GridColumns) * GridRowHeight + GridTop;
}

std::string DisplayFormatOf(const TFieldClass& fieldClass, const TDisplayFormat& formats) {
    switch (fieldClass.DisplayFormat) {
    case TFieldClass::TFormat::Float:
        return formats.FloatFormat;
    case TFieldClass::TFormat::Currency:
        return formats.CurrencyFormat;
    case TFieldClass::TFormat::Date:
        return formats.DateFormat;
    case TFieldClass::TFormat::None:
        break;
    }
    return {};
}

// Which fields of a table the provider takes for its key. Without the schema's keys, and for a
// table whose key the database does not say (or has none), the first field, as always; with
// them, exactly the primary-key columns. A view has a key only where its source says one.
std::vector<bool> KeyFieldsOf(const TSnapshotTable& table, bool schemaKeys) {
    std::vector<bool> keys(table.Fields.size(), false);
    const auto& primaryKey = table.Keys.PrimaryKey;
    if (schemaKeys && primaryKey && !primaryKey->empty()) {
        bool found = false;
        for (std::size_t index = 0; index < table.Fields.size(); ++index) {
            keys[index] = std::find(primaryKey->begin(), primaryKey->end(),
                                    table.Fields[index].FieldName) != primaryKey->end();
            found = found || keys[index];
        }
        if (found) {
            return keys;
        }
    }
    if (schemaKeys && table.Type == "VIEW") {
        return keys;
    }
    if (!keys.empty()) {
        keys.front() = true;
    }
    return keys;
}

// A value the user must give: the database refuses the row without it and fills in nothing.
bool IsRequired(const TFieldDescriptor& field) {
    return field.Facts.NotNull == true && field.Facts.HasDefault == false && !field.AutoIncrement;
}

} // namespace

void BuildPersistentFields(const TProjectPlan& plan, const TDisplayTextMap& map,
                           const TPlannedTable& table, TFieldRole role,
                           const TDisplayFormat& displayFormats, TStringList& unitLines,
                           TStringList& formLines) {
    const std::vector<TFieldDescriptor>& fields = table.Source->Fields;
    const std::vector<std::string> identifiers = plan.FieldIdentifiers(table);
    const TDataSetFamily family = DataSetFamilyOf(plan.Options->ServerOptions.DataSetKind);
    const TSchemaParam& schemaOptions = plan.Options->SchemaOptions;
    const std::vector<bool> keyFields = KeyFieldsOf(*table.Source, schemaOptions.SchemaKeys);
    for (std::size_t index = 0; index < fields.size(); ++index) {
        const TFieldDescriptor& field = fields[index];
        const std::string componentName =
            plan.FieldComponent(table, index, identifiers[index], role);
        const TFieldClass fieldClass = FieldClassOf(family, field);
        const std::string className(fieldClass.ClassName);
        std::string displayLabel = DisplayLabelOf(map, field, schemaOptions);
        const std::string displayFormat = DisplayFormatOf(fieldClass, displayFormats);

        unitLines.push_back("    " + componentName + " : " + className + ";");
        formLines.push_back("    Object " + componentName + ": " + className);
        formLines.push_back("      DisplayLabel = " + QuoteDfmString(displayLabel));
        formLines.push_back("      FieldName = " + QuoteDfmString(field.FieldName));
        if (!displayFormat.empty()) {
            formLines.push_back("      DisplayFormat = " + QuoteDfmString(displayFormat));
        }
        if (keyFields[index]) {
            formLines.push_back("      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]");
        }
        if (schemaOptions.RequiredFields && IsRequired(field)) {
            formLines.push_back("      Required = True");
        }
        if (fieldClass.MemoBlobType) {
            formLines.push_back("      BlobType = ftMemo");
        }
        if (fieldClass.WritesFixedChar && field.FixedChar) {
            formLines.push_back("      FixedChar = True");
        }
        // The dataset compares these with its column when it opens; a decimal without its
        // precision and scale, or bytes without their size, would not open.
        if (fieldClass.WritesPrecision && field.Precision > 0) {
            formLines.push_back("      Precision = " + std::to_string(field.Precision));
        }
        if (fieldClass.WritesSize) {
            formLines.push_back("      Size = " + std::to_string(field.Size));
        }
        formLines.push_back("    end");
    }
}

TBlocks BuildServerDataModule(const TProjectPlan& plan, const TDisplayTextMap& map) {
    const TDirectDMParam& options = plan.Options->ServerOptions;
    const std::string kind = UpperCaseAscii(options.DataSetKind);
    const bool isAdo = kind.find("ADO") != std::string::npos;
    const bool isQuery = kind.find("QUERY") != std::string::npos;
    const bool isSql = kind.find("SQL") != std::string::npos;
    const TDisplayFormat noDisplayFormats{"", "", ""};
    const std::string companionClass = options.IsRDM ? "TDataSetProvider" : "TDataSource";

    TBlocks blocks;
    TStringList& unitLines = blocks.UnitLines;
    TStringList& formLines = blocks.FormLines;
    for (const TPlannedTable& table : plan.Tables) {
        const std::string selectText = QuoteDfmString("select * from " + table.SelectName);
        const std::string left = std::to_string(GridLeftOf(table.Index));
        const int top = GridTopOf(table.Index);

        unitLines.push_back("    " + table.ServerDataSet + ": " + options.DataSetKind + ";");
        unitLines.push_back("    " + table.ServerCompanion + ": " + companionClass + ";");
        formLines.push_back("  Object " + table.ServerDataSet + ": " + options.DataSetKind);
        formLines.push_back((isSql ? "    SQLConnection = " : "    Connection = ") +
                            options.ConnectionName);
        formLines.push_back(isQuery ? "    SQL.Strings = (" + selectText + ")"
                                    : "    CommandText = " + selectText);
        formLines.push_back(isAdo ? "    Parameters = <>" : "    Params = <>");
        formLines.push_back("    Left = " + left);
        formLines.push_back("    Top = " + std::to_string(top));

        BuildPersistentFields(plan, map, table, TFieldRole::ServerField, noDisplayFormats, unitLines,
                              formLines);

        formLines.push_back("  end");
        formLines.push_back("  object " + table.ServerCompanion + ": " + companionClass);
        formLines.push_back("    DataSet = " + table.ServerDataSet);
        if (options.IsRDM && !Trim(options.ProviderOptions).empty()) {
            formLines.push_back("    Options = [" + options.ProviderOptions + "]");
        }
        formLines.push_back("    Left = " + left);
        formLines.push_back("    Top = " + std::to_string(top + CompanionOffset));
        formLines.push_back("  end");
    }
    return blocks;
}

TBlocks BuildClientDataModule(const TProjectPlan& plan, const TDisplayTextMap& map) {
    const TClientDMParam& options = plan.Options->ClientDMOptions;
    TBlocks blocks;
    TStringList& unitLines = blocks.UnitLines;
    TStringList& formLines = blocks.FormLines;
    for (const TPlannedTable& table : plan.Tables) {
        const std::string left = std::to_string(GridLeftOf(table.Index));
        const int top = GridTopOf(table.Index);

        unitLines.push_back("    " + table.ClientDataSet + ": " + options.ClientDataSetType + ";");
        unitLines.push_back("    " + table.ClientDataSource + ": TDataSource;");
        formLines.push_back("  object " + table.ClientDataSet + ": " + options.ClientDataSetType);
        formLines.push_back("    Aggregates = <>");
        formLines.push_back("    ConnectionBroker = " + options.ConnectionBrokerName);
        formLines.push_back("    Params = <>");
        formLines.push_back("    ProviderName = " + QuoteDfmString(table.ClientProviderName));
        formLines.push_back("    Left = " + left);
        formLines.push_back("    Top = " + std::to_string(top));

        BuildPersistentFields(plan, map, table, TFieldRole::ClientField, options.DisplayFormat,
                              unitLines, formLines);

        formLines.push_back("  end");
        formLines.push_back("  object " + table.ClientDataSource + ": TDataSource");
        formLines.push_back("    DataSet = " + table.ClientDataSet);
        formLines.push_back("    Left = " + left);
        formLines.push_back("    Top = " + std::to_string(top + CompanionOffset));
        formLines.push_back("  end");
    }
    return blocks;
}

} // namespace quorvane
