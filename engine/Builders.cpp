// The builders: each makes the values of a table or field first (identifiers, names, positions)
// and then appends its lines, every line built in one place.

#include "DfmText.h"
#include "StringUtils.h"
#include "dmCodeGenerator.h"

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

// The field class a kind is declared with: "T" + the kind's name without "ft" + "Field". A fixed
// character field has no class of its own in the component library; it is a string field that
// carries FixedChar.
std::string FieldClassName(TFieldType type) {
    if (type == TFieldType::ftFixedChar) {
        return "TStringField";
    }
    return "T" + std::string(FieldTypeName(type).substr(2)) + "Field";
}

std::string DisplayFormatOf(TFieldType type, const TDisplayFormat& formats) {
    switch (type) {
    case TFieldType::ftFloat:
    case TFieldType::ftBCD:
        return formats.FloatFormat;
    case TFieldType::ftCurrency:
        return formats.CurrencyFormat;
    case TFieldType::ftDate:
    case TFieldType::ftDateTime:
        return formats.DateFormat;
    default:
        return {};
    }
}

// The table's name in a select text: in brackets when it holds a blank.
std::string SelectSourceOf(const std::string& tableName) {
    return tableName.find(' ') != std::string::npos ? "[" + tableName + "]" : tableName;
}

} // namespace

std::vector<std::string> FieldIdentifiersOf(const TTableReader& dataSet) {
    std::vector<std::string> names;
    names.reserve(dataSet.FieldCount());
    for (const TFieldDescriptor& field : dataSet.Fields()) {
        names.push_back(field.FieldName);
    }
    return MakeFieldIdentifiers(names);
}

void TDM::BuildPersistentFields(const std::string& prefix, TDisplayFormat displayFormats,
                                const TTableReader& dataSet, TStringList& unitLines,
                                TStringList& formLines) {
    const std::vector<std::string> identifiers = FieldIdentifiersOf(dataSet);
    for (std::size_t index = 0; index < dataSet.FieldCount(); ++index) {
        const TFieldDescriptor& field = dataSet.Field(index);
        const std::string componentName = prefix + identifiers[index];
        const std::string className = FieldClassName(field.DataType);
        std::string displayLabel = DisplayTextOf(field.FieldName);
        if (displayLabel.empty()) {
            displayLabel = field.FieldName;
        }
        const std::string displayFormat = DisplayFormatOf(field.DataType, displayFormats);

        unitLines.push_back("    " + componentName + " : " + className + ";");
        formLines.push_back("    Object " + componentName + ": " + className);
        formLines.push_back("      DisplayLabel = " + QuoteDfmString(displayLabel));
        formLines.push_back("      FieldName = " + QuoteDfmString(field.FieldName));
        if (!displayFormat.empty()) {
            formLines.push_back("      DisplayFormat = " + QuoteDfmString(displayFormat));
        }
        if (index == 0) {
            formLines.push_back("      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]");
        }
        if (className == "TMemoField") {
            formLines.push_back("      BlobType = ftMemo");
        }
        if (className == "TStringField" || className == "TWideStringField") {
            if (field.FixedChar) {
                formLines.push_back("      FixedChar = True");
            }
            formLines.push_back("      Size = " + std::to_string(field.Size));
        }
        formLines.push_back("    end");
    }
}

