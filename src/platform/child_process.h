#pragma once
// The one child-process object of the program, reused by every launch: it starts each child
// through the platform and keeps the current run.
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "platform/child_run.h"
#include "platform/platform.h"

namespace cw {

class ChildProcess {
  public:
    // Children are started by the platform's start_child.
    explicit ChildProcess(Platform& platform) : platform_(platform) {}

    // Starts a new child; the previous run's handles are released by this object (threads
    // that still follow the previous run keep it until they end). True when created.
    bool start(const std::string& command_line, const std::string& working_dir, int show_mode);

    // The current run (null before the first start).
    std::shared_ptr<ChildRun> current() const;

    bool write_line(std::string_view text);
    bool is_alive();
    std::uint32_t process_id();
    std::string read(std::size_t max_bytes);

  private:
    Platform& platform_;
    mutable std::mutex mutex_;
    std::shared_ptr<ChildRun> run_;
};

}  // namespace cw
