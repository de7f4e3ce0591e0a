// Program entry: the process-wide state, the main window and its message loop.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <map>
#include <memory>
#include <string>

#include "app/app_state.h"
#include "app/main_window_events.h"
#include "app/secondary_windows.h"
#include "config/workspace.h"
#include "payload/payload.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "platform/start_trace.h"
#include "shell/skin.h"
#include "ui/main_window_layout.h"
#include "ui/secondary_window_layouts.h"
#include "ui/win32/layout_window.h"
#include "ui/win32/win32_ui.h"

namespace {

constexpr int kExitGraceMs = 1000;

// A secondary window with the event table bound to the state its handlers work on.
struct SecondaryWindow {
    SecondaryWindow(cw::win32::Win32Ui& ui, cw::AppState& app, const cw::WindowSpec& table,
                    std::span<const cw::AppEventBinding> table_events)
        : events(app, table_events), window(ui, table, events, /*ends_program=*/false) {}
    cw::BoundEvents<cw::AppState> events;
    cw::win32::LayoutWindow window;
};

struct SecondaryTable {
    const cw::WindowSpec& (*table)();
    std::span<const cw::AppEventBinding> (*events)();
};

const std::map<std::string_view, SecondaryTable>& secondary_tables() {
    static const std::map<std::string_view, SecondaryTable> tables = {
        {cw::tutorial_window::kWindow, {cw::tutorial_window_spec, cw::tutorial_window_events}},
        {cw::player_window::kWindow, {cw::player_window_spec, cw::player_window_events}},
        {cw::item_id_window::kWindow, {cw::item_id_window_spec, cw::item_id_window_events}},
        {cw::about_window::kWindow, {cw::about_window_spec, cw::about_window_events}},
    };
    return tables;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show_command) {
    cw::start_trace::mark("entry");
    INITCOMMONCONTROLSEX icc{
        sizeof icc, ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    cw::start_trace::mark("common-controls");

    // The folder of this executable (GetModuleFileNameA), also the current directory.
    const std::string program_dir = cw::program_dir_of(cw::fs::executable_path());
    cw::fs::set_current_directory(program_dir);

    // Process-wide state; it lives until the program ends.
    cw::win32::Win32Ui ui;
    const std::unique_ptr<cw::Platform> platform = cw::make_system_platform();
    cw::AppState app(program_dir, ui, ui, *platform);
    cw::start_trace::mark("state");

    // The skin library, before any window exists; without it the windows keep their own look.
    cw::shell::load_skin_library(app.shell.skin_library, cw::payload::skin_library());
    cw::start_trace::mark("skin-library");

    // Secondary windows are built when the logic opens them; a closed one is built afresh.
    std::map<std::string, std::unique_ptr<SecondaryWindow>, std::less<>> secondary;
    ui.set_window_opener([&](std::string_view name) {
        const auto known = secondary_tables().find(name);
        if (known == secondary_tables().end()) return;
        auto& slot = secondary[std::string(name)];
        slot = std::make_unique<SecondaryWindow>(ui, app, known->second.table(),
                                                 known->second.events());
        slot->window.create();
    });

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
    if (!app.launcher.session.threads.wait_idle(kExitGraceMs)) ExitProcess(0);
    return 0;
}
