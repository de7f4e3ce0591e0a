#include "server/server_control.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "config/properties.h"
#include "config/workspace.h"
#include "platform/files.h"
#include "server/public_ip.h"
#include "server/server_port.h"
#include "support/fake_platform.h"
#include "support/headless_ui.h"
#include "support/temp_folder.h"
#include "ui/main_window_layout.h"

namespace cw {
namespace {

using test::FakeChildRun;

constexpr std::string_view kConsole = "编辑框_回显文本";
constexpr std::string_view kStatus = "状态条1";
constexpr std::string_view kStarting = "服务器正在开启....";
constexpr std::string_view kNoJava = "请先设置java路径再使用本软件！";
constexpr std::string_view kPortQuestion =
    "发现服务器端口被占用，无法开服。是否结束占用端口的进程？";
constexpr std::string_view kStopRefused = "服务器未开启或正在开启，不能关服";
constexpr std::string_view kDoneLine = "[12:00:01 INFO]: Done (0.5s)! For help, type \"help\"\n";

template <class Condition>
bool eventually(Condition condition, int timeout_ms = 5000) {
    for (int waited = 0; waited < timeout_ms; waited += 5) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return condition();
}

void set_env(const char* name, const char* value) {
#ifdef _WIN32
    _putenv_s(name, value);
#else
    if (*value) {
        setenv(name, value, 1);
    } else {
        unsetenv(name);
    }
#endif
}

// The headless UI, keeping every status text ever shown at index 1 (the server status).
class StatusRecordingUi : public HeadlessUi {
  public:
    using HeadlessUi::HeadlessUi;
    void set_status(std::string_view name, int part, std::string_view text) override {
        if (part == 1) {
            std::lock_guard lock(mutex_);
            history_.emplace_back(text);
        }
        HeadlessUi::set_status(name, part, text);
    }
    std::vector<std::string> history() {
        std::lock_guard lock(mutex_);
        return history_;
    }

  private:
    std::mutex mutex_;
    std::vector<std::string> history_;
};

// A program folder with its workspace, a Java executable stand-in, the main window's controls
// and a fake platform. Its end stops every fake child and waits for the launches' threads.
struct Rig {
    test::TempFolder folder;
    StatusRecordingUi ui{main_window_spec()};
    test::FakePlatform platform;
    ServerSession session{platform};
    LauncherContext server{folder.path(), session, ui, ui, platform};

    Rig() {
        fs::create_folder(owned_path(server.program_dir, kWorkspaceRoot));
        const std::string java = owned_path(server.program_dir, "\\javaw.exe");
        fs::write_whole_file(java, "");
        ui.set_text("编辑框_java", java);
        platform.http_body = "您的IP是：[203.0.113.7] 来自：测试";
    }
    ~Rig() {
        for (const auto& child : platform.started()) child.run->exit();
        EXPECT_TRUE(session.threads.wait_idle(5000));
    }

    void write_properties(std::string_view text) {
        fs::write_whole_file(owned_path(server.program_dir, kPropertiesPath), text);
    }
    ServerState state() const { return session.state; }

