#pragma once
// A top-level window built from its table (layout.h) that reports its events to a sink
// (events.h).
//
// Group boxes and tab pages are real container windows, so a child's place is relative to its
// container; the children of a tab page are placed in the tab control's client area (the page
// window itself begins below the tab strip). Notifications from inside containers are passed
// on to the top-level window, which reports them.
//
// Controls, menu entries and timers carry the ids of control_ids.h; each control is created and
// set up as its kind says (control_kinds.h).
//
// The controls inside a container hidden at start (a tab page other than the one shown, a group
// shown later) and those containers themselves are built just after the window first shows, one
// a turn of the message loop (the window answers between them), so that it shows sooner; the
// Shown event follows. Until then the controls boundary queues changes to them and has them all
// built at once for a read (win32_ui.h).
#include <windows.h>

#include <cstddef>
#include <map>
#include <string_view>
#include <vector>

#include "ui/events.h"
#include "ui/layout.h"

namespace cw::win32 {

class Win32Ui;

class LayoutWindow {
  public:
    // `ends_program`: destroying this window ends the message loop and the dispatcher.
    LayoutWindow(Win32Ui& ui, const WindowSpec& table, EventSink& events, bool ends_program);
    ~LayoutWindow();
    LayoutWindow(const LayoutWindow&) = delete;
    LayoutWindow& operator=(const LayoutWindow&) = delete;

    // Builds the window hidden and centred on the screen with the controls it shows at first,
    // runs its Created event to completion, then shows it; the rest of its controls are built,
    // and its Shown event runs, when the message loop next runs.
    void create(int show_command = SW_SHOWNORMAL);
    HWND hwnd() const { return hwnd_; }

  private:
    static LRESULT CALLBACK window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp);
    void build_menus();
    void build_controls();
    // Builds up to `rows` of the rows left for after showing; when none is left, the boundary
    // is told (and nothing more happens on later calls).
    void build_later(std::size_t rows);
    void place_beneath(std::size_t row) const;
    HWND create_control(std::size_t row);  // nullptr for a row without a window
    void on_command(WPARAM wp, LPARAM lp);
    void on_notify(const NMHDR& hdr);
    LRESULT static_colour(HDC dc, HWND control) const;
    void on_destroy();
    HWND container_of(const ControlSpec& c, POINT& origin) const;
    const ControlSpec* row_of_id(WPARAM id, int base) const;

    Win32Ui& ui_;
    const WindowSpec& table_;
    EventSink& events_;
    bool ends_program_;
    bool ready_ = false;  // the Created event has been fired
    HWND hwnd_ = nullptr;
    HMENU bar_ = nullptr;
    std::map<std::string_view, HMENU> menus_;  // every menu and sub-menu by name
    std::vector<HWND> controls_;               // one per table row
    std::vector<bool> later_;                  // rows built after the window shows
    std::size_t next_later_ = 0;               // the row build_later looks at next
    bool later_built_ = false;
};

}  // namespace cw::win32
