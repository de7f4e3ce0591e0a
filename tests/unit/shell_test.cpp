// The shell over the headless UI and a fake platform: background mode through the main
// window's event table, and the CPU load monitor's arithmetic.
#include <gtest/gtest.h>

#include <string>

#include "app/app_state.h"
#include "app/main_window_events.h"
#include "base/gbk_text.h"
#include "shell/cpu_monitor.h"
#include "shell/tray.h"
#include "support/fake_platform.h"
#include "support/headless_ui.h"
#include "support/temp_folder.h"
#include "ui/main_window_controls.h"
#include "ui/main_window_layout.h"

namespace cw {
namespace {

using main_window::kWindow;

class Tray : public ::testing::Test {
  protected:
    test::TempFolder dir;
    HeadlessUi ui{main_window_spec()};
    test::FakePlatform platform;
    AppState app{dir.path(), ui, ui, platform};
    BoundEvents<AppState> bound{app, main_window_events()};
    EventSink& events = bound;

    void minimise() {
        ui.set_window_state(kWindow, WindowState::Minimised);
        events.fire(kWindow, "", UiEvent::Moved);
    }
    void tray(int operation) { events.fire(kWindow, "", UiEvent::TrayIcon, operation); }
    void expect_shown(bool icon) {
        EXPECT_TRUE(ui.is_visible(kWindow));
        EXPECT_EQ(ui.window_state(kWindow), WindowState::Normal);
        EXPECT_EQ(ui.tray_icon(kWindow).has_value(), icon);
    }
};

TEST_F(Tray, MinimisingHidesTheWindowAndSetsTheIconWhateverTheServerDoes) {
    for (ServerState state : {ServerState::Stopped, ServerState::Running}) {
        app.launcher.session.state = state;
        ui.set_visible(kWindow, true);
        ui.set_window_state(kWindow, WindowState::Normal);
        ui.set_tray_icon(kWindow, false, "");
        minimise();
        EXPECT_FALSE(ui.is_visible(kWindow));
        EXPECT_EQ(ui.tray_icon(kWindow), "Cubeworks 一键开服器 正在后台运行");
    }
}

TEST_F(Tray, WithoutAnIconTheMinimisedWindowStaysOnTheTaskbar) {
    ui.tray_refused = true;
    minimise();
    EXPECT_TRUE(ui.is_visible(kWindow));
    EXPECT_EQ(ui.window_state(kWindow), WindowState::Minimised);
    EXPECT_FALSE(ui.tray_icon(kWindow));
}

TEST_F(Tray, MovingWithoutMinimisingChangesNothing) {
    for (WindowState state : {WindowState::Normal, WindowState::Maximised}) {
        ui.set_window_state(kWindow, state);
        events.fire(kWindow, "", UiEvent::Moved);
        EXPECT_TRUE(ui.is_visible(kWindow));
        EXPECT_FALSE(ui.tray_icon(kWindow));
    }
}

TEST_F(Tray, OnlyADoubleClickBringsTheWindowBackCentredAndTakesTheIconAway) {
    minimise();
    tray(kTrayClick);
    EXPECT_FALSE(ui.is_visible(kWindow));
    EXPECT_TRUE(ui.tray_icon(kWindow));
    tray(kTrayDoubleClick);
    // Shown before its state changes: a hidden window would stay minimised.
    expect_shown(false);
    EXPECT_TRUE(ui.tray_popups().empty());
}

TEST_F(Tray, RightClickPopsUpTheTrayMenuAndChangesNothingElse) {
    minimise();
    tray(kTrayRightClick);
    EXPECT_EQ(ui.tray_popups(), std::vector<std::string>{"菜单"});
    EXPECT_TRUE(ui.popups().empty());  // not the plugin list's kind of pop-up
    EXPECT_FALSE(ui.is_visible(kWindow));
    EXPECT_TRUE(ui.tray_icon(kWindow));
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(Tray, OpenWindowKeepsTheIconUntilADoubleClickOrTheNextMinimise) {
    minimise();
    events.fire(main_window::kTrayMenu, "打开界面", UiEvent::MenuChosen);
    expect_shown(true);
    // Shown with icon: a double-click removes it, a minimise sets it again.
    tray(kTrayDoubleClick);
    expect_shown(false);
    events.fire(main_window::kTrayMenu, "打开界面", UiEvent::MenuChosen);
    minimise();
    EXPECT_FALSE(ui.is_visible(kWindow));
    EXPECT_TRUE(ui.tray_icon(kWindow));
}

TEST_F(Tray, TrayStopWhileNotRunningOnlyTells) {
    for (ServerState state : {ServerState::Stopped, ServerState::Starting}) {
        app.launcher.session.state = state;
        ui.clear_messages();
        events.fire(main_window::kTrayMenu, "关闭服务器", UiEvent::MenuChosen);
        ASSERT_EQ(ui.messages().size(), 1u);
        EXPECT_EQ(ui.messages()[0].text, "服务器未开启或正在开启，不能关服");
        EXPECT_EQ(ui.messages()[0].title, "信息：");
    }
}

TEST(TrayTip, IsCutAt62BytesNeverInsideACharacter) {
    EXPECT_EQ(shell::tray_tip(shell::kTrayTip), shell::kTrayTip);  // 33 bytes: whole
    const std::string ascii(70, 'a');
    EXPECT_EQ(shell::tray_tip(ascii), std::string(62, 'a'));
    // 61 ASCII bytes and then a double-byte character that would end at byte 63.
    const std::string split = std::string(61, 'a') + "服务器";
    EXPECT_EQ(shell::tray_tip(split), std::string(61, 'a'));
    const std::string fits = std::string(60, 'a') + "服务器";
    EXPECT_EQ(shell::tray_tip(fits), std::string(60, 'a') + "服");
}

// ---- CPU load ----

constexpr std::int64_t kSecond = 10000000;  // 100-nanosecond units

class CpuLoad : public ::testing::Test {
  protected:
    test::FakePlatform platform;
    shell::CpuLoadSamples samples;

    int sample(std::int64_t time, std::int64_t idle) {
        platform.next_system_time = time;
        platform.next_idle_time = idle;
        return shell::sample_cpu_load(samples, platform);
    }
};

TEST_F(CpuLoad, WorkedExamples) {
    platform.environment["NUMBER_OF_PROCESSORS"] = "4";
    const std::int64_t t0 = 132000000000000000;
    sample(t0, 50 * kSecond);
    // 3.6 s of idle time over 4 processors in one second: 100 - 90.
    EXPECT_EQ(sample(t0 + kSecond, 50 * kSecond + 36 * kSecond / 10), 10);

    // 100 - 12.7 = 87.3 reads 87.
    platform.environment["NUMBER_OF_PROCESSORS"] = "1";
    EXPECT_EQ(sample(t0 + 2 * kSecond, 50 * kSecond + 36 * kSecond / 10 + 127 * kSecond / 1000),
              87);

    // No time has passed: the idle ratio is 0.
    EXPECT_EQ(sample(t0 + 2 * kSecond, 60 * kSecond), 100);
}

TEST_F(CpuLoad, TheFirstSampleComparesAgainstZero) {
    platform.environment["NUMBER_OF_PROCESSORS"] = "2";
    EXPECT_EQ(sample(132000000000000000, 1000 * kSecond), 99);
    shell::CpuLoadSamples fresh;
    samples = fresh;
    EXPECT_EQ(sample(132000000000000000, 0), 100);
}

TEST_F(CpuLoad, AFailedQueryGivesMinusOneAndKeepsTheStoredSample) {
    platform.environment["NUMBER_OF_PROCESSORS"] = "2";
    sample(10 * kSecond, 4 * kSecond);
    for (bool time_fails : {true, false}) {
        platform.next_system_time = time_fails ? std::nullopt : std::optional<std::int64_t>(99);
        platform.next_idle_time = time_fails ? std::optional<std::int64_t>(99) : std::nullopt;
        EXPECT_EQ(shell::sample_cpu_load(samples, platform), -1);
        EXPECT_EQ(samples.last_sample_time, 10.0 * kSecond);
        EXPECT_EQ(samples.last_idle_time, 4.0 * kSecond);
    }
    // The next sample compares against the older values: 2 s, 1 s idle of 2 processors.
    EXPECT_EQ(sample(12 * kSecond, 5 * kSecond), 75);
}

TEST_F(CpuLoad, AMissingOrUselessProcessorCountTakesTheSystemsCount) {
    platform.processors = 2;
    for (const char* text : {"", "0", "abc", "-4"}) {
        SCOPED_TRACE(text);
        platform.environment["NUMBER_OF_PROCESSORS"] = text;
        samples = {};
        sample(10 * kSecond, 0);
        EXPECT_EQ(sample(11 * kSecond, kSecond), 50);  // 1 s idle of 2 processors
    }
    platform.environment.erase("NUMBER_OF_PROCESSORS");
    samples = {};
    sample(10 * kSecond, 0);
    EXPECT_EQ(sample(11 * kSecond, kSecond), 50);
}

TEST_F(CpuLoad, CountersRunningBackwardsStayWithinTheBar) {
    platform.environment["NUMBER_OF_PROCESSORS"] = "1";
    sample(10 * kSecond, 5 * kSecond);
    EXPECT_EQ(sample(11 * kSecond, 3 * kSecond), 100);    // idle went down
    EXPECT_EQ(sample(11 * kSecond + 2, 4 * kSecond), 0);  // a second of idle in 200 ns
}

TEST(CpuLoadBar, EveryTickSetsTheBarMinusOneIncluded) {
    test::TempFolder dir;
    HeadlessUi ui{main_window_spec()};
    test::FakePlatform platform;
    AppState app{dir.path(), ui, ui, platform};
    BoundEvents<AppState> bound{app, main_window_events()};
    EventSink& events = bound;
    platform.environment["NUMBER_OF_PROCESSORS"] = "1";
    platform.next_system_time = 10 * kSecond;
    platform.next_idle_time = 0;
    events.fire(main_window::kCpuTimer, "", UiEvent::TimerTick);
    platform.next_system_time = 11 * kSecond;
    platform.next_idle_time = kSecond / 4;
    events.fire(main_window::kCpuTimer, "", UiEvent::TimerTick);
    EXPECT_EQ(ui.progress(main_window::kCpuBar), 75);
    platform.next_idle_time = std::nullopt;
    events.fire(main_window::kCpuTimer, "", UiEvent::TimerTick);
    EXPECT_EQ(ui.progress(main_window::kCpuBar), -1);
}

}  // namespace
}  // namespace cw
