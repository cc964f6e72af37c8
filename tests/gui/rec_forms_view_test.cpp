// The packing-slip windows: the purchase order with its lines, and the line
// form with its quantity, stock place and serial numbers.
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QToolButton>

#include "gui/qt_driver.h"
#include "gui/rec/rec_views.h"
#include "gui/rec/reconcile_po_detail_view.h"
#include "gui/rec/update_po_reconcile_view.h"
#include "records/records.h"
#include "siblings/lookups/lookups.h"
#include "support/test_session.h"
#include "vtlporec/procedures.h"

using namespace vtl;
using namespace vtl::test;

namespace {

class ReconcileFormsViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        offscreenApp();
        Systems sys;
        sys.UseAcceptDate = 1;
        sys.UseDeliveryDate = 0;
        sys.UseDeadlineDate = 1;
        ASSERT_TRUE(store::Table<Systems>(s.store()).insert(sys));
        APVendor v;
        v.VendorID = 42;
        v.VendorName = "Ridge Lumber";
        v.Phone = "555-0100";
        ASSERT_TRUE(store::Table<APVendor>(s.store()).insert(v));
        GLMaster g;
        g.Account = "5100";
        g.Description = "Small Tools";
        ASSERT_TRUE(store::Table<GLMaster>(s.store()).insert(g));
        INMaster saw;
        saw.ItemID = "SAW";
        saw.StockUnit = "EA";
        saw.Serialized = 1;
        ASSERT_TRUE(store::Table<INMaster>(s.store()).insert(saw));
        INLoc main;
        main.LocationID = "MAIN";
        main.Description = "Main Yard";
        ASSERT_TRUE(store::Table<INLoc>(s.store()).insert(main));

        POMaster po;
        po.PONumber = "1001";
        po.VendorID = 42;
        po.IssueDate = Date::fromYmd(2026, 6, 15);
        po.TaxAmount = *Money::parse("10.00");
        ASSERT_TRUE(store::Table<POMaster>(s.store()).insert(po));
        poid = po.POID;
        tools = addLine("G/L Account", "", 10, *Money::parse("100.00"));
        saws = addLine("Inventory", "SAW", 3, *Money::parse("450.00"));
        rec::registerRecProcedures(s.procedures);
        gui::registerRecViews(s.views);
    }
    ULong addLine(const char* type, const char* item, double qty, Money total) {
        PODetail d;
        d.POID = poid;
        d.DetailType = type;
        d.ItemID = item;
        d.Description = std::string(item) + " line";
        d.Account = "5100";
        d.UnitName = "EA";
        d.QtyOrdered = Quantity::fromDouble(qty);
        d.TotalAmount = total;
        EXPECT_TRUE(store::Table<PODetail>(s.store()).insert(d));
        return d.DetailID;
    }
    PODetail stored(ULong id) {
        PODetail d;
        d.DetailID = id;
        EXPECT_TRUE(store::Table<PODetail>(s.store()).fetch(PODetail::KeyDetailID, d));
        return d;
    }
    std::unique_ptr<rec::UpdatePOReconcile> orderForm(suite::Request request = suite::Request::Change) {
        s.globals.GlobalRequest = request;
        s.globals.DecimalVariable = poid;
        auto f = std::make_unique<rec::UpdatePOReconcile>(*s);
        EXPECT_TRUE(f->open());
        return f;
    }
    std::unique_ptr<rec::ReconcilePODetail> lineForm(ULong id, suite::Request request = suite::Request::Change) {
        s.globals.GlobalRequest = request;
        s.globals.DecimalVariable = id;
        auto f = std::make_unique<rec::ReconcilePODetail>(*s);
        EXPECT_TRUE(f->open());
        return f;
    }
    // Shown and given the keyboard, so focus and shortcuts behave.
    static void showActive(QWidget* w) {
        w->show();
        w->activateWindow();
        QApplication::processEvents();
    }
    // Types into an entry and leaves it with Enter, as a person would.
    static void enter(QLineEdit* e, const QString& text) {
        e->setFocus();
        e->selectAll();
        typeText(e, text);
        pressKey(e, Qt::Key_Return);
    }
    // With RECVIEW_SHOTS set to a folder, the window is saved there to be looked at.
    static void shoot(QWidget* w, const char* name) {
        const QString folder = qEnvironmentVariable("RECVIEW_SHOTS");
        if (folder.isEmpty()) return;
        QApplication::processEvents();
        w->grab().save(QDir(folder).filePath(QString::fromLatin1(name) + ".png"));
    }

    TestSession s;
    ULong poid = 0, tools = 0, saws = 0;
};

