#include "platform/tcp_table.h"

#include <algorithm>

namespace cw {

namespace {

std::uint32_t le32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// The low 16 bits of the field hold the port in network order: first byte high.
std::int32_t port_of(const unsigned char* p) {
    return p[0] << 8 | p[1];
}

bool parse_hex(std::string_view text, std::uint64_t& out) {
    if (text.empty() || text.size() > 16) return false;
    std::uint64_t value = 0;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else {
            return false;
        }
        value = value << 4 | static_cast<std::uint64_t>(digit);
    }
    out = value;
    return true;
}

// "0100007F:0050" (IPv4) or 32 hex digits and the port (IPv6) -> address text and port. The
// kernel prints each 32-bit word of the address from its in-memory bytes as a number.
bool parse_endpoint(std::string_view text, std::string& address, std::int32_t& port) {
    const auto colon = text.find(':');
    if (colon != 8 && colon != 32) return false;
    std::uint64_t p = 0;
    if (!parse_hex(text.substr(colon + 1), p) || p > 0xFFFF) return false;
    unsigned char bytes[16] = {};
    for (std::size_t word = 0; word < colon / 8; ++word) {
        std::uint64_t value = 0;
        if (!parse_hex(text.substr(word * 8, 8), value)) return false;
        for (int b = 0; b < 4; ++b)
            bytes[word * 4 + b] = static_cast<unsigned char>(value >> (8 * b));
    }
    address = colon == 8 ? dotted_address(bytes) : ipv6_address(bytes);
    port = static_cast<std::int32_t>(p);
    return true;
}

// The rows of a table GetExtendedTcpTable filled: a 32-bit row count, then rows of `row_size`
// bytes. Only the whole rows the buffer really holds are read, whatever the count claims.
template <class ReadRow>
std::vector<TcpConnection> read_rows(const unsigned char* data, std::size_t size,
                                     std::size_t row_size, ReadRow read_row) {
    std::vector<TcpConnection> rows;
    if (!data || size < 4) return rows;
    const std::size_t count = std::min<std::size_t>(le32(data), (size - 4) / row_size);
    rows.reserve(count);
    for (std::size_t k = 0; k < count; ++k) rows.push_back(read_row(data + 4 + row_size * k));
    return rows;
}

std::vector<std::string_view> fields_of(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
        if (i > start) fields.push_back(line.substr(start, i - start));
    }
    return fields;
}

}  // namespace

std::string dotted_address(const unsigned char bytes[4]) {
    return std::to_string(bytes[0]) + "." + std::to_string(bytes[1]) + "." +
           std::to_string(bytes[2]) + "." + std::to_string(bytes[3]);
}

std::string ipv6_address(const unsigned char bytes[16]) {
    static constexpr unsigned char kMappedPrefix[12] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF};
    if (std::equal(bytes, bytes + 12, kMappedPrefix)) return dotted_address(bytes + 12);
    if (std::all_of(bytes, bytes + 16, [](unsigned char b) { return b == 0; })) return "::";
    static constexpr char kHex[] = "0123456789abcdef";
    std::string text;
    for (int group = 0; group < 8; ++group) {
        const unsigned value = bytes[2 * group] << 8 | bytes[2 * group + 1];
        if (group > 0) text.push_back(':');
        bool started = false;
        for (int shift = 12; shift >= 0; shift -= 4) {
            const unsigned digit = value >> shift & 0xF;
            if (digit != 0 || started || shift == 0) {
                text.push_back(kHex[digit]);
                started = true;
            }
        }
    }
    return text;
}

std::vector<TcpConnection> parse_tcp6_table(const unsigned char* data, std::size_t size) {
    // Rows of 56 bytes: local address (16), scope (4), port (4), remote address (16), scope
    // (4), port (4), state (4), owner (4).
    return read_rows(data, size, 56, [](const unsigned char* row) {
        TcpConnection c;
        c.local_address = ipv6_address(row);
        c.local_port = port_of(row + 20);
        c.remote_address = ipv6_address(row + 24);
        c.remote_port = port_of(row + 44);
        c.tcp_state = static_cast<std::int32_t>(le32(row + 48));
        c.owner_pid = le32(row + 52);
        return c;
    });
}

std::vector<TcpConnection> parse_tcp_table(const unsigned char* data, std::size_t size) {
    return read_rows(data, size, 24, [](const unsigned char* row) {
        TcpConnection c;
        c.tcp_state = static_cast<std::int32_t>(le32(row));
        c.local_address = dotted_address(row + 4);
        c.local_port = port_of(row + 8);
        c.remote_address = dotted_address(row + 12);
        c.remote_port = port_of(row + 16);
        c.owner_pid = le32(row + 20);
        return c;
    });
}

std::int32_t mib_state_of_linux(int linux_state) {
    switch (linux_state) {
        case 0x01:
            return 5;  // ESTABLISHED
        case 0x02:
            return 3;  // SYN_SENT
        case 0x03:
            return 4;  // SYN_RECV
        case 0x04:
            return 6;  // FIN_WAIT1
        case 0x05:
            return 7;  // FIN_WAIT2
        case 0x06:
            return 11;  // TIME_WAIT
        case 0x07:
            return 1;  // CLOSE
        case 0x08:
            return 8;  // CLOSE_WAIT
        case 0x09:
            return 9;  // LAST_ACK
        case 0x0A:
            return 2;  // LISTEN
        case 0x0B:
            return 10;  // CLOSING
        default:
            return 0;
    }
}

std::vector<ProcTcpRow> parse_proc_net_tcp(std::string_view text) {
    // sl local_address rem_address st tx_queue:rx_queue tr:tm->when retrnsmt uid timeout inode
    std::vector<ProcTcpRow> rows;
    std::size_t pos = 0;
    while (pos < text.size()) {
        auto end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        const auto f = fields_of(line);
        if (f.size() < 10 || f[0].empty() || f[0].back() != ':') continue;
        ProcTcpRow row;
        std::uint64_t state = 0, inode = 0;
        if (!parse_endpoint(f[1], row.connection.local_address, row.connection.local_port) ||
            !parse_endpoint(f[2], row.connection.remote_address, row.connection.remote_port) ||
            !parse_hex(f[3], state)) {
            continue;
        }
        for (char c : f[9]) {
            if (c < '0' || c > '9') {
                inode = 0;
                break;
            }
            inode = inode * 10 + static_cast<std::uint64_t>(c - '0');
        }
        row.connection.tcp_state = mib_state_of_linux(static_cast<int>(state));
        row.inode = inode;
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace cw
