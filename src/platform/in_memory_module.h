#pragma once
// A DLL or executable image loaded from bytes in memory, as the system's loader would load it
// from a file: mapped, relocated, its imports linked, its entry point called for a DLL. It is
// never written to disk. The images are those of this program's own architecture (PE32 in the
// 32-bit program, PE32+ in the 64-bit build); pe_image.h checks and links them.
//
// One image at a time: a second load unloads the first. The object's end leaves a loaded image
// mapped without a detach call (the skin library stays in place for the whole run, its windows
// still hooked); call unload() to end an image.
#include <cstdint>
#include <span>
#include <string_view>

namespace cw {

// Finds an imported function before the system does: the module's name as the image stores it,
// the function's name or its ordinal written in decimal, and the value given to the load.
// Answers the address, or 0 to leave the function to the system (GetProcAddress).
using ImportResolver = std::uintptr_t (*)(const char* module_name, const char* function,
                                          std::uintptr_t user);

class InMemoryModule {
  public:
    InMemoryModule() = default;
    InMemoryModule(const InMemoryModule&) = delete;  // one owner per mapped image
    InMemoryModule& operator=(const InMemoryModule&) = delete;

    // True when an image is loaded afterwards. Every failed check maps nothing.
    bool load_from_memory(std::span<const std::uint8_t> image, ImportResolver resolver = nullptr,
                          std::uintptr_t user = 0);
    // True when nothing is loaded afterwards. A DLL gets its detach call first.
    bool unload();
    // An export's address by name, or by ordinal written in decimal ("7"; "07" is a name);
    // 0 when not found.
    std::uintptr_t find_export(std::string_view name) const;
    // The image's start; 0 when nothing is loaded.
    std::uintptr_t base_address() const { return base_; }

  private:
    std::uintptr_t base_ = 0;
    std::uint32_t size_ = 0;
};

}  // namespace cw
