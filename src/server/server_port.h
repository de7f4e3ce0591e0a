#pragma once
// The server port named by the workspace's settings file, and the process that holds it.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace cw {

inline constexpr int kDefaultServerPort = 25565;
// The settings name no port the server can open: it refuses to start, naming the value.
inline constexpr int kNoServerPort = -1;

// The port the game server listens on, read from a settings text the way the server reads it,
// so that the status bar, the port check and the test mode mean the same port as the server:
// lines end at CR LF, LF or CR; a UTF-8 byte-order mark before the first line is skipped;
// comment lines ("#", "!") are not entries; the key is "server-port" followed by "=", ":" or a
// blank, and the last such entry wins. No entry or an empty value: 25565. A value that is not a
// whole number from 1 to 65535 (after blanks are trimmed): kNoServerPort. Text after a zero
// byte is not read.
int parse_server_port(std::string_view properties_text);

// The same, read from "\Cubeworks-Admin\server.properties" under the program folder.
int read_server_port(std::string_view program_dir);

// Connection states of the TCP tables (MIB_TCP_STATE).
inline constexpr std::int32_t kTcpListening = 2;
inline constexpr std::int32_t kTcpTimeWait = 11;

// The connection that holds the local port `port`: its listener when there is one, else the
// first connection on it in list order, whatever its local address and owner. Connections that
// only wait out their close hold nothing (they have no owner, and a server binds the port beside
// them): every player who left a server leaves such rows behind for minutes, and taking one for
// the holder would ask about a holder that is not there and hide the one that is.
std::optional<TcpConnection> find_port_owner(const std::vector<TcpConnection>& connections,
                                             int port);

// Ends the connection's owning process; failures (owner 0, a system process) are silent.
void terminate_port_owner(Platform& platform, const TcpConnection& connection);

}  // namespace cw
