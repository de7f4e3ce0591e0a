#include "support/temp_folder.h"

#include <atomic>
#include <filesystem>
#include <random>

namespace cw::test {

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    std::random_device rd;
    const auto base = std::filesystem::temp_directory_path() /
                      ("cwtest-" + std::to_string(rd()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(base);
    path_ = base.string();
#ifdef _WIN32
    for (char& c : path_) {
        if (c == '/') c = '\\';
    }
    while (!path_.empty() && path_.back() == '\\') path_.pop_back();
#endif
}

std::string current_directory() {
    std::string path = std::filesystem::current_path().string();
#ifdef _WIN32
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
#endif
    return path;
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

}  // namespace cw::test
