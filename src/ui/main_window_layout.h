#pragma once
// The main window: every control, menu entry and pop-up menu, in one table.
#include <string_view>

#include "ui/layout.h"

namespace cw {

inline constexpr std::string_view kMainWindowName = "主窗口";
inline constexpr std::string_view kMainTab = "高级选择夹1";
inline constexpr std::string_view kTrayMenu = "菜单";
inline constexpr std::string_view kPluginMenu = "插件";

const WindowSpec& main_window_spec();

// The row of a control (or tab page, timer, dialog) by name; nullptr when the window has none.
const ControlSpec* find_control(const WindowSpec& window, std::string_view name);

// The control whose client area a control's place is measured in: its parent, except that the
// children of a tab page are placed in the tab control's client area (the page itself begins
// below the tab strip). "" for the window's client area.
std::string_view placement_frame(const WindowSpec& window, const ControlSpec& control);

}  // namespace cw
