#pragma once
// PrintPOListFM: the purchase-order listing on the company's own layout
// ("report listing", docs/form_layout.md), the same orders, lines, totals
// and output path as PrintPOListing. Header and footer bands go on every
// page; the listing's bands follow one another down the body, a new page
// when it is full (a flowing field goes on over the break). A set printed
// landscape turns a portrait layout and spreads it by 1.3, as the standard
// listing does.
#include <optional>

#include "platform/suite/session.h"
#include "vtlporpt/designed/form_layout.h"
#include "vtlporpt/form_values.h"
#include "vtlporpt/listing/listing_pages.h"

namespace vtl::rpt {

inline constexpr const char* kDesignedListingProcedure = "PrintPOListFM";
// Looked for in the data folder, then in the installation.
inline constexpr const char* kListingLayoutFile = "forms/po_listing.pol";

class DesignedListing : public ListingLayout {
public:
    DesignedListing(const FormLayout& layout, report::TextMeasure& measure, ListingPageSetup setup);
    void band(Band band, const BandValues& values) override;
    report::Document finish() override;
    int pages() const override { return static_cast<int>(doc_.pages.size()); }

private:
    void newPage();
    void draw(report::Page& page, const LayoutElement& e, report::Mils top, const FormValues* values);
    std::string shown(const LayoutElement& e, const FormValues* values) const;
    report::Mils x(report::Mils v) const;
    report::Mils w(report::Mils v) const;

    const FormLayout& layout_;
    report::TextMeasure& measure_;
    ListingPageSetup setup_;
    report::Document doc_;
    FormValues page_;
    report::Mils pageW_, pageH_;
    double scale_ = 1.0;
    report::Mils y_ = 0;
};

// The listing layout of this installation; a missing or broken one is told.
std::optional<FormLayout> loadListingLayout(Session& s);

void runPrintPOListFM(Session& s);

}  // namespace vtl::rpt
