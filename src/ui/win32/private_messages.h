#pragma once
// Every private window message of the program, in one place.
#include <windows.h>

namespace cw::win32 {

// To the dispatcher's message window: run the work queued for the window thread.
inline constexpr UINT kMsgDispatch = WM_APP + 1;
// To a window with a tray icon: the shell reports a mouse action on the icon (lParam).
inline constexpr UINT kMsgTrayIcon = WM_APP + 2;
// Posted by a window to itself as it first shows: build the controls of the containers hidden
// at start, then report the Shown event.
inline constexpr UINT kMsgBuildLater = WM_APP + 3;
// The identifier of a window's tray icon within that window (the message's wParam).
inline constexpr UINT kTrayIconId = 100;

}  // namespace cw::win32
