#pragma once
// What the shell keeps for the whole run: the skin library's loader and the previous CPU load
// sample.
#include "platform/in_memory_module.h"
#include "shell/cpu_monitor.h"

namespace cw::shell {

struct ShellState {
    InMemoryModule skin_library;  // loaded at program entry, never unloaded
    CpuLoadSamples cpu;
};

}  // namespace cw::shell
