// The generic Setup window driven through its widgets: what a clerk types
// ends up in the store, with the children of the record, and what the
// store refuses is shown and leaves nothing half written.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <deque>
#include <functional>

#include "gui/host_fixture.h"
#include "gui/setup/maintenance_window.h"
#include "gui/setup/setup_catalog.h"
#include "records/records.h"

namespace vtl::test {
namespace {

using setup::MaintenanceWindow;
using setup::RecordForm;

class SetupWindowTest : public HostTest {
protected:
    // Each form the window opens takes the next step of the script.
    setup::FormRunner runner() {
        return [this](RecordForm& f) {
            if (steps_.empty()) {
                ADD_FAILURE() << "a form opened that the test did not expect: " << f.windowTitle().toStdString();
                return;
            }
            auto step = std::move(steps_.front());
            steps_.pop_front();
            step(f);
        };
    }
    void then(std::function<void(RecordForm&)> step) { steps_.push_back(std::move(step)); }

    static void type(RecordForm& f, const std::string& field, const QString& text) {
        auto* line = qobject_cast<QLineEdit*>(f.entry(field));
        ASSERT_NE(line, nullptr) << field;
        line->setText(text);
    }

    std::vector<APVendor> vendors() {
        std::vector<APVendor> v;
        auto c = store::Table<APVendor>(store()).all(APVendor::KeyVendorID);
        APVendor r;
        while (c.next(r)) v.push_back(r);
        return v;
    }
    std::vector<Contact> contacts() {
        std::vector<Contact> v;
        auto c = store::Table<Contact>(store()).all(Contact::KeyContactID);
        Contact r;
        while (c.next(r)) v.push_back(r);
        return v;
    }

