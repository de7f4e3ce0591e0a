#include "ui/win32/win32_ui.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>

#include "ui/win32/control_kinds.h"
#include "ui/win32/picture_box.h"
#include "ui/win32/private_messages.h"
#include "ui/win32/web_browser.h"

namespace cw::win32 {

namespace {

// The console box may hold far more than the clearing point, so an append is never cut short.
constexpr WPARAM kConsoleLimitChars = kConsoleClearBytes * 4;

std::wstring file_filter(std::string_view table_filter) {
    // "name|pattern|name|pattern" -> "name\0pattern\0...\0\0"; blanks and line breaks at the
    // end of a piece are not part of it.
    std::wstring out;
    while (true) {
        const auto bar = table_filter.find('|');
        std::string_view piece = table_filter.substr(0, bar);
        while (!piece.empty() &&
               (piece.back() == '\r' || piece.back() == '\n' || piece.back() == ' ')) {
            piece.remove_suffix(1);
        }
        out += to_wide(piece);
        out.push_back(L'\0');
        if (bar == std::string_view::npos) break;
        table_filter.remove_prefix(bar + 1);
    }
    out.push_back(L'\0');
    return out;
}

void caret_to_end(WindowHandle box) {
    const LPARAM end = GetWindowTextLengthW(box.get());
    box.send(EM_SETSEL, static_cast<WPARAM>(end), end);
    box.send(EM_SCROLLCARET);
}

}  // namespace

Win32Ui::Win32Ui()
    : font_(CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH | FF_DONTCARE, to_wide("宋体").c_str())),
      dispatcher_([this](const std::string& name, std::string_view text,
                         std::span<const std::size_t> ends) { apply_console(name, text, ends); }) {}

Win32Ui::~Win32Ui() {
    dispatcher_.shut_down();
    if (font_) DeleteObject(font_);
}

void Win32Ui::attach(Entry& e, HWND hwnd) {
    e.hwnd = hwnd;
    if (hwnd && e.kind == ControlKind::ConsoleEdit) {
        e.hwnd.send(EM_SETLIMITTEXT, kConsoleLimitChars);
        e.console_bytes = e.row->caption.size();
    }
}

void Win32Ui::add_window(const WindowSpec& table, HWND window, std::span<const HWND> controls,
                         const std::map<std::string_view, HMENU>& menus,
                         std::function<void()> build_later) {
    // Every control answers to "window/control"; its bare name is taken unless a window
    // registered earlier already holds it.
    auto enter = [&](std::string_view name, const std::shared_ptr<Entry>& e) {
        entries_[qualified(table.name, name)] = e;
        if (!entries_.count(name)) entries_[std::string(name)] = e;
    };
    enter(table.name, std::make_shared<Entry>(
                          Entry{.hwnd = window, .kind = ControlKind::Window, .root = window}));
    bool any_later = false;
    for (std::size_t i = 0; i < table.controls.size() && i < controls.size(); ++i) {
        const ControlSpec& c = table.controls[i];
        auto e = std::make_shared<Entry>(
            Entry{.hwnd = nullptr, .kind = c.kind, .row = &c, .root = window});
        e->timer_id = kTimerIdBase + i;
        e->enabled = c.enabled;
        attach(*e, controls[i]);
        // A row of a kind that has a window, without one yet, is built later.
        e->later = build_later && !controls[i] && creation_of(c.kind).window_class != nullptr;
        any_later = any_later || e->later;
        enter(c.name, e);
    }
    if (any_later) later_[window] = Later{std::move(build_later), table.controls.data(), {}};
    for (const auto& [name, menu] : menus) {
        menus_[qualified(table.name, name)] = Menu{menu, window};
        if (!menus_.count(name)) menus_[std::string(name)] = Menu{menu, window};
    }
}

void Win32Ui::later_rows_built(HWND window, std::span<const HWND> controls) {
    const auto it = later_.find(window);
    if (it == later_.end()) return;
    const ControlSpec* first = it->second.first_row;
    std::vector<std::function<void()>> changes = std::move(it->second.changes);
    later_.erase(it);
    for (auto& [name, e] : entries_) {
        if (!e->later || e->root != window) continue;  // (each entry is there under two names)
        e->later = false;
        const auto row = static_cast<std::size_t>(e->row - first);
        if (row < controls.size()) attach(*e, controls[row]);
    }
    for (const auto& change : changes) change();
}

void Win32Ui::remove_window(HWND window) {
    later_.erase(window);
    // A window never leaves its tray icon behind.
    if (auto it = tray_icons_.find(window); it != tray_icons_.end()) {
        it->second.remove(window);
        tray_icons_.erase(it);
    }
    std::erase_if(entries_, [window](const auto& kv) { return kv.second->root == window; });
    std::erase_if(menus_, [window](const auto& kv) { return kv.second.owner == window; });
}

