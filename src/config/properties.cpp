#include "config/properties.h"

#include "base/gbk_text.h"
#include "config/workspace.h"
#include "platform/files.h"
#include "ui/main_window_controls.h"

namespace cw {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// One key line and its comment line, in file order.
constexpr std::string_view kDefaultLines[] = {
    "generator-settings=",
    "#生成器设置(不太确定)",
    "allow-nether=true",
    "#开启地狱",
    "level-name=world",
    "#默认地图文件夹",
    "enable-query=false",
    "#是否开启GameSpy4协议服务器监听器，国内无效",
    "allow-flight=false",
    "#是否允许飞行",
    "server-port=25565",
    "#服务器端口",
    "level-type=DEFAULT",
    "#地图类型",
    "enable-rcon=false",
    "#开启rcon，实际上就是网页后台(如果不懂就去百度)",
    "level-seed=",
    "#服务器地图种子",
    "server-ip=",
    "#服务器ip(请无视)",
    "max-build-height=256",
    "#最大建筑高度",
    "spawn-npcs=true",
    "#是否生成NPC",
    "white-list=false",
    "#开启白名单",
    "spawn-animals=true",
    "#生成动物",
    "snooper-enabled=true",
    "#用于给http://snooper.cubeworks.net网站发送服务器数据，推荐关闭",
    "hardcore=false",
    "#极限模式(死亡被ban)",
    "texture-pack=",
    "#服务器默认材质下载链接",
    "pvp=true",
    "#开启pvp",
    "difficulty=1",
    "#服务器难度",
    "server-name=Unknown Server",
    "#服务器名称",
    "gamemode=0",
    "#默认游戏模式",
    "force-gamemode=false",
    "#强制默认游戏模式",
    "online-mode=false",
    "#正版模式，盗版玩家请关闭",
    "max-players=20",
    "#最大人数限制",
    "spawn-monsters=true",
    "#生成怪物",
    "generate-structures=true",
    "#生成建筑物",
    "view-distance=10",
    "#可见距离",
    "spawn-protection=0",
    "#出生地保护范围",
    "motd=A Cubeworks Server",
    "#motd文本，只支持英文",
};
static_assert(std::size(kDefaultLines) == 58);

std::string build_default_text() {
    std::string text;
    for (std::size_t i = 0; i < std::size(kDefaultLines); ++i) {
        if (i > 0) text.append(kLineEnd);
        text.append(kDefaultLines[i]);
    }
    return text;
}

// Where the value of `key` starts, and where its CR LF is (npos when missing).
struct ValueSpan {
    std::size_t start = npos;
    std::size_t end = npos;
};

ValueSpan find_value(std::string_view text, std::string_view key) {
    std::string needle(key);
    needle.push_back('=');
    const std::size_t hit = gbk_find(text, needle);
    if (hit == npos) return {};
    const std::size_t start = hit + needle.size();
    return {start, gbk_find(text, kLineEnd, start)};
}

// The three true/false combo boxes: entry 0 "true", entry 1 "false".
void load_flag(Controls& ui, std::string_view control, std::string_view value) {
    ui.set_selected(control, value == "true" ? 0 : 1);
}

std::string_view saved_flag(Controls& ui, std::string_view control) {
    return ui.selected(control) == 0 ? "true" : "false";
}

// Difficulty entries in the box's order: 普通 1, 一般 2, 困难 3, 和平 0.
constexpr std::string_view kDifficultyValues[] = {"1", "2", "3", "0"};

constexpr std::string_view kNether = main_window::kNetherCombo;
constexpr std::string_view kPvp = main_window::kPvpCombo;
constexpr std::string_view kPlayers = main_window::kMaxPlayersBox;
constexpr std::string_view kDifficulty = main_window::kDifficultyCombo;
constexpr std::string_view kPort = main_window::kPortBox;
constexpr std::string_view kMonsters = main_window::kMonstersCombo;
constexpr std::string_view kProtection = main_window::kSpawnProtectionBox;

std::string read_settings_file(std::string_view program_dir) {
    return std::string(cut_at_zero(fs::read_whole_file(owned_path(program_dir, kPropertiesPath))));
}

}  // namespace

std::string_view default_properties_text() {
    static const std::string text = build_default_text();
    return text;
}

std::string read_property(std::string_view text, std::string_view key) {
    const ValueSpan v = find_value(text, key);
    if (v.start == npos || v.end == npos) return {};
    return std::string(text.substr(v.start, v.end - v.start));
}

void write_property(std::string& text, std::string_view key, std::string_view value) {
    const ValueSpan v = find_value(text, key);
    if (v.start == npos) {
        if (!text.empty() && !text.ends_with(kLineEnd)) text.append(kLineEnd);
        text.append(key);
        text.push_back('=');
        text.append(value);
        text.append(kLineEnd);
        return;
    }
    if (v.end == npos) {
        text.replace(v.start, npos, value);
        text.append(kLineEnd);
        return;
    }
    text.replace(v.start, v.end - v.start, value);
}

std::string load_server_settings(std::string_view program_dir, Controls& ui) {
    const std::string path = owned_path(program_dir, kPropertiesPath);
    if (!fs::file_exists(path)) fs::write_whole_file(path, default_properties_text());
    const std::string text = read_settings_file(program_dir);

    load_flag(ui, kNether, read_property(text, "allow-nether"));
    load_flag(ui, kPvp, read_property(text, "pvp"));
    ui.set_text(kPlayers, read_property(text, "max-players"));
    const std::string difficulty = read_property(text, "difficulty");
    for (std::size_t i = 0; i < std::size(kDifficultyValues); ++i) {
        if (difficulty == kDifficultyValues[i]) ui.set_selected(kDifficulty, static_cast<int>(i));
    }
    ui.set_text(kPort, read_property(text, "server-port"));
    load_flag(ui, kMonsters, read_property(text, "spawn-monsters"));
    ui.set_text(kProtection, read_property(text, "spawn-protection"));
    return text;
}

std::string save_server_settings(std::string_view program_dir, Controls& ui) {
    // The file on disk is the base, so changes the game server made to it survive.
    std::string text = read_settings_file(program_dir);

    write_property(text, "server-port", ui.text(kPort));
    write_property(text, "max-players", ui.text(kPlayers));
    write_property(text, "pvp", saved_flag(ui, kPvp));
    write_property(text, "spawn-protection", ui.text(kProtection));
    const int difficulty = ui.selected(kDifficulty);
    if (difficulty >= 0 && difficulty < static_cast<int>(std::size(kDifficultyValues))) {
        write_property(text, "difficulty", kDifficultyValues[difficulty]);
    }
    write_property(text, "allow-nether", saved_flag(ui, kNether));
    write_property(text, "spawn-monsters", saved_flag(ui, kMonsters));

    fs::write_whole_file(owned_path(program_dir, kPropertiesPath), text);
    return text;
}

}  // namespace cw
