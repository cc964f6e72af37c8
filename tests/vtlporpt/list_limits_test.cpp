// The report formats of the listing: the list with its lock rule, copies,
// favourites and printing, and the form with its choices, defaults, lock
// rules and the date type it stores.
#include <gtest/gtest.h>

#include "vtlporpt/listing/browse_po_list_limits.h"
#include "vtlporpt/listing/update_po_list_limits.h"
#include "vtlporpt/listing_fixture.h"
#include "vtlporpt/procedures.h"

using namespace vtl;
using namespace vtl::test;
using rpt::Choice;
using rpt::Limit;
using ui::Icon;

namespace {

class ListLimitsTest : public ListingTest {
protected:
    void SetUp() override {
        ListingTest::SetUp();
        rpt::registerReportProcedures(s.procedures);
        user("JDL", 2);
        user("AMR", 0);
        s.procedures.set("PrintPOListing", [this](Session& ss) {
            printed.push_back(ss.globals.ReportFilter);
            previewOnPrint.push_back(ss.globals.PrintPreview);
        });
    }
    void TearDown() override { rpt::globalReportLimit(s.module) = 0; }
    void user(const char* id, Byte level) {
        UserFile u;
        u.UserID = id;
        u.PurchaseLevel = level;
        ASSERT_TRUE(store::Table<UserFile>(s.store()).insert(u));
    }
    std::vector<POLimits> stored() {
        std::vector<POLimits> out;
        POLimits l;
        for (auto c = store::Table<POLimits>(s.store()).all(POLimits::KeyLimitID); c.next(l);) out.push_back(l);
        return out;
    }
    std::int64_t listRows() { return store::Table<LimList>(s.store()).count(); }

    std::vector<std::string> printed;
    std::vector<int> previewOnPrint;
};

}  // namespace

TEST_F(ListLimitsTest, TheListShowsListingSetsInTitleOrderWithALocator) {
    limits([](POLimits& l) { l.ReportTitle = "Zeta jobs"; });
    limits([](POLimits& l) { l.ReportTitle = "alpha vendors"; });
    POLimits generate;
    generate.Report = "Generate POs";
    generate.ReportTitle = "*Standard Report";
    ASSERT_TRUE(store::Table<POLimits>(s.store()).insert(generate));
    rpt::BrowsePOListLimits list(*s);
    ASSERT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.cells(0)[0].substr(0, 13), "Zeta jobs    ") << "titles in stored order, as the key keeps them";
    list.locate("ze");
    EXPECT_EQ(list.record(list.highlight()).ReportTitle, "Zeta jobs");
    EXPECT_EQ(list.columns()[2].header, "Modify Date");
}

TEST_F(ListLimitsTest, DeletingALockedSetOfAnotherUserIsRefusedAndAnOwnSetGoesWithItsListsAndFavourites) {
    auto locked = limits([](POLimits& l) {
        l.UserID = "AMR";
        l.Locked = 1;
        l.ReportTitle = "A locked";
    });
    auto mine = limits([](POLimits& l) { l.ReportTitle = "B mine"; });
    listValue(mine, "JobID", "J100");
    rpt::BrowsePOListLimits list(*s);
    list.setHighlight(0);
    s.ui.expectTell("This report is locked and can only be modified or deleted by user AMR.",
                    "Report Cannot Be Deleted", Icon::Exclamation);
    EXPECT_FALSE(list.deleteHighlighted());
    list.setHighlight(1);
    MemLimit favourite;
    favourite.LimitID = mine.LimitID;
    favourite.UserID = "JDL";
    favourite.Owner = "POLimits";
    ASSERT_TRUE(store::Table<MemLimit>(s.store()).insert(favourite));
    s.ui.expectAsk("Are you sure you want to delete the highlighted record?", "Confirm Delete", "&Yes|&No",
                   Icon::Question)
        .answer(1);
    EXPECT_TRUE(list.deleteHighlighted());
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_EQ(stored()[0].LimitID, locked.LimitID);
    EXPECT_EQ(listRows(), 0);
    EXPECT_EQ(store::Table<MemLimit>(s.store()).count(), 0);
}

