// The windows of the import and export through their controllers: the
// import window with its sources and error list, the source form with its
// lists and item editor, and the export window.
#include <algorithm>
#include <filesystem>

#include "records/reconciliation.h"
#include "support/temp_dir.h"
#include "vtlpoimp/export_po_window.h"
#include "vtlpoimp/import_fixture.h"
#include "vtlpoimp/import_po_master.h"
#include "vtlpoimp/procedures.h"
#include "vtlpoimp/update_po_master_import.h"

using namespace vtl;
using namespace vtl::imp;
using ui::Icon;

namespace {

class ImportWindows : public test::ImportTest {
protected:
    void SetUp() override {
        ImportTest::SetUp();
        registerImportProcedures(s.procedures);
    }
};

TEST_F(ImportWindows, TheBuiltInSourceIsMadeOnceAndCannotBeDeleted) {
    ImportPOMaster w(*s);
    w.open();
    w.open();
    ASSERT_EQ(w.sources().size(), 1u);
    const JCLimits& b = w.sources()[0];
    EXPECT_EQ(b.ReportTitle, kBuiltInTitle);
    EXPECT_EQ(b.Skip, 1);
    EXPECT_EQ(b.PrintOrder, "C");
    EXPECT_EQ(b.JobTo, "MM/DD/YYYY");
    EXPECT_EQ(b.FieldLayout, kBuiltInLayout);
    EXPECT_EQ(b.UserID, "JDL");
    s.ui.expectTell("This Import Type cannot be deleted", "Cannot Delete", Icon::Exclamation);
    w.deleteSource();
    EXPECT_EQ(listSources(s.store()).size(), 1u);
}

TEST_F(ImportWindows, SourcesAreAddedChangedLocatedAndDeletedFromTheImportWindow) {
    ImportPOMaster w(*s);
    w.open();
    s.views.set<UpdatePOMasterImport>([](UpdatePOMasterImport& f) {
        if (f.request() == suite::Request::Insert) f.setTitle("Bids from estimating");
        else f.setHeaderFile("/data/bids.txt");
        f.ok();
    });
    w.insertSource();
    ASSERT_EQ(w.sources().size(), 2u);
    EXPECT_EQ(w.sources()[w.highlighted()].ReportTitle, "Bids from estimating");  // the new one, highlighted
    w.locate("*pur");
    EXPECT_EQ(w.highlighted(), 0);
    w.locate("BIDS");
    EXPECT_EQ(w.highlighted(), 1);
    w.changeSource();
    EXPECT_EQ(findSource(s.store(), "Bids from estimating")->NameFrom, "/data/bids.txt");
    EXPECT_EQ(w.highlighted(), 1);

    s.ui.expectAsk("Are you sure you want to delete the highlighted record?", "Confirm Delete", "&Yes|&No", Icon::Warning)
        .answer(2);
    w.deleteSource();
    EXPECT_EQ(w.sources().size(), 2u);
    s.ui.expectAsk("Are you sure you want to delete the highlighted record?", "Confirm Delete", "&Yes|&No", Icon::Warning)
        .answer(1);
    w.deleteSource();
    ASSERT_EQ(w.sources().size(), 1u);
    EXPECT_EQ(w.highlighted(), 0);
}

TEST_F(ImportWindows, PreviewShowsTheErrorsAndCancelDropsEverything) {
    ImportPOMaster w(*s);
    w.open();
    const std::string f = file("in.txt", "D,0,\"\",\"\",\"x\",1,1,\"EA\",1,\"G\",\"6100-00\"\nH,101,\"\",,\"A\",,,,,1,0,0,1\n");
    bool cancelled = true;
    s.views.set<BrowseErrQue>([&](BrowseErrQue& q) {
        ASSERT_EQ(q.errors().size(), 1u);
        EXPECT_EQ(q.row(0), (std::vector<std::string>{"     1", "Detail with no Purchase Order Header: 0"}));
        if (cancelled) q.cancel();
        else q.proceed();
    });
    // The named file is missing: the person picks the real one, which the source keeps.
    JCLimits src = w.sources()[0];
    src.NameFrom = s.dir.file("gone.txt");
    ASSERT_TRUE(store::Table<JCLimits>(s.store()).update(src));
    w.open();
    s.ui.expectAsk("The selected import file, " + s.dir.file("gone.txt") +
                       " does not exist.  Do you wish to select a different file?",
                   "Select New Filename", "&Yes|&No", Icon::Exclamation)
        .answer(1);
    s.ui.expectOpenFile("Select An Import File", "Text Files|*.txt|All Files|*.*").answer(f);
    std::vector<int> seen;
    w.preview([&](int p) { seen.push_back(p); });
    EXPECT_EQ(s.ui.beeps(), 1);
    EXPECT_EQ(w.rowCount(), 0u);
    EXPECT_FALSE(w.importEnabled());
    EXPECT_EQ(findSource(s.store(), kBuiltInTitle)->NameFrom, f);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), 100);
    EXPECT_EQ(w.progressText(), "Process Complete");

    cancelled = false;
    w.preview();
    ASSERT_EQ(w.rowCount(), 1u);
    EXPECT_TRUE(w.importEnabled());
    EXPECT_FALSE(w.previewEnabled());
    ASSERT_EQ(w.columns().size(), 25u);  // the counted POID, then the 24 header fields
    EXPECT_EQ(w.columns()[0].title, "POID");
    EXPECT_EQ(w.columns()[1].title, "HD");
    EXPECT_EQ(w.columns()[5].title, "PO Number");
    EXPECT_EQ(w.row(0)[5], "A" + std::string(19, ' '));  // @s20
    w.importRecords();
    EXPECT_TRUE(w.closed());
    ASSERT_EQ(orders().size(), 1u);
    EXPECT_EQ(orders()[0].PONumber, "A");
    EXPECT_EQ(store::Table<PODetail>(s.store()).count(), 0);
}

