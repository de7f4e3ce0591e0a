#pragma once
// Launch, stop, restart, forced close and the command channel of the one game server.
#include <string_view>

#include "app/app_state.h"

namespace cw {

// Turns the operator's request into a running Java process (state Starting) or a refusal.
void launch_server(AppState& app);

// The only way any part of the program talks to the running server: text + "\r\n".
void send_console_command(AppState& app, std::string_view text);

// Send button: sends the console input box's content, then empties the box.
void send_console_input(AppState& app);

void stop_server(AppState& app);        // "stop" when Running, else the refusal message
void restart_server(AppState& app);
void force_close_server(AppState& app);

}  // namespace cw
