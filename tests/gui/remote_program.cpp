#include "remote_program.h"

#include <commctrl.h>
#include <tlhelp32.h>
#include <winsock2.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "config/properties.h"
#include "config/workspace.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/wide_text.h"

namespace cw::gui {

namespace {

// A block of the other program's memory, for control messages that take a pointer the system
// does not carry between processes.
class RemoteBlock {
  public:
    RemoteBlock(HANDLE process, std::size_t size)
        : process_(process),
          address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {}
    ~RemoteBlock() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    char* at(std::size_t offset = 0) const { return static_cast<char*>(address_) + offset; }
    LPARAM lparam(std::size_t offset = 0) const { return reinterpret_cast<LPARAM>(at(offset)); }
    void write(std::size_t offset, const void* data, std::size_t n) const {
        WriteProcessMemory(process_, at(offset), data, n, nullptr);
    }
    void read(std::size_t offset, void* data, std::size_t n) const {
        ReadProcessMemory(process_, at(offset), data, n, nullptr);
    }
    std::wstring read_text(std::size_t offset, std::size_t max_chars) const {
        std::wstring out(max_chars, L'\0');
        read(offset, out.data(), max_chars * sizeof(wchar_t));
        out.resize(wcsnlen(out.c_str(), max_chars));
        return out;
    }

