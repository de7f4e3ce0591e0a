#pragma once
// The names of the main window, its controls, menus and dialogs that the program acts on. The
// layout table, the event table and the logic all use these constants; a control that only
// decorates (a label, a frame) is named in the layout table alone.
#include <string_view>

#include "ui/submenu_name.h"

namespace cw::main_window {

inline constexpr std::string_view kWindow = "主窗口";
inline constexpr std::string_view kTitle = "Cubeworks一键开服器1.7.2[simple]";

// Left column.
inline constexpr std::string_view kStartButton = "按钮1";
inline constexpr std::string_view kStopButton = "按钮2";
inline constexpr std::string_view kTestModeButton = "按钮4";

// The tab control and its pages: 0 home, 1 console, 2 plugins.
inline constexpr std::string_view kTab = "高级选择夹1";
inline constexpr std::string_view kHomePage = "高级选择夹1_页1";
inline constexpr std::string_view kConsolePage = "高级选择夹1_页2";
inline constexpr std::string_view kPluginsPage = "高级选择夹1_页3";
inline constexpr int kConsolePageIndex = 1;

// Home page.
inline constexpr std::string_view kCpuBar = "进度条1";
inline constexpr std::string_view kCpuTimer = "时钟1";
inline constexpr std::string_view kLanAddressLabel = "透明标签4";
inline constexpr std::string_view kCopyAddressButton = "按钮5";
inline constexpr std::string_view kProtectionCheckBox = "选择框1";

// Launcher settings group.
inline constexpr std::string_view kJavaBox = "编辑框_java";
inline constexpr std::string_view kMinMemoryBox = "编辑框4";
inline constexpr std::string_view kMaxMemoryBox = "编辑框_最大内存";
inline constexpr std::string_view kMaxPlayersBox = "renshu";
inline constexpr std::string_view kMoreSettingsButton = "按钮7";
inline constexpr std::string_view kSaveButton = "按钮8";

// Server settings group, shown by "更多设置".
inline constexpr std::string_view kServerSettingsGroup = "分组框4";
inline constexpr std::string_view kNetherCombo = "地狱_组合框";
inline constexpr std::string_view kPvpCombo = "PVP_组合框1";
inline constexpr std::string_view kMonstersCombo = "怪物_组合框2";
inline constexpr std::string_view kDifficultyCombo = "难度_组合框1";
inline constexpr std::string_view kSpawnProtectionBox = "保护范围_编辑框";
inline constexpr std::string_view kPortBox = "端口_编辑框";
inline constexpr std::string_view kIconDialog = "通用对话框1";

// Console page.
inline constexpr std::string_view kConsoleBox = "编辑框_回显文本";
inline constexpr std::string_view kCommandBox = "编辑框2";
inline constexpr std::string_view kSendButton = "按钮3";

// Plugins page.
inline constexpr std::string_view kPluginList = "超级列表框_插件";
inline constexpr std::string_view kInstallPluginButton = "按钮9";
inline constexpr std::string_view kDeletePluginButton = "按钮10";
inline constexpr std::string_view kPluginDialog = "通用对话框_插件";

// Status bar: part 0 the server address, part 1 the server's state.
inline constexpr std::string_view kStatusBar = "状态条1";
inline constexpr int kAddressPart = 0;
inline constexpr int kStatusPart = 1;

// Menus. A sub-menu is named after its path ("menu>entry").
inline constexpr std::string_view kAboutMenu = "关于";
inline constexpr std::string_view kServerMenu = "服务器管理";
inline constexpr std::string_view kOnlineMenu = "[在线管理]";
inline constexpr std::string_view kTrayMenu = "菜单";
inline constexpr std::string_view kPluginMenu = "插件";

// Menu entries, each caption named once: the layout table builds the menus from these and the
// event table binds them. The tray menu and the server menu both have a stop entry, with
// different effects, so each has its own constant.
inline constexpr std::string_view kAuthorEntry = "作者";  // 关于
inline constexpr std::string_view kTutorialEntry = "教程视频";
inline constexpr std::string_view kStopEntry = "关闭服务器";  // 服务器管理
inline constexpr std::string_view kRestartEntry = "重启服务器";
inline constexpr std::string_view kForceCloseEntry = "强制性关闭服务器";
inline constexpr std::string_view kIconEntry = "设置服务器图标";  // opens kIconMenu
inline constexpr std::string_view kCommandManagerEntry = "Cubeworks-指令管理者";
inline constexpr std::string_view kSetIconEntry = "设置图标";  // kIconMenu
inline constexpr std::string_view kIconHelpEntry = "帮助[设置前戳我]";
inline constexpr std::string_view kPlayerListEntry = "管理列表";  // [在线管理]
inline constexpr std::string_view kRunningOnlyNote = "服务器开启后本功能才有效";
inline constexpr std::string_view kTrayStopEntry = "关闭服务器";  // the tray menu
inline constexpr std::string_view kTrayOpenEntry = "打开界面";
inline constexpr std::string_view kTrayPluginEntry = "插件";   // opens kTrayPluginMenu
inline constexpr std::string_view kTrayInstallEntry = "安装";  // kTrayPluginMenu
inline constexpr std::string_view kInstallEntry = "安装";      // the plugin menu
inline constexpr std::string_view kRefreshEntry = "刷新";
inline constexpr std::string_view kDeleteEntry = "删除";

inline constexpr std::string_view kIconMenu = submenu_name<kServerMenu, kIconEntry>;
inline constexpr std::string_view kTrayPluginMenu = submenu_name<kTrayMenu, kTrayPluginEntry>;

}  // namespace cw::main_window
