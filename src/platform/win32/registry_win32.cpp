// Registry reads in the 64-bit and the program's own view, and the WOW64 question.
#include <cstring>
#include <vector>

#include "platform/win32/win32_handles.h"

namespace cw::win32 {

namespace {

// The predefined key a root name stands for ("hkey_local_machine " works too); null if none.
HKEY root_key(const std::string& name) {
    std::string n = name;
    for (char& c : n) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    // Blanks at both ends: ASCII space and tab, and the GBK full-width space A1 A1.
    for (;;) {
        if (!n.empty() && (n.front() == ' ' || n.front() == '\t')) {
            n.erase(0, 1);
        } else if (n.size() >= 2 && n.compare(0, 2, "\xA1\xA1") == 0) {
            n.erase(0, 2);
        } else if (!n.empty() && (n.back() == ' ' || n.back() == '\t')) {
            n.pop_back();
        } else if (n.size() >= 2 && n.compare(n.size() - 2, 2, "\xA1\xA1") == 0) {
            n.resize(n.size() - 2);
        } else {
            break;
        }
    }
    if (n == "HKEY_CLASSES_ROOT") return HKEY_CLASSES_ROOT;
    if (n == "HKEY_CURRENT_USER") return HKEY_CURRENT_USER;
    if (n == "HKEY_LOCAL_MACHINE") return HKEY_LOCAL_MACHINE;
    if (n == "HKEY_USERS") return HKEY_USERS;
    if (n == "HKEY_CURRENT_CONFIG") return HKEY_CURRENT_CONFIG;
    return nullptr;
}

std::string text_before_zero(const char* data, std::size_t size) {
    const void* zero = std::memchr(data, 0, size);
    return std::string(data, zero ? static_cast<const char*>(zero) - data : size);
}

}  // namespace

bool is_64bit_windows() {
#ifdef _WIN64
    // The 64-bit build (the tests' stand-in where no 32-bit program runs) runs on 64-bit
    // Windows only.
    return true;
#endif
    using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
    char system_dir[256] = {};
    const UINT n = ::GetSystemDirectoryA(system_dir, sizeof system_dir);
    HMODULE kernel = nullptr;
    if (n > 0 && n < sizeof system_dir) {
        kernel = ::LoadLibraryA((std::string(system_dir, n) + "\\kernel32.dll").c_str());
    }
    if (!kernel) kernel = ::LoadLibraryA("kernel32.dll");
    if (!kernel) return false;
    const auto is_wow64 = find_function<IsWow64ProcessFn>(kernel, "IsWow64Process");
    if (!is_wow64) return false;
    BOOL wow64 = FALSE;
    if (!is_wow64(::GetCurrentProcess(), &wow64)) {
        ::FreeLibrary(kernel);
        return false;
    }
    return wow64 != FALSE;
}

std::string read_registry_text_64(const std::string& root, const std::string& key,
                                  const std::string& value) {
    using RedirectionFn = BOOL(WINAPI*)(PVOID*);
    using RevertFn = BOOL(WINAPI*)(PVOID);
    using ReflectionFn = LONG(WINAPI*)(HKEY);

    const HKEY base = root_key(root);
    if (!base) return {};
    // Looked up by name: systems without WOW64 lack some of these entry points.
    const HMODULE kernel = ::GetModuleHandleA("kernel32.dll");
    const HMODULE advapi = ::GetModuleHandleA("advapi32.dll");
    [[maybe_unused]] const auto disable_redirection =
        find_function<RedirectionFn>(kernel, "Wow64DisableWow64FsRedirection");
    [[maybe_unused]] const auto revert_redirection =
        find_function<RevertFn>(kernel, "Wow64RevertWow64FsRedirection");
    const auto disable_reflection = find_function<ReflectionFn>(advapi, "RegDisableReflectionKey");
    const auto enable_reflection = find_function<ReflectionFn>(advapi, "RegEnableReflectionKey");

    const auto read = [&] {
        std::string text;
        HKEY opened = nullptr;
        if (::RegOpenKeyExA(base, key.c_str(), 0, KEY_QUERY_VALUE | KEY_WOW64_64KEY, &opened) !=
            ERROR_SUCCESS) {
            return text;
        }
        UniqueKey k(opened);
        if (disable_reflection) disable_reflection(k.get());
        char buffer[1024] = {};
        DWORD size = sizeof buffer;
        if (::RegQueryValueExA(k.get(), value.c_str(), nullptr, nullptr,
                               reinterpret_cast<BYTE*>(buffer), &size) == ERROR_SUCCESS) {
            text = text_before_zero(buffer, sizeof buffer);
        }
        if (enable_reflection) enable_reflection(k.get());
        return text;
    };
#ifdef _WIN64
    // A 64-bit program sees the 64-bit view without switching redirection off.
    return read();
#else
    if (!disable_redirection || !revert_redirection) return {};
    std::string text;
    PVOID old_state = nullptr;
    if (disable_redirection(&old_state)) text = read();
    // Also after a failed switch-off: the kept state is then null, the thread's default.
    revert_redirection(old_state);
    return text;
#endif
}

std::string read_registry_text_32(const std::string& root, const std::string& key,
                                  const std::string& value) {
    const HKEY base = root_key(root);
    if (!base) return {};
    HKEY opened = nullptr;
#ifdef _WIN64
    // The program's own view is the 32-bit one: the 64-bit build reads what the product reads.
    constexpr REGSAM kOwnView = KEY_READ | KEY_WOW64_32KEY;
#else
    constexpr REGSAM kOwnView = KEY_READ;
#endif
    if (::RegOpenKeyExA(base, key.c_str(), 0, kOwnView, &opened) != ERROR_SUCCESS) return {};
    UniqueKey k(opened);
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExA(k.get(), value.c_str(), nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS) {
        return {};
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) return {};
    std::vector<char> data(size + 1, '\0');
    if (::RegQueryValueExA(k.get(), value.c_str(), nullptr, &type,
                           reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS) {
        return {};
    }
    std::string text = text_before_zero(data.data(), size);
    if (type == REG_SZ) return text;
    if (type != REG_EXPAND_SZ) return {};
    const DWORD needed = ::ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    if (needed == 0) return {};
    std::vector<char> expanded(needed + 1, '\0');
    const DWORD done = ::ExpandEnvironmentStringsA(text.c_str(), expanded.data(), needed + 1);
    if (done == 0 || done > needed + 1) return {};
    return text_before_zero(expanded.data(), expanded.size());
}

}  // namespace cw::win32
