// quorvane-latency-relay: a loopback TCP relay that holds back every piece of data it passes on
// by a fixed delay, in both directions, so that a database client on this machine sees its
// server as across a network: each request and its answer then cost twice the delay more. It
// also counts, in the client's stream, the statements and the requests (the exchanges that
// wait for an answer) of the PostgreSQL or MySQL protocol.
//
//   quorvane-latency-relay --target HOST:PORT --protocol postgresql|mysql [--delay-ms N]
//                          [--counts FILE]
//
// It listens on a free port of 127.0.0.1 and prints that port on the first line of its output.
// On SIGTERM or SIGINT it writes "statements N" and "requests N" to FILE (or standard output)
// and ends.

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <deque>
#include <fstream>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using TClock = std::chrono::steady_clock;

volatile std::sig_atomic_t Stopping = 0;

void OnStopSignal(int) {
    Stopping = 1;
}

// A file descriptor, closed when it goes.
class TDescriptor {
public:
    explicit TDescriptor(int descriptor = -1) : FDescriptor(descriptor) {}
    ~TDescriptor() {
        if (FDescriptor >= 0) {
            ::close(FDescriptor);
        }
    }
    TDescriptor(const TDescriptor&) = delete;
    TDescriptor& operator=(const TDescriptor&) = delete;
    int Get() const { return FDescriptor; }

private:
    int FDescriptor;
};

void SetNonBlocking(int descriptor) {
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) | O_NONBLOCK);
    const int on = 1;
    ::setsockopt(descriptor, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
}

enum class TProtocol { PostgreSql, MySql };

// Reads the client's side of a session and counts what it asks of the server.
class TRequestCounter {
public:
    explicit TRequestCounter(TProtocol protocol) : FProtocol(protocol) {}

    void Feed(const char* data, std::size_t size) {
        FBuffer.append(data, size);
        for (;;) {
            const std::size_t used =
                FProtocol == TProtocol::PostgreSql ? NextPostgreSql() : NextMySql();
            if (used == 0) {
                break;
            }
            FBuffer.erase(0, used);
        }
    }

    std::uint64_t Statements = 0;
    std::uint64_t Requests = 0;

private:
    TProtocol FProtocol;
    std::string FBuffer;
    bool FStarted = false; // PostgreSQL: the start-up message has passed

    std::uint32_t BigEndian(std::size_t at, int bytes) const {
        std::uint32_t value = 0;
        for (int i = 0; i < bytes; ++i) {
            value = (value << 8) | static_cast<unsigned char>(FBuffer[at + i]);
        }
        return value;
    }

    // One message of the PostgreSQL protocol: the start-up messages have a length and no type;
    // then a simple query ('Q') is a statement and a request, an execution of the extended
    // protocol ('E') a statement, its synchronisation ('S') a request.
    std::size_t NextPostgreSql() {
        if (!FStarted) {
            if (FBuffer.size() < 8) {
                return 0;
            }
            const std::uint32_t length = BigEndian(0, 4);
            if (FBuffer.size() < length) {
                return 0;
            }
            constexpr std::uint32_t SslRequest = 80877103;
            constexpr std::uint32_t GssRequest = 80877104;
            const std::uint32_t code = BigEndian(4, 4);
            FStarted = code != SslRequest && code != GssRequest;
            return length;
        }
        if (FBuffer.size() < 5) {
            return 0;
        }
        const std::uint32_t length = BigEndian(1, 4) + 1;
        if (FBuffer.size() < length) {
            return 0;
        }
        switch (FBuffer[0]) {
        case 'Q':
            ++Statements;
            ++Requests;
            break;
        case 'E':
            ++Statements;
            break;
        case 'S':
            ++Requests;
            break;
        default:
            break;
        }
        return length;
    }

    // One packet of the MySQL protocol: three bytes of length, one of sequence. A command opens
    // a sequence (0); a text query (3) and the execution of a prepared statement (23) are
    // statements, and every command but closing a statement (25) or the session (1) waits for
    // an answer.
    std::size_t NextMySql() {
        if (FBuffer.size() < 4) {
            return 0;
        }
        const std::size_t length = static_cast<unsigned char>(FBuffer[0]) |
                                   (static_cast<unsigned char>(FBuffer[1]) << 8) |
                                   (static_cast<unsigned char>(FBuffer[2]) << 16);
        if (FBuffer.size() < length + 4) {
            return 0;
        }
        if (FBuffer[3] == 0 && length > 0) {
            const auto command = static_cast<unsigned char>(FBuffer[4]);
            constexpr unsigned char Quit = 1, Query = 3, Execute = 23, Close = 25;
            if (command == Query || command == Execute) {
                ++Statements;
            }
            if (command != Quit && command != Close) {
                ++Requests;
            }
        }
        return length + 4;
    }
};

