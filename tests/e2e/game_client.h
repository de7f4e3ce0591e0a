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

#include "support/game_protocol.h"

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
        protocol::put_string(login, name);
        if (!send_packet(0x00, protocol::handshake(port, 2)) || !send_packet(0x00, login)) {
            return false;
        }
        // Login Success (0x02) or Disconnect (0x00).
        int id = -1;
        std::string body;
        return read_packet(id, body) && id == 0x02;
    }

    // The server list's status query (next state 1): the JSON answer, "" when none came.
    std::string status(int port) {
        if (!connect_to(port)) return {};
        if (!send_packet(0x00, protocol::handshake(port, 1)) || !send_packet(0x00, {})) return {};
        int id = -1;
        std::string body;
        if (!read_packet(id, body) || id != 0x00) return {};
        return protocol::string_at_start(body);
    }

    // A chat line as the player types it (play state, packet 0x01).
    bool chat(std::string_view text) {
        std::string body;
        protocol::put_string(body, text);
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

    bool send_packet(int id, std::string_view body) {
        const std::string frame = protocol::frame(id, body);
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
        if (!read_varint(length) || length == 0 || length > protocol::kLongestPacket) return false;
        std::string payload;
        for (std::uint32_t i = 0; i < length; ++i) {
            unsigned char byte = 0;
            if (!read_byte(byte)) return false;
            payload.push_back(static_cast<char>(byte));
        }
        return protocol::split_payload(payload, id, body);
    }

    int fd_ = -1;
};

}  // namespace cw::test
