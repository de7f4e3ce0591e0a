// System counters through NtQuerySystemInformation, and the process environment.
#include <atomic>
#include <cstring>
#include <vector>

#include "platform/win32/win32_handles.h"

namespace cw::win32 {

namespace {

constexpr int kSystemPerformanceInformation = 2;
constexpr int kSystemTimeOfDayInformation = 3;
constexpr LONG kStatusInfoLengthMismatch = static_cast<LONG>(0xC0000004);
constexpr ULONG kTimeOfDayBytes = 32;
constexpr ULONG kPerformanceBytes = 312;  // what the 32-bit systems of the time take
constexpr ULONG kLargestPerformanceBytes = 0x10000;

using NtQuerySystemInformation = LONG(WINAPI*)(int, void*, ULONG, ULONG*);

NtQuerySystemInformation query() {
    static const auto function = find_function<NtQuerySystemInformation>(
        GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation");
    return function;
}

std::int64_t int64_at(const std::vector<std::uint8_t>& buffer, std::size_t offset) {
    std::int64_t v = 0;
    std::memcpy(&v, buffer.data() + offset, sizeof v);
    return v;
}

}  // namespace

std::optional<std::int64_t> system_time() {
    const auto q = query();
    if (!q) return std::nullopt;
    std::vector<std::uint8_t> buffer(kTimeOfDayBytes);
    if (q(kSystemTimeOfDayInformation, buffer.data(), kTimeOfDayBytes, nullptr) != 0) {
        return std::nullopt;
    }
    return int64_at(buffer, 8);  // CurrentTime
}

std::optional<std::int64_t> idle_time() {
    const auto q = query();
    if (!q) return std::nullopt;
    // A system that wants a longer buffer for this class says so; it gets the length it asks for
    // from then on.
    static std::atomic<ULONG> length{kPerformanceBytes};
    for (int attempt = 0; attempt < 4; ++attempt) {
        const ULONG size = length;
        std::vector<std::uint8_t> buffer(size);
        ULONG needed = 0;
        const LONG status = q(kSystemPerformanceInformation, buffer.data(), size, &needed);
        if (status == 0) return int64_at(buffer, 0);  // IdleTime
        if (status != kStatusInfoLengthMismatch) return std::nullopt;
        const ULONG next = needed > size ? needed : size * 2;
        if (next > kLargestPerformanceBytes) return std::nullopt;
        length = next;
    }
    return std::nullopt;
}

std::string environment_variable(const std::string& name) {
    std::string value(64, '\0');
    for (;;) {
        const DWORD n =
            GetEnvironmentVariableA(name.c_str(), value.data(), static_cast<DWORD>(value.size()));
        if (n == 0) return {};
        if (n < value.size()) {
            value.resize(n);
            return value;
        }
        value.resize(n);
    }
}

int processor_count() {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    return info.dwNumberOfProcessors > 0 ? static_cast<int>(info.dwNumberOfProcessors) : 1;
}

}  // namespace cw::win32
