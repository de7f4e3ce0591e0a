#include "app/later_hooks.h"

namespace cw {

void load_skin_library() {}
void apply_skin(AppState&) {}

void start_test_mode(AppState&) {}
void copy_lan_address(AppState&) {}

void update_cpu_load(AppState&) {}

void open_about_window(AppState&) {}
void open_tutorial_window(AppState&) {}
void open_player_window(AppState&) {}

void go_to_tray_when_minimised(AppState&) {}
void on_tray_icon_event(AppState&, int) {}
void restore_from_tray(AppState&) {}

}  // namespace cw
