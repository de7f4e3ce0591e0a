#include "ui/win32/layout_window.h"

#include <commctrl.h>

#include <set>
#include <string>

#include "platform/start_trace.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/control_kinds.h"
#include "ui/win32/private_messages.h"
#include "ui/win32/wide_text.h"
#include "ui/win32/win32_ui.h"

namespace cw::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"CubeworksWindow";

void register_classes(HINSTANCE inst, WNDPROC window_proc) {
    static bool done = false;
    if (done) return;
    done = true;
    // The program's icon when the executable carries one.
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = window_proc;
    wc.hInstance = inst;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hIcon = LoadIconW(inst, MAKEINTRESOURCEW(kProgramIconResource));
    if (!wc.hIcon) wc.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    wc.hIconSm = static_cast<HICON>(LoadImageW(inst, MAKEINTRESOURCEW(kProgramIconResource),
                                               IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), 0));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kWindowClass;
    RegisterClassExW(&wc);
    register_control_classes(inst);
}

// A container hidden at start: a tab page other than the one shown, or a group shown later.
bool hidden_container(const ControlSpec& c) {
    return !c.visible && (c.kind == ControlKind::TabPage || c.kind == ControlKind::GroupBox);
}

// The rows built after the window shows: hidden containers and everything inside them.
std::vector<bool> rows_built_later(const WindowSpec& table) {
    std::vector<bool> later(table.controls.size(), false);
    for (std::size_t i = 0; i < table.controls.size(); ++i) {
        const ControlSpec& c = table.controls[i];
        if (hidden_container(c)) later[i] = true;
        if (c.parent.empty()) continue;
        // Parents come before their children.
        for (std::size_t p = 0; p < i; ++p) {
            if (table.controls[p].name == c.parent && later[p]) later[i] = true;
        }
    }
    return later;
}

int tray_operation(LPARAM mouse) {
    switch (LOWORD(mouse)) {
        case WM_LBUTTONUP:
            return kTrayClick;
        case WM_LBUTTONDBLCLK:
            return kTrayDoubleClick;
        case WM_RBUTTONUP:
        case WM_CONTEXTMENU:
            return kTrayRightClick;
        default:
            return 0;
    }
}

}  // namespace

LayoutWindow::LayoutWindow(Win32Ui& ui, const WindowSpec& table, EventSink& events,
                           bool ends_program)
    : ui_(ui), table_(table), events_(events), ends_program_(ends_program) {}

LayoutWindow::~LayoutWindow() {
    const bool had_window = hwnd_ != nullptr;
    if (hwnd_) DestroyWindow(hwnd_);
    // Menus in the menu bar or inside another menu go with it; free-standing pop-ups do not.
    std::set<std::string_view> inside;
    for (const MenuSpec& m : table_.menus) {
        if (!m.submenu.empty()) inside.insert(m.submenu);
    }
    for (const auto& [name, menu] : menus_) {
        if (!inside.count(name)) DestroyMenu(menu);
    }
    if (!had_window && bar_) DestroyMenu(bar_);
}

void LayoutWindow::create(int show_command) {
    const HINSTANCE inst = GetModuleHandleW(nullptr);
    register_classes(inst, window_proc);
    build_menus();
    start_trace::mark("menus");
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    CreateWindowExW(WS_EX_CONTROLPARENT, kWindowClass, to_wide(table_.title).c_str(), style,
                    CW_USEDEFAULT, CW_USEDEFAULT, table_.width, table_.height, nullptr, bar_, inst,
                    this);
    if (!hwnd_) return;
    start_trace::mark("window");
    later_ = rows_built_later(table_);
    build_controls();
    start_trace::mark("controls");
    ui_.add_window(table_, hwnd_, controls_, menus_,
                   [this] { build_later(table_.controls.size()); });
    centre_window(hwnd_);
    ready_ = true;
    events_.fire(table_.name, "", UiEvent::Created);
    start_trace::mark("created-event");
    if (!hwnd_) return;
    ShowWindow(hwnd_, show_command);
    start_trace::mark("shown");
    UpdateWindow(hwnd_);
    start_trace::mark("painted");
    // Posted: it comes after what showing the window queued, before the window's input.
    PostMessageW(hwnd_, kMsgBuildLater, 0, 0);
}

void LayoutWindow::build_menus() {
    auto menu_named = [this](std::string_view name) {
        HMENU& m = menus_[name];
        if (!m) m = CreatePopupMenu();
        return m;
    };
    for (const MenuSpec& m : table_.menus) {
        if (m.menu.empty() && !bar_) bar_ = CreateMenu();
    }
    for (std::size_t i = 0; i < table_.menus.size(); ++i) {
        const MenuSpec& m = table_.menus[i];
        const HMENU into = m.menu.empty() ? bar_ : menu_named(m.menu);
        const UINT state = m.enabled ? 0 : MF_GRAYED;
        if (m.caption == "-") {
            AppendMenuW(into, MF_SEPARATOR, 0, nullptr);
        } else if (!m.submenu.empty()) {
            AppendMenuW(into, MF_POPUP | state, reinterpret_cast<UINT_PTR>(menu_named(m.submenu)),
                        to_wide(m.caption).c_str());
        } else {
            AppendMenuW(into, MF_STRING | state, kMenuIdBase + i, to_wide(m.caption).c_str());
        }
    }
}

