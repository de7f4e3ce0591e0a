#include "ui/main_window_layout.h"

#include <array>

#include "ui/main_window_controls.h"

namespace cw {

namespace {

using namespace main_window;
using K = ControlKind;

// Parents come before their children: the window is built in this order.
// clang-format off
constexpr std::array kControls = {
    // Left column.
    ControlSpec{"分组框1", K::GroupBox, "操作栏", 0, 8, 120, 328, ""},
    ControlSpec{kStartButton, K::Button, "开启服务器", 8, 24, 96, 32, "分组框1"},
    ControlSpec{kStopButton, K::Button, "关闭服务器", 8, 72, 96, 32, "分组框1", true, false},
    ControlSpec{kTestModeButton, K::Button, "服务器测试模式", 8, 280, 96, 24, "分组框1"},
    ControlSpec{"透明标签1", K::Label, "版本-1.7.2", 24, 304, 72, 16, "分组框1"},

    // Right side: the tab control and its three pages (page 1 shown at start).
    ControlSpec{kTab, K::Tab, "", 120, 0, 360, 328, "", true, true,
                "首页-play \n后台\n插件列表", 0},
    ControlSpec{kHomePage, K::TabPage, "首页-play ", 0, 0, 360, 328, kTab, true,
                true, {}, 0},
    ControlSpec{kConsolePage, K::TabPage, "后台", 0, 0, 360, 328, kTab, false, true,
                {}, 1},
    ControlSpec{kPluginsPage, K::TabPage, "插件列表", 0, 0, 360, 328, kTab, false,
                true, {}, 2},

    // Page 1.
    ControlSpec{"透明标签2", K::Label, "Cpu[中央处理器]\r\n", 16, 40, 104, 16, kHomePage},
    ControlSpec{kCpuBar, K::ProgressBar, "", 16, 56, 200, 16, kHomePage},
    timer_row(kCpuTimer, 1000, true),
    ControlSpec{"透明标签3", K::Label, "内网ip[用于映射]", 16, 80, 112, 16, kHomePage},
    ControlSpec{kLanAddressLabel, K::Label, "出现异常=无法获取", 16, 104, 112, 16, kHomePage},
    ControlSpec{kCopyAddressButton, K::Button, "复制ip", 120, 104, 64, 16, kHomePage},
    ControlSpec{kProtectionCheckBox, K::CheckBox, "服务器启动防御模式[防压测]", 16, 128, 192, 16,
                kHomePage},
    ControlSpec{"分组框3", K::GroupBox, "Cubeworks Admin The command[设置]", 24, 224, 304, 96,
                kHomePage},
    ControlSpec{kServerSettingsGroup, K::GroupBox, "服务器更多设置", 8, 24, 328, 184, kHomePage,
                false},

    // Launcher settings.
    ControlSpec{"透明标签5", K::Label, "java位置：", 8, 8, 56, 32, "分组框3"},
    ControlSpec{kJavaBox, K::Edit, "", 72, 16, 168, 16, "分组框3"},
    ControlSpec{"透明标签6", K::Label, "最小内存", 8, 40, 56, 24, "分组框3"},
    ControlSpec{kMinMemoryBox, K::Edit, "504", 64, 40, 48, 24, "分组框3"},
    ControlSpec{"透明标签7", K::Label, "最大内存", 120, 40, 48, 24, "分组框3"},
    ControlSpec{kMaxMemoryBox, K::Edit, "1024", 176, 40, 48, 24, "分组框3"},
    ControlSpec{"透明标签8", K::Label, "服务器人数：", 8, 72, 72, 16, "分组框3"},
    ControlSpec{kMaxPlayersBox, K::Edit, "20", 80, 72, 40, 16, "分组框3"},
    ControlSpec{kMoreSettingsButton, K::Button, "更多设置", 128, 72, 56, 16, "分组框3"},
    ControlSpec{kSaveButton, K::Button, "保存", 248, 64, 48, 24, "分组框3"},

    // Server settings editor, over the upper part of page 1 when shown.
    ControlSpec{"透明标签9", K::Label, "是否地狱", 8, 16, 48, 16, kServerSettingsGroup},
    ControlSpec{kNetherCombo, K::ComboBox, "", 64, 16, 72, 20, kServerSettingsGroup, true, true,
                "true\nfalse", -1, 0},
    ControlSpec{"透明标签14", K::Label, "是否开启PVP", 144, 16, 72, 24, kServerSettingsGroup},
    ControlSpec{kPvpCombo, K::ComboBox, "", 216, 16, 72, 20, kServerSettingsGroup, true, true,
                "true\nfalse", -1, 0},
    ControlSpec{"透明标签10", K::Label, "是否生成怪物", 8, 40, 80, 16, kServerSettingsGroup},
    ControlSpec{kMonstersCombo, K::ComboBox, "", 80, 40, 72, 20, kServerSettingsGroup, true, true,
                "true\nfalse", -1, 0},
    ControlSpec{"透明标签11", K::Label, "服务器难度", 8, 72, 64, 16, kServerSettingsGroup},
    ControlSpec{kDifficultyCombo, K::ComboBox, "", 72, 72, 72, 20, kServerSettingsGroup, true, true,
                "普通\n一般\n困难\n和平", -1, 0},
    ControlSpec{"透明标签12", K::Label, "出生地保护范围", 8, 104, 88, 16, kServerSettingsGroup},
    ControlSpec{kSpawnProtectionBox, K::NumberEdit, "", 96, 104, 48, 16, kServerSettingsGroup},
    ControlSpec{"透明标签13", K::Label, "服务器端口：", 8, 136, 72, 16, kServerSettingsGroup},
    ControlSpec{kPortBox, K::Edit, "22565", 80, 136, 40, 16, kServerSettingsGroup},
    file_dialog_row(kIconDialog, "支持格式（*.png）|*.png\r\n"),

    // Page 2: the console.
    ControlSpec{"分组框2", K::GroupBox, "Cubeworks World[后台]", 8, 32, 336, 288,
                kConsolePage},
    ControlSpec{kConsoleBox, K::ConsoleEdit, "", 8, 16, 320, 240, "分组框2"},
    ControlSpec{kCommandBox, K::Edit, "", 16, 264, 224, 16, "分组框2"},
    ControlSpec{kSendButton, K::Button, "发送指令", 248, 264, 64, 16, "分组框2"},

    // Page 3: the plugin list.
    ControlSpec{kPluginList, K::ListView, "", 0, 24, 352, 264, kPluginsPage, true, true,
                "插件名称:300"},
    ControlSpec{kInstallPluginButton, K::Button, "安装插件", 8, 296, 80, 24, kPluginsPage},
    ControlSpec{kDeletePluginButton, K::Button, "删除插件", 208, 296, 80, 24, kPluginsPage},

    // Directly on the window.
    ControlSpec{kStatusBar, K::StatusBar, "", 0, 337, 487, 20, "", true, true,
                "130:Cubeworks-开服器提示：\n-1:"},
    file_dialog_row(kPluginDialog, "*.jar|*.jar"),
};
// clang-format on

// Menu bar entries have menu ""; a sub-menu is named after its path ("parent>entry") so the
// tray menu's plugin sub-menu and the plugin pop-up, captioned alike, stay apart.
// clang-format off
constexpr std::array kMenus = {
    MenuSpec{"", kAboutMenu, kAboutMenu},
    MenuSpec{"", kServerMenu, kServerMenu},
    MenuSpec{"", kOnlineMenu, kOnlineMenu},

    MenuSpec{kAboutMenu, kAuthorEntry, ""},
    MenuSpec{kAboutMenu, "-", ""},
    MenuSpec{kAboutMenu, kTutorialEntry, ""},

    MenuSpec{kServerMenu, kStopEntry, ""},
    MenuSpec{kServerMenu, kRestartEntry, ""},
    MenuSpec{kServerMenu, kForceCloseEntry, ""},
    MenuSpec{kServerMenu, "-", ""},
    MenuSpec{kServerMenu, kIconEntry, kIconMenu},
    MenuSpec{kServerMenu, kCommandManagerEntry, ""},
    MenuSpec{kIconMenu, kSetIconEntry, ""},
    MenuSpec{kIconMenu, "-", ""},
    MenuSpec{kIconMenu, kIconHelpEntry, ""},

    MenuSpec{kOnlineMenu, kPlayerListEntry, ""},
    MenuSpec{kOnlineMenu, "-", ""},
    MenuSpec{kOnlineMenu, kRunningOnlyNote, "", false},

    // Pop-up menus.
    MenuSpec{kTrayMenu, kTrayStopEntry, ""},
    MenuSpec{kTrayMenu, kTrayOpenEntry, ""},
    MenuSpec{kTrayMenu, kTrayPluginEntry, kTrayPluginMenu},
    MenuSpec{kTrayPluginMenu, kTrayInstallEntry, ""},

    MenuSpec{kPluginMenu, kInstallEntry, ""},
    MenuSpec{kPluginMenu, kRefreshEntry, ""},
    MenuSpec{kPluginMenu, kDeleteEntry, ""},
};
// clang-format on

constexpr WindowSpec kMainWindow{kWindow, kTitle, 493, 399, kControls, kMenus};

}  // namespace

const WindowSpec& main_window_spec() {
    return kMainWindow;
}

}  // namespace cw
