/* The Cubeworks skin library: one coherent look for every window and control of the thread
 * that attaches it, windows created later included.
 *
 * SkinH_AttachRes reads a skin resource (".SHE": colours, font, corner radius), installs a
 * thread hook that subclasses every window the thread creates from then on, and subclasses the
 * windows the thread already has. The subclasses paint window, page and group backgrounds, push
 * buttons, check boxes, group frames, tab strips, progress bars and status bars themselves, set
 * the colours of edit boxes and lists, and give every skinned control the skin's font.
 *
 * Built without the C runtime (a DLL the program loads from memory): only kernel32, user32 and
 * gdi32, no global constructors, nothing but the stack and static data. */
#include <windows.h>
#include <commctrl.h>

/* ---- The skin resource ---------------------------------------------------------------------
 * 0  ".SHE"
 * 4  u16 version (1)
 * 6  u16 number of records
 * 8  records: u16 tag, u16 length, then `length` bytes
 *    tag 1 colours: u32 count, then `count` COLORREFs in the order of the roles below
 *    tag 2 font:    i32 height, i32 weight, UTF-16 face name with its zero
 *    tag 3 shape:   u32 corner radius of buttons and frames
 * Unknown tags are skipped; a resource without all colours is refused. */
enum {
    C_WINDOW,
    C_PANEL,
    C_TEXT,
    C_TEXT_DISABLED,
    C_BORDER,
    C_ACCENT,
    C_ACCENT_TEXT,
    C_BUTTON,
    C_BUTTON_HOT,
    C_BUTTON_PRESSED,
    C_BUTTON_TEXT,
    C_EDIT,
    C_EDIT_TEXT,
    C_STATUS,
    C_COUNT
};
enum { TAG_COLOURS = 1, TAG_FONT = 2, TAG_SHAPE = 3 };

/* What a subclassed window is. */
enum {
    K_NONE,
    K_FRAME,    /* top-level windows and dialogs: background, colours of their children */
    K_PAGE,     /* container windows on a tab control */
    K_BUTTON,   /* push buttons */
    K_CHECK,    /* check boxes */
    K_GROUP,    /* group boxes */
    K_EDIT,     /* edit boxes: flat border */
    K_LIST,     /* list views: colours, flat border */
    K_TAB,      /* tab strips */
    K_PROGRESS, /* progress bars */
    K_STATUS,   /* status bars */
    K_OTHER     /* combo boxes and the rest: the skin's font only */
};

static COLORREF g_colour[C_COUNT];
static HBRUSH g_brush[C_COUNT];
static HFONT g_font;
static int g_radius;
static HHOOK g_hook;
static DWORD g_thread;

static const WCHAR P_PROC[] = L"cw.skin.proc";
static const WCHAR P_KIND[] = L"cw.skin.kind";
static const WCHAR P_HOT[] = L"cw.skin.hot";

/* The compiler may call these for structure copies and clearing. */
void* memset(void* d, int c, size_t n) {
    volatile unsigned char* p = d;
    while (n--) *p++ = (unsigned char)c;
    return d;
}
void* memcpy(void* d, const void* s, size_t n) {
    volatile unsigned char* p = d;
    const unsigned char* q = s;
    while (n--) *p++ = *q++;
    return d;
}

static unsigned read16(const unsigned char* p) {
    return p[0] | (p[1] << 8);
}
static unsigned long read32(const unsigned char* p) {
    return p[0] | (p[1] << 8) | ((unsigned long)p[2] << 16) | ((unsigned long)p[3] << 24);
}

static int clamp(int v, int lo, int hi) {
    return v < lo ? lo : v > hi ? hi : v;
}

/* Hue (degrees), saturation and brightness (-100..100) applied to one colour; 0 changes
 * nothing. Integer HSV with the hue in 1536 steps. */