  private:
    HANDLE process_;
    void* address_;
};

LRESULT send(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(hwnd, msg, wp, lp, SMTO_ABORTIFHUNG, 5000, &result);
    return static_cast<LRESULT>(result);
}

struct WindowSearch {
    DWORD pid;
    const wchar_t* cls;
    std::vector<HWND> found;
};

BOOL CALLBACK collect_top(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<WindowSearch*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == s->pid && IsWindowVisible(hwnd) &&
        (!s->cls || _wcsicmp(class_of(hwnd).c_str(), s->cls) == 0)) {
        s->found.push_back(hwnd);
    }
    return TRUE;
}

std::vector<HWND> top_windows(DWORD pid, const wchar_t* cls) {
    WindowSearch s{pid, cls, {}};
    EnumWindows(collect_top, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

struct RowSearch {
    int row;
    HWND found;
};

BOOL CALLBACK find_row(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<RowSearch*>(lp);
    const auto tagged = reinterpret_cast<INT_PTR>(GetPropW(hwnd, win32::kRowProperty));
    if (tagged == s->row + 1 && GetDlgCtrlID(hwnd) == win32::kControlIdBase + s->row) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// A window builds some of its controls just after it shows; it says when all are there.
bool complete(HWND window) {
    return window && GetPropW(window, win32::kCompleteProperty) != nullptr;
}

void remove_tree(const std::wstring& path) {
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((path + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring full = path + L"\\" + name;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                remove_tree(full);
            } else {
                SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(full.c_str());
            }
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryW(path.c_str());
}

constexpr char kJavaKey[] = "SOFTWARE\\JavaSoft\\Java Runtime Environment";
constexpr int kUsualServerPort = 25565;

// A TCP port bound on every address: the one asked for (0 lets the system choose), or -1 when
// something holds it.
int bind_port(int port) {
    WSADATA wsa;
    WSAStartup(MAKEWORD(2, 2), &wsa);
    const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<u_short>(port));
    addr.sin_addr.s_addr = htonl(INADDR_ANY);
    int bound = -1;
    if (bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0) {
        int len = sizeof addr;
        getsockname(s, reinterpret_cast<sockaddr*>(&addr), &len);
        bound = ntohs(addr.sin_port);
    }
    closesocket(s);
    WSACleanup();
    return bound;
}

}  // namespace

ProgramFolder::ProgramFolder() {
    static std::atomic<int> counter{0};
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    path_ = std::wstring(temp) + L"cwgui-" + std::to_wstring(GetTickCount()) + L"-" +
            std::to_wstring(counter++);
    CreateDirectoryW(path_.c_str(), nullptr);
}

ProgramFolder::~ProgramFolder() {
    remove_tree(path_);
}

std::string ProgramFolder::file(std::string_view relative) const {
    const std::wstring full = path_ + win32::to_wide(relative);
    // Shared for deletion too: a test that polls a file must never make the program's own
    // delete or replace of it fail.
    HANDLE h = CreateFileW(full.c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return {};
    std::string out(GetFileSize(h, nullptr), '\0');
    DWORD got = 0;
    ReadFile(h, out.data(), static_cast<DWORD>(out.size()), &got, nullptr);
    CloseHandle(h);
    out.resize(got);
    return out;
}

RemoteProgram::~RemoteProgram() {
    if (process_) {
        if (running()) {
            TerminateProcess(process_, 1);
            WaitForSingleObject(process_, 5000);
        }
        CloseHandle(process_);
    }
}

bool RemoteProgram::start(const std::wstring& exe, const std::wstring& folder) {
    const std::wstring copy = folder + L"\\Cubeworks.exe";
    if (!CopyFileW(exe.c_str(), copy.c_str(), FALSE)) return false;
    std::wstring cmd = L"\"" + copy + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(copy.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &si, &pi)) {
        return false;
    }
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    pid_ = pi.dwProcessId;
    return true;
}

bool RemoteProgram::running() const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

long RemoteProgram::wait_exit(DWORD timeout_ms) {
    if (!process_ || WaitForSingleObject(process_, timeout_ms) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return static_cast<long>(code);
}

HWND RemoteProgram::wait_main_window(const WindowSpec& table, DWORD timeout_ms,
                                     std::vector<MessageBoxSeen>* answered) {
    const std::wstring title = win32::to_wide(table.title);
    wait_for(
        [&] {
            for (HWND box : top_windows(pid_, L"#32770")) {
                MessageBoxSeen seen{box, text_of(box), {}};
                for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
                    if (_wcsicmp(class_of(c).c_str(), L"Static") == 0 && !text_of(c).empty()) {
                        seen.text = text_of(c);
                    }
                }
                if (answered) answered->push_back(seen);
                answer_ok(box);
                Sleep(100);
            }
            for (HWND w : top_windows(pid_, L"CubeworksWindow")) {
                if (text_of(w) == title) main_ = w;
            }
            return complete(main_);
        },
        timeout_ms);
    return complete(main_) ? main_ : nullptr;
}

HWND control_in(HWND window, const WindowSpec& table, std::string_view name) {
    int row = -1;
    for (std::size_t i = 0; i < table.controls.size(); ++i) {
        if (table.controls[i].name == name) row = static_cast<int>(i);
    }
    if (row < 0 || !window) return nullptr;
    RowSearch s{row, nullptr};
    EnumChildWindows(window, find_row, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

HWND RemoteProgram::control(const WindowSpec& table, std::string_view name) const {
    return control_in(main_, table, name);
}

std::vector<HWND> RemoteProgram::windows_of(const WindowSpec& table) const {
    const std::wstring title = win32::to_wide(table.title);
    std::vector<HWND> found;
    for (HWND w : top_windows(pid_, L"CubeworksWindow")) {
        if (text_of(w) == title) found.push_back(w);
    }
    return found;
}

HWND RemoteProgram::wait_window(const WindowSpec& table, DWORD timeout_ms) const {
    HWND found = nullptr;
    wait_for(
        [&] {
            const auto windows = windows_of(table);
            found = windows.empty() ? nullptr : windows.front();
            return complete(found);
        },
        timeout_ms);
    return complete(found) ? found : nullptr;
}

std::vector<HWND> RemoteProgram::visible_windows() const {
    return top_windows(pid_, nullptr);
}

MessageBoxSeen RemoteProgram::wait_message_box(DWORD timeout_ms) const {
    MessageBoxSeen seen;
    wait_for(
        [&] {
            const auto boxes = top_windows(pid_, L"#32770");
            if (boxes.empty()) return false;
            seen.hwnd = boxes.front();
            seen.title = text_of(seen.hwnd);
            for (HWND c = GetWindow(seen.hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
                if (_wcsicmp(class_of(c).c_str(), L"Static") == 0 && !text_of(c).empty()) {
                    seen.text = text_of(c);
                }
            }
            return true;
        },
        timeout_ms);
    return seen;
}

namespace {

// The name box of a file dialog: the combo box of the Explorer-style dialog, or the edit box of
// the older one.
constexpr int kFileNameCombo = 0x47C;
constexpr int kFileNameEdit = 0x480;

HWND file_name_box(HWND dialog) {
    const HWND combo = GetDlgItem(dialog, kFileNameCombo);
    return combo ? combo : GetDlgItem(dialog, kFileNameEdit);
}

}  // namespace

HWND RemoteProgram::wait_file_dialog(DWORD timeout_ms) const {
    HWND found = nullptr;
    wait_for(
        [&] {
            for (HWND h : top_windows(pid_, L"#32770")) {
                if (file_name_box(h)) found = h;
            }
            return found != nullptr;
        },
        timeout_ms);
    return found;
}

bool choose_in_file_dialog(HWND dialog, const std::wstring& path, DWORD timeout_ms) {
    Sleep(200);  // the dialog fills its boxes after it shows
    const HWND name = file_name_box(dialog);
    if (!name || !set_text_of(name, path)) return false;
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return wait_for([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, timeout_ms);
}

std::vector<HWND> RemoteProgram::popup_menus() const {
    return top_windows(pid_, L"#32768");
}

std::wstring RemoteProgram::tab_caption(HWND tab, int index) const {
    constexpr std::size_t kChars = 256;
    RemoteBlock block(process_, sizeof(TCITEMW) + kChars * sizeof(wchar_t));
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = reinterpret_cast<wchar_t*>(block.at(sizeof item));
    item.cchTextMax = kChars;
    block.write(0, &item, sizeof item);
    send(tab, TCM_GETITEMW, static_cast<WPARAM>(index), block.lparam());
    return block.read_text(sizeof item, kChars);
}

std::wstring RemoteProgram::list_column(HWND list, int index, int* width) const {
    constexpr std::size_t kChars = 256;
    RemoteBlock block(process_, sizeof(LVCOLUMNW) + kChars * sizeof(wchar_t));
    LVCOLUMNW col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH;
    col.pszText = reinterpret_cast<wchar_t*>(block.at(sizeof col));
    col.cchTextMax = kChars;
    block.write(0, &col, sizeof col);
    if (!send(list, LVM_GETCOLUMNW, static_cast<WPARAM>(index), block.lparam())) return L"?";
    block.read(0, &col, sizeof col);
    if (width) *width = col.cx;
    return block.read_text(sizeof col, kChars);
}

std::wstring RemoteProgram::list_item_text(HWND list, int row) const {
    return list_cell(list, row, 0);
}

std::wstring RemoteProgram::list_cell(HWND list, int row, int column) const {
    constexpr std::size_t kChars = 256;
    RemoteBlock block(process_, sizeof(LVITEMW) + kChars * sizeof(wchar_t));
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = reinterpret_cast<wchar_t*>(block.at(sizeof item));
    item.cchTextMax = kChars;
    block.write(0, &item, sizeof item);
    send(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), block.lparam());
    return block.read_text(sizeof item, kChars);
}

void RemoteProgram::select_list_row(HWND list, int row) const {
    RemoteBlock block(process_, sizeof(LVITEMW));
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = row < 0 ? 0 : LVIS_SELECTED | LVIS_FOCUSED;
    block.write(0, &item, sizeof item);
    send(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), block.lparam());
}

std::vector<int> RemoteProgram::status_parts(HWND bar) const {
    int parts[16] = {};
    RemoteBlock block(process_, sizeof parts);
    const auto n = send(bar, SB_GETPARTS, 16, block.lparam());
    block.read(0, parts, sizeof parts);
    return std::vector<int>(parts, parts + (n > 0 && n <= 16 ? n : 0));
}

std::wstring RemoteProgram::status_text(HWND bar, int part) const {
    constexpr std::size_t kChars = 512;
    RemoteBlock block(process_, kChars * sizeof(wchar_t));
    send(bar, SB_GETTEXTW, static_cast<WPARAM>(part), block.lparam());
    return block.read_text(0, kChars);
}

RECT RemoteProgram::tab_item_rect(HWND tab, int index) const {
    RECT rc{};
    RemoteBlock block(process_, sizeof rc);
    send(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index), block.lparam());
    block.read(0, &rc, sizeof rc);
    return rc;
}

std::wstring text_of(HWND hwnd) {
    const auto len = send(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::wstring buf(static_cast<std::size_t>(len > 0 ? len : 0) + 1, L'\0');
    const auto n = send(hwnd, WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(buf.data()));
    buf.resize(static_cast<std::size_t>(n > 0 ? n : 0));
    return buf;
}

std::wstring class_of(HWND hwnd) {
    wchar_t name[128] = {};
    GetClassNameW(hwnd, name, 128);
    return name;
}

std::vector<std::wstring> combo_items(HWND combo) {
    std::vector<std::wstring> out;
    const auto count = send(combo, CB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        const auto len = send(combo, CB_GETLBTEXTLEN, i, 0);
        std::wstring item(static_cast<std::size_t>(len > 0 ? len : 0) + 1, L'\0');
        send(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
        item.resize(wcsnlen(item.c_str(), item.size()));
        out.push_back(item);
    }
    return out;
}

RECT rect_in(HWND hwnd, HWND frame) {
    RECT rc{};
    GetWindowRect(hwnd, &rc);
    MapWindowPoints(HWND_DESKTOP, frame, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

void answer_ok(HWND box) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

void click_tab(const RemoteProgram& program, HWND tab, int index) {
    const RECT rc = program.tab_item_rect(tab, index);
    const LPARAM at = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    PostMessageW(tab, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(tab, WM_LBUTTONUP, 0, at);
}

RECT right_click_for_menu(const RemoteProgram& program, HWND window, POINT at, POINT corner,
                          DWORD timeout_ms) {
    // The cursor has to be there before the click: Wine settles a moved cursor a little later.
    auto cursor_is_there = [&] {
        POINT now{};
        GetCursorPos(&now);
        if (now.x == at.x && now.y == at.y) return true;
        SetCursorPos(at.x, at.y);
        return false;
    };
    RECT menu{};
    if (!wait_for(cursor_is_there, timeout_ms)) return menu;
    Sleep(300);
    if (!wait_for(cursor_is_there, timeout_ms)) return menu;
    POINT client = at;
    ScreenToClient(window, &client);
    PostMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(client.x, client.y));
    PostMessageW(window, WM_RBUTTONUP, 0, MAKELPARAM(client.x, client.y));
    std::vector<HWND> menus;
    if (!wait_for([&] { return !(menus = program.popup_menus()).empty(); }, timeout_ms)) {
        return menu;
    }
    wait_for(
        [&] {
            GetWindowRect(menus.front(), &menu);
            return menu.left == corner.x && menu.top == corner.y;
        },
        2000);
    return menu;
}

bool capture_window(HWND hwnd, const std::wstring& bmp_path) {
    RECT rc{};
    GetWindowRect(hwnd, &rc);
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    if (w <= 0 || h <= 0) return false;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, screen, rc.left, rc.top, SRCCOPY);
    SelectObject(mem, old);

    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = w;
    info.biHeight = h;  // bottom-up, as BMP files store it
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const DWORD stride = (static_cast<DWORD>(w) * 3 + 3) & ~3u;
    std::vector<unsigned char> bits(stride * static_cast<DWORD>(h));
    GetDIBits(mem, bmp, 0, static_cast<UINT>(h), bits.data(), reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(bits.size());
    FILE* out = _wfopen(bmp_path.c_str(), L"wb");
    if (!out) return false;
    fwrite(&file, sizeof file, 1, out);
    fwrite(&info, sizeof info, 1, out);
    fwrite(bits.data(), 1, bits.size(), out);
    fclose(out);
    return true;
}

bool set_text_of(HWND hwnd, const std::wstring& text) {
    return send(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())) != 0;
}

void click(HWND button) {
    PostMessageW(button, BM_CLICK, 0, 0);
}

int menu_id(const WindowSpec& table, std::string_view menu, std::string_view caption) {
    for (std::size_t i = 0; i < table.menus.size(); ++i) {
        if (table.menus[i].menu == menu && table.menus[i].caption == caption) {
            return win32::kMenuIdBase + static_cast<int>(i);
        }
    }
    return -1;
}

std::wstring env(const wchar_t* name) {
    const wchar_t* v = _wgetenv(name);
    return v ? v : L"";
}

void delete_java_keys() {
    for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kJavaKey);  // default view first
        HKEY key;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\JavaSoft", 0, KEY_ALL_ACCESS | view,
                          &key) == ERROR_SUCCESS) {
            RegDeleteTreeA(key, "Java Runtime Environment");
            RegCloseKey(key);
        }
    }
}

void register_java(const char* version, const char* home) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kJavaKey, 0, nullptr, 0,
                        KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr, &key,
                        nullptr) == ERROR_SUCCESS) {
        RegSetValueExA(key, "CurrentVersion", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                       static_cast<DWORD>(strlen(version) + 1));
        HKEY sub;
        if (RegCreateKeyExA(key, version, 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr,
                            &sub, nullptr) == ERROR_SUCCESS) {
            RegSetValueExA(sub, "JavaHome", 0, REG_SZ, reinterpret_cast<const BYTE*>(home),
                           static_cast<DWORD>(strlen(home) + 1));
            RegCloseKey(sub);
        }
        RegCloseKey(key);
    }
}

