// The purchase-order listing: which orders and lines a limit set chooses,
// their open amounts, their order, the parameters block, the pages and text
// image of each format, and the procedure's end (nothing to print, export).
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "report/pages/devices.h"
#include "siblings/services/report_export.h"
#include "siblings/services/services.h"
#include "support/golden.h"
#include "vtlporpt/email/compose_po_email.h"
#include "vtlporpt/listing/listing_params.h"
#include "vtlporpt/listing/print_po_listing.h"
#include "vtlporpt/listing_fixture.h"
#include "vtlporpt/procedures.h"

using namespace vtl;
using namespace vtl::test;
using ui::Icon;

namespace {


class ListingRunTest : public ListingTest {
protected:
    // A varied company: a partly invoiced job order with reconciliation
    // records, a G/L order with a comment, a fully reconciled order, an
    // over-invoiced one, one without lines and one whose vendor is gone.
    void SetUp() override {
        ListingTest::SetUp();
        const ULong a = order("10", 101, "J100", 1, "1050.00", "50.00", [](POMaster& po) {
            po.ShipToName = "Riverside Clinic Site";
            po.ShipToAddress1 = "12 River Rd";
            po.ShipToCity = "Salem";
            po.ShipToState = "OR";
            po.ShipToZip = "97302";
        });
        const ULong d1 = line(a, "Job", "1000.00", "400.00");
        invoice(d1, 501, "INV-77", "3", 100, "300.00");
        invoice(d1, 502, "INV-81", "1", 100, "100.00");
        packSlip(d1, "4");
        const ULong b = order("9", 101, "", 0, "250.00");
        line(b, "G/L Account", "250.00");
        textLine(b, "Deliver to the back gate before noon; call the yard office first.");
        const ULong c = order("A1", 101, "J200", 2, "320.00", "20.00");
        line(c, "Job", "300.00", "300.00", [](PODetail& d) {
            d.JobID = "J200";
            d.CostCode = "0500  LAB ";
            d.Reconciliation = 2;
        });
        const ULong o = order("11", 102, "", 1, "100.00");
        line(o, "Equipment", "100.00", "130.00");
        order("12", 101, "J100", 0, "0.00");
        const ULong m = order("13", 999, "", 0, "75.00");
        line(m, "G/L Account", "75.00");
    }
};

}  // namespace

TEST(ListingSortKey, NumbersSortByValueThenEveryOtherNumberAfterThem) {
    EXPECT_EQ(rpt::poSortKey("9"), "000000000000009");
    EXPECT_LT(rpt::poSortKey("9"), rpt::poSortKey("10"));
    EXPECT_LT(rpt::poSortKey("10"), rpt::poSortKey("A1"));
    EXPECT_LT(rpt::poSortKey("99999999999999"), rpt::poSortKey("1A"));
    EXPECT_EQ(rpt::poSortKey(" 42 "), rpt::poSortKey("42"));
}

TEST_F(ListingRunTest, SequencesOrderTheListedOrdersAndOrdersWithoutLinesAreNeverListed) {
    EXPECT_EQ(numbers(gather(limits())), (std::vector<std::string>{"9", "10", "11", "13", "A1"}));
    EXPECT_EQ(numbers(gather(limits([](POLimits& l) { l.Sequence = "R"; }))),
              (std::vector<std::string>{"10", "9", "A1", "11", "13"}));
    // By job (blank first), then vendor name, then number; or by job then number.
    EXPECT_EQ(numbers(gather(limits([](POLimits& l) { l.Sequence = "J"; }))),
              (std::vector<std::string>{"11", "9", "13", "10", "A1"}));
    EXPECT_EQ(numbers(gather(limits([](POLimits& l) { l.Sequence = "j"; }))),
              (std::vector<std::string>{"9", "11", "13", "10", "A1"}));
    const rpt::ListingData summary = gather(limits([](POLimits& l) { l.SelectedCat = 2; }));
    for (const auto& o : summary.orders) EXPECT_NE(o.poNumber, "12") << "an order without lines";
    EXPECT_EQ(summary.ordersOnFile, 6);
}

