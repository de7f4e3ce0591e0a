#include "support/program_windows.h"

#include "ui/secondary_window_layouts.h"

namespace cw::test {

void add_secondary_windows(HeadlessUi& ui) {
    ui.add_window(tutorial_window_spec(), false);
    ui.add_window(player_window_spec(), false);
    ui.add_window(item_id_window_spec(), false);
    ui.add_window(about_window_spec(), false);
}

}  // namespace cw::test
