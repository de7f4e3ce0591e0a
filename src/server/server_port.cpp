#include "server/server_port.h"

#include "base/gbk_text.h"
#include "config/workspace.h"
#include "platform/files.h"

namespace cw {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\f';
}

std::string_view trim_blanks(std::string_view text) {
    while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
    return text;
}

// The value of a settings line whose key is `key`; nothing for a comment or another key.
std::optional<std::string_view> value_of(std::string_view line, std::string_view key) {
    line = trim_blanks(line);
    if (line.empty() || line.front() == '#' || line.front() == '!') return std::nullopt;
    if (!line.starts_with(key)) return std::nullopt;
    std::string_view rest = line.substr(key.size());
    if (!rest.empty() && rest.front() != '=' && rest.front() != ':' && !is_blank(rest.front())) {
        return std::nullopt;  // a longer key, such as "server-port2"
    }
    rest = trim_blanks(rest);
    if (!rest.empty() && (rest.front() == '=' || rest.front() == ':')) rest.remove_prefix(1);
    return trim_blanks(rest);
}

}  // namespace

int parse_server_port(std::string_view properties_text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    // CR and LF are never part of a double-byte GBK character, so lines split safely by bytes.
    std::string_view text = cut_at_zero(properties_text);
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    std::optional<std::string_view> value;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        if (const auto v = value_of(text.substr(0, end), "server-port")) value = v;
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    if (!value || value->empty()) return kDefaultServerPort;
    int port = 0;
    for (char c : *value) {
        if (c < '0' || c > '9') return kNoServerPort;
        port = port * 10 + (c - '0');
        if (port > 65535) return kNoServerPort;
    }
    return port >= 1 && port <= 65535 ? port : kNoServerPort;
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
