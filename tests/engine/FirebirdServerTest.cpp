// The Firebird back-end against a live Firebird server on loopback, reached through data-link
// files with a password as a user makes them: tables, views and column types, the role, the
// select texts a run writes, a catalogue with its keys and facts read in the same few statements
// however many tables there are, and the messages for a wrong password, a refused connection, a
// server that never answers, one that answers a byte at a time and one that freezes once
// connected.
//
// The server comes from scripts/db-servers (`eval "$(scripts/db-servers start)"`), which sets
// QUORVANE_TEST_FIREBIRD_HOST, _PORT, _USER, _PASSWORD and _DATABASE (the full path of a
// database on the server; the tests make theirs in its folder). Without them the server tests are
// skipped, unless CI is set: there they fail. The tests of refused and silent servers need no
// server.

#include "FirebirdTestDatabase.h"
#include "LoopbackSocket.h"
#include "MiniTemplate.h"
#include "PlanSupport.h"
#include "SchemaCheck.h"
#include "TempDir.h"
#include "datalink/DataLink.h"
#include "generate/dmCodeGenerator.h"
#include "schema/firebird/FirebirdSchemaSource.h"
#include "text/EngineErrors.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <optional>
#include <thread>
#include <vector>

namespace quorvane {
namespace {

using T = TFieldType;
using testing::CheckSchema;
using testing::DescriptorText;
using testing::F;
using testing::TExpectedTable;
using testing::TLoopbackSocket;
using namespace std::chrono_literals;

struct TServer {
    std::string Host;
    std::string Port;
    std::string User;
    std::string Password;
    std::string Database;

