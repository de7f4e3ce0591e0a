// Hot paths of the server control: the console parser, the console from the child's pipe to the
// box, and how fast a launch gets going.
#include <benchmark/benchmark.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "e2e/e2e_support.h"
#include "platform/files.h"
#include "server/console_parser.h"
#include "server/launcher_context.h"
#include "server/server_control.h"
#include "support/temp_folder.h"
#include "ui/main_window_layout.h"

namespace cw {
namespace {

using Clock = std::chrono::steady_clock;

// The test child program, built beside this one.
std::string test_child_path() {
#ifdef CW_TEST_CHILD_PATH
    return CW_TEST_CHILD_PATH;
#else
    const std::string self = fs::executable_path();
    return self.substr(0, self.find_last_of('/') + 1) + "cw_test_child";
#endif
}

double seconds_since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// About 64 KB of a server's console as the pipe delivers it: start-up lines, chat with angle
// brackets, Chinese text, the prompt, and the completion line, cut into 260-byte chunks.
std::vector<std::string> console_chunks() {
    const std::string lines[] = {
        "[12:00:00 INFO]: Starting minecraft server version 1.7.2\r\n",
        "[12:00:00 INFO]: Default game type: SURVIVAL\r\n",
        "[12:00:01 INFO]: Preparing spawn area: 42%\r\n",
        "[12:00:01 INFO]: Done (1.234s)! For help, type \"help\" or \"?\"\r\n>",
        "[12:01:15 INFO]: <Steve> 大家好，今天一起去挖矿吗？\r\n>",
        "[12:01:16 INFO]: <Alex> ok, meet at spawn\r\n>",
        "[12:01:20 INFO]: Steve[/127.0.0.1:50123] logged in with entity id 42 at (0.5, 64.0, "
        "0.5)\r\n",
        "[12:01:30 INFO]: There are 2/20 players online:\r\n[12:01:30 INFO]: Steve, Alex\r\n>",
        "[12:02:00 WARN]: Can't keep up! Did the system time change, or is the server "
        "overloaded?\r\n",
        "[12:02:05 INFO]: 玩家 Steve 获得了成就 [获得木头]\r\n",
    };
    std::string log;
    while (log.size() < 64 * 1024) {
        for (const auto& l : lines) log += l;
    }
    std::vector<std::string> chunks;
    for (std::size_t i = 0; i < log.size(); i += kConsoleChunkBytes) {
        chunks.push_back(log.substr(i, kConsoleChunkBytes));
    }
    return chunks;
}

void BM_ConsoleParser(benchmark::State& state) {
    const auto chunks = console_chunks();
    std::size_t bytes = 0;
    for (const auto& c : chunks) bytes += c.size();
    ConsoleParser parser;
    for (auto _ : state) {
        for (const auto& c : chunks) {
            ConsoleChunk parsed = parser.feed(c);
            benchmark::DoNotOptimize(parsed);
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_ConsoleParser);

// The headless UI, checking that the test child's burst pattern arrives whole and in order.
class BurstUi : public HeadlessUi {
  public:
    using HeadlessUi::HeadlessUi;
    void append_console(std::string_view name, std::string_view text) override {
        for (const char c : text) {
            if (c != static_cast<char>('0' + received_ % 10)) ++out_of_order_;
            ++received_;
        }
        HeadlessUi::append_console(name, text);
    }
    std::size_t received() const { return received_; }
    std::size_t out_of_order() const { return out_of_order_; }
    // Forget what came before the burst (the server's start-up lines).
    void reset() {
        received_ = 0;
        out_of_order_ = 0;
    }

  private:
    std::atomic<std::size_t> received_{0};
    std::atomic<std::size_t> out_of_order_{0};
};

// A program folder whose "Java" is the test child, with a free server port and a local IP echo.
struct BenchRig {
    explicit BenchRig(HeadlessUi& ui, std::string java = test_child_path())
        : session(*platform), server{folder.path(), session, ui, ui, *platform} {
        test::deploy_workspace(folder.path(), test::free_port());
        ui.set_text("编辑框_java", java);
    }
    ~BenchRig() {
        if (auto run = session.process.current()) run->terminate();
        session.threads.wait_idle(15000);
    }
    test::TempFolder folder;
    std::unique_ptr<Platform> platform = make_system_platform();
    test::IpEchoServer echo{"您的IP是：[203.0.113.7] 来自：测试"};
    ServerSession session;
    LauncherContext server;
};

void BM_ConsoleThroughput(benchmark::State& state) {
    constexpr std::size_t kBytes = 5000000;
    for (auto _ : state) {
        BurstUi ui{main_window_spec()};
        BenchRig rig(ui);
        launch_server(rig.server);
        // The child answers like a game server: its start-up lines come first.
        if (!test::wait_until([&] { return rig.session.state == ServerState::Running; }, 15000)) {
            state.SkipWithError("the server never started");
            break;
        }
        ui.reset();
        const auto start = Clock::now();
        send_console_command(rig.server, "burst " + std::to_string(kBytes));
        if (!test::wait_until([&] { return ui.received() >= kBytes; }, 120000)) {
            state.SkipWithError("the burst did not arrive in full");
            break;
        }
        state.SetIterationTime(seconds_since(start));
        if (ui.received() != kBytes || ui.out_of_order() != 0) {
            state.SkipWithError("bytes lost, added or out of order");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kBytes));
}
BENCHMARK(BM_ConsoleThroughput)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LaunchToChildCreated(benchmark::State& state) {
    for (auto _ : state) {
        HeadlessUi ui{main_window_spec()};
        BenchRig rig(ui);
        const auto start = Clock::now();
        launch_server(rig.server);  // returns once the child has been created
        state.SetIterationTime(seconds_since(start));
        if (!rig.session.process.is_alive()) state.SkipWithError("no child");
    }
}
BENCHMARK(BM_LaunchToChildCreated)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_DoneToRunning(benchmark::State& state) {
    for (auto _ : state) {
        HeadlessUi ui{main_window_spec()};
        BenchRig rig(ui);
        launch_server(rig.server);
        // Let the reader settle into its wait, as it is when a real server finishes starting.
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        const auto start = Clock::now();
        send_console_command(rig.server, "echo [12:00:01 INFO]: Done (0.1s)! For help");
        if (!test::wait_until([&] { return rig.session.state == ServerState::Running; }, 10000)) {
            state.SkipWithError("not Running");
            break;
        }
        state.SetIterationTime(seconds_since(start));
    }
}
BENCHMARK(BM_DoneToRunning)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// The whole start with the real Java runtime and server jar: click to Running.
void BM_JavaServerStartToRunning(benchmark::State& state) {
    const std::string java = test::find_java();
    if (java.empty() || !test::server_jar_available()) {
        state.SkipWithError("no Java runtime or server jar");
        return;
    }
    for (auto _ : state) {
        HeadlessUi ui{main_window_spec()};
        BenchRig rig(ui, java);
        rig.session.memory_mb = 256;
        const auto start = Clock::now();
        launch_server(rig.server);
        if (!test::wait_until([&] { return rig.session.state == ServerState::Running; }, 60000)) {
            state.SkipWithError("not Running");
            break;
        }
        state.SetIterationTime(seconds_since(start));
    }
}
BENCHMARK(BM_JavaServerStartToRunning)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
}  // namespace cw
