#pragma once
// The skin step: the carried skin library, loaded from memory at program entry, and its one
// call when the main window exists, which gives every window of the window thread the look of
// the carried skin resource (windows created later included).
#include <cstdint>
#include <span>

#include "platform/in_memory_module.h"

namespace cw::shell {

inline constexpr char kSkinExport[] = "SkinH_AttachRes";

// Loads the skin library's bytes into `module` (no resolver, user value 0). True when loaded.
bool load_skin_library(InMemoryModule& module, std::span<const std::uint8_t> library);

// Calls the library's SkinH_AttachRes once with the skin resource, no password, and hue,
// saturation and brightness left as the resource has them. The resource's bytes must stay in
// place for the whole run. Nothing happens when no library is loaded or it lacks the export
// (the program keeps the platform's own look). True when the export was called.
bool apply_skin(const InMemoryModule& module, std::span<const std::uint8_t> resource);

}  // namespace cw::shell
