#pragma once
// The player list of the player window, filled from the companion plugin's snapshot.
//
// A refresh asks the plugin for a snapshot and then waits, without blocking the window, for the
// file to be rewritten after the request: the window's snapshot timer polls it. The rows show
// the snapshot that answers this request; when none comes within kSnapshotWaitMs, they show the
// newest whole snapshot there is. A file caught while the plugin rewrites it (missing, empty,
// cut short) is read again within the same bound and never shown half.
#include <cstdint>
#include <string>

#include "server/launcher_context.h"

namespace cw {

// How long a refresh waits for the snapshot it asked for, in milliseconds.
inline constexpr std::int64_t kSnapshotWaitMs = 2000;

// The one outstanding snapshot request.
struct PlayerListRefresh {
    bool waiting = false;
    std::int64_t deadline_ms = 0;  // monotonic_ms
    // The file as it was when the request was sent: a snapshot differing from it in write time
    // or content was written after the request.
    std::int64_t sent_stamp = 0;
    std::string sent_text;
};

// `now_ms` is the monotonic clock (platform/clock.h).
// Asks for a fresh snapshot while the server runs and the companion plugin is deployed; else
// does nothing (the list keeps its rows). A request made while one is awaited replaces it.
void refresh_player_list(LauncherContext& launcher, PlayerListRefresh& refresh,
                         std::int64_t now_ms);

// One tick of the snapshot timer: shows the awaited snapshot once it is there and whole, or
// at the deadline the newest whole one; then stops the timer.
void poll_player_snapshot(LauncherContext& launcher, PlayerListRefresh& refresh,
                          std::int64_t now_ms);

// Replaces the list's rows by those of a snapshot text (none selected afterwards).
void show_player_rows(Controls& ui, std::string_view snapshot_text);

}  // namespace cw
