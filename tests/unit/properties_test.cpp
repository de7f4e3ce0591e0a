#include "config/properties.h"

#include <gtest/gtest.h>

#include "config/workspace.h"
#include "platform/files.h"
#include "support/headless_ui.h"
#include "support/temp_folder.h"
#include "ui/main_window_layout.h"

namespace cw {
namespace {

TEST(DefaultPropertiesText, HasFiftyEightCrLfLinesAndNoFinalLineEnd) {
    const std::string_view text = default_properties_text();
    std::size_t line_ends = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) line_ends += text.substr(i, 2) == "\r\n";
    EXPECT_EQ(line_ends, 57u);
    EXPECT_TRUE(text.starts_with("generator-settings=\r\n#"));
    EXPECT_TRUE(text.ends_with("motd=A Cubeworks Server\r\n#motd文本，只支持英文"));
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);  // no bare LF
    EXPECT_EQ(text.find('\0'), std::string_view::npos);
    // GBK, not UTF-8: "开启地狱" is 8 bytes.
    EXPECT_NE(text.find("\r\n#开启地狱\r\n"), std::string_view::npos);
    EXPECT_EQ(std::string_view("开启地狱").size(), 8u);
}

TEST(ReadProperty, FollowsTheSubstringRules) {
    const std::string text = std::string(default_properties_text());
    EXPECT_EQ(read_property(text, "server-port"), "25565");
    EXPECT_EQ(read_property(text, "level-seed"), "");
    EXPECT_EQ(read_property(text, "PVP"), "");                     // case-sensitive
    EXPECT_EQ(read_property(text, "motd"), "A Cubeworks Server");  // the comment follows it
    EXPECT_EQ(read_property("a=1\r\nmotd=x", "motd"),
              "");  // ...a last line without one reads empty
    EXPECT_EQ(read_property(text, "missing-key"), "");
    // The first occurrence wins, even inside a comment line.
    EXPECT_EQ(read_property("#old pvp=false\r\npvp=true\r\n", "pvp"), "false");
    EXPECT_EQ(read_property("pvp= true\r\n", "pvp"), " true");
    // A key that ends inside another key name still matches there: not tied to a line start.
    EXPECT_EQ(read_property("xpvp=1\r\npvp=2\r\n", "pvp"), "1");
}

TEST(WriteProperty, ReplacesOnlyTheValue) {
    std::string text = "a=1\r\npvp=true\r\nb=2";
    write_property(text, "pvp", "false");
    EXPECT_EQ(text, "a=1\r\npvp=false\r\nb=2");
    write_property(text, "pvp", "");
    EXPECT_EQ(text, "a=1\r\npvp=\r\nb=2");
}

TEST(WriteProperty, AppendsAnAbsentKeyOnItsOwnLineSoItReadsBack) {
    std::string text = "a=1\r\n#last";
    write_property(text, "pvp", "false");
    EXPECT_EQ(text, "a=1\r\n#last\r\npvp=false\r\n");
    EXPECT_EQ(read_property(text, "pvp"), "false");

    std::string empty;
    write_property(empty, "server-port", "25565");
    EXPECT_EQ(empty, "server-port=25565\r\n");

    std::string ends_with_line_end = "a=1\r\n";
    write_property(ends_with_line_end, "b", "2");
    EXPECT_EQ(ends_with_line_end, "a=1\r\nb=2\r\n");
}

TEST(WriteProperty, AKeyOnALastLineWithoutLineEndGetsItsNewValue) {
    std::string text = "a=1\r\nmotd=old";
    write_property(text, "motd", "new");
    EXPECT_EQ(text, "a=1\r\nmotd=new\r\n");
    EXPECT_EQ(read_property(text, "motd"), "new");
}

class ServerSettingsTest : public ::testing::Test {
  protected:
    ServerSettingsTest() { fs::create_folder(owned_path(dir.path(), kWorkspaceRoot)); }
    std::string file() { return fs::read_whole_file(owned_path(dir.path(), kPropertiesPath)); }
    void write_file(std::string_view text) {
        fs::write_whole_file(owned_path(dir.path(), kPropertiesPath), text);
    }

    test::TempFolder dir;
    HeadlessUi ui{main_window_spec()};
    std::string loaded;  // the in-memory copy the program keeps
};

TEST_F(ServerSettingsTest, FreshFileIsWrittenAndLoadsTheDefaults) {
    ui.set_selected("难度_组合框1", 2);
    loaded = load_server_settings(dir.path(), ui);
    EXPECT_EQ(file(), default_properties_text());
    EXPECT_EQ(ui.selected("地狱_组合框"), 0);
    EXPECT_EQ(ui.selected("PVP_组合框1"), 0);
    EXPECT_EQ(ui.text("renshu"), "20");
    EXPECT_EQ(ui.selected("难度_组合框1"), 0);
    EXPECT_EQ(ui.text("端口_编辑框"), "25565");
    EXPECT_EQ(ui.selected("怪物_组合框2"), 0);
    EXPECT_EQ(ui.text("保护范围_编辑框"), "0");
}

