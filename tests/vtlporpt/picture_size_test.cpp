// The size of a logo read from its file's header, and the size it prints at.
#include <gtest/gtest.h>

#include "vtlporpt/form_logo.h"
#include "vtlporpt/form_test_support.h"
#include "vtlporpt/picture_size.h"

using namespace vtl;
using namespace vtl::test;

namespace {

std::string littleEndian(std::uint32_t v, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
    return out;
}

// A JFIF header (density in `units`: 1 per inch, 2 per centimetre), a table
// and fill bytes, then a progressive frame header.
std::string jpeg(std::uint32_t wide, std::uint32_t high, int units, std::uint32_t density) {
    return "\xFF\xD8\xFF\xE0" + bigEndian(16, 2) + std::string("JFIF\0\x01\x01", 7) + static_cast<char>(units) +
           bigEndian(density, 2) + bigEndian(density, 2) + std::string(2, '\0') + "\xFF\xDB" + bigEndian(5, 2) +
           "\x01\x01\x01" + "\xFF\xFF\xC2" + bigEndian(17, 2) + "\x08" + bigEndian(high, 2) + bigEndian(wide, 2) +
           std::string(10, '\x01') + "\xFF\xDA" + bigEndian(8, 2) + std::string(6, '\0');
}

std::string bmp(std::int32_t wide, std::int32_t high, std::uint32_t perMetre) {
    return "BM" + std::string(12, '\0') + littleEndian(40, 4) + littleEndian(static_cast<std::uint32_t>(wide), 4) +
           littleEndian(static_cast<std::uint32_t>(high), 4) + littleEndian(1, 2) + littleEndian(24, 2) +
           std::string(8, '\0') + littleEndian(perMetre, 4) + littleEndian(perMetre, 4) + std::string(8, '\0');
}

}  // namespace

TEST(PictureSize, EachKindGivesItsPixelsAndTheResolutionItStates) {
    struct Case {
        const char* what;
        std::string bytes;
        int wide, high;
        double milsWide, milsHigh;
    };
    const Case cases[] = {
        {"PNG at 300 per inch", pngHeader(300, 150, 11811), 300, 150, 1000, 500},
        {"PNG stating nothing: 100 per inch", pngHeader(300, 150), 300, 150, 3000, 1500},
        {"JPEG per inch", jpeg(640, 480, 1, 200), 640, 480, 3200, 2400},
        {"JPEG per centimetre", jpeg(254, 127, 2, 100), 254, 127, 1000, 500},
        {"JPEG with an aspect ratio only", jpeg(64, 48, 0, 1), 64, 48, 640, 480},
        {"GIF", "GIF89a" + littleEndian(120, 2) + littleEndian(45, 2), 120, 45, 1200, 450},
        {"BMP stored top down", bmp(200, -80, 3937), 200, 80, 2000, 800},
        {"BMP stating nothing", bmp(200, 80, 0), 200, 80, 2000, 800},
        {"BMP of the old header", "BM" + std::string(12, '\0') + littleEndian(12, 4) + littleEndian(33, 2) +
                                      littleEndian(22, 2) + littleEndian(1, 2) + littleEndian(24, 2),
         33, 22, 330, 220},
    };
    for (const Case& c : cases) {
        const auto size = rpt::pictureSize(c.bytes);
        ASSERT_TRUE(size) << c.what;
        EXPECT_EQ(size->pixelsWide, c.wide) << c.what;
        EXPECT_EQ(size->pixelsHigh, c.high) << c.what;
        EXPECT_NEAR(size->milsWide(), c.milsWide, 0.5) << c.what;
        EXPECT_NEAR(size->milsHigh(), c.milsHigh, 0.5) << c.what;
    }
}

TEST(PictureSize, CutShortUnknownOrEmptyPicturesHaveNoSize) {
    const std::string j = jpeg(640, 480, 1, 200);
    for (const std::string& bytes :
         {std::string(), std::string("%PDF-1.4"), pngHeader(300, 150).substr(0, 20), pngHeader(0, 150),
          j.substr(0, j.find("\xFF\xFF\xC2") + 6), std::string("\xFF\xD8\xFF\xDA\x00\x08", 6) + std::string(9, '\0'),
          std::string("GIF89a\x01"), bmp(200, 80, 0).substr(0, 30)})
        EXPECT_FALSE(rpt::pictureSize(bytes)) << bytes.size() << " bytes";
}

TEST(LogoSize, TallLogosComeDownToTheirLimitThenTakeTheirPercentage) {
    auto is = [](rpt::LogoSize s, report::Mils w, report::Mils h) { return s.width == w && s.height == h; };
    EXPECT_TRUE(is(rpt::logoSize(1000, 2000, 100), 425, 850));
    EXPECT_TRUE(is(rpt::logoSize(1000, 2000, 50), 213, 425));
    EXPECT_TRUE(is(rpt::logoSize(1200, 600, 150), 1800, 900)) << "under the limit: the percentage alone";
    EXPECT_TRUE(is(rpt::logoSize(1000, 500, 250), 2500, 1250));
    for (int outside : {0, 49, 251, 1000}) EXPECT_TRUE(is(rpt::logoSize(1000, 500, outside), 1000, 500)) << outside;
}
