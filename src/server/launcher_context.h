#pragma once
// What the launcher's operations work with, the server's, the plugins' and the players' alike:
// the program folder, the one session, the windows' controls and dialogs, and the platform.
// Small and copyable: each background thread of a launch keeps its own copy.
#include <string>

#include "platform/platform.h"
#include "server/server_session.h"
#include "ui/controls.h"
#include "ui/dialogs.h"

namespace cw {

struct LauncherContext {
    std::string program_dir;  // never ends with a backslash
    ServerSession& session;
    Controls& ui;
    Dialogs& dialogs;
    Platform& platform;
};

}  // namespace cw
