// The four secondary windows of Cubeworks.exe worked from outside under Wine: opened from the
// main window's menus and the player window's button, each built from its own table, fixed,
// centred and not modal; opening an open window brings that one to the front; the pictures are
// shown; the tutorial works where Wine has no browser engine; and the two clipboard buttons of
// the main window. The test child stands in for the Java runtime, so that a (fake) game server
// runs when the player window and the test mode need one.
// Environment: CW_PROGRAM, CW_TEST_CHILD, CW_SCREENSHOTS.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
// clang-format on
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "server_window.h"
#include "ui/secondary_window_layouts.h"
#include "ui/win32/private_messages.h"
#include "ui/win32/wide_text.h"
#include "window_checks.h"

namespace cw::gui {
namespace {

using win32::to_wide;

// ---- The clipboard, read and written by the test ----

bool open_clipboard() {
    return wait_for([] { return OpenClipboard(nullptr) != FALSE; }, 5000);
}

void put_on_clipboard(const std::wstring& text) {
    if (!open_clipboard()) return;
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        memcpy(GlobalLock(memory), text.c_str(), bytes);
        GlobalUnlock(memory);
        if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
    }
    CloseClipboard();
}

// The clipboard's text in one format: CF_UNICODETEXT as UTF-16, CF_TEXT as its bytes widened
// one to one (the texts compared are ASCII). "<none>" when the format is missing.
std::wstring clipboard_text(UINT format) {
    std::wstring text = L"<none>";
    if (!open_clipboard()) return L"<not opened>";
    if (HANDLE data = GetClipboardData(format)) {
        const void* at = GlobalLock(data);
        if (format == CF_UNICODETEXT) {
            text = static_cast<const wchar_t*>(at);
        } else {
            const std::string bytes = static_cast<const char*>(at);
            text.assign(bytes.begin(), bytes.end());
        }
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// ---- What the screen shows ----

// True when a message box shows an icon (a visible icon control holding one).
bool shows_icon(HWND box) {
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        const LONG style = GetWindowLongW(c, GWL_STYLE);
        if (_wcsicmp(class_of(c).c_str(), L"Static") == 0 && (style & SS_TYPEMASK) == SS_ICON &&
            (style & WS_VISIBLE) && SendMessageW(c, STM_GETICON, 0, 0) != 0) {
            return true;
        }
    }
    return false;
}

// The colours of a grid of points over a window's visible part on the screen.
std::vector<COLORREF> screen_samples(HWND window) {
    RECT rc{};
    GetWindowRect(window, &rc);
    RECT parent{};
    GetClientRect(GetParent(window), &parent);
    MapWindowPoints(GetParent(window), HWND_DESKTOP, reinterpret_cast<POINT*>(&parent), 2);
    IntersectRect(&rc, &rc, &parent);
    std::vector<COLORREF> samples;
    HDC screen = GetDC(nullptr);
    for (int y = rc.top + 2; y < rc.bottom - 2; y += 7) {
        for (int x = rc.left + 2; x < rc.right - 20; x += 7)
            samples.push_back(GetPixel(screen, x, y));
    }
    ReleaseDC(nullptr, screen);
    return samples;
}

// The colour most of a window's own area shows on the screen.
COLORREF most_common_colour(HWND window) {
    RECT rc{};
    GetWindowRect(window, &rc);
    std::map<COLORREF, int> counts;
    HDC screen = GetDC(nullptr);
    for (int y = rc.top; y < rc.bottom; y += 2) {
        for (int x = rc.left; x < rc.right; x += 2) ++counts[GetPixel(screen, x, y)];
    }
    ReleaseDC(nullptr, screen);
    COLORREF most = CLR_INVALID;
    int seen = 0;
    for (const auto& [colour, n] : counts) {
        if (n > seen) most = colour, seen = n;
    }
    return most;
}

COLORREF colour_at(HWND window, POINT client) {
    ClientToScreen(window, &client);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, client.x, client.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

std::size_t distinct(const std::vector<COLORREF>& samples) {
    return std::set<COLORREF>(samples.begin(), samples.end()).size();
}

// True when `upper` lies above `lower` among the top-level windows.
bool above(HWND upper, HWND lower) {
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == upper) return true;
        if (w == lower) return false;
    }
    return false;
}

// The visible scroll bar a picture box puts at its right edge when its picture is taller.
HWND picture_scroll_bar(HWND box) {
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (_wcsicmp(class_of(c).c_str(), L"ScrollBar") == 0 && IsWindowVisible(c)) return c;
    }
    return nullptr;
}

