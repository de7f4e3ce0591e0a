// The system services on the posix side: the same behaviour as on Windows where the system
// has it (processes, TCP table, sockets), empty answers for the registry.
#include <arpa/inet.h>
#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <map>

#include "platform/files.h"
#include "platform/http_response.h"
#include "platform/platform.h"
#include "platform/posix/posix_handles.h"
#include "platform/tcp_table.h"

namespace cw {

namespace {

// Milliseconds of a monotonic clock (<chrono> is kept out: its text literals don't fit GBK).
long long now_ms() {
    timespec t{};
    ::clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

int ms_left(long long deadline) {
    const long long left = deadline - now_ms();
    return left > 0 ? static_cast<int>(left) : 0;
}

bool wait_for(int fd, short events, long long deadline) {
    for (;;) {
        pollfd p{fd, events, 0};
        const int r = ::poll(&p, 1, ms_left(deadline));
        if (r > 0) return true;
        if (r == 0 || errno != EINTR) return false;
    }
}

// Connects with a time-out; an invalid descriptor on failure.
posix::UniqueFd connect_to(const std::string& host, int port, int timeout_ms) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) return {};
    posix::UniqueFd result;
    const long long deadline = now_ms() + timeout_ms;
    for (addrinfo* a = found; a && !result; a = a->ai_next) {
        posix::UniqueFd s(
            ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, a->ai_protocol));
        if (!s) continue;
        if (::connect(s.get(), a->ai_addr, a->ai_addrlen) != 0) {
            if (errno != EINPROGRESS || !wait_for(s.get(), POLLOUT, deadline)) continue;
            int error = 0;
            socklen_t len = sizeof error;
            if (::getsockopt(s.get(), SOL_SOCKET, SO_ERROR, &error, &len) != 0 || error != 0) {
                continue;
            }
        }
        result = std::move(s);
    }
    ::freeaddrinfo(found);
    return result;
}

// Socket inode -> owning process, from the /proc/PID/fd links, for the inodes wanted.
std::map<std::uint64_t, std::uint32_t> socket_owners(const std::map<std::uint64_t, bool>& wanted) {
    std::map<std::uint64_t, std::uint32_t> owners;
    DIR* proc = ::opendir("/proc");
    if (!proc) return owners;
    while (dirent* e = ::readdir(proc)) {
        char* end = nullptr;
        const unsigned long pid = std::strtoul(e->d_name, &end, 10);
        if (*end != '\0' || pid == 0) continue;
        const std::string fd_dir = std::string("/proc/") + e->d_name + "/fd";
        DIR* fds = ::opendir(fd_dir.c_str());
        if (!fds) continue;
        while (dirent* f = ::readdir(fds)) {
            if (f->d_name[0] == '.') continue;
            char target[64];
            const std::string link = fd_dir + "/" + f->d_name;
            const ssize_t n = ::readlink(link.c_str(), target, sizeof target - 1);
            if (n <= 9 || std::strncmp(target, "socket:[", 8) != 0) continue;
            target[n] = '\0';
            const std::uint64_t inode = std::strtoull(target + 8, nullptr, 10);
            if (wanted.count(inode) && !owners.count(inode)) {
                owners[inode] = static_cast<std::uint32_t>(pid);
            }
        }
        ::closedir(fds);
    }
    ::closedir(proc);
    return owners;
}

class PosixPlatform : public Platform {
  public:
    PosixPlatform() {
        // A write to a pipe or socket whose reader has gone must fail, not end the manager.
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        ::sigaction(SIGPIPE, &ignore, nullptr);
    }

    std::shared_ptr<ChildRun> start_child(const std::string& command_line,
                                          const std::string& working_dir, int) override {
        return posix::start_child(command_line, working_dir);
    }

    std::vector<TcpConnection> list_tcp_connections() override {
        const auto rows = parse_proc_net_tcp(fs::read_whole_file("/proc/net/tcp"));
        std::map<std::uint64_t, bool> wanted;
        for (const auto& r : rows) {
            if (r.inode != 0) wanted[r.inode] = true;
        }
        const auto owners = socket_owners(wanted);
        std::vector<TcpConnection> list;
        list.reserve(rows.size());
        for (const auto& r : rows) {
            TcpConnection c = r.connection;
            const auto it = owners.find(r.inode);
            if (r.inode != 0 && it != owners.end()) c.owner_pid = it->second;
            list.push_back(std::move(c));
        }
        return list;
    }

    void terminate_process(std::uint32_t pid) override {
        // Never 0 or a negative id: those would signal whole process groups.
        if (pid == 0 || pid > static_cast<std::uint32_t>(INT_MAX)) return;
        ::kill(static_cast<pid_t>(pid), SIGKILL);
    }

    bool is_64bit_windows() override { return false; }
    std::string read_registry_text_64(const std::string&, const std::string&,
                                      const std::string&) override {
        return {};
    }
    std::string read_registry_text_32(const std::string&, const std::string&,
                                      const std::string&) override {
        return {};
    }

    std::string http_get(const std::string& host, int port, const std::string& path,
                         int timeout_ms) override {
        posix::UniqueFd s = connect_to(host, port, timeout_ms);
        if (!s) return {};
        const long long deadline = now_ms() + timeout_ms;
        const std::string request = http_request_text(host, port, path);
        std::size_t sent = 0;
        while (sent < request.size()) {
            const ssize_t n =
                ::send(s.get(), request.data() + sent, request.size() - sent, MSG_NOSIGNAL);
            if (n > 0) {
                sent += static_cast<std::size_t>(n);
            } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
                if (!wait_for(s.get(), POLLOUT, deadline)) return {};
            } else {
                return {};
            }
        }
        std::string response;
        char buffer[4096];
        for (;;) {
            const ssize_t n = ::recv(s.get(), buffer, sizeof buffer, 0);
            if (n > 0) {
                if (response.size() < http_response_cap) {
                    response.append(buffer, std::min(static_cast<std::size_t>(n),
                                                     http_response_cap - response.size()));
                }
            } else if (n == 0) {
                break;
            } else if (errno == EAGAIN || errno == EINTR) {
                if (!wait_for(s.get(), POLLIN, deadline)) return {};
            } else {
                return {};
            }
        }
        return http_body_of(response);
    }

    std::string lan_address() override {
        char name[256] = {};
        if (::gethostname(name, sizeof name - 1) != 0) return {};
        addrinfo hints{};
        hints.ai_family = AF_INET;
        addrinfo* found = nullptr;
        if (::getaddrinfo(name, nullptr, &hints, &found) != 0) return {};
        std::string text;
        for (addrinfo* a = found; a && text.empty(); a = a->ai_next) {
            if (a->ai_family != AF_INET) continue;
            const auto* in = reinterpret_cast<const sockaddr_in*>(a->ai_addr);
            text = dotted_address(reinterpret_cast<const unsigned char*>(&in->sin_addr.s_addr));
        }
        ::freeaddrinfo(found);
        return text;
    }
};

}  // namespace

std::unique_ptr<Platform> make_system_platform() {
    return std::make_unique<PosixPlatform>();
}

}  // namespace cw
