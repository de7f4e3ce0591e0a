#pragma once
// Reading and linking a PE image (a DLL or an executable) held in memory: the checks of the
// image and the linking steps that need no system. Every offset and size is checked against the
// file bytes or the mapped image before it is used, so that any image may be given: a table that
// lies outside them fails the load. The win32 side maps the image, links it and calls it
// (in_memory_module.h).
//
// PE32 images carry the 32-bit optional header, 4-byte import thunks and high-low (type 3)
// relocations; PE32+ images the 64-bit optional header, 8-byte thunks and dir64 (type 10)
// relocations. A loader takes the images of its own program's architecture (kNativeFormat).
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace cw::pe {

enum class Format { Pe32, Pe32Plus };
inline constexpr Format kNativeFormat = sizeof(void*) == 8 ? Format::Pe32Plus : Format::Pe32;

// FileHeader.Characteristics bits.
inline constexpr std::uint16_t kExecutableImage = 0x0002;
inline constexpr std::uint16_t kDllImage = 0x2000;

inline constexpr std::uint32_t kDosHeaderBytes = 64;
inline constexpr std::uint32_t kSectionHeaderBytes = 40;
inline constexpr std::uint32_t kImportDescriptorBytes = 20;
inline constexpr std::uint32_t kRelocationBlockHeaderBytes = 8;
inline constexpr std::uint32_t kExportDirectoryBytes = 40;
// An image larger than this is refused (no DLL comes near it; a forged size would otherwise
// reserve gigabytes).
inline constexpr std::uint32_t kMaxImageSize = 0x10000000;

// Signature, file header and the optional header with its 16 data directories.
constexpr std::uint32_t nt_headers_bytes(Format format) {
    return format == Format::Pe32 ? 248 : 264;
}

struct Directory {
    std::uint32_t rva = 0;
    std::uint32_t size = 0;
};

// A section whose raw data is copied into the image.
struct SectionCopy {
    std::uint32_t rva;
    std::uint32_t file_offset;
    std::uint32_t size;
};

// What loading an image takes, read from its headers.
struct ImagePlan {
    Format format = kNativeFormat;
    std::uint64_t image_base = 0;    // OptionalHeader.ImageBase: the preferred place
    std::uint32_t image_size = 0;    // SizeOfImage, grown to cover every section
    std::uint32_t header_bytes = 0;  // DOS header, NT headers and section table
    std::uint16_t characteristics = 0;
    std::uint32_t entry_rva = 0;  // AddressOfEntryPoint
    Directory exports, imports, relocations;
    std::vector<SectionCopy> sections;  // in table order; only those with raw data and an address

    bool is_dll() const { return (characteristics & kDllImage) != 0; }
};

// The checks of the headers and the image size rule; nothing when the image cannot be loaded.
std::optional<ImagePlan> plan_image(std::span<const std::uint8_t> bytes, Format format);

// Copies the headers and every section's raw data into the zero-filled `image`
// (plan.image_size bytes).
void copy_image(const ImagePlan& plan, std::span<const std::uint8_t> bytes,
                std::span<std::uint8_t> image);

// Adds (actual_base - ImageBase) to every address a relocation entry of the format's type names;
// entries of other types change nothing. The walk ends at a block whose page address is 0.
// False when a block is shorter than its header, runs past the image, or names a place outside it.
bool relocate(std::span<std::uint8_t> image, const ImagePlan& plan, std::uint64_t actual_base);

// One imported function: its name (the text after the hint), or its ordinal with the ordinal
// written in decimal as text.
struct ImportName {
    const char* text;  // zero-terminated; inside the image for a name
    bool by_ordinal;
    std::uint16_t ordinal;
};

// How the imports of an image are found.
class ImportLinker {
  public:
    virtual ~ImportLinker() = default;
    // A new import descriptor: the module its following functions come from.
    virtual void open_module(const char* module_name) = 0;
    // The address of one function of the open module; 0 when it cannot be found.
    virtual std::uint64_t resolve(const char* module_name, const ImportName& import) = 0;
};

// Walks the import descriptors and stores every function's address in its import address table
// entry. False when a function cannot be found or a descriptor, table or name lies outside the
// image.
bool link_imports(std::span<std::uint8_t> image, const ImagePlan& plan, ImportLinker& linker);

// True when the export directory, its tables and its run of names lie inside the image (or the
// image has no exports).
bool exports_in_bounds(std::span<const std::uint8_t> image, const ImagePlan& plan);

// Headers read back from a mapped image.
struct MappedHeaders {
    bool has_mz = false;
    std::uint16_t characteristics = 0;
    std::uint32_t entry_rva = 0;
    Directory exports;
};
// Nothing when the NT headers lie outside the image or do not carry the "PE" signature.
std::optional<MappedHeaders> read_mapped_headers(std::span<const std::uint8_t> image,
                                                 Format format);

// An ordinal written in decimal: the text is exactly what the number prints as ("7", "-2"; not
// "07", "+7", " 7" or "").
std::optional<std::int64_t> decimal_ordinal(std::string_view text);

// The address (relative to the image) of an export by name, or by ordinal written in decimal;
// 0 when the image has no such export, the function address is 0, or a table lies outside the
// image.
std::uint32_t find_export(std::span<const std::uint8_t> image, Format format,
                          std::string_view name);

}  // namespace cw::pe
