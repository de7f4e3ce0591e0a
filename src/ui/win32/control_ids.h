#pragma once
// The ids and window properties by which the windows built from a table (layout_window.h) mark
// their controls, menu entries and timers, so that the windows, the controls boundary
// (win32_ui.h) and a driver in another process find them by their table rows:
//  - every control window has the control id kControlIdBase + its row in the window's table,
//    and the window property kRowProperty holding row + 1; tab pages also carry kPageProperty
//    (page index + 1);
//  - menu entries have the command id kMenuIdBase + their row in the menu table;
//  - timers have the timer id kTimerIdBase + their row;
//  - a top-level window carries kCompleteProperty (1) once every control of its table exists
//    and its Shown event has run: a driver waits for it before it reads the controls.
// The three ranges do not overlap, so an id alone says what it names; each holds kIdRangeRows
// rows, more than any window's table has.
#include <windows.h>

namespace cw::win32 {

inline constexpr int kIdRangeRows = 2000;
inline constexpr int kControlIdBase = 1000;                           // controls: 1000-2999
inline constexpr int kMenuIdBase = kControlIdBase + kIdRangeRows;     // menu entries: 3000-4999
inline constexpr UINT_PTR kTimerIdBase = kMenuIdBase + kIdRangeRows;  // timers: 5000-6999
inline constexpr wchar_t kRowProperty[] = L"cw.row";
inline constexpr wchar_t kPageProperty[] = L"cw.page";
inline constexpr wchar_t kCompleteProperty[] = L"cw.complete";

// The program's icon resource.
inline constexpr int kProgramIconResource = 1;

}  // namespace cw::win32
