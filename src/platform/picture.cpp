#include "platform/picture.h"

#include <array>
#include <cstdint>

namespace cw::picture {

namespace {

constexpr std::string_view kPngSignature("\x89PNG\r\n\x1A\n", 8);

std::uint32_t big_endian(std::string_view bytes, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
    return v;
}

// The CRC-32 a PNG chunk carries over its type and data.
std::uint32_t crc32(std::string_view bytes) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (unsigned char b : bytes) c = table[(c ^ b) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

}  // namespace

std::optional<Size> png_size(std::string_view bytes) {
    // Signature (8), chunk length (4), "IHDR" (4), 13 data bytes, checksum (4).
    constexpr std::size_t kHeaderEnd = 8 + 4 + 4 + 13 + 4;
    if (bytes.size() < kHeaderEnd || bytes.substr(0, 8) != kPngSignature) return std::nullopt;
    if (big_endian(bytes, 8) != 13 || bytes.substr(12, 4) != "IHDR") return std::nullopt;
    if (crc32(bytes.substr(12, 4 + 13)) != big_endian(bytes, 12 + 4 + 13)) return std::nullopt;
    const std::uint32_t width = big_endian(bytes, 16);
    const std::uint32_t height = big_endian(bytes, 20);
    if (width == 0 || height == 0 || width > 0x7FFFFFFF || height > 0x7FFFFFFF) {
        return std::nullopt;
    }
    return Size{static_cast<int>(width), static_cast<int>(height)};
}

Format sniff_format(std::string_view bytes) {
    if (bytes.substr(0, 8) == kPngSignature) return Format::Png;
    if (bytes.substr(0, 3) == "\xFF\xD8\xFF") return Format::Jpeg;
    if (bytes.size() >= 26 && bytes.substr(0, 2) == "BM") return Format::Bmp;
    if (bytes.substr(0, 6) == "GIF87a" || bytes.substr(0, 6) == "GIF89a") return Format::Gif;
    return Format::None;
}

}  // namespace cw::picture
