// The Firebird back-end: a database file opened through the embedded engine, or a database on a
// Firebird or InterBase server, read through libfbclient's ISC API from the system tables and
// reported as an OLE DB provider for Firebird reports it.

#include "schema/firebird/FirebirdSchemaSource.h"

#include "io/FileCopy.h"
#include "io/PrivateFolder.h"
#include "text/EngineErrors.h"
#include "text/ShownText.h"
#include "text/StringUtils.h"
#include "text/TextEncoding.h"

#include <ibase.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <mutex>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>
#include <utility>
#include <vector>

namespace quorvane {

namespace {

// ---------------------------------------------------------------------------------------------
// Firebird's own codes, as its system tables and API use them.

namespace blr {
constexpr int Short = 7;
constexpr int Long = 8;
constexpr int Float = 10;
constexpr int DFloat = 11;
constexpr int SqlDate = 12;
constexpr int SqlTime = 13;
constexpr int Text = 14;
constexpr int Int64 = 16;
constexpr int Boolean = 23;
constexpr int Int128 = 26;
constexpr int Double = 27;
constexpr int TimeWithTimeZone = 28;
constexpr int TimestampWithTimeZone = 29;
constexpr int Timestamp = 35;
constexpr int Varying = 37;
constexpr int Blob = 261;
} // namespace blr

constexpr int NumericSubType = 1;
constexpr int DecimalSubType = 2;
constexpr int TextBlobSubType = 1;
constexpr int OctetsCharacterSet = 1;
constexpr int UnicodeFssCharacterSet = 3;
constexpr int Utf8CharacterSet = 4;

// The SQLCODE of a column the server does not know, as an older server answers the newer system
// columns.
constexpr ISC_LONG ColumnUnknownSqlCode = -206;
constexpr ISC_STATUS EndOfCursor = 100;
constexpr unsigned short SqlDialect3 = 3;
// Names are at most 63 characters of up to 4 bytes (Firebird 4; 31 before).
constexpr std::size_t MaxNameBytes = 252;
// Items of a database parameter block carry one length byte.
constexpr std::size_t MaxParameterLength = 255;

// ---------------------------------------------------------------------------------------------
// Status vectors and their messages.

class TStatus {
public:
    ISC_STATUS* Get() noexcept { return FVector; }
    bool Failed() const noexcept { return FVector[0] == 1 && FVector[1] != 0; }
    ISC_LONG SqlCode() const noexcept { return isc_sqlcode(FVector); }

    // Whether Firebird gave `code` among its reasons.
    bool Has(ISC_STATUS code) const noexcept {
        for (std::size_t at = 0; at + 1 < ISC_STATUS_LENGTH && FVector[at] != isc_arg_end;) {
            if (FVector[at] == isc_arg_gds && FVector[at + 1] == code) {
                return true;
            }
            at += FVector[at] == isc_arg_cstring ? 3 : 2;
        }
        return false;
    }

    // Firebird's messages one after the other, each a sentence, all on one line.
    std::string Text() const {
        std::string text;
        const ISC_STATUS* cursor = FVector;
        char line[1024];
        while (fb_interpret(line, sizeof line, &cursor) > 0) {
            std::string sentence = OneLineText(line);
            if (sentence.empty()) {
                continue;
            }
            if (sentence.back() != '.') {
                sentence += '.';
            }
            text += (text.empty() ? "" : " ") + sentence;
        }
        return text.empty() ? std::string("Firebird gave no reason.") : text;
    }

private:
    ISC_STATUS_ARRAY FVector = {};
};

// ---------------------------------------------------------------------------------------------
// Handles. Each is given back with its own call; the calls report failures in a status vector
// of their own, which a destructor has no use for.

template <void (*GiveBack)(ISC_STATUS* status, FB_API_HANDLE* handle)> class TFirebirdHandle {
public:
    TFirebirdHandle() = default;
    ~TFirebirdHandle() { Reset(); }
    TFirebirdHandle(TFirebirdHandle&& other) noexcept : FHandle(std::exchange(other.FHandle, 0)) {}
    TFirebirdHandle& operator=(TFirebirdHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            FHandle = std::exchange(other.FHandle, 0);
        }
        return *this;
    }
    TFirebirdHandle(const TFirebirdHandle&) = delete;
    TFirebirdHandle& operator=(const TFirebirdHandle&) = delete;

    FB_API_HANDLE* Get() noexcept { return &FHandle; }

private:
    FB_API_HANDLE FHandle = 0;

    void Reset() noexcept {
        if (FHandle != 0) {
            TStatus status;
            GiveBack(status.Get(), &FHandle);
            FHandle = 0;
        }
    }
};

void DetachDatabase(ISC_STATUS* status, FB_API_HANDLE* handle) {
    isc_detach_database(status, handle);
}

// Read only: rolling it back gives nothing up.
void RollBackTransaction(ISC_STATUS* status, FB_API_HANDLE* handle) {
    isc_rollback_transaction(status, handle);
}

void DropStatement(ISC_STATUS* status, FB_API_HANDLE* handle) {
    isc_dsql_free_statement(status, handle, DSQL_drop);
}

void CloseBlob(ISC_STATUS* status, FB_API_HANDLE* handle) {
    isc_close_blob(status, handle);
}

using TAttachment = TFirebirdHandle<DetachDatabase>;
using TTransaction = TFirebirdHandle<RollBackTransaction>;
using TStatement = TFirebirdHandle<DropStatement>;
using TBlob = TFirebirdHandle<CloseBlob>;

// ---------------------------------------------------------------------------------------------
// Descriptor areas: the columns of a statement's rows (or its parameters), each with a buffer
// of its own.

class TDescriptorArea {
public:
    explicit TDescriptorArea(short columns) { Resize(columns); }

