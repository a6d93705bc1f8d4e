#include "schema/FieldTypes.h"

#include "text/StringUtils.h"

#include <array>
#include <unordered_set>

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
    case adUnsignedInt:
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

namespace {

constexpr std::int64_t GuidFieldSize = 38; // "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}"
constexpr std::int64_t DefaultBcdScale = 4;

std::int64_t FieldSize(TFieldType type, const TColumnInfo& column) {
    switch (type) {
    case TFieldType::ftString:
    case TFieldType::ftWideString:
    case TFieldType::ftFixedChar:
    case TFieldType::ftBytes:
    case TFieldType::ftVarBytes:
        return column.DefinedSize;
    case TFieldType::ftBCD:
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
        if (type == TFieldType::ftInteger && table.OffersAutoIncrement && column.IsAutoIncrement) {
            type = TFieldType::ftAutoInc;
        }

        TFieldDescriptor field;
        field.FieldName = std::move(name);
        field.DataType = type;
        field.Size = FieldSize(type, column);
        field.FixedChar = IsFixedCharKind(type) && ((column.Attributes & ado::adFldFixed) != 0 ||
                                                    type == TFieldType::ftFixedChar);
        fields.push_back(std::move(field));
    }
    return fields;
}

} // namespace quorvane
