#pragma once
// Operations the main window already wires to but whose owners have not landed yet. Each one is
// an empty body here; the real operation replaces it (and its line here) when it arrives.
#include "app/app_state.h"

namespace cw {

// Skin library and skin.
void load_skin_library();
void apply_skin(AppState& app);

// Plugins.
void refresh_plugin_list(AppState& app);
void install_plugin_button(AppState& app);
void install_plugin_menu(AppState& app);
void install_plugin_tray(AppState& app);
void delete_plugin_button(AppState& app);
void delete_plugin_menu(AppState& app);
void toggle_protection_mode(AppState& app);

// CPU load bar, settings, icon.
void update_cpu_load(AppState& app);
void save_settings_clicked(AppState& app);
void set_server_icon(AppState& app);

// Tray.
void go_to_tray_when_minimised(AppState& app);
void on_tray_icon_event(AppState& app, int operation);
void restore_from_tray(AppState& app);

}  // namespace cw
