#include "generate/FieldClasses.h"

#include "text/StringUtils.h"

#include <array>
#include <span>

namespace quorvane {

namespace {

constexpr TDataSetClass KnownDataSetClasses[] = {
    {"TADOQuery", "Connection", "TADOConnection", "ADODB", TDataSetFamily::Ado},
    {"TADODataSet", "Connection", "TADOConnection", "ADODB", TDataSetFamily::Ado},
    {"TADOTable", "Connection", "TADOConnection", "ADODB", TDataSetFamily::Ado},
    {"TADOStoredProc", "Connection", "TADOConnection", "ADODB", TDataSetFamily::Ado},
    {"TSQLQuery", "SQLConnection", "TSQLConnection", "SqlExpr", TDataSetFamily::DbExpress},
    {"TSQLDataSet", "SQLConnection", "TSQLConnection", "SqlExpr", TDataSetFamily::DbExpress},
    {"TSQLTable", "SQLConnection", "TSQLConnection", "SqlExpr", TDataSetFamily::DbExpress},
    {"TSQLStoredProc", "SQLConnection", "TSQLConnection", "SqlExpr", TDataSetFamily::DbExpress},
    // The other layers' field mapping is not known here; their fields are written as ADO makes
    // them, which the plan's checks cannot vouch for.
    {"TIBQuery", "Database", "TIBDatabase", "IBQuery", TDataSetFamily::Ado},
    {"TIBDataSet", "Database", "TIBDatabase", "IBCustomDataSet", TDataSetFamily::Ado},
    {"TIBTable", "Database", "TIBDatabase", "IBTable", TDataSetFamily::Ado},
    {"TQuery", "DatabaseName", "", "DBTables", TDataSetFamily::Ado},
    {"TTable", "DatabaseName", "", "DBTables", TDataSetFamily::Ado},
    {"TFDQuery", "Connection", "TFDConnection", "FireDAC.Comp.Client", TDataSetFamily::Ado},
    {"TFDTable", "Connection", "TFDConnection", "FireDAC.Comp.Client", TDataSetFamily::Ado},
};

using TFormat = TFieldClass::TFormat;

// The classes of the kinds the descriptors carry, as Delphi's ADO layer makes them (Delphi 7
// and later alike for these kinds). A kind not listed takes "T" + its name without "ft" +
// "Field", declared in DB.
struct TKindClass {
    TFieldType Kind;
    TFieldClass Class;
};

constexpr TKindClass AdoClasses[] = {
    // A fixed-length text column is a string field that says so: the component library has no
    // class of its own for it.
    {TFieldType::ftString, {"TStringField", "DB", true, false, true, false, TFormat::None}},
    {TFieldType::ftFixedChar, {"TStringField", "DB", true, false, true, false, TFormat::None}},
    {TFieldType::ftWideString, {"TWideStringField", "DB", true, false, true, false, TFormat::None}},
    {TFieldType::ftFloat, {"TFloatField", "DB", false, false, false, false, TFormat::Float}},
    {TFieldType::ftCurrency,
     {"TCurrencyField", "DB", false, false, false, false, TFormat::Currency}},
    {TFieldType::ftBCD, {"TBCDField", "DB", false, true, true, false, TFormat::Float}},
    {TFieldType::ftFMTBcd, {"TFMTBCDField", "FMTBcd", false, true, true, false, TFormat::Float}},
    {TFieldType::ftDate, {"TDateField", "DB", false, false, false, false, TFormat::Date}},
    {TFieldType::ftDateTime, {"TDateTimeField", "DB", false, false, false, false, TFormat::Date}},
    {TFieldType::ftBytes, {"TBytesField", "DB", false, false, true, false, TFormat::None}},
    {TFieldType::ftVarBytes, {"TVarBytesField", "DB", false, false, true, false, TFormat::None}},
    {TFieldType::ftMemo, {"TMemoField", "DB", false, false, false, true, TFormat::None}},
};

// dbExpress makes every decimal a TFMTBCDField and every time stamp a TSQLTimeStampField
// (Data.SqlExpr's DataTypeMap: BcdType gives ftFMTBcd, TimeStampType ftTimeStamp), and has no
// auto-increment kind: a counter is a plain integer field there.
constexpr TKindClass DbExpressClasses[] = {
    {TFieldType::ftBCD, {"TFMTBCDField", "FMTBcd", false, true, true, false, TFormat::Float}},
    {TFieldType::ftCurrency, {"TFMTBCDField", "FMTBcd", false, true, true, false, TFormat::Float}},
    {TFieldType::ftDateTime,
     {"TSQLTimeStampField", "SqlTimSt", false, false, false, false, TFormat::Date}},
    {TFieldType::ftAutoInc, {"TIntegerField", "DB", false, false, false, false, TFormat::None}},
};

const TFieldClass* ListedClass(std::span<const TKindClass> classes, TFieldType kind) {
    for (const TKindClass& entry : classes) {
        if (entry.Kind == kind) {
            return &entry.Class;
        }
    }
    return nullptr;
}

} // namespace

const TDataSetClass* KnownDataSetClass(const std::string& name) {
    for (const TDataSetClass& known : KnownDataSetClasses) {
        if (SameTextAscii(known.Name, name)) {
            return &known;
        }
    }
    return nullptr;
}

TDataSetFamily DataSetFamilyOf(const std::string& dataSetKind) {
    const TDataSetClass* known = KnownDataSetClass(dataSetKind);
    return known != nullptr ? known->Family : TDataSetFamily::Ado;
}

TFieldClass FieldClassOf(TDataSetFamily family, const TFieldDescriptor& field) {
    if (family == TDataSetFamily::DbExpress) {
        if (const TFieldClass* listed = ListedClass(DbExpressClasses, field.DataType)) {
            return *listed;
        }
    }
    if (const TFieldClass* listed = ListedClass(AdoClasses, field.DataType)) {
        return *listed;
    }
    // The class names of the other kinds are static strings of their own: the kind's name is.
    static const auto ClassNames = [] {
        std::array<std::string, static_cast<std::size_t>(TFieldType::ftFMTBcd) + 1> names;
        for (std::size_t kind = 0; kind < names.size(); ++kind) {
            names[kind] =
                Concat({"T", FieldTypeName(static_cast<TFieldType>(kind)).substr(2), "Field"});
        }
        return names;
    }();
    TFieldClass fieldClass;
    fieldClass.ClassName = ClassNames.at(static_cast<std::size_t>(field.DataType));
    fieldClass.Unit = "DB";
    return fieldClass;
}

} // namespace quorvane
