// Picture conversion on Windows through GDI+: decode from memory, draw scaled onto a 32-bit
// bitmap of the wanted size, encode that as PNG into memory.
// clang-format off
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
// clang-format on

#include <memory>
#include <vector>

#include "platform/picture.h"

namespace cw::picture {

namespace {

namespace gp = Gdiplus::DllExports;

// GDI+ is started for one conversion and shut down after it: conversions are rare.
class GdiplusSession {
  public:
    GdiplusSession() {
        Gdiplus::GdiplusStartupInput input;
        ok_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
    }
    ~GdiplusSession() {
        if (ok_) Gdiplus::GdiplusShutdown(token_);
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    bool ok() const { return ok_; }

  private:
    ULONG_PTR token_ = 0;
    bool ok_ = false;
};

struct StreamRelease {
    void operator()(IStream* s) const { s->Release(); }
};
using Stream = std::unique_ptr<IStream, StreamRelease>;

struct ImageDispose {
    void operator()(Gdiplus::GpImage* i) const { gp::GdipDisposeImage(i); }
};
using Image = std::unique_ptr<Gdiplus::GpImage, ImageDispose>;

struct GraphicsDelete {
    void operator()(Gdiplus::GpGraphics* g) const { gp::GdipDeleteGraphics(g); }
};
using Graphics = std::unique_ptr<Gdiplus::GpGraphics, GraphicsDelete>;

Stream memory_stream() {
    IStream* s = nullptr;
    if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &s))) return nullptr;
    return Stream(s);
}

// The class id of the system's PNG encoder.
bool png_encoder(CLSID* clsid) {
    UINT count = 0, size = 0;
    if (gp::GdipGetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0) return false;
    std::vector<unsigned char> buffer(size);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (gp::GdipGetImageEncoders(count, size, codecs) != Gdiplus::Ok) return false;
    for (UINT i = 0; i < count; ++i) {
        if (codecs[i].MimeType && lstrcmpiW(codecs[i].MimeType, L"image/png") == 0) {
            *clsid = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

Image decode(std::string_view bytes) {
    Stream in = memory_stream();
    if (!in) return nullptr;
    ULONG written = 0;
    if (FAILED(in->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written)) ||
        written != bytes.size()) {
        return nullptr;
    }
    LARGE_INTEGER zero{};
    in->Seek(zero, STREAM_SEEK_SET, nullptr);
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (gp::GdipCreateBitmapFromStream(in.get(), &bitmap) != Gdiplus::Ok || !bitmap) {
        return nullptr;
    }
    Image image(bitmap);
    UINT w = 0, h = 0;
    if (gp::GdipGetImageWidth(bitmap, &w) != Gdiplus::Ok ||
        gp::GdipGetImageHeight(bitmap, &h) != Gdiplus::Ok || w == 0 || h == 0) {
        return nullptr;
    }
    return image;
}

// The picture drawn scaled onto a new 32-bit bitmap of the wanted size.
Image scaled(Gdiplus::GpImage* source, int width, int height) {
    Gdiplus::GpBitmap* target = nullptr;
    if (gp::GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, &target) !=
            Gdiplus::Ok ||
        !target) {
        return nullptr;
    }
    Image image(target);
    Gdiplus::GpGraphics* g = nullptr;
    if (gp::GdipGetImageGraphicsContext(target, &g) != Gdiplus::Ok || !g) return nullptr;
    Graphics graphics(g);
    gp::GdipSetInterpolationMode(g, Gdiplus::InterpolationModeHighQualityBicubic);
    gp::GdipSetPixelOffsetMode(g, Gdiplus::PixelOffsetModeHalf);
    if (gp::GdipDrawImageRectI(g, source, 0, 0, width, height) != Gdiplus::Ok) return nullptr;
    return image;
}

std::optional<std::string> encode_png(Gdiplus::GpImage* image) {
    CLSID png{};
    if (!png_encoder(&png)) return std::nullopt;
    Stream out = memory_stream();
    if (!out || gp::GdipSaveImageToStream(image, out.get(), &png, nullptr) != Gdiplus::Ok) {
        return std::nullopt;
    }
    STATSTG stat{};
    if (FAILED(out->Stat(&stat, STATFLAG_NONAME))) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(stat.cbSize.QuadPart), '\0');
    LARGE_INTEGER zero{};
    out->Seek(zero, STREAM_SEEK_SET, nullptr);
    ULONG read = 0;
    if (FAILED(out->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read)) ||
        read != bytes.size()) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

Converted convert_to_png(std::string_view bytes, int width, int height) {
    // Only the four picture formats count; GDI+ would read icons and metafiles too.
    if (sniff_format(bytes) == Format::None) return {ConvertError::NotAPicture, {}};
    GdiplusSession session;
    if (!session.ok()) return {ConvertError::Unsupported, {}};
    const Image source = decode(bytes);
    if (!source) return {ConvertError::NotAPicture, {}};
    const Image target = scaled(source.get(), width, height);
    if (!target) return {ConvertError::EncodeFailed, {}};
    std::optional<std::string> png = encode_png(target.get());
    if (!png) return {ConvertError::EncodeFailed, {}};
    return {ConvertError::None, std::move(*png)};
}

}  // namespace cw::picture
