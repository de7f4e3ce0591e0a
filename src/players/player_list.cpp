#include "players/player_list.h"

#include "config/workspace.h"
#include "platform/files.h"
#include "players/player_snapshot.h"
#include "server/server_control.h"
#include "ui/player_window_controls.h"
#include "ui/window_names.h"

namespace cw {

namespace {

constexpr std::string_view kSnapshotRequest = "showplayerinfo";

std::string list_name() {
    return control_path(player_window::kWindow, player_window::kList);
}

std::string timer_name() {
    return control_path(player_window::kWindow, player_window::kSnapshotTimer);
}

void finish(LauncherContext& launcher, PlayerListRefresh& refresh) {
    refresh.waiting = false;
    refresh.sent_text.clear();
    launcher.ui.set_enabled(timer_name(), false);
}

}  // namespace

void show_player_rows(Controls& ui, std::string_view snapshot_text) {
    const std::string list = list_name();
    ui.clear_rows(list);
    for (const PlayerRow& row : parse_player_snapshot(snapshot_text)) {
        const int at = ui.add_row(list, row.name);
        ui.set_cell(list, at, player_window::kOperatorColumn, row.operator_text);
        ui.set_cell(list, at, player_window::kModeColumn, row.mode_text);
    }
}

void refresh_player_list(LauncherContext& launcher, PlayerListRefresh& refresh,
                         std::int64_t now_ms) {
    if (launcher.session.state.load() != ServerState::Running) return;
    if (!fs::file_exists(owned_path(launcher.program_dir, kCompanionJarPath))) return;
    const std::string path = owned_path(launcher.program_dir, kPlayerInfoPath);
    refresh.sent_stamp = fs::last_write_stamp(path);
    refresh.sent_text = fs::read_whole_file(path);
    send_console_command(launcher, kSnapshotRequest);
    refresh.waiting = true;
    refresh.deadline_ms = now_ms + kSnapshotWaitMs;
    launcher.ui.set_enabled(timer_name(), true);
}

void poll_player_snapshot(LauncherContext& launcher, PlayerListRefresh& refresh,
                          std::int64_t now_ms) {
    if (!refresh.waiting) {
        launcher.ui.set_enabled(timer_name(), false);
        return;
    }
    const std::string path = owned_path(launcher.program_dir, kPlayerInfoPath);
    const std::int64_t stamp = fs::last_write_stamp(path);
    const std::string text = fs::read_whole_file(path);
    const bool rewritten = stamp != refresh.sent_stamp || text != refresh.sent_text;
    const bool whole = snapshot_complete(text);
    if (rewritten && whole) {
        show_player_rows(launcher.ui, text);
        finish(launcher, refresh);
    } else if (now_ms >= refresh.deadline_ms) {
        // No answer in time: the newest whole snapshot, or the rows as they are.
        if (whole) show_player_rows(launcher.ui, text);
        finish(launcher, refresh);
    }
}

}  // namespace cw
