// quorvane-mdb-reader FILE: prints the user and system tables of an Access database, their
// columns with their field properties and their primary keys, then its relationships, then its
// stored queries and their definitions, as libmdb reads them, for the
// engine's Access back-end.
//
// The engine runs this in a process of its own because libmdb trusts the file it reads: a
// damaged file can make it crash or loop. Here that ends this process only, and the engine
// reports the file as damaged. The checks below turn the common cases (an empty, truncated or
// foreign file, an unknown version) into clear messages before libmdb sees the file.
//
// The output is the line protocol of AccessReaderProtocol.h.

// glib must come first: mdbtools.h includes it inside extern "C", where its C++ parts break.
#include <glib.h>
#include <mdbtools.h>

#include "schema/access/AccessReaderProtocol.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t VersionOffset = 0x14;
// Jet 4 and ACE mask 128 bytes of the header with RC4 under a fixed key; the page encoding key
// lies inside the masked part.
constexpr std::size_t MaskedOffset = 0x18;
constexpr std::size_t MaskedLength = 128;
constexpr std::uint32_t HeaderMaskKey = 0x6b39dac7;
constexpr std::size_t EncodingKeyOffset = 0x3e;
constexpr std::size_t HeaderBytes = MaskedOffset + MaskedLength;
// The magic number, the engine's name and the version.
constexpr std::size_t SignatureBytes = 0x20;
constexpr unsigned char HighestKnownVersion = MDB_VER_ACCDB_2019;
constexpr std::size_t Jet3PageSize = 2048;
constexpr std::size_t JetPageSize = 4096;
constexpr rlim_t MemoryLimitBytes = rlim_t{1} << 30;
constexpr rlim_t CpuLimitSeconds = 60;
// A query's SQL may be 64K characters, up to three bytes each in UTF-8; a longer value is cut.
constexpr std::size_t BindBytes = 256 * 1024;
constexpr long long QueryObjectType = 5; // MSysObjects.Type of a stored query

using namespace quorvane::access_reader;

// What libmdb writes on standard error. It reports there the damage it passes over and goes on
// without the row or page it could not read: a catalogue row lost so leaves a table out of the
// list, and nothing else says so. Standard error is a pipe of this process's own, read after
// each part of the file, so that each warning is laid to the part it came from.
class TLibraryWarnings {
public:
    TLibraryWarnings() {
        // Started with a standard descriptor closed, the pipe would take its number.
        for (int opened = 0; opened <= STDERR_FILENO;) {
            opened = ::open("/dev/null", O_RDWR);
            if (opened < 0) {
                break;
            }
            if (opened > STDERR_FILENO) {
                ::close(opened);
            }
        }
        int ends[2];
        // Non-blocking: a library writing more than the pipe holds loses the rest, not the
        // process; that it wrote at all is what counts.
        if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
            return;
        }
        if (::dup2(ends[1], STDERR_FILENO) < 0) {
            ::close(ends[0]);
        } else {
            FRead = ends[0];
        }
        ::close(ends[1]);
    }
    TLibraryWarnings(const TLibraryWarnings&) = delete;
    TLibraryWarnings& operator=(const TLibraryWarnings&) = delete;
    ~TLibraryWarnings() {
        if (FRead >= 0) {
            ::close(FRead);
        }
    }

    /// Whether the library wrote anything since the last call.
    bool Any() {
        std::fflush(stderr);
        bool any = false;
        char buffer[4096];
        while (FRead >= 0 && ::read(FRead, buffer, sizeof buffer) > 0) {
            any = true;
        }
        return any;
    }

private:
    int FRead = -1;
};

void PrintLine(const std::string& line) {
    std::printf("%s\n", line.c_str());
}

int Fail(const std::string& message) {
    PrintLine(std::string(1, ErrorRecord) + " " + message);
    return 1;
}

