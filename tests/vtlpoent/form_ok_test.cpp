// OK and Cancel on the purchase-order form: the save-time questions, the
// default job, the PO-number counter, the reconciled state, and the posting
// taking effect once per successful save.
#include "form_fixture.h"
#include "platform/suite/error_object.h"
#include "vtlpoent/procedures.h"

using namespace vtl;
using namespace vtl::test;
using ui::Icon;

namespace {

const char* kNoVendor = "No Vendor has been entered. Do you wish to |save this Purchase Order with no Vendor ID?";
const char* kNoLines = "No Line Items have been entered. Do you wish to |save this Purchase Order with no Line Items?";

}  // namespace

TEST_F(FormTest, OkWithoutAVendorAsksOnceAndNoKeepsTheFormOpen) {
    auto f = openForm(suite::Request::Insert);
    const ULong poid = f->header().POID;
    s.ui.expectAsk(kNoVendor, "Save with No Vendor Specified", "&Yes|&No", Icon::Question).answer(2);
    EXPECT_FALSE(f->ok());
    EXPECT_EQ(f->focusField(), ent::focus::kVendor);
    EXPECT_EQ(nextNumber(), 2001u);
    // Yes saves without asking about the missing lines.
    s.ui.expectAsk(kNoVendor, "Save with No Vendor Specified", "&Yes|&No", Icon::Question).answer(1);
    EXPECT_TRUE(f->ok());
    EXPECT_TRUE(f->closed());
    EXPECT_EQ(f->response(), suite::Response::Completed);
    EXPECT_EQ(stored(poid).PONumber, "2001");
    EXPECT_EQ(nextNumber(), 2002u);
}

TEST_F(FormTest, OkWithAVendorAndNoLinesAsksAboutTheLines) {
    auto f = openForm(suite::Request::Insert);
    f->enterVendor("123");
    s.ui.expectAsk(kNoLines, "Save with No Line Items", "&Yes|&No", Icon::Question).answer(2);
    EXPECT_FALSE(f->ok());
    EXPECT_FALSE(f->closed());
    f->enterPONumber("");
    EXPECT_FALSE(f->ok());  // a blank number only sends the focus there
    EXPECT_EQ(f->focusField(), ent::focus::kPONumber);
    f->cancel();
}

TEST_F(FormTest, DefaultJobComesFromTheJobLinesOnOk) {
    PODetail text = jobLine("J200", 0);
    text.TextFlag = 1;
    POMaster one = addOrder("1001", 123, {glLine(5), text, jobLine("J100", 1), jobLine("J100", 2)});
    auto f = openForm(suite::Request::Change, one.POID);
    EXPECT_TRUE(f->ok());
    EXPECT_EQ(stored(one.POID).DefaultJob, "J100");

    POMaster two = addOrder("1002", 123, {jobLine("J200", 1), jobLine("J100", 2)});
    const char* q =
        "You have not supplied a default Job ID and purchase order line|items have been assigned to multiple jobs. "
        "Would you like to assign|Job J200 as the default Job ID on this Purchase Order?";
    f = openForm(suite::Request::Change, two.POID);
    s.ui.expectAsk(q, "Assign Default Job ID?", "&Yes|&No", Icon::Question).answer(2);
    EXPECT_TRUE(f->ok());
    EXPECT_EQ(stored(two.POID).DefaultJob, "");
    f = openForm(suite::Request::Change, two.POID);
    s.ui.expectAsk(q, "Assign Default Job ID?", "&Yes|&No", Icon::Question).answer(1);
    EXPECT_TRUE(f->ok());
    EXPECT_EQ(stored(two.POID).DefaultJob, "J200");
}

TEST_F(FormTest, ANumberTakenByAnotherUserIsReplacedAndTheCounterMovesPastIt) {
    auto f = openForm(suite::Request::Insert);
    f->enterVendor("123");
    queued = {glLine(5)};
    f->insertLine();
    {
        // Another user, on a connection of his own, saves an order meanwhile.
        auto other = openDataFolder(s.folder);
        ASSERT_TRUE(other) << other.error;
        Systems theirs;
        ASSERT_TRUE(store::Table<Systems>(*other.store).all(Systems::KeySystemID).next(theirs));
        theirs.NextPONumber = 2002;
        ASSERT_TRUE(store::Table<Systems>(*other.store).update(theirs));
    }
    s.ui.expectTell("The automatically assigned Purchase Order Number will be changed |from 2001 to 2002.",
                    "Purchase Order Number Change", Icon::Information);
    EXPECT_TRUE(f->ok());
    POMaster saved = stored(f->savedPOID());
    EXPECT_EQ(saved.PONumber, "2002");
    EXPECT_EQ(saved.SortPONumber, "2002");
    EXPECT_EQ(nextNumber(), 2003u);
}

