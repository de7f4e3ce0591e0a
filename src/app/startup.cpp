#include "app/startup.h"

#include "config/java_detection.h"
#include "config/launcher_settings.h"
#include "config/properties.h"
#include "config/workspace.h"
#include "payload/payload.h"
#include "platform/files.h"
#include "platform/start_trace.h"
#include "plugins/plugins.h"
#include "shell/skin.h"
#include "ui/main_window_controls.h"

namespace cw {

void on_main_window_created(AppState& app) {
    const std::string& dir = app.launcher.program_dir;
    shell::apply_skin(app.shell.skin_library, payload::skin_resource());
    start_trace::mark("skin");

    // A first start in an empty program folder gets its workspace and plugin folder here, so
    // that the companion plugin and the default settings are deployed at once. Existing folders
    // are kept.
    fs::create_folder(owned_path(dir, kWorkspaceRoot));
    fs::create_folder(owned_path(dir, kPluginsFolder));

    fs::write_whole_file(owned_path(dir, kCompanionJarPath),
                         payload::as_text(payload::companion_jar()));
    start_trace::mark("companion-jar");
    app.properties_text = load_server_settings(dir, app.launcher.ui);
    // The maximum memory saved in an earlier run holds again for this one.
    restore_saved_max_memory(dir, app.launcher.ui, app.launcher.session.memory_mb);
    start_trace::mark("settings");
    app.launcher.ui.set_text(main_window::kLanAddressLabel, app.launcher.platform.lan_address());
    start_trace::mark("lan-address");
    // A server jar held open by a server of an earlier run stays as it was; the start goes on.
    fs::write_whole_file(owned_path(dir, kServerJarPath), payload::as_text(payload::server_jar()));
    start_trace::mark("server-jar");

    app.java = detect_java(app.launcher.platform);
    if (app.java.version.empty()) {
        app.launcher.dialogs.message_box("没有找到java请安装");
    } else {
        app.launcher.ui.set_text(main_window::kJavaBox, app.java.bin_dir + "javaw.exe");
    }
    start_trace::mark("java");
}

void on_main_window_shown(AppState& app) {
    fill_plugin_list(app.launcher.program_dir, app.launcher.ui);
    start_trace::mark("plugins");
}

}  // namespace cw
