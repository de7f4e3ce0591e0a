// The main window built in this process over a fake platform: design-time contents read back
// through Win32Ui, the window-thread dispatcher, the console batching and its clearing rule,
// and the handlers wired through real window messages.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
// clang-format on
#include "ui/win32/win32_ui.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "app/app_state.h"
#include "app/main_window_events.h"
#include "payload/payload.h"
#include "platform/in_memory_module.h"
#include "remote_program.h"
#include "shell/skin.h"
#include "support/fake_platform.h"
#include "support/headless_ui.h"
#include "support/temp_folder.h"
#include "ui/main_window_layout.h"
#include "ui/win32/layout_window.h"
#include "ui/win32/private_messages.h"
#include "ui/win32/ui_dispatcher.h"
#include "ui/win32/wide_text.h"

namespace cw::win32 {
namespace {

void pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

template <class F>
bool pump_until(F done, int timeout_ms = 10000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (static_cast<int>(GetTickCount() - start) > timeout_ms) return false;
        pump();
        Sleep(5);
    }
    return true;
}

// Answers every message box of this process with its first button, and records it.
class BoxAnswerer {
  public:
    struct Seen {
        std::wstring title, text;
    };
    BoxAnswerer() : thread_([this] { loop(); }) {}
    ~BoxAnswerer() {
        stop_ = true;
        thread_.join();
    }
    std::vector<Seen> seen() {
        std::lock_guard lock(mutex_);
        return seen_;
    }

  private:
    static std::wstring text_of(HWND h) {
        wchar_t buf[512] = {};
        SendMessageTimeoutW(h, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(buf), SMTO_BLOCK, 2000,
                            nullptr);
        return buf;
    }
    void loop() {
        while (!stop_) {
            EnumWindows(answer_one, reinterpret_cast<LPARAM>(this));
            Sleep(20);
        }
    }
    static BOOL CALLBACK answer_one(HWND h, LPARAM lp) {
        auto* self = reinterpret_cast<BoxAnswerer*>(lp);
        DWORD pid = 0;
        GetWindowThreadProcessId(h, &pid);
        wchar_t cls[64] = {};
        GetClassNameW(h, cls, 64);
        if (pid != GetCurrentProcessId() || wcscmp(cls, L"#32770") != 0 || !IsWindowVisible(h) ||
            self->answered_.count(h)) {
            return TRUE;
        }
        Seen s{text_of(h), {}};
        for (HWND c = GetWindow(h, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            wchar_t ccls[64] = {};
            GetClassNameW(c, ccls, 64);
            if (_wcsicmp(ccls, L"Static") == 0 && !text_of(c).empty()) s.text = text_of(c);
        }
        {
            std::lock_guard lock(self->mutex_);
            self->seen_.push_back(s);
        }
        self->answered_.insert(h);
        PostMessageW(h, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        PostMessageW(h, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), 0);
        return TRUE;
    }

    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<Seen> seen_;
    std::set<HWND> answered_;
    std::thread thread_;
};

struct IdSearch {
    int id;
    HWND found;
};

BOOL CALLBACK find_id(HWND h, LPARAM lp) {
    auto* s = reinterpret_cast<IdSearch*>(lp);
    if (GetDlgCtrlID(h) == s->id) s->found = h;
    return s->found == nullptr;
}

std::atomic<int> g_inserts{0}, g_replaces{0};

LRESULT CALLBACK count_console_changes(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                       DWORD_PTR) {
    if (msg == EM_REPLACESEL) ++g_inserts;
    if (msg == WM_SETTEXT) ++g_replaces;
    return DefSubclassProc(h, msg, wp, lp);
}

double now_ms() {
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

// Every event of the main window except its start-up, which deploys the workspace, and the load
// bar's clock, which writes the bar whenever a second has passed (on a busy machine, in the middle
// of a test that reads the bar); what the clock writes is tested with the headless window.
std::vector<AppEventBinding> events_without_startup() {
    std::vector<AppEventBinding> out;
    for (const AppEventBinding& e : main_window_events()) {
        if (e.event != UiEvent::Created && e.event != UiEvent::Shown &&
            e.source != main_window::kCpuTimer) {
            out.push_back(e);
        }
    }
    return out;
}

// A name no open window has: the tested builds (strict names) stop there, so that a misspelt
// name fails the test that used it; a plain build answers `otherwise` and changes nothing.
#ifdef CUBEWORKS_STRICT_NAMES
#define EXPECT_UNKNOWN_NAME(read, otherwise) \
    EXPECT_DEATH(read, "no open window has a control named")
#else
#define EXPECT_UNKNOWN_NAME(read, otherwise) EXPECT_EQ(read, otherwise)
#endif

class Win32MainWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        window = std::make_unique<LayoutWindow>(ui, main_window_spec(), sink, false);
        window->create(SW_SHOWNOACTIVATE);
        ASSERT_NE(window->hwnd(), nullptr);
        pump();
    }
    void TearDown() override {
        window.reset();
        pump();
    }
    HWND hwnd_of(std::string_view name) {
        const auto& controls = main_window_spec().controls;
        for (std::size_t i = 0; i < controls.size(); ++i) {
            if (controls[i].name == name) {
                IdSearch s{kControlIdBase + static_cast<int>(i), nullptr};
                EnumChildWindows(window->hwnd(), find_id, reinterpret_cast<LPARAM>(&s));
                return s.found;
            }
        }
        return nullptr;
    }

