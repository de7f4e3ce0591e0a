#pragma once
// A minimal game client of the 1.7.2 network protocol (version 4, offline mode): it asks for the
// server list status, connects, logs in by name, and can send chat lines. Enough for a player of
// the end-to-end tests.
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace cw::test {

class GameClient {
  public:
    GameClient() = default;
    ~GameClient() {
        if (fd_ >= 0) ::close(fd_);
    }
    GameClient(const GameClient&) = delete;
    GameClient& operator=(const GameClient&) = delete;

    // Connects to 127.0.0.1:port and logs in; true once the server answered Login Success.
    bool join(int port, std::string_view name) {
        if (!connect_to(port)) return false;
        std::string login;
        put_string(login, name);
        if (!send_packet(0x00, handshake_for(port, 2)) || !send_packet(0x00, login)) return false;
        // Login Success (0x02) or Disconnect (0x00).
        int id = -1;
        std::string body;
        return read_packet(id, body) && id == 0x02;
    }

    // The server list's status query (next state 1): the JSON answer, "" when none came.
    std::string status(int port) {
        if (!connect_to(port)) return {};
        std::string handshake = handshake_for(port, 1);
        if (!send_packet(0x00, handshake) || !send_packet(0x00, {})) return {};
        int id = -1;
        std::string body;
        std::uint32_t length = 0;
        std::size_t used = 0;
        if (!read_packet(id, body) || id != 0x00 || !varint_at(body, used, length)) return {};
        return body.substr(used, length);
    }

    // A chat line as the player types it (play state, packet 0x01).
    bool chat(std::string_view text) {
        std::string body;
        put_string(body, text);
        return send_packet(0x01, body);
    }

  private:
    bool connect_to(int port) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        return fd_ >= 0 &&
               ::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    static std::string handshake_for(int port, int next_state) {
        std::string handshake;
        put_varint(handshake, 4);  // protocol version
        put_string(handshake, "127.0.0.1");
        handshake.push_back(static_cast<char>(port >> 8));
        handshake.push_back(static_cast<char>(port & 0xFF));
        put_varint(handshake, static_cast<std::uint32_t>(next_state));
        return handshake;
    }
    static bool varint_at(const std::string& bytes, std::size_t& used, std::uint32_t& value) {
        value = 0;
        for (int shift = 0; used < bytes.size() && shift < 35; shift += 7) {
            const auto byte = static_cast<unsigned char>(bytes[used++]);
            value |= static_cast<std::uint32_t>(byte & 0x7F) << shift;
            if (!(byte & 0x80)) return true;
        }
        return false;
    }
    static void put_varint(std::string& out, std::uint32_t value) {
        do {
            unsigned char byte = value & 0x7F;
            value >>= 7;
            if (value != 0) byte |= 0x80;
            out.push_back(static_cast<char>(byte));
        } while (value != 0);
    }
    static void put_string(std::string& out, std::string_view text) {
        put_varint(out, static_cast<std::uint32_t>(text.size()));
        out.append(text);
    }

    bool send_packet(int id, const std::string& body) {
        std::string payload;
        put_varint(payload, static_cast<std::uint32_t>(id));
        payload += body;
        std::string frame;
        put_varint(frame, static_cast<std::uint32_t>(payload.size()));
        frame += payload;
        return ::send(fd_, frame.data(), frame.size(), MSG_NOSIGNAL) ==
               static_cast<ssize_t>(frame.size());
    }

    bool read_byte(unsigned char& byte) {
        pollfd p{fd_, POLLIN, 0};
        if (::poll(&p, 1, 10000) <= 0) return false;
        return ::recv(fd_, &byte, 1, 0) == 1;
    }
    bool read_varint(std::uint32_t& value) {
        value = 0;
        for (int shift = 0; shift < 35; shift += 7) {
            unsigned char byte = 0;
            if (!read_byte(byte)) return false;
            value |= static_cast<std::uint32_t>(byte & 0x7F) << shift;
            if (!(byte & 0x80)) return true;
        }
        return false;
    }
    bool read_packet(int& id, std::string& body) {
        std::uint32_t length = 0;
        if (!read_varint(length) || length == 0 || length > (1u << 21)) return false;
        std::string payload;
        for (std::uint32_t i = 0; i < length; ++i) {
            unsigned char byte = 0;
            if (!read_byte(byte)) return false;
            payload.push_back(static_cast<char>(byte));
        }
        std::uint32_t value = 0;
        std::size_t used = 0;
        if (!varint_at(payload, used, value)) return false;
        id = static_cast<int>(value);
        body = payload.substr(used);
        return true;
    }

    int fd_ = -1;
};

}  // namespace cw::test
