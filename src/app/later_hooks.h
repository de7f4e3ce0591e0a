#pragma once
// Operations the main window already wires to but whose owners have not landed yet. Each one is
// an empty body here; the real operation replaces it (and its line here) when it arrives.
#include "app/app_state.h"

namespace cw {


// Network and test mode.
void start_test_mode(AppState& app);
void copy_lan_address(AppState& app);


// Secondary windows.
void open_about_window(AppState& app);
void open_tutorial_window(AppState& app);
void open_player_window(AppState& app);

}  // namespace cw
