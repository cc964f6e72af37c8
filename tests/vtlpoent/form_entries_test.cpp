// The purchase-order form's opening modes and header entries: vendor by
// number or name, inactive vendors, the default job and the PO number.
#include "form_fixture.h"

using namespace vtl;
using namespace vtl::test;
using ui::Icon;

TEST_F(FormTest, AddModePrimesAHeaderFromTheSettingsAndStoresNothingBeforeOk) {
    auto f = openForm(suite::Request::Insert);
    EXPECT_EQ(f->caption(), "Adding a Purchase Order");
    const POMaster& h = f->header();
    EXPECT_NE(h.POID, 0u);
    EXPECT_EQ(h.PONumber, "2001");
    EXPECT_EQ(f->assignedPONumber(), 2001u);
    EXPECT_EQ(h.IssueDate, s.clock.today());
    EXPECT_EQ(h.PreparedBy, "Jane Lee");
    POMaster notYet;
    notYet.POID = h.POID;
    EXPECT_FALSE(store::Table<POMaster>(s.store()).fetch(POMaster::KeyPOID, notYet));
    DropList agent;
    ASSERT_TRUE(store::Table<DropList>(s.store()).all(DropList::KeyDropListID).next(agent));
    EXPECT_EQ(agent.Value, "Jane Lee");
    EXPECT_EQ(agent.FieldName, "POM Purchasing Agent");

    queued = {glLine(5)};
    f->insertLine();
    const ULong poid = h.POID;
    f->cancel();
    EXPECT_EQ(store::Table<POMaster>(s.store()).count(), 0);
    EXPECT_EQ(store::Table<PODetail>(s.store()).count(), 0);
    EXPECT_EQ(nextNumber(), 2001u);

    // A form that never reaches OK or Cancel (the program was killed) has
    // left nothing either, and its order number is never given again.
    auto killed = openForm(suite::Request::Insert);
    EXPECT_EQ(killed->header().PONumber, "2001");
    queued = {jobLine("J100", 40)};
    killed->insertLine();
    const ULong killedPoid = killed->header().POID;
    killed.reset();
    EXPECT_EQ(store::Table<POMaster>(s.store()).count(), 0);
    EXPECT_EQ(store::Table<PODetail>(s.store()).count(), 0);
    EXPECT_EQ(committed(), "0.00");
    auto next = openForm(suite::Request::Insert);
    EXPECT_GT(next->header().POID, killedPoid);
    EXPECT_NE(next->header().POID, poid);
    EXPECT_EQ(next->header().PONumber, "2001");  // no number was taken
    next->cancel();
}

TEST_F(FormTest, ChangeAndViewModesApplyTheirGuards) {
    POMaster po = addOrder("1001", 123, {glLine(5)});
    po.Reconciled = 1;
    ASSERT_TRUE(store::Table<POMaster>(s.store()).update(po));
    UserFile u;
    u.UserID = "JDL";
    ASSERT_TRUE(store::Table<UserFile>(s.store()).fetch(UserFile::KeyUserID, u));
    u.MayChangePONumber = 0;
    ASSERT_TRUE(store::Table<UserFile>(s.store()).update(u));
    s.module.viewOnly = true;

    auto f = openForm(suite::Request::Change, po.POID);
    EXPECT_EQ(f->caption(), "Changing a Purchase Order");
    EXPECT_EQ(f->vendorName(), "Cascade Lumber");
    EXPECT_EQ(f->enteredVendor(), "123");
    EXPECT_FALSE(f->vendorEnabled());
    EXPECT_FALSE(f->poNumberEnabled());
    EXPECT_FALSE(f->okEnabled());
    EXPECT_FALSE(f->ok());
    EXPECT_FALSE(f->enterVendor("7"));
    EXPECT_EQ(f->header().VendorID, 123u);
    f->cancel();

    s.module.viewOnly = false;
    auto v = openForm(suite::Request::View, po.POID);
    EXPECT_EQ(v->caption(), "View Record");
    v->insertLine();
    EXPECT_EQ(lineFormCalls, 0);
    EXPECT_TRUE(v->ok());
    EXPECT_TRUE(v->closed());
}