TEST_F(ReconcileFormsViewTest, TheOrderShowsItsHeaderTheSwitchedOnDatesAndTheLineTotals) {
    auto form = orderForm();
    gui::UpdatePOReconcileView w(*form);
    w.show();
    shoot(&w, "order");
    EXPECT_EQ(w.windowTitle(), "Reconciling a Purchase Order");
    EXPECT_EQ(w.shown("VendorName")->text(), "Ridge Lumber");
    EXPECT_EQ(w.shown("Phone")->text(), "555-0100");
    EXPECT_EQ(w.shown("PONumber")->text(), "1001");
    EXPECT_FALSE(w.shown("IssueDate")->text().isEmpty());
    EXPECT_TRUE(w.rowShown("AcceptDate"));
    EXPECT_FALSE(w.rowShown("DeliveryDate"));
    EXPECT_TRUE(w.rowShown("DeadlineDate"));
    EXPECT_TRUE(w.rowShown("DefaultJob"));
    EXPECT_EQ(w.shown("Subtotal")->text(), "550.00");
    EXPECT_EQ(w.shown("Tax")->text(), "10.00");
    EXPECT_EQ(w.shown("Total")->text(), "560.00");

    ASSERT_EQ(w.list()->model()->rowCount(), 2);
    const auto align = [&](int column) {
        return w.list()->model()->index(0, column).data(Qt::TextAlignmentRole).toInt() & Qt::AlignHorizontal_Mask;
    };
    EXPECT_EQ(align(1), Qt::AlignLeft);
    for (int c = 2; c < 6; ++c) EXPECT_EQ(align(c), Qt::AlignRight) << c;
    EXPECT_TRUE(w.list()->alternatingRowColors());
    EXPECT_TRUE(w.changeButton()->isEnabled());
    EXPECT_TRUE(w.sendButton()->isEnabled());
    EXPECT_EQ(w.sendButton()->toolTip(), "Send list contents to...");

    w.cancelButton()->click();
    EXPECT_TRUE(form->closed());
    EXPECT_EQ(s.globals.GlobalResponse, suite::Response::Cancelled);

    s.globals.JobCostInstalled = false;
    auto generic = orderForm();
    gui::UpdatePOReconcileView g(*generic);
    EXPECT_FALSE(g.rowShown("DefaultJob"));
    g.reject();
}

TEST_F(ReconcileFormsViewTest, AnOrderWithoutLinesOrOnlyViewedOffersNoChange) {
    POMaster empty;
    empty.PONumber = "2002";
    ASSERT_TRUE(store::Table<POMaster>(s.store()).insert(empty));
    s.globals.GlobalRequest = suite::Request::Change;
    s.globals.DecimalVariable = empty.POID;
    rec::UpdatePOReconcile none(*s);
    ASSERT_TRUE(none.open());
    {
        gui::UpdatePOReconcileView w(none);
        EXPECT_FALSE(w.changeButton()->isEnabled());
        EXPECT_FALSE(w.sendButton()->isEnabled());
        w.okButton()->click();
        EXPECT_TRUE(none.closed());
    }
    auto viewed = orderForm(suite::Request::View);
    gui::UpdatePOReconcileView v(*viewed);
    EXPECT_EQ(v.windowTitle(), "View Record");
    EXPECT_FALSE(v.changeButton()->isEnabled());
    EXPECT_TRUE(v.sendButton()->isEnabled());
    v.reject();
}

