// The parts of the loader that read the mapped image; mapping and calling are each side's.
#include "platform/in_memory_module.h"

#include "platform/pe_image.h"

namespace cw {

namespace {

std::span<const std::uint8_t> mapped(std::uintptr_t base, std::uint32_t size) {
    return {reinterpret_cast<const std::uint8_t*>(base), size};
}

}  // namespace

std::uintptr_t InMemoryModule::find_export(std::string_view name) const {
    if (base_ == 0) return 0;
    const std::uint32_t rva = pe::find_export(mapped(base_, size_), pe::kNativeFormat, name);
    return rva == 0 ? 0 : base_ + rva;
}

}  // namespace cw
