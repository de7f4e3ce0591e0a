#include "platform/tcp_table.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace cw {
namespace {

// Builds the raw table GetExtendedTcpTable fills (AF_INET, owner pid), little-endian fields.
class RawTable {
  public:
    explicit RawTable(std::uint32_t count) { put32(count); }
    RawTable& row(std::uint32_t state, std::vector<unsigned char> local,
                  std::vector<unsigned char> lport, std::vector<unsigned char> remote,
                  std::vector<unsigned char> rport, std::uint32_t pid) {
        put32(state);
        bytes_.insert(bytes_.end(), local.begin(), local.end());
        put_port(lport);
        bytes_.insert(bytes_.end(), remote.begin(), remote.end());
        put_port(rport);
        put32(pid);
        return *this;
    }
    std::vector<TcpConnection> parse(std::size_t cut = 0) const {
        return parse_tcp_table(bytes_.data(), bytes_.size() - cut);
    }

  private:
    void put32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<unsigned char>(v >> (8 * i)));
    }
    // The two port bytes as stored (network order), then the unused high half of the field.
    void put_port(const std::vector<unsigned char>& p) {
        bytes_.push_back(p[0]);
        bytes_.push_back(p[1]);
        bytes_.push_back(0xAA);  // garbage that must be ignored
        bytes_.push_back(0x55);
    }
    std::vector<unsigned char> bytes_;
};

TEST(TcpTable, ReadsRowsInOrderWithPortsInHostOrder) {
    const auto rows =
        RawTable(2)
            .row(2, {0, 0, 0, 0}, {0x63, 0xDD}, {0, 0, 0, 0}, {0, 0}, 0)
            .row(5, {127, 0, 0, 1}, {0x1F, 0x90}, {192, 168, 1, 20}, {0xC3, 0x51}, 0x12345678)
            .parse();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].tcp_state, 2);
    EXPECT_EQ(rows[0].local_address, "0.0.0.0");
    EXPECT_EQ(rows[0].local_port, 25565);
    EXPECT_EQ(rows[0].remote_address, "0.0.0.0");
    EXPECT_EQ(rows[0].remote_port, 0);
    EXPECT_EQ(rows[0].owner_pid, 0u);

    EXPECT_EQ(rows[1].tcp_state, 5);
    EXPECT_EQ(rows[1].local_address, "127.0.0.1");
    EXPECT_EQ(rows[1].local_port, 8080);
    EXPECT_EQ(rows[1].remote_address, "192.168.1.20");
    EXPECT_EQ(rows[1].remote_port, 50001);
    EXPECT_EQ(rows[1].owner_pid, 0x12345678u);
}

TEST(TcpTable, AnyStateCodeIsPassedThrough) {
    RawTable table(3);
    table
        .row(11, {10, 0, 0, 1}, {0x63, 0xDD}, {10, 0, 0, 2}, {0x04, 0xD2}, 0)  // time-wait
        .row(12, {255, 255, 255, 255}, {0xFF, 0xFF}, {1, 2, 3, 4}, {0, 1}, 7)  // delete-tcb
        .row(1, {0, 0, 0, 0}, {0, 80}, {0, 0, 0, 0}, {0, 0}, 4);
    const auto rows = table.parse();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].tcp_state, 11);
    EXPECT_EQ(rows[0].owner_pid, 0u);
    EXPECT_EQ(rows[1].tcp_state, 12);
    EXPECT_EQ(rows[1].local_address, "255.255.255.255");
    EXPECT_EQ(rows[1].local_port, 65535);
    EXPECT_EQ(rows[1].remote_port, 1);
    EXPECT_EQ(rows[2].local_port, 80);
}

TEST(TcpTable, ShortOrEmptyBuffersGiveOnlyTheWholeRowsPresent) {
    RawTable table(3);  // claims three rows, holds two
    table.row(2, {0, 0, 0, 0}, {0x63, 0xDD}, {0, 0, 0, 0}, {0, 0}, 1)
        .row(2, {127, 0, 0, 1}, {0x63, 0xDE}, {0, 0, 0, 0}, {0, 0}, 2);
    EXPECT_EQ(table.parse().size(), 2u);
    const auto cut = table.parse(1);  // the second row lost its last byte
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(cut[0].owner_pid, 1u);

    EXPECT_TRUE(RawTable(0).parse().empty());
    EXPECT_TRUE(parse_tcp_table(nullptr, 0).empty());
    const unsigned char three[3] = {1, 0, 0};
    EXPECT_TRUE(parse_tcp_table(three, sizeof three).empty());
    // A table that grew between size query and read stays zero-filled: no rows.
    const std::vector<unsigned char> zeros(4 + 24 * 4, 0);
    EXPECT_TRUE(parse_tcp_table(zeros.data(), zeros.size()).empty());
}

