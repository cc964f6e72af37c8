// Pages drawn on pictures: text placed by the measure it is broken with,
// kept inside its box; lines, boxes and pictures where the model puts them.
#include <gtest/gtest.h>

#include <QImage>
#include <optional>

#include "report/render/draw.h"
#include "report/render/fonts.h"
#include "report_render/pdf_tools.h"

using namespace vtl;
using namespace vtl::report;
using namespace vtl::test;

namespace {

// The smallest rectangle of pixels darker than mid-grey, in pixels.
std::optional<QRect> inkBounds(const QImage& image, const QRect& within = {}) {
    const QRect area = within.isNull() ? image.rect() : within & image.rect();
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) >= 128) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    if (right < 0) return std::nullopt;
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// Pixels that are not white outside a rectangle of mils, at `dpi`.
int marksOutside(const QImage& image, const Rect& box, int dpi) {
    const QRect inside(box.x * dpi / 1000, box.y * dpi / 1000, box.w * dpi / 1000, box.h * dpi / 1000);
    int marks = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!inside.contains(x, y) && image.pixel(x, y) != qRgb(255, 255, 255)) ++marks;
    return marks;
}

Page pageWith(Item item) {
    Page page;
    page.items.push_back(std::move(item));
    return page;
}

// Full blocks at both ends: their ink fills their whole advance, so the ink
// of the text spans exactly the width it advances.
const std::string kBlocked = "\u2588Amount due 1,234.56\u2588";

TEST(Draw, AlignedTextSpansItsMeasuredWidthFromTheBoxEdge) {
    constexpr int kDpi = 300;
    const Rect box{1000, 1000, 5000, 400};
    for (const Font& font :
         {Font{"Arial", 12}, Font{"Arial Narrow", 10, true}, Font{"Times New Roman", 18, false, true}}) {
        SCOPED_TRACE(font.family);
        const double width = render::QtTextMeasure::shared().width(font, kBlocked);
        ASSERT_GT(width, 500);
        ASSERT_LT(width, box.w);
        struct Case {
            Align align;
            double left;  // where the ink must start, in mils
        };
        for (const Case c : {Case{Align::Left, 1000.0}, Case{Align::Right, 6000 - width},
                             Case{Align::Center, 1000 + (box.w - width) / 2}}) {
            const QImage image = render::renderPage(pageWith(TextItem{box, kBlocked, font, c.align}), kDpi);
            const auto ink = inkBounds(image, QRect(200, 200, 1700, 300));
            ASSERT_TRUE(ink);
            // One pixel either way for the edges' antialiasing.
            EXPECT_NEAR(ink->left(), c.left * kDpi / 1000, 1.0) << "align " << static_cast<int>(c.align);
            EXPECT_NEAR(ink->right() + 1, (c.left + width) * kDpi / 1000, 1.0) << "align " << static_cast<int>(c.align);
        }
    }
}

TEST(Draw, TextNeverDrawsOutsideItsBoxAndStartsAtItsTop) {
    constexpr int kDpi = 100;
    const Font font{"Arial", 12};
    // Too long for its box: cut at the right.
    const Rect narrow{1000, 1000, 1000, 300};
    const QImage cut = render::renderPage(
        pageWith(TextItem{narrow, "This line is much longer than the box it is in", font}), kDpi);
    EXPECT_EQ(marksOutside(cut, narrow, kDpi), 0);
    ASSERT_TRUE(inkBounds(cut));
    EXPECT_EQ(inkBounds(cut)->right(), 199) << "the text runs on to the box's right edge";

    // Wrapped into more lines than fit: cut at the bottom, right-aligned lines too.
    const Rect low{1000, 1000, 1500, 400};
    const std::string longText = "Deliver to the north gate of the site between seven and three each working day";
    ASSERT_GT(wrapText(render::QtTextMeasure::shared(), font, longText, low.w).size() *
                  render::QtTextMeasure::shared().lineHeight(font),
              low.h * 2);
    for (Align align : {Align::Left, Align::Right}) {
        const QImage wrapped = render::renderPage(pageWith(TextItem{low, longText, font, align, true}), kDpi);
        EXPECT_EQ(marksOutside(wrapped, low, kDpi), 0);
    }

    // In a tall box a single line stays within its first line's height.
    const Rect tall{1000, 1000, 3000, 3000};
    const auto ink = inkBounds(render::renderPage(pageWith(TextItem{tall, "Harbor Supply", font}), kDpi));
    ASSERT_TRUE(ink);
    EXPECT_GE(ink->top(), 100);
    EXPECT_LT(ink->bottom(), (1000 + render::QtTextMeasure::shared().lineHeight(font)) * kDpi / 1000);
}

TEST(Draw, LineBreaksStartNewLinesOneLineHeightApart) {
    constexpr int kDpi = 300;
    const Font font{"Arial", 24};
    const double lineHeight = render::QtTextMeasure::shared().lineHeight(font);
    const Rect box{1000, 1000, 3000, 2000};
    const QImage image = render::renderPage(pageWith(TextItem{box, "H\nH\r\n\nH", font}), kDpi);
    const auto ink = inkBounds(image);
    ASSERT_TRUE(ink);
    // Down the left stem of the letters: where each starts.
    const int stem = ink->left() + 2;
    std::vector<int> tops;
    for (int y = 1; y < image.height(); ++y)
        if (qGray(image.pixel(stem, y)) < 128 && qGray(image.pixel(stem, y - 1)) >= 128) tops.push_back(y);
    ASSERT_EQ(tops.size(), 3u);
    EXPECT_NEAR(tops[1] - tops[0], lineHeight * kDpi / 1000, 1.0);
    EXPECT_NEAR(tops[2] - tops[0], 3 * lineHeight * kDpi / 1000, 1.0) << "an empty line keeps its place";
}

TEST(Draw, LinesBoxesAndPicturesLieWhereTheModelPutsThem) {
    constexpr int kDpi = 100;  // a pixel is 10 mils
    Page page;
    // A frame 40 mils wide centred on the box's edges, over a grey fill.
    page.items.push_back(BoxItem{{1000, 1000, 2000, 1000}, 40, kBlack, true, 0xC0C0C0});
    // A red horizontal line 20 mils wide, ending where it says.
    page.items.push_back(LineItem{1000, 3000, 3000, 3000, 20, 0xFF0000});
    // A picture stretched to its box: left half green, right half blue.
    page.items.push_back(ImageItem{{4000, 1000, 2000, 500}, twoColourPng(8, 8, qRgb(0, 255, 0), qRgb(0, 0, 255))});
    const QImage image = render::renderPage(page, kDpi);
    ASSERT_EQ(image.size(), QSize(850, 1100));

    EXPECT_EQ(image.pixel(97, 150), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(98, 150), qRgb(0, 0, 0)) << "the frame outside the left edge";
    EXPECT_EQ(image.pixel(101, 150), qRgb(0, 0, 0)) << "the frame inside the left edge";
    EXPECT_EQ(image.pixel(102, 150), qRgb(192, 192, 192)) << "the fill";

    EXPECT_EQ(image.pixel(100, 299), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(299, 300), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(200, 297), qRgb(255, 255, 255)) << "20 mils wide";
    EXPECT_EQ(image.pixel(99, 300), qRgb(255, 255, 255)) << "flat ends";

    EXPECT_EQ(image.pixel(425, 110), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(575, 140), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(605, 105), qRgb(255, 255, 255)) << "nothing beyond the picture's box";
    EXPECT_EQ(image.pixel(405, 155), qRgb(255, 255, 255));
}

}  // namespace