    // A database file of the test's own beside the server's test database.
    std::string FileOf(const std::string& name) const {
        return (std::filesystem::path(Database).parent_path() / (name + ".fdb")).string();
    }
    std::string Address(const std::string& file) const { return Host + "/" + Port + ":" + file; }
    std::vector<std::string> Login() const { return {"-user", User, "-password", Password}; }
};

std::optional<TServer> ServerFromEnvironment(std::string& missing) {
    TServer server;
    const std::vector<std::pair<std::string, std::string*>> variables = {
        {"HOST", &server.Host},         {"PORT", &server.Port},         {"USER", &server.User},
        {"PASSWORD", &server.Password}, {"DATABASE", &server.Database},
    };
    for (const auto& [name, value] : variables) {
        const std::string variable = "QUORVANE_TEST_FIREBIRD_" + name;
        const char* text = std::getenv(variable.c_str());
        if (text == nullptr || *text == '\0') {
            missing += (missing.empty() ? "" : ", ") + variable;
        } else {
            *value = text;
        }
    }
    return missing.empty() ? std::optional<TServer>(server) : std::nullopt;
}

#define QUORVANE_REQUIRE_FIREBIRD_SERVER(server)                                                   \
    QUORVANE_REQUIRE_ISQL();                                                                       \
    std::string missing_##server;                                                                  \
    const std::optional<TServer> server = ServerFromEnvironment(missing_##server);                 \
    if (!server) {                                                                                 \
        if (std::getenv("CI") != nullptr) {                                                        \
            FAIL() << "CI is set but the server variables are missing: " << missing_##server       \
                   << " (start the servers with scripts/db-servers start)";                        \
        }                                                                                          \
        GTEST_SKIP() << "No Firebird server configured (missing " << missing_##server              \
                     << "); start one with: eval \"$(scripts/db-servers start)\"";                 \
    }

// Makes the database `name` on the server afresh (dropping an earlier run's, its database
// triggers left out) and runs `script` in it.
std::string RecreateDatabase(const TServer& server, const std::string& name,
                             const std::string& script) {
    const std::string file = server.FileOf(name);
    std::vector<std::string> dropping = server.Login();
    dropping.insert(dropping.end(), {"-nodbtriggers", server.Address(file)});
    testing::RunIsql("DROP DATABASE;\n", dropping, false);
    testing::RunIsql("CREATE DATABASE '" + server.Address(file) + "' USER '" + server.User +
                     "' PASSWORD '" + server.Password + "' DEFAULT CHARACTER SET UTF8;\n" + script +
                     "\nCOMMIT;\n");
    return file;
}

std::string WriteLink(const TTempDir& folder, const TServer& server, const std::string& file,
                      const std::string& password, const std::string& role = "") {
    TConnectionProperties link;
    link.Set("Provider", "LCPI.IBProvider.5");
    link.Set("Password", password);
    link.Set("Persist Security Info", "True");
    link.Set("User ID", server.User);
    link.Set("Data Source", server.Address(file));
    if (!role.empty()) {
        link.Set("Role", role);
    }
    const std::string udl = folder.File(std::filesystem::path(file).stem().string() + ".udl");
    WriteDataLinkFile(udl, link);
    return udl;
}

// The statements a run sends to read the catalogue and describe every table.
std::uint64_t StatementsOfARun(const std::string& udl) {
    const auto source = OpenSchemaSource("FILE NAME=" + udl);
    source->DescribeTables(source->ReadCatalogue());
    return source->StatementsSent();
}

const char* const ServerSchema = R"SQL(
CREATE DOMAIN D_MONEY AS NUMERIC(15,2);
CREATE TABLE CUSTOMERS (
  ID INTEGER GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY, NAME VARCHAR(30),
  CODE CHAR(3) CHARACTER SET NONE, CREDIT D_MONEY, NOTES BLOB SUB_TYPE TEXT,
  PHOTO BLOB SUB_TYPE BINARY, ACTIVE BOOLEAN, SINCE DATE, LAST_CALL TIMESTAMP,
  LABEL COMPUTED BY (NAME || ' (' || CODE || ')'));
CREATE TABLE "order lines" ("line id" BIGINT, "Unit Price" DECIMAL(18,4), QTY SMALLINT);
CREATE VIEW "Good Customers" AS SELECT ID, NAME, CREDIT FROM CUSTOMERS WHERE ACTIVE;
)SQL";

TEST(FirebirdServerTest, TablesViewsAndTypesThroughADataLinkWithAPassword) {
    QUORVANE_REQUIRE_FIREBIRD_SERVER(server);
    const std::string file = RecreateDatabase(*server, "quorvane_test_types", ServerSchema);
    TTempDir folder;
    const std::string udl = WriteLink(folder, *server, file, server->Password);

    TDM dm;
    dm.ConnectDatabase(udl, "", false);
    dm.TableNames.clear();
    dm.ListTableNames(dm.TableNames);
    EXPECT_EQ(dm.TableNames,
              (std::vector<std::string>{"CUSTOMERS", "order lines", "Good Customers"}));
    const std::vector<std::pair<std::string, std::vector<TFieldDescriptor>>> tables = {
        {"CUSTOMERS",
         {F("ID", T::ftAutoInc), F("NAME", T::ftWideString, 30), F("CODE", T::ftFixedChar, 3, true),
          F("CREDIT", T::ftBCD, 2), F("NOTES", T::ftMemo), F("PHOTO", T::ftBlob),
          F("ACTIVE", T::ftBoolean), F("SINCE", T::ftDate), F("LAST_CALL", T::ftDateTime),
          F("LABEL", T::ftWideString, 36)}},
        {"order lines",
         {F("line id", T::ftLargeint), F("Unit Price", T::ftBCD, 4), F("QTY", T::ftSmallint)}},
        {"Good Customers",
         {F("ID", T::ftInteger), F("NAME", T::ftWideString, 30), F("CREDIT", T::ftBCD, 2)}},
    };
    for (const auto& [name, expected] : tables) {
        SCOPED_TRACE(name);
        // Name, kind, size and fixed length, as the expected fields say.
        std::vector<TFieldDescriptor> fields = testing::FieldsOf(dm, name);
        for (TFieldDescriptor& field : fields) {
            field.Precision = 0;
            field.AutoIncrement = false;
            field.Facts = {};
        }
        EXPECT_EQ(fields, expected) << "reported:\n"
                                    << DescriptorText(fields) << "expected:\n"
                                    << DescriptorText(expected);
    }

    // A table the catalogue does not list fails naming it, and the password is in no message.
    const auto source = OpenSchemaSource("FILE NAME=" + udl);
    try {
        source->DescribeTable("no such table");
        ADD_FAILURE() << "no error for a missing table";
    } catch (const EDatabaseError& error) {
        const std::string message = error.what();
        EXPECT_EQ(message.rfind("Cannot open table \"no such table\" of Firebird database \"" +
                                    server->Address(file) + "\" (provider \"LCPI.IBProvider.5\"",
                                0),
                  0u)
            << message;
        EXPECT_EQ(message.find(server->Password), std::string::npos) << message;
    }

    // Every generated select text runs on the server.
    TTempDir output;
    testing::WriteMiniTemplate(output.Path() / "MidasProject");
    TDM generator;
    TProjectParam options;
    options.Database.UDLFile = udl;
    options.Directories.TemplateDir = output.File("MidasProject");
    options.Directories.OutputDir = output.File("out");
    generator.Generate(options);
    std::string script;
    for (const std::string& select :
         testing::SelectTextsOf(output.File("out/MidasProject/Midas_AppServer/rdmMain.dfm"))) {
        script += select + ";\n";
    }
    std::vector<std::string> connect = server->Login();
    connect.push_back(server->Address(file));
    const std::string ran = testing::RunIsql(script, connect, false);
    EXPECT_EQ(ran.find("Statement failed"), std::string::npos) << ran;
    EXPECT_NE(ran.find("\"order lines\""), std::string::npos) << ran;
}

TEST(FirebirdServerTest, TheWholeCatalogueTakesTheSameStatementsForAnyNumberOfTables) {
    QUORVANE_REQUIRE_FIREBIRD_SERVER(server);
    std::string few;
    for (int i = 1; i <= 3; ++i) {
        few += "CREATE TABLE T" + std::to_string(i) + " (ID INTEGER, NAME VARCHAR(20));\n";
    }
    std::string many = few;
    for (int i = 4; i <= 40; ++i) {
        many += "CREATE TABLE T" + std::to_string(i) + " (ID INTEGER, NAME VARCHAR(20));\n";
    }
    TTempDir folder;
    const std::string fewFile = RecreateDatabase(*server, "quorvane_test_few", few);
    const std::string manyFile = RecreateDatabase(*server, "quorvane_test_many", many);
    const std::uint64_t fewStatements =
        StatementsOfARun(WriteLink(folder, *server, fewFile, server->Password));
    const std::uint64_t manyStatements =
        StatementsOfARun(WriteLink(folder, *server, manyFile, server->Password));
    EXPECT_EQ(fewStatements, 3u) << "the catalogue, the columns and the keys, one statement each";
    EXPECT_EQ(manyStatements, fewStatements);
}

TEST(FirebirdServerTest, NotNullDefaultsCommentsAndKeysComeInTheSameStatements) {
    QUORVANE_REQUIRE_FIREBIRD_SERVER(server);
    const std::string file = RecreateDatabase(*server, "quorvane_test_keys", "");
    std::vector<std::string> connect = {"-ch", "UTF8"};
    for (const std::string& argument : server->Login()) {
        connect.push_back(argument);
    }
    connect.push_back(server->Address(file));
    testing::RunIsql(testing::KeysAndFactsSchema() + "COMMIT;\n", connect);
    const auto source = OpenFirebirdSchemaSource(
        {server->Address(file), server->User, server->Password, ""}, "the keys database");
    testing::CheckKeysAndFacts(*source);
    // The five tables at once (columns and keys), then each on its own (columns and keys).
    EXPECT_EQ(source->StatementsSent(), 2u + 5u * 2u);
}

TEST(FirebirdServerTest, RoleOfTheDataLinkReachesTheServer) {
    QUORVANE_REQUIRE_FIREBIRD_SERVER(server);
    // A database that lets in only connections in the role READER.
    const std::string file = RecreateDatabase(
        *server, "quorvane_test_role",
        "CREATE TABLE T1 (ID INTEGER);\n"
        "CREATE ROLE READER;\nGRANT READER TO USER " +
            server->User +
            ";\n"
            "CREATE EXCEPTION E_NO_ROLE 'Readers only';\n"
            "SET TERM ^;\nCREATE TRIGGER ONLY_READERS ON CONNECT AS BEGIN\n"
            "  IF (CURRENT_ROLE <> 'READER') THEN EXCEPTION E_NO_ROLE;\nEND^\nSET TERM ;^\n");
    TTempDir folder;
    const std::string withRole = WriteLink(folder, *server, file, server->Password, "READER");
    EXPECT_EQ(OpenSchemaSource("FILE NAME=" + withRole)->ReadCatalogue().size(), 1u);
    const std::string withoutRole = folder.File("without role.udl");
    std::filesystem::copy_file(WriteLink(folder, *server, file, server->Password), withoutRole);
    try {
        OpenSchemaSource("FILE NAME=" + withoutRole);
        ADD_FAILURE() << "connected without the role";
    } catch (const EDatabaseError& error) {
        EXPECT_NE(std::string(error.what()).find("Readers only"), std::string::npos)
            << error.what();
    }
}

TEST(FirebirdServerTest, WrongPasswordAndMissingDatabaseEndWithTheServersMessage) {
    QUORVANE_REQUIRE_FIREBIRD_SERVER(server);
    TTempDir folder;
    const std::string wrong = "Wrong;Secret{7}=";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {WriteLink(folder, *server, server->Database, wrong), "password"},
        {WriteLink(folder, *server, server->FileOf("quorvane_test_missing"), server->Password),
         "No such file or directory"},
    };
    for (const auto& [udl, reason] : cases) {
        SCOPED_TRACE(udl);
        try {
            OpenSchemaSource("FILE NAME=" + udl);
            ADD_FAILURE() << "connected";
        } catch (const EDatabaseError& error) {
            const std::string message = error.what();
            EXPECT_EQ(message.rfind("Cannot connect to Firebird database \"" + server->Host + "/" +
                                        server->Port + ":",
                                    0),
                      0u)
                << message;
            EXPECT_NE(message.find("provider \"LCPI.IBProvider.5\" of data-link file \"" + udl),
                      std::string::npos)
                << message;
            EXPECT_NE(message.find(reason), std::string::npos) << message;
            EXPECT_EQ(message.find("Secret"), std::string::npos) << message;
            EXPECT_EQ(message.find(server->Password), std::string::npos) << message;
        }
    }
}

// --- Servers that refuse, never answer or freeze -----------------------------------------------

void ExpectConnectionError(const std::string& port, const std::string& reason) {
    TTempDir folder;
    TServer nowhere{"127.0.0.1", port, "nobody", "Unanswered;Secret{7}", "/nothing/x.fdb"};
    const std::string udl = WriteLink(folder, nowhere, nowhere.Database, nowhere.Password);
    try {
        OpenSchemaSource("FILE NAME=" + udl);
        ADD_FAILURE() << "connected to a closed or silent port";
    } catch (const EDatabaseError& error) {
        const std::string message = error.what();
        EXPECT_EQ(message.rfind("Cannot connect to Firebird database \"127.0.0.1/" + port +
                                    ":/nothing/x.fdb\" (provider \"LCPI.IBProvider.5\"",
                                0),
                  0u)
            << message;
        EXPECT_NE(message.find(reason), std::string::npos) << message;
        EXPECT_EQ(message.find("Secret"), std::string::npos) << message;
    }
}

TEST(FirebirdServerFailureTest, RefusedConnectionEndsWithTheClientsMessage) {
    const TLoopbackSocket closed(false);
    ExpectConnectionError(closed.Port(), "Failed to establish a connection");
}

TEST(FirebirdServerFailureTest, ServerThatNeverAnswersEndsAtTheConnectTimeOut) {
    const TLoopbackSocket silent(true);
    const auto start = std::chrono::steady_clock::now();
    ExpectConnectionError(silent.Port(), "The server did not answer within 15 seconds.");
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, 15s);
    EXPECT_LT(waited, 30s);
}

