#include "app/main_window_events.h"

#include <array>

#include "app/main_window_handlers.h"
#include "app/startup.h"
#include "config/launcher_settings.h"
#include "config/server_icon.h"
#include "players/network_info.h"
#include "plugins/plugins.h"
#include "plugins/protection_mode.h"
#include "server/server_control.h"
#include "shell/tray.h"
#include "ui/main_window_controls.h"
#include "ui/secondary_window_layouts.h"

namespace cw {

namespace {

using namespace main_window;
using E = UiEvent;
using B = AppEventBinding;
using A = AppState;

constexpr std::array kEvents = {
    // The window itself.
    B{kWindow, "", E::Created, on_main_window_created},
    B{kWindow, "", E::Shown, on_main_window_shown},
    B{kWindow, "", E::CloseRequested, nullptr, main_window_may_close},
    B{kWindow, "", E::Moved, [](A& a) { shell::go_to_tray_when_minimised(a.launcher.ui); }},
    B{kWindow, "", E::TrayIcon, nullptr, nullptr,
      [](A& a, int operation) { shell::on_tray_icon_event(a.launcher.ui, operation); }},

    // Controls.
    B{kStartButton, "", E::Clicked, start_server_clicked},
    B{kStopButton, "", E::Clicked, stop_server_clicked},
    B{kTestModeButton, "", E::Clicked, [](A& a) { start_test_mode(a.launcher); }},
    B{kCopyAddressButton, "", E::Clicked, [](A& a) { copy_lan_address(a.launcher); }},
    B{kProtectionCheckBox, "", E::Clicked,
      [](A& a) {
          apply_protection_mode(a.launcher.program_dir, a.launcher.ui, a.launcher.dialogs);
      }},
    B{kCpuTimer, "", E::TimerTick,
      [](A& a) { shell::show_cpu_load(a.shell.cpu, a.launcher.platform, a.launcher.ui); }},
    B{kMoreSettingsButton, "", E::Clicked,
      [](A& a) { a.launcher.ui.set_visible(kServerSettingsGroup, true); }},
    B{kSaveButton, "", E::Clicked,
      [](A& a) {
          save_settings(a.launcher.program_dir, a.launcher.ui, a.launcher.dialogs,
                        a.launcher.session.memory_mb, a.properties_text);
      }},
    B{kSendButton, "", E::Clicked, [](A& a) { send_console_input(a.launcher); }},
    B{kInstallPluginButton, "", E::Clicked, [](A& a) { install_plugin_with_messages(a.launcher); }},
    B{kDeletePluginButton, "", E::Clicked, [](A& a) { delete_selected_plugin(a.launcher); }},
    // Just below and right of the cursor.
    B{kPluginList, "", E::RightClick,
      [](A& a) { a.launcher.ui.popup_menu_at_cursor(kPluginMenu, 3, 3); }},

    // Menu bar.
    B{kAboutMenu, kAuthorEntry, E::MenuChosen,
      [](A& a) { a.launcher.ui.open_window(about_window::kWindow); }},
    B{kAboutMenu, kTutorialEntry, E::MenuChosen,
      [](A& a) { a.launcher.ui.open_window(tutorial_window::kWindow); }},
    B{kServerMenu, kStopEntry, E::MenuChosen, stop_server_clicked},
    B{kServerMenu, kRestartEntry, E::MenuChosen, [](A& a) { restart_server(a.launcher); }},
    B{kServerMenu, kForceCloseEntry, E::MenuChosen, [](A& a) { force_close_server(a.launcher); }},
    B{kIconMenu, kSetIconEntry, E::MenuChosen,
      [](A& a) { choose_server_icon(a.launcher.program_dir, a.launcher.dialogs); }},
    B{kIconMenu, kIconHelpEntry, E::MenuChosen,
      [](A& a) { a.launcher.dialogs.message_box("准备一张64X64或128X128的*.png图片"); }},
    B{kServerMenu, kCommandManagerEntry, E::MenuChosen,
      [](A& a) { a.launcher.dialogs.message_box("尽情期待"); }},
    B{kOnlineMenu, kPlayerListEntry, E::MenuChosen, open_player_list},

    // Tray menu: its stop is the plain stop, which leaves the start and stop buttons as they are;
    // its install asks nothing and reports nothing.
    B{kTrayMenu, kTrayStopEntry, E::MenuChosen, [](A& a) { stop_server(a.launcher); }},
    B{kTrayMenu, kTrayOpenEntry, E::MenuChosen,
      [](A& a) { shell::restore_from_tray(a.launcher.ui); }},
    B{kTrayPluginMenu, kTrayInstallEntry, E::MenuChosen,
      [](A& a) { install_plugin_silently(a.launcher); }},

    // Plugin menu.
    B{kPluginMenu, kInstallEntry, E::MenuChosen,
      [](A& a) { install_plugin_with_messages(a.launcher); }},
    B{kPluginMenu, kRefreshEntry, E::MenuChosen,
      [](A& a) { fill_plugin_list(a.launcher.program_dir, a.launcher.ui); }},
    B{kPluginMenu, kDeleteEntry, E::MenuChosen, [](A& a) { delete_selected_plugin(a.launcher); }},
};

}  // namespace

std::span<const AppEventBinding> main_window_events() {
    return kEvents;
}

}  // namespace cw
