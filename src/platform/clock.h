#pragma once
// A monotonic clock in milliseconds (<chrono> is kept out of our sources: its text literals do
// not fit the GBK execution character set).
#include <cstdint>

namespace cw {

std::int64_t monotonic_ms();

}  // namespace cw
