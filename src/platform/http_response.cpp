#include "platform/http_response.h"

namespace cw {

std::string http_request_text(const std::string& host, int port, const std::string& path) {
    std::string host_field = host;
    if (port != 80) host_field += ":" + std::to_string(port);
    const std::string target = path.empty() || path[0] != '/' ? "/" + path : path;
    return "GET " + target + " HTTP/1.0\r\nHost: " + host_field + "\r\nConnection: close\r\n\r\n";
}

std::string http_body_of(std::string_view response) {
    // "HTTP/1.x NNN reason"
    if (response.substr(0, 5) != "HTTP/") return {};
    const auto blank = response.find(' ');
    if (blank == std::string_view::npos || blank + 4 > response.size()) return {};
    const std::string_view code = response.substr(blank + 1, 3);
    if (code[0] != '2' || code[1] < '0' || code[1] > '9' || code[2] < '0' || code[2] > '9') {
        return {};
    }
    auto end = response.find("\r\n\r\n");
    std::size_t skip = 4;
    if (end == std::string_view::npos) {
        end = response.find("\n\n");
        skip = 2;
    }
    if (end == std::string_view::npos) return {};
    return std::string(response.substr(end + skip));
}

}  // namespace cw