    XSQLDA* Get() noexcept { return reinterpret_cast<XSQLDA*>(FArea.data()); }
    short Described() noexcept { return Get()->sqld; }

    void Resize(short columns) {
        const short count = std::max<short>(columns, 1);
        FArea.assign(XSQLDA_LENGTH(count) / sizeof(std::max_align_t) + 1, {});
        Get()->version = SQLDA_VERSION1;
        Get()->sqln = count;
    }

    // Buffers for every described column, as the types it was described with.
    void Bind() {
        XSQLDA* area = Get();
        FBuffers.assign(static_cast<std::size_t>(area->sqld), {});
        FIndicators.assign(static_cast<std::size_t>(area->sqld), 0);
        for (short index = 0; index < area->sqld; ++index) {
            XSQLVAR& column = area->sqlvar[index];
            std::vector<char>& buffer = FBuffers[static_cast<std::size_t>(index)];
            const int type = column.sqltype & ~1;
            buffer.assign(static_cast<std::size_t>(column.sqllen) +
                              (type == SQL_VARYING ? sizeof(short) : 0) + sizeof(ISC_INT64),
                          0);
            column.sqldata = buffer.data();
            column.sqlind = &FIndicators[static_cast<std::size_t>(index)];
        }
    }

    // A text parameter: the name a table is looked up by.
    void BindText(short index, const std::string& text) {
        XSQLVAR& column = Get()->sqlvar[index];
        FBuffers.resize(
            std::max<std::size_t>(FBuffers.size(), static_cast<std::size_t>(index) + 1));
        FIndicators.resize(FBuffers.size(), 0);
        std::vector<char>& buffer = FBuffers[static_cast<std::size_t>(index)];
        buffer.assign(text.begin(), text.end());
        buffer.push_back('\0');
        column.sqltype = SQL_TEXT;
        column.sqllen = static_cast<short>(text.size());
        column.sqldata = buffer.data();
        column.sqlind = nullptr;
    }

    bool IsNull(short index) noexcept {
        const XSQLVAR& column = Get()->sqlvar[index];
        return (column.sqltype & 1) != 0 && *column.sqlind < 0;
    }

    // A text column without the blanks CHAR pads it with (names are CHAR in the system tables).
    std::string Text(short index) {
        if (IsNull(index)) {
            return {};
        }
        const XSQLVAR& column = Get()->sqlvar[index];
        std::string text;
        switch (column.sqltype & ~1) {
        case SQL_TEXT:
            text.assign(column.sqldata, static_cast<std::size_t>(column.sqllen));
            break;
        case SQL_VARYING: {
            short length = 0;
            std::memcpy(&length, column.sqldata, sizeof length);
            text.assign(column.sqldata + sizeof length,
                        static_cast<std::size_t>(std::clamp<short>(length, 0, column.sqllen)));
            break;
        }
        default:
            break;
        }
        text.erase(text.find_last_not_of(' ') + 1);
        return text;
    }

    // The identifier of a blob column's value.
    std::optional<ISC_QUAD> BlobId(short index) {
        const XSQLVAR& column = Get()->sqlvar[index];
        if (IsNull(index) || (column.sqltype & ~1) != SQL_BLOB) {
            return std::nullopt;
        }
        ISC_QUAD id{};
        std::memcpy(&id, column.sqldata, sizeof id);
        return id;
    }

