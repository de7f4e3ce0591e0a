// Files and folders on Windows, through the A functions (paths are ANSI/GBK text).
#include <windows.h>

#include "platform/files.h"

namespace cw::fs {

bool write_whole_file(const std::string& path, std::string_view bytes) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = bytes.empty() ||
                    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
    return ok && written == bytes.size();
}

std::string read_whole_file(const std::string& path) {
    std::string bytes;
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return bytes;
    char buffer[65536];
    DWORD n = 0;
    while (ReadFile(h, buffer, sizeof buffer, &n, nullptr) && n > 0) bytes.append(buffer, n);
    CloseHandle(h);
    return bytes;
}

std::optional<std::string> read_file(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    DWORD n = 0;
    bool ok = true;
    for (;;) {
        if (!ReadFile(h, buffer, sizeof buffer, &n, nullptr)) {
            ok = false;
            break;
        }
        if (n == 0) break;
        bytes.append(buffer, n);
    }
    CloseHandle(h);
    if (!ok) return std::nullopt;
    return bytes;
}

bool replace_file(const std::string& path, std::string_view bytes) {
    const std::string fresh = path + ".new~";
    if (!write_whole_file(fresh, bytes) ||
        !MoveFileExA(fresh.c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(fresh.c_str());
        return false;
    }
    return true;
}

bool file_exists(const std::string& path) {
    return !path.empty() && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::int64_t last_write_stamp(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (path.empty() || !GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return static_cast<std::int64_t>(
        (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
        data.ftLastWriteTime.dwLowDateTime);
}

bool create_folder(const std::string& path) {
    return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

bool delete_file(const std::string& path) {
    return DeleteFileA(path.c_str()) != 0;
}

std::vector<std::string> list_files(const std::string& folder, std::string_view pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    const std::string query = folder + "\\" + std::string(pattern);
    HANDLE h = FindFirstFileA(query.c_str(), &data);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        names.push_back(name);
    } while (FindNextFileA(h, &data));
    FindClose(h);
    return names;
}

namespace {

// Empties a folder that is no link, entering no link or junction inside it.
void clear_folder(const std::string& folder) {
    WIN32_FIND_DATAA data;
    HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (h == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        const std::string full = folder + "\\" + name;
        const DWORD attrs = data.dwFileAttributes;
        if (attrs & FILE_ATTRIBUTE_READONLY) {
            SetFileAttributesA(full.c_str(), attrs & ~FILE_ATTRIBUTE_READONLY);
        }
        if (attrs & FILE_ATTRIBUTE_DIRECTORY) {
            // A junction or folder link is removed itself; its target is never entered.
            if (!(attrs & FILE_ATTRIBUTE_REPARSE_POINT)) clear_folder(full);
            RemoveDirectoryA(full.c_str());
        } else {
            DeleteFileA(full.c_str());  // a file link goes, not its target
        }
    } while (FindNextFileA(h, &data));
    FindClose(h);
}

}  // namespace

bool remove_folder_tree(const std::string& path) {
    const DWORD attrs = GetFileAttributesA(path.c_str());
    if (attrs == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    }
    if (!(attrs & FILE_ATTRIBUTE_DIRECTORY)) return false;
    if (!(attrs & FILE_ATTRIBUTE_REPARSE_POINT)) clear_folder(path);
    return RemoveDirectoryA(path.c_str()) != 0;
}

std::string executable_path() {
    char buffer[MAX_PATH * 2];
    const DWORD n = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    return std::string(buffer, n);
}

bool set_current_directory(const std::string& path) {
    return SetCurrentDirectoryA(path.c_str()) != 0;
}

}  // namespace cw::fs