TEST_F(FormTest, ATypedNumberLeavesTheCounterAlone) {
    auto f = openForm(suite::Request::Insert);
    f->enterVendor("123");
    queued = {glLine(5)};
    f->insertLine();
    f->enterPONumber("A-17");
    EXPECT_TRUE(f->ok());
    EXPECT_EQ(nextNumber(), 2001u);
}

TEST_F(FormTest, ReconciledStateOnSave) {
    PODetail done = glLine(0);
    done.Reconciliation = 2;
    POMaster zero = addOrder("1001", 123, {done});
    auto f = openForm(suite::Request::Change, zero.POID);
    EXPECT_TRUE(f->ok());
    EXPECT_EQ(stored(zero.POID).Reconciled, 0);
    EXPECT_EQ(stored(zero.POID).SortVendorID, 123u);

    PODetail a = glLine(10), b = glLine(20);
    a.Reconciliation = b.Reconciliation = 2;
    POMaster full = addOrder("1002", 123, {a, b});
    f = openForm(suite::Request::Change, full.POID);
    EXPECT_TRUE(f->ok());
    POMaster saved = stored(full.POID);
    EXPECT_EQ(saved.Reconciled, 2);
    EXPECT_EQ(saved.RecTF, 1);
    EXPECT_EQ(saved.SortVendorID, 0u);
    EXPECT_EQ(saved.SortPONumber, "");

    b.Reconciliation = 0;
    POMaster part = addOrder("1003", 123, {a, b});
    f = openForm(suite::Request::Change, part.POID);
    EXPECT_TRUE(f->ok());
    EXPECT_EQ(stored(part.POID).Reconciled, 1);
}

TEST_F(FormTest, AFailedHeaderWritePostsNothingAndTheNextOkPostsOnce) {
    suite::ProcedureName named(s.errors, "UpdatePOMaster");
    test::refuseWrites(s.store(), "POMaster", "INSERT", "refused");
    auto f = openForm(suite::Request::Insert);
    f->enterVendor("123");
    queued = {jobLine("J100", 40)};
    f->insertLine();
    s.ui.expectTell("refused Inserting POMaster", "UpdatePOMaster", Icon::Error);
    EXPECT_FALSE(f->ok());
    EXPECT_FALSE(f->closed());
    EXPECT_EQ(committed(), "0.00");
    EXPECT_EQ(nextNumber(), 2001u);
    EXPECT_EQ(f->header().PONumber, "2001");
    EXPECT_EQ(store::Table<PODetail>(s.store()).count(), 0) << "the lines went back with the header";

    test::allowWrites(s.store(), "POMaster");
    EXPECT_TRUE(f->ok());
    EXPECT_EQ(committed(), "40.00");
    EXPECT_EQ(nextNumber(), 2002u);
    EXPECT_FALSE(f->ok());  // closed: nothing more happens
    EXPECT_EQ(committed(), "40.00");
}

TEST_F(FormTest, SavingAChangedOrderTwiceMovesTheFiguresByTheChangeOnly) {
    suite::ProcedureName named(s.errors, "UpdatePOMaster");
    POMaster po = addOrder("1001", 123, {jobLine("J100", 40)});
    post(po);
    auto f = openForm(suite::Request::Change, po.POID);
    f->highlight(0);
    edit = [](PODetail& d) { d.TotalAmount = *Money::parse("70.00"); };
    f->changeLine();
    test::refuseWrites(s.store(), "POMaster", "UPDATE", "refused");
    s.ui.expectTell("refused Saving POMaster", "UpdatePOMaster", Icon::Error);
    EXPECT_FALSE(f->ok());
    EXPECT_EQ(committed(), "40.00");
    test::allowWrites(s.store(), "POMaster");
    EXPECT_TRUE(f->ok());
    EXPECT_EQ(committed(), "70.00");
}

