#include "support/headless_ui.h"

#include <gtest/gtest.h>

namespace cw {

namespace {

std::vector<std::string> split_lines(std::string_view items) {
    std::vector<std::string> out;
    for (std::string_view line : item_lines(items)) out.emplace_back(line);
    return out;
}

}  // namespace

void HeadlessUi::add_window(const WindowSpec& window, bool open) {
    std::lock_guard lock(mutex_);
    windows_.push_back(&window);
    for (const ControlSpec& c : window.controls) {
        const std::string path = std::string(window.name) + "/" + std::string(c.name);
        if (!aliases_.count(c.name)) aliases_[std::string(c.name)] = path;
    }
    seed(window);
    open_[std::string(window.name)] = open;
}

void HeadlessUi::seed(const WindowSpec& window) {
    State& w = states_[std::string(window.name)];
    w = State{};
    w.text = std::string(window.title);
    for (const ControlSpec& c : window.controls) {
        State& s = states_[std::string(window.name) + "/" + std::string(c.name)];
        s = State{};
        s.enabled = c.enabled;
        s.visible = c.visible;
        switch (c.kind) {
            case ControlKind::ComboBox:
                s.items = split_lines(c.items);
                s.selected = c.selected;
                s.text = c.selected >= 0 && c.selected < static_cast<int>(s.items.size())
                             ? s.items[c.selected]
                             : std::string(c.caption);
                break;
            case ControlKind::Tab:
                s.items = split_lines(c.items);
                s.selected = c.page < 0 ? 0 : c.page;
                break;
            case ControlKind::StatusBar: {
                int part = 0;
                for (const std::string& line : split_lines(c.items)) {
                    const auto colon = line.find(':');
                    s.status_parts[part++] =
                        colon == std::string::npos ? std::string() : line.substr(colon + 1);
                }
                break;
            }
            default:
                s.text = std::string(c.caption);
                break;
        }
    }
}

const WindowSpec* HeadlessUi::window_named(std::string_view name) const {
    for (const WindowSpec* w : windows_) {
        if (w->name == name) return w;
    }
    return nullptr;
}

HeadlessUi::State& HeadlessUi::at(std::string_view name) {
    auto it = states_.find(name);
    if (it != states_.end()) return it->second;
    if (auto alias = aliases_.find(name); alias != aliases_.end()) {
        return states_.find(alias->second)->second;
    }
    // A misspelt name does nothing in the program: fail the test that used it.
    ADD_FAILURE() << "the windows have no control named \"" << name << "\"";
    scratch_ = State{};
    return scratch_;
}

bool HeadlessUi::knows_menu(std::string_view menu) const {
    for (const WindowSpec* w : windows_) {
        if (has_menu(*w, menu)) return true;
        // "window/menu"
        if (menu.size() > w->name.size() + 1 && menu.substr(0, w->name.size()) == w->name &&
            menu[w->name.size()] == '/' && has_menu(*w, menu.substr(w->name.size() + 1))) {
            return true;
        }
    }
    return false;
}

void HeadlessUi::set_text(std::string_view name, std::string_view text) {
    std::lock_guard lock(mutex_);
    State& s = at(name);
    s.text = std::string(text);
    // A combo box's shown text selects the entry of that text, as the real control does.
    for (std::size_t i = 0; i < s.items.size(); ++i) {
        if (s.items[i] == text) s.selected = static_cast<int>(i);
    }
}

std::string HeadlessUi::text(std::string_view name) {
    std::lock_guard lock(mutex_);
    return at(name).text;
}

void HeadlessUi::append_console(std::string_view name, std::string_view text) {
    std::lock_guard lock(mutex_);
    State& s = at(name);
    s.text.append(text);
    ++s.appends;
    if (s.text.size() >= kConsoleClearBytes) s.text.clear();
}

void HeadlessUi::set_enabled(std::string_view name, bool enabled) {
    std::lock_guard lock(mutex_);
    at(name).enabled = enabled;
}

bool HeadlessUi::is_enabled(std::string_view name) {
    std::lock_guard lock(mutex_);
    return at(name).enabled;
}

void HeadlessUi::set_visible(std::string_view name, bool visible) {
    std::lock_guard lock(mutex_);
    at(name).visible = visible;
}

bool HeadlessUi::is_visible(std::string_view name) {
    std::lock_guard lock(mutex_);
    return at(name).visible;
}

void HeadlessUi::select_page(std::string_view tab, int index) {
    std::lock_guard lock(mutex_);
    at(tab).selected = index;
}

int HeadlessUi::selected_page(std::string_view tab) {
    std::lock_guard lock(mutex_);
    return at(tab).selected;
}

void HeadlessUi::set_selected(std::string_view name, int index) {
    std::lock_guard lock(mutex_);
    State& s = at(name);
    s.selected = index;
    if (index >= 0 && index < static_cast<int>(s.items.size())) s.text = s.items[index];
}

int HeadlessUi::selected(std::string_view name) {
    std::lock_guard lock(mutex_);
    return at(name).selected;
}

void HeadlessUi::set_checked(std::string_view name, bool checked) {
    std::lock_guard lock(mutex_);
    at(name).checked = checked;
}

bool HeadlessUi::is_checked(std::string_view name) {
    std::lock_guard lock(mutex_);
    return at(name).checked;
}

void HeadlessUi::clear_rows(std::string_view name) {
    std::lock_guard lock(mutex_);
    State& s = at(name);
    s.rows.clear();
    s.selected = -1;
}

int HeadlessUi::add_row(std::string_view name, std::string_view title) {
    std::lock_guard lock(mutex_);
    State& s = at(name);
    s.rows.push_back(Row{{std::string(title)}});
    return static_cast<int>(s.rows.size()) - 1;
}

void HeadlessUi::set_cell(std::string_view name, int row, int column, std::string_view text) {
    std::lock_guard lock(mutex_);
    State& s = at(name);
    if (row < 0 || row >= static_cast<int>(s.rows.size()) || column < 0) return;
    auto& cells = s.rows[row].cells;
    if (static_cast<int>(cells.size()) <= column) cells.resize(column + 1);
    cells[column] = std::string(text);
}

std::string HeadlessUi::cell(std::string_view name, int row, int column) {
    std::lock_guard lock(mutex_);
    State& s = at(name);
    if (row < 0 || row >= static_cast<int>(s.rows.size()) || column < 0) return {};
    const auto& cells = s.rows[row].cells;
    return column < static_cast<int>(cells.size()) ? cells[column] : std::string();
}

int HeadlessUi::row_count(std::string_view name) {
    std::lock_guard lock(mutex_);
    return static_cast<int>(at(name).rows.size());
}

int HeadlessUi::selected_row(std::string_view name) {
    std::lock_guard lock(mutex_);
    State& s = at(name);
    return s.selected >= 0 && s.selected < static_cast<int>(s.rows.size()) ? s.selected : -1;
}

void HeadlessUi::select_row(std::string_view name, int row) {
    std::lock_guard lock(mutex_);
    at(name).selected = row;
}

void HeadlessUi::set_status(std::string_view name, int part, std::string_view text) {
    std::lock_guard lock(mutex_);
    at(name).status_parts[part] = std::string(text);
}

std::string HeadlessUi::status(std::string_view name, int part) {
    std::lock_guard lock(mutex_);
    auto& parts = at(name).status_parts;
    auto it = parts.find(part);
    return it == parts.end() ? std::string() : it->second;
}

void HeadlessUi::set_progress(std::string_view name, int position) {
    std::lock_guard lock(mutex_);
    at(name).progress = position;
}

int HeadlessUi::progress(std::string_view name) {
    std::lock_guard lock(mutex_);
    return at(name).progress;
}

void HeadlessUi::open_window(std::string_view window) {
    std::lock_guard lock(mutex_);
    const WindowSpec* table = window_named(window);
    if (!table) {
        ADD_FAILURE() << "no window named \"" << window << "\"";
        return;
    }
    opened_.emplace_back(window);
    auto it = open_.find(window);
    if (it != open_.end() && it->second) {
        ++fronts_[std::string(window)];
        return;
    }
    // A window is built afresh from its table each time it opens.
    seed(*table);
    open_[std::string(window)] = true;
}

void HeadlessUi::set_picture(std::string_view name, std::span<const unsigned char> image) {
    std::lock_guard lock(mutex_);
    at(name).picture = image.size();
}

void HeadlessUi::show_html(std::string_view name, std::string_view html) {
    std::lock_guard lock(mutex_);
    at(name).html = std::string(html);
}

std::vector<std::pair<int, int>> HeadlessUi::popup_offsets() {
    std::lock_guard lock(mutex_);
    return popup_offsets_;
}

std::vector<std::string> HeadlessUi::opened_windows() {
    std::lock_guard lock(mutex_);
    return opened_;
}

bool HeadlessUi::is_open(std::string_view window) {
    std::lock_guard lock(mutex_);
    auto it = open_.find(window);
    return it != open_.end() && it->second;
}

int HeadlessUi::times_brought_to_front(std::string_view window) {
    std::lock_guard lock(mutex_);
    auto it = fronts_.find(window);
    return it == fronts_.end() ? 0 : it->second;
}

void HeadlessUi::close_window(std::string_view window) {
    std::lock_guard lock(mutex_);
    open_[std::string(window)] = false;
}

std::size_t HeadlessUi::picture_bytes(std::string_view name) {
    std::lock_guard lock(mutex_);
    return at(name).picture;
}

std::string HeadlessUi::html(std::string_view name) {
    std::lock_guard lock(mutex_);
    return at(name).html;
}

void HeadlessUi::popup_menu_at_cursor(std::string_view menu, int dx, int dy) {
    std::lock_guard lock(mutex_);
    if (!knows_menu(menu)) ADD_FAILURE() << "the windows have no menu named \"" << menu << "\"";
    popups_.emplace_back(menu);
    popup_offsets_.emplace_back(dx, dy);
}

void HeadlessUi::set_window_state(std::string_view window, WindowState state) {
    std::lock_guard lock(mutex_);
    State& s = at(window);
    if (!s.visible) return;  // as on the screen: a hidden window does not change
    s.window = state == WindowState::Centred ? WindowState::Normal : state;
}

bool HeadlessUi::set_tray_icon(std::string_view window, bool shown, std::string_view tip) {
    std::lock_guard lock(mutex_);
    State& s = at(window);
    if (shown && tray_refused) return s.tray_tip.has_value();
    if (shown) {
        s.tray_tip = std::string(tip);
    } else {
        s.tray_tip.reset();
    }
    return true;
}

void HeadlessUi::popup_tray_menu(std::string_view menu) {
    std::lock_guard lock(mutex_);
    if (!knows_menu(menu)) ADD_FAILURE() << "the windows have no menu named \"" << menu << "\"";
    tray_popups_.emplace_back(menu);
}

std::vector<std::string> HeadlessUi::tray_popups() {
    std::lock_guard lock(mutex_);
    return tray_popups_;
}

std::optional<std::string> HeadlessUi::tray_icon(std::string_view window) {
    std::lock_guard lock(mutex_);
    return at(window).tray_tip;
}

WindowState HeadlessUi::window_state(std::string_view window) {
    std::lock_guard lock(mutex_);
    return at(window).window;
}

MessageAnswer HeadlessUi::message_box(std::string_view text, std::string_view title,
                                      MessageButtons buttons, MessageIcon icon) {
    std::lock_guard lock(mutex_);
    messages_.push_back({std::string(text), std::string(title), buttons, icon});
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    if (answers_.empty()) return MessageAnswer::Yes;
    const MessageAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

std::optional<std::string> HeadlessUi::choose_file(std::string_view dialog_name) {
    return next_file(dialog_name, false);
}

std::optional<std::string> HeadlessUi::choose_save_file(std::string_view dialog_name) {
    return next_file(dialog_name, true);
}

std::optional<std::string> HeadlessUi::next_file(std::string_view dialog_name, bool save) {
    std::lock_guard lock(mutex_);
    at(dialog_name);
    file_dialogs_.push_back(std::string(dialog_name) + (save ? ":save" : ""));
    if (files_.empty()) return std::nullopt;
    auto chosen = files_.front();
    files_.pop_front();
    return chosen;
}

std::vector<std::string> HeadlessUi::file_dialogs() {
    std::lock_guard lock(mutex_);
    return file_dialogs_;
}

void HeadlessUi::script_answer(MessageAnswer answer) {
    std::lock_guard lock(mutex_);
    answers_.push_back(answer);
}

void HeadlessUi::script_file(std::optional<std::string> chosen) {
    std::lock_guard lock(mutex_);
    files_.push_back(std::move(chosen));
}

std::vector<RecordedMessage> HeadlessUi::messages() {
    std::lock_guard lock(mutex_);
    return messages_;
}

void HeadlessUi::clear_messages() {
    std::lock_guard lock(mutex_);
    messages_.clear();
}

std::vector<std::string> HeadlessUi::popups() {
    std::lock_guard lock(mutex_);
    return popups_;
}

std::vector<std::string> HeadlessUi::combo_items(std::string_view name) {
    std::lock_guard lock(mutex_);
    return at(name).items;
}

std::size_t HeadlessUi::console_appends(std::string_view name) {
    std::lock_guard lock(mutex_);
    return at(name).appends;
}

}  // namespace cw
