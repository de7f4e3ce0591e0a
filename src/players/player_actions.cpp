#include "players/player_actions.h"

#include <optional>
#include <string>

#include "base/gbk_text.h"
#include "platform/clock.h"
#include "server/server_control.h"
#include "server/server_session.h"
#include "ui/player_window_controls.h"
#include "ui/window_names.h"

namespace cw {

namespace {

using namespace player_window;

constexpr int kMostItems = 64;

// The selected row's name; nothing when no row is selected.
std::optional<std::string> selected_name(Controls& ui) {
    const std::string list = control_path(kWindow, kList);
    const int row = ui.selected_row(list);
    if (row < 0) return std::nullopt;
    return ui.cell(list, row, 0);
}

// Sends a command meant for a player. It reaches the server only while one runs: the player
// window stays open with its last rows after a stop, and acting on them must not report a
// success that did not happen. Otherwise the operator is told so, and the answer is false.
bool send_player_command(LauncherContext& launcher, const std::string& command) {
    if (launcher.session.state.load() != ServerState::Stopped &&
        send_console_command(launcher, command)) {
        return true;
    }
    launcher.dialogs.message_box(kNotRunningMessage);
    return false;
}

}  // namespace

std::string_view action_prefix(PlayerAction action) {
    switch (action) {
        case PlayerAction::GrantOperator:
            return "op ";
        case PlayerAction::RevokeOperator:
            return "deop ";
        case PlayerAction::Ban:
            return "ban ";
        case PlayerAction::Kick:
            return "kick ";
        case PlayerAction::CreativeMode:
            return "gamemode 1 ";
        case PlayerAction::SurvivalMode:
            return "gamemode 0 ";
    }
    return {};
}

void act_on_selected_player(LauncherContext& launcher, PlayerListRefresh& refresh,
                            PlayerAction action) {
    const std::optional<std::string> name = selected_name(launcher.ui);
    if (!name || !send_player_command(launcher, std::string(action_prefix(action)) + *name)) return;
    if (action == PlayerAction::Ban) {
        launcher.dialogs.message_box("执行指令成功");
    } else {
        refresh_player_list(launcher, refresh, monotonic_ms());
    }
}

void give_to_selected_player(LauncherContext& launcher, PlayerListRefresh& refresh) {
    const std::optional<std::string> name = selected_name(launcher.ui);
    if (!name) return;
    const std::string item = launcher.ui.text(control_path(kWindow, kItemIdBox));
    const std::string amount = launcher.ui.text(control_path(kWindow, kAmountBox));
    if (!send_player_command(launcher, "give " + *name + " " + item + " " + amount)) return;
    refresh_player_list(launcher, refresh, monotonic_ms());
    launcher.ui.set_visible(control_path(kWindow, kGiveGroup), false);
}

void limit_amount(Controls& ui) {
    const std::string box = control_path(kWindow, kAmountBox);
    if (gbk_to_int(ui.text(box)) > kMostItems) ui.set_text(box, "64");
}

}  // namespace cw
