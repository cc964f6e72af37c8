#include "vtlporpt/designed/designed_form.h"

#include <algorithm>
#include <cmath>

namespace vtl::rpt {

using report::Mils;
using report::Page;

namespace {

bool blank(const std::string& s) { return s.find_first_not_of(' ') == std::string::npos; }

}  // namespace

DesignedFormSink::DesignedFormSink(const FormLayout& layout, report::TextMeasure& measure, FormLogo logo)
    : layout_(layout), measure_(measure), logo_(std::move(logo)) {}

Mils DesignedFormSink::lineHeight(const report::Font& font) {
    return static_cast<Mils>(std::ceil(measure_.lineHeight(font)));
}

void DesignedFormSink::beginOrder(const FormValues& order) {
    order_ = &order;
    newPage();
}

void DesignedFormSink::newPage() {
    Page& page = doc_.pages.emplace_back();
    page.width = layout_.pageWidth;
    page.height = layout_.pageHeight;
    page_.set("PageNumber", FormValue::ofNumber(static_cast<std::int64_t>(doc_.pages.size())));
    for (BandKind k : {BandKind::Header, BandKind::Footer})
        for (const LayoutElement& e : layout_.band(k).elements) draw(page, e, 0, nullptr);
    y_ = layout_.bodyTop;
}

std::string DesignedFormSink::shown(const LayoutElement& e, const FormValues* values) const {
    const FormValue* v = values ? values->find(e.text) : nullptr;
    if (!v) v = page_.find(e.text);
    if (!v && order_) v = order_->find(e.text);
    if (!v) return {};
    return showValue(*v, e.picture ? &*e.picture : nullptr, e.keepPadding);
}

void DesignedFormSink::draw(Page& page, const LayoutElement& e, Mils top, const FormValues* values) {
    report::Rect box = e.box;
    box.y += top;
    switch (e.kind) {
        case LayoutElement::Kind::Caption:
        case LayoutElement::Kind::Field: {
            const std::string text = e.kind == LayoutElement::Kind::Field ? shown(e, values) : e.text;
            if (blank(text)) return;
            if (e.oneLine) box.h = lineHeight(e.font);
            page.items.push_back(report::TextItem{box, text, e.font, e.align, e.wrap, e.color});
            return;
        }
        case LayoutElement::Kind::Line:
            page.items.push_back(report::LineItem{e.box.x, box.y, e.x2, e.y2 + top, e.lineWidth, e.color});
            return;
        case LayoutElement::Kind::Box:
            page.items.push_back(report::BoxItem{box, e.lineWidth, e.color, e.filled, e.fill});
            return;
        case LayoutElement::Kind::Image:
            if (!e.logo) {
                page.items.push_back(report::ImageItem{box, e.bytes});
            } else if (!logo_.bytes.empty()) {
                if (!e.sized) box.w = logo_.width, box.h = logo_.height;
                page.items.push_back(report::ImageItem{box, logo_.bytes});
            }
            return;
    }
}

void DesignedFormSink::body(const LayoutBand& band, const FormValues& line) {
    if (!band.present) return;
    if (band.flow < 0) {
        if (y_ + band.height > layout_.bodyBottom && y_ > layout_.bodyTop) newPage();
        for (const LayoutElement& e : band.elements) draw(doc_.pages.back(), e, y_, &line);
        y_ += band.height;
        return;
    }
    // The flowing field takes as many lines as its text needs, as many as
    // the body has room for on each page; the band's other elements go with
    // its first piece.
    const LayoutElement& flowing = band.elements[static_cast<std::size_t>(band.flow)];
    const auto lines = report::wrapText(measure_, flowing.font, shown(flowing, &line), flowing.box.w);
    const double step = measure_.lineHeight(flowing.font);
    std::size_t done = 0;
    bool first = true;
    while (done < lines.size()) {
        const auto fit = static_cast<std::size_t>(std::max(0.0, (layout_.bodyBottom - y_ - band.height) / step));
        if (fit == 0 && y_ > layout_.bodyTop) {
            newPage();
            continue;
        }
        const std::size_t n = std::clamp<std::size_t>(fit, 1, lines.size() - done);
        std::string block;
        for (std::size_t i = done; i < done + n; ++i) block += (i > done ? "\n" : "") + lines[i];
        const auto h = static_cast<Mils>(std::ceil(step * static_cast<double>(n)));
        Page& page = doc_.pages.back();
        for (std::size_t i = 0; i < band.elements.size(); ++i) {
            const LayoutElement& e = band.elements[i];
            if (i != static_cast<std::size_t>(band.flow)) {
                if (first) draw(page, e, y_, &line);
            } else if (block.find_first_not_of(" \n") != std::string::npos) {
                page.items.push_back(report::TextItem{{e.box.x, y_ + e.box.y, e.box.w, h}, block, e.font, e.align,
                                                      true, e.color});
            }
        }
        y_ += h + band.height;
        done += n;
        first = false;
    }
}

void DesignedFormSink::item(const FormValues& line) { body(layout_.band(BandKind::Item), line); }

void DesignedFormSink::text(const FormValues& line) { body(layout_.band(BandKind::Text), line); }

void DesignedFormSink::totals(const FormValues& totals) {
    if (doc_.pages.empty()) return;
    for (const LayoutElement& e : layout_.band(BandKind::Totals).elements) draw(doc_.pages.back(), e, 0, &totals);
}

}  // namespace vtl::rpt
