#include "support/pe_builder.h"

#include <algorithm>
#include <map>

namespace cw::test {

namespace {

std::uint32_t align_up(std::uint32_t v, std::uint32_t a) {
    return (v + a - 1) / a * a;
}

}  // namespace

void PeBuilder::put(std::uint32_t rva, std::uint64_t value, std::uint32_t bytes) {
    for (std::uint32_t i = 0; i < bytes; ++i) {
        data_.at(rva - kSectionRva + i) = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::uint32_t PeBuilder::add(std::span<const std::uint8_t> bytes, std::uint32_t align) {
    data_.resize(align_up(static_cast<std::uint32_t>(data_.size()), align));
    const std::uint32_t at = here();
    data_.insert(data_.end(), bytes.begin(), bytes.end());
    return at;
}

std::uint32_t PeBuilder::add_text(std::string_view text) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return add(bytes, 1);
}

std::uint32_t PeBuilder::add_value(std::uint64_t value) {
    const std::uint32_t at = add(std::vector<std::uint8_t>(pointer_bytes()), pointer_bytes());
    put(at, value, pointer_bytes());
    return at;
}

std::uint32_t PeBuilder::add_address(std::uint32_t rva) {
    const std::uint32_t at = add_value(image_base_ + rva);
    relocation(at, address_relocation());
    return at;
}

void PeBuilder::relocation(std::uint32_t rva, std::uint16_t type) {
    relocations_.emplace_back(rva, type);
}

std::vector<std::uint32_t> PeBuilder::import(std::string_view module,
                                             const std::vector<Import>& functions) {
    const std::uint32_t name = add_text(module);
    std::vector<std::uint64_t> values;
    for (const Import& f : functions) {
        if (const auto* text = std::get_if<std::string>(&f)) {
            const std::uint32_t hint = add(std::vector<std::uint8_t>{0x01, 0x00}, 2);
            add_text(*text);
            values.push_back(hint);
        } else {
            const std::uint64_t flag =
                format_ == pe::Format::Pe32 ? 0x80000000ull : 0x8000000000000000ull;
            values.push_back(flag | std::get<std::uint16_t>(f));
        }
    }
    std::vector<std::uint32_t> entries;
    for (std::uint64_t v : values) entries.push_back(add_value(v));
    add_value(0);
    descriptors_.push_back({name, entries.empty() ? here() - pointer_bytes() : entries.front()});
    return entries;
}

std::uint32_t PeBuilder::add_jump_through(std::uint32_t iat_entry) {
    // jmp [address]: absolute in 32-bit code (relocated), relative to the next instruction in
    // 64-bit code.
    std::vector<std::uint8_t> code{0xFF, 0x25, 0, 0, 0, 0};
    const std::uint32_t at = add(code, 16);
    if (format_ == pe::Format::Pe32) {
        put(at + 2, image_base_ + iat_entry, 4);
        relocation(at + 2, 3);
    } else {
        put(at + 2, iat_entry - (at + 6), 4);
    }
    return at;
}

std::uint32_t PeBuilder::add_return(std::uint32_t value, std::uint16_t stdcall_argument_bytes) {
    std::vector<std::uint8_t> code{0xB8, 0, 0, 0, 0};  // mov eax, value
    if (format_ == pe::Format::Pe32 && stdcall_argument_bytes != 0) {
        code.insert(code.end(), {0xC2, static_cast<std::uint8_t>(stdcall_argument_bytes),
                                 static_cast<std::uint8_t>(stdcall_argument_bytes >> 8)});
    } else {
        code.push_back(0xC3);  // ret
    }
    const std::uint32_t at = add(code, 16);
    put(at + 1, value, 4);
    return at;
}

void PeBuilder::exports(std::uint32_t ordinal_base, const std::vector<std::uint32_t>& functions,
                        const std::vector<std::pair<std::string, std::uint16_t>>& names) {
    std::vector<std::uint32_t> name_rvas;
    for (const auto& [text, index] : names) name_rvas.push_back(add_text(text));
    const std::uint32_t function_table = add({}, 4);
    for (std::uint32_t f : functions) put(add(std::vector<std::uint8_t>(4), 4), f, 4);
    const std::uint32_t name_table = add({}, 4);
    for (std::uint32_t n : name_rvas) put(add(std::vector<std::uint8_t>(4), 4), n, 4);
    const std::uint32_t ordinal_table = add({}, 2);
    for (const auto& name : names) put(add(std::vector<std::uint8_t>(2), 2), name.second, 2);
    const std::uint32_t dir = add(std::vector<std::uint8_t>(pe::kExportDirectoryBytes), 4);
    put(dir + 16, ordinal_base, 4);
    put(dir + 20, functions.size(), 4);
    put(dir + 24, names.size(), 4);
    put(dir + 28, function_table, 4);
    put(dir + 32, name_table, 4);
    put(dir + 36, ordinal_table, 4);
    exports_dir_ = {dir, pe::kExportDirectoryBytes};
}

std::vector<std::uint8_t> PeBuilder::build() {
    // Import descriptors, ending with an empty one.
    if (!descriptors_.empty()) {
        const std::uint32_t table = add({}, 4);
        for (const Descriptor& d : descriptors_) {
            const std::uint32_t at = add(std::vector<std::uint8_t>(pe::kImportDescriptorBytes), 4);
            put(at + 12, d.name, 4);
            put(at + 16, d.iat, 4);
        }
        add(std::vector<std::uint8_t>(pe::kImportDescriptorBytes), 4);
        imports_dir_ = {table, here() - table};
    }
    // Relocation blocks by page, each entry list padded to 4 bytes with a type-0 entry; the
    // zero-filled space after them ends the walk.
    if (!relocations_.empty()) {
        std::map<std::uint32_t, std::vector<std::uint16_t>> pages;
        for (const auto& [rva, type] : relocations_) {
            pages[rva & ~0xFFFu].push_back(
                static_cast<std::uint16_t>((type << 12) | (rva & 0xFFF)));
        }
        const std::uint32_t start = add({}, 4);
        for (auto& [page, entries] : pages) {
            if (entries.size() % 2) entries.push_back(0);
            const std::uint32_t block = add(std::vector<std::uint8_t>(8 + 2 * entries.size()), 4);
            put(block, page, 4);
            put(block + 4, 8 + 2 * entries.size(), 4);
            for (std::size_t i = 0; i < entries.size(); ++i) put(block + 8 + 2 * i, entries[i], 2);
        }
        relocs_dir_ = {start, here() - start};
    }
    if (data_.empty()) data_.push_back(0xC3);

    const std::uint32_t raw_size = align_up(static_cast<std::uint32_t>(data_.size()), 0x200);
    const std::uint32_t virtual_size =
        static_cast<std::uint32_t>(data_.size()) + extra_virtual_bytes;
    std::vector<std::uint8_t> out(kHeaderBytes + raw_size);
    std::copy(data_.begin(), data_.end(), out.begin() + kHeaderBytes);

    poke<std::uint16_t>(out, 0, 0x5A4D);
    poke<std::uint32_t>(out, 60, kNtOffset);
    poke<std::uint32_t>(out, kNtOffset, 0x4550);
    const std::uint32_t fh = kNtOffset + 4;
    poke<std::uint16_t>(out, fh, format_ == pe::Format::Pe32 ? 0x14C : 0x8664);
    poke<std::uint16_t>(out, fh + 2, 1);
    poke<std::uint16_t>(out, fh + 16, format_ == pe::Format::Pe32 ? 224 : 240);
    poke<std::uint16_t>(out, fh + 18, characteristics);
    const std::uint32_t oh = optional_offset();
    poke<std::uint16_t>(out, oh, format_ == pe::Format::Pe32 ? 0x10B : 0x20B);
    poke<std::uint32_t>(out, oh + 16, entry_rva_);
    if (format_ == pe::Format::Pe32) {
        poke<std::uint32_t>(out, oh + 28, static_cast<std::uint32_t>(image_base_));
    } else {
        poke<std::uint64_t>(out, oh + 24, image_base_);
    }
    poke<std::uint32_t>(out, oh + 32, section_alignment);
    poke<std::uint32_t>(out, oh + 36, 0x200);
    poke<std::uint32_t>(out, oh + 56,
                        align_up(kSectionRva + virtual_size, std::max(section_alignment, 1u)));
    poke<std::uint32_t>(out, oh + 60, kHeaderBytes);
    poke<std::uint32_t>(out, oh + (format_ == pe::Format::Pe32 ? 92 : 108), 16);
    auto set_dir = [&](int index, pe::Directory d) {
        poke<std::uint32_t>(out, directory_offset(index), d.rva);
        poke<std::uint32_t>(out, directory_offset(index) + 4, d.size);
    };
    set_dir(0, exports_dir_);
    set_dir(1, imports_dir_);
    set_dir(5, relocs_dir_);
    const std::uint32_t sh = section_table_offset();
    for (int i = 0; i < 5; ++i) out[sh + i] = static_cast<std::uint8_t>(".text"[i]);
    poke<std::uint32_t>(out, sh + 8, virtual_size);
    poke<std::uint32_t>(out, sh + 12, kSectionRva);
    poke<std::uint32_t>(out, sh + 16, raw_size);
    poke<std::uint32_t>(out, sh + 20, kHeaderBytes);
    poke<std::uint32_t>(out, sh + 36, 0xE0000060);
    return out;
}

}  // namespace cw::test
