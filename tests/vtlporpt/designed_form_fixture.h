#pragma once
// The standard form's data folder, with layouts written beside it and the
// designed form run over them.
#include <cstdlib>
#include <string>

#include "vtlporpt/designed/print_purchase_order.h"
#include "vtlporpt/standard_form_fixture.h"

namespace vtl::test {

class DesignedFormTest : public StandardFormTest {
protected:
    // The layout `text`, read from a file of the test's folder (so its
    // picture files are found there); an unreadable one fails the test.
    rpt::FormLayout layout(const std::string& text) {
        s.dir.write("form.pol", text);
        auto read = rpt::readFormLayout(s.dir.file("form.pol"));
        if (!read.layout) {
            ADD_FAILURE() << read.error.text();
            return {};
        }
        return std::move(*read.layout);
    }
    rpt::PurchaseOrderFormRun printDesigned(const rpt::FormLayout& l, const rpt::PrintProgress& progress = {}) {
        return rpt::PrintPurchaseOrder(*s, measure, l).run(progress);
    }
    // The layout shipped in forms/ of the sources.
    static std::string shippedLayoutPath() {
        const char* data = std::getenv("VTL_TEST_DATA");
        return std::string(data ? data : "tests/data") + "/../../forms/purchase_order.pol";
    }
};

}  // namespace vtl::test
