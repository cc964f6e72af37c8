// The line form and the ship-to address dialog driven as a clerk would:
// typing into the entries, leaving them, look-ups, OK and Cancel, and the
// registration that runs each for its controller.
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

#include "gui/ent/line/line_charge_fields.h"
#include "gui/ent/line/line_views.h"
#include "gui/ent/line/ship_to_address_view.h"
#include "gui/ent/line/update_po_detail_view.h"
#include "gui/qt_driver.h"
#include "siblings/lookups/lookups.h"
#include "vtlpoent/line/line_checks.h"
#include "vtlpoent/line/priority_vendors.h"
#include "vtlpoent/line_fixture.h"

using namespace vtl;
using namespace vtl::test;
using gui::UpdatePODetailView;
using suite::Request;
using suite::Response;
using ui::Icon;

namespace {

const char* kInvalid = "Invalid Entry";

// Types into an entry and leaves it with Enter.
void enter(QLineEdit* e, const QString& text) {
    e->clear();
    typeText(e, text);
    pressKey(e, Qt::Key_Return);
}

void chooseType(UpdatePODetailView& w, const QString& type) {
    const int i = w.detailType()->findText(type);
    ASSERT_GE(i, 0) << type.toStdString();
    w.detailType()->setCurrentIndex(i);
    emit w.detailType()->activated(i);
}

bool shown(const QWidget* w, const QWidget* window) { return w->isVisibleTo(window); }

class LineViewTest : public LineTest {
protected:
    void SetUp() override {
        offscreenApp();
        LineTest::SetUp();
    }
    // A new line of the order, its form open and its window up.
    void openNew() {
        request(Request::Insert, po.POID);
        form = std::make_unique<ent::UpdatePODetail>(*s);
        ASSERT_TRUE(form->open());
        view = std::make_unique<UpdatePODetailView>(*form);
        view->show();
    }
    void setDates(bool accept, bool delivery, bool deadline) {
        Systems sys;
        sys.UseAcceptDate = accept;
        sys.UseDeliveryDate = delivery;
        sys.UseDeadlineDate = deadline;
        ASSERT_TRUE(store::Table<Systems>(s.store()).insert(sys));
    }
    // Whether the offscreen platform hands the window the keyboard.
    bool hasKeyboardFocus() {
        view->activateWindow();
        QApplication::processEvents();
        view->description()->setFocus();
        return view->description()->hasFocus();
    }
    // The lines as the purchase-order form now holds them.
    std::vector<PODetail> lines() { return held; }

    std::unique_ptr<ent::UpdatePODetail> form;
    std::unique_ptr<UpdatePODetailView> view;
};

}  // namespace

TEST_F(LineViewTest, InventoryLineTypedThroughTheEntriesSavesItsTotalAndStockingQuantity) {
    openNew();
    EXPECT_EQ(view->windowTitle(), "Adding a Purchase Order Line");
    chooseType(*view, "Inventory");
    auto* c = view->charge();
    enter(c->item, "NAIL");
    // The item brings its description and the order vendor's unit, catalogue number and price.
    EXPECT_EQ(view->description()->text(), "Common nail 3in");
    EXPECT_EQ(c->unit->text(), "BOX");
    EXPECT_EQ(view->vendorCatalog()->text(), "N-7");
    EXPECT_EQ(view->unitPrice()->text(), "30.0000");
    enter(view->quantity(), "4");
    EXPECT_EQ(view->quantity()->text(), "4.0000");
    EXPECT_EQ(view->total()->text(), "120.00");
    enter(c->location, "MAIN");
    enter(c->bin, "A1");
    enter(view->comment(), "Back door");
    EXPECT_FALSE(view->taxable()->isChecked()) << "the order is not taxable";
    view->taxable()->click();
    EXPECT_TRUE(view->isVisible()) << "Enter moves on; only OK saves";
    view->okButton()->click();
    EXPECT_FALSE(view->isVisible());
    EXPECT_EQ(s.globals.GlobalResponse, Response::Completed);
    auto saved = lines();
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].DetailType, "Inventory");
    EXPECT_EQ(saved[0].ItemID, "NAIL");
    EXPECT_EQ(saved[0].TotalAmount.toString(), "120.00");
    EXPECT_EQ(saved[0].INVQuantity.toString(), "200.0000");  // 4 boxes of 50
    EXPECT_EQ(saved[0].BinID, "A1");
    EXPECT_EQ(saved[0].Comment, "Back door");
    EXPECT_EQ(saved[0].Taxable, 1);
}

