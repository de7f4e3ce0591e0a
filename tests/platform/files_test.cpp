// The file helpers with the program's own (backslash) paths; under Wine these are real
// Windows paths such as C:\users\...\Temp\cwtest-...
#include "platform/files.h"

#include <gtest/gtest.h>

#include <algorithm>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

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
    auto jars = fs::list_files(plugins + "\\plugins", "*.jar");
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

TEST(Files, ReadFileTellsAnEmptyFileFromAFailure) {
    TempFolder temp;
    const std::string empty = temp.path() + "\\empty.jar";
    ASSERT_TRUE(fs::write_whole_file(empty, ""));
    EXPECT_EQ(fs::read_file(empty), std::string());
    EXPECT_EQ(fs::read_file(temp.path() + "\\missing.jar"), std::nullopt);
    EXPECT_EQ(fs::read_file(temp.path()), std::nullopt);  // a folder
    const std::string bytes("PK\x03\x04\0\xFF", 6);
    ASSERT_TRUE(fs::write_whole_file(empty, bytes));
    EXPECT_EQ(fs::read_file(empty), bytes);
}

TEST(Files, ReplaceFilePutsTheNewBytesInPlaceOrLeavesTheOldFile) {
    TempFolder temp;
    const std::string jar = temp.path() + "\\Foo.jar";
    ASSERT_TRUE(fs::replace_file(jar, "one"));
    ASSERT_TRUE(fs::replace_file(jar, "two"));
    EXPECT_EQ(fs::read_whole_file(jar), "two");
    EXPECT_FALSE(fs::replace_file(temp.path() + "\\missing\\Foo.jar", "x"));
    // A folder in the way is not replaced, and no file is left beside it.
    const std::string held = temp.path() + "\\Held.jar";
    ASSERT_TRUE(fs::create_folder(held));
    ASSERT_TRUE(fs::write_whole_file(held + "\\inside", "kept"));
    EXPECT_FALSE(fs::replace_file(held, "x"));
    EXPECT_EQ(fs::read_whole_file(held + "\\inside"), "kept");
    EXPECT_EQ(fs::list_files(temp.path(), "*"), std::vector<std::string>{"Foo.jar"});
    EXPECT_TRUE(fs::file_exists(held));
}

TEST(Files, ListFilesLeavesFoldersOut) {
    TempFolder temp;
    ASSERT_TRUE(fs::write_whole_file(temp.path() + "\\Foo.jar", "1"));
    ASSERT_TRUE(fs::write_whole_file(temp.path() + "\\a.JAR", "2"));
    ASSERT_TRUE(fs::write_whole_file(temp.path() + "\\b.txt", "3"));
    ASSERT_TRUE(fs::create_folder(temp.path() + "\\x.jar"));
    auto jars = fs::list_files(temp.path(), "*.jar");
    std::sort(jars.begin(), jars.end());
    EXPECT_EQ(jars, (std::vector<std::string>{"Foo.jar", "a.JAR"}));
    EXPECT_TRUE(fs::list_files(temp.path() + "\\missing", "*.jar").empty());
}

// A link at `link` to the folder `target`; false when this system will not make one.
bool make_folder_link(const std::string& target, const std::string& link) {
#ifdef _WIN32
    return CreateSymbolicLinkA(
               link.c_str(), target.c_str(),
               SYMBOLIC_LINK_FLAG_DIRECTORY | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) != 0;
#else
    std::string t = target, l = link;
    std::replace(t.begin(), t.end(), '\\', '/');
    std::replace(l.begin(), l.end(), '\\', '/');
    return ::symlink(t.c_str(), l.c_str()) == 0;
#endif
}

void make_read_only(const std::string& path) {
#ifdef _WIN32
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
#else
    ::chmod(path.c_str(), 0444);
#endif
}

TEST(Files, RemoveFolderTreeTakesEverythingInsideButNeverFollowsALink) {
    TempFolder temp;
    const std::string data = temp.path() + "\\Foo";
    ASSERT_TRUE(fs::create_folder(data));
    ASSERT_TRUE(fs::create_folder(data + "\\deep"));
    ASSERT_TRUE(fs::create_folder(data + "\\deep\\deeper"));
    ASSERT_TRUE(fs::write_whole_file(data + "\\deep\\deeper\\a.yml", "a"));
    ASSERT_TRUE(fs::write_whole_file(data + "\\config.yml", "b"));
    make_read_only(data + "\\config.yml");
    const std::string outside = temp.path() + "\\Outside";
    ASSERT_TRUE(fs::create_folder(outside));
    ASSERT_TRUE(fs::write_whole_file(outside + "\\precious", "keep"));
    const bool linked = make_folder_link(outside, data + "\\link");

    EXPECT_TRUE(fs::remove_folder_tree(data));
    EXPECT_FALSE(fs::file_exists(data));
    EXPECT_EQ(fs::read_whole_file(outside + "\\precious"), "keep");
    EXPECT_TRUE(fs::remove_folder_tree(data));  // nothing left to remove

    // The data folder itself a link: the link goes, the folder it names stays whole.
    if (make_folder_link(outside, data)) {
        EXPECT_TRUE(fs::remove_folder_tree(data));
        EXPECT_FALSE(fs::file_exists(data));
        EXPECT_EQ(fs::read_whole_file(outside + "\\precious"), "keep");
    }
    // A file of that name is not a folder: left alone.
    ASSERT_TRUE(fs::write_whole_file(data, "file"));
    EXPECT_FALSE(fs::remove_folder_tree(data));
    EXPECT_EQ(fs::read_whole_file(data), "file");
    if (!linked) GTEST_SKIP() << "this system makes no folder links; the link cases were not run";
}

}  // namespace
}  // namespace cw::test
