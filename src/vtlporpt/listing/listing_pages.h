#pragma once
// The pages of the standard listing: a page header (title, company, run date
// and time, the column headings of the format), the bands down the body,
// and a page footer with the page number and the parameters block. Landscape
// turns the page and spreads every column by 1.3.
#include <string>
#include <vector>

#include "report/pages/measure.h"
#include "report/pages/page.h"
#include "vtlporpt/listing/listing_bands.h"

namespace vtl::rpt {

struct ListingPageSetup {
    std::string companyName;
    std::string reportTitle;
    Date runDate;
    Time runTime;
    ListingFormat format = ListingFormat::Detailed;
    bool landscape = false;
    std::vector<std::string> parameters;  // the first twelve are shown
    std::string footerMessage;
};

// What lays a listing's bands out on pages: the standard layout or a
// designed one.
class ListingLayout : public ListingSink {
public:
    // Numbers the pages and hands the document over.
    virtual report::Document finish() = 0;
    virtual int pages() const = 0;
};

class ListingPages : public ListingLayout {
public:
    ListingPages(report::TextMeasure& measure, ListingPageSetup setup);
    void band(Band band, const BandValues& values) override;
    // Numbers the pages ("Page 3 of 9") and hands the document over.
    report::Document finish() override;
    int pages() const override { return static_cast<int>(doc_.pages.size()); }

private:
    struct Cell {
        report::Mils x, w;
        std::string text;
        report::Align align = report::Align::Left;
        bool bold = false;
    };
    using Row = std::vector<Cell>;
    // Rows that stay together on one page; a rule above the first when `ruled`.
    void place(const std::vector<Row>& rows, bool ruled = false, bool ruleBelow = false);
    void newPage();
    report::Mils x(report::Mils v) const;
    report::Mils w(report::Mils v) const;
    void cell(report::Page& p, report::Mils y, const Cell& c, const report::Font& font);

    report::TextMeasure& measure_;
    ListingPageSetup setup_;
    report::Document doc_;
    report::Mils pageW_, pageH_, bodyTop_ = 0, bodyBottom_ = 0, y_ = 0;
    report::Mils rowH_ = 0;
    double scale_ = 1.0;
};

}  // namespace vtl::rpt
