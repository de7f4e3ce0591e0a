// The player window against the real game server: the Java bridge (CW_JAVA_BRIDGE) runs the
// carried server jar with its companion plugin on the host's JVM, and a game client of the test
// joins it as a player over the network. The list shows that player, and every entry of the
// management menu acts on it as the server sees it.
// Environment: CW_PROGRAM, CW_JAVA_BRIDGE, CW_SCREENSHOTS.
// clang-format off
#include <winsock2.h>
#include <windows.h>
#include <commctrl.h>
// clang-format on
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "config/workspace.h"
#include "game_client_win.h"
#include "server_window.h"
#include "ui/player_window_controls.h"
#include "ui/secondary_window_layouts.h"
#include "ui/win32/wide_text.h"

namespace cw::gui {
namespace {

using namespace player_window;
using win32::to_wide;

constexpr DWORD kServerStartMs = 60000;  // a JVM on a loaded machine
constexpr char kPlayer[] = "Walker";

struct Row {
    std::wstring name, operator_text, mode_text;
    bool operator==(const Row&) const = default;
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << win32::to_gbk(row.name) << "," << win32::to_gbk(row.operator_text) << ","
         << win32::to_gbk(row.mode_text);
}

class RealServerPlayers : public ServerWindowSuite {
  protected:
    static void SetUpTestSuite() {
        if (env(L"CW_JAVA_BRIDGE").empty()) return;
        // Not the usual port: the kicks and the ban leave closed connections on the server's
        // port for a while, which the next suite's start would take for a program holding it.
        start_program(env(L"CW_JAVA_BRIDGE"), false);
    }
    static void TearDownTestSuite() {
        client_.leave();
        end_program();
    }
    void SetUp() override {
        if (env(L"CW_JAVA_BRIDGE").empty()) GTEST_SKIP() << "no Java bridge was built";
        ASSERT_NO_FATAL_FAILURE(expect_running_program());
    }