TEST_F(LineViewTest, TotalFollowsQuantityAndPriceAndUnreadableNumbersAreNotTaken) {
    openNew();
    chooseType(*view, "G/L Account");
    enter(view->quantity(), "3");
    enter(view->unitPrice(), "2.675");
    EXPECT_EQ(view->unitPrice()->text(), "2.6750");
    EXPECT_EQ(view->total()->text(), "8.03");
    enter(view->quantity(), "1,500.5");
    EXPECT_EQ(view->total()->text(), "4,013.84");
    enter(view->quantity(), "three");
    EXPECT_EQ(view->quantity()->text(), "1,500.5000") << "the entry shows what the line holds";
    EXPECT_EQ(form->line().QtyOrdered.toString(), "1500.5000");
    EXPECT_TRUE(view->total()->isReadOnly());
}

TEST_F(LineViewTest, LookupAndBetterPricesFillEveryFieldTheyChange) {
    openNew();
    chooseType(*view, "Inventory");
    auto* c = view->charge();
    // A look-up button takes no focus: what was typed so far counts first.
    view->quantity()->clear();
    typeText(view->quantity(), "2");
    s.ui.expectLookup(siblings::titles::kItem).choose("NAIL");
    c->lookupItem->click();
    EXPECT_EQ(c->item->text(), "NAIL");
    EXPECT_EQ(view->description()->text(), "Common nail 3in");
    EXPECT_EQ(view->total()->text(), "60.00");
    s.ui.expectLookup(ent::kPriorityVendorsTitle).choose(std::to_string(bargainPrice));
    c->betterPrices->click();
    EXPECT_EQ(view->unitPrice()->text(), "25.0000");
    EXPECT_EQ(view->vendorCatalog()->text(), "N-9");
    EXPECT_EQ(view->total()->text(), "50.00");
    EXPECT_EQ(form->chosenVendor(), 9u);
}

TEST_F(LineViewTest, SwitchingTypeShowsOnlyThatTypesFieldsAndClearsTheOthers) {
    openNew();
    auto* c = view->charge();
    EXPECT_EQ(view->detailType()->currentText(), "Job") << "a new line starts on a job";
    EXPECT_TRUE(shown(c->job, view.get()));
    EXPECT_FALSE(shown(c->account, view.get()));
    EXPECT_FALSE(shown(c->item, view.get()));
    EXPECT_FALSE(shown(c->betterPrices, view.get()));
    enter(c->job, "J100");
    c->costCode->setText("010100");
    enter(c->costType, "LAB");
    EXPECT_EQ(form->line().CostCode.str(), "010100LAB ");

    chooseType(*view, "G/L Account");
    EXPECT_FALSE(shown(c->job, view.get()));
    EXPECT_FALSE(shown(c->costCode, view.get()));
    EXPECT_TRUE(shown(c->account, view.get()));
    EXPECT_TRUE(form->line().JobID.blank());
    chooseType(*view, "Equipment");
    EXPECT_TRUE(shown(c->equipment, view.get()));
    EXPECT_TRUE(shown(c->costCategory, view.get()));
    EXPECT_FALSE(shown(c->account, view.get()));
    chooseType(*view, "Job");
    EXPECT_EQ(c->job->text(), "") << "the job went with the type";
    EXPECT_EQ(c->costCode->text(), "");
    EXPECT_EQ(c->costType->text(), "");
}

TEST_F(LineViewTest, MovingFromCostCodeToItsTypeHandsThemOverTogether) {
    openNew();
    if (!hasKeyboardFocus()) GTEST_SKIP() << "this platform gives no keyboard focus";
    auto* c = view->charge();
    enter(c->job, "J100");
    c->costCode->setFocus();
    typeText(c->costCode, "010100");
    // The cost code alone is no code of the job; nothing is said until its type is in.
    c->costType->setFocus();
    EXPECT_TRUE(form->line().CostCode.blank());
    typeText(c->costType, "LAB");
    view->quantity()->setFocus();
    EXPECT_EQ(form->line().CostCode.str(), "010100LAB ");
}

