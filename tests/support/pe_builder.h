#pragma once
// Builds PE images for the loader's tests: DOS and NT headers, one section at 0x1000 that holds
// code, data and the import, export and relocation tables as they are added, and the layout of
// the result so that a test can break one field at a time.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "platform/pe_image.h"

namespace cw::test {

class PeBuilder {
  public:
    static constexpr std::uint32_t kSectionRva = 0x1000;
    static constexpr std::uint32_t kHeaderBytes = 0x200;  // also the section's file offset
    static constexpr std::uint32_t kNtOffset = 64;

    explicit PeBuilder(pe::Format format = pe::kNativeFormat, std::uint64_t image_base = 0x10000000)
        : format_(format), image_base_(image_base) {}

    pe::Format format() const { return format_; }
    std::uint64_t image_base() const { return image_base_; }
    std::uint32_t pointer_bytes() const { return format_ == pe::Format::Pe32 ? 4 : 8; }
    // The relocation type of an address of this format (3 high-low, 10 dir64).
    std::uint16_t address_relocation() const { return format_ == pe::Format::Pe32 ? 3 : 10; }

    // Appends bytes to the section; their address relative to the image.
    std::uint32_t add(std::span<const std::uint8_t> bytes, std::uint32_t align = 4);
    std::uint32_t add_text(std::string_view text);  // with its zero byte
    // A pointer-sized value with the format's address relocation: ImageBase + rva.
    std::uint32_t add_address(std::uint32_t rva);
    // A pointer-sized value without relocation.
    std::uint32_t add_value(std::uint64_t value);
    void relocation(std::uint32_t rva, std::uint16_t type);

    // Imports from one module, by name (text) or ordinal (number); the address of each
    // function's import address table entry.
    using Import = std::variant<std::string, std::uint16_t>;
    std::vector<std::uint32_t> import(std::string_view module,
                                      const std::vector<Import>& functions);
    // A jump through an import address table entry: the code's address.
    std::uint32_t add_jump_through(std::uint32_t iat_entry);
    // A function "return value" (the value in eax); its address. `stdcall_argument_bytes` is
    // what a 32-bit stdcall function removes from the stack on return (`ret n`); 64-bit code
    // leaves the stack to its caller and ignores it.
    std::uint32_t add_return(std::uint32_t value, std::uint16_t stdcall_argument_bytes = 0);
    // A DLL entry point that answers `value`: stdcall with three arguments in 32-bit code.
    std::uint32_t add_entry_return(std::uint32_t value) { return add_return(value, 12); }

    // The export directory: functions by ordinal from `ordinal_base`, and names in the order
    // given with the function index each names.
    void exports(std::uint32_t ordinal_base, const std::vector<std::uint32_t>& functions,
                 const std::vector<std::pair<std::string, std::uint16_t>>& names);

    void entry(std::uint32_t rva) { entry_rva_ = rva; }
    std::uint16_t characteristics = pe::kExecutableImage | pe::kDllImage;
    std::uint32_t section_alignment = 0x1000;
    std::uint32_t extra_virtual_bytes = 0;  // zero-filled space after the raw data

    // The image's bytes (the import descriptors and relocation blocks are written here).
    std::vector<std::uint8_t> build();

    // Layout of what build() gave, for tests that break a field.
    static constexpr std::uint32_t optional_offset() { return kNtOffset + 24; }
    std::uint32_t section_table_offset() const { return kNtOffset + pe::nt_headers_bytes(format_); }
    std::uint32_t directory_offset(int index) const {
        return optional_offset() + (format_ == pe::Format::Pe32 ? 96 : 112) + 8 * index;
    }
    static constexpr std::uint32_t file_offset(std::uint32_t rva) {
        return rva - kSectionRva + kHeaderBytes;
    }
    pe::Directory import_directory() const { return imports_dir_; }
    pe::Directory relocation_directory() const { return relocs_dir_; }
    pe::Directory export_directory() const { return exports_dir_; }

  private:
    struct Descriptor {
        std::uint32_t name, iat;
    };
    std::uint32_t here() const { return kSectionRva + static_cast<std::uint32_t>(data_.size()); }
    void put(std::uint32_t rva, std::uint64_t value, std::uint32_t bytes);

    pe::Format format_;
    std::uint64_t image_base_;
    std::uint32_t entry_rva_ = 0;
    std::vector<std::uint8_t> data_;
    std::vector<Descriptor> descriptors_;
    std::vector<std::pair<std::uint32_t, std::uint16_t>> relocations_;
    pe::Directory imports_dir_, relocs_dir_, exports_dir_;
};

// Sets a little-endian field of an image.
template <class T>
void poke(std::vector<std::uint8_t>& bytes, std::size_t offset, T value) {
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        bytes.at(offset + i) =
            static_cast<std::uint8_t>(static_cast<std::uint64_t>(value) >> (8 * i));
    }
}
template <class T>
T peek(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) v |= std::uint64_t{bytes[offset + i]} << (8 * i);
    return static_cast<T>(v);
}

}  // namespace cw::test