    setup::SetupCatalog catalog_{6};
    std::deque<std::function<void(RecordForm&)>> steps_;
};

TEST_F(SetupWindowTest, InsertsChangesAndDeletesAVendorWithItsContacts) {
    MaintenanceWindow w(catalog_.vendors(), session_, runner());
    EXPECT_FALSE(w.changeButton()->isEnabled());

    then([&](RecordForm& f) {
        EXPECT_EQ(f.windowTitle(), "Vendor - Insert");
        EXPECT_TRUE(qobject_cast<QCheckBox*>(f.entry("Active"))->isChecked());  // a new vendor is active
        type(f, "VendorName", "Cascade Lumber Supply");
        type(f, "City", "Vancouver");
        type(f, "State", "wa");
        type(f, "DueTerms", "Net 30");
        f.childInsert(0)->click();
        EXPECT_EQ(f.childList(0)->model()->rowCount(), 1);
        f.okButton()->click();
    });
    then([&](RecordForm& c) {
        EXPECT_EQ(c.windowTitle(), "Contact - Insert");
        EXPECT_EQ(c.entry("VendorID"), nullptr);  // the link is the vendor's, not typed
        type(c, "FirstName", "Dana");
        type(c, "LastName", "Whitaker");
        type(c, "Email", "dana@cascadelumber.example");
        c.okButton()->click();
    });
    w.insertButton()->click();
    ASSERT_TRUE(steps_.empty());

    auto v = vendors();
    ASSERT_EQ(v.size(), 1u);
    EXPECT_EQ(v[0].VendorID, 1u);
    EXPECT_EQ(v[0].VendorName, "Cascade Lumber Supply");
    EXPECT_EQ(v[0].State, "WA");
    EXPECT_EQ(v[0].DueTerms, "Net 30");
    EXPECT_EQ(v[0].Active, 1);
    auto c = contacts();
    ASSERT_EQ(c.size(), 1u);
    EXPECT_EQ(c[0].VendorID, 1u);
    EXPECT_EQ(c[0].LastName, "Whitaker");
    ASSERT_EQ(w.currentRow(), 0);

    // Change the vendor, change its contact and add a second one.
    then([&](RecordForm& f) {
        EXPECT_EQ(f.windowTitle(), "Vendor - Change");
        EXPECT_EQ(qobject_cast<QLineEdit*>(f.entry("VendorName"))->text(), "Cascade Lumber Supply");
        type(f, "City", "Battle Ground");
        qobject_cast<QCheckBox*>(f.entry("Active"))->setChecked(false);
        f.childList(0)->selectRow(0);
        f.childChange(0)->click();
        f.childInsert(0)->click();
        f.okButton()->click();
    });
    then([&](RecordForm& c) {
        EXPECT_EQ(qobject_cast<QLineEdit*>(c.entry("FirstName"))->text(), "Dana");
        type(c, "Email", "dana@cascade.example");
        c.okButton()->click();
    });
    then([&](RecordForm& c) {
        type(c, "FirstName", "Luis");
        type(c, "LastName", "Ortega");
        c.okButton()->click();
    });
    w.changeButton()->click();
    v = vendors();
    ASSERT_EQ(v.size(), 1u);
    EXPECT_EQ(v[0].City, "Battle Ground");
    EXPECT_EQ(v[0].Active, 0);
    c = contacts();
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(c[0].Email, "dana@cascade.example");
    EXPECT_EQ(c[1].FirstName, "Luis");
    EXPECT_EQ(c[1].VendorID, 1u);

    // Take the first contact off the list.
    then([&](RecordForm& f) {
        f.childList(0)->selectRow(0);
        f.childDelete(0)->click();
        EXPECT_EQ(f.childList(0)->model()->rowCount(), 1);
        f.okButton()->click();
    });
    w.changeButton()->click();
    c = contacts();
    ASSERT_EQ(c.size(), 1u);
    EXPECT_EQ(c[0].FirstName, "Luis");

    // Delete the vendor, and its contact with it.
    ui_.expectAsk("Delete the vendor \"Cascade Lumber Supply\" and its 1 contact?", "Vendors", "&Yes|&No",
                  ui::Icon::Question)
        .answer(1);
    w.deleteButton()->click();
    EXPECT_TRUE(vendors().empty());
    EXPECT_TRUE(contacts().empty());
    EXPECT_EQ(w.list()->model()->rowCount(), 0);
}

TEST_F(SetupWindowTest, CancelWritesNothingAndNoKeepsTheRecord) {
    MaintenanceWindow w(catalog_.vendors(), session_, runner());
    then([&](RecordForm& f) {
        type(f, "VendorName", "Pacific Rebar");
        f.childInsert(0)->click();
        f.cancelButton()->click();
    });
    then([&](RecordForm& c) {
        type(c, "FirstName", "Ann");
        c.okButton()->click();
    });
    w.insertButton()->click();
    EXPECT_TRUE(vendors().empty());
    EXPECT_TRUE(contacts().empty());

    APVendor kept;
    kept.VendorName = "Pacific Rebar";
    ASSERT_TRUE(store::Table<APVendor>(store()).insert(kept));
    w.reload();
    ui_.expectAsk("Delete the vendor \"Pacific Rebar\"?", "Vendors", "&Yes|&No", ui::Icon::Question).answer(2);
    w.deleteButton()->click();
    EXPECT_EQ(vendors().size(), 1u);
}

TEST_F(SetupWindowTest, TextTooWideForItsFieldIsCut) {
    MaintenanceWindow w(catalog_.vendors(), session_, runner());
    const QString longName = QString(48, 'A') + "BCDEFGHIJK";  // 58 characters into a 50-character name
    then([&](RecordForm& f) {
        auto* line = qobject_cast<QLineEdit*>(f.entry("VendorName"));
        EXPECT_EQ(line->maxLength(), 50);
        EXPECT_EQ(qobject_cast<QLineEdit*>(f.entry("State"))->maxLength(), 2);
        line->setText(longName);
        f.okButton()->click();
    });
    w.insertButton()->click();
    auto v = vendors();
    ASSERT_EQ(v.size(), 1u);
    EXPECT_EQ(v[0].VendorName.str(), std::string(48, 'A') + "BC");

    // Text that reaches the editor some other way (a paste into a memo) is cut as well.
    auto editor = setup::RecordBrowse(store(), catalog_.users(), clock_.today()).insert();
    const setup::FieldSpec& id = *catalog_.users().fieldSpec("UserID");
    EXPECT_FALSE(editor.setText(id, "abcdef"));
    EXPECT_EQ(editor.text(id), "ABC");
}

TEST_F(SetupWindowTest, EntriesThatAreNotValuesAreRefusedWithTheirCaption) {
    MaintenanceWindow w(catalog_.jobs(), session_, runner());
    ui_.expectTell("Name may not be left blank.", "Job - Insert", ui::Icon::Exclamation);
    ui_.expectTell("\"8.6x\" is not a number that fits Tax Rate (%).", "Job - Insert", ui::Icon::Exclamation);
    then([&](RecordForm& f) {
        // Leaving an entry that holds no number only marks it; the message waits for OK.
        auto* rate = qobject_cast<QLineEdit*>(f.entry("APTaxRate"));
        rate->setText("abc");
        emit rate->editingFinished();
        EXPECT_EQ(rate->toolTip(), "\"abc\" is not a number that fits Tax Rate (%).");
        rate->setText("7.5");
        emit rate->editingFinished();
        EXPECT_EQ(rate->text(), "7.5000");
        EXPECT_EQ(rate->toolTip(), "");
        type(f, "JobID", "2610");
        f.okButton()->click();  // no name yet
        EXPECT_EQ(f.result(), 0);
        type(f, "JobName", "Hazel Dell Clinic");
        type(f, "APTaxRate", "8.6x");
        f.okButton()->click();
        EXPECT_EQ(f.result(), 0);
        type(f, "APTaxRate", "8.65");
        f.childInsert(0)->click();
        f.okButton()->click();
    });
    then([&](RecordForm& c) {
        type(c, "CostCode", "033000MAT");
        type(c, "Budget", "12,500.00");
        c.okButton()->click();
    });
    w.insertButton()->click();

    JCHeader job;
    job.JobID = "2610";
    ASSERT_TRUE(store::Table<JCHeader>(store()).fetch(JCHeader::KeyJobID, job));
    EXPECT_EQ(job.APTaxRate.raw(), 86500);
    JCCost cost;
    cost.RecordID = setup::costRecordID("2610", "033000MAT", 6);
    ASSERT_TRUE(store::Table<JCCost>(store()).fetch(JCCost::KeyRecordID, cost));
    EXPECT_EQ(cost.RecordID, "2610      033000    MAT");
    EXPECT_EQ(cost.JobID, "2610");
    EXPECT_EQ(cost.Budget.raw(), 1250000);
}

TEST_F(SetupWindowTest, ARepeatedKeyIsCaughtBeforeTheStoreRefusesIt) {
    GLMaster a;
    a.Account = "5000-00";
    ASSERT_TRUE(store::Table<GLMaster>(store()).insert(a));
    MaintenanceWindow w(catalog_.accounts(), session_, runner());
    ui_.expectTell("Account 5000-00 is already on file.", "Account - Insert", ui::Icon::Exclamation);
    then([&](RecordForm& f) {
        type(f, "Account", "5000-00");
        f.okButton()->click();
        f.cancelButton()->click();
    });
    w.insertButton()->click();
    EXPECT_EQ(store::Table<GLMaster>(store()).count(), 1);
}

TEST_F(SetupWindowTest, AFailedWriteIsShownAndNothingOfTheRecordIsKept) {
    ASSERT_TRUE(store().exec(
        "CREATE TRIGGER contacts_locked BEFORE INSERT ON Contact "
        "BEGIN SELECT RAISE(ABORT, 'contacts are locked'); END"));
    MaintenanceWindow w(catalog_.vendors(), session_, runner());
    ui_.expectTell("contacts are locked Inserting Contact", "Vendor - Insert", ui::Icon::Error);
    then([&](RecordForm& f) {
        type(f, "VendorName", "Columbia Ready Mix");
        f.childInsert(0)->click();
        f.okButton()->click();
        EXPECT_EQ(f.result(), 0);  // the form stays open with what was typed
        EXPECT_EQ(qobject_cast<QLineEdit*>(f.entry("VendorID"))->text(), "");
        f.cancelButton()->click();
    });
    then([&](RecordForm& c) {
        type(c, "FirstName", "Rosa");
        c.okButton()->click();
    });
    w.insertButton()->click();
    // The vendor went in before its contact failed; the whole save was undone.
    EXPECT_TRUE(vendors().empty());
    EXPECT_TRUE(contacts().empty());
    ASSERT_EQ(errors_.log().size(), 1u);
}

TEST_F(SetupWindowTest, AVendorOnPurchaseOrdersCannotBeDeleted) {
    APVendor v;
    v.VendorName = "Northwest Door";
    ASSERT_TRUE(store::Table<APVendor>(store()).insert(v));
    POMaster po;
    po.VendorID = v.VendorID;
    po.PONumber = "1001";
    ASSERT_TRUE(store::Table<POMaster>(store()).insert(po));
    MaintenanceWindow w(catalog_.vendors(), session_, runner());
    ui_.expectTell("The vendor \"Northwest Door\" cannot be deleted: 1 purchase order refers to it.", "Vendors",
                   ui::Icon::Exclamation);
    w.deleteButton()->click();
    EXPECT_EQ(vendors().size(), 1u);
}

TEST_F(SetupWindowTest, ARenamedJobTakesItsCostCodesAlongUnlessOrdersReferToIt) {
    JCHeader job;
    job.JobID = "2601";
    job.JobName = "Orchards Crossing";
    ASSERT_TRUE(store::Table<JCHeader>(store()).insert(job));
    JCCost cost;
    cost.JobID = "2601";
    cost.CostCode = "061000MAT";
    cost.RecordID = setup::costRecordID("2601", "061000MAT", 6);
    ASSERT_TRUE(store::Table<JCCost>(store()).insert(cost));

    setup::RecordBrowse browse(store(), catalog_.jobs(), clock_.today());
    std::string error;
    ASSERT_TRUE(browse.reload(error));
    auto editor = browse.change(0);
    const setup::FieldSpec& id = *catalog_.jobs().fieldSpec("JobID");
    ASSERT_TRUE(editor.editable(id));
    EXPECT_FALSE(editor.setText(id, "2601A"));
    EXPECT_FALSE(editor.save());
    JCCost moved;
    moved.RecordID = setup::costRecordID("2601A", "061000MAT", 6);
    ASSERT_TRUE(store::Table<JCCost>(store()).fetch(JCCost::KeyRecordID, moved));
    EXPECT_EQ(moved.JobID, "2601A");
    EXPECT_EQ(store::Table<JCCost>(store()).count(), 1);

    POMaster po;
    po.DefaultJob = "2601A";
    ASSERT_TRUE(store::Table<POMaster>(store()).insert(po));
    ASSERT_TRUE(browse.reload(error));
    auto locked = browse.change(0);
    EXPECT_FALSE(locked.editable(id));
    EXPECT_EQ(locked.lockedBecause(id),
              "The Job ID of this job cannot be changed while other records refer to it (1 purchase order).");
    EXPECT_FALSE(locked.setText(id, "2699"));
    EXPECT_EQ(locked.text(id), "2601A");
}

TEST_F(SetupWindowTest, TheLocatorMovesToTheFirstNameStartingWithWhatIsTyped) {
    for (const char* name : {"Acme Fasteners", "Baker Electric", "Bayside Glass", "Coast Plumbing"}) {
        APVendor v;
        v.VendorName = name;
        ASSERT_TRUE(store::Table<APVendor>(store()).insert(v));
    }
    MaintenanceWindow w(catalog_.vendors(), session_, runner());
    w.locator()->setText("bay");
    emit w.locator()->textEdited("bay");
    ASSERT_EQ(w.currentRow(), 2);
    EXPECT_EQ(w.browse().cell(2, 0), "Bayside Glass");
    emit w.locator()->textEdited("zz");  // nothing starts so: the highlight stays
    EXPECT_EQ(w.currentRow(), 2);
}

}  // namespace
}  // namespace vtl::test
