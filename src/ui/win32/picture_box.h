#pragma once
// Picture boxes: a PNG or JPEG image decoded with GDI+, drawn at the box's width (scaled to it,
// keeping its proportions). An image taller than the part of the box its window shows scrolls
// vertically: a scroll bar at the right edge of that visible part, the mouse wheel once the box
// has been clicked, and the arrow, page, Home and End keys.
#include <windows.h>

#include <span>

namespace cw::win32 {

inline constexpr wchar_t kPictureClass[] = L"CubeworksPicture";

void register_picture_class(HINSTANCE instance);

// Replaces the image shown; false when the bytes are not an image GDI+ can decode (the box is
// then empty).
bool show_picture(HWND box, std::span<const unsigned char> image);

}  // namespace cw::win32
