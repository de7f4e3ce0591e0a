#include "players/network_info.h"

#include "server/server_port.h"

namespace cw {

std::string test_address(std::string_view lan_address, int port) {
    std::string text(lan_address);
    text.push_back(':');
    text += std::to_string(port);
    return text;
}

namespace {

// Copies the text and says how it went: an empty address (no network) copies nothing, and a
// clipboard that another program holds takes nothing, so neither may be reported as copied.
bool copy_address(LauncherContext& launcher, const std::string& lan, const std::string& text,
                  std::string_view title) {
    if (lan.empty()) {
        launcher.dialogs.message_box(kNoLanAddressMessage, title, MessageButtons::Ok,
                                     MessageIcon::Warning);
        return false;
    }
    if (!launcher.platform.set_clipboard_text(text)) {
        launcher.dialogs.message_box(kClipboardFailedMessage, title, MessageButtons::Ok,
                                     MessageIcon::Warning);
        return false;
    }
    return true;
}

}  // namespace

void copy_lan_address(LauncherContext& launcher) {
    const std::string lan = launcher.platform.lan_address();
    if (!copy_address(launcher, lan, lan, "Cubeworks-开服器提示")) return;
    launcher.dialogs.message_box("恭喜你复制成功内网ip[内网ip用于映射]", "Cubeworks-开服器提示",
                                 MessageButtons::Ok, MessageIcon::Warning);
}

void start_test_mode(LauncherContext& launcher) {
    if (launcher.session.state.load() != ServerState::Running) {
        launcher.dialogs.message_box("开启服务器后自动进入测试模式");
        return;
    }
    const std::string lan = launcher.platform.lan_address();
    if (!copy_address(launcher, lan, test_address(lan, read_server_port(launcher.program_dir)),
                      kDefaultMessageTitle)) {
        return;
    }
    launcher.dialogs.message_box("测试服务器ip已经复制，到游戏中粘贴IP加入即可");
}

}  // namespace cw
