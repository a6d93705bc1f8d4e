#include "MdbWriter.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <optional>
#include <set>
#include <span>
#include <stdexcept>
#include <string_view>

namespace quorvane::testing {

namespace {

using TBytes = std::vector<std::uint8_t>;

// ---------------------------------------------------------------------------------------------
// Layout of a Jet 4 file. Everything is little-endian; the file is a run of 4 KB pages and the
// first byte of each page says what the page holds.

constexpr std::size_t PageSize = 4096;
constexpr std::uint8_t DataPageType = 0x01;
constexpr std::uint8_t TableDefinitionPageType = 0x02;
constexpr std::size_t PageTypeOffset = 0x00;
constexpr std::size_t PageMarkerOffset = 0x01; // always 1 on data and definition pages
constexpr std::uint8_t PageMarker = 0x01;

// Page 0, the database header.
constexpr std::size_t HeaderMagicOffset = 0x00; // 00 01 00 00 opens every Jet database
constexpr std::array<std::uint8_t, 4> HeaderMagic = {0x00, 0x01, 0x00, 0x00};
constexpr std::size_t HeaderFormatNameOffset = 0x04; // NUL-terminated engine name
constexpr std::string_view HeaderFormatName = "Standard Jet DB";
constexpr std::string_view AceHeaderFormatName = "Standard ACE DB";
constexpr std::size_t HeaderVersionOffset = 0x14; // 0 = Jet 3, 1 = Jet 4, 3 = ACE 2010
constexpr std::uint32_t Jet4Version = 1;
constexpr std::uint32_t Ace2010Version = 3;
// Jet masks part of the header with RC4 under a fixed key (Jet 4: 128 bytes); readers unmask it
// before they look at the fields below, so those are written in clear and masked last.
constexpr std::size_t HeaderMaskedOffset = 0x18;
constexpr std::size_t HeaderMaskedLength = 128;
constexpr std::uint32_t HeaderMaskKey = 0x6b39dac7;
constexpr std::size_t HeaderCodePageOffset = 0x3c; // code page of Jet 3 text; Jet 4 text is UCS-2
constexpr std::uint16_t WesternCodePage = 1252;
// 0x3e holds the page encoding key and 0x42 the password (Jet 4: 20 UCS-2 characters), 0x72
// the creation date that masks the password; the date stays zero: no date mask.
constexpr std::size_t HeaderEncodingKeyOffset = 0x3e;
constexpr std::size_t HeaderPasswordOffset = 0x42;
constexpr std::size_t MaxPasswordLength = 20;
// ACE keeps the description of its encryption after the masked part: its length, then the
// version of the Office document cryptography (4.4: agile encryption), reserved flags and the
// XML descriptor.
constexpr std::size_t AceEncryptionHeaderOffset = 0x299;
constexpr std::uint16_t AgileEncryptionMajor = 4;
constexpr std::uint16_t AgileEncryptionMinor = 4;
constexpr std::uint32_t AgileEncryptionReserved = 0x40;
constexpr std::string_view AgileEncryptionDescriptor =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
    "<encryption xmlns=\"http://schemas.microsoft.com/office/2006/encryption\">"
    "<keyData saltSize=\"16\" blockSize=\"16\" keyBits=\"256\" hashSize=\"64\" "
    "cipherAlgorithm=\"AES\" cipherChaining=\"ChainingModeCBC\" hashAlgorithm=\"SHA512\" "
    "saltValue=\"AAAAAAAAAAAAAAAAAAAAAA==\"/></encryption>";
constexpr std::size_t HeaderSortOrderOffset = 0x6e; // collation: language id, then version
constexpr std::uint16_t GeneralSortOrder = 0x0409;  // Access's "General" collation

// Data pages: a header, a table of row offsets, and the rows packed from the page's end down.
constexpr std::size_t DataFreeSpaceOffset = 0x02;  // bytes left between offsets and rows
constexpr std::size_t DataOwnerOffset = 0x04;      // definition page of the owning table
constexpr std::size_t DataRowCountOffset = 0x0c;   // rows on the page
constexpr std::size_t DataRowOffsetsOffset = 0x0e; // a 2-byte offset per row follows
constexpr std::size_t DataRowOffsetSize = 2;
// Rows are addressed as page << 8 | row, so a page holds at most 256 of them.
constexpr std::size_t MaxRowsPerPage = 256;
constexpr unsigned RowPointerPageShift = 8;
// Usage maps sit on data pages that belong to no table.
constexpr std::uint32_t NoOwner = 0;

// Table definitions. A definition is one byte stream: its first page holds the stream's first
// 4096 bytes, each further page repeats the 8-byte page header and holds the next 4088 bytes.
constexpr std::size_t TdefFreeSpaceOffset = 0x02; // free bytes on the page, minus 8
constexpr std::size_t TdefFreeSpaceBias = 8;
constexpr std::size_t TdefNextPageOffset = 0x04; // next page of the definition, 0 on the last
constexpr std::size_t TdefPageHeaderSize = 0x08;
constexpr std::size_t TdefLengthOffset = 0x08; // length of the whole definition stream
// Access repeats one constant here and at the start of every column entry.
constexpr std::size_t TdefMagicOffset = 0x0c;
constexpr std::uint32_t TdefMagic = 1625;
constexpr std::size_t TdefRowCountOffset = 0x10;
constexpr std::size_t TdefAutoNumberFlagOffset = 0x18; // Access only numbers rows when it is 1
constexpr std::uint8_t AutoNumberEnabled = 1;
constexpr std::size_t TdefTableTypeOffset = 0x28;
constexpr std::uint8_t UserTableType = 0x4e;       // 'N'
constexpr std::uint8_t SystemTableType = 0x53;     // 'S'
constexpr std::size_t TdefMaxColumnsOffset = 0x29; // columns a row holds, deleted ones included
constexpr std::size_t TdefVariableColumnCountOffset = 0x2b;
constexpr std::size_t TdefColumnCountOffset = 0x2d;
constexpr std::size_t TdefLogicalIndexCountOffset = 0x2f;
constexpr std::size_t TdefIndexCountOffset = 0x33;
constexpr std::size_t TdefUsageMapOffset = 0x37;     // row pointer: map of the table's pages
constexpr std::size_t TdefFreeSpaceMapOffset = 0x3b; // row pointer: those of them with room
constexpr std::size_t TdefHeaderSize = 0x3f;         // the index counts' entries, then the columns
// Each index with a B-tree of its own (a "real" index) has a 12-byte entry after the header
// (unknown, its row count, unknown), then, after the column names, a 52-byte definition: a
// marker, ten key columns (2-byte column number, 1-byte order; 0xffff for unused), the index's
// usage map, its root page, unknown bytes and its flags. Each index as the designer sees it (a
// logical index) follows in 28 bytes: a marker, its number, the real index it uses, the
// relationship fields (none here), its type; then the names of the logical indexes.
constexpr std::size_t RealIndexEntrySize = 12;
constexpr std::size_t RealIndexDefinitionSize = 52;
constexpr std::size_t RealIndexKeySlots = 10;
constexpr std::uint16_t UnusedKeySlot = 0xffff;
constexpr std::uint8_t AscendingKey = 0x01;
constexpr std::size_t RealIndexRootPageOffset = 4 + RealIndexKeySlots * 3 + 4;
constexpr std::size_t RealIndexFlagsOffset = RealIndexRootPageOffset + 4 + 4;
constexpr std::uint8_t UniqueIndexFlag = 0x01;
constexpr std::uint8_t RequiredIndexFlag = 0x08;
constexpr std::size_t LogicalIndexSize = 28;
constexpr std::size_t LogicalIndexNumberOffset = 4;
constexpr std::size_t LogicalIndexRealNumberOffset = 8;
constexpr std::size_t LogicalIndexRelatedIndexOffset = 13;
constexpr std::size_t LogicalIndexTypeOffset = 23;
constexpr std::uint8_t PrimaryKeyIndexType = 0x01;
constexpr std::string_view PrimaryKeyIndexName = "PrimaryKey"; // as Access names it
// An index's B-tree starts at a leaf page; an empty index has one without entries, which start
// at 0x1e0 after the header and the bitmap of entry ends.
constexpr std::uint8_t IndexLeafPageType = 0x04;
constexpr std::size_t IndexLeafParentOffset = 0x04; // the table's definition page
constexpr std::size_t IndexLeafEntriesStart = 0x1e0;
// Closes the list of per-column usage maps that ends a definition; these tables have none.
constexpr std::uint16_t TdefEndOfColumnMaps = 0xffff;

// A column entry in a table definition.
constexpr std::size_t ColumnEntrySize = 25;
constexpr std::size_t ColumnTypeOffset = 0;
constexpr std::size_t ColumnMagicOffset = 1;         // TdefMagic again
constexpr std::size_t ColumnNumberOffset = 5;        // position among the table's columns
constexpr std::size_t ColumnVariableIndexOffset = 7; // slot in a row's variable-offset table
constexpr std::size_t ColumnRowNumberOffset = 9;     // position in rows, deletions included
constexpr std::size_t ColumnSortOrderOffset = 11;    // Text and Memo: collation language id
constexpr std::size_t ColumnSortVersionOffset = 14;  // Text and Memo: collation version
// Decimal: total digits, then digits after the point. libmdb 1.0's MdbColumn names the two bytes
// the other way round (col_scale holds the precision, col_prec the scale), while mdb-schema
// prints them as "Numeric (precision, scale)" and emits NUMERIC(precision, scale) for other
// databases; that output is only valid SQL with the precision in the first byte.
constexpr std::size_t ColumnDecimalPrecisionOffset = 11;
constexpr std::size_t ColumnDecimalScaleOffset = 12;
constexpr std::size_t ColumnFlagsOffset = 15;
constexpr std::size_t ColumnExtraFlagsOffset = 16;
constexpr std::size_t ColumnFixedOffsetOffset = 21; // where the value sits in a row's fixed part
constexpr std::size_t ColumnLengthOffset = 23;      // bytes of the value; 0 for Memo and OLE

// Column flags.
constexpr std::uint8_t FixedLengthFlag = 0x01;
constexpr std::uint8_t NullableFlag = 0x02; // Access sets it on every column it creates
constexpr std::uint8_t AutoNumberFlag = 0x04;
constexpr std::uint8_t HyperlinkFlag = 0x80;
// Extra flags: "Unicode Compression", which Access turns on for every Text and Memo field.
constexpr std::uint8_t CompressedUnicodeFlag = 0x01;

// Jet's column type codes.
constexpr std::uint8_t BoolCode = 0x01;
constexpr std::uint8_t ByteCode = 0x02;
constexpr std::uint8_t IntCode = 0x03;
constexpr std::uint8_t LongIntCode = 0x04;
constexpr std::uint8_t MoneyCode = 0x05;
constexpr std::uint8_t FloatCode = 0x06;
constexpr std::uint8_t DoubleCode = 0x07;
constexpr std::uint8_t DateTimeCode = 0x08;
constexpr std::uint8_t BinaryCode = 0x09;
constexpr std::uint8_t TextCode = 0x0a;
constexpr std::uint8_t OleCode = 0x0b;
constexpr std::uint8_t MemoCode = 0x0c;
constexpr std::uint8_t RepIdCode = 0x0f;
constexpr std::uint8_t NumericCode = 0x10;

// An inline usage map: a type byte, the first page it covers and a bitmap, bit n standing for
// that page + n. Access gives every inline map 64 bytes of bitmap, so 512 pages.
constexpr std::size_t MapTypeOffset = 0;
constexpr std::uint8_t InlineMapType = 0x00;
constexpr std::size_t MapStartPageOffset = 1;
constexpr std::size_t MapBitmapOffset = 5;
constexpr std::size_t MapBitmapSize = 64;
constexpr std::size_t MapRowSize = MapBitmapOffset + MapBitmapSize;
constexpr std::size_t MapPageCapacity = MapBitmapSize * 8;

// Rows: a 2-byte column count, the fixed-length values, the variable-length ones, then 2-byte
// offsets (where the variable values end, then where each starts, last column first), the
// count of variable columns and, last, the null mask.
constexpr std::size_t RowColumnCountSize = 2;

// A Memo or OLE value short enough to stay in its row: a 12-byte header (the length in the low
// 24 bits of the first four bytes, the "in this row" flag in the top bit), then the bytes.
constexpr std::size_t LongValueHeaderSize = 12;
constexpr std::uint32_t LongValueInRowFlag = 0x80000000;

// The properties Access keeps in MSysObjects.LvProp: a Jet 4 property blob with no properties.
// Every catalogue row gets one, as mdb-prop reads the blob without looking for NULL first.
constexpr std::array<std::uint8_t, 4> EmptyPropertyBlob = {'M', 'R', '2', 0x00};
// A blob with properties holds chunks, each a 4-byte length (its header included) and a 2-byte
// type: first the names of all its properties, then one block per object (the table, or one
// of its columns by name), each property there a 2-byte length, a flag byte, its type, the
// number of its name and the value's length before the value.
constexpr std::uint16_t PropertyNamesChunk = 0x80;
constexpr std::uint16_t PropertyBlockChunk = 0x00;
constexpr std::size_t PropertyChunkHeaderSize = 6;
constexpr std::size_t PropertyHeaderSize = 8;
constexpr std::uint8_t PropertyTrue = 0xff;

// Limits Access sets.
constexpr std::size_t MaxNameLength = 64;
constexpr std::size_t MaxColumns = 255;
constexpr int MaxTextLength = 255;
constexpr int MaxBinaryLength = 255;
constexpr int MaxDecimalPrecision = 28;

// ---------------------------------------------------------------------------------------------
// The catalogue (MSysObjects) and the other system tables Access creates.

constexpr std::uint32_t SystemObjectsDefinitionPage = 2; // where readers look for MSysObjects
constexpr std::size_t FirstMapPage = 1;                  // Access keeps usage maps on page 1
constexpr std::uint32_t GlobalMapStartPage = 0;

// Ids of the catalogue's containers; they hang below the root 0x0f000000.
constexpr std::int32_t RootId = 0x0f000000;
constexpr std::int32_t TablesContainerId = 0x0f000001;
constexpr std::int32_t DatabasesContainerId = 0x0f000002;
constexpr std::int32_t RelationshipsContainerId = 0x0f000003;
constexpr std::int32_t DatabasePropertiesId = 0x0f000004;

// MSysObjects.Type values.
constexpr std::int16_t TableObjectType = 1;
constexpr std::int16_t DatabaseObjectType = 2;
constexpr std::int16_t ContainerObjectType = 3;
constexpr std::int16_t QueryObjectType = 5;

// MSysObjects.Flags of a system table: the system bit and the hidden bit.
constexpr std::int32_t SystemTableFlags = static_cast<std::int32_t>(0x80000002u);
constexpr std::int32_t UserTableFlags = 0;
// A query's flags carry its kind (below) and these bits: Access marks its temporary queries
// ("~sq_..." record sources of forms and reports) with 3, a hidden object with 8.
constexpr std::int32_t TemporaryQueryFlags = 3;
constexpr std::int32_t HiddenObjectFlag = 8;
// Queries get Ids of their own, apart from the definition pages that tables' Ids are.
constexpr std::int32_t FirstQueryId = 0x0f000100;

// MSysQueries.Attribute: what a row of a query's definition holds.
constexpr std::uint8_t QueryStartAttribute = 0;
constexpr std::uint8_t QueryKindAttribute = 1;      // Flag: the kind; Name1: a make-table's target
constexpr std::uint8_t QueryParameterAttribute = 2; // Flag: the type; Name1: the name
constexpr std::uint8_t QueryOptionsAttribute = 3;   // Flag: 1 for "SELECT *"
constexpr std::uint8_t QuerySourceAttribute = 5;    // Name1: table or query; Name2: alias
constexpr std::uint8_t QueryColumnAttribute = 6;    // Expression; Name1: alias
constexpr std::uint8_t QueryJoinAttribute = 7;      // Flag: 1 inner, 2 left, 3 right; Name1, Name2
constexpr std::uint8_t QueryWhereAttribute = 8;
constexpr std::uint8_t QueryGroupByAttribute = 9;
constexpr std::uint8_t QueryHavingAttribute = 10;
constexpr std::uint8_t QueryOrderByAttribute = 11;
constexpr std::uint8_t QueryEndAttribute = 255;
constexpr std::int16_t AllFieldsOption = 1;

// MSysObjects.DateCreate and DateUpdate: 2024-01-01 as an OLE date, fixed so that the same input
// always gives the same file.
constexpr double CatalogueDate = 45292.0;

// ---------------------------------------------------------------------------------------------
// Little-endian byte access.

void Put8(TBytes& bytes, std::size_t offset, std::uint8_t value) {
    bytes.at(offset) = value;
}

void Put16(TBytes& bytes, std::size_t offset, std::uint16_t value) {
    Put8(bytes, offset, static_cast<std::uint8_t>(value));
    Put8(bytes, offset + 1, static_cast<std::uint8_t>(value >> 8));
}

void Put32(TBytes& bytes, std::size_t offset, std::uint32_t value) {
    Put16(bytes, offset, static_cast<std::uint16_t>(value));
    Put16(bytes, offset + 2, static_cast<std::uint16_t>(value >> 16));
}

void Append16(TBytes& bytes, std::uint16_t value) {
    bytes.resize(bytes.size() + 2);
    Put16(bytes, bytes.size() - 2, value);
}

TBytes Int16Bytes(std::int16_t value) {
    TBytes bytes(2);
    Put16(bytes, 0, static_cast<std::uint16_t>(value));
    return bytes;
}

TBytes Int32Bytes(std::int32_t value) {
    TBytes bytes(4);
    Put32(bytes, 0, static_cast<std::uint32_t>(value));
    return bytes;
}

TBytes DoubleBytes(double value) {
    std::uint64_t bits = 0;
    static_assert(sizeof bits == sizeof value);
    std::memcpy(&bits, &value, sizeof bits);
    TBytes bytes(8);
    Put32(bytes, 0, static_cast<std::uint32_t>(bits));
    Put32(bytes, 4, static_cast<std::uint32_t>(bits >> 32));
    return bytes;
}

TBytes LongValueInRow(std::span<const std::uint8_t> value) {
    TBytes bytes(LongValueHeaderSize, 0);
    Put32(bytes, 0, LongValueInRowFlag | static_cast<std::uint32_t>(value.size()));
    bytes.insert(bytes.end(), value.begin(), value.end());
    return bytes;
}

TBytes Ucs2Bytes(const std::u16string& text) {
    TBytes bytes;
    for (const char16_t unit : text) {
        Append16(bytes, static_cast<std::uint16_t>(unit));
    }
    return bytes;
}

std::uint16_t Narrow16(std::size_t value) {
    if (value > 0xffff) {
        throw std::logic_error("MdbWriter: value does not fit in 16 bits");
    }
    return static_cast<std::uint16_t>(value);
}

// ---------------------------------------------------------------------------------------------
// Names: UTF-8 in, UCS-2 out, with Access's naming rules.

// Decodes UTF-8; throws on malformed input and on characters beyond U+FFFF, which UCS-2 lacks.
std::u16string Utf8ToUcs2(const std::string& text, const std::string& what) {
    std::u16string result;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        char32_t code = 0;
        if (lead < 0x80) {
            code = lead;
        } else if ((lead & 0xe0) == 0xc0) {
            extra = 1;
            code = lead & 0x1f;
        } else if ((lead & 0xf0) == 0xe0) {
            extra = 2;
            code = lead & 0x0f;
        } else if ((lead & 0xf8) == 0xf0) {
            throw std::runtime_error(what + ": character beyond U+FFFF (Jet 4 names are UCS-2)");
        } else {
            throw std::runtime_error(what + ": malformed UTF-8");
        }
        if (i + extra >= text.size()) {
            throw std::runtime_error(what + ": truncated UTF-8 sequence");
        }
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xc0) != 0x80) {
                throw std::runtime_error(what + ": malformed UTF-8");
            }
            code = (code << 6) | (next & 0x3f);
        }
        const char32_t smallest = extra == 2 ? 0x800 : extra == 1 ? 0x80 : 0;
        if (code < smallest || (code >= 0xd800 && code <= 0xdfff)) {
            throw std::runtime_error(what + ": malformed UTF-8");
        }
        result.push_back(static_cast<char16_t>(code));
        i += extra + 1;
    }
    return result;
}

