#pragma once
// The machine's LAN address for port mapping, and the test mode that copies the address the
// operator's own game client joins with.
#include <string>
#include <string_view>

#include "server/launcher_context.h"

namespace cw {

// "<LAN address>:<port>"; the port as read_server_port gives it (-1 with no "server-port").
std::string test_address(std::string_view lan_address, int port);

// What the two buttons say instead of a success when nothing was copied.
inline constexpr std::string_view kNoLanAddressMessage = "没有找到内网ip，没有复制任何内容";
inline constexpr std::string_view kClipboardFailedMessage =
    "复制失败：剪贴板正被其他程序使用，请稍后再试";

// "复制ip": copies the LAN address and says so; says why when it copied nothing.
void copy_lan_address(LauncherContext& launcher);

// "服务器测试模式": while the server runs, copies the test address and says so (or why it copied
// nothing); otherwise says that test mode starts with the server.
void start_test_mode(LauncherContext& launcher);

}  // namespace cw