// A server that takes every connection and answers it one byte at a time, every `interval`, with
// the start of an answer that never ends: the opening of a protocol answer whose data is said to
// be 65535 bytes long. A read time-out never fires on it; only a bound of the whole login ends it.
class TTricklingServer {
public:
    explicit TTricklingServer(std::chrono::milliseconds interval)
        : FListener(true), FInterval(interval), FThread([this] { Run(); }) {}
    ~TTricklingServer() {
        FStopping = true;
        FThread.join();
        for (const int socket : FClients) {
            ::close(socket);
        }
    }
    TTricklingServer(const TTricklingServer&) = delete;
    TTricklingServer& operator=(const TTricklingServer&) = delete;

    std::string Port() const { return FListener.Port(); }
    int BytesSent() const { return FBytesSent; }

private:
    TLoopbackSocket FListener;
    std::chrono::milliseconds FInterval;
    std::vector<int> FClients;
    std::vector<std::size_t> FSent;
    std::atomic<bool> FStopping{false};
    std::atomic<int> FBytesSent{0};
    std::thread FThread;

    // Big-endian words: "accept with data" (94), protocol 13, architecture, type, data length.
    static constexpr unsigned char Answer[] = {0, 0, 0, 94, 0xFF, 0xFF, 0x80, 0x0D, 0,    0,
                                               0, 1, 0, 0,  0,    5,    0,    0,    0xFF, 0xFF};

