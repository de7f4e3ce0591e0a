#include "platform/child_process.h"

#include <thread>

namespace cw {

void ChildRun::sleep_ms(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

bool ChildProcess::start(const std::string& command_line, const std::string& working_dir,
                         int show_mode) {
    std::shared_ptr<ChildRun> run = platform_.start_child(command_line, working_dir, show_mode);
    const bool created = run && run->process_id() != 0;
    std::lock_guard lock(mutex_);
    run_ = std::move(run);
    return created;
}

std::shared_ptr<ChildRun> ChildProcess::current() const {
    std::lock_guard lock(mutex_);
    return run_;
}

bool ChildProcess::write_line(std::string_view text) {
    auto run = current();
    return run && run->write_line(text);
}

bool ChildProcess::is_alive() {
    auto run = current();
    return run && run->is_alive();
}

std::uint32_t ChildProcess::process_id() {
    auto run = current();
    return run ? run->process_id() : 0;
}

std::string ChildProcess::read(std::size_t max_bytes) {
    auto run = current();
    return run ? run->read(max_bytes) : std::string();
}

}  // namespace cw