// Data on its way from one socket to the other, each piece due at its time.
struct TPiece {
    TClock::time_point Due;
    std::string Data;
    std::size_t Sent = 0;
};

struct TDirection {
    int From = -1;
    int To = -1;
    std::deque<TPiece> Pending;
    bool Ended = false;    // the sending side closed
    bool ShutDown = false; // and that has been passed on
};

struct TSession {
    TDescriptor Client;
    TDescriptor Server;
    TDirection ToServer;
    TDirection ToClient;
    TRequestCounter Counter;

    TSession(int client, int server, TProtocol protocol)
        : Client(client), Server(server), Counter(protocol) {
        ToServer.From = client;
        ToServer.To = server;
        ToClient.From = server;
        ToClient.To = client;
    }
    bool Finished() const { return ToServer.ShutDown && ToClient.ShutDown; }
};

int ConnectTo(const std::string& host, const std::string& port) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), port.c_str(), &hints, &found) != 0) {
        return -1;
    }
    int descriptor = -1;
    for (addrinfo* address = found; address != nullptr && descriptor < 0;
         address = address->ai_next) {
        descriptor = ::socket(address->ai_family, address->ai_socktype, address->ai_protocol);
        if (descriptor >= 0 && ::connect(descriptor, address->ai_addr, address->ai_addrlen) != 0) {
            ::close(descriptor);
            descriptor = -1;
        }
    }
    ::freeaddrinfo(found);
    return descriptor;
}

// Reads what `direction`'s sender has; marks it ended when nothing more will come.
void ReadInto(TDirection& direction, std::chrono::milliseconds delay, TRequestCounter* counter) {
    char buffer[65536];
    const ssize_t count = ::recv(direction.From, buffer, sizeof buffer, 0);
    if (count > 0) {
        if (counter != nullptr) {
            counter->Feed(buffer, static_cast<std::size_t>(count));
        }
        direction.Pending.push_back(
            {TClock::now() + delay, std::string(buffer, static_cast<std::size_t>(count)), 0});
    } else if (count == 0 || (errno != EAGAIN && errno != EINTR)) {
        direction.Ended = true;
    }
}

// Passes on what is due; a closed sender is passed on once everything before has gone.
void WriteDue(TDirection& direction) {
    while (!direction.Pending.empty() && direction.Pending.front().Due <= TClock::now()) {
        TPiece& piece = direction.Pending.front();
        const ssize_t count = ::send(direction.To, piece.Data.data() + piece.Sent,
                                     piece.Data.size() - piece.Sent, MSG_NOSIGNAL);
        if (count < 0) {
            if (errno == EAGAIN || errno == EINTR) {
                return;
            }
            direction.Pending.clear();
            direction.Ended = true;
            break;
        }
        piece.Sent += static_cast<std::size_t>(count);
        if (piece.Sent < piece.Data.size()) {
            return;
        }
        direction.Pending.pop_front();
    }
    if (direction.Ended && direction.Pending.empty() && !direction.ShutDown) {
        ::shutdown(direction.To, SHUT_WR);
        direction.ShutDown = true;
    }
}

struct TOptions {
    std::string Host;
    std::string Port;
    TProtocol Protocol = TProtocol::PostgreSql;
    std::chrono::milliseconds Delay{5};
    std::string CountsFile;
};

TOptions ParseOptions(int argc, char** argv) {
    TOptions options;
    bool protocolGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc) {
            throw std::runtime_error("missing value after " + option);
        }
        const std::string value = argv[++i];
        if (option == "--target") {
            const std::size_t colon = value.rfind(':');
            if (colon == std::string::npos) {
                throw std::runtime_error("--target needs HOST:PORT");
            }
            options.Host = value.substr(0, colon);
            options.Port = value.substr(colon + 1);
        } else if (option == "--protocol" && (value == "postgresql" || value == "mysql")) {
            options.Protocol = value == "mysql" ? TProtocol::MySql : TProtocol::PostgreSql;
            protocolGiven = true;
        } else if (option == "--delay-ms") {
            options.Delay = std::chrono::milliseconds(std::stol(value));
        } else if (option == "--counts") {
            options.CountsFile = value;
        } else {
            throw std::runtime_error("unknown option " + option + " " + value);
        }
    }
    if (options.Host.empty() || !protocolGiven) {
        throw std::runtime_error("--target and --protocol are needed");
    }
    return options;
}

