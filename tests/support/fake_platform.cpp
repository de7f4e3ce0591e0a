#include "support/fake_platform.h"

#include <thread>

namespace cw::test {

void FakeChildRun::push_output(std::string chunk) {
    std::lock_guard lock(mutex_);
    output_.push_back(std::move(chunk));
    cv_.notify_all();
}

void FakeChildRun::exit() {
    std::lock_guard lock(mutex_);
    alive_ = false;
    cv_.notify_all();
}

std::string FakeChildRun::written() {
    std::lock_guard lock(mutex_);
    return written_;
}

int FakeChildRun::reads_waiting() {
    std::lock_guard lock(mutex_);
    return waiting_;
}

bool FakeChildRun::write_line(std::string_view text) {
    std::lock_guard lock(mutex_);
    if (!alive_) return false;
    written_.append(text);
    written_.append("\r\n");
    return true;
}

bool FakeChildRun::is_alive() {
    std::lock_guard lock(mutex_);
    return alive_;
}

std::string FakeChildRun::read(std::size_t max_bytes) {
    std::unique_lock lock(mutex_);
    ++waiting_;
    cv_.wait(lock, [this] { return !output_.empty() || !alive_; });
    --waiting_;
    if (output_.empty()) return {};
    std::string chunk = std::move(output_.front());
    output_.pop_front();
    if (chunk.size() > max_bytes) {
        output_.push_front(chunk.substr(max_bytes));
        chunk.resize(max_bytes);
    }
    const auto zero = chunk.find('\0');
    if (zero != std::string::npos) chunk.resize(zero);
    return chunk;
}

bool FakeChildRun::terminate() {
    std::lock_guard lock(mutex_);
    terminated_ = true;
    alive_ = false;
    cv_.notify_all();
    return true;
}

bool FakeChildRun::terminated() {
    std::lock_guard lock(mutex_);
    return terminated_;
}

std::vector<StartedChild> FakePlatform::started() {
    std::lock_guard lock(mutex_);
    return started_;
}

std::shared_ptr<FakeChildRun> FakePlatform::last_child() {
    std::lock_guard lock(mutex_);
    return started_.empty() ? nullptr : started_.back().run;
}

std::shared_ptr<ChildRun> FakePlatform::start_child(const std::string& command_line,
                                                    const std::string& working_dir,
                                                    int show_mode) {
    std::lock_guard lock(mutex_);
    auto run = std::make_shared<FakeChildRun>(child_start_fails ? 0 : next_pid_++);
    if (child_start_fails) run->exit();
    started_.push_back({command_line, working_dir, show_mode, run});
    return run;
}

std::string FakePlatform::read_registry_text_64(const std::string&, const std::string& key,
                                                const std::string& value) {
    auto it = registry64.find(key + "|" + value);
    return it == registry64.end() ? std::string() : it->second;
}

std::string FakePlatform::read_registry_text_32(const std::string&, const std::string& key,
                                                const std::string& value) {
    auto it = registry32.find(key + "|" + value);
    return it == registry32.end() ? std::string() : it->second;
}

std::string FakePlatform::http_get(const std::string& host, int port, const std::string& path,
                                   int timeout_ms) {
    {
        std::lock_guard lock(mutex_);
        http_requests.push_back(host + ":" + std::to_string(port) + path);
    }
    if (http_silent) {
        http_waiting = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(timeout_ms));
        http_waiting = false;
        return {};
    }
    std::lock_guard lock(mutex_);
    return http_body;
}

}  // namespace cw::test
