#pragma once
#include "app/app_state.h"

namespace cw {

// Runs when the main window has been created, before it shows: applies the skin, deploys the
// workspace, loads the settings into the controls, shows the LAN address and finds Java.
void on_main_window_created(AppState& app);

// Runs just after the main window first shows: fills the plugin list (a page not shown at
// start).
void on_main_window_shown(AppState& app);

}  // namespace cw
