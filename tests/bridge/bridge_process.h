// Starts the Java bridge the way the manager starts javaw.exe: CreateProcess with anonymous
// pipes for standard input, output and error, and follows what comes out.
// Plain Win32 only, independent of the program's own platform layer. Text is UTF-8 (or raw
// bytes) in std::string; wide text exists only at the API calls.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace bridge_test {

// "Z:\..." for a Unix path: Wine maps the whole Unix file system to drive Z.
std::string windows_path(const std::string& unix_path);

// What the bridge's Unix process table says about a process: true while it runs (a zombie
// counts as ended). Read from /proc through drive Z.
bool unix_process_running(unsigned long pid);

// A TCP port on 127.0.0.1 that nothing listens on right now.
int free_tcp_port();

bool write_file(const std::string& windows_path, const std::string& bytes);

// One pipe's bytes as they arrive, collected by a thread of its own.
class PipeReader {
  public:
    explicit PipeReader(HANDLE pipe);
    ~PipeReader();
    PipeReader(const PipeReader&) = delete;
    PipeReader& operator=(const PipeReader&) = delete;

    std::string text();
    // True once the text holds `needle`; false when the pipe ended or the time ran out first.
    bool wait_for(const std::string& needle, DWORD millis);
    // True once the pipe ended (every writer closed it) within the time.
    bool wait_for_end(DWORD millis);

  private:
    static DWORD WINAPI run(void* self);

    HANDLE pipe_;
    HANDLE thread_ = nullptr;
    HANDLE changed_ = nullptr;  // auto-reset: set after every change
    CRITICAL_SECTION lock_;
    std::string text_;
    bool ended_ = false;
};

class BridgeProcess {
  public:
    struct Options {
        std::string program;    // Windows path of javaw.exe
        std::string arguments;  // the command line after the quoted program path
        std::string directory;  // Windows path of the working directory
        // Variables to set in the bridge's environment (an empty value removes one).
        std::vector<std::pair<std::string, std::string>> environment;
        bool separate_error = false;  // error to a pipe of its own, not the output pipe
    };

    BridgeProcess() = default;
    ~BridgeProcess();
    BridgeProcess(const BridgeProcess&) = delete;
    BridgeProcess& operator=(const BridgeProcess&) = delete;

    bool start(const Options& options);
    bool write(const std::string& bytes);
    void close_input();
    // The exit code, or STILL_ACTIVE when the process did not end within the time.
    DWORD wait_for_exit(DWORD millis);
    void terminate();

    PipeReader& output() { return *output_; }
    PipeReader& error() { return *error_; }

  private:
    HANDLE process_ = nullptr;
    HANDLE input_ = nullptr;
    std::unique_ptr<PipeReader> output_;
    std::unique_ptr<PipeReader> error_;
};

}  // namespace bridge_test
