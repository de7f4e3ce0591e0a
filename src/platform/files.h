#pragma once
// Files and folders. Paths are the program's own Windows-style text (backslashes, GBK); the
// posix side reads every backslash as a slash so the same paths work in native tests.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cw::fs {

// Creates or truncates the file, writes all bytes in one pass, closes it. Opened with exclusive
// sharing. Never creates a missing folder.
bool write_whole_file(const std::string& path, std::string_view bytes);

// The whole file as bytes; a missing or unreadable file reads as zero bytes.
std::string read_whole_file(const std::string& path);

// The whole file as bytes, or nothing when it cannot be opened or read to its end (a missing
// file or a folder included): unlike read_whole_file, an empty file and a failure differ.
std::optional<std::string> read_file(const std::string& path);

// Puts `bytes` in place of the file `path` in one step: they are written to a new file beside it
// first, which then replaces the old one. On failure the old file stays as it was (a file held
// open by another process included) and the new one is gone. Never creates a missing folder.
bool replace_file(const std::string& path, std::string_view bytes);

// True for a file or a folder of that name.
bool file_exists(const std::string& path);

// When the file was last written, in the system's own ticks (comparable only with another
// stamp of this function); 0 when it does not exist.
std::int64_t last_write_stamp(const std::string& path);

// Makes exactly one folder level; an existing folder or a missing parent makes it fail.
bool create_folder(const std::string& path);

bool delete_file(const std::string& path);

// Names of the files of `folder` that match a wildcard such as "*.jar", folders left out, in the
// order the file system returns them.
std::vector<std::string> list_files(const std::string& folder, std::string_view pattern);

// Removes the folder `path` with everything in it. A link or junction inside it, or the folder
// itself being one, is removed as a link: what it points to is never entered. True when no folder
// of that name is left (one that never existed included); a file of that name is not touched and
// gives false.
bool remove_folder_tree(const std::string& path);

// Full path of the running executable.
std::string executable_path();

bool set_current_directory(const std::string& path);

}  // namespace cw::fs
