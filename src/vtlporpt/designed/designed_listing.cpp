#include "vtlporpt/designed/designed_listing.h"

#include <algorithm>
#include <cmath>

#include "vtlporpt/designed/print_purchase_order.h"
#include "vtlporpt/listing/listing_values.h"
#include "vtlporpt/listing/print_po_listing.h"

namespace vtl::rpt {

using report::Mils;
using report::Page;

DesignedListing::DesignedListing(const FormLayout& layout, report::TextMeasure& measure, ListingPageSetup setup)
    : layout_(layout), measure_(measure), setup_(std::move(setup)) {
    pageW_ = layout_.pageWidth;
    pageH_ = layout_.pageHeight;
    if (setup_.landscape && pageW_ < pageH_) {
        pageW_ += 2500;
        pageH_ -= 2500;
        scale_ = 1.3;
    }
    doc_.title = kListingTitle;
    page_.setText("CompanyName", setup_.companyName);
    page_.setText("ReportTitle", setup_.reportTitle);
    page_.set("RunDate", FormValue::ofDate(setup_.runDate));
    FormValue t;
    t.kind = FormValue::Kind::Time;
    t.time = setup_.runTime;
    page_.set("RunTime", t);
    page_.setText("ReportFooterMessage", setup_.footerMessage);
    for (std::size_t i = 0; i < 12; ++i)
        page_.setText("LIMIT" + std::to_string(i + 1),
                      i < setup_.parameters.size() ? Text<100>(setup_.parameters[i]).clip() : std::string());
}

Mils DesignedListing::x(Mils v) const { return static_cast<Mils>(std::lround(v * scale_)); }
Mils DesignedListing::w(Mils v) const { return v > 10 ? static_cast<Mils>(std::lround(v * scale_)) : v; }

std::string DesignedListing::shown(const LayoutElement& e, const FormValues* values) const {
    const FormValue* v = values ? values->find(e.text) : nullptr;
    if (!v) v = page_.find(e.text);
    if (!v) return {};
    return showValue(*v, e.picture ? &*e.picture : nullptr, e.keepPadding);
}

void DesignedListing::draw(Page& page, const LayoutElement& e, Mils top, const FormValues* values) {
    report::Rect box{x(e.box.x), e.box.y + top, w(e.box.w), e.box.h};
    switch (e.kind) {
        case LayoutElement::Kind::Caption:
        case LayoutElement::Kind::Field: {
            const std::string text = e.kind == LayoutElement::Kind::Field ? shown(e, values) : e.text;
            if (text.find_first_not_of(' ') == std::string::npos) return;
            if (e.oneLine) box.h = static_cast<Mils>(std::ceil(measure_.lineHeight(e.font)));
            page.items.push_back(report::TextItem{box, text, e.font, e.align, e.wrap, e.color});
            return;
        }
        case LayoutElement::Kind::Line:
            page.items.push_back(report::LineItem{box.x, box.y, x(e.x2), e.y2 + top, e.lineWidth, e.color});
            return;
        case LayoutElement::Kind::Box:
            page.items.push_back(report::BoxItem{box, e.lineWidth, e.color, e.filled, e.fill});
            return;
        case LayoutElement::Kind::Image:
            // The listing has no logo of its own; a picture file is drawn as placed.
            if (!e.logo) page.items.push_back(report::ImageItem{box, e.bytes});
            return;
    }
}

void DesignedListing::newPage() {
    Page& page = doc_.pages.emplace_back();
    page.width = pageW_;
    page.height = pageH_;
    page_.set("PageNumber", FormValue::ofNumber(static_cast<std::int64_t>(doc_.pages.size())));
    for (const LayoutElement& e : layout_.band(BandKind::Header).elements) draw(page, e, 0, nullptr);
    // A turned page is shorter: the footer keeps its distance from the bottom.
    for (const LayoutElement& e : layout_.band(BandKind::Footer).elements)
        draw(page, e, pageH_ - layout_.pageHeight, nullptr);
    y_ = layout_.bodyTop;
}

void DesignedListing::band(Band kind, const BandValues& values) {
    const LayoutBand& band = layout_.band(layoutBand(kind));
    if (!band.present) return;
    const FormValues mine = bandValues(kind, values);
    const Mils bottom = layout_.bodyBottom - (pageH_ == layout_.pageHeight ? 0 : 2500);
    if (doc_.pages.empty()) newPage();
    if (band.flow < 0) {
        if (y_ + band.height > bottom && y_ > layout_.bodyTop) newPage();
        for (const LayoutElement& e : band.elements) draw(doc_.pages.back(), e, y_, &mine);
        y_ += band.height;
        return;
    }
    // The flowing field takes the lines its text needs, as many as each
    // page's body has room for; the other elements go with its first part.
    const LayoutElement& flowing = band.elements[static_cast<std::size_t>(band.flow)];
    const auto lines = report::wrapText(measure_, flowing.font, shown(flowing, &mine), w(flowing.box.w));
    const double step = measure_.lineHeight(flowing.font);
    std::size_t done = 0;
    bool first = true;
    do {
        const auto fit = static_cast<std::size_t>(std::max(0.0, (bottom - y_ - band.height) / step));
        if (fit == 0 && y_ > layout_.bodyTop) {
            newPage();
            continue;
        }
        const std::size_t n = lines.empty() ? 0 : std::clamp<std::size_t>(fit, 1, lines.size() - done);
        std::string block;
        for (std::size_t i = done; i < done + n; ++i) block += (i > done ? "\n" : "") + lines[i];
        const auto h = static_cast<Mils>(std::ceil(step * static_cast<double>(n)));
        Page& page = doc_.pages.back();
        for (std::size_t i = 0; i < band.elements.size(); ++i) {
            const LayoutElement& e = band.elements[i];
            if (i != static_cast<std::size_t>(band.flow)) {
                if (first) draw(page, e, y_, &mine);
            } else if (!block.empty()) {
                page.items.push_back(report::TextItem{{x(e.box.x), y_ + e.box.y, w(e.box.w), h}, block, e.font,
                                                      e.align, true, e.color});
            }
        }
        y_ += h + band.height;
        done += n;
        first = false;
    } while (done < lines.size());
}

report::Document DesignedListing::finish() { return std::move(doc_); }

std::optional<FormLayout> loadListingLayout(Session& s) {
    const FormFilePath file = formFilePath(kListingLayoutFile, s.dataFolder, s.installFolder);
    LayoutRead read = readFormLayout(file.path());
    std::string problem;
    if (!read.layout) problem = read.error.text();
    else if (read.layout->kind != LayoutKind::Listing)
        problem = file.path() + ": a layout of a purchase order, not of the listing (report listing)";
    if (!problem.empty()) {
        s.ui.tell("The purchase order listing cannot be printed.|" + problem, kDesignedListingProcedure,
                  ui::Icon::Warning);
        return std::nullopt;
    }
    return std::move(read.layout);
}

void runPrintPOListFM(Session& s) {
    const std::optional<FormLayout> layout = loadListingLayout(s);
    if (!layout) return;
    printListing(s, kDesignedListingProcedure, [&](report::TextMeasure& m, const ListingPageSetup& setup) {
        return std::make_unique<DesignedListing>(*layout, m, setup);
    });
}

}  // namespace vtl::rpt