    // Launches and brings the new child to `target`.
    std::shared_ptr<FakeChildRun> bring_to(ServerState target) {
        launch_server(server);
        auto child = platform.last_child();
        EXPECT_EQ(state(), ServerState::Starting);
        if (target == ServerState::Running) {
            child->push_output(std::string(kDoneLine));
            EXPECT_TRUE(eventually([&] { return state() == ServerState::Running; }));
        } else if (target == ServerState::Stopped) {
            child->exit();
            EXPECT_TRUE(eventually([&] { return state() == ServerState::Stopped; }));
        }
        ui.clear_messages();
        return child;
    }
};

void expect_only_message(HeadlessUi& ui, std::string_view text,
                         MessageButtons buttons = MessageButtons::Ok,
                         MessageIcon icon = MessageIcon::None) {
    const auto messages = ui.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, text);
    EXPECT_EQ(messages[0].title, "信息：");
    EXPECT_EQ(messages[0].buttons, buttons);
    EXPECT_EQ(messages[0].icon, icon);
}

constexpr ServerState kAllStates[] = {ServerState::Stopped, ServerState::Starting,
                                      ServerState::Running};

TEST(ServerLaunch, CommandLinePieces) {
    EXPECT_EQ(server_command_line("C:\\J\\bin\\javaw.exe", 0),
              "\"C:\\J\\bin\\javaw.exe\" -Djline.terminal=jline.UnsupportedTerminal "
              "-jar Cubeworks-World.jar");
    EXPECT_EQ(server_command_line("C:\\J\\bin\\javaw.exe", 2048),
              "\"C:\\J\\bin\\javaw.exe\" -Xmx2048M -Djline.terminal=jline.UnsupportedTerminal "
              "-jar Cubeworks-World.jar");
    EXPECT_EQ(server_command_line("C:\\Program Files\\J\\javaw.exe", 70000),
              "\"C:\\Program Files\\J\\javaw.exe\" -Xmx70000M "
              "-Djline.terminal=jline.UnsupportedTerminal -jar Cubeworks-World.jar");

    Rig rig;
    rig.session.memory_mb = 70000;
    launch_server(rig.server);
    const auto started = rig.platform.started();
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].command_line, server_command_line(rig.ui.text("编辑框_java"), 70000));
    EXPECT_EQ(started[0].working_dir, rig.folder.path() + "\\Cubeworks-Admin");
    EXPECT_EQ(started[0].show_mode, 0);
    EXPECT_EQ(rig.state(), ServerState::Starting);
    EXPECT_EQ(rig.ui.text(kConsole), kStarting);
    EXPECT_TRUE(rig.ui.messages().empty());
}

TEST(ServerLaunch, WritesTheDefaultSettingsOnlyWhenMissing) {
    Rig rig;
    const std::string path = owned_path(rig.server.program_dir, kPropertiesPath);
    launch_server(rig.server);
    EXPECT_EQ(fs::read_whole_file(path), default_properties_text());

    Rig other;
    other.write_properties("motd=mine\r\n");
    launch_server(other.server);
    EXPECT_EQ(fs::read_whole_file(owned_path(other.server.program_dir, kPropertiesPath)),
              "motd=mine\r\n");
}

TEST(ServerLaunch, RefusesWithoutAJavaPath) {
    for (const bool empty : {true, false}) {
        Rig rig;
        rig.ui.set_text(kConsole, "old text");
        rig.ui.set_text("编辑框_java",
                        empty ? "" : owned_path(rig.server.program_dir, "\\missing\\javaw.exe"));
        launch_server(rig.server);
        expect_only_message(rig.ui, kNoJava);
        EXPECT_TRUE(rig.platform.started().empty());
        EXPECT_EQ(rig.ui.text(kConsole), kStarting);
        EXPECT_EQ(rig.state(), ServerState::Stopped);
        EXPECT_EQ(rig.session.threads.running(), 0);
    }
}

TEST(ServerLaunch, PortTakenAndAnsweredNo) {
    Rig rig;
    rig.platform.connections = {{"0.0.0.0", "0.0.0.0", 25565, 0, 321, 2}};
    rig.ui.script_answer(MessageAnswer::No);
    launch_server(rig.server);
    const auto messages = rig.ui.messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, kPortQuestion);
    EXPECT_EQ(messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(messages[0].icon, MessageIcon::Question);
    EXPECT_EQ(messages[1].text, "服务器端口被占用，开服失败！");
    EXPECT_EQ(messages[1].buttons, MessageButtons::Ok);
    EXPECT_EQ(messages[1].icon, MessageIcon::Error);
    EXPECT_TRUE(rig.platform.started().empty());
    EXPECT_TRUE(rig.platform.terminated.empty());
    EXPECT_EQ(rig.state(), ServerState::Stopped);
    EXPECT_EQ(rig.ui.text(kConsole), kStarting);
}

