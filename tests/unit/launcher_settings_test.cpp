// The settings group's save action, the launcher settings file and its reading back at start-up,
// and the server icon, over the headless UI and a real temporary program folder.
#include "config/launcher_settings.h"

#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/main_window_events.h"
#include "app/startup.h"
#include "config/properties.h"
#include "config/workspace.h"
#include "platform/files.h"
#include "platform/picture.h"
#include "server/server_control.h"
#include "support/fake_platform.h"
#include "support/headless_ui.h"
#include "support/temp_folder.h"
#include "support/test_pictures.h"
#include "ui/main_window_layout.h"

namespace cw {
namespace {

TEST(IniText, WritesAsTheProfileWriterAndReadsAsTheProfileReader) {
    EXPECT_EQ(ini_with_value("", "Memory", "Max", "1024"), "[Memory]\r\nMax=1024\r\n");
    const std::string other = "[Window]\r\nLeft=5\r\n\r\n[memory]\r\nMin=504\r\n[Last]\r\nA=1";
    const std::string added = ini_with_value(other, "Memory", "Max", "2048");
    EXPECT_EQ(added, "[Window]\r\nLeft=5\r\n\r\n[memory]\r\nMin=504\r\nMax=2048\r\n[Last]\r\nA=1");
    // The line is written again with the key as given, as the profile writer does.
    EXPECT_EQ(ini_with_value(added, "MEMORY", "max", "abc"),
              "[Window]\r\nLeft=5\r\n\r\n[memory]\r\nMin=504\r\nmax=abc\r\n[Last]\r\nA=1");
    EXPECT_EQ(ini_with_value("[Memory]\r\nMax=1", "Memory", "Min", "2"),
              "[Memory]\r\nMax=1\r\nMin=2\r\n");
    EXPECT_EQ(ini_with_value("x=1", "Memory", "Max", "3\r\n[Evil]"),
              "x=1\r\n[Memory]\r\nMax=3\r\n");

    EXPECT_EQ(ini_value(added, "Memory", "Max"), "2048");
    EXPECT_EQ(ini_value(added, "Window", "Max"), std::nullopt);
    EXPECT_EQ(ini_value("[Memory]\nMax = \" 7 \" \n", "memory", "MAX"), " 7 ");
    EXPECT_EQ(ini_value("Max=1\r\n", "Memory", "Max"), std::nullopt);  // outside any section
}

class SaveSettings : public ::testing::Test {
  protected:
    SaveSettings() {
        fs::create_folder(owned_path(dir.path(), kWorkspaceRoot));
        fs::write_whole_file(owned_path(dir.path(), kPropertiesPath), default_properties_text());
        app.properties_text = load_server_settings(dir.path(), ui);
        ui.set_visible("分组框4", true);
    }
    void save() {
        const AppEventBinding* e = find_event(main_window_events(), "按钮8", "", UiEvent::Clicked);
        ASSERT_NE(e, nullptr);
        e->handler(app);
    }
    std::string ini() { return fs::read_whole_file(owned_path(dir.path(), "\\data\\config.ini")); }
    std::string properties() {
        return fs::read_whole_file(owned_path(dir.path(), kPropertiesPath));
    }

    test::TempFolder dir;
    HeadlessUi ui{main_window_spec()};
    test::FakePlatform platform;
    AppState app{dir.path(), ui, ui, platform};
};

TEST_F(SaveSettings, StoresTheMaximumWritesBothFilesHidesTheGroupAndTellsOfTheRestart) {
    ui.set_text("编辑框_最大内存", "2048");
    ui.set_text("端口_编辑框", "25570");
    ui.set_text("renshu", "8");
    save();
    EXPECT_EQ(app.launcher.session.memory_mb, 2048);
    EXPECT_EQ(ini(), "[Memory]\r\nMax=2048\r\n");  // the folder "data" was made for it
    EXPECT_EQ(read_property(properties(), "server-port"), "25570");
    EXPECT_EQ(app.properties_text, properties());  // reloaded from the file
    EXPECT_EQ(ui.text("端口_编辑框"), "25570");
    EXPECT_FALSE(ui.is_visible("分组框4"));
    const auto m = ui.messages();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].text, "服务器重启后有效");
    EXPECT_EQ(m[0].title, "温馨提示：");
    EXPECT_EQ(m[0].icon, MessageIcon::None);
    EXPECT_NE(server_command_line("java", app.launcher.session.memory_mb).find(" -Xmx2048M "),
              std::string::npos);
}

