#pragma once
// A top-level window built from its table (layout.h) that reports its events to a sink
// (events.h).
//
// Group boxes and tab pages are real container windows, so a child's place is relative to its
// container; the children of a tab page are placed in the tab control's client area (the page
// window itself begins below the tab strip). Notifications from inside containers are passed
// on to the top-level window, which reports them.
//
// Finding controls from outside (UI test driver, debugging): every control window has the
// control id kControlIdBase + its row in the window's table, and the window property
// kRowProperty holding row + 1; tab pages also carry kPageProperty (page index + 1). Menu
// entries have the command id kMenuIdBase + their row in the menu table, timers the timer id
// kTimerIdBase + their row.
#include <windows.h>

#include <map>
#include <string_view>
#include <vector>

#include "ui/events.h"
#include "ui/layout.h"

namespace cw::win32 {

class Win32Ui;

inline constexpr int kControlIdBase = 1000;
inline constexpr int kMenuIdBase = 3000;
inline constexpr UINT_PTR kTimerIdBase = 1000;
inline constexpr wchar_t kRowProperty[] = L"cw.row";
inline constexpr wchar_t kPageProperty[] = L"cw.page";

class LayoutWindow {
  public:
    // `ends_program`: destroying this window ends the message loop and the dispatcher.
    LayoutWindow(Win32Ui& ui, const WindowSpec& table, EventSink& events, bool ends_program);
    ~LayoutWindow();
    LayoutWindow(const LayoutWindow&) = delete;
    LayoutWindow& operator=(const LayoutWindow&) = delete;

    // Builds the window hidden and centred on the screen with every control of its table,
    // runs its Created event to completion, then shows it.
    void create(int show_command = SW_SHOWNORMAL);
    HWND hwnd() const { return hwnd_; }

  private:
    static LRESULT CALLBACK window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp);
    void build_menus();
    void build_controls();
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
};

// Shows the page of a tab control that is selected and hides the others.
void show_selected_page(HWND tab);
// Moves a top-level window to the centre of the screen's work area.
void centre_window(HWND window);

}  // namespace cw::win32
