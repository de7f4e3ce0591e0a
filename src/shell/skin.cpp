#include "shell/skin.h"

namespace cw::shell {

namespace {

// The export takes six 32-bit arguments (pointer-sized in the 64-bit build) with the
// platform's standard calling convention.
#if defined(_WIN32) && !defined(_WIN64)
#define CW_SKIN_CALL __attribute__((stdcall))
#else
#define CW_SKIN_CALL
#endif
using AttachRes = int(CW_SKIN_CALL*)(const std::uint8_t* data, int size, const char* password,
                                     int hue, int saturation, int brightness);

}  // namespace

bool load_skin_library(InMemoryModule& module, std::span<const std::uint8_t> library) {
    return module.load_from_memory(library, nullptr, 0);
}

bool apply_skin(const InMemoryModule& module, std::span<const std::uint8_t> resource) {
    const std::uintptr_t address = module.find_export(kSkinExport);
    if (address == 0) return false;
    const auto attach = reinterpret_cast<AttachRes>(address);
    attach(resource.data(), static_cast<int>(resource.size()), nullptr, 0, 0, 0);
    return true;
}

}  // namespace cw::shell
