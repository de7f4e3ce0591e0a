#pragma once
// The player window's name, the controls the program acts on and its pop-up menu.
#include <string_view>

namespace cw::player_window {

inline constexpr std::string_view kWindow = "玩家窗口";
inline constexpr std::string_view kTitle = "玩家管理列表";

// The player list: column 0 the name, 1 the operator flag, 2 the game mode.
inline constexpr std::string_view kList = "超级列表框1";
inline constexpr int kOperatorColumn = 1;
inline constexpr int kModeColumn = 2;

// The give group, hidden at start.
inline constexpr std::string_view kGiveGroup = "分组框1";
inline constexpr std::string_view kItemIdBox = "物品id";
inline constexpr std::string_view kIdTableButton = "按钮1";
inline constexpr std::string_view kAmountBox = "数量";
inline constexpr std::string_view kGiveButton = "按钮2";

// Polls for the snapshot a refresh asked for; enabled only while one is awaited.
inline constexpr std::string_view kSnapshotTimer = "时钟_快照";
inline constexpr int kSnapshotPollMs = 50;

// The list's pop-up menu and its entries.
inline constexpr std::string_view kMenu = "管理菜单";
inline constexpr std::string_view kRefreshEntry = "刷新";
inline constexpr std::string_view kGrantOperatorEntry = "给予管理员权限";
inline constexpr std::string_view kRevokeOperatorEntry = "取消管理员权限";
inline constexpr std::string_view kGiveEntry = "给予物品";
inline constexpr std::string_view kBanEntry = "封禁";
inline constexpr std::string_view kKickEntry = "踢出服务器";
inline constexpr std::string_view kCreativeEntry = "创造模式";
inline constexpr std::string_view kSurvivalEntry = "生存模式";

}  // namespace cw::player_window
