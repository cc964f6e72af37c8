// The sibling look-ups driven by a scripted person over a real database:
// the rows offered (filtered and formatted), the record answered, and the
// hand-off of a look-up called by name.
#include <gtest/gtest.h>

#include "siblings/lookups/lookups.h"
#include "support/test_session.h"

using namespace vtl;
using namespace vtl::siblings;
using ui::LookupRow;
using ui::LookupSpec;

namespace {

template <class R>
void put(test::TestSession& t, R rec) {
    ASSERT_TRUE(store::Table<R>(t.store()).insert(rec));
}

void vendors(test::TestSession& t) {
    APVendor v;
    v.VendorName = "Baker Supply";
    v.City = "Fresno";
    v.State = "CA";
    put(t, v);  // 1
    v.VendorName = "acme lumber";
    v.City = "Reno";
    v.State = "NV";
    put(t, v);  // 2
    v.VendorName = "Concrete Partners";
    put(t, v);  // 3
}

void jobs(test::TestSession& t) {
    auto job = [&](const char* id, const char* name, Byte active, Byte closed) {
        JCHeader j;
        j.JobID = id;
        j.JobName = name;
        j.Active = active;
        j.Closed = closed;
        put(t, j);
    };
    job("J100", "Riverside School", 1, 0);
    job("J200", "Riverbend Bridge", 1, 0);
    job("J300", "River Road Closed", 1, 1);
    job("J400", "riverview Homes", 1, 0);
    job("J500", "Rivers Inactive", 0, 0);
    job("J600", "Lakeside Mall", 1, 0);
    auto code = [&](const char* job, const char* code, const char* desc, long budget) {
        JCCost c;
        c.JobID = job;
        c.CostCode = code;
        c.RecordID = std::string(job) + std::string(10 - std::string(job).size(), ' ') + code;
        c.Description = desc;
        c.Budget = Money(budget);
        put(t, c);
    };
    code("J100", "010100 M", "Concrete material", 12500);
    code("J100", "020200 L", "Framing labour", 8000);
    code("J200", "010100 M", "Bridge concrete", 99000);
}

std::vector<std::string> keys(const std::vector<LookupRow>& rows) {
    std::vector<std::string> k;
    for (const auto& r : rows) k.push_back(r.key);
    return k;
}

}  // namespace

TEST(VendorLookup, ListsByNameIgnoringCaseAndAnswersTheChosenVendor) {
    test::TestSession t;
    vendors(t);
    t.ui.expectLookup("Select a Vendor").choose("1").inspect([](const LookupSpec& spec, const auto& rows) {
        EXPECT_EQ(keys(rows), (std::vector<std::string>{"2", "1", "3"}));
        EXPECT_EQ(rows[1].cells, (std::vector<std::string>{"Baker Supply", "1", "Fresno", "CA", ""}));
        EXPECT_EQ(spec.columns.at(spec.locatorColumn).header, "Vendor Name");
        EXPECT_EQ(spec.locate, "bak");
    });
    auto v = browseAPVendor(*t, "bak");
    ASSERT_TRUE(v);
    EXPECT_EQ(v->VendorID, 1u);
    EXPECT_EQ(v->City.clip(), "Fresno");

    // A number where a name is looked for highlights that vendor.
    t.ui.expectLookup("Select a Ship-To Vendor").cancel().inspect([](const LookupSpec& spec, const auto&) {
        EXPECT_EQ(spec.currentKey, "3");
        EXPECT_EQ(spec.locate, "");
    });
    EXPECT_FALSE(browseAPVendorAlias(*t, "3"));
}

TEST(CostCodeLookup, OffersOnlyTheCodesOfTheJob) {
    test::TestSession t;
    jobs(t);
    t.ui.expectLookup("Select a Cost Code").choose("J100      020200 L").inspect([](const LookupSpec&, const auto& rows) {
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(rows[0].cells, (std::vector<std::string>{"010100 M", "Concrete material", "12,500.00", "0.00"}));
    });
    auto c = browseJCCost(*t, "J100");
    ASSERT_TRUE(c);
    EXPECT_EQ(c->Description.clip(), "Framing labour");

    // A code of another job is not on offer.
    std::vector<std::string> failures;
    t.ui.onFailure([&](const std::string& m) { failures.push_back(m); });
    t.ui.expectLookup("Select a Cost Code").choose("J200      010100 M");
    EXPECT_FALSE(browseJCCost(*t, "J100"));
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("offers no row with key \"J200      010100 M\""), std::string::npos) << failures[0];
}

