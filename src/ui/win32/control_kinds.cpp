#include "ui/win32/control_kinds.h"

#include <commctrl.h>
#include <shellapi.h>

#include <array>
#include <cstdlib>
#include <utility>
#include <vector>

#include "ui/win32/control_ids.h"
#include "ui/win32/picture_box.h"
#include "ui/win32/private_messages.h"
#include "ui/win32/web_browser.h"
#include "ui/win32/wide_text.h"

namespace cw::win32 {

namespace {

constexpr wchar_t kPageClass[] = L"CubeworksPage";
constexpr int kComboListHeight = 160;  // the dropped-down list below a combo box

template <class T>
LPARAM as_lparam(T* p) {
    return reinterpret_cast<LPARAM>(p);
}

// ---- Containers: tab pages and group boxes pass their children's notifications on ----

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

// A tab page draws the frame of the tab control it covers; the selected tab opens into its
// page, with no frame line under it.
void paint_page(HWND page) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(page, &ps);
    RECT rc;
    GetClientRect(page, &rc);
    DrawEdge(dc, &rc, EDGE_RAISED, BF_RECT | BF_SOFT);
    const HWND tab = GetParent(page);
    RECT item;
    if (TabCtrl_GetItemRect(tab, TabCtrl_GetCurSel(tab), &item)) {
        RECT gap{item.left + 1, 0, item.right - 1, 2};
        FillRect(dc, &gap, GetSysColorBrush(COLOR_BTNFACE));
    }
    EndPaint(page, &ps);
}

LRESULT CALLBACK page_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (passes_to_root(msg)) return pass_to_root(hwnd, msg, wp, lp);
    if (msg == WM_PAINT) {
        paint_page(hwnd);
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

// "caption:number" -> (caption, number)
std::pair<std::string_view, int> split_item(std::string_view line, bool number_first) {
    const auto colon = number_first ? line.find(':') : line.rfind(':');
    if (colon == std::string_view::npos) return {line, 0};
    const std::string number(number_first ? line.substr(0, colon) : line.substr(colon + 1));
    const std::string_view text = number_first ? line.substr(colon + 1) : line.substr(0, colon);
    return {text, std::atoi(number.c_str())};
}

// ---- Set-up of a created control from its row, kind by kind ----

void set_up_group(HWND group, const ControlSpec& row) {
    SetWindowSubclass(group, group_proc, 1, 0);
    // A group hidden at start is shown later over what lies beneath it.
    if (!row.visible) {
        SetWindowPos(group, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void set_up_combo(HWND combo, const ControlSpec& row) {
    for (std::string_view item : item_lines(row.items)) {
        SendMessageW(combo, CB_ADDSTRING, 0, as_lparam(to_wide(item).c_str()));
    }
    if (row.selected >= 0) SendMessageW(combo, CB_SETCURSEL, row.selected, 0);
    // The closed box is exactly as high as its row says. The selection field's height is asked
    // for until the box has it (Wine reads back what it was set to plus two).
    auto request =
        static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    for (int attempt = 0; attempt < 3; ++attempt) {
        RECT rc;
        GetWindowRect(combo, &rc);
        const int off = row.height - (rc.bottom - rc.top);
        if (off == 0 || request + off <= 0) break;
        request += off;
        SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), request);
    }
}

// `items`: the column captions and widths, "caption:width" a line.
void set_up_list(HWND list, const ControlSpec& row) {
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    int column = 0;
    for (std::string_view line : item_lines(row.items)) {
        const auto [text, width] = split_item(line, false);
        std::wstring wide = to_wide(text);
        LVCOLUMNW col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        col.cx = width;
        col.pszText = wide.data();
        col.iSubItem = column;
        SendMessageW(list, LVM_INSERTCOLUMNW, column++, as_lparam(&col));
    }
}

// `items`: the page captions, one a line; `page`: the one shown at start.
void set_up_tab(HWND tab, const ControlSpec& row) {
    int page = 0;
    for (std::string_view line : item_lines(row.items)) {
        std::wstring wide = to_wide(line);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = wide.data();
        SendMessageW(tab, TCM_INSERTITEMW, page++, as_lparam(&item));
    }
    SendMessageW(tab, TCM_SETCURSEL, row.page < 0 ? 0 : row.page, 0);
}

void set_up_page(HWND page, const ControlSpec& row) {
    SetPropW(page, kPageProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(row.page + 1)));
}

void set_up_edit(HWND edit, const ControlSpec& row) {
    if (row.limit > 0) SendMessageW(edit, EM_LIMITTEXT, static_cast<WPARAM>(row.limit), 0);
}

void set_up_progress(HWND bar, const ControlSpec&) {
    SendMessageW(bar, PBM_SETRANGE32, 0, 100);
    SendMessageW(bar, PBM_SETPOS, 0, 0);
}

// `items`: the part widths and texts, "width:text" a line (-1: the rest of the bar).
void set_up_status(HWND bar, const ControlSpec& row) {
    std::vector<int> edges;
    std::vector<std::wstring> texts;
    int right = 0;
    for (std::string_view line : item_lines(row.items)) {
        const auto [text, width] = split_item(line, true);
        right = width < 0 ? -1 : right + width;
        edges.push_back(right);
        texts.push_back(to_wide(text));
    }
    SendMessageW(bar, SB_SETPARTS, edges.size(), as_lparam(edges.data()));
    for (std::size_t p = 0; p < texts.size(); ++p) {
        SendMessageW(bar, SB_SETTEXTW, p, as_lparam(texts[p].c_str()));
    }
}

constexpr DWORD kEditStyle = ES_AUTOHSCROLL | WS_TABSTOP;
constexpr DWORD kMultiLineStyle = ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP;

// One row per ControlKind, in the enumeration's order.
// clang-format off
constexpr std::array kKinds = {
    /* Window      */ KindCreation{nullptr, 0, 0, 0, nullptr},
    // Containers paint beneath their children: labels are see-through.
    /* GroupBox    */ KindCreation{L"BUTTON", BS_GROUPBOX, WS_EX_CONTROLPARENT, 0, set_up_group},
    /* Button      */ KindCreation{L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, 0, nullptr},
    /* CheckBox    */ KindCreation{L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0, 0, nullptr},
    /* Label       */ KindCreation{L"STATIC", SS_LEFT | SS_NOPREFIX, 0, 0, nullptr},
    /* Edit        */ KindCreation{L"EDIT", kEditStyle, WS_EX_CLIENTEDGE, 0, set_up_edit},
    /* ConsoleEdit */ KindCreation{L"EDIT", kMultiLineStyle | ES_AUTOHSCROLL | WS_HSCROLL,
                                   WS_EX_CLIENTEDGE, 0, nullptr},
    /* NumberEdit  */ KindCreation{L"EDIT", kEditStyle | ES_NUMBER, WS_EX_CLIENTEDGE, 0,
                                   set_up_edit},
    /* ComboBox    */ KindCreation{L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL |
                                   WS_TABSTOP, 0, kComboListHeight, set_up_combo},
    /* ListView    */ KindCreation{WC_LISTVIEWW, LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL |
                                   WS_TABSTOP, WS_EX_CLIENTEDGE, 0, set_up_list},
    /* Tab         */ KindCreation{WC_TABCONTROLW, WS_CLIPCHILDREN | WS_TABSTOP,
                                   WS_EX_CONTROLPARENT, 0, set_up_tab},
    /* TabPage     */ KindCreation{kPageClass, 0, WS_EX_CONTROLPARENT, 0, set_up_page},
    /* ProgressBar */ KindCreation{PROGRESS_CLASSW, 0, 0, 0, set_up_progress},
    /* Timer       */ KindCreation{nullptr, 0, 0, 0, nullptr},
    /* StatusBar   */ KindCreation{STATUSCLASSNAMEW, CCS_NOPARENTALIGN | CCS_NORESIZE |
                                   CCS_NODIVIDER, 0, 0, set_up_status},
    /* FileDialog  */ KindCreation{nullptr, 0, 0, 0, nullptr},
    /* Picture     */ KindCreation{kPictureClass, 0, 0, 0, nullptr},
    /* TextBox     */ KindCreation{L"EDIT", kMultiLineStyle, WS_EX_CLIENTEDGE, 0, nullptr},
    /* WebBrowser  */ KindCreation{kBrowserClass, 0, 0, 0, nullptr},
};
// clang-format on
static_assert(kKinds.size() == static_cast<std::size_t>(ControlKind::WebBrowser) + 1,
              "one row per control kind");

}  // namespace

const KindCreation& creation_of(ControlKind kind) {
    return kKinds[static_cast<std::size_t>(kind)];
}

void register_control_classes(HINSTANCE instance) {
    WNDCLASSW page{};
    page.lpfnWndProc = page_proc;
    page.hInstance = instance;
    page.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    page.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    page.lpszClassName = kPageClass;
    RegisterClassW(&page);

    register_picture_class(instance);
    register_browser_class(instance);
}

void centre_window(HWND window) {
    RECT work{}, rc{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(window, &rc);
    const int x = work.left + ((work.right - work.left) - (rc.right - rc.left)) / 2;
    const int y = work.top + ((work.bottom - work.top) - (rc.bottom - rc.top)) / 2;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- Tab control ----

RECT tab_control::page_area(HWND tab) {
    RECT item{}, client{};
    TabCtrl_GetItemRect(tab, 0, &item);
    GetClientRect(tab, &client);
    return RECT{0, item.bottom, client.right, client.bottom};
}

void tab_control::show_selected_page(HWND tab) {
    // The other pages go first, so that two pages are never shown (and painted) at once.
    const int current = TabCtrl_GetCurSel(tab);
    HWND selected = nullptr;
    for (HWND child = GetWindow(tab, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const auto page = reinterpret_cast<INT_PTR>(GetPropW(child, kPageProperty));
        if (page <= 0) continue;  // not a page
        if (page - 1 == current) {
            selected = child;
        } else {
            ShowWindow(child, SW_HIDE);
        }
    }
    if (selected) ShowWindow(selected, SW_SHOW);
}

void tab_control::select(HWND tab, int index) {
    SendMessageW(tab, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    show_selected_page(tab);
}

int tab_control::selected(HWND tab) {
    return static_cast<int>(SendMessageW(tab, TCM_GETCURSEL, 0, 0));
}

// ---- Combo box ----

void combo_box::show_text(HWND combo, std::string_view text) {
    const std::wstring wide = to_wide(text);
    const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const auto len = SendMessageW(combo, CB_GETLBTEXTLEN, i, 0);
        std::wstring item(static_cast<std::size_t>(len < 0 ? 0 : len) + 1, L'\0');
        SendMessageW(combo, CB_GETLBTEXT, i, as_lparam(item.data()));
        item.resize(static_cast<std::size_t>(len < 0 ? 0 : len));
        if (item == wide) {
            SendMessageW(combo, CB_SETCURSEL, i, 0);
            return;
        }
    }
    SetWindowTextW(combo, wide.c_str());
}

void combo_box::select(HWND combo, int index) {
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int combo_box::selected(HWND combo) {
    const auto sel = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    return sel == CB_ERR ? -1 : static_cast<int>(sel);
}

// ---- List view ----

void list_view::clear(HWND list) {
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
}

int list_view::add_row(HWND list, std::string_view title) {
    std::wstring wide = to_wide(title);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row_count(list);
    item.pszText = wide.data();
    return static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, as_lparam(&item)));
}

void list_view::set_cell(HWND list, int row, int column, std::string_view text) {
    std::wstring wide = to_wide(text);
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = wide.data();
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), as_lparam(&item));
}

std::string list_view::cell(HWND list, int row, int column) {
    std::wstring buf(4096, L'\0');
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buf.data();
    item.cchTextMax = static_cast<int>(buf.size());
    const auto len =
        SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), as_lparam(&item));
    return to_gbk(std::wstring_view(buf.data(), static_cast<std::size_t>(len < 0 ? 0 : len)));
}

