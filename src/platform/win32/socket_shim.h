#pragma once
// Winsock under the names the shared socket code (http_get.cpp) uses; the posix side has a
// header of the same name and shape.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstddef>

#include "platform/win32/win32_handles.h"

namespace cw::sock {

using Socket = win32::UniqueSocket;

// Winsock is started once for the program's life (first use, any thread).
inline bool ready() {
    static const bool started = [] {
        WSADATA data;
        return ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return started;
}

// Milliseconds of a monotonic clock.
inline long long now_ms() {
    return static_cast<long long>(::GetTickCount64());
}

inline Socket open_nonblocking(const addrinfo& a) {
    Socket s(::socket(a.ai_family, a.ai_socktype, a.ai_protocol));
    u_long non_blocking = 1;
    if (s && ::ioctlsocket(s.get(), FIONBIO, &non_blocking) != 0) s.reset();
    return s;
}

// The last call would have waited (a connect in progress, a full or empty buffer).
inline bool would_block() {
    return ::WSAGetLastError() == WSAEWOULDBLOCK;
}

// Waits until the socket is writable (or readable); false on time-out or error.
inline bool wait_ready(const Socket& s, bool for_write, int timeout_ms) {
    fd_set set, errors;
    FD_ZERO(&set);
    FD_ZERO(&errors);
    FD_SET(s.get(), &set);
    FD_SET(s.get(), &errors);
    timeval tv{timeout_ms / 1000, timeout_ms % 1000 * 1000};
    const int r = ::select(0, for_write ? nullptr : &set, for_write ? &set : nullptr, &errors, &tv);
    return r > 0 && FD_ISSET(s.get(), &set) && !FD_ISSET(s.get(), &errors);
}

inline bool connect_started(const Socket& s, const addrinfo& a) {
    return ::connect(s.get(), a.ai_addr, static_cast<int>(a.ai_addrlen)) == 0 || would_block();
}

inline int pending_error(const Socket& s) {
    int error = 0;
    int len = sizeof error;
    if (::getsockopt(s.get(), SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &len) != 0) {
        return -1;
    }
    return error;
}

inline long send_some(const Socket& s, const char* data, std::size_t size) {
    return ::send(s.get(), data, static_cast<int>(size), 0);
}

inline long receive_some(const Socket& s, char* buffer, std::size_t size) {
    return ::recv(s.get(), buffer, static_cast<int>(size), 0);
}

}  // namespace cw::sock
