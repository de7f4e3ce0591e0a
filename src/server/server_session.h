#pragma once
// The one record of the one game server the program runs.
#include <atomic>
#include <cstdint>
#include <mutex>

#include "platform/child_process.h"
#include "server/background_threads.h"

namespace cw {

enum class ServerState : std::int16_t { Stopped = 0, Starting = 1, Running = 2 };

struct ServerSession {
    explicit ServerSession(Platform& platform) : process(platform) {}

    // Written whole by the window thread, the console reader and the exit watcher.
    std::atomic<ServerState> state{ServerState::Stopped};
    // Maximum Java heap in MiB for the next launch; 0 means no heap option. Only the launcher
    // settings' save action writes it.
    std::int32_t memory_mb = 0;
    // The child-process object, reused by every launch.
    ChildProcess process;
    // Taken by a launch while it switches to its new child and sets Starting, and by the
    // background threads while they check that their child is still the current one and move
    // the state: a thread of an earlier launch never moves the state of the next one.
    std::mutex transition;
    // The console readers and exit watchers of all launches.
    BackgroundThreads threads;
};

}  // namespace cw