void TDM::BuildServerDataModule(const TDirectDMParam& options, TStringList& unitLines,
                                TStringList& formLines) {
    const std::string kind = UpperCaseAscii(options.DataSetKind);
    const bool isAdo = kind.find("ADO") != std::string::npos;
    const bool isQuery = kind.find("QUERY") != std::string::npos;
    const bool isSql = kind.find("SQL") != std::string::npos;
    const TDisplayFormat noDisplayFormats{"", "", ""};

    unitLines.clear();
    formLines.clear();
    RefillTableNames();
    for (std::size_t index = 0; index < TableNames.size(); ++index) {
        const std::string tableName = TableNames[index];
        const std::string identifier = TableIdentifierOf(tableName, options.TrimPrefix);
        const std::string dataSetName = FormatName(NameFormats.DataSetName, identifier);
        const std::string companionName = FormatName(
            options.IsRDM ? NameFormats.ProviderName : NameFormats.DataSourceName, identifier);
        const std::string companionClass = options.IsRDM ? "TDataSetProvider" : "TDataSource";
        const std::string selectText = QuoteDfmString("select * from " + SelectSourceOf(tableName));
        const std::string left = std::to_string(GridLeftOf(index));
        const int top = GridTopOf(index);

        unitLines.push_back("    " + dataSetName + ": " + options.DataSetKind + ";");
        unitLines.push_back("    " + companionName + ": " + companionClass + ";");
        formLines.push_back("  Object " + dataSetName + ": " + options.DataSetKind);
        formLines.push_back(isSql ? "    SQLConnection = DBConnection"
                                  : "    Connection = DBConnection");
        formLines.push_back(isQuery ? "    SQL.Strings = (" + selectText + ")"
                                    : "    CommandText = " + selectText);
        formLines.push_back(isAdo ? "    Parameters = <>" : "    Params = <>");
        formLines.push_back("    Left = " + left);
        formLines.push_back("    Top = " + std::to_string(top));

        OpenTableReader("[" + tableName + "]");
        BuildPersistentFields(dataSetName, noDisplayFormats, ADOTable, unitLines, formLines);

        formLines.push_back("  end");
        formLines.push_back("  object " + companionName + ": " + companionClass);
        formLines.push_back("    DataSet = " + dataSetName);
        if (options.IsRDM && !Trim(options.ProviderOptions).empty()) {
            formLines.push_back("    Options = [" + options.ProviderOptions + "]");
        }
        formLines.push_back("    Left = " + left);
        formLines.push_back("    Top = " + std::to_string(top + CompanionOffset));
        formLines.push_back("  end");
    }
}

void TDM::BuildClientDataModule(const TClientDMParam& options, TStringList& unitLines,
                                TStringList& formLines) {
    formLines.clear();
    unitLines.clear();
    RefillTableNames();
    for (std::size_t index = 0; index < TableNames.size(); ++index) {
        const std::string tableName = TableNames[index];
        const std::string identifier = TableIdentifierOf(tableName, options.TrimTableName);
        const std::string clientDataSetName = FormatName(NameFormats.ClientDataSetName, identifier);
        const std::string dataSourceName = FormatName(NameFormats.DataSourceName, identifier);
        const std::string providerName = FormatName(NameFormats.ProviderName, identifier);
        const std::string left = std::to_string(GridLeftOf(index));
        const int top = GridTopOf(index);

        unitLines.push_back("    " + clientDataSetName + ": " + options.ClientDataSetType + ";");
        unitLines.push_back("    " + dataSourceName + ": TDataSource;");
        formLines.push_back("  object " + clientDataSetName + ": " + options.ClientDataSetType);
        formLines.push_back("    Aggregates = <>");
        formLines.push_back("    ConnectionBroker = " + options.ConnectionBrokerName);
        formLines.push_back("    Params = <>");
        formLines.push_back("    ProviderName = " + QuoteDfmString(providerName));
        formLines.push_back("    Left = " + left);
        formLines.push_back("    Top = " + std::to_string(top));

        OpenTableReader("[" + tableName + "]");
        BuildPersistentFields(clientDataSetName, options.DisplayFormat, ADOTable, unitLines,
                              formLines);

        formLines.push_back("  end");
        formLines.push_back("  object " + dataSourceName + ": TDataSource");
        formLines.push_back("    DataSet = " + clientDataSetName);
        formLines.push_back("    Left = " + left);
        formLines.push_back("    Top = " + std::to_string(top + CompanionOffset));
        formLines.push_back("  end");
    }
}

} // namespace quorvane