    test::TempFolder dir;
    Win32Ui ui;
    test::FakePlatform platform;
    AppState app{dir.path(), ui, ui, platform};
    std::vector<AppEventBinding> events = events_without_startup();
    BoundEvents<AppState> sink{app, events};
    std::unique_ptr<LayoutWindow> window;
};

TEST_F(Win32MainWindow, DesignTimeContentsReadBackByteForByte) {
    const WindowSpec& table = main_window_spec();
    for (const ControlSpec& c : table.controls) {
        SCOPED_TRACE(std::string(c.name));
        switch (c.kind) {
            case ControlKind::ComboBox:
                EXPECT_EQ(ui.selected(c.name), c.selected);
                EXPECT_EQ(ui.text(c.name), std::string(c.items.substr(0, c.items.find('\n'))));
                break;
            case ControlKind::StatusBar:
                EXPECT_EQ(ui.status(c.name, 0), "Cubeworks-开服器提示：");
                EXPECT_EQ(ui.status(c.name, 1), "");
                break;
            case ControlKind::Timer:
            case ControlKind::FileDialog:
            case ControlKind::Tab:
            case ControlKind::ListView:
            case ControlKind::ProgressBar:
                break;
            default:
                EXPECT_EQ(ui.text(c.name), c.caption);
                EXPECT_EQ(ui.is_enabled(c.name), c.enabled);
                break;
        }
    }
    EXPECT_EQ(ui.text("透明标签2"), "Cpu[中央处理器]\r\n");
    EXPECT_EQ(ui.text("端口_编辑框"), "22565");
    EXPECT_EQ(ui.text(main_window::kWindow), table.title);
    EXPECT_EQ(ui.selected_page(main_window::kTab), 0);
    EXPECT_FALSE(ui.is_enabled("按钮2"));
    EXPECT_FALSE(ui.is_visible("分组框4"));
    EXPECT_TRUE(ui.is_enabled("时钟1"));
    EXPECT_EQ(ui.row_count("超级列表框_插件"), 0);
    EXPECT_EQ(ui.selected_row("超级列表框_插件"), -1);
    EXPECT_EQ(ui.progress("进度条1"), 0);
    EXPECT_TRUE(GetWindowLongW(hwnd_of("保护范围_编辑框"), GWL_STYLE) & ES_NUMBER);
}

TEST_F(Win32MainWindow, MenusAreBuiltFromTheTable) {
    const HMENU bar = GetMenu(window->hwnd());
    ASSERT_EQ(GetMenuItemCount(bar), 3);
    const HMENU manage = GetSubMenu(bar, 1);
    ASSERT_EQ(GetMenuItemCount(manage), 6);
    EXPECT_NE(GetSubMenu(manage, 4), nullptr);  // 设置服务器图标 ▸
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(manage, 4)), 3);
    const HMENU online = GetSubMenu(bar, 2);
    EXPECT_TRUE(GetMenuState(online, 2, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(online, 0, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_TRUE(GetMenuState(online, 1, MF_BYPOSITION) & MF_SEPARATOR);
}

TEST_F(Win32MainWindow, ControlOperationsRoundTripGbkText) {
    const std::string text = "【服务器】\xA3\xB1\xA3\xB0 abc";  // full-width digits too
    ui.set_text("编辑框2", text);
    EXPECT_EQ(ui.text("编辑框2"), text);
    ui.set_text("难度_组合框1", "困难");
    EXPECT_EQ(ui.selected("难度_组合框1"), 2);
    ui.set_selected("地狱_组合框", 1);
    EXPECT_EQ(ui.text("地狱_组合框"), "false");
    EXPECT_EQ(ui.add_row("超级列表框_插件", "插件甲.jar"), 0);
    EXPECT_EQ(ui.add_row("超级列表框_插件", "b.jar"), 1);
    EXPECT_EQ(ui.cell("超级列表框_插件", 0, 0), "插件甲.jar");
    EXPECT_EQ(ui.row_count("超级列表框_插件"), 2);
    ui.clear_rows("超级列表框_插件");
    EXPECT_EQ(ui.row_count("超级列表框_插件"), 0);
    ui.set_status("状态条1", 1, "服务器已开启");
    EXPECT_EQ(ui.status("状态条1", 1), "服务器已开启");
    ui.set_progress("进度条1", 42);
    EXPECT_EQ(ui.progress("进度条1"), 42);
    ui.set_checked("选择框1", true);
    EXPECT_TRUE(ui.is_checked("选择框1"));
    ui.select_page(main_window::kTab, 2);
    EXPECT_EQ(ui.selected_page(main_window::kTab), 2);
    EXPECT_TRUE(ui.is_visible("高级选择夹1_页3"));
    EXPECT_FALSE(ui.is_visible("高级选择夹1_页1"));
    ui.set_visible("分组框4", true);
    EXPECT_TRUE(ui.is_visible("分组框4"));
    EXPECT_UNKNOWN_NAME(ui.text("没有这个控件"), "");
}

TEST_F(Win32MainWindow, BackgroundThreadsWaitForTheWindowThreadAndReadTheirOwnChanges) {
    std::string seen;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        for (int i = 0; i < 50; ++i) ui.set_status("状态条1", 1, std::to_string(i));
        seen = ui.status("状态条1", 1);  // answers after every change before it
        ui.set_enabled("按钮1", false);
        done = true;
    });
    // The worker cannot finish while this thread does not pump.
    Sleep(200);
    EXPECT_FALSE(done);
    EXPECT_TRUE(pump_until([&] { return done.load(); }));
    worker.join();
    EXPECT_EQ(seen, "49");
    EXPECT_FALSE(ui.is_enabled("按钮1"));
}

