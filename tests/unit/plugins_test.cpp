// The plugin page and protection mode over the headless UI and a real temporary program folder.
#include "plugins/plugins.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/main_window_events.h"
#include "config/workspace.h"
#include "payload/payload.h"
#include "platform/files.h"
#include "support/fake_platform.h"
#include "support/headless_ui.h"
#include "support/temp_folder.h"
#include "ui/main_window_layout.h"

namespace cw {
namespace {

constexpr std::string_view kList = "超级列表框_插件";
constexpr std::string_view kDeleteFailed =
    "插件删除失败！请强制关服，或者手动在任务管理器终止所有java.exe;javaw.exe进程后重试。";

class PluginPage : public ::testing::Test {
  protected:
    PluginPage() {
        fs::create_folder(owned_path(dir.path(), kWorkspaceRoot));
        fs::create_folder(plugins());
    }
    std::string plugins() const { return owned_path(dir.path(), kPluginsFolder); }
    std::string plugin(std::string_view file) const { return plugins() + "\\" + std::string(file); }
    void put(const std::string& path, std::string_view bytes = "jar") {
        ASSERT_TRUE(fs::write_whole_file(path, bytes)) << path;
    }
    void run(std::string_view source, std::string_view entry, UiEvent event) {
        const AppEventBinding* e = find_event(main_window_events(), source, entry, event);
        ASSERT_NE(e, nullptr) << source << " " << entry;
        e->handler(app);
    }
    void click(std::string_view control) { run(control, "", UiEvent::Clicked); }
    void menu(std::string_view entry) { run("插件", entry, UiEvent::MenuChosen); }
    std::vector<std::string> rows(bool sorted = true) {
        std::vector<std::string> out;
        for (int i = 0; i < ui.row_count(kList); ++i) out.push_back(ui.cell(kList, i, 0));
        if (sorted) std::sort(out.begin(), out.end());
        return out;
    }
    void select(std::string_view name) {
        const auto r = rows(false);
        const auto it = std::find(r.begin(), r.end(), name);
        ASSERT_NE(it, r.end()) << name;
        ui.select_row(kList, static_cast<int>(it - r.begin()));
    }
    std::vector<std::string> texts() {
        std::vector<std::string> out;
        for (const RecordedMessage& m : ui.messages()) out.push_back(m.text);
        return out;
    }

