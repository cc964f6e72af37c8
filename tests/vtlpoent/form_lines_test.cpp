// The purchase-order form's totals in both tax modes and its lines list:
// rows, insert through the line form, delete, and the move buttons.
#include "form_fixture.h"

using namespace vtl;
using namespace vtl::test;
using ui::Icon;

TEST_F(FormTest, OrdinaryTaxIsTheRateOnTheTaxableLinesOnly) {
    auto f = openForm(suite::Request::Insert);
    EXPECT_EQ(f->header().TaxRate, 8.25);
    queued = {glLine(100.00, 1), glLine(20.00, 1), glLine(50.00, 0)};
    for (int i = 0; i < 3; ++i) f->insertLine();
    EXPECT_EQ(f->header().PreTaxAmount.toString(), "170.00");
    EXPECT_EQ(f->header().TaxAmount.toString(), "9.90");
    EXPECT_EQ(f->header().POAmount.toString(), "179.90");
    EXPECT_EQ(f->sums().taxable.toString(), "120.00");
    f->enterTaxRate(10);
    EXPECT_EQ(f->header().TaxAmount.toString(), "12.00");
    EXPECT_EQ(f->header().POAmount.toString(), "182.00");
    f->enterTaxAmount(*Money::parse("6.00"));
    EXPECT_DOUBLE_EQ(f->header().TaxRate, 5.0);
    EXPECT_EQ(f->header().POAmount.toString(), "176.00");
    f->cancel();
}

TEST_F(FormTest, TypedTaxWithNothingTaxableKeepsTheAmountAndRateZero) {
    auto f = openForm(suite::Request::Insert);
    queued = {glLine(50.00, 0)};
    f->insertLine();
    f->enterTaxAmount(*Money::parse("4.00"));
    EXPECT_EQ(f->header().TaxRate, 0.0);
    EXPECT_EQ(f->header().TaxAmount.toString(), "4.00");
    EXPECT_EQ(f->header().POAmount.toString(), "54.00");
    queued = {glLine(10.00, 0)};
    f->insertLine();  // a refill keeps the flat charge, and the total adds up
    EXPECT_EQ(f->header().TaxAmount.toString(), "4.00");
    EXPECT_EQ(f->header().POAmount.toString(), "64.00");
    f->cancel();
}

TEST_F(FormTest, CanadianTaxesFollowTheBoxesAndTheProvince) {
    setSystems([](Systems& x) {
        x.CanadianTax = 1;
        x.GSTRate = 5;
        x.GSTLabel = "GST";
        x.CompanyState = "ON";
    });
    auto f = openForm(suite::Request::Insert);
    EXPECT_EQ(f->header().CheckNo, "ON");
    EXPECT_EQ(f->gstPrompt(), "GST  5%");
    EXPECT_DOUBLE_EQ(f->pstRate(), 8.0);
    queued = {glLine(100.00, 1), glLine(50.00, 2)};
    f->insertLine();
    f->insertLine();
    EXPECT_EQ(f->header().DiscountAmount.toString(), "7.50");
    EXPECT_EQ(f->header().OtherCharges.toString(), "8.00");
    EXPECT_EQ(f->header().TaxAmount.toString(), "0.00");
    EXPECT_EQ(f->header().POAmount.toString(), "165.50");

    f->setProvince("QC");
    EXPECT_EQ(f->header().OtherCharges.toString(), "9.98");
    f->setProvince("XX");  // outside the list: the rate in force stays
    EXPECT_DOUBLE_EQ(f->pstRate(), 9.975);
    EXPECT_EQ(f->header().POAmount.toString(), "167.48");

    f->setCanadianTaxes(false, true);
    EXPECT_EQ(f->header().Taxable, 3);
    EXPECT_FALSE(f->gstChecked());
    EXPECT_TRUE(f->pstChecked());
    f->cancel();
}