TEST_F(Win32MainWindow, QueuedConsoleTextArrivesInOneInsert) {
    const HWND console = hwnd_of("编辑框_回显文本");
    g_inserts = 0;
    g_replaces = 0;
    SetWindowSubclass(console, count_console_changes, 7, 0);
    std::string expected;
    for (int i = 0; i < 200; ++i) expected += "[12:00:00 INFO]: 第" + std::to_string(i) + "行\r\n";
    std::thread reader([&] {
        for (int i = 0; i < 200; ++i) {
            ui.append_console("编辑框_回显文本",
                              "[12:00:00 INFO]: 第" + std::to_string(i) + "行\r\n");
        }
    });
    reader.join();  // every append queued while the window thread was away
    pump();
    EXPECT_EQ(g_inserts.load(), 1);
    EXPECT_EQ(g_replaces.load(), 0);
    EXPECT_EQ(ui.text("编辑框_回显文本"), expected);
    // The caret sits at the end.
    DWORD start = 0, end = 0;
    SendMessageW(console, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(static_cast<int>(end), GetWindowTextLengthW(console));
    RemoveWindowSubclass(console, count_console_changes, 7);
}

TEST_F(Win32MainWindow, ConsoleClearsAsIfAppendedChunkByChunk) {
    HeadlessUi reference{main_window_spec()};
    const std::string base(kConsoleClearBytes - 10, 'x');
    const std::vector<std::string> chunks = {"aaaaa", "bbbbbbbbbb", "ccccccc", "服务器"};
    for (Controls* c : {static_cast<Controls*>(&ui), static_cast<Controls*>(&reference)}) {
        c->set_text("编辑框_回显文本", base);
    }
    std::thread reader([&] {
        for (const std::string& chunk : chunks) ui.append_console("编辑框_回显文本", chunk);
    });
    reader.join();
    for (const std::string& chunk : chunks) reference.append_console("编辑框_回显文本", chunk);
    pump();
    EXPECT_EQ(ui.text("编辑框_回显文本"), reference.text("编辑框_回显文本"));
    EXPECT_EQ(ui.text("编辑框_回显文本"), "ccccccc服务器");
    // The byte count goes on from there: one more append near the limit clears again.
    const std::string big(kConsoleClearBytes - 13, 'y');
    ui.append_console("编辑框_回显文本", big);
    EXPECT_EQ(ui.text("编辑框_回显文本"), "");
}

TEST_F(Win32MainWindow, ConsoleHoldsThreeHundredThousandBytes) {
    const std::string line(99, 'z');
    std::string all;
    for (int i = 0; i < 2990; ++i) all += line + "\n";  // 299,000 bytes in appends
    for (int i = 0; i < 2990; ++i) ui.append_console("编辑框_回显文本", line + "\n");
    EXPECT_EQ(ui.text("编辑框_回显文本").size(), all.size());
}

TEST_F(Win32MainWindow, CloseIsRefusedWhileTheServerRuns) {
    BoxAnswerer answerer;
    app.launcher.session.state = ServerState::Running;
    SendMessageW(window->hwnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(window->hwnd()));
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].title, to_wide("信息："));
    EXPECT_EQ(answerer.seen()[0].text, to_wide("请关闭服务器！！"));
    app.launcher.session.state = ServerState::Stopped;
    const HWND hwnd = window->hwnd();
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(answerer.seen().size(), 1u);
}