TEST_F(ListingRunTest, OpenAmountsFollowTheLinesAndTheStateAndOverInvoicedShowsZeroUnlessAsked) {
    auto byNumber = [](const rpt::ListingData& d, const std::string& n) {
        for (const auto& o : d.orders)
            if (o.poNumber == n) return o;
        ADD_FAILURE() << "order " << n << " not listed";
        return rpt::ListedOrder();
    };
    const rpt::ListingData zero = gather(limits());
    EXPECT_EQ(byNumber(zero, "10").openAmount, *Money::parse("650.00")) << "600 open on the line plus 50 tax";
    EXPECT_EQ(byNumber(zero, "A1").openAmount, Money()) << "fully reconciled";
    EXPECT_EQ(byNumber(zero, "A1").taxAmount, Money()) << "fully reconciled: no tax left either";
    EXPECT_EQ(byNumber(zero, "11").openAmount, Money()) << "over-invoiced shows zero";
    EXPECT_EQ(byNumber(zero, "13").vendorName, "Vendor Not Found");

    const rpt::ListingData negative = gather(limits([](POLimits& l) { l.ColorCoding = 1; }));
    EXPECT_EQ(byNumber(negative, "11").openAmount, *Money::parse("-30.00"));

    // The grand totals: the negative amount lowers the open total.
    auto grand = [this](const POLimits& l) {
        rpt::TextImage image("Columbia Ridge Builders", rpt::ListingFormat::Detailed);
        rpt::walkListing(gather(l), rpt::listingOptions(l), image);
        return image.lines().back();
    };
    EXPECT_EQ(grand(limits()), "\t\t\t\t\t\t\t\t\tGrand Total Open:\t975.00            ");
    EXPECT_EQ(grand(limits([](POLimits& l) { l.ColorCoding = 1; })),
              "\t\t\t\t\t\t\t\t\tGrand Total Open:\t945.00            ");
}

TEST_F(ListingTest, WholeOrdersDropForOneLineOutsideTheCostCodesLinesWithinLimitsDropOnlyThatLine) {
    const ULong po = order("20", 101, "J100", 0, "500.00");
    line(po, "Job", "200.00");  // 0300
    line(po, "Job", "300.00", "0", [](PODetail& d) { d.CostCode = "0500  LAB "; });
    textLine(po, "A note is charged to nothing.");
    auto range = [](std::string mode) {
        return [mode](POLimits& l) {
            l.SortDetail = mode;
            l.SelectedCostCodes = 1;
            l.CostCodeFrom = "0300";
            l.CostCodeTo = "0399";
        };
    };
    EXPECT_TRUE(gather(limits(range("W"))).orders.empty());
    const rpt::ListingData lines = gather(limits(range("L")));
    ASSERT_EQ(lines.orders.size(), 1u);
    EXPECT_EQ(lines.lines.size(), 1u) << "the other cost code and the note are left out";
    EXPECT_EQ(lines.orders[0].openAmount, *Money::parse("200.00"));
}

TEST_F(ListingTest, TheCostCodeIsTheFirstCostCodeLengthCharactersOfTheLine) {
    const ULong po = order("30", 101, "J100");
    line(po, "Job", "80.00", "0", [](PODetail& d) { d.CostCode = "0300XMAT "; });
    auto set = limits([](POLimits& l) {
        l.SelectedCostCodes = 1;
        l.CostCodeFrom = "0300";
        l.CostCodeTo = "0300";
    });
    s.globals.CostCodeLen = 4;
    EXPECT_EQ(gather(set).orders.size(), 1u);
    s.globals.CostCodeLen = 6;
    EXPECT_TRUE(gather(set).orders.empty()) << "\"0300XM\" is outside 0300..0300";
}

TEST_F(ListingTest, JobLimitsTestTheDefaultJobOfWholeOrdersAndTheJobOfEachLineOtherwise) {
    const ULong mixed = order("40", 101, "J100");
    line(mixed, "Job", "10.00");
    line(mixed, "Job", "20.00", "0", [](PODetail& d) { d.JobID = "J200"; });
    const ULong none = order("41", 102, "");
    line(none, "G/L Account", "5.00");
    auto jobs = [](std::string mode, Byte ref) {
        return [mode, ref](POLimits& l) {
            l.SortDetail = mode;
            l.SelectedRef = ref;
            l.SelectedJobs = 1;
            l.JobFrom = "J100";
            l.JobTo = "J100";
        };
    };
    // Whole orders by default job, walking the job key: a blank default job is not a job.
    EXPECT_EQ(numbers(gather(limits(jobs("W", 1)))), (std::vector<std::string>{"40"}));
    EXPECT_EQ(numbers(gather(limits(jobs("W", 3)))), (std::vector<std::string>{"40", "41"}));
    // Lines within limits: the J200 line goes, the G/L line has no job and stays.
    const rpt::ListingData lines = gather(limits(jobs("L", 3)));
    EXPECT_EQ(numbers(lines), (std::vector<std::string>{"40", "41"}));
    EXPECT_EQ(lines.linesOf[0].second, 1u);
    EXPECT_EQ(numbers(gather(limits(jobs("L", 2)))), (std::vector<std::string>{"41"}));
}