TEST_F(ImportWindows, SourceFormListsMoveAndTurnIntoTheLayout) {
    s.globals.GlobalRequest = suite::Request::Insert;
    UpdatePOMasterImport form(*s);
    ASSERT_TRUE(form.open());
    EXPECT_EQ(form.caption(), "Adding a Purchase Order Import Source");
    form.setTitle("Estimating");
    form.setFormat(FileFormat::Fixed);
    std::vector<std::pair<std::string, int>> script{{"POID", 5}, {"Vendor ID", 4}, {"PO Number", 10}, {"Terms", 20}};
    std::size_t next = 0;
    s.views.set<ImportItemEditor>([&](ImportItemEditor& e) {
        EXPECT_TRUE(e.lengthShown());
        EXPECT_EQ(e.contents(), "Not Used");
        EXPECT_EQ(e.choices().front(), e.part() == Part::Header ? "POID" : "POID");
        e.setContents(script[next].first);
        e.setLength(script[next].second);
        ++next;
        e.ok();
    });
    for (int i = 0; i < 4; ++i) form.insertItem(Part::Header);
    auto names = [&] {
        std::string out;
        for (const auto& i : form.items(Part::Header)) out += std::to_string(i.number) + i.code + std::to_string(i.start) + " ";
        return out;
    };
    EXPECT_EQ(names(), "1PO1 2VI6 3PN10 4TM20 ");
    form.highlight(Part::Header, 0);
    form.moveUp(Part::Header);  // the first cannot go up
    EXPECT_EQ(names(), "1PO1 2VI6 3PN10 4TM20 ");
    form.highlight(Part::Header, 3);
    form.moveDown(Part::Header);  // nor the last down
    EXPECT_EQ(names(), "1PO1 2VI6 3PN10 4TM20 ");
    form.moveToTop(Part::Header);
    EXPECT_EQ(names(), "1TM1 2PO21 3VI26 4PN30 ");
    EXPECT_EQ(form.highlighted(Part::Header), 0);
    form.highlight(Part::Header, 1);
    form.moveToBottom(Part::Header);
    EXPECT_EQ(names(), "1TM1 2VI21 3PN25 4PO35 ");
    EXPECT_EQ(form.highlighted(Part::Header), 3);
    form.moveUp(Part::Header);
    EXPECT_EQ(names(), "1TM1 2VI21 3PO25 4PN30 ");
    form.deleteItem(Part::Header);
    EXPECT_EQ(names(), "1TM1 2VI21 3PN25 ");

    // A cancelled editor adds nothing.
    s.views.set<ImportItemEditor>([](ImportItemEditor& e) { e.cancel(); });
    form.insertItem(Part::Detail);
    EXPECT_TRUE(form.items(Part::Detail).empty());

    ASSERT_TRUE(form.ok());
    auto saved = findSource(s.store(), "Estimating");
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->FieldLayout, "TM20VI04PN10####");
    EXPECT_EQ(saved->PrintOrder, "F");
    EXPECT_EQ(saved->Skip, 0);

    // Opened again, the lists come back from the text.
    s.globals.GlobalRequest = suite::Request::Change;
    s.globals.DecimalVariable = saved->LimitID;
    UpdatePOMasterImport again(*s);
    ASSERT_TRUE(again.open());
    EXPECT_EQ(again.caption(), "Changing a Purchase Order Import Source");
    ASSERT_EQ(again.items(Part::Header).size(), 3u);
    EXPECT_EQ(again.items(Part::Header)[1].contents, "Vendor ID");
    EXPECT_EQ(again.items(Part::Header)[2].start, 25);
}