static COLORREF adjust(COLORREF c, int hue, int saturation, int brightness) {
    int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    if (hue % 360) {
        int max = r > g ? (r > b ? r : b) : (g > b ? g : b);
        int min = r < g ? (r < b ? r : b) : (g < b ? g : b);
        int delta = max - min, h = 0;
        if (delta) {
            if (max == r) h = (256 * (g - b)) / delta;
            else if (max == g) h = 512 + (256 * (b - r)) / delta;
            else h = 1024 + (256 * (r - g)) / delta;
            h = (h + (hue % 360 + 360) * 1536 / 360) % 1536;
            if (h < 0) h += 1536;
            {
                int sector = h / 256, f = h % 256;
                int up = min + delta * f / 256, down = max - delta * f / 256;
                switch (sector) {
                    case 0: r = max; g = up; b = min; break;
                    case 1: r = down; g = max; b = min; break;
                    case 2: r = min; g = max; b = up; break;
                    case 3: r = min; g = down; b = max; break;
                    case 4: r = up; g = min; b = max; break;
                    default: r = max; g = min; b = down; break;
                }
            }
        }
    }
    if (saturation) {
        int grey = (r * 30 + g * 59 + b * 11) / 100, s = clamp(saturation, -100, 100) + 100;
        r = clamp(grey + (r - grey) * s / 100, 0, 255);
        g = clamp(grey + (g - grey) * s / 100, 0, 255);
        b = clamp(grey + (b - grey) * s / 100, 0, 255);
    }
    if (brightness) {
        int k = clamp(brightness, -100, 100);
        r = k > 0 ? r + (255 - r) * k / 100 : r * (100 + k) / 100;
        g = k > 0 ? g + (255 - g) * k / 100 : g * (100 + k) / 100;
        b = k > 0 ? b + (255 - b) * k / 100 : b * (100 + k) / 100;
    }
    return RGB(r, g, b);
}

/* Reads the resource into the skin's colours, brushes and font; 0 when it is not a skin. */
static int read_skin(const unsigned char* data, int size, int hue, int saturation,
                     int brightness) {
    COLORREF colour[C_COUNT];
    int have_colours = 0, radius = 4, height = -12, weight = FW_NORMAL, i;
    WCHAR face[LF_FACESIZE];
    unsigned records, pos = 8;
    face[0] = 0;
    if (!data || size < 8 || data[0] != '.' || data[1] != 'S' || data[2] != 'H' || data[3] != 'E' ||
        read16(data + 4) != 1) {
        return 0;
    }
    records = read16(data + 6);
    while (records--) {
        unsigned tag, length;
        const unsigned char* body;
        if (pos + 4 > (unsigned)size) return 0;
        tag = read16(data + pos);
        length = read16(data + pos + 2);
        body = data + pos + 4;
        if (length > (unsigned)size - pos - 4) return 0;
        if (tag == TAG_COLOURS && length >= 4) {
            unsigned long count = read32(body);
            if (count < C_COUNT || count > (length - 4) / 4) return 0;
            for (i = 0; i < C_COUNT; ++i) colour[i] = read32(body + 4 + 4 * i) & 0xFFFFFF;
            have_colours = 1;
        } else if (tag == TAG_FONT && length >= 10) {
            unsigned n = (length - 8) / 2, k;
            height = (int)read32(body);
            weight = (int)read32(body + 4);
            for (k = 0; k < n && k < LF_FACESIZE - 1; ++k) {
                face[k] = (WCHAR)read16(body + 8 + 2 * k);
                if (!face[k]) break;
            }
            face[k < LF_FACESIZE ? k : LF_FACESIZE - 1] = 0;
        } else if (tag == TAG_SHAPE && length >= 4) {
            radius = clamp((int)read32(body), 0, 16);
        }
        pos += 4 + length;
    }
    if (!have_colours) return 0;

    for (i = 0; i < C_COUNT; ++i) {
        g_colour[i] = adjust(colour[i], hue, saturation, brightness);
        if (g_brush[i]) DeleteObject(g_brush[i]);
        g_brush[i] = CreateSolidBrush(g_colour[i]);
    }
    if (face[0]) {
        HFONT font = CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, GB2312_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 DEFAULT_PITCH | FF_DONTCARE, face);
        if (font) {
            if (g_font) DeleteObject(g_font);
            g_font = font;
        }
    }
    g_radius = radius;
    return 1;
}

/* ---- Which windows are skinned, and how ---------------------------------------------------- */

static int same_class(HWND h, const WCHAR* name) {
    WCHAR cls[64];
    int i;
    if (!GetClassNameW(h, cls, 64)) return 0;
    for (i = 0; cls[i] || name[i]; ++i) {
        WCHAR a = cls[i], b = name[i];
        if (a >= 'a' && a <= 'z') a -= 32;
        if (b >= 'a' && b <= 'z') b -= 32;
        if (a != b) return 0;
    }
    return 1;
}

