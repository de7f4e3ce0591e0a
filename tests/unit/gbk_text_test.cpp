#include "base/gbk_text.h"

#include <gtest/gtest.h>

namespace cw {
namespace {

// "中" is D6 D0 in GBK; "【" A1 BE. A lead byte followed by an ASCII-range trail byte
// ("\x81\x3E") must never let a search match its second byte ">".
TEST(GbkFind, NeverMatchesInsideADoubleByteCharacter) {
    const std::string text = "\x81>x>";
    EXPECT_EQ(gbk_find(text, ">"), 3u);
    EXPECT_EQ(gbk_find("\xD6\xD0\xD6\xD0", "\xD0\xD6"), npos);
    EXPECT_EQ(gbk_find("ab\xD6\xD0"
                       "Done",
                       "Done"),
              4u);
    EXPECT_EQ(gbk_find("abc", ""), npos);
    EXPECT_EQ(gbk_find("ab", "abc"), npos);
    EXPECT_EQ(gbk_find("a>b>", ">", 2), 3u);
}

TEST(GbkReplace, ReplacesLeftToRightWithoutRescanningInsertedText) {
    EXPECT_EQ(gbk_replace_all("a>b>", ">", ">\r\n"), "a>\r\nb>\r\n");
    // The replacement contains the needle: inserted text is not scanned again.
    EXPECT_EQ(gbk_replace_all("xx", "x", "xx"), "xxxx");
    EXPECT_EQ(gbk_replace_all("aaa", "aa", "b"), "ba");
    EXPECT_EQ(gbk_replace_all("\x81>", ">", "<"), "\x81>");
    EXPECT_EQ(gbk_replace_all("none", "z", "y"), "none");
}

TEST(GbkSplit, KeepsEmptyPiecesAndSkipsDoubleByteTrails) {
    const auto pieces = gbk_split("a|b||c|", "|");
    ASSERT_EQ(pieces.size(), 5u);
    EXPECT_EQ(pieces[2], "");
    EXPECT_EQ(pieces[4], "");
    // 0x7C as a trail byte (\x81|) is part of a character, not a separator.
    EXPECT_EQ(gbk_split("\x81|x", "|").size(), 1u);
}

TEST(GbkToInt, FoldsFullWidthDigitsAndTakesTheLeadingNumber) {
    EXPECT_EQ(gbk_to_int("25565"), 25565);
    EXPECT_EQ(gbk_to_int("\xA3\xB1\xA3\xB0\xA3\xB2\xA3\xB4"), 1024);  // "１０２４"
    EXPECT_EQ(gbk_to_int("  -12abc"), -12);
    EXPECT_EQ(gbk_to_int("+7"), 7);
    EXPECT_EQ(gbk_to_int("abc"), 0);
    EXPECT_EQ(gbk_to_int(""), 0);
    EXPECT_EQ(gbk_to_int("99999999999"), 2147483647);
    EXPECT_EQ(gbk_to_int("-99999999999"), -2147483647 - 1);
}

TEST(GbkTrim, RemovesAsciiAndFullWidthBlanksOnly) {
    EXPECT_EQ(gbk_trim("  1.7 "), "1.7");
    EXPECT_EQ(gbk_trim("\xA1\xA1 1.8\xA1\xA1"), "1.8");
    EXPECT_EQ(gbk_trim("\xA1\xA1  \xA1\xA1"), "");
    // "\xB0\xA1" + "\xA1" ends in A1 A1 bytes but the last two are not one character.
    EXPECT_EQ(gbk_trim("\xB0\xA1\xA1"), "\xB0\xA1\xA1");
    EXPECT_EQ(gbk_trim("\t1\t"), "\t1\t");
}

TEST(CutAtZero, StopsAtTheFirstZeroByte) {
    EXPECT_EQ(cut_at_zero(std::string_view("abc\0def", 7)), "abc");
    EXPECT_EQ(cut_at_zero("abc"), "abc");
}

}  // namespace
}  // namespace cw
