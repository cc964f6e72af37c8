#include "gui/setup/setup_catalog.h"

#include "records/records.h"

namespace vtl::setup {
namespace {

std::string padded(std::string_view s, std::size_t n) {
    std::string p(s.substr(0, n));
    p.append(n - p.size(), ' ');
    return p;
}

std::string clipped(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

}  // namespace

std::string costRecordID(std::string_view jobId, std::string_view costCode, int costCodeLen) {
    const std::size_t len = costCodeLen > 0 ? static_cast<std::size_t>(costCodeLen) : 0;
    const std::string_view proper = costCode.substr(0, std::min(len, costCode.size()));
    const std::string_view type = costCode.size() > len ? costCode.substr(len, 4) : std::string_view();
    return clipped(padded(jobId, 10) + padded(proper, 10) + padded(type, 4));
}

SetupCatalog::SetupCatalog(int costCodeLen) {
    const store::Value yes = intValue(1);

    company_.type = &RecordType::of<Systems>();
    company_.title = "Company Settings";
    company_.recordName = "company";
    company_.helpTopic = "html/Setup_Company_Settings.htm";
    company_.single = true;
    company_.fields = {{"CompanyName", "Company &Name:", Required},
                       {"CompanyAddress1", "&Address:"},
                       {"CompanyAddress2", ""},
                       {"CompanyCity", "&City:"},
                       {"CompanyState", "&State:", Upper},
                       {"CompanyZip", "&Zip Code:"},
                       {"CompanyPhone", "&Phone:"},
                       {"CompanyFax", "&Fax:"},
                       {"PhoneOnForms", "Print the phone number on &forms", Flag},
                       {"AttachmentFolder", "A&ttachment Folder:"}};

    poOptions_.type = &RecordType::of<Systems>();
    poOptions_.title = "Purchase Order Options";
    poOptions_.recordName = "purchase order options";
    poOptions_.helpTopic = "html/Setup_PO_Options.htm";
    poOptions_.single = true;
    poOptions_.fields = {{"AutoNumberPOs", "&Number purchase orders automatically", Flag},
                         {"NextPONumber", "Next &PO Number:"},
                         {"WarnDuplicatePO", "&Warn when a PO number is entered twice", Flag},
                         {"UseAcceptDate", "Show the &accept date", Flag},
                         {"UseDeliveryDate", "Show the &delivery date", Flag},
                         {"UseDeadlineDate", "Show the dead&line date", Flag},
                         {"DefaultPOTaxRate", "Default &Tax Rate (%):", 0, "@n8.4"},
                         {"CanadianTax", "&Canadian tax (GST and PST)", Flag},
                         {"GSTRate", "&GST Rate (%):", 0, "@n8.4"},
                         {"GSTLabel", "GST &Label:"},
                         {"DefaultJobAccount", "Default &Job Account:"},
                         {"DefaultEQAccount", "Default &Equipment Account:"},
                         {"POForm", "Purchase Order &Form:"},
                         {"POFormFile", "Form F&ile:"}};

    users_.type = &RecordType::of<UserFile>();
    users_.title = "Users";
    users_.recordName = "user";
    users_.helpTopic = "html/Setup_Users.htm";
    users_.fields = {{"UserID", "&User ID:", Required | Upper},
                     {"FirstName", "&First Name:"},
                     {"LastName", "&Last Name:"},
                     {"MayChangePONumber", "May change the &PO number", Flag},
                     {"PurchaseLevel", "Purchase Le&vel:", 0, "@n3"},
                     {"EmailSignature", "E-mail &Signature:", Memo}};
    users_.columns = {{"UserID", "User ID", 6}, {"FirstName", "First Name", 16}, {"LastName", "Last Name", 16}};
    users_.listKey = UserFile::KeyUserID;
    users_.locatorField = "UserID";

    contacts_.type = &RecordType::of<Contact>();
    contacts_.title = "Contacts";
    contacts_.recordName = "contact";
    contacts_.helpTopic = "html/Setup_Vendors.htm";
    contacts_.fields = {{"FirstName", "&First Name:", Required}, {"LastName", "&Last Name:"}, {"Email", "&E-mail:"}};
    contacts_.columns = {{"FirstName", "First Name", 14}, {"LastName", "Last Name", 14}, {"Email", "E-mail", 30}};
    contacts_.listKey = Contact::KeyContactID;
    contacts_.locatorField = "LastName";

    vendors_.type = &RecordType::of<APVendor>();
    vendors_.title = "Vendors";
    vendors_.recordName = "vendor";
    vendors_.helpTopic = "html/Setup_Vendors.htm";
    vendors_.fields = {{"VendorID", "Vendor &ID:"},
                       {"VendorName", "&Name:", Required},
                       {"Address", "&Address:"},
                       {"Address2", ""},
                       {"City", "&City:"},
                       {"State", "&State:", Upper},
                       {"Zip", "&Zip Code:"},
                       {"Phone", "&Phone:"},
                       {"Fax", "&Fax:"},
                       {"Email", "&E-mail:"},
                       {"Contact", "C&ontact:"},
                       {"DueTerms", "&Terms:"},
                       {"DefaultAccount", "Default Accou&nt:"},
                       {"ExternalID", "E&xternal ID:"},
                       {"Active", "Acti&ve", Flag}};
    vendors_.columns = {{"VendorName", "Vendor Name", 34},
                        {"VendorID", "Vendor ID", 8},
                        {"City", "City", 14},
                        {"Phone", "Phone", 15},
                        {"Active", "Active", 5}};
    vendors_.listKey = APVendor::KeyVendorName;
    vendors_.locatorField = "VendorName";
    vendors_.defaults = {{"Active", yes}};
    vendors_.children = {
        {&contacts_, "VendorID", "VendorID", Contact::KeyVendorID, "Contacts", {"contact", "contacts"}}};
    vendors_.usedBy = {{&RecordType::of<POMaster>(), POMaster::KeyVendorID, "VendorID", "VendorID",
                        {"purchase order", "purchase orders"}}};

    shipTos_.type = &RecordType::of<ARShipTo>();
    shipTos_.title = "Ship-To Addresses";
    shipTos_.recordName = "ship-to address";
    shipTos_.helpTopic = "html/Setup_Customers.htm";
    shipTos_.fields = {{"ShipToName", "&Name:", Required},
                       {"Address1", "&Address:"},
                       {"Address2", ""},
                       {"City", "&City:"},
                       {"State", "&State:", Upper},
                       {"Zip", "&Zip Code:"}};
    shipTos_.columns = {{"ShipToName", "Name", 24}, {"Address1", "Address", 24}, {"City", "City", 14}};
    shipTos_.listKey = ARShipTo::KeyShipToID;
    shipTos_.locatorField = "ShipToName";

    customers_.type = &RecordType::of<ARCust>();
    customers_.title = "Customers";
    customers_.recordName = "customer";
    customers_.helpTopic = "html/Setup_Customers.htm";
    customers_.fields = {{"CustomerID", "Customer &ID:"},
                         {"CustomerName", "&Name:", Required},
                         {"Address1", "&Address:"},
                         {"Address2", ""},
                         {"City", "&City:"},
                         {"State", "&State:", Upper},
                         {"Zip", "&Zip Code:"},
                         {"Contact", "C&ontact:"}};
    customers_.columns = {
        {"CustomerName", "Customer Name", 30}, {"CustomerID", "Customer ID", 8}, {"City", "City", 14}};
    customers_.listKey = ARCust::KeyCustomerName;
    customers_.locatorField = "CustomerName";
    customers_.children = {{&shipTos_, "CustomerID", "CustomerID", ARShipTo::KeyCustomerID, "Ship-To Addresses",
                            {"ship-to address", "ship-to addresses"}}};

    costCodes_.type = &RecordType::of<JCCost>();
    costCodes_.title = "Cost Codes";
    costCodes_.recordName = "cost code";
    costCodes_.helpTopic = "html/Setup_Jobs.htm";
    costCodes_.fields = {{"CostCode", "&Cost Code and Type:", Required},
                         {"Description", "&Description:"},
                         {"Account", "&Account:"},
                         {"Budget", "&Budget:"},
                         {"ActualCost", "Actual Cost:", ReadOnly},
                         {"Committed", "Committed:", ReadOnly}};
    costCodes_.columns = {{"CostCode", "Cost Code", 12},
                          {"Description", "Description", 24},
                          {"Budget", "Budget", 12},
                          {"Committed", "Committed", 12}};
    costCodes_.listKey = JCCost::KeyJobCodeType;
    costCodes_.locatorField = "CostCode";
    costCodes_.complete = [costCodeLen](AnyRecord& rec, const AnyRecord* job) {
        const std::string jobId = valueText(job ? job->get("JobID") : rec.get("JobID"));
        rec.set("RecordID", textValue(costRecordID(jobId, valueText(rec.get("CostCode")), costCodeLen)));
    };

    jobs_.type = &RecordType::of<JCHeader>();
    jobs_.title = "Jobs";
    jobs_.recordName = "job";
    jobs_.helpTopic = "html/Setup_Jobs.htm";
    jobs_.fields = {{"JobID", "&Job ID:", Required},
                    {"JobName", "&Name:", Required},
                    {"Address", "&Address:"},
                    {"Address2", ""},
                    {"City", "&City:"},
                    {"State", "&State:", Upper},
                    {"Zip", "&Zip Code:"},
                    {"CustomerContact", "C&ontact:"},
                    {"APTaxRate", "&Tax Rate (%):", 0, "@n8.4"},
                    {"Active", "Acti&ve", Flag},
                    {"Closed", "C&losed to new transactions", Flag}};
    jobs_.columns = {{"JobID", "Job ID", 8}, {"JobName", "Job Name", 34}, {"City", "City", 14},
                     {"Active", "Active", 5}, {"Closed", "Closed", 5}};
    jobs_.listKey = JCHeader::KeyJobID;
    jobs_.locatorField = "JobName";
    jobs_.defaults = {{"Active", yes}};
    jobs_.children = {{&costCodes_, "JobID", "JobID", JCCost::KeyJobCodeType, "Cost Codes",
                       {"cost code", "cost codes"}}};
    jobs_.usedBy = {{&RecordType::of<POMaster>(), POMaster::KeyJobID, "DefaultJob", "JobID",
                     {"purchase order", "purchase orders"}}};

    accounts_.type = &RecordType::of<GLMaster>();
    accounts_.title = "GL Accounts";
    accounts_.recordName = "account";
    accounts_.helpTopic = "html/Setup_GL_Accounts.htm";
    accounts_.fields = {{"Account", "&Account:", Required}, {"Description", "&Description:"}};
    accounts_.columns = {{"Account", "Account", 12}, {"Description", "Description", 36}};
    accounts_.listKey = GLMaster::KeyAccount;
    accounts_.locatorField = "Description";

    eqCosts_.type = &RecordType::of<EQCost>();
    eqCosts_.title = "Cost Categories";
    eqCosts_.recordName = "cost category";
    eqCosts_.helpTopic = "html/Setup_Equipment.htm";
    eqCosts_.fields = {{"CostCategory", "&Category:", Required},
                       {"Description", "&Description:"},
                       {"Account", "&Account:"}};
    eqCosts_.columns = {
        {"CostCategory", "Category", 10}, {"Description", "Description", 24}, {"Account", "Account", 12}};
    eqCosts_.listKey = EQCost::KeyEquipCategory;
    eqCosts_.locatorField = "CostCategory";

    equipment_.type = &RecordType::of<EQHeader>();
    equipment_.title = "Equipment";
    equipment_.recordName = "piece of equipment";
    equipment_.helpTopic = "html/Setup_Equipment.htm";
    equipment_.fields = {{"EquipmentID", "&Equipment ID:", Required}, {"EquipmentName", "&Name:"}};
    equipment_.columns = {{"EquipmentID", "Equipment ID", 10}, {"EquipmentName", "Name", 34}};
    equipment_.listKey = EQHeader::KeyEquipmentID;
    equipment_.locatorField = "EquipmentName";
    equipment_.children = {{&eqCosts_, "EquipmentID", "EquipmentID", EQCost::KeyEquipCategory, "Cost Categories",
                            {"cost category", "cost categories"}}};

    conversions_.type = &RecordType::of<INCnvrt>();
    conversions_.title = "Unit Conversions";
    conversions_.recordName = "unit conversion";
    conversions_.helpTopic = "html/Setup_Inventory_Items.htm";
    conversions_.fields = {{"UnitName", "&Unit:", Required | Upper},
                           {"Factor", "&Stocking Units in One:", Required, "@n12.4"}};
    conversions_.columns = {{"UnitName", "Unit", 8}, {"Factor", "Stocking Units", 14}};
    conversions_.listKey = INCnvrt::KeyItemUnit;
    conversions_.locatorField = "UnitName";

    items_.type = &RecordType::of<INMaster>();
    items_.title = "Inventory Items";
    items_.recordName = "item";
    items_.helpTopic = "html/Setup_Inventory_Items.htm";
    items_.fields = {{"ItemID", "&Item ID:", Required},
                     {"Description", "&Description:"},
                     {"StockUnit", "Stocking &Unit:", Upper},
                     {"DefaultLocation", "Default &Location:"},
                     {"DefaultBin", "Default &Bin:"},
                     {"OnHand", "On Hand:", ReadOnly},
                     {"OnOrder", "On Order:", ReadOnly},
                     {"TotalReceived", "Received:", ReadOnly},
                     {"Serialized", "&Serialized", Flag}};
    items_.columns = {{"ItemID", "Item ID", 16}, {"Description", "Description", 34}, {"StockUnit", "Unit", 6},
                      {"OnHand", "On Hand", 10}, {"OnOrder", "On Order", 10}};
    items_.listKey = INMaster::KeyItemID;
    items_.locatorField = "Description";
    items_.children = {{&conversions_, "ItemID", "ItemID", INCnvrt::KeyItemUnit, "Unit Conversions",
                        {"unit conversion", "unit conversions"}}};
    items_.usedBy = {{&RecordType::of<INItem>(), INItem::KeyItemLocBin, "ItemID", "ItemID",
                      {"stock record", "stock records"}},
                     {&RecordType::of<INVendor>(), INVendor::KeyItemVendor, "ItemID", "ItemID",
                      {"item vendor", "item vendors"}}};

    bins_.type = &RecordType::of<INBin>();
    bins_.title = "Bins";
    bins_.recordName = "bin";
    bins_.helpTopic = "html/Setup_Locations.htm";
    bins_.fields = {{"BinID", "&Bin:", Required}, {"Description", "&Description:"}};
    bins_.columns = {{"BinID", "Bin", 10}, {"Description", "Description", 30}};
    bins_.listKey = INBin::KeyLocationBin;
    bins_.locatorField = "BinID";

    locations_.type = &RecordType::of<INLoc>();
    locations_.title = "Locations and Bins";
    locations_.recordName = "location";
    locations_.helpTopic = "html/Setup_Locations.htm";
    locations_.fields = {{"LocationID", "&Location ID:", Required}, {"Description", "&Description:"}};
    locations_.columns = {{"LocationID", "Location", 10}, {"Description", "Description", 34}};
    locations_.listKey = INLoc::KeyLocationID;
    locations_.locatorField = "Description";
    locations_.children = {{&bins_, "LocationID", "LocationID", INBin::KeyLocationBin, "Bins", {"bin", "bins"}}};

    entries_ = {{"&Company Settings...", &company_},
                {"&Purchase Order Options...", &poOptions_},
                {"&Users...", &users_},
                {"", nullptr},
                {"&Vendors...", &vendors_},
                {"C&ustomers...", &customers_},
                {"&Jobs...", &jobs_},
                {"&GL Accounts...", &accounts_},
                {"&Equipment...", &equipment_},
                {"&Inventory Items...", &items_},
                {"&Locations and Bins...", &locations_}};
}

const FileSpec* SetupCatalog::find(std::string_view title) const {
    for (const auto& e : entries_)
        if (e.spec && e.spec->title == title) return e.spec;
    return nullptr;
}

}  // namespace vtl::setup
