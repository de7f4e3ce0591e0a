// The game server worked through Cubeworks.exe's window under Wine: the "Java runtime" is the
// test child installed as javaw.exe, which answers like a game server (start-up phrases, echo,
// stop). Start, the live console, the close guard, typed commands, stop and forced close.
// Environment: CW_PROGRAM, CW_TEST_CHILD, CW_SCREENSHOTS.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "remote_program.h"
#include "server_window.h"
#include "ui/main_window_layout.h"
#include "ui/win32/wide_text.h"

namespace cw::gui {
namespace {

using win32::to_wide;

constexpr int kConsolePage = 1;
constexpr int kAddressPart = 0;
constexpr int kStatusPart = 1;

class RunningServer : public ServerWindowSuite {
  protected:
    static void SetUpTestSuite() { start_program(env(L"CW_TEST_CHILD")); }
    static void TearDownTestSuite() { end_program(); }
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(expect_running_program()); }

    // Clicks the start button and waits until the server has reported itself started.
    static void start_server() {
        click(control("按钮1"));
        ASSERT_TRUE(status_reads(kStatusPart, "服务器已开启"));
    }
};

// The tests below follow one server through its life, in this order.

TEST_F(RunningServer, TheJavaPathIsTheRegisteredRuntimesJavaw) {
    EXPECT_TRUE(notices_.empty());
    EXPECT_EQ(text_of(control("编辑框_java")), java_->javaw());
}

TEST_F(RunningServer, TheSavedMaximumMemoryIsForTheNextLaunch) {
    ASSERT_TRUE(set_text_of(control("编辑框_最大内存"), L"2048"));
    click(control("按钮8"));
    const MessageBoxSeen box = answer_next();
    EXPECT_EQ(box.title, to_wide("温馨提示："));
    EXPECT_EQ(box.text, to_wide("服务器重启后有效"));
}

TEST_F(RunningServer, StartShowsTheConsolePageAndTheServersOutputAsItComes) {
    click(control("按钮1"));
    const HWND tab = control(main_window::kTab);
    EXPECT_TRUE(wait_for([&] { return SendMessageW(tab, TCM_GETCURSEL, 0, 0) == kConsolePage; },
                         kTimeoutMs));
    EXPECT_TRUE(IsWindowVisible(control("编辑框_回显文本")));
    EXPECT_TRUE(buttons_read(false, true));

    // The server's start-up phrases, rewritten, after the launch's own line.
    ASSERT_TRUE(console_shows("已开服。用时：")) << console().size();
    const std::wstring text = console();
    EXPECT_EQ(text.rfind(to_wide("服务器正在开启...."), 0), 0u);
    EXPECT_TRUE(contains(text, "默认的游戏类型：: SURVIVAL"));
    EXPECT_TRUE(contains(text, "已开服。用时： (0.123s)!"));
    EXPECT_FALSE(contains(text, "Done"));
    EXPECT_TRUE(contains(text, ">\r\n"));  // a line break after the prompt

    // No address from the (dead) echo service: "服务器IP:" + "" + ":" + port. The address part
    // is written by a thread of its own after the look-up, so it may come after the started state.
    ASSERT_TRUE(status_reads(kStatusPart, "服务器已开启"));
    EXPECT_TRUE(status_reads(kAddressPart, "服务器IP::" + std::to_string(port_)))
        << win32::to_gbk(status(kAddressPart));
}

TEST_F(RunningServer, ClosingIsRefusedWhileTheServerRuns) {
    PostMessageW(main(), WM_CLOSE, 0, 0);
    const MessageBoxSeen box = answer_next();
    ASSERT_NE(box.hwnd, nullptr);
    EXPECT_EQ(box.title, to_wide("信息："));
    EXPECT_EQ(box.text, to_wide("请关闭服务器！！"));
    Sleep(300);
    EXPECT_TRUE(program_->running());
    EXPECT_TRUE(IsWindowVisible(main()));
}

TEST_F(RunningServer, TypedCommandsReachTheServerAsGbkAndTheInputEmpties) {
    // An empty input sends nothing: an empty line would make the server answer "Unknown command".
    ASSERT_TRUE(set_text_of(control("编辑框2"), L""));
    click(control("按钮3"));
    send_command(to_wide("echo 你好，服务器"));
    ASSERT_TRUE(console_shows("你好，服务器\r\n"));
    EXPECT_EQ(text_of(control("编辑框2")), L"");
    EXPECT_FALSE(contains(console(), "Unknown command"));
    screenshot(main(), L"page2-console-running");
}

TEST_F(RunningServer, TheLaunchCarriedTheSavedHeapOption) {
    send_command(L"args");
    EXPECT_TRUE(console_shows("[-Xmx2048M]\r\n"));
}

TEST_F(RunningServer, StopButtonStopsTheServerAndResetsTheButtons) {
    click(control("按钮2"));
    EXPECT_TRUE(console_shows("Stopping server"));
    EXPECT_TRUE(status_reads(kStatusPart, "服务器已关闭"));
    EXPECT_TRUE(buttons_read(true, false));

    // Nothing left to force closed.
    const int force = menu_id(table(), "服务器管理", "强制性关闭服务器");
    PostMessageW(main(), WM_COMMAND, MAKEWPARAM(force, 0), 0);
    EXPECT_EQ(answer_next().text, to_wide("服务器不存在无需强制性关闭"));
}

TEST_F(RunningServer, ForcedCloseEndsASecondServerAndEmptiesTheConsole) {
    ASSERT_TRUE(buttons_read(true, false));
    start_server();
    // The second launch starts from a fresh console.
    EXPECT_EQ(console().rfind(to_wide("服务器正在开启...."), 0), 0u);
    EXPECT_FALSE(contains(console(), "Stopping server"));

    const int force = menu_id(table(), "服务器管理", "强制性关闭服务器");
    PostMessageW(main(), WM_COMMAND, MAKEWPARAM(force, 0), 0);
    const MessageBoxSeen box = answer_next();
    EXPECT_EQ(box.title, to_wide("信息："));
    EXPECT_EQ(box.text, to_wide("强制性关闭服务器成功"));
    EXPECT_TRUE(buttons_read(true, false));
    EXPECT_TRUE(wait_for([] { return console().empty(); }, kTimeoutMs)) << console().size();
    EXPECT_TRUE(status_reads(kStatusPart, "服务器已关闭"));
    // The child really is gone: nothing answers a command any more.
    send_command(L"echo still there");
    Sleep(500);
    EXPECT_TRUE(console().empty());
}

TEST_F(RunningServer, ClosingAfterTheServerStoppedEndsTheProgramAtOnce) {
    PostMessageW(main(), WM_CLOSE, 0, 0);
    EXPECT_EQ(program_->wait_exit(kTimeoutMs), 0);
    EXPECT_TRUE(program_->wait_message_box(0).hwnd == nullptr);
}

}  // namespace
}  // namespace cw::gui
