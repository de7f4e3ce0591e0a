#pragma once
// Owned file descriptors and the child start of the posix side.
#include <unistd.h>

#include <memory>
#include <string>

#include "platform/child_process.h"
#include "platform/unique_handle.h"

namespace cw::posix {

struct FdTraits {
    using Type = int;
    static int invalid() { return -1; }
    static void close(int fd) { ::close(fd); }
};
using UniqueFd = UniqueHandle<FdTraits>;

// Starts `command_line` (split by the Windows rules) with `working_dir` made the current
// directory. Never null; a failed start gives a run with process id 0.
std::shared_ptr<ChildRun> start_child(const std::string& command_line,
                                      const std::string& working_dir);

}  // namespace cw::posix
