// Files and folders on the posix side: the program's backslash paths are read as slash paths.
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>

#include "platform/files.h"

namespace cw::fs {

namespace {

std::string native(const std::string& path) {
    std::string p = path;
    for (char& c : p) {
        if (c == '\\') c = '/';
    }
    return p;
}

}  // namespace

bool write_whole_file(const std::string& path, std::string_view bytes) {
    const int fd = ::open(native(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) {
            ::close(fd);
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return ::close(fd) == 0;
}

std::string read_whole_file(const std::string& path) {
    std::string bytes;
    std::FILE* f = std::fopen(native(path).c_str(), "rb");
    if (!f) return bytes;
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
    std::fclose(f);
    return bytes;
}

std::optional<std::string> read_file(const std::string& path) {
    const int fd = ::open(native(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return std::nullopt;  // a folder fails here with EISDIR
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return bytes;
}

bool replace_file(const std::string& path, std::string_view bytes) {
    const std::string fresh = path + ".new~";
    if (!write_whole_file(fresh, bytes)) {
        ::unlink(native(fresh).c_str());
        return false;
    }
    if (::rename(native(fresh).c_str(), native(path).c_str()) != 0) {
        ::unlink(native(fresh).c_str());
        return false;
    }
    return true;
}

bool file_exists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(native(path).c_str(), &st) == 0;
}

std::int64_t last_write_stamp(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(native(path).c_str(), &st) != 0) return 0;
    return static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

bool create_folder(const std::string& path) {
    return ::mkdir(native(path).c_str(), 0755) == 0;
}

bool delete_file(const std::string& path) {
    return ::unlink(native(path).c_str()) == 0;
}

// The pattern is matched case folded, as Windows matches.
std::vector<std::string> list_files(const std::string& folder, std::string_view pattern) {
    std::vector<std::string> names;
    const std::string base = native(folder);
    DIR* dir = ::opendir(base.c_str());
    if (!dir) return names;
    const std::string pat(pattern);
    while (dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        if (::fnmatch(pat.c_str(), name.c_str(), FNM_CASEFOLD) != 0) continue;
        struct stat st {};
        if (::stat((base + "/" + name).c_str(), &st) != 0 || S_ISDIR(st.st_mode)) continue;
        names.push_back(name);
    }
    ::closedir(dir);
    return names;
}

namespace {

// Empties the folder open as `dir_fd` (which it closes), entering no link.
bool clear_folder(int dir_fd) {
    DIR* dir = ::fdopendir(dir_fd);
    if (!dir) {
        ::close(dir_fd);
        return false;
    }
    bool ok = true;
    while (dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        struct stat st {};
        if (::fstatat(dir_fd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            ok = false;
            continue;
        }
        if (S_ISDIR(st.st_mode)) {
            const int sub =
                ::openat(dir_fd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            ok = sub >= 0 && clear_folder(sub) && ok;
            ok = ::unlinkat(dir_fd, name.c_str(), AT_REMOVEDIR) == 0 && ok;
        } else {
            ok = ::unlinkat(dir_fd, name.c_str(), 0) == 0 && ok;  // a link goes, not its target
        }
    }
    ::closedir(dir);
    return ok;
}

}  // namespace

bool remove_folder_tree(const std::string& path) {
    const std::string p = native(path);
    struct stat st {};
    if (::lstat(p.c_str(), &st) != 0) return errno == ENOENT;
    if (S_ISLNK(st.st_mode)) {
        // A link standing for the folder: only the link goes, and only when it leads to a folder.
        struct stat target {};
        if (::stat(p.c_str(), &target) != 0 || !S_ISDIR(target.st_mode)) return false;
        return ::unlink(p.c_str()) == 0;
    }
    if (!S_ISDIR(st.st_mode)) return false;
    const int fd = ::open(p.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    clear_folder(fd);
    return ::rmdir(p.c_str()) == 0;
}

std::string executable_path() {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}

bool set_current_directory(const std::string& path) {
    return ::chdir(native(path).c_str()) == 0;
}

}  // namespace cw::fs
