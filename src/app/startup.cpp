#include "app/startup.h"

namespace cw {

void on_main_window_created(AppState&) {}

}  // namespace cw