int list_view::row_count(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

int list_view::selected_row(HWND list) {
    return static_cast<int>(
        SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

// ---- Status bar ----

void status_bar::set_text(HWND bar, int part, std::string_view text) {
    SendMessageW(bar, SB_SETTEXTW, static_cast<WPARAM>(part), as_lparam(to_wide(text).c_str()));
}

std::string status_bar::text(HWND bar, int part) {
    const auto len = LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, static_cast<WPARAM>(part), 0));
    std::wstring buf(static_cast<std::size_t>(len) + 1, L'\0');
    SendMessageW(bar, SB_GETTEXTW, static_cast<WPARAM>(part), as_lparam(buf.data()));
    return to_gbk(std::wstring_view(buf.data(), len));
}

// ---- Progress bar ----

void progress_bar::set_position(HWND bar, int position) {
    SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

int progress_bar::position(HWND bar) {
    return static_cast<int>(SendMessageW(bar, PBM_GETPOS, 0, 0));
}

// ---- Label ----

void set_label_text(HWND label, std::string_view text) {
    SetWindowTextW(label, to_wide(text).c_str());
    const HWND parent = GetParent(label);
    RECT rc;
    GetWindowRect(label, &rc);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rc), 2);
    RedrawWindow(parent, &rc, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// ---- Tray icon ----

namespace {

// The program's icon at the notification area's size, loaded once for the program's life.
HICON tray_picture() {
    static const HICON picture = [] {
        const auto loaded = static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kProgramIconResource),
                       IMAGE_ICON, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
        return loaded ? loaded : LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    }();
    return picture;
}

NOTIFYICONDATAW tray_data(HWND window) {
    NOTIFYICONDATAW nid{};
    nid.cbSize = sizeof nid;
    nid.hWnd = window;
    nid.uID = kTrayIconId;
    return nid;
}

}  // namespace

bool TrayIcon::show(HWND window, std::wstring_view tip) {
    tip_ = tip;
    return add_or_update(window);
}

bool TrayIcon::add_or_update(HWND window) {
    NOTIFYICONDATAW nid = tray_data(window);
    nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    nid.uCallbackMessage = kMsgTrayIcon;
    nid.hIcon = tray_picture();
    tip_.copy(nid.szTip, std::size(nid.szTip) - 1);
    if (!shown_ || !Shell_NotifyIconW(NIM_MODIFY, &nid)) {
        shown_ = Shell_NotifyIconW(NIM_ADD, &nid) != FALSE;
    }
    return shown_;
}

void TrayIcon::remove(HWND window) {
    if (!shown_) return;
    NOTIFYICONDATAW nid = tray_data(window);
    Shell_NotifyIconW(NIM_DELETE, &nid);
    shown_ = false;
}

void TrayIcon::taskbar_created(HWND window) {
    if (!shown_) return;
    // Usually the old taskbar took the icon along; where it kept it, it is updated.
    shown_ = false;
    if (!add_or_update(window)) {
        shown_ = true;
        add_or_update(window);
    }
}

}  // namespace cw::win32
