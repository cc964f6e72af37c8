// libFuzzer target of the layout files of the designed forms: the input is
// a layout's text. One that reads is laid out: a purchase order of two
// item lines and a long text line, or the listing's bands for one order,
// with a measure that gives every character the same width. The pages must
// come to an end: every page carries at least a character of what is laid
// out (a layout of huge letters in a narrow field may well take a page a
// character), so there are never more pages than characters given.
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

#include "vtlporpt/designed/designed_form.h"
#include "vtlporpt/designed/designed_listing.h"
#include "vtlporpt/designed/form_layout.h"
#include "vtlporpt/form_values.h"

using namespace vtl;
using rpt::FormValues;

namespace {

class EvenMeasure : public report::TextMeasure {
public:
    double width(const report::Font& font, std::string_view text) override {
        return static_cast<double>(text.size()) * font.points * 8;
    }
    double lineHeight(const report::Font& font) override { return font.points * 14; }
};

// A value of its kind for every name a form may show.
FormValues everyValue(const std::string& text) {
    FormValues v;
    for (const auto& [name, info] : rpt::formFields()) {
        switch (info.kind) {
        case rpt::FormValue::Kind::Text: v.setText(name, text); break;
        case rpt::FormValue::Kind::Number: v.set(name, rpt::FormValue::ofNumber(-123456789, 2)); break;
        case rpt::FormValue::Kind::Real: v.set(name, rpt::FormValue::ofReal(8.25)); break;
        case rpt::FormValue::Kind::Date: v.set(name, rpt::FormValue::ofDate(Date::fromYmd(2026, 2, 28))); break;
        case rpt::FormValue::Kind::Time: {
            rpt::FormValue t;
            t.kind = rpt::FormValue::Kind::Time;
            t.time = Time::fromHms(9, 30);
            v.set(name, t);
            break;
        }
        }
    }
    return v;
}

// The characters of every text value given: the most pages there may be.
std::size_t characters(std::initializer_list<const std::string*> texts) {
    std::size_t textFields = 0;
    for (const auto& [name, info] : rpt::formFields()) textFields += info.kind == rpt::FormValue::Kind::Text;
    std::size_t n = 0;
    for (const std::string* t : texts) n += t->size();
    return textFields * n + 100;  // and the numbers and dates, a few to a field
}

void purchaseOrder(const rpt::FormLayout& layout) {
    EvenMeasure measure;
    rpt::DesignedFormSink sink(layout, measure, rpt::FormLogo{});
    const std::string company = "Columbia Ridge Builders", lumber = "Lumber, 2x4 studs", totals = "totals";
    const FormValues order = everyValue(company);
    const FormValues line = everyValue(lumber);
    std::string words;
    for (int i = 0; i < 400; ++i) words += "word ";
    const FormValues text = everyValue(words);
    const std::size_t mostPages = characters({&company, &lumber, &words, &lumber, &totals});
    sink.beginOrder(order);
    sink.item(line);
    sink.text(text);
    sink.item(line);
    sink.totals(everyValue(totals));
    if (sink.document().pages.size() > mostPages) __builtin_trap();
}

void listing(const rpt::FormLayout& layout) {
    EvenMeasure measure;
    rpt::ListingPageSetup setup;
    setup.companyName = "Columbia Ridge Builders";
    setup.reportTitle = "Purchase Order Listing";
    setup.parameters = {"All orders"};
    rpt::DesignedListing sink(layout, measure, setup);
    rpt::ListedOrder order;
    order.poNumber = "1001";
    order.vendorName = "Cascade Lumber";
    rpt::ListedLine line;
    line.description = "Lumber";
    rpt::ListedLine text = line;
    text.text = true;
    for (int i = 0; i < 400; ++i) text.fullText += "word ";
    rpt::ListedReconciliation slip;
    slip.description = "Slip 1";
    // The text line and a few short values in each of the bands.
    const std::size_t mostPages = text.fullText.size() + 11 * 100;
    using rpt::Band;
    for (Band b : {Band::VendorInfo, Band::Summary, Band::PODetail, Band::Text, Band::ReconcileDetail,
                   Band::ReconcileTotal, Band::Blank, Band::SalesTaxLine, Band::Total, Band::GrandTotal,
                   Band::SummaryGrandTotal}) {
        rpt::BandValues v;
        v.order = &order;
        v.line = b == Band::Text ? &text : &line;
        v.reconciliation = &slip;
        sink.band(b, v);
        if (static_cast<std::size_t>(sink.pages()) > mostPages) __builtin_trap();
    }
    (void)sink.finish();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string folder = std::filesystem::temp_directory_path().string();
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    const rpt::LayoutRead read = rpt::parseFormLayout(content, "fuzz.pol", folder);
    if (!read.layout) {
        if (read.error.text().empty()) __builtin_trap();  // refused without saying why
        return 0;
    }
    if (read.layout->kind == rpt::LayoutKind::Listing) listing(*read.layout);
    else purchaseOrder(*read.layout);
    return 0;
}
