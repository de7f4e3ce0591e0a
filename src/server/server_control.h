#pragma once
// Launch, stop, restart, forced close and the command channel of the one game server.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "server/background_threads.h"
#include "server/launcher_context.h"

namespace cw {

// Turns the operator's request into a running Java process (state Starting) or a refusal.
void launch_server(LauncherContext& server);

// The only way any part of the program talks to the running server: text + "\r\n". False when
// it could not be written (no server process, or its input is closed).
bool send_console_command(LauncherContext& server, std::string_view text);

// Send button: sends the console input box's content, then empties the box.
void send_console_input(LauncherContext& server);

void stop_server(LauncherContext& server);  // "stop" when Running, else the refusal message
void restart_server(LauncherContext& server);
void force_close_server(LauncherContext& server);

// The Java command line: the quoted Java path, the heap option when memory_mb is not 0, the
// console option and the server jar.
std::string server_command_line(std::string_view java_path, std::int32_t memory_mb);

// Thread bodies of one launch; each follows that launch's child only.
// Shows the child's output in the console box and reacts to start-up completion and to the
// port-conflict warning; ends once the child has gone and its output is drained, and then sets
// `reader_done`.
void console_reader(LauncherContext server, std::shared_ptr<ChildRun> run,
                    std::shared_ptr<DoneFlag> reader_done);
// Waits for the child's exit and for its reader to show what the child left in the pipe (at
// most kReaderDrainMs), then reports the server closed unless a newer launch took over.
void exit_watcher(LauncherContext server, std::shared_ptr<ChildRun> run,
                  std::shared_ptr<DoneFlag> reader_done);

// Chunk size and pause of the console reader.
inline constexpr std::size_t kConsoleChunkBytes = 260;
inline constexpr int kPollMs = 50;
// How long the exit watcher gives the reader to show a gone child's last output.
inline constexpr int kReaderDrainMs = 5000;

}  // namespace cw