// RC4 applied in place, as Jet masks its header.
void ApplyRc4(std::uint32_t key, char* data, std::size_t length) {
    std::array<std::uint8_t, 4> keyBytes{};
    for (std::size_t i = 0; i < keyBytes.size(); ++i) {
        keyBytes[i] = static_cast<std::uint8_t>(key >> (8 * i));
    }
    std::array<std::uint8_t, 256> state{};
    for (std::size_t i = 0; i < state.size(); ++i) {
        state[i] = static_cast<std::uint8_t>(i);
    }
    std::uint8_t j = 0;
    for (std::size_t i = 0; i < state.size(); ++i) {
        j = static_cast<std::uint8_t>(j + state[i] + keyBytes[i % keyBytes.size()]);
        std::swap(state[i], state[j]);
    }
    std::uint8_t x = 0;
    std::uint8_t y = 0;
    for (std::size_t n = 0; n < length; ++n) {
        x = static_cast<std::uint8_t>(x + 1);
        y = static_cast<std::uint8_t>(y + state[x]);
        std::swap(state[x], state[y]);
        data[n] = static_cast<char>(static_cast<std::uint8_t>(data[n]) ^
                                    state[static_cast<std::uint8_t>(state[x] + state[y])]);
    }
}

// Whether the pages of an Access 2007 or later file are encrypted. Such a file encrypts its
// pages with the Office document cryptography (RC4 CryptoAPI, or AES since Access 2010) once
// it has a database password, and says so by a page encoding key in its header. libmdb only
// knows the RC4 encoding of Jet 4, which it applies for a Jet 4 file with that key; on an ACE
// file it would decode the pages wrongly and find nothing but damage.
bool IsEncryptedAceFile(std::array<char, HeaderBytes> header, unsigned char version) {
    if (version < MDB_VER_ACCDB_2007) {
        return false;
    }
    ApplyRc4(HeaderMaskKey, header.data() + MaskedOffset, MaskedLength);
    return std::any_of(header.begin() + EncodingKeyOffset, header.begin() + EncodingKeyOffset + 4,
                       [](char byte) { return byte != 0; });
}

std::size_t FileSizeOf(const char* path) {
    struct stat status {};
    return ::stat(path, &status) == 0 ? static_cast<std::size_t>(status.st_size) : 0;
}

// What is wrong with the file before libmdb reads it, or "" when it looks like an Access file.
std::string CheckFile(const char* path, unsigned char& version) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        return std::string(std::strerror(errno));
    }
    const auto size = static_cast<std::size_t>(in.tellg());
    if (size == 0) {
        return "The file is empty.";
    }
    std::array<char, HeaderBytes> header{};
    in.seekg(0);
    if (size < SignatureBytes ||
        !in.read(header.data(), static_cast<std::streamsize>(std::min(size, HeaderBytes)))) {
        return "It is not an Access database.";
    }
    const bool magic = header[0] == 0 && header[1] == 1 && header[2] == 0 && header[3] == 0;
    const std::string signature(header.data() + 4, 15);
    if (!magic || (signature != "Standard Jet DB" && signature != "Standard ACE DB")) {
        return "It is not an Access database.";
    }
    version = static_cast<unsigned char>(header[VersionOffset]);
    if (version > HighestKnownVersion) {
        return "It is of an Access version Quorvane does not know (version byte " +
               std::to_string(version) + ").";
    }
    const std::size_t pageSize = version == MDB_VER_JET3 ? Jet3PageSize : JetPageSize;
    if (size < 2 * pageSize || size % pageSize != 0) {
        return "The file is truncated.";
    }
    if (IsEncryptedAceFile(header, version)) {
        return "The file is encrypted with a database password and cannot be read. Remove the "
               "password in Access (File, Info, Decrypt Database) and open the file again.";
    }
    return {};
}

