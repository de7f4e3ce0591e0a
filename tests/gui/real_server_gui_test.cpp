// The bundled game server run for real through Cubeworks.exe's window under Wine: the Java
// runtime the program finds is the Java bridge (CW_JAVA_BRIDGE), which runs the host's JVM, so
// the carried server jar starts, answers and stops as it would for an operator. Then a soak of
// start, command and stop cycles (every tenth with a restart and a forced close) that must leave
// no process behind and keep the program's own handles and threads where they were.
// Environment: CW_PROGRAM, CW_JAVA_BRIDGE, CW_SCREENSHOTS, CW_SOAK_CYCLES (default 50).
// clang-format off
#include <winsock2.h>
#include <windows.h>
// clang-format on
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "config/workspace.h"
#include "server_window.h"
#include "ui/main_window_layout.h"
#include "ui/win32/wide_text.h"

namespace cw::gui {
namespace {

using namespace main_window;
using win32::to_wide;

constexpr DWORD kServerStartMs = 60000;  // a JVM on a loaded machine
constexpr std::string_view kServerJar = "Cubeworks-World.jar";

// A listening socket of the test on a port, held until destroyed.
class HeldPort {
  public:
    explicit HeldPort(int port) {
        WSADATA wsa;
        WSAStartup(MAKEWORD(2, 2), &wsa);
        socket_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<u_short>(port));
        address.sin_addr.s_addr = htonl(INADDR_ANY);
        held_ = socket_ != INVALID_SOCKET &&
                bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                listen(socket_, 4) == 0;
    }
    ~HeldPort() {
        if (socket_ != INVALID_SOCKET) closesocket(socket_);
    }
    bool held() const { return held_; }

  private:
    SOCKET socket_ = INVALID_SOCKET;
    bool held_ = false;
};

class RealServer : public ServerWindowSuite {
  protected:
    static void SetUpTestSuite() {
        if (env(L"CW_JAVA_BRIDGE").empty()) return;
        start_program(env(L"CW_JAVA_BRIDGE"));
        // The servers' working folder gets a file of a name no other folder has, by which the
        // JVMs this program starts are told from any other on the machine.
        if (folder_) {
            const std::wstring marker = folder_->path() + to_wide(kWorkspaceRoot) + L"\\" +
                                        to_wide(jvm_marker());
            CloseHandle(CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                                    nullptr));
        }
    }
    static void TearDownTestSuite() { end_program(); }
    void SetUp() override {
        if (env(L"CW_JAVA_BRIDGE").empty()) GTEST_SKIP() << "no Java bridge was built";
        ASSERT_NO_FATAL_FAILURE(expect_running_program());
    }

    // No bridge of our runtime and no JVM in our program's folder is left running (other
    // servers on the machine, another test run's among them, are not ours).
    static bool nothing_left_running() {
        return wait_for(
            [] {
                return processes_running(java_->javaw()) == 0 &&
                       host_processes_in(kServerJar, jvm_marker()).empty();
            },
            kTimeoutMs);
    }
    static std::string jvm_marker() { return "jvm-of-" + program_marker(); }