TEST_F(Win32MainWindow, StartButtonShowsTheConsoleEvenWhenTheLaunchIsRefused) {
    BoxAnswerer answerer;  // the launch refuses: the Java path box is empty
    SendMessageW(hwnd_of("按钮1"), BM_CLICK, 0, 0);
    pump();
    EXPECT_EQ(ui.selected_page(main_window::kTab), 1);
    EXPECT_TRUE(IsWindowVisible(hwnd_of("高级选择夹1_页2")));
    EXPECT_TRUE(ui.is_enabled("按钮2"));
    EXPECT_FALSE(ui.is_enabled("按钮1"));
    EXPECT_TRUE(platform.started().empty());
    // The stop button swaps them back whatever the stop did.
    SendMessageW(hwnd_of("按钮2"), BM_CLICK, 0, 0);
    pump();
    EXPECT_TRUE(ui.is_enabled("按钮1"));
    EXPECT_FALSE(ui.is_enabled("按钮2"));
}

TEST_F(Win32MainWindow, MoreSettingsButtonShowsTheGroupOverTheControlsBeneath) {
    SendMessageW(hwnd_of("按钮7"), BM_CLICK, 0, 0);
    pump();
    const HWND group = hwnd_of("分组框4");
    EXPECT_TRUE(IsWindowVisible(group));
    EXPECT_EQ(ChildWindowFromPointEx(GetParent(group), POINT{30, 110}, CWP_SKIPINVISIBLE), group);
}

TEST_F(Win32MainWindow, ASecondWindowWithTheSameControlNamesKeepsTheMainOnesBare) {
    static constexpr ControlSpec kControls[] = {
        {"分组框1", ControlKind::GroupBox, "", 8, 8, 200, 100, ""},
        {"按钮1", ControlKind::Button, "返回网页观看", 8, 16, 96, 24, "分组框1"},
    };
    static constexpr WindowSpec kSmall{"小窗口", "小窗口", 300, 200, kControls, {}};
    {
        BoundEvents<AppState> no_events{app, {}};
        LayoutWindow small(ui, kSmall, no_events, false);
        small.create(SW_SHOWNOACTIVATE);
        EXPECT_EQ(ui.text("按钮1"), "开启服务器");
        EXPECT_EQ(ui.text("主窗口/按钮1"), "开启服务器");
        EXPECT_EQ(ui.text("小窗口/按钮1"), "返回网页观看");
        ui.set_visible("小窗口/分组框1", false);
        EXPECT_FALSE(ui.is_visible("小窗口/分组框1"));
        EXPECT_TRUE(ui.is_visible("分组框1"));
    }
    EXPECT_UNKNOWN_NAME(ui.text("小窗口/按钮1"), "");  // gone with its window
    EXPECT_EQ(ui.text("按钮1"), "开启服务器");
}

// Works an open-file dialog of this process from another thread: reads its file types, types
// `path` into its name box and presses OK.
class FileDialogOperator {
  public:
    explicit FileDialogOperator(std::wstring path)
        : path_(std::move(path)), thread_([this] { run(); }) {}
    ~FileDialogOperator() {
        if (thread_.joinable()) thread_.join();
    }
    std::wstring first_type() {
        thread_.join();
        return type_;
    }

  private:
    static BOOL CALLBACK find_dialog(HWND h, LPARAM lp) {
        DWORD pid = 0;
        GetWindowThreadProcessId(h, &pid);
        wchar_t cls[64] = {};
        GetClassNameW(h, cls, 64);
        if (pid == GetCurrentProcessId() && wcscmp(cls, L"#32770") == 0 && IsWindowVisible(h)) {
            *reinterpret_cast<HWND*>(lp) = h;
            return FALSE;
        }
        return TRUE;
    }
    void run() {
        HWND dialog = nullptr;
        for (int i = 0; i < 400 && !dialog; ++i) {
            EnumWindows(find_dialog, reinterpret_cast<LPARAM>(&dialog));
            if (!dialog) Sleep(25);
        }
        if (!dialog) return;
        Sleep(200);
        constexpr int kTypes = 0x470, kNameCombo = 0x47C, kNameEdit = 0x480;
        wchar_t type[256] = {};
        SendMessageW(GetDlgItem(dialog, kTypes), CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(type));
        type_ = type;
        HWND name = GetDlgItem(dialog, kNameCombo);
        if (!name) name = GetDlgItem(dialog, kNameEdit);
        SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path_.c_str()));
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }

    std::wstring path_;
    std::wstring type_;
    std::thread thread_;
};

