#pragma once
// The HTTP/1.0 request and response handling shared by both sides' http_get.
#include <cstddef>
#include <string>
#include <string_view>

namespace cw {

// Largest response kept; anything beyond is dropped (the pages fetched are a few hundred bytes).
inline constexpr std::size_t http_response_cap = 64 * 1024;

// "GET path HTTP/1.0" with Host and "Connection: close".
std::string http_request_text(const std::string& host, int port, const std::string& path);

// The body of a complete response whose status is 2xx; empty text for any other status or a
// response without a status line or header end.
std::string http_body_of(std::string_view response);

}  // namespace cw
