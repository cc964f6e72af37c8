// The demo company itself: its settings, the people who sign on, the chart
// of accounts the orders charge, and the equipment fleet.
#include "demo/demo_support.h"
#include "records/equipment.h"
#include "records/general_ledger.h"
#include "records/shared_services.h"
#include "records/systems.h"
#include "records/users.h"

namespace vtl::demo {
namespace {

// The demo's next PO number sits just above the highest one the orders use.
constexpr ULong kNextPONumber = 1041;

void writeSettings(Writer& w) {
    Systems sys;
    sys.SystemID = 1;
    setText(sys.CompanyName, "Columbia Ridge Builders, Inc.");
    setText(sys.CompanyAddress1, "2815 NE Andresen Road, Suite 200");
    setText(sys.CompanyAddress2, "PO Box 8214");
    setText(sys.CompanyCity, "Vancouver");
    setText(sys.CompanyState, "WA");
    setText(sys.CompanyZip, "98661");
    setText(sys.CompanyPhone, "(360) 555-0100");
    setText(sys.CompanyFax, "(360) 555-0101");
    sys.PhoneOnForms = 1;
    sys.UseAcceptDate = 1;
    sys.UseDeliveryDate = 1;
    sys.UseDeadlineDate = 1;
    sys.DefaultPOTaxRate = 8.7;  // the City of Vancouver's combined sales tax
    sys.AutoNumberPOs = 1;
    sys.WarnDuplicatePO = 1;
    sys.NextPONumber = kNextPONumber;
    // Ready for the dual-tax mode should a Canadian branch be opened; off here.
    sys.GSTRate = 5.0;
    setText(sys.GSTLabel, "GST");
    sys.CanadianTax = 0;
    setText(sys.DefaultJobAccount, "5000-00");
    setText(sys.DefaultEQAccount, "6410-00");
    w.insert(sys);
}

struct UserRow {
    const char* id;
    const char* first;
    const char* last;
    Byte mayChangePONumber;
    Byte purchaseLevel;
    const char* signature;
};

// The superintendent orders from the field but keeps to the assigned numbers.
const UserRow kUsers[] = {
    {"DMW", "Diane", "Whitcomb", 1, 2,
     "Diane Whitcomb\nProject Manager\nColumbia Ridge Builders, Inc.\n(360) 555-0100 ext. 12"},
    {"LAO", "Luis", "Ortega", 1, 1,
     "Luis Ortega\nPurchasing\nColumbia Ridge Builders, Inc.\n(360) 555-0100 ext. 15"},
    {"BKH", "Ben", "Halvorsen", 0, 0,
     "Ben Halvorsen\nSuperintendent\nColumbia Ridge Builders, Inc.\nCell (360) 555-0177"},
};

void writeUsers(Writer& w) {
    for (const auto& r : kUsers) {
        UserFile u;
        setText(u.UserID, r.id);
        setText(u.FirstName, r.first);
        setText(u.LastName, r.last);
        u.MayChangePONumber = r.mayChangePONumber;
        u.PurchaseLevel = r.purchaseLevel;
        setText(u.EmailSignature, r.signature);
        w.insert(u);
        // Each user has prepared orders, so the purchasing-agent list knows them.
        DropList agent;
        setText(agent.FieldName, "POM Purchasing Agent");
        setText(agent.Value, std::string(r.first) + " " + r.last);
        setText(agent.UserID, r.id);
        agent.DateAdded = day(1, 5);
        w.insert(agent);
    }
}

const std::pair<const char*, const char*> kAccounts[] = {
    {"1200-00", "Inventory - Materials"},
    {"1510-00", "Vehicles & Equipment"},
    {"2000-00", "Accounts Payable"},
    {"5000-00", "Job Cost - Materials"},
    {"5100-00", "Job Cost - Subcontracts"},
    {"5200-00", "Job Cost - Labor"},
    {"5300-00", "Job Cost - Equipment"},
    {"5400-00", "Job Cost - Other"},
    {"6100-00", "Office Supplies"},
    {"6150-00", "Postage & Shipping"},
    {"6200-00", "Small Tools"},
    {"6250-00", "Shop Supplies"},
    {"6300-00", "Safety Supplies & PPE"},
    {"6400-00", "Vehicle & Equipment Fuel"},
    {"6410-00", "Equipment Repairs & Maintenance"},
    {"6500-00", "Rent - Office & Yard"},
    {"6600-00", "Utilities"},
    {"6700-00", "Telephone & Internet"},
};

void writeAccounts(Writer& w) {
    for (const auto& [account, description] : kAccounts) {
        GLMaster gl;
        setText(gl.Account, account);
        setText(gl.Description, description);
        w.insert(gl);
    }
}

struct EquipmentRow {
    const char* id;
    const char* name;
    bool onRoad;  // trucks also carry a tire category
};

const EquipmentRow kEquipment[] = {
    {"T-101", "2019 Ford F-250 Pickup", true},
    {"T-102", "2021 Ford F-350 Flatbed", true},
    {"SS-201", "Bobcat S650 Skid-Steer Loader", false},
    {"EX-202", "Kubota KX040 Mini Excavator", false},
    {"SL-301", "Genie GS-1930 Scissor Lift", false},
    {"GN-401", "Honda EU7000 Generator", false},
};

void writeEquipment(Writer& w) {
    struct Category {
        const char* id;
        const char* description;
        const char* account;
    };
    const Category categories[] = {
        {"FUEL", "Fuel & Lubricants", "6400-00"},
        {"PARTS", "Parts", "6410-00"},
        {"REPAIR", "Repairs & Service", "6410-00"},
        {"TIRES", "Tires & Tracks", "6410-00"},
    };
    for (const auto& e : kEquipment) {
        EQHeader eq;
        setText(eq.EquipmentID, e.id);
        setText(eq.EquipmentName, e.name);
        w.insert(eq);
        for (const auto& c : categories) {
            if (!e.onRoad && std::string_view(c.id) == "TIRES") continue;
            EQCost cost;
            setText(cost.EquipmentID, e.id);
            setText(cost.CostCategory, c.id);
            setText(cost.Description, c.description);
            setText(cost.Account, c.account);
            w.insert(cost);
        }
    }
}

}  // namespace

void writeCompany(Writer& w) {
    writeSettings(w);
    writeUsers(w);
    writeAccounts(w);
    writeEquipment(w);
}

}  // namespace vtl::demo