    static const WindowSpec& players() { return player_window_spec(); }
    static HWND window() { return program_->wait_window(players(), kTimeoutMs); }
    static HWND list() { return control_in(window(), players(), kList); }
    static int row_count() {
        return static_cast<int>(SendMessageW(list(), LVM_GETITEMCOUNT, 0, 0));
    }
    static std::vector<Row> rows() {
        std::vector<Row> out;
        const HWND l = list();
        for (int r = 0; r < row_count(); ++r) {
            out.push_back({program_->list_cell(l, r, 0), program_->list_cell(l, r, kOperatorColumn),
                           program_->list_cell(l, r, kModeColumn)});
        }
        return out;
    }
    static bool rows_read(const std::vector<Row>& expected) {
        return wait_for([&] { return rows() == expected; }, kTimeoutMs);
    }
    static Row player(const char* operator_text, const char* mode_text) {
        return {to_wide(kPlayer), to_wide(operator_text), to_wide(mode_text)};
    }
    // Chooses an entry of the management menu as its pop-up would, with the first row selected
    // (a refresh leaves none selected).
    static void choose_for_first_row(std::string_view entry) {
        program_->select_list_row(list(), 0);
        ASSERT_TRUE(wait_for(
            [] {
                return SendMessageW(list(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                    LVNI_SELECTED) == 0;
            },
            kTimeoutMs));
        choose_in_player_window(entry);
    }
    static void choose_in_player_window(std::string_view entry) {
        PostMessageW(window(), WM_COMMAND, MAKEWPARAM(menu_id(players(), kMenu, entry), 0), 0);
    }
    // The time from posting `entry` until the rows read `expected`; -1 when they never did.
    static long timed(std::string_view entry, const std::vector<Row>& expected, bool select) {
        const DWORD posted = GetTickCount();
        if (select) {
            choose_for_first_row(entry);
        } else {
            choose_in_player_window(entry);
        }
        if (!rows_read(expected)) return -1;
        return static_cast<long>(GetTickCount() - posted);
    }
    static void measure(const char* what, long ms) {
        std::printf("[ measure  ] %s: %ld ms\n", what, ms);
    }

    inline static GameClient client_;
};

// The tests below follow one server and one player through their life, in this order.

TEST_F(RealServerPlayers, TheListOpensEmptyBeforeAnyoneJoined) {
    click(control(main_window::kStartButton));
    ASSERT_TRUE(status_reads(main_window::kStatusPart, "服务器已开启", kServerStartMs))
        << status_text();
    choose(main_window::kOnlineMenu, "管理列表");
    ASSERT_NE(window(), nullptr);
    // Opening asked for a snapshot; the plugin answers with its header alone.
    EXPECT_TRUE(
        wait_for([] { return folder_->file(kPlayerInfoPath).ends_with(",0,20|"); }, kTimeoutMs))
        << folder_->file(kPlayerInfoPath);
    EXPECT_EQ(row_count(), 0);
}

TEST_F(RealServerPlayers, AJoinedPlayerIsListedAsNoOperatorInSurvivalAtTheNextRefresh) {
    std::string refusal;
    ASSERT_TRUE(client_.join(port_, kPlayer, &refusal)) << refusal;
    ASSERT_TRUE(console_shows("Walker joined the game")) << win32::to_gbk(console());
    const long ms = timed("刷新", {player("否", "生存")}, false);
    EXPECT_GE(ms, 0) << "rows: " << ::testing::PrintToString(rows());
    measure("refresh to fresh rows (a player joined)", ms);
    screenshot(window(), L"player-window-real");
}

TEST_F(RealServerPlayers, GrantingOperatorShowsYesWithoutASecondRefresh) {
    const long ms = timed("给予管理员权限", {player("是", "生存")}, true);
    EXPECT_GE(ms, 0) << "rows: " << ::testing::PrintToString(rows());
    measure("op to fresh rows", ms);
    EXPECT_TRUE(console_shows("Opped Walker"));
}

TEST_F(RealServerPlayers, CreativeAndSurvivalModesShowInTheModeColumn) {
    long ms = timed("创造模式", {player("是", "创造")}, true);
    EXPECT_GE(ms, 0) << "rows: " << ::testing::PrintToString(rows());
    measure("creative mode to fresh rows", ms);
    ms = timed("生存模式", {player("是", "生存")}, true);
    EXPECT_GE(ms, 0) << "rows: " << ::testing::PrintToString(rows());
    EXPECT_FALSE(client_.disconnected());
}

TEST_F(RealServerPlayers, RevokingOperatorShowsNo) {
    EXPECT_GE(timed("取消管理员权限", {player("否", "生存")}, true), 0)
        << "rows: " << ::testing::PrintToString(rows());
    EXPECT_TRUE(console_shows("De-opped Walker"));
}

TEST_F(RealServerPlayers, GiveSendsItemAndAmountAndTheServerGivesThem) {
    choose_for_first_row("给予物品");
    const HWND group = control_in(window(), players(), kGiveGroup);
    ASSERT_TRUE(wait_for([&] { return IsWindowVisible(group) != FALSE; }, kTimeoutMs));
    ASSERT_TRUE(set_text_of(control_in(window(), players(), kItemIdBox), L"264"));  // diamond
    ASSERT_TRUE(set_text_of(control_in(window(), players(), kAmountBox), L"5"));
    // Choosing "给予物品" kept the selection: the give goes to the selected player.
    ASSERT_EQ(SendMessageW(list(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 0);
    const std::size_t before = console().size();
    click(control_in(window(), players(), kGiveButton));
    EXPECT_TRUE(wait_for([&] { return IsWindowVisible(group) == FALSE; }, kTimeoutMs));
    // The server's own answer, whatever its wording: a line after the command naming the player.
    std::wstring answer;
    EXPECT_TRUE(wait_for(
        [&] {
            const std::wstring text = console();
            answer = text.size() > before ? text.substr(before) : L"";
            return answer.find(L"Walker") != std::wstring::npos;
        },
        kTimeoutMs));
    std::printf("the server answered the give: %s\n", win32::to_gbk(answer).c_str());
    EXPECT_NE(answer.find(L"5"), std::wstring::npos);
    EXPECT_EQ(answer.find(L"Unknown"), std::wstring::npos);
    // What was typed stays in the hidden group.
    EXPECT_EQ(text_of(control_in(window(), players(), kItemIdBox)), L"264");
    EXPECT_EQ(text_of(control_in(window(), players(), kAmountBox)), L"5");
    EXPECT_TRUE(rows_read({player("否", "生存")}));
}

TEST_F(RealServerPlayers, KickDisconnectsThePlayerAndRemovesTheRow) {
    const long ms = timed("踢出服务器", {}, true);
    EXPECT_GE(ms, 0) << "rows: " << ::testing::PrintToString(rows());
    measure("kick to fresh rows", ms);
    EXPECT_TRUE(wait_for([] { return client_.disconnected(); }, kTimeoutMs));
    std::printf("the kicked player was told: %s\n", client_.kick_reason().c_str());
    EXPECT_NE(client_.kick_reason().find("Kicked"), std::string::npos) << client_.kick_reason();
    EXPECT_TRUE(console_shows("Walker left the game"));
}

TEST_F(RealServerPlayers, BanSaysDoneDisconnectsAndRefusesTheNextLogin) {
    std::string refusal;
    ASSERT_TRUE(client_.join(port_, kPlayer, &refusal)) << refusal;
    ASSERT_GE(timed("刷新", {player("否", "生存")}, false), 0);
    choose_for_first_row("封禁");
    const MessageBoxSeen box = answer_next();
    EXPECT_EQ(box.title, to_wide("信息："));
    EXPECT_EQ(box.text, to_wide("执行指令成功"));
    EXPECT_TRUE(wait_for([] { return client_.disconnected(); }, kTimeoutMs));
    // The banned player's row stays until the next refresh.
    EXPECT_EQ(rows(), (std::vector<Row>{player("否", "生存")}));
    EXPECT_GE(timed("刷新", {}, false), 0) << "rows: " << ::testing::PrintToString(rows());

    refusal.clear();
    EXPECT_FALSE(client_.join(port_, kPlayer, &refusal));
    std::printf("the server refused the banned player: %s\n", refusal.c_str());
    EXPECT_NE(refusal.find("banned"), std::string::npos) << refusal;

    send_command(L"pardon Walker");
    ASSERT_TRUE(wait_for([] { return client_.join(port_, kPlayer); }, kTimeoutMs));
    client_.leave();
}

TEST_F(RealServerPlayers, StopAndCloseEndEverything) {
    // The player's row stays in the window after the stop; acting on it sends nothing and says
    // that no server runs, instead of a success.
    ASSERT_TRUE(client_.join(port_, kPlayer));
    ASSERT_GE(timed("刷新", {player("否", "生存")}, false), 0);
    click(control(main_window::kStopButton));
    EXPECT_TRUE(status_reads(main_window::kStatusPart, "服务器已关闭", kServerStartMs));
    for (std::string_view entry : {"封禁", "踢出服务器"}) {
        choose_for_first_row(entry);
        const MessageBoxSeen box = answer_next();
        EXPECT_EQ(box.text, to_wide("服务器未开启，指令没有发送")) << entry;
    }
    EXPECT_EQ(rows(), (std::vector<Row>{player("否", "生存")}));
    PostMessageW(main(), WM_CLOSE, 0, 0);
    EXPECT_EQ(program_->wait_exit(kTimeoutMs), 0);
}

}  // namespace
}  // namespace cw::gui
