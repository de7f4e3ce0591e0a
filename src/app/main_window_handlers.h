#pragma once
// The small handlers the main window owns itself.
#include "app/app_state.h"

namespace cw {

// "开启服务器": launch, then show the console page, enable stop and disable start, whatever
// the launch did (a refused launch included).
void start_server_clicked(AppState& app);

// "关闭服务器" as button and as main-menu entry: stop, then enable start and disable stop,
// whatever the stop did.
void stop_server_clicked(AppState& app);
void stop_server_from_menu(AppState& app);
// The tray menu's "关闭服务器": the plain stop, which leaves the buttons as they are.
void stop_server_from_tray(AppState& app);

// "发送指令", "重启服务器", "强制性关闭服务器".
void send_command_clicked(AppState& app);
void restart_server_from_menu(AppState& app);
void force_close_from_menu(AppState& app);

// The window may close only while no server is starting or running.
bool main_window_may_close(AppState& app);

// "更多设置": shows the server settings group.
void show_more_settings(AppState& app);

// Menu entries that only inform.
void show_icon_help(AppState& app);
void show_command_manager_notice(AppState& app);

// "管理列表": the player window while the server runs, else a notice.
void open_player_list(AppState& app);

// Right click on the plugin list: the plugin menu just below and right of the cursor.
void popup_plugin_menu(AppState& app);

}  // namespace cw
