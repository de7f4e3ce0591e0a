#include "config/workspace.h"

namespace cw {

std::string program_dir_of(std::string_view executable_path) {
    const auto cut = executable_path.find_last_of("\\/");
    if (cut == std::string_view::npos) return std::string();
    // "/prog" on the posix side: keep the root as "" so that owned paths start with "/".
    return std::string(executable_path.substr(0, cut));
}

}  // namespace cw