class SecondaryWindows : public ServerWindowSuite {
  protected:
    static void SetUpTestSuite() { start_program(env(L"CW_TEST_CHILD")); }
    static void TearDownTestSuite() { end_program(); }
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(expect_running_program()); }

    // Chooses a menu entry of the main window and waits for the window it opens.
    static HWND open_from(std::string_view menu, std::string_view entry, const WindowSpec& of) {
        choose(menu, entry);
        return program_->wait_window(of, kTimeoutMs);
    }
    // What every secondary window is: its table's frame, size and place, beside the main
    // window (no owner, the main window still usable), with every control of its table.
    static void expect_secondary_window(HWND window, const WindowSpec& of) {
        ASSERT_NE(window, nullptr) << of.title.size();
        expect_fixed_centred_window(window, of);
        EXPECT_TRUE(GetWindowLongW(window, GWL_STYLE) & WS_MINIMIZEBOX);
        EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
        EXPECT_EQ(GetParent(window), nullptr);
        EXPECT_EQ(GetMenu(window), nullptr);
        EXPECT_TRUE(IsWindowEnabled(main())) << "the main window is blocked";
        expect_controls_as_table(window, of);
    }
    static HWND in(HWND window, const WindowSpec& of, std::string_view name) {
        return control_in(window, of, name);
    }
    static bool shown(HWND control) {
        return wait_for([&] { return IsWindowVisible(control) != FALSE; }, kTimeoutMs);
    }
    static bool hidden(HWND control) {
        return wait_for([&] { return IsWindowVisible(control) == FALSE; }, kTimeoutMs);
    }
};

// The tests below follow one program through its life, in this order.

TEST_F(SecondaryWindows, TheAuthorEntryOpensTheAboutWindowWithItsPicture) {
    const WindowSpec& about = about_window_spec();
    const HWND window = open_from(main_window::kAboutMenu, "作者", about);
    ASSERT_NO_FATAL_FAILURE(expect_secondary_window(window, about));
    // The picture box shows the carried picture, not an empty face.
    const HWND picture = in(window, about, about_window::kPicture);
    EXPECT_TRUE(wait_for([&] { return distinct(screen_samples(picture)) > 16; }, kTimeoutMs))
        << distinct(screen_samples(picture)) << " colours";
    EXPECT_EQ(picture_scroll_bar(picture), nullptr);  // 176x192 fits its box
    // The label on the window itself shows its text on the window's face, like the labels
    // inside the groups.
    const COLORREF face = colour_at(window, POINT{20, 260});
    EXPECT_EQ(most_common_colour(in(window, about, "透明标签1")), face) << std::hex << face;
    screenshot(window, L"about");
}

TEST_F(SecondaryWindows, TheSponsorListCoversTheStatementUntilBack) {
    const WindowSpec& about = about_window_spec();
    const HWND window = program_->wait_window(about, kTimeoutMs);
    ASSERT_NE(window, nullptr);
    const HWND group = in(window, about, about_window::kSponsorListGroup);
    const HWND statement_frame = in(window, about, "分组框1");
    ASSERT_FALSE(IsWindowVisible(group));
    click(in(window, about, about_window::kSponsorListButton));
    ASSERT_TRUE(shown(group));
    // It lies over the statement box in the same frame.
    EXPECT_EQ(ChildWindowFromPointEx(statement_frame, POINT{60, 60}, CWP_SKIPINVISIBLE), group);
    screenshot(window, L"about-sponsors");
    click(in(window, about, about_window::kBackButton));
    EXPECT_TRUE(hidden(group));
    EXPECT_EQ(ChildWindowFromPointEx(statement_frame, POINT{60, 60}, CWP_SKIPINVISIBLE),
              in(window, about, "编辑框1"));
}

TEST_F(SecondaryWindows, TheTutorialOpensWithoutABrowserEngineAndAsksNothing) {
    const WindowSpec& tutorial = tutorial_window_spec();
    const HWND window = open_from(main_window::kAboutMenu, "教程视频", tutorial);
    ASSERT_NO_FATAL_FAILURE(expect_secondary_window(window, tutorial));
    // No engine-install prompt nor any other window: the main, about and tutorial windows.
    EXPECT_EQ(program_->wait_message_box(1500).hwnd, nullptr);
    EXPECT_EQ(program_->visible_windows().size(), 3u);
    // The buttons above the page view stay reachable.
    const HWND web_page = in(window, tutorial, tutorial_window::kWebPageButton);
    RECT at = rect_in(web_page, window);
    EXPECT_EQ(ChildWindowFromPointEx(window, POINT{at.left + 5, at.top + 5}, CWP_SKIPINVISIBLE),
              web_page);
    screenshot(window, L"tutorial");
}

