// The clipboard and the shell's "open" of a web address.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <cstring>
#include <string>

#include "platform/win32/win32_handles.h"

namespace cw::win32 {

namespace {

constexpr UINT kGbkCodePage = 936;

// A movable global block holding `bytes` bytes copied from `data`; nullptr on failure.
HGLOBAL global_copy(const void* data, std::size_t bytes) {
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!block) return nullptr;
    void* target = ::GlobalLock(block);
    if (!target) {
        ::GlobalFree(block);
        return nullptr;
    }
    std::memcpy(target, data, bytes);
    ::GlobalUnlock(block);
    return block;
}

std::wstring wide_of_gbk(const std::string& text) {
    if (text.empty()) return {};
    const int n = ::MultiByteToWideChar(kGbkCodePage, 0, text.data(), static_cast<int>(text.size()),
                                        nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0) {
        ::MultiByteToWideChar(kGbkCodePage, 0, text.data(), static_cast<int>(text.size()),
                              wide.data(), n);
    }
    return wide;
}

}  // namespace

bool set_clipboard_text(const std::string& text) {
    // The GBK bytes as CF_TEXT, and the same text as CF_UNICODETEXT: a system whose ANSI code
    // page is not GBK would otherwise paste the bytes as its own characters.
    const std::wstring wide = wide_of_gbk(text);
    HGLOBAL ansi = global_copy(text.c_str(), text.size() + 1);
    HGLOBAL unicode = global_copy(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    bool placed = false;
    if (ansi && unicode && ::OpenClipboard(nullptr)) {
        ::EmptyClipboard();
        if (::SetClipboardData(CF_TEXT, ansi)) {
            ansi = nullptr;  // the clipboard owns it now
            placed = true;
        }
        if (::SetClipboardData(CF_UNICODETEXT, unicode)) {
            unicode = nullptr;
        } else {
            placed = false;
        }
        ::CloseClipboard();
    }
    if (ansi) ::GlobalFree(ansi);
    if (unicode) ::GlobalFree(unicode);
    return placed;
}

bool open_url(const std::string& url) {
    const std::wstring wide = wide_of_gbk(url);
    const auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

}  // namespace cw::win32
