#pragma once
// HTTP GET over the side's sockets; one implementation for both sides (http_get.cpp).
#include <string>

namespace cw {

// The body of http://host:port/path, or empty text on any failure, error status or time-out.
// The whole request, name resolution included, ends within `timeout_ms`.
std::string http_get(const std::string& host, int port, const std::string& path, int timeout_ms);

}  // namespace cw
