#pragma once
// A fresh temporary program folder per test, removed afterwards. Paths use the program's own
// form: backslashes on Windows, slashes natively (the posix file layer accepts both).
#include <string>

namespace cw::test {

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

// The process's current directory in the same form (the platform sets it; only tests read it).
std::string current_directory();

}  // namespace cw::test
