#include <time.h>

#include "platform/clock.h"

namespace cw {

std::int64_t monotonic_ms() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

}  // namespace cw
