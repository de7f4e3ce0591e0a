#pragma once
// What every event of the main window does.
#include <span>

#include "ui/events.h"

namespace cw {

std::span<const EventBinding> main_window_events();

}  // namespace cw