// Access refuses names that are empty, longer than 64 characters, start with a blank, or hold
// control characters or any of . ! ` [ ].
std::u16string CheckedName(const std::string& name, const std::string& what) {
    const std::u16string ucs2 = Utf8ToUcs2(name, what);
    if (ucs2.empty()) {
        throw std::runtime_error(what + ": empty name");
    }
    if (ucs2.size() > MaxNameLength) {
        throw std::runtime_error(what + ": name longer than 64 characters");
    }
    if (ucs2.front() == u' ') {
        throw std::runtime_error(what + ": name starts with a blank");
    }
    for (const char16_t c : ucs2) {
        if (c < 0x20 || c == 0x7f || c == u'.' || c == u'!' || c == u'`' || c == u'[' ||
            c == u']') {
            throw std::runtime_error(what + ": name holds a character Access refuses (control "
                                            "character or one of . ! ` [ ])");
        }
    }
    return ucs2;
}

// Access compares names without regard to case; this folds ASCII and Latin-1 letters.
std::u16string FoldedName(const std::u16string& name) {
    std::u16string folded = name;
    for (char16_t& c : folded) {
        const bool asciiUpper = c >= u'A' && c <= u'Z';
        const bool latinUpper = c >= 0xc0 && c <= 0xde && c != 0xd7;
        if (asciiUpper || latinUpper) {
            c = static_cast<char16_t>(c + 0x20);
        }
    }
    return folded;
}