static int kind_of(HWND h, HWND parent, LONG style) {
    if (same_class(h, L"#32768") || same_class(h, L"tooltips_class32") ||
        same_class(h, L"ComboLBox") || same_class(h, L"IME") || same_class(h, L"#32769")) {
        return K_NONE;
    }
    if (same_class(h, L"Button")) {
        switch (style & BS_TYPEMASK) {
            case BS_PUSHBUTTON:
            case BS_DEFPUSHBUTTON:
                return (style & (BS_BITMAP | BS_ICON)) ? K_OTHER : K_BUTTON;
            case BS_CHECKBOX:
            case BS_AUTOCHECKBOX:
                return K_CHECK;
            case BS_GROUPBOX:
                return K_GROUP;
            default:
                return K_OTHER;
        }
    }
    if (same_class(h, L"Edit")) return K_EDIT;
    if (same_class(h, L"SysListView32")) return K_LIST;
    if (same_class(h, L"SysTabControl32")) return K_TAB;
    if (same_class(h, L"msctls_progress32")) return K_PROGRESS;
    if (same_class(h, L"msctls_statusbar32")) return K_STATUS;
    if (same_class(h, L"Static") || same_class(h, L"ComboBox") || same_class(h, L"ListBox") ||
        same_class(h, L"SysHeader32") || same_class(h, L"ScrollBar")) {
        return K_OTHER;
    }
    if (!(style & WS_CHILD)) return K_FRAME;
    if (parent && same_class(parent, L"SysTabControl32")) return K_PAGE;
    return K_NONE;
}

static int kind_at(HWND h) {
    return (int)(INT_PTR)GetPropW(h, P_KIND);
}

/* The colour a control stands on: pages and groups are panels, the rest the window colour. */
static int surface_of(HWND h) {
    HWND parent = GetParent(h);
    int k = parent ? kind_at(parent) : K_NONE;
    return k == K_PAGE || k == K_GROUP ? C_PANEL : C_WINDOW;
}

static HFONT font_of(HWND h) {
    HFONT f = (HFONT)SendMessageW(h, WM_GETFONT, 0, 0);
    return f ? f : g_font ? g_font : (HFONT)GetStockObject(DEFAULT_GUI_FONT);
}

/* ---- Drawing ----------------------------------------------------------------------------- */

static void fill(HDC dc, const RECT* rc, int role) {
    FillRect(dc, rc, g_brush[role]);
}

static void frame(HDC dc, const RECT* rc, int fill_role, int line_role, int radius) {
    HPEN pen = CreatePen(PS_SOLID, 1, g_colour[line_role]);
    HGDIOBJ old_pen = SelectObject(dc, pen);
    HGDIOBJ old_brush = SelectObject(dc, fill_role < 0 ? GetStockObject(NULL_BRUSH)
                                                       : (HGDIOBJ)g_brush[fill_role]);
    RoundRect(dc, rc->left, rc->top, rc->right, rc->bottom, radius, radius);
    SelectObject(dc, old_brush);
    SelectObject(dc, old_pen);
    DeleteObject(pen);
}

static void text(HDC dc, HWND h, const WCHAR* s, int n, RECT* rc, int role, UINT format) {
    HGDIOBJ old = SelectObject(dc, font_of(h));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, g_colour[role]);
    DrawTextW(dc, s, n, rc, format | DT_NOPREFIX);
    SelectObject(dc, old);
}

