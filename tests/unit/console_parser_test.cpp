#include "server/console_parser.h"

#include <gtest/gtest.h>

#include <string>

namespace cw {
namespace {

TEST(ConsoleParser, CompletionLineShowsTheDurationAfterTheRewrittenWord) {
    ConsoleParser parser;
    const ConsoleChunk c =
        parser.feed("[12:00:01 INFO]: Done (1.234s)! For help, type \"help\" or \"?\"\n");
    EXPECT_EQ(c.display,
              "[12:00:01 INFO]: 已开服。用时： (1.234s)! For help, type \"help\" or \"?\"\n");
    EXPECT_TRUE(c.started);
    EXPECT_FALSE(c.port_taken);
}

TEST(ConsoleParser, RewritesInOrderWithoutRescanningInsertedText) {
    EXPECT_EQ(ConsoleParser::rewrite("<Steve> hello>"), "<Steve>\r\n hello>\r\n");
    EXPECT_EQ(ConsoleParser::rewrite("[INFO]: Default game type: SURVIVAL\n>"),
              "[INFO]:默认的游戏类型：: SURVIVAL\n>\r\n");
    EXPECT_EQ(ConsoleParser::rewrite("DoneDone>Done"),
              "已开服。用时：已开服。用时：>\r\n已开服。用时：");
    EXPECT_EQ(ConsoleParser::rewrite("done DONE Don"), "done DONE Don");
}

TEST(ConsoleParser, EmptyChunkGivesNothing) {
    ConsoleParser parser;
    const ConsoleChunk c = parser.feed("");
    EXPECT_EQ(c.display, "");
    EXPECT_FALSE(c.started);
    EXPECT_FALSE(c.port_taken);
}

TEST(ConsoleParser, GbkTextAroundThePhrases) {
    ConsoleParser parser;
    ConsoleChunk c = parser.feed("服务器Done玩家>");
    EXPECT_EQ(c.display, "服务器已开服。用时：玩家>\r\n");
    EXPECT_TRUE(c.started);

    // 0x81 0x44 is one double-byte character: its second byte is no "D".
    c = parser.feed(
        "\x81"
        "Done");
    EXPECT_EQ(c.display,
              "\x81"
              "Done");
    EXPECT_FALSE(c.started);

    // The server's own phrase already in Chinese counts as the completion too.
    c = parser.feed("插件：已开服。用时 5s");
    EXPECT_EQ(c.display, "插件：已开服。用时 5s");
    EXPECT_TRUE(c.started);

    c = parser.feed("错误Perhaps a server is already running on that port?");
    EXPECT_TRUE(c.port_taken);
    EXPECT_FALSE(c.started);
}

TEST(ConsoleParser, PhraseSplitByThePipeIsRecognisedButShownAsItCame) {
    ConsoleParser parser;
    ConsoleChunk first = parser.feed("[12:00:01 INFO]: Do");
    EXPECT_EQ(first.display, "[12:00:01 INFO]: Do");
    EXPECT_FALSE(first.started);
    ConsoleChunk second = parser.feed("ne (0.5s)!\n");
    EXPECT_EQ(second.display, "ne (0.5s)!\n");
    EXPECT_TRUE(second.started);
    // Recognised once: a phrase wholly before the joint does not count again.
    EXPECT_FALSE(parser.feed("x").started);

    ConsoleParser port;
    EXPECT_FALSE(port.feed("Perhaps a server is al").port_taken);
    EXPECT_FALSE(port.feed("ready running ").port_taken);
    EXPECT_TRUE(port.feed("on that port?\n").port_taken);

    // Split over three small chunks.
    ConsoleParser three;
    three.feed("D");
    EXPECT_FALSE(three.feed("o").started);
    EXPECT_TRUE(three.feed("ne").started);
}

TEST(ConsoleParser, DoubleByteCharacterCutAtTheJoint) {
    // The chunk ends inside 时 (CA B1): characters are counted across the joint, and the kept
    // tail starts on a character of its own although its first byte would be a trail byte.
    std::string first;
    for (int i = 0; i < 30; ++i) first += "服";
    first += "已开服。用\xCA";
    ConsoleParser parser;
    EXPECT_FALSE(parser.feed(first).started);
    const ConsoleChunk second = parser.feed("\xB1 (0.5s)");
    EXPECT_EQ(second.display, "\xB1 (0.5s)");
    EXPECT_TRUE(second.started);

    // "\x81" "D" is one character, so "D" + "one" across the joint is no "Done".
    ConsoleParser other;
    other.feed(
        "abc\x81"
        "D");
    EXPECT_FALSE(other.feed("one").started);
}

}  // namespace
}  // namespace cw