TEST_F(ReconcileFormsViewTest, AQuantityTypedInTheLineFormShowsInTheListAndJoinsThePriorSlipsOnOK) {
    auto form = orderForm();
    gui::UpdatePOReconcileView w(*form);
    showActive(&w);
    w.list()->setCurrentIndex(w.list()->model()->index(1, 0));
    EXPECT_EQ(form->highlighted(), 1);
    // Enter on the list opens the highlighted line, never closes the order.
    bool opened = false;
    whenModal<gui::ReconcilePODetailView>([&](gui::ReconcilePODetailView* line) {
        opened = true;
        EXPECT_EQ(line->shown("ItemID")->text(), "SAW");
        line->cancelButton()->click();
    });
    w.list()->setFocus();
    pressKey(w.list(), Qt::Key_Return);
    ASSERT_TRUE(opened);
    EXPECT_TRUE(w.isVisible());

    w.list()->setCurrentIndex(w.list()->model()->index(0, 0));
    bool seen = false;
    whenModal<gui::ReconcilePODetailView>([&](gui::ReconcilePODetailView* line) {
        seen = true;
        EXPECT_EQ(line->windowTitle(), "Reconciling Purchase Order Detail");
        enter(line->entry("QtyThisPackSlip"), "4");
        EXPECT_TRUE(line->isVisible()) << "Enter in an entry must not press OK";
        line->okButton()->click();
    });
    w.changeButton()->click();
    ASSERT_TRUE(seen);
    EXPECT_EQ(w.list()->model()->index(0, 5).data().toString(), "4.00");
    EXPECT_EQ(stored(tools).QtyThisPackSlip, Quantity(4));

    w.okButton()->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(stored(tools).QtyRcvdNotInvoiced, Quantity(4));
    EXPECT_TRUE(stored(tools).QtyThisPackSlip.isZero());
}

TEST_F(ReconcileFormsViewTest, TheLineFormKeepsTheOldQuantityForUnreadableTextAndStaysOpenWhenOverReceived) {
    auto form = lineForm(tools);
    gui::ReconcilePODetailView w(*form);
    showActive(&w);
    shoot(&w, "line_account");
    EXPECT_EQ(w.shown("Distribution1")->text(), "Account 5100 (Small Tools)");
    EXPECT_FALSE(w.distribution()->isHidden());
    EXPECT_TRUE(w.stockPlace()->isHidden());
    EXPECT_EQ(w.shown("QtyOrdered")->text(), "10.00");
    EXPECT_TRUE(w.serialList()->isHidden());
    EXPECT_TRUE(w.serialEntry()->isHidden());

    QLineEdit* qty = w.entry("QtyThisPackSlip");
    enter(qty, "abc");
    EXPECT_EQ(qty->text(), "0.00");
    EXPECT_TRUE(form->line().QtyThisPackSlip.isZero());

    enter(qty, "11");
    EXPECT_EQ(form->line().QtyThisPackSlip, Quantity(11));
    s.ui.expectTell("The total reconciled quantity is more than the ordered quantity.", "PO Over Reconciled",
                    ui::Icon::Information);
    w.okButton()->click();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.focusWidget(), qty);

    // Typed but not yet left: OK takes it first.
    qty->setFocus();
    qty->selectAll();
    typeText(qty, "10");
    w.okButton()->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(stored(tools).QtyThisPackSlip, Quantity(10));
}