TEST_F(ServerSettingsTest, AnExistingFileIsOnlyRead) {
    const std::string edited = "pvp= true\r\ndifficulty=5\r\nallow-nether=false\r\n";
    write_file(edited);
    ui.set_selected("难度_组合框1", 2);
    loaded = load_server_settings(dir.path(), ui);
    EXPECT_EQ(file(), edited);
    EXPECT_EQ(loaded, edited);
    EXPECT_EQ(ui.selected("PVP_组合框1"), 1);   // " true" is not "true"
    EXPECT_EQ(ui.selected("难度_组合框1"), 2);  // 5 leaves the selection alone
    EXPECT_EQ(ui.selected("地狱_组合框"), 1);
    EXPECT_EQ(ui.text("端口_编辑框"), "");  // absent key: empty box
}

TEST_F(ServerSettingsTest, DifficultyValuesMapToTheBoxOrder) {
    const std::pair<const char*, int> cases[] = {{"1", 0}, {"2", 1}, {"3", 2}, {"0", 3}};
    for (const auto& [value, entry] : cases) {
        write_file(std::string("difficulty=") + value + "\r\n");
        loaded = load_server_settings(dir.path(), ui);
        EXPECT_EQ(ui.selected("难度_组合框1"), entry) << value;
    }
}

TEST_F(ServerSettingsTest, SaveWritesEveryKeyFromTheControlsOverTheFileOnDisk) {
    loaded = load_server_settings(dir.path(), ui);
    // The server changed the file since the load: its change survives the save.
    write_file(std::string(default_properties_text()).replace(0, 19, "generator-settings=x"));
    ui.set_selected("地狱_组合框", 1);
    ui.set_selected("PVP_组合框1", -1);
    ui.set_text("renshu", "");
    ui.set_selected("难度_组合框1", 3);
    ui.set_text("端口_编辑框", "25570");
    ui.set_selected("怪物_组合框2", 0);
    ui.set_text("保护范围_编辑框", "16");
    loaded = save_server_settings(dir.path(), ui);

    const std::string saved = file();
    EXPECT_TRUE(saved.starts_with("generator-settings=x\r\n"));
    EXPECT_EQ(read_property(saved, "allow-nether"), "false");
    EXPECT_EQ(read_property(saved, "pvp"), "false");
    EXPECT_NE(saved.find("\r\nmax-players=\r\n"), std::string::npos);
    EXPECT_EQ(read_property(saved, "difficulty"), "0");
    EXPECT_EQ(read_property(saved, "server-port"), "25570");
    EXPECT_EQ(read_property(saved, "spawn-monsters"), "true");
    EXPECT_EQ(read_property(saved, "spawn-protection"), "16");
    // Every other byte is the default text's.
    std::string expected(default_properties_text());
    const std::pair<std::string, std::string> changes[] = {
        {"generator-settings=\r", "generator-settings=x\r"},
        {"allow-nether=true", "allow-nether=false"},
        {"server-port=25565", "server-port=25570"},
        {"pvp=true", "pvp=false"},
        {"difficulty=1", "difficulty=0"},
        {"max-players=20", "max-players="},
        {"spawn-protection=0", "spawn-protection=16"}};
    for (const auto& [from, to] : changes) expected.replace(expected.find(from), from.size(), to);
    EXPECT_EQ(saved, expected);
}

TEST_F(ServerSettingsTest, NoDifficultySelectionWritesNothingForIt) {
    write_file("difficulty=5\r\n");
    ui.set_selected("难度_组合框1", -1);
    loaded = save_server_settings(dir.path(), ui);
    EXPECT_EQ(read_property(file(), "difficulty"), "5");
}

TEST_F(ServerSettingsTest, SaveWithTheFileMissingKeepsEverySetting) {
    fs::delete_file(owned_path(dir.path(), kPropertiesPath));
    ui.set_text("端口_编辑框", "25566");
    ui.set_selected("难度_组合框1", 0);
    ui.set_selected("怪物_组合框2", 1);
    loaded = save_server_settings(dir.path(), ui);
    const std::string saved = file();
    EXPECT_EQ(read_property(saved, "server-port"), "25566");
    EXPECT_EQ(read_property(saved, "difficulty"), "1");
    EXPECT_EQ(read_property(saved, "spawn-monsters"), "false");
}

}  // namespace
}  // namespace cw
