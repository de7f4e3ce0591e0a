#pragma once
// The machine's LAN address for port mapping, and the test mode that copies the address the
// operator's own game client joins with.
#include <string>
#include <string_view>

#include "server/server_context.h"

namespace cw {

// "<LAN address>:<port>"; the port as read_server_port gives it (-1 with no "server-port").
std::string test_address(std::string_view lan_address, int port);

// "复制ip": copies the LAN address (also when it is empty) and says so.
void copy_lan_address(ServerContext& server);

// "服务器测试模式": while the server runs, copies the test address and says so; otherwise says
// that test mode starts with the server.
void start_test_mode(ServerContext& server);

}  // namespace cw
