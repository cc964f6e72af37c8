// Reading a designed form's layout: what it holds, and every mistake named
// by its line and what is wrong, before anything prints.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/temp_dir.h"
#include "vtlporpt/designed/form_layout.h"
#include "vtlporpt/form_test_support.h"

using namespace vtl;
using namespace vtl::test;
using rpt::BandKind;
using rpt::LayoutElement;

namespace {

// A layout around `band` lines: two fonts, a body and whatever the test adds.
std::string layoutWith(const std::string& lines) {
    return "font value \"Arial\" 9\n"   // line 1
           "font narrow \"Arial Narrow\" 8 bold italic\n"
           "body 3800 8400\n" +
           lines;
}

}  // namespace

TEST(FormLayoutTest, ALayoutReadsIntoBandsOfPlacedElements) {
    const auto read = rpt::parseFormLayout(
        "# a comment line\n"
        "page a4 landscape   # turned: wider than high\n"
        "font Cap \"times new roman\" 10.5 underline\n"
        "body 1000 7000\n"
        "BAND Header\n"
        "  text 100,200 3000x* Cap center color 336699 \"Say \\\"#1\\\" \\\\ done\"\n"
        "  field 100,400 2000x300 Cap right wrap pad POP:POAmount @n-15.2\n"
        "  line 0,500 8000,520 width 25 color FF0000\n"
        "  box 10,20 30x40 frame 0 fill E6E6E6\n"
        "end\n"
        "band text height 20\n"
        "  field 300,10 2500x* Cap flow POD:Text\n"
        "end\n",
        "po.pol", "/nowhere");
    ASSERT_TRUE(read.layout) << read.error.text();
    const rpt::FormLayout& l = *read.layout;
    EXPECT_EQ(l.pageWidth, 11693);
    EXPECT_EQ(l.pageHeight, 8268);
    EXPECT_EQ(l.bodyTop, 1000);
    EXPECT_EQ(l.bodyBottom, 7000);
    const auto& header = l.band(BandKind::Header).elements;
    ASSERT_EQ(header.size(), 4u);

    EXPECT_EQ(header[0].kind, LayoutElement::Kind::Caption);
    EXPECT_EQ(header[0].text, "Say \"#1\" \\ done") << "quotes keep blanks, # and escapes";
    EXPECT_TRUE(header[0].oneLine);
    EXPECT_EQ(header[0].font, (report::Font{"Times New Roman", 10.5, false, false, true}));
    EXPECT_EQ(header[0].align, report::Align::Center);
    EXPECT_EQ(header[0].color, 0x336699u);
    EXPECT_EQ(header[0].sourceLine, 6);

    EXPECT_EQ(header[1].kind, LayoutElement::Kind::Field);
    EXPECT_EQ(header[1].text, "POP:POAmount");
    EXPECT_EQ(header[1].box, (report::Rect{100, 400, 2000, 300}));
    ASSERT_TRUE(header[1].picture);
    EXPECT_EQ(header[1].picture->text(), "@n-15.2");
    EXPECT_TRUE(header[1].wrap && header[1].keepPadding);
    EXPECT_EQ(header[1].align, report::Align::Right);

    EXPECT_EQ(header[2].kind, LayoutElement::Kind::Line);
    EXPECT_EQ(header[2].x2, 8000);
    EXPECT_EQ(header[2].y2, 520);
    EXPECT_EQ(header[2].lineWidth, 25);
    EXPECT_EQ(header[3].lineWidth, 0);
    EXPECT_TRUE(header[3].filled);
    EXPECT_EQ(header[3].fill, 0xE6E6E6u);

    const rpt::LayoutBand& text = l.band(BandKind::Text);
    EXPECT_EQ(text.height, 20);
    EXPECT_EQ(text.flow, 0);
    EXPECT_TRUE(text.elements[0].wrap) << "a flowing field wraps";
    EXPECT_FALSE(l.band(BandKind::Item).present);
}

