// The loader on real memory and real code: crafted DLLs whose entry point jumps to a recorder
// of this test (through an import the resolver answers), placement, relocation, imports by name
// and ordinal, exports, the entry point's refusal, a second load, and our own skin library.
#ifdef _WIN32
#include "platform/in_memory_module.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "payload/payload.h"
#include "support/pe_builder.h"

namespace cw {
namespace {

using test::PeBuilder;
using test::peek;
using test::poke;

// What the crafted DLLs' entry point saw.
struct EntryCall {
    HINSTANCE instance;
    DWORD reason;
    LPVOID reserved;
};
std::vector<EntryCall> g_entry_calls;
BOOL g_entry_answer = TRUE;

BOOL WINAPI entry_recorder(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    g_entry_calls.push_back({instance, reason, reserved});
    return g_entry_answer;
}

std::vector<std::string> g_resolved;  // "module!function@user"

std::uintptr_t resolver(const char* module, const char* function, std::uintptr_t user) {
    g_resolved.push_back(std::string(module) + "!" + function + "@" + std::to_string(user));
    if (std::string(module) == "cwtest" && std::string(function) == "entry_recorder") {
        return reinterpret_cast<std::uintptr_t>(&entry_recorder);
    }
    return 0;
}

std::vector<DWORD> reasons() {
    std::vector<DWORD> out;
    for (const EntryCall& c : g_entry_calls) out.push_back(c.reason);
    return out;
}

bool region_free(std::uint64_t address) {
    MEMORY_BASIC_INFORMATION info{};
    VirtualQuery(reinterpret_cast<void*>(static_cast<std::uintptr_t>(address)), &info, sizeof info);
    return info.State == MEM_FREE;
}

// A range of the address space reserved for the test, released with the object. Which addresses
// are free differs between 32-bit and 64-bit processes and between systems, so the tests take
// the image bases they need from the system instead of assuming them.
class Reservation {
  public:
    static constexpr SIZE_T kBytes = 0x100000;
    Reservation() : address_(VirtualAlloc(nullptr, kBytes, MEM_RESERVE, PAGE_NOACCESS)) {}
    ~Reservation() { release(); }
    Reservation(const Reservation&) = delete;
    Reservation& operator=(const Reservation&) = delete;
    std::uint64_t address() const { return reinterpret_cast<std::uintptr_t>(address_); }
    void release() {
        if (address_) VirtualFree(address_, 0, MEM_RELEASE);
        address_ = nullptr;
    }

  private:
    void* address_;
};

// An address where an image can be placed: free right now (the tests run on one thread, so it
// stays free until the load).
std::uint64_t free_image_base() {
    Reservation range;
    const std::uint64_t address = range.address();
    EXPECT_NE(address, 0u);
    return address;
}

// A DLL whose entry point jumps to entry_recorder, with an address slot to relocate, a slot
// named by a padding entry and one by an entry of another type, and three exports.
struct CraftedDll {
    std::vector<std::uint8_t> bytes;
    std::uint64_t image_base;
    std::uint32_t slot, padding_slot, other_slot, entry;
    PeBuilder builder;
};

CraftedDll crafted_dll(std::uint64_t image_base) {
    PeBuilder b(pe::kNativeFormat, image_base);
    const auto iat = b.import("cwtest", {std::string("entry_recorder")});
    CraftedDll dll{{}, image_base, 0, 0, 0, 0, b};
    dll.entry = b.add_jump_through(iat[0]);
    b.entry(dll.entry);
    dll.slot = b.add_address(0x1234);
    dll.padding_slot = b.add_value(0x1111);
    b.relocation(dll.padding_slot, 0);
    dll.other_slot = b.add_value(0x2222);
    b.relocation(dll.other_slot, 5);
    b.exports(5, {b.add_return(5), b.add_return(6), b.add_return(7)}, {{"07", 0}, {"Six", 1}});
    dll.bytes = b.build();
    dll.builder = b;
    return dll;
}

std::uint64_t pointer_at(std::uintptr_t address) {
    return sizeof(void*) == 8 ? *reinterpret_cast<const std::uint64_t*>(address)
                              : *reinterpret_cast<const std::uint32_t*>(address);
}

int call(std::uintptr_t address) {
    return reinterpret_cast<int(WINAPI*)()>(address)();
}

class InMemoryModuleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        g_entry_calls.clear();
        g_resolved.clear();
        g_entry_answer = TRUE;
    }
    void TearDown() override { module.unload(); }
    InMemoryModule module;
};

