// Drives Cubeworks.exe under Wine: starts it in an empty program folder, finds its windows and
// controls through the window table, and checks what the operator would see and do.
// Environment: CW_PROGRAM (the built program), CW_SCREENSHOTS (folder for window captures),
// CW_TEST_CHILD (the test child, installed as a Java runtime by server_gui_test.cpp).
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>

#include "config/properties.h"
#include "config/workspace.h"
#include "payload/payload.h"
#include "platform/picture.h"
#include "remote_program.h"
#include "support/test_pictures.h"
#include "ui/main_window_layout.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/wide_text.h"
#include "window_checks.h"

namespace cw::gui {
namespace {

using win32::to_wide;

constexpr DWORD kStartTimeoutMs = 60000;  // writes the 19 MB server jar before it shows
constexpr DWORD kTimeoutMs = 10000;

const WindowSpec& table() {
    return main_window_spec();
}

int menu_id(std::string_view menu, std::string_view caption) {
    return gui::menu_id(table(), menu, caption);
}

// Controls whose content the start-up replaces (LAN address, Java path, the server settings
// read from server.properties); their design-time content is checked in-process instead.
const std::set<std::string_view> kFilledAtStart = {
    "透明标签4",    "编辑框_java", "地狱_组合框", "PVP_组合框1",    "怪物_组合框2",
    "难度_组合框1", "renshu",      "端口_编辑框", "保护范围_编辑框"};

// ---- A first start in an empty program folder without any Java runtime ----

class FirstStart : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        delete_java_keys();
        folder_ = std::make_unique<ProgramFolder>();
        program_ = std::make_unique<RemoteProgram>();
        ASSERT_TRUE(program_->start(env(L"CW_PROGRAM"), folder_->path()));
        program_->wait_main_window(table(), kStartTimeoutMs, &notices_);
    }
    static void TearDownTestSuite() {
        program_.reset();
        folder_.reset();
    }
    void SetUp() override {
        ASSERT_NE(program_->main_window(), nullptr) << "the main window never showed";
    }
    static HWND main() { return program_->main_window(); }
    static HWND control(std::string_view name) { return program_->control(table(), name); }
    // The message box the next action brings up: its title and text; answered with OK.
    static MessageBoxSeen answer_next_message() {
        MessageBoxSeen box = program_->wait_message_box(kTimeoutMs);
        if (box.hwnd) {
            answer_ok(box.hwnd);
            wait_for([&] { return !IsWindow(box.hwnd) || !IsWindowVisible(box.hwnd); }, kTimeoutMs);
        }
        return box;
    }

    static std::unique_ptr<ProgramFolder> folder_;
    static std::unique_ptr<RemoteProgram> program_;
    static std::vector<MessageBoxSeen> notices_;
};

std::unique_ptr<ProgramFolder> FirstStart::folder_;
std::unique_ptr<RemoteProgram> FirstStart::program_;
std::vector<MessageBoxSeen> FirstStart::notices_;

TEST_F(FirstStart, TellsThatNoJavaWasFoundAndLeavesTheJavaPathEmpty) {
    ASSERT_EQ(notices_.size(), 1u);
    EXPECT_EQ(notices_[0].title, to_wide("信息："));
    EXPECT_EQ(notices_[0].text, to_wide("没有找到java请安装"));
    EXPECT_EQ(text_of(control("编辑框_java")), L"");
    screenshot(main(), L"page1-home");
}

