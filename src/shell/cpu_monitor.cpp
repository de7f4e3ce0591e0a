#include "shell/cpu_monitor.h"

#include <cmath>
#include <cstdlib>

#include "ui/main_window_controls.h"

// The load's percent is truncated, so the last bit of a double decides it: a build that computes
// in x87 extended precision shows 9 where the load is 10.
#if defined(__i386__) && !defined(__SSE2_MATH__)
#error "build 32-bit code with -msse2 -mfpmath=sse (see cmake/mingw-i686.cmake)"
#endif

namespace cw::shell {

namespace {

constexpr double kSmallestTimeDelta = 1e-7;

double processor_count(Platform& platform) {
    const std::string text = platform.environment_variable("NUMBER_OF_PROCESSORS");
    const double count = std::strtod(text.c_str(), nullptr);
    // Missing, empty, 0 or nonsense would divide by zero or turn the load around.
    if (count > 0 && std::isfinite(count)) return count;
    return platform.processor_count() > 0 ? platform.processor_count() : 1;
}

}  // namespace

int sample_cpu_load(CpuLoadSamples& samples, Platform& platform) {
    const auto now = platform.system_time();
    if (!now) return -1;
    const auto idle = platform.idle_time();
    if (!idle) return -1;
    const double idle_time = static_cast<double>(*idle);
    const double sample_time = static_cast<double>(*now);
    const double idle_delta = idle_time - samples.last_idle_time;
    const double time_delta = sample_time - samples.last_sample_time;
    const double idle_ratio =
        std::fabs(time_delta) > kSmallestTimeDelta ? idle_delta / time_delta : 0;
    const double processors = processor_count(platform);
    samples.last_idle_time = idle_time;
    samples.last_sample_time = sample_time;
    // Counters that run backwards or jump would leave the 0..100 range (and a value past the
    // integer range has no integer at all).
    const double load = 100.0 - idle_ratio * 100.0 / processors;
    return static_cast<int>(std::fmin(100.0, std::fmax(0.0, load)));
}

void show_cpu_load(CpuLoadSamples& samples, Platform& platform, Controls& ui) {
    ui.set_progress(main_window::kCpuBar, sample_cpu_load(samples, platform));
}

}  // namespace cw::shell
