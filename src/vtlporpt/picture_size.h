#pragma once
// The size of a picture file read from its header, without decoding it:
// PNG, JPEG, GIF and BMP. The reports place a logo by its size in
// thousandths of an inch before the renderer ever sees it.
#include <optional>
#include <string_view>

namespace vtl::rpt {

inline constexpr double kDefaultPixelsPerInch = 100;

struct PictureSize {
    int pixelsWide = 0;
    int pixelsHigh = 0;
    // As the file states them, else kDefaultPixelsPerInch.
    double pixelsPerInchX = kDefaultPixelsPerInch;
    double pixelsPerInchY = kDefaultPixelsPerInch;

    double milsWide() const { return pixelsWide * 1000.0 / pixelsPerInchX; }
    double milsHigh() const { return pixelsHigh * 1000.0 / pixelsPerInchY; }
};

// nullopt when the bytes are none of the four kinds, or their header is cut
// short or names no size.
std::optional<PictureSize> pictureSize(std::string_view bytes);

}  // namespace vtl::rpt
