#pragma once

// A server that is not there, for the tests of connections that fail.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>
#include <string>

namespace quorvane::testing {

/// A socket on a loopback port: bound only, it refuses connections; listening, it takes them
/// into its queue but never answers.
class TLoopbackSocket {
public:
    explicit TLoopbackSocket(bool listening) : FSocket(::socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (FSocket < 0 || ::bind(FSocket, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
            (listening && ::listen(FSocket, 16) != 0) ||
            ::getsockname(FSocket, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
            if (FSocket >= 0) {
                ::close(FSocket);
            }
            throw std::runtime_error("cannot bind a loopback socket");
        }
        FPort = ntohs(address.sin_port);
    }
    ~TLoopbackSocket() { ::close(FSocket); }
    TLoopbackSocket(const TLoopbackSocket&) = delete;
    TLoopbackSocket& operator=(const TLoopbackSocket&) = delete;

    int Descriptor() const { return FSocket; }
    std::string Port() const { return std::to_string(FPort); }

private:
    int FSocket;
    unsigned short FPort = 0;
};

} // namespace quorvane::testing