    std::optional<std::int64_t> Integer(short index) {
        if (IsNull(index)) {
            return std::nullopt;
        }
        const XSQLVAR& column = Get()->sqlvar[index];
        switch (column.sqltype & ~1) {
        case SQL_SHORT: {
            short value = 0;
            std::memcpy(&value, column.sqldata, sizeof value);
            return value;
        }
        case SQL_LONG: {
            ISC_LONG value = 0;
            std::memcpy(&value, column.sqldata, sizeof value);
            return value;
        }
        case SQL_INT64: {
            ISC_INT64 value = 0;
            std::memcpy(&value, column.sqldata, sizeof value);
            return value;
        }
        default:
            return std::nullopt;
        }
    }

private:
    std::vector<std::max_align_t> FArea;
    std::vector<std::vector<char>> FBuffers;
    std::vector<short> FIndicators;
};

// ---------------------------------------------------------------------------------------------
// The embedded engine's lock folder.

// The embedded engine keeps its lock tables in FIREBIRD_LOCK, by default /tmp/firebird: a folder
// the first user to open a database makes for himself, which then locks every other user out.
// This process gets a folder of the user's own instead, set for it alone.
void PrepareEmbeddedEngine() {
    static std::once_flag prepared;
    // A failure leaves the flag unset: the next connection tries again.
    std::call_once(prepared, [] {
        if (std::getenv("FIREBIRD_LOCK") != nullptr) {
            return;
        }
        std::vector<std::string> candidates;
        std::error_code error;
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        if (runtime != nullptr && *runtime == '/' &&
            std::filesystem::is_directory(runtime, error)) {
            candidates.push_back((std::filesystem::path(runtime) / "quorvane-firebird").string());
        }
        const std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
        if (!error) {
            std::string name = "quorvane-firebird-";
            name += std::to_string(::getuid());
            candidates.push_back((temporary / name).string());
        }
        ::setenv("FIREBIRD_LOCK", ChooseFirebirdLockFolder(candidates).c_str(), 1);
    });
}

// The embedded engine's provider: Engine12 in Firebird 3, Engine13 from Firebird 4 on. The
// client's version numbers are InterBase's ("6.3"); its text names the Firebird release
// ("LI-V6.3.11.33637 Firebird 3.0").
std::string EmbeddedProvider() {
    char version[128] = {};
    isc_get_client_version(version);
    const std::string_view text(version);
    const std::size_t release = text.find("Firebird ");
    const bool newer = release != std::string_view::npos && release + 9 < text.size() &&
                       text[release + 9] >= '4' && text[release + 9] <= '9';
    return newer ? "Engine13" : "Engine12";
}

// ---------------------------------------------------------------------------------------------
// The system tables.

// One statement for the whole catalogue. A view is a relation with a definition.
constexpr const char* CatalogueSql =
    "SELECT r.RDB$RELATION_NAME, CASE WHEN r.RDB$VIEW_BLR IS NULL THEN 0 ELSE 1 END "
    "FROM RDB$RELATIONS r WHERE COALESCE(r.RDB$SYSTEM_FLAG, 0) = 0";

// Comments up to this many characters come with the columns; a longer one is read from its
// blob on its own. (The text must fit a row: 8000 characters of up to 4 bytes.)
constexpr int CommentCharactersInRow = 8000;

// The columns of every user table and view in one statement (or of one relation, with the name
// as its parameter), each with its domain's type, whether it is a view's, NOT NULL and a default
// given by the column or its domain, and the column's own description. Identity columns came
// with Firebird 3; an older server is asked without them, and without descriptions, which it
// may not turn into text.
std::string ColumnsSql(bool withIdentity, bool oneRelation) {
    const std::string comment = std::to_string(CommentCharactersInRow);
    return std::string("SELECT rf.RDB$RELATION_NAME, rf.RDB$FIELD_NAME, f.RDB$FIELD_TYPE, "
                       "f.RDB$FIELD_SUB_TYPE, f.RDB$FIELD_LENGTH, f.RDB$FIELD_PRECISION, "
                       "f.RDB$FIELD_SCALE, f.RDB$CHARACTER_LENGTH, f.RDB$CHARACTER_SET_ID, "
                       "cs.RDB$BYTES_PER_CHARACTER, f.RDB$DIMENSIONS, ") +
           (withIdentity ? "rf.RDB$IDENTITY_TYPE, " : "CAST(NULL AS SMALLINT), ") +
           "CASE WHEN r.RDB$VIEW_BLR IS NULL THEN 0 ELSE 1 END, "
           "CASE WHEN COALESCE(rf.RDB$NULL_FLAG, 0) = 1 OR COALESCE(f.RDB$NULL_FLAG, 0) = 1 "
           "THEN 1 ELSE 0 END, "
           "CASE WHEN rf.RDB$DEFAULT_SOURCE IS NULL AND f.RDB$DEFAULT_SOURCE IS NULL "
           "THEN 0 ELSE 1 END, " +
           (withIdentity ? "CASE WHEN CHAR_LENGTH(rf.RDB$DESCRIPTION) <= " + comment +
                               " THEN CAST(rf.RDB$DESCRIPTION AS VARCHAR(" + comment +
                               ") CHARACTER SET UNICODE_FSS) END, rf.RDB$DESCRIPTION "
                         : std::string("CAST(NULL AS VARCHAR(1)), CAST(NULL AS BLOB) ")) +
           "FROM RDB$RELATION_FIELDS rf "
           "JOIN RDB$RELATIONS r ON r.RDB$RELATION_NAME = rf.RDB$RELATION_NAME "
           "JOIN RDB$FIELDS f ON f.RDB$FIELD_NAME = rf.RDB$FIELD_SOURCE "
           "LEFT JOIN RDB$CHARACTER_SETS cs ON cs.RDB$CHARACTER_SET_ID = f.RDB$CHARACTER_SET_ID " +
           (oneRelation ? "WHERE rf.RDB$RELATION_NAME = ? "
                        : "WHERE COALESCE(r.RDB$SYSTEM_FLAG, 0) = 0 ") +
           "ORDER BY rf.RDB$RELATION_NAME, rf.RDB$FIELD_POSITION";
}

// Watches the calls to a server while it lives; a file (no watchdog) needs no watching. Each
// answer restarts the clock (Progress): a long catalogue comes in many answers.
using TServerWatch = TSocketWatchdog::TWatch;

// The copy of a database file that the embedded engine opens in its place, in a private folder.
struct TPrivateCopy {
    TPrivateFolder Folder;
    std::string File;     ///< the copy
    std::string Original; ///< the file it was copied from, as the user named it

