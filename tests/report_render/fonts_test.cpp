// The fonts of the forms found as the Liberation fonts, and measured in
// proportion to their size.
#include <gtest/gtest.h>

#include "report/render/fonts.h"

using namespace vtl;
using namespace vtl::report;

namespace {

TEST(Fonts, TheFormsFontsAreTheLiberationFontsFoundExactly) {
    EXPECT_EQ(render::resolvedFamily(Font{"Arial", 10}), "Liberation Sans");
    EXPECT_EQ(render::resolvedFamily(Font{"Arial", 10, true}), "Liberation Sans Bold");
    EXPECT_EQ(render::resolvedFamily(Font{"Arial Narrow", 8}), "Liberation Sans Narrow");
    EXPECT_EQ(render::resolvedFamily(Font{"Arial Narrow", 8, true, true}), "Liberation Sans Narrow Bold Italic");
    EXPECT_EQ(render::resolvedFamily(Font{"Times New Roman", 12, false, true}), "Liberation Serif Italic");
    EXPECT_EQ(render::resolvedFamily(Font{"Courier New", 10}), "Liberation Sans") << "anything else";
    EXPECT_EQ(render::resolvedFamily(Font{"Arial", 72, false, false, true}), "Liberation Sans");
}

TEST(Fonts, WidthsAndLineHeightsGrowInProportionToThePointSize) {
    render::QtTextMeasure& m = render::QtTextMeasure::shared();
    const std::string text = "Purchase Order 1041, Harbor Supply Co.";
    for (const char* family : {"Arial", "Arial Narrow", "Times New Roman"}) {
        SCOPED_TRACE(family);
        const double ten = m.width(Font{family, 10}, text);
        // No size snaps the glyphs or itself to a grid of its own: within 0.05%.
        for (double points : {6.5, 7.0, 24.0, 71.5, 72.0, 100.0}) {
            SCOPED_TRACE(points);
            EXPECT_NEAR(m.width(Font{family, points}, text), ten * points / 10, ten * points / 10 * 5e-4);
            EXPECT_NEAR(m.lineHeight(Font{family, points}), m.lineHeight(Font{family, 10}) * points / 10,
                        m.lineHeight(Font{family, 10}) * points / 10 * 5e-4);
        }
        // A line is taller than its em (10 points: 138.9 mils) and the
        // baseline lies inside it.
        EXPECT_GT(m.lineHeight(Font{family, 10}), 138.9);
        EXPECT_LT(m.lineHeight(Font{family, 10}), 138.9 * 1.3);
        EXPECT_GT(m.ascent(Font{family, 10}), 138.9 * 0.7);
        EXPECT_LT(m.ascent(Font{family, 10}), m.lineHeight(Font{family, 10}));
        EXPECT_GT(m.width(Font{family, 10, true}, text), ten) << "bold is wider";
    }
    // The narrow family is narrower, by the ratio of the fonts it stands for.
    EXPECT_NEAR(m.width(Font{"Arial Narrow", 10}, text) / m.width(Font{"Arial", 10}, text), 0.82, 0.01);
    EXPECT_LT(m.width(Font{"Times New Roman", 10}, text), m.width(Font{"Arial", 10}, text));
}

}  // namespace