TEST_F(Win32MainWindow, FileDialogsShowTheirFiltersAndAnswerInGbk) {
    struct Case {
        const char* dialog;
        const char* file;
        const char* first_type;
    };
    for (const Case& c : {Case{"通用对话框_插件", "\\插件甲.jar", "*.jar"},
                          Case{"通用对话框1", "\\图标.png", "支持格式（*.png）"}}) {
        SCOPED_TRACE(c.dialog);
        const std::string path = dir.path() + c.file;
        const HANDLE f = CreateFileW(to_wide(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                     CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(f, INVALID_HANDLE_VALUE);
        CloseHandle(f);
        FileDialogOperator op(to_wide(path));
        const std::optional<std::string> chosen = ui.choose_file(c.dialog);
        EXPECT_EQ(op.first_type(), to_wide(c.first_type));
        EXPECT_EQ(chosen.value_or("(none)"), path);
    }
    EXPECT_UNKNOWN_NAME(ui.choose_file("没有这个对话框"), std::nullopt);
}

TEST_F(Win32MainWindow, MeasureAnAppendToAFullConsole) {
    // The console page in view, so that every insert is also painted and scrolled.
    ui.select_page(main_window::kTab, 1);
    std::string line = std::string(98, 'x') + "\r\n";
    std::string full;
    while (full.size() < 250000) full += line;
    ui.set_text("编辑框_回显文本", full);
    pump();
    const HWND console = hwnd_of("编辑框_回显文本");
    const std::string chunk = std::string(258, 'y') + "\r\n";
    constexpr int kRounds = 20;
    const double start = now_ms();
    for (int i = 0; i < kRounds; ++i) {
        ui.append_console("编辑框_回显文本", chunk);
        UpdateWindow(console);
    }
    const double ms = now_ms() - start;
    std::printf("[ measure  ] one EM_REPLACESEL of 260 bytes into ~250 KB, painted: %.2f ms\n",
                ms / kRounds);
    EXPECT_EQ(ui.text("编辑框_回显文本").size(), full.size() + kRounds * chunk.size());
}

// ---- Background mode: the tray icon of the real window ----

// Whether the window has its tray icon: only an icon that is there can be modified.
bool has_tray_icon(HWND window) {
    NOTIFYICONDATAW nid{};
    nid.cbSize = sizeof nid;
    nid.hWnd = window;
    nid.uID = kTrayIconId;
    return Shell_NotifyIconW(NIM_MODIFY, &nid) != FALSE;
}

void tray_action(HWND window, UINT mouse_message) {
    SendMessageW(window, kMsgTrayIcon, kTrayIconId, mouse_message);
    pump();
}

void choose_menu_entry(HWND window, std::string_view menu, std::string_view caption) {
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(gui::menu_id(main_window_spec(), menu, caption), 0),
                 0);
    pump();
}

bool centred_on_the_work_area(HWND window) {
    RECT work{}, rc{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(window, &rc);
    const int dx = (rc.left - work.left) - (work.right - rc.right);
    const int dy = (rc.top - work.top) - (work.bottom - rc.bottom);
    return std::abs(dx) <= 1 && std::abs(dy) <= 1;
}

TEST_F(Win32MainWindow, MinimisingGoesToTheTrayAndADoubleClickComesBackCentred) {
    const HWND main = window->hwnd();
    SetWindowPos(main, nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    pump();
    EXPECT_FALSE(has_tray_icon(main));  // moving is not minimising
    EXPECT_TRUE(IsWindowVisible(main));

    ShowWindow(main, SW_MINIMIZE);
    pump();
    EXPECT_FALSE(IsWindowVisible(main));
    EXPECT_TRUE(has_tray_icon(main));

    tray_action(main, WM_LBUTTONUP);  // a click does nothing
    EXPECT_FALSE(IsWindowVisible(main));
    EXPECT_TRUE(has_tray_icon(main));

    tray_action(main, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_FALSE(IsIconic(main));
    EXPECT_TRUE(centred_on_the_work_area(main));
    EXPECT_FALSE(has_tray_icon(main));
}

TEST_F(Win32MainWindow, OpenWindowKeepsTheIconWhichGoesWithTheWindow) {
    const HWND main = window->hwnd();
    ShowWindow(main, SW_MINIMIZE);
    pump();
    ASSERT_TRUE(has_tray_icon(main));
    choose_menu_entry(main, main_window::kTrayMenu, "打开界面");
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_FALSE(IsIconic(main));
    EXPECT_TRUE(has_tray_icon(main));
    window.reset();  // the window is destroyed
    pump();
    EXPECT_FALSE(has_tray_icon(main));
}

TEST_F(Win32MainWindow, TrayStopWhileStoppedOnlyTellsAndLeavesTheButtons) {
    BoxAnswerer answerer;
    ShowWindow(window->hwnd(), SW_MINIMIZE);
    pump();
    choose_menu_entry(window->hwnd(), main_window::kTrayMenu, "关闭服务器");
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].text, to_wide("服务器未开启或正在开启，不能关服"));
    EXPECT_EQ(answerer.seen()[0].title, to_wide("信息："));
    EXPECT_TRUE(ui.is_enabled("按钮1"));
    EXPECT_FALSE(ui.is_enabled("按钮2"));
    EXPECT_FALSE(IsWindowVisible(window->hwnd()));
}

// Finds this process's visible pop-up menu window, then closes it with Escape.
class MenuCloser {
  public:
    MenuCloser() : thread_([this] { run(); }) {}
    ~MenuCloser() {
        if (thread_.joinable()) thread_.join();
    }
    RECT seen() {
        if (thread_.joinable()) thread_.join();
        return rect_;
    }

  private:
    static BOOL CALLBACK find_menu(HWND h, LPARAM lp) {
        DWORD pid = 0;
        GetWindowThreadProcessId(h, &pid);
        wchar_t cls[16] = {};
        GetClassNameW(h, cls, 16);
        if (pid == GetCurrentProcessId() && wcscmp(cls, L"#32768") == 0 && IsWindowVisible(h)) {
            *reinterpret_cast<HWND*>(lp) = h;
            return FALSE;
        }
        return TRUE;
    }
    void run() {
        HWND menu = nullptr;
        for (int i = 0; i < 200 && !menu; ++i) {
            EnumWindows(find_menu, reinterpret_cast<LPARAM>(&menu));
            if (!menu) Sleep(25);
        }
        if (!menu) return;
        GetWindowRect(menu, &rect_);
        PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessageW(menu, WM_KEYUP, VK_ESCAPE, 0);
    }
    RECT rect_{};
    std::thread thread_;
};

TEST_F(Win32MainWindow, RightClickOpensTheTrayMenuLeftOfAndAboveTheCursor) {
    const HWND main = window->hwnd();
    ShowWindow(main, SW_MINIMIZE);
    pump();
    SetCursorPos(600, 500);
    POINT cursor{};
    GetCursorPos(&cursor);
    MenuCloser closer;
    tray_action(main, WM_RBUTTONUP);  // returns once the menu has been dismissed
    const RECT menu = closer.seen();
    EXPECT_EQ(menu.right, cursor.x - 5);
    EXPECT_EQ(menu.top, cursor.y - 5);
    // Dismissed without a choice: everything as it was.
    EXPECT_FALSE(IsWindowVisible(main));
    EXPECT_TRUE(has_tray_icon(main));
}

// ---- The skin ----

COLORREF pixel(HWND window, int x, int y) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    pump();
    const HDC dc = GetDC(window);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return c;
}

void capture(HWND window, const wchar_t* name) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    pump();
    const std::wstring dir = gui::env(L"CW_SCREENSHOTS");
    if (!dir.empty()) gui::capture_window(window, dir + L"\\" + name + L".bmp");
}

