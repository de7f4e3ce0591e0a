// The server control driving the real Java runtime and the carried server jar.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "config/server_icon.h"
#include "e2e/e2e_support.h"
#include "e2e/game_client.h"
#include "platform/files.h"
#include "server/launcher_context.h"
#include "server/server_control.h"
#include "support/temp_folder.h"
#include "support/test_pictures.h"
#include "ui/main_window_layout.h"

namespace cw {
namespace {

constexpr std::string_view kConsole = "编辑框_回显文本";
constexpr std::string_view kStatus = "状态条1";
constexpr int kStartMs = 60000;

class ServerEndToEnd : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!test::server_jar_available()) GTEST_SKIP() << "the server jar is not built yet";
        java_ = test::find_java();
        if (java_.empty()) GTEST_SKIP() << "no Java runtime";
        port_ = test::free_port();
        test::deploy_workspace(folder_.path(), port_);
        ui_.set_text("编辑框_java", java_);
        session_.memory_mb = 256;
    }

    void TearDown() override {
        if (auto run = session_.process.current()) run->terminate();
        if (holder_) holder_->terminate();
        EXPECT_TRUE(session_.threads.wait_idle(15000));
    }

    ServerState state() const { return session_.state; }
    bool reaches(ServerState s, int timeout_ms = kStartMs) {
        return test::wait_until([&] { return state() == s; }, timeout_ms);
    }
    bool console_shows(std::string_view text, int timeout_ms = 20000) {
        return test::wait_until([&] { return ui_.text(kConsole).find(text) != std::string::npos; },
                                timeout_ms);
    }

    // A child of the test (not the server) listening on the server port.
    void hold_port_in_child() {
        holder_ =
            platform_.start_child("\"" + std::string(CW_TEST_CHILD_PATH) + "\"", folder_.path(), 0);
        ASSERT_TRUE(holder_->write_line("listen " + std::to_string(port_)));
        std::string said;
        while (said.find('\n') == std::string::npos) {
            const std::string chunk = holder_->read(260);
            if (chunk.empty()) break;
            said += chunk;
        }
        ASSERT_EQ(said, "listening\n");
    }

    test::TempFolder folder_;
    test::RecordingUi ui_{main_window_spec()};
    std::unique_ptr<Platform> real_ = make_system_platform();
    test::SparingPlatform platform_{*real_};
    test::IpEchoServer echo_{"您的IP是：[203.0.113.7] 来自：测试"};
    ServerSession session_{platform_};
    LauncherContext server_{folder_.path(), session_, ui_, ui_, platform_};
    std::string java_;
    int port_ = 0;
    std::shared_ptr<ChildRun> holder_;
};

// A player who chats the server's bind-failure warning: shown, and the server stays managed.
TEST_F(ServerEndToEnd, APlayersChatCannotEndTheManagementOfTheServer) {
    launch_server(server_);
    ASSERT_TRUE(reaches(ServerState::Running));
    test::GameClient player;
    ASSERT_TRUE(player.join(port_, "griefer"));
    ASSERT_TRUE(player.chat("Perhaps a server is already running on that port?"));
    // The chat line, with the console's break after the name's closing bracket.
    ASSERT_TRUE(console_shows("<griefer>\r\n Perhaps a server is already running on that port?"));
    EXPECT_EQ(state(), ServerState::Running);
    EXPECT_EQ(ui_.status(kStatus, 1), "服务器已开启");
    stop_server(server_);  // still accepted
    ASSERT_TRUE(reaches(ServerState::Stopped, 30000));
}

std::string base64(std::string_view bytes) {
    static constexpr char kDigits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        std::uint32_t group = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size()) group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (i + 2 < bytes.size()) group |= static_cast<unsigned char>(bytes[i + 2]);
        out += kDigits[(group >> 18) & 63];
        out += kDigits[(group >> 12) & 63];
        out += i + 1 < bytes.size() ? kDigits[(group >> 6) & 63] : '=';
        out += i + 2 < bytes.size() ? kDigits[group & 63] : '=';
    }
    return out;
}

// The icon the launcher puts in place is the one the server lists in its status answer.
TEST_F(ServerEndToEnd, TheServerIconIsListedInTheStatusAnswer) {
    const std::string png = test::png_picture(64, 64);
    const std::string source = folder_.path() + "\\icon.png";
    ASSERT_TRUE(fs::write_whole_file(source, png));
    ASSERT_TRUE(install_server_icon(folder_.path(), source).ok);
    launch_server(server_);
    ASSERT_TRUE(reaches(ServerState::Running));
    test::GameClient client;
    const std::string status = client.status(port_);
    EXPECT_NE(status.find("\"favicon\":\"data:image/png;base64," + base64(png) + "\""),
              std::string::npos)
        << status.substr(0, 200);
    stop_server(server_);
    ASSERT_TRUE(reaches(ServerState::Stopped, 30000));
}

