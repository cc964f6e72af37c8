// The listing on a designed layout: the shipped layout reads and prints the
// listing's bands, the reader holds each value to the bands that have it,
// and a missing layout prints nothing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "report/pages/devices.h"
#include "support/golden.h"
#include "vtlporpt/designed/designed_listing.h"
#include "vtlporpt/listing/print_po_listing.h"
#include "vtlporpt/listing_fixture.h"
#include "vtlporpt/procedures.h"

using namespace vtl;
using namespace vtl::test;

namespace {

std::string installFolder() {
    const char* data = std::getenv("VTL_TEST_DATA");
    return std::string(data ? data : "tests/data") + "/../..";
}

rpt::LayoutRead parse(const std::string& text) { return rpt::parseFormLayout(text, "test.pol", "."); }

}  // namespace

TEST(ListingLayout, TheReaderHoldsEachValueToTheBandsThatHaveIt) {
    const std::string head = "report listing\nbody 1000 9000\nfont f \"Arial\" 8\n";
    auto ok = parse(head + "band vendorinfo height 200\n field 0,0 900x* f MQ:PONumber\nend\n"
                           "band footer\n field 250,10000 8000x* f LIMIT12\nend\n");
    ASSERT_TRUE(ok.layout) << ok.error.text();
    EXPECT_EQ(ok.layout->kind, rpt::LayoutKind::Listing);
    EXPECT_TRUE(ok.layout->band(rpt::BandKind::VendorInfo).present);

    EXPECT_EQ(parse(head + "band header\n field 0,0 900x* f MQ:PONumber\nend\n").error.text(),
              "test.pol, line 5: MQ:PONumber is a value of an order: the header band does not show it");
    EXPECT_EQ(parse(head + "band summary height 100\n field 0,0 900x* f RQ:Amount\nend\n").error.text(),
              "test.pol, line 5: RQ:Amount is a value of a line's reconciliation: the summary band does not show it");
    EXPECT_EQ(parse(head + "band total height 100\n field 0,0 900x* f MQ:POAmount @d1\nend\n").error.text(),
              "test.pol, line 5: picture @d1 cannot show MQ:POAmount (a number: @n)");
    EXPECT_EQ(parse(head + "band item height 100\nend\n").error.line, 4) << "a purchase order's band";
    EXPECT_EQ(parse("band header\nend\nreport listing\n").error.text(), "test.pol, line 3: report comes before the bands");
    // A purchase-order layout knows nothing of the listing's values, nor the other way round.
    EXPECT_EQ(parse("font f \"Arial\" 8\nband header\n field 0,0 900x* f MQ:PONumber\nend\n").error.message,
              "unknown field \"MQ:PONumber\"");
    EXPECT_EQ(parse(head + "band header\n field 0,0 900x* f POP:PONumber\nend\n").error.message,
              "unknown field \"POP:PONumber\"");
}

TEST_F(ListingTest, TheShippedLayoutPrintsTheListingsBandsAndMatchesItsGoldenFile) {
    const rpt::LayoutRead read = rpt::readFormLayout(installFolder() + "/forms/po_listing.pol");
    ASSERT_TRUE(read.layout) << read.error.text();
    const ULong a = order("10", 101, "J100", 1, "1050.00", "50.00");
    const ULong d = line(a, "Job", "1000.00", "400.00");
    invoice(d, 501, "INV-77", "3", 100, "300.00");
    invoice(d, 502, "INV-81", "1", 100, "100.00");
    textLine(a, "Deliver to the back gate before noon; call the yard office first, then wait for the crane to be "
                "set up before the trucks come in.");
    const ULong b = order("9", 102, "", 0, "250.00");
    line(b, "G/L Account", "250.00");
    for (Byte format : {Byte(0), Byte(2)}) {
        auto l = limits([&](POLimits& l) {
            l.RefFrom = 1;
            l.SelectedCat = format;
        });
        const rpt::ListingRun run =
            rpt::produceListing(*s, l, &measure, [&](report::TextMeasure& m, const rpt::ListingPageSetup& setup) {
                return std::make_unique<rpt::DesignedListing>(*read.layout, m, setup);
            });
        ASSERT_EQ(run.document.pages.size(), 1u);
        const report::Page& page = run.document.pages[0];
        EXPECT_EQ(wrongTexts(page, {"Purchase Order Listing", "Columbia Ridge Builders", "Report Title: Open Orders"}),
                  "");
        if (format == 0) {
            EXPECT_EQ(wrongTexts(page, {"Reconciled by Invoice #INV-77 (6/15/26)", "Total Amount Reconciled:",
                                        "400.00", "Sales Tax:", "Open Amount:", "650.00", "Grand Total Open:", "900.00"}),
                      "");
            expectGolden("listing_designed_pages.txt", report::toText(run.document));
        } else {
            EXPECT_EQ(wrongTexts(page, {"Report  Totals:", "1300.00", "900.00", "(102) Ames Lumber"}), "");
            EXPECT_EQ(wrongTexts(page, {"Open Amount:", "Sales Tax:"}, false), "");
        }
    }
}

TEST_F(ListingTest, WithoutItsLayoutTheDesignedListingSaysWhyAndPrintsNothing) {
    rpt::registerReportProcedures(s.procedures);
    const POLimits l = limits();
    s.globals.ReportFilter = std::to_string(l.LimitID);
    s.views.set<report::ReportPreview>([](report::ReportPreview&) { ADD_FAILURE() << "nothing to preview"; });
    s.ui.expectTell("The purchase order listing cannot be printed.|" + s.folder +
                        "/forms/po_listing.pol: the file does not exist",
                    "PrintPOListFM", ui::Icon::Warning);
    ASSERT_TRUE(s->call("PrintPOListFM"));
}
