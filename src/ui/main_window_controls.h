#pragma once
// The names of the main window, its controls, menus and dialogs that the program acts on. The
// layout table, the event table and the logic all use these constants; a control that only
// decorates (a label, a frame) is named in the layout table alone.
#include <string_view>

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
inline constexpr std::string_view kIconMenu = "服务器管理>设置服务器图标";
inline constexpr std::string_view kOnlineMenu = "[在线管理]";
inline constexpr std::string_view kTrayMenu = "菜单";
inline constexpr std::string_view kTrayPluginMenu = "菜单>插件";
inline constexpr std::string_view kPluginMenu = "插件";

}  // namespace cw::main_window
