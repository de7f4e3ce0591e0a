#include "config/java_detection.h"

#include "base/gbk_text.h"

namespace cw {

namespace {

constexpr const char* kRoot = "HKEY_LOCAL_MACHINE";
constexpr const char* kRuntimeKey = "SOFTWARE\\JavaSoft\\Java Runtime Environment";

}  // namespace

JavaInfo detect_java(Platform& platform) {
    std::string version;
    std::string home;
    if (platform.is_64bit_windows()) {
        version = platform.read_registry_text_64(kRoot, kRuntimeKey, "CurrentVersion");
        home = platform.read_registry_text_64(kRoot, std::string(kRuntimeKey) + "\\" + version,
                                              "JavaHome");
    }
    if (gbk_trim(version).empty()) {
        version = platform.read_registry_text_32(kRoot, kRuntimeKey, "CurrentVersion");
        home = platform.read_registry_text_32(kRoot, std::string(kRuntimeKey) + "\\" + version,
                                              "JavaHome");
    }
    if (gbk_trim(version).empty()) return {};
    // The untrimmed version is kept; the home folder is used as found, even when empty.
    return {version, home + "\\bin\\"};
}

}  // namespace cw
