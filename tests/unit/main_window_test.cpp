#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "app/app_state.h"
#include "app/main_window_events.h"
#include "app/main_window_handlers.h"
#include "app/startup.h"
#include "support/fake_platform.h"
#include "support/headless_ui.h"
#include "support/program_windows.h"
#include "support/temp_folder.h"
#include "ui/main_window_layout.h"

namespace cw {
namespace {

const ControlSpec& row(std::string_view name) {
    const ControlSpec* c = find_control(main_window_spec(), name);
    EXPECT_NE(c, nullptr) << name;
    static const ControlSpec none{"", ControlKind::Label, "", 0, 0, 0, 0, ""};
    return c ? *c : none;
}

TEST(MainWindowLayout, WindowAndContainersAreBuiltParentsFirst) {
    const WindowSpec& w = main_window_spec();
    EXPECT_EQ(w.title, "Cubeworks一键开服器1.7.2[simple]");
    EXPECT_EQ(w.width, 493);
    EXPECT_EQ(w.height, 399);
    std::set<std::string_view> seen;
    for (const ControlSpec& c : w.controls) {
        EXPECT_TRUE(seen.insert(c.name).second) << "duplicate " << c.name;
        if (!c.parent.empty()) {
            EXPECT_TRUE(seen.count(c.parent)) << c.name << " before its parent " << c.parent;
            const ControlKind pk = row(c.parent).kind;
            EXPECT_TRUE(pk == ControlKind::GroupBox || pk == ControlKind::TabPage ||
                        pk == ControlKind::Tab)
                << c.name;
        }
    }
    EXPECT_EQ(w.controls.size(), 50u);
}

TEST(MainWindowLayout, CaptionsPlacesAndInitialStates) {
    const ControlSpec& tab = row("高级选择夹1");
    EXPECT_EQ(tab.items, "首页-play \n后台\n插件列表");  // the trailing blank stays
    EXPECT_EQ(tab.page, 0);
    EXPECT_EQ(row("高级选择夹1_页1").caption, "首页-play ");
    EXPECT_EQ(row("透明标签2").caption, "Cpu[中央处理器]\r\n");

    const ControlSpec& stop = row("按钮2");
    EXPECT_FALSE(stop.enabled);
    EXPECT_EQ((std::array{stop.x, stop.y, stop.width, stop.height}), (std::array{8, 72, 96, 32}));
    EXPECT_TRUE(row("按钮1").enabled);
    EXPECT_FALSE(row("分组框4").visible);
    EXPECT_EQ(row("分组框4").parent, "高级选择夹1_页1");

    EXPECT_EQ(row("端口_编辑框").caption, "22565");
    EXPECT_EQ(row("编辑框4").caption, "504");
    EXPECT_EQ(row("编辑框_最大内存").caption, "1024");
    EXPECT_EQ(row("renshu").caption, "20");
    EXPECT_EQ(row("编辑框_java").caption, "");
    EXPECT_EQ(row("保护范围_编辑框").kind, ControlKind::NumberEdit);
    EXPECT_EQ(row("编辑框_回显文本").kind, ControlKind::ConsoleEdit);

    EXPECT_EQ(row("难度_组合框1").items, "普通\n一般\n困难\n和平");
    for (auto name : {"地狱_组合框", "PVP_组合框1", "怪物_组合框2", "难度_组合框1"}) {
        EXPECT_EQ(row(name).kind, ControlKind::ComboBox) << name;
        EXPECT_EQ(row(name).selected, 0) << name;
        EXPECT_EQ(row(name).height, 20) << name;
    }
    EXPECT_EQ(row("超级列表框_插件").items, "插件名称:300");
    EXPECT_EQ(row("状态条1").items, "130:Cubeworks-开服器提示：\n-1:");
    EXPECT_EQ(row("时钟1").kind, ControlKind::Timer);
    EXPECT_EQ(row("时钟1").period_ms, 1000);
    EXPECT_EQ(row("通用对话框1").filter, "支持格式（*.png）|*.png\r\n");
    EXPECT_EQ(row("通用对话框_插件").filter, "*.jar|*.jar");
}

TEST(MainWindowLayout, PageChildrenAreMeasuredInTheTabControl) {
    const WindowSpec& w = main_window_spec();
    EXPECT_EQ(placement_frame(w, row("超级列表框_插件")), "高级选择夹1");
    EXPECT_EQ(placement_frame(w, row("编辑框_回显文本")), "分组框2");
    EXPECT_EQ(placement_frame(w, row("按钮1")), "分组框1");
    EXPECT_EQ(placement_frame(w, row("状态条1")), "");
}

TEST(MainWindowLayout, MenusAndPopups) {
    const WindowSpec& w = main_window_spec();
    auto entries = [&](std::string_view menu) {
        std::string out;
        for (const MenuSpec& m : w.menus) {
            if (m.menu == menu) out.append(m.caption).append(m.enabled ? "," : "(off),");
        }
        return out;
    };
    EXPECT_EQ(entries(""), "关于,服务器管理,[在线管理],");
    EXPECT_EQ(entries("关于"), "作者,-,教程视频,");
    EXPECT_EQ(entries("服务器管理"),
              "关闭服务器,重启服务器,强制性关闭服务器,-,设置服务器图标,Cubeworks-指令管理者,");
    EXPECT_EQ(entries("服务器管理>设置服务器图标"), "设置图标,-,帮助[设置前戳我],");
    EXPECT_EQ(entries("[在线管理]"), "管理列表,-,服务器开启后本功能才有效(off),");
    EXPECT_EQ(entries(main_window::kTrayMenu), "关闭服务器,打开界面,插件,");
    EXPECT_EQ(entries("菜单>插件"), "安装,");
    EXPECT_EQ(entries(main_window::kPluginMenu), "安装,刷新,删除,");
    for (const MenuSpec& m : w.menus) {
        if (!m.submenu.empty()) {
            EXPECT_FALSE(entries(m.submenu).empty()) << m.submenu;
        }
    }
}

TEST(MainWindowEvents, EveryRowOnceAndBoundToExistingSources) {
    const WindowSpec& w = main_window_spec();
    const auto events = main_window_events();
    EXPECT_EQ(events.size(), 32u);
    std::set<std::string> keys;
    for (const AppEventBinding& e : events) {
        const std::string key = std::string(e.source) + "|" + std::string(e.entry) + "|" +
                                std::to_string(static_cast<int>(e.event));
        EXPECT_TRUE(keys.insert(key).second) << "twice: " << key;
        const int bound = (e.handler != nullptr) + (e.guard != nullptr) + (e.tray != nullptr);
        EXPECT_EQ(bound, 1) << key;
        EXPECT_EQ(e.guard != nullptr, e.event == UiEvent::CloseRequested) << key;
        EXPECT_EQ(e.tray != nullptr, e.event == UiEvent::TrayIcon) << key;
        if (e.event == UiEvent::MenuChosen) {
            bool found = false;
            for (const MenuSpec& m : w.menus) {
                found |= m.menu == e.source && m.caption == e.entry && m.submenu.empty();
            }
            EXPECT_TRUE(found) << key;
        } else if (e.source != main_window::kWindow) {
            EXPECT_NE(find_control(w, e.source), nullptr) << key;
        }
    }
    // The entry that can never be chosen has no handler.
    EXPECT_EQ(find_event(events, "[在线管理]", "服务器开启后本功能才有效", UiEvent::MenuChosen),
              nullptr);
}

TEST(MainWindowEvents, BindsTheNamedHandlers) {
    const auto ev = main_window_events();
    auto handler = [&](std::string_view source, std::string_view entry, UiEvent event) {
        const AppEventBinding* e = find_event(ev, source, entry, event);
        return e ? e->handler : nullptr;
    };
    using E = UiEvent;
    EXPECT_EQ(handler(main_window::kWindow, "", E::Created), &on_main_window_created);
    EXPECT_EQ(handler(main_window::kWindow, "", E::Shown), &on_main_window_shown);
    EXPECT_EQ(find_event(ev, main_window::kWindow, "", E::CloseRequested)->guard,
              &main_window_may_close);
    EXPECT_EQ(handler("按钮1", "", E::Clicked), &start_server_clicked);
    // The button and the server menu's stop swap the buttons back; the tray's stop does not.
    EXPECT_EQ(handler("按钮2", "", E::Clicked), &stop_server_clicked);
    EXPECT_EQ(handler("服务器管理", "关闭服务器", E::MenuChosen), &stop_server_clicked);
    EXPECT_NE(handler(main_window::kTrayMenu, "关闭服务器", E::MenuChosen), &stop_server_clicked);
    EXPECT_EQ(handler("[在线管理]", "管理列表", E::MenuChosen), &open_player_list);
}

TEST(StrictHeadlessUi, ANameTheWindowDoesNotHaveFailsTheTest) {
    HeadlessUi ui{main_window_spec()};
    EXPECT_NONFATAL_FAILURE(ui.set_text("编辑框_Java", "x"), "编辑框_Java");
    EXPECT_NONFATAL_FAILURE(ui.is_enabled("按钮11"), "按钮11");
    EXPECT_NONFATAL_FAILURE(ui.popup_menu_at_cursor("插件菜单", 3, 3), "插件菜单");
    EXPECT_NONFATAL_FAILURE(ui.choose_file("通用对话框2"), "通用对话框2");
    // The real names pass.
    ui.set_text("编辑框_java", "x");
    ui.popup_menu_at_cursor(main_window::kPluginMenu, 3, 3);
    EXPECT_EQ(ui.text("编辑框_java"), "x");
}

class MainWindowHandlers : public ::testing::Test {
  protected:
    MainWindowHandlers() { test::add_secondary_windows(ui); }

