// Registry reads in both views, against keys the test writes (Windows and Wine only).
#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/platform.h"

namespace cw::test {
namespace {

constexpr const char* kKey = "SOFTWARE\\CubeworksPlatformTest";

void write_value(REGSAM view, const char* name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_WRITE | view, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

void write_text(REGSAM view, const char* name, DWORD type, const std::string& text) {
    write_value(view, name, type, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

class RegistryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        remove_keys();
        write_text(KEY_WOW64_64KEY, "CurrentVersion", REG_SZ, "1.7");
        write_text(KEY_WOW64_64KEY, "OnlyIn64", REG_SZ, "sixty-four");
        write_text(KEY_WOW64_32KEY, "CurrentVersion", REG_SZ, "1.6");
        write_text(KEY_WOW64_32KEY, "JavaHome", REG_EXPAND_SZ, "%SystemRoot%\\jre6");
        write_text(KEY_WOW64_32KEY, "Plain", REG_SZ, "%SystemRoot%\\as is");
        const DWORD number = 7;
        write_value(KEY_WOW64_32KEY, "Number", REG_DWORD, &number, sizeof number);
    }
    void TearDown() override { remove_keys(); }
    static void remove_keys() {
        RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kKey, KEY_WOW64_64KEY, 0);
        RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kKey, KEY_WOW64_32KEY, 0);
    }
    std::unique_ptr<Platform> platform_ = make_system_platform();
};

bool system_has_wow64_folder() {
    char dir[MAX_PATH];
    return GetSystemWow64DirectoryA(dir, sizeof dir) > 0;
}

TEST_F(RegistryTest, SixtyFourBitWindowsIsRecognised) {
    // Only 64-bit Windows (and a 64-bit Wine prefix) has a folder for its 32-bit programs.
    EXPECT_EQ(platform_->is_64bit_windows(), system_has_wow64_folder());
}

TEST_F(RegistryTest, EachViewReadsItsOwnValues) {
    if (!system_has_wow64_folder()) GTEST_SKIP() << "one registry view only";
    EXPECT_EQ(platform_->read_registry_text_64("HKEY_LOCAL_MACHINE", kKey, "CurrentVersion"),
              "1.7");
    EXPECT_EQ(platform_->read_registry_text_64("HKEY_LOCAL_MACHINE", kKey, "OnlyIn64"),
              "sixty-four");
    EXPECT_EQ(platform_->read_registry_text_32("HKEY_LOCAL_MACHINE", kKey, "CurrentVersion"),
              "1.6");
    EXPECT_EQ(platform_->read_registry_text_32("HKEY_LOCAL_MACHINE", kKey, "OnlyIn64"), "");
    EXPECT_EQ(platform_->read_registry_text_64("HKEY_LOCAL_MACHINE", kKey, "JavaHome"), "");
}

TEST_F(RegistryTest, ExpandableTextIsExpandedAndOtherTypesAreNotText) {
    char expected[MAX_PATH];
    ExpandEnvironmentStringsA("%SystemRoot%\\jre6", expected, sizeof expected);
    ASSERT_EQ(std::string(expected).find('%'), std::string::npos);
    EXPECT_EQ(platform_->read_registry_text_32("HKEY_LOCAL_MACHINE", kKey, "JavaHome"), expected);
    EXPECT_EQ(platform_->read_registry_text_32("HKEY_LOCAL_MACHINE", kKey, "Plain"),
              "%SystemRoot%\\as is");
    EXPECT_EQ(platform_->read_registry_text_32("HKEY_LOCAL_MACHINE", kKey, "Number"), "");
}

TEST_F(RegistryTest, RootNamesAreMatchedWithoutCaseOrBlanks) {
    EXPECT_EQ(platform_->read_registry_text_32(" hkey_local_machine\t", kKey, "CurrentVersion"),
              "1.6");
    if (system_has_wow64_folder()) {
        EXPECT_EQ(platform_->read_registry_text_64("Hkey_Local_Machine ", kKey, "CurrentVersion"),
                  "1.7");
    }
    for (const char* wrong : {"HKLM", "HKEY_LOCAL", "", "HKEY_CURRENT_USER"}) {
        EXPECT_EQ(platform_->read_registry_text_32(wrong, kKey, "CurrentVersion"), "") << wrong;
        EXPECT_EQ(platform_->read_registry_text_64(wrong, kKey, "CurrentVersion"), "") << wrong;
    }
}

TEST_F(RegistryTest, MissingKeysAndValuesGiveEmptyText) {
    const std::string missing = std::string(kKey) + "\\Missing";
    EXPECT_EQ(platform_->read_registry_text_32("HKEY_LOCAL_MACHINE", missing, "CurrentVersion"),
              "");
    EXPECT_EQ(platform_->read_registry_text_64("HKEY_LOCAL_MACHINE", missing, "CurrentVersion"),
              "");
    EXPECT_EQ(platform_->read_registry_text_32("HKEY_LOCAL_MACHINE", kKey, "Nothing"), "");
    EXPECT_EQ(platform_->read_registry_text_64("HKEY_LOCAL_MACHINE", kKey, "Nothing"), "");
}

}  // namespace
}  // namespace cw::test
#endif