    // One cycle: start, Running, a command answered, stop, Stopped. The time from the click to
    // the running state is kept for the report.
    static void start_command_stop() {
        const DWORD clicked = GetTickCount();
        click(control(kStartButton));
        ASSERT_TRUE(status_reads(kStatusPart, "服务器已开启", kServerStartMs)) << status_text();
        start_times_.push_back(GetTickCount() - clicked);
        send_command(L"list");
        ASSERT_TRUE(console_shows("players online"));
        click(control(kStopButton));
        ASSERT_TRUE(status_reads(kStatusPart, "服务器已关闭")) << status_text();
        ASSERT_TRUE(buttons_read(true, false));
    }
    // Every tenth cycle: a restart from the menu, then a forced close.
    static void restart_then_force_close() {
        click(control(kStartButton));
        ASSERT_TRUE(status_reads(kStatusPart, "服务器已开启", kServerStartMs));
        choose(kServerMenu, "重启服务器");
        // The first server may still hold the port while the second one is launched: the launch
        // then asks whether to end the holder, and the answer is yes.
        ASSERT_TRUE(wait_for(
            [] {
                const MessageBoxSeen box = program_->wait_message_box(0);
                if (box.hwnd) PostMessageW(box.hwnd, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), 0);
                return status(kStatusPart) == to_wide("重启完成..");
            },
            kTimeoutMs))
            << status_text();
        // The first server stops while the second one starts on the same port; the second one
        // then runs (or, when it came up before the first let go of the port, reports it).
        ASSERT_TRUE(wait_for(
            [] {
                return status(kStatusPart) == to_wide("服务器已开启") ||
                       status(kStatusPart) == to_wide("端口被占用，开服失败。请重启电脑重试");
            },
            kServerStartMs))
            << status_text();
        choose(kServerMenu, "强制性关闭服务器");
        const MessageBoxSeen box = answer_next();
        ASSERT_NE(box.hwnd, nullptr);
        ASSERT_TRUE(buttons_read(true, false));
        ASSERT_TRUE(nothing_left_running());
    }
    // What tells the program's host process apart: the name of its own program folder.
    static std::string program_marker() {
        const std::wstring& path = folder_->path();
        return win32::to_gbk(path.substr(path.find_last_of(L'\\') + 1));
    }

    inline static std::vector<DWORD> start_times_;
};

// The tests below follow one program through its life, in this order.

TEST_F(RealServer, TheRegisteredRuntimeIsFoundAtStartUp) {
    EXPECT_TRUE(notices_.empty());
    EXPECT_EQ(text_of(control(kJavaBox)), java_->javaw());
}

TEST_F(RealServer, StartsAndShowsTheServersOwnConsole) {
    click(control(kStartButton));
    ASSERT_TRUE(status_reads(kStatusPart, "服务器已开启", kServerStartMs)) << status_text();
    const std::wstring text = console();
    EXPECT_EQ(text.rfind(to_wide("服务器正在开启...."), 0), 0u);
    EXPECT_TRUE(contains(text, "已开服。用时：")) << win32::to_gbk(text);
    EXPECT_TRUE(contains(text, "默认的游戏类型："));
    EXPECT_TRUE(console_shows(">\r\n"));  // the prompt, broken onto its own line
    // No address from the (dead) echo service: "服务器IP:" + "" + ":" + port.
    EXPECT_TRUE(wait_for(
        [] { return status(kAddressPart) == to_wide("服务器IP::" + std::to_string(port_)); },
        kTimeoutMs))
        << win32::to_gbk(status(kAddressPart));
    EXPECT_TRUE(buttons_read(false, true));
    // The server is seen where the checks of nothing left behind look: one bridge of our
    // runtime, and in our folder the bridge and its JVM (under Wine the bridge's host process
    // carries the Windows command line, the jar's name included).
    EXPECT_EQ(processes_running(java_->javaw()), 1);
    EXPECT_EQ(host_processes_in(kServerJar, jvm_marker()).size(), 2u);
}

TEST_F(RealServer, ACommandIsAnsweredByTheServer) {
    send_command(L"list");
    EXPECT_TRUE(console_shows("There are 0/20 players online"));
    send_command(to_wide("say 你好"));
    EXPECT_TRUE(console_shows("[Server] 你好"));  // GBK both ways through the bridge
    click_tab(*program_, control(kTab), kConsolePageIndex);
    screenshot(main(), L"real-server-console");
}

// The running server holds its plugins' jars open: deleting is refused before it is tried.
TEST_F(RealServer, PluginsCannotBeDeletedWhileTheServerRuns) {
    click(control(kDeletePluginButton));
    const MessageBoxSeen box = answer_next();
    EXPECT_EQ(box.title, to_wide("信息："));
    EXPECT_EQ(box.text, to_wide("开服状态下无法删除插件！"));
    EXPECT_FALSE(folder_->file(kCompanionJarPath).empty());
}

TEST_F(RealServer, StopEndsTheServerAndItsJvm) {
    click(control(kStopButton));
    EXPECT_TRUE(console_shows("Stopping server"));
    EXPECT_TRUE(status_reads(kStatusPart, "服务器已关闭"));
    EXPECT_TRUE(buttons_read(true, false));
    EXPECT_TRUE(nothing_left_running());
}

