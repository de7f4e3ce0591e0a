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
        : session_(platform), launcher{std::move(dir), session_, controls, dialogs, platform} {}

    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

  private:
    ServerSession session_;  // owned here; reached through launcher.session

  public:
    // The program folder, the session, the controls, the dialogs and the platform: the one
    // holder of each, for the handlers and for the server, plugin and player operations alike.
    LauncherContext launcher;
    JavaInfo java;
    std::string properties_text;  // the in-memory copy of server.properties
    shell::ShellState shell;      // the skin library and the CPU load samples
    PlayerListRefresh players;    // the player list's outstanding snapshot request
};

}  // namespace cw