void screenshot(HWND window, const wchar_t* name) {
    const std::wstring dir = env(L"CW_SCREENSHOTS");
    if (dir.empty()) return;
    CreateDirectoryW(dir.c_str(), nullptr);
    Sleep(300);  // let the window finish painting
    capture_window(window, dir + L"\\" + name + L".bmp");
}

TestJavaRuntime::TestJavaRuntime(const std::wstring& javaw_source) {
    CreateDirectoryW((home_.path() + L"\\bin").c_str(), nullptr);
    if (javaw_source.empty()) {
        problem_ = "no runtime to install was named (its environment variable is empty)";
        return;
    }
    if (!CopyFileW(javaw_source.c_str(), javaw().c_str(), FALSE) ||
        !CopyFileW(javaw_source.c_str(), (home_.path() + L"\\bin\\java.exe").c_str(), FALSE)) {
        problem_ = "copying " + win32::to_gbk(javaw_source) + " failed: error " +
                   std::to_string(GetLastError());
        return;
    }
    delete_java_keys();
    register_java("1.7", win32::to_gbk(home_.path()).c_str());
    ready_ = true;
}

TestJavaRuntime::~TestJavaRuntime() {
    delete_java_keys();
}

int processes_running(const std::wstring& exe_path) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return -1;
    int count = 0;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID);
        if (!process) continue;
        wchar_t image[MAX_PATH * 2];
        DWORD size = MAX_PATH * 2;
        if (QueryFullProcessImageNameW(process, 0, image, &size) &&
            _wcsicmp(image, exe_path.c_str()) == 0) {
            ++count;
        }
        CloseHandle(process);
    }
    CloseHandle(snapshot);
    return count;
}