TEST_F(FormTest, TextLinesShowTextAndNoNumbers) {
    PODetail text;
    text.TextFlag = 1;
    text.DetailType = "G/L Account";
    text.Text = "Deliver to the north gate before seven in the morning";
    PODetail shortText = text;
    shortText.Text = "Call first";
    PODetail item = glLine(12.5);
    item.ItemID = "NAIL";
    item.Description = "Common nails";
    item.Account = "6100-00";
    PODetail job = jobLine("J100", 40);
    PODetail equipment = glLine(7);
    equipment.DetailType = "Equipment";
    equipment.EquipmentID = "EQ-12";
    equipment.CostCategory = "FUEL";
    POMaster po = addOrder("1001", 123, {text, shortText, item, job, equipment});
    auto f = openForm(suite::Request::Change, po.POID);
    ASSERT_EQ(f->rows().size(), 5u);
    // What each line is charged to, for the list to show beside its description.
    EXPECT_EQ(f->rows()[0].charge, "");
    EXPECT_EQ(f->rows()[2].charge, "6100-00");
    EXPECT_EQ(f->rows()[3].charge, "J100 010100LAB");
    EXPECT_EQ(f->rows()[4].charge, "EQ-12 FUEL");
    EXPECT_EQ(f->rows()[0].id, "Text");
    EXPECT_EQ(f->rows()[0].description, "Deliver to the north gate b...");
    EXPECT_EQ(f->rows()[0].total, "");
    EXPECT_EQ(f->rows()[1].description, "Call first");
    EXPECT_EQ(f->rows()[2].id, "NAIL");
    EXPECT_EQ(f->rows()[2].description, "Common nails");
    EXPECT_NE(f->rows()[2].total.find("12.50"), std::string::npos);
    f->cancel();
}

TEST_F(FormTest, ANewLineSortsAfterTheOthersAndIsStoredOnlyByOk) {
    POMaster po = addOrder("1001", 123, {glLine(1), glLine(2)});
    auto f = openForm(suite::Request::Change, po.POID);
    f->highlight(0);
    queued = {glLine(3)};
    f->insertLine();
    EXPECT_EQ(storedOrder(po.POID).size(), 2u);
    auto ids = formOrder(*f);
    ASSERT_EQ(ids.size(), 3u);
    EXPECT_EQ(f->rows().back().detailId, ids.back());
    EXPECT_EQ(f->highlighted(), 2);
    EXPECT_NE(f->rows().back().total.find("3.00"), std::string::npos);
    EXPECT_TRUE(f->ok());
    EXPECT_EQ(storedOrder(po.POID), ids);
}

TEST_F(FormTest, MovingLinesAtTheEndsAndAcross) {
    POMaster po = addOrder("1001", 123, {glLine(1), glLine(2), glLine(3), glLine(4)});
    auto f = openForm(suite::Request::Change, po.POID);
    const auto start = formOrder(*f);

    f->highlight(0);
    f->moveUp();
    f->moveToTop();
    EXPECT_EQ(formOrder(*f), start);
    f->highlight(3);
    f->moveDown();
    f->moveToBottom();
    EXPECT_EQ(formOrder(*f), start);

    f->moveToTop();
    EXPECT_EQ(formOrder(*f), (std::vector<ULong>{start[3], start[0], start[1], start[2]}));
    EXPECT_EQ(f->highlighted(), 0);
    f->highlight(1);
    f->moveToBottom();
    EXPECT_EQ(formOrder(*f), (std::vector<ULong>{start[3], start[1], start[2], start[0]}));
    EXPECT_EQ(f->highlighted(), 3);
    f->moveUp();
    EXPECT_EQ(formOrder(*f), (std::vector<ULong>{start[3], start[1], start[0], start[2]}));
    EXPECT_EQ(f->rows()[f->highlighted()].detailId, start[0]);
    EXPECT_EQ(storedOrder(po.POID), start) << "nothing is stored before OK";
    EXPECT_TRUE(f->ok());
    EXPECT_EQ(storedOrder(po.POID), (std::vector<ULong>{start[3], start[1], start[0], start[2]}));
}

TEST_F(FormTest, DeletingAJobLineLowersItsCommitmentOnceOnOkAndNoAnswerKeepsIt) {
    POMaster po = addOrder("1001", 123, {jobLine("J100", 40), jobLine("J100", 60)});
    post(po);
    ASSERT_EQ(committed(), "100.00");
    auto f = openForm(suite::Request::Change, po.POID);
    f->highlight(0);
    const char* q = "Are you sure you want to delete the highlighted record?";
    s.ui.expectAsk(q, "Confirm Delete", "&Yes|&No", Icon::Question).answer(2);
    f->deleteLine();
    EXPECT_EQ(f->rows().size(), 2u);
    s.ui.expectAsk(q, "Confirm Delete", "&Yes|&No", Icon::Question).answer(1);
    f->deleteLine();
    EXPECT_EQ(f->rows().size(), 1u);
    EXPECT_EQ(committed(), "100.00") << "the figures move with the stored lines, on OK";
    EXPECT_TRUE(f->ok());
    EXPECT_EQ(committed(), "60.00");
    EXPECT_EQ(stored(po.POID).POAmount.toString(), "60.00");
    EXPECT_EQ(storedOrder(po.POID).size(), 1u);
}
