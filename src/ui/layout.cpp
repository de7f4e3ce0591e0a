#include "ui/layout.h"

namespace cw {

const ControlSpec* find_control(const WindowSpec& window, std::string_view name) {
    for (const ControlSpec& c : window.controls) {
        if (c.name == name) return &c;
    }
    return nullptr;
}

bool has_menu(const WindowSpec& window, std::string_view menu) {
    for (const MenuSpec& m : window.menus) {
        if (m.menu == menu || m.submenu == menu) return true;
    }
    return false;
}

std::string_view placement_frame(const WindowSpec& window, const ControlSpec& control) {
    const ControlSpec* parent = find_control(window, control.parent);
    if (parent && parent->kind == ControlKind::TabPage) return parent->parent;
    return control.parent;
}

std::vector<std::string_view> item_lines(std::string_view items) {
    std::vector<std::string_view> out;
    while (!items.empty()) {
        const auto nl = items.find('\n');
        out.push_back(items.substr(0, nl));
        if (nl == std::string_view::npos) break;
        items.remove_prefix(nl + 1);
    }
    return out;
}

}  // namespace cw
