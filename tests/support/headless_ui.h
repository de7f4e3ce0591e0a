#pragma once
// The UI without windows: control state kept in memory, every message box recorded and
// answered from a script. Tests use it on both builds; it is safe to use from any thread.
// It knows the controls and menus of the windows it was given, and a name that none of them
// has fails the running test.
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/layout.h"

namespace cw {

struct RecordedMessage {
    std::string text;
    std::string title;
    MessageButtons buttons;
    MessageIcon icon;
};

class HeadlessUi : public Controls, public Dialogs {
  public:
    // Seeds the controls with a window's initial state (captions, visibility, pages, ...).
    // Every control answers to "window/control", and to its bare name unless a window added
    // earlier holds that name. A window added closed opens through open_window.
    explicit HeadlessUi(const WindowSpec& window) { add_window(window); }
    void add_window(const WindowSpec& window, bool open = true);

    // Controls
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

    // Dialogs
    MessageAnswer message_box(std::string_view text, std::string_view title, MessageButtons buttons,
                              MessageIcon icon) override;
    std::optional<std::string> choose_file(std::string_view dialog_name) override;
    std::optional<std::string> choose_save_file(std::string_view dialog_name) override;

    // Test script and records.
    void script_answer(MessageAnswer answer);             // next Yes/No question
    void script_file(std::optional<std::string> chosen);  // next file dialog
    // The file dialogs shown, in order: "name" for the open form, "name:save" for the save form.
    std::vector<std::string> file_dialogs();
    void select_row(std::string_view name, int row);  // the operator's click
    std::vector<RecordedMessage> messages();
    void clear_messages();
    std::vector<std::string> popups();       // menus popped up at the cursor, in order
    std::vector<std::string> tray_popups();  // menus popped up from the tray, in order
    // The shell refuses new tray icons (as with no notification area); set before use.
    bool tray_refused = false;
    // The tip of the window's tray icon; nothing when it has none.
    std::optional<std::string> tray_icon(std::string_view window);
    std::vector<std::pair<int, int>> popup_offsets();  // their offsets from the cursor
    // Windows: open_window calls in order, whether one is open, and the operator's close box
    // (an open window that is opened again is only brought to the front).
    std::vector<std::string> opened_windows();
    bool is_open(std::string_view window);
    int times_brought_to_front(std::string_view window);
    void close_window(std::string_view window);
    std::size_t picture_bytes(std::string_view name);  // size of the image shown, 0 for none
    std::string html(std::string_view name);           // the page shown
    std::vector<std::string> combo_items(std::string_view name);
    std::size_t console_appends(std::string_view name);  // number of append calls

  private:
    struct Row {
        std::vector<std::string> cells;
    };
    struct State {
        std::string text;
        bool enabled = true;
        bool visible = true;
        bool checked = false;
        int selected = -1;
        int progress = 0;
        std::vector<std::string> items;
        std::vector<Row> rows;
        std::map<int, std::string> status_parts;
        WindowState window = WindowState::Normal;
        std::optional<std::string> tray_tip;
        std::size_t appends = 0;
        std::size_t picture = 0;
        std::string html;
    };
    State& at(std::string_view name);  // caller holds mutex_
    bool knows_menu(std::string_view menu) const;
    void seed(const WindowSpec& window);  // caller holds mutex_
    const WindowSpec* window_named(std::string_view name) const;

    std::mutex mutex_;
    std::vector<const WindowSpec*> windows_;
    std::map<std::string, State, std::less<>> states_;  // by window name and "window/control"
    std::map<std::string, std::string, std::less<>> aliases_;  // bare name -> "window/control"
    std::map<std::string, bool, std::less<>> open_;
    std::map<std::string, int, std::less<>> fronts_;
    std::vector<std::string> opened_;
    std::vector<std::pair<int, int>> popup_offsets_;
    State scratch_;  // what an unknown name reads and writes
    std::deque<MessageAnswer> answers_;
    std::deque<std::optional<std::string>> files_;
    std::vector<RecordedMessage> messages_;
    std::vector<std::string> popups_;
    std::vector<std::string> file_dialogs_;
    std::optional<std::string> next_file(std::string_view dialog_name, bool save);
    std::vector<std::string> tray_popups_;
};

}  // namespace cw
