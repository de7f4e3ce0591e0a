#include "ui/main_window_events.h"

#include <array>

#include "app/later_hooks.h"
#include "app/main_window_handlers.h"
#include "app/startup.h"
#include "server/server_control.h"
#include "ui/main_window_layout.h"

namespace cw {

namespace {

using E = UiEvent;

constexpr std::string_view kIconMenu = "服务器管理>设置服务器图标";
constexpr std::string_view kTrayPluginMenu = "菜单>插件";

constexpr std::array kEvents = {
    // The window itself.
    EventBinding{kMainWindowName, "", E::Created, on_main_window_created},
    EventBinding{kMainWindowName, "", E::CloseRequested, nullptr, main_window_may_close},
    EventBinding{kMainWindowName, "", E::Moved, go_to_tray_when_minimised},
    EventBinding{kMainWindowName, "", E::TrayIcon, nullptr, nullptr, on_tray_icon_event},

    // Controls.
    EventBinding{"按钮1", "", E::Clicked, start_server_clicked},
    EventBinding{"按钮2", "", E::Clicked, stop_server_clicked},
    EventBinding{"按钮4", "", E::Clicked, start_test_mode},
    EventBinding{"按钮5", "", E::Clicked, copy_lan_address},
    EventBinding{"选择框1", "", E::Clicked, toggle_protection_mode},
    EventBinding{"时钟1", "", E::TimerTick, update_cpu_load},
    EventBinding{"按钮7", "", E::Clicked, show_more_settings},
    EventBinding{"按钮8", "", E::Clicked, save_settings_clicked},
    EventBinding{"按钮3", "", E::Clicked, send_console_input},
    EventBinding{"按钮9", "", E::Clicked, install_plugin_button},
    EventBinding{"按钮10", "", E::Clicked, delete_plugin_button},
    EventBinding{"超级列表框_插件", "", E::RightClick, popup_plugin_menu},

    // Menu bar.
    EventBinding{"关于", "作者", E::MenuChosen, open_about_window},
    EventBinding{"关于", "教程视频", E::MenuChosen, open_tutorial_window},
    EventBinding{"服务器管理", "关闭服务器", E::MenuChosen, stop_server_from_menu},
    EventBinding{"服务器管理", "重启服务器", E::MenuChosen, restart_server},
    EventBinding{"服务器管理", "强制性关闭服务器", E::MenuChosen, force_close_server},
    EventBinding{kIconMenu, "设置图标", E::MenuChosen, set_server_icon},
    EventBinding{kIconMenu, "帮助[设置前戳我]", E::MenuChosen, show_icon_help},
    EventBinding{"服务器管理", "Cubeworks-指令管理者", E::MenuChosen, show_command_manager_notice},
    EventBinding{"[在线管理]", "管理列表", E::MenuChosen, open_player_list},

    // Tray menu: its stop leaves the start and stop buttons as they are.
    EventBinding{kTrayMenu, "关闭服务器", E::MenuChosen, stop_server},
    EventBinding{kTrayMenu, "打开界面", E::MenuChosen, restore_from_tray},
    EventBinding{kTrayPluginMenu, "安装", E::MenuChosen, install_plugin_tray},

    // Plugin menu.
    EventBinding{kPluginMenu, "安装", E::MenuChosen, install_plugin_menu},
    EventBinding{kPluginMenu, "刷新", E::MenuChosen, refresh_plugin_list},
    EventBinding{kPluginMenu, "删除", E::MenuChosen, delete_plugin_menu},
};

}  // namespace

std::span<const EventBinding> main_window_events() {
    return kEvents;
}

}  // namespace cw
