#include "schema/access/AccessSchemaSource.h"

#include "io/InstallPaths.h"
#include "io/OutputPath.h"
#include "io/StopSignals.h"
#include "schema/access/AccessQueries.h"
#include "schema/access/AccessReaderProtocol.h"
#include "text/EngineErrors.h"
#include "text/StringUtils.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <optional>
#include <poll.h>
#include <set>
#include <sstream>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace quorvane {

namespace {

// libmdb's column type codes, and Access's Large Number, which libmdb does not name.
enum TMdbType {
    MdbBool = 0x01,
    MdbByte = 0x02,
    MdbInt = 0x03,
    MdbLongInt = 0x04,
    MdbMoney = 0x05,
    MdbFloat = 0x06,
    MdbDouble = 0x07,
    MdbDateTime = 0x08,
    MdbBinary = 0x09,
    MdbText = 0x0a,
    MdbOle = 0x0b,
    MdbMemo = 0x0c,
    MdbRepId = 0x0f,
    MdbNumeric = 0x10,
    MdbBigInt = 0x13,
};

constexpr unsigned Jet3Version = 0;
constexpr int ReadSeconds = 60;
constexpr int CurrencyPrecision = 19;
constexpr int CurrencyScale = 4;

// A child process and the read end of its output; the destructor kills and reaps a child that
// is still running, so no reader outlives its connection attempt. A stop signal kills it too
// (StopSignals.h), and it dies with this process however that ends (see StartReader).
class TReaderProcess {
public:
    TReaderProcess() = default;
    TReaderProcess(const TReaderProcess&) = delete;
    TReaderProcess& operator=(const TReaderProcess&) = delete;
    ~TReaderProcess() {
        if (Output >= 0) {
            ::close(Output);
        }
        if (Pid > 0) {
            StopKill.Release();
            ::kill(Pid, SIGKILL);
            ::waitpid(Pid, nullptr, 0);
        }
    }
    pid_t Pid = -1;
    int Output = -1;
    TStopCleanup StopKill;