// A table read row by row, the named columns bound to buffers of their own; the definition is
// freed with it.
class TBoundRows {
public:
    TBoundRows(MdbCatalogEntry* entry, const std::vector<std::string>& columns) {
        if (entry == nullptr || (FTable = mdb_read_table(entry)) == nullptr ||
            mdb_read_columns(FTable) == nullptr) {
            return;
        }
        FValues.assign(columns.size(), std::vector<char>(BindBytes, '\0'));
        for (std::size_t i = 0; i < columns.size(); ++i) {
            std::string name = columns[i];
            if (mdb_bind_column_by_name(FTable, name.data(), FValues[i].data(), nullptr) < 0) {
                return;
            }
        }
        FBound = mdb_rewind_table(FTable) == 0;
    }
    TBoundRows(const TBoundRows&) = delete;
    TBoundRows& operator=(const TBoundRows&) = delete;
    ~TBoundRows() {
        if (FTable != nullptr) {
            mdb_free_tabledef(FTable);
        }
    }

    /// Whether the table was read and every column found.
    bool Bound() const { return FBound; }
    bool Next() {
        if (!FBound || mdb_fetch_row(FTable) == 0) {
            return false;
        }
        ++FRowsRead;
        return true;
    }
    /// After the last row: whether as many rows were read as the table's definition counts.
    /// libmdb passes over a row it cannot read, and a damaged row offset makes a row look
    /// deleted; either way the table lost a row and nothing else says so.
    bool AllRowsRead() const { return FBound && FRowsRead == FTable->num_rows; }
    /// The value of the column at `index` in the current row; "" for NULL.
    std::string Text(std::size_t index) const {
        const std::vector<char>& value = FValues[index];
        return std::string(value.data(), strnlen(value.data(), value.size()));
    }
    long long Number(std::size_t index) const {
        return std::strtoll(Text(index).c_str(), nullptr, 10);
    }

private:
    MdbTableDef* FTable = nullptr;
    std::vector<std::vector<char>> FValues;
    bool FBound = false;
    unsigned int FRowsRead = 0;
};

MdbCatalogEntry* CatalogEntryNamed(GPtrArray* catalog, const char* name) {
    for (guint i = 0; i < catalog->len; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(catalog, i));
        if (std::strcmp(entry->object_name, name) == 0) {
            return entry;
        }
    }
    return nullptr;
}

// A table definition of libmdb, freed with its columns and indexes.
class TTableDefinition {
public:
    explicit TTableDefinition(MdbTableDef* table) noexcept : FTable(table) {}
    TTableDefinition(TTableDefinition&& other) noexcept : FTable(other.FTable) {
        other.FTable = nullptr;
    }
    TTableDefinition& operator=(TTableDefinition&& other) noexcept {
        std::swap(FTable, other.FTable);
        return *this;
    }
    TTableDefinition(const TTableDefinition&) = delete;
    TTableDefinition& operator=(const TTableDefinition&) = delete;
    ~TTableDefinition() {
        if (FTable != nullptr) {
            mdb_free_tabledef(FTable);
        }
    }

    MdbTableDef* get() const noexcept { return FTable; }
    explicit operator bool() const noexcept { return FTable != nullptr; }

private:
    MdbTableDef* FTable = nullptr;
};

// The field properties Access keeps for each column (Required, DefaultValue, Description). They
// come with the catalogue (MSysObjects.LvProp); a table without a property list gives no line,
// and its columns' facts stay unknown.
void PrintFieldProperties(MdbCatalogEntry* entry, GPtrArray* columns) {
    if (entry->props == nullptr) {
        return;
    }
    const auto text = [](const MdbColumn* column, const char* name) {
        const char* value = mdb_col_get_prop(column, name);
        return value == nullptr ? std::string() : std::string(value);
    };
    for (guint c = 0; c < columns->len; ++c) {
        const auto* column = static_cast<const MdbColumn*>(g_ptr_array_index(columns, c));
        // libmdb gives a Yes/No property as "yes" or "no".
        PrintLine(FieldPropertiesLine({column->name, text(column, "Required") == "yes",
                                       !text(column, "DefaultValue").empty(),
                                       text(column, "Description")}));
    }
}

