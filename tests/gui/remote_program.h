#pragma once
// Driving Cubeworks.exe from another process: start it in a program folder of its own, find its
// windows and controls (by the row ids of the window table), read what they show, answer its
// message boxes, and capture the screen.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "ui/layout.h"

namespace cw::gui {

// A fresh folder under the temporary folder, removed with its content afterwards.
class ProgramFolder {
  public:
    ProgramFolder();
    ~ProgramFolder();
    const std::wstring& path() const { return path_; }
    std::string file(std::string_view relative) const;  // whole file, "" when missing

  private:
    std::wstring path_;
};

struct MessageBoxSeen {
    HWND hwnd = nullptr;
    std::wstring title;
    std::wstring text;
};

class RemoteProgram {
  public:
    RemoteProgram() = default;
    ~RemoteProgram();  // ends the program when it still runs
    RemoteProgram(const RemoteProgram&) = delete;
    RemoteProgram& operator=(const RemoteProgram&) = delete;

    // Copies `exe` into `folder` and starts the copy there.
    bool start(const std::wstring& exe, const std::wstring& folder);
    bool running() const;
    // Waits for the program to end; its exit code, or -1 on time-out.
    long wait_exit(DWORD timeout_ms);
    HANDLE process() const { return process_; }

    // The main window once it is visible with every control built; nullptr on time-out. Message
    // boxes that appear while waiting are recorded and answered with OK.
    HWND wait_main_window(const WindowSpec& table, DWORD timeout_ms,
                          std::vector<MessageBoxSeen>* answered = nullptr);
    HWND main_window() const { return main_; }

    // A control of the main window by its table row; nullptr when none has that row.
    HWND control(const WindowSpec& table, std::string_view name) const;

    // The program's visible top-level windows built from `table` (found by its title).
    std::vector<HWND> windows_of(const WindowSpec& table) const;
    // The first of them within the time-out, once it has every control built; nullptr when
    // none showed.
    HWND wait_window(const WindowSpec& table, DWORD timeout_ms) const;
    // Every visible top-level window of the program, whatever its class.
    std::vector<HWND> visible_windows() const;

    // The first visible message box of the program within the time-out.
    MessageBoxSeen wait_message_box(DWORD timeout_ms) const;
    // The program's visible file dialog (open or save form) within the time-out; nullptr when
    // none showed.
    HWND wait_file_dialog(DWORD timeout_ms) const;
    // Visible pop-up menu windows of the program.
    std::vector<HWND> popup_menus() const;

    // Reads from the program's memory: a text message whose lParam is a structure with a
    // text pointer, or plain buffers.
    std::wstring tab_caption(HWND tab, int index) const;
    std::wstring list_column(HWND list, int index, int* width) const;
    std::wstring list_item_text(HWND list, int row) const;
    std::wstring list_cell(HWND list, int row, int column) const;
    // Selects one row of a list view as a click would (focused and selected); -1 selects none.
    void select_list_row(HWND list, int row) const;
    std::vector<int> status_parts(HWND bar) const;
    std::wstring status_text(HWND bar, int part) const;
    RECT tab_item_rect(HWND tab, int index) const;