TEST_F(InMemoryModuleTest, LoadsAtTheImageBaseLinksAndCallsTheEntryPoint) {
    const CraftedDll dll = crafted_dll(free_image_base());
    ASSERT_TRUE(region_free(dll.image_base));
    ASSERT_TRUE(module.load_from_memory(dll.bytes, resolver, 77));
    EXPECT_EQ(module.base_address(), dll.image_base);
    EXPECT_EQ(g_resolved, std::vector<std::string>{"cwtest!entry_recorder@77"});
    // Process attach with no module handle and nothing reserved.
    ASSERT_EQ(g_entry_calls.size(), 1u);
    EXPECT_EQ(g_entry_calls[0].instance, nullptr);
    EXPECT_EQ(g_entry_calls[0].reason, DLL_PROCESS_ATTACH);
    EXPECT_EQ(g_entry_calls[0].reserved, nullptr);
    // In place: relocated by 0.
    EXPECT_EQ(pointer_at(module.base_address() + dll.slot), dll.image_base + 0x1234);

    EXPECT_TRUE(module.unload());
    EXPECT_EQ(reasons(), (std::vector<DWORD>{DLL_PROCESS_ATTACH, DLL_PROCESS_DETACH}));
    EXPECT_EQ(module.base_address(), 0u);
    EXPECT_EQ(module.find_export("Six"), 0u);
    EXPECT_TRUE(region_free(dll.image_base));
    EXPECT_TRUE(module.unload());  // nothing loaded: true at once
}

TEST_F(InMemoryModuleTest, ATakenImageBaseIsRelocatedElsewhere) {
    Reservation taken;
    ASSERT_NE(taken.address(), 0u);
    const CraftedDll dll = crafted_dll(taken.address());
    ASSERT_TRUE(module.load_from_memory(dll.bytes, resolver, 0));
    taken.release();
    const std::uintptr_t base = module.base_address();
    EXPECT_NE(base, dll.image_base);
    EXPECT_EQ(pointer_at(base + dll.slot), base + 0x1234);
    // Padding (type 0) and another type change nothing.
    EXPECT_EQ(pointer_at(base + dll.padding_slot), 0x1111u);
    EXPECT_EQ(pointer_at(base + dll.other_slot), 0x2222u);
    // The relocated code runs: its entry point reached the recorder.
    EXPECT_EQ(reasons(), std::vector<DWORD>{DLL_PROCESS_ATTACH});
    EXPECT_EQ(call(module.find_export("Six")), 6);
}

TEST_F(InMemoryModuleTest, SevenIsAnOrdinalAndZeroSevenAName) {
    ASSERT_TRUE(module.load_from_memory(crafted_dll(free_image_base()).bytes, resolver, 0));
    EXPECT_EQ(call(module.find_export("7")), 7);   // ordinal 7: the third function
    EXPECT_EQ(call(module.find_export("07")), 5);  // the name "07": the first
    EXPECT_EQ(call(module.find_export("5")), 5);
    EXPECT_EQ(module.find_export("8"), 0u);
    EXPECT_EQ(module.find_export("six"), 0u);
}

