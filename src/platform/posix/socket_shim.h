#pragma once
// BSD sockets under the names the shared socket code (http_get.cpp) uses; the win32 side has
// a header of the same name and shape.
#include <errno.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <time.h>

#include <cstddef>

#include "platform/posix/posix_handles.h"

namespace cw::sock {

using Socket = posix::UniqueFd;

inline bool ready() {
    return true;
}

// Milliseconds of a monotonic clock (<chrono> is kept out: its text literals don't fit GBK).
inline long long now_ms() {
    timespec t{};
    ::clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

inline Socket open_nonblocking(const addrinfo& a) {
    return Socket(
        ::socket(a.ai_family, a.ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, a.ai_protocol));
}

// The last call would have waited (a connect in progress, a full or empty buffer); an
// interrupted call counts too, and is simply made again.
inline bool would_block() {
    return errno == EINPROGRESS || errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
}

// Waits until the socket is writable (or readable); false on time-out or error.
inline bool wait_ready(const Socket& s, bool for_write, int timeout_ms) {
    pollfd p{s.get(), static_cast<short>(for_write ? POLLOUT : POLLIN), 0};
    const int r = ::poll(&p, 1, timeout_ms);
    return r > 0 && (p.revents & (for_write ? POLLOUT : POLLIN)) != 0;
}

inline bool connect_started(const Socket& s, const addrinfo& a) {
    return ::connect(s.get(), a.ai_addr, a.ai_addrlen) == 0 || would_block();
}

inline int pending_error(const Socket& s) {
    int error = 0;
    socklen_t len = sizeof error;
    if (::getsockopt(s.get(), SOL_SOCKET, SO_ERROR, &error, &len) != 0) return -1;
    return error;
}

inline long send_some(const Socket& s, const char* data, std::size_t size) {
    return ::send(s.get(), data, size, MSG_NOSIGNAL);
}

inline long receive_some(const Socket& s, char* buffer, std::size_t size) {
    return ::recv(s.get(), buffer, size, 0);
}

}  // namespace cw::sock
