#include "server/background_threads.h"

#include <thread>

namespace cw {

void BackgroundThreads::spawn(std::function<void()> body) {
    {
        std::lock_guard lock(count_->mutex);
        ++count_->running;
    }
    std::thread([count = count_, body = std::move(body)]() mutable {
        body();
        body = nullptr;  // what it captured goes before the thread counts as ended
        std::lock_guard lock(count->mutex);
        --count->running;
        count->idle.notify_all();
    }).detach();
}

bool BackgroundThreads::wait_idle(int timeout_ms) {
    std::unique_lock lock(count_->mutex);
    return count_->idle.wait_for(lock, std::chrono::milliseconds(timeout_ms),
                                 [this] { return count_->running == 0; });
}

int BackgroundThreads::running() const {
    std::lock_guard lock(count_->mutex);
    return count_->running;
}

void DoneFlag::set() {
    std::lock_guard lock(mutex_);
    done_ = true;
    set_.notify_all();
}

bool DoneFlag::wait(int timeout_ms) {
    std::unique_lock lock(mutex_);
    return set_.wait_for(lock, std::chrono::milliseconds(timeout_ms), [this] { return done_; });
}

}  // namespace cw