TEST_F(InMemoryModuleTest, ImportsByOrdinalReachTheResolverAsTextAndTheSystemAsANumber) {
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    std::uint16_t ordinal = 0;
    for (std::uint16_t n = 1; n < 2000 && !ordinal; ++n) {
        if (GetProcAddress(kernel, MAKEINTRESOURCEA(n))) ordinal = n;
    }
    ASSERT_NE(ordinal, 0) << "kernel32 exports nothing by ordinal";
    PeBuilder b(pe::kNativeFormat, free_image_base());
    const auto iat = b.import("kernel32.dll", {ordinal, std::string("GetTickCount")});
    b.entry(b.add_entry_return(1));
    ASSERT_TRUE(module.load_from_memory(b.build(), resolver, 9));
    EXPECT_EQ(g_resolved,
              (std::vector<std::string>{"kernel32.dll!" + std::to_string(ordinal) + "@9",
                                        "kernel32.dll!GetTickCount@9"}));
    EXPECT_EQ(pointer_at(module.base_address() + iat[0]),
              reinterpret_cast<std::uintptr_t>(GetProcAddress(kernel, MAKEINTRESOURCEA(ordinal))));
    EXPECT_EQ(pointer_at(module.base_address() + iat[1]),
              reinterpret_cast<std::uintptr_t>(GetProcAddress(kernel, "GetTickCount")));
}

TEST_F(InMemoryModuleTest, AnImportNobodyHasFailsTheLoadBeforeTheEntryPoint) {
    const std::uint64_t base = free_image_base();
    PeBuilder b(pe::kNativeFormat, base);
    const auto iat = b.import("cwtest", {std::string("entry_recorder")});
    b.import("kernel32.dll", {std::string("NoSuchFunctionAnywhere")});
    b.entry(b.add_jump_through(iat[0]));
    EXPECT_FALSE(module.load_from_memory(b.build(), resolver, 0));
    EXPECT_EQ(module.base_address(), 0u);
    EXPECT_TRUE(g_entry_calls.empty());
    EXPECT_TRUE(region_free(base));
}

TEST_F(InMemoryModuleTest, ARefusingEntryPointGetsItsDetachCallAndTheImageGoes) {
    g_entry_answer = FALSE;
    const std::uint64_t base = free_image_base();
    EXPECT_FALSE(module.load_from_memory(crafted_dll(base).bytes, resolver, 0));
    EXPECT_EQ(module.base_address(), 0u);
    EXPECT_EQ(reasons(), (std::vector<DWORD>{DLL_PROCESS_ATTACH, DLL_PROCESS_DETACH}));
    for (const EntryCall& c : g_entry_calls) {
        EXPECT_EQ(c.instance, nullptr);
        EXPECT_EQ(c.reserved, nullptr);
    }
    EXPECT_TRUE(region_free(base));
}

TEST_F(InMemoryModuleTest, ASecondLoadUnloadsTheFirst) {
    const std::uint64_t first = free_image_base();
    ASSERT_TRUE(module.load_from_memory(crafted_dll(first).bytes, resolver, 0));
    const std::uint64_t second = free_image_base();
    ASSERT_TRUE(module.load_from_memory(crafted_dll(second).bytes, resolver, 0));
    EXPECT_EQ(reasons(),
              (std::vector<DWORD>{DLL_PROCESS_ATTACH, DLL_PROCESS_DETACH, DLL_PROCESS_ATTACH}));
    EXPECT_EQ(module.base_address(), second);
    EXPECT_TRUE(region_free(first));
}

TEST_F(InMemoryModuleTest, AnExecutableImageIsMappedAndLinkedButNotCalled) {
    CraftedDll dll = crafted_dll(free_image_base());
    poke<std::uint16_t>(dll.bytes, PeBuilder::kNtOffset + 4 + 18, pe::kExecutableImage);
    ASSERT_TRUE(module.load_from_memory(dll.bytes, resolver, 0));
    EXPECT_EQ(g_resolved.size(), 1u);
    EXPECT_TRUE(module.unload());
    EXPECT_TRUE(g_entry_calls.empty());
}