TEST_F(FormTest, VendorTypedAsNumberOrNamePrefix) {
    auto f = openForm(suite::Request::Insert);
    EXPECT_TRUE(f->enterVendor("123"));
    EXPECT_EQ(f->header().VendorID, 123u);
    EXPECT_EQ(f->vendorName(), "Cascade Lumber");
    EXPECT_EQ(f->header().Terms, "Net 30");

    // Only one name begins with "acm": taken at once.
    EXPECT_TRUE(f->enterVendor("acm"));
    EXPECT_EQ(f->header().VendorID, 7u);
    EXPECT_FALSE(f->vendorListOpen());

    // Three begin with "ac": the first stands while the list is open.
    EXPECT_TRUE(f->enterVendor("ac"));
    EXPECT_TRUE(f->vendorListOpen());
    ASSERT_EQ(f->vendorChoices().size(), 3u);
    EXPECT_EQ(f->vendorChoices()[0].second, "ACE Rentals");
    EXPECT_EQ(f->header().VendorID, 9u);
    f->chooseVendorFromList(8);
    EXPECT_EQ(f->header().VendorID, 8u);
    EXPECT_EQ(f->vendorName(), "Acorn Hardware");
    EXPECT_FALSE(f->vendorListOpen());

    // None: the look-up opens; cancelling it keeps focus on the vendor.
    s.ui.expectLookup("Select a Vendor").cancel();
    EXPECT_FALSE(f->enterVendor("zz"));
    EXPECT_EQ(f->focusField(), ent::focus::kVendor);
    s.ui.expectLookup("Select a Vendor").choose("123");
    EXPECT_TRUE(f->enterVendor("zz"));
    EXPECT_EQ(f->header().VendorID, 123u);
    f->cancel();
}

TEST_F(FormTest, AnInactiveVendorIsAskedAboutAndNoRefusesIt) {
    addVendor(55, "Dormant Supply", 0);
    auto f = openForm(suite::Request::Insert);
    const char* q = "Vendor 55, Dormant Supply has been marked inactive.  Are you sure you wish to select this vendor?";
    s.ui.expectAsk(q, "Inactive Vendor Selected", "&No|&Yes", Icon::Question).answer(1);
    EXPECT_FALSE(f->enterVendor("55"));
    EXPECT_EQ(f->header().VendorID, 0u);
    EXPECT_EQ(f->enteredVendor(), "");
    EXPECT_EQ(f->vendorName(), "");
    s.ui.expectAsk(q, "Inactive Vendor Selected", "&No|&Yes", Icon::Question).answer(2);
    EXPECT_TRUE(f->enterVendor("dorm"));
    EXPECT_EQ(f->header().VendorID, 55u);
    f->cancel();
}

TEST_F(FormTest, ChoosingAVendorOffersItsItemPrices) {
    INVendor p;
    p.ItemID = "NAIL";
    p.VendorID = 7;
    p.VendorCatalogID = "AC-NAIL";
    p.UnitName = "BOX";
    p.Price = *Decimal<15, 4>::parse("2.5");
    ASSERT_TRUE(store::Table<INVendor>(s.store()).insert(p));
    PODetail nails = glLine(30);
    nails.ItemID = "NAIL";
    nails.QtyOrdered = *Quantity::parse("10");
    nails.UnitPrice = 3;
    POMaster po = addOrder("1001", 123, {nails});
    auto f = openForm(suite::Request::Change, po.POID);
    s.ui.expectAsk("Do you want to reset item pricing using this vendor's prices?", "Confirm Price Change",
                   "&Yes|&No", Icon::Question)
        .answer(1);
    EXPECT_TRUE(f->enterVendor("7"));
    EXPECT_EQ(f->header().PreTaxAmount.toString(), "25.00");
    EXPECT_EQ(f->lines()[0].VendorCatalogID, "AC-NAIL");
    EXPECT_EQ(f->lines()[0].UnitName, "BOX");
    f->enterVendor("123");  // no prices there: no question
    f->cancel();
    PODetail d;
    d.DetailID = f->rows()[0].detailId;
    ASSERT_TRUE(store::Table<PODetail>(s.store()).fetch(PODetail::KeyDetailID, d));
    EXPECT_EQ(d.VendorCatalogID, "") << "Cancel keeps the stored line";
}

