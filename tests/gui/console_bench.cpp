// Console throughput through Cubeworks.exe's real window under Wine (a measurement, run by
// bench-console.sh, not a test). The "Java runtime" is the test child: the program starts it as
// its server, the bench types "burst N MARKER" (one endless line) or "lines N MARKER" (100-byte
// lines) into the console input, and times how long the N pattern bytes and the marker line take
// to pass through the console box. Meanwhile it takes the program's CPU time and how long the
// window takes to answer a WM_NULL (every 100 ms).
// Environment: CW_PROGRAM, CW_TEST_CHILD. Arguments: [burst|lines] [bytes] [runs], or
// startup [runs] [idle seconds] for the start-up time and the idle CPU use.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "remote_program.h"
#include "ui/main_window_layout.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/wide_text.h"

namespace cw::gui {
namespace {

using win32::to_wide;

constexpr DWORD kStartTimeoutMs = 60000;
constexpr DWORD kTimeoutMs = 10000;
constexpr DWORD kBurstTimeoutMs = 600000;
constexpr DWORD kProbeEveryMs = 100;
constexpr DWORD kPollEveryMs = 20;

const WindowSpec& table() {
    return main_window_spec();
}

double now_s() {
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

double filetime_s(FILETIME t) {
    return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) |
                               t.dwLowDateTime) /
           1e7;
}

// A whole file read through ReadFile until its end (files under /proc tell no size).
std::string read_all(const std::wstring& path) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return {};
    std::string out;
    char buf[4096];
    DWORD got = 0;
    while (ReadFile(h, buf, sizeof buf, &got, nullptr) && got > 0) out.append(buf, got);
    CloseHandle(h);
    return out;
}

// The program's CPU time. Wine does not keep the times of other processes (GetProcessTimes
// answers zero or stale figures), so under Wine it comes from the host's /proc entry of the
// process that runs the program, found by its command line; elsewhere from GetProcessTimes.
class CpuClock {
  public:
    CpuClock(HANDLE process, const std::wstring& exe_path) : process_(process) {
        std::string wanted = win32::to_gbk(exe_path);
        for (char& c : wanted) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        WIN32_FIND_DATAW fd;
        HANDLE h = FindFirstFileW(L"Z:\\proc\\*", &fd);
        if (h == INVALID_HANDLE_VALUE) return;
        do {
            const std::wstring name = fd.cFileName;
            if (name.empty() || name.find_first_not_of(L"0123456789") != std::wstring::npos)
                continue;
            std::string cmd = read_all(L"Z:\\proc\\" + name + L"\\cmdline");
            for (char& c : cmd) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (cmd.find(wanted) != std::string::npos) stat_ = L"Z:\\proc\\" + name + L"\\stat";
        } while (stat_.empty() && FindNextFileW(h, &fd));
        FindClose(h);
    }
    const char* source() const { return stat_.empty() ? "GetProcessTimes" : "/proc"; }
    // User plus system time in seconds; negative when unknown.
    double seconds() const {
        if (!stat_.empty()) {
            // Fields after the command name in parentheses: state is the 3rd field, utime the
            // 14th and stime the 15th, in clock ticks of 100 Hz.
            const std::string stat = read_all(stat_);
            const auto close = stat.rfind(')');
            if (close == std::string::npos) return -1;
            unsigned long utime = 0, stime = 0;
            if (std::sscanf(stat.c_str() + close + 1,
                            " %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu", &utime,
                            &stime) != 2) {
                return -1;
            }
            return (utime + stime) / 100.0;
        }
        FILETIME created, ended, kernel, user;
        if (!GetProcessTimes(process_, &created, &ended, &kernel, &user)) return -1;
        return filetime_s(kernel) + filetime_s(user);
    }

  private:
    HANDLE process_;
    std::wstring stat_;
};

constexpr DWORD kBusyWindowMs = 120000;

// The length and the whole text of a window that may be busy for a while.
long length_of(HWND hwnd) {
    DWORD_PTR len = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kBusyWindowMs, &len)) {
        return -1;
    }
    return static_cast<long>(len);
}

std::wstring full_text(HWND hwnd) {
    const long len = length_of(hwnd);
    if (len < 0) return {};
    std::wstring buf(static_cast<std::size_t>(len) + 1, L'\0');
    DWORD_PTR got = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(buf.data()),
                        SMTO_NORMAL, kBusyWindowMs, &got);
    buf.resize(std::min<std::size_t>(got, static_cast<std::size_t>(len)));
    return buf;
}

