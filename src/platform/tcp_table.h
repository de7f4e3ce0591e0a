#pragma once
// Reading the machine's TCP tables (IPv4, then IPv6) from the system's raw forms into
// TcpConnection rows.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace cw {

// The four address bytes in the order given, as dotted decimal ("127.0.0.1").
std::string dotted_address(const unsigned char bytes[4]);

// Sixteen address bytes as text: an IPv4-mapped address (::ffff:a.b.c.d) as the IPv4 address
// in dotted decimal, the unspecified address as "::", any other as eight hex groups.
std::string ipv6_address(const unsigned char bytes[16]);

// The buffer GetExtendedTcpTable fills for AF_INET6 and TCP_TABLE_OWNER_PID_ALL: a 32-bit row
// count, then rows of 56 bytes (local address, scope, port, remote address, scope, port,
// state, owner). Only whole rows are read, as for the IPv4 table.
std::vector<TcpConnection> parse_tcp6_table(const unsigned char* data, std::size_t size);

// The buffer GetExtendedTcpTable fills for AF_INET and TCP_TABLE_OWNER_PID_ALL: a 32-bit row
// count, then rows of six 32-bit little-endian fields (state, local address, local port,
// remote address, remote port, owner). Ports are the low 16 bits in network order. Only the
// whole rows the buffer really holds are read, whatever the count claims.
std::vector<TcpConnection> parse_tcp_table(const unsigned char* data, std::size_t size);

// One row of Linux's /proc/net/tcp, with the socket's inode to find its owner by.
struct ProcTcpRow {
    TcpConnection connection;  // owner_pid left 0
    std::uint64_t inode = 0;
};

// The text of /proc/net/tcp (IPv4) or /proc/net/tcp6 (IPv6; addresses as ipv6_address gives
// them). Addresses are the kernel's 32-bit value in hex, printed
// from its in-memory (network order) bytes read as a little-endian number; ports are hex in
// host order; states are mapped to the MIB_TCP_STATE numbering. Lines that don't parse are
// skipped.
std::vector<ProcTcpRow> parse_proc_net_tcp(std::string_view text);

// Linux TCP state (1 ESTABLISHED ... 11 CLOSING) to MIB_TCP_STATE; 0 when unknown.
std::int32_t mib_state_of_linux(int linux_state);

}  // namespace cw