TEST_F(SecondaryWindows, TheTutorialToolsGroupComesAndGoes) {
    const WindowSpec& tutorial = tutorial_window_spec();
    const HWND window = program_->wait_window(tutorial, kTimeoutMs);
    ASSERT_NE(window, nullptr);
    const HWND tools = in(window, tutorial, tutorial_window::kToolsGroup);
    ASSERT_FALSE(IsWindowVisible(tools));
    click(in(window, tutorial, tutorial_window::kToolsButton));
    ASSERT_TRUE(shown(tools));
    // Over the page view, with its two download buttons usable.
    const RECT group_at = rect_in(tools, window);
    EXPECT_EQ(ChildWindowFromPointEx(window, POINT{group_at.left + 10, group_at.top + 10},
                                     CWP_SKIPINVISIBLE),
              tools);
    const HWND notepad = in(window, tutorial, tutorial_window::kNotepadButton);
    EXPECT_EQ(ChildWindowFromPointEx(tools, POINT{40, 20}, CWP_SKIPINVISIBLE), notepad);
    EXPECT_TRUE(IsWindowVisible(notepad));
    EXPECT_TRUE(IsWindowVisible(in(window, tutorial, tutorial_window::kLauncherButton)));
    screenshot(window, L"tutorial-tools");
    click(in(window, tutorial, tutorial_window::kCloseToolsButton));
    EXPECT_TRUE(hidden(tools));
}

TEST_F(SecondaryWindows, OpeningAnOpenWindowBringsThatOneToTheFront) {
    const WindowSpec& about = about_window_spec();
    const WindowSpec& tutorial = tutorial_window_spec();
    const HWND about_window = program_->wait_window(about, kTimeoutMs);
    const HWND tutorial_window = program_->wait_window(tutorial, kTimeoutMs);
    ASSERT_NE(about_window, nullptr);
    ASSERT_NE(tutorial_window, nullptr);
    ASSERT_TRUE(above(tutorial_window, about_window));  // opened last

    choose(main_window::kAboutMenu, "作者");
    EXPECT_TRUE(wait_for([&] { return above(about_window, tutorial_window); }, kTimeoutMs));
    EXPECT_EQ(program_->windows_of(about), std::vector<HWND>{about_window});
    EXPECT_EQ(GetForegroundWindow(), about_window);

    // A minimised one comes back as it was.
    PostMessageW(tutorial_window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(wait_for([&] { return IsIconic(tutorial_window) != FALSE; }, kTimeoutMs));
    choose(main_window::kAboutMenu, "教程视频");
    EXPECT_TRUE(wait_for([&] { return IsIconic(tutorial_window) == FALSE; }, kTimeoutMs));
    EXPECT_TRUE(wait_for([&] { return above(tutorial_window, about_window); }, kTimeoutMs));
    EXPECT_EQ(program_->windows_of(tutorial), std::vector<HWND>{tutorial_window});
    RECT rc{};
    GetWindowRect(tutorial_window, &rc);
    EXPECT_EQ(rc.right - rc.left, tutorial.width);
}

TEST_F(SecondaryWindows, ClosingASecondaryWindowLeavesTheProgramAndItComesBackFresh) {
    const WindowSpec& about = about_window_spec();
    const HWND first = program_->wait_window(about, kTimeoutMs);
    ASSERT_NE(first, nullptr);
    click(in(first, about, about_window::kSponsorListButton));
    ASSERT_TRUE(shown(in(first, about, about_window::kSponsorListGroup)));
    PostMessageW(first, WM_CLOSE, 0, 0);
    ASSERT_TRUE(wait_for([&] { return !IsWindow(first); }, kTimeoutMs));
    Sleep(300);
    EXPECT_TRUE(program_->running());
    EXPECT_TRUE(IsWindowVisible(main()));
    EXPECT_TRUE(IsWindowEnabled(main()));

    const HWND second = open_from(main_window::kAboutMenu, "作者", about);
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(IsWindowVisible(in(second, about, about_window::kSponsorListGroup)));
    EXPECT_EQ(program_->windows_of(about).size(), 1u);
    PostMessageW(second, WM_CLOSE, 0, 0);
    const HWND tutorial = program_->wait_window(tutorial_window_spec(), kTimeoutMs);
    PostMessageW(tutorial, WM_CLOSE, 0, 0);
    EXPECT_TRUE(wait_for([&] { return !IsWindow(second) && !IsWindow(tutorial); }, kTimeoutMs));
    EXPECT_TRUE(program_->running());
}

TEST_F(SecondaryWindows, CopyIpPutsTheLanAddressOnTheClipboardInBothForms) {
    put_on_clipboard(L"before");
    const std::wstring lan = text_of(control(main_window::kLanAddressLabel));
    click(control(main_window::kCopyAddressButton));
    const MessageBoxSeen box = program_->wait_message_box(kTimeoutMs);
    ASSERT_NE(box.hwnd, nullptr);
    EXPECT_EQ(box.title, to_wide("Cubeworks-开服器提示"));
    EXPECT_EQ(box.text, to_wide("恭喜你复制成功内网ip[内网ip用于映射]"));
    EXPECT_TRUE(shows_icon(box.hwnd)) << "a warning icon";
    EXPECT_EQ(GetDlgItem(box.hwnd, IDCANCEL), nullptr);
    answer_next();
    EXPECT_EQ(clipboard_text(CF_UNICODETEXT), lan);
    EXPECT_EQ(clipboard_text(CF_TEXT), lan);
}

TEST_F(SecondaryWindows, CopyIpWhileAnotherProgramHoldsTheClipboardSaysItCopiedNothing) {
    put_on_clipboard(L"before");
    // Held by a window of this test until the answer is read (a clipboard opened without a
    // window is not held against other programs under Wine).
    const HWND holder = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                        nullptr, nullptr);
    ASSERT_TRUE(holder && OpenClipboard(holder));
    click(control(main_window::kCopyAddressButton));
    const MessageBoxSeen box = program_->wait_message_box(kTimeoutMs);
    CloseClipboard();
    DestroyWindow(holder);
    ASSERT_NE(box.hwnd, nullptr);
    EXPECT_EQ(box.title, to_wide("Cubeworks-开服器提示"));
    EXPECT_EQ(box.text, to_wide("复制失败：剪贴板正被其他程序使用，请稍后再试"));
    answer_next();
    EXPECT_EQ(clipboard_text(CF_UNICODETEXT), L"before");
}

