#pragma once
// The main window's handlers that do more than hand the event to one operation; the rest are
// written in the event table itself.
#include "app/app_state.h"

namespace cw {

// "开启服务器": launch, then show the console page, enable stop and disable start, whatever
// the launch did (a refused launch included).
void start_server_clicked(AppState& app);

// The stop button and the server menu's stop entry: stop, then enable start and disable stop,
// whatever the stop did. (The tray menu's stop is the plain stop.)
void stop_server_clicked(AppState& app);

// The window may close only while no server is starting or running.
bool main_window_may_close(AppState& app);

// The online menu's player list entry: the player window while the server runs, else a notice.
void open_player_list(AppState& app);

}  // namespace cw
