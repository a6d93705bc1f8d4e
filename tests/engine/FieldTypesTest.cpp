// From the columns a schema source reports to the field descriptors the builders read: kinds,
// sizes, fixed-length flags, hidden and dropped columns, and unique field names.

#include "schema/FieldTypes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvane {
namespace {

using namespace ado;
using T = TFieldType;

TColumnInfo Col(std::string name, int type, std::int64_t size = 0, unsigned attributes = 0) {
    TColumnInfo column;
    column.Name = std::move(name);
    column.Type = type;
    column.DefinedSize = size;
    column.Attributes = attributes;
    return column;
}

TColumnInfo Numeric(int type, int precision, int scale) {
    TColumnInfo column = Col("N", type);
    column.Precision = precision;
    column.NumericScale = scale;
    return column;
}

// The one field a single column gives; fails the test when it gives none.
TFieldDescriptor FieldOf(const TColumnInfo& column, bool offersAutoIncrement = false) {
    const std::vector<TFieldDescriptor> fields = DescribeFields({{column}, offersAutoIncrement});
    EXPECT_EQ(fields.size(), 1u) << "type code " << column.Type;
    return fields.empty() ? TFieldDescriptor{} : fields.front();
}

TEST(DescribeFieldsTest, MapsEveryAdoTypeCodeToItsKind) {
    // clang-format off
    const std::vector<std::pair<int, T>> kinds = {
        {adVarChar, T::ftString}, {adSmallInt, T::ftSmallint}, {adTinyInt, T::ftSmallint},
        {adInteger, T::ftInteger}, {adError, T::ftInteger}, {adUnsignedInt, T::ftLargeint},
        {adUnsignedTinyInt, T::ftWord}, {adUnsignedSmallInt, T::ftWord}, {adBoolean, T::ftBoolean},
        {adSingle, T::ftFloat}, {adDouble, T::ftFloat}, {adCurrency, T::ftBCD},
        {adDecimal, T::ftBCD}, {adVarNumeric, T::ftBCD}, {adDBDate, T::ftDate},
        {adDBTime, T::ftTime}, {adDate, T::ftDateTime}, {adFileTime, T::ftDateTime},
        {adDBTimeStamp, T::ftDateTime}, {adDBFileTime, T::ftDateTime}, {adBinary, T::ftBytes},
        {adVarBinary, T::ftVarBytes}, {adLongVarBinary, T::ftBlob}, {adLongVarChar, T::ftMemo},
        {adLongVarWChar, T::ftMemo}, {adChar, T::ftFixedChar}, {adBSTR, T::ftWideString},
        {adWChar, T::ftWideString}, {adVarWChar, T::ftWideString}, {adBigInt, T::ftLargeint},
        {adUnsignedBigInt, T::ftLargeint}, {adChapter, T::ftDataSet}, {adVariant, T::ftVariant},
        {adPropVariant, T::ftVariant}, {adIUnknown, T::ftInterface}, {adIDispatch, T::ftIDispatch},
        {adGUID, T::ftGuid}};
    // clang-format on
    for (const auto& [code, kind] : kinds) {
        EXPECT_EQ(FieldOf(Col("F", code, 10)).DataType, kind) << "type code " << code;
    }
    // Codes outside the table give no field at all; the columns around them still do.
    const std::vector<TFieldDescriptor> fields =
        DescribeFields({{Col("A", adInteger), Col("X", adEmpty), Col("Y", 132), Col("Z", 999),
                         Col("B", adBoolean)},
                        false});
    ASSERT_EQ(fields.size(), 2u);
    EXPECT_EQ(fields[0].FieldName, "A");
    EXPECT_EQ(fields[1].FieldName, "B");
}

TEST(DescribeFieldsTest, NumericColumnsByPrecisionAndScale) {
    struct TCase {
        TColumnInfo Column;
        T Kind;
        std::int64_t Size;
        int Precision;
    };
    const std::vector<TCase> cases = {
        {Numeric(adNumeric, 9, 0), T::ftInteger, 0, 0},
        {Numeric(adNumeric, 1, 0), T::ftInteger, 0, 0},
        {Numeric(adNumeric, 10, 0), T::ftBCD, 0, 10},
        {Numeric(adNumeric, 9, 2), T::ftBCD, 2, 9},
        {Numeric(adNumeric, 10, 2), T::ftBCD, 2, 10},
        {Numeric(adNumeric, 18, 4), T::ftBCD, 4, 18},
        // Past four decimals or eighteen digits a TBCDField's Currency cannot hold the value.
        {Numeric(adNumeric, 18, 6), T::ftFMTBcd, 6, 18},
        {Numeric(adDecimal, 18, 9), T::ftFMTBcd, 9, 18},
        {Numeric(adNumeric, 19, 0), T::ftFMTBcd, 0, 19},
        {Numeric(adNumeric, 38, 10), T::ftFMTBcd, 10, 32},
        {Numeric(adNumeric, 12, -3), T::ftBCD, 4, 12},
        // Only adNumeric becomes an integer; the other exact types stay BCD.
        {Numeric(adDecimal, 5, 0), T::ftBCD, 0, 5},
        {Numeric(adVarNumeric, 5, 0), T::ftBCD, 0, 5},
        // Currency is ADO's fixed 19 digits with 4 decimals, whatever a source says.
        {Numeric(adCurrency, 19, 4), T::ftBCD, 4, 19},
        {Numeric(adCurrency, 0, 0), T::ftBCD, 0, 19}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "type " << c.Column.Type << " precision " << c.Column.Precision << " scale "
                     << c.Column.NumericScale);
        EXPECT_EQ(FieldOf(c.Column).DataType, c.Kind);
        EXPECT_EQ(FieldOf(c.Column).Size, c.Size);
        EXPECT_EQ(FieldOf(c.Column).Precision, c.Precision);
    }
}