// Waits until the box ends with the marker line; the time its final length was first seen, or a
// negative number when it never came. Only the length is polled: the text is fetched once the
// length stays put (the output paused or ended). (EM_GETLINE would be cheaper, but Wine 8 answers
// it across processes with far more than the line and the program's window thread dies of it.)
double wait_for_marker(const RemoteProgram& program, HWND box, const std::wstring& marker,
                       double start, double timeout_s) {
    const std::wstring end = L"\r\n" + marker + L"\r\n";
    long last = -1;
    double changed_at = start;
    bool checked = false;
    while (now_s() - start < timeout_s && program.running()) {
        const long len = length_of(box);
        const double at = now_s();
        if (len != last) {
            last = len;
            changed_at = at;
            checked = false;
        } else if (!checked) {
            const std::wstring text = full_text(box);
            if (text.size() >= end.size() &&
                text.compare(text.size() - end.size(), end.size(), end) == 0) {
                return changed_at;
            }
            checked = true;
        }
        Sleep(kPollEveryMs);
    }
    return -1;
}

// The window's answer time to WM_NULL, sampled every kProbeEveryMs on its own thread.
class ResponsivenessProbe {
  public:
    explicit ResponsivenessProbe(HWND window)
        : thread_([this, window] {
              while (!stop_) {
                  const double start = now_s();
                  DWORD_PTR r = 0;
                  const bool answered =
                      SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &r) != 0;
                  const double ms = (now_s() - start) * 1000;
                  if (!answered) ++timeouts_;
                  ++samples_;
                  if (ms > max_ms_) max_ms_ = ms;
                  Sleep(kProbeEveryMs);
              }
          }) {}
    ~ResponsivenessProbe() { finish(); }
    void finish() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
    }
    double max_ms() const { return max_ms_; }
    int samples() const { return samples_; }
    int timeouts() const { return timeouts_; }

  private:
    std::atomic<bool> stop_{false};
    std::atomic<double> max_ms_{0};
    std::atomic<int> samples_{0};
    std::atomic<int> timeouts_{0};
    std::thread thread_;
};

// What the test child writes: a pattern that repeats with the period of `line`.
struct Output {
    const char* command;
    std::wstring line;
};

Output output_of(const std::string& mode) {
    if (mode == "lines") {
        std::wstring line;
        for (int i = 0; i < 98; ++i) line.push_back(static_cast<wchar_t>(L'0' + i % 10));
        return {"lines", line + L"\r\n"};
    }
    return {"burst", L"0123456789"};
}

// The box after `bytes` of output: a piece of the pattern that ends where the output ended, then
// the marker line. Returns the piece's length, or -1 with the reason in `why`.
long check_tail(const std::wstring& text, const Output& output, long bytes,
                const std::wstring& marker, std::string& why) {
    const std::wstring end = L"\r\n" + marker + L"\r\n";
    if (text.size() < end.size() || text.compare(text.size() - end.size(), end.size(), end) != 0) {
        why = "does not end with the marker line";
        return -1;
    }
    const std::size_t piece = text.size() - end.size();
    const long period = static_cast<long>(output.line.size());
    for (std::size_t i = 0; i < piece; ++i) {
        const long at = bytes - static_cast<long>(piece - i);  // position in the output
        if (at < 0 || text[i] != output.line[static_cast<std::size_t>(at % period)]) {
            why = "character " + std::to_string(i) + " is out of the pattern";
            return -1;
        }
    }
    return static_cast<long>(piece);
}

struct Run {
    double seconds = 0;
    double cpu = -1;
    double max_answer_ms = 0;
    int samples = 0;
    int timeouts = 0;
    long tail = -1;
    std::string why;
};

bool wait_status(RemoteProgram& program, std::string_view gbk, DWORD timeout_ms) {
    const HWND bar = program.control(table(), "状态条1");
    return wait_for([&] { return program.status_text(bar, 1) == to_wide(gbk); }, timeout_ms);
}