TEST_F(ImportWindows, SourceFormRefusesTheReservedNameAndAOneFileSourceWithoutRecordType) {
    s.globals.GlobalRequest = suite::Request::Insert;
    UpdatePOMasterImport form(*s);
    ASSERT_TRUE(form.open());
    form.setTitle("Import from Vantrel");
    s.ui.expectTell("Please select another name", "Duplicate Name", Icon::Exclamation);
    EXPECT_FALSE(form.ok());
    EXPECT_EQ(form.title(), "");
    EXPECT_TRUE(form.focusOnName());
    EXPECT_EQ(s.ui.beeps(), 1);

    form.setTitle("Mine");
    form.setOneFile(true);
    s.views.set<ImportItemEditor>([](ImportItemEditor& e) {
        // One file: the record type is offered, the POID is not.
        EXPECT_EQ(e.choices().front(), "Record Type (H)");
        EXPECT_EQ(std::count(e.choices().begin(), e.choices().end(), "POID"), 0);
        EXPECT_FALSE(e.lengthShown());
        e.setContents("Vendor ID");
        e.ok();
    });
    form.insertItem(Part::Header);
    s.ui.expectTell("The first Header File record must be \"Record Type\".", "Invalid Field Contents", Icon::Exclamation);
    EXPECT_FALSE(form.ok());
    EXPECT_FALSE(form.closed());
    EXPECT_FALSE(findSource(s.store(), "Mine"));
}

TEST_F(ImportWindows, TheBuiltInSourceChangesOnlyItsFiles) {
    ASSERT_TRUE(ensureBuiltInSource(s.store(), false, "JDL", Date::fromYmd(2026, 7, 1)));
    s.globals.GlobalRequest = suite::Request::Change;
    s.globals.DecimalVariable = findSource(s.store(), kBuiltInTitle)->LimitID;
    UpdatePOMasterImport form(*s);
    ASSERT_TRUE(form.open());
    EXPECT_TRUE(form.locked());
    form.setTitle("Renamed");
    form.setOneFile(false);
    form.setFormat(FileFormat::Tab);
    form.highlight(Part::Header, 0);
    form.moveDown(Part::Header);
    form.deleteItem(Part::Detail);
    form.setHeaderFile("/data/po.txt");
    form.setHeaderTitleLine(true);
    ASSERT_TRUE(form.ok());
    const auto b = findSource(s.store(), kBuiltInTitle);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->FieldLayout, kBuiltInLayout);
    EXPECT_EQ(b->Skip, 1);
    EXPECT_EQ(b->PrintOrder, "C");
    EXPECT_EQ(b->NameFrom, "/data/po.txt");
    EXPECT_EQ(b->TypeB, 1);
}

class ExportWindow : public test::ImportTest {
protected:
    ULong order(const char* number, Byte state) {
        POMaster po;
        po.PONumber = number;
        po.VendorID = 101;
        setReconciled(po, state);
        EXPECT_TRUE(store::Table<POMaster>(s.store()).insert(po));
        return po.POID;
    }
    void run(const std::vector<ULong>& tags, bool preview = false) {
        s.globals.TagQue.clear();
        for (ULong t : tags) s.globals.TagQue.add(t);
        ExportPO w(*s);
        w.setFileName(s.dir.file("out.txt"));
        w.setPreviewFile(preview);
        EXPECT_TRUE(w.proceed());
        EXPECT_TRUE(s.globals.TagQue.empty());
    }
};