TEST(CostCodeLookup, AnyJobListsEachCodeOnce) {
    test::TestSession t;
    jobs(t);
    t.ui.expectLookup("Select a Cost Code of Any Job").choose("010100 M").inspect([](const LookupSpec&, const auto& rows) {
        EXPECT_EQ(keys(rows), (std::vector<std::string>{"010100 M", "020200 L"}));
        EXPECT_EQ(rows[0].cells.at(2), "2") << "jobs using the code";
    });
    auto c = browseJCCode(*t);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->JobID.clip(), "J100");
}

TEST(JobLookup, ByNameOffersOpenJobsBeginningWithTheText) {
    test::TestSession t;
    jobs(t);
    std::vector<std::string> ids;
    for (const auto& j : jobsNamed(t.store(), "river")) ids.push_back(j.JobID.clip());
    EXPECT_EQ(ids, (std::vector<std::string>{"J200", "J100", "J400"}));  // closed and inactive jobs left out
    EXPECT_TRUE(jobsNamed(t.store(), "Riverz").empty());

    t.ui.expectLookup("Select a Job by Name").choose("J400").inspect([](const LookupSpec&, const auto& rows) {
        ASSERT_EQ(rows.size(), 3u);
        EXPECT_EQ(rows[2].cells, std::vector<std::string>{"J400 - riverview Homes"});
    });
    auto j = selectJobByName(*t, "RIVER");
    ASSERT_TRUE(j);
    EXPECT_EQ(j->JobName.clip(), "riverview Homes");

    t.ui.expectLookup("Select a Job").choose("J300").inspect([](const LookupSpec&, const auto& rows) {
        EXPECT_EQ(rows.size(), 6u);
        EXPECT_EQ(rows[2].cells.at(2), "Closed");
        EXPECT_EQ(rows[4].cells.at(2), "Inactive");
    });
    EXPECT_EQ(browseJCHeader(*t)->JobID.clip(), "J300");
}

TEST(ShipToAndBinLookups, AreLimitedToTheirOwner) {
    test::TestSession t;
    ARCust c;
    c.CustomerName = "City of Fresno";
    put(t, c);  // 1
    c.CustomerName = "County Roads";
    put(t, c);  // 2
    ARShipTo s;
    s.CustomerID = 1;
    s.ShipToName = "Yard B";
    put(t, s);  // 1
    s.ShipToName = "City Hall";
    put(t, s);  // 2
    s.CustomerID = 2;
    s.ShipToName = "Depot";
    put(t, s);  // 3
    INBin b;
    b.LocationID = "MAIN";
    b.BinID = "A1";
    put(t, b);
    b.BinID = "A2";
    put(t, b);
    b.LocationID = "SITE";
    b.BinID = "A1";
    b.Description = "On site";
    put(t, b);

    t.ui.expectLookup("Select a Ship-To Address").choose("1").inspect([](const LookupSpec&, const auto& rows) {
        EXPECT_EQ(keys(rows), (std::vector<std::string>{"2", "1"}));  // by name
    });
    EXPECT_EQ(browseARShipTo(*t, 1)->ShipToName.clip(), "Yard B");

    t.ui.expectLookup("Select a Bin").choose("A1").inspect([](const LookupSpec&, const auto& rows) {
        EXPECT_EQ(rows.size(), 1u);
    });
    auto bin = browseINBin(*t, "SITE");
    ASSERT_TRUE(bin);
    EXPECT_EQ(bin->Description.clip(), "On site");
}

TEST(LookupsByName, HandBackThroughTheGlobals) {
    test::TestSession t;
    vendors(t);
    jobs(t);
    registerPayablesLookups(t.procedures);
    registerJobCostLookups(t.procedures);
    registerInventoryLookups(t.procedures);

    t.globals.LookupKey = "con";
    t.ui.expectLookup("Select a Vendor").choose("3").inspect([](const LookupSpec& spec, const auto&) {
        EXPECT_EQ(spec.locate, "con");
    });
    ASSERT_TRUE(t->call("BrowseAPVendor"));
    EXPECT_EQ(t.globals.GlobalResponse, suite::Response::Completed);
    EXPECT_EQ(t.globals.DecimalVariable, 3);
    EXPECT_EQ(t.globals.LookupKey, "3");

    t.globals.JobField = "J200";
    t.globals.LookupKey = "";
    t.ui.expectLookup("Select a Cost Code").choose("J200      010100 M");
    t->call("BrowseJCCost");
    EXPECT_EQ(t.globals.LookupKey, "J200      010100 M");

    t.ui.expectLookup("Select a Bin").cancel();
    t.globals.JobField = "MAIN";
    t->call("BrowseINBin");
    EXPECT_EQ(t.globals.GlobalResponse, suite::Response::Cancelled);
}
