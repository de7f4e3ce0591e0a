// The TCP table with owners and the LAN address.
// clang-format off
#include <winsock2.h>  // first: iphlpapi.h needs its types
#include <iphlpapi.h>
// clang-format on

#include "platform/tcp_table.h"
#include "platform/win32/socket_shim.h"
#include "platform/win32/win32_handles.h"

namespace cw::win32 {

namespace {

// Size first, then one read into a zero-filled buffer of that size; if the table grew in
// between, the read fails, the buffer stays zero and the table reads as empty.
std::vector<unsigned char> tcp_table_bytes(ULONG family) {
    DWORD size = 0;
    ::GetExtendedTcpTable(nullptr, &size, FALSE, family, TCP_TABLE_OWNER_PID_ALL, 0);
    if (size == 0) return {};
    std::vector<unsigned char> table(size, 0);
    ::GetExtendedTcpTable(table.data(), &size, FALSE, family, TCP_TABLE_OWNER_PID_ALL, 0);
    return table;
}

}  // namespace

std::vector<TcpConnection> list_tcp_connections() {
    // IPv4 first, then IPv6, where a dual-stack listener (a Java server's usual socket) sits.
    const auto v4 = tcp_table_bytes(AF_INET);
    std::vector<TcpConnection> rows = parse_tcp_table(v4.data(), v4.size());
    const auto v6 = tcp_table_bytes(AF_INET6);
    for (TcpConnection& c : parse_tcp6_table(v6.data(), v6.size())) rows.push_back(std::move(c));
    return rows;
}

std::string lan_address() {
    if (!sock::ready()) return {};
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return {};
    const hostent* entry = ::gethostbyname(name);
    if (!entry || entry->h_addrtype != AF_INET || !entry->h_addr_list || !entry->h_addr_list[0]) {
        return {};
    }
    return dotted_address(reinterpret_cast<const unsigned char*>(entry->h_addr_list[0]));
}

}  // namespace cw::win32
