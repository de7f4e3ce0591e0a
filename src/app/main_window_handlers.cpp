#include "app/main_window_handlers.h"

#include "server/server_control.h"
#include "ui/main_window_controls.h"
#include "ui/player_window_controls.h"

namespace cw {

using namespace main_window;

void start_server_clicked(AppState& app) {
    launch_server(app.launcher);
    app.launcher.ui.select_page(kTab, kConsolePageIndex);
    app.launcher.ui.set_enabled(kStopButton, true);
    app.launcher.ui.set_enabled(kStartButton, false);
}

void stop_server_clicked(AppState& app) {
    stop_server(app.launcher);
    app.launcher.ui.set_enabled(kStopButton, false);
    app.launcher.ui.set_enabled(kStartButton, true);
}

bool main_window_may_close(AppState& app) {
    const ServerState state = app.launcher.session.state.load();
    if (state == ServerState::Starting || state == ServerState::Running) {
        app.launcher.dialogs.message_box("请关闭服务器！！");
        return false;
    }
    return true;
}

void open_player_list(AppState& app) {
    if (app.launcher.session.state.load() == ServerState::Running) {
        app.launcher.ui.open_window(player_window::kWindow);
    } else {
        app.launcher.dialogs.message_box("开启服务器本功能可使用");
    }
}

}  // namespace cw
