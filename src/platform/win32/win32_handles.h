#pragma once
// Owned Windows handles, and the pieces the win32 side's files share.
#include <winsock2.h>  // before anything that includes windows.h; it includes it itself

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/unique_handle.h"
#include "platform/platform.h"

namespace cw::win32 {

// Kernel object handles; both null and INVALID_HANDLE_VALUE mean "none" (kept as null).
struct HandleTraits {
    using Type = HANDLE;
    static HANDLE invalid() { return nullptr; }
    static void close(HANDLE h) {
        if (h != INVALID_HANDLE_VALUE) ::CloseHandle(h);
    }
};
using UniqueHandle = cw::UniqueHandle<HandleTraits>;

struct KeyTraits {
    using Type = HKEY;
    static HKEY invalid() { return nullptr; }
    static void close(HKEY k) { ::RegCloseKey(k); }
};
using UniqueKey = cw::UniqueHandle<KeyTraits>;

struct SocketTraits {
    using Type = SOCKET;
    static SOCKET invalid() { return INVALID_SOCKET; }
    static void close(SOCKET s) { ::closesocket(s); }
};
using UniqueSocket = cw::UniqueHandle<SocketTraits>;

// A function looked up by name, cast to its real type (entry points that older systems lack).
template <typename Function>
Function find_function(HMODULE module, const char* name) {
    if (!module) return nullptr;
    FARPROC proc = ::GetProcAddress(module, name);
    return reinterpret_cast<Function>(reinterpret_cast<void*>(proc));
}

// The clipboard and the shell (shell_win32.cpp).
bool set_clipboard_text(const std::string& text);
bool open_url(const std::string& url);

// Child processes (child_win32.cpp).
std::shared_ptr<ChildRun> start_child(const std::string& command_line,
                                      const std::string& working_dir, int show_mode);
void terminate_process(std::uint32_t pid);

// Registry and the 64-bit view (registry_win32.cpp).
bool is_64bit_windows();
std::string read_registry_text_64(const std::string& root, const std::string& key,
                                  const std::string& value);
std::string read_registry_text_32(const std::string& root, const std::string& key,
                                  const std::string& value);

// The TCP table with owners and the LAN address (net_win32.cpp).
std::vector<TcpConnection> list_tcp_connections();
std::string lan_address();

// System counters and the process environment (system_win32.cpp).
std::optional<std::int64_t> system_time();
std::optional<std::int64_t> idle_time();
std::string environment_variable(const std::string& name);
int processor_count();

}  // namespace cw::win32
