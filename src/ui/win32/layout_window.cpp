#include "ui/win32/layout_window.h"

#include <commctrl.h>

#include <set>
#include <string>

#include "ui/win32/picture_box.h"
#include "ui/win32/private_messages.h"
#include "ui/win32/web_browser.h"
#include "ui/win32/wide_text.h"
#include "ui/win32/win32_ui.h"

namespace cw::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"CubeworksWindow";
constexpr wchar_t kPageClass[] = L"CubeworksPage";
constexpr int kComboListHeight = 160;  // the dropped-down list below a combo box

bool passes_to_root(UINT msg) {
    switch (msg) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
            return true;
        default:
            return false;
    }
}

LRESULT pass_to_root(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return SendMessageW(GetAncestor(hwnd, GA_ROOT), msg, wp, lp);
}

// Tab pages: plain containers that draw the frame of the tab control they cover.
LRESULT CALLBACK page_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (passes_to_root(msg)) return pass_to_root(hwnd, msg, wp, lp);
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT rc;
        GetClientRect(hwnd, &rc);
        DrawEdge(dc, &rc, EDGE_RAISED, BF_RECT | BF_SOFT);
        // The selected tab opens into its page: no frame line under it.
        const HWND tab = GetParent(hwnd);
        RECT item;
        if (TabCtrl_GetItemRect(tab, TabCtrl_GetCurSel(tab), &item)) {
            RECT gap{item.left + 1, 0, item.right - 1, 2};
            FillRect(dc, &gap, GetSysColorBrush(COLOR_BTNFACE));
        }
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

// Group boxes hold their controls: they paint their whole area (a group shown over other
// controls hides them), take the clicks on their empty parts and pass notifications on.
LRESULT CALLBACK group_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (passes_to_root(msg)) return pass_to_root(hwnd, msg, wp, lp);
    switch (msg) {
        case WM_ERASEBKGND: {
            RECT rc;
            GetClientRect(hwnd, &rc);
            FillRect(reinterpret_cast<HDC>(wp), &rc, GetSysColorBrush(COLOR_BTNFACE));
            return 1;
        }
        case WM_NCHITTEST:
            return HTCLIENT;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            return 0;
        default:
            return DefSubclassProc(hwnd, msg, wp, lp);
    }
}

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

    WNDCLASSW page{};
    page.lpfnWndProc = page_proc;
    page.hInstance = inst;
    page.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    page.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    page.lpszClassName = kPageClass;
    RegisterClassW(&page);

    register_picture_class(inst);
    register_browser_class(inst);
}

// "caption:number" -> (caption, number)
std::pair<std::string_view, int> split_item(std::string_view line, bool number_first) {
    const auto colon = number_first ? line.find(':') : line.rfind(':');
    if (colon == std::string_view::npos) return {line, 0};
    const std::string number(number_first ? line.substr(0, colon) : line.substr(colon + 1));
    const std::string_view text = number_first ? line.substr(colon + 1) : line.substr(0, colon);
    return {text, std::atoi(number.c_str())};
}

}  // namespace

