#pragma once
// The launcher settings group's save button and the server icon menu entry.
#include "app/app_state.h"

namespace cw {

// "保存" (按钮8).
void save_settings_clicked(AppState& app);
// "设置图标" of the menu "设置服务器图标".
void set_server_icon(AppState& app);

}  // namespace cw