    // Firebird's message, naming the file the user named instead of the copy.
    std::string Shown(const std::string& message) const {
        return ReplaceAll(message, File, Original);
    }
};

enum TColumnsField : short {
    RelationName,
    FieldName,
    FieldType,
    FieldSubType,
    FieldLength,
    FieldPrecision,
    FieldScale,
    CharacterLength,
    CharacterSetId,
    BytesPerCharacter,
    Dimensions,
    IdentityType,
    IsView,
    NotNull,
    HasDefault,
    CommentText,
    CommentBlob,
};

// The primary and foreign keys of every user table in one statement (or of one relation, with
// the name as its parameter): a row for each column of a key, in the key's order, with the
// column the foreign key refers to at the same place of the referenced primary or unique key.
// Keys come in the order their indexes were made, which is the order they were declared.
std::string KeysSql(bool oneRelation) {
    return std::string(
               "SELECT rc.RDB$RELATION_NAME, rc.RDB$CONSTRAINT_TYPE, rc.RDB$CONSTRAINT_NAME, "
               "s.RDB$FIELD_NAME, uq.RDB$RELATION_NAME, us.RDB$FIELD_NAME "
               "FROM RDB$RELATION_CONSTRAINTS rc "
               "JOIN RDB$INDICES i ON i.RDB$INDEX_NAME = rc.RDB$INDEX_NAME "
               "JOIN RDB$INDEX_SEGMENTS s ON s.RDB$INDEX_NAME = rc.RDB$INDEX_NAME "
               "LEFT JOIN RDB$REF_CONSTRAINTS ref "
               "ON ref.RDB$CONSTRAINT_NAME = rc.RDB$CONSTRAINT_NAME "
               "LEFT JOIN RDB$RELATION_CONSTRAINTS uq "
               "ON uq.RDB$CONSTRAINT_NAME = ref.RDB$CONST_NAME_UQ "
               "LEFT JOIN RDB$INDEX_SEGMENTS us ON us.RDB$INDEX_NAME = uq.RDB$INDEX_NAME "
               "AND us.RDB$FIELD_POSITION = s.RDB$FIELD_POSITION "
               "WHERE rc.RDB$CONSTRAINT_TYPE IN ('PRIMARY KEY', 'FOREIGN KEY') ") +
           (oneRelation ? "AND rc.RDB$RELATION_NAME = ? " : "") +
           "ORDER BY rc.RDB$RELATION_NAME, i.RDB$INDEX_ID, rc.RDB$CONSTRAINT_NAME, "
           "s.RDB$FIELD_POSITION";
}

enum TKeysField : short {
    KeyRelation,
    KeyType,
    KeyName,
    KeyColumn,
    ReferencedRelation,
    ReferencedColumn,
};

class TFirebirdSchemaSource final : public ISchemaSource {
public:
    TFirebirdSchemaSource(TAttachment attachment, std::string description, bool remote,
                          std::unique_ptr<TSocketWatchdog> watchdog,
                          std::optional<TPrivateCopy> copy)
        : FCopy(std::move(copy)), FWatchdog(std::move(watchdog)),
          FAttachment(std::move(attachment)), FDescription(std::move(description)),
          FRemote(remote) {
        // One snapshot for every statement: the tables and their columns agree.
        static const char Parameters[] = {isc_tpb_version3, isc_tpb_read, isc_tpb_concurrency,
                                          isc_tpb_nowait};
        TStatus status;
        const TServerWatch watch(FWatchdog.get());
        isc_start_transaction(status.Get(), FTransaction.Get(), 1, FAttachment.Get(),
                              static_cast<unsigned short>(sizeof Parameters), Parameters);
        Check(status, "Cannot read " + FDescription + ".");
    }

    ~TFirebirdSchemaSource() override {
        // Giving back the transaction and the attachment are requests to a server as well: one
        // that has fallen silent must not hold the end of the run either.
        const TServerWatch watch(FWatchdog.get());
        FTransaction = TTransaction();
        FAttachment = TAttachment();
    }
    TFirebirdSchemaSource(const TFirebirdSchemaSource&) = delete;
    TFirebirdSchemaSource& operator=(const TFirebirdSchemaSource&) = delete;

    std::vector<TCatalogRow> ReadCatalogue() override {
        const std::string failure = "Cannot read the tables of " + FDescription + ".";
        TServerWatch watch(FWatchdog.get());
        TStatement statement;
        TDescriptorArea row = Run(statement, CatalogueSql, nullptr, failure);
        std::vector<TCatalogRow> rows;
        while (Fetch(statement, row, watch, failure)) {
            rows.push_back({row.Text(0), row.Integer(1).value_or(0) != 0 ? "VIEW" : "TABLE", ""});
        }
        // As an OLE DB provider lists them: tables before views, each by name, byte by byte.
        std::sort(rows.begin(), rows.end(), [](const TCatalogRow& a, const TCatalogRow& b) {
            return std::tie(a.TableType, a.TableName) < std::tie(b.TableType, b.TableName);
        });
        return rows;
    }

    TTableDescription DescribeTable(const std::string& tableName) override {
        const std::string failure =
            "Cannot open table \"" + tableName + "\" of " + FDescription + ".";
        // No Firebird name is that long (a parameter could not even hold it).
        if (tableName.size() > MaxNameBytes) {
            throw EDatabaseError(failure + " There is no such table or view.");
        }
        std::map<std::string, TTableDescription> tables = ReadColumns(&tableName, failure);
        const auto found = tables.find(tableName);
        if (found == tables.end()) {
            throw EDatabaseError(failure + " There is no such table or view.");
        }
        return std::move(found->second);
    }

    std::vector<TTableDescription> DescribeTables(const std::vector<TCatalogRow>& rows) override {
        std::map<std::string, TTableDescription> tables =
            ReadColumns(nullptr, "Cannot read the columns of " + FDescription + ".");
        std::vector<TTableDescription> described;
        described.reserve(rows.size());
        for (const TCatalogRow& row : rows) {
            const auto found = tables.find(row.TableName);
            // Only user tables are read at once; any other name is asked for on its own, and
            // fails as DescribeTable fails.
            described.push_back(found != tables.end() ? found->second
                                                      : DescribeTable(row.TableName));
        }
        return described;
    }

    std::uint64_t StatementsSent() const override { return FRemote ? FStatements : 0; }

    TIdentifierQuoting IdentifierQuoting() const override { return {TSqlDialect::Firebird, "\""}; }

private:
    // The copy the attachment reads, removed once the attachment has gone.
    std::optional<TPrivateCopy> FCopy;
    // Declared before the attachment, so that it watches the attachment's end.
    std::unique_ptr<TSocketWatchdog> FWatchdog;
    TAttachment FAttachment;
    // Declared after the attachment, so that it is given back before the attachment goes.
    TTransaction FTransaction;
    std::string FDescription;
    bool FRemote = false;
    std::uint64_t FStatements = 0;
    std::optional<bool> FHasIdentity;

