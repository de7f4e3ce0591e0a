// The player snapshot, the player actions, the LAN address and test mode, and the secondary
// windows' handlers, over the headless UI and the fake platform.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "app/app_state.h"
#include "app/secondary_windows.h"
#include "app/web_addresses.h"
#include "config/workspace.h"
#include "payload/payload.h"
#include "platform/files.h"
#include "players/network_info.h"
#include "players/player_actions.h"
#include "players/player_list.h"
#include "players/player_snapshot.h"
#include "support/fake_platform.h"
#include "support/headless_ui.h"
#include "support/program_windows.h"
#include "support/temp_folder.h"
#include "ui/main_window_layout.h"
#include "ui/secondary_window_layouts.h"
#include "ui/window_names.h"

namespace cw {
namespace {

using namespace player_window;

constexpr std::string_view kHeader = "1.7.2-R0.3,";

std::vector<PlayerRow> rows(std::string_view text) {
    return parse_player_snapshot(text);
}

TEST(PlayerSnapshot, RecordsBecomeRowsInFileOrder) {
    EXPECT_EQ(rows("1.7.2-R0.3,3,20|Alex,true,SURVIVAL|Steve,false,CREATIVE|Kai,false,ADVENTURE|"),
              (std::vector<PlayerRow>{
                  {"Alex", "是", "生存"}, {"Steve", "否", "创造"}, {"Kai", "否", "冒险"}}));
    // Only the exact upper-case words count.
    EXPECT_EQ(rows("h,1,20|Alex,True,survival|"), (std::vector<PlayerRow>{{"Alex", "否", "创造"}}));
}

TEST(PlayerSnapshot, HeaderOnlyWithOrWithoutItsSeparatorGivesNoRow) {
    EXPECT_TRUE(rows("1.7.2-R0.3,0,20|").empty());
    EXPECT_TRUE(rows("1.7.2-R0.3,0,20").empty());
    EXPECT_TRUE(rows("").empty());
    EXPECT_TRUE(snapshot_complete("1.7.2-R0.3,0,20|"));
    EXPECT_FALSE(snapshot_complete("1.7.2-R0.3,0,20"));
    EXPECT_FALSE(snapshot_complete(""));
}

TEST(PlayerSnapshot, EmptyAndShortRecordsAreSkippedNeverReadPast) {
    // Adjacent separators give an empty record; a cut gives one with one or two fields.
    EXPECT_EQ(rows("h,2,20|Alex,true,SURVIVAL||Bob,false,CREATIVE|"),
              (std::vector<PlayerRow>{{"Alex", "是", "生存"}, {"Bob", "否", "创造"}}));
    EXPECT_EQ(rows("h,3,20|Alex|Bob,true|Cat,false,SURVIVAL|"),
              (std::vector<PlayerRow>{{"Cat", "否", "生存"}}));
    EXPECT_EQ(rows("h,1,20|Alex,tr"), std::vector<PlayerRow>{});
    // Extra fields are ignored; bytes after a zero byte are not text.
    EXPECT_EQ(rows(std::string("h,1,20|Alex,true,SURVIVAL,x|\0Bob,true,SURVIVAL|", 46)),
              (std::vector<PlayerRow>{{"Alex", "是", "生存"}}));
}

TEST(PlayerSnapshot, GbkNamesStayWholeAndASeparatorInsideACharacterSplitsNothing) {
    // "\xC4\x7C" is one double-byte character whose second byte is the "|" byte.
    const std::string odd = "\xC4\x7C";
    EXPECT_EQ(rows("h,2,20|玩家甲,false,SURVIVAL|" + odd + "乙,true,CREATIVE|"),
              (std::vector<PlayerRow>{{"玩家甲", "否", "生存"}, {odd + "乙", "是", "创造"}}));
    // Text ending in such a character is not closed by a separator of its own.
    EXPECT_FALSE(snapshot_complete("h,1,20|Alex,true,SURVIVAL" + odd));
}

TEST(PlayerSnapshot, ACutRightAfterAPlayerRecordIsNotWhole) {
    EXPECT_TRUE(snapshot_complete("1.7.2-R0.3,2,20|Alex,true,SURVIVAL|Bob,false,CREATIVE|"));
    EXPECT_FALSE(snapshot_complete("1.7.2-R0.3,2,20|Alex,true,SURVIVAL|"));
    EXPECT_FALSE(snapshot_complete("1.7.2-R0.3,2,20|Alex,true,SURVIVAL|Bob,fal"));
    EXPECT_FALSE(snapshot_complete("1.7.2-R0.3,2|"));  // a header cut short
}

// The player window open over a running server with the companion plugin deployed.
class PlayerWindow : public ::testing::Test {
  protected:
    PlayerWindow() {
        test::add_secondary_windows(ui);
        ui.open_window(kWindow);
        fs::create_folder(dir.path() + "\\Cubeworks-Admin");
        fs::create_folder(dir.path() + "\\Cubeworks-Admin\\plugins");
        fs::create_folder(dir.path() + "\\Cubeworks-Admin\\plugins\\srvpanel_manager");
        fs::write_whole_file(owned_path(dir.path(), kCompanionJarPath), "jar");
        app.launcher.session.process.start("java", dir.path(), 0);
        app.launcher.session.state = ServerState::Running;
    }