void show_selected_page(HWND tab) {
    const int current = TabCtrl_GetCurSel(tab);
    for (HWND child = GetWindow(tab, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const auto page = reinterpret_cast<INT_PTR>(GetPropW(child, kPageProperty));
        if (page > 0) ShowWindow(child, page - 1 == current ? SW_SHOW : SW_HIDE);
    }
}

void centre_window(HWND window) {
    RECT work{}, rc{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(window, &rc);
    const int x = work.left + ((work.right - work.left) - (rc.right - rc.left)) / 2;
    const int y = work.top + ((work.bottom - work.top) - (rc.bottom - rc.top)) / 2;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

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
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    CreateWindowExW(WS_EX_CONTROLPARENT, kWindowClass, to_wide(table_.title).c_str(), style,
                    CW_USEDEFAULT, CW_USEDEFAULT, table_.width, table_.height, nullptr, bar_, inst,
                    this);
    if (!hwnd_) return;
    build_controls();
    ui_.add_window(table_, hwnd_, controls_, menus_);
    centre_window(hwnd_);
    ready_ = true;
    events_.fire(table_.name, "", UiEvent::Created);
    if (hwnd_) {
        ShowWindow(hwnd_, show_command);
        UpdateWindow(hwnd_);
    }
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

void LayoutWindow::build_controls() {
    const HINSTANCE inst = GetModuleHandleW(nullptr);
    controls_.assign(table_.controls.size(), nullptr);
    std::vector<HWND> tabs;
    for (std::size_t i = 0; i < table_.controls.size(); ++i) {
        const ControlSpec& c = table_.controls[i];
        POINT origin;
        const HWND parent = container_of(c, origin);
        int x = c.x - origin.x, y = c.y - origin.y, w = c.width, h = c.height;
        DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (c.visible ? WS_VISIBLE : 0) |
                      (c.enabled ? 0 : WS_DISABLED);
        DWORD ex = 0;
        const wchar_t* cls = L"STATIC";
        switch (c.kind) {
            case ControlKind::Window:
                continue;
            case ControlKind::Timer:
                if (c.enabled) SetTimer(hwnd_, kTimerIdBase + i, static_cast<UINT>(c.x), nullptr);
                continue;
            case ControlKind::FileDialog:
                continue;
            case ControlKind::GroupBox:
                // Containers paint beneath their children: labels are see-through.
                cls = L"BUTTON";
                style |= BS_GROUPBOX;
                ex = WS_EX_CONTROLPARENT;
                break;
            case ControlKind::Button:
                cls = L"BUTTON";
                style |= BS_PUSHBUTTON | WS_TABSTOP;
                break;
            case ControlKind::CheckBox:
                cls = L"BUTTON";
                style |= BS_AUTOCHECKBOX | WS_TABSTOP;
                break;
            case ControlKind::Label:
                style |= SS_LEFT | SS_NOPREFIX;
                break;
            case ControlKind::Picture:
                cls = kPictureClass;
                break;
            case ControlKind::WebBrowser:
                cls = kBrowserClass;
                break;
            case ControlKind::TextBox:
                cls = L"EDIT";
                style |= ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP;
                ex = WS_EX_CLIENTEDGE;
                break;
            case ControlKind::Edit:
            case ControlKind::NumberEdit:
                cls = L"EDIT";
                style |= ES_AUTOHSCROLL | WS_TABSTOP |
                         (c.kind == ControlKind::NumberEdit ? ES_NUMBER : 0);
                ex = WS_EX_CLIENTEDGE;
                break;
            case ControlKind::ConsoleEdit:
                cls = L"EDIT";
                style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL |
                         WS_TABSTOP;
                ex = WS_EX_CLIENTEDGE;
                break;
            case ControlKind::ComboBox:
                cls = L"COMBOBOX";
                style |= CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP;
                h += kComboListHeight;
                break;
            case ControlKind::ListView:
                cls = WC_LISTVIEWW;
                style |= LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL | WS_TABSTOP;
                ex = WS_EX_CLIENTEDGE;
                break;
            case ControlKind::Tab:
                cls = WC_TABCONTROLW;
                style |= WS_CLIPCHILDREN | WS_TABSTOP;
                ex = WS_EX_CONTROLPARENT;
                break;
            case ControlKind::TabPage: {
                // Below the tab strip, over the rest of the tab control.
                cls = kPageClass;
                ex = WS_EX_CONTROLPARENT;
                RECT item{}, client{};
                TabCtrl_GetItemRect(parent, 0, &item);
                GetClientRect(parent, &client);
                x = 0;
                y = item.bottom;
                w = client.right;
                h = client.bottom - item.bottom;
                break;
            }
            case ControlKind::ProgressBar:
                cls = PROGRESS_CLASSW;
                break;
            case ControlKind::StatusBar:
                cls = STATUSCLASSNAMEW;
                style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
                break;
        }
        const std::wstring caption = c.kind == ControlKind::StatusBar ? L"" : to_wide(c.caption);
        const HWND hwnd =
            CreateWindowExW(ex, cls, caption.c_str(), style, x, y, w, h, parent,
                            reinterpret_cast<HMENU>(kControlIdBase + i), inst, nullptr);
        controls_[i] = hwnd;
        if (!hwnd) continue;
        SetPropW(hwnd, kRowProperty, reinterpret_cast<HANDLE>(i + 1));
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(ui_.font()), FALSE);

        switch (c.kind) {
            case ControlKind::GroupBox:
                SetWindowSubclass(hwnd, group_proc, 1, 0);
                // A group hidden at start is shown later over what lies beneath it.
                if (!c.visible) {
                    SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0,
                                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
                }
                break;
            case ControlKind::ComboBox: {
                for (std::string_view item : item_lines(c.items)) {
                    SendMessageW(hwnd, CB_ADDSTRING, 0,
                                 reinterpret_cast<LPARAM>(to_wide(item).c_str()));
                }
                if (c.selected >= 0) SendMessageW(hwnd, CB_SETCURSEL, c.selected, 0);
                // The closed box is exactly as high as its row says. The selection field's
                // height is asked for until the box has it (Wine reads back what it was set
                // to plus two).
                auto request = static_cast<int>(
                    SendMessageW(hwnd, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
                for (int attempt = 0; attempt < 3; ++attempt) {
                    RECT rc;
                    GetWindowRect(hwnd, &rc);
                    const int off = c.height - (rc.bottom - rc.top);
                    if (off == 0 || request + off <= 0) break;
                    request += off;
                    SendMessageW(hwnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), request);
                }
                break;
            }
            case ControlKind::ListView: {
                SendMessageW(hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT,
                             LVS_EX_FULLROWSELECT);
                int column = 0;
                for (std::string_view line : item_lines(c.items)) {
                    const auto [text, width] = split_item(line, false);
                    std::wstring wide = to_wide(text);
                    LVCOLUMNW col{};
                    col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
                    col.cx = width;
                    col.pszText = wide.data();
                    col.iSubItem = column;
                    SendMessageW(hwnd, LVM_INSERTCOLUMNW, column++, reinterpret_cast<LPARAM>(&col));
                }
                break;
            }
            case ControlKind::Tab: {
                int page = 0;
                for (std::string_view line : item_lines(c.items)) {
                    std::wstring wide = to_wide(line);
                    TCITEMW item{};
                    item.mask = TCIF_TEXT;
                    item.pszText = wide.data();
                    SendMessageW(hwnd, TCM_INSERTITEMW, page++, reinterpret_cast<LPARAM>(&item));
                }
                SendMessageW(hwnd, TCM_SETCURSEL, c.page < 0 ? 0 : c.page, 0);
                tabs.push_back(hwnd);
                break;
            }
            case ControlKind::TabPage:
                SetPropW(hwnd, kPageProperty, reinterpret_cast<HANDLE>(c.page + 1));
                break;
            case ControlKind::Edit:
            case ControlKind::NumberEdit:
                if (c.limit > 0) SendMessageW(hwnd, EM_LIMITTEXT, static_cast<WPARAM>(c.limit), 0);
                break;
            case ControlKind::ProgressBar:
                SendMessageW(hwnd, PBM_SETRANGE32, 0, 100);
                SendMessageW(hwnd, PBM_SETPOS, 0, 0);
                break;
            case ControlKind::StatusBar: {
                std::vector<int> edges;
                std::vector<std::wstring> texts;
                int right = 0;
                for (std::string_view line : item_lines(c.items)) {
                    const auto [text, width] = split_item(line, true);
                    right = width < 0 ? -1 : right + width;
                    edges.push_back(right);
                    texts.push_back(to_wide(text));
                }
                SendMessageW(hwnd, SB_SETPARTS, edges.size(),
                             reinterpret_cast<LPARAM>(edges.data()));
                for (std::size_t p = 0; p < texts.size(); ++p) {
                    SendMessageW(hwnd, SB_SETTEXTW, p, reinterpret_cast<LPARAM>(texts[p].c_str()));
                }
                break;
            }
            default:
                break;
        }
    }
    // Labels lie beneath the other controls of their container, as if drawn on it: where a
    // label's box runs into a control, the control shows whole. So does a web page view.
    for (std::size_t i = 0; i < table_.controls.size(); ++i) {
        const ControlKind kind = table_.controls[i].kind;
        if ((kind == ControlKind::Label || kind == ControlKind::WebBrowser) && controls_[i]) {
            SetWindowPos(controls_[i], HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
    for (HWND tab : tabs) show_selected_page(tab);
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

LRESULT LayoutWindow::handle(UINT msg, WPARAM wp, LPARAM lp) {
    // Sent to every top-level window when the shell (re)creates its taskbar.
    static const UINT taskbar_created = RegisterWindowMessageW(L"TaskbarCreated");
    if (msg == taskbar_created && taskbar_created != 0) {
        ui_.taskbar_created(hwnd_);
        return 0;
    }
    switch (msg) {
        case WM_COMMAND: {
            if (lp == 0) {
                const auto row = static_cast<long long>(LOWORD(wp)) - kMenuIdBase;
                if (HIWORD(wp) == 0 && row >= 0 &&
                    row < static_cast<long long>(table_.menus.size())) {
                    const MenuSpec& m = table_.menus[static_cast<std::size_t>(row)];
                    events_.fire(m.menu, m.caption, UiEvent::MenuChosen);
                }
                return 0;
            }
            const ControlSpec* c = row_of_id(LOWORD(wp), kControlIdBase);
            if (!c) break;
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
            return 0;
        }
        case WM_NOTIFY: {
            const auto* hdr = reinterpret_cast<const NMHDR*>(lp);
            const ControlSpec* c = row_of_id(hdr->idFrom, kControlIdBase);
            if (!c) break;
            if (c->kind == ControlKind::Tab && hdr->code == TCN_SELCHANGE) {
                show_selected_page(hdr->hwndFrom);
            } else if (c->kind == ControlKind::ListView && hdr->code == NM_RCLICK) {
                events_.fire(c->name, "", UiEvent::RightClick);
            }
            return 0;
        }
        case WM_CTLCOLORSTATIC: {
            // Labels are see-through, like text drawn on their container (a group caption
            // beneath a label stays readable); check boxes and group captions sit on the
            // window colour. So do labels on the window itself: it clips its children, so
            // nothing would be painted beneath a see-through label there.
            SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
            wchar_t cls[16] = {};
            GetClassNameW(reinterpret_cast<HWND>(lp), cls, 16);
            if (_wcsicmp(cls, L"Static") == 0 && GetParent(reinterpret_cast<HWND>(lp)) != hwnd_) {
                return reinterpret_cast<LRESULT>(GetStockObject(HOLLOW_BRUSH));
            }
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        case WM_TIMER: {
            const ControlSpec* c = row_of_id(wp, static_cast<int>(kTimerIdBase));
            if (c && c->kind == ControlKind::Timer) events_.fire(c->name, "", UiEvent::TimerTick);
            return 0;
        }
        case WM_MOVE:
        case WM_SIZE:
            if (ready_) events_.fire(table_.name, "", UiEvent::Moved);
            break;
        case kMsgTrayIcon: {
            int operation = 0;
            switch (LOWORD(lp)) {
                case WM_LBUTTONUP:
                    operation = kTrayClick;
                    break;
                case WM_LBUTTONDBLCLK:
                    operation = kTrayDoubleClick;
                    break;
                case WM_RBUTTONUP:
                case WM_CONTEXTMENU:
                    operation = kTrayRightClick;
                    break;
                default:
                    break;
            }
            if (operation) events_.fire(table_.name, "", UiEvent::TrayIcon, operation);
            return 0;
        }
        case WM_CLOSE: {
            if (events_.may_close(table_.name)) DestroyWindow(hwnd_);
            return 0;
        }
        case WM_DESTROY:
            for (std::size_t i = 0; i < table_.controls.size(); ++i) {
                if (table_.controls[i].kind == ControlKind::Timer)
                    KillTimer(hwnd_, kTimerIdBase + i);
            }
            ui_.remove_window(hwnd_);
            if (ends_program_) {
                ui_.shut_down();
                PostQuitMessage(0);
            }
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

}  // namespace cw::win32