TEST_F(ListLimitsTest, DuplicateCopiesTheSetAndItsListsForTheCurrentUserUnlocked) {
    auto from = limits([](POLimits& l) {
        l.ReportTitle = std::string(40, 'T');
        l.UserID = "AMR";
        l.Locked = 1;
        l.SelectedJobs = 2;
    });
    listValue(from, "JobID", "J100");
    rpt::BrowsePOListLimits list(*s);
    ASSERT_TRUE(list.duplicate());
    const auto all = stored();
    ASSERT_EQ(all.size(), 2u);
    const POLimits& copy = all[1];
    EXPECT_EQ(copy.ReportTitle, "Copy of " + std::string(32, 'T'));
    EXPECT_EQ(copy.UserID, "JDL");
    EXPECT_EQ(copy.Locked, 0);
    EXPECT_EQ(copy.ModifyDate, s.clock.today());
    EXPECT_EQ(rpt::limitLists(s.store(), copy.LimitID).size(), 1u);
    EXPECT_EQ(list.record(list.highlight()).LimitID, copy.LimitID);
}

TEST_F(ListLimitsTest, FavouritesAreAddedOnceAndOpenTheListOnThatSetAlone) {
    auto a = limits([](POLimits& l) { l.ReportTitle = "Open jobs"; });
    limits([](POLimits& l) { l.ReportTitle = "Other"; });
    rpt::BrowsePOListLimits list(*s);
    s.ui.expectTell("This report has now been added to your Favorite Report list", "Report Added", Icon::Information);
    EXPECT_TRUE(list.addToFavourites());
    s.ui.expectTell("This report has already been added to your Favorite Report list.", "Report Already Added",
                    Icon::Information);
    EXPECT_FALSE(list.addToFavourites());
    EXPECT_EQ(s.ui.beeps(), 1);
    MemLimit m;
    ASSERT_TRUE(store::Table<MemLimit>(s.store()).all(MemLimit::KeyMemLimitID).next(m));
    EXPECT_EQ(m.ReportName, "Purchase Order Listing");
    EXPECT_EQ(m.Owner, "POLimits");
    EXPECT_EQ(m.UserID, "JDL");

    rpt::globalReportLimit(s.module) = a.LimitID;
    rpt::BrowsePOListLimits favourite(*s);
    EXPECT_TRUE(favourite.favouritesOnly());
    ASSERT_EQ(favourite.rowCount(), 1);
    EXPECT_EQ(favourite.record(0).LimitID, a.LimitID);
    EXPECT_FALSE(favourite.deleteHighlighted());
}

TEST_F(ListLimitsTest, PrintNeedsAFormatAndPrintsTheHighlightedOneToPreviewOrDirectly) {
    {
        rpt::BrowsePOListLimits empty(*s);
        s.ui.expectTell("This report cannot be printed without first creating |a 'Report Format' with the desired "
                        "report limits.|Press the Insert button to create a report format.",
                        "No Report Format Selected", Icon::Exclamation);
        empty.print();
    }
    auto l = limits();
    rpt::BrowsePOListLimits list(*s);
    list.print();
    list.print(true);
    EXPECT_EQ(printed, (std::vector<std::string>{std::to_string(l.LimitID), std::to_string(l.LimitID)}));
    EXPECT_EQ(previewOnPrint, (std::vector<int>{1, 0}));
    EXPECT_EQ(s.globals.PrintPreview, 1);
}