TEST_F(SecondaryWindows, TestModeBeforeTheServerRunsCopiesNothing) {
    put_on_clipboard(L"before");
    click(control(main_window::kTestModeButton));
    const MessageBoxSeen box = program_->wait_message_box(kTimeoutMs);
    ASSERT_NE(box.hwnd, nullptr);
    EXPECT_EQ(box.title, to_wide("信息："));
    EXPECT_EQ(box.text, to_wide("开启服务器后自动进入测试模式"));
    EXPECT_FALSE(shows_icon(box.hwnd));
    answer_next();
    EXPECT_EQ(clipboard_text(CF_UNICODETEXT), L"before");
}

TEST_F(SecondaryWindows, TestModeWhileTheServerRunsCopiesAddressAndPort) {
    click(control(main_window::kStartButton));
    ASSERT_TRUE(status_reads(main_window::kStatusPart, "服务器已开启")) << status_text();
    put_on_clipboard(L"before");
    click(control(main_window::kTestModeButton));
    const MessageBoxSeen box = answer_next();
    ASSERT_NE(box.hwnd, nullptr);
    EXPECT_EQ(box.title, to_wide("信息："));
    EXPECT_EQ(box.text, to_wide("测试服务器ip已经复制，到游戏中粘贴IP加入即可"));
    const std::wstring expected =
        text_of(control(main_window::kLanAddressLabel)) + L":" + std::to_wstring(port_);
    EXPECT_EQ(clipboard_text(CF_UNICODETEXT), expected);
    EXPECT_EQ(clipboard_text(CF_TEXT), expected);
}

