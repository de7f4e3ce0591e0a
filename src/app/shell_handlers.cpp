#include "app/shell_handlers.h"

#include "payload/payload.h"
#include "shell/skin.h"
#include "shell/tray.h"

namespace cw {

void load_skin_library(AppState& app) {
    shell::load_skin_library(app.shell.skin_library, payload::skin_library());
}

void apply_skin(AppState& app) {
    shell::apply_skin(app.shell.skin_library, payload::skin_resource());
}

void update_cpu_load(AppState& app) {
    shell::show_cpu_load(app.shell.cpu, app.platform, app.ui);
}

void go_to_tray_when_minimised(AppState& app) {
    shell::go_to_tray_when_minimised(app.ui);
}

void on_tray_icon_event(AppState& app, int operation) {
    shell::on_tray_icon_event(app.ui, operation);
}

void restore_from_tray(AppState& app) {
    shell::restore_from_tray(app.ui);
}

}  // namespace cw
