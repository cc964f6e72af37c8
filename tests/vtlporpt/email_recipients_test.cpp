// Who a purchase order is e-mailed to, and the choice among them: the vendor
// and its contacts with an address, the first tagged; the window only when
// there is a choice; tags turned, the question when nobody is tagged.
#include "vtlporpt/email_fixture.h"
#include "vtlporpt/email/po_email_select.h"
#include "vtlporpt/procedures.h"

using namespace vtl;
using namespace vtl::test;
using rpt::POEmailSelect;
using rpt::Recipient;

namespace {

Recipient entry(bool tagged, const std::string& name, const std::string& address) {
    Recipient r;
    r.tagged = tagged;
    r.name = name;
    r.address = address;
    return r;
}

class RecipientsTest : public EmailTest {
protected:
    // Runs `script` as the choice window, counting how often it opened.
    void scriptWindow(std::function<void(POEmailSelect&)> script) {
        s.views.set<POEmailSelect>([this, script](POEmailSelect& w) {
            ++windows;
            script(w);
        });
    }
    void askNoneTagged(int answer) {
        s.ui.expectAsk(POEmailSelect::kNoneTaggedText, POEmailSelect::kNoneTaggedTitle, "&Yes|&No",
                       ui::Icon::Question)
            .answer(answer);
    }

    int windows = 0;
};

TEST_F(RecipientsTest, TheVendorComesFirstUnderItsContactThenItsContactsWithAnAddress) {
    addVendor(101, "Cascade Lumber Supply", "orders@cascadelumber.example", "Dana Whitaker");
    addContact(101, "Luis", "Ortega", "luis@cascadelumber.example");
    addContact(101, "Mara", "Quinn", "");  // no address: not offered
    addContact(202, "Otto", "Brandt", "otto@elsewhere.example");  // another vendor's
    addContact(101, "Jo", "Park", "jo@cascadelumber.example");

    EXPECT_EQ(rpt::vendorRecipients(s.store(), 101),
              (std::vector<Recipient>{entry(true, "Dana Whitaker", "orders@cascadelumber.example"),
                                      entry(false, "Luis Ortega", "luis@cascadelumber.example"),
                                      entry(false, "Jo Park", "jo@cascadelumber.example")}));
}

TEST_F(RecipientsTest, AVendorWithoutAContactGoesUnderItsName) {
    addVendor(101, "Cascade Lumber Supply", "orders@cascadelumber.example");
    EXPECT_EQ(rpt::vendorRecipients(s.store(), 101),
              (std::vector<Recipient>{entry(true, "Cascade Lumber Supply", "orders@cascadelumber.example")}));
}

TEST_F(RecipientsTest, WithoutAVendorAddressTheFirstContactIsTagged) {
    addVendor(101, "Cascade Lumber Supply", "", "Dana Whitaker");
    addContact(101, "Luis", "Ortega", "luis@cascadelumber.example");
    addContact(101, "Jo", "Park", "jo@cascadelumber.example");
    EXPECT_EQ(rpt::vendorRecipients(s.store(), 101),
              (std::vector<Recipient>{entry(true, "Luis Ortega", "luis@cascadelumber.example"),
                                      entry(false, "Jo Park", "jo@cascadelumber.example")}));
}

TEST_F(RecipientsTest, NobodyWithAnAddressLeavesOneEntryToComplete) {
    addVendor(101, "Cascade Lumber Supply", "", "Dana Whitaker");
    addContact(101, "Mara", "Quinn", "   ");
    const std::vector<Recipient> placeholder{entry(true, rpt::kAddRecipient, "")};
    EXPECT_EQ(rpt::vendorRecipients(s.store(), 101), placeholder);
    EXPECT_EQ(rpt::vendorRecipients(s.store(), 999), placeholder) << "an unknown vendor has no address";
}

TEST_F(RecipientsTest, NamesAndAddressesAreCutToTheListsWidths) {
    const std::string longAddress = std::string(48, 'a') + "@cascadelumber.example";  // 70: beyond the vendor's 60
    addVendor(101, std::string(50, 'N'), longAddress);
    addContact(101, std::string(20, 'F'), std::string(20, 'L'), "x@y.example");
    const auto list = rpt::vendorRecipients(s.store(), 101);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].address, longAddress.substr(0, 50));
    EXPECT_EQ(list[1].name, std::string(20, 'F') + " " + std::string(20, 'L'));
}

TEST_F(RecipientsTest, OneEntryIsTaggedWithoutAWindow) {
    scriptWindow([](POEmailSelect&) {});
    std::vector<Recipient> list{entry(false, "Dana Whitaker", "dana@cascadelumber.example")};
    EXPECT_TRUE(rpt::chooseRecipients(*s, list));
    EXPECT_EQ(windows, 0);
    EXPECT_EQ(list, (std::vector<Recipient>{entry(true, "Dana Whitaker", "dana@cascadelumber.example")}));

    std::vector<Recipient> none;
    EXPECT_FALSE(rpt::chooseRecipients(*s, none));
    EXPECT_EQ(windows, 0);
}

