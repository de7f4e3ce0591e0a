// The system services on Windows.
// clang-format off
#include <winsock2.h>  // first: iphlpapi.h needs its types
#include <iphlpapi.h>
// clang-format on

#include <vector>

#include "platform/platform.h"
#include "platform/tcp_table.h"
#include "platform/win32/win32_handles.h"

namespace cw {

namespace {

class Win32Platform : public Platform {
  public:
    std::shared_ptr<ChildRun> start_child(const std::string& command_line,
                                          const std::string& working_dir, int show_mode) override {
        return win32::start_child(command_line, working_dir, show_mode);
    }

    std::vector<TcpConnection> list_tcp_connections() override {
        // Size first, then one read into a zero-filled buffer of that size; if the table grew
        // in between, the read fails, the buffer stays zero and the list is empty.
        DWORD size = 0;
        ::GetExtendedTcpTable(nullptr, &size, FALSE, AF_INET, TCP_TABLE_OWNER_PID_ALL, 0);
        if (size == 0) return {};
        std::vector<unsigned char> table(size, 0);
        ::GetExtendedTcpTable(table.data(), &size, FALSE, AF_INET, TCP_TABLE_OWNER_PID_ALL, 0);
        return parse_tcp_table(table.data(), table.size());
    }

    void terminate_process(std::uint32_t pid) override {
        win32::UniqueHandle process(::OpenProcess(0x1F0FFF, FALSE, pid));
        if (process) ::TerminateProcess(process.get(), 0);
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
        return win32::http_get(host, port, path, timeout_ms);
    }
    std::string lan_address() override { return win32::lan_address(); }
};

}  // namespace

std::unique_ptr<Platform> make_system_platform() {
    return std::make_unique<Win32Platform>();
}

}  // namespace cw
