#include "app/main_window_events.h"

#include <array>

#include "app/main_window_handlers.h"
#include "app/plugin_handlers.h"
#include "app/secondary_windows.h"
#include "app/settings_handlers.h"
#include "app/shell_handlers.h"
#include "app/startup.h"
#include "ui/main_window_controls.h"

namespace cw {

namespace {

using namespace main_window;
using E = UiEvent;
using B = AppEventBinding;

constexpr std::array kEvents = {
    // The window itself.
    B{kWindow, "", E::Created, on_main_window_created},
    B{kWindow, "", E::CloseRequested, nullptr, main_window_may_close},
    B{kWindow, "", E::Moved, go_to_tray_when_minimised},
    B{kWindow, "", E::TrayIcon, nullptr, nullptr, on_tray_icon_event},

    // Controls.
    B{kStartButton, "", E::Clicked, start_server_clicked},
    B{kStopButton, "", E::Clicked, stop_server_clicked},
    B{kTestModeButton, "", E::Clicked, start_test_mode},
    B{kCopyAddressButton, "", E::Clicked, copy_lan_address},
    B{kProtectionCheckBox, "", E::Clicked, toggle_protection_mode},
    B{kCpuTimer, "", E::TimerTick, update_cpu_load},
    B{kMoreSettingsButton, "", E::Clicked, show_more_settings},
    B{kSaveButton, "", E::Clicked, save_settings_clicked},
    B{kSendButton, "", E::Clicked, send_command_clicked},
    B{kInstallPluginButton, "", E::Clicked, install_plugin_button},
    B{kDeletePluginButton, "", E::Clicked, delete_plugin_button},
    B{kPluginList, "", E::RightClick, popup_plugin_menu},

    // Menu bar.
    B{kAboutMenu, "作者", E::MenuChosen, open_about_window},
    B{kAboutMenu, "教程视频", E::MenuChosen, open_tutorial_window},
    B{kServerMenu, "关闭服务器", E::MenuChosen, stop_server_from_menu},
    B{kServerMenu, "重启服务器", E::MenuChosen, restart_server_from_menu},
    B{kServerMenu, "强制性关闭服务器", E::MenuChosen, force_close_from_menu},
    B{kIconMenu, "设置图标", E::MenuChosen, set_server_icon},
    B{kIconMenu, "帮助[设置前戳我]", E::MenuChosen, show_icon_help},
    B{kServerMenu, "Cubeworks-指令管理者", E::MenuChosen, show_command_manager_notice},
    B{kOnlineMenu, "管理列表", E::MenuChosen, open_player_list},

    // Tray menu: its stop leaves the start and stop buttons as they are.
    B{kTrayMenu, "关闭服务器", E::MenuChosen, stop_server_from_tray},
    B{kTrayMenu, "打开界面", E::MenuChosen, restore_from_tray},
    B{kTrayPluginMenu, "安装", E::MenuChosen, install_plugin_tray},

    // Plugin menu.
    B{kPluginMenu, "安装", E::MenuChosen, install_plugin_menu},
    B{kPluginMenu, "刷新", E::MenuChosen, refresh_plugin_list},
    B{kPluginMenu, "删除", E::MenuChosen, delete_plugin_menu},
};

}  // namespace

std::span<const AppEventBinding> main_window_events() {
    return kEvents;
}

}  // namespace cw