    void Run() {
        auto next = std::chrono::steady_clock::now();
        while (!FStopping) {
            pollfd listener{FListener.Descriptor(), POLLIN, 0};
            if (::poll(&listener, 1, 20) > 0) {
                const int client = ::accept(FListener.Descriptor(), nullptr, nullptr);
                if (client >= 0) {
                    FClients.push_back(client);
                    FSent.push_back(0);
                }
            }
            if (std::chrono::steady_clock::now() < next) {
                continue;
            }
            next += FInterval;
            for (std::size_t index = 0; index < FClients.size(); ++index) {
                const unsigned char byte = FSent[index] < sizeof Answer ? Answer[FSent[index]] : 0;
                if (::send(FClients[index], &byte, 1, MSG_NOSIGNAL | MSG_DONTWAIT) == 1) {
                    ++FSent[index];
                    ++FBytesSent;
                }
            }
        }
    }
};

TEST(FirebirdServerFailureTest, ServerThatTricklesItsAnswerEndsAtTheLoginBound) {
    // A byte every 2 seconds keeps any wait for the next byte short: the login as a whole is
    // bounded, and ends with the same message as a server that says nothing.
    const TTricklingServer trickling(2s);
    ExpectConnectionError(trickling.Port(), "The server did not answer within 15 seconds.");
    EXPECT_GE(trickling.BytesSent(), 4) << "the client gave up before the server trickled";
}