static void paint_button(HWND h, HDC dc) {
    RECT rc;
    WCHAR caption[128];
    LRESULT state = SendMessageW(h, BM_GETSTATE, 0, 0);
    int enabled = IsWindowEnabled(h), face = C_BUTTON, n;
    GetClientRect(h, &rc);
    if (!enabled) face = C_TEXT_DISABLED;
    else if (state & BST_PUSHED) face = C_BUTTON_PRESSED;
    else if (GetPropW(h, P_HOT)) face = C_BUTTON_HOT;
    fill(dc, &rc, surface_of(h));
    frame(dc, &rc, face, enabled ? C_BUTTON_PRESSED : C_BORDER, g_radius * 2);
    if ((state & BST_FOCUS) && enabled) {
        RECT inner = rc;
        InflateRect(&inner, -2, -2);
        frame(dc, &inner, -1, C_BUTTON_HOT, g_radius * 2);
    }
    n = GetWindowTextW(h, caption, 128);
    if (state & BST_PUSHED) OffsetRect(&rc, 0, 1);
    text(dc, h, caption, n, &rc, enabled ? C_BUTTON_TEXT : C_PANEL,
         DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

static void paint_check(HWND h, HDC dc) {
    RECT rc, box, label;
    WCHAR caption[128];
    int enabled = IsWindowEnabled(h), size = 13, n;
    GetClientRect(h, &rc);
    fill(dc, &rc, surface_of(h));
    box.left = rc.left;
    box.top = rc.top + (rc.bottom - rc.top - size) / 2;
    box.right = box.left + size;
    box.bottom = box.top + size;
    frame(dc, &box, C_EDIT, enabled ? C_ACCENT : C_BORDER, g_radius);
    if (SendMessageW(h, BM_GETCHECK, 0, 0) == BST_CHECKED) {
        HPEN pen = CreatePen(PS_SOLID, 2, g_colour[enabled ? C_ACCENT : C_TEXT_DISABLED]);
        HGDIOBJ old = SelectObject(dc, pen);
        MoveToEx(dc, box.left + 3, box.top + 6, NULL);
        LineTo(dc, box.left + 5, box.top + 9);
        LineTo(dc, box.left + 10, box.top + 3);
        SelectObject(dc, old);
        DeleteObject(pen);
    }
    label = rc;
    label.left = box.right + 4;
    n = GetWindowTextW(h, caption, 128);
    text(dc, h, caption, n, &label, enabled ? C_TEXT : C_TEXT_DISABLED,
         DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

static void paint_group(HWND h, HDC dc) {
    RECT rc, line, label;
    WCHAR caption[128];
    SIZE extent;
    HGDIOBJ old;
    int n;
    GetClientRect(h, &rc);
    fill(dc, &rc, C_PANEL);
    n = GetWindowTextW(h, caption, 128);
    old = SelectObject(dc, font_of(h));
    if (!GetTextExtentPoint32W(dc, caption, n, &extent)) extent.cx = extent.cy = 12;
    SelectObject(dc, old);
    line = rc;
    line.top += extent.cy / 2;
    frame(dc, &line, -1, C_BORDER, g_radius * 2);
    if (n) {
        label.left = rc.left + 8;
        label.top = rc.top;
        label.right = label.left + extent.cx + 8;
        label.bottom = rc.top + extent.cy;
        fill(dc, &label, C_PANEL);
        label.left += 4;
        text(dc, h, caption, n, &label, C_ACCENT, DT_LEFT | DT_TOP | DT_SINGLELINE);
    }
}

static void paint_window_background(HWND h, HDC dc) {
    RECT rc;
    GetClientRect(h, &rc);
    fill(dc, &rc, C_WINDOW);
}

static void paint_page(HWND h, HDC dc) {
    RECT rc;
    GetClientRect(h, &rc);
    fill(dc, &rc, C_PANEL);
    frame(dc, &rc, -1, C_BORDER, 0);
}

static void paint_tab(HWND h, HDC dc) {
    RECT rc;
    int count = (int)SendMessageW(h, TCM_GETITEMCOUNT, 0, 0), current, i;
    current = (int)SendMessageW(h, TCM_GETCURSEL, 0, 0);
    GetClientRect(h, &rc);
    fill(dc, &rc, surface_of(h));
    for (i = 0; i < count; ++i) {
        RECT item;
        WCHAR caption[64];
        TCITEMW ti;
        if (!SendMessageW(h, TCM_GETITEMRECT, i, (LPARAM)&item)) continue;
        ti.mask = TCIF_TEXT;
        ti.pszText = caption;
        ti.cchTextMax = 64;
        caption[0] = 0;
        SendMessageW(h, TCM_GETITEMW, i, (LPARAM)&ti);
        if (i == current) {
            item.top -= 2;
            item.bottom += 2;
        }
        frame(dc, &item, i == current ? C_ACCENT : C_PANEL, i == current ? C_ACCENT : C_BORDER,
              g_radius);
        text(dc, h, caption, -1, &item, i == current ? C_ACCENT_TEXT : C_TEXT,
             DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

static void paint_progress(HWND h, HDC dc) {
    RECT rc, bar;
    int low = (int)SendMessageW(h, PBM_GETRANGE, TRUE, 0);
    int high = (int)SendMessageW(h, PBM_GETRANGE, FALSE, 0);
    int pos = (int)SendMessageW(h, PBM_GETPOS, 0, 0);
    GetClientRect(h, &rc);
    fill(dc, &rc, surface_of(h));
    frame(dc, &rc, C_EDIT, C_BORDER, g_radius);
    if (high > low && pos > low) {
        bar = rc;
        InflateRect(&bar, -2, -2);
        if (pos > high) pos = high;
        bar.right = bar.left + MulDiv(bar.right - bar.left, pos - low, high - low);
        if (bar.right > bar.left) fill(dc, &bar, C_ACCENT);
    }
}

static void paint_status(HWND h, HDC dc) {
    RECT rc;
    int edges[8], parts, i;
    GetClientRect(h, &rc);
    fill(dc, &rc, C_STATUS);
    parts = (int)SendMessageW(h, SB_GETPARTS, 8, (LPARAM)edges);
    for (i = 0; i < parts && i < 8; ++i) {
        RECT part;
        WCHAR caption[256];
        if (!SendMessageW(h, SB_GETRECT, i, (LPARAM)&part)) continue;
        if (LOWORD(SendMessageW(h, SB_GETTEXTLENGTHW, i, 0)) >= 256) continue;
        caption[0] = 0;
        SendMessageW(h, SB_GETTEXTW, i, (LPARAM)caption);
        if (i > 0) {
            RECT line = part;
            line.right = line.left + 1;
            InflateRect(&line, 0, -3);
            fill(dc, &line, C_BORDER);
        }
        part.left += 4;
        text(dc, h, caption, -1, &part, C_TEXT, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    }
}

/* A flat one-pixel border over the sunken edge of edit boxes and lists. */
static void paint_flat_border(HWND h) {
    RECT rc;
    HDC dc;
    if (!(GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_CLIENTEDGE)) return;
    dc = GetWindowDC(h);
    if (!dc) return;
    GetWindowRect(h, &rc);
    OffsetRect(&rc, -rc.left, -rc.top);
    FrameRect(dc, &rc, g_brush[C_BORDER]);
    InflateRect(&rc, -1, -1);
    FrameRect(dc, &rc, g_brush[IsWindowEnabled(h) ? C_EDIT : C_PANEL]);
    ReleaseDC(h, dc);
}

/* The painter of each kind that paints itself, indexed by kind. */
static void (*const g_painters[])(HWND, HDC) = {
    NULL,         paint_window_background, paint_page,     paint_button, paint_check,
    paint_group,  NULL,                    NULL,           paint_tab,    paint_progress,
    paint_status, NULL};

static void paint(HWND h, int kind, HDC dc) {
    if (kind > K_NONE && kind <= K_OTHER && g_painters[kind]) g_painters[kind](h, dc);
}

static int paints_itself(int kind) {
    return kind != K_FRAME && kind > K_NONE && kind <= K_OTHER && g_painters[kind] != NULL;
}

/* Buttons draw themselves at once on many state changes, outside WM_PAINT: drawn over again. */
static int button_redraws_after(UINT m) {
    switch (m) {
        case WM_ENABLE: case WM_SETTEXT: case WM_SETFOCUS: case WM_KILLFOCUS:
        case BM_SETSTATE: case BM_SETCHECK: case BM_SETSTYLE: case BM_CLICK:
        case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: case WM_MOUSEMOVE:
        case WM_KEYDOWN: case WM_KEYUP: case WM_CAPTURECHANGED: case WM_UPDATEUISTATE:
        case WM_SYSCOLORCHANGE: case WM_SETFONT:
            return 1;
        default:
            return 0;
    }
}

static void redraw_now(HWND h, int kind) {
    HDC dc;
    if (!IsWindowVisible(h)) return;
    dc = GetDC(h);
    if (!dc) return;
    paint(h, kind, dc);
    ReleaseDC(h, dc);
}

static void set_list_colours(HWND h) {
    SendMessageW(h, LVM_SETBKCOLOR, 0, g_colour[C_EDIT]);
    SendMessageW(h, LVM_SETTEXTBKCOLOR, 0, g_colour[C_EDIT]);
    SendMessageW(h, LVM_SETTEXTCOLOR, 0, g_colour[C_EDIT_TEXT]);
}

/* The colours of a child control, asked of the window it stands in. */
static LRESULT child_colours(UINT m, HDC dc, HWND child) {
    if (m == WM_CTLCOLORDLG) return (LRESULT)g_brush[C_WINDOW];
    if (m == WM_CTLCOLOREDIT || m == WM_CTLCOLORLISTBOX ||
        (m == WM_CTLCOLORSTATIC && same_class(child, L"Edit"))) {
        SetTextColor(dc, g_colour[IsWindowEnabled(child) ? C_EDIT_TEXT : C_TEXT_DISABLED]);
        SetBkColor(dc, g_colour[C_EDIT]);
        return (LRESULT)g_brush[C_EDIT];
    }
    SetTextColor(dc, g_colour[IsWindowEnabled(child) ? C_TEXT : C_TEXT_DISABLED]);
    SetBkMode(dc, TRANSPARENT);
    /* Labels are drawn on their container. A container that clips its children (a top-level
     * window) paints nothing beneath them: there a label fills its box with its surface. */
    if (m == WM_CTLCOLORSTATIC && same_class(child, L"Static") &&
        !(GetWindowLongW(GetParent(child), GWL_STYLE) & WS_CLIPCHILDREN)) {
        return (LRESULT)GetStockObject(NULL_BRUSH);
    }
    SetBkColor(dc, g_colour[surface_of(child)]);
    return (LRESULT)g_brush[surface_of(child)];
}

static LRESULT CALLBACK skin_proc(HWND h, UINT m, WPARAM w, LPARAM l) {
    WNDPROC old = (WNDPROC)GetPropW(h, P_PROC);
    int kind = kind_at(h);
    LRESULT result;
    if (!old) return DefWindowProcW(h, m, w, l);
    switch (m) {
        case WM_NCDESTROY:
            SetWindowLongPtrW(h, GWLP_WNDPROC, (LONG_PTR)old);
            RemovePropW(h, P_PROC);
            RemovePropW(h, P_KIND);
            RemovePropW(h, P_HOT);
            return CallWindowProcW(old, h, m, w, l);
        case WM_SETFONT:
            if (g_font && kind != K_FRAME && kind != K_PAGE) w = (WPARAM)g_font;
            break;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORDLG:
            if (kind == K_FRAME || kind == K_PAGE || kind == K_GROUP) {
                return child_colours(m, (HDC)w, (HWND)l);
            }
            break;
        case WM_ERASEBKGND:
            if (kind == K_FRAME) {
                paint(h, kind, (HDC)w);
                return 1;
            }
            if (paints_itself(kind)) return 1;
            break;
        case WM_PAINT:
        case WM_PRINTCLIENT:
            if (paints_itself(kind)) {
                PAINTSTRUCT ps;
                HDC dc = m == WM_PRINTCLIENT ? (HDC)w : BeginPaint(h, &ps);
                paint(h, kind, dc);
                if (m == WM_PAINT) EndPaint(h, &ps);
                return 0;
            }
            break;
        case WM_NCPAINT:
            if (kind == K_EDIT || kind == K_LIST) {
                result = CallWindowProcW(old, h, m, w, l);
                paint_flat_border(h);
                return result;
            }
            break;
        case WM_MOUSEMOVE:
            if (kind == K_BUTTON && !GetPropW(h, P_HOT)) {
                TRACKMOUSEEVENT track;
                track.cbSize = sizeof track;
                track.dwFlags = TME_LEAVE;
                track.hwndTrack = h;
                track.dwHoverTime = 0;
                SetPropW(h, P_HOT, (HANDLE)1);
                TrackMouseEvent(&track);
            }
            break;
        case WM_MOUSELEAVE:
            if (kind == K_BUTTON) {
                RemovePropW(h, P_HOT);
                redraw_now(h, kind);
            }
            break;
        case WM_CREATE:
            result = CallWindowProcW(old, h, m, w, l);
            if (kind == K_LIST) set_list_colours(h);
            return result;
        default:
            break;
    }
    result = CallWindowProcW(old, h, m, w, l);
    if ((kind == K_BUTTON || kind == K_CHECK || kind == K_GROUP) && button_redraws_after(m)) {
        redraw_now(h, kind);
    } else if ((kind == K_PROGRESS && (m == PBM_SETPOS || m == PBM_DELTAPOS || m == PBM_STEPIT)) ||
               (kind == K_STATUS && m == SB_SETTEXTW)) {
        InvalidateRect(h, NULL, FALSE);
    } else if ((kind == K_EDIT || kind == K_LIST) && (m == WM_ENABLE || m == WM_SIZE)) {
        paint_flat_border(h);
    }
    return result;
}

/* Subclasses one window; `created`: the thread hook saw it before its first message. */
static void skin_window(HWND h, HWND parent, LONG style, int created) {
    int kind;
    WNDPROC old;
    if (GetPropW(h, P_PROC)) return;
    kind = kind_of(h, parent, style);
    if (kind == K_NONE) return;
    old = (WNDPROC)GetWindowLongPtrW(h, GWLP_WNDPROC);
    if (!old || old == skin_proc) return;
    SetPropW(h, P_KIND, (HANDLE)(INT_PTR)kind);
    SetPropW(h, P_PROC, (HANDLE)old);
    SetWindowLongPtrW(h, GWLP_WNDPROC, (LONG_PTR)skin_proc);
    if (!created) {
        /* A new font would resize a closed combo box to the font, undoing the height its owner
         * gave it; combo boxes made before the skin keep their font. */
        if (g_font && kind != K_FRAME && kind != K_PAGE && !same_class(h, L"ComboBox")) {
            SendMessageW(h, WM_SETFONT, (WPARAM)g_font, FALSE);
        }
        if (kind == K_LIST) set_list_colours(h);
    }
}

static void unskin_window(HWND h) {
    WNDPROC old = (WNDPROC)GetPropW(h, P_PROC);
    if (!old) return;
    if ((WNDPROC)GetWindowLongPtrW(h, GWLP_WNDPROC) == skin_proc) {
        SetWindowLongPtrW(h, GWLP_WNDPROC, (LONG_PTR)old);
    }
    RemovePropW(h, P_PROC);
    RemovePropW(h, P_KIND);
    RemovePropW(h, P_HOT);
    InvalidateRect(h, NULL, TRUE);
}

static LRESULT CALLBACK cbt_proc(int code, WPARAM w, LPARAM l) {
    if (code == HCBT_CREATEWND) {
        const CBT_CREATEWNDW* create = (const CBT_CREATEWNDW*)l;
        HWND parent = create->lpcs->hwndParent;
        if (parent != HWND_MESSAGE) skin_window((HWND)w, parent, create->lpcs->style, 1);
    }
    return CallNextHookEx(g_hook, code, w, l);
}

static BOOL CALLBACK skin_child(HWND h, LPARAM unused) {
    (void)unused;
    skin_window(h, GetParent(h), GetWindowLongW(h, GWL_STYLE), 0);
    return TRUE;
}

static BOOL CALLBACK skin_top(HWND h, LPARAM unused) {
    (void)unused;
    skin_window(h, NULL, GetWindowLongW(h, GWL_STYLE), 0);
    EnumChildWindows(h, skin_child, 0);
    RedrawWindow(h, NULL, NULL,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return TRUE;
}

static BOOL CALLBACK unskin_child(HWND h, LPARAM unused) {
    (void)unused;
    unskin_window(h);
    return TRUE;
}

static BOOL CALLBACK unskin_top(HWND h, LPARAM unused) {
    (void)unused;
    EnumChildWindows(h, unskin_child, 0);
    unskin_window(h);
    RedrawWindow(h, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return TRUE;
}

/* Attaches the skin to the calling thread: `data`/`size` the skin resource, `password` unused
 * (the resource is not encrypted), then hue (degrees), saturation and brightness (-100..100),
 * 0 leaving the resource's colours as they are. 1 when the skin is attached, 0 when the
 * resource is not a skin or the thread hook cannot be set. */
int WINAPI SkinH_AttachRes(const unsigned char* data, int size, const char* password, int hue,
                           int saturation, int brightness) {
    (void)password;
    if (!read_skin(data, size, hue, saturation, brightness)) return 0;
    if (!g_hook) {
        g_hook = SetWindowsHookExW(WH_CBT, cbt_proc, NULL, GetCurrentThreadId());
        if (!g_hook) return 0;
        g_thread = GetCurrentThreadId();
    }
    EnumThreadWindows(g_thread, skin_top, 0);
    return 1;
}

/* Detaching takes the skin off again, so that no window is left calling into a released
 * image. */
BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)instance;
    (void)reserved;
    if (reason == DLL_PROCESS_DETACH && g_hook) {
        UnhookWindowsHookEx(g_hook);
        g_hook = NULL;
        EnumThreadWindows(g_thread, unskin_top, 0);
    }
    return TRUE;
}
