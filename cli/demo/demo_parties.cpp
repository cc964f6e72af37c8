// The people the demo company buys from and builds for: vendors with their
// contacts, customers with their alternate ship-to addresses.
#include "demo/demo_support.h"
#include "records/payables.h"
#include "records/receivables.h"

namespace vtl::demo {
namespace {

struct VendorRow {
    ULong id;
    const char* name;
    const char* address;
    const char* address2;
    const char* city;
    const char* state;
    const char* zip;
    const char* phone;
    const char* fax;
    const char* email;
    const char* contact;
    const char* terms;
    const char* account;
    Byte active;
};

// Phone numbers are in the 555-01xx range kept for fiction; e-mail domains
// end in ".example".
const VendorRow kVendors[] = {
    {101, "Cascade Lumber & Millwork", "7400 NE 47th Avenue", "", "Vancouver", "WA", "98661", "(360) 555-0111",
     "(360) 555-0112", "orders@cascade-lumber.example", "Gary Lindstrom", "2% 10 Net 30", "5000-00", 1},
    {102, "Columbia Ready-Mix Concrete", "1200 Lower River Road", "", "Vancouver", "WA", "98660",
     "(360) 555-0121", "(360) 555-0122", "dispatch@columbia-readymix.example", "Tammy Reyes", "Net 30", "5000-00",
     1},
    {103, "Northwest Rebar Supply", "3308 NW Yeon Avenue", "", "Portland", "OR", "97210", "(503) 555-0131",
     "(503) 555-0132", "sales@nw-rebar.example", "Mike Dunaway", "Net 30", "5000-00", 1},
    {104, "Pacific Electric Supply", "5115 NE 88th Street", "Building C", "Vancouver", "WA", "98665",
     "(360) 555-0141", "(360) 555-0142", "counter@pacific-electric.example", "Sandra Kim", "2% 10 Net 30",
     "5000-00", 1},
    {105, "Riverside Plumbing Supply", "2207 E Fourth Plain Blvd", "", "Vancouver", "WA", "98661",
     "(360) 555-0151", "(360) 555-0152", "orders@riverside-plumbing.example", "Dave Ochoa", "Net 30", "5000-00",
     1},
    {106, "Evergreen Mechanical Inc.", "14300 NE 20th Avenue", "Suite 110", "Vancouver", "WA", "98686",
     "(360) 555-0161", "(360) 555-0162", "pm@evergreen-mech.example", "Ron Castellano", "Net 30", "5100-00", 1},
    {107, "Summit Drywall Supply", "9810 NE Highway 99", "", "Vancouver", "WA", "98665", "(360) 555-0171",
     "(360) 555-0172", "yard@summit-drywall.example", "Kelly Brandt", "Net 30", "5000-00", 1},
    {108, "Timberline Roofing Supply", "611 S 32nd Street", "", "Washougal", "WA", "98671", "(360) 555-0181",
     "(360) 555-0182", "quotes@timberline-roofing.example", "Pete Van Hoose", "Net 30", "5000-00", 1},
    {109, "Clearview Windows & Doors", "4420 SE Columbia Way", "", "Vancouver", "WA", "98661", "(360) 555-0191",
     "(360) 555-0192", "orders@clearview-wd.example", "Janet Moua", "Net 45", "5000-00", 1},
    {110, "Hazel Dell Paint Center", "7809 NE Highway 99", "", "Vancouver", "WA", "98665", "(360) 555-0113",
     "", "store@hazeldell-paint.example", "Marty Sousa", "Net 30", "5000-00", 1},
    {111, "Fourth Plain Hardware", "6300 E Fourth Plain Blvd", "", "Vancouver", "WA", "98661", "(360) 555-0123",
     "(360) 555-0124", "pro@fourthplain-hw.example", "Ed Kaminski", "Net 15", "6250-00", 1},
    {112, "Ridgeline Equipment Rental", "18015 NE 72nd Avenue", "", "Battle Ground", "WA", "98604",
     "(360) 555-0133", "(360) 555-0134", "rentals@ridgeline-rental.example", "Cody Frazier", "Net 30", "5300-00",
     1},
    {113, "Orchards Fuel & Lube", "11720 NE 76th Street", "", "Vancouver", "WA", "98682", "(360) 555-0143", "",
     "billing@orchards-fuel.example", "Lori Pham", "Net 10", "6400-00", 1},
    {114, "Pro Tool Supply NW", "2650 NW Nela Street", "", "Portland", "OR", "97210", "(503) 555-0153",
     "(503) 555-0154", "sales@protool-nw.example", "Andre Willis", "Net 30", "6200-00", 1},
    {115, "SafeWork Safety Products", "900 W 13th Street", "Unit 4", "Vancouver", "WA", "98660",
     "(360) 555-0163", "(360) 555-0164", "orders@safework.example", "Nina Barrett", "Net 30", "6300-00", 1},
    {116, "Apex Surveying & Layout", "1505 Broadway", "Suite 300", "Vancouver", "WA", "98663", "(360) 555-0173",
     "", "office@apex-survey.example", "Tom Ridley, PLS", "Net 30", "5100-00", 1},
    {117, "Greenway Excavation Inc.", "22410 NE 182nd Avenue", "", "Brush Prairie", "WA", "98606",
     "(360) 555-0183", "(360) 555-0184", "estimating@greenway-exc.example", "Shane Greenway", "Net 30", "5100-00",
     1},
    {118, "Brightline Electric LLC", "3101 NE 65th Street", "", "Vancouver", "WA", "98663", "(360) 555-0193",
     "(360) 555-0194", "pm@brightline-elec.example", "Carla Jimenez", "Net 30", "5100-00", 1},
    {119, "Smith; John", "1718 NW 119th Street", "", "Vancouver", "WA", "98685", "(360) 555-0114", "",
     "jsmith.drywall@mail.example", "John Smith", "Net 15", "5100-00", 1},
    {120, "Officeworks Business Supply", "8700 NE Vancouver Mall Dr", "", "Vancouver", "WA", "98662",
     "(360) 555-0125", "(360) 555-0126", "accounts@officeworks.example", "", "Net 30", "6100-00", 1},
    {121, "Clark County Sanitary Services", "4908 NE 94th Avenue", "", "Vancouver", "WA", "98662",
     "(360) 555-0135", "", "service@cc-sanitary.example", "Rosa Medina", "Net 30", "5400-00", 1},
    {122, "Tri-County Disposal & Recycling", "6601 NW Old Lower River Rd", "", "Vancouver", "WA", "98660",
     "(360) 555-0145", "(360) 555-0146", "roll-off@tricounty-disposal.example", "Dispatch", "Net 30", "5400-00",
     1},
    {123, "Columbia Steel Fabricators", "5910 NE 87th Avenue", "", "Portland", "OR", "97220", "(503) 555-0155",
     "(503) 555-0156", "shop@columbia-steelfab.example", "Walt Hennessey", "Net 30", "5100-00", 1},
    {124, "Precision Powder Coating", "1420 SE 8th Avenue", "", "Camas", "WA", "98607", "(360) 555-0165", "",
     "info@precision-coat.example", "Amy Tran", "Net 30", "5100-00", 1},
    {125, "Northshore Plumbing & Mechanical", "8115 NE St Johns Road", "", "Vancouver", "WA", "98665",
     "(360) 555-0175", "(360) 555-0176", "office@northshore-pm.example", "Greg Ivanov", "Net 30", "5100-00", 1},
    // No longer used: the insulation sub went out of business, the glass shop
    // was replaced by the window supplier's own glazing crew.
    {126, "Warmline Insulation Co.", "3915 Main Street", "", "Vancouver", "WA", "98663", "(360) 555-0185", "",
     "", "", "Net 30", "5100-00", 0},
    {127, "Valley Glass & Mirror", "210 E Main Street", "", "Battle Ground", "WA", "98604", "(360) 555-0195", "",
     "", "Hal Peterson", "Due on receipt", "5000-00", 0},
};

struct ContactRow {
    ULong vendor;
    const char* first;
    const char* last;
    const char* email;
};

const ContactRow kContacts[] = {
    {101, "Order", "Desk", "orders@cascade-lumber.example"},
    {101, "Gary", "Lindstrom", "gary.lindstrom@cascade-lumber.example"},
    {102, "Tammy", "Reyes", "dispatch@columbia-readymix.example"},
    {103, "Mike", "Dunaway", "mdunaway@nw-rebar.example"},
    {104, "Sandra", "Kim", "skim@pacific-electric.example"},
    {104, "Quotes", "Desk", "quotes@pacific-electric.example"},
    {107, "Kelly", "Brandt", "kbrandt@summit-drywall.example"},
    {108, "Pete", "Van Hoose", "pete@timberline-roofing.example"},
    {109, "Janet", "Moua", "jmoua@clearview-wd.example"},
    {112, "Cody", "Frazier", "cody@ridgeline-rental.example"},
    {115, "Nina", "Barrett", "nbarrett@safework.example"},
    {118, "Carla", "Jimenez", "carla@brightline-elec.example"},
    {123, "Walt", "Hennessey", "walt@columbia-steelfab.example"},
};

void writeVendors(Writer& w) {
    for (const auto& r : kVendors) {
        APVendor v;
        v.VendorID = r.id;
        setText(v.VendorName, r.name);
        setText(v.Address, r.address);
        setText(v.Address2, r.address2);
        setText(v.City, r.city);
        setText(v.State, r.state);
        setText(v.Zip, r.zip);
        setText(v.Phone, r.phone);
        setText(v.Fax, r.fax);
        setText(v.Email, r.email);
        setText(v.Contact, r.contact);
        v.Active = r.active;
        setText(v.DueTerms, r.terms);
        setText(v.DefaultAccount, r.account);
        w.insert(v);
    }
    for (const auto& r : kContacts) {
        Contact c;
        c.VendorID = r.vendor;
        setText(c.FirstName, r.first);
        setText(c.LastName, r.last);
        setText(c.Email, r.email);
        w.insert(c);
    }
}

struct CustomerRow {
    ULong id;
    const char* name;
    const char* address1;
    const char* address2;
    const char* city;
    const char* state;
    const char* zip;
    const char* contact;
};

const CustomerRow kCustomers[] = {
    {1, "Fircrest Medical Partners LLC", "6200 NE 138th Avenue", "Suite 150", "Vancouver", "WA", "98682",
     "Dr. Anita Rao"},
    {2, "Columbia Family Dental PC", "16011 SE Mill Plain Blvd", "", "Vancouver", "WA", "98684", "Karen Lowell"},
    {3, "Orchards Crossing Investors LLC", "1 SW Columbia Street", "Suite 1700", "Portland", "OR", "97204",
     "Brian Aldridge"},
    {4, "Lacamas Valley Library District", "625 NE 4th Avenue", "", "Camas", "WA", "98607", "Elaine Fong"},
    {5, "Harbor Point Homes LLC", "3410 Addy Street", "", "Washougal", "WA", "98671", "Mark Sorensen"},
    {6, "Northfork Properties Inc.", "1120 NW Couch Street", "Suite 400", "Portland", "OR", "97209",
     "Julia Weaver"},
};

struct ShipToRow {
    ULong customer;
    const char* name;
    const char* address1;
    const char* address2;
    const char* city;
    const char* state;
    const char* zip;
};

const ShipToRow kShipTos[] = {
    {1, "Fircrest Medical - Receiving", "6200 NE 138th Avenue", "Loading Dock B", "Vancouver", "WA", "98682"},
    {3, "Orchards Crossing - Building B", "7810 NE 117th Avenue", "Rear Service Drive", "Vancouver", "WA",
     "98662"},
    {3, "Orchards Crossing Leasing Office", "7700 NE 117th Avenue", "Suite A", "Vancouver", "WA", "98662"},
    {4, "Camas Library - Staff Entrance", "625 NE 4th Avenue", "Alley Entrance", "Camas", "WA", "98607"},
    {6, "The Pearl Lofts - Freight Elevator", "1205 NW Marshall Street", "Alley Door", "Portland", "OR",
     "97209"},
};

void writeCustomers(Writer& w) {
    for (const auto& r : kCustomers) {
        ARCust c;
        c.CustomerID = r.id;
        setText(c.CustomerName, r.name);
        setText(c.Address1, r.address1);
        setText(c.Address2, r.address2);
        setText(c.City, r.city);
        setText(c.State, r.state);
        setText(c.Zip, r.zip);
        setText(c.Contact, r.contact);
        w.insert(c);
    }
    for (const auto& r : kShipTos) {
        ARShipTo s;
        s.CustomerID = r.customer;
        setText(s.ShipToName, r.name);
        setText(s.Address1, r.address1);
        setText(s.Address2, r.address2);
        setText(s.City, r.city);
        setText(s.State, r.state);
        setText(s.Zip, r.zip);
        w.insert(s);
    }
}

}  // namespace

void writeParties(Writer& w) {
    writeVendors(w);
    writeCustomers(w);
}

}  // namespace vtl::demo