// ---------------------------------------------------------------------------------------------
// Column and table layouts.

struct TColumnLayout {
    std::u16string Name;
    std::uint8_t TypeCode = 0;
    std::uint8_t Flags = 0;
    std::uint8_t ExtraFlags = 0;
    std::uint16_t Length = 0;
    bool Textual = false; // Text and Memo carry a collation
    std::uint8_t Precision = 0;
    std::uint8_t Scale = 0;
    std::uint16_t FixedOffset = 0;   // fixed-length columns only
    std::uint16_t VariableIndex = 0; // variable-length columns only

    bool IsFixed() const { return (Flags & FixedLengthFlag) != 0; }
};

struct TTableLayout {
    std::u16string Name;
    bool System = false;
    std::vector<TColumnLayout> Columns;
    std::uint16_t VariableColumnCount = 0;
    std::uint16_t FixedLength = 0;         // bytes of a row's fixed part
    std::vector<std::uint16_t> PrimaryKey; // column numbers in key order
    TBytes Properties;                     // MSysObjects.LvProp
};

struct TTypeTraits {
    std::uint8_t Code;
    std::uint16_t FixedLength; // 0 for variable-length types (and Yes/No, kept in the null mask)
    bool Variable;
    bool Textual;
    std::uint8_t Flags; // beyond NullableFlag and FixedLengthFlag
};

TTypeTraits TraitsOf(TAccessType type) {
    switch (type) {
    case TAccessType::YesNo:
        return {BoolCode, 0, false, false, 0};
    case TAccessType::Byte:
        return {ByteCode, 1, false, false, 0};
    case TAccessType::Integer:
        return {IntCode, 2, false, false, 0};
    case TAccessType::LongInteger:
        return {LongIntCode, 4, false, false, 0};
    case TAccessType::AutoNumber:
        return {LongIntCode, 4, false, false, AutoNumberFlag};
    case TAccessType::Currency:
        return {MoneyCode, 8, false, false, 0};
    case TAccessType::Single:
        return {FloatCode, 4, false, false, 0};
    case TAccessType::Double:
        return {DoubleCode, 8, false, false, 0};
    case TAccessType::DateTime:
        return {DateTimeCode, 8, false, false, 0};
    case TAccessType::Text:
        return {TextCode, 0, true, true, 0};
    case TAccessType::Memo:
        return {MemoCode, 0, true, true, 0};
    case TAccessType::Hyperlink:
        return {MemoCode, 0, true, true, HyperlinkFlag};
    case TAccessType::OleObject:
        return {OleCode, 0, true, false, 0};
    case TAccessType::Binary:
        return {BinaryCode, 0, true, false, 0};
    case TAccessType::ReplicationId:
        return {RepIdCode, 16, false, false, 0};
    case TAccessType::Decimal:
        return {NumericCode, 17, false, false, 0};
    }
    throw std::runtime_error("unknown Access type");
}

// The bytes a variable-length column may hold, checked against Access's limits.
std::uint16_t VariableLength(const TAccessColumn& column, const std::string& what) {
    switch (column.Type) {
    case TAccessType::Text:
        if (column.Size < 1 || column.Size > MaxTextLength) {
            throw std::runtime_error(what + ": Text size must be 1-255 characters");
        }
        return Narrow16(static_cast<std::size_t>(column.Size) * 2); // UCS-2: 2 bytes a character
    case TAccessType::Binary:
        if (column.Size < 1 || column.Size > MaxBinaryLength) {
            throw std::runtime_error(what + ": Binary size must be 1-255 bytes");
        }
        return Narrow16(static_cast<std::size_t>(column.Size));
    default:
        return 0; // Memo and OLE values live outside the row
    }
}

// The field properties of a table's columns as a property blob; the empty blob when no column
// has any.
TBytes PropertyBlob(const TAccessTable& table, const std::string& what) {
    std::vector<std::u16string> names;
    const auto nameNumber = [&names](std::u16string_view name) {
        const auto found = std::find(names.begin(), names.end(), name);
        if (found != names.end()) {
            return Narrow16(static_cast<std::size_t>(found - names.begin()));
        }
        names.emplace_back(name);
        return Narrow16(names.size() - 1);
    };
    std::vector<TBytes> blocks;
    for (const TAccessColumn& column : table.Columns) {
        const std::string where = what + ", column '" + column.Name + "'";
        TBytes values;
        const auto add = [&](std::u16string_view name, std::uint8_t type, const TBytes& value) {
            Append16(values, Narrow16(PropertyHeaderSize + value.size()));
            values.push_back(0);
            values.push_back(type);
            Append16(values, nameNumber(name));
            Append16(values, Narrow16(value.size()));
            values.insert(values.end(), value.begin(), value.end());
        };
        if (column.Required) {
            add(u"Required", BoolCode, TBytes{PropertyTrue});
        }
        if (!column.DefaultValue.empty()) {
            add(u"DefaultValue", TextCode, Ucs2Bytes(Utf8ToUcs2(column.DefaultValue, where)));
        }
        if (!column.Description.empty()) {
            add(u"Description", MemoCode, Ucs2Bytes(Utf8ToUcs2(column.Description, where)));
        }
        if (values.empty()) {
            continue;
        }
        const TBytes name = Ucs2Bytes(Utf8ToUcs2(column.Name, where));
        TBytes block(4, 0);
        Put32(block, 0, static_cast<std::uint32_t>(4 + 2 + name.size()));
        Append16(block, Narrow16(name.size()));
        block.insert(block.end(), name.begin(), name.end());
        block.insert(block.end(), values.begin(), values.end());
        blocks.push_back(std::move(block));
    }
    TBytes blob(EmptyPropertyBlob.begin(), EmptyPropertyBlob.end());
    if (blocks.empty()) {
        return blob;
    }
    const auto appendChunk = [&blob](std::uint16_t type, const TBytes& body) {
        const std::size_t start = blob.size();
        blob.resize(start + PropertyChunkHeaderSize);
        Put32(blob, start, static_cast<std::uint32_t>(PropertyChunkHeaderSize + body.size()));
        Put16(blob, start + 4, type);
        blob.insert(blob.end(), body.begin(), body.end());
    };
    TBytes nameList;
    for (const std::u16string& name : names) {
        const TBytes bytes = Ucs2Bytes(name);
        Append16(nameList, Narrow16(bytes.size()));
        nameList.insert(nameList.end(), bytes.begin(), bytes.end());
    }
    appendChunk(PropertyNamesChunk, nameList);
    for (const TBytes& block : blocks) {
        appendChunk(PropertyBlockChunk, block);
    }
    return blob;
}