int bench(const std::string& mode, long bytes, int runs) {
    const Output output = output_of(mode);
    TestJavaRuntime java(env(L"CW_TEST_CHILD"));
    ProgramFolder folder;
    const int port = prepare_server_port(folder);
    use_dead_ip_echo();
    if (!java.ready() || port < 0) {
        std::fprintf(stderr, "no fake Java runtime (CW_TEST_CHILD) or no settings file\n");
        return 1;
    }
    RemoteProgram program;
    if (!program.start(env(L"CW_PROGRAM"), folder.path()) ||
        !program.wait_main_window(table(), kStartTimeoutMs)) {
        std::fprintf(stderr, "Cubeworks.exe did not show its window\n");
        return 1;
    }
    const HWND window = program.main_window();
    const CpuClock cpu(program.process(), folder.path() + L"\\Cubeworks.exe");
    const HWND console = program.control(table(), "编辑框_回显文本");
    click(program.control(table(), "按钮1"));
    if (!wait_status(program, "服务器已开启", kTimeoutMs)) {
        std::fprintf(stderr, "the (fake) server did not start\n");
        return 1;
    }
    Sleep(500);

    std::printf("Console throughput through the window: \"%s %ld\", %d runs, CPU time from %s\n",
                output.command, bytes, runs, cpu.source());
    std::vector<Run> results;
    for (int i = 1; i <= runs; ++i) {
        const std::wstring marker = L"burst done " + std::to_wstring(i);
        Run run;
        set_text_of(program.control(table(), "编辑框2"),
                    to_wide(output.command) + L" " + std::to_wstring(bytes) + L" " + marker);
        const double cpu_before = cpu.seconds();
        ResponsivenessProbe probe(window);
        const double start = now_s();
        click(program.control(table(), "按钮3"));
        const double done =
            wait_for_marker(program, console, marker, start, kBurstTimeoutMs / 1000.0);
        const bool seen = done >= 0;
        run.seconds = (seen ? done : now_s()) - start;
        const double cpu_after = cpu.seconds();
        probe.finish();
        if (cpu_before >= 0 && cpu_after >= 0) run.cpu = cpu_after - cpu_before;
        run.max_answer_ms = probe.max_ms();
        run.samples = probe.samples();
        run.timeouts = probe.timeouts();
        if (!program.running()) {
            run.why = "gone: Cubeworks.exe ended during the run";
        } else if (!seen) {
            run.why = "never showed the marker (time-out, or cleared right after it)";
        } else {
            run.tail = check_tail(full_text(console), output, bytes, marker, run.why);
        }
        std::printf(
            "run %d: %.2f s, %.2f MB/s, manager CPU %s, window answer max %.0f ms "
            "(%d samples, %d unanswered), box %s\n",
            i, run.seconds, bytes / 1e6 / run.seconds,
            run.cpu < 0 ? "unknown"
                        : (std::to_string(static_cast<int>(run.cpu * 1000)) + " ms (" +
                           std::to_string(static_cast<int>(100 * run.cpu / run.seconds)) + "%)")
                              .c_str(),
            run.max_answer_ms, run.samples, run.timeouts,
            run.tail >= 0
                ? ("holds a consistent " + std::to_string(run.tail) + "-byte tail").c_str()
                : run.why.c_str());
        std::fflush(stdout);
        results.push_back(run);
        if (!seen) break;
    }

    click(program.control(table(), "按钮2"));
    wait_status(program, "服务器已关闭", kTimeoutMs);
    PostMessageW(window, WM_CLOSE, 0, 0);
    program.wait_exit(kTimeoutMs);

    std::vector<double> rates;
    bool all_good = true;
    for (const Run& r : results) {
        rates.push_back(bytes / 1e6 / r.seconds);
        all_good = all_good && r.tail >= 0;
    }
    std::sort(rates.begin(), rates.end());
    if (!rates.empty()) {
        std::printf("median %.2f MB/s (MB = 10^6 bytes), goal 1 MB/s: %s\n",
                    rates[rates.size() / 2], rates[rates.size() / 2] >= 1.0 ? "met" : "NOT met");
    }
    return all_good && static_cast<int>(results.size()) == runs ? 0 : 1;
}

// Polls `shown` every 2 ms until it holds; the seconds from `t0`, or -1 on time-out.
template <class F>
double seconds_until(F shown, double t0) {
    while (!shown()) {
        if (now_s() - t0 > kStartTimeoutMs / 1000.0) return -1;
        Sleep(2);
    }
    return now_s() - t0;
}

double median_of(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? -1.0 : v[v.size() / 2];
}

// The time from starting a bare window program (bare_window.exe beside the bench) to its window
// shown, started as Cubeworks.exe is: copied into a program folder and started there.
double bare_window_start() {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring bare = self;
    bare = bare.substr(0, bare.find_last_of(L'\\') + 1) + L"bare_window.exe";
    ProgramFolder folder;
    RemoteProgram program;
    const double t0 = now_s();
    if (!program.start(bare, folder.path())) return -1;
    const double shown = seconds_until([&] { return !program.visible_windows().empty(); }, t0);
    for (HWND w : program.visible_windows()) PostMessageW(w, WM_CLOSE, 0, 0);
    program.wait_exit(kTimeoutMs);
    return shown;
}

