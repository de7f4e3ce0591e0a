#pragma once
// The four secondary windows, one table each.
#include "ui/about_window_controls.h"
#include "ui/item_id_window_controls.h"
#include "ui/layout.h"
#include "ui/player_window_controls.h"
#include "ui/tutorial_window_controls.h"

namespace cw {

const WindowSpec& tutorial_window_spec();
const WindowSpec& player_window_spec();
const WindowSpec& item_id_window_spec();
const WindowSpec& about_window_spec();

}  // namespace cw
