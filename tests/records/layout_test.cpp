// Layouts of the purchase-order files as stated, the print work file's copy
// of the header, and the agreement of fields shared with the sibling files.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "records/test_tables.h"

namespace vtl {
namespace {

using namespace vtl::recordtest;

// ---------------------------------------------------------------------------
// Purchase-order layouts

void expectText(const RecordInfo& r, std::initializer_list<std::pair<const char*, int>> widths) {
    for (const auto& [name, width] : widths) {
        const FieldDef& f = fieldOf(r, name);
        EXPECT_EQ(f.kind, FieldKind::String) << r.name << "." << name;
        EXPECT_EQ(f.width, width) << r.name << "." << name;
    }
}

void expectDecimal(const RecordInfo& r, std::string_view name, int precision, int scale) {
    const FieldDef& f = fieldOf(r, name);
    EXPECT_EQ(f.kind, FieldKind::Decimal) << r.name << "." << name;
    EXPECT_EQ(f.precision, precision) << r.name << "." << name;
    EXPECT_EQ(f.scale, scale) << r.name << "." << name;
}

TEST(POMasterLayout, FieldsInStatedOrderWithTheGapAfterTheShipToZip) {
    const RecordInfo& r = POMaster::info();
    ASSERT_EQ(r.fields.size(), 52u);  // 51 fields and one gap
    EXPECT_EQ(r.fields.front().name, "POID");
    EXPECT_EQ(r.fields.front().kind, FieldKind::ULong);
    EXPECT_EQ(indexOf(r, "PONumber"), 10);
    EXPECT_EQ(indexOf(r, "ShipToZip"), 35);
    EXPECT_EQ(r.fields[36].kind, FieldKind::Gap);
    EXPECT_EQ(r.fields[36].width, 60);
    EXPECT_EQ(indexOf(r, "ShipToContact"), 37);
    EXPECT_EQ(indexOf(r, "Reconciled"), 42);
    EXPECT_EQ(indexOf(r, "SortPONumber"), 48);
    EXPECT_EQ(r.fields.back().name, "RecTF");
    EXPECT_EQ(r.fields.back().kind, FieldKind::Byte);
}

TEST(POMasterLayout, TextWidthsAndAmounts) {
    const RecordInfo& r = POMaster::info();
    expectText(r, {{"BatchID", 5},         {"ShipToType", 8},       {"ShipToJob", 10},       {"PreparedBy", 20},
                   {"CheckNo", 12},        {"PONumber", 15},        {"PrintFlag", 1},        {"InvoiceNumber", 15},
                   {"DefaultJob", 10},     {"ShipToName", 50},      {"ShipToAddress1", 50},  {"ShipToAddress2", 50},
                   {"ShipToCity", 30},     {"ShipToState", 2},      {"ShipToZip", 10},       {"ShipToContact", 40},
                   {"ShipVia", 20},        {"ShipToInstructions", 50}, {"ApprovedName", 20}, {"ApprovalUserID1", 3},
                   {"ApprovalUserID2", 3}, {"SortPONumber", 15},    {"FOB", 20},             {"Terms", 20}});
    for (const auto& f : r.fields)
        if (f.kind == FieldKind::Decimal) expectDecimal(r, f.name, 15, 2);
    EXPECT_EQ(fieldOf(r, "TaxRate").kind, FieldKind::Real);
    for (const char* id : {"VendorID", "ShipToVendor", "ShipToCustomer", "SortVendorID"})
        EXPECT_EQ(fieldOf(r, id).kind, FieldKind::ULong) << id;
}

TEST(PODetailLayout, FieldsInStatedOrderWithTheTextAfterTheGap) {
    const RecordInfo& r = PODetail::info();
    ASSERT_EQ(r.fields.size(), 45u);  // 44 fields and one gap
    EXPECT_EQ(r.fields[0].name, "POID");
    EXPECT_EQ(r.fields[1].name, "DetailID");
    EXPECT_EQ(indexOf(r, "DetailType"), 22);
    EXPECT_EQ(indexOf(r, "SequenceNo"), 42);
    EXPECT_EQ(r.fields[43].kind, FieldKind::Gap);
    EXPECT_EQ(r.fields[43].width, 40);
    EXPECT_EQ(r.fields.back().name, "Text");
    EXPECT_EQ(r.fields.back().width, 1000);
    EXPECT_EQ(r.autoNumber, "DetailID");
}

TEST(PODetailLayout, QuantitiesCarryFourPlacesAmountsTwoAndPricesAreReal) {
    const RecordInfo& r = PODetail::info();
    int quantities = 0;
    for (const auto& f : r.fields) {
        if (f.kind != FieldKind::Decimal) continue;
        bool quantity = f.name.rfind("Qty", 0) == 0 || f.name == "INVQuantity";
        quantities += quantity;
        expectDecimal(r, f.name, 15, quantity ? 4 : 2);
    }
    EXPECT_EQ(quantities, 7);
    EXPECT_EQ(fieldOf(r, "UnitPrice").kind, FieldKind::Real);
    EXPECT_EQ(fieldOf(r, "PriceThisInvoice").kind, FieldKind::Real);
    expectText(r, {{"ItemID", 15},       {"ItemType", 1},     {"Description", 200},     {"UnitName", 8},
                   {"DetailType", 11},   {"Account", 12},     {"JobID", 10},            {"CostCode", 14},
                   {"EquipmentID", 10},  {"CostCategory", 10}, {"Comment", 20},         {"VendorCatalogID", 20},
                   {"LocationID", 10},   {"BinID", 10}});
}

TEST(POLimitsLayout, GapsSitBeforeAndAfterTheLock) {
    const RecordInfo& r = POLimits::info();
    EXPECT_EQ(r.fields.front().name, "LimitID");
    int cat = indexOf(r, "SelectedCat");
    ASSERT_GE(cat, 0);
    ASSERT_EQ(r.fields.size(), static_cast<std::size_t>(cat) + 6);
    EXPECT_EQ(r.fields[cat + 1].kind, FieldKind::Gap);
    EXPECT_EQ(r.fields[cat + 1].width, 100);
    EXPECT_EQ(r.fields[cat + 2].name, "Locked");
    EXPECT_EQ(r.fields[cat + 3].kind, FieldKind::Gap);
    EXPECT_EQ(r.fields[cat + 3].width, 5);
    EXPECT_EQ(r.fields[cat + 4].name, "Orientation");
    EXPECT_EQ(r.fields[cat + 5].name, "ColorCoding");
    expectText(r, {{"UserID", 10}, {"Report", 30}, {"ReportTitle", 40}, {"JobFrom", 10}, {"POFrom", 20},
                   {"POTo", 20}, {"CostCodeFrom", 10}, {"EQTo", 10}, {"Sequence", 1}, {"SortDetail", 1}});
    EXPECT_EQ(fieldOf(r, "RefFrom").kind, FieldKind::ULong);  // holds the next PO number
}

TEST(PODetSerLayout, SerialNumberBetweenTheUnusedBytes) {
    const RecordInfo& r = PODetSer::info();
    EXPECT_EQ(r.fields[0].name, "RecordID");
    EXPECT_EQ(r.fields[1].name, "DetailID");
    EXPECT_EQ(r.fields[2].kind, FieldKind::Gap);
    EXPECT_EQ(r.fields[3].name, "SerialNo");
    EXPECT_EQ(r.fields[3].width, 40);
    EXPECT_EQ(r.fields.back().kind, FieldKind::ULong);
}

// ---------------------------------------------------------------------------
// The alias buffer

TEST(POMasterAlias, SharesTheFileUnderItsOwnPrefixWithoutCascade) {
    const RecordInfo& a = POMasterAlias::info();
    const RecordInfo& m = POMaster::info();
    EXPECT_EQ(a.name, "POMaster");
    EXPECT_EQ(a.prefix, "POM1");
    ASSERT_EQ(a.fields.size(), m.fields.size());
    for (std::size_t i = 0; i < a.fields.size(); ++i) {
        EXPECT_EQ(a.fields[i].name, m.fields[i].name);
        EXPECT_EQ(a.fields[i].kind, m.fields[i].kind);
        EXPECT_EQ(a.fields[i].width, m.fields[i].width);
    }
    ASSERT_EQ(a.keys.size(), m.keys.size());
    for (std::size_t i = 0; i < a.keys.size(); ++i) EXPECT_EQ(a.keys[i].fields, m.keys[i].fields);
    EXPECT_EQ(a.autoNumber, "POID");
    EXPECT_TRUE(a.children.empty());
}

TEST(POMasterAlias, ReadsAndWritesItsOwnBuffer) {
    POMaster source;
    source.POID = 12;
    source.PONumber = "PO-1001";
    source.gap1.fill(0x5A);
    Row row = writeRow(POMaster::info(), &source);

    POMasterAlias alias;
    readRow(POMasterAlias::info(), row, &alias);
    EXPECT_EQ(alias.POID, 12u);
    EXPECT_EQ(alias.PONumber, "PO-1001");
    EXPECT_EQ(alias.gap1, source.gap1);
    EXPECT_EQ(writeRow(POMasterAlias::info(), &alias), row);
}

// ---------------------------------------------------------------------------
// The print work file

TEST(POPrintLayout, RepeatsTheHeaderWithTheStatedDifferences) {
    const RecordInfo& p = POPrint::info();
    const RecordInfo& m = POMaster::info();
    EXPECT_EQ(p.fields[0].name, "RecordID");
    EXPECT_EQ(p.fields[1].name, "UserID");
    EXPECT_EQ(p.fields[1].width, 3);
    EXPECT_EQ(p.fields[2].name, "POID");

    const std::map<std::string, std::pair<FieldKind, int>> changed{
        {"ShipToVendor", {FieldKind::UShort, 2}}, {"ShipToCustomer", {FieldKind::UShort, 2}},
        {"ShipToName", {FieldKind::String, 60}},  {"ShipToAddress1", {FieldKind::String, 60}},
        {"ShipToAddress2", {FieldKind::String, 60}}, {"ShipToCity", {FieldKind::String, 60}},
        {"ShipVia", {FieldKind::String, 10}},     {"SortVendorID", {FieldKind::UShort, 2}}};
    // BatchID .. ApprovedDate, the gap included, then Reconciled .. Terms
    // without RecTF.
    std::vector<const FieldDef*> shared;
    for (int i = indexOf(m, "BatchID"); i <= indexOf(m, "Terms"); ++i) shared.push_back(&m.fields[i]);
    for (std::size_t i = 0; i < shared.size(); ++i) {
        const FieldDef& pf = p.fields[3 + i];
        const FieldDef& mf = *shared[i];
        ASSERT_EQ(pf.name, mf.name) << "at " << 3 + i;
        auto c = changed.find(mf.name);
        EXPECT_EQ(pf.kind, c == changed.end() ? mf.kind : c->second.first) << pf.name;
        EXPECT_EQ(pf.width, c == changed.end() ? mf.width : c->second.second) << pf.name;
    }
    std::size_t tail = 3 + shared.size();
    ASSERT_EQ(p.fields.size(), tail + 7);
    for (std::size_t i : {0u, 1u, 2u, 4u, 5u, 6u}) {
        EXPECT_EQ(p.fields[tail + i].kind, FieldKind::String);
        EXPECT_EQ(p.fields[tail + i].width, 50);
    }
    EXPECT_EQ(p.fields[tail].name, "VendorLine1");
    EXPECT_EQ(p.fields[tail + 3].kind, FieldKind::Gap);
    EXPECT_EQ(p.fields[tail + 3].width, 50);
    EXPECT_EQ(p.fields.back().name, "ShipToLine3");
}

// A print row is filled from the header field by field of the same name; the
// narrower fields keep what fits, as the stored layout does.
TEST(POPrintCopy, NarrowsVendorNumbersAndShipViaThroughAPutGetRoundTrip) {
    POMaster pom;
    pom.POID = 77;
    pom.ShipToVendor = 70000;
    pom.ShipToCustomer = 70001;
    pom.SortVendorID = 65536 + 7;
    pom.VendorID = 70000;
    pom.ShipVia = "Overnight Freight Co";
    pom.ShipToName = std::string(50, 'N');
    pom.PreTaxAmount = Money::parse("1234.56").value();
    pom.IssueDate = Date::fromYmd(2024, 5, 7);
    pom.gap1.fill(0xA5);

    POPrint pop;
    readRow(POPrint::info(), writeRow(POMaster::info(), &pom), &pop);
    EXPECT_EQ(pop.ShipToVendor, 4464);
    EXPECT_EQ(pop.ShipToCustomer, 4465);
    EXPECT_EQ(pop.SortVendorID, 7);
    EXPECT_EQ(pop.VendorID, 70000u) << "the ordering vendor keeps its 32 bits";
    EXPECT_EQ(pop.ShipVia.str(), "Overnight ");
    EXPECT_EQ(pop.ShipToName.str(), std::string(50, 'N'));
    EXPECT_EQ(pop.PreTaxAmount, pom.PreTaxAmount);
    EXPECT_EQ(pop.IssueDate, pom.IssueDate);
    EXPECT_EQ(pop.gap1, pom.gap1);
    EXPECT_EQ(pop.POID, 77u);

    // Written and read back, the print row holds the narrowed values.
    POPrint again;
    readRow(POPrint::info(), writeRow(POPrint::info(), &pop), &again);
    EXPECT_EQ(again.ShipToVendor, 4464);
    EXPECT_EQ(again.SortVendorID, 7);
    EXPECT_EQ(again.ShipVia, "Overnight");
}

// ---------------------------------------------------------------------------
// Sibling files

// Fields that hold the same thing in two files must agree, or a value copied
// or looked up across them is cut.
TEST(SiblingLayouts, JoinedFieldsAgreeInKindAndWidth) {
    using Ref = std::pair<const char*, const char*>;
    const std::vector<std::vector<Ref>> groups{
        {{"PODetail", "ItemID"}, {"INMaster", "ItemID"}, {"INCnvrt", "ItemID"}, {"INItem", "ItemID"},
         {"INPurch", "ItemID"}, {"INVendor", "ItemID"}},
        {{"PODetail", "JobID"}, {"JCHeader", "JobID"}, {"JCCost", "JobID"}, {"POMaster", "DefaultJob"},
         {"POMaster", "ShipToJob"}, {"POLimits", "JobFrom"}},
        {{"PODetail", "CostCode"}, {"JCCost", "CostCode"}},
        {{"PODetail", "Account"}, {"GLMaster", "Account"}, {"JCCost", "Account"}, {"EQCost", "Account"},
         {"APVendor", "DefaultAccount"}, {"Systems", "DefaultJobAccount"}, {"Systems", "DefaultEQAccount"}},
        {{"PODetail", "EquipmentID"}, {"EQHeader", "EquipmentID"}, {"EQCost", "EquipmentID"}, {"POLimits", "EQFrom"}},
        {{"PODetail", "CostCategory"}, {"EQCost", "CostCategory"}},
        {{"PODetail", "LocationID"}, {"INItem", "LocationID"}, {"INPurch", "LocationID"}, {"INLoc", "LocationID"},
         {"INBin", "LocationID"}, {"INMaster", "DefaultLocation"}},
        {{"PODetail", "BinID"}, {"INItem", "BinID"}, {"INPurch", "BinID"}, {"INBin", "BinID"},
         {"INMaster", "DefaultBin"}},
        {{"PODetail", "UnitName"}, {"INCnvrt", "UnitName"}, {"INVendor", "UnitName"}, {"INMaster", "StockUnit"}},
        {{"PODetail", "VendorCatalogID"}, {"INVendor", "VendorCatalogID"}},
        {{"PODetSer", "SerialNo"}, {"INSerial", "SerialNo"}},
        {{"POMaster", "VendorID"}, {"APVendor", "VendorID"}, {"APInv", "VendorID"}, {"Contact", "VendorID"},
         {"INVendor", "VendorID"}, {"POLimits", "VendorFrom"}},
        {{"POMaster", "POID"}, {"PODetail", "POID"}, {"APInv", "POID"}, {"POPrint", "POID"}},
        {{"PODetail", "DetailID"}, {"PODetSer", "DetailID"}, {"PORec", "DetailID"}, {"INPurch", "PODetailID"},
         {"JCCost", "LastPODetailID"}},
        {{"PODetail", "SerialID"}, {"INSerial", "SerialID"}, {"INPurch", "SerialID"}, {"PODetSer", "SerialID"}},
        {{"PODetail", "ConversionID"}, {"INCnvrt", "ConversionID"}},
        {{"PORec", "InvoiceID"}, {"APInv", "InvoiceID"}, {"APDetail", "InvoiceID"}},
        {{"POMaster", "ShipToCustomer"}, {"ARCust", "CustomerID"}, {"ARShipTo", "CustomerID"}},
        {{"UserFile", "UserID"}, {"POPrint", "UserID"}, {"DropList", "UserID"}, {"UserLog", "UserID"},
         {"MemLimit", "UserID"}, {"Notes", "UserID"}},
        {{"POLimits", "LimitID"}, {"LimList", "LimitID"}, {"MemLimit", "LimitID"}},
        {{"POLimits", "Report"}, {"JCLimits", "Report"}, {"MemLimit", "ReportName"}},
        {{"POLimits", "ReportTitle"}, {"JCLimits", "ReportTitle"}, {"MemLimit", "ReportTitle"}},
    };
    for (const auto& g : groups) {
        const FieldDef& first = fieldOf(file(g[0].first), g[0].second);
        for (const auto& [f, name] : g) {
            const FieldDef& d = fieldOf(file(f), name);
            EXPECT_EQ(d.kind, first.kind) << f << "." << name << " vs " << g[0].first << "." << g[0].second;
            EXPECT_EQ(d.width, first.width) << f << "." << name << " vs " << g[0].first << "." << g[0].second;
        }
    }
}

TEST(SiblingLayouts, ValuesCopiedIntoTheHeaderFit) {
    auto width = [](const char* f, const char* name) { return fieldOf(file(f), name).width; };
    // Job (10), cost code padded to 10, cost type (4).
    EXPECT_EQ(width("JCCost", "RecordID"), width("JCHeader", "JobID") + 10 + 4);
    EXPECT_LE(width("APVendor", "DueTerms"), width("POMaster", "Terms"));
    EXPECT_LE(width("POMaster", "PreparedBy"), width("DropList", "Value"));
    EXPECT_LE(width("POMaster", "PONumber"), width("POLimits", "POFrom"));
    EXPECT_GE(width("Notes", "EntityID"), 10) << "a 32-bit number written as text";
    for (const char* f : {"APVendor", "ARCust", "JCHeader", "ARShipTo"}) {
        const RecordInfo& r = file(f);
        for (const auto& field : r.fields)
            if (field.name == "City") {
                EXPECT_LE(field.width, width("POMaster", "ShipToCity")) << f;
            }
    }
    EXPECT_LE(width("JCHeader", "JobName"), width("POMaster", "ShipToName"));
    EXPECT_LE(width("ARCust", "CustomerName"), width("POMaster", "ShipToName"));
    EXPECT_LE(width("APVendor", "VendorName"), width("POMaster", "ShipToName"));
    EXPECT_LE(width("APVendor", "Contact"), width("POMaster", "ShipToContact"));
    EXPECT_LE(width("JCHeader", "CustomerContact"), width("POMaster", "ShipToContact"));
}

TEST(SiblingLayouts, StatedWidthsAndScales) {
    expectText(file("Systems"), {{"CompanyName", 40}, {"CompanyAddress1", 40}, {"CompanyAddress2", 40},
                                 {"CompanyCity", 20}, {"CompanyState", 2}, {"CompanyZip", 10},
                                 {"CompanyPhone", 20}, {"GSTLabel", 3}, {"AttachmentFolder", 250},
                                 {"POForm", 10}, {"POFormFile", 250}});
    EXPECT_EQ(fieldOf(file("Systems"), "NextPONumber").kind, FieldKind::ULong);
    EXPECT_EQ(fieldOf(file("Systems"), "GSTRate").kind, FieldKind::Real);
    expectText(file("UserFile"), {{"UserID", 3}, {"FirstName", 20}, {"LastName", 20}, {"EmailSignature", 500}});
    expectText(file("DropList"), {{"FieldName", 20}, {"Value", 30}});
    expectText(file("APVendor"), {{"VendorName", 50}, {"DueTerms", 15}, {"Contact", 40}, {"ExternalID", 20}});
    expectText(file("ARShipTo"), {{"ShipToName", 40}, {"Address1", 40}, {"City", 25}});
    expectText(file("JCCost"), {{"RecordID", 24}});
    expectText(file("INPurch"), {{"UnitName", 10}});
    expectText(file("JCLimits"), {{"ReportTitle", 40}, {"JobTo", 10}, {"PrintOrder", 1}, {"NameFrom", 200},
                                  {"NameTo", 200}, {"FieldLayout", 500}});
    expectText(file("Contact"), {{"FirstName", 20}, {"LastName", 20}, {"Email", 60}});
    expectText(file("LimList"), {{"TextValue", 30}});
    expectDecimal(file("JCHeader"), "APTaxRate", 7, 4);
    expectDecimal(file("JCCost"), "Committed", 15, 2);
    expectDecimal(file("INMaster"), "OnOrder", 15, 4);
    expectDecimal(file("INItem"), "Quantity", 15, 4);
    expectDecimal(file("INPurch"), "Cost", 15, 4);
    expectDecimal(file("APDetail"), "Amount", 15, 2);
    expectDecimal(file("APDetail"), "Quantity", 15, 4);
    EXPECT_EQ(fieldOf(file("INCnvrt"), "Factor").kind, FieldKind::Real);
}

TEST(SiblingLayouts, NamesAreSearchedWithoutRegardToCase) {
    EXPECT_TRUE(APVendor::info().keys[APVendor::KeyVendorName].noCase);
    EXPECT_TRUE(JCHeader::info().keys[JCHeader::KeyJobName].noCase);
    EXPECT_FALSE(JCCost::info().keys[JCCost::KeyRecordID].noCase);
}

}  // namespace
}  // namespace vtl
