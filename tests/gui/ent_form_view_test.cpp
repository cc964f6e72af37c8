// The window of the purchase-order form driven as a clerk would: typing into
// its entries, choosing from its lists, pressing its buttons.
#include <QApplication>
#include <QCalendarWidget>
#include <QContextMenuEvent>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <filesystem>
#include <fstream>

#include "gui/ent/form/form_widgets.h"
#include "gui/ent/form/update_po_master_view.h"
#include "gui/qt_driver.h"
#include "siblings/services/text_case.h"
#include "vtlpoent/form_fixture.h"

using namespace vtl;
using namespace vtl::test;
using ui::Icon;

namespace {

class FormViewTest : public FormTest {
protected:
    void SetUp() override {
        offscreenApp();
        FormTest::SetUp();
        ent::clearChosenVendorNames(s.module);
    }
    void TearDown() override { ent::clearChosenVendorNames(s.module); }

    std::unique_ptr<gui::UpdatePOMasterView> show(ent::UpdatePOMaster& f) {
        auto v = std::make_unique<gui::UpdatePOMasterView>(f, nullptr);
        v->show();
        QApplication::setActiveWindow(v.get());
        return v;
    }
    // Types into an entry as a person would and presses Enter.
    static void typeInto(QLineEdit* e, const QString& text) {
        e->setFocus();
        e->selectAll();
        pressKey(e, Qt::Key_Delete);
        typeText(e, text);
        pressKey(e, Qt::Key_Return);
    }
    static QString label(const gui::UpdatePOMasterView& v, const char* name) {
        return v.shown(QString::fromLatin1(name))->text();
    }
};

TEST_F(FormViewTest, AddModeShowsThePrimedOrderAndTheCaption) {
    auto f = openForm(suite::Request::Insert);
    auto v = show(*f);
    EXPECT_EQ(v->windowTitle(), "Adding a Purchase Order");
    EXPECT_EQ(v->entry("PONumber")->text(), "2001");
    EXPECT_EQ(v->purchasingAgent()->currentText(), "Jane Lee");
    EXPECT_EQ(v->dateEntry("IssueDate")->entry()->text(), "7/01/26");
    EXPECT_EQ(v->entry("TaxRate")->text(), "8.250%");
    EXPECT_FALSE(v->dateEntry("AcceptDate")->isVisible()) << "switched off in the settings";
    EXPECT_FALSE(v->tabs()->isTabVisible(1)) << "no invoice has reconciled a new order";
    EXPECT_TRUE(v->totals()->isVisible());
    EXPECT_FALSE(v->canadianTotals()->isVisible());
    v->reject();
    EXPECT_EQ(f->response(), suite::Response::Cancelled);
}

TEST_F(FormViewTest, AVendorTypedByNameOpensTheMatchesAndTheChoiceIsTaken) {
    auto f = openForm(suite::Request::Insert);
    auto v = show(*f);
    typeInto(v->entry("EnteredVendor"), "ac");
    // Three vendors begin with "ac": the first stands in while the list is open.
    ASSERT_EQ(v->vendorNames()->count(), 3);
    EXPECT_EQ(v->vendorNames()->currentText(), "ACE Rentals");
    v->vendorNames()->hidePopup();
    const int acorn = v->vendorNames()->findText("Acorn Hardware");
    ASSERT_GE(acorn, 0);
    v->vendorNames()->setCurrentIndex(acorn);
    emit v->vendorNames()->activated(acorn);
    EXPECT_EQ(f->header().VendorID, 8u);
    EXPECT_EQ(v->entry("EnteredVendor")->text(), "8");
    EXPECT_EQ(v->entry("Terms")->text(), "Net 30");

    // A number is taken at once; the names list then holds the vendors chosen so far.
    typeInto(v->entry("EnteredVendor"), "123");
    EXPECT_EQ(f->header().VendorID, 123u);
    EXPECT_EQ(v->vendorNames()->currentText(), "Cascade Lumber");
    EXPECT_EQ(v->vendorNames()->count(), 2);
    v->reject();
}

TEST_F(FormViewTest, TaxTypedOnTheFormShowsInTheTotals) {
    POMaster po = addOrder("1001", 123, {jobLine("J100", 100, 1), jobLine("J100", 20, 1), glLine(50)});
    post(po);
    auto f = openForm(suite::Request::Change, po.POID);
    auto v = show(*f);
    EXPECT_EQ(v->windowTitle(), "Changing a Purchase Order");
    EXPECT_EQ(v->lines()->model()->rowCount(), 3);
    typeInto(v->entry("TaxRate"), "8.25");
    EXPECT_EQ(label(*v, "Subtotal"), "170.00");
    EXPECT_EQ(v->entry("TaxAmount")->text(), "9.90");
    EXPECT_EQ(label(*v, "Total"), "179.90");
    typeInto(v->entry("TaxAmount"), "12");
    EXPECT_EQ(label(*v, "Total"), "182.00");
    EXPECT_EQ(v->entry("TaxRate")->text(), "10.000%");
    v->reject();
}

TEST_F(FormViewTest, CanadianModeShowsItsOwnTotalsAndBoxes) {
    setSystems([](Systems& x) {
        x.CanadianTax = 1;
        x.GSTRate = 5;
        x.GSTLabel = "GST";
        x.CompanyState = "ON";
    });
    PODetail both = glLine(100, 1), gstOnly = glLine(50, 2);
    POMaster po = addOrder("1001", 123, {both, gstOnly});
    auto f = openForm(suite::Request::Change, po.POID);
    auto v = show(*f);
    EXPECT_FALSE(v->totals()->isVisible());
    EXPECT_TRUE(v->canadianTotals()->isVisible());
    EXPECT_FALSE(v->taxableBox()->isVisible());
    EXPECT_EQ(label(*v, "GSTPrompt"), "GST  5%");
    const int on = v->province()->findText("ON");
    v->province()->setCurrentIndex(on);
    emit v->province()->activated(on);
    v->gstBox()->click();  // on
    v->pstBox()->click();  // on
    EXPECT_EQ(label(*v, "GST"), "7.50");
    EXPECT_EQ(label(*v, "PST"), "8.00");
    EXPECT_EQ(label(*v, "CanTotal"), "165.50");
    v->reject();
}

TEST_F(FormViewTest, ShipToShowsOnlyTheChosenTypesEntryAndFillsTheAddress) {
    setSystems([](Systems& x) {
        x.CompanyName = "Vantrel Builders";
        x.CompanyAddress1 = "12 Main St";
        x.CompanyCity = "Salem";
        x.CompanyState = "OR";
        x.CompanyZip = "97301";
    });
    s.globals.JobCostInstalled = 1;
    auto f = openForm(suite::Request::Insert);
    auto v = show(*f);
    auto choose = [&](const char* type) {
        const int i = v->shipToType()->findText(type);
        ASSERT_GE(i, 0) << type;
        v->shipToType()->setCurrentIndex(i);
        emit v->shipToType()->activated(i);
    };
    choose("Job");
    EXPECT_TRUE(v->entry("ShipToJob")->isVisible());
    EXPECT_FALSE(v->entry("ShipToCustomer")->isVisible());
    typeInto(v->entry("ShipToJob"), "J100");
    EXPECT_EQ(label(*v, "ShipToName"), "Harbor Bridge");
    choose("Customer");
    EXPECT_FALSE(v->entry("ShipToJob")->isVisible());
    EXPECT_TRUE(v->entry("ShipToCustomer")->isVisible());
    EXPECT_TRUE(v->button("Alternate")->isVisible());
    s.ui.expectTell("Please select a ship-to customer.", "No Customer Selected", Icon::Information);
    v->button("Alternate")->click();
    EXPECT_TRUE(v->entry("ShipToCustomer")->hasFocus());
    choose("Company");
    EXPECT_EQ(label(*v, "ShipToName"), "Vantrel Builders");
    EXPECT_EQ(label(*v, "CityStateZip"), "Salem, OR  97301");
    v->reject();
}

TEST_F(FormViewTest, OkAsksItsQuestionsAndClosesOnlyWhenSaved) {
    auto f = openForm(suite::Request::Insert);
    auto v = show(*f);
    s.ui.expectAsk("No Vendor has been entered. Do you wish to |save this Purchase Order with no Vendor ID?",
                   "Save with No Vendor Specified", "&Yes|&No", Icon::Question)
        .answer(2);
    v->button("&OK")->click();
    EXPECT_TRUE(v->isVisible()) << "No keeps the form open";
    EXPECT_TRUE(v->entry("EnteredVendor")->hasFocus());
    typeInto(v->entry("EnteredVendor"), "7");
    typeInto(v->entry("FOB"), "Origin");
    s.ui.expectAsk("No Line Items have been entered. Do you wish to |save this Purchase Order with no Line Items?",
                   "Save with No Line Items", "&Yes|&No", Icon::Question)
        .answer(1);
    v->button("&OK")->click();
    EXPECT_FALSE(v->isVisible());
    EXPECT_EQ(f->response(), suite::Response::Completed);
    const POMaster saved = stored(f->savedPOID());
    EXPECT_EQ(saved.VendorID, 7u);
    EXPECT_EQ(saved.FOB, "Origin");
    EXPECT_EQ(nextNumber(), 2002u);
}

TEST_F(FormViewTest, EnterMovesOnUnlessARuleSendsTheFocusBack) {
    setSystems([](Systems& x) { x.WarnDuplicatePO = 1; });
    addOrder("3001", 7, {});
    auto f = openForm(suite::Request::Insert);
    auto v = show(*f);
    typeInto(v->entry("FOB"), "Origin");
    EXPECT_TRUE(v->entry("ShipVia")->hasFocus()) << "Enter moves to the next entry";
    s.ui.expectAsk("Purchase Order Number 3001 has already been entered.||Re-enter the Purchase Order number?",
                   "Duplicate PO Number Warning", "&Yes|&No", Icon::Exclamation)
        .answer(1);
    typeInto(v->entry("PONumber"), "3001");
    EXPECT_TRUE(v->entry("PONumber")->hasFocus()) << "Yes sends the focus back to the number";
    EXPECT_EQ(v->entry("PONumber")->text(), "");
    v->reject();
}

TEST_F(FormViewTest, AnEntryStillBeingTypedInIsTakenByOk) {
    auto f = openForm(suite::Request::Insert);
    auto v = show(*f);
    typeInto(v->entry("EnteredVendor"), "7");
    queued.push_back(glLine(10));
    v->button("Lines:&Insert")->click();
    QLineEdit* via = v->entry("ShipVia");
    via->setFocus();
    typeText(via, "UPS");  // no Enter: OK must still take it
    v->button("&OK")->click();
    ASSERT_FALSE(v->isVisible());
    EXPECT_EQ(stored(f->savedPOID()).ShipVia, "UPS");
}

TEST_F(FormViewTest, RepetitiveInsertKeepsTheWindowOpenOnTheNextOrder) {
    s.module.repetitiveInsert = 1;
    auto f = openForm(suite::Request::Insert);
    auto v = show(*f);
    typeInto(v->entry("EnteredVendor"), "7");
    queued.push_back(glLine(10));
    v->button("Lines:&Insert")->click();
    v->tabs()->setCurrentIndex(2);
    const ULong first = f->header().POID;
    v->button("&OK")->click();
    EXPECT_TRUE(v->isVisible());
    EXPECT_NE(f->header().POID, first);
    EXPECT_EQ(v->entry("PONumber")->text(), "2002");
    EXPECT_EQ(v->entry("EnteredVendor")->text(), "");
    EXPECT_EQ(v->lines()->model()->rowCount(), 0);
    EXPECT_EQ(v->tabs()->currentIndex(), 0);
    EXPECT_EQ(stored(first).VendorID, 7u);
    v->reject();
    s.module.repetitiveInsert = 0;
}

TEST_F(FormViewTest, ViewModeAndTheViewOnlyFlagOfferNoChange) {
    POMaster po = addOrder("1001", 123, {glLine(10), glLine(20)});
    auto f = openForm(suite::Request::View, po.POID);
    auto v = show(*f);
    EXPECT_EQ(v->windowTitle(), "View Record");
    EXPECT_TRUE(v->entry("Terms")->isReadOnly());
    EXPECT_FALSE(v->button("Lines:&Insert")->isEnabled());
    EXPECT_FALSE(v->button("Lines:&Delete")->isEnabled());
    EXPECT_FALSE(v->tabs()->isTabVisible(3)) << "no notes to view";
    v->reject();

    s.module.viewOnly = true;
    auto g = openForm(suite::Request::Change, po.POID);
    auto w = show(*g);
    EXPECT_FALSE(w->button("&OK")->isEnabled());
    // Nothing may be written to an order opened View Only: no line, no
    // move, no tax switch, no attachment.
    EXPECT_FALSE(w->button("Lines:&Insert")->isEnabled());
    EXPECT_FALSE(w->button("Lines:&Delete")->isEnabled());
    EXPECT_FALSE(w->button("Attachments:&Insert")->isEnabled());
    EXPECT_TRUE(w->entry("Terms")->isReadOnly());
    w->reject();
    s.module.viewOnly = false;
    EXPECT_EQ(storedOrder(po.POID).size(), 2u);
}

TEST_F(FormViewTest, LinesKeepTheHighlightThroughMovesAndTheInsertKeyAddsOne) {
    POMaster po = addOrder("1001", 123, {glLine(10), glLine(20), glLine(30)});
    auto f = openForm(suite::Request::Change, po.POID);
    auto v = show(*f);
    QTableView* list = v->lines();
    list->setFocus();
    list->selectRow(2);
    list->setCurrentIndex(list->model()->index(2, 0));
    v->findChild<QToolButton*>("MoveToTop")->click();
    EXPECT_EQ(list->model()->index(0, 4).data().toString(), "30.00");
    EXPECT_EQ(list->currentIndex().row(), 0) << "the moved line stays highlighted";
    v->findChild<QToolButton*>("MoveUp")->click();  // on the first row: nothing
    EXPECT_EQ(list->model()->index(0, 4).data().toString(), "30.00");
    queued.push_back(glLine(40));
    pressKey(list, Qt::Key_Insert);
    ASSERT_EQ(list->model()->rowCount(), 4);
    EXPECT_EQ(list->model()->index(3, 4).data().toString(), "40.00");
    EXPECT_EQ(list->currentIndex().row(), 3);
    v->reject();
}

TEST_F(FormViewTest, FilesDroppedOnTheAttachmentsTabAreAttachedAndPreviewed) {
    const std::string file = s.folder + "/quote.pdf";
    std::ofstream(file) << "%PDF-1.4 quote";
    auto f = openForm(suite::Request::Insert);
    auto v = show(*f);
    v->dropPaths({QString::fromStdString(file)});  // lines tab up: not taken
    EXPECT_EQ(v->attachments()->model()->rowCount(), 0);
    v->tabs()->setCurrentIndex(2);
    s.ui.expectAsk("Would you like to attach this file|to this Purchase Order?", "Attach?", "&Yes|&No", Icon::Question)
        .answer(1);
    v->dropPaths({QString::fromStdString(file)});
    ASSERT_EQ(v->attachments()->model()->rowCount(), 1);
    EXPECT_EQ(v->attachments()->model()->index(0, 0).data().toString(), "quote.pdf");
    EXPECT_EQ(v->attachments()->model()->index(0, 1).data().toString(), "PDF");
    EXPECT_TRUE(v->preview()->isVisible());
    EXPECT_FALSE(v->preview()->pixmap().isNull());
    v->reject();
}

TEST_F(FormViewTest, EarlierEntriesAreRememberedAndOfferedWhileAutoEntryIsOn) {
    suite::AutoEntryStore store;
    ASSERT_TRUE(store.init(s.folder + "/EasyAutoEntry.tps"));
    auto f = openForm(suite::Request::Insert);
    gui::UpdatePOMasterView v(*f, &store);
    v.show();
    typeInto(v.entry("FOB"), "Jobsite");
    typeInto(v.entry("ShipVia"), "Vendor truck");
    EXPECT_EQ(store.entries("FOB"), std::vector<std::string>{"Jobsite"});
    QLineEdit* fob = v.entry("FOB");
    fob->clear();
    typeText(fob, "jo");
    ASSERT_NE(fob->completer(), nullptr);
    EXPECT_EQ(fob->completer()->completionCount(), 1);
    EXPECT_EQ(fob->completer()->currentCompletion(), "Jobsite");
    store.setEnabled(false);
    fob->clear();
    typeText(fob, "j");
    EXPECT_EQ(fob->completer()->completionCount(), 0) << "nothing is offered while it is off";
    v.reject();
}

TEST_F(FormViewTest, TheCaseMenuOnAnEntryRewritesItAndIsKept) {
    s.views.set<services::GetCase>([](services::GetCase& menu) { menu.choose(2); });
    auto f = openForm(suite::Request::Insert);
    auto v = show(*f);
    QLineEdit* fob = v->entry("FOB");
    typeInto(fob, "destination");
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(2, 2), fob->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(fob, &menu);
    EXPECT_EQ(fob->text(), "DESTINATION");
    typeInto(fob, "origin");
    EXPECT_EQ(fob->text(), "ORIGIN");
    v->reject();
}

TEST_F(FormViewTest, NotesAreTaggedAndOnlySentWhenThereAreAny) {
    POMaster po = addOrder("1001", 123, {glLine(10)});
    for (const char* heading : {"Call", "Visit"}) {
        Notes n;
        n.Filename = "POMaster";
        n.EntityID = std::to_string(po.POID);
        n.Heading = heading;
        n.Note = "Spoke to the yard";
        ASSERT_TRUE(store::Table<Notes>(s.store()).insert(n));
    }
    auto f = openForm(suite::Request::Change, po.POID);
    auto v = show(*f);
    ASSERT_TRUE(v->tabs()->isTabVisible(3));
    ASSERT_EQ(v->notes()->model()->rowCount(), 2);
    EXPECT_TRUE(v->button("Send List Contents to ...")->isEnabled());
    v->button("Tag &all")->click();
    EXPECT_EQ(v->taggedNotes().size(), 2);
    v->notes()->setCurrentIndex(v->notes()->model()->index(0, 1));
    emit v->notes()->clicked(v->notes()->model()->index(0, 0));
    EXPECT_EQ(v->taggedNotes().size(), 1);
    EXPECT_EQ(v->notes()->model()->index(0, 0).data().toString(), "");
    v->button("&Untag all")->click();
    EXPECT_TRUE(v->taggedNotes().isEmpty());
    v->reject();
}

TEST_F(FormViewTest, TheCalendarButtonPicksADate) {
    auto f = openForm(suite::Request::Insert);
    auto v = show(*f);
    whenModal<QDialog>([](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Select a Date");
        auto* cal = d->findChild<QCalendarWidget*>();
        cal->setSelectedDate(QDate(2026, 7, 15));
        d->accept();
    });
    v->dateEntry("IssueDate")->calendarButton()->click();
    EXPECT_EQ(f->header().IssueDate, Date::fromYmd(2026, 7, 15));
    EXPECT_EQ(v->dateEntry("IssueDate")->entry()->text(), "7/15/26");
    typeInto(v->dateEntry("IssueDate")->entry(), "7/4/26");
    EXPECT_EQ(f->header().IssueDate, Date::fromYmd(2026, 7, 4));
    v->reject();
}

}  // namespace
