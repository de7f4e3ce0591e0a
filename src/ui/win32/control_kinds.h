#pragma once
// The Win32 side of each control kind (layout.h), in one place: the window class and styles a
// control of that kind is created with and its set-up from its table row (one table, kind by
// kind), and small helpers over the messages of the kinds the program reads and changes. The
// windows (layout_window.h) create controls from it; the controls boundary (win32_ui.h) works
// them through it.
#include <windows.h>

#include <string>
#include <string_view>

#include "ui/layout.h"

namespace cw::win32 {

// How a control of one kind is created.
struct KindCreation {
    const wchar_t* window_class;  // nullptr: the kind has no window (timer, file dialog, window)
    DWORD style;                  // beside WS_CHILD, WS_CLIPSIBLINGS and the row's states
    DWORD ex_style;
    int extra_height;  // added to the row's height (a combo box's dropped-down list)
    void (*set_up)(HWND control, const ControlSpec& row);  // once created; nullptr: nothing
};
const KindCreation& creation_of(ControlKind kind);

// Registers the window classes of the kinds that are our own (tab page, picture, web page).
void register_control_classes(HINSTANCE instance);

// Moves a top-level window to the centre of the screen's work area.
void centre_window(HWND window);

namespace tab_control {
// The area a page covers: below the tab strip, over the rest of the tab control.
RECT page_area(HWND tab);
// Shows the page of the tab control that is selected and hides the others.
void show_selected_page(HWND tab);
void select(HWND tab, int index);
int selected(HWND tab);
}  // namespace tab_control

namespace combo_box {
// Showing an entry's exact text selects that entry; other text is shown as typed.
void show_text(HWND combo, std::string_view text);
void select(HWND combo, int index);
int selected(HWND combo);  // -1: none
}  // namespace combo_box

namespace list_view {
void clear(HWND list);
int add_row(HWND list, std::string_view title);  // the new row's index, -1 on failure
void set_cell(HWND list, int row, int column, std::string_view text);
std::string cell(HWND list, int row, int column);
int row_count(HWND list);
int selected_row(HWND list);  // -1: none
}  // namespace list_view

namespace status_bar {
void set_text(HWND bar, int part, std::string_view text);
std::string text(HWND bar, int part);
}  // namespace status_bar

namespace progress_bar {
void set_position(HWND bar, int position);
int position(HWND bar);
}  // namespace progress_bar

// A see-through label with new text: what lay beneath the old text is painted again.
void set_label_text(HWND label, std::string_view text);

// A window's icon in the notification area (the program's icon at the area's size, reporting
// mouse actions to the window as kMsgTrayIcon), and whether it is there.
class TrayIcon {
  public:
    // Adds the icon with this tip, or updates it when it is there; true when it is there.
    bool show(HWND window, std::wstring_view tip);
    // Takes the icon away; nothing when it is not there.
    void remove(HWND window);
    // A new taskbar started: the icon is added again (updated where the taskbar kept it).
    void taskbar_created(HWND window);
    bool shown() const { return shown_; }

  private:
    bool add_or_update(HWND window);
    bool shown_ = false;
    std::wstring tip_;
};

}  // namespace cw::win32