// One case of each kind of refusal, checked on real memory: nothing stays mapped and the entry
// point is never called. (Every check on its own: pe_image_test.cpp.)
TEST_F(InMemoryModuleTest, AFailedCheckMapsNothing) {
    const std::uint64_t base = free_image_base();
    const CraftedDll good = crafted_dll(base);
    struct Case {
        const char* what;
        void (*change)(std::vector<std::uint8_t>&, const CraftedDll&);
    };
    const Case cases[] = {
        {"fewer than 64 bytes", [](auto& x, const auto&) { x.resize(60); }},
        {"no MZ", [](auto& x, const auto&) { x[1] = 0; }},
        {"no PE", [](auto& x, const auto&) { x[PeBuilder::kNtOffset] = 'N'; }},
        {"no executable bit",
         [](auto& x, const auto&) { poke<std::uint16_t>(x, PeBuilder::kNtOffset + 22, 0x2000); }},
        {"truncated section table",
         [](auto& x, const auto& d) { x.resize(d.builder.section_table_offset() + 20); }},
        {"raw data past the bytes",
         [](auto& x, const auto& d) {
             poke<std::uint32_t>(x, d.builder.section_table_offset() + 16, 0x10000);
         }},
        {"relocation block shorter than its header",
         [](auto& x, const auto& d) {
             poke<std::uint32_t>(
                 x, PeBuilder::file_offset(d.builder.relocation_directory().rva) + 4, 6);
         }},
        {"import name outside the image",
         [](auto& x, const auto& d) {
             poke<std::uint32_t>(x, PeBuilder::file_offset(d.builder.import_directory().rva) + 12,
                                 0x7FFF0000);
         }},
        {"export table outside the image",
         [](auto& x, const auto& d) {
             poke<std::uint32_t>(x, PeBuilder::file_offset(d.builder.export_directory().rva) + 28,
                                 0x7FFF0000);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        std::vector<std::uint8_t> bytes = good.bytes;
        c.change(bytes, good);
        EXPECT_FALSE(module.load_from_memory(bytes, resolver, 0));
        EXPECT_EQ(module.base_address(), 0u);
        EXPECT_TRUE(g_entry_calls.empty());
        EXPECT_TRUE(region_free(base));
    }
}

// ---- Our skin library, from the bytes the program carries (its windows: the gui tests) ----

using AttachRes = int(WINAPI*)(const unsigned char*, int, const char*, int, int, int);

TEST_F(InMemoryModuleTest, OurSkinLibraryLoadsFromMemoryAndTakesOnlyASkin) {
    const auto library = payload::skin_library();
    ASSERT_GT(library.size(), 1024u);
    const bool preferred_base_free = region_free(0x10000000);
    ASSERT_TRUE(module.load_from_memory(library));
    if (preferred_base_free) {
        EXPECT_EQ(module.base_address(), 0x10000000u);
    }
    const auto attach = reinterpret_cast<AttachRes>(module.find_export("SkinH_AttachRes"));
    ASSERT_NE(attach, nullptr);
    const unsigned char not_a_skin[] = ".SHX\x01\x00\x00\x00";
    EXPECT_EQ(attach(not_a_skin, sizeof not_a_skin, nullptr, 0, 0, 0), 0);
    const auto resource = payload::skin_resource();
    EXPECT_EQ(attach(resource.data(), 8, nullptr, 0, 0, 0), 0);  // no colours
    EXPECT_EQ(attach(resource.data(), static_cast<int>(resource.size()), nullptr, 0, 0, 0), 1);
    EXPECT_TRUE(module.unload());
}

TEST_F(InMemoryModuleTest, OurSkinLibraryRunsRelocated) {
    void* taken =
        VirtualAlloc(reinterpret_cast<void*>(0x10000000), 0x10000, MEM_RESERVE, PAGE_NOACCESS);
    ASSERT_TRUE(module.load_from_memory(payload::skin_library()));
    if (taken) VirtualFree(taken, 0, MEM_RELEASE);
    EXPECT_NE(module.base_address(), 0x10000000u);
    const auto attach = reinterpret_cast<AttachRes>(module.find_export("SkinH_AttachRes"));
    ASSERT_NE(attach, nullptr);
    const auto resource = payload::skin_resource();
    EXPECT_EQ(attach(resource.data(), static_cast<int>(resource.size()), nullptr, 30, -20, 10), 1);
    EXPECT_TRUE(module.unload());
}

}  // namespace
}  // namespace cw
#endif  // _WIN32
