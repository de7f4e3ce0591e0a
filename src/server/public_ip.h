#pragma once
// The machine's public IPv4 address, as an external IP-echo page reports it.
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace cw {

inline constexpr std::string_view kIpEchoHost = "ip.cubeworks.net";
inline constexpr int kIpEchoPort = 80;
inline constexpr std::string_view kIpEchoPath = "/ic.asp";
// The whole look-up, name resolution included, ends within this time.
inline constexpr int kIpEchoTimeoutMs = 3000;

struct IpEchoService {
    std::string host;
    int port = 0;
};

// The compiled-in service, or the one named by the environment variable CUBEWORKS_IP_ECHO
// ("host:port", or "host" for port 80).
IpEchoService ip_echo_service();

// The text between the first "：[" and the first "] 来" of the page (up to its first zero
// byte); empty when a marker is missing or nothing lies between them.
std::string parse_ip_echo_page(std::string_view page);

// Fetches the page and takes the address from it; empty on any failure.
std::string fetch_public_ip(Platform& platform);

}  // namespace cw