TEST(ServerLaunch, PortTakenAndAnsweredYesEndsItsListenerOnlyAndGoesOn) {
    Rig rig;
    rig.write_properties("server-port=\r\n");  // empty: the default port
    rig.platform.connections = {
        {"0.0.0.0", "0.0.0.0", 80, 0, 5, 2},
        {"127.0.0.1", "127.0.0.1", 25565, 40000, 0, 11},  // closing, no owner
        {"0.0.0.0", "0.0.0.0", 25565, 0, 321, 2},
    };
    rig.ui.script_answer(MessageAnswer::Yes);
    launch_server(rig.server);
    expect_only_message(rig.ui, kPortQuestion, MessageButtons::YesNo, MessageIcon::Question);
    EXPECT_EQ(rig.platform.terminated, std::vector<std::uint32_t>{321});
    EXPECT_EQ(rig.platform.started().size(), 1u);
    EXPECT_EQ(rig.state(), ServerState::Starting);
}

// A value that is no port names nothing to check: the server itself refuses to start on it and
// says why on the console. No entry at all means the server's default port, which is checked.
TEST(ServerLaunch, OnlyAPortTheServerWillOpenIsChecked) {
    for (const char* text : {"server-port=70000\r\n", "server-port=25565abc\r\n"}) {
        Rig rig;
        rig.write_properties(text);
        rig.platform.connections = {{"0.0.0.0", "0.0.0.0", 25565, 0, 321, 2}};
        launch_server(rig.server);
        EXPECT_TRUE(rig.ui.messages().empty()) << text;
        EXPECT_EQ(rig.platform.started().size(), 1u);
    }
    Rig rig;
    rig.write_properties("motd=A\r\n");
    rig.platform.connections = {{"0.0.0.0", "0.0.0.0", 25565, 0, 321, 2}};
    rig.ui.script_answer(MessageAnswer::No);
    launch_server(rig.server);
    EXPECT_EQ(rig.ui.messages().at(0).text, kPortQuestion);
    EXPECT_TRUE(rig.platform.started().empty());
}

TEST(ConsoleReader, CompletionMakesTheServerRunningWithItsAddress) {
    set_env("CUBEWORKS_IP_ECHO", "");
    Rig rig;
    rig.write_properties("server-port=22565\r\n");
    launch_server(rig.server);
    rig.platform.last_child()->push_output(std::string(kDoneLine));
    ASSERT_TRUE(eventually([&] { return rig.state() == ServerState::Running; }));
    EXPECT_EQ(rig.ui.status(kStatus, 1), "服务器已开启");
    EXPECT_TRUE(
        eventually([&] { return rig.ui.status(kStatus, 0) == "服务器IP:203.0.113.7:22565"; }));
    EXPECT_EQ(rig.ui.text(kConsole), std::string(kStarting) +
                                         "[12:00:01 INFO]: 已开服。用时： (0.5s)! For help, type "
                                         "\"help\"\n");
    EXPECT_EQ(rig.platform.http_requests, std::vector<std::string>{"ip.cubeworks.net:80/ic.asp"});

    // Once Running, the phrase only changes the display.
    rig.ui.set_status(kStatus, 1, "x");
    rig.platform.last_child()->push_output("Done");
    ASSERT_TRUE(eventually([&] { return rig.ui.text(kConsole).ends_with("已开服。用时："); }));
    EXPECT_EQ(rig.ui.status(kStatus, 1), "x");
    EXPECT_EQ(rig.platform.http_requests.size(), 1u);
}

TEST(ConsoleReader, CompletionWithoutAnAddressOrPortEntry) {
    Rig rig;
    rig.platform.http_body = "no markers";
    rig.write_properties("motd=A\r\n");
    launch_server(rig.server);
    rig.platform.last_child()->push_output("Do");
    rig.platform.last_child()->push_output("ne (1s)");  // split by the pipe
    ASSERT_TRUE(eventually([&] { return rig.state() == ServerState::Running; }));
    EXPECT_TRUE(eventually([&] { return rig.ui.status(kStatus, 0) == "服务器IP::25565"; }));
    EXPECT_EQ(rig.ui.text(kConsole), std::string(kStarting) + "Done (1s)");
}

