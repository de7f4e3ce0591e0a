#include "ui/win32/ui_dispatcher.h"

#include "ui/win32/private_messages.h"

namespace cw::win32 {

namespace {

constexpr wchar_t kClassName[] = L"CubeworksDispatcher";
// Brings the next turn when work was queued during a turn.
constexpr UINT_PTR kNextTurnTimer = 1;

}  // namespace

UiDispatcher::UiDispatcher(ConsoleSink sink, std::size_t max_items, std::size_t max_console_bytes)
    : thread_(GetCurrentThreadId()),
      sink_(std::move(sink)),
      max_items_(max_items),
      max_bytes_(max_console_bytes) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = window_proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClassName;
    RegisterClassW(&wc);  // fails harmlessly when already registered
    window_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              wc.hInstance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

UiDispatcher::~UiDispatcher() {
    shut_down();
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

LRESULT CALLBACK UiDispatcher::window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kMsgDispatch || (msg == WM_TIMER && wp == kNextTurnTimer)) {
        if (msg == WM_TIMER) KillTimer(hwnd, kNextTurnTimer);
        auto* self = reinterpret_cast<UiDispatcher*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self) self->drain();
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

void UiDispatcher::wake() {
    if (!posted_) posted_ = PostMessageW(window_, kMsgDispatch, 0, 0) != FALSE;
}

bool UiDispatcher::room_for(std::size_t bytes, bool new_item) const {
    if (new_item && queue_.size() >= max_items_) return false;
    return pending_bytes_ == 0 || pending_bytes_ + bytes <= max_bytes_;
}

void UiDispatcher::post(std::function<void()> change) {
    if (on_window_thread()) {
        drain();
        change();
        return;
    }
    std::unique_lock lock(mutex_);
    space_.wait(lock, [&] { return closed_ || room_for(0, true); });
    if (closed_) return;
    queue_.push_back(Item{std::move(change), {}, {}, {}, nullptr});
    wake();
}

void UiDispatcher::call(const std::function<void()>& work) {
    if (on_window_thread()) {
        drain();
        work();
        return;
    }
    bool done = false;
    std::unique_lock lock(mutex_);
    space_.wait(lock, [&] { return closed_ || room_for(0, true); });
    if (closed_) return;
    queue_.push_back(Item{work, {}, {}, {}, &done});
    wake();
    done_.wait(lock, [&] { return done; });
}

void UiDispatcher::post_console(std::string_view name, std::string_view text) {
    if (on_window_thread()) {
        drain();
        const std::size_t end = text.size();
        sink_(std::string(name), text, std::span(&end, 1));
        return;
    }
    std::unique_lock lock(mutex_);
    auto mergeable = [&] {
        return !queue_.empty() && !queue_.back().work && queue_.back().console == name;
    };
    space_.wait(lock, [&] { return closed_ || room_for(text.size(), !mergeable()); });
    if (closed_) return;
    if (!mergeable()) queue_.push_back(Item{{}, std::string(name), {}, {}, nullptr});
    Item& batch = queue_.back();
    batch.text.append(text);
    batch.ends.push_back(batch.text.size());
    pending_bytes_ += text.size();
    wake();
}

void UiDispatcher::run(Item& item) {
    if (item.work) {
        item.work();
    } else {
        sink_(item.console, item.text, item.ends);
    }
}

void UiDispatcher::drain() {
    // One turn runs what was queued when it began. What other threads queue meanwhile waits for
    // the next turn, which a timer brings: its message ranks below input and painting, so that
    // output that never pauses cannot keep the window from answering and drawing.
    std::size_t turn = 0;
    {
        std::lock_guard lock(mutex_);
        turn = queue_.size();
    }
    for (; turn > 0; --turn) {
        Item item;
        {
            std::lock_guard lock(mutex_);
            if (queue_.empty()) break;  // shut down, or drained by a turn run from a modal loop
            item = std::move(queue_.front());
            queue_.pop_front();
            pending_bytes_ -= item.text.size();
        }
        space_.notify_all();
        run(item);
        if (item.done) {
            std::lock_guard lock(mutex_);
            *item.done = true;
            done_.notify_all();
        }
    }
    std::lock_guard lock(mutex_);
    posted_ = !queue_.empty() && SetTimer(window_, kNextTurnTimer, USER_TIMER_MINIMUM, nullptr);
}

void UiDispatcher::shut_down() {
    {
        std::lock_guard lock(mutex_);
        closed_ = true;
        for (Item& item : queue_) {
            if (item.done) *item.done = true;
        }
        queue_.clear();
        pending_bytes_ = 0;
    }
    space_.notify_all();
    done_.notify_all();
}

}  // namespace cw::win32
