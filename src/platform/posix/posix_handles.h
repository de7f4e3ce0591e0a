#pragma once
// Owned file descriptors, and the pieces the posix side's files share.
#include <unistd.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/unique_handle.h"
#include "platform/platform.h"

namespace cw::posix {

struct FdTraits {
    using Type = int;
    static int invalid() { return -1; }
    static void close(int fd) { ::close(fd); }
};
using UniqueFd = UniqueHandle<FdTraits>;

// Child processes (child_posix.cpp): `command_line` split by the Windows rules, started with
// `working_dir` made the current directory. Never null; a failed start gives a run with
// process id 0.
std::shared_ptr<ChildRun> start_child(const std::string& command_line,
                                      const std::string& working_dir);
void terminate_process(std::uint32_t pid);

// Registry: the posix side has none (registry_posix.cpp).
bool is_64bit_windows();
std::string read_registry_text_64(const std::string& root, const std::string& key,
                                  const std::string& value);
std::string read_registry_text_32(const std::string& root, const std::string& key,
                                  const std::string& value);

// The TCP table from /proc and the LAN address (net_posix.cpp).
std::vector<TcpConnection> list_tcp_connections();
std::string lan_address();

// System counters and the process environment (system_posix.cpp).
std::optional<std::int64_t> system_time();
std::optional<std::int64_t> idle_time();
std::string environment_variable(const std::string& name);
int processor_count();

}  // namespace cw::posix