TEST_F(LineViewTest, RefusedEntryShowsTheLineValueAgainAndKeepsTheFocus) {
    openNew();
    auto* c = view->charge();
    enter(c->job, "J100");
    s.ui.expectTell("Job J999 was not found.", kInvalid, Icon::Warning);
    enter(c->job, "J999");
    EXPECT_EQ(c->job->text(), "J100");
    EXPECT_EQ(form->line().JobID, "J100");

    // A cost code with an unknown type puts both halves back.
    s.ui.expectTell("Cost code 010100 MAT was not found on job J100.", kInvalid, Icon::Warning);
    c->costCode->setText("010100");
    enter(c->costType, "MAT");
    EXPECT_EQ(c->costCode->text(), "");
    EXPECT_EQ(c->costType->text(), "");

    if (!hasKeyboardFocus()) GTEST_SKIP() << "this platform gives no keyboard focus";
    // Tab out of a refused entry: the focus comes back to it.
    c->job->setFocus();
    c->job->clear();
    typeText(c->job, "J5");
    s.ui.expectTell("Job J5 was not found.", kInvalid, Icon::Warning);
    view->description()->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(c->job->hasFocus());
    EXPECT_EQ(c->job->text(), "J100");
}

TEST_F(LineViewTest, OkSavesOnlyWhatTheControllerAcceptsAndStaysOpenOtherwise) {
    openNew();
    auto* c = view->charge();
    enter(c->job, "J100");
    s.ui.expectTell("Enter the cost code of the line.", kInvalid, Icon::Warning);
    view->okButton()->click();
    EXPECT_TRUE(view->isVisible());
    EXPECT_TRUE(lines().empty());

    // Typing still in an entry (OK by its shortcut takes no focus) is handed over first.
    c->costCode->setText("010100");
    c->costType->setText("LAB");
    view->quantity()->setText("2");
    view->unitPrice()->setText("10");
    view->accept();
    EXPECT_FALSE(view->isVisible());
    auto saved = lines();
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].CostCode, "010100LAB");
    EXPECT_EQ(saved[0].TotalAmount.toString(), "20.00");
    EXPECT_EQ(saved[0].CommittedPrice.toString(), "20.00");
}

TEST_F(LineViewTest, TextLineShowsOnlyItsTextAndSavesNoQuantity) {
    openNew();
    chooseType(*view, "G/L Account");
    enter(view->quantity(), "5");
    enter(view->unitPrice(), "10");
    view->textLine()->click();
    EXPECT_TRUE(shown(view->text(), view.get()));
    EXPECT_FALSE(shown(view->quantity(), view.get()));
    EXPECT_FALSE(shown(view->total(), view.get()));
    EXPECT_FALSE(shown(view->charge(), view.get()));
    EXPECT_FALSE(shown(view->detailType(), view.get()));
    view->text()->insertPlainText(QString(1200, QLatin1Char('x')));
    EXPECT_EQ(view->text()->toPlainText().size(), 1000) << "the field holds 1000 characters";
    view->text()->setPlainText(QStringLiteral("Deliver to the north gate.\nCall ahead."));
    view->okButton()->click();
    auto saved = lines();
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].TextFlag, 1);
    EXPECT_TRUE(saved[0].QtyOrdered.isZero());
    EXPECT_TRUE(saved[0].TotalAmount.isZero());
    EXPECT_EQ(saved[0].Text.str(), "Deliver to the north gate.\nCall ahead.");

    // Turned off again, the fields are back.
    request(Request::Change, saved[0].DetailID);
    ent::UpdatePODetail f(*s);
    ASSERT_TRUE(f.open());
    UpdatePODetailView w(f);
    EXPECT_EQ(w.windowTitle(), "Changing a Purchase Order Line");
    EXPECT_TRUE(w.textLine()->isChecked());
    EXPECT_EQ(w.text()->toPlainText(), "Deliver to the north gate.\nCall ahead.");
    w.textLine()->click();
    EXPECT_TRUE(shown(w.quantity(), &w));
    EXPECT_FALSE(shown(w.text(), &w));
    EXPECT_EQ(f.line().TextFlag, 0);
}

