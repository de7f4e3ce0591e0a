// A child process on the posix side: pipes, posix_spawnp, waitpid.
#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <mutex>
#include <vector>

#include "platform/command_line.h"
#include "platform/files.h"
#include "platform/posix/posix_handles.h"

extern char** environ;

namespace cw::posix {

namespace {

class PosixChildRun : public ChildRun {
  public:
    PosixChildRun() = default;  // a failed start: no process, no pipes
    PosixChildRun(pid_t pid, UniqueFd input, UniqueFd output)
        : pid_(pid),
          input_(std::move(input)),
          output_(std::move(output)),
          exit_fd_(static_cast<int>(::syscall(SYS_pidfd_open, pid, 0))) {}

    bool write_line(std::string_view text) override {
        if (!input_) return false;
        std::string line(text);
        line += "\r\n";
        ssize_t n;
        do {
            n = ::write(input_.get(), line.data(), line.size());
        } while (n < 0 && errno == EINTR);
        return n == static_cast<ssize_t>(line.size());
    }

    bool is_alive() override {
        std::lock_guard lock(mutex_);
        return !reaped_locked();
    }

    std::uint32_t process_id() override { return static_cast<std::uint32_t>(pid_); }

    std::string read(std::size_t max_bytes) override {
        if (!output_ || max_bytes == 0) return {};
        std::string buffer(max_bytes, '\0');
        ssize_t n;
        do {
            n = ::read(output_.get(), buffer.data(), max_bytes);
        } while (n < 0 && errno == EINTR);
        if (n <= 0) return {};
        buffer.resize(static_cast<std::size_t>(n));
        const auto zero = buffer.find('\0');
        if (zero != std::string::npos) buffer.resize(zero);
        return buffer;
    }

    bool terminate() override {
        std::lock_guard lock(mutex_);
        // Only while the id is still ours: once reaped it may name another process.
        if (reaped_locked()) return false;
        if (::kill(pid_, SIGKILL) != 0) return false;
        int status = 0;
        while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        reaped_ = true;
        return true;
    }

    bool wait_exit(int timeout_ms) override {
        // The process descriptor turns readable when the child exits (Linux 5.3 and later);
        // without one, the default look every 50 ms.
        if (!exit_fd_) return ChildRun::wait_exit(timeout_ms);
        pollfd p{exit_fd_.get(), POLLIN, 0};
        int r;
        do {
            r = ::poll(&p, 1, timeout_ms < 0 ? -1 : timeout_ms);
        } while (r < 0 && errno == EINTR);
        if (r <= 0) return !is_alive();
        // Exited: reap it so is_alive answers false from now on.
        for (int i = 0; i < 100 && is_alive(); ++i) ::usleep(1000);
        return !is_alive();
    }

    ~PosixChildRun() override {
        // Collect an exited child so it leaves no zombie; a running one is left running.
        std::lock_guard lock(mutex_);
        reaped_locked();
    }

  private:
    // True once the child has been reaped (or there never was one). Caller holds mutex_.
    bool reaped_locked() {
        if (reaped_ || pid_ <= 0) return true;
        int status = 0;
        pid_t r;
        do {
            r = ::waitpid(pid_, &status, WNOHANG);
        } while (r < 0 && errno == EINTR);
        if (r == 0) return false;
        reaped_ = true;  // reaped now, or not our child any more (ECHILD)
        return true;
    }

    pid_t pid_ = 0;
    UniqueFd input_;    // our end of the child's standard input
    UniqueFd output_;   // our end of the child's standard output and error
    UniqueFd exit_fd_;  // the child's process descriptor, when the kernel has them
    std::mutex mutex_;
    bool reaped_ = false;
};

std::string native_path(std::string path) {
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
    return path;
}

// Keeps a spawn's file actions and attributes destroyed on every path.
struct SpawnSetup {
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attr;
    SpawnSetup() {
        posix_spawn_file_actions_init(&actions);
        posix_spawnattr_init(&attr);
    }
    ~SpawnSetup() {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attr);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;
};

bool make_pipe(UniqueFd& read_end, UniqueFd& write_end) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return false;
    read_end.reset(fds[0]);
    write_end.reset(fds[1]);
    return true;
}

}  // namespace

std::shared_ptr<ChildRun> start_child(const std::string& command_line,
                                      const std::string& working_dir) {
    // Like the Windows side: the working directory becomes the manager's own current
    // directory, and the child inherits it.
    fs::set_current_directory(working_dir);

    std::vector<std::string> args = split_command_line(command_line);
    if (args.empty()) return std::make_shared<PosixChildRun>();
    args[0] = native_path(args[0]);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);

    // Both pipes close on exec; the child's copies made by dup2 stay open.
    UniqueFd in_read, in_write, out_read, out_write;
    if (!make_pipe(in_read, in_write) || !make_pipe(out_read, out_write)) {
        return std::make_shared<PosixChildRun>();
    }

    SpawnSetup setup;
    posix_spawn_file_actions_adddup2(&setup.actions, in_read.get(), STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&setup.actions, out_write.get(), STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&setup.actions, out_write.get(), STDERR_FILENO);
    // The manager ignores SIGPIPE; the child starts with default signal handling.
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&setup.attr, &defaults);
    posix_spawnattr_setflags(&setup.attr, POSIX_SPAWN_SETSIGDEF);

    pid_t pid = 0;
    if (::posix_spawnp(&pid, argv[0], &setup.actions, &setup.attr, argv.data(), environ) != 0) {
        return std::make_shared<PosixChildRun>();
    }
    // The child holds its own copies now; without ours a read ends once the child is gone.
    in_read.reset();
    out_write.reset();
    return std::make_shared<PosixChildRun>(pid, std::move(in_write), std::move(out_read));
}

void terminate_process(std::uint32_t pid) {
    // Never 0 or a negative id: those would signal whole process groups.
    if (pid == 0 || pid > static_cast<std::uint32_t>(INT_MAX)) return;
    ::kill(static_cast<pid_t>(pid), SIGKILL);
}

}  // namespace cw::posix
