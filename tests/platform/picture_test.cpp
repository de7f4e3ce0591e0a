// Turning picture files into the 64 x 64 PNG the game takes, with the system's decoder (GDI+ on
// Windows; the posix side has none and says so).
#include "platform/picture.h"

#include <gtest/gtest.h>

#include "support/test_pictures.h"

namespace cw::test {
namespace {

using picture::ConvertError;
using picture::Size;

TEST(Picture, BytesThatAreNoPictureAreSaidToBeNone) {
    for (const std::string& bytes :
         {std::string("PK\x03\x04 a jar", 10), std::string(), std::string("BM"),
          std::string("\xFF\xD8\xFF\xE0 truncated jpeg", 19), png_picture(32, 32).substr(0, 40)}) {
        const picture::Converted c = picture::convert_to_png(bytes, 64, 64);
        EXPECT_NE(c.error, ConvertError::None) << bytes.size();
        EXPECT_TRUE(c.png.empty());
        if (picture::sniff_format(bytes) == picture::Format::None) {
            EXPECT_EQ(c.error, ConvertError::NotAPicture);
        }
    }
}

#ifdef _WIN32
TEST(Picture, PngJpegBmpAndGifOfAnySizeBecomeA64By64Png) {
    const std::pair<const char*, std::string> inputs[] = {
        {"png 128", png_picture(128, 128)},
        {"png 16x40", png_picture(16, 40)},
        {"bmp 100x50", bmp_picture(100, 50)},
        {"jpeg 128", encoded_picture(128, 128, L"image/jpeg")},
        {"gif 8x8", gif_picture()},
    };
    for (const auto& [name, bytes] : inputs) {
        SCOPED_TRACE(name);
        ASSERT_FALSE(bytes.empty());
        const picture::Converted c = picture::convert_to_png(bytes, 64, 64);
        ASSERT_EQ(c.error, ConvertError::None);
        EXPECT_EQ(picture::png_size(c.png), (Size{64, 64}));
        // The result decodes again: a whole PNG, not a header alone.
        EXPECT_EQ(picture::png_size(picture::convert_to_png(c.png, 64, 64).png), (Size{64, 64}));
    }
}
#else
TEST(Picture, ThePosixSideHasNoDecoderAndSaysSo) {
    EXPECT_EQ(picture::convert_to_png(png_picture(128, 128), 64, 64).error,
              ConvertError::Unsupported);
    EXPECT_EQ(picture::convert_to_png(bmp_picture(8, 8), 64, 64).error, ConvertError::Unsupported);
    EXPECT_EQ(picture::convert_to_png(gif_picture(), 64, 64).error, ConvertError::Unsupported);
}
#endif

}  // namespace
}  // namespace cw::test