TEST_F(ExportWindow, TheFourWaysItEnds) {
    const ULong open1 = order("1", 0), part = order("2", 1), full = order("3", 2);
    s.ui.expectTell("Export Process Complete", "Purchase Order Export");
    run({});
    EXPECT_EQ(s.dir.read("out.txt"), "");

    s.ui.expectTell("The export program found 1 purchase order that has been at least partially reconciled.  "
                    "This purchase order was exported as fully open.",
                    "Reconciled PO Exported As Open");
    s.ui.expectTell("Export Process Complete", "Purchase Order Export");
    run({open1, part});

    s.ui.expectTell("The export program found 2 purchase orders that have been at least partially reconciled.  "
                    "These purchase orders were exported as fully open.",
                    "Reconciled POs Exported As Open");
    run({full, open1, part}, true);
    EXPECT_EQ(s.ui.viewedTextFiles(), (std::vector<std::string>{s.dir.file("out.txt")}));
    const std::string text = s.dir.read("out.txt");
    EXPECT_EQ(text.substr(0, 12), "H,101,\"\",,\"3");
    EXPECT_FALSE(std::filesystem::exists(s.dir.file("data/Export.txt")));

    ExportPO blank(*s);
    EXPECT_FALSE(blank.proceed());
    EXPECT_TRUE(blank.focusOnName());
}

TEST_F(ExportWindow, RecordsAreWrittenWholeAndInTheirForms) {
    POMaster po;
    po.VendorID = 7;
    po.PONumber = "Q\"1";
    po.PreparedDate = Date::fromYmd(2024, 5, 7);
    po.IssueDate = Date::fromYmd(2024, 12, 25);
    po.PreTaxAmount = *Money::parse("1250.50");
    po.TaxRate = 8.25;
    po.POAmount = *Money::parse("1353.67");
    po.ShipToState = "W";
    po.FOB = "Dock  ";
    EXPECT_EQ(headerRecord(po),
              "H,7,\"\", 5/ 7/2024,\"Q\"\"1\",12/25/2024,,,,1250.5,8.25,0,1353.67,\"\",\"\",\"\",\"\",\"W \",\"\",\"\",\"\",\"\","
              "\"Dock\"");
    PODetail d;
    d.Description = std::string(200, 'd');
    d.Text = std::string(900, 't');
    d.QtyOrdered = *Quantity::parse("3.1250");
    d.UnitPrice = 0.1;
    d.TotalAmount = *Money::parse("0.31");
    d.DetailType = "G/L Account";
    const std::string r = detailRecord(d);
    EXPECT_GT(r.size(), 1100u);
    EXPECT_NE(r.find(",3.125,0.1,\"\",0.31,\"G/L Account\","), std::string::npos);
    EXPECT_EQ(r.substr(r.size() - 3), ",,,");
}

}  // namespace

namespace {

// Many orders in number order are read file by file; the records must be
// those of one order at a time.
TEST_F(ExportWindow, ManyOrdersInNumberOrderWriteWhatEachOrderWritesAlone) {
    std::vector<ULong> poids;
    for (int i = 0; i < 90; ++i) {
        POMaster po;
        po.PONumber = "N" + std::to_string(i);
        po.VendorID = 101;
        po.IssueDate = Date::fromYmd(2026, 1, 1 + i % 28);
        po.POAmount = Money(i);
        setReconciled(po, static_cast<Byte>(i % 3));
        ASSERT_TRUE(store::Table<POMaster>(s.store()).insert(po));
        if (i % 7 != 3) poids.push_back(po.POID);  // some are left out
        for (int k = 0; k < i % 4; ++k) {
            PODetail d;
            d.POID = po.POID;
            d.Description = "line \"" + std::to_string(k) + "\"";
            d.QtyOrdered = Quantity(k + 1);
            d.UnitPrice = 2.5;
            d.DetailType = "Job";
            d.DeliveryDate = Date::fromYmd(2026, 2, 1 + k);
            ASSERT_TRUE(store::Table<PODetail>(s.store()).insert(d));
        }
    }
    ExportResult all;
    ASSERT_TRUE(exportOrders(s.store(), poids, s.folder, s.dir.file("all.txt"), {}, all));
    std::string alone;
    ExportResult sum;
    for (ULong poid : poids) {
        ExportResult one;
        ASSERT_TRUE(exportOrders(s.store(), {poid}, s.folder, s.dir.file("one.txt"), {}, one));
        alone += s.dir.read("one.txt");
        sum.orders += one.orders;
        sum.lines += one.lines;
        sum.reconciled += one.reconciled;
    }
    EXPECT_EQ(s.dir.read("all.txt"), alone);
    EXPECT_EQ(all.orders, sum.orders);
    EXPECT_EQ(all.lines, sum.lines);
    EXPECT_EQ(all.reconciled, sum.reconciled);
}

}  // namespace