TEST_F(LineViewTest, ViewOnlyOrderHasNoOkAndCancelAnswersCancelled) {
    PODetail d = addLine(1);
    s.module.viewOnly = true;
    request(Request::Change, d.DetailID);
    ent::UpdatePODetail f(*s);
    ASSERT_TRUE(f.open());
    UpdatePODetailView w(f);
    w.show();
    EXPECT_FALSE(w.okButton()->isEnabled());
    EXPECT_EQ(w.charge()->account->text(), "5000-00");
    enter(w.quantity(), "9");
    w.accept();  // Enter on the default button
    EXPECT_TRUE(w.isVisible());
    pressKey(&w, Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(f.done());
    EXPECT_EQ(s.globals.GlobalResponse, Response::Cancelled);
    EXPECT_TRUE(stored(d.DetailID).QtyOrdered.isZero());
}

TEST_F(LineViewTest, DatesAppearAsTheSettingsSayAndAreTakenAsTyped) {
    setDates(false, true, true);
    openNew();
    EXPECT_FALSE(shown(view->acceptDate(), view.get()));
    EXPECT_TRUE(shown(view->deliveryDate(), view.get()));
    EXPECT_TRUE(shown(view->deadlineDate(), view.get()));
    enter(view->deliveryDate(), "7/15/26");
    EXPECT_EQ(form->line().DeliveryDate, Date::fromYmd(2026, 7, 15));
    enter(view->deadlineDate(), "13/45/26");
    EXPECT_TRUE(form->line().DeadlineDate.isNull());
    EXPECT_EQ(view->deadlineDate()->text(), "");
    enter(view->deliveryDate(), "");
    EXPECT_TRUE(form->line().DeliveryDate.isNull()) << "a cleared date is no date";

    // The calendar beside a date hands the picked day over as if typed.
    whenModal<QDialog>([](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Select a Date");
        d->findChild<QCalendarWidget*>()->setSelectedDate(QDate(2026, 8, 3));
        d->accept();
    });
    const auto calendars = view->deliveryDate()->parentWidget()->findChildren<QToolButton*>();
    QToolButton* beside = nullptr;
    for (QToolButton* b : calendars)
        if (b->toolTip() == "Select a Date" && b->geometry().left() > view->deliveryDate()->geometry().left() &&
            (!beside || b->geometry().left() < beside->geometry().left()))
            beside = b;
    ASSERT_NE(beside, nullptr);
    beside->click();
    EXPECT_EQ(form->line().DeliveryDate, Date::fromYmd(2026, 8, 3));
    EXPECT_EQ(view->deliveryDate()->text(), "8/03/26");
}

TEST_F(LineViewTest, RegisteredViewRunsForTheProcedureAndClosingCancels) {
    gui::registerLineViews(s.views);
    request(Request::Insert, po.POID);
    whenModal<UpdatePODetailView>([](UpdatePODetailView* w) {
        chooseType(*w, "G/L Account");
        enter(w->charge()->account, "5000-00");
        enter(w->quantity(), "2");
        enter(w->unitPrice(), "7.5");
        w->okButton()->click();
    });
    s->call("UpdatePODetail");
    EXPECT_EQ(s.globals.GlobalResponse, Response::Completed);
    ASSERT_EQ(lines().size(), 1u);
    EXPECT_EQ(lines()[0].TotalAmount.toString(), "15.00");

    request(Request::Insert, po.POID);
    whenModal<UpdatePODetailView>([](UpdatePODetailView* w) { w->close(); });
    s->call("UpdatePODetail");
    EXPECT_EQ(s.globals.GlobalResponse, Response::Cancelled);
    EXPECT_EQ(lines().size(), 1u);
}

TEST_F(LineViewTest, ShipToDialogHandsBackWhatWasTypedCutToTheFields) {
    po.ShipToName = "Library Annex";
    po.ShipToCity = "Tacoma";
    auto d = ent::EnterShipToAddress::from(po);
    gui::EnterShipToAddressView w(d);
    EXPECT_EQ(w.windowTitle(), "Ship To Address");
    EXPECT_EQ(w.name()->text(), "Library Annex");
    EXPECT_EQ(w.city()->text(), "Tacoma");
    enter(w.address1(), "1200 Pacific Ave");
    enter(w.address2(), "Dock 3");
    enter(w.state(), "WAX");
    enter(w.zip(), "98402-1234-99");
    enter(w.contact(), "Site Office");
    EXPECT_EQ(w.state()->text(), "WA");
    w.okButton()->click();
    EXPECT_TRUE(d.proceed);
    EXPECT_EQ(d.address1, "1200 Pacific Ave");
    EXPECT_EQ(d.address2, "Dock 3");
    EXPECT_EQ(d.state, "WA");
    EXPECT_EQ(d.zip, "98402-1234");
    EXPECT_EQ(d.contact, "Site Office");
    EXPECT_EQ(d.name, "Library Annex");
    POMaster after;
    d.applyTo(after);
    EXPECT_EQ(after.ShipToCity, "Tacoma");
}

TEST_F(LineViewTest, F1InTheShipToDialogOpensItsHelpAndLeavesTheDialogOpen) {
    ent::EnterShipToAddress d;
    int helped = 0;
    d.help = [&] { ++helped; };
    gui::EnterShipToAddressView w(d);
    for (QShortcut* sc : w.findChildren<QShortcut*>())
        if (sc->key() == QKeySequence(QKeySequence::HelpContents)) emit sc->activated();
    EXPECT_EQ(helped, 1);
    EXPECT_FALSE(d.proceed);
}

TEST_F(LineViewTest, ShipToCancelHandsNothingBackThroughTheRegisteredView) {
    gui::registerLineViews(s.views);
    ent::EnterShipToAddress d;
    d.name = "Main Yard";
    whenModal<gui::EnterShipToAddressView>([](gui::EnterShipToAddressView* w) {
        typeText(w->name(), " and Shop");
        w->cancelButton()->click();
    });
    ASSERT_TRUE(s.views.run(d));
    EXPECT_FALSE(d.proceed);
    EXPECT_EQ(d.name, "Main Yard");

    whenModal<gui::EnterShipToAddressView>([](gui::EnterShipToAddressView* w) {
        enter(w->city(), "Olympia");  // Enter is OK
    });
    ASSERT_TRUE(s.views.run(d));
    EXPECT_TRUE(d.proceed);
    EXPECT_EQ(d.city, "Olympia");
}

TEST_F(LineViewTest, EnterInTheLastChargeEntryMovesOnAndSavesNothing) {
    openNew();
    chooseType(*view, "Inventory");
    auto* c = view->charge();
    enter(c->item, "NAIL");
    enter(c->location, "MAIN");
    enter(c->bin, "A1");  // the focus moves on to the button after it
    EXPECT_TRUE(view->isVisible());
    EXPECT_TRUE(lines().empty()) << "only OK saves the line";
    enter(view->quantity(), "2");
    view->okButton()->click();
    EXPECT_FALSE(view->isVisible());
    EXPECT_EQ(lines().size(), 1u);
}

TEST_F(LineViewTest, CanadianModeChoosesWhichTaxesApplyToTheLine) {
    Systems sys;
    sys.CanadianTax = 1;
    ASSERT_TRUE(store::Table<Systems>(s.store()).insert(sys));
    openNew();
    EXPECT_FALSE(shown(view->taxable(), view.get()));
    ASSERT_TRUE(shown(view->canadianTax(), view.get()));
    chooseType(*view, "G/L Account");
    enter(view->charge()->account, "5000-00");
    const int gstOnly = view->canadianTax()->findText("GST only");
    view->canadianTax()->setCurrentIndex(gstOnly);
    emit view->canadianTax()->activated(gstOnly);
    view->okButton()->click();
    auto saved = lines();
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].Taxable, 2);
}