TEST_F(RecipientsTest, TwoEntriesOpenTheWindowAndOnlyTheTaggedOnesStay) {
    addVendor(101, "Cascade Lumber Supply", "orders@cascadelumber.example", "Dana Whitaker");
    addContact(101, "Luis", "Ortega", "luis@cascadelumber.example");
    addContact(101, "Jo", "Park", "jo@cascadelumber.example");
    scriptWindow([](POEmailSelect& w) {
        ASSERT_EQ(w.recipients().size(), 3u);
        w.toggle(0);  // the vendor off
        w.toggle(2);  // Jo on
        EXPECT_TRUE(w.proceed());
    });
    auto list = rpt::vendorRecipients(s.store(), 101);
    EXPECT_TRUE(rpt::chooseRecipients(*s, list));
    EXPECT_EQ(windows, 1);
    EXPECT_EQ(list, (std::vector<Recipient>{entry(true, "Jo Park", "jo@cascadelumber.example")}));
}

TEST_F(RecipientsTest, TogglingTurnsATagEachWayAndIgnoresRowsBeyondTheList) {
    std::vector<Recipient> list{entry(true, "A", "a@x.example"), entry(false, "B", "b@x.example")};
    POEmailSelect w(s.ui, list);
    w.toggle(1);
    EXPECT_TRUE(list[1].tagged);
    w.toggle(1);
    EXPECT_FALSE(list[1].tagged);
    w.toggle(0);
    EXPECT_FALSE(list[0].tagged);
    w.toggle(2);
    EXPECT_EQ(list.size(), 2u);
    EXPECT_FALSE(w.closed());
}

TEST_F(RecipientsTest, ProceedWithTaggedEntriesRemovesTheOthersWithoutAQuestion) {
    std::vector<Recipient> list{entry(true, "A", "a@x.example"), entry(false, "B", "b@x.example"),
                                entry(false, "C", "c@x.example")};
    POEmailSelect w(s.ui, list);
    w.toggle(2);
    EXPECT_TRUE(w.proceed());
    EXPECT_TRUE(w.closed());
    EXPECT_EQ(list, (std::vector<Recipient>{entry(true, "A", "a@x.example"), entry(true, "C", "c@x.example")}));
}

TEST_F(RecipientsTest, ProceedWithNobodyTaggedAsksNoKeepsTheListAndYesEmptiesIt) {
    std::vector<Recipient> list{entry(true, "A", "a@x.example"), entry(false, "B", "b@x.example")};
    const auto untagged = std::vector<Recipient>{entry(false, "A", "a@x.example"), entry(false, "B", "b@x.example")};
    POEmailSelect w(s.ui, list);
    w.toggle(0);

    askNoneTagged(2);
    EXPECT_FALSE(w.proceed());
    EXPECT_FALSE(w.closed()) << "No returns to the list";
    EXPECT_EQ(list, untagged);

    askNoneTagged(0);  // the question closed without an answer counts as No
    EXPECT_FALSE(w.proceed());
    EXPECT_EQ(list, untagged);

    askNoneTagged(1);
    EXPECT_TRUE(w.proceed());
    EXPECT_TRUE(w.closed());
    EXPECT_TRUE(list.empty());
}

TEST_F(RecipientsTest, ChoosingNobodyMeansTheOrderIsNotEmailed) {
    scriptWindow([this](POEmailSelect& w) {
        w.toggle(0);
        askNoneTagged(1);
        w.proceed();
    });
    std::vector<Recipient> list{entry(true, "A", "a@x.example"), entry(false, "B", "b@x.example")};
    EXPECT_FALSE(rpt::chooseRecipients(*s, list));
    EXPECT_TRUE(list.empty());
}

TEST_F(RecipientsTest, WithoutAWindowToShowTheEntriesTaggedByTheRuleGo) {
    std::vector<Recipient> list{entry(true, "A", "a@x.example"), entry(false, "B", "b@x.example")};
    EXPECT_TRUE(rpt::chooseRecipients(*s, list));
    EXPECT_EQ(list, (std::vector<Recipient>{entry(true, "A", "a@x.example")}));
}

TEST_F(RecipientsTest, TheProcedureByNameChoosesAmongTheSharedList) {
    rpt::registerReportProcedures(s.procedures);
    rpt::clearSharedRecipients(s.module);
    scriptWindow([](POEmailSelect& w) {
        w.toggle(1);
        w.proceed();
    });
    auto& shared = rpt::sharedRecipients(s.module);
    shared = {entry(true, "A", "a@x.example"), entry(false, "B", "b@x.example"), entry(false, "C", "c@x.example")};
    EXPECT_TRUE(s->call("POEmailSelect"));
    EXPECT_EQ(rpt::sharedRecipients(s.module),
              (std::vector<Recipient>{entry(true, "A", "a@x.example"), entry(true, "B", "b@x.example")}));
    rpt::clearSharedRecipients(s.module);
}

}  // namespace
