// The file helpers with the program's own (backslash) paths; under Wine these are real
// Windows paths such as C:\users\...\Temp\cwtest-...
#include "platform/files.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "config/workspace.h"
#include "support/temp_folder.h"

namespace cw::test {
namespace {

TEST(Files, WriteReadAndExistWithBackslashPaths) {
    TempFolder temp;
    const std::string file = temp.path() + "\\server.properties";
    const std::string bytes("a=1\r\n\0b=\xD6\xD0\r\n", 11);
    EXPECT_FALSE(fs::file_exists(file));
    EXPECT_EQ(fs::read_whole_file(file), "");
    ASSERT_TRUE(fs::write_whole_file(file, bytes));
    EXPECT_TRUE(fs::file_exists(file));
    EXPECT_EQ(fs::read_whole_file(file), bytes);
    ASSERT_TRUE(fs::write_whole_file(file, "x"));  // truncates
    EXPECT_EQ(fs::read_whole_file(file), "x");
    EXPECT_TRUE(fs::file_exists(temp.path()));  // a folder counts
    EXPECT_FALSE(fs::file_exists(""));
}

TEST(Files, FoldersAreMadeOneLevelAtATime) {
    TempFolder temp;
    const std::string plugins = temp.path() + "\\Cubeworks-Admin";
    EXPECT_TRUE(fs::create_folder(plugins));
    EXPECT_FALSE(fs::create_folder(plugins));  // exists already
    EXPECT_TRUE(fs::create_folder(plugins + "\\plugins"));
    EXPECT_FALSE(fs::create_folder(temp.path() + "\\missing\\plugins"));
    EXPECT_FALSE(fs::write_whole_file(temp.path() + "\\missing\\a.txt", "a"));
    EXPECT_FALSE(fs::file_exists(temp.path() + "\\missing"));

    ASSERT_TRUE(fs::write_whole_file(plugins + "\\plugins\\One.jar", "1"));
    ASSERT_TRUE(fs::write_whole_file(plugins + "\\plugins\\two.JAR", "2"));
    ASSERT_TRUE(fs::write_whole_file(plugins + "\\plugins\\notes.txt", "3"));
    auto jars = fs::list_folder(plugins + "\\plugins", "*.jar");
    std::sort(jars.begin(), jars.end());
    EXPECT_EQ(jars, (std::vector<std::string>{"One.jar", "two.JAR"}));
}

TEST(Files, ProgramFolderOfAnExecutable) {
    EXPECT_EQ(program_dir_of("X:\\Cubeworks.exe"), "X:");
    EXPECT_EQ(program_dir_of("C:\\Games\\\xBF\xAA\xB7\xFE\\Cubeworks.exe"),
              "C:\\Games\\\xBF\xAA\xB7\xFE");
    const std::string exe = fs::executable_path();
    ASSERT_FALSE(exe.empty());
    EXPECT_TRUE(fs::file_exists(exe));
    EXPECT_TRUE(fs::file_exists(program_dir_of(exe)));
}

}  // namespace
}  // namespace cw::test
