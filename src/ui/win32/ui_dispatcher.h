#pragma once
// The one road from any thread to the window thread.
//
// Work queued here runs on the window thread, in the order it was queued, when that thread's
// message loop (or any modal loop: message box, menu, file dialog) picks up kMsgDispatch at the
// dispatcher's own message-only window. A message is posted only when none is pending; it starts
// a turn that runs, one item at a time, what was queued when the turn began. Work queued during a
// turn gets the next one by a timer, whose message comes after input and painting: the window
// answers and draws between turns however fast the background threads queue.
//
// - Changes (post) return once queued. The queue is bounded: a background thread waits while
//   it is full, so a slow window thread slows the producers down instead of piling work up.
// - Reads (ask/call) wait for their answer, which therefore reflects every change queued before.
//   A waiting thread holds no lock the window thread needs.
// - On the window thread itself everything runs at once, after the work already queued.
// - Console appends to the same box that follow each other in the queue merge into one batch,
//   so the window thread inserts all text pending since its last turn in one go.
// - After shut_down (the program's window is gone) work from other threads is dropped and reads
//   answer default values.
#include <windows.h>

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace cw::win32 {

class UiDispatcher {
  public:
    // Applies one console batch: the text of consecutive appends to the box `name`, with the
    // end offset of each append inside `text`.
    using ConsoleSink = std::function<void(const std::string& name, std::string_view text,
                                           std::span<const std::size_t> chunk_ends)>;

    // Must be created on the window thread.
    explicit UiDispatcher(ConsoleSink sink, std::size_t max_items = 256,
                          std::size_t max_console_bytes = std::size_t{1} << 20);
    ~UiDispatcher();
    UiDispatcher(const UiDispatcher&) = delete;
    UiDispatcher& operator=(const UiDispatcher&) = delete;

    bool on_window_thread() const { return GetCurrentThreadId() == thread_; }

    void post(std::function<void()> change);
    void call(const std::function<void()>& work);  // returns when the work has run
    template <class F>
    auto ask(F&& read) -> std::invoke_result_t<F&> {
        std::invoke_result_t<F&> result{};
        call([&] { result = read(); });
        return result;
    }
    void post_console(std::string_view name, std::string_view text);

    // Window thread: runs everything queued so far.
    void drain();
    void shut_down();

  private:
    struct Item {
        std::function<void()> work;  // empty for a console batch
        std::string console;         // console batch: the box
        std::string text;
        std::vector<std::size_t> ends;
        bool* done = nullptr;  // set when a waiting caller may go on
    };

    static LRESULT CALLBACK window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void wake();                                            // caller holds mutex_
    bool room_for(std::size_t bytes, bool new_item) const;  // caller holds mutex_
    void run(Item& item);

    DWORD thread_;
    HWND window_ = nullptr;
    ConsoleSink sink_;
    const std::size_t max_items_;
    const std::size_t max_bytes_;

    std::mutex mutex_;
    std::condition_variable space_;
    std::condition_variable done_;
    std::deque<Item> queue_;
    std::size_t pending_bytes_ = 0;
    bool posted_ = false;
    bool closed_ = false;
};

}  // namespace cw::win32