TEST_F(SaveSettings, ANegativeMemoryValueEndsTheActionBeforeAnythingChanges) {
    const std::string before = properties();
    for (const char* box : {"编辑框4", "编辑框_最大内存"}) {
        SCOPED_TRACE(box);
        ui.set_text("编辑框4", "504");
        ui.set_text("编辑框_最大内存", "1024");
        ui.set_text(box, " -1");
        ui.set_text("端口_编辑框", "1");
        app.launcher.session.memory_mb = 512;
        ui.clear_messages();
        save();
        const auto m = ui.messages();
        ASSERT_EQ(m.size(), 1u);
        EXPECT_EQ(m[0].text, "内存设置不能为负数！");
        EXPECT_EQ(m[0].title, "信息：");
        EXPECT_EQ(m[0].icon, MessageIcon::Error);
        EXPECT_EQ(app.launcher.session.memory_mb, 512);
        EXPECT_FALSE(fs::file_exists(owned_path(dir.path(), "\\data")));
        EXPECT_EQ(properties(), before);
        EXPECT_TRUE(ui.is_visible("分组框4"));
    }
}

TEST_F(SaveSettings, TheMaximumIsReadAsAnIntegerButWrittenAsTyped) {
    const std::pair<const char*, int> cases[] = {
        {"\xA3\xB1\xA3\xB0\xA3\xB2\xA3\xB4", 1024},  // full-width digits
        {"70000", 70000},                            // no longer cut to 16 bits
        {"abc", 0},
        {"512MB", 512},
    };
    for (const auto& [typed, value] : cases) {
        SCOPED_TRACE(typed);
        ui.set_text("编辑框_最大内存", typed);
        save();
        EXPECT_EQ(app.launcher.session.memory_mb, value);
        EXPECT_EQ(ini(), std::string("[Memory]\r\nMax=") + typed + "\r\n");
    }
    EXPECT_NE(server_command_line("java", 70000).find(" -Xmx70000M "), std::string::npos);
}

TEST_F(SaveSettings, ASettingsFileThatCannotBeWrittenIsReportedAndTheRestGoesOn) {
    ASSERT_TRUE(fs::create_folder(owned_path(dir.path(), "\\data")));
    ASSERT_TRUE(fs::create_folder(owned_path(dir.path(), "\\data\\config.ini")));
    ui.set_text("编辑框_最大内存", "768");
    save();
    EXPECT_EQ(app.launcher.session.memory_mb, 768);
    const auto m = ui.messages();
    ASSERT_EQ(m.size(), 2u);
    EXPECT_NE(m[0].text.find("config.ini"), std::string::npos);
    EXPECT_EQ(m[1].text, "服务器重启后有效");
    EXPECT_FALSE(ui.is_visible("分组框4"));
}

TEST_F(SaveSettings, TheNextStartReadsTheSavedMaximumBack) {
    ASSERT_TRUE(fs::create_folder(owned_path(dir.path(), "\\data")));
    fs::write_whole_file(owned_path(dir.path(), kLauncherSettingsPath),
                         "[Other]\r\nMax=1\r\n[Memory]\r\nMin=504\r\n");
    ui.set_text("编辑框_最大内存", "3072");
    save();
    EXPECT_EQ(ini(), "[Other]\r\nMax=1\r\n[Memory]\r\nMin=504\r\nMax=3072\r\n");

    HeadlessUi next_ui{main_window_spec()};
    AppState next{dir.path(), next_ui, next_ui, platform};
    on_main_window_created(next);
    EXPECT_EQ(next.launcher.session.memory_mb, 3072);
    EXPECT_EQ(next_ui.text("编辑框_最大内存"), "3072");
    EXPECT_EQ(next_ui.text("编辑框4"), "504");  // the minimum is not kept
}

TEST(StartWithLauncherSettings, NoFileOrANegativeValueLeavesTheDesignTimeMaximum) {
    for (const char* file : {"", "[Memory]\r\nMax=-5\r\n", "[Memory]\r\nMin=1\r\n"}) {
        SCOPED_TRACE(file);
        test::TempFolder dir;
        if (*file) {
            fs::create_folder(owned_path(dir.path(), "\\data"));
            fs::write_whole_file(owned_path(dir.path(), kLauncherSettingsPath), file);
        }
        HeadlessUi ui{main_window_spec()};
        test::FakePlatform platform;
        AppState app{dir.path(), ui, ui, platform};
        on_main_window_created(app);
        EXPECT_EQ(app.launcher.session.memory_mb, 0);
        EXPECT_EQ(ui.text("编辑框_最大内存"), "1024");
    }
}

