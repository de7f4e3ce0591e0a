#pragma once
// The system's web browser control (IWebBrowser2) hosted in a child window through OLE, in
// silent mode: script errors of a page raise no dialog. Where the control cannot be created (a
// system without its browser engine), the window stays an empty panel and everything around it
// keeps working.
#include <windows.h>

#include <string_view>

namespace cw::win32 {

inline constexpr wchar_t kBrowserClass[] = L"CubeworksBrowser";

void register_browser_class(HINSTANCE instance);

// Shows an HTML page given as its bytes; false when there is no browser control.
bool browser_show_html(HWND host, std::string_view html);

}  // namespace cw::win32
