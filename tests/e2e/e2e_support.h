#pragma once
// What the end-to-end tests and the benchmarks need around the real platform: the Java runtime,
// a program folder deployed as at start-up, free ports and listeners, a local IP-echo page, a
// UI that keeps the status history, and a platform that cannot end the test process itself.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "config/properties.h"
#include "config/workspace.h"
#include "payload/payload.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "support/headless_ui.h"

namespace cw::test {

// JAVA_HOME's runtime, else the first "java" on the PATH; empty when there is none.
inline std::string find_java() {
    if (const char* home = std::getenv("JAVA_HOME"); home && *home) {
        const std::string java = std::string(home) + "/bin/java";
        if (::access(java.c_str(), X_OK) == 0) return java;
    }
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin";
    std::size_t start = 0;
    while (start <= dirs.size()) {
        const std::size_t end = std::min(dirs.find(':', start), dirs.size());
        const std::string java = dirs.substr(start, end - start) + "/java";
        if (end > start && ::access(java.c_str(), X_OK) == 0) return java;
        start = end + 1;
    }
    return {};
}

inline bool server_jar_available() {
    return !payload::server_jar().empty();
}

// The workspace as the program's start-up leaves it: the root with the server jar, the plugins
// folder with the companion plugin, and here a settings file naming `port`.
inline void deploy_workspace(const std::string& program_dir, int port) {
    fs::create_folder(owned_path(program_dir, kWorkspaceRoot));
    fs::create_folder(owned_path(program_dir, kPluginsFolder));
    fs::write_whole_file(owned_path(program_dir, kServerJarPath),
                         payload::as_text(payload::server_jar()));
    if (!payload::companion_jar().empty()) {
        fs::write_whole_file(owned_path(program_dir, kCompanionJarPath),
                             payload::as_text(payload::companion_jar()));
    }
    std::string properties(default_properties_text());
    write_property(properties, "server-port", std::to_string(port));
    fs::write_whole_file(owned_path(program_dir, kPropertiesPath), properties);
}

// A listening TCP socket, closed with the object.
class Listener {
  public:
    // Port 0 picks a free one.
    explicit Listener(int port = 0, bool any_address = true) {
        fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(static_cast<unsigned short>(port));
        a.sin_addr.s_addr = htonl(any_address ? INADDR_ANY : INADDR_LOOPBACK);
        if (::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || ::listen(fd_, 8) != 0) {
            ::close(fd_);
            fd_ = -1;
            return;
        }
        socklen_t len = sizeof a;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len);
        port_ = ntohs(a.sin_port);
    }
    ~Listener() {
        if (fd_ >= 0) ::close(fd_);
    }
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

    bool ok() const { return fd_ >= 0; }
    int port() const { return port_; }
    int fd() const { return fd_; }

  private:
    int fd_ = -1;
    int port_ = 0;
};

// A port nobody listens on right now.
inline int free_port() {
    return Listener().port();
}

// A local IP-echo page on 127.0.0.1 that answers every request with `body`; CUBEWORKS_IP_ECHO
// points the program at it while the object lives.
class IpEchoServer {
  public:
    explicit IpEchoServer(std::string body) : listener_(0, false), body_(std::move(body)) {
        const std::string address = "127.0.0.1:" + std::to_string(listener_.port());
        ::setenv("CUBEWORKS_IP_ECHO", address.c_str(), 1);
        thread_ = std::thread([this] { serve(); });
    }
    ~IpEchoServer() {
        stop_ = true;
        thread_.join();
        ::unsetenv("CUBEWORKS_IP_ECHO");
    }
    IpEchoServer(const IpEchoServer&) = delete;
    IpEchoServer& operator=(const IpEchoServer&) = delete;

    int requests() const { return requests_; }

