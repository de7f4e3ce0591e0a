#pragma once
// Operations the main window already wires to but whose owners have not landed yet. Each one is
// an empty body here; the real operation replaces it (and its line here) when it arrives.
#include "app/app_state.h"

namespace cw {

// Skin library and skin.
void load_skin_library();
void apply_skin(AppState& app);

// Network and test mode.
void start_test_mode(AppState& app);
void copy_lan_address(AppState& app);

// CPU load bar.
void update_cpu_load(AppState& app);

// Secondary windows.
void open_about_window(AppState& app);
void open_tutorial_window(AppState& app);
void open_player_window(AppState& app);

// Tray.
void go_to_tray_when_minimised(AppState& app);
void on_tray_icon_event(AppState& app, int operation);
void restore_from_tray(AppState& app);

}  // namespace cw