TEST_F(ListingTest, VendorDateAndPONumberLimitsWithTheirOpenEnds) {
    const ULong a = order("100", 101, "", 0, "0", "0", [](POMaster& p) { p.IssueDate = Date::fromYmd(2026, 1, 5); });
    line(a, "G/L Account", "1.00");
    const ULong b = order("200", 102, "", 0, "0", "0", [](POMaster& p) { p.IssueDate = Date::fromYmd(2026, 9, 1); });
    line(b, "G/L Account", "1.00");
    EXPECT_EQ(numbers(gather(limits([](POLimits& l) {
                  l.SelectedVendors = 1;
                  l.VendorFrom = 102;
              }))),
              (std::vector<std::string>{"200"}));
    EXPECT_EQ(numbers(gather(limits([](POLimits& l) {
                  l.SelectedDates = 1;
                  l.DateFrom = Date::fromYmd(2026, 6, 1);
              }))),
              (std::vector<std::string>{"200"}))
        << "no upper date: up to 1000 days from today";
    EXPECT_EQ(numbers(gather(limits([](POLimits& l) {
                  l.SelectedDates = 1;
                  l.DateLimitType = "X";
                  l.DateFrom = Date::fromYmd(2030, 1, 1);
              }))),
              (std::vector<std::string>{"100", "200"}))
        << "an unknown date type admits every order";
    EXPECT_EQ(numbers(gather(limits([](POLimits& l) {
                  l.SelectedPONumbers = 1;
                  l.POFrom = "150";
              }))),
              (std::vector<std::string>{"200"}));
    auto listed = limits([](POLimits& l) { l.SelectedVendors = 2; });
    listValue(listed, "VendorID", "", 101);
    EXPECT_EQ(numbers(gather(listed)), (std::vector<std::string>{"100"}));
}

TEST_F(ListingTest, TheParametersBlockNamesEachLimitInUse) {
    const ULong po = order("10", 101, "J100");
    auto l = limits([](POLimits& l) {
        l.SelectedPONumbers = 2;
        l.SelectedJobs = 2;
        l.SelectedVendors = 1;
        l.VendorFrom = 100;
        l.SelectedCostCodes = 1;
        l.CostCodeFrom = "0100";
        l.SelectedDates = 1;
        l.DateFrom = Date::fromYmd(2026, 6, 1);
        l.DateTo = Date::fromYmd(2026, 6, 30);
        l.Unreconciled = 1;
        l.PartiallyReconciled = l.FullyReconciled = 0;
        l.Sequence = "R";
        l.SelectedRef = 1;
    });
    listValue(l, "PONumber", "10", po);
    listValue(l, "JobID", "J100");
    listValue(l, "JobID", "J200");
    const auto lines = rpt::listingParameters(s.store(), l, rpt::listingBounds(s.store(), l, s.clock.today()));
    EXPECT_EQ(lines, (std::vector<std::string>{"Purchase Order > Reports > Purchase Order Listing",
                                               "Report Title: Open Orders", "Purchase Order # 10", "Jobs: J100 J200",
                                               "Cost Codes: 0100 TO ZZZZZZZZZZ", "Vendors: 100 TO 99999999",
                                               "Issue Dates: 06/01/26 TO 06/30/26", "Sort by Reference Number",
                                               "Reconciled Status: Uneconciled POs Only", "Jobs Only",
                                               "Whole POs Only", "Overreconciled POs show a Zero Open Amount"}));
}

