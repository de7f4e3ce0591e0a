#include "app/startup.h"

#include <gtest/gtest.h>

#include "config/properties.h"
#include "config/workspace.h"
#include "payload/payload.h"
#include "platform/files.h"
#include "support/fake_platform.h"
#include "support/headless_ui.h"
#include "support/temp_folder.h"
#include "ui/main_window_layout.h"

namespace cw {
namespace {

class StartupTest : public ::testing::Test {
  protected:
    StartupTest() : app(dir.path(), ui, ui, platform) {}
    std::string file(std::string_view relative) {
        return fs::read_whole_file(owned_path(dir.path(), relative));
    }
    void register_java() {
        platform.registry32["SOFTWARE\\JavaSoft\\Java Runtime Environment|CurrentVersion"] = "1.7";
        platform.registry32["SOFTWARE\\JavaSoft\\Java Runtime Environment\\1.7|JavaHome"] =
            "C:\\Program Files\\Java\\jre7";
    }

    test::TempFolder dir;
    HeadlessUi ui{main_window_spec()};
    test::FakePlatform platform;
    AppState app;
};

TEST_F(StartupTest, FirstStartInAnEmptyFolderDeploysTheWholeWorkspace) {
    register_java();
    platform.lan = "192.168.1.20";
    on_main_window_created(app);

    EXPECT_EQ(file(kServerJarPath), payload::as_text(payload::server_jar()));
    EXPECT_EQ(file(kCompanionJarPath), payload::as_text(payload::companion_jar()));
    EXPECT_EQ(file(kPropertiesPath), default_properties_text());
    EXPECT_EQ(ui.text("端口_编辑框"), "25565");
    EXPECT_EQ(ui.text("透明标签4"), "192.168.1.20");
    EXPECT_EQ(ui.text("编辑框_java"), "C:\\Program Files\\Java\\jre7\\bin\\javaw.exe");
    EXPECT_TRUE(ui.messages().empty());
    // The plugin list (a page not shown at start) is filled once the window shows: the
    // companion plugin just deployed.
    EXPECT_EQ(ui.row_count("超级列表框_插件"), 0);
    on_main_window_shown(app);
    ASSERT_EQ(ui.row_count("超级列表框_插件"), 1);
    EXPECT_EQ(ui.cell("超级列表框_插件", 0, 0), "Cubeworks-rs");
    EXPECT_EQ(ui.selected_row("超级列表框_插件"), -1);
}

TEST_F(StartupTest, AnOperatorEditedSettingsFileIsOnlyRead) {
    fs::create_folder(owned_path(dir.path(), kWorkspaceRoot));
    const std::string edited = "#mine\r\nserver-port=25570\r\n";
    fs::write_whole_file(owned_path(dir.path(), kPropertiesPath), edited);
    fs::write_whole_file(owned_path(dir.path(), kServerJarPath), "old jar");
    on_main_window_created(app);
    EXPECT_EQ(file(kPropertiesPath), edited);
    EXPECT_EQ(ui.text("端口_编辑框"), "25570");
    EXPECT_EQ(file(kServerJarPath), payload::as_text(payload::server_jar()));  // replaced whole
}

TEST_F(StartupTest, NoJavaShowsTheMessageAndLeavesThePathBoxAlone) {
    platform.lan = "";
    ui.set_text("透明标签4", "出现异常=无法获取");
    on_main_window_created(app);
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, "没有找到java请安装");
    EXPECT_EQ(ui.messages()[0].title, "信息：");
    EXPECT_EQ(ui.messages()[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(ui.messages()[0].icon, MessageIcon::None);
    EXPECT_EQ(ui.text("编辑框_java"), "");
    EXPECT_EQ(ui.text("透明标签4"), "");  // an empty address replaces the design-time caption
}

TEST(ProgramDir, IsTheFolderOfTheExecutable) {
    EXPECT_EQ(program_dir_of("C:\\Games\\Cubeworks\\Cubeworks.exe"), "C:\\Games\\Cubeworks");
    EXPECT_EQ(program_dir_of("X:\\Cubeworks.exe"), "X:");
    EXPECT_EQ(owned_path("X:", kPropertiesPath), "X:\\Cubeworks-Admin\\server.properties");
}

}  // namespace
}  // namespace cw
