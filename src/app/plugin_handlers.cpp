#include "app/plugin_handlers.h"

#include "plugins/plugins.h"
#include "plugins/protection_mode.h"

namespace cw {

void refresh_plugin_list(AppState& app) {
    fill_plugin_list(app.program_dir, app.ui);
}

void install_plugin_button(AppState& app) {
    install_plugin_with_messages(app.server);
}

void install_plugin_menu(AppState& app) {
    install_plugin_with_messages(app.server);
}

void install_plugin_tray(AppState& app) {
    install_plugin_silently(app.server);
}

void delete_plugin_button(AppState& app) {
    delete_selected_plugin(app.server);
}

void delete_plugin_menu(AppState& app) {
    delete_selected_plugin(app.server);
}

void toggle_protection_mode(AppState& app) {
    apply_protection_mode(app.program_dir, app.ui, app.dialogs);
}

}  // namespace cw
