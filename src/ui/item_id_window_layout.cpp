#include <array>

#include "ui/secondary_window_layouts.h"

namespace cw {

namespace {

using namespace item_id_window;
using K = ControlKind;

// The picture box starts 24 pixels left of the window's client area.
constexpr std::array kControls = {
    ControlSpec{kPicture, K::Picture, "", -24, 0, 528, 664, ""},
};

constexpr WindowSpec kItemIdWindow{kWindow, kTitle, 493, 663, kControls, {}};

}  // namespace

const WindowSpec& item_id_window_spec() {
    return kItemIdWindow;
}

}  // namespace cw