TEST_F(FormTest, CancelLeavesTheStoredOrderItsTotalsAndItsFiguresAsTheyWere) {
    POMaster po = addOrder("1001", 123, {jobLine("J100", 40), jobLine("J200", 25)});
    post(po);
    po.PreTaxAmount = *Money::parse("65.00");
    po.POAmount = po.PreTaxAmount;
    ASSERT_TRUE(store::Table<POMaster>(s.store()).update(po));
    const auto lines = storedOrder(po.POID);
    auto f = openForm(suite::Request::Change, po.POID);
    f->setTerms("COD");
    f->setTaxable(true);
    f->highlight(0);
    edit = [](PODetail& d) { d.TotalAmount = *Money::parse("70.00"); };
    f->changeLine();
    queued = {jobLine("J100", 10)};
    f->insertLine();
    f->highlight(1);
    f->moveToTop();
    s.ui.expectAsk("Are you sure you want to delete the highlighted record?", "Confirm Delete", "&Yes|&No",
                   Icon::Question)
        .answer(1);
    f->deleteLine();
    EXPECT_EQ(f->header().POAmount.toString(), "80.00");
    f->cancel();
    EXPECT_EQ(committed("J100"), "40.00");
    EXPECT_EQ(committed("J200"), "25.00");
    const POMaster after = stored(po.POID);
    EXPECT_EQ(after.Terms, "");
    EXPECT_EQ(after.POAmount.toString(), "65.00");
    EXPECT_EQ(storedOrder(po.POID), lines);
    for (const PODetail& d : linesOfOrder(s.store(), po.POID)) EXPECT_EQ(d.Taxable, 0);
}

// Someone else received goods on a line and payables invoiced another while
// this form was open: OK keeps what they stored and moves the figures by
// the lines as they are now, not as they were when the form opened.
TEST_F(FormTest, OkKeepsWhatOthersStoredMeanwhileAndFollowsTheLinesAsTheyAreNow) {
    POMaster po = addOrder("1001", 123, {jobLine("J100", 40), jobLine("J200", 25)});
    po.DefaultJob = "J100";
    ASSERT_TRUE(store::Table<POMaster>(s.store()).update(po));
    post(po);
    auto f = openForm(suite::Request::Change, po.POID);
    f->highlight(0);
    edit = [](PODetail& d) {
        d.QtyOrdered = Quantity(2);
        d.TotalAmount = *Money::parse("80.00");
    };
    f->changeLine();
    auto stored = linesOfOrder(s.store(), po.POID);
    stored[0].QtyInvoiced = Quantity(1);  // invoiced at the line's price, 40.00
    stored[0].AmountInvoiced = *Money::parse("40.00");
    stored[0].Reconciliation = 1;
    ASSERT_TRUE(store::Table<PODetail>(s.store()).update(stored[0]));
    ASSERT_TRUE(store::Table<PODetail>(s.store()).update(stored[1]));
    // What the payables module would have done to the figure.
    JCCost c;
    c.RecordID = ent::costRecordKey("J100", "010100LAB ", 6);
    ASSERT_TRUE(store::Table<JCCost>(s.store()).fetch(JCCost::KeyRecordID, c));
    c.Committed = Money();
    ASSERT_TRUE(store::Table<JCCost>(s.store()).update(c));

    EXPECT_TRUE(f->ok());
    const auto saved = linesOfOrder(s.store(), po.POID);
    EXPECT_EQ(saved[0].QtyOrdered, Quantity(2));
    EXPECT_EQ(saved[0].QtyInvoiced, Quantity(1));
    EXPECT_EQ(saved[0].AmountInvoiced.toString(), "40.00");
    EXPECT_EQ(saved[0].Reconciliation, 1);
    EXPECT_EQ(committed("J100"), "40.00");  // 80.00 ordered less 40.00 invoiced
    EXPECT_EQ(committed("J200"), "25.00");
    EXPECT_EQ(this->stored(po.POID).Reconciled, 1);
}