// Passes a loopback connection on to the server, byte for byte, until it is frozen: then it
// keeps the connections open and passes nothing, as a hung server or a silent firewall does.
class TFreezableProxy {
public:
    explicit TFreezableProxy(const std::string& targetPort)
        : FListener(true), FTargetPort(static_cast<unsigned short>(std::stoi(targetPort))),
          FThread([this] { Run(); }) {}
    ~TFreezableProxy() {
        FStopping = true;
        FThread.join();
        for (const int socket : FSockets) {
            ::close(socket);
        }
    }
    TFreezableProxy(const TFreezableProxy&) = delete;
    TFreezableProxy& operator=(const TFreezableProxy&) = delete;

    std::string Port() const { return FListener.Port(); }
    void Freeze() { FFrozen = true; }

private:
    TLoopbackSocket FListener;
    unsigned short FTargetPort;
    std::vector<int> FSockets; // pairs: client, server
    std::atomic<bool> FFrozen{false};
    std::atomic<bool> FStopping{false};
    std::thread FThread;

    void Run() {
        while (!FStopping) {
            std::vector<pollfd> watched = {{FListener.Descriptor(), POLLIN, 0}};
            if (!FFrozen) {
                for (const int socket : FSockets) {
                    watched.push_back({socket, POLLIN, 0});
                }
            }
            if (::poll(watched.data(), watched.size(), 50) <= 0) {
                continue;
            }
            if ((watched[0].revents & POLLIN) != 0) {
                Accept();
            }
            for (std::size_t index = 1; index < watched.size(); ++index) {
                if ((watched[index].revents & (POLLIN | POLLHUP)) != 0) {
                    Pass(index - 1);
                }
            }
        }
    }

