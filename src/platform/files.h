#pragma once
// Files and folders. Paths are the program's own Windows-style text (backslashes, GBK); the
// posix side reads every backslash as a slash so the same paths work in native tests.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cw::fs {

// Creates or truncates the file, writes all bytes in one pass, closes it. Opened with exclusive
// sharing. Never creates a missing folder.
bool write_whole_file(const std::string& path, std::string_view bytes);

// The whole file as bytes; a missing or unreadable file reads as zero bytes.
std::string read_whole_file(const std::string& path);

// True for a file or a folder of that name.
bool file_exists(const std::string& path);

// When the file was last written, in the system's own ticks (comparable only with another
// stamp of this function); 0 when it does not exist.
std::int64_t last_write_stamp(const std::string& path);

// Makes exactly one folder level; an existing folder or a missing parent makes it fail.
bool create_folder(const std::string& path);

bool delete_file(const std::string& path);
bool copy_file(const std::string& from, const std::string& to, bool fail_if_exists);

// Names (not paths) of the entries of `folder` that match a wildcard such as "*.jar".
std::vector<std::string> list_folder(const std::string& folder, std::string_view pattern);

// Full path of the running executable.
std::string executable_path();

bool set_current_directory(const std::string& path);
std::string current_directory();

}  // namespace cw::fs
