#pragma once
// The program's secondary windows for the headless UI: added closed, opened by the logic.
#include "support/headless_ui.h"

namespace cw::test {

void add_secondary_windows(HeadlessUi& ui);

}  // namespace cw::test
