#include "plugins/plugins.h"

#include <optional>

#include "base/gbk_text.h"
#include "config/workspace.h"
#include "platform/files.h"
#include "ui/main_window_controls.h"

namespace cw {

namespace {

using namespace main_window;

constexpr std::string_view kJarExtension = ".jar";

std::string plugins_folder(std::string_view program_dir) {
    return owned_path(program_dir, kPluginsFolder);
}

bool ends_with_jar(std::string_view name) {
    if (name.size() < kJarExtension.size()) return false;
    const std::string_view tail = name.substr(name.size() - kJarExtension.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        const char c = tail[i] >= 'A' && tail[i] <= 'Z' ? static_cast<char>(tail[i] + 32) : tail[i];
        if (c != kJarExtension[i]) return false;
    }
    return true;
}

bool is_separator(char c) {
    return c == '\\' || c == '/';
}

// True when no single-byte character of `name` is one of `forbidden` or a control character.
bool free_of(std::string_view name, std::string_view forbidden) {
    for (std::size_t i = 0; i < name.size(); i += gbk_char_len(name, i)) {
        if (gbk_char_len(name, i) == 2) continue;
        const auto c = static_cast<unsigned char>(name[i]);
        if (c < 0x20 || forbidden.find(static_cast<char>(c)) != std::string_view::npos) {
            return false;
        }
    }
    return true;
}

// Names the system reserves for devices, with or without an extension.
bool is_device_name(std::string_view name) {
    std::string stem(name.substr(0, name.find('.')));
    while (!stem.empty() && stem.back() == ' ') stem.pop_back();
    for (char& c : stem) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    }
    if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL") return true;
    return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) &&
           stem[3] >= '1' && stem[3] <= '9';
}

// A row's jar lies in the plugins folder itself only when its name holds no separator or colon.
bool is_jar_name_of_the_folder(std::string_view name) {
    return free_of(name, "\\/:");
}

void show(Dialogs& dialogs, std::string_view text) {
    dialogs.message_box(text);
}

void show_error(Dialogs& dialogs, std::string_view text) {
    dialogs.message_box(text, kDefaultMessageTitle, MessageButtons::Ok, MessageIcon::Error);
}

}  // namespace

void fill_plugin_list(std::string_view program_dir, Controls& ui) {
    ui.clear_rows(kPluginList);
    for (const std::string& name : fs::list_files(plugins_folder(program_dir), "*.jar")) {
        // The system's wildcard also matches a long name through its short form ("a.jarx" as
        // "A~1.JAR"): only names that really end in ".jar" are plugins.
        if (!ends_with_jar(name)) continue;
        ui.add_row(kPluginList, std::string_view(name).substr(0, name.size() - 4));
    }
}

std::string plugin_base_name(std::string_view source_path) {
    std::size_t start = 0;
    std::size_t dot = npos;
    for (std::size_t i = 0; i < source_path.size(); i += gbk_char_len(source_path, i)) {
        if (gbk_char_len(source_path, i) == 2) continue;
        if (is_separator(source_path[i])) {
            start = i + 1;
            dot = npos;  // a dot of a folder name is no extension
        } else if (source_path[i] == '.') {
            dot = i;
        }
    }
    const std::size_t end = dot == npos ? source_path.size() : dot;
    return std::string(source_path.substr(start, end - start));
}

bool is_plain_folder_name(std::string_view name) {
    if (name.empty() || name.back() == '.' || name.back() == ' ') return false;
    return free_of(name, "\\/:*?\"<>|") && !is_device_name(name);
}

InstallOutcome install_plugin(std::string_view program_dir, std::string_view source) {
    const std::string base = plugin_base_name(source);
    const std::string path(source);
    if (base.empty() || !free_of(base, "\\/:*?\"<>|")) {
        return {false, {}, "插件安装失败！无法从文件名得到插件名称：" + path};
    }
    fs::create_folder(owned_path(program_dir, kWorkspaceRoot));
    fs::create_folder(plugins_folder(program_dir));
    InstallOutcome outcome{false, plugins_folder(program_dir) + "\\" + base + ".jar", {}};

    const std::optional<std::string> bytes = fs::read_file(path);
    if (!bytes) {
        outcome.message = "插件安装失败！无法读取文件：" + path;
        return outcome;
    }
    if (!fs::replace_file(outcome.target, *bytes)) {
        outcome.message = "插件安装失败！无法写入：" + outcome.target +
                          "\r\n（服务器运行时会占用插件文件，请关服后重试）";
        return outcome;
    }
    outcome.ok = true;
    return outcome;
}

void install_plugin_with_messages(LauncherContext& launcher) {
    bool failed = false;
    if (const std::optional<std::string> chosen = launcher.dialogs.choose_file(kPluginDialog)) {
        const InstallOutcome outcome = install_plugin(launcher.program_dir, *chosen);
        fill_plugin_list(launcher.program_dir, launcher.ui);
        failed = !outcome.ok;
        if (outcome.ok) {
            show(launcher.dialogs, "安装成功!");
        } else {
            show_error(launcher.dialogs, outcome.message);
        }
    }
    // A cancelled dialog gets the hint too; a failed copy has nothing to take effect.
    if (!failed && launcher.session.state.load() == ServerState::Running) {
        show(launcher.dialogs, "插件需要重启服务器才有效哦");
    }
}

InstallOutcome install_plugin_silently(LauncherContext& launcher) {
    const std::optional<std::string> chosen = launcher.dialogs.choose_file(kPluginDialog);
    if (!chosen) return {};
    InstallOutcome outcome = install_plugin(launcher.program_dir, *chosen);
    fill_plugin_list(launcher.program_dir, launcher.ui);
    return outcome;
}

void delete_selected_plugin(LauncherContext& launcher) {
    if (launcher.session.state.load() == ServerState::Running) {
        show(launcher.dialogs, "开服状态下无法删除插件！");
        return;
    }
    const int row = launcher.ui.selected_row(kPluginList);
    if (row < 0) return;
    const std::string name = launcher.ui.cell(kPluginList, row, 0);
    const std::string folder = plugins_folder(launcher.program_dir);

    if (!is_jar_name_of_the_folder(name)) {
        show_error(launcher.dialogs, "插件名称无效，未删除任何文件：" + name);
        fill_plugin_list(launcher.program_dir, launcher.ui);
        return;
    }
    // The jar goes first: while the server holds it, the plugin's data stays with it.
    const std::string jar = folder + "\\" + name + ".jar";
    if (!fs::delete_file(jar) && fs::file_exists(jar)) {
        show(
            launcher.dialogs,
            "插件删除失败！请强制关服，或者手动在任务管理器终止所有java.exe;javaw.exe进程后重试。");
    } else if (is_plain_folder_name(name)) {
        fs::remove_folder_tree(folder + "\\" + name);
    }
    fill_plugin_list(launcher.program_dir, launcher.ui);
}

}  // namespace cw
