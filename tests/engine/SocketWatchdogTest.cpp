#include "schema/SocketWatchdog.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace quorvane;
using namespace std::chrono_literals;

namespace {

// Both ends of a connected pair of local sockets, closed when this goes.
struct TSocketPair {
    std::array<int, 2> Ends{-1, -1};

    TSocketPair() {
        if (::socketpair(AF_UNIX, SOCK_STREAM, 0, Ends.data()) != 0) {
            throw std::runtime_error("socketpair failed");
        }
    }
    ~TSocketPair() {
        for (const int end : Ends) {
            ::close(end);
        }
    }
    TSocketPair(const TSocketPair&) = delete;
    TSocketPair& operator=(const TSocketPair&) = delete;
};

// A blocking read on `descriptor`, as a driver waiting for its server makes it.
ssize_t BlockingRead(int descriptor) {
    char byte = 0;
    return ::recv(descriptor, &byte, 1, 0);
}

} // namespace

TEST(SocketWatchdogTest, FindsTheSocketsOpenedSinceAndNothingElse) {
    const std::vector<TSocketId> before = OpenSockets();
    const int file = ::dup(STDERR_FILENO);
    const TSocketPair pair;
    const std::vector<TSocketId> opened = SocketsOpenedSince(before);
    ::close(file);

    ASSERT_EQ(opened.size(), 2u);
    for (const TSocketId& socket : opened) {
        EXPECT_TRUE(socket.Descriptor == pair.Ends[0] || socket.Descriptor == pair.Ends[1]);
        EXPECT_NE(socket.Inode, 0u);
    }
    EXPECT_TRUE(SocketsOpenedSince(OpenSockets()).empty());
}

TEST(SocketWatchdogTest, ASilentPeerEndsTheBlockedCallAndAnsweringPeersAreLeftAlone) {
    const std::vector<TSocketId> before = OpenSockets();
    const TSocketPair pair;
    TSocketWatchdog watchdog(300ms);
    watchdog.Watch(SocketsOpenedSince(before));

    // Answers that keep coming within the limit, however long the whole request takes.
    {
        TSocketWatchdog::TWatch watch(watchdog);
        for (int answer = 0; answer < 5; ++answer) {
            std::thread peer([&pair] {
                std::this_thread::sleep_for(150ms);
                const char byte = 'x';
                ASSERT_EQ(::send(pair.Ends[1], &byte, 1, 0), 1);
            });
            EXPECT_EQ(BlockingRead(pair.Ends[0]), 1);
            watch.Progress();
            peer.join();
        }
    }
    EXPECT_FALSE(watchdog.Tripped());

    // Unwatched, a long pause is nobody's business.
    std::this_thread::sleep_for(500ms);
    EXPECT_FALSE(watchdog.Tripped());

    // A silent peer: the read returns (end of stream) soon after the limit.
    const auto start = std::chrono::steady_clock::now();
    {
        const TSocketWatchdog::TWatch watch(watchdog);
        EXPECT_EQ(BlockingRead(pair.Ends[0]), 0);
    }
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_TRUE(watchdog.Tripped());
    EXPECT_GE(waited, 300ms);
    EXPECT_LT(waited, 10s);
}

TEST(SocketWatchdogTest, ADescriptorReusedSinceIsNotShutDown) {
    TSocketWatchdog watchdog(100ms);
    TSocketId stale;
    {
        const std::vector<TSocketId> before = OpenSockets();
        const TSocketPair first;
        stale = SocketsOpenedSince(before).front();
    }
    // The same descriptor numbers, now for another connection.
    const TSocketPair second;
    ASSERT_TRUE(second.Ends[0] == stale.Descriptor || second.Ends[1] == stale.Descriptor);
    watchdog.Watch({stale});
    {
        const TSocketWatchdog::TWatch watch(watchdog);
        std::this_thread::sleep_for(400ms);
    }
    ASSERT_TRUE(watchdog.Tripped());

    const char byte = 'x';
    EXPECT_EQ(::send(second.Ends[0], &byte, 1, MSG_NOSIGNAL), 1);
    EXPECT_EQ(BlockingRead(second.Ends[1]), 1);
}
