// The system counters of this machine (the Wine build reads them through
// NtQuerySystemInformation) give loads the bar can show.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

#include "platform/platform.h"
#include "shell/cpu_monitor.h"

namespace cw {
namespace {

// (<chrono> does not build with the GBK execution character set of the Windows builds.)
void pause_ms(int ms) {
#ifdef _WIN32
    Sleep(ms);
#else
    usleep(ms * 1000);
#endif
}

TEST(SystemCounters, RealSamplesLieBetween0And100) {
    const auto platform = make_system_platform();
    ASSERT_TRUE(platform->system_time());
    ASSERT_TRUE(platform->idle_time());
    EXPECT_GE(platform->processor_count(), 1);
    shell::CpuLoadSamples samples;
    EXPECT_NE(shell::sample_cpu_load(samples, *platform), -1);
    for (int i = 0; i < 3; ++i) {
        pause_ms(300);
        const int load = shell::sample_cpu_load(samples, *platform);
        EXPECT_GE(load, 0);
        EXPECT_LE(load, 100);
    }
    // Time goes on between samples.
    const auto before = platform->system_time();
    pause_ms(50);
    EXPECT_GT(*platform->system_time(), *before);
}

}  // namespace
}  // namespace cw
