#pragma once
// What every event of the main window does.
#include <span>

#include "app/app_state.h"
#include "ui/events.h"

namespace cw {

using AppEventBinding = EventBinding<AppState>;

std::span<const AppEventBinding> main_window_events();

}  // namespace cw
