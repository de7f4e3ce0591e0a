#include "shell/tray.h"

#include "base/gbk_text.h"
#include "ui/events.h"
#include "ui/main_window_controls.h"

namespace cw::shell {

using namespace main_window;

std::string tray_tip(std::string_view text) {
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t next = end + gbk_char_len(text, end);
        if (next > kTrayTipBytes) break;
        end = next;
    }
    return std::string(text.substr(0, end));
}

void go_to_tray_when_minimised(Controls& ui) {
    if (ui.window_state(kWindow) != WindowState::Minimised) return;
    // Without its icon a hidden window could only be reached by ending the process: it stays
    // minimised on the taskbar instead.
    if (!ui.set_tray_icon(kWindow, true, tray_tip(kTrayTip))) return;
    ui.set_visible(kWindow, false);
}

void on_tray_icon_event(Controls& ui, int operation) {
    switch (operation) {
        case kTrayDoubleClick:
            // A state change acts on a visible window only: shown first. The window's place
            // before the tray is not kept.
            ui.set_visible(kWindow, true);
            ui.set_window_state(kWindow, WindowState::Centred);
            ui.set_tray_icon(kWindow, false, "");
            break;
        case kTrayRightClick:
            ui.popup_tray_menu(kTrayMenu);
            break;
        default:  // a click
            break;
    }
}

void restore_from_tray(Controls& ui) {
    ui.set_visible(kWindow, true);
    ui.set_window_state(kWindow, WindowState::Centred);
}

}  // namespace cw::shell