// The primary key of a table whose indexes are read: the index Access flags as the table's
// primary key, its columns in key order. libmdb numbers a key's columns from 1; a number outside
// the table means damage, and the key is then left unknown.
void PrintPrimaryKey(MdbTableDef* table) {
    constexpr unsigned char PrimaryKeyIndexType = 1;
    if (table->indices == nullptr || table->columns == nullptr) {
        return;
    }
    std::vector<std::string> key;
    for (guint i = 0; i < table->indices->len; ++i) {
        const auto* index = static_cast<const MdbIndex*>(g_ptr_array_index(table->indices, i));
        if (index->index_type != PrimaryKeyIndexType) {
            continue;
        }
        if (index->num_keys > MDB_MAX_IDX_COLS) {
            return;
        }
        for (unsigned k = 0; k < index->num_keys; ++k) {
            const int number = index->key_col_num[k];
            if (number < 1 || static_cast<guint>(number) > table->columns->len) {
                return;
            }
            key.emplace_back(
                static_cast<const MdbColumn*>(g_ptr_array_index(table->columns, number - 1))->name);
        }
        break;
    }
    PrintLine(PrimaryKeyLine(key));
}

// Every row of MSysRelationships; false when the table is missing or cannot be read (a row of it
// lost included), and the relationships are then unknown.
bool PrintRelationships(MdbHandle* mdb, GPtrArray* catalog, TLibraryWarnings& warnings) {
    mdb_set_bind_size(mdb, BindBytes);
    TBoundRows rows(CatalogEntryNamed(catalog, "MSysRelationships"),
                    {"szObject", "szColumn", "szReferencedObject", "szReferencedColumn",
                     "szRelationship", "ccolumn", "icolumn", "grbit"});
    if (!rows.Bound()) {
        return false;
    }
    while (rows.Next()) {
        PrintLine(RelationshipLine({rows.Text(0), rows.Text(1), rows.Text(2), rows.Text(3),
                                    rows.Text(4), rows.Number(5), rows.Number(6), rows.Number(7)}));
    }
    return rows.AllRowsRead() && !warnings.Any();
}

// The stored queries from MSysObjects and every row of their definitions from MSysQueries, or a
// "W" line when either cannot be read or lost a row.
void PrintQueries(MdbHandle* mdb, GPtrArray* catalog, TLibraryWarnings& warnings) {
    const auto unreadable = [](const char* table) {
        PrintLine(std::string(1, QueryWarningRecord) + " " + table + " cannot be read.");
    };
    mdb_set_bind_size(mdb, BindBytes);
    TBoundRows objects(CatalogEntryNamed(catalog, "MSysObjects"), {"Id", "Name", "Type", "Flags"});
    if (!objects.Bound()) {
        unreadable("MSysObjects");
        return;
    }
    bool anyQuery = false;
    while (objects.Next()) {
        if (objects.Number(2) == QueryObjectType) {
            PrintLine(QueryObjectLine({objects.Text(1), objects.Number(0), objects.Number(3)}));
            anyQuery = true;
        }
    }
    if (warnings.Any()) {
        unreadable("MSysObjects");
        return;
    }
    if (!anyQuery) {
        return;
    }
    TBoundRows rows(CatalogEntryNamed(catalog, "MSysQueries"),
                    {"ObjectId", "Attribute", "Flag", "Expression", "Name1", "Name2"});
    if (!rows.Bound()) {
        unreadable("MSysQueries");
        return;
    }
    while (rows.Next()) {
        PrintLine(QueryRowLine({rows.Number(0), static_cast<int>(rows.Number(1)), rows.Number(2),
                                rows.Text(3), rows.Text(4), rows.Text(5)}));
    }
    if (!rows.AllRowsRead() || warnings.Any()) {
        unreadable("MSysQueries");
    }
}

} // namespace

