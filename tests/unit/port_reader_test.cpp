#include <gtest/gtest.h>

#include <string>

#include "server/server_port.h"

namespace cw {
namespace {

TEST(ServerPort, ValueUpToTheLineEnd) {
    EXPECT_EQ(parse_server_port("server-port=25565\r\n"), 25565);
    EXPECT_EQ(parse_server_port("motd=A\r\nserver-port=22565\r\nonline-mode=false"), 22565);
    EXPECT_EQ(parse_server_port("server-port=\r\n"), 25565);
    EXPECT_EQ(parse_server_port("server-port=abc\r\n"), 0);
    EXPECT_EQ(parse_server_port("server-port=  -12x\r\n"), -12);
    EXPECT_EQ(parse_server_port("server-port=99999\r\n"), 99999);  // not range-checked
}

TEST(ServerPort, AbsentOrWithoutLineEnd) {
    EXPECT_EQ(parse_server_port(""), -1);
    EXPECT_EQ(parse_server_port("motd=A\r\n"), -1);
    EXPECT_EQ(parse_server_port("motd=A\r\nserver-port=25565"), -1);
    EXPECT_EQ(parse_server_port("server-port=25565\n"), -1);  // a bare LF is no line end
    EXPECT_EQ(parse_server_port(std::string("motd=A\r\n\0server-port=1\r\n", 26)), -1);
}

TEST(ServerPort, FirstOccurrenceAnywhereWins) {
    EXPECT_EQ(parse_server_port("#server-port=1234\r\nserver-port=25565\r\n"), 1234);
    EXPECT_EQ(parse_server_port("query.server-port=7\r\nserver-port=25565\r\n"), 7);
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