  private:
    void serve() {
        while (!stop_) {
            pollfd p{listener_.fd(), POLLIN, 0};
            if (::poll(&p, 1, 50) <= 0) continue;
            const int c = ::accept4(listener_.fd(), nullptr, nullptr, SOCK_CLOEXEC);
            if (c < 0) continue;
            std::string request;
            char buffer[1024];
            while (request.find("\r\n\r\n") == std::string::npos) {
                pollfd q{c, POLLIN, 0};
                if (::poll(&q, 1, 2000) <= 0) break;
                const ssize_t n = ::recv(c, buffer, sizeof buffer, 0);
                if (n <= 0) break;
                request.append(buffer, static_cast<std::size_t>(n));
            }
            const std::string response =
                "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n"
                "Content-Length: " +
                std::to_string(body_.size()) + "\r\nConnection: close\r\n\r\n" + body_;
            ::send(c, response.data(), response.size(), MSG_NOSIGNAL);
            ::close(c);
            ++requests_;
        }
    }

    Listener listener_;
    std::string body_;
    std::atomic<bool> stop_{false};
    std::atomic<int> requests_{0};
    std::thread thread_;
};

// The headless UI, keeping every status bar text ever set.
class RecordingUi : public HeadlessUi {
  public:
    using HeadlessUi::HeadlessUi;
    void set_status(std::string_view name, int part, std::string_view text) override {
        {
            std::lock_guard lock(mutex_);
            history_.push_back(std::to_string(part) + ":" + std::string(text));
        }
        HeadlessUi::set_status(name, part, text);
    }
    std::vector<std::string> status_history() {
        std::lock_guard lock(mutex_);
        return history_;
    }
    bool status_seen(int part, std::string_view text) {
        const std::string entry = std::to_string(part) + ":" + std::string(text);
        for (const auto& e : status_history()) {
            if (e == entry) return true;
        }
        return false;
    }

  private:
    std::mutex mutex_;
    std::vector<std::string> history_;
};

// The real platform, except that it never ends the test process itself: a port held by the
// test then stays held although the operator answered Yes.
class SparingPlatform : public Platform {
  public:
    explicit SparingPlatform(Platform& real) : real_(real) {}
    std::shared_ptr<ChildRun> start_child(const std::string& command_line,
                                          const std::string& working_dir, int show_mode) override {
        return real_.start_child(command_line, working_dir, show_mode);
    }
    std::vector<TcpConnection> list_tcp_connections() override {
        return real_.list_tcp_connections();
    }
    void terminate_process(std::uint32_t pid) override {
        if (pid == static_cast<std::uint32_t>(::getpid())) return;
        real_.terminate_process(pid);
    }
    bool is_64bit_windows() override { return real_.is_64bit_windows(); }
    std::string read_registry_text_64(const std::string& root, const std::string& key,
                                      const std::string& value) override {
        return real_.read_registry_text_64(root, key, value);
    }
    std::string read_registry_text_32(const std::string& root, const std::string& key,
                                      const std::string& value) override {
        return real_.read_registry_text_32(root, key, value);
    }
    std::string http_get(const std::string& host, int port, const std::string& path,
                         int timeout_ms) override {
        return real_.http_get(host, port, path, timeout_ms);
    }
    std::string lan_address() override { return real_.lan_address(); }
    std::optional<std::int64_t> system_time() override { return real_.system_time(); }
    std::optional<std::int64_t> idle_time() override { return real_.idle_time(); }
    std::string environment_variable(const std::string& name) override {
        return real_.environment_variable(name);
    }
    int processor_count() override { return real_.processor_count(); }
    bool set_clipboard_text(const std::string& text) override {
        return real_.set_clipboard_text(text);
    }
    bool open_url(const std::string& url) override { return real_.open_url(url); }

  private:
    Platform& real_;
};

template <class Condition>
bool wait_until(Condition condition, int timeout_ms) {
    for (int waited = 0; waited < timeout_ms; waited += 10) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return condition();
}

}  // namespace cw::test
