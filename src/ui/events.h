#pragma once
// Events of the windows and the tables that bind them to handlers. A window only reports its
// events to an EventSink; what runs is decided by the event table its owner binds to it, so the
// windows know nothing of the logic behind them.
#include <span>
#include <string_view>

namespace cw {

enum class UiEvent {
    Created,         // the window exists with the controls it shows at first; runs before it
                     // is shown and takes input
    Shown,           // just after the window first shows: every control exists; the work of
                     // the start that need not come before showing runs here
    CloseRequested,  // close box or system menu: the guard decides
    Moved,           // position or state changed (minimising moves a window too)
    TrayIcon,        // a mouse action on the window's tray icon, as an operation type
    Clicked,         // button, check box
    TimerTick,       // a timer's period elapsed
    RightClick,      // list views
    MenuChosen,      // menu bar and pop-up menu entries: source is the menu, entry the caption
    Changed,         // the content of an edit box changed (typed or set)
};

// Tray icon operations.
inline constexpr int kTrayClick = 1;
inline constexpr int kTrayDoubleClick = 2;
inline constexpr int kTrayRightClick = 3;

// Where a window reports what happened to it.
class EventSink {
  public:
    virtual ~EventSink() = default;
    // Runs what is bound to (source, entry, event); `operation` is the tray icon's operation.
    virtual void fire(std::string_view source, std::string_view entry, UiEvent event,
                      int operation = 0) = 0;
    // Asked on CloseRequested: true when the window may close (also when nothing guards it).
    virtual bool may_close(std::string_view window) = 0;
};

// One row of an event table: (source, entry, event) and the handler that serves it, over the
// state `Context` that the handlers work on. A handler is a function or a lambda without
// captures (which converts to the function pointer), so a row can name the operation it runs
// in place.
template <class Context>
struct EventBinding {
    using Handler = void (*)(Context&);
    using CloseGuard = bool (*)(Context&);                  // true: the window may close
    using TrayHandler = void (*)(Context&, int operation);  // kTrayClick, ...

    std::string_view source;  // control, window or menu name
    std::string_view entry;   // menu entry caption for MenuChosen, "" otherwise
    UiEvent event;
    Handler handler = nullptr;
    CloseGuard guard = nullptr;  // CloseRequested only
    TrayHandler tray = nullptr;  // TrayIcon only
};

// The binding of (source, entry, event); nullptr when the table has none.
template <class Context>
const EventBinding<Context>* find_event(std::span<const EventBinding<Context>> table,
                                        std::string_view source, std::string_view entry,
                                        UiEvent event) {
    for (const EventBinding<Context>& e : table) {
        if (e.event == event && e.source == source && e.entry == entry) return &e;
    }
    return nullptr;
}

// An event table bound to the state its handlers work on: what a window is given.
template <class Context>
class BoundEvents final : public EventSink {
  public:
    BoundEvents(Context& context, std::span<const EventBinding<Context>> table)
        : context_(context), table_(table) {}

    void fire(std::string_view source, std::string_view entry, UiEvent event,
              int operation) override {
        const EventBinding<Context>* b = find_event(table_, source, entry, event);
        if (!b) return;
        if (event == UiEvent::TrayIcon) {
            if (b->tray && operation != 0) b->tray(context_, operation);
        } else if (b->handler) {
            b->handler(context_);
        }
    }

    bool may_close(std::string_view window) override {
        const EventBinding<Context>* b = find_event(table_, window, "", UiEvent::CloseRequested);
        return !b || !b->guard || b->guard(context_);
    }

  private:
    Context& context_;
    std::span<const EventBinding<Context>> table_;
};

}  // namespace cw