TEST_F(FormTest, DefaultJobRefusesClosedAsksForInactiveAndTakesTheJobTaxRate) {
    addJob("J300", "Old Depot", 1, 1);
    addJob("J400", "Quiet Yard", 0, 0);
    JCHeader taxed;
    taxed.JobID = "J100";
    ASSERT_TRUE(store::Table<JCHeader>(s.store()).fetch(JCHeader::KeyJobID, taxed));
    taxed.APTaxRate = *Decimal<7, 4>::parse("6.5");
    ASSERT_TRUE(store::Table<JCHeader>(s.store()).update(taxed));
    auto f = openForm(suite::Request::Insert);

    s.ui.expectTell("Job J300 is closed to new transactions, please select a different Job ID.", "Job is Closed",
                    Icon::Exclamation);
    EXPECT_FALSE(f->enterDefaultJob("J300"));
    EXPECT_EQ(f->header().DefaultJob, "");
    s.ui.expectAsk("Job J400 has been marked 'Inactive', are you sure you want to assign this invoice to this job",
                   "Assign to Inactive Job?", "&Yes|&No", Icon::Question)
        .answer(2);
    EXPECT_FALSE(f->enterDefaultJob("J400"));
    EXPECT_EQ(f->header().DefaultJob, "");
    EXPECT_EQ(s.ui.beeps(), 2);

    // By name: "Hil" names one open job only.
    EXPECT_TRUE(f->enterDefaultJob("Hil"));
    EXPECT_EQ(f->header().DefaultJob, "J200");
    // Two begin with "H": the pick list.
    s.ui.expectLookup("Select a Job by Name").choose("J100");
    EXPECT_TRUE(f->enterDefaultJob("h"));
    EXPECT_EQ(f->header().DefaultJob, "J100");
    EXPECT_EQ(f->header().Taxable, 1);
    EXPECT_DOUBLE_EQ(f->header().TaxRate, 6.5);
    f->cancel();
}

TEST_F(FormTest, DuplicatePONumberWarnsWhenSwitchedOn) {
    setSystems([](Systems& x) { x.WarnDuplicatePO = 1; });
    addOrder("1001", 123, {});
    auto f = openForm(suite::Request::Insert);
    const char* q = "Purchase Order Number 1001 has already been entered.||Re-enter the Purchase Order number?";
    s.ui.expectAsk(q, "Duplicate PO Number Warning", "&Yes|&No", Icon::Exclamation).answer(1);
    f->enterPONumber("1001");
    EXPECT_EQ(f->header().PONumber, "");
    EXPECT_EQ(f->focusField(), ent::focus::kPONumber);
    s.ui.expectAsk(q, "Duplicate PO Number Warning", "&Yes|&No", Icon::Exclamation).answer(2);
    f->enterPONumber("1001");
    EXPECT_EQ(f->header().PONumber, "1001");
    f->enterPONumber("2001");  // its own number is no duplicate
    f->cancel();
}

TEST_F(FormTest, ShipToFillsFromTheChosenParty) {
    setSystems([](Systems& x) {
        x.CompanyName = "Brook Builders";
        x.CompanyCity = "Salem";
        x.CompanyState = "OR";
        x.CompanyZip = "97301";
    });
    auto f = openForm(suite::Request::Insert);
    f->setShipToType("Company");
    EXPECT_EQ(f->header().ShipToName, "Brook Builders");
    EXPECT_EQ(f->cityStateZip(), "Salem, OR  97301");
    f->setShipToType("Customer");
    EXPECT_TRUE(f->alternateVisible());
    s.ui.expectTell("Please select a ship-to customer.", "No Customer Selected", Icon::Information);
    f->alternateShipTo();
    EXPECT_TRUE(f->enterShipToJob("J100"));
    EXPECT_EQ(f->header().ShipToName, "Harbor Bridge");
    // The ship-to job found by the start of its name, as the default job is.
    f->setShipToType("Job");
    EXPECT_TRUE(f->enterShipToJob("hil"));
    EXPECT_EQ(f->header().ShipToJob, "J200");
    s.ui.expectLookup("Select a Job by Name").choose("J100");
    EXPECT_TRUE(f->enterShipToJob("H"));
    EXPECT_EQ(f->header().ShipToJob, "J100");
    EXPECT_EQ(f->header().ShipToName, "Harbor Bridge");
    f->cancel();
}

