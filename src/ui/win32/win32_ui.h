#pragma once
// Controls and Dialogs over real windows.
//
// Every operation may be called from any thread; it is carried out on the window thread through
// the one UiDispatcher (see ui_dispatcher.h), in order. Controls are found by the names of the
// window tables; the windows register themselves here when they are built (layout_window.h).
// Names are unique across the registered windows; the window itself is registered under its
// table name.
//
// A control a window builds only after it shows (layout_window.h) is known by its name from the
// start: a change to it waits, in order, until it is built; a read of it has it built at once.
//
// The console box (ConsoleEdit) keeps a byte count of its GBK text instead of reading it back,
// has its text limit raised far above kConsoleClearBytes, and receives each batch of queued
// appends in one EM_REPLACESEL (or one WM_SETTEXT when the batch crosses a clearing point).
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/layout.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/control_kinds.h"
#include "ui/win32/private_messages.h"
#include "ui/win32/ui_dispatcher.h"
#include "ui/win32/window_handle.h"

namespace cw::win32 {

class Win32Ui : public Controls, public Dialogs {
  public:
    // Create on the window thread, before any window.
    Win32Ui();
    ~Win32Ui() override;
    Win32Ui(const Win32Ui&) = delete;
    Win32Ui& operator=(const Win32Ui&) = delete;

    // ---- Window thread: the windows' side ----
    // One font for every control, created once.
    HFONT font() const { return font_; }
    // A window built from `table`: its top-level handle, one handle per table row (nullptr for
    // timers and dialogs, and for the controls built later) and its menus by name.
    // `build_later` builds the controls left for later (and reports them through
    // later_rows_built).
    void add_window(const WindowSpec& table, HWND window, std::span<const HWND> controls,
                    const std::map<std::string_view, HMENU>& menus,
                    std::function<void()> build_later = {});
    // The window's controls left for later exist now (`controls`: one handle per table row):
    // the changes that waited for them are made, in the order they came.
    void later_rows_built(HWND window, std::span<const HWND> controls);
    void remove_window(HWND window);
    // The user typed into a console box: its byte count is taken again.
    void console_edited(HWND box);
    // The shell's taskbar was created again (it restarted): the window's tray icon, if it had
    // one, is gone with the old taskbar and is added again.
    void taskbar_created(HWND window);
    // Builds and shows a secondary window by its table name (open_window asks it only for a
    // window that is not open).
    using WindowOpener = std::function<void(std::string_view window)>;
    void set_window_opener(WindowOpener opener) { opener_ = std::move(opener); }
    // The program's window is gone: background threads stop waiting for it.
    void shut_down() { dispatcher_.shut_down(); }
    UiDispatcher& dispatcher() { return dispatcher_; }

    // ---- Controls ----
    void set_text(std::string_view name, std::string_view text) override;
    std::string text(std::string_view name) override;
    void append_console(std::string_view name, std::string_view text) override;
    void set_enabled(std::string_view name, bool enabled) override;
    bool is_enabled(std::string_view name) override;
    void set_visible(std::string_view name, bool visible) override;
    bool is_visible(std::string_view name) override;
    void select_page(std::string_view tab, int index) override;
    int selected_page(std::string_view tab) override;
    void set_selected(std::string_view name, int index) override;
    int selected(std::string_view name) override;
    void set_checked(std::string_view name, bool checked) override;
    bool is_checked(std::string_view name) override;
    void clear_rows(std::string_view name) override;
    int add_row(std::string_view name, std::string_view title) override;
    void set_cell(std::string_view name, int row, int column, std::string_view text) override;
    std::string cell(std::string_view name, int row, int column) override;
    int row_count(std::string_view name) override;
    int selected_row(std::string_view name) override;
    void set_status(std::string_view name, int part, std::string_view text) override;
    std::string status(std::string_view name, int part) override;
    void set_progress(std::string_view name, int position) override;
    int progress(std::string_view name) override;
    void popup_menu_at_cursor(std::string_view menu, int dx, int dy) override;
    void open_window(std::string_view window) override;
    void set_picture(std::string_view name, std::span<const unsigned char> image) override;
    void show_html(std::string_view name, std::string_view html) override;
    void set_window_state(std::string_view window, WindowState state) override;
    WindowState window_state(std::string_view window) override;
    bool set_tray_icon(std::string_view window, bool shown, std::string_view tip) override;
    void popup_tray_menu(std::string_view menu) override;

