// The Java bridge: a Winelib program that Wine runs as "javaw.exe" (and "java.exe") and that
// runs the host's Java runtime in its place, so that a Windows program under Wine drives a real
// JVM through ordinary anonymous pipes.
//
// What it does, as a JVM on a Chinese Windows system would behave:
//  - splits its Windows command line as CommandLineToArgvW does and hands every argument after
//    the program name, in GBK, to the host's java (JAVA_HOME/bin/java, else the first java on
//    PATH, else /usr/bin/java);
//  - runs java in the Windows current directory (turned into its Unix path), with the Windows
//    environment the bridge was given, under the locale zh_CN.GBK, so that the JVM's native,
//    default and console charsets are GBK;
//  - relays the console both ways, one thread per direction: the Win32 standard input to the
//    JVM's input (whose end closes the JVM's input), the JVM's output and error to the standard
//    output and error handles; when both handles are the same object the JVM gets one pipe for
//    both, so their text keeps the order it was written in;
//  - ends with the JVM's exit status (128 + signal number when a signal ended it);
//  - takes the JVM with it when it is ended itself (TerminateProcess): the JVM's parent-death
//    signal is SIGKILL, and the thread that forks it is the main thread, which lives as long as
//    the bridge.
// Wine does not give a Linux program started by CreateProcess the Windows pipes, which is why
// the relaying is done here.
// clang-format off
#include <windows.h>
#include <shellapi.h>  // after windows.h, which it needs
// clang-format on

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr UINT kGbkCodePage = 936;
constexpr const char* kLocale = "zh_CN.GBK";
constexpr DWORD kRelayBufferSize = 64 * 1024;
// After the JVM has ended, how long its output may still take to drain (a grandchild that kept
// the output pipe open must not keep the bridge alive).
constexpr DWORD kDrainMillis = 5000;

// Buffers handed to ReadFile and WriteFile live on the stack of a thread Wine made: Wine
// refuses buffers in memory the host's malloc mapped (ERROR_INVALID_USER_BUFFER).

void write_error(const std::string& text) {
    const HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
    char line[1024];
    const int n = snprintf(line, sizeof line, "javaw: %s\r\n", text.c_str());
    DWORD written = 0;
    if (err && err != INVALID_HANDLE_VALUE && n > 0) {
        WriteFile(err, line, static_cast<DWORD>(std::min<size_t>(n, sizeof line - 1)), &written,
                  nullptr);
    }
}

