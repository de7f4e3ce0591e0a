#include <array>

#include "ui/secondary_window_layouts.h"

namespace cw {

namespace {

using namespace about_window;
using K = ControlKind;

constexpr std::string_view kStatement =
    "本开服器\r\n"
    "\r\n"
    "部分代码从网络借鉴\r\n"
    "历经半年制作\r\n"
    "2016.7~2017\r\n"
    "联系作者方式\r\n"
    "Cubeworks团队\r\n"
    "官网：www.cubeworks.net\r\n"
    "反馈：www.cubeworks.net/feedback\r\n"
    "------------------------\r\n"
    "------------------------";

// The sponsor list group covers the statement when shown.
// clang-format off
constexpr std::array kControls = {
    ControlSpec{"分组框1", K::GroupBox, "声明", 8, 8, 216, 216, ""},
    ControlSpec{"编辑框1", K::TextBox, kStatement, 16, 16, 176, 184, "分组框1"},
    ControlSpec{kSponsorListGroup, K::GroupBox, "赞助名单", 0, 0, 216, 216, "分组框1", false},
    ControlSpec{"透明标签2", K::Label,
                "顺其自然。来者不拒。\r\n官网：www.cubeworks.net\r\n觉得好用就请我们喝杯奶茶吧",
                8, 16, 184, 40, kSponsorListGroup},
    ControlSpec{"透明标签3", K::Label, "感谢你们的赞助，让作者有毅力做下去\r\n感谢各位粑粑的打赏",
                8, 184, 208, 24, kSponsorListGroup},
    ControlSpec{kBackButton, K::Button, "返回", 168, 152, 32, 16, kSponsorListGroup},
    ControlSpec{"分组框2", K::GroupBox, "赞助[一次2.5rmb]", 224, 8, 216, 216, ""},
    ControlSpec{kPicture, K::Picture, "", 24, 16, 176, 192, "分组框2"},
    ControlSpec{kSponsorListButton, K::Button, "赞助名单", 352, 224, 72, 24, ""},
    ControlSpec{"透明标签1", K::Label, "作者：Cubeworks团队 2016-2017", 104, 248, 232, 24, ""},
};
// clang-format on

constexpr WindowSpec kAboutWindow{kWindow, kTitle, 438, 304, kControls, {}};

}  // namespace

const WindowSpec& about_window_spec() {
    return kAboutWindow;
}

}  // namespace cw