TEST(DescribeFieldsTest, AutoIncrementNeedsTheOfferedPropertyAndAnIntegerKind) {
    auto autoInc = [](TColumnInfo column) {
        column.IsAutoIncrement = true;
        return column;
    };
    EXPECT_EQ(FieldOf(autoInc(Col("ID", adInteger)), true).DataType, T::ftAutoInc);
    // Every integer that fits ftAutoInc's 32 signed bits counts, whatever its own size.
    EXPECT_EQ(FieldOf(autoInc(Col("ID", adSmallInt)), true).DataType, T::ftAutoInc);
    EXPECT_EQ(FieldOf(autoInc(Col("ID", adUnsignedSmallInt)), true).DataType, T::ftAutoInc);
    EXPECT_EQ(FieldOf(autoInc(Col("ID", adTinyInt)), true).DataType, T::ftAutoInc);
    // A wider counter keeps the kind that holds its values, and says it is one.
    EXPECT_EQ(FieldOf(autoInc(Col("ID", adUnsignedInt)), true).DataType, T::ftLargeint);
    EXPECT_TRUE(FieldOf(autoInc(Col("ID", adUnsignedInt)), true).AutoIncrement);
    EXPECT_TRUE(FieldOf(autoInc(Col("ID", adBigInt)), true).AutoIncrement);
    EXPECT_FALSE(FieldOf(Col("ID", adBigInt), true).AutoIncrement);
    // A NUMERIC(9,0) identity column is an integer first, so it counts as well.
    EXPECT_EQ(FieldOf(autoInc(Numeric(adNumeric, 9, 0)), true).DataType, T::ftAutoInc);
    EXPECT_EQ(FieldOf(autoInc(Col("ID", adInteger)), false).DataType, T::ftInteger);
    EXPECT_EQ(FieldOf(Col("ID", adInteger), true).DataType, T::ftInteger);
    EXPECT_EQ(FieldOf(autoInc(Col("ID", adBigInt)), true).DataType, T::ftLargeint);
    EXPECT_EQ(FieldOf(autoInc(Col("ID", adSmallInt)), false).DataType, T::ftSmallint);
    EXPECT_EQ(FieldOf(autoInc(Numeric(adNumeric, 12, 0)), true).DataType, T::ftBCD);
}