// ---- The server icon ----

class ServerIcon : public ::testing::Test {
  protected:
    void choose(const std::optional<std::string>& file) {
        ui.script_file(file);
        const AppEventBinding* e = find_event(main_window_events(), "服务器管理>设置服务器图标",
                                              "设置图标", UiEvent::MenuChosen);
        ASSERT_NE(e, nullptr);
        e->handler(app);
    }
    std::string source(std::string_view name, std::string_view bytes) {
        const std::string path = elsewhere.path() + "\\" + std::string(name);
        EXPECT_TRUE(fs::write_whole_file(path, bytes));
        return path;
    }
    std::string icon() { return fs::read_whole_file(owned_path(dir.path(), kServerIconPath)); }

    test::TempFolder dir;
    test::TempFolder elsewhere;
    HeadlessUi ui{main_window_spec()};
    test::FakePlatform platform;
    AppState app{dir.path(), ui, ui, platform};
};

TEST_F(ServerIcon, A64By64PngIsCopiedByteForByteThroughTheSaveDialog) {
    const std::string png = test::png_picture(64, 64);
    choose(source("icon.png", png));
    EXPECT_EQ(ui.file_dialogs(), std::vector<std::string>{"通用对话框1:save"});
    EXPECT_EQ(icon(), png);  // the workspace folder was made for it
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, "设置成功");
    EXPECT_EQ(ui.messages()[0].title, "信息：");

    ui.clear_messages();
    choose(std::nullopt);
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(icon(), png);
}

TEST_F(ServerIcon, WhatCannotBecomeAnIconIsReportedAndTheOldIconStays) {
    const std::string old = test::png_picture(64, 64);
    choose(source("old.png", old));
    const std::string missing = elsewhere.path() + "\\missing.png";
    const std::string text = source("notes.png", "not a picture at all");
    std::string corrupt = test::png_picture(128, 128);
    corrupt[20] ^= 1;  // a header that fails its checksum, and a body no decoder reads
    corrupt.resize(60);
    for (const std::string& file : {missing, text, source("bad.png", corrupt)}) {
        SCOPED_TRACE(file);
        ui.clear_messages();
        choose(file);
        const auto m = ui.messages();
        ASSERT_EQ(m.size(), 1u);
        EXPECT_NE(m[0].text.find(file), std::string::npos) << m[0].text;
        EXPECT_EQ(m[0].icon, MessageIcon::Error);
        EXPECT_EQ(icon(), old);
    }
}

TEST_F(ServerIcon, AnyOtherPictureBecomesA64By64Png) {
    choose(source("big.png", test::png_picture(128, 128)));
    const auto m = ui.messages();
    ASSERT_EQ(m.size(), 1u);
#ifdef _WIN32
    EXPECT_EQ(m[0].text, "设置成功");
    EXPECT_EQ(picture::png_size(icon()), (picture::Size{64, 64}));
#else
    // No decoder on this side: a clear refusal, nothing written.
    EXPECT_NE(m[0].text.find("64X64"), std::string::npos);
    EXPECT_FALSE(fs::file_exists(owned_path(dir.path(), kServerIconPath)));
#endif
}

TEST(PngHeader, SizeComesFromAnIntactHeaderOnly) {
    EXPECT_EQ(picture::png_size(test::png_picture(128, 96)), (picture::Size{128, 96}));
    std::string png = test::png_picture(64, 64);
    EXPECT_EQ(picture::png_size(png.substr(0, 33)), (picture::Size{64, 64}));
    EXPECT_EQ(picture::png_size(png.substr(0, 32)), std::nullopt);  // checksum cut off
    png[19] = 65;                                                   // width 65: checksum fails
    EXPECT_EQ(picture::png_size(png), std::nullopt);
    EXPECT_EQ(picture::png_size(test::bmp_picture(64, 64)), std::nullopt);
    EXPECT_EQ(picture::sniff_format(test::bmp_picture(2, 2)), picture::Format::Bmp);
    EXPECT_EQ(picture::sniff_format("GIF89a......"), picture::Format::Gif);
    EXPECT_EQ(picture::sniff_format("\xFF\xD8\xFF\xE0"), picture::Format::Jpeg);
    EXPECT_EQ(picture::sniff_format("PK\x03\x04"), picture::Format::None);
}

}  // namespace
}  // namespace cw