TEST(ConsoleReader, TheConsoleGoesOnWhileTheIpEchoNeverAnswers) {
    Rig rig;
    rig.platform.http_silent = true;
    auto child = rig.bring_to(ServerState::Running);
    child->push_output("after the start\n");
    ASSERT_TRUE(eventually([&] { return rig.ui.text(kConsole).ends_with("after the start\n"); }));
    // Shown and running while the look-up still waits for its answer.
    EXPECT_TRUE(rig.platform.http_waiting);
    EXPECT_EQ(rig.ui.status(kStatus, 1), "服务器已开启");
    EXPECT_EQ(rig.ui.status(kStatus, 0), "Cubeworks-开服器提示：");  // as the window starts
    // No address when the look-up gives up.
    EXPECT_TRUE(
        eventually([&] { return rig.ui.status(kStatus, 0).starts_with("服务器IP::"); }, 10000));
}

TEST(ConsoleReader, PortConflictStopsOnlyAStartingServer) {
    // A running server prints the same words only when a player chats them or a plugin
    // prints them: shown, but the server stays managed.
    Rig running;
    auto server = running.bring_to(ServerState::Running);
    server->push_output("<griefer> Perhaps a server is already running on that port?\n");
    ASSERT_TRUE(eventually([&] { return running.ui.text(kConsole).ends_with("port?\n"); }));
    EXPECT_EQ(running.state(), ServerState::Running);
    EXPECT_EQ(running.ui.status(kStatus, 1), "服务器已开启");
}

TEST(ConsoleReader, PortConflictStopsAStartingServerButIsStillShown) {
    Rig rig;
    auto child = rig.bring_to(ServerState::Starting);
    child->push_output(
        "**** FAILED TO BIND TO PORT!\nPerhaps a server is already running on "
        "that port?\n");
    ASSERT_TRUE(eventually([&] { return rig.state() == ServerState::Stopped; }));
    EXPECT_EQ(rig.ui.status(kStatus, 1), "端口被占用，开服失败。请重启电脑重试");
    EXPECT_TRUE(eventually([&] { return rig.ui.text(kConsole).ends_with("port?\n"); }));

    // Already Stopped: the console only.
    rig.ui.set_status(kStatus, 1, "x");
    child->push_output("Perhaps a server is already running on that port?");
    ASSERT_TRUE(eventually([&] { return rig.ui.console_appends(kConsole) == 2; }));
    EXPECT_EQ(rig.ui.status(kStatus, 1), "x");
}

TEST(ConsoleReader, EmptyReadsAppendNothing) {
    Rig rig;
    auto child = rig.bring_to(ServerState::Starting);
    child->push_output("");
    child->push_output("a");
    ASSERT_TRUE(eventually([&] { return rig.ui.console_appends(kConsole) == 1; }));
    EXPECT_EQ(rig.ui.text(kConsole), std::string(kStarting) + "a");
}

TEST(ConsoleReader, HandlesOutputStillInThePipeBeforeTheExitIsReported) {
    Rig rig;
    launch_server(rig.server);
    auto child = rig.platform.last_child();
    child->push_output("one\n");
    child->push_output("Perhaps a server is already running on that port?\n");
    child->push_output("Stopping server\n");
    child->exit();                                     // before the reader's first read
    ASSERT_TRUE(rig.session.threads.wait_idle(5000));  // the reader has ended
    EXPECT_EQ(rig.ui.text(kConsole),
              std::string(kStarting) +
                  "one\nPerhaps a server is already running on that port?\nStopping server\n");
    EXPECT_EQ(rig.state(), ServerState::Stopped);
    EXPECT_EQ(rig.ui.history(),
              (std::vector<std::string>{"端口被占用，开服失败。请重启电脑重试", "服务器已关闭"}));
}

