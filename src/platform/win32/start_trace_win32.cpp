#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "platform/start_trace.h"

namespace cw::start_trace {

namespace {

struct Trace {
    std::FILE* file = nullptr;
    LARGE_INTEGER frequency{};
    LARGE_INTEGER base{};  // the counter at the first mark
    double base_ms = 0;    // the first mark's milliseconds since the process was created
};

double filetime_ms(const FILETIME& t) {
    ULARGE_INTEGER v;
    v.LowPart = t.dwLowDateTime;
    v.HighPart = t.dwHighDateTime;
    return static_cast<double>(v.QuadPart) / 10000.0;
}

Trace& trace() {
    static Trace t = [] {
        Trace made;
        const char* path = std::getenv(kVariable);
        if (!path || !*path) return made;
        made.file = std::fopen(path, "a");
        if (!made.file) return made;
        QueryPerformanceFrequency(&made.frequency);
        QueryPerformanceCounter(&made.base);
        FILETIME created, exited, kernel, user, now;
        GetSystemTimeAsFileTime(&now);
        if (GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) {
            made.base_ms = filetime_ms(now) - filetime_ms(created);
        }
        return made;
    }();
    return t;
}

}  // namespace

void mark(const char* phase) {
    Trace& t = trace();
    if (!t.file) return;
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    const double ms = t.base_ms + 1000.0 * static_cast<double>(now.QuadPart - t.base.QuadPart) /
                                      static_cast<double>(t.frequency.QuadPart);
    std::fprintf(t.file, "%s\t%.1f\n", phase, ms);
    std::fflush(t.file);
}

}  // namespace cw::start_trace