TEST_F(FormTest, TheProcedureAnswersCancelledWithoutAViewAndRunsTheRegisteredOne) {
    ent::registerEntryProcedures(s.procedures);
    s.procedures.set("UpdatePODetail", [this](Session& ss) { lineForm(ss); });
    s.globals.GlobalRequest = suite::Request::Insert;
    ASSERT_TRUE(s->call("UpdatePOMaster"));
    EXPECT_EQ(s.globals.GlobalResponse, suite::Response::Cancelled);
    EXPECT_EQ(store::Table<POMaster>(s.store()).count(), 0);

    s.views.set<ent::UpdatePOMaster>([&](ent::UpdatePOMaster& f) {
        f.enterVendor("123");
        queued = {glLine(5)};
        f.insertLine();
        f.ok();
    });
    s.globals.GlobalRequest = suite::Request::Insert;
    ASSERT_TRUE(s->call("UpdatePOMaster"));
    EXPECT_EQ(s.globals.GlobalResponse, suite::Response::Completed);
    const ULong poid = static_cast<ULong>(s.globals.DecimalVariable);
    EXPECT_EQ(stored(poid).PONumber, "2001");
    EXPECT_EQ(s.errors.count(), 0u);
}

TEST_F(FormTest, RepetitiveInsertPrimesTheNextOrderWithTheNextNumber) {
    s.module.repetitiveInsert = 1;
    auto f = openForm(suite::Request::Insert);
    f->enterVendor("123");
    queued = {glLine(5)};
    f->insertLine();
    const ULong first = f->header().POID;
    EXPECT_TRUE(f->ok());
    EXPECT_FALSE(f->closed());
    EXPECT_NE(f->header().POID, first);
    EXPECT_EQ(f->header().PONumber, "2002");
    EXPECT_EQ(f->header().VendorID, 0u);
    EXPECT_TRUE(f->rows().empty());
    const ULong second = f->header().POID;
    f->cancel();
    EXPECT_EQ(f->response(), suite::Response::Completed);  // one order was saved
    EXPECT_EQ(stored(first).PONumber, "2001");
    POMaster gone;
    gone.POID = second;
    EXPECT_FALSE(store::Table<POMaster>(s.store()).fetch(POMaster::KeyPOID, gone));
    EXPECT_EQ(nextNumber(), 2002u);
}

TEST_F(FormTest, ALookUpCancelledOnOkKeepsTheFormOpenAndPostsNothing) {
    POMaster po = addOrder("1001", 123, {jobLine("J100", 40)});
    post(po);
    auto f = openForm(suite::Request::Change, po.POID);
    f->highlight(0);
    edit = [](PODetail& d) { d.TotalAmount = *Money::parse("90.00"); };
    f->changeLine();
    ASSERT_TRUE(f->enterDefaultJob("J200"));
    JCHeader j;
    j.JobID = "J200";
    ASSERT_TRUE(store::Table<JCHeader>(s.store()).fetch(JCHeader::KeyJobID, j));
    ASSERT_TRUE(store::Table<JCHeader>(s.store()).remove(j));  // gone meanwhile
    s.ui.expectLookup("Select a Job").cancel();
    EXPECT_FALSE(f->ok());
    EXPECT_EQ(f->focusField(), ent::focus::kDefaultJob);
    EXPECT_EQ(committed(), "40.00");
    s.ui.expectLookup("Select a Job").choose("J100");
    EXPECT_TRUE(f->ok());
    EXPECT_EQ(committed(), "90.00");
    EXPECT_EQ(stored(po.POID).DefaultJob, "J100");
}

// An order opened View Only keeps every line, place, tax switch and figure.
TEST_F(FormTest, AViewOnlyOrderWritesNothingWhateverIsPressed) {
    POMaster po = addOrder("1001", 123, {jobLine("J100", 40), jobLine("J100", 25)});
    post(po);
    const auto lines = storedOrder(po.POID);
    s.module.viewOnly = true;
    auto f = openForm(suite::Request::Change, po.POID);
    EXPECT_TRUE(f->readOnly());
    EXPECT_FALSE(f->linesEditable());
    f->highlight(0);
    f->deleteLine();
    f->moveToBottom();
    f->setTaxable(true);
    f->insertLine();
    f->changeLine();
    EXPECT_EQ(lineFormCalls, 0);
    EXPECT_EQ(f->rows().size(), 2u);
    EXPECT_FALSE(f->ok());
    f->cancel();
    s.module.viewOnly = false;
    EXPECT_EQ(storedOrder(po.POID), lines);
    EXPECT_EQ(committed(), "65.00");
    for (const PODetail& d : linesOfOrder(s.store(), po.POID)) EXPECT_EQ(d.Taxable, 0);
}
