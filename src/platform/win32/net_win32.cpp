// HTTP GET and the LAN address over Winsock.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>

#include "platform/http_response.h"
#include "platform/tcp_table.h"
#include "platform/win32/win32_handles.h"

namespace cw::win32 {

namespace {

// Winsock is started once for the program's life (first use, any thread).
bool winsock_ready() {
    static const bool ready = [] {
        WSADATA data;
        return ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return ready;
}

// Milliseconds left until `deadline` on the tick counter (wrap-safe for spans under 24 days).
DWORD ms_left(DWORD deadline) {
    const LONG left = static_cast<LONG>(deadline - ::GetTickCount());
    return left > 0 ? static_cast<DWORD>(left) : 0;
}

// Waits until the socket is readable (or writable); false on time-out or error.
bool wait_for(SOCKET s, bool for_write, DWORD deadline) {
    fd_set set, errors;
    FD_ZERO(&set);
    FD_ZERO(&errors);
    FD_SET(s, &set);
    FD_SET(s, &errors);
    const DWORD left = ms_left(deadline);
    timeval tv{static_cast<long>(left / 1000), static_cast<long>(left % 1000 * 1000)};
    const int r = ::select(0, for_write ? nullptr : &set, for_write ? &set : nullptr, &errors, &tv);
    return r > 0 && FD_ISSET(s, &set) && !FD_ISSET(s, &errors);
}

UniqueSocket connect_to(const std::string& host, int port, int timeout_ms) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) return {};
    UniqueSocket result;
    const DWORD deadline = ::GetTickCount() + static_cast<DWORD>(timeout_ms);
    for (addrinfo* a = found; a && !result; a = a->ai_next) {
        UniqueSocket s(::socket(a->ai_family, a->ai_socktype, a->ai_protocol));
        if (!s) continue;
        u_long non_blocking = 1;
        if (::ioctlsocket(s.get(), FIONBIO, &non_blocking) != 0) continue;
        if (::connect(s.get(), a->ai_addr, static_cast<int>(a->ai_addrlen)) != 0) {
            if (::WSAGetLastError() != WSAEWOULDBLOCK || !wait_for(s.get(), true, deadline)) {
                continue;
            }
            int error = 0;
            int len = sizeof error;
            if (::getsockopt(s.get(), SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error),
                             &len) != 0 ||
                error != 0) {
                continue;
            }
        }
        result = std::move(s);
    }
    ::freeaddrinfo(found);
    return result;
}

}  // namespace

std::string http_get(const std::string& host, int port, const std::string& path, int timeout_ms) {
    if (!winsock_ready()) return {};
    UniqueSocket s = connect_to(host, port, timeout_ms);
    if (!s) return {};
    const DWORD deadline = ::GetTickCount() + static_cast<DWORD>(timeout_ms);
    const std::string request = http_request_text(host, port, path);
    std::size_t sent = 0;
    while (sent < request.size()) {
        const int n =
            ::send(s.get(), request.data() + sent, static_cast<int>(request.size() - sent), 0);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
        } else if (n < 0 && ::WSAGetLastError() == WSAEWOULDBLOCK) {
            if (!wait_for(s.get(), true, deadline)) return {};
        } else {
            return {};
        }
    }
    std::string response;
    char buffer[4096];
    for (;;) {
        const int n = ::recv(s.get(), buffer, sizeof buffer, 0);
        if (n > 0) {
            if (response.size() < http_response_cap) {
                response.append(buffer, std::min(static_cast<std::size_t>(n),
                                                 http_response_cap - response.size()));
            }
        } else if (n == 0) {
            break;
        } else if (::WSAGetLastError() == WSAEWOULDBLOCK) {
            if (!wait_for(s.get(), false, deadline)) return {};
        } else {
            return {};
        }
    }
    return http_body_of(response);
}

std::string lan_address() {
    if (!winsock_ready()) return {};
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return {};
    const hostent* entry = ::gethostbyname(name);
    if (!entry || entry->h_addrtype != AF_INET || !entry->h_addr_list || !entry->h_addr_list[0]) {
        return {};
    }
    return dotted_address(reinterpret_cast<const unsigned char*>(entry->h_addr_list[0]));
}

}  // namespace cw::win32
