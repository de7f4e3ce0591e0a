#pragma once
// The event tables of the four secondary windows. The main window's menus open them.
#include <span>

#include "app/app_state.h"
#include "app/main_window_events.h"

namespace cw {

std::span<const AppEventBinding> tutorial_window_events();
std::span<const AppEventBinding> player_window_events();
std::span<const AppEventBinding> item_id_window_events();
std::span<const AppEventBinding> about_window_events();

}  // namespace cw
