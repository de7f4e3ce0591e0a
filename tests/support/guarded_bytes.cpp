#include "support/guarded_bytes.h"

#include <cstring>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace cw::test {

namespace {

std::size_t page_size() {
#ifdef _WIN32
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    return info.dwPageSize;
#else
    return static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
#endif
}

}  // namespace

GuardedBytes::GuardedBytes(std::size_t size) : size_(size) {
    const std::size_t page = page_size();
    const std::size_t pages = (size + page - 1) / page;
    region_size_ = (pages + 1) * page;
#ifdef _WIN32
    region_ = VirtualAlloc(nullptr, region_size_, MEM_RESERVE, PAGE_NOACCESS);
    if (!region_) throw std::runtime_error("no memory");
    if (pages) VirtualAlloc(region_, pages * page, MEM_COMMIT, PAGE_READWRITE);
#else
    region_ = mmap(nullptr, region_size_, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (region_ == MAP_FAILED) throw std::runtime_error("no memory");
    if (pages) mprotect(region_, pages * page, PROT_READ | PROT_WRITE);
#endif
    data_ = static_cast<std::uint8_t*>(region_) + pages * page - size;
}

GuardedBytes::GuardedBytes(std::span<const std::uint8_t> content) : GuardedBytes(content.size()) {
    if (!content.empty()) std::memcpy(data_, content.data(), content.size());
}

GuardedBytes::~GuardedBytes() {
#ifdef _WIN32
    VirtualFree(region_, 0, MEM_RELEASE);
#else
    munmap(region_, region_size_);
#endif
}

}  // namespace cw::test
