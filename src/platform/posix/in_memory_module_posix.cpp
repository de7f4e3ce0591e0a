// Windows images run on Windows only: on this system nothing is ever loaded, so a build for it
// keeps its own look.
#include "platform/in_memory_module.h"

namespace cw {

bool InMemoryModule::load_from_memory(std::span<const std::uint8_t>, ImportResolver,
                                      std::uintptr_t) {
    return false;
}

bool InMemoryModule::unload() {
    return base_ == 0;
}

}  // namespace cw
