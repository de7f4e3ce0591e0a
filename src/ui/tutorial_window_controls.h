#pragma once
// The tutorial window's name and the controls the program acts on.
#include <string_view>

namespace cw::tutorial_window {

inline constexpr std::string_view kWindow = "教程窗口";
inline constexpr std::string_view kTitle = "在线教程";

inline constexpr std::string_view kViewer = "超文本浏览框1";
inline constexpr std::string_view kWebPageButton = "按钮1";
inline constexpr std::string_view kToolsButton = "按钮2";
inline constexpr std::string_view kToolsGroup = "分组框1";
inline constexpr std::string_view kNotepadButton = "按钮3";
inline constexpr std::string_view kLauncherButton = "按钮4";
inline constexpr std::string_view kCloseToolsButton = "按钮5";

}  // namespace cw::tutorial_window