TEST_F(ServerEndToEnd, StartsAnswersACommandAndStops) {
    launch_server(server_);
    EXPECT_EQ(state(), ServerState::Starting);
    ASSERT_TRUE(reaches(ServerState::Running));
    EXPECT_EQ(ui_.status(kStatus, 1), "服务器已开启");
    EXPECT_TRUE(test::wait_until(
        [&] { return ui_.status(kStatus, 0) == "服务器IP:203.0.113.7:" + std::to_string(port_); },
        10000));
    const std::string console = ui_.text(kConsole);
    EXPECT_TRUE(console.starts_with("服务器正在开启...."));
    EXPECT_NE(console.find("默认的游戏类型："), std::string::npos);
    // The completion line is shown rewritten, unless the pipe happened to cut "Done" in two:
    // then it is shown as it came, and recognised all the same.
    const bool rewritten = console.find("已开服。用时： (") != std::string::npos;
    const bool cut = console.find("Done (") != std::string::npos;
    EXPECT_NE(rewritten, cut);
    EXPECT_GE(echo_.requests(), 1);

    send_console_command(server_, "list");
    EXPECT_TRUE(console_shows("There are 0/20 players online"));
    // A short line arrives in one chunk: shown rewritten, and it moves nothing once Running.
    send_console_command(server_, "say Done it is");
    EXPECT_TRUE(console_shows("已开服。用时： it is"));
    EXPECT_EQ(state(), ServerState::Running);
    EXPECT_EQ(echo_.requests(), 1);

    stop_server(server_);
    ASSERT_TRUE(reaches(ServerState::Stopped, 30000));
    EXPECT_EQ(ui_.status(kStatus, 1), "服务器已关闭");
    EXPECT_TRUE(ui_.messages().empty());
    // The reader ends by itself once the server has gone.
    EXPECT_TRUE(session_.threads.wait_idle(10000));
}

TEST_F(ServerEndToEnd, RestartBringsUpANewServer) {
    launch_server(server_);
    ASSERT_TRUE(reaches(ServerState::Running));
    const auto old_run = session_.process.current();
    const std::size_t history_before = ui_.status_history().size();

    ui_.script_answer(MessageAnswer::Yes);  // should the old server still hold the port
    restart_server(server_);
    EXPECT_EQ(ui_.status(kStatus, 1), "重启完成..");
    const auto new_run = session_.process.current();
    ASSERT_NE(new_run, old_run);
    ASSERT_TRUE(reaches(ServerState::Running));
    EXPECT_TRUE(test::wait_until([&] { return !old_run->is_alive(); }, 30000));
    // Give the old watcher time to notice its child's exit. Once the new server is the current
    // one, the old watcher must stay silent. (When the old server is gone before the launch
    // switched over, as on a busy machine, its watcher rightly reports it closed, before that.)
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const auto history = ui_.status_history();
    std::size_t switched = history.size();
    for (std::size_t i = history_before; i < history.size(); ++i) {
        if (history[i] == "1:重启完成..") switched = i;
    }
    ASSERT_LT(switched, history.size());
    for (std::size_t i = switched; i < history.size(); ++i) {
        EXPECT_NE(history[i], "1:服务器已关闭");
    }
    EXPECT_EQ(state(), ServerState::Running);
    EXPECT_TRUE(new_run->is_alive());

    stop_server(server_);
    ASSERT_TRUE(reaches(ServerState::Stopped, 30000));
}

TEST_F(ServerEndToEnd, ForcedCloseEndsTheServer) {
    launch_server(server_);
    ASSERT_TRUE(reaches(ServerState::Running));
    const auto run = session_.process.current();
    ui_.set_enabled("按钮1", false);
    ui_.set_enabled("按钮2", true);
    force_close_server(server_);
    EXPECT_FALSE(run->is_alive());
    ASSERT_EQ(ui_.messages().size(), 1u);
    EXPECT_EQ(ui_.messages()[0].text, "强制性关闭服务器成功");
    EXPECT_TRUE(ui_.is_enabled("按钮1"));
    EXPECT_FALSE(ui_.is_enabled("按钮2"));
    EXPECT_EQ(ui_.text(kConsole), "");
    ASSERT_TRUE(reaches(ServerState::Stopped, 10000));
    EXPECT_TRUE(test::wait_until([&] { return ui_.status(kStatus, 1) == "服务器已关闭"; }, 5000));
}

TEST_F(ServerEndToEnd, PortHeldAndAnsweredNo) {
    hold_port_in_child();
    ui_.script_answer(MessageAnswer::No);
    launch_server(server_);
    const auto messages = ui_.messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "发现服务器端口被占用，无法开服。是否结束占用端口的进程？");
    EXPECT_EQ(messages[1].text, "服务器端口被占用，开服失败！");
    EXPECT_EQ(session_.process.current(), nullptr);
    EXPECT_EQ(state(), ServerState::Stopped);
    EXPECT_TRUE(holder_->is_alive());
}

TEST_F(ServerEndToEnd, PortHeldAndAnsweredYesEndsTheHolder) {
    hold_port_in_child();
    ui_.script_answer(MessageAnswer::Yes);
    launch_server(server_);
    ASSERT_EQ(ui_.messages().size(), 1u);
    EXPECT_TRUE(test::wait_until([&] { return !holder_->is_alive(); }, 5000));
    ASSERT_TRUE(reaches(ServerState::Running));
    EXPECT_TRUE(test::wait_until(
        [&] { return ui_.status(kStatus, 0) == "服务器IP:203.0.113.7:" + std::to_string(port_); },
        10000));
}

TEST_F(ServerEndToEnd, ServerThatCannotBindItsPortIsReported) {
    // Held by the test process itself, which the platform here refuses to end.
    test::Listener held(port_);
    ASSERT_TRUE(held.ok());
    ui_.script_answer(MessageAnswer::Yes);
    launch_server(server_);
    EXPECT_EQ(ui_.messages().size(), 1u);
    ASSERT_TRUE(test::wait_until(
        [&] { return ui_.status_seen(1, "端口被占用，开服失败。请重启电脑重试"); }, kStartMs))
        << ui_.text(kConsole);
    EXPECT_TRUE(reaches(ServerState::Stopped, 1000));
    EXPECT_TRUE(console_shows("Perhaps a server is already running on that port?"));
    EXPECT_FALSE(ui_.status_seen(1, "服务器已开启"));
}

}  // namespace
}  // namespace cw
