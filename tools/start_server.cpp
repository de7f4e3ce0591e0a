// Starts the game server in the Cubeworks.exe that runs on this Wine desktop, by its start
// button's control (the row of the main window's table), not by a place on the screen, and
// waits until the program shows the server started: the console's line for the server's "Done".
// scripts/run.sh starts the server this way when there is no display to click on.
// Exits 0 once the server runs; 1 with a reason when no main window with an enabled start
// button shows within 30 s, or the server is not shown started within 90 s. With a file name as
// its argument, it also writes that outcome line there.
#include <windows.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "ui/main_window_layout.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/wide_text.h"

namespace {

constexpr DWORD kWindowTimeoutMs = 30000;
constexpr DWORD kServerTimeoutMs = 90000;
constexpr DWORD kStepMs = 100;

struct RowSearch {
    int row;
    HWND found;
};

BOOL CALLBACK find_row(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<RowSearch*>(lp);
    const auto tagged = reinterpret_cast<INT_PTR>(GetPropW(hwnd, cw::win32::kRowProperty));
    if (tagged == s->row + 1 && GetDlgCtrlID(hwnd) == cw::win32::kControlIdBase + s->row) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// The control of the main window's table row named `name`; nullptr when there is none.
HWND control_of(HWND window, std::string_view name) {
    const cw::WindowSpec& table = cw::main_window_spec();
    for (std::size_t i = 0; i < table.controls.size(); ++i) {
        if (table.controls[i].name != name || !window) continue;
        RowSearch s{static_cast<int>(i), nullptr};
        EnumChildWindows(window, find_row, reinterpret_cast<LPARAM>(&s));
        return s.found;
    }
    return nullptr;
}

// The text of a control of another process: WM_GETTEXT, which the system carries across
// (GetWindowText would give only the caption the control was created with).
std::wstring text_of(HWND hwnd) {
    const auto length = SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto got = SendMessageW(hwnd, WM_GETTEXT, static_cast<WPARAM>(text.size()),
                                  reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(got));
    return text;
}

// The outcome, on standard output and, when the caller named one, in a file (a program started
// on a Wine desktop that already exists runs on after the command that started it returned).
int finish(const char* outcome_file, int code, const char* line) {
    std::fputs(line, code == 0 ? stdout : stderr);
    if (outcome_file) {
        if (std::FILE* f = std::fopen(outcome_file, "w")) {
            std::fputs(line, f);
            std::fclose(f);
        }
    }
    return code;
}

}  // namespace

int main(int argc, char** argv) {
    const char* outcome_file = argc > 1 ? argv[1] : nullptr;
    const std::wstring title = cw::win32::to_wide(cw::main_window_spec().title);
    HWND window = nullptr;
    HWND button = nullptr;
    for (DWORD waited = 0; waited < kWindowTimeoutMs && !button; waited += kStepMs) {
        window = FindWindowW(nullptr, title.c_str());
        const HWND start = control_of(window, cw::main_window::kStartButton);
        // Complete: the console page's controls are built just after the window shows.
        const bool complete = window && GetPropW(window, cw::win32::kCompleteProperty);
        if (start && complete && IsWindowVisible(window) && IsWindowEnabled(start)) {
            button = start;
        }
        if (!button) Sleep(kStepMs);
    }
    if (!button) {
        return finish(outcome_file, 1, "start_server: no main window with an enabled start button\n");
    }
    PostMessageW(button, BM_CLICK, 0, 0);
    // The console shows this line (the server's "Done", rewritten) once the server runs.
    const std::wstring started = cw::win32::to_wide("已开服。用时：");
    const HWND console = control_of(window, cw::main_window::kConsoleBox);
    for (DWORD waited = 0; waited < kServerTimeoutMs; waited += kStepMs) {
        if (console && text_of(console).find(started) != std::wstring::npos) {
            return finish(outcome_file, 0, "start_server: the server runs\n");
        }
        if (!IsWindow(window)) break;
        Sleep(kStepMs);
    }
    return finish(outcome_file, 1, "start_server: the program never showed the server started\n");
}
