#include "platform/command_line.h"

#include <gtest/gtest.h>

namespace cw {
namespace {

using Args = std::vector<std::string>;

TEST(CommandLine, TheLaunchCommandLine) {
    EXPECT_EQ(split_command_line("\"C:\\J\\bin\\javaw.exe\" -Xmx1024M "
                                 "-Djline.terminal=jline.UnsupportedTerminal -jar "
                                 "Cubeworks-World.jar"),
              (Args{"C:\\J\\bin\\javaw.exe", "-Xmx1024M",
                    "-Djline.terminal=jline.UnsupportedTerminal", "-jar", "Cubeworks-World.jar"}));
    EXPECT_EQ(split_command_line("\"/usr/bin/java\" -Xmx1024M -jar x.jar"),
              (Args{"/usr/bin/java", "-Xmx1024M", "-jar", "x.jar"}));
}

TEST(CommandLine, QuotesAndBlanks) {
    EXPECT_EQ(split_command_line("\"C:\\Program Files\\Java\\bin\\javaw.exe\" \"a b\"\t c  "),
              (Args{"C:\\Program Files\\Java\\bin\\javaw.exe", "a b", "c"}));
    EXPECT_EQ(split_command_line("p ab\"c d\"e"), (Args{"p", "abc de"}));
    EXPECT_EQ(split_command_line("p \"unclosed arg"), (Args{"p", "unclosed arg"}));
    EXPECT_EQ(split_command_line("   "), Args{});
    EXPECT_EQ(split_command_line(""), Args{});
}

TEST(CommandLine, EmptyQuotedArgumentsAreKept) {
    EXPECT_EQ(split_command_line("p \"\" x \"\""), (Args{"p", "", "x", ""}));
}

TEST(CommandLine, BackslashesBeforeQuotes) {
    // Backslashes not before a quote are plain.
    EXPECT_EQ(split_command_line("p C:\\a\\\\b\\"), (Args{"p", "C:\\a\\\\b\\"}));
    // 2n backslashes + quote: n backslashes, the quote toggles.
    EXPECT_EQ(split_command_line("p \"C:\\dir\\\\\" next"), (Args{"p", "C:\\dir\\", "next"}));
    // 2n+1 backslashes + quote: n backslashes and a literal quote.
    EXPECT_EQ(split_command_line("p a\\\"b \\\\\\\"c"), (Args{"p", "a\"b", "\\\"c"}));
    EXPECT_EQ(split_command_line("p \"say \\\"hi\\\"\""), (Args{"p", "say \"hi\""}));
}

TEST(CommandLine, DoubledQuotesInsideQuotesAreOneLiteralQuote) {
    EXPECT_EQ(split_command_line("p \"a\"\"b c\" d"), (Args{"p", "a\"b c", "d"}));
    EXPECT_EQ(split_command_line("p \"\"\"\""), (Args{"p", "\""}));
}

TEST(CommandLine, TheProgramNameTakesNoEscapes) {
    // A trailing backslash in the quoted program path doesn't escape its closing quote.
    EXPECT_EQ(split_command_line("\"C:\\dir\\\" arg"), (Args{"C:\\dir\\", "arg"}));
    EXPECT_EQ(split_command_line("C:\\a\"b c\"d.exe x"), (Args{"C:\\ab cd.exe", "x"}));
}

TEST(CommandLine, GbkCharactersStayWhole) {
    // "\xD5\x5C" is one GBK character whose second byte is a backslash; it doesn't escape the
    // quote that follows.
    EXPECT_EQ(split_command_line("p \"\xC4\xE3\xD5\x5C\" x"), (Args{"p", "\xC4\xE3\xD5\x5C", "x"}));
}

}  // namespace
}  // namespace cw
