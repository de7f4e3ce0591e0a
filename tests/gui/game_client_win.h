#pragma once
// A minimal game client of the 1.7.2 network protocol (version 4, offline mode) for the window
// tests, over Winsock: it joins by name, answers the server's keep-alives, and notices when the
// server disconnects it (a kick) or refuses its login (a ban).
// clang-format off
#include <winsock2.h>
#include <ws2tcpip.h>
// clang-format on

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <thread>

#include "support/game_protocol.h"

namespace cw::gui {

namespace protocol = test::protocol;

class GameClient {
  public:
    GameClient() {
        WSADATA data;
        started_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }
    ~GameClient() {
        leave();
        if (started_) WSACleanup();
    }
    GameClient(const GameClient&) = delete;
    GameClient& operator=(const GameClient&) = delete;

    // Connects to 127.0.0.1:port and logs in; true once the server answered Login Success.
    // Afterwards a reader answers keep-alives and watches for the end of the connection.
    // `refusal` receives the reason of a login the server refused.
    bool join(int port, std::string_view name, std::string* refusal = nullptr) {
        leave();
        disconnected_ = false;
        next_ = filled_ = 0;
        kick_reason_.clear();
        socket_ = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        if (socket_ == INVALID_SOCKET) return false;
        DWORD timeout_ms = 10000;
        setsockopt(socket_, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout_ms),
                   sizeof timeout_ms);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<u_short>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::connect(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
            return false;
        }
        std::string login;
        protocol::put_string(login, name);
        if (!send_packet(0x00, protocol::handshake(port, 2)) || !send_packet(0x00, login)) {
            return false;
        }
        int id = -1;
        std::string body;
        if (!read_packet(id, body)) return false;
        if (id != 0x02) {  // Disconnect (0x00) with its reason
            if (refusal) *refusal = protocol::string_at_start(body);
            return false;
        }
        reader_ = std::thread([this] { pump(); });
        return true;
    }

    // True once the server closed the connection or sent Disconnect in play state.
    bool disconnected() const { return disconnected_; }
    // The reason of the Disconnect the server sent in play state (JSON text);
    // read once disconnected() holds.
    const std::string& kick_reason() const { return kick_reason_; }

    void leave() {
        if (socket_ != INVALID_SOCKET) {
            shutdown(socket_, SD_BOTH);
            closesocket(socket_);
            socket_ = INVALID_SOCKET;
        }
        if (reader_.joinable()) reader_.join();
    }

  private:
    void pump() {
        while (true) {
            int id = -1;
            std::string body;
            if (!read_packet(id, body, /*forever=*/true)) break;
            if (id == 0x40) {  // Disconnect: kicked
                kick_reason_ = protocol::string_at_start(body);
                break;
            }
            if (id == 0x00 && body.size() == 4) send_packet(0x00, body);  // keep-alive
        }
        disconnected_ = true;
    }

    bool send_packet(int id, std::string_view body) {
        const std::string frame = protocol::frame(id, body);
        return ::send(socket_, frame.data(), static_cast<int>(frame.size()), 0) ==
               static_cast<int>(frame.size());
    }
    // Bytes come from a buffer filled by whole receives: the server sends the world around the
    // player right after the login, and a receive per byte (a round trip through the system
    // under Wine) would fall so far behind that the keep-alives went unanswered and the server
    // dropped the client.
    bool read_byte(unsigned char& byte, bool forever) {
        while (next_ == filled_) {
            const int n = ::recv(socket_, buffer_, sizeof buffer_, 0);
            if (n > 0) {
                next_ = 0;
                filled_ = n;
                break;
            }
            if (n < 0 && forever && WSAGetLastError() == WSAETIMEDOUT) continue;
            return false;
        }
        byte = static_cast<unsigned char>(buffer_[next_++]);
        return true;
    }
    bool read_varint(std::uint32_t& value, bool forever) {
        value = 0;
        for (int shift = 0; shift < 35; shift += 7) {
            unsigned char byte = 0;
            if (!read_byte(byte, forever)) return false;
            value |= static_cast<std::uint32_t>(byte & 0x7F) << shift;
            if (!(byte & 0x80)) return true;
        }
        return false;
    }
    bool read_packet(int& id, std::string& body, bool forever = false) {
        std::uint32_t length = 0;
        if (!read_varint(length, forever) || length == 0 || length > protocol::kLongestPacket) {
            return false;
        }
        std::string payload;
        for (std::uint32_t i = 0; i < length; ++i) {
            unsigned char byte = 0;
            if (!read_byte(byte, forever)) return false;
            payload.push_back(static_cast<char>(byte));
        }
        return protocol::split_payload(payload, id, body);
    }

    bool started_ = false;
    SOCKET socket_ = INVALID_SOCKET;
    char buffer_[64 * 1024];
    int next_ = 0;
    int filled_ = 0;
    std::thread reader_;
    std::string kick_reason_;
    std::atomic<bool> disconnected_{false};
};

}  // namespace cw::gui
