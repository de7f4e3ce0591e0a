#include "server/server_port.h"

#include "base/gbk_text.h"
#include "config/workspace.h"
#include "platform/files.h"

namespace cw {

int parse_server_port(std::string_view properties_text) {
    constexpr std::string_view kKey = "server-port=";
    const std::string_view text = cut_at_zero(properties_text);
    const std::size_t key = gbk_find(text, kKey);
    if (key == npos) return -1;
    const std::size_t value = key + kKey.size();
    const std::size_t end = gbk_find(text, "\r\n", value);
    if (end == npos) return -1;
    if (end == value) return kDefaultServerPort;
    return gbk_to_int(text.substr(value, end - value));
}

int read_server_port(std::string_view program_dir) {
    return parse_server_port(fs::read_whole_file(owned_path(program_dir, kPropertiesPath)));
}

std::optional<TcpConnection> find_port_owner(const std::vector<TcpConnection>& connections,
                                             int port) {
    std::optional<TcpConnection> first;
    for (const TcpConnection& c : connections) {
        if (c.local_port != port || c.tcp_state == kTcpTimeWait) continue;
        if (c.tcp_state == kTcpListening) return c;
        if (!first) first = c;
    }
    return first;
}

void terminate_port_owner(Platform& platform, const TcpConnection& connection) {
    platform.terminate_process(connection.owner_pid);
}

}  // namespace cw