    void Check(const TStatus& status, const std::string& failure) const {
        if (!status.Failed()) {
            return;
        }
        if (FWatchdog && FWatchdog->Tripped()) {
            // Firebird then speaks of a broken connection; the cause is the server's silence.
            throw EDatabaseError(failure + " " + ServerSilenceText(FWatchdog->Limit()));
        }
        throw EDatabaseError(failure + " " + (FCopy ? FCopy->Shown(status.Text()) : status.Text()));
    }

    // Prepares and runs `sql`, with `parameter` as its one parameter when given; returns the
    // area its rows are fetched into. A failed prepare leaves its SQLCODE in `sqlCode`.
    TDescriptorArea Run(TStatement& statement, const std::string& sql, const std::string* parameter,
                        const std::string& failure, ISC_LONG* sqlCode = nullptr) {
        TStatus status;
        isc_dsql_allocate_statement(status.Get(), FAttachment.Get(), statement.Get());
        Check(status, failure);
        TDescriptorArea row(16);
        ++FStatements;
        isc_dsql_prepare(status.Get(), FTransaction.Get(), statement.Get(), 0, sql.c_str(),
                         SqlDialect3, row.Get());
        if (status.Failed() && sqlCode != nullptr && !(FWatchdog && FWatchdog->Tripped())) {
            *sqlCode = status.SqlCode();
        }
        Check(status, failure);
        if (row.Described() > row.Get()->sqln) {
            row.Resize(row.Described());
            isc_dsql_describe(status.Get(), statement.Get(), SqlDialect3, row.Get());
            Check(status, failure);
        }
        row.Bind();
        TDescriptorArea parameters(1);
        if (parameter != nullptr) {
            isc_dsql_describe_bind(status.Get(), statement.Get(), SqlDialect3, parameters.Get());
            Check(status, failure);
            parameters.BindText(0, *parameter);
        }
        isc_dsql_execute(status.Get(), FTransaction.Get(), statement.Get(), SqlDialect3,
                         parameter != nullptr ? parameters.Get() : nullptr);
        Check(status, failure);
        return row;
    }

    bool Fetch(TStatement& statement, TDescriptorArea& row, TServerWatch& watch,
               const std::string& failure) {
        TStatus status;
        const ISC_STATUS fetched =
            isc_dsql_fetch(status.Get(), statement.Get(), SqlDialect3, row.Get());
        watch.Progress();
        if (fetched == EndOfCursor) {
            return false;
        }
        Check(status, failure);
        return true;
    }

    // The columns of every user table and view, or of the one named `tableName`, by relation.
    std::map<std::string, TTableDescription> ReadColumns(const std::string* tableName,
                                                         const std::string& failure) {
        TServerWatch watch(FWatchdog.get());
        TStatement statement;
        std::optional<TDescriptorArea> row;
        if (FHasIdentity.value_or(true)) {
            ISC_LONG sqlCode = 0;
            try {
                row.emplace(Run(statement, ColumnsSql(true, tableName != nullptr), tableName,
                                failure, &sqlCode));
                FHasIdentity = true;
            } catch (const EDatabaseError&) {
                if (sqlCode != ColumnUnknownSqlCode || FHasIdentity.has_value()) {
                    throw;
                }
                FHasIdentity = false;
                statement = TStatement();
            }
        }
        if (!row) {
            row.emplace(
                Run(statement, ColumnsSql(false, tableName != nullptr), tableName, failure));
        }
        std::map<std::string, TTableDescription> tables;
        while (Fetch(statement, *row, watch, failure)) {
            TFirebirdColumnType type;
            type.FieldType = static_cast<int>(row->Integer(FieldType).value_or(0));
            type.SubType = static_cast<int>(row->Integer(FieldSubType).value_or(0));
            type.Length = static_cast<int>(row->Integer(FieldLength).value_or(0));
            type.Precision = static_cast<int>(row->Integer(FieldPrecision).value_or(0));
            type.Scale = static_cast<int>(row->Integer(FieldScale).value_or(0));
            if (const auto characters = row->Integer(CharacterLength)) {
                type.CharacterLength = static_cast<int>(*characters);
            }
            // A text column recorded without a character set has none (NONE).
            type.CharacterSetId = static_cast<int>(row->Integer(CharacterSetId).value_or(0));
            type.BytesPerCharacter = static_cast<int>(row->Integer(BytesPerCharacter).value_or(1));
            type.IsArray = row->Integer(Dimensions).has_value();
            TColumnInfo column = MapFirebirdColumnType(type);
            column.Name = row->Text(FieldName);
            column.IsAutoIncrement = row->Integer(IdentityType).has_value();
            const bool isView = row->Integer(IsView).value_or(0) != 0;
            // A view's column is as nullable as its expression, which Firebird does not record,
            // and takes no default of its own. Its description is its own, as a table column's.
            if (!isView) {
                column.Facts.NotNull = row->Integer(NotNull).value_or(0) != 0;
                column.Facts.HasDefault = row->Integer(HasDefault).value_or(0) != 0;
            }
            if (*FHasIdentity) {
                const std::optional<ISC_QUAD> blob = row->BlobId(CommentBlob);
                column.Facts.Comment = !blob ? std::string()
                                       : !row->IsNull(CommentText)
                                           ? row->Text(CommentText)
                                           : ReadBlobText(*blob, watch, failure);
            }
            TTableDescription& table = tables[row->Text(RelationName)];
            table.OffersAutoIncrement = true;
            if (!isView && !table.Keys.PrimaryKey) {
                table.Keys.PrimaryKey.emplace();
                table.Keys.ForeignKeys.emplace();
            }
            table.Columns.push_back(std::move(column));
        }
        ReadKeys(tableName, tables, watch, failure);
        return tables;
    }