// A zero-terminated wide string in a code page: GBK (936) for what the JVM reads as text, or
// CP_UNIXCP for Unix names and values (the inverse of how Wine made them wide).
std::string narrow(const WCHAR* text, UINT code_page) {
    const int size = WideCharToMultiByte(code_page, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(code_page, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.resize(static_cast<size_t>(size) - 1);
    return out;
}

// A Windows path (zero-terminated) as the Unix path Wine maps it to; empty if none.
// Wide text stays in WCHAR arrays: Winelib's WCHAR is a 2-byte wchar_t, which the host's
// std::wstring code is not built for.
std::string unix_path_of(const WCHAR* windows_path) {
    char* unix_path = wine_get_unix_file_name(windows_path);
    if (!unix_path) return {};
    std::string out(unix_path);
    HeapFree(GetProcessHeap(), 0, unix_path);
    return out;
}

bool is_executable_file(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

// JAVA_HOME (from the Windows environment) may be a Unix path or a Windows one; PATH is the
// Unix one.
std::string find_java() {
    WCHAR home[MAX_PATH * 4] = {};
    const DWORD n = GetEnvironmentVariableW(L"JAVA_HOME", home, ARRAYSIZE(home));
    if (n > 0 && n < ARRAYSIZE(home)) {
        std::string dir = home[0] == '/' ? narrow(home, CP_UNIXCP) : unix_path_of(home);
        const std::string java = dir + "/bin/java";
        if (!dir.empty() && is_executable_file(java)) return java;
    }
    if (const char* path = getenv("PATH")) {
        std::string rest = path;
        size_t start = 0;
        while (start <= rest.size()) {
            size_t end = rest.find(':', start);
            if (end == std::string::npos) end = rest.size();
            const std::string dir = rest.substr(start, end - start);
            if (!dir.empty() && dir[0] == '/' && is_executable_file(dir + "/java")) {
                return dir + "/java";
            }
            start = end + 1;
        }
    }
    return "/usr/bin/java";
}

// The bridge's own arguments (without its program name) as CommandLineToArgvW splits them.
std::vector<std::string> java_arguments() {
    std::vector<std::string> args;
    int count = 0;
    WCHAR** argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!argv) return args;
    for (int i = 1; i < count; ++i) args.push_back(narrow(argv[i], kGbkCodePage));
    LocalFree(argv);
    return args;
}

std::string current_unix_directory() {
    WCHAR dir[MAX_PATH * 4];
    const DWORD n = GetCurrentDirectoryW(ARRAYSIZE(dir), dir);
    if (n == 0 || n >= ARRAYSIZE(dir)) return {};
    return unix_path_of(dir);
}

std::string upper_ascii(std::string s) {
    for (char& c : s) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return s;
}

// Variables Wine keeps in Windows form in the Windows environment; java gets their Unix values.
bool is_translated_by_wine(const std::string& upper_name) {
    return upper_name == "PATH" || upper_name == "TEMP" || upper_name == "TMP" ||
           upper_name == "HOME";
}

// The JVM's environment: the Windows environment the bridge was started with (a parent's
// CreateProcess environment reaches only that one, not the Unix one), with the Unix values of
// the variables Wine translates, without Wine's own, and with LC_ALL the Chinese GBK locale.
std::vector<std::string> java_environment() {
    std::vector<std::string> env;
    WCHAR* strings = GetEnvironmentStringsW();
    for (const WCHAR* p = strings; p && *p; p += lstrlenW(p) + 1) {
        const std::string entry = narrow(p, CP_UNIXCP);
        const size_t eq = entry.find('=', 1);  // "=C:=C:\x" entries name no variable
        if (entry.empty() || entry[0] == '=' || eq == std::string::npos) continue;
        const std::string name = upper_ascii(entry.substr(0, eq));
        if (is_translated_by_wine(name) || name.rfind("WINE", 0) == 0 || name == "LC_ALL") {
            continue;
        }
        env.push_back(entry);
    }
    if (strings) FreeEnvironmentStringsW(strings);
    for (const char* name : {"PATH", "TEMP", "TMP", "HOME"}) {
        if (const char* value = getenv(name)) env.push_back(std::string(name) + "=" + value);
    }
    env.push_back(std::string("LC_ALL=") + kLocale);
    return env;
}

std::vector<char*> pointers_to(std::vector<std::string>& texts) {
    std::vector<char*> out;
    for (std::string& t : texts) out.push_back(t.data());
    out.push_back(nullptr);
    return out;
}

bool is_usable(HANDLE h) {
    return h != nullptr && h != INVALID_HANDLE_VALUE;
}

// Whether two handles stand for one object (the same pipe given as output and error).
bool same_object(HANDLE a, HANDLE b) {
    if (a == b) return true;
    using CompareFn = BOOL(WINAPI*)(HANDLE, HANDLE);
    static const auto compare = reinterpret_cast<CompareFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernelbase.dll"), "CompareObjectHandles")));
    return compare && compare(a, b);
}

bool write_all_fd(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

bool write_all_handle(HANDLE h, const char* data, size_t size) {
    while (size > 0) {
        DWORD written = 0;
        if (!WriteFile(h, data, static_cast<DWORD>(size), &written, nullptr) || written == 0) {
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

struct InputRelay {
    HANDLE from;
    int to;
};

// Windows standard input to the JVM; the end of input (or a broken pipe) closes the JVM's input.
DWORD WINAPI relay_input(void* arg) {
    const InputRelay relay = *static_cast<InputRelay*>(arg);
    char buffer[kRelayBufferSize];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(relay.from, buffer, sizeof buffer, &got, nullptr) || got == 0) break;
        if (!write_all_fd(relay.to, buffer, got)) break;
    }
    close(relay.to);
    return 0;
}

struct OutputRelay {
    int from;
    HANDLE to;
};

// One JVM output pipe to a Windows handle. When the handle's reader has gone, the pipe is
// closed so that the JVM's writes fail as they would on Windows instead of blocking.
DWORD WINAPI relay_output(void* arg) {
    const OutputRelay relay = *static_cast<OutputRelay*>(arg);
    char buffer[kRelayBufferSize];
    for (;;) {
        const ssize_t n = read(relay.from, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        if (!write_all_handle(relay.to, buffer, static_cast<size_t>(n))) break;
    }
    close(relay.from);
    return 0;
}

// The end of a pipe the JVM gets, or /dev/null when the bridge has no such standard handle.
struct ChildPipe {
    int parent_end = -1;  // -1: nothing to relay
    int child_end = -1;
};

bool make_pipe(ChildPipe& p, bool child_reads) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return false;
    p.child_end = child_reads ? fds[0] : fds[1];
    p.parent_end = child_reads ? fds[1] : fds[0];
    return true;
}

bool make_null(ChildPipe& p, bool child_reads) {
    p.child_end = open("/dev/null", (child_reads ? O_RDONLY : O_WRONLY) | O_CLOEXEC);
    return p.child_end >= 0;
}

// Closes every descriptor above 2 except keep (Wine's own stay out of the JVM).
void close_other_descriptors(int keep) {
    const unsigned k = static_cast<unsigned>(keep);
    if ((k <= 3 || close_range(3, k - 1, 0) == 0) && close_range(k + 1, ~0U, 0) == 0) return;
    for (int fd = 3; fd < 65536; ++fd) {
        if (fd != keep) close(fd);
    }
}

// Everything the child does between fork and exec is async-signal-safe: the parent has threads.
[[noreturn]] void run_java_in_child(pid_t parent, int in, int out, int err, const char* dir,
                                    const char* java, char* const* argv, char* const* envp,
                                    int report_fd) {
    // Ended with the bridge, also when the bridge ended before this line ran.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) _exit(127);

    // Wine's own signal set-up is no business of the JVM's.
    struct sigaction dfl {};
    dfl.sa_handler = SIG_DFL;
    for (int sig = 1; sig < NSIG; ++sig) {
        if (sig != SIGKILL && sig != SIGSTOP) sigaction(sig, &dfl, nullptr);
    }
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);

    // Where it failed: 0 the standard descriptors, 1 the directory, 2 the program.
    int stage = 0;
    if (dup2(in, 0) >= 0 && dup2(out, 1) >= 0 && dup2(err, 2) >= 0) {
        stage = 1;
        if (chdir(dir) == 0) {
            stage = 2;
            // Keep only the three standard descriptors and the report pipe (closed by exec).
            close_other_descriptors(report_fd);
            execve(java, argv, envp);
        }
    }
    const int report[2] = {stage, errno};
    ssize_t ignored = write(report_fd, report, sizeof report);
    (void)ignored;
    _exit(127);
}

int exit_code_of(int status) {
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return 1;
}

}  // namespace

int main() {
    // Descriptors 0-2 taken, so that no pipe end below lands on one and dup2 clobbers it.
    for (;;) {
        const int fd = open("/dev/null", O_RDWR);
        if (fd < 0) break;
        if (fd > 2) {
            close(fd);
            break;
        }
    }
    // Everything the child needs is built before the fork.
    std::string java = find_java();
    std::vector<std::string> arg_texts = java_arguments();
    arg_texts.insert(arg_texts.begin(), java);
    std::vector<std::string> env_texts = java_environment();
    std::vector<char*> argv = pointers_to(arg_texts);
    std::vector<char*> envp = pointers_to(env_texts);
    const std::string dir = current_unix_directory();
    if (dir.empty()) {
        write_error("the current directory has no Unix path");
        return 1;
    }

    const HANDLE std_in = GetStdHandle(STD_INPUT_HANDLE);
    const HANDLE std_out = GetStdHandle(STD_OUTPUT_HANDLE);
    const HANDLE std_err = GetStdHandle(STD_ERROR_HANDLE);
    const bool shared_output =
        is_usable(std_out) && is_usable(std_err) && same_object(std_out, std_err);

    ChildPipe in, out, err;
    bool ok = is_usable(std_in) ? make_pipe(in, true) : make_null(in, true);
    ok = ok && (is_usable(std_out) ? make_pipe(out, false) : make_null(out, false));
    if (shared_output) {
        err.child_end = out.child_end;
    } else {
        ok = ok && (is_usable(std_err) ? make_pipe(err, false) : make_null(err, false));
    }
    int report[2];
    ok = ok && pipe2(report, O_CLOEXEC) == 0;
    if (!ok) {
        write_error(std::string("cannot create pipes: ") + strerror(errno));
        return 1;
    }

    // The bridge writes to pipes whose reader may be gone, and waits for its own child (an
    // ignored SIGCHLD would reap it unseen).
    signal(SIGPIPE, SIG_IGN);
    struct sigaction chld {};
    if (sigaction(SIGCHLD, nullptr, &chld) == 0 && chld.sa_handler == SIG_IGN) {
        signal(SIGCHLD, SIG_DFL);
    }

    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0) {
        run_java_in_child(parent, in.child_end, out.child_end, err.child_end, dir.c_str(),
                          java.c_str(), argv.data(), envp.data(), report[1]);
    }
    if (pid < 0) {
        write_error(std::string("cannot start java: ") + strerror(errno));
        return 1;
    }
    close(in.child_end);
    close(out.child_end);
    if (!shared_output) close(err.child_end);
    close(report[1]);

    int failure[2] = {0, 0};
    ssize_t got;
    do {
        got = read(report[0], failure, sizeof failure);
    } while (got < 0 && errno == EINTR);
    close(report[0]);
    if (got == sizeof failure) {
        waitpid(pid, nullptr, 0);
        const char* what[] = {"cannot set up the console of ", "cannot enter ", "cannot run "};
        const std::string subject = failure[0] == 1 ? dir : java;
        write_error(what[failure[0] % 3] + subject + ": " + strerror(failure[1]));
        return 1;
    }

    InputRelay input{std_in, in.parent_end};
    OutputRelay output{out.parent_end, std_out};
    OutputRelay error{err.parent_end, std_err};
    HANDLE drains[2];
    DWORD drain_count = 0;
    if (in.parent_end >= 0) {
        // Not waited for: the input may stay open after the JVM has gone.
        const HANDLE t = CreateThread(nullptr, 0, relay_input, &input, 0, nullptr);
        if (t) CloseHandle(t);
    }
    if (out.parent_end >= 0) {
        drains[drain_count++] = CreateThread(nullptr, 0, relay_output, &output, 0, nullptr);
    }
    if (err.parent_end >= 0) {
        drains[drain_count++] = CreateThread(nullptr, 0, relay_output, &error, 0, nullptr);
    }

    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            write_error(std::string("lost java: ") + strerror(errno));
            return 1;
        }
    }
    if (drain_count > 0) WaitForMultipleObjects(drain_count, drains, TRUE, kDrainMillis);
    // ExitProcess ends the input relay, which may still wait for input.
    ExitProcess(static_cast<UINT>(exit_code_of(status)));
}
