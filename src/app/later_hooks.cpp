#include "app/later_hooks.h"

namespace cw {

void load_skin_library() {}
void apply_skin(AppState&) {}

void refresh_plugin_list(AppState&) {}
void install_plugin_button(AppState&) {}
void install_plugin_menu(AppState&) {}
void install_plugin_tray(AppState&) {}
void delete_plugin_button(AppState&) {}
void delete_plugin_menu(AppState&) {}
void toggle_protection_mode(AppState&) {}

void update_cpu_load(AppState&) {}
void save_settings_clicked(AppState&) {}
void set_server_icon(AppState&) {}

void go_to_tray_when_minimised(AppState&) {}
void on_tray_icon_event(AppState&, int) {}
void restore_from_tray(AppState&) {}

}  // namespace cw
