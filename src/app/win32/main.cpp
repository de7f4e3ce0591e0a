// Program entry: the process-wide state, the main window and its message loop.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <memory>
#include <string>

#include "app/app_state.h"
#include "app/shell_handlers.h"
#include "app/main_window_events.h"
#include "config/workspace.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "ui/main_window_layout.h"
#include "ui/win32/layout_window.h"
#include "ui/win32/win32_ui.h"

namespace {

constexpr int kExitGraceMs = 1000;

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show_command) {
    INITCOMMONCONTROLSEX icc{
        sizeof icc, ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);

    // The folder of this executable (GetModuleFileNameA), also the current directory.
    const std::string program_dir = cw::program_dir_of(cw::fs::executable_path());
    cw::fs::set_current_directory(program_dir);

    // Process-wide state; it lives until the program ends.
    cw::win32::Win32Ui ui;
    const std::unique_ptr<cw::Platform> platform = cw::make_system_platform();
    cw::AppState app(program_dir, ui, ui, *platform);

    // The skin library, before any window exists; without it the windows keep their own look.
    cw::load_skin_library(app);

    cw::BoundEvents<cw::AppState> events(app, cw::main_window_events());
    cw::win32::LayoutWindow window(ui, cw::main_window_spec(), events, /*ends_program=*/true);
    window.create(show_command == SW_HIDE ? SW_SHOWNORMAL : show_command);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    // Closing does not stop a server. A reader or watcher may still follow a child that goes on
    // running (after a port conflict, say): the state it uses must not be freed under it, so
    // such a program ends at once and leaves the cleaning to the system.
    if (!app.session.threads.wait_idle(kExitGraceMs)) ExitProcess(0);
    return 0;
}