  private:
    HANDLE process_ = nullptr;
    DWORD pid_ = 0;
    HWND main_ = nullptr;
};

// A control of a window built from `table`, by its table row; nullptr when none has that row.
HWND control_in(HWND window, const WindowSpec& table, std::string_view name);

// Text of any window through WM_GETTEXT (works across processes, unlike GetWindowText).
std::wstring text_of(HWND hwnd);
std::wstring class_of(HWND hwnd);
// Combo box entries through CB_GETLBTEXT.
std::vector<std::wstring> combo_items(HWND combo);
// A window's rectangle in the client coordinates of `frame`.
RECT rect_in(HWND hwnd, HWND frame);
void answer_ok(HWND box);
// Types `path` into a file dialog's name box and confirms it as OK would; true once the dialog
// has gone.
bool choose_in_file_dialog(HWND dialog, const std::wstring& path, DWORD timeout_ms);
// Clicks the tab of `tab` at `index` as the mouse would.
void click_tab(const RemoteProgram& program, HWND tab, int index);
// Right-clicks `window` at the screen point `at` as the mouse would (the cursor moved there
// first) and waits for the pop-up menu it opens, then for the menu to be placed with its top-left
// corner at `corner` (at most 2 s). The menu's screen rectangle; all zero when none opened.
RECT right_click_for_menu(const RemoteProgram& program, HWND window, POINT at, POINT corner,
                          DWORD timeout_ms);

// Captures a window's screen area into a 24-bit BMP file.
bool capture_window(HWND hwnd, const std::wstring& bmp_path);

// WM_SETTEXT across processes; true when the control took the text.
bool set_text_of(HWND hwnd, const std::wstring& text);
// A button click as BM_CLICK gives it, posted (the handler may open a message box).
void click(HWND button);
// The id a window table's menu entry carries; -1 when the table has none.
int menu_id(const WindowSpec& table, std::string_view menu, std::string_view caption);

// ---- The test machine ----

// An environment variable of this process, "" when unset.
std::wstring env(const wchar_t* name);
// The Java runtime key, removed from both registry views.
void delete_java_keys();
// Registers a runtime as the machine's current Java: CurrentVersion and the version's JavaHome.
void register_java(const char* version, const char* home);
// Captures `window` into CW_SCREENSHOTS\<name>.bmp (nothing when that variable is unset).
void screenshot(HWND window, const wchar_t* name);

// A Java runtime installed for the program to find: `javaw_source` copied as bin\javaw.exe and
// bin\java.exe of a folder of its own, registered as the machine's runtime while the object
// lives. The test child (CW_TEST_CHILD: started with "-jar" it talks like a game server) or the
// Java bridge (CW_JAVA_BRIDGE: the host's real JVM behind it).
class TestJavaRuntime {
  public:
    explicit TestJavaRuntime(const std::wstring& javaw_source);
    ~TestJavaRuntime();
    bool ready() const { return ready_; }
    // Why it is not ready: no runtime to copy was named, or the copy's error code.
    std::string problem() const { return problem_; }
    std::wstring javaw() const { return home_.path() + L"\\bin\\javaw.exe"; }

  private:
    ProgramFolder home_;
    bool ready_ = false;
    std::string problem_;
};

// Windows processes in the Wine session run from this executable (a whole path, such as a test
// runtime's javaw.exe): other programs' processes of the same name are not counted.
int processes_running(const std::wstring& exe_path);
// The ids of the host's processes whose command line holds `part` and whose working folder
// holds a file named `marker` (a name only one folder has: a process another program started
// elsewhere is not counted), read from the host's /proc through drive Z: (none where there is
// no such view).
std::vector<std::string> host_processes_in(std::string_view part, std::string_view marker);
// The threads and open files of the one host process whose command line holds `part` (under
// Wine a Windows program is such a process; its pipes and files are open descriptors there);
// -1 each when there is not exactly one.
struct HostCounts {
    int threads = -1;
    int files = -1;
};
HostCounts host_counts_of(std::string_view part);

// Gives the program folder a settings file whose server port nothing on this machine holds:
// the usual 25565 when it is free, else a free one. Returns the port. `usual_first` false: a
// free port of the system's choosing, for a suite whose players leave closed connections on
// it (the program's start counts a connection of any state as holding the port).
int prepare_server_port(const ProgramFolder& folder, bool usual_first = true);
// The public address look-up fails at once (a closed local port) instead of waiting for the net.
void use_dead_ip_echo();

// Waits until `done` holds or the time-out passes; the last answer of `done`.
template <class F>
bool wait_for(F done, DWORD timeout_ms) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeout_ms) return done();
        Sleep(25);
    }
    return true;
}

}  // namespace cw::gui
