#pragma once
// The plugin page's events, the tray's plugin install and the protection mode check box.
#include "app/app_state.h"

namespace cw {

// "刷新" of the plugin menu and the end of start-up.
void refresh_plugin_list(AppState& app);
// "安装插件" and the plugin menu's "安装": with messages.
void install_plugin_button(AppState& app);
void install_plugin_menu(AppState& app);
// The tray menu's "安装": without messages.
void install_plugin_tray(AppState& app);
// "删除插件" and the plugin menu's "删除".
void delete_plugin_button(AppState& app);
void delete_plugin_menu(AppState& app);
// The check box "服务器启动防御模式[防压测]".
void toggle_protection_mode(AppState& app);

}  // namespace cw
