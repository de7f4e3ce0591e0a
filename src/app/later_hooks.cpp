#include "app/later_hooks.h"

namespace cw {


void start_test_mode(AppState&) {}
void copy_lan_address(AppState&) {}


void open_about_window(AppState&) {}
void open_tutorial_window(AppState&) {}
void open_player_window(AppState&) {}

}  // namespace cw
