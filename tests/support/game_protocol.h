#pragma once
// The framing of the game's 1.7.2 network protocol (version 4) that the tests' game clients
// share, whatever socket they send it on: varints, strings, the handshake and packet frames.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace cw::test::protocol {

// A packet longer than this is taken for a broken stream.
inline constexpr std::uint32_t kLongestPacket = 1u << 21;

inline void put_varint(std::string& out, std::uint32_t value) {
    do {
        unsigned char byte = value & 0x7F;
        value >>= 7;
        if (value != 0) byte |= 0x80;
        out.push_back(static_cast<char>(byte));
    } while (value != 0);
}

inline void put_string(std::string& out, std::string_view text) {
    put_varint(out, static_cast<std::uint32_t>(text.size()));
    out.append(text);
}

// The varint at `used` in `bytes`, `used` moved past it; false when it is cut short or runs
// past five bytes.
inline bool varint_at(std::string_view bytes, std::size_t& used, std::uint32_t& value) {
    value = 0;
    for (int shift = 0; used < bytes.size() && shift < 35; shift += 7) {
        const auto byte = static_cast<unsigned char>(bytes[used++]);
        value |= static_cast<std::uint32_t>(byte & 0x7F) << shift;
        if (!(byte & 0x80)) return true;
    }
    return false;
}

// The string a packet body begins with (its byte length as a varint, then UTF-8); what there is
// of it when the body is cut short.
inline std::string string_at_start(std::string_view body) {
    std::size_t used = 0;
    std::uint32_t length = 0;
    if (!varint_at(body, used, length)) return {};
    return std::string(body.substr(used, length));
}

// The handshake of a client of protocol 4 to 127.0.0.1:`port`; `next_state` 1 asks for the
// status, 2 logs in.
inline std::string handshake(int port, int next_state) {
    std::string body;
    put_varint(body, 4);
    put_string(body, "127.0.0.1");
    body.push_back(static_cast<char>(port >> 8));
    body.push_back(static_cast<char>(port & 0xFF));
    put_varint(body, static_cast<std::uint32_t>(next_state));
    return body;
}

// A whole frame as it goes on the wire: its length, the packet id, the body.
inline std::string frame(int id, std::string_view body) {
    std::string payload;
    put_varint(payload, static_cast<std::uint32_t>(id));
    payload.append(body);
    std::string out;
    put_varint(out, static_cast<std::uint32_t>(payload.size()));
    return out + payload;
}

// A received frame's payload split into the packet id and its body.
inline bool split_payload(std::string_view payload, int& id, std::string& body) {
    std::size_t used = 0;
    std::uint32_t value = 0;
    if (!varint_at(payload, used, value)) return false;
    id = static_cast<int>(value);
    body = std::string(payload.substr(used));
    return true;
}

}  // namespace cw::test::protocol