namespace {

// The ids of the host's processes whose command line holds `part`; nothing where the host's
// /proc cannot be seen through drive Z:.
std::vector<std::string> host_processes(std::string_view part, bool* visible) {
    std::vector<std::string> ids;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA("Z:\\proc\\*", &found);
    *visible = search != INVALID_HANDLE_VALUE;
    if (!*visible) return ids;
    do {
        const std::string name = found.cFileName;
        if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos) continue;
        HANDLE h =
            CreateFileA(("Z:\\proc\\" + name + "\\cmdline").c_str(), GENERIC_READ,
                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        if (h == INVALID_HANDLE_VALUE) continue;
        char buffer[4096];
        DWORD got = 0;
        ReadFile(h, buffer, sizeof buffer, &got, nullptr);
        CloseHandle(h);
        std::string line(buffer, got);
        for (char& c : line) {
            if (c == '\0') c = ' ';
        }
        if (line.find(part) != std::string::npos) ids.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return ids;
}

int entries_in(const std::string& folder) {
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return -1;
    int count = 0;
    do {
        if (found.cFileName[0] != '.') ++count;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return count;
}

}  // namespace

std::vector<std::string> host_processes_in(std::string_view part, std::string_view marker) {
    bool visible = false;
    std::vector<std::string> ids = host_processes(part, &visible);
    std::erase_if(ids, [&](const std::string& id) {
        const std::string path = "Z:\\proc\\" + id + "\\cwd\\" + std::string(marker);
        return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
    });
    return ids;
}

HostCounts host_counts_of(std::string_view part) {
    bool visible = false;
    const auto ids = host_processes(part, &visible);
    if (ids.size() != 1) return {};
    const std::string proc = "Z:\\proc\\" + ids.front();
    return {entries_in(proc + "\\task"), entries_in(proc + "\\fd")};
}

int prepare_server_port(const ProgramFolder& folder, bool usual_first) {
    const int port = usual_first && bind_port(kUsualServerPort) == kUsualServerPort
                         ? kUsualServerPort
                         : bind_port(0);
    std::string text(default_properties_text());
    write_property(text, "server-port", std::to_string(port));
    CreateDirectoryW((folder.path() + win32::to_wide(kWorkspaceRoot)).c_str(), nullptr);
    const std::wstring path = folder.path() + win32::to_wide(kPropertiesPath);
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return -1;
    DWORD written = 0;
    WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(h);
    return written == text.size() ? port : -1;
}

void use_dead_ip_echo() {
    SetEnvironmentVariableW(L"CUBEWORKS_IP_ECHO", L"127.0.0.1:1");
}

}  // namespace cw::gui
