#pragma once
// The server port named by the workspace's settings file, and the process that holds it.
#include <optional>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace cw {

inline constexpr int kDefaultServerPort = 25565;

// The "server-port" value of a settings text: the first "server-port=" anywhere (comments
// included), its value up to the next CR LF. -1 when there is no such entry or no CR LF after
// it; 25565 for an empty value; otherwise the leading number of the value (0 when none).
int parse_server_port(std::string_view properties_text);

// The same, read from "\Cubeworks-Admin\server.properties" under the program folder.
int read_server_port(std::string_view program_dir);

// The first connection whose local port is `port`, in list order, whatever its state, local
// address and owner.
std::optional<TcpConnection> find_port_owner(const std::vector<TcpConnection>& connections,
                                             int port);

// Ends the connection's owning process; failures (owner 0, a system process) are silent.
void terminate_port_owner(Platform& platform, const TcpConnection& connection);

}  // namespace cw