// Start-up and idle: the time from starting Cubeworks.exe to its main window shown (a first
// start, which deploys the workspace and writes the server jar, then starts in the same folder),
// beside the same for a bare window program in the same session, and the manager's CPU time
// while it sits idle with its CPU load timer ticking. "Shown" is visible and answering: the
// window's title is read with a message its thread must answer. Then the time until every
// control of the window is built (the window says so), which comes just after showing.
int bench_startup(int runs, int idle_seconds) {
    TestJavaRuntime java(env(L"CW_TEST_CHILD"));
    std::printf("Start-up to the main window shown, %d runs; then %d s idle\n", runs, idle_seconds);
    std::vector<double> first, again, bare, first_complete, again_complete;
    double idle_cpu = -1;
    bare_window_start();  // Wine's first start of a program loads its own libraries
    for (int i = 0; i < runs; ++i) {
        ProgramFolder folder;
        if (prepare_server_port(folder) < 0) return 1;
        for (int start = 0; start < 2; ++start) {
            const double b = bare_window_start();
            if (b < 0) {
                std::fprintf(stderr, "the bare window program did not show its window\n");
                return 1;
            }
            bare.push_back(b);
            RemoteProgram program;
            const double t0 = now_s();
            const double shown =
                program.start(env(L"CW_PROGRAM"), folder.path())
                    ? seconds_until([&] { return !program.windows_of(table()).empty(); }, t0)
                    : -1;
            // The controls of the pages not shown at start are built just after the window shows.
            const double complete =
                shown < 0
                    ? -1
                    : seconds_until(
                          [&] {
                              const auto windows = program.windows_of(table());
                              return !windows.empty() &&
                                     GetPropW(windows.front(), win32::kCompleteProperty) != nullptr;
                          },
                          t0);
            if (complete < 0 || !program.wait_main_window(table(), kStartTimeoutMs)) {
                std::fprintf(stderr, "Cubeworks.exe did not show its window\n");
                return 1;
            }
            (start == 0 ? first : again).push_back(shown);
            (start == 0 ? first_complete : again_complete).push_back(complete);
            if (start == 1 && i == runs - 1 && idle_seconds > 0) {
                const CpuClock cpu(program.process(), folder.path() + L"\\Cubeworks.exe");
                Sleep(1000);
                const double before = cpu.seconds();
                Sleep(static_cast<DWORD>(idle_seconds) * 1000);
                const double after = cpu.seconds();
                if (before >= 0 && after >= 0) idle_cpu = after - before;
            }
            PostMessageW(program.main_window(), WM_CLOSE, 0, 0);
            program.wait_exit(kTimeoutMs);
        }
    }
    const double bare_ms = 1000 * median_of(bare);
    const double first_ms = 1000 * median_of(first);
    const double again_ms = 1000 * median_of(again);
    std::printf("bare window program: median %.0f ms (fastest %.0f, slowest %.0f)\n", bare_ms,
                1000 * *std::min_element(bare.begin(), bare.end()),
                1000 * *std::max_element(bare.begin(), bare.end()));
    std::printf(
        "first start (deploys the folder): median %.0f ms, %.2f times the bare window "
        "(goal 2.5: %s)\n",
        first_ms, first_ms / bare_ms, first_ms <= 2.5 * bare_ms ? "met" : "NOT met");
    std::printf("later start: median %.0f ms, %.2f times the bare window (goal 2: %s)\n", again_ms,
                again_ms / bare_ms, again_ms <= 2 * bare_ms ? "met" : "NOT met");
    std::printf(
        "every control built (the pages not shown at start after showing): first start "
        "median %.0f ms, later start %.0f ms\n",
        1000 * median_of(first_complete), 1000 * median_of(again_complete));
    if (idle_cpu >= 0) {
        std::printf("idle for %d s: manager CPU %.0f ms (%.2f%% of one core)\n", idle_seconds,
                    1000 * idle_cpu, 100 * idle_cpu / idle_seconds);
    }
    return 0;
}

}  // namespace
}  // namespace cw::gui

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "burst";
    if (mode == "startup") {
        return cw::gui::bench_startup(argc > 2 ? std::atoi(argv[2]) : 5,
                                      argc > 3 ? std::atoi(argv[3]) : 30);
    }
    const long bytes = argc > 2 ? std::atol(argv[2]) : 5000000;
    const int runs = argc > 3 ? std::atoi(argv[3]) : 3;
    return cw::gui::bench(mode, bytes, runs);
}
