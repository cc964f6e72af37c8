// The purchase-order browse's actions: delete with its guard and cascade,
// duplicate, change guards, export, and Reconcile/Unreconcile.
#include "browse_fixture.h"
#include "vtlpoent/dialogs/confirm_blank_po.h"
#include "vtlpoent/dialogs/duplicate_po.h"

using namespace vtl;
using namespace vtl::test;
using ent::BrowsePOMaster;
using ui::Icon;

namespace {

const char* kUnpostedDelete =
    " is currently being reconciled by an unposted A/P Invoice.  The Purchase Order cannot be deleted until the A/P "
    "Invoice is either posted or deleted.";

}  // namespace

TEST_F(BrowseTest, DeletingTaggedOrdersSkipsOneBeingReconciledAndNamesIt) {
    s.globals.LogUserActivity = 2;
    POMaster a = addOrder("1001", 1042);
    addJobLine(a, "10", 25.0);
    POMaster b = addOrder("1002", 7);
    addJobLine(b, "2", 10.0);
    POMaster c = addOrder("1003", 7);
    addNailLine(c, "3");
    for (auto& po : {a, b, c}) post(po);
    ASSERT_EQ(committed(), "270.00");
    ASSERT_EQ(onOrder(), "150.0000");
    APInv inv;
    inv.POID = b.POID;
    inv.Posted = 0;
    ASSERT_TRUE(store::Table<APInv>(s.store()).insert(inv));
    Notes note;
    note.Filename = "POMaster";
    note.EntityID = std::to_string(a.POID);
    ASSERT_TRUE(store::Table<Notes>(s.store()).insert(note));

    BrowsePOMaster br(*s);
    br.open();
    for (auto& po : {a, b, c}) s.globals.TagQue.add(po.POID);
    s.ui.expectAsk("Do you want to delete the Highlighted Purchase Order|or the Tagged Purchase Orders?",
                   "Delete Which Purchase Orders?", "&Highlighted|&Tagged|&Cancel", Icon::Warning)
        .answer(2);
    s.ui.expectAsk("Are you sure you want to delete the tagged Purchase Order(s)?", "Confirm Delete", "&Yes|&No",
                   Icon::Warning)
        .answer(1);
    s.ui.expectTell(std::string("Purchase Order #1002") + kUnpostedDelete, "Purchase Order Cannot Be Deleted",
                    Icon::Warning);
    br.deleteRecords();

    EXPECT_FALSE(exists(a.POID));
    EXPECT_TRUE(exists(b.POID));
    EXPECT_FALSE(exists(c.POID));
    EXPECT_EQ(committed(), "20.00");
    EXPECT_EQ(onOrder(), "0.0000");
    EXPECT_EQ(store::Table<Notes>(s.store()).count(), 0);
    EXPECT_EQ(store::Table<PODetail>(s.store()).count(), 1);
    EXPECT_EQ(s.globals.TagQue.size(), 3u);  // tags survive a delete
    std::vector<std::string> logged;
    UserLog log;
    for (auto cur = store::Table<UserLog>(s.store()).all(0); cur.next(log);) logged.push_back(log.Description.clip());
    EXPECT_EQ(logged, (std::vector<std::string>{"Deleted Purchase Order #1001 for Vendor (1042) Cascade Lumber",
                                                "Deleted Purchase Order #1003 for Vendor (7) Acme Supply"}));
    EXPECT_EQ(shownNumbers(br), (std::vector<std::string>{"1002"}));
}

TEST_F(BrowseTest, DeletingTheHighlightedOrderAsksOnceAndCanBeRefused) {
    POMaster a = addOrder("1001", 7);
    BrowsePOMaster br(*s);
    br.open();
    s.ui.expectAsk("Are you sure you want to delete the highlighted Purchase Order?", "Confirm Delete", "&Yes|&No",
                   Icon::Warning)
        .answer(2);
    br.deleteRecords();
    EXPECT_TRUE(exists(a.POID));
    APInv inv;
    inv.POID = a.POID;
    ASSERT_TRUE(store::Table<APInv>(s.store()).insert(inv));
    s.ui.expectAsk("Are you sure you want to delete the highlighted Purchase Order?", "Confirm Delete", "&Yes|&No",
                   Icon::Warning)
        .answer(1);
    s.ui.expectTell(std::string("This Purchase Order") + kUnpostedDelete, "Purchase Order Being Reconciled",
                    Icon::Warning);
    br.deleteRecords();
    EXPECT_TRUE(exists(a.POID));
    EXPECT_EQ(s.ui.beeps(), 1);
}

