// The report formats' windows as a purchasing manager uses them: the list
// with its buttons (fewer from the favourites) and the form's groups
// enabling as the choices say, both fitting a 1366x768 screen.
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include <cstdlib>

#include "gui/qt_driver.h"
#include "gui/rpt/po_list_limits_view.h"
#include "support/test_session.h"
#include "vtlporpt/listing/listing_data.h"

using namespace vtl;
using namespace vtl::test;

namespace {

// VTL_GRAB_DIR=folder keeps a picture of each window, to look at.
void grab(QWidget& w, const char* name) {
    if (const char* dir = std::getenv("VTL_GRAB_DIR")) w.grab().save(QString::fromUtf8(dir) + "/" + name + ".png");
}

QRadioButton* radio(QWidget& in, const QString& group, const QString& caption) {
    for (auto* g : in.findChildren<QGroupBox*>())
        if (g->title() == group)
            for (auto* r : g->findChildren<QRadioButton*>())
                if (r->text() == caption) return r;
    return nullptr;
}

class ListingViews : public ::testing::Test {
protected:
    void SetUp() override {
        offscreenApp();
        s.globals.UserID = "DMW";
        UserFile u;
        u.UserID = "DMW";
        u.PurchaseLevel = 2;
        ASSERT_TRUE(store::Table<UserFile>(s.store()).insert(u));
        for (const char* title : {"Open Orders by Job", "Summary of Purchase Orders"}) {
            POLimits l;
            l.Report = rpt::kListingReport;
            l.ReportTitle = title;
            l.UserID = "DMW";
            l.ModifyDate = s.clock.today();
            l.Sequence = "P";
            l.SortDetail = "W";
            l.SelectedRef = 3;
            ASSERT_TRUE(store::Table<POLimits>(s.store()).insert(l));
        }
    }
    TestSession s;
};

}  // namespace

TEST_F(ListingViews, TheListShowsTheFormatsAndItsButtonsAndFitsTheScreen) {
    rpt::BrowsePOListLimits list(*s);
    gui::BrowsePOListLimitsView v(list);
    v.show();
    EXPECT_EQ(v.windowTitle(), "Purchase Order Listing");
    EXPECT_EQ(v.list()->model()->rowCount(), 2);
    for (const char* b : {"&Insert", "&Change", "&Delete", "Duplicate Highlighted Report", "Add to Favorite Reports",
                          "&Print", "&Help", "Close"})
        EXPECT_NE(v.button(b), nullptr) << b;
    v.locator()->setText("Sum");
    emit v.locator()->textEdited("Sum");
    EXPECT_EQ(v.currentRow(), 1);
    EXPECT_LE(v.sizeHint().width(), 1366);
    EXPECT_LE(v.sizeHint().height(), 768);
    grab(v, "po_listing_list");

    rpt::globalReportLimit(s.module) = list.record(0).LimitID;
    rpt::BrowsePOListLimits favourite(*s);
    gui::BrowsePOListLimitsView f(favourite);
    EXPECT_EQ(f.list()->model()->rowCount(), 1);
    for (const char* hidden : {"&Insert", "&Delete", "Add to Favorite Reports"}) EXPECT_EQ(f.button(hidden), nullptr);
    rpt::globalReportLimit(s.module) = 0;
}

TEST_F(ListingViews, TheFormsChoicesEnableTheirControlsAndOKStoresThem) {
    s.globals.GlobalRequest = suite::Request::Insert;
    rpt::UpdatePOListLimits form(*s);
    ASSERT_TRUE(form.open());
    gui::UpdatePOListLimitsView v(form);
    v.show();
    EXPECT_EQ(v.windowTitle(), "Purchase Order Listing Limits - Adding a Purchase Order Listing");
    for (const char* b : {"Load Defaults", "OK", "Cancel", "&Help", "Save and &Print", "Edit Puchase Order List",
                          "Edit Vendor List", "Edit Job List", "Edit Cost Code List"})
        EXPECT_NE(v.button(b), nullptr) << b;
    EXPECT_FALSE(v.button("Edit Vendor List")->isEnabled());
    ASSERT_NE(radio(v, "Vendors", "List"), nullptr);
    radio(v, "Vendors", "List")->setChecked(true);
    EXPECT_TRUE(v.button("Edit Vendor List")->isEnabled());
    radio(v, "Jobs", "Range")->setChecked(true);
    EXPECT_EQ(form.choice(rpt::Limit::Jobs), rpt::Choice::Range);
    radio(v, "Include", "Non-Jobs Only")->setChecked(true);
    EXPECT_EQ(form.choice(rpt::Limit::Jobs), rpt::Choice::All);
    EXPECT_FALSE(radio(v, "Jobs", "Range")->isEnabled());
    radio(v, "Print Sequence", "by Job then PO Number")->setChecked(true);
    radio(v, "Report Format", "Summary")->setChecked(true);
    QComboBox* dates = nullptr;
    for (auto* c : v.findChildren<QComboBox*>())
        if (c->findText("Approval Date") >= 0) dates = c;
    ASSERT_NE(dates, nullptr);
    dates->setCurrentIndex(5);
    EXPECT_LE(v.sizeHint().width(), 1366);
    EXPECT_LE(v.sizeHint().height(), 768);
    grab(v, "po_listing_form");
    v.button("OK")->click();
    POLimits stored;
    stored.LimitID = form.limits().LimitID;
    ASSERT_TRUE(store::Table<POLimits>(s.store()).fetch(POLimits::KeyLimitID, stored));
    EXPECT_EQ(stored.Sequence, "j");
    EXPECT_EQ(stored.SelectedCat, 2);
    EXPECT_EQ(stored.DateLimitType, "P");
    EXPECT_EQ(stored.SelectedRef, 2);
    EXPECT_EQ(stored.SelectedVendors, 2);
}