    // Waits for the child; its wait status.
    int Reap() {
        // Forgotten before the pid is freed for another process to take.
        StopKill.Release();
        int status = 0;
        while (::waitpid(Pid, &status, 0) < 0 && errno == EINTR) {
        }
        Pid = -1;
        return status;
    }
};

// Starts `program` with `arguments`, its standard output into `output`, its standard input and
// error from and to /dev/null (libmdb writes its own warnings; the user reads ours); 0, or
// the error number of a start that failed.
//
// fork and exec rather than posix_spawn: the child has to ask, before the program runs, to be
// killed when this process ends. A reader left running after a killed run would read on for
// up to its time limit, holding the file open. The kernel sends that signal when the thread that
// forked ends, not only the process: the reader lives only within this call, on this thread.
// Between fork and exec the child calls only async-signal-safe functions: this process may have
// other threads.
int StartReader(TReaderProcess& process, std::vector<std::string>& arguments, int output) {
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    const TFileDescriptor nullInput(::open("/dev/null", O_RDONLY | O_CLOEXEC));
    const TFileDescriptor nullOutput(::open("/dev/null", O_WRONLY | O_CLOEXEC));
    int reportEnds[2]; // the child's exec error, if any; closed by a successful exec
    if (!nullInput.Valid() || !nullOutput.Valid() || ::pipe2(reportEnds, O_CLOEXEC) != 0) {
        return errno;
    }
    const TFileDescriptor reportRead(reportEnds[0]);
    TFileDescriptor reportWrite(reportEnds[1]);
    const pid_t parent = ::getpid();
    // No signal handler may run in the child before exec: the stop handler would remove this
    // process's lock and temporary files from there. Signals wait until the child has set every
    // handler back to the default.
    sigset_t all;
    sigset_t previous;
    sigfillset(&all);
    ::pthread_sigmask(SIG_SETMASK, &all, &previous);
    const pid_t child = ::fork();
    if (child < 0) {
        const int error = errno;
        ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
        return error;
    }
    if (child == 0) {
        for (int number = 1; number < NSIG; ++number) {
            struct sigaction action {};
            if (::sigaction(number, nullptr, &action) == 0 && action.sa_handler != SIG_IGN &&
                action.sa_handler != SIG_DFL) {
                action.sa_handler = SIG_DFL;
                action.sa_flags = 0;
                ::sigaction(number, &action, nullptr);
            }
        }
        sigset_t none;
        sigemptyset(&none);
        ::pthread_sigmask(SIG_SETMASK, &none, nullptr);
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        // The parent may have ended before the request above: then no signal would come.
        if (::getppid() != parent) {
            ::_exit(127);
        }
        int error = 0;
        if (::dup2(nullInput.Get(), STDIN_FILENO) < 0 || ::dup2(output, STDOUT_FILENO) < 0 ||
            ::dup2(nullOutput.Get(), STDERR_FILENO) < 0) {
            error = errno;
        } else {
            ::execve(argv[0], argv.data(), environ);
            error = errno;
        }
        const ssize_t ignored = ::write(reportWrite.Get(), &error, sizeof error);
        (void)ignored;
        ::_exit(127);
    }
    process.Pid = child;
    process.StopKill = TStopCleanup::KillProcess(child);
    ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    reportWrite = TFileDescriptor();
    int error = 0;
    ssize_t count = 0;
    while ((count = ::read(reportRead.Get(), &error, sizeof error)) < 0 && errno == EINTR) {
    }
    if (count == static_cast<ssize_t>(sizeof error)) {
        process.Reap();
        return error;
    }
    return 0;
}

// The column as the Jet provider reports it.
TColumnInfo MapAccessColumn(const access_reader::TColumnRecord& access, unsigned version) {
    TColumnInfo column;
    column.Name = access.Name;
    column.Attributes = ado::adFldFixed;
    switch (access.Type) {
    case MdbBool:
        column.Type = ado::adBoolean;
        break;
    case MdbByte:
        column.Type = ado::adUnsignedTinyInt;
        break;
    case MdbInt:
        column.Type = ado::adSmallInt;
        break;
    case MdbLongInt:
        column.Type = ado::adInteger;
        column.IsAutoIncrement = access.AutoNumber;
        break;
    case MdbMoney:
        column.Type = ado::adCurrency;
        column.Precision = CurrencyPrecision;
        column.NumericScale = CurrencyScale;
        break;
    case MdbFloat:
        column.Type = ado::adSingle;
        break;
    case MdbDouble:
        column.Type = ado::adDouble;
        break;
    case MdbDateTime:
        column.Type = ado::adDate;
        break;
    case MdbText:
        // Jet 4 and later store text as UCS-2; the provider reports characters.
        column.Type = ado::adVarWChar;
        column.Attributes = 0;
        column.DefinedSize = version == Jet3Version ? access.Size : access.Size / 2;
        break;
    case MdbMemo:
        column.Type = ado::adLongVarWChar;
        column.Attributes = 0;
        break;
    case MdbOle:
        column.Type = ado::adLongVarBinary;
        column.Attributes = 0;
        break;
    case MdbBinary:
        column.Type = ado::adVarBinary;
        column.Attributes = 0;
        column.DefinedSize = access.Size;
        break;
    case MdbRepId:
        column.Type = ado::adGUID;
        break;
    case MdbNumeric:
        // libmdb's col_prec and col_scale hold the file's bytes the other way round (its own
        // mdb-schema prints them swapped back): col_scale is the precision.
        column.Type = ado::adNumeric;
        column.Precision = access.Scale;
        column.NumericScale = access.Precision;
        break;
    case MdbBigInt:
        column.Type = ado::adBigInt;
        break;
    default:
        // Attachments and multi-valued fields have no ADO type: the column gives no field.
        column.Type = ado::adEmpty;
        break;
    }
    return column;
}

// A column's facts from its field properties. Access's defaults make an absent property
// known: a field is not required, has no default and no description until the designer says.
void ApplyFieldProperties(TTableDescription& table,
                          const access_reader::TFieldPropertiesRecord& field) {
    for (TColumnInfo& column : table.Columns) {
        if (column.Name == field.Column) {
            column.Facts.NotNull = field.Required;
            column.Facts.HasDefault = field.HasDefault;
            column.Facts.Comment = field.Description;
            return;
        }
    }
}

// Relationship flags (MSysRelationships.grbit): a relationship whose referential integrity is
// not enforced is a line in the designer's diagram, not a foreign key.
constexpr long long RelationNotEnforced = 0x2;

// The foreign keys of every user table from the rows of MSysRelationships: one relationship per
// name, its column pairs in their order. A relationship whose rows do not add up (a pair
// missing or twice, a table or column that is not there) leaves its table's foreign keys
// unknown rather than wrong.
void ApplyRelationships(std::map<std::string, TTableDescription>& tables,
                        const std::set<std::string>& systemTables,
                        const std::vector<access_reader::TRelationshipRecord>& rows) {
    const auto hasColumn = [](const TTableDescription& table, const std::string& name) {
        return std::any_of(table.Columns.begin(), table.Columns.end(),
                           [&](const TColumnInfo& column) { return column.Name == name; });
    };
    std::map<std::string, std::vector<access_reader::TRelationshipRecord>> byTable;
    for (const auto& [key, table] : tables) {
        if (systemTables.count(key) == 0 && !table.Columns.empty()) {
            byTable[key];
        }
    }
    for (const access_reader::TRelationshipRecord& row : rows) {
        const std::string key = LowerCaseAscii(row.Table);
        if (byTable.count(key) == 0) {
            continue; // a relationship of a system table, or of a linked one we do not list
        }
        byTable[key].push_back(row);
    }
    for (auto& [key, tableRows] : byTable) {
        TTableDescription& table = tables[key];
        std::map<std::string, std::vector<const access_reader::TRelationshipRecord*>> byName;
        std::vector<std::string> order; // relationships in the order of their first row
        for (const access_reader::TRelationshipRecord& row : tableRows) {
            if ((row.Flags & RelationNotEnforced) != 0) {
                continue;
            }
            auto& pairs = byName[LowerCaseAscii(row.Name)];
            if (pairs.empty()) {
                order.push_back(LowerCaseAscii(row.Name));
            }
            pairs.push_back(&row);
        }
        std::vector<TForeignKey> keys;
        bool complete = true;
        for (const std::string& name : order) {
            auto& pairs = byName[name];
            std::sort(pairs.begin(), pairs.end(), [](const auto* a, const auto* b) {
                return a->ColumnNumber < b->ColumnNumber;
            });
            TForeignKey foreignKey;
            for (std::size_t i = 0; i < pairs.size(); ++i) {
                const access_reader::TRelationshipRecord& pair = *pairs[i];
                const auto referenced = tables.find(LowerCaseAscii(pair.ReferencedTable));
                if (pair.ColumnNumber != static_cast<long long>(i) ||
                    pair.ColumnCount != static_cast<long long>(pairs.size()) ||
                    LowerCaseAscii(pair.ReferencedTable) !=
                        LowerCaseAscii(pairs.front()->ReferencedTable) ||
                    referenced == tables.end() || !hasColumn(table, pair.Column) ||
                    !hasColumn(referenced->second, pair.ReferencedColumn)) {
                    complete = false;
                    break;
                }
                foreignKey.Columns.push_back(pair.Column);
                foreignKey.ReferencedColumns.push_back(pair.ReferencedColumn);
            }
            if (!complete) {
                break;
            }
            foreignKey.ReferencedTable = pairs.front()->ReferencedTable;
            keys.push_back(std::move(foreignKey));
        }
        if (complete) {
            table.Keys.ForeignKeys = std::move(keys);
        }
    }
}

class TAccessSchemaSource final : public ISchemaSource {
public:
    std::vector<TCatalogRow> Catalogue;
    std::map<std::string, TTableDescription> Tables; // tables and views by lower-cased name
    std::vector<std::string> FileWarnings;

