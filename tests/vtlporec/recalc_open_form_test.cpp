// The rebuild run while a purchase-order form holds changes it has not saved.
#include "vtlpoent/form_fixture.h"
#include "vtlporec/figures.h"

using namespace vtl;
using namespace vtl::test;

// A rebuild while the form holds changed lines counts only what is stored;
// OK then moves the figures from there, once.
TEST_F(FormTest, ARebuildWhileTheFormIsOpenIsNotCountedTwiceByOk) {
    POMaster po = addOrder("1001", 123, {jobLine("J100", 40)});
    post(po);
    auto f = openForm(suite::Request::Change, po.POID);
    f->highlight(0);
    edit = [](PODetail& d) { d.TotalAmount = *Money::parse("70.00"); };
    f->changeLine();
    queued = {jobLine("J100", 5)};
    f->insertLine();
    rec::RebuildResult rebuilt;
    ASSERT_TRUE(rec::rebuildFigures(s.store(), 6, {}, rebuilt));
    EXPECT_EQ(committed(), "40.00");
    EXPECT_TRUE(f->ok());
    EXPECT_EQ(committed(), "75.00");
}

