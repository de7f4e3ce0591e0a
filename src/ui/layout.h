#pragma once
// One table per window: every control's name, kind, caption, place, parent and initial state.
// The win32 side builds the window from it; the headless UI and the UI test driver read it.
#include <span>
#include <string_view>
#include <vector>

namespace cw {

enum class ControlKind {
    Window,
    GroupBox,
    Button,
    CheckBox,
    Label,        // transparent label
    Edit,         // single-line edit box
    ConsoleEdit,  // multi-line edit box with both scroll bars
    NumberEdit,   // edit box that accepts an integer only
    ComboBox,     // drop-down combo box; `items` lists its entries separated by '\n'
    ListView,     // report style; `items` lists the column captions and widths "caption:width\n"
    Tab,          // tab control; `items` lists the page captions separated by '\n'
    TabPage,      // page `page` of the tab control named as parent
    ProgressBar,
    Timer,       // ticks every `period_ms` while enabled (made with timer_row)
    StatusBar,   // `items` lists the part widths and texts "width:text\n" (-1: the rest)
    FileDialog,  // `filter` lists what it offers (made with file_dialog_row)
    Picture,     // an image given through Controls::set_picture, fitted to the box's width
    TextBox,     // multi-line edit box that wraps its lines, with a vertical scroll bar
    WebBrowser,  // the system's web browser control, silent (script errors raise no dialog)
};

struct ControlSpec {
    std::string_view name;
    ControlKind kind;
    std::string_view caption;  // caption or initial content
    int x, y, width, height;
    std::string_view parent;  // container name; "" for the window itself
    bool visible = true;
    bool enabled = true;
    std::string_view items = {};
    int page = -1;      // for TabPage: its index; for Tab: the page shown at start
    int selected = -1;  // for ComboBox: the entry shown at start
    int limit = 0;      // edit boxes: the most characters that can be typed, 0 for no limit
    int period_ms = 0;  // for Timer: the time between two ticks
    std::string_view filter = {};  // for FileDialog: "description|pattern|..." ("\r\n" ends it)
};

// The row of a timer: no window, no place; it ticks every `period_ms` from the start when
// `running`.
constexpr ControlSpec timer_row(std::string_view name, int period_ms, bool running) {
    ControlSpec row{name, ControlKind::Timer, "", 0, 0, 0, 0, "", false, running};
    row.period_ms = period_ms;
    return row;
}

// The row of a file dialog: no window, no place; `filter` as for ControlSpec::filter.
constexpr ControlSpec file_dialog_row(std::string_view name, std::string_view filter) {
    ControlSpec row{name, ControlKind::FileDialog, "", 0, 0, 0, 0, "", false};
    row.filter = filter;
    return row;
}

struct MenuSpec {
    std::string_view menu;     // the menu or pop-up menu this entry belongs to
    std::string_view caption;  // "-" for a separator
    std::string_view submenu;  // name of the sub-menu this entry opens, "" for a plain entry
    bool enabled = true;
};

struct WindowSpec {
    std::string_view name;
    std::string_view title;
    int width, height;  // outer size
    std::span<const ControlSpec> controls;
    std::span<const MenuSpec> menus;  // menu bar entries (menu "") and pop-up menus
};

// The row of a control (or tab page, timer, dialog) by name; nullptr when the window has none.
const ControlSpec* find_control(const WindowSpec& window, std::string_view name);

// True when the window's menus include one of this name (a menu bar menu, a sub-menu or a
// pop-up menu).
bool has_menu(const WindowSpec& window, std::string_view menu);

// The control whose client area a control's place is measured in: its parent, except that the
// children of a tab page are placed in the tab control's client area (the page itself begins
// below the tab strip). "" for the window's client area.
std::string_view placement_frame(const WindowSpec& window, const ControlSpec& control);

// The lines of an `items` text ("a\nb\nc"); no line for an empty text.
std::vector<std::string_view> item_lines(std::string_view items);

}  // namespace cw
