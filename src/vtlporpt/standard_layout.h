#pragma once
// The pages of the standard purchase-order form: the ruled form printed on
// every page, the order's header and signature footer, the item and text
// lines in the body, and the totals on the order's last page. Values come
// in as the form shows them (already through their pictures); this draws
// them into the page model and breaks pages where the body is full.
#include <array>
#include <string>

#include "report/pages/measure.h"
#include "report/pages/page.h"
#include "vtlporpt/form_logo.h"

namespace vtl::rpt {

// What every page of one order shows besides its lines.
struct StandardFormHeader {
    std::string localPONumber;  // "NUMBER: 1041"
    std::string issueDate;
    std::string companyName;
    std::array<std::string, 4> billTo;
    std::string vendorName;
    std::array<std::string, 3> vendor;
    std::string vendorPhone, vendorFax;
    std::string shipToName;
    std::array<std::string, 3> shipTo;
    std::string shipToContact;
    std::string defaultJob, jobName, preparedBy;
    std::string deliveryDate, shipVia, fob, terms;
    std::string instructions;
    std::string catalogPrompt;  // "VENDOR CAT.#" or blank
    std::string footerMessage;
};

struct StandardFormItem {
    std::string quantity, unit, itemId, catalogId, description, unitPrice, amount;
};

struct StandardFormTotals {
    std::array<std::string, 3> labels;
    std::array<std::string, 3> amounts;
    std::string total;  // POP:POAmount
};

class StandardFormLayout {
public:
    // The line heights and the breaking of text lines come from `measure`.
    StandardFormLayout(report::TextMeasure& measure, FormLogo logo);

    // Starts the order's first page.
    void beginOrder(const StandardFormHeader& header);
    void item(const StandardFormItem& line);
    // A text line, broken to the width of the description column; what
    // does not fit on the page goes on to the next.
    void text(const std::string& text);
    // The order's totals, in their place on its last page.
    void totals(const StandardFormTotals& totals);

    report::Document& document() { return doc_; }
    int pages() const { return static_cast<int>(doc_.pages.size()); }

private:
    void newPage();
    void form(report::Page& page);
    void pageHeader(report::Page& page);
    void pageFooter(report::Page& page);
    report::Mils lineHeight(const report::Font& font);

    report::TextMeasure& measure_;
    FormLogo logo_;
    report::Document doc_;
    StandardFormHeader header_;
    report::Mils y_ = 0;  // where the next line goes in the body
};

}  // namespace vtl::rpt
