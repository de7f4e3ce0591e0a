#pragma once
// Protection mode: the home page's check box puts the carried anti-attack plugin into the
// plugins folder or takes it out; the game server picks the change up at its next start.
#include <string_view>

#include "ui/controls.h"
#include "ui/dialogs.h"

namespace cw {

// Looks at the check box as the click left it: ticked writes "Cubeworks-Fyc.jar", cleared deletes
// it. When the file cannot be written or deleted the operator is told and the box goes back, so
// that it always says whether the jar is there.
void apply_protection_mode(std::string_view program_dir, Controls& ui, Dialogs& dialogs);

}  // namespace cw
