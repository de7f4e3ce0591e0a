#pragma once
// The plugin page: the list of the jars in the workspace's plugins folder, installing a jar the
// operator picks, and deleting the selected plugin with its data folder.
#include <string>
#include <string_view>

#include "server/launcher_context.h"
#include "ui/controls.h"

namespace cw {

// Rebuilds the plugin list: one row per file "*.jar" of the plugins folder (folders left out),
// in the file system's order, its text the name without ".jar"; no row is selected afterwards.
void fill_plugin_list(std::string_view program_dir, Controls& ui);

// The name an installed plugin gets: the chosen file's name up to its last "." (the whole name
// when it has none). Separators are "\" and "/", found character by character so that the
// second byte of a double-byte character never counts as one.
std::string plugin_base_name(std::string_view source_path);

// True when `name` can stand as one folder name of its own inside the plugins folder: not
// empty, not ending in "." or a blank (which the system drops, so "." and ".." are out), and no
// separator, drive colon, wildcard or other character a file name cannot hold.
bool is_plain_folder_name(std::string_view name);

struct InstallOutcome {
    bool ok = false;
    std::string target;   // the jar in the plugins folder
    std::string message;  // the failure, for the operator, when not ok
};

// Copies the jar `source` into the plugins folder as its base name + ".jar", replacing an older
// file of that name; the workspace and plugins folders are made when missing. An older jar that
// cannot be replaced stays as it was.
InstallOutcome install_plugin(std::string_view program_dir, std::string_view source);

// "安装插件" and the plugin menu's "安装": the plugin dialog, the copy, the list rebuilt and
// "安装成功!" (or the failure); then, while the server runs, the restart hint.
void install_plugin_with_messages(LauncherContext& launcher);

// The tray menu's "安装": the plugin dialog, the copy and the list rebuilt, without any message.
// The outcome (not ok when cancelled, with an empty message) is for the caller.
InstallOutcome install_plugin_silently(LauncherContext& launcher);

// "删除插件" and the plugin menu's "删除": refused while the server runs; nothing without a
// selected row; else the jar of the selected row is deleted, then its data folder (the folder of
// the row's name, removed with the file functions and only when that name is a plain folder
// name), and the list is rebuilt.
void delete_selected_plugin(LauncherContext& launcher);

}  // namespace cw