TEST(ConsoleReader, KeepsUpWithFullChunksAndEmptiesTheBoxAt300000Bytes) {
    Rig rig;
    launch_server(rig.server);
    // The box holds the 18-byte starting text; the 1154th chunk of 260 bytes brings it past
    // 300000 and empties it, three more follow. A pause after every full chunk would take
    // about a minute.
    const std::size_t chunks = 1157;
    std::string output(chunks * kConsoleChunkBytes, 'a');
    for (std::size_t i = 0; i < output.size(); i += kConsoleChunkBytes) output[i] = 'b';
    rig.platform.last_child()->push_output(output);
    ASSERT_TRUE(eventually([&] { return rig.ui.console_appends(kConsole) == chunks; }, 20000));
    EXPECT_EQ(rig.ui.text(kConsole), output.substr(output.size() - 3 * kConsoleChunkBytes));
}

TEST(ServerControl, StopInEveryState) {
    for (const ServerState s : kAllStates) {
        SCOPED_TRACE(static_cast<int>(s));
        Rig rig;
        auto child = rig.bring_to(s);
        rig.ui.set_enabled("按钮2", true);
        stop_server(rig.server);
        if (s == ServerState::Running) {
            EXPECT_TRUE(rig.ui.messages().empty());
            EXPECT_EQ(child->written(), std::string("stop\r\n", 6));
        } else {
            expect_only_message(rig.ui, kStopRefused);
            EXPECT_EQ(child->written(), "");
        }
        EXPECT_EQ(rig.state(), s);  // only the child's exit stops it
        EXPECT_TRUE(rig.ui.is_enabled("按钮2"));
    }
}

TEST(ServerControl, RestartInEveryState) {
    for (const ServerState s : kAllStates) {
        SCOPED_TRACE(static_cast<int>(s));
        Rig rig;
        auto old_child = rig.bring_to(s);
        restart_server(rig.server);
        if (s == ServerState::Running) {
            EXPECT_TRUE(rig.ui.messages().empty());
            EXPECT_EQ(old_child->written(), "stop\r\n");
        } else {
            expect_only_message(rig.ui, kStopRefused);
        }
        EXPECT_EQ(rig.platform.started().size(), 2u);  // launched at once, without waiting
        EXPECT_EQ(rig.state(), ServerState::Starting);
        EXPECT_EQ(rig.ui.status(kStatus, 1), "重启完成..");
        EXPECT_EQ(rig.ui.text(kConsole), kStarting);
    }
}

TEST(ServerControl, ForcedCloseInEveryState) {
    for (const ServerState s : kAllStates) {
        SCOPED_TRACE(static_cast<int>(s));
        Rig rig;
        auto child = rig.bring_to(s);
        rig.ui.set_enabled("按钮1", false);
        rig.ui.set_enabled("按钮2", true);
        rig.ui.set_text(kConsole, "log");
        force_close_server(rig.server);
        EXPECT_TRUE(rig.platform.terminated.empty());  // never a process chosen by name
        // A server stuck in its start-up is ended like a running one.
        const bool ran = s != ServerState::Stopped;
        EXPECT_EQ(child->terminated(), ran);
        EXPECT_EQ(rig.ui.is_enabled("按钮1"), ran);
        EXPECT_EQ(rig.ui.is_enabled("按钮2"), !ran);
        EXPECT_EQ(rig.ui.text(kConsole), ran ? "" : "log");
        if (s == ServerState::Stopped) {
            expect_only_message(rig.ui, "服务器不存在无需强制性关闭");
        }
        if (ran) {
            expect_only_message(rig.ui, "强制性关闭服务器成功");
            EXPECT_TRUE(eventually([&] { return rig.state() == ServerState::Stopped; }));
        }
    }
}

