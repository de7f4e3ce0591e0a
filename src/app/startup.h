#pragma once
#include "app/app_state.h"

namespace cw {

// Starts the look-ups of the start that wait on the system (the LAN address, a name look-up)
// on a thread of their own, so that they run while the window is built.
void begin_start_lookups(AppState& app);

// Runs when the main window has been created, before it shows: applies the skin, deploys the
// workspace, loads the settings into the controls, shows the LAN address and finds Java.
void on_main_window_created(AppState& app);

// Runs just after the main window first shows: fills the plugin list (a page not shown at
// start).
void on_main_window_shown(AppState& app);

}  // namespace cw