TEST_F(ListLimitsTest, InsertingStoresTheDateTypeAsItsLetterAndCancelLeavesNoListsBehind) {
    s.globals.GlobalRequest = suite::Request::Insert;
    {
        rpt::UpdatePOListLimits form(*s);
        ASSERT_TRUE(form.open());
        EXPECT_EQ(form.caption(), "Adding a Purchase Order Listing");
        form.limits().ReportTitle = "June deliveries";
        form.setDateType(3);
        form.limits().DateFrom = Date::fromYmd(2026, 6, 1);
        ASSERT_TRUE(form.ok());
    }
    auto all = stored();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].DateLimitType, "E");
    EXPECT_EQ(all[0].SelectedDates, 1);
    EXPECT_EQ(all[0].Report, "PO Listing");
    EXPECT_EQ(all[0].ModifyDate, s.clock.today());
    EXPECT_EQ(all[0].SortDetail, "W");

    s.globals.GlobalRequest = suite::Request::Insert;
    rpt::UpdatePOListLimits cancelled(*s);
    ASSERT_TRUE(cancelled.open());
    cancelled.setChoice(Limit::Jobs, Choice::List);
    LimList row;
    row.Owner = "POLimits";
    row.LimitID = cancelled.limits().LimitID;
    row.ListType = "JobID";
    row.TextValue = "J100";
    ASSERT_TRUE(store::Table<LimList>(s.store()).insert(row));
    cancelled.cancel();
    EXPECT_EQ(listRows(), 0);
    EXPECT_EQ(stored().size(), 1u);
}

TEST_F(ListLimitsTest, ChoicesEnableTheirControlsAndNonJobsOnlyClearsJobsAndCostCodes) {
    s.globals.GlobalRequest = suite::Request::Insert;
    rpt::UpdatePOListLimits form(*s);
    ASSERT_TRUE(form.open());
    EXPECT_FALSE(form.rangeEnabled(Limit::Vendors));
    EXPECT_FALSE(form.listEnabled(Limit::Vendors));
    form.setChoice(Limit::Vendors, Choice::Range);
    EXPECT_TRUE(form.rangeEnabled(Limit::Vendors));
    EXPECT_FALSE(form.listEnabled(Limit::Vendors));
    form.setChoice(Limit::Vendors, Choice::List);
    EXPECT_FALSE(form.rangeEnabled(Limit::Vendors));
    EXPECT_TRUE(form.listEnabled(Limit::Vendors));
    EXPECT_STREQ(rpt::UpdatePOListLimits::listButton(Limit::PONumbers), "Edit Puchase Order List");

    form.setChoice(Limit::Jobs, Choice::Range);
    form.setChoice(Limit::CostCodes, Choice::List);
    form.setInclude(2);
    EXPECT_EQ(form.choice(Limit::Jobs), Choice::All);
    EXPECT_EQ(form.choice(Limit::CostCodes), Choice::All);
    EXPECT_FALSE(form.enabled(Limit::Jobs));
    form.setChoice(Limit::Jobs, Choice::Range);
    EXPECT_EQ(form.choice(Limit::Jobs), Choice::All) << "the group is disabled";
}

TEST_F(ListLimitsTest, AJobNotOnFileIsTheStartOfAnOpenJobsName) {
    job("J300", "Riverside Annex");
    s.globals.GlobalRequest = suite::Request::Insert;
    rpt::UpdatePOListLimits form(*s);
    ASSERT_TRUE(form.open());
    form.setChoice(Limit::Jobs, Choice::Range);
    ASSERT_TRUE(form.enterJob(true, "J200"));
    EXPECT_EQ(form.limits().JobFrom, "J200");
    s.ui.expectLookup("Select a Job by Name")
        .inspect([](const ui::LookupSpec&, const std::vector<ui::LookupRow>& rows) {
            ASSERT_EQ(rows.size(), 2u);
            EXPECT_EQ(rows[0].cells[0], "J300 - Riverside Annex");
        })
        .choose("J100");
    ASSERT_TRUE(form.enterJob(false, "river"));
    EXPECT_EQ(form.limits().JobTo, "J100");
    s.ui.expectLookup("Select a Job by Name");
    EXPECT_FALSE(form.enterJob(false, "nothing like it"));
    EXPECT_EQ(form.limits().JobTo, "J100");
}

