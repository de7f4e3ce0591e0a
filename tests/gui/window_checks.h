#pragma once
// Checks of a window built from its table, made from outside the program: its frame and place,
// and every control's kind, caption, place and initial state as its table row gives them.
// clang-format off
#include <windows.h>
// clang-format on

#include <set>
#include <string_view>

#include "ui/layout.h"

namespace cw::gui {

// The window class and style bits each kind of control is made of.
struct KindShape {
    const wchar_t* cls;
    DWORD mask;
    DWORD bits;
};
KindShape shape_of(ControlKind kind);

// Title, outer size, a fixed border without a maximise box, centred in the work area.
void expect_fixed_centred_window(HWND window, const WindowSpec& table);

// Every row of the table against the control made from it. `filled_at_start` names controls
// whose content the program replaces as the window opens (their captions are not compared).
void expect_controls_as_table(HWND window, const WindowSpec& table,
                              const std::set<std::string_view>& filled_at_start = {});

}  // namespace cw::gui
