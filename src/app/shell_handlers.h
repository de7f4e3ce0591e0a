#pragma once
// The main window's shell events: the skin step, the CPU load bar and the tray.
#include "app/app_state.h"

namespace cw {

// Program entry, before any window: the carried skin library into memory.
void load_skin_library(AppState& app);
// The start-up's first step: the carried skin on every window of the window thread.
void apply_skin(AppState& app);
// 时钟1 ticked: the CPU load into 进度条1.
void update_cpu_load(AppState& app);
// The main window moved or changed state.
void go_to_tray_when_minimised(AppState& app);
// A mouse action on the tray icon (kTrayClick, kTrayDoubleClick, kTrayRightClick).
void on_tray_icon_event(AppState& app, int operation);
// Tray menu "打开界面".
void restore_from_tray(AppState& app);

}  // namespace cw