    std::vector<TCatalogRow> ReadCatalogue() override { return Catalogue; }

    std::vector<std::string> Warnings() const override { return FileWarnings; }

    TIdentifierQuoting IdentifierQuoting() const override { return {TSqlDialect::Access, "["}; }

    TTableDescription DescribeTable(const std::string& tableName) override {
        const auto found = Tables.find(LowerCaseAscii(tableName));
        if (found == Tables.end()) {
            throw EDatabaseError("Cannot open table \"" + tableName + "\" of Access database \"" +
                                 FPath + "\". There is no such table.");
        }
        return found->second;
    }

    std::string FPath;
};

struct TReaderOutput {
    std::string Text;
    bool TimedOut = false;
};

// What the reader writes until it ends or the time is up.
TReaderOutput ReadAll(TReaderProcess& process) {
    TReaderOutput output;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(ReadSeconds);
    char buffer[65536];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              deadline - std::chrono::steady_clock::now())
                              .count();
        if (left <= 0) {
            output.TimedOut = true;
            return output;
        }
        pollfd descriptor{process.Output, POLLIN, 0};
        const int ready = ::poll(&descriptor, 1, static_cast<int>(left));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            continue; // the deadline check above ends the wait
        }
        const ssize_t count = ::read(process.Output, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return output;
        }
        output.Text.append(buffer, static_cast<std::size_t>(count));
    }
}

} // namespace