TEST_F(ListLimitsTest, LoadDefaultsAsksAndKeepsTheWholeTitleAndTheSet) {
    auto l = limits([](POLimits& l) {
        l.ReportTitle = std::string(40, 'W');
        l.Sequence = "J";
        l.SortDetail = "L";
        l.SelectedVendors = 1;
        l.VendorFrom = 101;
        l.FullyReconciled = 0;
        l.SelectedRef = 1;
        l.Orientation = "L";
        l.UserID = "AMR";
    });
    s.globals.GlobalRequest = suite::Request::Change;
    s.globals.DecimalVariable = l.LimitID;
    rpt::UpdatePOListLimits form(*s);
    ASSERT_TRUE(form.open());
    s.ui.expectAsk("Are you sure you want to replace the displayed|limits with default limits?",
                   "Confirm Loading Default Limits", "&Yes|&No", Icon::Question)
        .answer(2);
    EXPECT_FALSE(form.loadDefaults());
    EXPECT_EQ(form.limits().Sequence, "J");
    s.ui.expectAsk("Are you sure you want to replace the displayed|limits with default limits?",
                   "Confirm Loading Default Limits", "&Yes|&No", Icon::Question)
        .answer(1);
    ASSERT_TRUE(form.loadDefaults());
    ASSERT_TRUE(form.ok());
    const POLimits after = stored().at(0);
    EXPECT_EQ(after.LimitID, l.LimitID);
    EXPECT_EQ(after.ReportTitle, std::string(40, 'W'));
    EXPECT_EQ(after.Sequence, "P");
    EXPECT_EQ(after.SortDetail, "W");
    EXPECT_EQ(after.SelectedVendors, 0);
    EXPECT_EQ(after.FullyReconciled, 1);
    EXPECT_EQ(after.SelectedRef, 3);
    EXPECT_EQ(after.SelectedDates, 0);
    EXPECT_EQ(after.UserID, "JDL");
}

TEST_F(ListLimitsTest, ALockedSetOfAnotherUserOpensDisabledAndOnlyLevelTwoSeesTheLock) {
    auto l = limits([](POLimits& l) {
        l.UserID = "AMR";
        l.Locked = 1;
    });
    auto blankOwner = limits([](POLimits& l) { l.UserID = ""; });
    s.globals.GlobalRequest = suite::Request::Change;
    s.globals.DecimalVariable = l.LimitID;
    rpt::UpdatePOListLimits locked(*s);
    ASSERT_TRUE(locked.open());
    EXPECT_TRUE(locked.readOnly());
    EXPECT_TRUE(locked.lockVisible());
    EXPECT_FALSE(locked.enabled(Limit::PONumbers));
    EXPECT_FALSE(locked.loadDefaults());

    s.globals.DecimalVariable = blankOwner.LimitID;
    rpt::UpdatePOListLimits owned(*s);
    ASSERT_TRUE(owned.open());
    EXPECT_EQ(owned.limits().UserID, "JDL") << "a level-2 user takes a set without owner";

    s.globals.UserID = "AMR";
    s.globals.DecimalVariable = l.LimitID;
    rpt::UpdatePOListLimits own(*s);
    ASSERT_TRUE(own.open());
    EXPECT_FALSE(own.readOnly());
    EXPECT_FALSE(own.lockVisible());
}

TEST_F(ListLimitsTest, SaveAndPrintSavesPrintsTheSetAndReadsItAgain) {
    s.globals.GlobalRequest = suite::Request::Insert;
    rpt::UpdatePOListLimits form(*s);
    ASSERT_TRUE(form.open());
    form.limits().ReportTitle = "Print me";
    s.globals.PrintPreview = 1;
    ASSERT_TRUE(form.saveAndPrint());
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_EQ(printed, (std::vector<std::string>{std::to_string(stored()[0].LimitID)}));
    EXPECT_EQ(form.limits().ReportTitle, "Print me");
    form.limits().ReportTitle = "Printed";
    ASSERT_TRUE(form.ok());
    EXPECT_EQ(stored().size(), 1u) << "the second save changes the same set";
    EXPECT_EQ(stored()[0].ReportTitle, "Printed");
}