// Whether an object type of MSysObjects is one Access writes: tables, the database, containers,
// linked tables, queries and relationships count up from 1, the objects of Access itself
// (forms, reports, macros, modules, pages and the like) up from -32768.
bool IsObjectType(const std::string& text) {
    if (text.empty()) {
        return false; // every object has a type
    }
    const long long type = std::strtoll(text.c_str(), nullptr, 10);
    return (type >= 1 && type <= 8) || (type >= -32768 && type <= -32740);
}

// Whether every row of the catalogue (MSysObjects) can be read and makes sense. libmdb's
// catalogue leaves out, without a word, a row it could not read, that looks deleted or whose
// type is no object's, and lists a table flagged as a system object among the system tables:
// the list of tables and queries would be short by one as if it were whole. So each row must
// have a type Access writes; no container lies in the Tables container (a table whose type
// turned into one would leave the list); and a table not named as Access names its own
// ("MSys...") carries both bits of the system flag or neither (Access sets them together,
// dbSystemObject; one of them alone is a changed byte).
bool CatalogueIsSound(MdbHandle* mdb, GPtrArray* catalog) {
    constexpr long long TableType = 1;
    constexpr long long DatabaseType = 2;
    constexpr long long ContainerType = 3;
    constexpr std::uint32_t SystemFlags = 0x80000002;
    struct TRow {
        long long Parent;
        long long Type;
    };
    mdb_set_bind_size(mdb, BindBytes);
    TBoundRows rows(CatalogEntryNamed(catalog, "MSysObjects"),
                    {"Id", "ParentId", "Type", "Name", "Flags"});
    std::vector<TRow> objects;
    long long tablesContainer = 0;
    bool sensible = true;
    while (rows.Next()) {
        const long long type = rows.Number(2);
        const std::string name = rows.Text(3);
        const auto system = static_cast<std::uint32_t>(rows.Number(4)) & SystemFlags;
        sensible = sensible && IsObjectType(rows.Text(2)) &&
                   (type != TableType || name.rfind("MSys", 0) == 0 || system == 0 ||
                    system == SystemFlags);
        objects.push_back({rows.Number(1), type});
        if (type == ContainerType && name == "Tables") {
            tablesContainer = rows.Number(0);
        }
    }
    for (const TRow& object : objects) {
        if (tablesContainer != 0 && object.Parent == tablesContainer &&
            (object.Type == ContainerType || object.Type == DatabaseType)) {
            sensible = false;
        }
    }
    return sensible && rows.AllRowsRead();
}

// Bounds what a damaged file can make libmdb do: it trusts the file, and one wrong byte can
// make it allocate without end or loop. Past these limits this process dies, and the engine
// reports the file as damaged. No file of ours needs more than a fraction of them.
void LimitThisProcess() {
    const auto limit = [](int resource, rlim_t soft, rlim_t hard) {
        const rlimit value{soft, hard};
        ::setrlimit(resource, &value);
    };
    limit(RLIMIT_AS, MemoryLimitBytes, MemoryLimitBytes);
    limit(RLIMIT_CPU, CpuLimitSeconds, CpuLimitSeconds + 5);
    limit(RLIMIT_FSIZE, 0, 0); // it writes no file
    limit(RLIMIT_CORE, 0, 0);
}