TEST(FormLayoutTest, EachMistakeIsNamedWithItsLine) {
    struct Case {
        std::string lines;  // from line 4
        int line;
        std::string message;
    };
    const Case cases[] = {
        {"band header\n field 10,10 100x* value POP:PONumbr\nend\n", 5, "unknown field \"POP:PONumbr\""},
        {"band header\n field 10,10 100x* value POP:POAmount @n-1x.2\nend\n", 5, "bad picture: "},
        {"band header\n field 10,10 100x* value POP:IssueDate @n-12.2\nend\n", 5,
         "picture @n-12.2 cannot show POP:IssueDate (a date: @d)"},
        {"band header\n field 10,10 100x* value POD:ItemID\nend\n", 5,
         "POD:ItemID is a value of an order's line: only the item and text bands show it"},
        {"band item height 170\n field 10,10 100x* value TotalLineOne\nend\n", 5,
         "TotalLineOne is a value of the order's totals: only the totals band shows it"},
        {"band header\n box 10,1O 100x100\nend\n", 5, "bad number \"1O\""},
        {"band header\n box 10,10 100\nend\n", 5, "expected a size WxH, found \"100\""},
        {"band header\n text 10,10 100x* value \"A\" extra\nend\n", 5, "unexpected \"extra\""},
        {"band header\n text 10,10 100x* bold \"A\"\nend\n", 5, "unknown font \"bold\""},
        {"band header\n box 10,10 100x100 fill #E6E6E6\nend\n", 5, "fill needs a colour"},
        {"band header\n text 10,10 100x* value \"open\nend\n", 5, "a quoted text is not closed"},
        {"band sidebar\nend\n", 4, "unknown band \"sidebar\" (header, footer, item, text or totals)"},
        {"band header\nend\nband header\nend\n", 6, "band header is given twice (first on line 4)"},
        {"band header\n text 10,10 100x* value \"A\"\n", 4, "band header is not closed with \"end\""},
        {"band header\nband footer\n", 5, "band begins inside band header"},
        {"text 10,10 100x* value \"A\"\n", 4, "text is placed outside a band"},
        {"paper letter\n", 4, "unknown statement \"paper\""},
        {"font value \"Arial\" 10\n", 4, "font value is defined twice (first on line 1)"},
        {"font serif \"Courier\" 10\n", 4, "unknown font family \"Courier\""},
        {"band text\n field 10,10 100x* value flow POD:Text\n field 10,10 100x* value flow POD:Comment\nend\n", 6,
         "band text has a flowing field already (line 5)"},
        {"band text\n field 10,10 100x200 value flow POD:Text\nend\n", 5, "write its size as Wx*"},
        {"band item\nend\n", 4, "band item needs its height"},
        {"band item height 5000\nend\n", 4, "the item band is higher than the body"},
        {"end\n", 4, "\"end\" without a band"},
        {"band header\n image 10,10 \"missing.png\"\nend\n", 5, "picture file \"missing.png\" cannot be read"},
    };
    for (const Case& c : cases) {
        const auto read = rpt::parseFormLayout(layoutWith(c.lines), "forms/po.pol", "/nowhere");
        ASSERT_FALSE(read.layout) << c.lines;
        EXPECT_EQ(read.error.line, c.line) << c.lines << read.error.text();
        EXPECT_NE(read.error.message.find(c.message), std::string::npos)
            << c.lines << "said: " << read.error.message << "\nexpected: " << c.message;
    }

    const auto noBody = rpt::parseFormLayout("font f \"Arial\" 9\nband item height 100\nend\n", "po.pol", "");
    ASSERT_FALSE(noBody.layout);
    EXPECT_EQ(noBody.error.text(),
              "po.pol, line 2: the item band needs the body's place on the page: body TOP BOTTOM");
}

TEST(FormLayoutTest, FilesAreReadFromTheirFolderAndAMissingOneIsNamed) {
    TempDir dir;
    std::filesystem::create_directories(dir.file("art"));
    dir.write("art/stamp.png", pngHeader(300, 150));  // 100 dots an inch when the file says none
    dir.write("po.pol",
              "band header\n"
              "  image 100,200 \"art/stamp.png\"\n"
              "  image 100,200 500x400 \"art/stamp.png\"\n"
              "  image 0,0 logo\n"
              "end\n");
    dir.write("bad.pol", "band header\n  image 100,200 \"po.pol\"\nend\n");

    const auto read = rpt::readFormLayout(dir.file("po.pol"));
    ASSERT_TRUE(read.layout) << read.error.text();
    const auto& images = read.layout->band(BandKind::Header).elements;
    ASSERT_EQ(images.size(), 3u);
    EXPECT_EQ(images[0].box, (report::Rect{100, 200, 3000, 1500})) << "the picture's own size";
    EXPECT_EQ(images[0].bytes, pngHeader(300, 150));
    EXPECT_EQ(images[1].box, (report::Rect{100, 200, 500, 400}));
    EXPECT_TRUE(images[2].logo);

    const auto notPicture = rpt::readFormLayout(dir.file("bad.pol"));
    EXPECT_EQ(notPicture.error.text(),
              dir.file("bad.pol") + ", line 2: picture file \"po.pol\" is not a PNG, JPEG, GIF or BMP picture");

    const auto missing = rpt::readFormLayout(dir.file("none.pol"));
    ASSERT_FALSE(missing.layout);
    EXPECT_EQ(missing.error.line, 0);
    EXPECT_EQ(missing.error.text(), dir.file("none.pol") + ": the file does not exist");

    // A picture named by nothing or by a folder, and a layout that is a
    // folder or a pipe nobody writes to (found by fuzzing: reading a
    // folder ended the program): each is told, nothing waits.
    dir.write("folders.pol", "band header\n  image 1,1 \"\"\nend\n");
    EXPECT_EQ(rpt::readFormLayout(dir.file("folders.pol")).error.text(),
              dir.file("folders.pol") + ", line 2: picture file \"\" cannot be read");
    dir.write("folders.pol", "band header\n  image 1,1 \"art\"\nend\n");
    EXPECT_EQ(rpt::readFormLayout(dir.file("folders.pol")).error.text(),
              dir.file("folders.pol") + ", line 2: picture file \"art\" cannot be read");
    EXPECT_EQ(rpt::readFormLayout(dir.file("art")).error.text(), dir.file("art") + ": not a file");
    ASSERT_EQ(::mkfifo(dir.file("pipe.pol").c_str(), 0600), 0);
    EXPECT_EQ(rpt::readFormLayout(dir.file("pipe.pol")).error.text(), dir.file("pipe.pol") + ": not a file");
}
