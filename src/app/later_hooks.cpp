#include "app/later_hooks.h"

namespace cw {

void refresh_plugin_list(AppState&) {}
void install_plugin_button(AppState&) {}
void install_plugin_menu(AppState&) {}
void install_plugin_tray(AppState&) {}
void delete_plugin_button(AppState&) {}
void delete_plugin_menu(AppState&) {}
void toggle_protection_mode(AppState&) {}

void start_test_mode(AppState&) {}
void copy_lan_address(AppState&) {}

void save_settings_clicked(AppState&) {}
void set_server_icon(AppState&) {}

void open_about_window(AppState&) {}
void open_tutorial_window(AppState&) {}
void open_player_window(AppState&) {}

}  // namespace cw
