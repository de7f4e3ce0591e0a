#include "server/public_ip.h"

#include <cstdlib>

#include "base/gbk_text.h"

namespace cw {

IpEchoService ip_echo_service() {
    IpEchoService service{std::string(kIpEchoHost), kIpEchoPort};
    const char* env = std::getenv("CUBEWORKS_IP_ECHO");
    if (env == nullptr || *env == '\0') return service;
    const std::string_view value(env);
    const std::size_t colon = value.rfind(':');
    if (colon == std::string_view::npos) {
        service.host = std::string(value);
    } else {
        service.host = std::string(value.substr(0, colon));
        const int port = gbk_to_int(value.substr(colon + 1));
        if (port > 0 && port < 65536) service.port = port;
    }
    return service;
}

std::string parse_ip_echo_page(std::string_view page) {
    constexpr std::string_view kOpen = "：[";
    constexpr std::string_view kClose = "] 来";
    const std::string_view text = cut_at_zero(page);
    const std::size_t open = gbk_find(text, kOpen);
    const std::size_t close = gbk_find(text, kClose);
    if (open == npos || close == npos) return {};
    const std::size_t start = open + kOpen.size();
    if (close <= start) return {};
    return std::string(text.substr(start, close - start));
}

std::string fetch_public_ip(Platform& platform) {
    const IpEchoService service = ip_echo_service();
    return parse_ip_echo_page(
        platform.http_get(service.host, service.port, std::string(kIpEchoPath), kIpEchoTimeoutMs));
}

}  // namespace cw
