#include <windows.h>

#include "platform/clock.h"

namespace cw {

std::int64_t monotonic_ms() {
    return static_cast<std::int64_t>(::GetTickCount64());
}

}  // namespace cw
