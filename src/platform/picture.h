#pragma once
// Pictures: reading a PNG's size from its header, and turning a picture file into a PNG of a
// given size. The header reading is portable; the conversion is the system's (GDI+ on Windows).
#include <optional>
#include <string>
#include <string_view>

namespace cw::picture {

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

// The width and height of a PNG as its header gives them; nothing for bytes that do not begin
// with the PNG signature followed by a whole IHDR chunk (13 data bytes, matching checksum).
std::optional<Size> png_size(std::string_view bytes);

// The picture formats the conversion reads, told apart by their first bytes.
enum class Format { None, Png, Jpeg, Bmp, Gif };
Format sniff_format(std::string_view bytes);

enum class ConvertError {
    None,
    NotAPicture,  // no PNG, JPEG, BMP or GIF, or one that cannot be decoded
    Unsupported,  // a picture, but this system has no decoder for it
    EncodeFailed  // decoded, but writing the PNG failed
};

struct Converted {
    ConvertError error = ConvertError::None;
    std::string png;  // the PNG file's bytes when error is None
};

// Decodes a PNG, JPEG, BMP or GIF picture (its first frame), scales it to exactly
// width x height and encodes the result as PNG.
Converted convert_to_png(std::string_view bytes, int width, int height);

}  // namespace cw::picture
