// The sample purchase order's pages, item by item, against the golden file
// tests/data/standard_form_sample.txt (measured with FormTestMeasure, so
// no installed font changes it).
//
// A change to the form changes the file. Write it anew with
//   VTL_UPDATE_GOLDEN=1 ./rpt_tests --gtest_filter='*GoldenFile*'
// from the build folder (VTL_TEST_DATA names tests/data, as ctest sets it),
// and review the difference like code before committing it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "vtlporpt/create_po_print.h"
#include "vtlporpt/standard_form_fixture.h"

using namespace vtl;
using namespace vtl::test;

namespace {

std::string goldenPath() {
    const char* data = std::getenv("VTL_TEST_DATA");
    return std::string(data ? data : "tests/data") + "/standard_form_sample.txt";
}

bool updating() {
    const char* update = std::getenv("VTL_UPDATE_GOLDEN");
    return update && std::string(update) == "1";
}

}  // namespace

TEST_F(StandardFormTest, TheSampleOrderMatchesTheGoldenFile) {
    changeSystems("CompanyFax = '360-555-0101'");
    s.globals.DecimalVariable = rpt::kSampleMode;
    rpt::CreatePOPrint(*s).run();
    const std::string text = report::toText(print().document);

    if (updating()) {
        std::ofstream out(goldenPath(), std::ios::binary | std::ios::trunc);
        out << text;
        ASSERT_TRUE(out.good()) << "cannot write " << goldenPath();
    }
    std::ifstream in(goldenPath(), std::ios::binary);
    ASSERT_TRUE(in.good()) << goldenPath() << " is missing: run with VTL_UPDATE_GOLDEN=1 to write it";
    std::stringstream golden;
    golden << in.rdbuf();
    EXPECT_EQ(text, golden.str()) << "the form's pages changed; if that is meant, write the file anew "
                                     "with VTL_UPDATE_GOLDEN=1 and review the difference";
}
