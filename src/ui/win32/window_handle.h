#pragma once
// A window handle that does not own its window: thin calls over the W functions, GBK text in
// and out. Copying it copies the handle only.
#include <windows.h>

#include <string>
#include <string_view>

#include "ui/win32/wide_text.h"

namespace cw::win32 {

class WindowHandle {
  public:
    WindowHandle() = default;
    WindowHandle(HWND hwnd) : hwnd_(hwnd) {}  // NOLINT: a handle converts freely

    HWND get() const { return hwnd_; }
    explicit operator bool() const { return hwnd_ != nullptr; }

    LRESULT send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const {
        return SendMessageW(hwnd_, msg, wp, lp);
    }

    void set_text(std::string_view gbk) const { SetWindowTextW(hwnd_, to_wide(gbk).c_str()); }
    std::string text() const {
        std::wstring buf(static_cast<std::size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
        const int n = GetWindowTextW(hwnd_, buf.data(), static_cast<int>(buf.size()));
        return to_gbk(std::wstring_view(buf.data(), n > 0 ? static_cast<std::size_t>(n) : 0));
    }

    void enable(bool on) const { EnableWindow(hwnd_, on ? TRUE : FALSE); }
    bool enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
    void show(bool on) const { ShowWindow(hwnd_, on ? SW_SHOW : SW_HIDE); }
    // The window's own visibility flag, whatever its parents show.
    bool shown() const { return (GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0; }
    void set_font(HFONT font) const { send(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE); }

  private:
    HWND hwnd_ = nullptr;
};

}  // namespace cw::win32