// Colours of our skin resource (payload/skin/make_skin_resource.py).
constexpr COLORREF kSkinButton = RGB(0x3C, 0x82, 0xD0);
constexpr COLORREF kSkinPanel = RGB(0xF4, 0xF7, 0xFB);

TEST_F(Win32MainWindow, TheSkinGivesTheMainWindowAndWindowsMadeLaterOneLook) {
    const HWND start = hwnd_of("按钮1");
    const HWND group = hwnd_of("分组框1");
    EXPECT_NE(pixel(start, 10, 5), kSkinButton);  // the platform's own look
    EXPECT_NE(pixel(group, 60, 150), kSkinPanel);
    capture(window->hwnd(), L"inprocess-main-without-skin");

    InMemoryModule skin;
    const double t0 = now_ms();
    ASSERT_TRUE(shell::load_skin_library(skin, payload::skin_library()));
    const double t1 = now_ms();
    ASSERT_TRUE(shell::apply_skin(skin, payload::skin_resource()));
    const double t2 = now_ms();
    std::printf(
        "[ measure  ] skin library loaded from memory in %.2f ms, attached to the main "
        "window in %.2f ms\n",
        t1 - t0, t2 - t1);
    EXPECT_EQ(pixel(start, 10, 5), kSkinButton);
    EXPECT_EQ(pixel(group, 60, 150), kSkinPanel);
    capture(window->hwnd(), L"inprocess-main-with-skin");

    // A window built later on this thread, as the secondary windows are.
    static constexpr ControlSpec kControls[] = {
        {"分组框1", ControlKind::GroupBox, "后来的窗口", 8, 8, 260, 120, ""},
        {"按钮1", ControlKind::Button, "返回网页观看", 16, 32, 120, 32, "分组框1"},
        {"选择框1", ControlKind::CheckBox, "选择框", 16, 80, 120, 16, "分组框1"},
    };
    static constexpr WindowSpec kLater{"后来的窗口", "后来的窗口", 300, 200, kControls, {}};
    BoundEvents<AppState> no_events{app, {}};
    LayoutWindow later(ui, kLater, no_events, false);
    later.create(SW_SHOWNOACTIVATE);
    pump();
    HWND later_button = nullptr, later_group = nullptr;
    for (HWND c = GetWindow(later.hwnd(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        later_group = c;
    later_button = GetWindow(later_group, GW_CHILD);
    ASSERT_NE(later_button, nullptr);
    EXPECT_EQ(pixel(later_button, 10, 5), kSkinButton);
    EXPECT_EQ(pixel(later_group, 200, 100), kSkinPanel);
    capture(later.hwnd(), L"inprocess-later-window-with-skin");

    // The skin stays on this thread's windows for the rest of the run, as it does in the
    // program (the module's end leaves the image mapped and hooked).
}

// ---- Controls built just after the window shows ----

// A tab with a page shown at start and one hidden, a group hidden at start, and the events the
// window reports; its Created event changes controls that are built only later.
class LaterControls : public ::testing::Test, public EventSink {
  protected:
    static constexpr ControlSpec kControls[] = {
        {"页", ControlKind::Tab, "", 0, 0, 300, 200, "", true, true, "一\n二", 0},
        {"页一", ControlKind::TabPage, "一", 0, 0, 300, 200, "页", true, true, {}, 0},
        {"页二", ControlKind::TabPage, "二", 0, 0, 300, 200, "页", false, true, {}, 1},
        {"早的框", ControlKind::Edit, "早", 8, 8, 100, 20, "页一"},
        {"晚的组", ControlKind::GroupBox, "组", 8, 40, 200, 100, "页一", false},
        {"晚的选框", ControlKind::ComboBox, "", 8, 16, 80, 20, "晚的组", true, true, "甲\n乙\n丙",
         -1, 0},
        {"晚的框", ControlKind::Edit, "原来", 8, 8, 100, 20, "页二"},
        {"晚的按钮", ControlKind::Button, "按", 8, 40, 60, 20, "页二"},
    };
    static constexpr WindowSpec kTable{"后建", "后建", 320, 260, kControls, {}};

    void fire(std::string_view source, std::string_view, UiEvent event, int) override {
        if (source != kTable.name || event == UiEvent::Moved) return;
        events.push_back(event);
        if (event != UiEvent::Created) return;
        ui.set_text("晚的框", "一次");
        ui.set_text("晚的框", "两次");
        ui.set_enabled("晚的按钮", false);
        ui.set_selected("晚的选框", 2);
        ui.set_text("早的框", "已改");
    }
    bool may_close(std::string_view) override { return true; }

    HWND hwnd_of(std::string_view name) {
        for (std::size_t i = 0; i < std::size(kControls); ++i) {
            if (kControls[i].name != name) continue;
            IdSearch s{kControlIdBase + static_cast<int>(i), nullptr};
            EnumChildWindows(window.hwnd(), find_id, reinterpret_cast<LPARAM>(&s));
            return s.found;
        }
        return nullptr;
    }
    bool complete() { return GetPropW(window.hwnd(), kCompleteProperty) != nullptr; }

    Win32Ui ui;
    std::vector<UiEvent> events;
    LayoutWindow window{ui, kTable, *this, false};
};

TEST_F(LaterControls, ChangesWaitForTheirControlsAndArriveInOrderBeforeShown) {
    window.create(SW_SHOWNOACTIVATE);
    // Shown with what it shows at first; the hidden containers and their controls come later.
    EXPECT_TRUE(IsWindowVisible(window.hwnd()));
    EXPECT_NE(hwnd_of("早的框"), nullptr);
    EXPECT_EQ(hwnd_of("晚的组"), nullptr);
    EXPECT_EQ(hwnd_of("晚的框"), nullptr);
    EXPECT_EQ(hwnd_of("晚的选框"), nullptr);
    EXPECT_FALSE(complete());
    EXPECT_EQ(events, std::vector<UiEvent>{UiEvent::Created});

    ASSERT_TRUE(pump_until([&] { return complete(); }));
    EXPECT_EQ(events, (std::vector<UiEvent>{UiEvent::Created, UiEvent::Shown}));
    EXPECT_EQ(win32::WindowHandle(hwnd_of("晚的框")).text(), "两次");
    EXPECT_FALSE(IsWindowEnabled(hwnd_of("晚的按钮")));
    EXPECT_EQ(combo_box::selected(hwnd_of("晚的选框")), 2);
    EXPECT_EQ(ui.text("早的框"), "已改");
    // Built where they belong: hidden as their containers are, the page shown at start shown.
    EXPECT_FALSE(IsWindowVisible(hwnd_of("页二")));
    EXPECT_FALSE(IsWindowVisible(hwnd_of("晚的组")));
    EXPECT_TRUE(IsWindowVisible(hwnd_of("页一")));
}

TEST_F(LaterControls, AReadBuildsThemAtOnceAfterTheChangesBeforeIt) {
    window.create(SW_SHOWNOACTIVATE);
    ui.set_text("晚的框", "三次");
    EXPECT_EQ(ui.text("晚的框"), "三次");  // read before the message loop ran
    EXPECT_NE(hwnd_of("晚的选框"), nullptr);
    EXPECT_EQ(ui.selected("晚的选框"), 2);
    EXPECT_FALSE(ui.is_enabled("晚的按钮"));
    // The Shown event still comes, once.
    ASSERT_TRUE(pump_until([&] { return complete(); }));
    pump();
    EXPECT_EQ(events, (std::vector<UiEvent>{UiEvent::Created, UiEvent::Shown}));
    EXPECT_EQ(ui.text("晚的框"), "三次");
}

TEST_F(LaterControls, APageChosenBeforeItsControlsExistShowsWhenTheyAre) {
    window.create(SW_SHOWNOACTIVATE);
    ui.select_page("页", 1);
    ui.set_visible("晚的组", true);
    ASSERT_TRUE(pump_until([&] { return complete(); }));
    EXPECT_TRUE(IsWindowVisible(hwnd_of("页二")));
    EXPECT_TRUE(IsWindowVisible(hwnd_of("晚的框")));
    EXPECT_FALSE(IsWindowVisible(hwnd_of("页一")));
    EXPECT_TRUE(ui.is_visible("晚的组"));  // shown on its page, which is hidden now
    EXPECT_FALSE(IsWindowVisible(hwnd_of("晚的组")));
}

// ---- The dispatcher on its own ----

TEST(UiDispatcher, BackgroundThreadsWaitWhenTheQueueIsFullAndRunInOrder) {
    std::vector<int> ran;
    UiDispatcher d([](const std::string&, std::string_view, std::span<const std::size_t>) {}, 4);
    std::atomic<int> queued{0};
    std::thread producer([&] {
        for (int i = 0; i < 10; ++i) {
            d.post([&ran, i] { ran.push_back(i); });
            ++queued;
        }
    });
    Sleep(200);
    EXPECT_EQ(queued.load(), 4);  // bounded: the fifth waits
    EXPECT_TRUE(ran.empty());     // the four wait for the window thread
    EXPECT_TRUE(pump_until([&] { return queued.load() == 10 && ran.size() == 10; }));
    producer.join();
    pump();
    EXPECT_EQ(ran, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

// Counts the probe messages that reached the window procedure.
constexpr UINT kProbeMessage = WM_APP + 7;
std::atomic<int> g_probes_seen{0};

LRESULT CALLBACK count_probes(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kProbeMessage) ++g_probes_seen;
    return DefWindowProcW(hwnd, msg, wp, lp);
}

TEST(UiDispatcher, TheMessageLoopGetsItsTurnWhileOutputNeverPauses) {
    // A slow console and a reader that never pauses: each batch ends only once the next one is
    // queued (or, when the reader got ahead and filled the queue while this thread waited for the
    // processor, after a moment), so the queue is never empty while the reader runs. Messages
    // posted to the window thread (as input and painting are) still get through between turns.
    std::atomic<bool> stop{false};
    std::atomic<long> posts{0};
    UiDispatcher d([&](const std::string&, std::string_view, std::span<const std::size_t>) {
        const long seen = posts;
        Sleep(2);
        for (int waited = 0; waited < 50 && !stop && posts == seen; ++waited) Sleep(1);
    });
    WNDCLASSW wc{};
    wc.lpfnWndProc = count_probes;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"CubeworksProbeTarget";
    RegisterClassW(&wc);
    const HWND target = CreateWindowW(wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      wc.hInstance, nullptr);
    ASSERT_NE(target, nullptr);
    g_probes_seen = 0;

    std::atomic<bool> produced{false};
    std::thread reader([&] {
        const std::string chunk(260, 'x');
        while (!stop) {
            d.post_console("box", chunk);
            ++posts;
        }
        produced = true;
    });
    std::atomic<DWORD> slowest{0};
    std::atomic<int> lost{0};
    std::thread prober([&] {
        for (int i = 1; i <= 5; ++i) {
            Sleep(50);
            const DWORD start = GetTickCount();
            PostMessageW(target, kProbeMessage, 0, 0);
            while (g_probes_seen < i && GetTickCount() - start < 2000) Sleep(1);
            if (g_probes_seen < i) {
                ++lost;
                break;
            }
            slowest = std::max<DWORD>(slowest, GetTickCount() - start);
        }
        stop = true;
    });
    EXPECT_TRUE(pump_until([&] { return produced.load(); }, 30000));
    prober.join();
    reader.join();
    pump();
    DestroyWindow(target);
    EXPECT_EQ(lost.load(), 0);
    EXPECT_LT(slowest.load(), 500u);
}

TEST(UiDispatcher, OnTheWindowThreadWorkRunsAtOnceAfterWhatIsQueued) {
    std::vector<int> ran;
    UiDispatcher d([](const std::string&, std::string_view, std::span<const std::size_t>) {});
    std::thread([&] { d.post([&] { ran.push_back(1); }); }).join();
    d.post([&] { ran.push_back(2); });
    EXPECT_EQ(ran, (std::vector<int>{1, 2}));
    EXPECT_EQ(d.ask([] { return 7; }), 7);
}

TEST(UiDispatcher, AfterShutDownWaitingThreadsGoOn) {
    UiDispatcher d([](const std::string&, std::string_view, std::span<const std::size_t>) {});
    std::atomic<int> answer{-1};
    std::thread asker([&] { answer = d.ask([] { return 5; }); });
    Sleep(100);
    d.shut_down();
    asker.join();
    EXPECT_EQ(answer.load(), 0);  // the default value: the read never ran
    std::thread([&] { d.post([] { FAIL() << "ran after shut-down"; }); }).join();
    pump();
}

}  // namespace
}  // namespace cw::win32
