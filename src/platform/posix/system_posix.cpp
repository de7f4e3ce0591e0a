// System counters from the clock and /proc/stat, and the process environment.
#include <time.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/posix/posix_handles.h"

namespace cw::posix {

namespace {

constexpr std::int64_t kUnitsPerSecond = 10000000;  // 100-nanosecond units

}  // namespace

std::optional<std::int64_t> system_time() {
    timespec now{};
    if (clock_gettime(CLOCK_REALTIME, &now) != 0) return std::nullopt;
    return std::int64_t{now.tv_sec} * kUnitsPerSecond + now.tv_nsec / 100;
}

std::optional<std::int64_t> idle_time() {
    // "cpu  user nice system idle ...": the idle ticks of all processors together.
    std::ifstream stat("/proc/stat");
    std::string line;
    if (!std::getline(stat, line) || line.rfind("cpu ", 0) != 0) return std::nullopt;
    std::istringstream fields(line.substr(4));
    long long user = 0, nice = 0, system = 0, idle = 0;
    if (!(fields >> user >> nice >> system >> idle)) return std::nullopt;
    const long ticks_per_second = sysconf(_SC_CLK_TCK);
    if (ticks_per_second <= 0) return std::nullopt;
    return idle * (kUnitsPerSecond / ticks_per_second);
}

std::string environment_variable(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    return value ? value : "";
}

int processor_count() {
    const long n = sysconf(_SC_NPROCESSORS_ONLN);
    return n > 0 ? static_cast<int>(n) : 1;
}

}  // namespace cw::posix
