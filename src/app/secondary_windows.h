#pragma once
// The four secondary windows: opening them, their event tables and their small handlers.
#include <span>

#include "app/app_state.h"
#include "app/main_window_events.h"

namespace cw {

// From the main window's menus (the player window through open_player_list, which checks that
// the server runs).
void open_about_window(AppState& app);
void open_tutorial_window(AppState& app);
void open_player_window(AppState& app);

// The main window's "复制ip" and "服务器测试模式".
void copy_lan_address(AppState& app);
void start_test_mode(AppState& app);

std::span<const AppEventBinding> tutorial_window_events();
std::span<const AppEventBinding> player_window_events();
std::span<const AppEventBinding> item_id_window_events();
std::span<const AppEventBinding> about_window_events();

}  // namespace cw