TEST_F(ListingTest, ParameterLinesOfRangesStatesAndLongLists) {
    auto params = [this](const POLimits& l) {
        return rpt::listingParameters(s.store(), l, rpt::listingBounds(s.store(), l, s.clock.today()));
    };
    auto range = limits([](POLimits& l) {
        l.SelectedPONumbers = 1;
        l.POFrom = "100";
        l.PartiallyReconciled = 0;
        l.SortDetail = "L";
        l.ColorCoding = 1;
    });
    EXPECT_EQ(params(range), (std::vector<std::string>{
                                 "Purchase Order > Reports > Purchase Order Listing", "Report Title: Open Orders",
                                 "Purchase Orders: 100 through ZZZZZZZZZZZZZZZZZZZZ",
                                 "Reconciled Status: Unreconciled and Fully Reconciled POs",
                                 "Overreconciled POs show a Negative Open Amount"}));
    auto one = limits([](POLimits& l) {
        l.SelectedPONumbers = 1;
        l.POFrom = l.POTo = "100";
    });
    EXPECT_EQ(params(one)[2], "Purchase Order # 100");
    auto many = limits([](POLimits& l) { l.SelectedCostCodes = 2; });
    for (int i = 0; i < 30; ++i) listValue(many, "CostCode", "C" + std::to_string(1000 + i));
    const std::string cut = params(many)[2];
    EXPECT_LE(cut.size(), 102u);
    EXPECT_EQ(cut.substr(cut.size() - 3), "...");
    EXPECT_EQ(cut.substr(0, 16), "Cost Codes: C100");
    EXPECT_EQ(rpt::cutParameterLine(std::string(120, 'x')).size(), 99u) << "no space to cut at";
}

TEST_F(ListingRunTest, EachFormatsPagesAndTextImageMatchTheirGoldenFiles) {
    struct Case {
        const char* name;
        Byte format;
        bool detail;
        const char* orientation;
    };
    for (const Case& c : {Case{"listing_detailed", 0, true, "P"}, Case{"listing_omit_lines", 1, true, "P"},
                          Case{"listing_summary", 2, false, "L"}}) {
        auto l = limits([&](POLimits& l) {
            l.SelectedCat = c.format;
            l.RefFrom = c.detail ? 1 : 0;
            l.Orientation = c.orientation;
        });
        rpt::ListingRun run = rpt::produceListing(*s, l, &measure, [](report::TextMeasure& m, const auto& setup) {
            return std::make_unique<rpt::ListingPages>(m, setup);
        });
        ASSERT_FALSE(run.document.empty()) << c.name;
        EXPECT_EQ(run.document.pages[0].landscape(), *c.orientation == 'L');
        expectGolden(std::string(c.name) + "_pages.txt", report::toText(run.document));
        expectGolden(std::string(c.name) + ".txt", rpt::exportedImage(std::move(run)));
    }
}

TEST_F(ListingRunTest, ReconciliationDetailListsInvoicesAndPackSlipsWithTheirTotal) {
    auto l = limits([](POLimits& l) { l.RefFrom = 1; });
    rpt::TextImage image("Columbia Ridge Builders", rpt::ListingFormat::Detailed);
    rpt::walkListing(gather(l), rpt::listingOptions(l), image);
    const std::string text = image.text();
    EXPECT_NE(text.find("\t\t\t\t\tReconciled by Invoice #INV-77 (6/15/26)\t\t\t3.00"), std::string::npos) << text;
    EXPECT_NE(text.find("\t\t\t\t\tReconciled by Pack Slip\t\t\t4.00"), std::string::npos);
    EXPECT_NE(text.find("\t\t\t\t\tTotalAmountReconciled\t\t\t\t\t400.00"), std::string::npos);
    EXPECT_EQ(text.find("Reconciled by Invoice #INV-77", text.find("Reconciled by Invoice #INV-77") + 1),
              std::string::npos);
}

TEST_F(ListingTest, AnEmptyListingSaysNothingToPrintWithTheCountOnFile) {
    rpt::registerReportProcedures(s.procedures);
    order("1", 101, "");
    order("2", 101, "");
    order("3", 101, "");
    const POLimits l = limits();
    s.globals.ReportFilter = std::to_string(l.LimitID);
    s.views.set<report::MeasureRequest>([this](report::MeasureRequest& r) { r.measure = &measure; });
    s.views.set<report::ReportPreview>([](report::ReportPreview&) { ADD_FAILURE() << "nothing to preview"; });
    s.ui.expectTell("Nothing to Print...|Your Limits have excluded all 3 records!", "NOTE...", Icon::Information);
    ASSERT_TRUE(s->call("PrintPOListing"));
}