    // The keys of the tables of `tables` (of the one named `tableName`, when given). A view has
    // none of its own: its keys stay unknown.
    void ReadKeys(const std::string* tableName, std::map<std::string, TTableDescription>& tables,
                  TServerWatch& watch, const std::string& failure) {
        TStatement statement;
        TDescriptorArea row = Run(statement, KeysSql(tableName != nullptr), tableName, failure);
        // Each table's foreign keys by constraint name, to mark those whose referenced columns
        // were not found: a table with one of them has a list the source cannot vouch for.
        std::set<std::string> unresolved;
        std::string lastKey;
        while (Fetch(statement, row, watch, failure)) {
            const auto found = tables.find(row.Text(KeyRelation));
            if (found == tables.end() || !found->second.Keys.PrimaryKey) {
                continue;
            }
            TTableKeys& keys = found->second.Keys;
            if (row.Text(KeyType) == "PRIMARY KEY") {
                keys.PrimaryKey->push_back(row.Text(KeyColumn));
                continue;
            }
            const std::string keyName = found->first + '\0' + row.Text(KeyName);
            if (keyName != lastKey) {
                keys.ForeignKeys->emplace_back();
                keys.ForeignKeys->back().ReferencedTable = row.Text(ReferencedRelation);
                lastKey = keyName;
            }
            TForeignKey& key = keys.ForeignKeys->back();
            key.Columns.push_back(row.Text(KeyColumn));
            key.ReferencedColumns.push_back(row.Text(ReferencedColumn));
            if (row.IsNull(ReferencedRelation) || row.IsNull(ReferencedColumn)) {
                unresolved.insert(found->first);
            }
        }
        for (const std::string& name : unresolved) {
            tables[name].Keys.ForeignKeys.reset();
        }
    }

    // The text of a blob, read segment by segment: a comment too long to come with its column.
    std::string ReadBlobText(ISC_QUAD id, TServerWatch& watch, const std::string& failure) {
        TStatus status;
        TBlob blob;
        isc_open_blob2(status.Get(), FAttachment.Get(), FTransaction.Get(), blob.Get(), &id, 0,
                       nullptr);
        Check(status, failure);
        std::string text;
        char segment[16384];
        for (;;) {
            unsigned short length = 0;
            const ISC_STATUS read =
                isc_get_segment(status.Get(), blob.Get(), &length,
                                static_cast<unsigned short>(sizeof segment), segment);
            watch.Progress();
            if (read != 0 && read != isc_segment) {
                if (read == isc_segstr_eof) {
                    break;
                }
                Check(status, failure);
            }
            text.append(segment, length);
        }
        text.erase(text.find_last_not_of(' ') + 1);
        return text;
    }
};

// ---------------------------------------------------------------------------------------------
// Connecting.

class TParameterBlock {
public:
    TParameterBlock() { FBytes.push_back(isc_dpb_version1); }
    ~TParameterBlock() { std::fill(FBytes.begin(), FBytes.end(), '\0'); }
    TParameterBlock(const TParameterBlock&) = delete;
    TParameterBlock& operator=(const TParameterBlock&) = delete;

    // False when the value is longer than an item can hold.
    bool Add(char item, std::string_view value) {
        if (value.size() > MaxParameterLength) {
            return false;
        }
        FBytes.push_back(item);
        FBytes.push_back(static_cast<char>(value.size()));
        FBytes.insert(FBytes.end(), value.begin(), value.end());
        return true;
    }
    void Add(char item, unsigned char number) {
        FBytes.push_back(item);
        FBytes.push_back(1);
        FBytes.push_back(static_cast<char>(number));
    }

    const char* Data() const noexcept { return FBytes.data(); }
    short Size() const noexcept { return static_cast<short>(FBytes.size()); }

private:
    std::vector<char> FBytes;
};

// A host or service name, or an IPv4 address; "." and ".." begin relative paths.
bool IsHostName(std::string_view text) {
    return !text.empty() && text.front() != '.' && text.front() != '-' &&
           std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                      c == '.' || c == '-' || c == '_' || static_cast<unsigned char>(c) >= 0x80;
           });
}

// The same, or an IPv6 address in brackets.
bool IsHost(std::string_view text) {
    if (text.size() > 2 && text.front() == '[' && text.back() == ']') {
        const std::string_view address = text.substr(1, text.size() - 2);
        return std::all_of(address.begin(), address.end(), [](char c) {
            return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') ||
                   c == ':' || c == '.' || c == '%';
        });
    }
    return IsHostName(text);
}

} // namespace

