#include "vtlporpt/picture_size.h"

#include <cstdint>
#include <cstdlib>

namespace vtl::rpt {
namespace {

constexpr double kInchesPerMetre = 0.0254;

std::uint32_t byteAt(std::string_view b, std::size_t i) { return static_cast<unsigned char>(b[i]); }

std::uint32_t bigEndian16(std::string_view b, std::size_t i) { return byteAt(b, i) << 8 | byteAt(b, i + 1); }
std::uint32_t bigEndian32(std::string_view b, std::size_t i) {
    return bigEndian16(b, i) << 16 | bigEndian16(b, i + 2);
}
std::uint32_t littleEndian16(std::string_view b, std::size_t i) { return byteAt(b, i) | byteAt(b, i + 1) << 8; }
std::uint32_t littleEndian32(std::string_view b, std::size_t i) {
    return littleEndian16(b, i) | littleEndian16(b, i + 2) << 16;
}

std::optional<PictureSize> sized(long wide, long high) {
    if (wide <= 0 || high <= 0 || wide > 1000000 || high > 1000000) return std::nullopt;
    PictureSize s;
    s.pixelsWide = static_cast<int>(wide);
    s.pixelsHigh = static_cast<int>(high);
    return s;
}

// A resolution the file states, when it states a usable one.
void setResolution(PictureSize& s, double x, double y) {
    if (x < 1 || y < 1) return;
    s.pixelsPerInchX = x;
    s.pixelsPerInchY = y;
}

// IHDR first; a pHYs chunk in metres, when one comes before the image data.
std::optional<PictureSize> png(std::string_view b) {
    if (b.size() < 24 || b.substr(12, 4) != "IHDR") return std::nullopt;
    auto size = sized(bigEndian32(b, 16), bigEndian32(b, 20));
    if (!size) return std::nullopt;
    std::size_t pos = 8;
    while (pos + 8 <= b.size()) {
        const std::size_t length = bigEndian32(b, pos);
        const std::string_view type = b.substr(pos + 4, 4);
        if (type == "IDAT" || type == "IEND" || length > b.size() - pos - 8) break;
        if (type == "pHYs" && length >= 9 && byteAt(b, pos + 16) == 1)
            setResolution(*size, bigEndian32(b, pos + 8) * kInchesPerMetre, bigEndian32(b, pos + 12) * kInchesPerMetre);
        pos += 8 + length + 4;
    }
    return size;
}

bool startOfFrame(std::uint32_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// The segments up to the first frame header; the JFIF density when the
// APP0 segment gives one in inches or centimetres.
std::optional<PictureSize> jpeg(std::string_view b) {
    double dpiX = 0, dpiY = 0;
    std::size_t pos = 2;
    while (pos < b.size()) {
        if (byteAt(b, pos) != 0xFF) return std::nullopt;
        while (pos < b.size() && byteAt(b, pos) == 0xFF) ++pos;  // fill bytes
        if (pos >= b.size()) break;
        const std::uint32_t marker = byteAt(b, pos++);
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) continue;  // no length follows
        if (marker == 0xD9 || marker == 0xDA || pos + 2 > b.size()) break;    // image data: no frame met
        const std::size_t length = bigEndian16(b, pos);
        if (length < 2 || pos + length > b.size()) break;
        if (marker == 0xE0 && length >= 16 && b.substr(pos + 2, 5) == std::string_view("JFIF\0", 5)) {
            const std::uint32_t units = byteAt(b, pos + 9);
            const double perInch = units == 1 ? 1.0 : units == 2 ? 2.54 : 0.0;
            dpiX = bigEndian16(b, pos + 10) * perInch;
            dpiY = bigEndian16(b, pos + 12) * perInch;
        }
        if (startOfFrame(marker) && length >= 7) {
            auto size = sized(bigEndian16(b, pos + 5), bigEndian16(b, pos + 3));
            if (size) setResolution(*size, dpiX, dpiY);
            return size;
        }
        pos += length;
    }
    return std::nullopt;
}

std::optional<PictureSize> gif(std::string_view b) {
    if (b.size() < 10) return std::nullopt;
    return sized(littleEndian16(b, 6), littleEndian16(b, 8));
}

// The old 12-byte header holds 16-bit sizes; the later ones 32-bit sizes
// (a negative height: rows stored top down) and pixels per metre.
std::optional<PictureSize> bmp(std::string_view b) {
    if (b.size() < 26) return std::nullopt;
    const std::uint32_t header = littleEndian32(b, 14);
    if (header == 12) return sized(littleEndian16(b, 18), littleEndian16(b, 20));
    if (header < 40 || b.size() < 14 + 40) return std::nullopt;
    const auto wide = static_cast<std::int32_t>(littleEndian32(b, 18));
    const auto high = static_cast<std::int32_t>(littleEndian32(b, 22));
    auto size = sized(wide, std::labs(high));
    if (size) setResolution(*size, littleEndian32(b, 38) * kInchesPerMetre, littleEndian32(b, 42) * kInchesPerMetre);
    return size;
}

}  // namespace

std::optional<PictureSize> pictureSize(std::string_view b) {
    if (b.starts_with("\x89PNG\r\n\x1A\n")) return png(b);
    if (b.size() >= 3 && byteAt(b, 0) == 0xFF && byteAt(b, 1) == 0xD8 && byteAt(b, 2) == 0xFF) return jpeg(b);
    if (b.starts_with("GIF87a") || b.starts_with("GIF89a")) return gif(b);
    if (b.starts_with("BM")) return bmp(b);
    return std::nullopt;
}

}  // namespace vtl::rpt