TEST_F(BrowseTest, DuplicatingTakesTheNextNumberAndPostsTheCopy) {
    POMaster src = addOrder("1001", 1042, 1);
    src.DeliveryDate = Date::fromYmd(2026, 6, 11);
    src.PaidDate = Date::fromYmd(2026, 6, 20);
    src.AmountReconciled = Money(40);
    ASSERT_TRUE(store::Table<POMaster>(s.store()).update(src));
    addJobLine(src, "10", 25.0, "4");
    post(src);
    ASSERT_EQ(committed(), "150.00");

    s.views.set<ent::DuplicatePO>([&](ent::DuplicatePO& d) {
        EXPECT_EQ(d.poNumber, "2001");
        EXPECT_EQ(d.issueDate, Date::fromYmd(2026, 7, 1));
        EXPECT_EQ(d.deliveryDate, Date::fromYmd(2026, 7, 11));  // ten days after issue, as the source
        EXPECT_TRUE(d.acceptDate.isNull());
        d.ok();
    });
    BrowsePOMaster br(*s);
    br.open();
    br.duplicate();
    Systems sys;
    store::Table<Systems>(s.store()).all(0).next(sys);
    EXPECT_EQ(sys.NextPONumber, 2002u);
    auto copy = order(*br.highlightedPOID());
    EXPECT_EQ(copy.PONumber, "2001");
    EXPECT_EQ(copy.Reconciled, 0);
    EXPECT_EQ(copy.SortPONumber, "2001");
    EXPECT_TRUE(copy.PaidDate.isNull());
    EXPECT_TRUE(copy.AmountReconciled.isZero());
    EXPECT_EQ(copy.PreparedDate, Date::fromYmd(2026, 7, 1));
    PODetail pos;
    pos.POID = copy.POID;
    PODetail line;
    auto cur = store::Table<PODetail>(s.store()).scan(PODetail::KeyPOID, pos, {true, 1, false});
    ASSERT_TRUE(cur.next(line));
    EXPECT_TRUE(line.QtyInvoiced.isZero());
    EXPECT_EQ(line.Reconciliation, 0);
    EXPECT_EQ(committed(), "400.00");  // the copy commits its full 250.00
}

TEST_F(BrowseTest, DuplicatingWithoutNumberingProposesACopyOfTheNumberCut) {
    Systems sys;
    store::Table<Systems>(s.store()).all(0).next(sys);
    sys.AutoNumberPOs = 0;
    ASSERT_TRUE(store::Table<Systems>(s.store()).update(sys));
    addOrder("ABCDEFGHIJKLMNO", 7);
    std::string proposed;
    s.views.set<ent::DuplicatePO>([&](ent::DuplicatePO& d) {
        proposed = d.poNumber;
        d.cancel();
    });
    BrowsePOMaster br(*s);
    br.open();
    br.duplicate();
    EXPECT_EQ(proposed, "Copy of ABCDEFG");
    EXPECT_EQ(br.rowCount(), 1);  // cancelled: nothing added
}

TEST_F(BrowseTest, ChangingGuardsReconcilingAndReconciledOrders) {
    POMaster a = addOrder("1001", 7, 2);
    POMaster b = addOrder("1002", 7, 1);
    std::vector<std::pair<suite::Request, bool>> opened;
    s.procedures.set("UpdatePOMaster", [&](Session& ss) {
        opened.push_back({ss.globals.GlobalRequest, ss.module.viewOnly});
        EXPECT_EQ(static_cast<ULong>(ss.globals.DecimalVariable), ss.module.viewOnly ? a.POID : b.POID);
    });
    BrowsePOMaster br(*s);
    br.open();
    br.setShowFullyReconciled(true);
    ASSERT_TRUE(br.highlightPOID(a.POID));
    const char* full = "This purchase order has been fully reconciled.  Are you sure you wish to edit the purchase "
                       "order at this time?";
    s.ui.expectAsk(full, "Purchase Order Partially Reconciled", "&View Only|&Edit|&Cancel", Icon::Warning).answer(1);
    br.change();
    s.ui.expectAsk(full, "Purchase Order Partially Reconciled", "&View Only|&Edit|&Cancel", Icon::Warning).answer(3);
    br.change();
    ASSERT_TRUE(br.highlightPOID(b.POID));
    s.ui.expectAsk("This purchase order has been partially reconciled.  Are you sure you wish to edit the purchase "
                   "order at this time?",
                   "Purchase Order Partially Reconciled", "&Yes|&No", Icon::Warning)
        .answer(1);
    br.change();
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], std::make_pair(suite::Request::Change, true));
    EXPECT_EQ(opened[1], std::make_pair(suite::Request::Change, false));
    EXPECT_FALSE(s->module.viewOnly);
}