TColumnLayout LayOutColumn(const TAccessColumn& column, const std::string& what) {
    const TTypeTraits traits = TraitsOf(column.Type);
    TColumnLayout layout;
    layout.Name = CheckedName(column.Name, what);
    layout.TypeCode = traits.Code;
    layout.Flags = static_cast<std::uint8_t>(NullableFlag | traits.Flags |
                                             (traits.Variable ? 0 : FixedLengthFlag));
    layout.ExtraFlags = traits.Textual ? CompressedUnicodeFlag : 0;
    layout.Textual = traits.Textual;
    layout.Length = traits.Variable ? VariableLength(column, what) : traits.FixedLength;
    if (column.Type == TAccessType::Decimal) {
        if (column.Precision < 1 || column.Precision > MaxDecimalPrecision) {
            throw std::runtime_error(what + ": Decimal precision must be 1-28");
        }
        if (column.Scale < 0 || column.Scale > column.Precision) {
            throw std::runtime_error(what + ": Decimal scale must be 0-precision");
        }
        layout.Precision = static_cast<std::uint8_t>(column.Precision);
        layout.Scale = static_cast<std::uint8_t>(column.Scale);
    }
    return layout;
}

TTableLayout LayOutTable(const TAccessTable& table, bool system) {
    const std::string what = "table '" + table.Name + "'";
    TTableLayout layout;
    layout.Name = CheckedName(table.Name, what);
    layout.System = system;
    if (table.Columns.empty() || table.Columns.size() > MaxColumns) {
        throw std::runtime_error(what + ": a table needs 1-255 columns");
    }
    std::set<std::u16string> seen;
    std::size_t fixedLength = 0;
    for (const TAccessColumn& column : table.Columns) {
        TColumnLayout columnLayout = LayOutColumn(column, what + ", column '" + column.Name + "'");
        if (!seen.insert(FoldedName(columnLayout.Name)).second) {
            throw std::runtime_error(what + ": duplicate column '" + column.Name + "'");
        }
        if (columnLayout.IsFixed()) {
            columnLayout.FixedOffset = Narrow16(fixedLength);
            fixedLength += columnLayout.Length;
        } else {
            columnLayout.VariableIndex = layout.VariableColumnCount++;
        }
        layout.Columns.push_back(std::move(columnLayout));
    }
    layout.FixedLength = Narrow16(fixedLength);
    std::set<std::u16string> keyColumns;
    for (const std::string& name : table.PrimaryKey) {
        const std::u16string folded = FoldedName(CheckedName(name, what));
        std::size_t number = 0;
        while (number < layout.Columns.size() &&
               FoldedName(layout.Columns[number].Name) != folded) {
            ++number;
        }
        if (number == layout.Columns.size() || !keyColumns.insert(folded).second) {
            throw std::runtime_error(what + ": primary key column '" + name +
                                     "' is not a column of the table or is named twice");
        }
        layout.PrimaryKey.push_back(Narrow16(number));
    }
    if (layout.PrimaryKey.size() > RealIndexKeySlots) {
        throw std::runtime_error(what + ": a primary key has at most 10 columns");
    }
    layout.Properties = PropertyBlob(table, what);
    return layout;
}

// The system tables as Access 2000 creates them (columns in Access's alphabetical order).
std::vector<TAccessTable> SystemTables() {
    using T = TAccessType;
    return {
        {"MSysObjects",
         {{"Connect", T::Memo},
          {"Database", T::Memo},
          {"DateCreate", T::DateTime},
          {"DateUpdate", T::DateTime},
          {"Flags", T::LongInteger},
          {"ForeignName", T::Text, 255},
          {"Id", T::LongInteger},
          {"Lv", T::OleObject},
          {"LvExtra", T::OleObject},
          {"LvModule", T::OleObject},
          {"LvProp", T::OleObject},
          {"Name", T::Text, 255},
          {"Owner", T::Binary, 255},
          {"ParentId", T::LongInteger},
          {"RmtInfoLong", T::OleObject},
          {"RmtInfoShort", T::Binary, 255},
          {"Type", T::Integer}}},
        {"MSysACEs",
         {{"ACM", T::LongInteger},
          {"FInheritable", T::YesNo},
          {"ObjectId", T::LongInteger},
          {"SID", T::Binary, 255}}},
        {"MSysQueries",
         {{"Attribute", T::Byte},
          {"Expression", T::Memo},
          {"Flag", T::Integer},
          {"LvExtra", T::OleObject},
          {"Name1", T::Memo},
          {"Name2", T::Memo},
          {"ObjectId", T::LongInteger},
          {"Order", T::Binary, 255}}},
        {"MSysRelationships",
         {{"ccolumn", T::LongInteger},
          {"grbit", T::LongInteger},
          {"icolumn", T::LongInteger},
          {"szColumn", T::Text, 64},
          {"szObject", T::Text, 64},
          {"szReferencedColumn", T::Text, 64},
          {"szReferencedObject", T::Text, 64},
          {"szRelationship", T::Text, 64}}},
    };
}

// System tables first, MSysObjects leading, then the caller's tables.
std::vector<TTableLayout> LayOutTables(const std::vector<TAccessTable>& userTables) {
    std::vector<TTableLayout> layouts;
    for (const TAccessTable& table : SystemTables()) {
        layouts.push_back(LayOutTable(table, true));
    }
    std::set<std::u16string> seen;
    for (const TTableLayout& layout : layouts) {
        seen.insert(FoldedName(layout.Name));
    }
    for (const TAccessTable& table : userTables) {
        TTableLayout layout = LayOutTable(table, false);
        if (!seen.insert(FoldedName(layout.Name)).second) {
            throw std::runtime_error("duplicate table name '" + table.Name + "'");
        }
        layouts.push_back(std::move(layout));
    }
    return layouts;
}

std::size_t ColumnIndex(const TTableLayout& table, std::u16string_view name) {
    for (std::size_t i = 0; i < table.Columns.size(); ++i) {
        if (table.Columns[i].Name == name) {
            return i;
        }
    }
    throw std::logic_error("MdbWriter: system column missing");
}

// ---------------------------------------------------------------------------------------------
// Rows.

// One value per column in column order; nullopt is NULL.
using TRowValues = std::vector<std::optional<TBytes>>;

TBytes EncodeRow(const TTableLayout& table, const TRowValues& values) {
    const std::size_t columnCount = table.Columns.size();
    TBytes row(RowColumnCountSize + table.FixedLength, 0);
    Put16(row, 0, Narrow16(columnCount));
    TBytes nullMask((columnCount + 7) / 8, 0); // a set bit means "not null"
    for (std::size_t i = 0; i < columnCount; ++i) {
        if (!values[i]) {
            continue;
        }
        nullMask[i / 8] = static_cast<std::uint8_t>(nullMask[i / 8] | (1u << (i % 8)));
        const TColumnLayout& column = table.Columns[i];
        if (column.IsFixed()) {
            std::copy(values[i]->begin(), values[i]->end(),
                      row.begin() +
                          static_cast<std::ptrdiff_t>(RowColumnCountSize + column.FixedOffset));
        }
    }
    if (table.VariableColumnCount > 0) {
        // offsets[k] is where variable column k starts; the extra last one is where they end.
        std::vector<std::uint16_t> offsets(table.VariableColumnCount + 1u, 0);
        for (std::size_t i = 0; i < columnCount; ++i) {
            const TColumnLayout& column = table.Columns[i];
            if (column.IsFixed()) {
                continue;
            }
            offsets[column.VariableIndex] = Narrow16(row.size());
            if (values[i]) {
                row.insert(row.end(), values[i]->begin(), values[i]->end());
            }
        }
        offsets.back() = Narrow16(row.size());
        for (auto offset = offsets.rbegin(); offset != offsets.rend(); ++offset) {
            Append16(row, *offset);
        }
        Append16(row, table.VariableColumnCount);
    }
    row.insert(row.end(), nullMask.begin(), nullMask.end());
    return row;
}

