#pragma once
// The system services the logic needs beyond files. The win32 side is the product; the posix
// side lets the whole logic run natively against a real JVM; tests substitute fakes.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/child_run.h"

namespace cw {

// One row of the machine's TCP tables.
struct TcpConnection {
    std::string local_address;     // dotted decimal, bytes in stored order
    std::string remote_address;    // same form
    std::int32_t local_port = 0;   // host order
    std::int32_t remote_port = 0;  // host order
    std::uint32_t owner_pid = 0;   // 0 for connections without an owner
    std::int32_t tcp_state = 0;    // MIB_TCP_STATE: 2 listening, 5 established, ...
};

class Platform {
  public:
    virtual ~Platform() = default;

    // Starts a child process with redirected standard input, output and error: command line
    // (Windows rules: the executable first, quoted when it has blanks), working directory, show
    // mode (a ShowWindow code). Never null: a failed creation gives a run that is not alive and
    // reads nothing.
    virtual std::shared_ptr<ChildRun> start_child(const std::string& command_line,
                                                  const std::string& working_dir,
                                                  int show_mode) = 0;

    // The machine's TCP connections with their owners: the IPv4 table, then the IPv6 one, each
    // in the system table's order.
    virtual std::vector<TcpConnection> list_tcp_connections() = 0;
    // Ends a process by id with exit code 0; failures are silent.
    virtual void terminate_process(std::uint32_t pid) = 0;

    // Registry access (empty text on systems without a registry).
    virtual bool is_64bit_windows() = 0;
    virtual std::string read_registry_text_64(const std::string& root, const std::string& key,
                                              const std::string& value) = 0;
    virtual std::string read_registry_text_32(const std::string& root, const std::string& key,
                                              const std::string& value) = 0;

    // HTTP GET of http://host:port/path; the body, or empty text on any failure, error status
    // or time-out. The whole request, name resolution included, ends within `timeout_ms`.
    virtual std::string http_get(const std::string& host, int port, const std::string& path,
                                 int timeout_ms) = 0;

    // First IPv4 address the local host name resolves to, dotted; empty when none.
    virtual std::string lan_address() = 0;

    // System counters, in 100-nanosecond units: the current system time (the time-of-day
    // information) and the idle time of all processors together (the performance information);
    // nothing when the system query fails.
    virtual std::optional<std::int64_t> system_time() = 0;
    virtual std::optional<std::int64_t> idle_time() = 0;
    // A variable of this process's environment; empty when unset.
    virtual std::string environment_variable(const std::string& name) = 0;
    // The number of processors the system reports (at least 1).
    virtual int processor_count() = 0;
    // Replaces the clipboard's content with the GBK text, as ANSI text and as Unicode text, so
    // that pasting works whatever the system's code page. False when the clipboard could not
    // be opened (or the system has none).
    virtual bool set_clipboard_text(const std::string& text) = 0;
    // Hands a web address to the system shell's "open" verb (the default browser) without
    // waiting for it; false when the system has no shell to ask.
    virtual bool open_url(const std::string& url) = 0;
};

// The real services of the platform this program was built for.
std::unique_ptr<Platform> make_system_platform();

}  // namespace cw