TEST_F(BrowseTest, ExportWithoutTagsSaysSoAndOpensNothing) {
    addOrder("1001", 7);
    bool exported = false;
    s.procedures.set("ExportPO", [&](Session&) { exported = true; });
    BrowsePOMaster br(*s);
    br.open();
    s.ui.expectTell("No purchase orders are tagged for export.", "No Tagged POs", Icon::Information);
    br.exportTagged();
    EXPECT_FALSE(exported);
    br.tag();
    br.exportTagged();
    EXPECT_TRUE(exported);
}

TEST_F(BrowseTest, ReconcilingTheHighlightedOrderReleasesItsFiguresAndUnreconcilingRestoresThem) {
    POMaster po = addOrder("1001", 7);
    addJobLine(po, "10", 25.0, "4");
    addNailLine(po, "2");
    post(po);
    ASSERT_EQ(committed(), "150.00");
    ASSERT_EQ(onOrder(), "100.0000");
    BrowsePOMaster br(*s);
    br.open();
    s.ui.expectAsk("Marking the highlighted Purchase Order as Fully Reconciled|will PERMANENTLY alter the purchase "
                   "order so that it will |no longer be Open and cannot be edited or reconciled with |a Packing Slip "
                   "or Invoice.||Are you sure you want to mark the highlighted Purchase Order |as Fully Reconciled?",
                   "Reconcile Highlighted Purchase Order?", "&No|&Yes", Icon::Warning)
        .answer(2);
    br.reconcile();
    EXPECT_EQ(order(po.POID).Reconciled, 2);
    EXPECT_EQ(order(po.POID).RecTF, 1);
    EXPECT_EQ(committed(), "0.00");
    EXPECT_EQ(onOrder(), "0.0000");
    EXPECT_EQ(br.rowCount(), 0);  // gone from the open orders

    br.setShowFullyReconciled(true);
    s.ui.expectAsk("Are you sure you want to mark the highlighted|Purchase Order as unreconciled?",
                   "Un-Reconcile Purchase Order?", "&No|&Yes", Icon::Warning)
        .answer(2);
    br.reconcile();
    EXPECT_EQ(order(po.POID).Reconciled, 1);  // one line part invoiced
    EXPECT_EQ(order(po.POID).SortPONumber, "1001");
    EXPECT_EQ(committed(), "150.00");
    EXPECT_EQ(onOrder(), "100.0000");
}

TEST_F(BrowseTest, AnOrderInvoicedInFullCannotBeUnreconciled) {
    POMaster po = addOrder("1001", 7, 2);
    addJobLine(po, "10", 25.0, "10");
    PODetail text;
    text.POID = po.POID;
    text.TextFlag = 1;
    text.Reconciliation = 2;
    ASSERT_TRUE(store::Table<PODetail>(s.store()).insert(text));
    BrowsePOMaster br(*s);
    br.open();
    br.setShowFullyReconciled(true);
    s.ui.expectTell("All the line item quantities on this Purchase Order|have already been invoiced.  The Purchase "
                    "Order cannot |be unreconciled.",
                    "Unable to Un-Reconcile Highlighted Purchase Order?", Icon::Warning);
    br.reconcile();
    EXPECT_EQ(order(po.POID).Reconciled, 2);
}

