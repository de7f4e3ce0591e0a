#pragma once
// Picture files made in memory for the icon tests: an uncompressed PNG and a 24-bit BMP of any
// size (portable), and on Windows the same picture encoded by GDI+ as JPEG, GIF or PNG.
#include <string>

namespace cw::test {

// A valid PNG (8-bit RGB, stored deflate blocks) of a colour gradient.
std::string png_picture(int width, int height);
// A 24-bit bottom-up BMP of the same gradient.
std::string bmp_picture(int width, int height);
// An 8 x 8 GIF of two colours (made once with an image tool; the system's own GIF encoder is
// not reliable everywhere it runs).
std::string gif_picture();

#ifdef _WIN32
// The BMP picture re-encoded by the system's encoder of `mime` ("image/jpeg",
// "image/png"); empty on failure.
std::string encoded_picture(int width, int height, const wchar_t* mime);
#endif

}  // namespace cw::test
