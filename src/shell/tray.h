#pragma once
// Background mode: minimising the main window hides it and leaves an icon in the notification
// area; the icon brings the window back or pops up the tray menu. The same process, its window
// hidden, goes on running the server and filling the hidden console.
#include <cstddef>
#include <string>
#include <string_view>

#include "ui/controls.h"

namespace cw::shell {

inline constexpr std::string_view kTrayTip = "Cubeworks 一键开服器 正在后台运行";
// The tip holds this many bytes of GBK text at most.
inline constexpr std::size_t kTrayTipBytes = 62;

// The tip as the notification area holds it: cut at kTrayTipBytes, never inside a double-byte
// character.
std::string tray_tip(std::string_view text);

// The main window has moved or changed its state: when it is minimised, the tray icon is set
// and the window hidden; when the shell refuses the icon, the window stays minimised on the
// taskbar. Anything else changes nothing.
void go_to_tray_when_minimised(Controls& ui);

// A mouse action on the tray icon: a double-click shows the window, centres it and removes the
// icon; a right click pops up the tray menu; a click does nothing.
void on_tray_icon_event(Controls& ui, int operation);

// "打开界面": shows the main window and centres it; the icon stays.
void restore_from_tray(Controls& ui);

}  // namespace cw::shell