// What a catalogue that lost part of itself shows: an object whose definition lies past the
// end of the file (a truncated file), or a name no Access object can have. Reading on would
// give a partial list of tables as if it were whole.
std::string CheckCatalogue(GPtrArray* catalog, std::size_t pages) {
    for (guint i = 0; i < catalog->len; ++i) {
        const auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(catalog, i));
        const std::string name = entry->object_name;
        if (std::any_of(name.begin(), name.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 32; })) {
            return "Its table catalogue holds a name with control characters; the file is "
                   "damaged.";
        }
        if (entry->table_pg >= pages) {
            return "Its table catalogue names \"" + name +
                   "\" on a page past the end of the file; the file is truncated or damaged.";
        }
    }
    return {};
}

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quorvane-mdb-reader FILE\n");
        return 2;
    }
    LimitThisProcess();
    // libmdb's debugging switches print on standard error, which here means damage.
    ::unsetenv("MDBOPTS");
    TLibraryWarnings warnings;
    unsigned char version = 0;
    const std::string problem = CheckFile(argv[1], version);
    if (!problem.empty()) {
        return Fail(problem);
    }
    MdbHandle* mdb = mdb_open(argv[1], MDB_NOFLAGS);
    if (mdb == nullptr) {
        return Fail("The file is damaged.");
    }
    if (warnings.Any()) {
        mdb_close(mdb);
        return Fail("The file is damaged.");
    }
    PrintLine(std::string(1, VersionRecord) + " " + std::to_string(version));
    GPtrArray* catalog = mdb_read_catalog(mdb, MDB_TABLE);
    // The catalogue is MSysObjects and lists itself; a catalogue without it lost its rows to
    // damage, and the tables it names are not all there. A row libmdb could not read and passed
    // over says so only in a warning: the list is then short by that table or query.
    if (catalog == nullptr || CatalogEntryNamed(catalog, "MSysObjects") == nullptr ||
        !CatalogueIsSound(mdb, catalog) || warnings.Any()) {
        mdb_close(mdb);
        return Fail("Its table catalogue cannot be read; the file is damaged.");
    }
    const std::size_t pageSize = version == MDB_VER_JET3 ? Jet3PageSize : JetPageSize;
    if (const std::string damage = CheckCatalogue(catalog, FileSizeOf(argv[1]) / pageSize);
        !damage.empty()) {
        mdb_close(mdb);
        return Fail(damage);
    }
    for (guint i = 0; i < catalog->len; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(catalog, i));
        if (entry->object_type != MDB_TABLE) {
            continue;
        }
        PrintLine(TableLine(entry->object_name, mdb_is_system_table(entry)));
        if (mdb_is_system_table(entry)) {
            continue; // their columns are never asked for
        }
        TTableDefinition table(mdb_read_table(entry));
        GPtrArray* columns = table ? mdb_read_columns(table.get()) : nullptr;
        if (columns != nullptr) {
            // libmdb reads the index definitions on from where the columns ended.
            mdb_read_indices(table.get());
        }
        // A definition libmdb read only in part (it said so on standard error) would give a
        // table short of columns as if it were whole.
        if (columns == nullptr || warnings.Any()) {
            // The catalogue entry belongs to the handle: take its name before closing.
            const std::string name = entry->object_name;
            mdb_close(mdb);
            return Fail("The definition of table \"" + name +
                        "\" cannot be read; the file is damaged.");
        }
        for (guint c = 0; c < columns->len; ++c) {
            auto* column = static_cast<MdbColumn*>(g_ptr_array_index(columns, c));
            PrintLine(ColumnLine({column->name, column->col_type, column->col_size,
                                  column->col_prec, column->col_scale, column->is_fixed != 0,
                                  column->is_long_auto != 0, column->is_uuid_auto != 0}));
        }
        PrintFieldProperties(entry, columns);
        PrintPrimaryKey(table.get());
    }
    PrintLine(std::string(1, TablesListedRecord));
    // Output is flushed here and after the relationships: should they or the query definitions
    // crash this process, what came before is already with the engine.
    std::fflush(stdout);
    if (PrintRelationships(mdb, catalog, warnings)) {
        PrintLine(std::string(1, RelationshipsListedRecord));
    }
    std::fflush(stdout);
    PrintQueries(mdb, catalog, warnings);
    mdb_close(mdb);
    PrintLine(std::string(1, DoneRecord));
    return 0;
}
