#include <array>

#include "ui/secondary_window_layouts.h"

namespace cw {

namespace {

using namespace tutorial_window;
using K = ControlKind;

// The page view is larger than the window and shifted up and left, so that the page's own top
// and left margins lie outside it; the buttons lie above it.
// clang-format off
constexpr std::array kControls = {
    ControlSpec{kViewer, K::WebBrowser, "", -24, -168, 1208, 864, ""},
    ControlSpec{kWebPageButton, K::Button, "返回网页观看", 312, 432, 64, 24, ""},
    ControlSpec{kToolsButton, K::Button, "工具下载", 392, 432, 64, 24, ""},
    ControlSpec{kToolsGroup, K::GroupBox, "", 304, 328, 168, 104, "", false},
    ControlSpec{kNotepadButton, K::Button, "notepad++下载", 32, 16, 104, 24, kToolsGroup},
    ControlSpec{kLauncherButton, K::Button, "开服器下载", 32, 48, 104, 24, kToolsGroup},
    ControlSpec{kCloseToolsButton, K::Button, "关闭", 64, 80, 40, 16, kToolsGroup},
};
// clang-format on

constexpr WindowSpec kTutorialWindow{kWindow, kTitle, 757, 488, kControls, {}};

}  // namespace

const WindowSpec& tutorial_window_spec() {
    return kTutorialWindow;
}

}  // namespace cw