    test::TempFolder dir;
    HeadlessUi ui{main_window_spec()};
    test::FakePlatform platform;
    AppState app{dir.path(), ui, ui, platform};

    void run(std::string_view source, std::string_view entry, UiEvent event) {
        const AppEventBinding* e = find_event(main_window_events(), source, entry, event);
        ASSERT_NE(e, nullptr) << source << " " << entry;
        e->handler(app);
    }
};

TEST_F(MainWindowHandlers, CloseIsRefusedWhileTheServerStartsOrRuns) {
    for (ServerState s : {ServerState::Starting, ServerState::Running}) {
        app.launcher.session.state = s;
        ui.clear_messages();
        EXPECT_FALSE(main_window_may_close(app));
        const auto m = ui.messages();
        ASSERT_EQ(m.size(), 1u);
        EXPECT_EQ(m[0].text, "请关闭服务器！！");
        EXPECT_EQ(m[0].title, "信息：");
        EXPECT_EQ(m[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(m[0].icon, MessageIcon::None);
    }
    app.launcher.session.state = ServerState::Stopped;
    ui.clear_messages();
    EXPECT_TRUE(main_window_may_close(app));
    EXPECT_TRUE(ui.messages().empty());  // closes at once, without a question
}

TEST_F(MainWindowHandlers, StartShowsTheConsoleAndSwapsTheButtonsEvenWhenRefused) {
    // The Java path box is empty, so the launch refuses.
    run("按钮1", "", UiEvent::Clicked);
    EXPECT_EQ(ui.selected_page("高级选择夹1"), 1);
    EXPECT_TRUE(ui.is_enabled("按钮2"));
    EXPECT_FALSE(ui.is_enabled("按钮1"));
    EXPECT_TRUE(platform.started().empty());
}

TEST_F(MainWindowHandlers, StopButtonAndMenuSwapTheButtonsBackButTheTrayStopDoesNot) {
    for (auto [source, entry, event] :
         {std::tuple{"按钮2", "", UiEvent::Clicked},
          std::tuple{"服务器管理", "关闭服务器", UiEvent::MenuChosen}}) {
        ui.set_enabled("按钮1", false);
        ui.set_enabled("按钮2", true);
        run(source, entry, event);  // refused: nothing runs, the buttons swap all the same
        EXPECT_TRUE(ui.is_enabled("按钮1")) << source;
        EXPECT_FALSE(ui.is_enabled("按钮2")) << source;
    }
    ui.set_enabled("按钮1", false);
    ui.set_enabled("按钮2", true);
    run(main_window::kTrayMenu, "关闭服务器", UiEvent::MenuChosen);
    EXPECT_FALSE(ui.is_enabled("按钮1"));
    EXPECT_TRUE(ui.is_enabled("按钮2"));
}

TEST_F(MainWindowHandlers, MenuNoticesAndTheirTitles) {
    run("服务器管理>设置服务器图标", "帮助[设置前戳我]", UiEvent::MenuChosen);
    run("服务器管理", "Cubeworks-指令管理者", UiEvent::MenuChosen);
    run("[在线管理]", "管理列表", UiEvent::MenuChosen);  // stopped: the notice only
    app.launcher.session.state = ServerState::Starting;
    run("[在线管理]", "管理列表", UiEvent::MenuChosen);  // still not running
    const auto m = ui.messages();
    ASSERT_EQ(m.size(), 4u);
    EXPECT_EQ(m[0].text, "准备一张64X64或128X128的*.png图片");
    EXPECT_EQ(m[1].text, "尽情期待");
    EXPECT_EQ(m[2].text, "开启服务器本功能可使用");
    EXPECT_EQ(m[3].text, "开启服务器本功能可使用");
    for (const RecordedMessage& r : m) {
        EXPECT_EQ(r.title, "信息：");
        EXPECT_EQ(r.buttons, MessageButtons::Ok);
        EXPECT_EQ(r.icon, MessageIcon::None);
    }
    ui.clear_messages();
    app.launcher.session.state = ServerState::Running;
    run("[在线管理]", "管理列表", UiEvent::MenuChosen);
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(ui.opened_windows(), std::vector<std::string>{"玩家窗口"});
}

TEST_F(MainWindowHandlers, ServerMenuAndSendButtonReachTheServerWhileNoneRuns) {
    ui.set_text("编辑框2", "list");
    run("按钮3", "", UiEvent::Clicked);  // no server: the line goes nowhere, the box empties
    EXPECT_EQ(ui.text("编辑框2"), "");
    run("服务器管理", "强制性关闭服务器", UiEvent::MenuChosen);
    run("服务器管理", "重启服务器", UiEvent::MenuChosen);  // the stop and the launch both refuse
    const auto m = ui.messages();
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[0].text, "服务器不存在无需强制性关闭");
    EXPECT_EQ(m[1].text, "服务器未开启或正在开启，不能关服");
    EXPECT_EQ(m[2].text, "请先设置java路径再使用本软件！");
    EXPECT_EQ(ui.status("状态条1", 1), "重启完成..");
    EXPECT_TRUE(platform.started().empty());
}

TEST_F(MainWindowHandlers, MoreSettingsShowsOnlyTheSettingsGroup) {
    run("按钮7", "", UiEvent::Clicked);
    EXPECT_TRUE(ui.is_visible("分组框4"));
    EXPECT_EQ(ui.selected_page("高级选择夹1"), 0);
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(MainWindowHandlers, RightClickOnTheEmptyPluginListPopsUpThePluginMenu) {
    ASSERT_EQ(ui.row_count("超级列表框_插件"), 0);
    run("超级列表框_插件", "", UiEvent::RightClick);
    EXPECT_EQ(ui.popups(), std::vector<std::string>{"插件"});
}

}  // namespace
}  // namespace cw
