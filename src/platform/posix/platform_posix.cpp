// The system services on the posix side: the same behaviour as on Windows where the system
// has it (processes, TCP table, sockets), empty answers for the registry.
#include <signal.h>

#include "platform/http_get.h"
#include "platform/platform.h"
#include "platform/posix/posix_handles.h"

namespace cw {

namespace {

class PosixPlatform : public Platform {
  public:
    PosixPlatform() {
        // A write to a pipe or socket whose reader has gone must fail, not end the manager.
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        ::sigaction(SIGPIPE, &ignore, nullptr);
    }

    std::shared_ptr<ChildRun> start_child(const std::string& command_line,
                                          const std::string& working_dir, int) override {
        return posix::start_child(command_line, working_dir);
    }
    void terminate_process(std::uint32_t pid) override { posix::terminate_process(pid); }

    std::vector<TcpConnection> list_tcp_connections() override {
        return posix::list_tcp_connections();
    }

    bool is_64bit_windows() override { return posix::is_64bit_windows(); }
    std::string read_registry_text_64(const std::string& root, const std::string& key,
                                      const std::string& value) override {
        return posix::read_registry_text_64(root, key, value);
    }
    std::string read_registry_text_32(const std::string& root, const std::string& key,
                                      const std::string& value) override {
        return posix::read_registry_text_32(root, key, value);
    }

    std::string http_get(const std::string& host, int port, const std::string& path,
                         int timeout_ms) override {
        return cw::http_get(host, port, path, timeout_ms);
    }
    std::string lan_address() override { return posix::lan_address(); }
    std::optional<std::int64_t> system_time() override { return posix::system_time(); }
    std::optional<std::int64_t> idle_time() override { return posix::idle_time(); }
    std::string environment_variable(const std::string& name) override {
        return posix::environment_variable(name);
    }
    int processor_count() override { return posix::processor_count(); }
    // The native build runs the logic headless, without a desktop: there is no clipboard and
    // no shell to hand a web address to, and the callers are told so.
    bool set_clipboard_text(const std::string&) override { return false; }
    bool open_url(const std::string&) override { return false; }
};

}  // namespace

std::unique_ptr<Platform> make_system_platform() {
    return std::make_unique<PosixPlatform>();
}

}  // namespace cw