    test::TempFolder dir;
    test::TempFolder elsewhere;  // where the operator's downloads lie
    HeadlessUi ui{main_window_spec()};
    test::FakePlatform platform;
    AppState app{dir.path(), ui, ui, platform};
};

TEST_F(PluginPage, ListShowsJarFilesOnlyWithoutTheirExtensionAndNoSelection) {
    put(plugin("Foo.jar"));
    put(plugin("a.JAR"));
    put(plugin("notes.txt"));
    put(plugin("Foo.jar.new~"));  // what an interrupted replace could leave
    ASSERT_TRUE(fs::create_folder(plugin("x.jar")));
    ui.add_row(kList, "stale");
    ui.select_row(kList, 0);
    menu("刷新");
    EXPECT_EQ(rows(), (std::vector<std::string>{"Foo", "a"}));
    EXPECT_EQ(ui.selected_row(kList), -1);
    EXPECT_TRUE(ui.messages().empty());
}

TEST(PluginNames, BaseNameIsTheFileNameUpToItsLastDot) {
    EXPECT_EQ(plugin_base_name("C:\\dl\\Foo.jar"), "Foo");
    EXPECT_EQ(plugin_base_name("C:\\dl\\Foo.tar.jar"), "Foo.tar");
    EXPECT_EQ(plugin_base_name("C:\\my.folder\\plugin"), "plugin");  // the dot is the folder's
    EXPECT_EQ(plugin_base_name("/home/op/x.y/Bar.jar"), "Bar");
    EXPECT_EQ(plugin_base_name("Foo"), "Foo");
    EXPECT_EQ(plugin_base_name("C:\\dl\\.jar"), "");
    // B1 5C is one double-byte character: its second byte is no backslash.
    EXPECT_EQ(plugin_base_name("C:\\dl\\\xB1\x5Cx.jar"), "\xB1\x5Cx");
}

TEST(PluginNames, OnlyOnePlainComponentMayNameADataFolder) {
    for (std::string_view bad : {"", ".", "..", "...", "a.", "a ", "a\\b", "a/b", "C:", "*", "a?b",
                                 "a|b", "CON", "nul.txt", "com1", "a\tb"}) {
        EXPECT_FALSE(is_plain_folder_name(bad)) << bad;
    }
    for (std::string_view good :
         {"Foo", "Cubeworks-rs", "%TEMP%", ".hidden", "a.b", "\xB1\x5C", "CONSOLE"}) {
        EXPECT_TRUE(is_plain_folder_name(good)) << good;
    }
}

TEST_F(PluginPage, InstallCopiesUnderTheBaseNameReplacesAnOlderJarAndRefreshes) {
    put(plugin("Foo.jar"), "old");
    put(elsewhere.path() + "\\Foo.jar", "new plugin");
    ui.script_file(elsewhere.path() + "\\Foo.jar");
    click("按钮9");
    EXPECT_EQ(ui.file_dialogs(), std::vector<std::string>{"通用对话框_插件"});
    EXPECT_EQ(fs::read_whole_file(plugin("Foo.jar")), "new plugin");
    EXPECT_EQ(rows(), std::vector<std::string>{"Foo"});
    EXPECT_EQ(texts(), std::vector<std::string>{"安装成功!"});
    EXPECT_EQ(ui.messages()[0].title, "信息：");

    // The plugin menu's entry, from a file without extension, into a missing workspace.
    ASSERT_TRUE(fs::remove_folder_tree(owned_path(dir.path(), kWorkspaceRoot)));
    put(elsewhere.path() + "\\Bar", "bar");
    ui.script_file(elsewhere.path() + "\\Bar");
    ui.clear_messages();
    menu("安装");
    EXPECT_EQ(fs::read_whole_file(plugin("Bar.jar")), "bar");
    EXPECT_EQ(rows(), std::vector<std::string>{"Bar"});
    EXPECT_EQ(texts(), std::vector<std::string>{"安装成功!"});
}

TEST_F(PluginPage, WhileRunningTheRestartHintFollowsAnInstallAndACancel) {
    app.launcher.session.state = ServerState::Running;
    put(elsewhere.path() + "\\Foo.jar");
    ui.script_file(elsewhere.path() + "\\Foo.jar");
    click("按钮9");
    EXPECT_EQ(texts(), (std::vector<std::string>{"安装成功!", "插件需要重启服务器才有效哦"}));
    ui.clear_messages();
    ui.script_file(std::nullopt);
    menu("安装");
    EXPECT_EQ(texts(), std::vector<std::string>{"插件需要重启服务器才有效哦"});

    // Stopped or starting: a cancel shows nothing.
    for (ServerState s : {ServerState::Stopped, ServerState::Starting}) {
        app.launcher.session.state = s;
        ui.clear_messages();
        ui.script_file(std::nullopt);
        click("按钮9");
        EXPECT_TRUE(ui.messages().empty());
    }
}

TEST_F(PluginPage, AFailedCopyIsReportedInsteadOfSuccessAndTheOldJarStays) {
    app.launcher.session.state = ServerState::Running;
    put(plugin("Foo.jar"), "old");
    // An unreadable source: the message names it.
    const std::string missing = elsewhere.path() + "\\Foo.jar";
    ui.script_file(missing);
    click("按钮9");
    auto m = ui.messages();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_NE(m[0].text.find(missing), std::string::npos) << m[0].text;
    EXPECT_NE(m[0].text.find("无法读取"), std::string::npos);
    EXPECT_EQ(m[0].icon, MessageIcon::Error);
    EXPECT_EQ(fs::read_whole_file(plugin("Foo.jar")), "old");

    // A target that cannot be replaced (here a folder of that name; a jar the server holds
    // open on Windows fails the same way).
    ASSERT_TRUE(fs::create_folder(plugin("Bar.jar")));
    put(plugin("Bar.jar") + "\\inside", "kept");
    put(elsewhere.path() + "\\Bar.jar", "new");
    ui.clear_messages();
    ui.script_file(elsewhere.path() + "\\Bar.jar");
    menu("安装");
    m = ui.messages();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_NE(m[0].text.find(plugin("Bar.jar")), std::string::npos) << m[0].text;
    EXPECT_EQ(fs::read_whole_file(plugin("Bar.jar") + "\\inside"), "kept");

    // A file name that gives no plugin name.
    put(elsewhere.path() + "\\.jar");
    ui.clear_messages();
    ui.script_file(elsewhere.path() + "\\.jar");
    click("按钮9");
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_NE(ui.messages()[0].text.find("插件名称"), std::string::npos);
    EXPECT_FALSE(fs::file_exists(plugin(".jar")));
}

TEST_F(PluginPage, TheTrayInstallShowsNoMessageWhateverHappens) {
    app.launcher.session.state = ServerState::Running;
    put(elsewhere.path() + "\\Foo.jar", "foo");
    ui.script_file(elsewhere.path() + "\\Foo.jar");
    run("菜单>插件", "安装", UiEvent::MenuChosen);
    EXPECT_EQ(fs::read_whole_file(plugin("Foo.jar")), "foo");
    EXPECT_EQ(rows(), std::vector<std::string>{"Foo"});
    ui.script_file(elsewhere.path() + "\\missing.jar");
    EXPECT_FALSE(install_plugin_silently(app.launcher).ok);
    ui.script_file(std::nullopt);
    run("菜单>插件", "安装", UiEvent::MenuChosen);
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(PluginPage, DeleteRemovesTheJarAndItsDataFolderAndRefreshes) {
    put(plugin("Foo.jar"));
    put(plugin("Bar.jar"));
    ASSERT_TRUE(fs::create_folder(plugin("Foo")));
    ASSERT_TRUE(fs::create_folder(plugin("Foo\\deep")));
    put(plugin("Foo\\deep\\config.yml"), "x");
    ASSERT_TRUE(fs::create_folder(plugin("Bar")));
    put(plugin("Bar\\config.yml"), "kept");
    menu("刷新");
    select("Foo");
    click("按钮10");
    EXPECT_FALSE(fs::file_exists(plugin("Foo.jar")));
    EXPECT_FALSE(fs::file_exists(plugin("Foo")));
    EXPECT_EQ(fs::read_whole_file(plugin("Bar\\config.yml")), "kept");
    EXPECT_EQ(rows(), std::vector<std::string>{"Bar"});
    EXPECT_TRUE(ui.messages().empty());

    // A plugin without data folder, through the menu.
    select("Bar");
    ASSERT_TRUE(fs::remove_folder_tree(plugin("Bar")));
    menu("删除");
    EXPECT_FALSE(fs::file_exists(plugin("Bar.jar")));
    EXPECT_TRUE(rows().empty());
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(PluginPage, DeleteIsRefusedWhileRunningAndDoesNothingWithoutSelection) {
    put(plugin("Foo.jar"));
    menu("刷新");
    select("Foo");
    app.launcher.session.state = ServerState::Running;
    put(plugin("Late.jar"));  // a refused delete does not rebuild the list
    click("按钮10");
    EXPECT_EQ(texts(), std::vector<std::string>{"开服状态下无法删除插件！"});
    EXPECT_TRUE(fs::file_exists(plugin("Foo.jar")));
    EXPECT_EQ(rows(), std::vector<std::string>{"Foo"});

    app.launcher.session.state = ServerState::Stopped;
    ui.clear_messages();
    menu("刷新");  // no row selected after the rebuild
    menu("删除");
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_TRUE(fs::file_exists(plugin("Foo.jar")));
    EXPECT_TRUE(fs::file_exists(plugin("Late.jar")));
}

TEST_F(PluginPage, AJarThatCannotBeDeletedKeepsItsDataAndIsReported) {
    // While starting the delete is tried; a jar held open fails. A folder stands in for it.
    app.launcher.session.state = ServerState::Starting;
    ASSERT_TRUE(fs::create_folder(plugin("Foo.jar")));
    put(plugin("Foo.jar\\held"));
    ASSERT_TRUE(fs::create_folder(plugin("Foo")));
    put(plugin("Foo\\data.yml"), "data");
    ui.add_row(kList, "Foo");
    ui.select_row(kList, 0);
    click("按钮10");
    EXPECT_EQ(texts(), std::vector<std::string>{std::string(kDeleteFailed)});
    EXPECT_EQ(fs::read_whole_file(plugin("Foo\\data.yml")), "data");
    EXPECT_TRUE(rows().empty());  // rebuilt: the folder Foo.jar is no plugin
}

TEST_F(PluginPage, HostileRowNamesNeverReachBeyondTheirOwnDataFolder) {
    // Files the operator (or a plugin) may leave in the plugins folder.
    put(plugin("..jar"));
    put(plugin(".jar"));
    put(plugin("%TEMP%.jar"));
    ASSERT_TRUE(fs::create_folder(plugin("Other")));
    put(plugin("Other\\config.yml"), "sibling");
    put(plugin("Other.jar"));
    put(owned_path(dir.path(), kPropertiesPath), "server-port=25565\r\n");
    ASSERT_TRUE(fs::create_folder(plugin("%TEMP%")));  // the plugin's own, literal folder
    put(plugin("%TEMP%\\x"));

    menu("刷新");
    EXPECT_EQ(rows(), (std::vector<std::string>{"", "%TEMP%", ".", "Other"}));
    for (std::string_view name : {".", "", "%TEMP%"}) {
        SCOPED_TRACE(name);
        select(name);
        click("按钮10");
        EXPECT_TRUE(fs::file_exists(plugins()));
        EXPECT_EQ(fs::read_whole_file(plugin("Other\\config.yml")), "sibling");
        EXPECT_TRUE(fs::file_exists(plugin("Other.jar")));
        EXPECT_TRUE(fs::file_exists(owned_path(dir.path(), kPropertiesPath)));
    }
    EXPECT_FALSE(fs::file_exists(plugin("%TEMP%")));
    EXPECT_EQ(rows(), std::vector<std::string>{"Other"});
    EXPECT_TRUE(ui.messages().empty());

    // A name with a separator cannot come from the folder, and is refused outright.
    put(dir.path() + "\\x.jar", "outside");
    ui.clear_rows(kList);
    ui.add_row(kList, "..\\..\\x");
    ui.select_row(kList, 0);
    click("按钮10");
    EXPECT_EQ(fs::read_whole_file(dir.path() + "\\x.jar"), "outside");
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].icon, MessageIcon::Error);
}

// The headless UI that also notes, at each message, whether the protection jar exists.
class JarWatchingUi : public HeadlessUi {
  public:
    JarWatchingUi(std::string jar) : HeadlessUi(main_window_spec()), jar_(std::move(jar)) {}
    MessageAnswer message_box(std::string_view text, std::string_view title, MessageButtons buttons,
                              MessageIcon icon) override {
        jar_seen.push_back(fs::file_exists(jar_));
        return HeadlessUi::message_box(text, title, buttons, icon);
    }
    std::vector<bool> jar_seen;

