#pragma once
// The main window: every control, menu entry and pop-up menu, in one table.
#include "ui/layout.h"
#include "ui/main_window_controls.h"

namespace cw {

const WindowSpec& main_window_spec();

}  // namespace cw
