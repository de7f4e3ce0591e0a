#include "server/server_control.h"

#include <thread>
#include <vector>

#include "config/properties.h"
#include "config/workspace.h"
#include "platform/files.h"
#include "server/console_parser.h"
#include "server/public_ip.h"
#include "server/server_port.h"
#include "ui/main_window_controls.h"

namespace cw {

namespace {

using namespace main_window;

constexpr int kHiddenWindow = 0;  // SW_HIDE

void pause() {
    std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
}

// The background threads act only while their child is still the session's current one, so a
// thread of an earlier launch never moves the state of the next one. The window thread carries
// out control changes, so none is made while holding the lock.
template <class Allowed>
bool current_in(LauncherContext& server, const std::shared_ptr<ChildRun>& run, Allowed allowed) {
    std::lock_guard lock(server.session.transition);
    return server.session.process.current() == run && allowed(server.session.state.load());
}

template <class Allowed>
void move_state(LauncherContext& server, const std::shared_ptr<ChildRun>& run, Allowed allowed,
                ServerState to) {
    std::lock_guard lock(server.session.transition);
    if (server.session.process.current() == run && allowed(server.session.state.load())) {
        server.session.state = to;
    }
}

bool starting(ServerState s) {
    return s == ServerState::Starting;
}
bool running(ServerState s) {
    return s == ServerState::Running;
}

// The server cannot bind its port. That can only happen while it starts: later the same words
// can only be someone's chat line or a plugin's output, which must not end the management of a
// server that runs on.
void report_port_taken(LauncherContext& server, const std::shared_ptr<ChildRun>& run) {
    if (!current_in(server, run, starting)) return;
    server.ui.set_status(kStatusBar, kStatusPart, "端口被占用，开服失败。请重启电脑重试");
    move_state(server, run, starting, ServerState::Stopped);
}

// The status bar's address part, once the public address is known (or known to be missing).
void show_public_address(LauncherContext server, std::shared_ptr<ChildRun> run) {
    const std::string address = fetch_public_ip(server.platform);
    const int port = read_server_port(server.program_dir);
    if (!current_in(server, run, running)) return;  // stopped or replaced meanwhile
    server.ui.set_status(kStatusBar, kAddressPart,
                         "服务器IP:" + address + ":" + std::to_string(port));
}

// Start-up completed: the server runs at once; its public address is looked up beside the
// reader, so the console never waits for the web request.
void report_started(LauncherContext& server, const std::shared_ptr<ChildRun>& run) {
    if (!current_in(server, run, starting)) return;
    server.ui.set_status(kStatusBar, kStatusPart, "服务器已开启");
    move_state(server, run, starting, ServerState::Running);
    server.session.threads.spawn([server, run] { show_public_address(server, run); });
}

}  // namespace

std::string server_command_line(std::string_view java_path, std::int32_t memory_mb) {
    std::string line = "\"";
    line.append(java_path);
    line.append("\" ");
    if (memory_mb != 0) {
        line.append("-Xmx");
        line.append(std::to_string(memory_mb));
        line.append("M ");
    }
    line.append("-Djline.terminal=jline.UnsupportedTerminal ");
    line.append("-jar ");
    line.append(kServerJarName);
    return line;
}

void launch_server(LauncherContext& server) {
    server.ui.set_text(kConsoleBox, "服务器正在开启....");

    const std::string properties = owned_path(server.program_dir, kPropertiesPath);
    if (!fs::file_exists(properties)) fs::write_whole_file(properties, default_properties_text());

    const int port = read_server_port(server.program_dir);
    const std::vector<TcpConnection> connections = server.platform.list_tcp_connections();
    if (port != kNoServerPort) {
        if (const auto owner = find_port_owner(connections, port)) {
            const MessageAnswer answer = server.dialogs.message_box(
                "发现服务器端口被占用，无法开服。是否结束占用端口的进程？", kDefaultMessageTitle,
                MessageButtons::YesNo, MessageIcon::Question);
            if (answer != MessageAnswer::Yes) {
                server.dialogs.message_box("服务器端口被占用，开服失败！", kDefaultMessageTitle,
                                           MessageButtons::Ok, MessageIcon::Error);
                return;
            }
            // Carry on at once: the owner's end is neither awaited nor checked.
            terminate_port_owner(server.platform, *owner);
        }
    }

    const std::string java = server.ui.text(kJavaBox);
    if (java.empty() || !fs::file_exists(java)) {
        server.dialogs.message_box("请先设置java路径再使用本软件！");
        return;
    }

    const std::string command_line = server_command_line(java, server.session.memory_mb);
    const std::string working_dir = owned_path(server.program_dir, kWorkspaceRoot);
    std::shared_ptr<ChildRun> run;
    {
        std::lock_guard lock(server.session.transition);
        // A failed creation is not reported here: the exit watcher finds no live child.
        server.session.process.start(command_line, working_dir, kHiddenWindow);
        run = server.session.process.current();
        server.session.state = ServerState::Starting;
    }
    auto reader_done = std::make_shared<DoneFlag>();
    server.session.threads.spawn(
        [server, run, reader_done] { console_reader(server, run, reader_done); });
    server.session.threads.spawn(
        [server, run, reader_done] { exit_watcher(server, run, reader_done); });
}

void console_reader(LauncherContext server, std::shared_ptr<ChildRun> run,
                    std::shared_ptr<DoneFlag> reader_done) {
    struct SetWhenDone {
        DoneFlag& flag;
        ~SetWhenDone() { flag.set(); }
    } set_when_done{*reader_done};
    if (!run) return;
    ConsoleParser parser;
    // Pause only when the pipe had drained; while output is waiting, read on at once.
    bool drained = true;
    for (;;) {
        if (drained) pause();
        const std::string chunk = run->read(kConsoleChunkBytes);
        drained = chunk.size() < kConsoleChunkBytes;
        if (chunk.empty()) {
            // An empty read with the child gone means its output is all shown.
            if (!run->is_alive()) return;
            continue;
        }
        const ConsoleChunk parsed = parser.feed(chunk);
        if (parsed.port_taken) report_port_taken(server, run);
        server.ui.append_console(kConsoleBox, parsed.display);
        if (parsed.started) report_started(server, run);
    }
}

void exit_watcher(LauncherContext server, std::shared_ptr<ChildRun> run,
                  std::shared_ptr<DoneFlag> reader_done) {
    if (run) run->wait_exit(-1);
    // The child's last words (a port conflict, say) are handled before its exit is reported.
    reader_done->wait(kReaderDrainMs);
    {
        std::lock_guard lock(server.session.transition);
        // After a restart the next launch reports on its own child.
        if (server.session.process.current() != run) return;
        server.session.state = ServerState::Stopped;
    }
    server.ui.set_status(kStatusBar, kStatusPart, "服务器已关闭");
}

bool send_console_command(LauncherContext& server, std::string_view text) {
    return server.session.process.write_line(text);
}

void send_console_input(LauncherContext& server) {
    const std::string text = server.ui.text(kCommandBox);
    if (text.empty()) return;
    send_console_command(server, text);
    server.ui.set_text(kCommandBox, "");
}

void stop_server(LauncherContext& server) {
    if (server.session.state == ServerState::Running) {
        send_console_command(server, "stop");
    } else {
        server.dialogs.message_box("服务器未开启或正在开启，不能关服");
    }
}

void restart_server(LauncherContext& server) {
    server.ui.set_status(kStatusBar, kStatusPart, "服务器重启中....");
    stop_server(server);
    launch_server(server);
    server.ui.set_status(kStatusBar, kStatusPart, "重启完成..");
}

void force_close_server(LauncherContext& server) {
    switch (server.session.state.load()) {
        case ServerState::Stopped:
            server.dialogs.message_box("服务器不存在无需强制性关闭");
            return;
        case ServerState::Starting:  // a server stuck in its start-up can be ended too
        case ServerState::Running:
            break;
    }
    // Our own child only, never another program that happens to run Java too.
    if (const auto run = server.session.process.current()) run->terminate();
    server.dialogs.message_box("强制性关闭服务器成功");
    server.ui.set_enabled(kStartButton, true);
    server.ui.set_enabled(kStopButton, false);
    server.ui.set_text(kConsoleBox, "");
}

}  // namespace cw
