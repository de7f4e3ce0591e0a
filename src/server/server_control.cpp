// Placeholder bodies until the server control lands; replaced by the real operations.
#include "server/server_control.h"

namespace cw {

void launch_server(AppState&) {}
void send_console_command(AppState&, std::string_view) {}
void send_console_input(AppState&) {}
void stop_server(AppState&) {}
void restart_server(AppState&) {}
void force_close_server(AppState&) {}

}  // namespace cw