std::string Win32Ui::qualified(std::string_view window, std::string_view name) {
    std::string out(window);
    out.push_back('/');
    out.append(name);
    return out;
}

Win32Ui::Entry* Win32Ui::find(std::string_view name) {
    auto it = entries_.find(name);
    if (it != entries_.end()) return it->second.get();
#ifdef CUBEWORKS_STRICT_NAMES
    // A misspelt name would otherwise do nothing at all: say so and stop here, so that the
    // test that used it fails.
    const std::string report =
        "Cubeworks: no open window has a control named \"" + std::string(name) + "\"\n";
    OutputDebugStringA(report.c_str());
    std::fputs(report.c_str(), stderr);
    std::abort();
#endif
    return nullptr;
}

Win32Ui::Entry* Win32Ui::built(std::string_view name) {
    Entry* e = find(name);
    if (!e || !e->later) return e;
    const auto it = later_.find(e->root);
    if (it != later_.end() && it->second.build) {
        const std::function<void()> build = it->second.build;  // it goes with the entry
        build();
    }
    return e;
}

HWND Win32Ui::control(std::string_view name, ControlKind kind) {
    Entry* e = built(name);
    return e && e->kind == kind ? e->hwnd.get() : nullptr;
}

void Win32Ui::console_edited(HWND box) {
    if (changing_console_) return;
    for (auto& [name, e] : entries_) {
        if (e->hwnd.get() == box && e->kind == ControlKind::ConsoleEdit) {
            e->console_bytes = e->hwnd.text().size();
        }
    }
}

void Win32Ui::replace_console_text(Entry& e, std::string_view text) {
    changing_console_ = true;
    e.hwnd.set_text(text);
    e.console_bytes = text.size();
    caret_to_end(e.hwnd);
    changing_console_ = false;
}

void Win32Ui::apply_console(const std::string& name, std::string_view text,
                            std::span<const std::size_t> ends) {
    Entry* e = built(name);
    if (!e || e->kind != ControlKind::ConsoleEdit) return;
    // The clearing rule, append by append: only what follows the last clearing point stays.
    std::size_t bytes = e->console_bytes;
    std::size_t start = 0;
    std::size_t kept_from = std::string_view::npos;
    for (const std::size_t end : ends) {
        bytes += end - start;
        if (bytes >= kConsoleClearBytes) {
            bytes = 0;
            kept_from = end;
        }
        start = end;
    }
    if (kept_from != std::string_view::npos) {
        replace_console_text(*e, text.substr(kept_from));
        return;
    }
    changing_console_ = true;
    const LPARAM end = GetWindowTextLengthW(e->hwnd.get());
    e->hwnd.send(EM_SETSEL, static_cast<WPARAM>(end), end);
    e->hwnd.send(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(to_wide(text).c_str()));
    e->console_bytes = bytes;
    caret_to_end(e->hwnd);
    changing_console_ = false;
}

// ---- Controls ----

void Win32Ui::set_text(std::string_view name, std::string_view text) {
    change_entry(name, [this, t = std::string(text)](Entry& e) {
        if (!e.hwnd) return;
        switch (e.kind) {
            case ControlKind::ConsoleEdit:
                replace_console_text(e, t);
                return;
            case ControlKind::ComboBox:
                combo_box::show_text(e.hwnd.get(), t);
                return;
            case ControlKind::StatusBar:
                status_bar::set_text(e.hwnd.get(), 0, t);
                return;
            case ControlKind::Label:
                set_label_text(e.hwnd.get(), t);
                return;
            default:
                e.hwnd.set_text(t);
                return;
        }
    });
}

std::string Win32Ui::text(std::string_view name) {
    return read([this, n = std::string(name)]() -> std::string {
        Entry* e = built(n);
        if (!e || !e->hwnd) return {};
        if (e->kind == ControlKind::StatusBar) return status_bar::text(e->hwnd.get(), 0);
        return e->hwnd.text();
    });
}

void Win32Ui::append_console(std::string_view name, std::string_view text) {
    dispatcher_.post_console(name, text);
}

void Win32Ui::set_enabled(std::string_view name, bool enabled) {
    change_entry(name, [enabled](Entry& e) {
        e.enabled = enabled;
        if (e.kind == ControlKind::Timer) {
            if (enabled) {
                SetTimer(e.root, e.timer_id, static_cast<UINT>(e.row->period_ms), nullptr);
            } else {
                KillTimer(e.root, e.timer_id);
            }
        } else if (e.hwnd) {
            e.hwnd.enable(enabled);
        }
    });
}

bool Win32Ui::is_enabled(std::string_view name) {
    return read([this, n = std::string(name)] {
        Entry* e = built(n);
        if (!e) return false;
        return e->hwnd ? e->hwnd.enabled() : e->enabled;
    });
}