TEST(DescribeFieldsTest, SizeAndFixedCharFollowTheKind) {
    struct TCase {
        TColumnInfo Column;
        std::int64_t Size;
        bool FixedChar;
    };
    // A fixed-length character column (adChar) is fixed by its kind, flag or not.
    // clang-format off
    const std::vector<TCase> cases = {
        {Col("S", adVarChar, 50), 50, false}, {Col("S", adVarChar, 50, adFldFixed), 50, true},
        {Col("W", adVarWChar, 40), 40, false}, {Col("W", adVarWChar, 40, adFldFixed), 40, true},
        {Col("W", adWChar, 3, adFldFixed), 3, true}, {Col("C", adChar, 10), 10, true},
        {Col("B", adBinary, 16, adFldFixed), 16, false}, {Col("V", adVarBinary, 32), 32, false},
        {Col("G", adGUID, 16, adFldFixed), 38, true}, {Col("G", adGUID, 16), 38, false},
        {Col("I", adInteger, 4, adFldFixed), 0, false},
        {Col("M", adLongVarChar, 2147483647, adFldFixed), 0, false},
        {Col("M", adLongVarWChar, 1073741823), 0, false},
        {Col("L", adLongVarBinary, 2147483647), 0, false},
        {Col("D", adDBTimeStamp, 16, adFldFixed), 0, false},
        {Col("O", adBoolean, 2, adFldFixed), 0, false}};
    // clang-format on
    for (const TCase& c : cases) {
        const TFieldDescriptor field = FieldOf(c.Column);
        EXPECT_EQ(field.Size, c.Size) << "type code " << c.Column.Type;
        EXPECT_EQ(field.FixedChar, c.FixedChar)
            << "type code " << c.Column.Type << " attributes " << c.Column.Attributes;
    }
}

TEST(DescribeFieldsTest, NamesAreNeverEmptyAndUniqueWithoutRegardToCase) {
    const std::vector<TFieldDescriptor> fields = DescribeFields(
        {{Col("Name", adVarChar, 5), Col("NAME", adVarChar, 5), Col("name", adVarChar, 5),
          Col("", adInteger), Col("A_1", adInteger), Col("A", adInteger), Col("A", adInteger),
          Col("", adInteger), Col("Unknown", 999), Col("Unknown", adInteger)},
         false});
    std::vector<std::string> names;
    for (const TFieldDescriptor& field : fields) {
        names.push_back(field.FieldName);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Name", "NAME_1", "name_2", "COLUMN1", "A_1", "A",
                                               "A_2", "COLUMN2", "Unknown"}));
}

TEST(DescribeFieldsTest, RowIdentifierColumnsAreHidden) {
    const std::vector<TFieldDescriptor> fields = DescribeFields(
        {{Col("RowKey", adBinary, 8, adFldRowID | adFldFixed), Col("Title", adVarChar, 20)}, true});
    ASSERT_EQ(fields.size(), 1u);
    EXPECT_EQ(fields[0], (TFieldDescriptor{"Title", T::ftString, 20, false, 0, false}));
}

// A hidden row identifier is still a column of the table: it is named like any other column and
// only then left out, so a later column of the same name moves aside and a later unnamed column
// takes the next COLUMN number.
TEST(DescribeFieldsTest, HiddenRowIdentifierStillTakesItsName) {
    const std::vector<TFieldDescriptor> fields =
        DescribeFields({{Col("ID", adInteger, 4, adFldRowID), Col("id", adInteger),
                         Col("", adInteger, 4, adFldRowID), Col("", adInteger)},
                        false});
    ASSERT_EQ(fields.size(), 2u);
    EXPECT_EQ(fields[0].FieldName, "id_1");
    EXPECT_EQ(fields[1].FieldName, "COLUMN2");
}

TEST(FieldTypeNameTest, SpellsKindsAsTheGeneratedCodeDoes) {
    EXPECT_EQ(FieldTypeName(T::ftUnknown), "ftUnknown");
    EXPECT_EQ(FieldTypeName(T::ftAutoInc), "ftAutoInc");
    EXPECT_EQ(FieldTypeName(T::ftFixedChar), "ftFixedChar");
    EXPECT_EQ(FieldTypeName(T::ftWideString), "ftWideString");
    EXPECT_EQ(FieldTypeName(T::ftLargeint), "ftLargeint");
    EXPECT_EQ(FieldTypeName(T::ftGuid), "ftGuid");
    EXPECT_EQ(FieldTypeName(T::ftFMTBcd), "ftFMTBcd");
    // The kinds keep the runtime's order numbers.
    EXPECT_EQ(static_cast<int>(T::ftBCD), 8);
    EXPECT_EQ(static_cast<int>(T::ftFixedChar), 23);
    EXPECT_EQ(static_cast<int>(T::ftGuid), 35);
    EXPECT_EQ(static_cast<int>(T::ftFMTBcd), 37);
}

} // namespace
} // namespace quorvane
