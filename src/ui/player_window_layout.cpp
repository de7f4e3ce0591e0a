#include <array>

#include "ui/secondary_window_layouts.h"

namespace cw {

namespace {

using namespace player_window;
using K = ControlKind;

// The give group, captioned as the menu entry that shows it, lies over the top of the list when
// shown.
// clang-format off
constexpr std::array kControls = {
    ControlSpec{kList, K::ListView, "", 0, 0, 312, 328, "", true, true,
                "当前在线:98\n是否管理员:98\n当前模式:150"},
    ControlSpec{kGiveGroup, K::GroupBox, kGiveEntry, 0, 0, 264, 104, "", false},
    ControlSpec{"透明标签1", K::Label, "物品ID", 8, 16, 40, 24, kGiveGroup},
    ControlSpec{kItemIdBox, K::NumberEdit, "", 48, 16, 72, 24, kGiveGroup},
    ControlSpec{kIdTableButton, K::Button, "查看id表", 128, 16, 56, 24, kGiveGroup},
    ControlSpec{"透明标签2", K::Label, "数额", 8, 48, 40, 24, kGiveGroup},
    ControlSpec{kAmountBox, K::NumberEdit, "", 48, 48, 56, 24, kGiveGroup, true, true, {}, -1, -1,
                2},
    ControlSpec{kGiveButton, K::Button, "给予", 112, 72, 64, 24, kGiveGroup},
    timer_row(kSnapshotTimer, kSnapshotPollMs, false),
};

constexpr std::array kMenus = {
    MenuSpec{kMenu, kRefreshEntry, ""},
    MenuSpec{kMenu, kGrantOperatorEntry, ""},
    MenuSpec{kMenu, kRevokeOperatorEntry, ""},
    MenuSpec{kMenu, kGiveEntry, ""},
    MenuSpec{kMenu, kBanEntry, ""},
    MenuSpec{kMenu, kKickEntry, ""},
    MenuSpec{kMenu, kCreativeEntry, ""},
    MenuSpec{kMenu, kSurvivalEntry, ""},
};
// clang-format on

constexpr WindowSpec kPlayerWindow{kWindow, kTitle, 318, 378, kControls, kMenus};

}  // namespace

const WindowSpec& player_window_spec() {
    return kPlayerWindow;
}

}  // namespace cw
