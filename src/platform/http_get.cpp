// The one connect and request/response loop of both sides. "socket_shim.h" is the side's own
// (win32/ or posix/): the same few socket calls under the same names.
#include "platform/http_get.h"

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "platform/http_response.h"
#include "socket_shim.h"

namespace cw {

namespace {

int ms_left(long long deadline) {
    const long long left = deadline - sock::now_ms();
    return left > 0 ? static_cast<int>(left) : 0;
}

// One resolved IPv4 address.
struct Address {
    sockaddr_in in{};
};

// A name resolution, shared by the caller and the thread that runs it.
struct Resolution {
    std::mutex mutex;
    std::condition_variable done_signal;
    bool done = false;
    std::vector<Address> addresses;
};

// The IPv4 addresses of `host`. Resolution has no time-out of its own, so it runs on a thread
// of its own; when it outlasts the deadline, the caller goes without it and the thread finishes
// alone later.
std::vector<Address> resolve(const std::string& host, int port, long long deadline) {
    auto resolution = std::make_shared<Resolution>();
    std::thread([resolution, host, port] {
        addrinfo hints{};
        hints.ai_family = AF_INET;
        hints.ai_socktype = SOCK_STREAM;
        addrinfo* found = nullptr;
        std::vector<Address> addresses;
        if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) == 0) {
            for (addrinfo* a = found; a; a = a->ai_next) {
                if (a->ai_family != AF_INET || a->ai_addrlen < sizeof(sockaddr_in)) continue;
                Address address;
                std::memcpy(&address.in, a->ai_addr, sizeof address.in);
                addresses.push_back(address);
            }
            ::freeaddrinfo(found);
        }
        std::lock_guard lock(resolution->mutex);
        resolution->addresses = std::move(addresses);
        resolution->done = true;
        resolution->done_signal.notify_all();
    }).detach();
    std::unique_lock lock(resolution->mutex);
    resolution->done_signal.wait_for(lock, std::chrono::milliseconds(ms_left(deadline)),
                                     [&] { return resolution->done; });
    return resolution->done ? resolution->addresses : std::vector<Address>{};
}

// The first address of `host` that accepts a connection before the deadline.
sock::Socket connect_to(const std::string& host, int port, long long deadline) {
    for (Address& address : resolve(host, port, deadline)) {
        addrinfo a{};
        a.ai_family = AF_INET;
        a.ai_socktype = SOCK_STREAM;
        a.ai_addr = reinterpret_cast<sockaddr*>(&address.in);
        a.ai_addrlen = sizeof address.in;
        sock::Socket s = sock::open_nonblocking(a);
        if (!s || !sock::connect_started(s, a)) continue;
        if (!sock::wait_ready(s, true, ms_left(deadline)) || sock::pending_error(s) != 0) continue;
        return s;
    }
    return {};
}

bool send_all(const sock::Socket& s, const std::string& bytes, long long deadline) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const long n = sock::send_some(s, bytes.data() + sent, bytes.size() - sent);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
        } else if (n < 0 && sock::would_block()) {
            if (!sock::wait_ready(s, true, ms_left(deadline))) return false;
        } else {
            return false;
        }
    }
    return true;
}

// Everything the peer sends until it closes (kept up to http_response_cap); nothing on an
// error or when the deadline passes first.
std::optional<std::string> receive_all(const sock::Socket& s, long long deadline) {
    std::string response;
    char buffer[4096];
    for (;;) {
        const long n = sock::receive_some(s, buffer, sizeof buffer);
        if (n > 0) {
            const std::size_t room =
                http_response_cap - std::min(response.size(), http_response_cap);
            response.append(buffer, std::min(static_cast<std::size_t>(n), room));
        } else if (n == 0) {
            return response;
        } else if (!sock::would_block() || !sock::wait_ready(s, false, ms_left(deadline))) {
            return std::nullopt;
        }
    }
}

}  // namespace

std::string http_get(const std::string& host, int port, const std::string& path, int timeout_ms) {
    if (!sock::ready()) return {};
    const long long deadline = sock::now_ms() + timeout_ms;
    const sock::Socket s = connect_to(host, port, deadline);
    if (!s) return {};
    if (!send_all(s, http_request_text(host, port, path), deadline)) return {};
    const std::optional<std::string> response = receive_all(s, deadline);
    return response ? http_body_of(*response) : std::string();
}

}  // namespace cw
