#pragma once
#include "app/app_state.h"

namespace cw {

// Runs when the main window has been created, before it takes input: deploys the workspace,
// loads the server settings into the controls, shows the LAN address, finds Java and fills the
// plugin list.
void on_main_window_created(AppState& app);

}  // namespace cw