    // ---- Dialogs ----
    MessageAnswer message_box(std::string_view text, std::string_view title, MessageButtons buttons,
                              MessageIcon icon) override;
    std::optional<std::string> choose_file(std::string_view dialog_name) override;
    std::optional<std::string> choose_save_file(std::string_view dialog_name) override;

  private:
    struct Entry {
        WindowHandle hwnd;  // none for timers and dialogs
        ControlKind kind = ControlKind::Window;
        const ControlSpec* row = nullptr;  // none for a window
        HWND root = nullptr;               // the top-level window it belongs to
        UINT_PTR timer_id = 0;
        bool enabled = true;            // timers and dialogs
        std::size_t console_bytes = 0;  // console boxes: GBK bytes held
        bool later = false;             // its window is built after its top-level one shows
    };
    // A window's controls not built yet: how to build them, and the changes waiting for them.
    struct Later {
        std::function<void()> build;
        const ControlSpec* first_row = nullptr;  // the window's table
        std::vector<std::function<void()>> changes;
    };
    struct Menu {
        HMENU menu;
        HWND owner;
    };

    // Window thread: the control (or window, timer, dialog) of that name. A name that no open
    // window has gives nullptr, and stops the program in the tested builds (strict names).
    Entry* find(std::string_view name);
    // find, with a control not built yet built first (for reads).
    Entry* built(std::string_view name);
    void attach(Entry& e, HWND hwnd);
    // Window thread: the window of control `name` when it is of `kind`; nullptr otherwise.
    HWND control(std::string_view name, ControlKind kind);
    static std::string qualified(std::string_view window, std::string_view name);
    void apply_console(const std::string& name, std::string_view text,
                       std::span<const std::size_t> ends);
    void replace_console_text(Entry& e, std::string_view text);
    std::optional<std::string> show_file_dialog(std::string_view dialog_name, bool save);

    template <class F>
    void change(F&& f) {
        dispatcher_.post(std::forward<F>(f));
    }
    template <class F>
    auto read(F&& f) {
        return dispatcher_.ask(std::forward<F>(f));
    }
    // `f(entry)` on the window thread for the control (window, timer, dialog) `name`; for a
    // control not built yet, once it is built.
    template <class F>
    void change_entry(std::string_view name, F f) {
        change([this, n = std::string(name), f = std::move(f)] {
            Entry* e = find(n);
            if (!e) return;
            if (e->later) {
                later_[e->root].changes.push_back([this, n, f] {
                    if (Entry* again = find(n)) f(*again);
                });
                return;
            }
            f(*e);
        });
    }
    // `f(hwnd)` on the window thread when `name` is a control of `kind` (see change_entry).
    template <class F>
    void change_control(std::string_view name, ControlKind kind, F f) {
        change_entry(name, [kind, f = std::move(f)](Entry& e) {
            if (e.kind == kind && e.hwnd) f(e.hwnd.get());
        });
    }
    // `f(hwnd)` read on the window thread when `name` is a control of `kind`; `none` otherwise.
    template <class T, class F>
    T read_control(std::string_view name, ControlKind kind, T none, F f) {
        return read([this, n = std::string(name), kind, none = std::move(none), f = std::move(f)] {
            const HWND h = control(n, kind);
            return h ? T(f(h)) : none;
        });
    }

    HFONT font_ = nullptr;
    std::map<HWND, TrayIcon> tray_icons_;  // the windows' icons in the notification area
    std::map<std::string, std::shared_ptr<Entry>, std::less<>> entries_;
    std::map<std::string, Menu, std::less<>> menus_;
    std::map<HWND, Later> later_;    // by top-level window, while it has controls not built
    bool changing_console_ = false;  // our own console edits, not the user's
    WindowOpener opener_;
    UiDispatcher dispatcher_;  // last: it goes first, before what its work touches
};

}  // namespace cw::win32
