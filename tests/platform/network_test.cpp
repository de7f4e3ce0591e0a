// The TCP table, process termination, HTTP GET and the LAN address against the real system.
#include <gtest/gtest.h>

#include <atomic>
#include <mutex>

#include "platform/files.h"
#include "platform/platform.h"
#include "platform_test_support.h"
#include "support/temp_folder.h"

namespace cw::test {
namespace {

const TcpConnection* find_port(const std::vector<TcpConnection>& rows, int port) {
    for (const auto& row : rows) {
        if (row.local_port == port && row.tcp_state == 2) return &row;
    }
    return nullptr;
}

bool can_listen_on(int port) {
    int p = port;
    const Socket s = listen_on_loopback(p);
    if (s == no_socket) return false;
    close_socket(s);
    return true;
}

TEST(TcpConnections, OurOwnListeningSocketIsListedWithUsAsOwner) {
    int port = 0;
    const Socket s = listen_on_loopback(port);
    ASSERT_NE(s, no_socket);
    const auto rows = make_system_platform()->list_tcp_connections();
    close_socket(s);
    const TcpConnection* row = find_port(rows, port);
    ASSERT_NE(row, nullptr) << "port " << port << " not in " << rows.size() << " rows";
    EXPECT_EQ(row->local_address, "127.0.0.1");
    EXPECT_EQ(row->tcp_state, 2);
    if (row->owner_pid != 0 || !running_under_wine()) {
        EXPECT_EQ(row->owner_pid, own_process_id());
    }
    EXPECT_EQ(row->remote_port, 0);
}

void expect_owner_found_and_ended(const std::string& listen) {
    auto platform = make_system_platform();
    TempFolder temp;
    const std::string dir = current_directory();
    const int port = free_port();
    ASSERT_GT(port, 0);
    auto run = platform->start_child(child_command(), temp.path(), 0);
    fs::set_current_directory(dir);
    ASSERT_TRUE(run->write_line(listen + std::to_string(port)));
    ASSERT_EQ(read_until(run, "\n"), "listening\n");

    // The table is a snapshot: under Wine a dual-stack listener's row has been seen to come a
    // moment after the child said it listens, so the table is read again for a short while.
    std::vector<TcpConnection> rows;
    const TcpConnection* row = nullptr;
    for (int i = 0; i < 40 && !row; ++i) {
        if (i > 0) std::this_thread::sleep_for(std::chrono::milliseconds(50));
        rows = platform->list_tcp_connections();
        row = find_port(rows, port);
    }
    ASSERT_NE(row, nullptr);
    std::uint32_t owner = row->owner_pid;
    if (owner == 0 && running_under_wine()) owner = run->process_id();
    EXPECT_EQ(owner, run->process_id());
    EXPECT_FALSE(can_listen_on(port));

    platform->terminate_process(owner);
    bool ended = false;
    for (int i = 0; i < 1000 && !ended; ++i) {
        ended = !run->is_alive();
        if (!ended) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (!ended) run->terminate();
    EXPECT_TRUE(ended);
    bool free = false;
    for (int i = 0; i < 100 && !free; ++i) {
        free = can_listen_on(port);
        if (!free) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_TRUE(free);
}

// An IPv4 listener, and a dual-stack one on [::] as a Java server opens it (listed in the
// IPv6 table only): each is found as the port's owner, and ending the owner frees the port.
TEST(TcpConnections, TerminatingThePortOwnerFreesThePort) {
    for (const std::string listen : {"listen ", "listen6 "}) {
        SCOPED_TRACE(listen);
        expect_owner_found_and_ended(listen);
    }
}

TEST(TcpConnections, TerminatingProcessZeroEndsNothing) {
    // A table row without an owner has pid 0; on posix kill(0) would hit our whole group.
    make_system_platform()->terminate_process(0);
    SUCCEED();  // still running
}

// A one-connection HTTP server on 127.0.0.1 that answers with a canned response (or, without
// one, holds the connection open and says nothing until it is stopped).
class TinyServer {
  public:
    explicit TinyServer(std::string response, bool answer = true)
        : response_(std::move(response)), answer_(answer) {
        listener_ = listen_on_loopback(port_);
        thread_ = std::thread([this] { serve(); });
    }
    ~TinyServer() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        if (listener_ != no_socket) close_socket(listener_);
    }
    int port() const { return port_; }
    std::string request() {
        std::lock_guard lock(mutex_);
        return request_;
    }

  private:
    void serve() {
        if (listener_ == no_socket) return;
        // Wait for the client with select so that stopping never depends on accept waking up.
        Socket client = no_socket;
        while (!stop_ && client == no_socket) {
            fd_set set;
            FD_ZERO(&set);
            FD_SET(listener_, &set);
            timeval tv{0, 50000};
            if (::select(static_cast<int>(listener_) + 1, &set, nullptr, nullptr, &tv) > 0) {
                client = ::accept(listener_, nullptr, nullptr);
            }
        }
        if (client == no_socket) return;
        std::string got;
        char buffer[1024];
        while (got.find("\r\n\r\n") == std::string::npos) {
            const int n = static_cast<int>(::recv(client, buffer, sizeof buffer, 0));
            if (n <= 0) break;
            got.append(buffer, static_cast<std::size_t>(n));
        }
        {
            std::lock_guard lock(mutex_);
            request_ = got;
        }
        if (answer_) {
            ::send(client, response_.data(), static_cast<int>(response_.size()), 0);
        } else {
            while (!stop_) std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        close_socket(client);
    }

    std::string response_;
    bool answer_;
    int port_ = 0;
    Socket listener_ = no_socket;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::string request_;
    std::thread thread_;
};

TEST(HttpGet, ReturnsTheBodyOfASuccessfulAnswer) {
    const std::string body = "\xC4\xFA\xB5\xC4IP\xA3\xBA[203.0.113.7] \xC0\xB4\xD7\xD4";
    TinyServer server("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n" + body);
    const std::string got =
        make_system_platform()->http_get("127.0.0.1", server.port(), "/ic.asp", 3000);
    EXPECT_EQ(got, body);
    const std::string request = server.request();
    EXPECT_EQ(request.rfind("GET /ic.asp HTTP/1.0\r\n", 0), 0u) << request;
    EXPECT_NE(request.find("\r\nHost: 127.0.0.1:" + std::to_string(server.port()) + "\r\n"),
              std::string::npos);
}

TEST(HttpGet, AnErrorStatusGivesEmptyText) {
    TinyServer server("HTTP/1.1 404 Not Found\r\n\r\nnot here");
    EXPECT_EQ(make_system_platform()->http_get("127.0.0.1", server.port(), "/ic.asp", 3000), "");
}

TEST(HttpGet, ASilentServerGivesEmptyTextAfterTheTimeOut) {
    TinyServer server("", false);
    const auto before = std::chrono::steady_clock::now();
    EXPECT_EQ(make_system_platform()->http_get("127.0.0.1", server.port(), "/ic.asp", 500), "");
    const auto took = std::chrono::steady_clock::now() - before;
    EXPECT_LT(took, std::chrono::seconds(5));
    EXPECT_GE(took, std::chrono::milliseconds(400));
}

TEST(HttpGet, NoServerOrNoHostGivesEmptyText) {
    auto platform = make_system_platform();
    EXPECT_EQ(platform->http_get("127.0.0.1", free_port(), "/ic.asp", 2000), "");
    EXPECT_EQ(platform->http_get("no-such-host.invalid", 80, "/ic.asp", 2000), "");
}

TEST(LanAddress, IsEmptyOrDottedIpv4) {
    const std::string address = make_system_platform()->lan_address();
    if (address.empty()) GTEST_SKIP() << "this machine's name resolves to no IPv4 address";
    in_addr parsed{};
    EXPECT_EQ(inet_pton(AF_INET, address.c_str(), &parsed), 1) << address;
}

}  // namespace
}  // namespace cw::test