TEST_F(ReconcileFormsViewTest, SerialNumbersSwitchBetweenListAndEntryWithTheQuantity) {
    auto form = lineForm(saws);
    gui::ReconcilePODetailView w(*form);
    showActive(&w);
    EXPECT_TRUE(w.distribution()->isHidden());
    EXPECT_FALSE(w.stockPlace()->isHidden());
    EXPECT_TRUE(w.serialList()->isHidden());
    EXPECT_TRUE(w.serialEntry()->isHidden());

    enter(w.entry("QtyThisPackSlip"), "3");
    EXPECT_FALSE(w.serialList()->isHidden());
    EXPECT_TRUE(w.serialEntry()->isHidden());
    whenModal<QDialog>([](QDialog* ask) {
        QLineEdit* e = ask->findChild<QLineEdit*>(QStringLiteral("SerialNo"));
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->maxLength(), 40);
        typeText(e, "S-1");
        ask->accept();
    });
    pressKey(w.serials(), Qt::Key_Insert);
    ASSERT_EQ(w.serials()->model()->rowCount(), 1);
    EXPECT_EQ(w.serials()->model()->index(0, 0).data().toString(), "S-1");
    shoot(&w, "line_serials");

    s.ui.expectTell("You must supply one serial number for each of the 3 units received.",
                    "Not Enough Serial Numbers", ui::Icon::Information);
    w.okButton()->click();
    EXPECT_TRUE(w.isVisible());

    enter(w.entry("QtyThisPackSlip"), "1");
    EXPECT_TRUE(w.serialList()->isHidden());
    EXPECT_FALSE(w.serialEntry()->isHidden());
    shoot(&w, "line_serial_entry");
    s.ui.expectTell("You must supply a serial number for serialized inventory.", "No Serial Number",
                    ui::Icon::Information);
    w.okButton()->click();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.focusWidget(), w.entry("SerialNo"));

    typeText(w.entry("SerialNo"), "SN-9");
    w.okButton()->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_NE(stored(saws).SerialID, 0u);
}

TEST_F(ReconcileFormsViewTest, F2InTheLocationOpensItsLookupAndAViewedLineIsReadOnly) {
    {
        auto form = lineForm(saws);
        gui::ReconcilePODetailView w(*form);
        showActive(&w);
        s.ui.expectLookup(siblings::titles::kLocation).choose("MAIN");
        w.entry("LocationID")->setFocus();
        pressKey(w.entry("LocationID"), Qt::Key_F2);
        EXPECT_EQ(w.entry("LocationID")->text(), "MAIN");
        EXPECT_EQ(w.shown("LocationDescription")->text(), "Main Yard");
        shoot(&w, "line_stock");
        w.cancelButton()->click();
        EXPECT_TRUE(form->done());
    }
    auto viewed = lineForm(saws, suite::Request::View);
    gui::ReconcilePODetailView v(*viewed);
    v.show();
    EXPECT_EQ(v.windowTitle(), "View Record");
    EXPECT_TRUE(v.entry("QtyThisPackSlip")->isReadOnly());
    EXPECT_FALSE(v.locationLookup()->isEnabled());
    v.okButton()->click();
    EXPECT_FALSE(v.isVisible());
}

}  // namespace

TEST_F(ReconcileFormsViewTest, HelpAndF1OpenEachFormsOwnSection) {
    // No help pages in the test's installation: the topic each form opens is named.
    const auto expectHelp = [&] {
        s.ui.expectAsk("The help page for this window is not installed.|" + s.dir.path() +
                           "/html/PO_Reconcile_Purchase_Orders.htm",
                       "Help", "&OK", ui::Icon::Information);
    };
    const auto pressF1 = [](QWidget& w) {
        for (QShortcut* sc : w.findChildren<QShortcut*>())
            if (sc->key() == QKeySequence(QKeySequence::HelpContents)) emit sc->activated();
    };
    auto form = orderForm();
    gui::UpdatePOReconcileView order(*form);
    expectHelp();
    order.helpButton()->click();
    expectHelp();
    pressF1(order);
    EXPECT_FALSE(form->closed());
    order.reject();

    auto line = lineForm(tools);
    gui::ReconcilePODetailView lineView(*line);
    expectHelp();
    lineView.helpButton()->click();
    expectHelp();
    pressF1(lineView);
    EXPECT_FALSE(line->done());
    lineView.reject();
}
