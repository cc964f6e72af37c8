#pragma once
// The pages of a designed purchase-order form: its layout's bands drawn
// with the gathered values of each order. Every page of an order gets the
// header and footer bands; the item and text bands follow one another down
// the body, a new page when the body is full (a flowing field goes on over
// the break); the totals band goes on the order's last page.
#include "report/pages/measure.h"
#include "report/pages/page.h"
#include "vtlporpt/designed/form_layout.h"
#include "vtlporpt/form_logo.h"
#include "vtlporpt/order_forms.h"

namespace vtl::rpt {

class DesignedFormSink : public PurchaseOrderSink {
public:
    DesignedFormSink(const FormLayout& layout, report::TextMeasure& measure, FormLogo logo);

    void beginOrder(const FormValues& order) override;
    void item(const FormValues& line) override;
    void text(const FormValues& line) override;
    void totals(const FormValues& totals) override;
    report::Document& document() override { return doc_; }

private:
    void newPage();
    void body(const LayoutBand& band, const FormValues& line);
    // Draws an element `top` below its place; a field's value is looked up
    // in `values` first, then in the page's and the order's.
    void draw(report::Page& page, const LayoutElement& e, report::Mils top, const FormValues* values);
    std::string shown(const LayoutElement& e, const FormValues* values) const;
    report::Mils lineHeight(const report::Font& font);

    const FormLayout& layout_;
    report::TextMeasure& measure_;
    FormLogo logo_;
    report::Document doc_;
    const FormValues* order_ = nullptr;
    FormValues page_;  // PageNumber
    report::Mils y_ = 0;
};

}  // namespace vtl::rpt
