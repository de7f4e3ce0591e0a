#include "app/settings_handlers.h"

#include "config/launcher_settings.h"
#include "config/server_icon.h"

namespace cw {

void save_settings_clicked(AppState& app) {
    save_settings(app.program_dir, app.ui, app.dialogs, app.session.memory_mb, app.properties_text);
}

void set_server_icon(AppState& app) {
    choose_server_icon(app.program_dir, app.dialogs);
}

}  // namespace cw