TEST_F(FirstStart, WindowTitleSizeFrameAndPlace) {
    expect_fixed_centred_window(main(), table());
    const LONG style = GetWindowLongW(main(), GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_NE(GetMenu(main()), nullptr);
}

TEST_F(FirstStart, EveryControlHasItsKindCaptionPlaceAndInitialState) {
    expect_controls_as_table(main(), table(), kFilledAtStart);
}

TEST_F(FirstStart, TabsListStatusBarProgressAndConsole) {
    const HWND tab = control(main_window::kTab);
    EXPECT_EQ(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageW(tab, TCM_GETCURSEL, 0, 0), 0);  // page 1 at start
    EXPECT_EQ(program_->tab_caption(tab, 0), to_wide("首页-play "));
    EXPECT_EQ(program_->tab_caption(tab, 1), to_wide("后台"));
    EXPECT_EQ(program_->tab_caption(tab, 2), to_wide("插件列表"));

    const HWND list = control("超级列表框_插件");
    int width = 0;
    EXPECT_EQ(program_->list_column(list, 0, &width), to_wide("插件名称"));
    EXPECT_EQ(width, 300);
    // The start-up ends with the plugin list: the companion plugin it has just deployed.
    ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 1);
    EXPECT_EQ(program_->list_item_text(list, 0), L"Cubeworks-rs");
    EXPECT_EQ(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), -1);

    const HWND bar = control("状态条1");
    EXPECT_EQ(program_->status_parts(bar), (std::vector<int>{130, -1}));
    EXPECT_EQ(program_->status_text(bar, 0), to_wide("Cubeworks-开服器提示："));
    EXPECT_EQ(program_->status_text(bar, 1), L"");

    const HWND cpu = control("进度条1");
    EXPECT_EQ(SendMessageW(cpu, PBM_GETRANGE, TRUE, 0), 0);
    EXPECT_EQ(SendMessageW(cpu, PBM_GETRANGE, FALSE, 0), 100);

    const HWND console = control("编辑框_回显文本");
    EXPECT_GE(static_cast<std::size_t>(SendMessageW(console, EM_GETLIMITTEXT, 0, 0)),
              std::size_t{300000});
    EXPECT_EQ(SendMessageW(control("选择框1"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(FirstStart, MenuBarEntriesAndTheEntryThatCanNeverBeChosen) {
    const HMENU bar = GetMenu(main());
    ASSERT_NE(bar, nullptr);
    // Drop down "[在线管理]" from the keyboard and keep a picture of it.
    PostMessageW(main(), WM_SYSCOMMAND, SC_KEYMENU, 0);
    for (WPARAM key : {VK_RIGHT, VK_RIGHT, VK_DOWN}) {
        PostMessageW(main(), WM_KEYDOWN, key, 0);
        PostMessageW(main(), WM_KEYUP, key, 0);
    }
    EXPECT_TRUE(wait_for([&] { return !program_->popup_menus().empty(); }, kTimeoutMs));
    screenshot(main(), L"menu-online");
    for (int i = 0; i < 3 && !program_->popup_menus().empty(); ++i) {
        PostMessageW(main(), WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessageW(main(), WM_KEYUP, VK_ESCAPE, 0);
        Sleep(200);
    }
    PostMessageW(main(), WM_KEYDOWN, VK_ESCAPE, 0);  // leaves the menu bar
    PostMessageW(main(), WM_KEYUP, VK_ESCAPE, 0);
    EXPECT_TRUE(wait_for([&] { return program_->popup_menus().empty(); }, kTimeoutMs));

    // Wine keeps a menu's entries inside its own process; Windows lets them be read.
    if (GetMenuItemCount(bar) < 0) GTEST_SKIP() << "menus of another process are not readable here";
    ASSERT_EQ(GetMenuItemCount(bar), 3);
    const HMENU online = GetSubMenu(bar, 2);
    ASSERT_NE(online, nullptr);
    ASSERT_EQ(GetMenuItemCount(online), 3);
    wchar_t caption[128] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_STRING;
    info.dwTypeData = caption;
    info.cch = 128;
    ASSERT_TRUE(GetMenuItemInfoW(online, 2, TRUE, &info));
    EXPECT_EQ(std::wstring(caption), to_wide("服务器开启后本功能才有效"));
    EXPECT_TRUE(info.fState & MFS_DISABLED);
    EXPECT_EQ(static_cast<int>(info.wID), menu_id("[在线管理]", "服务器开启后本功能才有效"));
}

TEST_F(FirstStart, MenuEntriesThatOnlyInform) {
    const std::pair<std::pair<const char*, const char*>, const char*> cases[] = {
        {{"服务器管理>设置服务器图标", "帮助[设置前戳我]"}, "准备一张64X64或128X128的*.png图片"},
        {{"服务器管理", "Cubeworks-指令管理者"}, "尽情期待"},
        {{"[在线管理]", "管理列表"}, "开启服务器本功能可使用"},  // the server is not running
    };
    for (const auto& [entry, text] : cases) {
        SCOPED_TRACE(entry.second);
        const int id = menu_id(entry.first, entry.second);
        ASSERT_GE(id, 0);
        PostMessageW(main(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
        const MessageBoxSeen box = answer_next_message();
        ASSERT_NE(box.hwnd, nullptr);
        EXPECT_EQ(box.title, to_wide("信息："));
        EXPECT_EQ(box.text, to_wide(text));
        // OK only, no icon.
        EXPECT_EQ(GetDlgItem(box.hwnd, IDCANCEL), nullptr);
        EXPECT_EQ(GetDlgItem(box.hwnd, IDNO), nullptr);
    }
}

TEST_F(FirstStart, TabsSwitchPagesWhenClicked) {
    const HWND tab = control(main_window::kTab);
    const HWND pages[] = {control("高级选择夹1_页1"), control("高级选择夹1_页2"),
                          control("高级选择夹1_页3")};
    const wchar_t* names[] = {L"page1-home", L"page2-console", L"page3-plugins"};
    for (int p : {1, 2, 0}) {
        click_tab(*program_, tab, p);
        EXPECT_TRUE(wait_for([&] { return IsWindowVisible(pages[p]) != FALSE; }, kTimeoutMs));
        for (int q = 0; q < 3; ++q) EXPECT_EQ(IsWindowVisible(pages[q]) != FALSE, q == p) << q;
        if (p != 0) screenshot(main(), names[p]);
    }
}

TEST_F(FirstStart, RightClickBelowThePluginRowsPopsUpThePluginMenu) {
    click_tab(*program_, control(main_window::kTab), 2);
    const HWND list = control("超级列表框_插件");
    ASSERT_TRUE(wait_for([&] { return IsWindowVisible(list) != FALSE; }, kTimeoutMs));
    ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 1);
    RECT rc{};
    GetWindowRect(list, &rc);
    const POINT at{rc.left + 60, rc.top + 100};
    // Its top-left corner 3 pixels right of and below the cursor.
    const RECT menu = right_click_for_menu(*program_, list, at, {at.x + 3, at.y + 3}, kTimeoutMs);
    ASSERT_NE(menu.right, 0) << "no menu popped up";
    EXPECT_EQ(menu.left, at.x + 3);
    EXPECT_EQ(menu.top, at.y + 3);
    screenshot(main(), L"page3-plugin-menu");
    // Dismiss it without choosing.
    PostMessageW(main(), WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageW(main(), WM_KEYUP, VK_ESCAPE, 0);
    EXPECT_TRUE(wait_for([&] { return program_->popup_menus().empty(); }, kTimeoutMs));
    click_tab(*program_, control(main_window::kTab), 0);
}

TEST_F(FirstStart, MoreSettingsShowsTheServerSettingsGroup) {
    click_tab(*program_, control(main_window::kTab), 0);
    const HWND group = control("分组框4");
    ASSERT_FALSE(GetWindowLongW(group, GWL_STYLE) & WS_VISIBLE);
    PostMessageW(control("按钮7"), BM_CLICK, 0, 0);
    EXPECT_TRUE(wait_for([&] { return IsWindowVisible(group) != FALSE; }, kTimeoutMs));
    // It lies over the controls beneath it.
    EXPECT_EQ(ChildWindowFromPointEx(GetParent(group), POINT{30, 110}, CWP_SKIPINVISIBLE), group);
    screenshot(main(), L"page1-more-settings");
}

bool write_file(const std::wstring& path, const std::string& bytes) {
    const HANDLE h =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
    return written == bytes.size();
}

TEST_F(FirstStart, InstallThroughTheOpenFileDialogCopiesTheJarAndListsIt) {
    // An ASCII name: the program's file functions take the system's code page, which under
    // the test session's locale is not the Chinese one.
    ProgramFolder downloads;
    const std::wstring source = downloads.path() + L"\\my.plugins\\PluginA.jar";
    ASSERT_TRUE(CreateDirectoryW((downloads.path() + L"\\my.plugins").c_str(), nullptr));
    ASSERT_TRUE(write_file(source, "a plugin jar"));
    click_tab(*program_, control(main_window::kTab), 2);
    click(control("按钮9"));
    const HWND dialog = program_->wait_file_dialog(kTimeoutMs);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(choose_in_file_dialog(dialog, source, kTimeoutMs));
    const MessageBoxSeen box = answer_next_message();
    EXPECT_EQ(box.title, to_wide("信息："));
    EXPECT_EQ(box.text, to_wide("安装成功!"));
    EXPECT_EQ(folder_->file("\\Cubeworks-Admin\\plugins\\PluginA.jar"), "a plugin jar");
    const HWND list = control("超级列表框_插件");
    ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 2);
    std::set<std::wstring> rows = {program_->list_item_text(list, 0),
                                   program_->list_item_text(list, 1)};
    EXPECT_EQ(rows, (std::set<std::wstring>{L"Cubeworks-rs", L"PluginA"}));
    screenshot(main(), L"page3-plugins-installed");
    EXPECT_EQ(program_->wait_message_box(300).hwnd, nullptr);  // stopped: no restart hint
    click_tab(*program_, control(main_window::kTab), 0);
}

TEST_F(FirstStart, ProtectionModeWritesAndRemovesTheAntiAttackJar) {
    click(control("选择框1"));
    MessageBoxSeen box = answer_next_message();
    EXPECT_EQ(box.title, to_wide("服务器娘提示："));
    EXPECT_EQ(box.text, to_wide("开启成功[现在服务器已经进入保护模式啦],重启服务器后进入保护模式"));
    const auto carried = payload::as_text(payload::banattack_jar());
    EXPECT_TRUE(folder_->file(kBanAttackJarPath) == carried);
    EXPECT_EQ(SendMessageW(control("选择框1"), BM_GETCHECK, 0, 0), BST_CHECKED);

    click(control("选择框1"));
    box = answer_next_message();
    EXPECT_EQ(box.title, to_wide("信息："));
    EXPECT_EQ(box.text, to_wide("关闭成功，请重启服务器"));
    EXPECT_TRUE(wait_for([] { return folder_->file(kBanAttackJarPath).empty(); }, kTimeoutMs));
    EXPECT_EQ(SendMessageW(control("选择框1"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(FirstStart, SaveRefusesANegativeMemoryValueAndWritesNothing) {
    ASSERT_TRUE(set_text_of(control("编辑框4"), L"-1"));
    click(control("按钮8"));
    const MessageBoxSeen box = answer_next_message();
    EXPECT_EQ(box.title, to_wide("信息："));
    EXPECT_EQ(box.text, to_wide("内存设置不能为负数！"));
    Sleep(300);
    EXPECT_EQ(folder_->file("\\data\\config.ini"), "");
    ASSERT_TRUE(set_text_of(control("编辑框4"), L"504"));
}

TEST_F(FirstStart, SaveWritesTheLauncherSettingsAndHidesTheServerSettings) {
    click_tab(*program_, control(main_window::kTab), 0);
    click(control("按钮7"));
    const HWND group = control("分组框4");
    ASSERT_TRUE(wait_for([&] { return IsWindowVisible(group) != FALSE; }, kTimeoutMs));
    ASSERT_TRUE(set_text_of(control("编辑框_最大内存"), L"2048"));
    click(control("按钮8"));
    const MessageBoxSeen box = answer_next_message();
    EXPECT_EQ(box.title, to_wide("温馨提示："));
    EXPECT_EQ(box.text, to_wide("服务器重启后有效"));
    EXPECT_EQ(folder_->file("\\data\\config.ini"), "[Memory]\r\nMax=2048\r\n");
    EXPECT_FALSE(IsWindowVisible(group));
    screenshot(main(), L"page1-after-save");
}

TEST_F(FirstStart, TheIconFromA128PngOrAJpegIsWrittenAsA64By64Png) {
    ProgramFolder pictures;
    const std::pair<const wchar_t*, std::string> sources[] = {
        {L"\\big.png", test::png_picture(128, 128)},
        {L"\\photo.jpg", test::encoded_picture(128, 128, L"image/jpeg")},
    };
    const int set_icon = menu_id("服务器管理>设置服务器图标", "设置图标");
    ASSERT_GE(set_icon, 0);
    for (const auto& [name, bytes] : sources) {
        SCOPED_TRACE(std::string(name, name + wcslen(name)));
        ASSERT_FALSE(bytes.empty());
        const std::wstring path = pictures.path() + name;
        ASSERT_TRUE(write_file(path, bytes));
        DeleteFileW((folder_->path() + L"\\Cubeworks-Admin\\server-icon.png").c_str());
        PostMessageW(main(), WM_COMMAND, MAKEWPARAM(set_icon, 0), 0);
        const HWND dialog = program_->wait_file_dialog(kTimeoutMs);
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(choose_in_file_dialog(dialog, path, kTimeoutMs));
        const MessageBoxSeen box = answer_next_message();
        EXPECT_EQ(box.text, to_wide("设置成功"));
        const std::string icon = folder_->file(kServerIconPath);
        EXPECT_EQ(picture::png_size(icon), (picture::Size{64, 64})) << icon.size();
    }
}

TEST_F(FirstStart, DeploysTheWorkspace) {
    const auto server = payload::as_text(payload::server_jar());
    const auto companion = payload::as_text(payload::companion_jar());
    const std::string jar = folder_->file(kServerJarPath);
    EXPECT_EQ(jar.size(), server.size());
    EXPECT_TRUE(jar == server) << "server jar differs";
    const std::string plugin = folder_->file(kCompanionJarPath);
    EXPECT_EQ(plugin.size(), companion.size());
    EXPECT_TRUE(plugin == companion) << "companion plugin differs";
    EXPECT_EQ(folder_->file(kPropertiesPath), default_properties_text());
}

TEST_F(FirstStart, ClosingWhileStoppedEndsTheProgramAtOnce) {
    PostMessageW(main(), WM_CLOSE, 0, 0);
    EXPECT_EQ(program_->wait_exit(kTimeoutMs), 0);
    EXPECT_TRUE(program_->popup_menus().empty());
}

// ---- A start with a Java runtime registered ----

TEST(StartWithJava, FillsTheJavaPathFromTheRegisteredRuntime) {
    delete_java_keys();
    register_java("1.7", "C:\\jre7");
    ProgramFolder folder;
    RemoteProgram program;
    ASSERT_TRUE(program.start(env(L"CW_PROGRAM"), folder.path()));
    std::vector<MessageBoxSeen> notices;
    ASSERT_NE(program.wait_main_window(table(), kStartTimeoutMs, &notices), nullptr);
    delete_java_keys();
    EXPECT_TRUE(notices.empty());
    EXPECT_EQ(text_of(program.control(table(), "编辑框_java")), L"C:\\jre7\\bin\\javaw.exe");
    PostMessageW(program.main_window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(program.wait_exit(kTimeoutMs), 0);
}

}  // namespace
}  // namespace cw::gui
