#pragma once
// Event tables: each row binds one (source, event) of a window to the handler that serves it.
// The windows look their events up here; nothing else decides which handler runs.
#include <span>
#include <string_view>

namespace cw {

struct AppState;

enum class UiEvent {
    Created,         // the window and its controls exist; runs before the window takes input
    CloseRequested,  // close box or system menu: the guard decides
    Moved,           // position or state changed (minimising moves a window too)
    TrayIcon,        // a mouse action on the window's tray icon, as an operation type
    Clicked,         // button, check box
    TimerTick,       // a timer's period elapsed
    RightClick,      // list views
    MenuChosen,      // menu bar and pop-up menu entries: source is the menu, entry the caption
};

using EventHandler = void (*)(AppState&);
using CloseGuard = bool (*)(AppState&);                  // true: the window may close
using TrayHandler = void (*)(AppState&, int operation);  // 1 click, 2 double-click, 3 right

struct EventBinding {
    std::string_view source;  // control, window or menu name
    std::string_view entry;   // menu entry caption for MenuChosen, "" otherwise
    UiEvent event;
    EventHandler handler = nullptr;
    CloseGuard guard = nullptr;  // CloseRequested only
    TrayHandler tray = nullptr;  // TrayIcon only
};

// The binding of (source, entry, event); nullptr when the table has none.
inline const EventBinding* find_event(std::span<const EventBinding> table, std::string_view source,
                                      std::string_view entry, UiEvent event) {
    for (const EventBinding& e : table) {
        if (e.event == event && e.source == source && e.entry == entry) return &e;
    }
    return nullptr;
}

}  // namespace cw
