// The loader's checks and table walks on crafted images of both formats, without a system:
// every failed check of the headers, the image size rule, relocation, imports and exports with
// their bounds, and a mutation run over the header and table parsing.
#include "platform/pe_image.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "support/guarded_bytes.h"
#include "support/pe_builder.h"

namespace cw::pe {
namespace {

using test::GuardedBytes;
using test::PeBuilder;
using test::peek;
using test::poke;
using Bytes = std::vector<std::uint8_t>;

// Records what the import walk asks for and answers from a table ("module!name" -> address).
class RecordingLinker : public ImportLinker {
  public:
    std::map<std::string, std::uint64_t> answers;
    std::vector<std::string> asked;  // "module!text" ("#" before an ordinal's text)
    std::vector<std::string> opened;

    void open_module(const char* name) override { opened.emplace_back(name); }
    std::uint64_t resolve(const char* module, const ImportName& import) override {
        const std::string key =
            std::string(module) + "!" + (import.by_ordinal ? "#" : "") + import.text;
        asked.push_back(key);
        if (import.by_ordinal) {
            EXPECT_EQ(std::to_string(import.ordinal), import.text);
        }
        const auto it = answers.find(key);
        return it == answers.end() ? 0 : it->second;
    }
};

// Maps an image the way the loader does, into guarded memory at a pretended address.
struct Mapped {
    Mapped(const Bytes& bytes, Format format) : plan(plan_image(bytes, format)) {
        if (plan) {
            image = std::make_unique<GuardedBytes>(plan->image_size);
            copy_image(*plan, bytes, image->bytes());
        }
    }
    std::optional<ImagePlan> plan;
    std::unique_ptr<GuardedBytes> image;
};

class PeImage : public ::testing::TestWithParam<Format> {
  protected:
    Format format() const { return GetParam(); }
    // A DLL with code, one address relocation, imports by name and ordinal and exports.
    Bytes sample(PeBuilder* out = nullptr) {
        PeBuilder b(format());
        b.entry(b.add_entry_return(1));
        b.import("kernel32.dll", {std::string("GetTickCount"), std::uint16_t{5}});
        b.exports(5, {b.add_return(7), b.add_return(8), b.add_return(9)},
                  {{"07", 2}, {"Alpha", 0}});
        b.add_address(0x1234);
        Bytes bytes = b.build();
        if (out) *out = b;
        return bytes;
    }
};

INSTANTIATE_TEST_SUITE_P(BothFormats, PeImage, ::testing::Values(Format::Pe32, Format::Pe32Plus),
                         [](const auto& info) {
                             return info.param == Format::Pe32 ? "Pe32" : "Pe32Plus";
                         });

// The crafted code runs for real in the loader's tests on Windows: a 32-bit entry point is stdcall
// with three arguments and must take them off the stack (ret 12), or its caller returns to
// garbage; a 32-bit jump through the import table names an absolute, relocated address, a 64-bit
// one an address relative to the next instruction.
TEST_P(PeImage, CraftedCodeFollowsTheFormatsCallingConvention) {
    PeBuilder b(format(), 0x10000000);
    const std::uint32_t entry = b.add_entry_return(1);
    const std::uint32_t plain = b.add_return(2);
    const auto iat = b.import("cwtest", {std::string("f")});
    const std::uint32_t jump = b.add_jump_through(iat[0]);
    b.add_address(0x1234);  // a relocation table in both formats
    const Bytes bytes = b.build();
    const auto code = [&](std::uint32_t rva, std::size_t n) {
        const auto at = bytes.begin() + PeBuilder::file_offset(rva);
        return Bytes(at, at + static_cast<std::ptrdiff_t>(n));
    };
    const bool pe32 = format() == Format::Pe32;
    EXPECT_EQ(code(entry, pe32 ? 8 : 6),
              pe32 ? (Bytes{0xB8, 1, 0, 0, 0, 0xC2, 12, 0}) : (Bytes{0xB8, 1, 0, 0, 0, 0xC3}));
    EXPECT_EQ(code(plain, 6), (Bytes{0xB8, 2, 0, 0, 0, 0xC3}));
    EXPECT_EQ(code(jump, 2), (Bytes{0xFF, 0x25}));
    const auto target = peek<std::uint32_t>(bytes, PeBuilder::file_offset(jump) + 2);
    EXPECT_EQ(target, pe32 ? 0x10000000 + iat[0] : iat[0] - (jump + 6));

    // Only the 32-bit jump is relocated: mapped elsewhere, it reaches the moved table entry.
    Mapped m(bytes, format());
    ASSERT_TRUE(m.plan);
    ASSERT_TRUE(relocate(m.image->bytes(), *m.plan, 0x20000000));
    EXPECT_EQ(peek<std::uint32_t>(m.image->bytes(), jump + 2),
              pe32 ? 0x20000000 + iat[0] : iat[0] - (jump + 6));
}

TEST_P(PeImage, EveryFailedHeaderCheckRefusesTheImage) {
    PeBuilder b(format());
    const Bytes good = sample(&b);
    ASSERT_TRUE(plan_image(good, format()));
    const std::uint32_t fh = PeBuilder::kNtOffset + 4;
    const std::uint32_t oh = PeBuilder::optional_offset();
    const std::uint32_t sh = b.section_table_offset();
    struct Case {
        const char* what;
        std::function<void(Bytes&)> change;
    };
    const std::vector<Case> cases = {
        {"fewer than 64 bytes", [](Bytes& x) { x.resize(63); }},
        {"no MZ", [](Bytes& x) { x[0] = 'Z'; }},
        {"e_lfanew negative", [](Bytes& x) { poke<std::int32_t>(x, 60, -8); }},
        {"NT headers past the end",
         [](Bytes& x) { poke<std::uint32_t>(x, 60, static_cast<std::uint32_t>(x.size() - 100)); }},
        {"e_lfanew near 2^32", [](Bytes& x) { poke<std::uint32_t>(x, 60, 0x7FFFFFF0); }},
        {"no PE signature", [](Bytes& x) { x[PeBuilder::kNtOffset + 1] = 'X'; }},
        {"not an executable image", [&](Bytes& x) { poke<std::uint16_t>(x, fh + 18, 0x2100); }},
        {"bytes end inside the section table", [&](Bytes& x) { x.resize(sh + 39); }},
        {"section count past the bytes", [&](Bytes& x) { poke<std::uint16_t>(x, fh + 2, 0xFFFF); }},
        {"optional header of the other architecture",
         [&](Bytes& x) { poke<std::uint16_t>(x, oh, format() == Format::Pe32 ? 0x20B : 0x10B); }},
        {"section alignment 0", [&](Bytes& x) { poke<std::uint32_t>(x, oh + 32, 0); }},
        {"section alignment not a power of two",
         [&](Bytes& x) { poke<std::uint32_t>(x, oh + 32, 0x1800); }},
        {"section alignment absurd",
         [&](Bytes& x) { poke<std::uint32_t>(x, oh + 32, 0x80000000); }},
        {"raw data past the end of the bytes",
         [&](Bytes& x) { poke<std::uint32_t>(x, sh + 16, static_cast<std::uint32_t>(x.size())); }},
        {"raw data offset near 2^32",
         [&](Bytes& x) { poke<std::uint32_t>(x, sh + 20, 0xFFFFFF00); }},
        {"section end overflowing 32 bits",
         [&](Bytes& x) { poke<std::uint32_t>(x, sh + 12, 0xFFFFF000); }},
        {"virtual size overflowing 32 bits",
         [&](Bytes& x) { poke<std::uint32_t>(x, sh + 8, 0xFFFFFFFF); }},
        {"image size 0",
         [&](Bytes& x) {
             poke<std::uint16_t>(x, fh + 2, 0);
             poke<std::uint32_t>(x, oh + 56, 0);
         }},
        {"image smaller than its headers",
         [&](Bytes& x) {
             poke<std::uint16_t>(x, fh + 2, 0);
             poke<std::uint32_t>(x, oh + 56, 0x100);
         }},
        {"DLL entry point outside the image",
         [&](Bytes& x) { poke<std::uint32_t>(x, oh + 16, 0x00100000); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes bytes = good;
        c.change(bytes);
        GuardedBytes guarded(bytes);
        EXPECT_FALSE(plan_image(guarded.bytes(), format()));
    }
}

TEST_P(PeImage, ImageSizeCoversEverySectionAlignedUp) {
    PeBuilder b(format());
    b.add_return(0);
    b.extra_virtual_bytes = 0x2345;  // virtual size beyond the raw data
    Bytes bytes = b.build();
    poke<std::uint32_t>(bytes, PeBuilder::optional_offset() + 56, 0x1000);  // SizeOfImage too small
    const auto plan = plan_image(bytes, format());
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->image_size, 0x4000u);  // 0x1000 + 0x2345 + the code, aligned to 0x1000
    EXPECT_EQ(plan->header_bytes, b.section_table_offset() + kSectionHeaderBytes);
    ASSERT_EQ(plan->sections.size(), 1u);
    EXPECT_EQ(plan->sections[0].rva, PeBuilder::kSectionRva);

    // A section without raw data, or at address 0, is not copied.
    poke<std::uint32_t>(bytes, b.section_table_offset() + 16, 0);
    EXPECT_TRUE(plan_image(bytes, format())->sections.empty());
}

TEST_P(PeImage, RelocationAddsTheDeltaToAddressEntriesOnly) {
    PeBuilder b(format());
    const std::uint32_t slot = b.add_address(0x1234);
    const std::uint32_t padding = b.add_value(0x1111);
    const std::uint32_t other = b.add_value(0x2222);
    b.relocation(padding, 0);
    b.relocation(other, b.address_relocation() == 3 ? 10 : 3);  // the other format's type
    b.relocation(other, 5);
    const Bytes bytes = b.build();
    const std::uint32_t width = b.pointer_bytes();
    auto value = [&](const Mapped& m, std::uint32_t rva) {
        return width == 4 ? peek<std::uint32_t>(m.image->bytes(), rva)
                          : peek<std::uint64_t>(m.image->bytes(), rva);
    };

    Mapped moved(bytes, format());
    ASSERT_TRUE(moved.plan);
    const std::uint64_t elsewhere = 0x23450000;
    ASSERT_TRUE(relocate(moved.image->bytes(), *moved.plan, elsewhere));
    EXPECT_EQ(value(moved, slot), elsewhere + 0x1234);
    EXPECT_EQ(value(moved, padding), 0x1111u);
    EXPECT_EQ(value(moved, other), 0x2222u);

    Mapped in_place(bytes, format());
    ASSERT_TRUE(relocate(in_place.image->bytes(), *in_place.plan, b.image_base()));
    EXPECT_EQ(value(in_place, slot), b.image_base() + 0x1234);

    // Below the preferred place the delta wraps around and still lands right.
    Mapped below(bytes, format());
    ASSERT_TRUE(relocate(below.image->bytes(), *below.plan, 0x00400000));
    EXPECT_EQ(value(below, slot), 0x00400000u + 0x1234);
}

TEST_P(PeImage, RelocationBlocksOutsideTheImageFailTheWalk) {
    PeBuilder b(format());
    b.section_alignment = 0x200;  // the image ends where the bytes end
    b.add_address(0x10);
    const Bytes good = b.build();
    const Directory dir = b.relocation_directory();
    auto block_field = [&](Bytes& x, std::uint32_t at, std::uint32_t v) {
        poke<std::uint32_t>(x, PeBuilder::file_offset(dir.rva) + at, v);
    };
    struct Case {
        const char* what;
        std::function<void(Bytes&)> change;
    };
    const std::vector<Case> cases = {
        {"block size smaller than its header", [&](Bytes& x) { block_field(x, 4, 4); }},
        {"block size 0", [&](Bytes& x) { block_field(x, 4, 0); }},
        {"block running past the image", [&](Bytes& x) { block_field(x, 4, 0x100000); }},
        {"entry naming a place past the image", [&](Bytes& x) { block_field(x, 0, 0x7FFFF000); }},
        {"directory outside the image",
         [&](Bytes& x) { poke<std::uint32_t>(x, b.directory_offset(5), 0x00F00000); }},
        {"blocks that never end",
         [&](Bytes& x) {
             // Every 8 bytes after the first block to the end of the image read as a block.
             const std::size_t first = PeBuilder::file_offset(dir.rva);
             for (std::size_t at = first + peek<std::uint32_t>(x, first + 4); at + 8 <= x.size();
                  at += 8) {
                 poke<std::uint32_t>(x, at, 0x1000);
                 poke<std::uint32_t>(x, at + 4, 8);
             }
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes bytes = good;
        c.change(bytes);
        Mapped m(bytes, format());
        ASSERT_TRUE(m.plan);
        // Read the directory as the load does: from the headers of the bytes.
        m.plan->relocations.rva = peek<std::uint32_t>(bytes, b.directory_offset(5));
        EXPECT_FALSE(relocate(m.image->bytes(), *m.plan, 0x30000000));
    }
}

TEST_P(PeImage, ImportsByNameAndOrdinalReachTheLinkerAndFillTheTable) {
    PeBuilder b(format());
    const auto first = b.import("one.dll", {std::string("Alpha"), std::uint16_t{7}});
    const auto second = b.import("two.dll", {std::string("Beta")});
    const Bytes bytes = b.build();
    Mapped m(bytes, format());
    ASSERT_TRUE(m.plan);
    RecordingLinker linker;
    linker.answers = {{"one.dll!Alpha", 0x1111}, {"one.dll!#7", 0x2222}, {"two.dll!Beta", 0x3333}};
    ASSERT_TRUE(link_imports(m.image->bytes(), *m.plan, linker));
    EXPECT_EQ(linker.opened, (std::vector<std::string>{"one.dll", "two.dll"}));
    EXPECT_EQ(linker.asked,
              (std::vector<std::string>{"one.dll!Alpha", "one.dll!#7", "two.dll!Beta"}));
    EXPECT_EQ(peek<std::uint32_t>(m.image->bytes(), first[0]), 0x1111u);
    EXPECT_EQ(peek<std::uint32_t>(m.image->bytes(), first[1]), 0x2222u);
    EXPECT_EQ(peek<std::uint32_t>(m.image->bytes(), second[0]), 0x3333u);

    // One function nobody knows fails the whole walk.
    Mapped again(bytes, format());
    linker.answers.erase("two.dll!Beta");
    EXPECT_FALSE(link_imports(again.image->bytes(), *again.plan, linker));
}

TEST_P(PeImage, ImportTablesOutsideTheImageFailTheWalk) {
    PeBuilder b(format());
    b.section_alignment = 0x200;  // the image ends where the bytes end
    const auto entries = b.import("one.dll", {std::string("Alpha")});
    const Bytes good = b.build();
    const std::uint32_t descriptor = PeBuilder::file_offset(b.import_directory().rva);
    const std::uint32_t width = b.pointer_bytes();
    struct Case {
        const char* what;
        std::function<void(Bytes&)> change;
    };
    const std::vector<Case> cases = {
        {"descriptor list outside the image",
         [&](Bytes& x) { poke<std::uint32_t>(x, b.directory_offset(1), 0x00F00000); }},
        {"module name outside the image",
         [&](Bytes& x) { poke<std::uint32_t>(x, descriptor + 12, 0x00F00000); }},
        {"address table outside the image",
         [&](Bytes& x) { poke<std::uint32_t>(x, descriptor + 16, 0x00F00000); }},
        {"function name outside the image",
         [&](Bytes& x) { poke<std::uint32_t>(x, PeBuilder::file_offset(entries[0]), 0x00F00000); }},
        {"function name running to the end of the image",
         [&](Bytes& x) {
             const std::uint32_t size = peek<std::uint32_t>(x, PeBuilder::optional_offset() + 56);
             poke<std::uint32_t>(x, PeBuilder::file_offset(entries[0]), size - 2);
         }},
        {"descriptors that never end",
         [&](Bytes& x) {
             for (std::size_t at = descriptor; at + 20 <= x.size(); at += 20) {
                 poke<std::uint32_t>(x, at + 12, PeBuilder::kSectionRva);
                 poke<std::uint32_t>(x, at + 16, b.import_directory().rva - width);  // empty table
             }
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes bytes = good;
        c.change(bytes);
        Mapped m(bytes, format());
        ASSERT_TRUE(m.plan);
        m.plan->imports.rva = peek<std::uint32_t>(bytes, b.directory_offset(1));
        RecordingLinker linker;
        linker.answers = {{"one.dll!Alpha", 0x1111}};
        EXPECT_FALSE(link_imports(m.image->bytes(), *m.plan, linker));
    }
}

TEST_P(PeImage, ExportsByNameAndByDecimalOrdinal) {
    PeBuilder b(format());
    const Bytes bytes = sample(&b);
    Mapped m(bytes, format());
    ASSERT_TRUE(m.plan);
    ASSERT_TRUE(exports_in_bounds(m.image->bytes(), *m.plan));
    const auto image = m.image->bytes();
    const std::uint32_t seven = find_export(image, format(), "7");  // ordinal 7: index 2
    const std::uint32_t named_07 = find_export(image, format(), "07");
    const std::uint32_t alpha = find_export(image, format(), "Alpha");
    ASSERT_NE(seven, 0u);
    EXPECT_EQ(named_07, seven);  // "07" names index 2 as well
    EXPECT_EQ(find_export(image, format(), "5"), alpha);
    EXPECT_NE(find_export(image, format(), "6"), 0u);
    EXPECT_NE(find_export(image, format(), "6"), alpha);
    EXPECT_EQ(find_export(image, format(), "8"), 0u);  // past NumberOfFunctions
    EXPECT_EQ(find_export(image, format(), "4"), 0u);  // below Base
    EXPECT_EQ(find_export(image, format(), "-1"), 0u);
    EXPECT_EQ(find_export(image, format(), "alpha"), 0u);  // case-sensitive
    EXPECT_EQ(find_export(image, format(), "Alph"), 0u);
    EXPECT_EQ(find_export(image, format(), ""), 0u);
}

TEST(DecimalOrdinal, OnlyTextThatANumberPrintsAs) {
    EXPECT_EQ(decimal_ordinal("7"), 7);
    EXPECT_EQ(decimal_ordinal("0"), 0);
    EXPECT_EQ(decimal_ordinal("-3"), -3);
    for (const char* name : {"07", "+7", " 7", "7 ", "", "7a", "99999999999", "-0"}) {
        EXPECT_EQ(decimal_ordinal(name), std::nullopt) << name;
    }
}

TEST_P(PeImage, ExportTablesOutsideTheImageAreRefused) {
    PeBuilder b(format());
    const Bytes good = sample(&b);
    const std::uint32_t dir = PeBuilder::file_offset(b.export_directory().rva);
    struct Case {
        const char* what;
        std::function<void(Bytes&)> change;
    };
    const std::vector<Case> cases = {
        {"directory outside the image",
         [&](Bytes& x) { poke<std::uint32_t>(x, b.directory_offset(0), 0x00F00000); }},
        {"function table outside", [&](Bytes& x) { poke<std::uint32_t>(x, dir + 28, 0x00F00000); }},
        {"function count too large",
         [&](Bytes& x) { poke<std::uint32_t>(x, dir + 20, 0x40000000); }},
        {"name table outside", [&](Bytes& x) { poke<std::uint32_t>(x, dir + 32, 0x00F00000); }},
        {"ordinal table outside", [&](Bytes& x) { poke<std::uint32_t>(x, dir + 36, 0x00F00000); }},
        {"name count running the names out of the image",
         [&](Bytes& x) { poke<std::uint32_t>(x, dir + 24, 0x00010000); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes bytes = good;
        c.change(bytes);
        Mapped m(bytes, format());
        ASSERT_TRUE(m.plan);
        m.plan->exports.rva = peek<std::uint32_t>(bytes, b.directory_offset(0));
        EXPECT_FALSE(exports_in_bounds(m.image->bytes(), *m.plan));
        EXPECT_EQ(find_export(m.image->bytes(), format(), "Zulu"), 0u);
        EXPECT_EQ(find_export(m.image->bytes(), format(), "6"), 0u);
    }
}

// Mutated images through every step that reads tables. The images live in guarded memory, so a
// read past the bytes or the mapped image stops the run.
TEST_P(PeImage, MutatedImagesAreReadWithinTheirBounds) {
    PeBuilder b(format());
    const Bytes seed = sample(&b);
    std::mt19937 random(20240611u + static_cast<unsigned>(format()));
    const int rounds = 6000;
    int planned = 0;
    for (int round = 0; round < rounds; ++round) {
        Bytes bytes = seed;
        const int changes = 1 + static_cast<int>(random() % 8);
        for (int i = 0; i < changes; ++i) {
            // Mostly the headers and the tables, sometimes anywhere; sometimes a cut.
            if (bytes.empty()) break;
            const std::uint32_t kind = random() % 10;
            if (kind == 0) {
                bytes.resize(random() % bytes.size());
                continue;
            }
            const std::size_t span =
                kind < 6 ? std::min<std::size_t>(0x200, bytes.size()) : bytes.size();
            const std::size_t at = random() % span;
            if (kind % 2) {
                bytes[at] = static_cast<std::uint8_t>(random());
            } else if (at + 4 <= bytes.size()) {
                static const std::uint32_t kEdges[] = {
                    0, 1, 7, 8, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0x1000, 0xFFF, 0x10000000};
                poke<std::uint32_t>(bytes, at, kEdges[random() % std::size(kEdges)]);
            }
        }
        GuardedBytes file(bytes);
        const auto plan = plan_image(file.bytes(), format());
        if (!plan || plan->image_size > 0x100000) continue;
        ++planned;
        GuardedBytes image(plan->image_size);
        copy_image(*plan, file.bytes(), image.bytes());
        if (plan->relocations.size > 0) relocate(image.bytes(), *plan, 0x50000000);
        RecordingLinker linker;
        linker.answers = {{"kernel32.dll!GetTickCount", 1}, {"kernel32.dll!#5", 2}};
        if (plan->imports.rva >= 1) link_imports(image.bytes(), *plan, linker);
        exports_in_bounds(image.bytes(), *plan);
        for (const char* name : {"Alpha", "07", "7", "5"})
            find_export(image.bytes(), format(), name);
        read_mapped_headers(image.bytes(), format());
    }
    EXPECT_GT(planned, rounds / 10);  // the mutations reached the table walks
}

}  // namespace
}  // namespace cw::pe
