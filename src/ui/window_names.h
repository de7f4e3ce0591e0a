#pragma once
// Controls of the secondary windows are addressed as "window/control": their bare names (such
// as 按钮1 or 分组框1) are also names of the main window's controls.
#include <string>
#include <string_view>

namespace cw {

inline std::string control_path(std::string_view window, std::string_view control) {
    std::string path(window);
    path.push_back('/');
    path.append(control);
    return path;
}

}  // namespace cw