TEST_F(SecondaryWindows, ThePlayerListOpensFromTheOnlineMenuWhileTheServerRuns) {
    const WindowSpec& players = player_window_spec();
    const HWND window = open_from(main_window::kOnlineMenu, "管理列表", players);
    ASSERT_NO_FATAL_FAILURE(expect_secondary_window(window, players));
    const HWND list = in(window, players, player_window::kList);
    const std::pair<const char*, int> columns[] = {
        {"当前在线", 98}, {"是否管理员", 98}, {"当前模式", 150}};
    for (int i = 0; i < 3; ++i) {
        int width = 0;
        EXPECT_EQ(program_->list_column(list, i, &width), to_wide(columns[i].first));
        EXPECT_EQ(width, columns[i].second);
    }
    EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 0);  // the test child lists nobody
    screenshot(window, L"player-window");
}

TEST_F(SecondaryWindows, ARightClickOnThePlayerListPopsUpTheManagementMenu) {
    const WindowSpec& players = player_window_spec();
    const HWND window = program_->wait_window(players, kTimeoutMs);
    ASSERT_NE(window, nullptr);
    const HWND list = in(window, players, player_window::kList);
    RECT rc{};
    GetWindowRect(list, &rc);
    const POINT at{rc.left + 80, rc.top + 120};
    // Eight entries, its top-left corner 3 pixels right of and below the cursor.
    const RECT menu = right_click_for_menu(*program_, list, at, {at.x + 3, at.y + 3}, kTimeoutMs);
    ASSERT_NE(menu.right, 0) << "no menu popped up";
    EXPECT_EQ(menu.left, at.x + 3);
    EXPECT_EQ(menu.top, at.y + 3);
    EXPECT_GT(menu.bottom - menu.top, 8 * 12);
    screenshot(window, L"player-window-menu");
    PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageW(window, WM_KEYUP, VK_ESCAPE, 0);
    EXPECT_TRUE(wait_for([&] { return program_->popup_menus().empty(); }, kTimeoutMs));
}

TEST_F(SecondaryWindows, GiveItemsShowsTheGiveGroupOverTheListAndTheAmountStopsAt64) {
    const WindowSpec& players = player_window_spec();
    const HWND window = program_->wait_window(players, kTimeoutMs);
    ASSERT_NE(window, nullptr);
    const HWND group = in(window, players, player_window::kGiveGroup);
    ASSERT_FALSE(IsWindowVisible(group));
    PostMessageW(window, WM_COMMAND,
                 MAKEWPARAM(menu_id(players, player_window::kMenu, "给予物品"), 0), 0);
    ASSERT_TRUE(shown(group));
    EXPECT_EQ(ChildWindowFromPointEx(window, POINT{100, 50}, CWP_SKIPINVISIBLE), group);

    // Typed as the operator types: two digits at most, and above 64 the box says 64.
    const HWND amount = in(window, players, player_window::kAmountBox);
    for (wchar_t digit : {L'9', L'9', L'9'}) PostMessageW(amount, WM_CHAR, digit, 1);
    EXPECT_TRUE(wait_for([&] { return text_of(amount) == L"64"; }, kTimeoutMs)) << text_of(amount);
    ASSERT_TRUE(set_text_of(amount, L""));
    for (wchar_t typed : {L'4', L'x', L'2'}) PostMessageW(amount, WM_CHAR, typed, 1);
    EXPECT_TRUE(wait_for([&] { return text_of(amount) == L"42"; }, kTimeoutMs)) << text_of(amount);
    screenshot(window, L"player-window-give");
}

