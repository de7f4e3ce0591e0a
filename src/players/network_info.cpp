#include "players/network_info.h"

#include "server/server_port.h"

namespace cw {

std::string test_address(std::string_view lan_address, int port) {
    std::string text(lan_address);
    text.push_back(':');
    text += std::to_string(port);
    return text;
}

void copy_lan_address(ServerContext& server) {
    // A clipboard that cannot be opened copies nothing; the message comes all the same.
    server.platform.set_clipboard_text(server.platform.lan_address());
    server.dialogs.message_box("恭喜你复制成功内网ip[内网ip用于映射]", "Cubeworks-开服器提示",
                               MessageButtons::Ok, MessageIcon::Warning);
}

void start_test_mode(ServerContext& server) {
    if (server.session.state.load() != ServerState::Running) {
        server.dialogs.message_box("开启服务器后自动进入测试模式");
        return;
    }
    server.platform.set_clipboard_text(
        test_address(server.platform.lan_address(), read_server_port(server.program_dir)));
    server.dialogs.message_box("测试服务器ip已经复制，到游戏中粘贴IP加入即可");
}

}  // namespace cw