  private:
    std::string jar_;
};

class ProtectionMode : public ::testing::Test {
  protected:
    std::string jar() const { return owned_path(dir.path(), kBanAttackJarPath); }
    void toggle(bool ticked) {
        ui.set_checked("选择框1", ticked);  // the click itself toggles the box
        const AppEventBinding* e =
            find_event(main_window_events(), "选择框1", "", UiEvent::Clicked);
        ASSERT_NE(e, nullptr);
        e->handler(app);
    }

    test::TempFolder dir;
    JarWatchingUi ui{owned_path(dir.path(), kBanAttackJarPath)};
    test::FakePlatform platform;
    AppState app{dir.path(), ui, ui, platform};
};

TEST_F(ProtectionMode, TickingWritesTheJarAndClearingTellsFirstThenDeletes) {
    const std::string_view carried = payload::as_text(payload::banattack_jar());
    toggle(true);  // the workspace does not exist yet
    EXPECT_EQ(fs::read_whole_file(jar()), carried);
    toggle(false);
    EXPECT_FALSE(fs::file_exists(jar()));
    toggle(true);
    EXPECT_EQ(fs::read_whole_file(jar()), carried);
    EXPECT_FALSE(carried.empty());

    const auto m = ui.messages();
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[0].text, "开启成功[现在服务器已经进入保护模式啦],重启服务器后进入保护模式");
    EXPECT_EQ(m[0].title, "服务器娘提示：");
    EXPECT_EQ(m[0].icon, MessageIcon::Warning);  // the exclamation icon
    EXPECT_EQ(m[1].text, "关闭成功，请重启服务器");
    EXPECT_EQ(m[1].title, "信息：");
    EXPECT_EQ(m[1].icon, MessageIcon::None);
    EXPECT_TRUE(ui.jar_seen[1]);  // told before the delete
    EXPECT_TRUE(ui.is_checked("选择框1"));
}

TEST_F(ProtectionMode, AJarThatCannotBeWrittenOrDeletedPutsTheBoxBack) {
    // A folder in the jar's place stands for a file that cannot be replaced or deleted.
    fs::create_folder(owned_path(dir.path(), kWorkspaceRoot));
    fs::create_folder(owned_path(dir.path(), kPluginsFolder));
    ASSERT_TRUE(fs::create_folder(jar()));
    ASSERT_TRUE(fs::write_whole_file(jar() + "\\held", "x"));
    toggle(true);
    auto m = ui.messages();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_NE(m[0].text.find(jar()), std::string::npos);
    EXPECT_EQ(m[0].icon, MessageIcon::Error);
    EXPECT_FALSE(ui.is_checked("选择框1"));

    ui.clear_messages();
    toggle(false);
    m = ui.messages();
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0].text, "关闭成功，请重启服务器");
    EXPECT_NE(m[1].text.find(jar()), std::string::npos);
    EXPECT_TRUE(ui.is_checked("选择框1"));
}

}  // namespace
}  // namespace cw
