#pragma once
// The background threads of the launches (console reader, exit watcher). They are detached and
// never joined; the count lets an orderly shutdown, and every test, wait until none of them
// touches the program's state any more.
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

namespace cw {

class BackgroundThreads {
  public:
    // Runs `body` on a new detached thread, counted until `body` has returned and been destroyed.
    void spawn(std::function<void()> body);

    // Waits until no counted thread runs; false when `timeout_ms` passed first.
    bool wait_idle(int timeout_ms);

    int running() const;

  private:
    // Shared with every thread, so that the last one can still signal after the owner is gone.
    struct Count {
        std::mutex mutex;
        std::condition_variable idle;
        int running = 0;
    };
    std::shared_ptr<Count> count_ = std::make_shared<Count>();
};

// Set once by one thread, awaited by others.
class DoneFlag {
  public:
    void set();
    // True once set; false when `timeout_ms` passed first.
    bool wait(int timeout_ms);

  private:
    std::mutex mutex_;
    std::condition_variable set_;
    bool done_ = false;
};

}  // namespace cw