std::unique_ptr<ISchemaSource> OpenAccessSchemaSource(const std::string& path) {
    const std::string failure = "Cannot open Access database \"" + path + "\".";
    if (::access(path.c_str(), R_OK) != 0) {
        throw EDatabaseError(failure + " " + std::strerror(errno));
    }
    const TInstallLayout layout = CurrentInstallLayout();
    const std::string programName(access_reader::ProgramName);
    const std::optional<std::string> foundReader = FindHelperProgram(layout, programName);
    if (!foundReader) {
        std::string folders;
        for (const std::string& folder : HelperProgramFolders(layout)) {
            folders += folders.empty() ? "\"" : " nor in \"";
            folders += folder;
            folders += '"';
        }
        throw EDatabaseError(failure + " The Access reader " + programName +
                             " is missing: it is not in " + folders + ".");
    }
    const std::string& reader = *foundReader;

    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0) {
        throw EDatabaseError(failure + " " + std::strerror(errno));
    }
    TReaderProcess process;
    process.Output = pipeEnds[0];
    std::vector<std::string> arguments{reader, path};
    const int spawned = StartReader(process, arguments, pipeEnds[1]);
    ::close(pipeEnds[1]);
    if (spawned != 0) {
        throw EDatabaseError(failure + " The Access reader \"" + reader +
                             "\" cannot be started: " + std::strerror(spawned));
    }

    const TReaderOutput output = ReadAll(process);
    if (output.TimedOut) {
        ::kill(process.Pid, SIGKILL);
    }
    const int status = process.Reap();

    auto source = std::make_unique<TAccessSchemaSource>();
    source->FPath = path;
    unsigned version = 1;
    bool complete = false;
    bool tablesListed = false;
    bool queriesUnreadable = false;
    std::set<std::string> systemTables; // lower-cased
    std::vector<TAccessQuery> queries;
    std::map<long long, std::size_t> queryById;
    std::vector<access_reader::TQueryRowRecord> queryRows;
    std::vector<access_reader::TRelationshipRecord> relationships;
    bool relationshipsListed = false;
    TTableDescription* current = nullptr;
    std::istringstream lines(output.Text);
    for (std::string line; std::getline(lines, line);) {
        const std::string fields = line.size() > 2 ? line.substr(2) : std::string();
        std::istringstream in(fields);
        switch (line.empty() ? ' ' : line.front()) {
        case access_reader::ErrorRecord:
            throw EDatabaseError(failure + " " + fields);
        case access_reader::VersionRecord:
            in >> version;
            break;
        case access_reader::TableRecord: {
            std::string hexName;
            int system = 0;
            in >> hexName >> system;
            const std::string name = access_reader::NameFromHex(hexName);
            source->Catalogue.push_back({name, system != 0 ? "SYSTEM TABLE" : "TABLE", ""});
            current = &source->Tables[LowerCaseAscii(name)];
            current->OffersAutoIncrement = true;
            if (system != 0) {
                systemTables.insert(LowerCaseAscii(name));
            }
            break;
        }
        case access_reader::ColumnRecord:
            if (current != nullptr) {
                current->Columns.push_back(
                    MapAccessColumn(access_reader::ParseColumnFields(fields), version));
            }
            break;
        case access_reader::FieldPropertiesRecord:
            if (current != nullptr) {
                ApplyFieldProperties(*current, access_reader::ParseFieldPropertiesFields(fields));
            }
            break;
        case access_reader::PrimaryKeyRecord:
            if (current != nullptr) {
                current->Keys.PrimaryKey = access_reader::ParsePrimaryKeyFields(fields);
            }
            break;
        case access_reader::RelationshipRecord: {
            access_reader::TRelationshipRecord row;
            if (access_reader::ParseRelationshipFields(fields, row)) {
                relationships.push_back(std::move(row));
            }
            break;
        }
        case access_reader::RelationshipsListedRecord:
            relationshipsListed = true;
            break;
        case access_reader::TablesListedRecord:
            tablesListed = true;
            current = nullptr;
            break;
        case access_reader::QueryObjectRecord: {
            TAccessQuery query;
            query.Object = access_reader::ParseQueryObjectFields(fields);
            queryById.emplace(query.Object.Id, queries.size());
            queries.push_back(std::move(query));
            break;
        }
        case access_reader::QueryRowRecord:
            queryRows.push_back(access_reader::ParseQueryRowFields(fields));
            break;
        case access_reader::QueryWarningRecord:
            queriesUnreadable = true;
            break;
        case access_reader::DoneRecord:
            complete = true;
            break;
        default:
            break;
        }
    }
    const bool finished =
        complete && !output.TimedOut && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!finished && !tablesListed) {
        if (output.TimedOut) {
            throw EDatabaseError(failure + " Reading it took longer than " +
                                 std::to_string(ReadSeconds) + " seconds; the file is damaged.");
        }
        throw EDatabaseError(failure + " The file is damaged: reading it stopped before its end.");
    }

    if (relationshipsListed) {
        ApplyRelationships(source->Tables, systemTables, relationships);
    }

    // The tables stand even when the query definitions after them cannot be read: the queries
    // are then left out, and the run says so.
    if (!finished || queriesUnreadable) {
        source->FileWarnings.push_back(path +
                                       ": its query definitions cannot be read (the file is "
                                       "damaged there); its tables are listed, its queries are "
                                       "left out");
    } else if (!queries.empty()) {
        for (access_reader::TQueryRowRecord& row : queryRows) {
            const auto owner = queryById.find(row.ObjectId);
            if (owner != queryById.end()) {
                queries[owner->second].Rows.push_back(std::move(row));
            }
        }
        const TUserTableLookup userTables =
            [&](const std::string& name) -> const TTableDescription* {
            const std::string key = LowerCaseAscii(name);
            const auto table = source->Tables.find(key);
            return table == source->Tables.end() || systemTables.count(key) > 0 ? nullptr
                                                                                : &table->second;
        };
        TAccessViews views = DescribeAccessQueries(queries, userTables);
        for (TAccessView& view : views.Views) {
            // Tables and queries share one namespace in Access; a damaged catalogue holding
            // both under one name keeps the table.
            if (source->Tables.emplace(LowerCaseAscii(view.Name), std::move(view.Description))
                    .second) {
                TCatalogRow row;
                row.TableName = view.Name;
                row.TableType = "VIEW";
                source->Catalogue.push_back(std::move(row));
            }
        }
        for (const std::string& problem : views.Problems) {
            source->FileWarnings.push_back(path + ": " + problem);
        }
    }
    // As the Jet provider delivers them: the tables, then the views, each by name without
    // regard to letter case.
    std::stable_sort(source->Catalogue.begin(), source->Catalogue.end(),
                     [](const TCatalogRow& a, const TCatalogRow& b) {
                         const bool aView = a.TableType == "VIEW";
                         const bool bView = b.TableType == "VIEW";
                         if (aView != bView) {
                             return bView;
                         }
                         return LowerCaseAscii(a.TableName) < LowerCaseAscii(b.TableName);
                     });
    return source;
}

} // namespace quorvane
