// The page model as text, the breaking of long texts into lines, and the
// preview window's page keeping.
#include <gtest/gtest.h>

#include "report/pages/devices.h"
#include "report/pages/measure.h"
#include "report/pages/page.h"

using namespace vtl::report;

namespace {

// Every character 100 mils wide, lines 150 apart.
class Monospace : public TextMeasure {
public:
    double width(const Font&, std::string_view text) override {
        double n = 0;
        for (unsigned char c : text)
            if ((c & 0xC0) != 0x80) n += 100;  // one per UTF-8 character
        return n;
    }
    double lineHeight(const Font&) override { return 150; }
};

}  // namespace

TEST(Pages, TheModelReadsAsOneItemALine) {
    Document doc;
    doc.title = "Purchase Order 1041";
    Page p;
    Font bold{"Arial", 14, true};
    p.items.push_back(TextItem{{250, 300, 4000, 240}, "PURCHASE \"ORDER\"", bold, Align::Center});
    p.items.push_back(LineItem{250, 600, 8250, 600, 15});
    p.items.push_back(BoxItem{{250, 700, 8000, 2000}, 10, kBlack, true, 0xEEEEEE});
    p.items.push_back(ImageItem{{300, 300, 900, 600}, std::string("\x89PNG", 4)});
    TextItem note{{250, 3000, 8000, 600}, "Deliver\nbefore 7", Font{"Times New Roman", 10}, Align::Left, true};
    p.items.push_back(note);
    doc.pages.push_back(p);
    doc.pages.push_back(Page{11000, 8500, {}});
    const std::string text = toText(doc);
    EXPECT_EQ(text,
              "document \"Purchase Order 1041\"\n"
              "page 1 8500x11000\n"
              "text 250,300 4000x240 Arial 14 bold center \"PURCHASE \\\"ORDER\\\"\"\n"
              "line 250,600 8250,600 width 15\n"
              "box 250,700 8000x2000 frame 10 fill #EEEEEE\n"
              "image 300,300 900x600 4 bytes " +
                  text.substr(text.find("4 bytes ") + 8, 16) +
                  "\n"
                  "text 250,3000 8000x600 Times New Roman 10 left wrap \"Deliver\\nbefore 7\"\n"
                  "page 2 11000x8500\n");
    EXPECT_TRUE(doc.pages[1].landscape());
}

TEST(Pages, LongTextsBreakAtSpacesAndLongWordsAcrossLines) {
    Monospace m;
    const Font f;
    // Ten characters to a line.
    EXPECT_EQ(wrapText(m, f, "Deliver to the north gate", 1000),
              (std::vector<std::string>{"Deliver to", "the north", "gate"}));
    EXPECT_EQ(wrapText(m, f, "abcdefghijklmnopqrstuvwxy z", 1000),
              (std::vector<std::string>{"abcdefghij", "klmnopqrst", "uvwxy z"}));
    EXPECT_EQ(wrapText(m, f, "one\r\n\ntwo  three", 1000), (std::vector<std::string>{"one", "", "two three"}));
    // A character of several bytes is never cut in two.
    EXPECT_EQ(wrapText(m, f, "\xC3\xA9\xC3\xA9\xC3\xA9", 200),
              (std::vector<std::string>{"\xC3\xA9\xC3\xA9", "\xC3\xA9"}));
    EXPECT_EQ(wrapText(m, f, "", 1000), (std::vector<std::string>{""}));
}

TEST(Pages, ThePreviewKeepsToItsPagesAndTellsWhatWasChosen) {
    Document doc;
    doc.pages.resize(3);
    ReportPreview preview(doc, "Purchase Orders", {"Generate PDF File", "Email PO (pdf)"});
    EXPECT_EQ(preview.pageOfPages(), "Page 1 of 3");
    preview.setPage(7);
    EXPECT_EQ(preview.pageOfPages(), "Page 3 of 3");
    preview.setPage(-1);
    EXPECT_EQ(preview.page(), 0);
    EXPECT_EQ(preview.outcome(), ReportPreview::Outcome::Closed);
    preview.press(5);  // no such button
    EXPECT_EQ(preview.outcome(), ReportPreview::Outcome::Closed);
    preview.press(1);
    EXPECT_EQ(preview.outcome(), ReportPreview::Outcome::Button);
    EXPECT_EQ(preview.pressed(), 1);
    preview.print();
    EXPECT_EQ(preview.outcome(), ReportPreview::Outcome::Print);
}
