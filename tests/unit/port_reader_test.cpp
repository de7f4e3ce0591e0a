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

TEST(ServerPort, FirstConnectionOnThePortWhateverItsStateAddressAndOwner) {
    std::vector<TcpConnection> list = {
        {"0.0.0.0", "0.0.0.0", 80, 0, 11, 2},
        {"127.0.0.1", "127.0.0.1", 25565, 50000, 0, 11},  // waiting out its close, no owner
        {"0.0.0.0", "0.0.0.0", 25565, 0, 22, 2},
    };
    auto owner = find_port_owner(list, 25565);
    ASSERT_TRUE(owner.has_value());
    EXPECT_EQ(owner->owner_pid, 0u);
    EXPECT_EQ(owner->local_address, "127.0.0.1");
    EXPECT_FALSE(find_port_owner(list, 50000).has_value());  // remote ports do not count
    EXPECT_FALSE(find_port_owner({}, 25565).has_value());
}

}  // namespace
}  // namespace cw