TEST_F(SecondaryWindows, TheIdTableButtonOpensTheItemIdWindowOnceAndItsPictureScrolls) {
    const WindowSpec& players = player_window_spec();
    const WindowSpec& ids = item_id_window_spec();
    const HWND player_window = program_->wait_window(players, kTimeoutMs);
    ASSERT_NE(player_window, nullptr);
    click(in(player_window, players, player_window::kIdTableButton));
    const HWND window = program_->wait_window(ids, kTimeoutMs);
    ASSERT_NO_FATAL_FAILURE(expect_secondary_window(window, ids));

    // The 530x1904 table drawn at the box's width is taller than the window: it scrolls, with
    // a scroll bar at the right edge of the part of the box the window shows.
    const HWND picture = in(window, ids, item_id_window::kPicture);
    HWND bar = nullptr;
    ASSERT_TRUE(
        wait_for([&] { return (bar = picture_scroll_bar(picture)) != nullptr; }, kTimeoutMs));
    RECT client{};
    GetClientRect(window, &client);
    const RECT bar_at = rect_in(bar, window);
    EXPECT_EQ(bar_at.right, client.right);
    EXPECT_EQ(bar_at.top, 0);
    EXPECT_EQ(bar_at.bottom, client.bottom);
    EXPECT_TRUE(wait_for([&] { return distinct(screen_samples(picture)) > 16; }, kTimeoutMs));
    screenshot(window, L"item-id");

    const std::vector<COLORREF> top = screen_samples(picture);
    EXPECT_EQ(SendMessageW(bar, SBM_GETPOS, 0, 0), 0);
    PostMessageW(picture, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    EXPECT_TRUE(wait_for([&] { return SendMessageW(bar, SBM_GETPOS, 0, 0) == 48; }, kTimeoutMs))
        << SendMessageW(bar, SBM_GETPOS, 0, 0);
    EXPECT_TRUE(wait_for([&] { return screen_samples(picture) != top; }, kTimeoutMs));
    // End goes to the bottom: the last part of the table fills the shown part of the box.
    PostMessageW(picture, WM_KEYDOWN, VK_END, 0);
    const LRESULT most = 1904 * 528 / 530 - client.bottom;
    EXPECT_TRUE(wait_for([&] { return std::abs(SendMessageW(bar, SBM_GETPOS, 0, 0) - most) <= 2; },
                         kTimeoutMs))
        << SendMessageW(bar, SBM_GETPOS, 0, 0) << " of " << most;
    screenshot(window, L"item-id-bottom");

    // The button again brings the same window to the front.
    SetForegroundWindow(player_window);
    click(in(player_window, players, player_window::kIdTableButton));
    EXPECT_TRUE(wait_for([&] { return above(window, player_window); }, kTimeoutMs));
    Sleep(300);
    EXPECT_EQ(program_->windows_of(ids), std::vector<HWND>{window});
}

// The main window's icon in the notification area, seen from here: only an icon that is there
// can be modified.
bool has_tray_icon(HWND window) {
    NOTIFYICONDATAW nid{};
    nid.cbSize = sizeof nid;
    nid.hWnd = window;
    nid.uID = win32::kTrayIconId;
    return Shell_NotifyIconW(NIM_MODIFY, &nid) != FALSE;
}

// A shell that restarts loses every icon and announces its new taskbar with the registered
// "TaskbarCreated" message; a window in the background must add its icon again, or it could only
// be reached by ending the process.
TEST_F(SecondaryWindows, InTheBackgroundTheIconComesBackWhenTheTaskbarIsCreatedAgain) {
    const UINT taskbar_created = RegisterWindowMessageW(L"TaskbarCreated");
    ShowWindow(main(), SW_MINIMIZE);
    ASSERT_TRUE(
        wait_for([] { return !IsWindowVisible(main()) && has_tray_icon(main()); }, kTimeoutMs));
    NOTIFYICONDATAW nid{};
    nid.cbSize = sizeof nid;
    nid.hWnd = main();
    nid.uID = win32::kTrayIconId;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &nid));  // the old taskbar goes, with the icon
    ASSERT_FALSE(has_tray_icon(main()));
    SendMessageW(main(), taskbar_created, 0, 0);
    EXPECT_TRUE(wait_for([] { return has_tray_icon(main()); }, kTimeoutMs));

    // Back in front (a double-click on the icon), the window has no icon to bring back.
    SendMessageW(main(), win32::kMsgTrayIcon, win32::kTrayIconId, WM_LBUTTONDBLCLK);
    ASSERT_TRUE(wait_for([] { return IsWindowVisible(main()) != FALSE; }, kTimeoutMs));
    ASSERT_TRUE(wait_for([] { return !has_tray_icon(main()); }, kTimeoutMs));
    SendMessageW(main(), taskbar_created, 0, 0);
    Sleep(300);
    EXPECT_FALSE(has_tray_icon(main()));
}

TEST_F(SecondaryWindows, ClosingTheMainWindowEndsTheProgramWithItsSecondaryWindowsOpen) {
    click(control(main_window::kStopButton));
    ASSERT_TRUE(status_reads(main_window::kStatusPart, "服务器已关闭")) << status_text();
    ASSERT_EQ(program_->windows_of(player_window_spec()).size(), 1u);
    ASSERT_EQ(program_->windows_of(item_id_window_spec()).size(), 1u);
    PostMessageW(main(), WM_CLOSE, 0, 0);
    EXPECT_EQ(program_->wait_exit(kTimeoutMs), 0);
}

}  // namespace
}  // namespace cw::gui
