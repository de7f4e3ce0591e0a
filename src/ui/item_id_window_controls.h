#pragma once
// The item-id window's name and its one control.
#include <string_view>

namespace cw::item_id_window {

inline constexpr std::string_view kWindow = "物品id窗口";
inline constexpr std::string_view kTitle = "物品id表";

inline constexpr std::string_view kPicture = "图片框1";

}  // namespace cw::item_id_window
