#pragma once
// The process-wide state, created at program start and alive until the program ends. Every
// handler of the event tables receives it and hands each operation only what that operation
// works with; tests build one over the headless UI and a fake platform.
#include <string>

#include "config/java_info.h"
#include "platform/platform.h"
#include "players/player_list.h"
#include "server/launcher_context.h"
#include "server/server_session.h"
#include "shell/shell_state.h"
#include "ui/controls.h"
#include "ui/dialogs.h"

namespace cw {

struct AppState {
    AppState(std::string dir, Controls& controls, Dialogs& dialogs, Platform& platform)
        : program_dir(std::move(dir)),
          ui(controls),
          dialogs(dialogs),
          platform(platform),
          session(platform),
          launcher{program_dir, session, ui, dialogs, platform} {}

    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    std::string program_dir;  // never ends with a backslash
    Controls& ui;
    Dialogs& dialogs;
    Platform& platform;
    ServerSession session;
    LauncherContext launcher;  // the server, plugin and player operations work with this
    JavaInfo java;
    std::string properties_text;  // the in-memory copy of server.properties
    shell::ShellState shell;      // the skin library and the CPU load samples
    PlayerListRefresh players;    // the player list's outstanding snapshot request
};

}  // namespace cw