int Run(const TOptions& options) {
    TDescriptor listener(::socket(AF_INET, SOCK_STREAM, 0));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    const int on = 1;
    ::setsockopt(listener.Get(), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    if (listener.Get() < 0 ||
        ::bind(listener.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener.Get(), 64) != 0 ||
        ::getsockname(listener.Get(), reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        throw std::runtime_error(std::string("cannot listen on 127.0.0.1: ") +
                                 std::strerror(errno));
    }
    std::cout << ntohs(address.sin_port) << std::endl;

    std::vector<std::unique_ptr<TSession>> sessions;
    std::uint64_t statements = 0;
    std::uint64_t requests = 0;
    while (Stopping == 0) {
        // What to wait for: the listener, every sender that has not closed, and every receiver
        // that has a piece due; else until the next piece falls due.
        std::vector<pollfd> watched{{listener.Get(), POLLIN, 0}};
        std::vector<std::pair<TSession*, TDirection*>> readers;
        TClock::time_point next = TClock::now() + std::chrono::seconds(1);
        for (const auto& session : sessions) {
            for (TDirection* direction : {&session->ToServer, &session->ToClient}) {
                if (!direction->Ended) {
                    watched.push_back({direction->From, POLLIN, 0});
                    readers.emplace_back(session.get(), direction);
                }
                if (!direction->Pending.empty()) {
                    const TClock::time_point due = direction->Pending.front().Due;
                    if (due <= TClock::now()) {
                        watched.push_back({direction->To, POLLOUT, 0});
                        readers.emplace_back(nullptr, nullptr);
                    } else if (due < next) {
                        next = due;
                    }
                }
            }
        }
        const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(
                              next - TClock::now() + std::chrono::microseconds(999))
                              .count();
        if (::poll(watched.data(), watched.size(), static_cast<int>(std::max<long>(wait, 0))) < 0 &&
            errno != EINTR) {
            throw std::runtime_error(std::string("poll failed: ") + std::strerror(errno));
        }
        if ((watched[0].revents & POLLIN) != 0) {
            const int client = ::accept(listener.Get(), nullptr, nullptr);
            if (client >= 0) {
                const int server = ConnectTo(options.Host, options.Port);
                if (server < 0) {
                    ::close(client);
                } else {
                    SetNonBlocking(client);
                    SetNonBlocking(server);
                    sessions.push_back(
                        std::make_unique<TSession>(client, server, options.Protocol));
                }
            }
        }
        for (std::size_t i = 1; i < watched.size(); ++i) {
            const auto [session, direction] = readers[i - 1];
            if (direction != nullptr && (watched[i].revents & (POLLIN | POLLHUP | POLLERR)) != 0) {
                ReadInto(*direction, options.Delay,
                         direction == &session->ToServer ? &session->Counter : nullptr);
            }
        }
        for (const auto& session : sessions) {
            WriteDue(session->ToServer);
            WriteDue(session->ToClient);
        }
        for (auto session = sessions.begin(); session != sessions.end();) {
            if ((*session)->Finished()) {
                statements += (*session)->Counter.Statements;
                requests += (*session)->Counter.Requests;
                session = sessions.erase(session);
            } else {
                ++session;
            }
        }
    }
    for (const auto& session : sessions) {
        statements += session->Counter.Statements;
        requests += session->Counter.Requests;
    }
    std::ofstream file;
    if (!options.CountsFile.empty()) {
        file.open(options.CountsFile);
    }
    std::ostream& out = options.CountsFile.empty() ? std::cout : file;
    out << "statements " << statements << "\nrequests " << requests << "\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::signal(SIGTERM, OnStopSignal);
    std::signal(SIGINT, OnStopSignal);
    std::signal(SIGPIPE, SIG_IGN);
    try {
        return Run(ParseOptions(argc, argv));
    } catch (const std::exception& error) {
        std::cerr << "quorvane-latency-relay: " << error.what() << "\n";
        return 2;
    }
}
