#include "app/main_window_handlers.h"

#include "app/secondary_windows.h"
#include "server/server_control.h"
#include "ui/main_window_controls.h"

namespace cw {

using namespace main_window;

void start_server_clicked(AppState& app) {
    launch_server(app.server);
    app.ui.select_page(kTab, kConsolePageIndex);
    app.ui.set_enabled(kStopButton, true);
    app.ui.set_enabled(kStartButton, false);
}

void stop_server_clicked(AppState& app) {
    stop_server(app.server);
    app.ui.set_enabled(kStopButton, false);
    app.ui.set_enabled(kStartButton, true);
}

void stop_server_from_menu(AppState& app) {
    stop_server_clicked(app);
}

void stop_server_from_tray(AppState& app) {
    stop_server(app.server);
}

void send_command_clicked(AppState& app) {
    send_console_input(app.server);
}

void restart_server_from_menu(AppState& app) {
    restart_server(app.server);
}

void force_close_from_menu(AppState& app) {
    force_close_server(app.server);
}

bool main_window_may_close(AppState& app) {
    const ServerState state = app.session.state.load();
    if (state == ServerState::Starting || state == ServerState::Running) {
        app.dialogs.message_box("请关闭服务器！！");
        return false;
    }
    return true;
}

void show_more_settings(AppState& app) {
    app.ui.set_visible(kServerSettingsGroup, true);
}

void show_icon_help(AppState& app) {
    app.dialogs.message_box("准备一张64X64或128X128的*.png图片");
}

void show_command_manager_notice(AppState& app) {
    app.dialogs.message_box("尽情期待");
}

void open_player_list(AppState& app) {
    if (app.session.state.load() == ServerState::Running) {
        open_player_window(app);
    } else {
        app.dialogs.message_box("开启服务器本功能可使用");
    }
}

void popup_plugin_menu(AppState& app) {
    app.ui.popup_menu_at_cursor(kPluginMenu, 3, 3);
}

}  // namespace cw
