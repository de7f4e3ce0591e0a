// The system services on Windows.
#include "platform/http_get.h"
#include "platform/platform.h"
#include "platform/win32/win32_handles.h"

namespace cw {

namespace {

class Win32Platform : public Platform {
  public:
    std::shared_ptr<ChildRun> start_child(const std::string& command_line,
                                          const std::string& working_dir, int show_mode) override {
        return win32::start_child(command_line, working_dir, show_mode);
    }
    void terminate_process(std::uint32_t pid) override { win32::terminate_process(pid); }

    std::vector<TcpConnection> list_tcp_connections() override {
        return win32::list_tcp_connections();
    }

    bool is_64bit_windows() override { return win32::is_64bit_windows(); }
    std::string read_registry_text_64(const std::string& root, const std::string& key,
                                      const std::string& value) override {
        return win32::read_registry_text_64(root, key, value);
    }
    std::string read_registry_text_32(const std::string& root, const std::string& key,
                                      const std::string& value) override {
        return win32::read_registry_text_32(root, key, value);
    }

    std::string http_get(const std::string& host, int port, const std::string& path,
                         int timeout_ms) override {
        return cw::http_get(host, port, path, timeout_ms);
    }
    std::string lan_address() override { return win32::lan_address(); }
    std::optional<std::int64_t> system_time() override { return win32::system_time(); }
    std::optional<std::int64_t> idle_time() override { return win32::idle_time(); }
    std::string environment_variable(const std::string& name) override {
        return win32::environment_variable(name);
    }
    int processor_count() override { return win32::processor_count(); }
    bool set_clipboard_text(const std::string& text) override {
        return win32::set_clipboard_text(text);
    }
    bool open_url(const std::string& url) override { return win32::open_url(url); }
};

}  // namespace

std::unique_ptr<Platform> make_system_platform() {
    return std::make_unique<Win32Platform>();
}

}  // namespace cw