TEST_F(FormTest, MoreVendorInfoAndAVendorChosenOnALine) {
    APVendor v;
    v.VendorID = 123;
    ASSERT_TRUE(store::Table<APVendor>(s.store()).fetch(APVendor::KeyVendorID, v));
    v.Address = "1 Mill Rd";
    v.City = "Salem";
    v.State = "OR";
    v.Zip = "97301";
    v.Phone = "503-555-0100";
    v.Contact = "Ann";
    ASSERT_TRUE(store::Table<APVendor>(s.store()).update(v));
    INVendor p;
    p.ItemID = "NAIL";
    p.VendorID = 123;
    p.Price = *Decimal<15, 4>::parse("1");
    ASSERT_TRUE(store::Table<INVendor>(s.store()).insert(p));
    PODetail nails = glLine(30);
    nails.ItemID = "NAIL";
    POMaster po = addOrder("1001", 7, {nails});
    auto f = openForm(suite::Request::Change, po.POID);
    // The only priced line is the one whose line form chose the vendor: no question.
    EXPECT_TRUE(f->vendorFromLine(123, f->rows()[0].detailId));
    EXPECT_EQ(f->header().VendorID, 123u);
    s.ui.expectTell("Cascade Lumber|1 Mill Rd|Salem, OR  97301||Phone: 503-555-0100|||Contact: Ann",
                    "Additional Subcontractor Info", Icon::Information);
    f->moreVendorInfo();
    f->cancel();
}

// Another vendor's unit for an item orders another number of stocking
// units: the reset price takes the unit's stocking quantity with it.
TEST_F(FormTest, APriceResetToAnotherUnitRecomputesTheStockingQuantity) {
    INMaster nail;
    nail.ItemID = "NAIL";
    nail.StockUnit = "EA";
    ASSERT_TRUE(store::Table<INMaster>(s.store()).insert(nail));
    INCnvrt box;
    box.ItemID = "NAIL";
    box.UnitName = "BOX";
    box.Factor = 50;
    ASSERT_TRUE(store::Table<INCnvrt>(s.store()).insert(box));
    INVendor p;
    p.ItemID = "NAIL";
    p.VendorID = 7;
    p.UnitName = "BOX";
    p.Price = *Decimal<15, 4>::parse("20");
    ASSERT_TRUE(store::Table<INVendor>(s.store()).insert(p));
    PODetail d;
    d.DetailType = "Inventory";
    d.ItemID = "NAIL";
    d.UnitName = "EA";
    d.QtyOrdered = Quantity(4);
    d.UnitPrice = 0.5;
    d.TotalAmount = Money(2);
    d.INVQuantity = Quantity(4);
    POMaster po = addOrder("1001", 123, {d});
    post(po);
    auto f = openForm(suite::Request::Change, po.POID);
    s.ui.expectAsk("Do you want to reset item pricing using this vendor's prices?", "Confirm Price Change",
                   "&Yes|&No", Icon::Question)
        .answer(1);
    ASSERT_TRUE(f->enterVendor("7"));
    EXPECT_EQ(f->lines()[0].UnitName, "BOX");
    EXPECT_EQ(f->lines()[0].INVQuantity.toString(), "200.0000");
    EXPECT_EQ(f->lines()[0].ConversionID, box.ConversionID);
    EXPECT_TRUE(f->ok());
    INMaster after;
    after.ItemID = "NAIL";
    ASSERT_TRUE(store::Table<INMaster>(s.store()).fetch(INMaster::KeyItemID, after));
    EXPECT_EQ(after.OnOrder.toString(), "200.0000");
}
