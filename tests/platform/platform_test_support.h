#pragma once
// Helpers for the tests that drive the real system services: the test child's command line,
// reads that can't hang a test, and a few plain sockets.
#include <cstdint>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "platform/platform.h"

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace cw::test {

// The test child's path in the program's form: under Wine the build's Unix path is reached
// through drive Z:.
inline std::string test_child_path() {
    std::string path = CW_TEST_CHILD_PATH;
#ifdef _WIN32
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
#endif
    return path;
}

// "\"<child>\" <arguments>"
inline std::string child_command(const std::string& arguments = "") {
    std::string line = "\"" + test_child_path() + "\"";
    if (!arguments.empty()) line += " " + arguments;
    return line;
}

inline std::string without_cr(std::string text) {
    std::erase(text, '\r');
    return text;
}

// Runs `work` on a thread of its own and waits at most `seconds` for it; true when it ended.
// A work that doesn't end (a read that never returns is exactly the fault some tests look for)
// is left behind, so the test fails instead of hanging: it must hold by shared_ptr whatever it
// touches.
inline bool finishes_within(int seconds, std::function<void()> work) {
    auto done = std::make_shared<std::promise<void>>();
    auto ended = done->get_future();
    std::thread([work = std::move(work), done] {
        work();
        done->set_value();
    }).detach();
    return ended.wait_for(std::chrono::seconds(seconds)) == std::future_status::ready;
}

// Text that a reader thread collects while the test looks at it.
class Collected {
  public:
    void add(const std::string& chunk) {
        std::lock_guard lock(mutex_);
        text_ += without_cr(chunk);
    }
    std::string text() {
        std::lock_guard lock(mutex_);
        return text_;
    }

  private:
    std::mutex mutex_;
    std::string text_;
};

// What a read returned, or this when it was still waiting after the deadline.
inline const std::string no_answer = "<read still waiting>";

// One read of at most 260 bytes, bounded in time.
inline std::string read_chunk(const std::shared_ptr<ChildRun>& run, int seconds = 30) {
    auto chunk = std::make_shared<std::string>();
    if (!finishes_within(seconds, [run, chunk] { *chunk = run->read(260); })) return no_answer;
    return *chunk;
}

// Reads until the output (without carriage returns) holds `needle` or ends, bounded in time.
inline std::string read_until(const std::shared_ptr<ChildRun>& run, const std::string& needle,
                              int seconds = 30) {
    auto seen = std::make_shared<Collected>();
    finishes_within(seconds, [run, seen, needle] {
        while (seen->text().find(needle) == std::string::npos) {
            const std::string chunk = run->read(260);
            if (chunk.empty()) break;
            seen->add(chunk);
        }
    });
    return seen->text();
}

// Plain sockets for the tests' own listeners and clients.
#ifdef _WIN32
using Socket = SOCKET;
inline constexpr Socket no_socket = INVALID_SOCKET;
inline void close_socket(Socket s) {
    closesocket(s);
}
inline std::uint32_t own_process_id() {
    return GetCurrentProcessId();
}
#else
using Socket = int;
inline constexpr Socket no_socket = -1;
inline void close_socket(Socket s) {
    ::close(s);
}
inline std::uint32_t own_process_id() {
    return static_cast<std::uint32_t>(::getpid());
}
#endif

// Wine before version 9 leaves the owner of TCP table rows at 0: a Windows process's sockets
// live in its wineserver, where Wine's owner search doesn't look.
inline bool running_under_wine() {
#ifdef _WIN32
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
    return false;
#endif
}

inline void start_sockets() {
#ifdef _WIN32
    static const bool started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    (void)started;
#endif
}

// A socket listening on 127.0.0.1:port (0: any free port); `port` receives the port taken.
inline Socket listen_on_loopback(int& port) {
    start_sockets();
    Socket s = ::socket(AF_INET, SOCK_STREAM, 0);
    if (s == no_socket) return s;
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<unsigned short>(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    if (::bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || ::listen(s, 8) != 0 ||
        ::getsockname(s, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
        close_socket(s);
        return no_socket;
    }
    port = ntohs(addr.sin_port);
    return s;
}

// A port that was free a moment ago.
inline int free_port() {
    int port = 0;
    const Socket s = listen_on_loopback(port);
    if (s != no_socket) close_socket(s);
    return port;
}

}  // namespace cw::test
