#pragma once
// The machine's processor load, sampled once a second from two system counters for the load bar
// of the home page. It measures the whole machine, whether a game server runs or not.
#include "platform/platform.h"
#include "ui/controls.h"

namespace cw::shell {

// The previous sample, in 100-nanosecond units; both 0.0 at program start, changed only by a
// sample whose two queries both succeeded.
struct CpuLoadSamples {
    double last_idle_time = 0.0;
    double last_sample_time = 0.0;
};

// The load in percent (0 to 100), or -1 when a system query failed. The idle time counts every
// processor, so its share of the elapsed time is divided by the processor count
// ("NUMBER_OF_PROCESSORS", or the system's own count where that is missing, empty or not a
// positive number); the load is what remains of 100, truncated toward zero.
int sample_cpu_load(CpuLoadSamples& samples, Platform& platform);

// One tick of the timer 时钟1: the sample into the load bar 进度条1, -1 included.
void show_cpu_load(CpuLoadSamples& samples, Platform& platform, Controls& ui);

}  // namespace cw::shell