// ---------------------------------------------------------------------------------------------
// Data pages.

struct TRowPlace {
    std::size_t PageIndex; // among the packer's pages
    std::size_t Row;
};

// Fills data pages with rows in order, starting a new page when the current one is full.
class TDataPagePacker {
public:
    TRowPlace Add(TBytes row) {
        if (Pages.empty() || !Fits(Pages.back(), row.size())) {
            Pages.emplace_back();
        }
        if (!Fits(Pages.back(), row.size())) {
            throw std::logic_error("MdbWriter: row larger than a page");
        }
        Pages.back().push_back(std::move(row));
        return {Pages.size() - 1, Pages.back().size() - 1};
    }

    std::size_t PageCount() const { return Pages.size(); }

    std::size_t FreeSpace(std::size_t pageIndex) const { return FreeSpaceOf(Pages[pageIndex]); }

    TBytes BuildPage(std::size_t pageIndex, std::uint32_t owner) const {
        const std::vector<TBytes>& rows = Pages[pageIndex];
        TBytes page(PageSize, 0);
        Put8(page, PageTypeOffset, DataPageType);
        Put8(page, PageMarkerOffset, PageMarker);
        Put16(page, DataFreeSpaceOffset, Narrow16(FreeSpaceOf(rows)));
        Put32(page, DataOwnerOffset, owner);
        Put16(page, DataRowCountOffset, Narrow16(rows.size()));
        // Row 0 ends at the page's end, each further row ends where the previous one starts.
        std::size_t end = PageSize;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const std::size_t start = end - rows[i].size();
            std::copy(rows[i].begin(), rows[i].end(),
                      page.begin() + static_cast<std::ptrdiff_t>(start));
            Put16(page, DataRowOffsetsOffset + i * DataRowOffsetSize, Narrow16(start));
            end = start;
        }
        return page;
    }

private:
    std::vector<std::vector<TBytes>> Pages;

    static std::size_t UsedSpace(const std::vector<TBytes>& rows) {
        std::size_t used = DataRowOffsetsOffset;
        for (const TBytes& row : rows) {
            used += DataRowOffsetSize + row.size();
        }
        return used;
    }

    static std::size_t FreeSpaceOf(const std::vector<TBytes>& rows) {
        return PageSize - UsedSpace(rows);
    }

    static bool Fits(const std::vector<TBytes>& rows, std::size_t rowSize) {
        return rows.size() < MaxRowsPerPage &&
               UsedSpace(rows) + DataRowOffsetSize + rowSize <= PageSize;
    }
};

// ---------------------------------------------------------------------------------------------
// Usage maps.

TBytes InlineMap(std::uint32_t startPage, const std::vector<std::uint32_t>& pages) {
    TBytes map(MapRowSize, 0);
    Put8(map, MapTypeOffset, InlineMapType);
    Put32(map, MapStartPageOffset, startPage);
    for (const std::uint32_t page : pages) {
        const std::uint32_t bit = page - startPage;
        if (page < startPage || bit >= MapPageCapacity) {
            throw std::runtime_error("too many tables: the catalogue outgrows its usage map");
        }
        map[MapBitmapOffset + bit / 8] =
            static_cast<std::uint8_t>(map[MapBitmapOffset + bit / 8] | (1u << (bit % 8)));
    }
    return map;
}

// ---------------------------------------------------------------------------------------------
// Table definitions.

std::size_t DefinitionLength(const TTableLayout& table) {
    std::size_t length = TdefHeaderSize + table.Columns.size() * ColumnEntrySize;
    for (const TColumnLayout& column : table.Columns) {
        length += 2 + column.Name.size() * 2; // length prefix, then UCS-2
    }
    if (!table.PrimaryKey.empty()) {
        length += RealIndexEntrySize + RealIndexDefinitionSize + LogicalIndexSize + 2 +
                  PrimaryKeyIndexName.size() * 2;
    }
    return length + sizeof TdefEndOfColumnMaps;
}

std::size_t DefinitionPageCount(std::size_t length) {
    if (length <= PageSize) {
        return 1;
    }
    const std::size_t perPage = PageSize - TdefPageHeaderSize;
    return 1 + (length - PageSize + perPage - 1) / perPage;
}

TBytes ColumnEntry(const TColumnLayout& column, std::size_t number) {
    TBytes entry(ColumnEntrySize, 0);
    Put8(entry, ColumnTypeOffset, column.TypeCode);
    Put32(entry, ColumnMagicOffset, TdefMagic);
    Put16(entry, ColumnNumberOffset, Narrow16(number));
    Put16(entry, ColumnVariableIndexOffset, column.IsFixed() ? 0 : column.VariableIndex);
    Put16(entry, ColumnRowNumberOffset, Narrow16(number));
    if (column.Textual) {
        Put16(entry, ColumnSortOrderOffset, GeneralSortOrder);
        Put8(entry, ColumnSortVersionOffset, 0);
    } else if (column.TypeCode == NumericCode) {
        Put8(entry, ColumnDecimalPrecisionOffset, column.Precision);
        Put8(entry, ColumnDecimalScaleOffset, column.Scale);
    }
    Put8(entry, ColumnFlagsOffset, column.Flags);
    Put8(entry, ColumnExtraFlagsOffset, column.ExtraFlags);
    Put16(entry, ColumnFixedOffsetOffset, column.IsFixed() ? column.FixedOffset : 0);
    Put16(entry, ColumnLengthOffset, column.Length);
    return entry;
}

struct TDefinitionPlace {
    std::uint32_t RowCount = 0;
    std::uint32_t UsageMap = 0;      // row pointer
    std::uint32_t FreeSpaceMap = 0;  // row pointer
    std::uint32_t IndexRootPage = 0; // the primary key's leaf page, when there is a key
};

// The definition as one stream, laid out as if its first page could hold all of it.
TBytes DefinitionStream(const TTableLayout& table, const TDefinitionPlace& place) {
    TBytes stream(TdefHeaderSize, 0);
    Put8(stream, PageTypeOffset, TableDefinitionPageType);
    Put8(stream, PageMarkerOffset, PageMarker);
    Put32(stream, TdefLengthOffset, static_cast<std::uint32_t>(DefinitionLength(table)));
    Put32(stream, TdefMagicOffset, TdefMagic);
    Put32(stream, TdefRowCountOffset, place.RowCount);
    Put8(stream, TdefAutoNumberFlagOffset, AutoNumberEnabled);
    Put8(stream, TdefTableTypeOffset, table.System ? SystemTableType : UserTableType);
    Put16(stream, TdefMaxColumnsOffset, Narrow16(table.Columns.size()));
    Put16(stream, TdefVariableColumnCountOffset, table.VariableColumnCount);
    Put16(stream, TdefColumnCountOffset, Narrow16(table.Columns.size()));
    const std::uint32_t indexes = table.PrimaryKey.empty() ? 0 : 1;
    Put32(stream, TdefLogicalIndexCountOffset, indexes);
    Put32(stream, TdefIndexCountOffset, indexes);
    Put32(stream, TdefUsageMapOffset, place.UsageMap);
    Put32(stream, TdefFreeSpaceMapOffset, place.FreeSpaceMap);
    if (indexes != 0) {
        stream.resize(stream.size() + RealIndexEntrySize, 0); // an empty table: no rows
    }
    for (std::size_t i = 0; i < table.Columns.size(); ++i) {
        const TBytes entry = ColumnEntry(table.Columns[i], i);
        stream.insert(stream.end(), entry.begin(), entry.end());
    }
    for (const TColumnLayout& column : table.Columns) {
        Append16(stream, Narrow16(column.Name.size() * 2));
        const TBytes name = Ucs2Bytes(column.Name);
        stream.insert(stream.end(), name.begin(), name.end());
    }
    if (indexes != 0) {
        TBytes real(RealIndexDefinitionSize, 0);
        Put32(real, 0, TdefMagic);
        for (std::size_t slot = 0; slot < RealIndexKeySlots; ++slot) {
            const bool used = slot < table.PrimaryKey.size();
            Put16(real, 4 + slot * 3, used ? table.PrimaryKey[slot] : UnusedKeySlot);
            Put8(real, 4 + slot * 3 + 2, used ? AscendingKey : 0);
        }
        Put32(real, RealIndexRootPageOffset, place.IndexRootPage);
        Put8(real, RealIndexFlagsOffset, UniqueIndexFlag | RequiredIndexFlag);
        stream.insert(stream.end(), real.begin(), real.end());
        TBytes logical(LogicalIndexSize, 0);
        Put32(logical, 0, TdefMagic);
        Put32(logical, LogicalIndexNumberOffset, 0);
        Put32(logical, LogicalIndexRealNumberOffset, 0);
        Put32(logical, LogicalIndexRelatedIndexOffset, 0xffffffffu); // no related index
        Put8(logical, LogicalIndexTypeOffset, PrimaryKeyIndexType);
        stream.insert(stream.end(), logical.begin(), logical.end());
        const TBytes name =
            Ucs2Bytes(std::u16string(PrimaryKeyIndexName.begin(), PrimaryKeyIndexName.end()));
        Append16(stream, Narrow16(name.size()));
        stream.insert(stream.end(), name.begin(), name.end());
    }
    Append16(stream, TdefEndOfColumnMaps);
    return stream;
}