TEST_F(ListingRunTest, ExportThisReportHandsTheTextImageWithItsParametersToTheExport) {
    rpt::registerReportProcedures(s.procedures);
    services::registerServices(s.procedures);
    const POLimits l = limits([](POLimits& l) { l.SelectedCat = 2; });
    s.globals.ReportFilter = std::to_string(l.LimitID);
    s.globals.PrintPreview = 1;
    s.views.set<report::MeasureRequest>([this](report::MeasureRequest& r) { r.measure = &measure; });
    s.views.set<report::ReportPreview>([](report::ReportPreview& p) {
        EXPECT_EQ(p.buttons(),
                  (std::vector<std::string>{"Export This Report", "Generate PDF File", "Email Report (pdf)"}));
        EXPECT_EQ(p.title(), "Purchase Order Listing");
        p.press(0);
    });
    const std::string path = s.folder + "/open.txt";
    s.ui.expectSaveFile(services::kReportExportTitle, services::kTextFilter).answer(path);
    s.ui.expectTell("The report was exported to|" + path, "Export Report", Icon::Information);
    ASSERT_TRUE(s->call("PrintPOListing"));
    std::ifstream in(path);
    std::stringstream got;
    got << in.rdbuf();
    const std::string text = got.str();
    EXPECT_EQ(text.substr(0, 48), "Columbia Ridge Builders\nPurchase Order Listing\n\n");
    EXPECT_NE(text.find("\nReport Parameters:\nPurchase Order > Reports > Purchase Order Listing\n"),
              std::string::npos);
    EXPECT_NE(text.find("\t\t\t\tReport Totals\t"), std::string::npos);
}

TEST_F(ListingRunTest, EmailReportWritesTheListingsPdfAndDirectPrintingSkipsThePreview) {
    rpt::registerReportProcedures(s.procedures);
    const POLimits l = limits();
    s.globals.ReportFilter = std::to_string(l.LimitID);
    s.views.set<report::MeasureRequest>([this](report::MeasureRequest& r) { r.measure = &measure; });
    std::string written, attached, subject;
    s.views.set<report::ReportPreview>([](report::ReportPreview& p) { p.press(2); });
    s.views.set<report::PdfJob>([&](report::PdfJob& j) {
        written = j.path;
        j.files.push_back(j.path);
    });
    s.views.set<rpt::ComposePOEmail>([&](rpt::ComposePOEmail& c) {
        attached = c.attachmentPath();
        subject = c.subject();
        c.cancel();
    });
    s.globals.PrintPreview = 1;
    ASSERT_TRUE(s->call("PrintPOListing"));
    EXPECT_EQ(written, s.folder + "/Purchase Order Listing.pdf");
    EXPECT_EQ(attached, written);
    EXPECT_EQ(subject, "Purchase Order Listing");

    int printedPages = 0;
    s.views.set<report::ReportPreview>([](report::ReportPreview&) { ADD_FAILURE() << "printed directly"; });
    s.views.set<report::PrintJob>([&](report::PrintJob& j) {
        printedPages = static_cast<int>(j.document->pages.size());
        j.printed = true;
    });
    s.globals.PrintPreview = 0;
    ASSERT_TRUE(s->call("PrintPOListing"));
    EXPECT_GE(printedPages, 1);
    EXPECT_EQ(s.globals.PrintPreview, 1);
}

TEST_F(ListingTest, ALongListingBreaksIntoPagesEachWithItsHeadingsAndFooterInsideTheBody) {
    for (int i = 0; i < 40; ++i) {
        const ULong po = order(std::to_string(500 + i).c_str(), 101, "J100", 0, "30.00");
        line(po, "Job", "10.00");
        line(po, "Job", "20.00");
    }
    const auto l = limits();
    const rpt::ListingRun run = rpt::produceListing(*s, l, &measure, [](report::TextMeasure& m, const auto& setup) {
        return std::make_unique<rpt::ListingPages>(m, setup);
    });
    ASSERT_GE(run.document.pages.size(), 3u);
    const std::size_t pages = run.document.pages.size();
    for (std::size_t i = 0; i < pages; ++i) {
        const report::Page& page = run.document.pages[i];
        EXPECT_EQ(wrongTexts(page, {"Purchase Order Listing", "Description", "Report Title: Open Orders",
                                    "Page " + std::to_string(i + 1) + " of " + std::to_string(pages)}),
                  "")
            << "page " << i + 1;
        // The footer's rule: every band ends above it.
        int footerTop = page.height;
        for (const auto& item : page.items)
            if (auto* ln = std::get_if<report::LineItem>(&item); ln && ln->y1 > page.height / 2 && ln->x1 == 250 && ln->width == 10)
                footerTop = std::min(footerTop, ln->y1);
        for (const auto& item : page.items) {
            if (auto* t = std::get_if<report::TextItem>(&item); t && t->font.family == "Arial Narrow") {
                EXPECT_LE(t->box.y + t->box.h, footerTop) << t->text << " on page " << i + 1;
            }
        }
    }
    EXPECT_EQ(count(run.document.pages.back(), "Grand Total Open:"), 1);
}
