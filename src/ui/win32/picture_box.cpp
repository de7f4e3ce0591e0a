#include "ui/win32/picture_box.h"

// clang-format off
#include <objidl.h>
#include <shlwapi.h>
#include <gdiplus.h>
// clang-format on

#include <algorithm>
#include <memory>

namespace cw::win32 {

namespace {

struct Picture {
    HBITMAP bitmap = nullptr;  // already scaled to the box's width
    int width = 0;
    int height = 0;
    int scroll = 0;
    HWND bar = nullptr;

    ~Picture() {
        if (bitmap) DeleteObject(bitmap);
    }
};

Picture* picture_of(HWND box) {
    return reinterpret_cast<Picture*>(GetWindowLongPtrW(box, GWLP_USERDATA));
}

bool gdiplus_ready() {
    static const bool ready = [] {
        Gdiplus::GdiplusStartupInput input;
        ULONG_PTR token = 0;
        // Kept for the program's life: pictures may be shown until it ends.
        return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
    }();
    return ready;
}

// The image decoded into a bitmap of its own size; nullptr when it cannot be decoded.
HBITMAP decode(std::span<const unsigned char> image, int& width, int& height) {
    if (image.empty() || !gdiplus_ready()) return nullptr;
    IStream* stream = SHCreateMemStream(image.data(), static_cast<UINT>(image.size()));
    if (!stream) return nullptr;
    HBITMAP out = nullptr;
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (Gdiplus::DllExports::GdipCreateBitmapFromStream(stream, &bitmap) == Gdiplus::Ok) {
        UINT w = 0, h = 0;
        Gdiplus::DllExports::GdipGetImageWidth(bitmap, &w);
        Gdiplus::DllExports::GdipGetImageHeight(bitmap, &h);
        if (w > 0 && h > 0 &&
            Gdiplus::DllExports::GdipCreateHBITMAPFromBitmap(bitmap, &out, 0xFFFFFFFF) ==
                Gdiplus::Ok) {
            width = static_cast<int>(w);
            height = static_cast<int>(h);
        }
        Gdiplus::DllExports::GdipDisposeImage(bitmap);
    }
    stream->Release();
    return out;
}

// `source` drawn at `width`, its height in proportion.
HBITMAP scaled(HBITMAP source, int from_w, int from_h, int width, int& height) {
    height = std::max(1, static_cast<int>(static_cast<long long>(from_h) * width / from_w));
    HDC screen = GetDC(nullptr);
    HDC from = CreateCompatibleDC(screen);
    HDC to = CreateCompatibleDC(screen);
    HBITMAP out = CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ old_from = SelectObject(from, source);
    const HGDIOBJ old_to = SelectObject(to, out);
    SetStretchBltMode(to, HALFTONE);
    SetBrushOrgEx(to, 0, 0, nullptr);
    StretchBlt(to, 0, 0, width, height, from, 0, 0, from_w, from_h, SRCCOPY);
    SelectObject(from, old_from);
    SelectObject(to, old_to);
    DeleteDC(from);
    DeleteDC(to);
    ReleaseDC(nullptr, screen);
    return out;
}

// The part of the box its parent shows, in the box's client coordinates.
RECT visible_part(HWND box) {
    RECT box_rc, parent_rc;
    GetClientRect(box, &box_rc);
    GetClientRect(GetParent(box), &parent_rc);
    MapWindowPoints(GetParent(box), box, reinterpret_cast<POINT*>(&parent_rc), 2);
    RECT shown;
    if (!IntersectRect(&shown, &box_rc, &parent_rc)) shown = box_rc;
    return shown;
}

int most_scroll(HWND box, const Picture& p) {
    const RECT shown = visible_part(box);
    return std::max(0, p.height - static_cast<int>(shown.bottom));
}

void layout_bar(HWND box, Picture& p) {
    const int most = most_scroll(box, p);
    p.scroll = std::clamp(p.scroll, 0, most);
    if (most == 0) {
        if (p.bar) ShowWindow(p.bar, SW_HIDE);
        return;
    }
    const RECT shown = visible_part(box);
    const int bar_w = GetSystemMetrics(SM_CXVSCROLL);
    if (!p.bar) {
        p.bar = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | SBS_VERT, 0, 0, bar_w, 10, box,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    SetWindowPos(p.bar, HWND_TOP, shown.right - bar_w, shown.top, bar_w, shown.bottom - shown.top,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SCROLLINFO si{sizeof si,
                  SIF_RANGE | SIF_PAGE | SIF_POS,
                  0,
                  p.height - 1,
                  static_cast<UINT>(shown.bottom - shown.top),
                  p.scroll,
                  0};
    SetScrollInfo(p.bar, SB_CTL, &si, TRUE);
}

void scroll_to(HWND box, Picture& p, int position) {
    const int most = most_scroll(box, p);
    position = std::clamp(position, 0, most);
    if (position == p.scroll) return;
    p.scroll = position;
    if (p.bar) SetScrollPos(p.bar, SB_CTL, position, TRUE);
    InvalidateRect(box, nullptr, FALSE);
}

constexpr int kLineStep = 32;   // an arrow key or a scroll bar arrow
constexpr int kWheelStep = 48;  // one notch of the mouse wheel

void paint(HWND box, const Picture* p) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(box, &ps);
    RECT rc;
    GetClientRect(box, &rc);
    int drawn_h = 0;
    if (p && p->bitmap) {
        HDC mem = CreateCompatibleDC(dc);
        const HGDIOBJ old = SelectObject(mem, p->bitmap);
        drawn_h = std::min<int>(p->height - p->scroll, rc.bottom);
        BitBlt(dc, 0, 0, p->width, drawn_h, mem, 0, p->scroll, SRCCOPY);
        SelectObject(mem, old);
        DeleteDC(mem);
    }
    RECT rest{0, drawn_h, rc.right, rc.bottom};
    FillRect(dc, &rest, GetSysColorBrush(COLOR_BTNFACE));
    if (p && p->width < rc.right) {
        RECT side{p->width, 0, rc.right, drawn_h};
        FillRect(dc, &side, GetSysColorBrush(COLOR_BTNFACE));
    }
    EndPaint(box, &ps);
}

// Where a scroll request (SB_LINEUP, ...) takes the picture: a line, the visible part, the top
// or the bottom; the thumb's place `track` for SB_THUMBTRACK and SB_THUMBPOSITION.
int scroll_target(HWND box, const Picture& p, int request, int track) {
    const RECT shown = visible_part(box);
    const int page = static_cast<int>(shown.bottom - shown.top);
    switch (request) {
        case SB_LINEUP:
            return p.scroll - kLineStep;
        case SB_LINEDOWN:
            return p.scroll + kLineStep;
        case SB_PAGEUP:
            return p.scroll - page;
        case SB_PAGEDOWN:
            return p.scroll + page;
        case SB_TOP:
            return 0;
        case SB_BOTTOM:
            return p.height;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            return track;
        default:
            return p.scroll;
    }
}

// The keys that scroll, as the scroll bar's requests; -1 for any other key.
int key_request(WPARAM key) {
    switch (key) {
        case VK_UP:
            return SB_LINEUP;
        case VK_DOWN:
            return SB_LINEDOWN;
        case VK_PRIOR:
            return SB_PAGEUP;
        case VK_NEXT:
            return SB_PAGEDOWN;
        case VK_HOME:
            return SB_TOP;
        case VK_END:
            return SB_BOTTOM;
        default:
            return -1;
    }
}

LRESULT CALLBACK picture_proc(HWND box, UINT msg, WPARAM wp, LPARAM lp) {
    Picture* p = picture_of(box);
    switch (msg) {
        case WM_NCCREATE:
            SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new Picture));
            break;
        case WM_NCDESTROY:
            delete p;
            SetWindowLongPtrW(box, GWLP_USERDATA, 0);
            break;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            paint(box, p);
            return 0;
        case WM_VSCROLL:
            if (p && p->bar) {
                SCROLLINFO si{sizeof si, SIF_TRACKPOS, 0, 0, 0, 0, 0};
                GetScrollInfo(p->bar, SB_CTL, &si);
                scroll_to(box, *p, scroll_target(box, *p, LOWORD(wp), si.nTrackPos));
            }
            return 0;
        case WM_MOUSEWHEEL:
            if (p) {
                scroll_to(box, *p,
                          p->scroll - GET_WHEEL_DELTA_WPARAM(wp) * kWheelStep / WHEEL_DELTA);
            }
            return 0;
        case WM_LBUTTONDOWN:
            SetFocus(box);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS;
        case WM_KEYDOWN:
            if (const int request = key_request(wp); p && request >= 0) {
                scroll_to(box, *p, scroll_target(box, *p, request, p->scroll));
            }
            return 0;
        case WM_SIZE:
        case WM_MOVE:
            if (p && p->bitmap) layout_bar(box, *p);
            break;
        default:
            break;
    }
    return DefWindowProcW(box, msg, wp, lp);
}

}  // namespace

void register_picture_class(HINSTANCE instance) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = picture_proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kPictureClass;
    RegisterClassW(&wc);
}

bool show_picture(HWND box, std::span<const unsigned char> image) {
    Picture* p = picture_of(box);
    if (!p) return false;
    if (p->bitmap) DeleteObject(p->bitmap);
    p->bitmap = nullptr;
    p->width = p->height = p->scroll = 0;
    int w = 0, h = 0;
    HBITMAP decoded = decode(image, w, h);
    if (decoded) {
        RECT rc;
        GetClientRect(box, &rc);
        p->width = rc.right > 0 ? rc.right : w;
        p->bitmap = scaled(decoded, w, h, p->width, p->height);
        DeleteObject(decoded);
    }
    layout_bar(box, *p);
    InvalidateRect(box, nullptr, FALSE);
    return p->bitmap != nullptr;
}

}  // namespace cw::win32