// Cuts a definition stream into its pages, chaining them through their next-page fields.
std::vector<TBytes> DefinitionPages(const TBytes& stream, const std::vector<std::uint32_t>& pages) {
    std::vector<TBytes> result;
    std::size_t done = 0;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        TBytes page(PageSize, 0);
        // The stream opens with the first page's header; later pages get a header of their own.
        std::size_t start = 0;
        if (i > 0) {
            Put8(page, PageTypeOffset, TableDefinitionPageType);
            Put8(page, PageMarkerOffset, PageMarker);
            start = TdefPageHeaderSize;
        }
        const std::size_t piece = std::min(PageSize - start, stream.size() - done);
        std::copy(stream.begin() + static_cast<std::ptrdiff_t>(done),
                  stream.begin() + static_cast<std::ptrdiff_t>(done + piece),
                  page.begin() + static_cast<std::ptrdiff_t>(start));
        done += piece;
        const std::size_t free = PageSize - start - piece;
        Put16(page, TdefFreeSpaceOffset,
              Narrow16(free > TdefFreeSpaceBias ? free - TdefFreeSpaceBias : 0));
        Put32(page, TdefNextPageOffset, i + 1 < pages.size() ? pages[i + 1] : 0);
        result.push_back(std::move(page));
    }
    if (done != stream.size()) {
        throw std::logic_error("MdbWriter: table definition does not fill its pages");
    }
    return result;
}

// ---------------------------------------------------------------------------------------------
// Stored queries.

// The kind's code in the definition (attribute 1) and its bits in MSysObjects.Flags.
struct TQueryKindCodes {
    std::int16_t DefinitionCode;
    std::int32_t ObjectFlags;
};

TQueryKindCodes CodesOf(TQueryKind kind) {
    switch (kind) {
    case TQueryKind::Select:
        return {1, 0};
    case TQueryKind::MakeTable:
        return {2, 80};
    case TQueryKind::Append:
        return {3, 64};
    case TQueryKind::Update:
        return {4, 48};
    case TQueryKind::Delete:
        return {5, 32};
    case TQueryKind::Crosstab:
        return {6, 16};
    case TQueryKind::DataDefinition:
        return {7, 96};
    case TQueryKind::PassThrough:
        return {8, 112};
    case TQueryKind::Union:
        return {9, 128};
    }
    throw std::runtime_error("unknown query kind");
}

std::int16_t JoinCode(TJoinKind kind) {
    switch (kind) {
    case TJoinKind::Inner:
        return 1;
    case TJoinKind::Left:
        return 2;
    case TJoinKind::Right:
        return 3;
    }
    throw std::runtime_error("unknown join kind");
}

// One row of MSysQueries; empty texts are stored as NULL, as Access does.
struct TQueryRow {
    std::uint8_t Attribute = 0;
    std::int16_t Flag = 0;
    std::string Expression;
    std::string Name1;
    std::string Name2;
};

struct TQueryLayout {
    std::u16string Name;
    std::int32_t Id = 0;
    std::int32_t Flags = 0;
    std::vector<TQueryRow> Rows;
};

// The definition's rows in the order Access writes them: by attribute, each clause's parts in
// their order.
std::vector<TQueryRow> DefinitionRows(const TStoredQuery& query) {
    std::vector<TQueryRow> rows;
    rows.push_back({QueryStartAttribute, 0, "", "", ""});
    rows.push_back({QueryKindAttribute, CodesOf(query.Kind).DefinitionCode, "", query.Target, ""});
    for (const TQueryParameter& parameter : query.Parameters) {
        rows.push_back(
            {QueryParameterAttribute, TraitsOf(parameter.Type).Code, "", parameter.Name, ""});
    }
    rows.push_back({QueryOptionsAttribute,
                    static_cast<std::int16_t>(query.AllFields ? AllFieldsOption : 0), "", "", ""});
    for (const TQuerySource& source : query.Sources) {
        rows.push_back({QuerySourceAttribute, 0, "", source.Name, source.Alias});
    }
    for (const TQueryColumn& column : query.Columns) {
        rows.push_back({QueryColumnAttribute, 0, column.Expression, column.Alias, ""});
    }
    for (const TQueryJoin& join : query.Joins) {
        rows.push_back(
            {QueryJoinAttribute, JoinCode(join.Kind), join.Condition, join.Left, join.Right});
    }
    if (!query.Where.empty()) {
        rows.push_back({QueryWhereAttribute, 0, query.Where, "", ""});
    }
    for (const std::string& group : query.GroupBy) {
        rows.push_back({QueryGroupByAttribute, 0, group, "", ""});
    }
    if (!query.Having.empty()) {
        rows.push_back({QueryHavingAttribute, 0, query.Having, "", ""});
    }
    for (const std::string& order : query.OrderBy) {
        rows.push_back({QueryOrderByAttribute, 0, order, "", ""});
    }
    rows.push_back({QueryEndAttribute, 0, "", "", ""});
    return rows;
}

std::vector<TQueryLayout> LayOutQueries(const std::vector<TStoredQuery>& queries,
                                        const std::vector<TTableLayout>& tables) {
    std::set<std::u16string> seen;
    for (const TTableLayout& table : tables) {
        seen.insert(FoldedName(table.Name));
    }
    std::vector<TQueryLayout> layouts;
    for (const TStoredQuery& query : queries) {
        const std::string what = "query '" + query.Name + "'";
        TQueryLayout layout;
        layout.Name = CheckedName(query.Name, what);
        if (!seen.insert(FoldedName(layout.Name)).second) {
            throw std::runtime_error(what + ": a table or query of that name exists already");
        }
        layout.Id = FirstQueryId + static_cast<std::int32_t>(layouts.size());
        layout.Flags = CodesOf(query.Kind).ObjectFlags;
        if (layout.Name.front() == u'~') {
            layout.Flags |= TemporaryQueryFlags;
        }
        if (query.Hidden) {
            layout.Flags |= HiddenObjectFlag;
        }
        layout.Rows = DefinitionRows(query);
        layouts.push_back(std::move(layout));
    }
    return layouts;
}

// A Memo value of a system table, kept in its row; NULL for an empty text.
std::optional<TBytes> MemoValue(const std::string& text, const std::string& what) {
    if (text.empty()) {
        return std::nullopt;
    }
    return LongValueInRow(Ucs2Bytes(Utf8ToUcs2(text, what)));
}

TBytes QueryRowBytes(const TTableLayout& queries, const TQueryLayout& query, std::size_t index) {
    const TQueryRow& row = query.Rows[index];
    const std::string what = "a definition part of a query";
    TRowValues values(queries.Columns.size());
    values[ColumnIndex(queries, u"Attribute")] = TBytes{row.Attribute};
    values[ColumnIndex(queries, u"Expression")] = MemoValue(row.Expression, what);
    values[ColumnIndex(queries, u"Flag")] = Int16Bytes(row.Flag);
    values[ColumnIndex(queries, u"Name1")] = MemoValue(row.Name1, what);
    values[ColumnIndex(queries, u"Name2")] = MemoValue(row.Name2, what);
    values[ColumnIndex(queries, u"ObjectId")] = Int32Bytes(query.Id);
    // The rows' order within the query, most significant byte first so that it sorts as bytes.
    TBytes order(4);
    Put32(order, 0, static_cast<std::uint32_t>(index));
    std::reverse(order.begin(), order.end());
    values[ColumnIndex(queries, u"Order")] = order;
    TBytes bytes = EncodeRow(queries, values);
    if (bytes.size() > PageSize / 2) {
        throw std::runtime_error("a definition part of a query is too long for a data page");
    }
    return bytes;
}

// ---------------------------------------------------------------------------------------------
// Relationships.

// MSysRelationships.grbit of a relationship whose referential integrity is not enforced.
constexpr std::int32_t RelationNotEnforced = 0x2;

struct TRelationshipRow {
    std::u16string Table;
    std::u16string Column;
    std::u16string ReferencedTable;
    std::u16string ReferencedColumn;
    std::u16string Name;
    std::int32_t ColumnCount = 0;
    std::int32_t ColumnNumber = 0;
    std::int32_t Flags = 0;
};

