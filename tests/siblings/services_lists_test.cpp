// The short value lists of the services: drop lists, limit lists and the
// library of standard texts.
#include <gtest/gtest.h>

#include "siblings/lookups/lookups.h"
#include "siblings/services/services.h"
#include "support/test_session.h"

using namespace vtl;
using namespace vtl::services;

namespace {

template <class R>
void put(test::TestSession& t, R rec) {
    ASSERT_TRUE(store::Table<R>(t.store()).insert(rec));
}

std::vector<std::string> column(const Rows& rows, std::size_t c) {
    std::vector<std::string> out;
    for (const auto& r : rows) out.push_back(r.at(c));
    return out;
}

void expectDelete(test::TestSession& t, int answer) {
    t.ui.expectAsk(kConfirmDeleteText, kConfirmDeleteTitle, "&Yes|&No", ui::Icon::Question).answer(answer);
}

}  // namespace

TEST(UpdateDropList, AddsOnceAndDeletesValuesOfItsOwnField) {
    test::TestSession t;
    t.globals.UserID = "JKS";
    UpdateDropList other(*t, "POM Terms", false);
    ASSERT_TRUE(other.add("Net 30"));

    UpdateDropList agents(*t, "POM Purchasing Agent", false);
    EXPECT_TRUE(agents.add("  Mary Ortiz "));
    EXPECT_TRUE(agents.add("Dan Lee"));
    EXPECT_EQ(column(agents.rows(), 0), (std::vector<std::string>{"Dan Lee", "Mary Ortiz"}));
    EXPECT_EQ(agents.rows()[1], (std::vector<std::string>{"Mary Ortiz", "JKS", "7/01/2026"}));

    // The same value in other letters is not added twice: it is highlighted.
    agents.setHighlight(1);
    EXPECT_FALSE(agents.add("dan lee"));
    EXPECT_EQ(agents.rowCount(), 2);
    EXPECT_EQ(agents.highlight(), 0);
    EXPECT_FALSE(agents.add("   "));
    EXPECT_EQ(t.ui.beeps(), 1);

    expectDelete(t, 1);
    EXPECT_TRUE(agents.remove(0));
    EXPECT_EQ(column(agents.rows(), 0), (std::vector<std::string>{"Mary Ortiz"}));
    EXPECT_EQ(UpdateDropList(*t, "POM Terms", false).rowCount(), 1) << "another field's values stay";
}

TEST(UpdateDropList, SelectionAnswersThePickedValue) {
    test::TestSession t;
    {
        UpdateDropList agents(*t, "POM Purchasing Agent", false);
        agents.add("Dan Lee");
        agents.add("Mary Ortiz");
        EXPECT_FALSE(agents.select(0)) << "only a selection offers a choice";
    }
    t.views.set<UpdateDropList>([](UpdateDropList& w) {
        EXPECT_TRUE(w.selecting());
        EXPECT_EQ(w.highlight(), 1) << "the caller's current value is highlighted";
        w.select(w.highlight());
    });
    DropListArgs args{"POM Purchasing Agent", true, std::string("MARY ORTIZ")};
    runUpdateDropList(*t, args);
    EXPECT_EQ(args.chosen, std::optional<std::string>("Mary Ortiz"));

    t.views.set<UpdateDropList>([](UpdateDropList&) {});  // closed without a choice
    EXPECT_EQ(updateDropList(*t, "POM Purchasing Agent", true), std::nullopt);
}

