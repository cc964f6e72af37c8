#include "vtlporpt/purchase_order_dummy.h"

#include "platform/suite/error_object.h"
#include "platform/suite/settings_files.h"
#include "vtlporpt/email/email_po.h"
#include "vtlporpt/output/report_run.h"

namespace vtl::rpt {
namespace {

using report::Align;
using report::Font;
using report::Page;
using report::TextItem;

const Font kLabel{"Arial", 9};
const Font kLabelBold{"Arial", 9, true};
const Font kField{"Arial Narrow", 9};

// A one-line text whose box is as tall as its font needs.
void text(Page& p, int x, int y, int w, const std::string& t, const Font& f = kLabel, Align a = Align::Left) {
    const int h = static_cast<int>(f.points * 1000 / 72 * 1.25) + 10;
    p.items.push_back(TextItem{{x, y, w, h}, t, f, a});
}

void box(Page& p, int x, int y, int w, int h) { p.items.push_back(report::BoxItem{{x, y, w, h}, 10}); }

void line(Page& p, int x1, int y1, int x2, int y2) { p.items.push_back(report::LineItem{x1, y1, x2, y2, 10}); }

// A block of a caption and its placeholder lines in a box.
void addressBlock(Page& p, int x, int y, const std::string& caption, bool company) {
    box(p, x, y, 3900, 1050);
    text(p, x + 80, y + 60, 1500, caption, kLabelBold);
    const char* first = company ? "Company Name XXXXXXXXXXXXXXXXXXX" : "Name XXXXXXXXXXXXXXXXXXXXXXXXXXX";
    text(p, x + 80, y + 260, 3700, first, kField);
    for (int i = 0; i < 3; ++i)
        text(p, x + 80, y + 440 + i * 180, 3700, "Address XXXXXXXXXXXXXXXXXXXXXXXXXXXXXX", kField);
}

}  // namespace

report::Document dummyPurchaseOrder() {
    report::Document doc;
    doc.title = "Dummy Purchase Order";
    Page p;
    const int left = 300, right = 8200;
    text(p, left, 300, right - left, "PURCHASE ORDER", Font{"Arial", 18, true}, Align::Center);
    text(p, 5200, 800, 1500, "Purchase Order #:", kLabelBold);
    text(p, 6800, 800, 1400, "############", kField, Align::Right);
    text(p, 5200, 990, 1500, "Issue Date:", kLabelBold);
    text(p, 6800, 990, 1400, "##/##/##", kField, Align::Right);
    text(p, 5200, 1180, 1500, "For Acceptance By:", kLabelBold);
    text(p, 6800, 1180, 1400, "##/##/##", kField, Align::Right);
    text(p, 5200, 1370, 1500, "Page:  X of X", kLabel);
    text(p, left, 800, 4500, "Company Name XXXXXXXXXXXXXXXXXXX", Font{"Arial", 11, true});
    addressBlock(p, left, 1700, "Bill To", true);
    addressBlock(p, 4300, 1700, "Ship To", false);
    addressBlock(p, left, 2900, "Vendor", false);

    // Column headings of two lines, one item band, the totals.
    const int top = 4150, headH = 420;
    struct Column {
        int x, w;
        const char* first;
        const char* second;
        Align align;
    };
    const Column cols[] = {{left, 700, "Line", "Number", Align::Left},
                           {1000, 1300, "Catalog", "Number", Align::Left},
                           {2300, 2900, "Description", "", Align::Left},
                           {5200, 700, "Unit", "Name", Align::Left},
                           {5900, 1000, "Quantity", "Ordered", Align::Right},
                           {6900, 1300, "Extended", "Amount", Align::Right}};
    box(p, left, top, right - left, headH);
    for (const Column& c : cols) {
        text(p, c.x + 40, top + 40, c.w - 80, c.first, kLabelBold, c.align);
        if (*c.second) text(p, c.x + 40, top + 210, c.w - 80, c.second, kLabelBold, c.align);
        if (c.x != left) line(p, c.x, top, c.x, top + headH);
    }
    const int item = top + headH + 80;
    text(p, left + 40, item, 620, "####", kField);
    text(p, 1040, item, 1220, "XXXXXXXXXXXXXX", kField);
    text(p, 2340, item, 2820, "Description XXXXXXXXXXXXXXXXXXXXXXX", kField);
    text(p, 5240, item, 620, "XXXX", kField);
    text(p, 5940, item, 920, "-99,999.99", kField, Align::Right);
    text(p, 6940, item, 1220, "-99,999.99", kField, Align::Right);

    const int totals = item + 600;
    line(p, 5900, totals - 80, right, totals - 80);
    const char* labels[] = {"Subtotal:", "Tax (9.999%)", "Total:"};
    for (int i = 0; i < 3; ++i) {
        text(p, 5300, totals + i * 200, 1500, labels[i], i == 2 ? kLabelBold : kLabel, Align::Right);
        text(p, 6940, totals + i * 200, 1220, "-99,999.99", kField, Align::Right);
    }
    doc.pages.push_back(std::move(p));
    return doc;
}

void runPurchaseOrderDummy(Session& s) {
    suite::ProcedureName named(s.errors, "PurchaseOrderDummy");
    ReportRun run(s, "Dummy Purchase Order");
    run.begin(1);
    const report::Document doc = dummyPurchaseOrder();
    run.step(1, 1);
    auto shown = run.finish(doc, {"Generate PDF File", "Email Report (pdf)"});
    const std::string proposed = suite::joinPath(s.dataFolder, kDummyPdfName);
    if (shown.button == 0) {
        if (auto choice = run.askPdfPath(proposed); choice && run.pdfWanted())
            run.writePdf(doc, choice->path, choice->view);
    } else if (shown.button == 1) {
        if (const auto files = run.writePdf(doc, proposed, false); !files.empty())
            emailReportPdf(s, files.front(), doc.title);
    }
    s.globals.PrintPreview = 1;
}

}  // namespace vtl::rpt