// The rows of MSysRelationships, one per column pair, each name as its table spells it; throws
// when a table or column is not there.
std::vector<TRelationshipRow> RelationshipRows(const std::vector<TAccessTable>& userTables,
                                               const std::vector<TTableLayout>& tables) {
    const auto tableNamed = [&tables](const std::string& name,
                                      const std::string& what) -> const TTableLayout& {
        const std::u16string folded = FoldedName(CheckedName(name, what));
        for (const TTableLayout& table : tables) {
            if (!table.System && FoldedName(table.Name) == folded) {
                return table;
            }
        }
        throw std::runtime_error(what + ": no table '" + name + "'");
    };
    const auto columnNamed = [](const TTableLayout& table, const std::string& name,
                                const std::string& what) {
        const std::u16string folded = FoldedName(CheckedName(name, what));
        for (const TColumnLayout& column : table.Columns) {
            if (FoldedName(column.Name) == folded) {
                return column.Name;
            }
        }
        throw std::runtime_error(what + ": no column '" + name + "'");
    };
    std::vector<TRelationshipRow> rows;
    std::set<std::u16string> names;
    for (const TAccessTable& user : userTables) {
        for (const TAccessRelationship& relationship : user.Relationships) {
            const std::string what = "relationship '" + relationship.Name + "'";
            const TTableLayout& table = tableNamed(user.Name, what);
            const TTableLayout& referenced = tableNamed(relationship.ReferencedTable, what);
            const std::u16string name = CheckedName(relationship.Name, what);
            if (!names.insert(FoldedName(name)).second) {
                throw std::runtime_error(what + ": a relationship of that name exists already");
            }
            if (relationship.Columns.empty() ||
                relationship.Columns.size() != relationship.ReferencedColumns.size()) {
                throw std::runtime_error(what + ": it needs as many referenced columns as "
                                                "columns, at least one");
            }
            for (std::size_t i = 0; i < relationship.Columns.size(); ++i) {
                TRelationshipRow row;
                row.Table = table.Name;
                row.Column = columnNamed(table, relationship.Columns[i], what);
                row.ReferencedTable = referenced.Name;
                row.ReferencedColumn =
                    columnNamed(referenced, relationship.ReferencedColumns[i], what);
                row.Name = name;
                row.ColumnCount = static_cast<std::int32_t>(relationship.Columns.size());
                row.ColumnNumber = static_cast<std::int32_t>(i);
                row.Flags = relationship.Enforced ? 0 : RelationNotEnforced;
                rows.push_back(std::move(row));
            }
        }
    }
    return rows;
}

TBytes RelationshipRowBytes(const TTableLayout& relationships, const TRelationshipRow& row) {
    TRowValues values(relationships.Columns.size());
    values[ColumnIndex(relationships, u"ccolumn")] = Int32Bytes(row.ColumnCount);
    values[ColumnIndex(relationships, u"grbit")] = Int32Bytes(row.Flags);
    values[ColumnIndex(relationships, u"icolumn")] = Int32Bytes(row.ColumnNumber);
    values[ColumnIndex(relationships, u"szColumn")] = Ucs2Bytes(row.Column);
    values[ColumnIndex(relationships, u"szObject")] = Ucs2Bytes(row.Table);
    values[ColumnIndex(relationships, u"szReferencedColumn")] = Ucs2Bytes(row.ReferencedColumn);
    values[ColumnIndex(relationships, u"szReferencedObject")] = Ucs2Bytes(row.ReferencedTable);
    values[ColumnIndex(relationships, u"szRelationship")] = Ucs2Bytes(row.Name);
    return EncodeRow(relationships, values);
}

// An empty leaf page of an index's B-tree.
TBytes EmptyIndexLeafPage(std::uint32_t definitionPage) {
    TBytes page(PageSize, 0);
    Put8(page, PageTypeOffset, IndexLeafPageType);
    Put8(page, PageMarkerOffset, PageMarker);
    Put16(page, TdefFreeSpaceOffset, Narrow16(PageSize - IndexLeafEntriesStart));
    Put32(page, IndexLeafParentOffset, definitionPage);
    return page;
}

// ---------------------------------------------------------------------------------------------
// The catalogue.

struct TCatalogueEntry {
    std::int32_t Id;
    std::int32_t ParentId;
    std::u16string Name;
    std::int16_t Type;
    std::int32_t Flags;
    TBytes Properties = TBytes(EmptyPropertyBlob.begin(), EmptyPropertyBlob.end());
};

std::vector<TCatalogueEntry> CatalogueEntries(const std::vector<TTableLayout>& tables,
                                              const std::vector<std::uint32_t>& firstPages,
                                              const std::vector<TQueryLayout>& queries) {
    std::vector<TCatalogueEntry> entries = {
        {TablesContainerId, RootId, u"Tables", ContainerObjectType, 0},
        {DatabasesContainerId, RootId, u"Databases", ContainerObjectType, 0},
        {RelationshipsContainerId, RootId, u"Relationships", ContainerObjectType, 0},
        {DatabasePropertiesId, DatabasesContainerId, u"MSysDb", DatabaseObjectType, 0},
    };
    for (std::size_t i = 0; i < tables.size(); ++i) {
        // A table's Id is its definition page, which is how readers find the definition.
        entries.push_back({static_cast<std::int32_t>(firstPages[i]), TablesContainerId,
                           tables[i].Name, TableObjectType,
                           tables[i].System ? SystemTableFlags : UserTableFlags,
                           tables[i].Properties});
    }
    // Access files queries under the Tables container too.
    for (const TQueryLayout& query : queries) {
        entries.push_back({query.Id, TablesContainerId, query.Name, QueryObjectType, query.Flags});
    }
    return entries;
}

TBytes CatalogueRow(const TTableLayout& objects, const TCatalogueEntry& entry) {
    TRowValues values(objects.Columns.size());
    values[ColumnIndex(objects, u"Id")] = Int32Bytes(entry.Id);
    values[ColumnIndex(objects, u"ParentId")] = Int32Bytes(entry.ParentId);
    values[ColumnIndex(objects, u"Name")] = Ucs2Bytes(entry.Name);
    values[ColumnIndex(objects, u"Type")] = Int16Bytes(entry.Type);
    values[ColumnIndex(objects, u"Flags")] = Int32Bytes(entry.Flags);
    values[ColumnIndex(objects, u"DateCreate")] = DoubleBytes(CatalogueDate);
    values[ColumnIndex(objects, u"DateUpdate")] = DoubleBytes(CatalogueDate);
    values[ColumnIndex(objects, u"LvProp")] = LongValueInRow(entry.Properties);
    return EncodeRow(objects, values);
}

// ---------------------------------------------------------------------------------------------
// Page 0.

class TRc4 {
public:
    explicit TRc4(std::span<const std::uint8_t> key) {
        for (std::size_t i = 0; i < State.size(); ++i) {
            State[i] = static_cast<std::uint8_t>(i);
        }
        std::uint8_t j = 0;
        for (std::size_t i = 0; i < State.size(); ++i) {
            j = static_cast<std::uint8_t>(j + State[i] + key[i % key.size()]);
            std::swap(State[i], State[j]);
        }
    }

    void Apply(std::span<std::uint8_t> data) {
        for (std::uint8_t& byte : data) {
            I = static_cast<std::uint8_t>(I + 1);
            J = static_cast<std::uint8_t>(J + State[I]);
            std::swap(State[I], State[J]);
            byte ^= State[static_cast<std::uint8_t>(State[I] + State[J])];
        }
    }

private:
    std::array<std::uint8_t, 256> State{};
    std::uint8_t I = 0;
    std::uint8_t J = 0;
};

TBytes HeaderPage(const TAccessFileOptions& options) {
    const bool ace = options.Format == TAccessFileFormat::Ace2010;
    if (!options.Password.empty() && ace) {
        throw std::runtime_error("an ACE file with a password is an encrypted one: give it an "
                                 "encoding key instead");
    }
    if (options.Password.size() > MaxPasswordLength ||
        std::any_of(options.Password.begin(), options.Password.end(),
                    [](char c) { return static_cast<unsigned char>(c) >= 0x80; })) {
        throw std::runtime_error("a Jet 4 password holds up to 20 ASCII characters");
    }
    TBytes page(PageSize, 0);
    std::copy(HeaderMagic.begin(), HeaderMagic.end(), page.begin() + HeaderMagicOffset);
    const std::string_view formatName = ace ? AceHeaderFormatName : HeaderFormatName;
    std::copy(formatName.begin(), formatName.end(), page.begin() + HeaderFormatNameOffset);
    Put32(page, HeaderVersionOffset, ace ? Ace2010Version : Jet4Version);
    Put16(page, HeaderCodePageOffset, WesternCodePage);
    Put16(page, HeaderSortOrderOffset, GeneralSortOrder);
    Put32(page, HeaderEncodingKeyOffset, options.EncodingKey);
    for (std::size_t i = 0; i < options.Password.size(); ++i) {
        Put16(page, HeaderPasswordOffset + 2 * i,
              static_cast<std::uint16_t>(static_cast<unsigned char>(options.Password[i])));
    }
    if (ace && options.EncodingKey != 0) {
        TBytes info(8, 0);
        Put16(info, 0, AgileEncryptionMajor);
        Put16(info, 2, AgileEncryptionMinor);
        Put32(info, 4, AgileEncryptionReserved);
        info.insert(info.end(), AgileEncryptionDescriptor.begin(), AgileEncryptionDescriptor.end());
        Put16(page, AceEncryptionHeaderOffset, static_cast<std::uint16_t>(info.size()));
        std::copy(info.begin(), info.end(), page.begin() + AceEncryptionHeaderOffset + 2);
    }

    TBytes key(4);
    Put32(key, 0, HeaderMaskKey);
    TRc4 mask(key);
    mask.Apply(std::span(page).subspan(HeaderMaskedOffset, HeaderMaskedLength));
    return page;
}

