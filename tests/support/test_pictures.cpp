#include "support/test_pictures.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#ifdef _WIN32
// clang-format off
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
// clang-format on
#endif

namespace cw::test {

namespace {

void put32(std::string& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>(v >> shift));
}

void put32le(std::string& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>(v >> shift));
}

std::uint32_t crc32(const std::string& bytes) {
    std::uint32_t c = 0xFFFFFFFFu;
    for (unsigned char b : bytes) {
        c ^= b;
        for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    }
    return c ^ 0xFFFFFFFFu;
}

void chunk(std::string& out, const char* type, const std::string& data) {
    put32(out, static_cast<std::uint32_t>(data.size()));
    const std::string body = std::string(type) + data;
    out += body;
    put32(out, crc32(body));
}

unsigned char red(int x, int width) {
    return static_cast<unsigned char>(255 * x / (width > 1 ? width - 1 : 1));
}
unsigned char green(int y, int height) {
    return static_cast<unsigned char>(255 * y / (height > 1 ? height - 1 : 1));
}

}  // namespace

std::string png_picture(int width, int height) {
    std::string raw;  // filter byte 0, then RGB per pixel, row by row
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        for (int x = 0; x < width; ++x) {
            raw.push_back(static_cast<char>(red(x, width)));
            raw.push_back(static_cast<char>(green(y, height)));
            raw.push_back(static_cast<char>(0x80));
        }
    }
    std::string z = "\x78\x01";  // zlib header, then stored blocks of at most 65535 bytes
    for (std::size_t at = 0; at < raw.size() || at == 0;) {
        const std::size_t n = std::min<std::size_t>(65535, raw.size() - at);
        const bool last = at + n == raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(static_cast<char>(n & 0xFF));
        z.push_back(static_cast<char>(n >> 8));
        z.push_back(static_cast<char>(~n & 0xFF));
        z.push_back(static_cast<char>((~n >> 8) & 0xFF));
        z.append(raw, at, n);
        at += n;
        if (last) break;
    }
    std::uint32_t a = 1, b = 0;  // Adler-32
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    put32(z, b << 16 | a);

    std::string png("\x89PNG\r\n\x1A\n", 8);
    std::string ihdr;
    put32(ihdr, static_cast<std::uint32_t>(width));
    put32(ihdr, static_cast<std::uint32_t>(height));
    ihdr +=
        std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, no filter, no interlace
    chunk(png, "IHDR", ihdr);
    chunk(png, "IDAT", z);
    chunk(png, "IEND", "");
    return png;
}

std::string bmp_picture(int width, int height) {
    const int stride = (width * 3 + 3) / 4 * 4;
    const std::uint32_t pixels = static_cast<std::uint32_t>(stride * height);
    std::string bmp = "BM";
    put32le(bmp, 54 + pixels);
    put32le(bmp, 0);
    put32le(bmp, 54);
    put32le(bmp, 40);
    put32le(bmp, static_cast<std::uint32_t>(width));
    put32le(bmp, static_cast<std::uint32_t>(height));
    bmp += std::string("\x01\x00\x18\x00", 4);  // one plane, 24 bits
    for (int i = 0; i < 6; ++i) put32le(bmp, 0);
    for (int y = height - 1; y >= 0; --y) {
        std::string row;
        for (int x = 0; x < width; ++x) {
            row.push_back(static_cast<char>(0x80));
            row.push_back(static_cast<char>(green(y, height)));
            row.push_back(static_cast<char>(red(x, width)));
        }
        row.resize(static_cast<std::size_t>(stride), '\0');
        bmp += row;
    }
    return bmp;
}

std::string gif_picture() {
    static const char kGif[] =
        "\x47\x49\x46\x38\x39\x61\x08\x00\x08\x00\xF0\x00\x00\xC8\x00\x37\x37\x00\xC8\x21"
        "\xF9\x04\x00\x00\x00\x00\x00\x2C\x00\x00\x00\x00\x08\x00\x08\x00\x00\x02\x0D\x84"
        "\x8F\xA9\x19\xD6\xD0\x82\x84\xB2\xDA\x8B\x6F\x01\x00\x3B";
    return std::string(kGif, sizeof kGif - 1);
}

#ifdef _WIN32
std::string encoded_picture(int width, int height, const wchar_t* mime) {
    namespace gp = Gdiplus::DllExports;
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return {};
    std::string result;
    const std::string bmp = bmp_picture(width, height);
    IStream* in = nullptr;
    IStream* out = nullptr;
    Gdiplus::GpBitmap* bitmap = nullptr;
    UINT count = 0, size = 0;
    gp::GdipGetImageEncodersSize(&count, &size);
    std::vector<unsigned char> buffer(size ? size : 1);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    const CLSID* clsid = nullptr;
    if (size && gp::GdipGetImageEncoders(count, size, codecs) == Gdiplus::Ok) {
        for (UINT i = 0; i < count; ++i) {
            if (lstrcmpiW(codecs[i].MimeType, mime) == 0) clsid = &codecs[i].Clsid;
        }
    }
    if (clsid && SUCCEEDED(CreateStreamOnHGlobal(nullptr, TRUE, &in)) &&
        SUCCEEDED(CreateStreamOnHGlobal(nullptr, TRUE, &out))) {
        in->Write(bmp.data(), static_cast<ULONG>(bmp.size()), nullptr);
        LARGE_INTEGER zero{};
        in->Seek(zero, STREAM_SEEK_SET, nullptr);
        if (gp::GdipCreateBitmapFromStream(in, &bitmap) == Gdiplus::Ok &&
            gp::GdipSaveImageToStream(bitmap, out, clsid, nullptr) == Gdiplus::Ok) {
            STATSTG stat{};
            out->Stat(&stat, STATFLAG_NONAME);
            result.resize(static_cast<std::size_t>(stat.cbSize.QuadPart));
            out->Seek(zero, STREAM_SEEK_SET, nullptr);
            ULONG read = 0;
            out->Read(result.data(), static_cast<ULONG>(result.size()), &read);
            result.resize(read);
        }
    }
    if (bitmap) gp::GdipDisposeImage(bitmap);
    if (in) in->Release();
    if (out) out->Release();
    Gdiplus::GdiplusShutdown(token);
    return result;
}
#endif

}  // namespace cw::test