    void Accept() {
        const int client = ::accept(FListener.Descriptor(), nullptr, nullptr);
        const int server = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(FTargetPort);
        if (client < 0 || server < 0 ||
            ::connect(server, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
            ::close(client);
            ::close(server);
            return;
        }
        FSockets.push_back(client);
        FSockets.push_back(server);
    }

    void Pass(std::size_t from) {
        char buffer[16384];
        const ssize_t count = ::read(FSockets[from], buffer, sizeof buffer);
        const int to = FSockets[from ^ 1];
        if (count <= 0) {
            ::shutdown(to, SHUT_WR);
            return;
        }
        for (ssize_t written = 0; written < count;) {
            const ssize_t part =
                ::write(to, buffer + written, static_cast<std::size_t>(count - written));
            if (part <= 0) {
                return;
            }
            written += part;
        }
    }
};

TEST(FirebirdServerTest, FrozenServerEndsTheRequestOnceItStaysSilentTooLong) {
    QUORVANE_REQUIRE_FIREBIRD_SERVER(server);
    const std::string file = RecreateDatabase(*server, "quorvane_test_frozen",
                                              "CREATE TABLE T1 (ID INTEGER);\n"
                                              "CREATE TABLE T2 (ID INTEGER, NAME VARCHAR(9));");
    TFreezableProxy proxy(server->Port);
    TServer proxied = *server;
    proxied.Port = proxy.Port();
    const std::string description = "the server " + proxied.Address(file);
    std::unique_ptr<ISchemaSource> source = OpenFirebirdSchemaSource(
        {proxied.Address(file), server->User, server->Password, ""}, description, 2s);
    EXPECT_EQ(source->ReadCatalogue().size(), 2u);
    EXPECT_EQ(source->DescribeTable("T1").Columns.size(), 1u);

    proxy.Freeze();
    const auto start = std::chrono::steady_clock::now();
    try {
        source->DescribeTable("T2");
        ADD_FAILURE() << "a frozen server described a table";
    } catch (const EDatabaseError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open table \"T2\" of " + description +
                                                 ". The server did not answer within 2 seconds.");
    }
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, 2s);
    EXPECT_LT(waited, 30s) << "the silence was ended by something else than the answer limit";

    // The connection is given up: the next request fails at once, and closing it does not wait
    // for the server either.
    const auto again = std::chrono::steady_clock::now();
    EXPECT_THROW(source->ReadCatalogue(), EDatabaseError);
    EXPECT_LT(std::chrono::steady_clock::now() - again, 2s);
    const auto closing = std::chrono::steady_clock::now();
    source.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - closing, 2s);
}

} // namespace
} // namespace quorvane