// ---------------------------------------------------------------------------------------------
// The whole file.

class TDatabaseImage {
public:
    TDatabaseImage(const std::vector<TAccessTable>& userTables,
                   const std::vector<TStoredQuery>& queries, const TAccessFileOptions& options)
        : Options(options), Tables(LayOutTables(userTables)),
          Queries(LayOutQueries(queries, Tables)),
          Relationships(RelationshipRows(userTables, Tables)), Rows(Tables.size()),
          RowCounts(Tables.size(), 0), FirstDataPages(Tables.size(), 0),
          IndexRootPages(Tables.size(), 0) {
        PlaceDefinitions();
        PackRows();
        PackMaps();
        PlaceIndexPages();
        BuildPages();
    }

    void Write(const std::string& path) const {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        if (!file) {
            throw std::runtime_error("cannot create " + path + ": " + std::strerror(errno));
        }
        for (const TBytes& page : Pages) {
            file.write(reinterpret_cast<const char*>(page.data()),
                       static_cast<std::streamsize>(page.size()));
        }
        file.close();
        if (!file) {
            throw std::runtime_error("cannot write " + path);
        }
    }

private:
    TAccessFileOptions Options;
    std::vector<TTableLayout> Tables;
    std::vector<TQueryLayout> Queries;
    std::vector<TRelationshipRow> Relationships;
    std::vector<std::vector<std::uint32_t>> DefinitionPageNumbers; // per table
    std::uint32_t NextPage = 0;
    // The rows of the system tables that hold any (MSysObjects, MSysQueries,
    // MSysRelationships), per table.
    std::vector<TDataPagePacker> Rows;
    std::vector<std::size_t> RowCounts;
    std::vector<std::uint32_t> FirstDataPages;
    TDataPagePacker Maps;
    std::vector<TRowPlace> UsageMapPlaces;     // per table
    std::vector<TRowPlace> FreeSpaceMapPlaces; // per table
    std::uint32_t FirstExtraMapPage = 0;
    std::vector<std::uint32_t> IndexRootPages; // per table; 0 without a primary key
    std::vector<TBytes> Pages;

    // Page 0 is the header and page 1 the first page of usage maps; definitions follow, so
    // MSysObjects, laid out first, lands on page 2.
    void PlaceDefinitions() {
        NextPage = static_cast<std::uint32_t>(FirstMapPage + 1);
        for (const TTableLayout& table : Tables) {
            std::vector<std::uint32_t> pages;
            const std::size_t count = DefinitionPageCount(DefinitionLength(table));
            for (std::size_t i = 0; i < count; ++i) {
                pages.push_back(NextPage++);
            }
            DefinitionPageNumbers.push_back(std::move(pages));
        }
        if (DefinitionPageNumbers.front().front() != SystemObjectsDefinitionPage) {
            throw std::logic_error("MdbWriter: MSysObjects must start on page 2");
        }
    }

    void AddRow(std::size_t table, TBytes row) {
        Rows[table].Add(std::move(row));
        ++RowCounts[table];
    }

    // The catalogue's rows, then the query definitions' rows; each table's data pages follow
    // the definitions in that order.
    void PackRows() {
        std::vector<std::uint32_t> firstPages;
        for (const auto& pages : DefinitionPageNumbers) {
            firstPages.push_back(pages.front());
        }
        for (const TCatalogueEntry& entry : CatalogueEntries(Tables, firstPages, Queries)) {
            AddRow(0, CatalogueRow(Tables.front(), entry));
        }
        const std::size_t queriesTable = TableIndex(u"MSysQueries");
        for (const TQueryLayout& query : Queries) {
            for (std::size_t i = 0; i < query.Rows.size(); ++i) {
                AddRow(queriesTable, QueryRowBytes(Tables[queriesTable], query, i));
            }
        }
        const std::size_t relationshipsTable = TableIndex(u"MSysRelationships");
        for (const TRelationshipRow& row : Relationships) {
            AddRow(relationshipsTable, RelationshipRowBytes(Tables[relationshipsTable], row));
        }
        for (std::size_t t = 0; t < Tables.size(); ++t) {
            FirstDataPages[t] = NextPage;
            NextPage += static_cast<std::uint32_t>(Rows[t].PageCount());
        }
    }

    std::size_t TableIndex(std::u16string_view name) const {
        for (std::size_t t = 0; t < Tables.size(); ++t) {
            if (Tables[t].Name == name) {
                return t;
            }
        }
        throw std::logic_error("MdbWriter: system table missing");
    }

    std::uint32_t DataPage(std::size_t table, std::size_t index) const {
        return FirstDataPages[table] + static_cast<std::uint32_t>(index);
    }

    // Row 0 of page 1 is the global map of free pages (none: every page is in use); then each
    // table's map of owned pages and its map of owned pages with room.
    void PackMaps() {
        Maps.Add(InlineMap(GlobalMapStartPage, {}));
        for (std::size_t t = 0; t < Tables.size(); ++t) {
            std::vector<std::uint32_t> owned;
            std::vector<std::uint32_t> withRoom;
            for (std::size_t i = 0; i < Rows[t].PageCount(); ++i) {
                owned.push_back(DataPage(t, i));
                if (Rows[t].FreeSpace(i) > 0) {
                    withRoom.push_back(DataPage(t, i));
                }
            }
            const std::uint32_t start = owned.empty() ? 0 : FirstDataPages[t];
            UsageMapPlaces.push_back(Maps.Add(InlineMap(start, owned)));
            FreeSpaceMapPlaces.push_back(Maps.Add(InlineMap(start, withRoom)));
        }
        FirstExtraMapPage = NextPage;
        NextPage += static_cast<std::uint32_t>(Maps.PageCount() - 1);
    }

    // The primary keys' leaf pages come last, so that files without keys keep their layout.
    void PlaceIndexPages() {
        for (std::size_t t = 0; t < Tables.size(); ++t) {
            if (!Tables[t].PrimaryKey.empty()) {
                IndexRootPages[t] = NextPage++;
            }
        }
    }

    std::uint32_t MapPage(std::size_t index) const {
        return index == 0 ? static_cast<std::uint32_t>(FirstMapPage)
                          : FirstExtraMapPage + static_cast<std::uint32_t>(index - 1);
    }

    std::uint32_t RowPointer(const TRowPlace& place) const {
        return MapPage(place.PageIndex) << RowPointerPageShift |
               static_cast<std::uint32_t>(place.Row);
    }

    void BuildPages() {
        Pages.assign(NextPage, TBytes());
        Pages[0] = HeaderPage(Options);
        for (std::size_t t = 0; t < Tables.size(); ++t) {
            TDefinitionPlace place;
            place.RowCount = static_cast<std::uint32_t>(RowCounts[t]);
            place.UsageMap = RowPointer(UsageMapPlaces[t]);
            place.FreeSpaceMap = RowPointer(FreeSpaceMapPlaces[t]);
            place.IndexRootPage = IndexRootPages[t];
            if (IndexRootPages[t] != 0) {
                Pages[IndexRootPages[t]] = EmptyIndexLeafPage(DefinitionPageNumbers[t].front());
            }
            const std::vector<TBytes> pages =
                DefinitionPages(DefinitionStream(Tables[t], place), DefinitionPageNumbers[t]);
            for (std::size_t i = 0; i < pages.size(); ++i) {
                Pages[DefinitionPageNumbers[t][i]] = pages[i];
            }
            for (std::size_t i = 0; i < Rows[t].PageCount(); ++i) {
                Pages[DataPage(t, i)] = Rows[t].BuildPage(i, DefinitionPageNumbers[t].front());
            }
        }
        for (std::size_t i = 0; i < Maps.PageCount(); ++i) {
            Pages[MapPage(i)] = Maps.BuildPage(i, NoOwner);
        }
        for (const TBytes& page : Pages) {
            if (page.size() != PageSize) {
                throw std::logic_error("MdbWriter: a page was left unwritten");
            }
        }
        if (Options.EncodingKey != 0 && Options.Format == TAccessFileFormat::Jet4) {
            EncodePages();
        }
    }

    // Jet 4 encodes each page but the header with RC4, keyed by the encoding key XOR the page
    // number (little-endian).
    void EncodePages() {
        for (std::size_t number = 1; number < Pages.size(); ++number) {
            TBytes key(4);
            Put32(key, 0, Options.EncodingKey ^ static_cast<std::uint32_t>(number));
            TRc4 cipher(key);
            cipher.Apply(Pages[number]);
        }
    }
};

} // namespace

void WriteJet4Database(const std::string& path, const std::vector<TAccessTable>& tables,
                       const std::vector<TStoredQuery>& queries,
                       const TAccessFileOptions& options) {
    TDatabaseImage(tables, queries, options).Write(path);
}

} // namespace quorvane::testing
