#pragma once
// One console program run as a child process whose standard input, output and error are
// pipes held by the manager. Every launch gets its own ChildRun (its own pipes, handles and
// reader threads), so a restart never mixes one child's output or exit with the next one's.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace cw {

// One started child. Implemented by each platform side and by test fakes.
class ChildRun {
  public:
    virtual ~ChildRun() = default;
    // Writes text + "\r\n" in one write; true when written.
    virtual bool write_line(std::string_view text) = 0;
    // True exactly while this child runs (answered from the process handle, never the id).
    virtual bool is_alive() = 0;
    virtual std::uint32_t process_id() = 0;
    // Waits for output and returns at most `max_bytes` of it, cut at the first zero byte.
    // Empty on a failed read and at end of output (the child has gone and the pipe is drained).
    virtual std::string read(std::size_t max_bytes) = 0;
    // Ends this child (exit code 0); never touches another process.
    virtual bool terminate() = 0;
    // Waits until this child has gone (a negative time-out waits for good); true once it has.
    // The sides wait on the process itself; this default looks every 50 ms.
    virtual bool wait_exit(int timeout_ms) {
        for (int waited = 0; is_alive(); waited += kExitPollMs) {
            if (timeout_ms >= 0 && waited >= timeout_ms) return false;
            sleep_ms(kExitPollMs);
        }
        return true;
    }

  private:
    static constexpr int kExitPollMs = 50;
    static void sleep_ms(int ms);
};

}  // namespace cw