void Win32Ui::set_visible(std::string_view name, bool visible) {
    change_entry(name, [visible](Entry& e) {
        if (!e.hwnd) return;
        if (visible && e.kind == ControlKind::GroupBox) {
            // A group shown later lies over the controls beneath it.
            SetWindowPos(e.hwnd.get(), HWND_TOP, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
            return;
        }
        e.hwnd.show(visible);
    });
}

bool Win32Ui::is_visible(std::string_view name) {
    return read([this, n = std::string(name)] {
        Entry* e = built(n);
        return e && e->hwnd && e->hwnd.shown();
    });
}

void Win32Ui::select_page(std::string_view tab, int index) {
    change_control(tab, ControlKind::Tab, [index](HWND h) { tab_control::select(h, index); });
}

int Win32Ui::selected_page(std::string_view tab) {
    return read_control(tab, ControlKind::Tab, -1, tab_control::selected);
}

void Win32Ui::set_selected(std::string_view name, int index) {
    change_control(name, ControlKind::ComboBox, [index](HWND h) { combo_box::select(h, index); });
}

int Win32Ui::selected(std::string_view name) {
    return read_control(name, ControlKind::ComboBox, -1, combo_box::selected);
}

void Win32Ui::set_checked(std::string_view name, bool checked) {
    change_control(name, ControlKind::CheckBox, [checked](HWND box) {
        SendMessageW(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    });
}

bool Win32Ui::is_checked(std::string_view name) {
    return read_control(name, ControlKind::CheckBox, false, [](HWND box) {
        return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
    });
}

void Win32Ui::clear_rows(std::string_view name) {
    change_control(name, ControlKind::ListView, list_view::clear);
}

int Win32Ui::add_row(std::string_view name, std::string_view title) {
    return read_control(name, ControlKind::ListView, -1,
                        [t = std::string(title)](HWND h) { return list_view::add_row(h, t); });
}

void Win32Ui::set_cell(std::string_view name, int row, int column, std::string_view text) {
    change_control(name, ControlKind::ListView, [row, column, t = std::string(text)](HWND h) {
        list_view::set_cell(h, row, column, t);
    });
}

std::string Win32Ui::cell(std::string_view name, int row, int column) {
    return read_control(name, ControlKind::ListView, std::string(),
                        [row, column](HWND h) { return list_view::cell(h, row, column); });
}

int Win32Ui::row_count(std::string_view name) {
    return read_control(name, ControlKind::ListView, 0, list_view::row_count);
}

int Win32Ui::selected_row(std::string_view name) {
    return read_control(name, ControlKind::ListView, -1, list_view::selected_row);
}

void Win32Ui::set_status(std::string_view name, int part, std::string_view text) {
    change_control(name, ControlKind::StatusBar,
                   [part, t = std::string(text)](HWND h) { status_bar::set_text(h, part, t); });
}

std::string Win32Ui::status(std::string_view name, int part) {
    return read_control(name, ControlKind::StatusBar, std::string(),
                        [part](HWND h) { return status_bar::text(h, part); });
}

void Win32Ui::set_progress(std::string_view name, int position) {
    change_control(name, ControlKind::ProgressBar,
                   [position](HWND h) { progress_bar::set_position(h, position); });
}

int Win32Ui::progress(std::string_view name) {
    return read_control(name, ControlKind::ProgressBar, 0, progress_bar::position);
}

void Win32Ui::popup_menu_at_cursor(std::string_view menu, int dx, int dy) {
    change([this, n = std::string(menu), dx, dy] {
        auto it = menus_.find(n);
        if (it == menus_.end()) return;
        POINT at{};
        GetCursorPos(&at);
        TrackPopupMenu(it->second.menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x + dx,
                       at.y + dy, 0, it->second.owner, nullptr);
    });
}

void Win32Ui::open_window(std::string_view window) {
    change([this, n = std::string(window)] {
        auto it = entries_.find(n);
        if (it != entries_.end() && it->second->kind == ControlKind::Window) {
            // Already open: no second copy, the one there is comes to the front.
            const HWND w = it->second->hwnd.get();
            if (IsIconic(w)) ShowWindow(w, SW_RESTORE);
            BringWindowToTop(w);
            SetForegroundWindow(w);
            return;
        }
        if (opener_) opener_(n);
    });
}

void Win32Ui::set_picture(std::string_view name, std::span<const unsigned char> image) {
    change_control(name, ControlKind::Picture,
                   [bytes = std::vector<unsigned char>(image.begin(), image.end())](HWND h) {
                       show_picture(h, bytes);
                   });
}

void Win32Ui::show_html(std::string_view name, std::string_view html) {
    change_control(name, ControlKind::WebBrowser,
                   [page = std::string(html)](HWND h) { browser_show_html(h, page); });
}

void Win32Ui::set_window_state(std::string_view window, WindowState state) {
    change_control(window, ControlKind::Window, [state](HWND w) {
        if (!IsWindowVisible(w)) return;
        switch (state) {
            case WindowState::Normal:
                ShowWindow(w, SW_RESTORE);
                break;
            case WindowState::Centred:
                if (IsIconic(w) || IsZoomed(w)) ShowWindow(w, SW_RESTORE);
                centre_window(w);
                break;
            case WindowState::Minimised:
                ShowWindow(w, SW_MINIMIZE);
                break;
            case WindowState::Maximised:
                ShowWindow(w, SW_MAXIMIZE);
                break;
        }
    });
}

WindowState Win32Ui::window_state(std::string_view window) {
    return read_control(window, ControlKind::Window, WindowState::Normal, [](HWND w) {
        if (IsIconic(w)) return WindowState::Minimised;
        if (IsZoomed(w)) return WindowState::Maximised;
        return WindowState::Normal;
    });
}

bool Win32Ui::set_tray_icon(std::string_view window, bool shown, std::string_view tip) {
    return read([this, n = std::string(window), shown, t = std::string(tip)] {
        Entry* e = find(n);
        if (!e || e->kind != ControlKind::Window) return false;
        TrayIcon& icon = tray_icons_[e->hwnd.get()];
        if (shown) return icon.show(e->hwnd.get(), to_wide(t));  // wide: right in any code page
        icon.remove(e->hwnd.get());
        return true;
    });
}

void Win32Ui::taskbar_created(HWND window) {
    if (auto it = tray_icons_.find(window); it != tray_icons_.end()) {
        it->second.taskbar_created(window);
    }
}

void Win32Ui::popup_tray_menu(std::string_view menu) {
    constexpr int kCursorOffset = 5;  // the menu's right edge and top, left of and above
    change([this, n = std::string(menu)] {
        auto it = menus_.find(n);
        if (it == menus_.end()) return;
        POINT at{};
        GetCursorPos(&at);
        const HWND owner = it->second.owner;
        // The owner in front, and a message after the menu, so that the menu closes when the
        // operator clicks elsewhere.
        SetForegroundWindow(owner);
        TrackPopupMenu(it->second.menu, TPM_RIGHTALIGN, at.x - kCursorOffset, at.y - kCursorOffset,
                       0, owner, nullptr);
        PostMessageW(owner, WM_NULL, 0, 0);
    });
}

// ---- Dialogs ----

MessageAnswer Win32Ui::message_box(std::string_view text, std::string_view title,
                                   MessageButtons buttons, MessageIcon icon) {
    return read([t = std::string(text), ti = std::string(title), buttons, icon] {
        UINT flags = MB_TASKMODAL | (buttons == MessageButtons::YesNo ? MB_YESNO : MB_OK);
        switch (icon) {
            case MessageIcon::None:
                break;
            case MessageIcon::Question:
                flags |= MB_ICONQUESTION;
                break;
            case MessageIcon::Error:
                flags |= MB_ICONERROR;
                break;
            case MessageIcon::Warning:
                flags |= MB_ICONWARNING;
                break;
            case MessageIcon::Information:
                flags |= MB_ICONINFORMATION;
                break;
        }
        const int answer = MessageBoxW(nullptr, to_wide(t).c_str(), to_wide(ti).c_str(), flags);
        if (answer == IDYES) return MessageAnswer::Yes;
        if (answer == IDNO) return MessageAnswer::No;
        return MessageAnswer::Ok;
    });
}

std::optional<std::string> Win32Ui::choose_file(std::string_view dialog_name) {
    return show_file_dialog(dialog_name, false);
}

std::optional<std::string> Win32Ui::choose_save_file(std::string_view dialog_name) {
    return show_file_dialog(dialog_name, true);
}

std::optional<std::string> Win32Ui::show_file_dialog(std::string_view dialog_name, bool save) {
    return read([this, n = std::string(dialog_name), save]() -> std::optional<std::string> {
        Entry* e = find(n);
        if (!e || e->kind != ControlKind::FileDialog) return std::nullopt;
        const std::wstring filter = file_filter(e->row->filter);
        std::wstring file(32768, L'\0');
        OPENFILENAMEW ofn{};
        ofn.lStructSize = sizeof ofn;
        ofn.hwndOwner = e->root;
        ofn.lpstrFilter = filter.c_str();
        ofn.nFilterIndex = 1;
        ofn.lpstrFile = file.data();
        ofn.nMaxFile = static_cast<DWORD>(file.size());
        ofn.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
        if (!save) ofn.Flags |= OFN_FILEMUSTEXIST;
        if (!(save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn))) return std::nullopt;
        return to_gbk(file.c_str());
    });
}

}  // namespace cw::win32
