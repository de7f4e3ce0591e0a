#pragma once
// Actions on the player selected in the player list: each becomes one console command of the
// game server's own command set, "<prefix><name>". With no row selected nothing is sent and
// nothing is shown: a command word without a name would act on nobody. With no server running
// nothing is sent either, and the operator is told so (kNotRunningMessage) instead of a success.
#include <string_view>

#include "players/player_list.h"
#include "server/launcher_context.h"

namespace cw {

inline constexpr std::string_view kNotRunningMessage = "服务器未开启，指令没有发送";

enum class PlayerAction { GrantOperator, RevokeOperator, Ban, Kick, CreativeMode, SurvivalMode };

// The command word of an action, ending with the space before the name ("op ", "ban ", ...).
std::string_view action_prefix(PlayerAction action);

// Sends the action for the selected player, then refreshes the list; after a ban it shows
// "执行指令成功" instead (the banned player's row stays until the next refresh).
void act_on_selected_player(LauncherContext& launcher, PlayerListRefresh& refresh,
                            PlayerAction action);

// "give <name> <item id> <amount>" with the two boxes' texts as typed, then a refresh, and the
// give group is hidden (what was typed stays in it).
void give_to_selected_player(LauncherContext& launcher, PlayerListRefresh& refresh);

// The amount box's limit: a value above 64 becomes "64".
void limit_amount(Controls& ui);

}  // namespace cw
