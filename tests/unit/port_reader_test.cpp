#include <gtest/gtest.h>

#include <string>

#include "server/server_port.h"

namespace cw {
namespace {

// The port the window shows and checks is the one the server opens: the server reads the same
// file as a properties file and refuses to start on a value that is no port.
TEST(ServerPort, ReadAsTheServerReadsItsSettings) {
    EXPECT_EQ(parse_server_port("server-port=25566\r\n"), 25566);
    EXPECT_EQ(parse_server_port("motd=A\r\nserver-port=22565\r\nonline-mode=false"), 22565);
    EXPECT_EQ(parse_server_port("motd=A\nserver-port=22566"), 22566);  // LF, no last line end
    EXPECT_EQ(parse_server_port("\xEF\xBB\xBFserver-port=22567\r\n"), 22567);
    EXPECT_EQ(parse_server_port("  server-port = 22568 \r\n"), 22568);
    EXPECT_EQ(parse_server_port("server-port:22569\r\n"), 22569);
    // Comments and longer keys are no entries; the last entry wins.
    EXPECT_EQ(parse_server_port("#server-port=1234\r\nserver-port=25570\r\n"), 25570);
    EXPECT_EQ(parse_server_port("query.server-port=7\r\nserver-port2=8\r\n"), 25565);
    EXPECT_EQ(parse_server_port("server-port=1\r\nserver-port=2\r\n"), 2);
    // No entry, or an empty one: the server's own default.
    EXPECT_EQ(parse_server_port(""), 25565);
    EXPECT_EQ(parse_server_port("server-port=\r\n"), 25565);
    EXPECT_EQ(parse_server_port(std::string("motd=A\r\n\0server-port=1\r\n", 26)), 25565);
}

TEST(ServerPort, AValueThatIsNoPortIsNoneAtAll) {
    for (const char* value : {"70000", "65536", "0", "-1", "25610abc", "abc", "+80", "１２３",
                              "1e3", "99999999999999999999"}) {
        EXPECT_EQ(parse_server_port(std::string("server-port=") + value + "\r\n"), kNoServerPort)
            << value;
    }
    EXPECT_EQ(parse_server_port("server-port=65535\r\n"), 65535);
    EXPECT_EQ(parse_server_port("server-port=000025565\r\n"), 25565);
}

TEST(ServerPort, TheListenerHoldsThePortElseTheFirstConnectionThatIsNotClosing) {
    const TcpConnection listener{"0.0.0.0", "0.0.0.0", 25565, 0, 22, 2};
    const TcpConnection closing{"127.0.0.1", "127.0.0.1", 25565, 50000, 0, 11};
    const TcpConnection player{"192.168.1.5", "192.168.1.9", 25565, 50001, 33, 5};
    const TcpConnection other{"0.0.0.0", "0.0.0.0", 80, 0, 11, 2};
    // A player's connection waiting out its close comes first in the table: the listener below
    // it is the holder.
    auto owner = find_port_owner({other, closing, player, listener}, 25565);
    ASSERT_TRUE(owner.has_value());
    EXPECT_EQ(owner->owner_pid, 22u);
    // No listener: the first connection in another state, whatever its address and owner.
    owner = find_port_owner({closing, player}, 25565);
    ASSERT_TRUE(owner.has_value());
    EXPECT_EQ(owner->owner_pid, 33u);
    // Closing connections alone hold nothing; remote ports do not count.
    EXPECT_FALSE(find_port_owner({closing, other}, 25565).has_value());
    EXPECT_FALSE(find_port_owner({player}, 50001).has_value());
    EXPECT_FALSE(find_port_owner({}, 25565).has_value());
}

}  // namespace
}  // namespace cw