HWND LayoutWindow::container_of(const ControlSpec& c, POINT& origin) const {
    origin = {0, 0};
    if (c.parent.empty()) return hwnd_;
    for (std::size_t i = 0; i < table_.controls.size(); ++i) {
        if (table_.controls[i].name != c.parent) continue;
        const HWND parent = controls_[i];
        if (table_.controls[i].kind == ControlKind::TabPage) {
            // Page children are placed in the tab control's client area.
            MapWindowPoints(parent, GetParent(parent), &origin, 1);
        }
        return parent;
    }
    return hwnd_;
}

void LayoutWindow::place_beneath(std::size_t row) const {
    // Labels lie beneath the other controls of their container, as if drawn on it: where a
    // label's box runs into a control, the control shows whole. So does a web page view.
    const ControlKind kind = table_.controls[row].kind;
    if ((kind == ControlKind::Label || kind == ControlKind::WebBrowser) && controls_[row]) {
        SetWindowPos(controls_[row], HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void LayoutWindow::build_controls() {
    controls_.assign(table_.controls.size(), nullptr);
    for (std::size_t i = 0; i < table_.controls.size(); ++i) {
        if (!later_[i]) controls_[i] = create_control(i);
    }
    for (std::size_t i = 0; i < table_.controls.size(); ++i) place_beneath(i);
    for (std::size_t i = 0; i < table_.controls.size(); ++i) {
        if (table_.controls[i].kind == ControlKind::Tab && controls_[i]) {
            tab_control::show_selected_page(controls_[i]);
        }
    }
}

void LayoutWindow::build_later(std::size_t rows) {
    if (later_built_ || !hwnd_) return;
    for (; next_later_ < later_.size() && rows > 0; ++next_later_) {
        if (!later_[next_later_]) continue;
        controls_[next_later_] = create_control(next_later_);
        place_beneath(next_later_);
        --rows;
    }
    if (next_later_ < later_.size()) return;
    later_built_ = true;
    // A page selected before its controls existed is shown now.
    for (std::size_t i = 0; i < table_.controls.size(); ++i) {
        if (table_.controls[i].kind == ControlKind::Tab && controls_[i]) {
            tab_control::show_selected_page(controls_[i]);
        }
    }
    start_trace::mark("later-controls");
    ui_.later_rows_built(hwnd_, controls_);
}

HWND LayoutWindow::create_control(std::size_t row) {
    const ControlSpec& c = table_.controls[row];
    if (c.kind == ControlKind::Timer) {
        if (c.enabled) SetTimer(hwnd_, kTimerIdBase + row, static_cast<UINT>(c.period_ms), nullptr);
        return nullptr;
    }
    const KindCreation& kind = creation_of(c.kind);
    if (!kind.window_class) return nullptr;
    POINT origin;
    const HWND parent = container_of(c, origin);
    // A tab page lies below the tab strip, over the rest of the tab control.
    const RECT place = c.kind == ControlKind::TabPage
                           ? tab_control::page_area(parent)
                           : RECT{c.x - origin.x, c.y - origin.y, c.x - origin.x + c.width,
                                  c.y - origin.y + c.height + kind.extra_height};
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (c.visible ? WS_VISIBLE : 0) |
                        (c.enabled ? 0 : WS_DISABLED) | kind.style;
    const HWND hwnd =
        CreateWindowExW(kind.ex_style, kind.window_class, to_wide(c.caption).c_str(), style,
                        place.left, place.top, place.right - place.left, place.bottom - place.top,
                        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlIdBase + row)),
                        GetModuleHandleW(nullptr), nullptr);
    if (!hwnd) return nullptr;
    SetPropW(hwnd, kRowProperty, reinterpret_cast<HANDLE>(row + 1));
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(ui_.font()), FALSE);
    if (kind.set_up) kind.set_up(hwnd, c);
    return hwnd;
}

const ControlSpec* LayoutWindow::row_of_id(WPARAM id, int base) const {
    const auto row = static_cast<long long>(id) - base;
    if (row < 0 || row >= static_cast<long long>(table_.controls.size())) return nullptr;
    return &table_.controls[static_cast<std::size_t>(row)];
}

LRESULT CALLBACK LayoutWindow::window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* self =
            static_cast<LayoutWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<LayoutWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
    return self->handle(msg, wp, lp);
}