TEST(UpdateLimList, KeepsNumbersForVendorsAndTextsForJobs) {
    test::TestSession t;
    APVendor v;
    v.VendorName = "Baker Supply";
    put(t, v);  // 1
    v.VendorName = "Acme Lumber";
    put(t, v);  // 2
    JCHeader j;
    j.JobID = "J100";
    j.JobName = "Riverside School";
    put(t, j);

    UpdateLimList vendors(*t, "POLimits", 4, LimListType::VendorID);
    EXPECT_TRUE(vendors.add("2"));
    t.ui.expectTell("9 is not on file.", "Vendor List", ui::Icon::Exclamation);
    EXPECT_FALSE(vendors.add("9"));
    t.ui.expectTell("abc is not on file.", "Vendor List", ui::Icon::Exclamation);
    EXPECT_FALSE(vendors.add("abc"));
    EXPECT_FALSE(vendors.add("2")) << "a vendor is listed once";
    ASSERT_EQ(vendors.rowCount(), 1);
    EXPECT_EQ(vendors.entry(0).NumValue, 2u);
    EXPECT_EQ(vendors.entry(0).ListType.clip(), "VendorID");
    EXPECT_EQ(vendors.rows()[0], (std::vector<std::string>{"2", "Acme Lumber"}));

    // Picked from the vendor look-up.
    t.ui.expectLookup(siblings::titles::kVendor).choose("1");
    EXPECT_TRUE(vendors.pick());
    EXPECT_EQ(vendors.rowCount(), 2);

    UpdateLimList jobs(*t, "POLimits", 4, LimListType::JobID);
    EXPECT_TRUE(jobs.add("j100")) << "a job matches in any letters and is kept as on file";
    ASSERT_EQ(jobs.rowCount(), 1);
    EXPECT_EQ(jobs.entry(0).TextValue.clip(), "J100");
    EXPECT_EQ(jobs.entry(0).NumValue, 0u);
    EXPECT_EQ(UpdateLimList(*t, "POLimits", 5, LimListType::JobID).rowCount(), 0) << "another limit set";

    expectDelete(t, 1);
    EXPECT_TRUE(vendors.remove(0));
    EXPECT_EQ(vendors.rowCount(), 1);
    EXPECT_TRUE(vendors.changed());
}

TEST(UpdateLimList, PurchaseOrdersAreListedByNumberAndKeptByPOID) {
    test::TestSession t;
    POMaster po;
    po.POID = 40;
    po.PONumber = "1001";
    put(t, po);
    po.POID = 41;
    po.PONumber = "1002";
    put(t, po);
    UpdateLimList list(*t, "POLimits", 1, LimListType::PONumber);
    ASSERT_TRUE(list.add("1002"));
    EXPECT_EQ(list.entry(0).NumValue, 41u);
    EXPECT_EQ(list.rows()[0][0], "1002");
    t.ui.expectLookup("Select a Purchase Order").choose("40");
    EXPECT_TRUE(list.pick());
    EXPECT_EQ(column(list.rows(), 0), (std::vector<std::string>{"1002", "1001"}));
}

TEST(BrowseText, KeepsTheLibraryByNameAndAnswersTheChosenText) {
    test::TestSession t;
    BrowseText library(*t);
    EXPECT_TRUE(library.insert({"Terms", "Payment due in 30 days."}));
    EXPECT_TRUE(library.insert({"Delivery", "Deliver to the site gate\nbetween 7 and 3."}));
    t.ui.expectTell("A standard text needs a name and some text.", "Standard Texts", ui::Icon::Exclamation);
    EXPECT_FALSE(library.insert({"", "no name"}));
    EXPECT_EQ(column(library.rows(), 0), (std::vector<std::string>{"Delivery", "Terms"}));
    EXPECT_EQ(library.highlight(), 0) << "the text just added";

    // Kept apart from the notes of any purchase order.
    Notes position;
    position.Filename = kTextLibraryFile;
    EXPECT_EQ(store::Table<Notes>(t.store()).count(Notes::KeyFileEntity, position, 1), 2);

    t.views.set<BrowseText>([](BrowseText& w) { w.select(0); });
    EXPECT_EQ(browseText(*t), std::optional<std::string>("Deliver to the site gate\nbetween 7 and 3."));
    t.views.set<BrowseText>([](BrowseText&) {});
    EXPECT_EQ(browseText(*t), std::nullopt);
}