TColumnInfo MapFirebirdColumnType(const TFirebirdColumnType& type) {
    using namespace ado;
    TColumnInfo column;
    auto set = [&column](int code, unsigned attributes, int precision = 0) {
        column.Type = code;
        column.Attributes = attributes;
        column.Precision = precision;
    };
    const int characters = type.CharacterLength.value_or(
        type.BytesPerCharacter > 0 ? type.Length / type.BytesPerCharacter : type.Length);
    const bool octets = type.CharacterSetId == OctetsCharacterSet;
    const bool unicode =
        type.CharacterSetId == Utf8CharacterSet || type.CharacterSetId == UnicodeFssCharacterSet;
    auto text = [&](int binaryCode, int wideCode, int narrowCode, unsigned attributes) {
        set(octets ? binaryCode : unicode ? wideCode : narrowCode, attributes);
        column.DefinedSize = octets ? type.Length : characters;
    };
    // Exact numbers are stored as whole numbers of the scale's unit; NUMERIC and DECIMAL say so
    // in the sub-type, and any scale below zero does.
    const bool exactNumeric =
        type.SubType == NumericSubType || type.SubType == DecimalSubType || type.Scale < 0;
    auto numeric = [&](int defaultPrecision) {
        set(adNumeric, adFldFixed, type.Precision > 0 ? type.Precision : defaultPrecision);
        column.NumericScale = -type.Scale;
    };

    if (type.IsArray) {
        return column; // no ADO type holds an array
    }
    switch (type.FieldType) {
    case blr::Short:
        exactNumeric ? numeric(4) : set(adSmallInt, adFldFixed, 5);
        break;
    case blr::Long:
        exactNumeric ? numeric(9) : set(adInteger, adFldFixed, 10);
        break;
    case blr::Int64:
        exactNumeric ? numeric(18) : set(adBigInt, adFldFixed, 19);
        break;
    case blr::Int128:
        numeric(38);
        break;
    case blr::Float:
        set(adSingle, adFldFixed, 7);
        break;
    case blr::Double:
    case blr::DFloat:
        // A dialect 1 NUMERIC wider than 9 digits is stored as a double with its scale.
        type.Scale < 0 ? numeric(15) : set(adDouble, adFldFixed, 15);
        break;
    case blr::SqlDate:
        set(adDBDate, adFldFixed);
        break;
    case blr::SqlTime:
    case blr::TimeWithTimeZone:
        set(adDBTime, adFldFixed);
        break;
    case blr::Timestamp:
    case blr::TimestampWithTimeZone:
        set(adDBTimeStamp, adFldFixed);
        break;
    case blr::Boolean:
        set(adBoolean, adFldFixed);
        break;
    case blr::Text:
        text(adBinary, adWChar, adChar, adFldFixed);
        break;
    case blr::Varying:
        text(adVarBinary, adVarWChar, adVarChar, 0);
        break;
    case blr::Blob:
        if (type.SubType == TextBlobSubType && !octets) {
            set(unicode ? adLongVarWChar : adLongVarChar, 0);
        } else {
            set(adLongVarBinary, 0);
        }
        break;
    default:
        break; // DECFLOAT, QUAD and the like: adEmpty gives no field
    }
    return column;
}

bool IsFirebirdServerAddress(std::string_view database) {
    const std::string_view trimmed = TrimView(database);
    if (trimmed.empty()) {
        return false;
    }
    for (const std::string_view scheme : {"inet://", "inet4://", "inet6://"}) {
        if (StartsWithText(trimmed, scheme)) {
            return true;
        }
    }
    // An IPv6 address is written in brackets, its own colons inside them.
    const std::size_t bracket = trimmed.front() == '[' ? trimmed.find(']') : 0;
    if (bracket == std::string_view::npos) {
        return false;
    }
    const std::size_t colon = trimmed.find(':', bracket);
    if (colon == std::string_view::npos || colon == 0) {
        return false;
    }
    std::string_view host = trimmed.substr(0, colon);
    // "C:\data\x.fdb" and "C:/data/x.fdb" name a drive, as on Windows.
    if (host.size() == 1 &&
        ((host[0] >= 'A' && host[0] <= 'Z') || (host[0] >= 'a' && host[0] <= 'z'))) {
        return false;
    }
    // "host/port:path" or "host/service:path"; a path with a ":" in it has a "/" before the host.
    if (const std::size_t slash = host.find('/'); slash != std::string_view::npos) {
        const std::string_view port = host.substr(slash + 1);
        host = host.substr(0, slash);
        if (!IsHostName(port)) {
            return false;
        }
    }
    return IsHost(host);
}

std::string ChooseFirebirdLockFolder(const std::vector<std::string>& candidates) {
    for (const std::string& folder : candidates) {
        ::mkdir(folder.c_str(), 0700);
        // Only a folder of this user's own that no one else may write to: not a link (it could
        // lead into another user's folder), not a folder someone else made or may change.
        struct stat status {};
        if (::lstat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
            status.st_uid == ::geteuid() && (status.st_mode & (S_IWGRP | S_IWOTH)) == 0) {
            return folder;
        }
    }
    // The engine uses it until the process ends; a later run removes it.
    return TPrivateFolder("quorvane-firebird-lock").Keep();
}

