// A child process on Windows: anonymous pipes for its console, CreateProcessA.
#include <mutex>
#include <vector>

#include "platform/win32/win32_handles.h"

namespace cw::win32 {

namespace {

class Win32ChildRun : public ChildRun {
  public:
    Win32ChildRun() = default;  // a failed creation: no process, no pipes
    Win32ChildRun(UniqueHandle process, DWORD pid, UniqueHandle input, UniqueHandle output)
        : process_(std::move(process)),
          pid_(pid),
          input_(std::move(input)),
          output_(std::move(output)) {}

    bool write_line(std::string_view text) override {
        if (!input_) return false;
        std::string line(text);
        line += "\r\n";
        DWORD written = 0;
        return ::WriteFile(input_.get(), line.data(), static_cast<DWORD>(line.size()), &written,
                           nullptr) != 0;
    }

    bool is_alive() override {
        return process_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
    }

    std::uint32_t process_id() override { return pid_; }

    std::string read(std::size_t max_bytes) override {
        if (!output_ || max_bytes == 0) return {};
        std::string buffer(max_bytes, '\0');
        DWORD n = 0;
        if (!::ReadFile(output_.get(), buffer.data(), static_cast<DWORD>(max_bytes), &n, nullptr) ||
            n == 0) {
            return {};
        }
        buffer.resize(n);
        const auto zero = buffer.find('\0');
        if (zero != std::string::npos) buffer.resize(zero);
        return buffer;
    }

    bool terminate() override {
        // Our own process handle: it names this child even after its id has been reused.
        return process_ && ::TerminateProcess(process_.get(), 0) != 0;
    }

    bool wait_exit(int timeout_ms) override {
        if (!process_) return true;
        const DWORD wait = timeout_ms < 0 ? INFINITE : static_cast<DWORD>(timeout_ms);
        return ::WaitForSingleObject(process_.get(), wait) != WAIT_TIMEOUT;
    }

  private:
    UniqueHandle process_;
    DWORD pid_ = 0;
    UniqueHandle input_;   // our end of the child's standard input
    UniqueHandle output_;  // our end of the child's standard output and error
};

// Two launches at once would let one child inherit the other's pipe ends (and keep that
// pipe open after its owner has gone), so creation is one at a time.
std::mutex creation_mutex;

bool make_pipe(UniqueHandle& read_end, UniqueHandle& write_end, SECURITY_ATTRIBUTES& sa) {
    HANDLE r = nullptr, w = nullptr;
    if (!::CreatePipe(&r, &w, &sa, 0)) return false;
    read_end.reset(r);
    write_end.reset(w);
    return true;
}

}  // namespace

std::shared_ptr<ChildRun> start_child(const std::string& command_line,
                                      const std::string& working_dir, int show_mode) {
    std::lock_guard lock(creation_mutex);

    SECURITY_ATTRIBUTES sa{};
    sa.nLength = sizeof sa;
    sa.lpSecurityDescriptor = nullptr;
    sa.bInheritHandle = TRUE;

    // The working directory becomes the manager's own as well; a failure leaves the old one,
    // which the child then gets.
    ::SetCurrentDirectoryA(working_dir.c_str());

    UniqueHandle in_read, in_write, out_read, out_write;
    make_pipe(in_read, in_write, sa);
    make_pipe(out_read, out_write, sa);
    // Our ends stay out of this and any later child.
    if (in_write) ::SetHandleInformation(in_write.get(), HANDLE_FLAG_INHERIT, 0);
    if (out_read) ::SetHandleInformation(out_read.get(), HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA si{};
    ::GetStartupInfoA(&si);
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    si.wShowWindow = static_cast<WORD>(show_mode);
    si.hStdInput = in_read.get();
    si.hStdOutput = out_write.get();
    si.hStdError = out_write.get();
    // These describe the manager's own inherited C runtime handles, not the child's.
    si.cbReserved2 = 0;
    si.lpReserved2 = nullptr;

    char dir[MAX_PATH] = {};
    const DWORD dir_length = ::GetCurrentDirectoryA(sizeof dir, dir);
    const bool have_dir = dir_length > 0 && dir_length < sizeof dir;

    std::vector<char> command(command_line.begin(), command_line.end());
    command.push_back('\0');  // CreateProcessA may write into the command line

    PROCESS_INFORMATION pi{};
    if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                          have_dir ? dir : nullptr, &si, &pi)) {
        return std::make_shared<Win32ChildRun>();
    }
    UniqueHandle process(pi.hProcess);
    UniqueHandle thread(pi.hThread);
    // The child holds its own copies now; without ours a read ends once the child is gone.
    in_read.reset();
    out_write.reset();
    return std::make_shared<Win32ChildRun>(std::move(process), pi.dwProcessId, std::move(in_write),
                                           std::move(out_read));
}

void terminate_process(std::uint32_t pid) {
    // The access every version of Windows grants to "all access" (the newer, wider mask
    // fails on the oldest systems).
    UniqueHandle process(::OpenProcess(0x1F0FFF, FALSE, pid));
    if (process) ::TerminateProcess(process.get(), 0);
}

}  // namespace cw::win32