TEST(ServerControl, ConsoleInputInEveryState) {
    for (const ServerState s : kAllStates) {
        SCOPED_TRACE(static_cast<int>(s));
        Rig rig;
        auto child = rig.bring_to(s);
        send_console_input(rig.server);  // empty box: nothing
        rig.ui.set_text("编辑框2", "say 你好");
        send_console_input(rig.server);
        EXPECT_EQ(rig.ui.text("编辑框2"), "");
        // A live child gets the GBK bytes and CR LF; an exited one loses the line silently.
        EXPECT_EQ(child->written(), s == ServerState::Stopped ? "" : "say \xC4\xE3\xBA\xC3\r\n");
        EXPECT_TRUE(rig.ui.messages().empty());
    }
    Rig never_started;
    never_started.ui.set_text("编辑框2", "list");
    send_console_input(never_started.server);
    EXPECT_EQ(never_started.ui.text("编辑框2"), "");
}

TEST(ExitWatcher, ReportsTheExitEvenOfAChildThatNeverStarted) {
    Rig rig;
    rig.platform.child_start_fails = true;
    launch_server(rig.server);
    ASSERT_TRUE(eventually([&] { return rig.ui.status(kStatus, 1) == "服务器已关闭"; }));
    EXPECT_EQ(rig.state(), ServerState::Stopped);
}

TEST(ExitWatcher, EarlierLaunchNeverReportsOnTheNextChild) {
    Rig rig;
    auto old_child = rig.bring_to(ServerState::Running);
    restart_server(rig.server);
    auto new_child = rig.platform.last_child();
    ASSERT_NE(new_child, old_child);
    EXPECT_TRUE(eventually([&] { return rig.session.threads.running() == 4; }));

    // The old server's last words and exit: shown, but they move nothing.
    old_child->push_output("Perhaps a server is already running on that port?\n");
    old_child->exit();
    ASSERT_TRUE(eventually([&] { return rig.session.threads.running() == 2; }));
    EXPECT_EQ(rig.state(), ServerState::Starting);
    EXPECT_EQ(rig.ui.status(kStatus, 1), "重启完成..");
    EXPECT_TRUE(rig.ui.text(kConsole).ends_with("port?\n"));

    // The new child's own reader and watcher still work.
    new_child->push_output(std::string(kDoneLine));
    ASSERT_TRUE(eventually([&] { return rig.state() == ServerState::Running; }));
    new_child->exit();
    ASSERT_TRUE(eventually([&] { return rig.state() == ServerState::Stopped; }));
    EXPECT_TRUE(eventually([&] { return rig.ui.status(kStatus, 1) == "服务器已关闭"; }));
}

TEST(PublicIp, TextBetweenTheMarkers) {
    EXPECT_EQ(parse_ip_echo_page("您的IP是：[203.0.113.7] 来自：某地"), "203.0.113.7");
    EXPECT_EQ(parse_ip_echo_page("<p>：[1.2.3.4] 来</p>：[5.6.7.8] 来"), "1.2.3.4");
    EXPECT_EQ(parse_ip_echo_page("IP：[] 来自"), "");
    EXPECT_EQ(parse_ip_echo_page("] 来 ：[1.2.3.4]"), "");
    EXPECT_EQ(parse_ip_echo_page("[1.2.3.4] 来"), "");
    EXPECT_EQ(parse_ip_echo_page("：[1.2.3.4]"), "");
    EXPECT_EQ(parse_ip_echo_page(std::string("：[1.2\0.3] 来", 13)), "");
}

TEST(PublicIp, ServiceFromTheEnvironment) {
    test::FakePlatform platform;
    platform.http_body = "：[198.51.100.1] 来";
    set_env("CUBEWORKS_IP_ECHO", "127.0.0.1:18080");
    EXPECT_EQ(fetch_public_ip(platform), "198.51.100.1");
    set_env("CUBEWORKS_IP_ECHO", "");
    EXPECT_EQ(fetch_public_ip(platform), "198.51.100.1");
    EXPECT_EQ(platform.http_requests,
              (std::vector<std::string>{"127.0.0.1:18080/ic.asp", "ip.cubeworks.net:80/ic.asp"}));
}

}  // namespace
}  // namespace cw
