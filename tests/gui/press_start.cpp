// Presses "开启服务器" in the Cubeworks.exe that runs on this Wine desktop, by its control (the
// row of the main window's table), not by a place on the screen: scripts/run.sh starts the
// server this way when there is no display to click on. Waits up to 30 s for the main window and
// for the button to be enabled (the start-up has run); exits 0 once it has pressed the button.
#include <windows.h>

#include <cstdio>

#include "remote_program.h"
#include "ui/main_window_layout.h"
#include "ui/win32/wide_text.h"

int main() {
    constexpr DWORD kTimeoutMs = 30000;
    constexpr DWORD kStepMs = 100;
    const cw::WindowSpec& table = cw::main_window_spec();
    const std::wstring title = cw::win32::to_wide(table.title);
    for (DWORD waited = 0; waited < kTimeoutMs; waited += kStepMs) {
        const HWND window = FindWindowW(nullptr, title.c_str());
        const HWND button = cw::gui::control_in(window, table, cw::main_window::kStartButton);
        if (button && IsWindowVisible(window) && IsWindowEnabled(button)) {
            cw::gui::click(button);
            return 0;
        }
        Sleep(kStepMs);
    }
    std::fputs("press_start: no main window with an enabled start button\n", stderr);
    return 1;
}