TEST_F(RealServer, ForcedCloseEndsTheJvmToo) {
    click(control(kStartButton));
    ASSERT_TRUE(status_reads(kStatusPart, "服务器已开启", kServerStartMs));
    choose(kServerMenu, "强制性关闭服务器");
    const MessageBoxSeen box = answer_next();
    EXPECT_EQ(box.text, to_wide("强制性关闭服务器成功"));
    EXPECT_TRUE(buttons_read(true, false));
    EXPECT_TRUE(status_reads(kStatusPart, "服务器已关闭"));
    EXPECT_TRUE(nothing_left_running());
}

TEST_F(RealServer, APortHeldByAnotherProgramStopsTheStartWhenTheOperatorSaysNo) {
    const HeldPort held(port_);
    ASSERT_TRUE(held.held());
    click(control(kStartButton));
    const MessageBoxSeen question = answer_next(IDNO);
    EXPECT_EQ(question.text, to_wide("发现服务器端口被占用，无法开服。是否结束占用端口的进程？"));
    const MessageBoxSeen refusal = answer_next();
    EXPECT_EQ(refusal.text, to_wide("服务器端口被占用，开服失败！"));
    Sleep(500);
    EXPECT_EQ(processes_running(java_->javaw()), 0);  // no server was started
    click(control(kStopButton));                  // the start button disabled itself: reset
    answer_next();  // "服务器未开启或正在开启，不能关服"
    EXPECT_TRUE(buttons_read(true, false));
}

TEST_F(RealServer, SoakOfStartCommandStopCyclesLeavesNothingBehind) {
    const char* requested = std::getenv("CW_SOAK_CYCLES");
    const int cycles = requested && std::atoi(requested) > 0 ? std::atoi(requested) : 50;
    ASSERT_NO_FATAL_FAILURE(start_command_stop());
    // The program as the host sees it (Wine's own handle and thread counts of another process
    // read zero): its threads and its open descriptors, pipes and files among them.
    const std::string program = program_marker();
    const HostCounts before = host_counts_of(program);
    ASSERT_GT(before.threads, 0) << "the program's host process was not found";
    for (int cycle = 2; cycle <= cycles; ++cycle) {
        SCOPED_TRACE("cycle " + std::to_string(cycle));
        ASSERT_NO_FATAL_FAILURE(start_command_stop());
        if (cycle % 10 == 0) {
            ASSERT_NO_FATAL_FAILURE(restart_then_force_close());
        }
    }
    ASSERT_NO_FATAL_FAILURE(start_command_stop());  // the last run, whole in the console
    EXPECT_TRUE(nothing_left_running());
    // The program's background threads have ended and their pipes are closed.
    wait_for([&] { return host_counts_of(program).threads <= before.threads; }, kTimeoutMs);
    const HostCounts after = host_counts_of(program);
    std::vector<DWORD> times = start_times_;
    std::sort(times.begin(), times.end());
    std::printf(
        "soak: %d cycles; threads %d -> %d, open files %d -> %d; start click to running: median "
        "%lu ms, slowest %lu ms\n",
        cycles, before.threads, after.threads, before.files, after.files,
        static_cast<unsigned long>(times[times.size() / 2]),
        static_cast<unsigned long>(times.back()));
    EXPECT_LE(after.threads, before.threads + 2);
    EXPECT_LE(after.files, before.files + 5);
    const std::wstring last = console();
    EXPECT_EQ(last.rfind(to_wide("服务器正在开启...."), 0), 0u);
    EXPECT_TRUE(contains(last, "已开服。用时："));
    EXPECT_TRUE(contains(last, "players online"));
    EXPECT_TRUE(contains(last, "Stopping server"));
}

TEST_F(RealServer, ClosingOnceStoppedEndsTheProgram) {
    PostMessageW(main(), WM_CLOSE, 0, 0);
    EXPECT_EQ(program_->wait_exit(kTimeoutMs), 0);
}

}  // namespace
}  // namespace cw::gui
