#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

/// The field kinds, in the order of the runtime's TFieldType.
enum class TFieldType {
    ftUnknown,
    ftString,
    ftSmallint,
    ftInteger,
    ftWord,
    ftBoolean,
    ftFloat,
    ftCurrency,
    ftBCD,
    ftDate,
    ftTime,
    ftDateTime,
    ftBytes,
    ftVarBytes,
    ftAutoInc,
    ftBlob,
    ftMemo,
    ftGraphic,
    ftFmtMemo,
    ftParadoxOle,
    ftDBaseOle,
    ftTypedBinary,
    ftCursor,
    ftFixedChar,
    ftWideString,
    ftLargeint,
    ftADT,
    ftArray,
    ftReference,
    ftDataSet,
    ftOraBlob,
    ftOraClob,
    ftVariant,
    ftInterface,
    ftIDispatch,
    ftGuid,
    ftTimeStamp,
    ftFMTBcd,
};

/// The kind's name as the generated code spells it ("ftWideString").
std::string_view FieldTypeName(TFieldType type);

/// ADO column type codes (DataTypeEnum) that the schema sources report.
namespace ado {
constexpr int adEmpty = 0;
constexpr int adSmallInt = 2;
constexpr int adInteger = 3;
constexpr int adSingle = 4;
constexpr int adDouble = 5;
constexpr int adCurrency = 6;
constexpr int adDate = 7;
constexpr int adBSTR = 8;
constexpr int adIDispatch = 9;
constexpr int adError = 10;
constexpr int adBoolean = 11;
constexpr int adVariant = 12;
constexpr int adIUnknown = 13;
constexpr int adDecimal = 14;
constexpr int adTinyInt = 16;
constexpr int adUnsignedTinyInt = 17;
constexpr int adUnsignedSmallInt = 18;
constexpr int adUnsignedInt = 19;
constexpr int adBigInt = 20;
constexpr int adUnsignedBigInt = 21;
constexpr int adFileTime = 64;
constexpr int adGUID = 72;
constexpr int adBinary = 128;
constexpr int adChar = 129;
constexpr int adWChar = 130;
constexpr int adNumeric = 131;
constexpr int adDBDate = 133;
constexpr int adDBTime = 134;
constexpr int adDBTimeStamp = 135;
constexpr int adChapter = 136;
constexpr int adDBFileTime = 137;
constexpr int adPropVariant = 138;
constexpr int adVarNumeric = 139;
constexpr int adVarChar = 200;
constexpr int adLongVarChar = 201;
constexpr int adVarWChar = 202;
constexpr int adLongVarWChar = 203;
constexpr int adVarBinary = 204;
constexpr int adLongVarBinary = 205;

constexpr unsigned adFldFixed = 0x10;
constexpr unsigned adFldRowID = 0x100;
} // namespace ado

/// The field kind an ADO type code gives before the numeric and auto-increment refinements.
TFieldType FieldTypeOfAdoType(int adoType);

/// The ADO type code's name ("adVarWChar"), or its number where it has none.
std::string AdoTypeName(int adoType);

/// What a database says of a column beyond its type. Each part is unknown (empty) where the
/// source or the database cannot say it; unknown is never taken for "no".
struct TColumnFacts {
    std::optional<bool> NotNull;
    std::optional<bool> HasDefault;
    /// The designer's description: a column comment (PostgreSQL, MariaDB, Firebird), SQL
    /// Server's MS_Description, an Access field's Description. Empty text is no comment.
    std::optional<std::string> Comment;

    friend bool operator==(const TColumnFacts&, const TColumnFacts&) = default;
};

/// A foreign key of a table: its columns, and the table and columns they refer to.
struct TForeignKey {
    std::vector<std::string> Columns;
    std::string ReferencedSchema; ///< as TCatalogRow::Schema names it; empty without schemas
    std::string ReferencedTable;
    std::vector<std::string> ReferencedColumns; ///< in the order of Columns

    friend bool operator==(const TForeignKey&, const TForeignKey&) = default;
};

/// What a database says of a table's keys; each unknown (empty) where it cannot say. A known
/// table without a primary key has an empty list, which is not the same as an unknown one.
struct TTableKeys {
    std::optional<std::vector<std::string>> PrimaryKey; ///< column names in key order
    std::optional<std::vector<TForeignKey>> ForeignKeys;

    friend bool operator==(const TTableKeys&, const TTableKeys&) = default;
};

/// One column of an opened table as a schema source reports it.
struct TColumnInfo {
    std::string Name;
    int Type = ado::adEmpty;
    std::int64_t DefinedSize = 0; ///< characters for text columns, bytes for binary ones
    int Precision = 0;
    int NumericScale = 0;
    unsigned Attributes = 0; ///< adFldFixed, adFldRowID, ...
    bool IsAutoIncrement = false;
    TColumnFacts Facts = {};
};

/// The columns of one table and whether the source offers the ISAUTOINCREMENT property at all.
struct TTableDescription {
    std::vector<TColumnInfo> Columns;
    bool OffersAutoIncrement = false;
    TTableKeys Keys = {};
};

/// What the builders read of one field: its kind as the ADO layer makes it, its size (characters
/// or bytes; the scale of a decimal) and, for decimals, its precision.
struct TFieldDescriptor {
    std::string FieldName;
    TFieldType DataType = TFieldType::ftUnknown;
    std::int64_t Size = 0;
    bool FixedChar = false;
    int Precision = 0; ///< digits of a decimal (ftBCD, ftFMTBcd); 0 where unknown or none
    /// The database fills it in. Also true of a column too wide for ftAutoInc, which keeps its
    /// own kind (a 64-bit or unsigned 32-bit counter).
    bool AutoIncrement = false;
    TColumnFacts Facts = {}; ///< NOT NULL, a default, the comment, as far as the database says

    friend bool operator==(const TFieldDescriptor&, const TFieldDescriptor&) = default;
};

/// Turns a table's columns into field descriptors: kinds by the kind table, numeric and
/// auto-increment refinements, sizes, fixed-length flags, row identifiers hidden, unknown types
/// dropped, and unnamed or duplicate names made unique.
std::vector<TFieldDescriptor> DescribeFields(const TTableDescription& table);

} // namespace quorvane
