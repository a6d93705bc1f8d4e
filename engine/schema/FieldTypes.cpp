#include "schema/FieldTypes.h"

#include "text/StringUtils.h"

#include <algorithm>
#include <array>
#include <unordered_set>
#include <utility>

namespace quorvane {

std::string_view FieldTypeName(TFieldType type) {
    static constexpr std::array<std::string_view, 38> Names = {
        "ftUnknown",    "ftString",     "ftSmallint", "ftInteger",     "ftWord",      "ftBoolean",
        "ftFloat",      "ftCurrency",   "ftBCD",      "ftDate",        "ftTime",      "ftDateTime",
        "ftBytes",      "ftVarBytes",   "ftAutoInc",  "ftBlob",        "ftMemo",      "ftGraphic",
        "ftFmtMemo",    "ftParadoxOle", "ftDBaseOle", "ftTypedBinary", "ftCursor",    "ftFixedChar",
        "ftWideString", "ftLargeint",   "ftADT",      "ftArray",       "ftReference", "ftDataSet",
        "ftOraBlob",    "ftOraClob",    "ftVariant",  "ftInterface",   "ftIDispatch", "ftGuid",
        "ftTimeStamp",  "ftFMTBcd",
    };
    return Names.at(static_cast<std::size_t>(type));
}

TFieldType FieldTypeOfAdoType(int adoType) {
    using namespace ado;
    switch (adoType) {
    case adVarChar:
        return TFieldType::ftString;
    case adSmallInt:
    case adTinyInt:
        return TFieldType::ftSmallint;
    case adInteger:
    case adError:
        return TFieldType::ftInteger;
    case adUnsignedTinyInt:
    case adUnsignedSmallInt:
        return TFieldType::ftWord;
    case adBoolean:
        return TFieldType::ftBoolean;
    case adSingle:
    case adDouble:
        return TFieldType::ftFloat;
    case adCurrency:
    case adDecimal:
    case adNumeric:
    case adVarNumeric:
        return TFieldType::ftBCD;
    case adDBDate:
        return TFieldType::ftDate;
    case adDBTime:
        return TFieldType::ftTime;
    case adDate:
    case adFileTime:
    case adDBTimeStamp:
    case adDBFileTime:
        return TFieldType::ftDateTime;
    case adBinary:
        return TFieldType::ftBytes;
    case adVarBinary:
        return TFieldType::ftVarBytes;
    case adLongVarBinary:
        return TFieldType::ftBlob;
    case adLongVarChar:
    case adLongVarWChar:
        return TFieldType::ftMemo;
    case adChar:
        return TFieldType::ftFixedChar;
    case adBSTR:
    case adWChar:
    case adVarWChar:
        return TFieldType::ftWideString;
    // An unsigned 32-bit column does not fit the signed 32 bits of ftInteger: 4294967295 would
    // overflow. The next kind that holds it, and that every Delphi version has, is ftLargeint.
    case adUnsignedInt:
    case adBigInt:
    case adUnsignedBigInt:
        return TFieldType::ftLargeint;
    case adChapter:
        return TFieldType::ftDataSet;
    case adVariant:
    case adPropVariant:
        return TFieldType::ftVariant;
    case adIUnknown:
        return TFieldType::ftInterface;
    case adIDispatch:
        return TFieldType::ftIDispatch;
    case adGUID:
        return TFieldType::ftGuid;
    default:
        return TFieldType::ftUnknown;
    }
}

std::string AdoTypeName(int adoType) {
    using namespace ado;
    static constexpr std::pair<int, std::string_view> Names[] = {
        {adEmpty, "adEmpty"},
        {adSmallInt, "adSmallInt"},
        {adInteger, "adInteger"},
        {adSingle, "adSingle"},
        {adDouble, "adDouble"},
        {adCurrency, "adCurrency"},
        {adDate, "adDate"},
        {adBSTR, "adBSTR"},
        {adIDispatch, "adIDispatch"},
        {adError, "adError"},
        {adBoolean, "adBoolean"},
        {adVariant, "adVariant"},
        {adIUnknown, "adIUnknown"},
        {adDecimal, "adDecimal"},
        {adTinyInt, "adTinyInt"},
        {adUnsignedTinyInt, "adUnsignedTinyInt"},
        {adUnsignedSmallInt, "adUnsignedSmallInt"},
        {adUnsignedInt, "adUnsignedInt"},
        {adBigInt, "adBigInt"},
        {adUnsignedBigInt, "adUnsignedBigInt"},
        {adFileTime, "adFileTime"},
        {adGUID, "adGUID"},
        {adBinary, "adBinary"},
        {adChar, "adChar"},
        {adWChar, "adWChar"},
        {adNumeric, "adNumeric"},
        {adDBDate, "adDBDate"},
        {adDBTime, "adDBTime"},
        {adDBTimeStamp, "adDBTimeStamp"},
        {adChapter, "adChapter"},
        {adDBFileTime, "adDBFileTime"},
        {adPropVariant, "adPropVariant"},
        {adVarNumeric, "adVarNumeric"},
        {adVarChar, "adVarChar"},
        {adLongVarChar, "adLongVarChar"},
        {adVarWChar, "adVarWChar"},
        {adLongVarWChar, "adLongVarWChar"},
        {adVarBinary, "adVarBinary"},
        {adLongVarBinary, "adLongVarBinary"},
    };
    for (const auto& [code, name] : Names) {
        if (code == adoType) {
            return std::string(name);
        }
    }
    return "ADO type " + std::to_string(adoType);
}

namespace {

constexpr std::int64_t GuidFieldSize = 38; // "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}"
constexpr std::int64_t DefaultBcdScale = 4;

// A TBCDField works through Delphi's Currency: four decimals at most, and no more digits than
// the data-access layers give such a field (18, as FireDAC's MaxBcdPrecision too). A wider
// decimal is a TFMTBCDField, which takes up to 32 digits.
constexpr int LargestBcdScale = 4;
constexpr int LargestBcdPrecision = 18;
constexpr int LargestFmtBcdPrecision = 32;
// ADO's currency is a 64-bit integer of ten-thousandths: 19 digits, 4 of them decimals.
constexpr int CurrencyPrecision = 19;

std::int64_t FieldSize(TFieldType type, const TColumnInfo& column) {
    switch (type) {
    case TFieldType::ftString:
    case TFieldType::ftWideString:
    case TFieldType::ftFixedChar:
    case TFieldType::ftBytes:
    case TFieldType::ftVarBytes:
        return column.DefinedSize;
    case TFieldType::ftBCD:
    case TFieldType::ftFMTBcd:
        return column.NumericScale < 0 ? DefaultBcdScale : column.NumericScale;
    case TFieldType::ftGuid:
        return GuidFieldSize;
    default:
        return 0;
    }
}

bool IsFixedCharKind(TFieldType type) {
    return type == TFieldType::ftString || type == TFieldType::ftFixedChar ||
           type == TFieldType::ftWideString || type == TFieldType::ftGuid;
}

} // namespace

std::vector<TFieldDescriptor> DescribeFields(const TTableDescription& table) {
    std::vector<TFieldDescriptor> fields;
    fields.reserve(table.Columns.size());
    std::unordered_set<std::string> takenNames; // lower-cased, names compare without case
    for (const TColumnInfo& column : table.Columns) {
        TFieldType type = FieldTypeOfAdoType(column.Type);
        if (type == TFieldType::ftUnknown) {
            continue;
        }
        // A row identifier is a hidden field: it takes its name (and so may push a later
        // column's name on) but gives no descriptor.
        std::string name = column.Name;
        if (name.empty() || takenNames.count(LowerCaseAscii(name)) > 0) {
            const std::string stem = column.Name.empty() ? "COLUMN" : column.Name + "_";
            for (int number = 1;; ++number) {
                name = stem + std::to_string(number);
                if (takenNames.count(LowerCaseAscii(name)) == 0) {
                    break;
                }
            }
        }
        takenNames.insert(LowerCaseAscii(name));

        if ((column.Attributes & ado::adFldRowID) != 0) {
            continue;
        }
        if (column.Type == ado::adNumeric && column.NumericScale == 0 && column.Precision < 10) {
            type = TFieldType::ftInteger;
        }
        int precision = 0;
        if (column.Type == ado::adCurrency) {
            precision = CurrencyPrecision;
        } else if (type == TFieldType::ftBCD) {
            precision = std::clamp(column.Precision, 0, LargestFmtBcdPrecision);
            if (column.NumericScale > LargestBcdScale || precision > LargestBcdPrecision) {
                type = TFieldType::ftFMTBcd;
            }
        }
        const bool autoIncrement = table.OffersAutoIncrement && column.IsAutoIncrement;
        // Every integer that fits ftAutoInc's signed 32 bits is a counter of that kind, whatever
        // its own size; a wider one keeps its kind and only its flag.
        if (autoIncrement && (type == TFieldType::ftInteger || type == TFieldType::ftSmallint ||
                              type == TFieldType::ftWord)) {
            type = TFieldType::ftAutoInc;
        }

        TFieldDescriptor field;
        field.FieldName = std::move(name);
        field.DataType = type;
        field.Size = FieldSize(type, column);
        field.Precision = precision;
        field.AutoIncrement = autoIncrement;
        field.Facts = column.Facts;
        field.FixedChar = IsFixedCharKind(type) && ((column.Attributes & ado::adFldFixed) != 0 ||
                                                    type == TFieldType::ftFixedChar);
        fields.push_back(std::move(field));
    }
    return fields;
}

} // namespace quorvane
