#pragma once
#include <string>

namespace cw {

// The installed Java runtime found at start-up.
struct JavaInfo {
    std::string version;  // "CurrentVersion"; empty when no runtime was found
    std::string bin_dir;  // "JavaHome" + "\bin\"; empty when no runtime was found
};

}  // namespace cw
