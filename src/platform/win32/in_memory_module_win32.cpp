// Mapping, linking and calling an image loaded from memory (the checks and table walks are
// pe_image.h's).
#include <windows.h>

#include <string>

#include "platform/in_memory_module.h"
#include "platform/pe_image.h"

namespace cw {

namespace {

constexpr DWORD kProcessDetach = 0;
constexpr DWORD kProcessAttach = 1;

// The DLL entry point, called with the platform's standard calling convention.
using DllEntry = BOOL(WINAPI*)(HINSTANCE, DWORD, LPVOID);

// Imports: the resolver first, then the system (LoadLibraryA per descriptor, GetProcAddress by
// name or by ordinal number).
class SystemLinker final : public pe::ImportLinker {
  public:
    SystemLinker(ImportResolver resolver, std::uintptr_t user) : resolver_(resolver), user_(user) {}

    void open_module(const char* module_name) override { module_ = LoadLibraryA(module_name); }

    std::uint64_t resolve(const char* module_name, const pe::ImportName& import) override {
        if (resolver_) {
            if (const std::uintptr_t a = resolver_(module_name, import.text, user_)) return a;
        }
        if (!module_) return 0;
        const LPCSTR name = import.by_ordinal ? MAKEINTRESOURCEA(import.ordinal) : import.text;
        return reinterpret_cast<std::uintptr_t>(GetProcAddress(module_, name));
    }

  private:
    ImportResolver resolver_;
    std::uintptr_t user_;
    HMODULE module_ = nullptr;
};

BOOL call_entry(std::uintptr_t base, std::uint32_t entry_rva, DWORD reason) {
    const auto entry = reinterpret_cast<DllEntry>(base + entry_rva);
    return entry(nullptr, reason, nullptr);
}

}  // namespace

bool InMemoryModule::load_from_memory(std::span<const std::uint8_t> bytes, ImportResolver resolver,
                                      std::uintptr_t user) {
    if (base_ != 0) unload();
    base_ = 0;
    size_ = 0;

    const auto plan = pe::plan_image(bytes, pe::kNativeFormat);
    if (!plan) return false;
    // At the preferred place, else wherever the system chooses; readable, writable and
    // executable throughout, zero-filled.
    void* memory = nullptr;
    const auto preferred = static_cast<std::uintptr_t>(plan->image_base);
    if (preferred == plan->image_base) {
        memory = VirtualAlloc(reinterpret_cast<void*>(preferred), plan->image_size,
                              MEM_COMMIT | MEM_RESERVE, PAGE_EXECUTE_READWRITE);
    }
    if (!memory) {
        memory = VirtualAlloc(nullptr, plan->image_size, MEM_COMMIT | MEM_RESERVE,
                              PAGE_EXECUTE_READWRITE);
    }
    if (!memory) return false;
    const auto start = reinterpret_cast<std::uintptr_t>(memory);
    const std::span<std::uint8_t> image(static_cast<std::uint8_t*>(memory), plan->image_size);
    auto release = [&] {
        VirtualFree(memory, 0, MEM_RELEASE);
        return false;
    };

    pe::copy_image(*plan, bytes, image);
    if (plan->relocations.size > 0 && !pe::relocate(image, *plan, start)) return release();
    if (plan->imports.rva >= 1) {
        SystemLinker linker(resolver, user);
        if (!pe::link_imports(image, *plan, linker)) return release();
    }
    if (!pe::exports_in_bounds(image, *plan)) return release();
    FlushInstructionCache(GetCurrentProcess(), memory, plan->image_size);

    // A DLL's process attach; a refusal gets the detach call and ends the load. An image
    // without an entry point (AddressOfEntryPoint 0, as in resource-only DLLs) is not called.
    if (plan->is_dll() && plan->entry_rva != 0 &&
        !call_entry(start, plan->entry_rva, kProcessAttach)) {
        call_entry(start, plan->entry_rva, kProcessDetach);
        return release();
    }
    base_ = start;
    size_ = plan->image_size;
    return true;
}

bool InMemoryModule::unload() {
    if (base_ == 0) return true;
    const auto headers = pe::read_mapped_headers(
        {reinterpret_cast<const std::uint8_t*>(base_), size_}, pe::kNativeFormat);
    if (!headers) return false;
    if ((headers->characteristics & pe::kDllImage) && headers->entry_rva != 0 &&
        headers->entry_rva < size_) {
        call_entry(base_, headers->entry_rva, kProcessDetach);
    }
    // The modules loaded for its imports stay loaded.
    if (VirtualFree(reinterpret_cast<void*>(base_), 0, MEM_RELEASE)) {
        base_ = 0;
        size_ = 0;
    }
    return base_ == 0;
}

}  // namespace cw
