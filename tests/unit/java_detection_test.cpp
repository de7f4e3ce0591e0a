#include "config/java_detection.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"

namespace cw {
namespace {

constexpr const char* kKey = "SOFTWARE\\JavaSoft\\Java Runtime Environment";

std::string at(const std::string& key, const char* value) { return key + "|" + value; }

TEST(DetectJava, SixtyFourBitRuntimeComesFromTheSixtyFourBitViewOnly) {
    test::FakePlatform p;
    p.wow64 = true;
    p.registry64[at(kKey, "CurrentVersion")] = "1.8";
    p.registry64[at(std::string(kKey) + "\\1.8", "JavaHome")] = "C:\\Program Files\\Java\\jre8";
    p.registry32[at(kKey, "CurrentVersion")] = "1.7";
    const JavaInfo info = detect_java(p);
    EXPECT_EQ(info.version, "1.8");
    EXPECT_EQ(info.bin_dir, "C:\\Program Files\\Java\\jre8\\bin\\");
}

TEST(DetectJava, OnlyAThirtyTwoBitRuntimeOnSixtyFourBitWindows) {
    test::FakePlatform p;
    p.wow64 = true;
    p.registry32[at(kKey, "CurrentVersion")] = "1.7";
    p.registry32[at(std::string(kKey) + "\\1.7", "JavaHome")] = "C:\\Program Files\\Java\\jre7";
    const JavaInfo info = detect_java(p);
    EXPECT_EQ(info.version, "1.7");
    EXPECT_EQ(info.bin_dir + "javaw.exe", "C:\\Program Files\\Java\\jre7\\bin\\javaw.exe");
}

TEST(DetectJava, ThirtyTwoBitWindowsNeverReadsTheSixtyFourBitView) {
    test::FakePlatform p;
    p.registry64[at(kKey, "CurrentVersion")] = "1.8";
    p.registry32[at(kKey, "CurrentVersion")] = "1.7";
    p.registry32[at(std::string(kKey) + "\\1.7", "JavaHome")] = "D:\\jre7";
    EXPECT_EQ(detect_java(p).bin_dir, "D:\\jre7\\bin\\");
}

TEST(DetectJava, BlankVersionsCountAsNotFound) {
    test::FakePlatform p;
    p.wow64 = true;
    p.registry64[at(kKey, "CurrentVersion")] = " \xA1\xA1 ";  // ASCII and full-width blanks
    p.registry32[at(kKey, "CurrentVersion")] = "\xA1\xA1";
    p.registry32[at(std::string(kKey) + "\\\xA1\xA1", "JavaHome")] = "C:\\x";
    const JavaInfo info = detect_java(p);
    EXPECT_EQ(info.version, "");
    EXPECT_EQ(info.bin_dir, "");
}

TEST(DetectJava, VersionWithoutHomeGivesBinAloneAndKeepsItsBlanks) {
    test::FakePlatform p;
    p.registry32[at(kKey, "CurrentVersion")] = " 1.7";
    const JavaInfo info = detect_java(p);
    EXPECT_EQ(info.version, " 1.7");
    EXPECT_EQ(info.bin_dir, "\\bin\\");
}

}  // namespace
}  // namespace cw
