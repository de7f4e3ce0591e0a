#pragma once
// The only way the logic reaches the windows: named controls and a small set of operations.
// Every operation may be called from any thread; the win32 side carries each one out on the
// window thread in order, and a read answers after every change queued before it.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace cw {

// The console box is emptied when an append brings it to this many bytes or more.
inline constexpr std::size_t kConsoleClearBytes = 300000;

enum class WindowState { Normal, Centred, Minimised, Maximised };

class Controls {
  public:
    virtual ~Controls() = default;

    // Content of an edit box or combo box, caption of a label, button or group.
    virtual void set_text(std::string_view name, std::string_view text) = 0;
    virtual std::string text(std::string_view name) = 0;

    // Appends at the end of a console box and scrolls the view there. When the box then holds
    // kConsoleClearBytes or more, it becomes empty (the whole log is dropped at once).
    virtual void append_console(std::string_view name, std::string_view text) = 0;

    virtual void set_enabled(std::string_view name, bool enabled) = 0;
    virtual bool is_enabled(std::string_view name) = 0;
    // Controls, groups and whole windows (by window name).
    virtual void set_visible(std::string_view name, bool visible) = 0;
    virtual bool is_visible(std::string_view name) = 0;

    // Tab controls: the page shown (0-based).
    virtual void select_page(std::string_view tab, int index) = 0;
    virtual int selected_page(std::string_view tab) = 0;

    // Combo boxes: the selected entry (0-based), -1 when none.
    virtual void set_selected(std::string_view name, int index) = 0;
    virtual int selected(std::string_view name) = 0;

    // Check boxes.
    virtual void set_checked(std::string_view name, bool checked) = 0;
    virtual bool is_checked(std::string_view name) = 0;

    // List views: rows with a title (column 0) and further columns.
    virtual void clear_rows(std::string_view name) = 0;
    virtual int add_row(std::string_view name, std::string_view title) = 0;
    virtual void set_cell(std::string_view name, int row, int column, std::string_view text) = 0;
    virtual std::string cell(std::string_view name, int row, int column) = 0;
    virtual int row_count(std::string_view name) = 0;
    virtual int selected_row(std::string_view name) = 0;  // -1 when none

    // Status bars: the text of one part.
    virtual void set_status(std::string_view name, int part, std::string_view text) = 0;
    virtual std::string status(std::string_view name, int part) = 0;

    // Progress bars: the position.
    virtual void set_progress(std::string_view name, int position) = 0;
    virtual int progress(std::string_view name) = 0;

    // Pops up a pop-up menu of the window with its top-left corner at the mouse cursor moved by
    // (dx, dy), tracking the right button.
    virtual void popup_menu_at_cursor(std::string_view menu, int dx, int dy) = 0;

    // Secondary windows, by window name: builds the window from its table and shows it, not
    // modal and with no parent; a window that is already open is restored and brought to the
    // front instead (there is never a second copy).
    virtual void open_window(std::string_view window) = 0;

    // Picture boxes: shows a PNG or JPEG image given as its bytes.
    virtual void set_picture(std::string_view name, std::span<const unsigned char> image) = 0;
    // Web browser controls: shows an HTML page given as its bytes (GBK or with its own charset).
    virtual void show_html(std::string_view name, std::string_view html) = 0;

    // Whole windows, by window name. A state change acts only on a visible window.
    virtual void set_window_state(std::string_view window, WindowState state) = 0;
    virtual WindowState window_state(std::string_view window) = 0;

    // The window's icon in the notification area (the program's icon, at most one per window):
    // shown with `tip` (added, or its tip replaced when it is there), or removed. It goes with
    // its window, and comes back by itself when the shell's taskbar is created again. Answers
    // whether the window has the icon as asked: false when the shell refused to add it.
    virtual bool set_tray_icon(std::string_view window, bool shown, std::string_view tip) = 0;
    // Pops up a pop-up menu from the tray icon: its window is made the foreground window, the
    // menu opens right-aligned 5 pixels left of and above the mouse cursor, and an empty message
    // is posted to the window once it has closed, so that the shell dismisses it properly.
    virtual void popup_tray_menu(std::string_view menu) = 0;
};

}  // namespace cw