void LayoutWindow::on_command(WPARAM wp, LPARAM lp) {
    if (lp == 0) {
        const auto row = static_cast<long long>(LOWORD(wp)) - kMenuIdBase;
        if (HIWORD(wp) == 0 && row >= 0 && row < static_cast<long long>(table_.menus.size())) {
            const MenuSpec& m = table_.menus[static_cast<std::size_t>(row)];
            events_.fire(m.menu, m.caption, UiEvent::MenuChosen);
        }
        return;
    }
    const ControlSpec* c = row_of_id(LOWORD(wp), kControlIdBase);
    if (!c) return;
    const WORD code = HIWORD(wp);
    if (code == BN_CLICKED &&
        (c->kind == ControlKind::Button || c->kind == ControlKind::CheckBox)) {
        events_.fire(c->name, "", UiEvent::Clicked);
    } else if (code == EN_CHANGE && c->kind == ControlKind::ConsoleEdit) {
        ui_.console_edited(reinterpret_cast<HWND>(lp));
    } else if (code == EN_CHANGE &&
               (c->kind == ControlKind::Edit || c->kind == ControlKind::NumberEdit)) {
        if (ready_) events_.fire(c->name, "", UiEvent::Changed);
    }
}

void LayoutWindow::on_notify(const NMHDR& hdr) {
    const ControlSpec* c = row_of_id(hdr.idFrom, kControlIdBase);
    if (!c) return;
    if (c->kind == ControlKind::Tab && hdr.code == TCN_SELCHANGE) {
        tab_control::show_selected_page(hdr.hwndFrom);
    } else if (c->kind == ControlKind::ListView && hdr.code == NM_RCLICK) {
        events_.fire(c->name, "", UiEvent::RightClick);
    }
}

LRESULT LayoutWindow::static_colour(HDC dc, HWND control) const {
    // Labels are see-through, like text drawn on their container (a group caption beneath a
    // label stays readable); check boxes and group captions sit on the window colour. So do
    // labels on the window itself: it clips its children, so nothing would be painted beneath a
    // see-through label there.
    SetBkMode(dc, TRANSPARENT);
    wchar_t cls[16] = {};
    GetClassNameW(control, cls, 16);
    if (_wcsicmp(cls, L"Static") == 0 && GetParent(control) != hwnd_) {
        return reinterpret_cast<LRESULT>(GetStockObject(HOLLOW_BRUSH));
    }
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void LayoutWindow::on_destroy() {
    for (std::size_t i = 0; i < table_.controls.size(); ++i) {
        if (table_.controls[i].kind == ControlKind::Timer) KillTimer(hwnd_, kTimerIdBase + i);
    }
    RemovePropW(hwnd_, kCompleteProperty);
    ui_.remove_window(hwnd_);
    if (ends_program_) {
        ui_.shut_down();
        PostQuitMessage(0);
    }
}

LRESULT LayoutWindow::handle(UINT msg, WPARAM wp, LPARAM lp) {
    // Sent to every top-level window when the shell (re)creates its taskbar.
    static const UINT taskbar_created = RegisterWindowMessageW(L"TaskbarCreated");
    if (msg == taskbar_created && taskbar_created != 0) {
        ui_.taskbar_created(hwnd_);
        return 0;
    }
    switch (msg) {
        case WM_COMMAND:
            on_command(wp, lp);
            return 0;
        case WM_NOTIFY:
            on_notify(*reinterpret_cast<const NMHDR*>(lp));
            return 0;
        case WM_CTLCOLORSTATIC:
            return static_colour(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
        case WM_TIMER: {
            const ControlSpec* c = row_of_id(wp, static_cast<int>(kTimerIdBase));
            if (c && c->kind == ControlKind::Timer) events_.fire(c->name, "", UiEvent::TimerTick);
            return 0;
        }
        case WM_MOVE:
        case WM_SIZE:
            if (ready_) events_.fire(table_.name, "", UiEvent::Moved);
            break;
        case kMsgBuildLater:
            build_later(1);
            if (!later_built_) {
                PostMessageW(hwnd_, kMsgBuildLater, 0, 0);
                return 0;
            }
            events_.fire(table_.name, "", UiEvent::Shown);
            if (hwnd_) SetPropW(hwnd_, kCompleteProperty, reinterpret_cast<HANDLE>(1));
            start_trace::mark("complete");
            return 0;
        case kMsgTrayIcon:
            if (const int operation = tray_operation(lp)) {
                events_.fire(table_.name, "", UiEvent::TrayIcon, operation);
            }
            return 0;
        case WM_CLOSE:
            if (events_.may_close(table_.name)) DestroyWindow(hwnd_);
            return 0;
        case WM_DESTROY:
            on_destroy();
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

}  // namespace cw::win32
