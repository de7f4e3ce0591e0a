#include "platform/pe_image.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string>

namespace cw::pe {

namespace {

// Field offsets of the published PE/COFF structures.
constexpr std::uint64_t kLfanewOffset = 60;
constexpr std::uint64_t kFileHeaderOffset = 4;  // after the signature
constexpr std::uint64_t kOptionalHeaderOffset = 24;
constexpr std::uint16_t kMzSignature = 0x5A4D;
constexpr std::uint32_t kPeSignature = 0x00004550;
constexpr std::uint16_t kPe32Magic = 0x10B;
constexpr std::uint16_t kPe32PlusMagic = 0x20B;
constexpr int kExportDirectory = 0;
constexpr int kImportDirectory = 1;
constexpr int kRelocationDirectory = 5;
constexpr std::uint16_t kRelHighLow = 3;
constexpr std::uint16_t kRelDir64 = 10;

template <class T>
bool read(std::span<const std::uint8_t> bytes, std::uint64_t offset, T& out) {
    if (offset > bytes.size() || bytes.size() - offset < sizeof(T)) return false;
    std::memcpy(&out, bytes.data() + offset, sizeof(T));
    return true;
}

template <class T>
T read_or_zero(std::span<const std::uint8_t> bytes, std::uint64_t offset) {
    T v{};
    read(bytes, offset, v);
    return v;
}

template <class T>
bool write(std::span<std::uint8_t> bytes, std::uint64_t offset, T value) {
    if (offset > bytes.size() || bytes.size() - offset < sizeof(T)) return false;
    std::memcpy(bytes.data() + offset, &value, sizeof(T));
    return true;
}

// The length of the zero-terminated text at `offset`, when its zero byte lies inside `bytes`.
std::optional<std::size_t> text_length(std::span<const std::uint8_t> bytes, std::uint64_t offset) {
    if (offset >= bytes.size()) return std::nullopt;
    const auto* start = bytes.data() + offset;
    const auto* zero =
        static_cast<const std::uint8_t*>(std::memchr(start, 0, bytes.size() - offset));
    if (!zero) return std::nullopt;
    return static_cast<std::size_t>(zero - start);
}

bool within(std::uint64_t offset, std::uint64_t length, std::uint64_t size) {
    return offset <= size && length <= size - offset;
}

// Where the optional header's fields lie in each format.
struct OptionalLayout {
    std::uint16_t magic;
    std::uint64_t image_base;
    bool wide_base;
    std::uint64_t directories;
};

OptionalLayout layout_of(Format format) {
    return format == Format::Pe32 ? OptionalLayout{kPe32Magic, 28, false, 96}
                                  : OptionalLayout{kPe32PlusMagic, 24, true, 112};
}

Directory directory(std::span<const std::uint8_t> bytes, std::uint64_t optional_header,
                    Format format, int index) {
    const std::uint64_t at = optional_header + layout_of(format).directories + 8u * index;
    return {read_or_zero<std::uint32_t>(bytes, at), read_or_zero<std::uint32_t>(bytes, at + 4)};
}

}  // namespace

std::optional<ImagePlan> plan_image(std::span<const std::uint8_t> bytes, Format format) {
    const std::uint64_t n = bytes.size();
    const std::uint32_t nt_bytes = nt_headers_bytes(format);
    if (n < kDosHeaderBytes) return std::nullopt;

    // DOS header: "MZ" and NT headers that fit in the bytes.
    if (read_or_zero<std::uint16_t>(bytes, 0) != kMzSignature) return std::nullopt;
    const auto lfanew = read_or_zero<std::int32_t>(bytes, kLfanewOffset);
    if (lfanew < 0 || n < static_cast<std::uint64_t>(lfanew) + nt_bytes) return std::nullopt;
    const std::uint64_t nt = static_cast<std::uint64_t>(lfanew);

    // NT headers: "PE", an executable image, a section table inside the bytes, and the optional
    // header of this loader's format (an image of another architecture cannot run here).
    if (read_or_zero<std::uint32_t>(bytes, nt) != kPeSignature) return std::nullopt;
    const std::uint64_t file_header = nt + kFileHeaderOffset;
    const auto sections = read_or_zero<std::uint16_t>(bytes, file_header + 2);
    const auto characteristics = read_or_zero<std::uint16_t>(bytes, file_header + 18);
    if (!(characteristics & kExecutableImage)) return std::nullopt;
    const std::uint64_t table = nt + nt_bytes;
    const std::uint64_t header_bytes = table + std::uint64_t{sections} * kSectionHeaderBytes;
    if (n < header_bytes) return std::nullopt;
    const std::uint64_t optional = nt + kOptionalHeaderOffset;
    const OptionalLayout layout = layout_of(format);
    if (read_or_zero<std::uint16_t>(bytes, optional) != layout.magic) return std::nullopt;

    ImagePlan plan;
    plan.format = format;
    plan.characteristics = characteristics;
    plan.header_bytes = static_cast<std::uint32_t>(header_bytes);
    plan.entry_rva = read_or_zero<std::uint32_t>(bytes, optional + 16);
    plan.image_base = layout.wide_base
                          ? read_or_zero<std::uint64_t>(bytes, optional + layout.image_base)
                          : read_or_zero<std::uint32_t>(bytes, optional + layout.image_base);
    const auto alignment = read_or_zero<std::uint32_t>(bytes, optional + 32);
    const auto size_of_image = read_or_zero<std::uint32_t>(bytes, optional + 56);
    plan.exports = directory(bytes, optional, format, kExportDirectory);
    plan.imports = directory(bytes, optional, format, kImportDirectory);
    plan.relocations = directory(bytes, optional, format, kRelocationDirectory);

    // The image size: SizeOfImage, grown to the aligned end of every section. A zero or
    // non-power-of-two alignment, or a size past the limit (32-bit overflow included), fails.
    if (alignment == 0 || (alignment & (alignment - 1)) != 0 || alignment > kMaxImageSize) {
        return std::nullopt;
    }
    std::uint64_t image_size = size_of_image;
    for (std::uint16_t i = 0; i < sections; ++i) {
        const std::uint64_t h = table + std::uint64_t{i} * kSectionHeaderBytes;
        const auto virtual_size = read_or_zero<std::uint32_t>(bytes, h + 8);
        const auto rva = read_or_zero<std::uint32_t>(bytes, h + 12);
        const auto raw_size = read_or_zero<std::uint32_t>(bytes, h + 16);
        const auto raw_offset = read_or_zero<std::uint32_t>(bytes, h + 20);
        const std::uint64_t end = std::uint64_t{rva} + std::max(virtual_size, raw_size);
        const std::uint64_t aligned = (end + alignment - 1) / alignment * alignment;
        image_size = std::max(image_size, aligned);
        if (raw_size >= 1 && rva != 0) {
            // Raw data past the end of the bytes fails.
            if (!within(raw_offset, raw_size, n)) return std::nullopt;
            plan.sections.push_back({rva, raw_offset, raw_size});
        }
    }
    if (image_size == 0 || image_size > kMaxImageSize) return std::nullopt;
    plan.image_size = static_cast<std::uint32_t>(image_size);
    // The header copy and the entry point a DLL gets called at lie inside the image.
    if (header_bytes > image_size) return std::nullopt;
    if (plan.is_dll() && plan.entry_rva >= image_size) return std::nullopt;
    return plan;
}

void copy_image(const ImagePlan& plan, std::span<const std::uint8_t> bytes,
                std::span<std::uint8_t> image) {
    // plan_image checked every range against both the bytes and the image size.
    std::memcpy(image.data(), bytes.data(), plan.header_bytes);
    for (const SectionCopy& s : plan.sections) {
        std::memcpy(image.data() + s.rva, bytes.data() + s.file_offset, s.size);
    }
}

bool relocate(std::span<std::uint8_t> image, const ImagePlan& plan, std::uint64_t actual_base) {
    const std::uint64_t delta = actual_base - plan.image_base;  // modulo 2^64
    const bool wide = plan.format == Format::Pe32Plus;
    const std::uint16_t type = wide ? kRelDir64 : kRelHighLow;
    std::uint64_t offset = plan.relocations.rva;
    while (true) {
        std::uint32_t page = 0, block_size = 0;
        if (!read(image, offset, page) || !read(image, offset + 4, block_size)) return false;
        if (page == 0) return true;
        if (block_size < kRelocationBlockHeaderBytes || !within(offset, block_size, image.size())) {
            return false;
        }
        const std::uint64_t entries = (block_size - kRelocationBlockHeaderBytes) / 2;
        for (std::uint64_t i = 0; i < entries; ++i) {
            const auto e = read_or_zero<std::uint16_t>(image, offset + 8 + 2 * i);
            if ((e >> 12) != type) continue;
            const std::uint64_t at = std::uint64_t{page} + (e & 0x0FFF);
            if (wide) {
                std::uint64_t v = 0;
                if (!read(image, at, v)) return false;
                write(image, at, v + delta);
            } else {
                std::uint32_t v = 0;
                if (!read(image, at, v)) return false;
                write(image, at, static_cast<std::uint32_t>(v + delta));
            }
        }
        offset += block_size;
    }
}

bool link_imports(std::span<std::uint8_t> image, const ImagePlan& plan, ImportLinker& linker) {
    const bool wide = plan.format == Format::Pe32Plus;
    const std::uint64_t thunk_bytes = wide ? 8 : 4;
    const std::uint64_t ordinal_flag = wide ? 0x8000000000000000ull : 0x80000000ull;
    const auto* base = reinterpret_cast<const char*>(image.data());
    for (std::uint64_t d = plan.imports.rva;; d += kImportDescriptorBytes) {
        if (!within(d, kImportDescriptorBytes, image.size())) return false;
        const auto name = read_or_zero<std::uint32_t>(image, d + 12);
        const auto first_thunk = read_or_zero<std::uint32_t>(image, d + 16);
        if (first_thunk == 0) return true;
        if (!text_length(image, name)) return false;
        const char* module = base + name;
        linker.open_module(module);
        for (std::uint64_t t = first_thunk;; t += thunk_bytes) {
            std::uint64_t v = 0;
            if (wide) {
                if (!read(image, t, v)) return false;
            } else {
                std::uint32_t v32 = 0;
                if (!read(image, t, v32)) return false;
                v = v32;
            }
            if (v == 0) break;
            std::uint64_t address = 0;
            if (v & ordinal_flag) {
                const auto ordinal = static_cast<std::uint16_t>(v & 0xFFFF);
                const std::string text = std::to_string(ordinal);
                address = linker.resolve(module, ImportName{text.c_str(), true, ordinal});
            } else {
                if (v > image.size() - 2 || !text_length(image, v + 2)) return false;
                address = linker.resolve(module, ImportName{base + v + 2, false, 0});
            }
            if (address == 0) return false;
            if (wide) {
                write(image, t, address);
            } else {
                write(image, t, static_cast<std::uint32_t>(address));
            }
        }
    }
}

namespace {

struct ExportTables {
    std::uint32_t base, functions, names, function_table, name_table, ordinal_table;
};

std::optional<ExportTables> export_tables(std::span<const std::uint8_t> image, Directory dir) {
    if (!within(dir.rva, kExportDirectoryBytes, image.size())) return std::nullopt;
    ExportTables t{};
    t.base = read_or_zero<std::uint32_t>(image, dir.rva + 16);
    t.functions = read_or_zero<std::uint32_t>(image, dir.rva + 20);
    t.names = read_or_zero<std::uint32_t>(image, dir.rva + 24);
    t.function_table = read_or_zero<std::uint32_t>(image, dir.rva + 28);
    t.name_table = read_or_zero<std::uint32_t>(image, dir.rva + 32);
    t.ordinal_table = read_or_zero<std::uint32_t>(image, dir.rva + 36);
    if (!within(t.function_table, 4ull * t.functions, image.size())) return std::nullopt;
    if (!within(t.ordinal_table, 2ull * t.names, image.size())) return std::nullopt;
    if (t.names > 0 && !within(t.name_table, 4, image.size())) return std::nullopt;
    return t;
}

// Calls `each(text, ordinal)` for the run of consecutive zero-terminated names that starts at
// the first name table entry, as linkers store them; stops early when `each` answers true.
// False when a name runs out of the image.
template <class F>
bool walk_names(std::span<const std::uint8_t> image, const ExportTables& t, F each) {
    if (t.names == 0) return true;
    std::uint64_t cursor = read_or_zero<std::uint32_t>(image, t.name_table);
    for (std::uint32_t i = 0; i < t.names; ++i) {
        const auto length = text_length(image, cursor);
        if (!length) return false;
        const std::string_view text(reinterpret_cast<const char*>(image.data()) + cursor, *length);
        const auto ordinal = read_or_zero<std::uint16_t>(image, t.ordinal_table + 2ull * i);
        if (each(text, ordinal)) return true;
        cursor += *length + 1;
    }
    return true;
}

}  // namespace

bool exports_in_bounds(std::span<const std::uint8_t> image, const ImagePlan& plan) {
    if (plan.exports.size == 0) return true;
    const auto t = export_tables(image, plan.exports);
    return t && walk_names(image, *t, [](std::string_view, std::uint16_t) { return false; });
}

std::optional<MappedHeaders> read_mapped_headers(std::span<const std::uint8_t> image,
                                                 Format format) {
    MappedHeaders h;
    h.has_mz = read_or_zero<std::uint16_t>(image, 0) == kMzSignature;
    const auto lfanew = read_or_zero<std::int32_t>(image, kLfanewOffset);
    if (lfanew < 0 ||
        !within(static_cast<std::uint64_t>(lfanew), nt_headers_bytes(format), image.size())) {
        return std::nullopt;
    }
    const auto nt = static_cast<std::uint64_t>(lfanew);
    if (read_or_zero<std::uint32_t>(image, nt) != kPeSignature) return std::nullopt;
    const std::uint64_t optional = nt + kOptionalHeaderOffset;
    h.characteristics = read_or_zero<std::uint16_t>(image, nt + kFileHeaderOffset + 18);
    h.entry_rva = read_or_zero<std::uint32_t>(image, optional + 16);
    h.exports = directory(image, optional, format, kExportDirectory);
    return h;
}

std::optional<std::int64_t> decimal_ordinal(std::string_view text) {
    std::int32_t value = 0;  // the whole numbers an ordinal text may name
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (std::to_string(value) != text) return std::nullopt;
    return value;
}

std::uint32_t find_export(std::span<const std::uint8_t> image, Format format,
                          std::string_view name) {
    const auto headers = read_mapped_headers(image, format);
    if (!headers || !headers->has_mz || headers->exports.size == 0) return 0;
    const auto t = export_tables(image, headers->exports);
    if (!t) return 0;
    auto function_at = [&](std::uint64_t index) -> std::uint32_t {
        const auto rva = read_or_zero<std::uint32_t>(image, t->function_table + 4 * index);
        return rva < image.size() ? rva : 0;
    };
    if (const auto ordinal = decimal_ordinal(name)) {
        const std::int64_t index = *ordinal - std::int64_t{t->base};
        if (index < 0 || index >= std::int64_t{t->functions}) return 0;
        return function_at(static_cast<std::uint64_t>(index));
    }
    std::uint32_t found = 0;
    walk_names(image, *t, [&](std::string_view text, std::uint16_t ordinal) {
        if (ordinal < t->functions && text == name) found = function_at(ordinal);
        return found != 0;
    });
    return found;
}

}  // namespace cw::pe
