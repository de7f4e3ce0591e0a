#pragma once
// Operations the main window already wires to but whose owners have not landed yet. Each one is
// an empty body here; the real operation replaces it (and its line here) when it arrives.
#include "app/app_state.h"

namespace cw {

// Plugins.
void refresh_plugin_list(AppState& app);
void install_plugin_button(AppState& app);
void install_plugin_menu(AppState& app);
void install_plugin_tray(AppState& app);
void delete_plugin_button(AppState& app);
void delete_plugin_menu(AppState& app);
void toggle_protection_mode(AppState& app);

// Network and test mode.
void start_test_mode(AppState& app);
void copy_lan_address(AppState& app);

// Settings, icon.
void save_settings_clicked(AppState& app);
void set_server_icon(AppState& app);

// Secondary windows.
void open_about_window(AppState& app);
void open_tutorial_window(AppState& app);
void open_player_window(AppState& app);

}  // namespace cw