namespace {

std::string HeldOpenText(const std::string& database) {
    return "Another program or a Firebird server has the file open; a server opens it for others "
           "too (\"localhost:" +
           database + "\").";
}

// The embedded engine writes to every file it opens, even to read it (its header's counters, a
// page or two), and the user's database must stay as it is: the engine gets a copy made in a
// private folder. While it is copied the file is locked as the engine locks the files it opens,
// so that a file a server or another program has open is refused as the engine would refuse it,
// rather than copied half-written.
TPrivateCopy CopyForReading(const std::string& database, const std::string& failure) {
    const TFileDescriptor file(
        ::open(database.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.Valid()) {
        throw EDatabaseError(failure + " " + SystemErrorText(errno));
    }
    if (::flock(file.Get(), LOCK_SH | LOCK_NB) != 0) {
        throw EDatabaseError(
            failure + " " +
            (errno == EWOULDBLOCK ? HeldOpenText(database) : SystemErrorText(errno)));
    }
    std::optional<TPrivateFolder> folder;
    try {
        folder.emplace("quorvane-firebird-copy");
        CopyOneFile(database, TOutputPath{folder->Path(), "database.fdb"});
    } catch (const EFileError& error) {
        throw EDatabaseError(failure + " Its copy to read cannot be made" +
                             (folder ? " in \"" + folder->Path() + "\"" : std::string()) + ": " +
                             error.what());
    }
    std::string copy = folder->File("database.fdb");
    // The engine opens the copy for writing, whatever the file's own permissions.
    ::chmod(copy.c_str(), S_IRUSR | S_IWUSR);
    return {std::move(*folder), std::move(copy), database};
}

} // namespace

std::unique_ptr<ISchemaSource> OpenFirebirdSchemaSource(const TFirebirdLogin& login,
                                                        const std::string& description,
                                                        std::chrono::milliseconds answerLimit,
                                                        std::chrono::milliseconds loginLimit) {
    const bool remote = IsFirebirdServerAddress(login.Database);
    const std::string failure =
        (remote ? "Cannot connect to " : "Cannot open ") + description + ".";
    const std::string database = Trim(login.Database);
    if (database.empty()) {
        throw EDatabaseError(failure + " No database was named.");
    }
    // The engine would wait for ever on a pipe, or read a device without end; a folder is no
    // database either. (A name that is no file at all may be an alias the engine knows.)
    struct stat file {};
    const bool exists = !remote && ::stat(database.c_str(), &file) == 0;
    if (exists && !S_ISREG(file.st_mode)) {
        throw EDatabaseError(failure + (S_ISDIR(file.st_mode)
                                            ? " It is a folder, not a database file."
                                            : " It is no regular file (a device, a pipe or a "
                                              "socket)."));
    }
    std::optional<TPrivateCopy> copy;
    if (!remote) {
        try {
            PrepareEmbeddedEngine();
        } catch (const EFileError& error) {
            throw EDatabaseError(failure + " " + error.what());
        }
        if (exists) {
            copy = CopyForReading(database, failure);
        }
    }

    TParameterBlock parameters;
    // Names, the file name and the login are UTF-8 both ways.
    parameters.Add(isc_dpb_utf8_filename, std::string_view());
    parameters.Add(isc_dpb_lc_ctype, "UTF8");
    if (!login.User.empty() && !parameters.Add(isc_dpb_user_name, login.User)) {
        throw EDatabaseError(failure + " The user name is longer than 255 bytes.");
    }
    if (!login.Password.empty() && !parameters.Add(isc_dpb_password, login.Password)) {
        throw EDatabaseError(failure + " The password is longer than 255 bytes.");
    }
    if (!login.Role.empty() && !parameters.Add(isc_dpb_sql_role_name, login.Role)) {
        throw EDatabaseError(failure + " The role name is longer than 255 bytes.");
    }
    // A file is opened by the embedded engine only, never handed to a server on this machine;
    // a server address goes to the network only.
    parameters.Add(isc_dpb_config,
                   "Providers=" + (remote ? std::string("Remote") : EmbeddedProvider()));
    if (remote) {
        parameters.Add(isc_dpb_connect_timeout,
                       static_cast<unsigned char>(FirebirdConnectTimeoutSeconds));
    }

    TAttachment attachment;
    TStatus status;
    const std::vector<TSocketId> socketsBefore = remote ? OpenSockets() : std::vector<TSocketId>();
    const std::string attached = copy ? copy->File : database;
    const auto started = std::chrono::steady_clock::now();
    bool silent = false;
    {
        // The login is watched as a whole: the client's own time-out ends a connection that is
        // not accepted, but not a server that accepts and then answers a byte at a time, or
        // nothing at all, which would hold it for ever. The sockets are the client's to open,
        // so the watchdog looks for them when the limit is reached.
        std::unique_ptr<TSocketWatchdog> loginWatchdog;
        if (remote) {
            loginWatchdog = std::make_unique<TSocketWatchdog>(loginLimit);
            loginWatchdog->WatchSocketsOpenedSince(socketsBefore);
        }
        {
            const TServerWatch watch(loginWatchdog.get());
            isc_attach_database(status.Get(), 0, attached.c_str(), attachment.Get(),
                                parameters.Size(), parameters.Data());
        }
        silent = loginWatchdog && loginWatchdog->Tripped();
    }
    if (status.Failed()) {
        if (silent) {
            throw EDatabaseError(failure + " " + ServerSilenceText(loginLimit));
        }
        // A server that takes the connection and then says nothing is given up after the
        // connect time-out; Firebird then speaks of a rejected connection.
        const std::chrono::seconds connectLimit(FirebirdConnectTimeoutSeconds);
        if (remote && std::chrono::steady_clock::now() - started >= connectLimit) {
            throw EDatabaseError(failure + " " + ServerSilenceText(connectLimit));
        }
        std::string reason = copy ? copy->Shown(status.Text()) : status.Text();
        if (status.Has(isc_already_opened)) {
            reason += ' ';
            reason += HeldOpenText(database);
        }
        // Firebird may quote what it was given; the password is never shown.
        if (!login.Password.empty()) {
            reason = ReplaceAll(reason, login.Password, "***");
        }
        throw EDatabaseError(failure + " " + reason);
    }
    std::unique_ptr<TSocketWatchdog> watchdog;
    if (remote) {
        // The sockets the client opened are the connection's (a socket another thread opened
        // at the same moment would be watched too; it is shut down only if this server falls
        // silent).
        watchdog = std::make_unique<TSocketWatchdog>(answerLimit);
        watchdog->Watch(SocketsOpenedSince(socketsBefore));
    }
    return std::make_unique<TFirebirdSchemaSource>(std::move(attachment), description, remote,
                                                   std::move(watchdog), std::move(copy));
}

} // namespace quorvane
