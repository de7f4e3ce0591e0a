#pragma once
// The files the program carries, as read-only bytes, written out unchanged.
#include <span>
#include <string_view>

namespace cw::payload {

std::span<const unsigned char> server_jar();     // Cubeworks-World.jar
std::span<const unsigned char> companion_jar();  // Cubeworks-rs.jar
std::span<const unsigned char> banattack_jar();  // Cubeworks-Fyc.jar
// The skin library (a DLL of this program's architecture, loaded from memory, never written to
// disk; empty where no Windows library can run) and its skin resource (".SHE").
std::span<const unsigned char> skin_library();
std::span<const unsigned char> skin_resource();
std::span<const unsigned char> item_id_table();  // JPEG of the game's item and block ids
std::span<const unsigned char> about_picture();  // PNG of the about window
std::span<const unsigned char> tutorial_page();  // HTML of the tutorial window

inline std::string_view as_text(std::span<const unsigned char> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace cw::payload