    std::string list() const { return control_path(kWindow, kList); }
    std::string timer() const { return control_path(kWindow, kSnapshotTimer); }
    std::string snapshot_path() const { return owned_path(dir.path(), kPlayerInfoPath); }
    void write_snapshot(std::string_view text) { fs::write_whole_file(snapshot_path(), text); }
    std::string sent() { return platform.last_child()->written(); }

    // The list's rows as the window shows them.
    std::vector<PlayerRow> shown() {
        std::vector<PlayerRow> out;
        for (int r = 0; r < ui.row_count(list()); ++r) {
            out.push_back({ui.cell(list(), r, 0), ui.cell(list(), r, kOperatorColumn),
                           ui.cell(list(), r, kModeColumn)});
        }
        return out;
    }

    void run(std::string_view source, std::string_view entry, UiEvent event) {
        const AppEventBinding* e = find_event(player_window_events(), source, entry, event);
        ASSERT_NE(e, nullptr) << source << " " << entry;
        e->handler(app);
    }

    // Two players listed, one of them selected.
    void list_players_and_select(int row) {
        show_player_rows(ui, "1.7.2-R0.3,2,20|Alex,false,SURVIVAL|Bob,true,CREATIVE|");
        ui.select_row(list(), row);
    }

    test::TempFolder dir;
    HeadlessUi ui{main_window_spec()};
    test::FakePlatform platform;
    AppState app{dir.path(), ui, ui, platform};
};

TEST_F(PlayerWindow, ASnapshotArrivingAfterTheRequestIsShownWithoutASecondRefresh) {
    write_snapshot("1.7.2-R0.3,1,20|Alex,false,SURVIVAL|");
    show_player_rows(ui, "1.7.2-R0.3,1,20|Alex,false,SURVIVAL|");
    refresh_player_list(app.launcher, app.players, 10'000);
    EXPECT_EQ(sent(), "showplayerinfo\r\n");
    EXPECT_TRUE(ui.is_enabled(timer()));

    // Until the plugin has answered, the previous snapshot is not taken for the answer.
    poll_player_snapshot(app.launcher, app.players, 10'100);
    poll_player_snapshot(app.launcher, app.players, 10'250);
    EXPECT_EQ(shown(), (std::vector<PlayerRow>{{"Alex", "否", "生存"}}));
    EXPECT_TRUE(ui.is_enabled(timer()));

    // 300 ms later the plugin has written the new snapshot: op granted.
    write_snapshot("1.7.2-R0.3,1,20|Alex,true,SURVIVAL|");
    poll_player_snapshot(app.launcher, app.players, 10'300);
    EXPECT_EQ(shown(), (std::vector<PlayerRow>{{"Alex", "是", "生存"}}));
    EXPECT_FALSE(ui.is_enabled(timer()));
    EXPECT_EQ(ui.selected_row(list()), -1);
}

TEST_F(PlayerWindow, AnIdenticalSnapshotWrittenAgainCountsAsTheAnswer) {
    write_snapshot("1.7.2-R0.3,0,20|");
    show_player_rows(ui, "1.7.2-R0.3,1,20|Gone,false,SURVIVAL|");
    refresh_player_list(app.launcher, app.players, 0);
    poll_player_snapshot(app.launcher, app.players, 50);
    EXPECT_EQ(ui.row_count(list()), 1);
    // Same bytes, newer write: known by its write time, long before the deadline.
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    write_snapshot("1.7.2-R0.3,0,20|");
    poll_player_snapshot(app.launcher, app.players, 100);
    EXPECT_EQ(ui.row_count(list()), 0);
    EXPECT_FALSE(ui.is_enabled(timer()));
}

TEST_F(PlayerWindow, ASnapshotCaughtHalfWrittenIsReadAgainNeverShownHalf) {
    write_snapshot("1.7.2-R0.3,0,20|");
    refresh_player_list(app.launcher, app.players, 0);
    // The plugin has deleted the file, then written part of it.
    fs::delete_file(snapshot_path());
    poll_player_snapshot(app.launcher, app.players, 50);
    write_snapshot("");
    poll_player_snapshot(app.launcher, app.players, 100);
    write_snapshot("1.7.2-R0.3,2,20|Alex,true,SURVIVAL|");
    poll_player_snapshot(app.launcher, app.players, 150);
    EXPECT_EQ(ui.row_count(list()), 0);
    EXPECT_TRUE(ui.is_enabled(timer()));
    write_snapshot("1.7.2-R0.3,2,20|Alex,true,SURVIVAL|Bob,false,ADVENTURE|");
    poll_player_snapshot(app.launcher, app.players, 200);
    EXPECT_EQ(shown(), (std::vector<PlayerRow>{{"Alex", "是", "生存"}, {"Bob", "否", "冒险"}}));
}

TEST_F(PlayerWindow, NoAnswerInTimeShowsTheNewestWholeSnapshotAtTheBound) {
    write_snapshot("1.7.2-R0.3,1,20|Alex,false,SURVIVAL|");
    refresh_player_list(app.launcher, app.players, 5'000);
    poll_player_snapshot(app.launcher, app.players, 5'000 + kSnapshotWaitMs - 1);
    EXPECT_EQ(ui.row_count(list()), 0);
    EXPECT_TRUE(ui.is_enabled(timer()));
    poll_player_snapshot(app.launcher, app.players, 5'000 + kSnapshotWaitMs);
    EXPECT_EQ(shown(), (std::vector<PlayerRow>{{"Alex", "否", "生存"}}));
    EXPECT_FALSE(ui.is_enabled(timer()));

    // A file still cut short at the bound leaves the rows as they are.
    write_snapshot("1.7.2-R0.3,2,20|Alex,true,SURVIVAL|");
    refresh_player_list(app.launcher, app.players, 9'000);
    poll_player_snapshot(app.launcher, app.players, 9'000 + kSnapshotWaitMs);
    EXPECT_EQ(shown(), (std::vector<PlayerRow>{{"Alex", "否", "生存"}}));
    EXPECT_FALSE(ui.is_enabled(timer()));
}

TEST_F(PlayerWindow, RefreshNeedsARunningServerAndTheCompanionPlugin) {
    show_player_rows(ui, "1.7.2-R0.3,1,20|Alex,false,SURVIVAL|");
    for (ServerState s : {ServerState::Stopped, ServerState::Starting}) {
        app.launcher.session.state = s;
        run(kMenu, "刷新", UiEvent::MenuChosen);
    }
    app.launcher.session.state = ServerState::Running;
    fs::delete_file(owned_path(dir.path(), kCompanionJarPath));
    run(kMenu, "刷新", UiEvent::MenuChosen);
    EXPECT_EQ(sent(), "");
    EXPECT_FALSE(ui.is_enabled(timer()));
    EXPECT_EQ(ui.row_count(list()), 1);
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(PlayerWindow, OpeningTheWindowAndTheMenuEntryRefresh) {
    run(kWindow, "", UiEvent::Created);
    run(kMenu, "刷新", UiEvent::MenuChosen);
    EXPECT_EQ(sent(), "showplayerinfo\r\nshowplayerinfo\r\n");
    run(kSnapshotTimer, "", UiEvent::TimerTick);  // the timer's handler polls
    EXPECT_TRUE(ui.is_enabled(timer()));
}

TEST_F(PlayerWindow, EachActionSendsItsCommandForTheSelectedPlayerThenRefreshes) {
    const std::vector<std::pair<std::string_view, std::string>> actions = {
        {"给予管理员权限", "op Alex"},   {"取消管理员权限", "deop Alex"},
        {"踢出服务器", "kick Alex"},     {"创造模式", "gamemode 1 Alex"},
        {"生存模式", "gamemode 0 Alex"},
    };
    for (const auto& [entry, command] : actions) {
        platform.last_child();
        app.launcher.session.process.start("java", dir.path(), 0);
        list_players_and_select(0);
        run(kMenu, entry, UiEvent::MenuChosen);
        EXPECT_EQ(sent(), command + "\r\nshowplayerinfo\r\n") << entry;
    }
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(PlayerWindow, BanSaysDoneAndLeavesTheRowUntilTheNextRefresh) {
    list_players_and_select(1);
    run(kMenu, "封禁", UiEvent::MenuChosen);
    EXPECT_EQ(sent(), "ban Bob\r\n");
    const auto m = ui.messages();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].text, "执行指令成功");
    EXPECT_EQ(m[0].title, "信息：");
    EXPECT_EQ(ui.row_count(list()), 2);
}

TEST_F(PlayerWindow, WithNoRowSelectedNoActionSendsOrSaysAnything) {
    list_players_and_select(-1);
    ui.set_visible(control_path(kWindow, kGiveGroup), true);
    ui.set_text(control_path(kWindow, kItemIdBox), "1");
    ui.set_text(control_path(kWindow, kAmountBox), "10");
    for (std::string_view entry :
         {"给予管理员权限", "取消管理员权限", "封禁", "踢出服务器", "创造模式", "生存模式"}) {
        run(kMenu, entry, UiEvent::MenuChosen);
    }
    run(kGiveButton, "", UiEvent::Clicked);
    EXPECT_EQ(sent(), "");
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_TRUE(ui.is_visible(control_path(kWindow, kGiveGroup)));
}

// The window stays open after the server stops (or its process is gone before the state says
// so): nothing is sent, nothing claims success, the operator reads why.
TEST_F(PlayerWindow, WithNoServerToTakeTheCommandNoActionClaimsSuccess) {
    const auto try_everything = [&] {
        list_players_and_select(0);
        for (std::string_view entry :
             {"给予管理员权限", "取消管理员权限", "封禁", "踢出服务器", "创造模式", "生存模式"}) {
            run(kMenu, entry, UiEvent::MenuChosen);
        }
        ui.set_visible(control_path(kWindow, kGiveGroup), true);
        ui.set_text(control_path(kWindow, kItemIdBox), "1");
        run(kGiveButton, "", UiEvent::Clicked);
    };
    app.launcher.session.state = ServerState::Stopped;
    try_everything();
    EXPECT_EQ(sent(), "");
    app.launcher.session.state = ServerState::Running;
    platform.last_child()->exit();
    try_everything();

    const auto m = ui.messages();
    ASSERT_EQ(m.size(), 14u);
    for (const RecordedMessage& r : m) EXPECT_EQ(r.text, kNotRunningMessage);
    EXPECT_TRUE(ui.is_visible(control_path(kWindow, kGiveGroup)));  // what was typed stays
}

TEST_F(PlayerWindow, GiveSendsTheBoxesAsTypedAndHidesTheGroupKeepingWhatWasTyped) {
    list_players_and_select(0);
    run(kMenu, "给予物品", UiEvent::MenuChosen);
    EXPECT_TRUE(ui.is_visible(control_path(kWindow, kGiveGroup)));
    ui.set_text(control_path(kWindow, kItemIdBox), "1");
    ui.set_text(control_path(kWindow, kAmountBox), "10");
    run(kGiveButton, "", UiEvent::Clicked);
    EXPECT_EQ(sent(), "give Alex 1 10\r\nshowplayerinfo\r\n");
    EXPECT_FALSE(ui.is_visible(control_path(kWindow, kGiveGroup)));
    EXPECT_EQ(ui.text(control_path(kWindow, kItemIdBox)), "1");
    EXPECT_EQ(ui.text(control_path(kWindow, kAmountBox)), "10");

    // An empty amount goes out as typed: the line ends with the space after the item id.
    app.launcher.session.process.start("java", dir.path(), 0);
    list_players_and_select(0);
    ui.set_text(control_path(kWindow, kAmountBox), "");
    run(kGiveButton, "", UiEvent::Clicked);
    EXPECT_EQ(sent(), "give Alex 1 \r\nshowplayerinfo\r\n");
}

TEST_F(PlayerWindow, AmountAboveSixtyFourBecomesSixtyFour) {
    const std::string box = control_path(kWindow, kAmountBox);
    for (const auto& [typed, kept] : std::vector<std::pair<std::string, std::string>>{
             {"99", "64"}, {"65", "64"}, {"64", "64"}, {"7", "7"}, {"", ""}, {"０９", "０９"}}) {
        ui.set_text(box, typed);
        run(kAmountBox, "", UiEvent::Changed);
        EXPECT_EQ(ui.text(box), kept) << typed;
    }
    EXPECT_EQ(find_control(player_window_spec(), kAmountBox)->limit, 2);
}

TEST_F(PlayerWindow, RightClickPopsTheMenuUpThreePixelsFromTheCursor) {
    run(kList, "", UiEvent::RightClick);
    EXPECT_EQ(ui.popups(), std::vector<std::string>{"玩家窗口/管理菜单"});
    EXPECT_EQ(ui.popup_offsets(), (std::vector<std::pair<int, int>>{{3, 3}}));
}

TEST_F(PlayerWindow, TheIdTableButtonOpensTheItemIdWindowOnceWithItsPicture) {
    run(kIdTableButton, "", UiEvent::Clicked);
    run(kIdTableButton, "", UiEvent::Clicked);
    EXPECT_TRUE(ui.is_open(item_id_window::kWindow));
    EXPECT_EQ(ui.times_brought_to_front(item_id_window::kWindow), 1);
    const AppEventBinding* created =
        find_event(item_id_window_events(), item_id_window::kWindow, "", UiEvent::Created);
    ASSERT_NE(created, nullptr);
    created->handler(app);
    EXPECT_EQ(ui.picture_bytes(control_path(item_id_window::kWindow, item_id_window::kPicture)),
              payload::item_id_table().size());
}

// Width of a baseline or progressive JPEG from its frame header; 0 when there is none.
int jpeg_width(std::span<const unsigned char> b) {
    for (std::size_t i = 2; i + 9 < b.size();) {
        if (b[i] != 0xFF) return 0;
        const unsigned marker = b[i + 1];
        const std::size_t length = (b[i + 2] << 8) | b[i + 3];
        if (marker == 0xC0 || marker == 0xC2) return (b[i + 7] << 8) | b[i + 8];
        i += 2 + length;
    }
    return 0;
}

TEST(CarriedPictures, TheItemIdTableIs530WideAndTheAboutPictureAPng) {
    const auto ids = payload::item_id_table();
    ASSERT_GT(ids.size(), 4u);
    EXPECT_EQ(ids[0], 0xFF);
    EXPECT_EQ(ids[1], 0xD8);
    EXPECT_EQ(jpeg_width(ids), 530);
    const auto about = payload::about_picture();
    ASSERT_GT(about.size(), 8u);
    EXPECT_EQ(payload::as_text(about.first(4)), "\x89PNG");
    EXPECT_NE(payload::as_text(payload::tutorial_page()).find("</html>"), std::string_view::npos);
}

class SecondaryWindows : public ::testing::Test {
  protected:
    SecondaryWindows() { test::add_secondary_windows(ui); }

    void run(std::span<const AppEventBinding> table, std::string_view source, UiEvent event,
             std::string_view entry = "") {
        const AppEventBinding* e = find_event(table, source, entry, event);
        ASSERT_NE(e, nullptr) << source << " " << entry;
        e->handler(app);
    }
    void open_about_window() {
        run(main_window_events(), main_window::kAboutMenu, UiEvent::MenuChosen,
            main_window::kAuthorEntry);
    }
    void open_tutorial_window() {
        run(main_window_events(), main_window::kAboutMenu, UiEvent::MenuChosen,
            main_window::kTutorialEntry);
    }
    void click(std::string_view button) { run(main_window_events(), button, UiEvent::Clicked); }

    test::TempFolder dir;
    HeadlessUi ui{main_window_spec()};
    test::FakePlatform platform;
    AppState app{dir.path(), ui, ui, platform};
};

TEST_F(SecondaryWindows, OpeningAnOpenWindowBringsItToTheFrontAndAClosedOneIsBuiltAfresh) {
    open_about_window();
    open_tutorial_window();
    open_about_window();
    EXPECT_EQ(ui.opened_windows(), (std::vector<std::string>{"关于窗口", "教程窗口", "关于窗口"}));
    EXPECT_EQ(ui.times_brought_to_front(about_window::kWindow), 1);
    ui.set_visible(control_path(about_window::kWindow, about_window::kSponsorListGroup), true);
    ui.close_window(about_window::kWindow);
    open_about_window();
    EXPECT_EQ(ui.times_brought_to_front(about_window::kWindow), 1);
    EXPECT_FALSE(
        ui.is_visible(control_path(about_window::kWindow, about_window::kSponsorListGroup)));
}

TEST_F(SecondaryWindows, TutorialShowsTheCarriedPageAndItsButtonsOpenOurAddresses) {
    open_tutorial_window();
    const auto events = tutorial_window_events();
    run(events, tutorial_window::kWindow, UiEvent::Created);
    EXPECT_EQ(ui.html(control_path(tutorial_window::kWindow, tutorial_window::kViewer)),
              payload::as_text(payload::tutorial_page()));
    run(events, tutorial_window::kToolsButton, UiEvent::Clicked);
    EXPECT_TRUE(
        ui.is_visible(control_path(tutorial_window::kWindow, tutorial_window::kToolsGroup)));
    run(events, tutorial_window::kWebPageButton, UiEvent::Clicked);
    run(events, tutorial_window::kNotepadButton, UiEvent::Clicked);
    run(events, tutorial_window::kLauncherButton, UiEvent::Clicked);
    run(events, tutorial_window::kCloseToolsButton, UiEvent::Clicked);
    EXPECT_FALSE(
        ui.is_visible(control_path(tutorial_window::kWindow, tutorial_window::kToolsGroup)));
    EXPECT_EQ(platform.opened_urls,
              (std::vector<std::string>{std::string(web::kTutorialPage),
                                        std::string(web::kNotepadDownload),
                                        std::string(web::kLauncherDownload)}));
}

TEST_F(SecondaryWindows, AboutShowsItsPictureAndTheSponsorListComesAndGoes) {
    open_about_window();
    const auto events = about_window_events();
    run(events, about_window::kWindow, UiEvent::Created);
    EXPECT_EQ(ui.picture_bytes(control_path(about_window::kWindow, about_window::kPicture)),
              payload::about_picture().size());
    run(events, about_window::kSponsorListButton, UiEvent::Clicked);
    EXPECT_TRUE(
        ui.is_visible(control_path(about_window::kWindow, about_window::kSponsorListGroup)));
    run(events, about_window::kBackButton, UiEvent::Clicked);
    EXPECT_FALSE(
        ui.is_visible(control_path(about_window::kWindow, about_window::kSponsorListGroup)));
}

TEST(NetworkInfo, TestAddressTexts) {
    EXPECT_EQ(test_address("192.168.1.5", 25565), "192.168.1.5:25565");
    EXPECT_EQ(test_address("192.168.1.5", -1), "192.168.1.5:-1");
    EXPECT_EQ(test_address("", 25565), ":25565");
}

class NetworkButtons : public SecondaryWindows {
  protected:
    void write_properties(std::string_view text) {
        fs::create_folder(dir.path() + "\\Cubeworks-Admin");
        fs::write_whole_file(owned_path(dir.path(), kPropertiesPath), text);
    }
};

TEST_F(NetworkButtons, CopyIpSaysCopiedOnlyWhenTheClipboardHoldsTheAddress) {
    platform.lan = "192.168.1.5";
    click(main_window::kCopyAddressButton);
    EXPECT_EQ(platform.clipboard, "192.168.1.5");
    platform.clipboard_fails = true;
    click(main_window::kCopyAddressButton);
    platform.clipboard_fails = false;
    platform.lan.clear();
    click(main_window::kCopyAddressButton);
    EXPECT_EQ(platform.clipboard_writes, 1);
    const auto m = ui.messages();
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[0].text, "恭喜你复制成功内网ip[内网ip用于映射]");
    EXPECT_EQ(m[1].text, kClipboardFailedMessage);
    EXPECT_EQ(m[2].text, kNoLanAddressMessage);
    for (const RecordedMessage& r : m) {
        EXPECT_EQ(r.title, "Cubeworks-开服器提示");
        EXPECT_EQ(r.icon, MessageIcon::Warning);  // the exclamation icon
    }
}

TEST_F(NetworkButtons, TestModeCopiesAddressAndPortOnlyWhileRunning) {
    platform.lan = "192.168.1.5";
    write_properties("server-port=25566\r\n");
    app.launcher.session.state = ServerState::Starting;
    click(main_window::kTestModeButton);
    EXPECT_EQ(platform.clipboard_writes, 0);
    app.launcher.session.state = ServerState::Running;
    click(main_window::kTestModeButton);
    EXPECT_EQ(platform.clipboard, "192.168.1.5:25566");
    write_properties("server-port=\r\n");
    click(main_window::kTestModeButton);
    EXPECT_EQ(platform.clipboard, "192.168.1.5:25565");
    write_properties("motd=x\nserver-port=25567");  // the port as the server reads it
    click(main_window::kTestModeButton);
    EXPECT_EQ(platform.clipboard, "192.168.1.5:25567");
    const auto m = ui.messages();
    ASSERT_EQ(m.size(), 4u);
    EXPECT_EQ(m[0].text, "开启服务器后自动进入测试模式");
    EXPECT_EQ(m[1].text, "测试服务器ip已经复制，到游戏中粘贴IP加入即可");
    EXPECT_EQ(m[1].title, "信息：");
    EXPECT_EQ(m[1].icon, MessageIcon::None);

    // Nothing to copy, or a clipboard that takes nothing: said, not reported as copied.
    platform.clipboard_fails = true;
    click(main_window::kTestModeButton);
    platform.clipboard_fails = false;
    platform.lan.clear();
    click(main_window::kTestModeButton);
    const auto failed = ui.messages();
    ASSERT_EQ(failed.size(), 6u);
    EXPECT_EQ(failed[4].text, kClipboardFailedMessage);
    EXPECT_EQ(failed[5].text, kNoLanAddressMessage);
    EXPECT_EQ(platform.clipboard_writes, 3);
}

}  // namespace
}  // namespace cw