TEST(ProcNetTcp, ReadsLinuxRowsIntoTheSameForm) {
    const char* text =
        "  sl  local_address rem_address   st tx_queue rx_queue tr tm->when retrnsmt   uid  "
        "timeout inode\n"
        "   0: 0100007F:63DD 00000000:0000 0A 00000000:00000000 00:00000000 00000000  1000        "
        "0 123456 1 0000000000000000 100 0 0 10 0\n"
        "   1: 00000000:1F90 00000000:0000 0A 00000000:00000000 00:00000000 00000000     0        "
        "0 99 1 0000000000000000 100 0 0 10 0\n"
        "   2: 1401A8C0:C351 0100007F:63DD 06 00000000:00000000 03:00000A1B 00000000     0        "
        "0 0 3 0000000000000000\n"
        "garbage line\n";
    const auto rows = parse_proc_net_tcp(text);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].connection.local_address, "127.0.0.1");
    EXPECT_EQ(rows[0].connection.local_port, 25565);
    EXPECT_EQ(rows[0].connection.tcp_state, 2);
    EXPECT_EQ(rows[0].inode, 123456u);
    EXPECT_EQ(rows[1].connection.local_address, "0.0.0.0");
    EXPECT_EQ(rows[1].connection.local_port, 8080);
    EXPECT_EQ(rows[2].connection.local_address, "192.168.1.20");
    EXPECT_EQ(rows[2].connection.remote_address, "127.0.0.1");
    EXPECT_EQ(rows[2].connection.remote_port, 25565);
    EXPECT_EQ(rows[2].connection.tcp_state, 11);  // TIME_WAIT
    EXPECT_EQ(rows[2].inode, 0u);
}

TEST(Tcp6Table, DualStackAndMappedListenersReadWithTheirPortsAndOwners) {
    // Two rows of 56 bytes: [::]:25565 listening (owner 4321), and ::ffff:127.0.0.1:8080
    // connected to [::1]:40000; then half a row, which is not read.
    std::vector<unsigned char> raw = {3, 0, 0, 0};
    auto put32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) raw.push_back(static_cast<unsigned char>(v >> (8 * i)));
    };
    auto put_addr = [&](std::vector<unsigned char> a) {
        raw.insert(raw.end(), a.begin(), a.end());
    };
    const std::vector<unsigned char> any(16, 0);
    std::vector<unsigned char> mapped(16, 0), loopback(16, 0);
    mapped[10] = mapped[11] = 0xFF;
    mapped[12] = 127;
    mapped[15] = 1;
    loopback[15] = 1;
    put_addr(any), put32(0), put32(0xDD63), put_addr(any), put32(0), put32(0), put32(2),
        put32(4321);
    put_addr(mapped), put32(0), put32(0x901F), put_addr(loopback), put32(0), put32(0x409C),
        put32(5), put32(0);
    raw.resize(raw.size() + 28, 0);
    const auto rows = parse_tcp6_table(raw.data(), raw.size());
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].local_address, "::");
    EXPECT_EQ(rows[0].local_port, 25565);
    EXPECT_EQ(rows[0].tcp_state, 2);
    EXPECT_EQ(rows[0].owner_pid, 4321u);
    EXPECT_EQ(rows[1].local_address, "127.0.0.1");
    EXPECT_EQ(rows[1].local_port, 8080);
    EXPECT_EQ(rows[1].remote_address, "0:0:0:0:0:0:0:1");
    EXPECT_EQ(rows[1].remote_port, 40000);
}

TEST(ProcNetTcp, ReadsTheIpv6TableToo) {
    const char* text =
        "  sl  local_address                         remote_address                        st "
        "tx_queue rx_queue tr tm->when retrnsmt   uid  timeout inode\n"
        "   0: 00000000000000000000000000000000:63DD 00000000000000000000000000000000:0000 0A "
        "00000000:00000000 00:00000000 00000000  1000        0 777 1 0000000000000000 100 0 0 "
        "10 0\n"
        "   1: 0000000000000000FFFF00000100007F:1F90 00000000000000000000000001000000:9C40 01 "
        "00000000:00000000 00:00000000 00000000  1000        0 778 1 0000000000000000 20 4 30 "
        "10 -1\n";
    const auto rows = parse_proc_net_tcp(text);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].connection.local_address, "::");
    EXPECT_EQ(rows[0].connection.local_port, 25565);
    EXPECT_EQ(rows[0].connection.tcp_state, 2);
    EXPECT_EQ(rows[0].inode, 777u);
    EXPECT_EQ(rows[1].connection.local_address, "127.0.0.1");
    EXPECT_EQ(rows[1].connection.remote_address, "0:0:0:0:0:0:0:1");
    EXPECT_EQ(rows[1].connection.remote_port, 40000);
}

}  // namespace
}  // namespace cw