TEST_F(BrowseTest, ReconcilingTaggedOrdersClosesOpenOnesReopensOthersAndClearsTheTags) {
    POMaster open = addOrder("1001", 7);
    addJobLine(open, "2", 10.0);
    POMaster closed = addOrder("1002", 7, 2);
    PODetail closedLine = addJobLine(closed, "4", 10.0, "1");
    closedLine.Reconciliation = 2;  // closed by an earlier Reconcile: it commits nothing
    ASSERT_TRUE(store::Table<PODetail>(s.store()).update(closedLine));
    post(open);
    BrowsePOMaster br(*s);
    br.open();
    br.setShowFullyReconciled(true);
    s.globals.TagQue.add(open.POID);
    s.globals.TagQue.add(closed.POID);
    s.ui.expectAsk("Would you like to Reconcile/Unreconcile the Highlighted|Purchase Order or the Tagged Purchase "
                   "Orders?",
                   "Highlighted or Tagged", "&Highlighted|&Tagged|&Cancel", Icon::Warning)
        .answer(2);
    s.ui.expectAsk("Marking the tagged Purchase Orders as Fully Reconciled will|PERMANENTLY alter the purchase orders "
                   "so that they will no|longer be Open and cannot be edited or reconciled with a|Packing Slip or "
                   "Invoice.||Are you sure you want to mark the tagged Purchase Orders as|Fully Reconciled?",
                   "Reconcile Tagged Purchase Orders?", "&No|&Yes", Icon::Warning)
        .answer(2);
    s.ui.expectAsk("One or more tagged Purchase Orders will now be marked |as unreconciled.  Do you wish to proceed?",
                   "Un-Reconcile Purchase Order(s)?", "&Yes|&No", Icon::Warning)
        .answer(1);
    br.reconcile();
    EXPECT_EQ(order(open.POID).Reconciled, 2);
    EXPECT_EQ(order(closed.POID).Reconciled, 1);
    EXPECT_EQ(committed(), "30.00");  // 20.00 released, 30.00 reopened
    EXPECT_TRUE(s.globals.TagQue.empty());
}

TEST_F(BrowseTest, AProcedureNotInstalledYetIsNamedNotSkipped) {
    addOrder("1001", 7);
    BrowsePOMaster br(*s);
    br.open();
    s.ui.expectTell("This part of the purchase-order module (ImportPOMaster) is not installed yet.", "Not Available",
                    Icon::Information);
    br.import();
    EXPECT_EQ(br.rowCount(), 1);
}

// The order's header cannot be deleted: its figures, notes, attachments
// and log entry stay as they were, and the clerk is told.
TEST_F(BrowseTest, AFailedDeleteChangesNothingAndSaysSo) {
    s.globals.LogUserActivity = 2;
    POMaster a = addOrder("1001", 7);
    addJobLine(a, "10", 25.0);
    addNailLine(a, "3");
    post(a);
    Notes note;
    note.Filename = "POMaster";
    note.EntityID = std::to_string(a.POID);
    ASSERT_TRUE(store::Table<Notes>(s.store()).insert(note));
    test::refuseWrites(s.store(), "POMaster", "DELETE", "Record locked");
    suite::ProcedureName named(s.errors, "BrowsePOMaster");
    BrowsePOMaster br(*s);
    br.open();
    s.ui.expectAsk("Are you sure you want to delete the highlighted Purchase Order?", "Confirm Delete", "&Yes|&No",
                   Icon::Warning)
        .answer(1);
    s.ui.expectTell("Record locked Deleting POMaster", "BrowsePOMaster", Icon::Error);
    br.deleteRecords();
    EXPECT_TRUE(exists(a.POID));
    EXPECT_EQ(committed(), "250.00");
    EXPECT_EQ(onOrder(), "150.0000");
    EXPECT_EQ(store::Table<Notes>(s.store()).count(), 1);
    EXPECT_EQ(store::Table<UserLog>(s.store()).count(), 0);
    EXPECT_EQ(linesOfOrder(s.store(), a.POID).size(), 2u);
}

// Print Blank PO hands the confirmed number to the print, and prints nothing
// when the confirmation is cancelled.
TEST_F(BrowseTest, PrintBlankPOPrintsTheConfirmedNumber) {
    BrowsePOMaster br(*s);
    br.open();
    std::vector<std::string> printedNumbers;
    s.procedures.set("PrintPurchaseOrderServer", [&](Session& ss) {
        EXPECT_EQ(ss.globals.DecimalVariable, 0.99);
        printedNumbers.push_back(ent::confirmedBlankPO(ss.module).poNumber);
    });
    s.views.set<ent::ConfirmBlankPO>([](ent::ConfirmBlankPO& d) {
        d.poNumber = "B-7";
        d.useNextNumber = false;
        d.ok();
    });
    s.globals.PrintPreview = 0;
    br.printBlankPO();
    EXPECT_EQ(printedNumbers, (std::vector<std::string>{"B-7"}));
    EXPECT_EQ(s.globals.PrintPreview, 1);
    s.views.set<ent::ConfirmBlankPO>([](ent::ConfirmBlankPO& d) { d.cancel(); });
    br.printBlankPO();
    EXPECT_EQ(printedNumbers.size(), 1u);
}
