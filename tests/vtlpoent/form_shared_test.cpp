// What the purchase-order form keeps beyond one order: the vendor a line
// form proposed, the text case chosen per entry, the vendors chosen so far.
#include "siblings/services/text_case.h"
#include <algorithm>

#include "form_fixture.h"
#include "vtlpoent/line/line_form.h"
#include "vtlpoent/line/line_procedures.h"
#include "vtlpoent/line/update_po_detail.h"

namespace vtl::test {
namespace {

class FormSharedTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        ent::clearLineFormShared(s.module);
        ent::clearChosenVendorNames(s.module);
    }
    void TearDown() override {
        ent::clearLineFormShared(s.module);
        ent::clearChosenVendorNames(s.module);
    }
    // The line the line form has just stored: the highest number.
    // The line the line form just added to the form's lines.
    ULong newestLine(Session& ss) {
        const auto* lines = ent::lineFormShared(ss.module).openLines;
        return lines && !lines->empty() ? lines->back().DetailID : 0;
    }
    void priceItem(const char* item, ULong vendor, const char* price) {
        INVendor p;
        p.ItemID = item;
        p.VendorID = vendor;
        p.Price = *Decimal<15, 4>::parse(price);
        ASSERT_TRUE(store::Table<INVendor>(s.store()).insert(p));
    }
};

TEST_F(FormSharedTest, AVendorProposedByTheLineFormBecomesTheOrdersVendor) {
    priceItem("NAIL", 123, "1");
    PODetail old = glLine(30);
    old.ItemID = "NAIL";
    POMaster po = addOrder("1001", 7, {old});
    auto f = openForm(suite::Request::Change, po.POID);
    // The line form stores a new nail line and proposes vendor 123 from it.
    PODetail added = glLine(10);
    added.ItemID = "NAIL";
    queued.push_back(added);
    edit = nullptr;
    s.procedures.set("UpdatePODetail", [this](Session& ss) {
        lineForm(ss);
        auto& shared = ent::lineFormShared(ss.module);
        shared.pendingVendorID = 123;
        shared.priceSkipDetailID = newestLine(ss);
    });
    // The older nail line is priced by 123, so the price question comes.
    s.ui.expectAsk("Do you want to reset item pricing using this vendor's prices?", "Confirm Price Change",
                   "&Yes|&No", ui::Icon::Question).answer(2);
    f->insertLine();
    EXPECT_EQ(f->header().VendorID, 123u);
    EXPECT_EQ(f->header().Terms, "Net 30");
    EXPECT_EQ(f->vendorName(), "Cascade Lumber");
    EXPECT_FALSE(ent::lineFormShared(s.module).hasPendingVendor());
    f->cancel();
}

TEST_F(FormSharedTest, TheProposingLineIsLeftOutOfThePriceQuestion) {
    priceItem("NAIL", 123, "1");
    POMaster po = addOrder("1001", 7, {glLine(30)});
    auto f = openForm(suite::Request::Change, po.POID);
    PODetail added = glLine(10);
    added.ItemID = "NAIL";
    queued.push_back(added);
    s.procedures.set("UpdatePODetail", [this](Session& ss) {
        lineForm(ss);
        auto& shared = ent::lineFormShared(ss.module);
        shared.pendingVendorID = 123;
        shared.priceSkipDetailID = newestLine(ss);
    });
    f->insertLine();  // no question: the only priced line is the one that chose
    EXPECT_EQ(f->header().VendorID, 123u);
    f->cancel();
}

TEST_F(FormSharedTest, TheChosenTextCaseIsKeptPerUserAndField) {
    s.views.set<services::GetCase>([](services::GetCase& menu) { menu.choose(2); });  // ALL CAPS
    auto f = openForm(suite::Request::Insert);
    f->setTerms("net 30");
    EXPECT_EQ(f->header().Terms, "net 30");
    ASSERT_TRUE(f->chooseTextCase(ent::cased::kTerms));
    EXPECT_EQ(f->header().Terms, "NET 30");
    f->setTerms("due on receipt");
    EXPECT_EQ(f->header().Terms, "DUE ON RECEIPT");
    f->setFOB("origin");
    EXPECT_EQ(f->header().FOB, "origin");  // each entry keeps its own case
    f->cancel();

    // The next form of the same user writes Terms the same way; another user's does not.
    auto again = openForm(suite::Request::Insert);
    again->setTerms("net 10");
    EXPECT_EQ(again->header().Terms, "NET 10");
    again->cancel();
    s.globals.UserID = "ABC";
    auto other = openForm(suite::Request::Insert);
    other->setTerms("net 10");
    EXPECT_EQ(other->header().Terms, "net 10");
    other->cancel();
}

TEST_F(FormSharedTest, VendorsChosenOnAnyFormAreListedByName) {
    auto f = openForm(suite::Request::Insert);
    ASSERT_TRUE(f->enterVendor("123"));
    ASSERT_TRUE(f->enterVendor("7"));
    ASSERT_TRUE(f->enterVendor("123"));  // chosen again: listed once
    f->cancel();
    auto g = openForm(suite::Request::Insert);
    ASSERT_TRUE(g->enterVendor("9"));
    std::vector<std::string> names;
    for (const auto& [id, name] : g->chosenVendors()) names.push_back(std::to_string(id) + " " + name);
    EXPECT_EQ(names, (std::vector<std::string>{"9 ACE Rentals", "7 Acme Supply", "123 Cascade Lumber"}));
    g->cancel();
}

}  // namespace
}  // namespace vtl::test

namespace vtl::test {
namespace {

TEST_F(FormSharedTest, TheLineFormStartsFromTheHeaderAsTheFormShowsIt) {
    ent::registerLineProcedures(s.procedures, nullptr);
    s.views.set<ent::UpdatePODetail>([](ent::UpdatePODetail& line) {
        EXPECT_EQ(line.order().VendorID, 123u) << "the vendor typed on the form, not yet stored";
        EXPECT_TRUE(line.setCostCode("010100", "LAB"));
        line.setQuantity(*Quantity::parse("2"));
        line.setUnitPrice(5);
        EXPECT_TRUE(line.ok());
    });
    auto f = openForm(suite::Request::Insert);
    ASSERT_TRUE(f->enterVendor("123"));
    ASSERT_TRUE(f->enterDefaultJob("J100"));
    f->setTaxable(true);
    f->insertLine();
    ASSERT_EQ(f->rows().size(), 1u);
    const PODetail& d = f->lines()[0];
    EXPECT_EQ(d.DetailID, f->rows()[0].detailId);
    EXPECT_EQ(d.JobID, "J100");
    EXPECT_EQ(d.Taxable, 1);
    EXPECT_EQ(d.TotalAmount.toString(), "10.00");
    POMaster none;
    none.POID = f->header().POID;
    EXPECT_FALSE(store::Table<POMaster>(s.store()).fetch(POMaster::KeyPOID, none)) << "the order waits for OK";
    EXPECT_EQ(store::Table<PODetail>(s.store()).count(), 0) << "and so do its lines";
    EXPECT_FALSE(ent::lineFormShared(s.module).openHeader.has_value());
    EXPECT_EQ(ent::lineFormShared(s.module).openLines, nullptr);
    f->cancel();
}

}  // namespace
}  // namespace vtl::test
