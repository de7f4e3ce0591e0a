#pragma once
// The about window's name and the controls the program acts on.
#include <string_view>

namespace cw::about_window {

inline constexpr std::string_view kWindow = "关于窗口";
inline constexpr std::string_view kTitle = "关于";

inline constexpr std::string_view kSponsorListGroup = "分组框3";
inline constexpr std::string_view kSponsorListButton = "按钮1";
inline constexpr std::string_view kBackButton = "按钮2";
inline constexpr std::string_view kPicture = "图片框1";

}  // namespace cw::about_window
