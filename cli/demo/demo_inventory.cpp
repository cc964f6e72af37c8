// The demo company's stock: warehouse places, the items kept on hand with
// their bulk units, where they lie, and what the vendors charge for them.
#include <map>
#include <string>

#include "demo/demo_support.h"
#include "records/inventory.h"

namespace vtl::demo {
namespace {

struct PlaceRow {
    const char* location;
    const char* bin;  // nullptr: the location itself
    const char* description;
};

const PlaceRow kPlaces[] = {
    {"MAIN", nullptr, "Main Warehouse - Andresen Rd"},
    {"MAIN", "A1", "Aisle A, Rack 1 - Electrical"},
    {"MAIN", "A2", "Aisle A, Rack 2 - Sealants"},
    {"MAIN", "A3", "Aisle A, Rack 3 - Paint"},
    {"MAIN", "B1", "Aisle B, Rack 1 - Fasteners"},
    {"MAIN", "B2", "Aisle B, Rack 2 - Connectors"},
    {"MAIN", "C1", "Aisle C - Drywall & Finishing"},
    {"SHOP", nullptr, "Equipment Shop"},
    {"SHOP", "S1", "Shelf 1 - Safety Supplies"},
    {"SHOP", "S2", "Shelf 2 - Blades & Shop Parts"},
    {"SHOP", "CAGE", "Locked Tool Cage"},
    {"YARD", nullptr, "Outdoor Yard"},
    {"YARD", "RACK1", "Covered Rack 1 - Dimensional"},
    {"YARD", "RACK2", "Covered Rack 2 - Sheet Goods"},
    {"YARD", "PAD", "Pallet Pad"},
};

struct ItemRow {
    const char* id;
    const char* description;
    const char* unit;
    const char* location;
    const char* bin;
    Byte serialized;
};

const ItemRow kItems[] = {
    {"LBR-2X4-8", "2x4x8' SPF #2 Stud", "EA", "YARD", "RACK1", 0},
    {"LBR-2X6-10", "2x6x10' DF #2", "EA", "YARD", "RACK1", 0},
    {"LBR-2X10-12", "2x10x12' DF #2", "EA", "YARD", "RACK1", 0},
    {"PLY-OSB-716", "7/16\" OSB Sheathing 4x8", "SHT", "YARD", "RACK2", 0},
    {"PLY-CDX-34", "3/4\" CDX Plywood 4x8", "SHT", "YARD", "RACK2", 0},
    {"DW-12-4X12", "1/2\" Gypsum Board 4x12", "SHT", "MAIN", "C1", 0},
    {"DW-58X-4X12", "5/8\" Type X Gypsum Board 4x12", "SHT", "MAIN", "C1", 0},
    {"MUD-AP-45", "All-Purpose Joint Compound 4.5 gal", "PAIL", "MAIN", "C1", 0},
    {"SCR-DW-158", "Drywall Screws 1-5/8\" Coarse Thread", "LB", "MAIN", "B1", 0},
    {"NAIL-16D", "16d Vinyl Sinker Nails", "LB", "MAIN", "B1", 0},
    {"CONN-A35", "Framing Angle A35, Galvanized", "EA", "MAIN", "B2", 0},
    {"CONN-LUS210", "Joist Hanger 2x10, Face Mount", "EA", "MAIN", "B2", 0},
    {"ANC-WEDGE-1245", "Wedge Anchor 1/2\" x 4-1/2\", Zinc", "EA", "MAIN", "B2", 0},
    {"CAULK-SIL", "Silicone Sealant 10.1 oz, Clear", "EA", "MAIN", "A2", 0},
    {"FOAM-GAP", "Gap-Filling Foam Sealant 12 oz", "EA", "MAIN", "A2", 0},
    {"TAPE-DUCT", "Duct Tape 2\" x 60 yd", "RL", "MAIN", "A2", 0},
    {"PAINT-PRM-5", "PVA Drywall Primer, 5 gal", "PAIL", "MAIN", "A3", 0},
    {"PAINT-WHT-5", "Interior Eggshell, Bright White, 5 gal", "PAIL", "MAIN", "A3", 0},
    {"CONC-80", "Concrete Mix, 80 lb Bag", "BAG", "YARD", "PAD", 0},
    {"REBAR-4-20", "#4 Rebar Grade 60, 20'", "EA", "YARD", "RACK1", 0},
    {"WIRE-NM-122", "NM-B Cable 12/2 with Ground", "FT", "MAIN", "A1", 0},
    {"WIRE-NM-142", "NM-B Cable 14/2 with Ground", "FT", "MAIN", "A1", 0},
    {"BOX-1G-NW", "Single-Gang New-Work Box", "EA", "MAIN", "A1", 0},
    {"PEX-34", "PEX-A Tubing 3/4\", Red", "FT", "MAIN", "A1", 0},
    {"PVC-4-DWV", "4\" PVC DWV Pipe, 10'", "EA", "YARD", "RACK1", 0},
    {"GLOVE-LTH-L", "Leather Work Gloves, Large", "PR", "SHOP", "S1", 0},
    {"PPE-GLASS", "Safety Glasses, Clear, ANSI Z87.1", "EA", "SHOP", "S1", 0},
    {"PPE-VEST-L", "Hi-Vis Safety Vest, Class 2, Large", "EA", "SHOP", "S1", 0},
    {"BLADE-714", "7-1/4\" Framing Saw Blade, 24T", "EA", "SHOP", "S2", 0},
    {"FILTER-HYD-SS", "Hydraulic Filter, Skid-Steer", "EA", "SHOP", "S2", 0},
    {"OIL-15W40", "15W-40 Diesel Engine Oil, 1 gal", "JUG", "SHOP", "S2", 0},
    // Each laser is tracked by its serial number.
    {"TOOL-LASER", "Rotary Laser Level Kit", "EA", "SHOP", "CAGE", 1},
};

// Bulk units, converted into the stocking unit.
struct ConversionRow {
    const char* item;
    const char* unit;
    double factor;
};

const ConversionRow kConversions[] = {
    {"SCR-DW-158", "BOX", 25},    {"NAIL-16D", "BOX", 50},      {"CONN-A35", "BOX", 50},
    {"CONN-LUS210", "BOX", 25},   {"ANC-WEDGE-1245", "BOX", 25}, {"CAULK-SIL", "CASE", 12},
    {"FOAM-GAP", "CASE", 12},     {"TAPE-DUCT", "CASE", 24},    {"CONC-80", "PLT", 42},
    {"WIRE-NM-122", "ROLL", 250}, {"WIRE-NM-142", "ROLL", 250}, {"BOX-1G-NW", "CTN", 50},
    {"PEX-34", "ROLL", 100},      {"GLOVE-LTH-L", "DZ", 12},    {"PPE-GLASS", "BOX", 12},
    {"BLADE-714", "BOX", 10},     {"OIL-15W40", "CASE", 4},
};

// On-hand stock by place; an item's on-hand total is the sum of its places.
struct StockRow {
    const char* item;
    const char* location;
    const char* bin;
    int quantity;
};

const StockRow kStock[] = {
    {"LBR-2X4-8", "YARD", "RACK1", 180},    {"LBR-2X6-10", "YARD", "RACK1", 96},
    {"LBR-2X10-12", "YARD", "RACK1", 40},   {"PLY-OSB-716", "YARD", "RACK2", 120},
    {"PLY-CDX-34", "YARD", "RACK2", 45},    {"DW-12-4X12", "MAIN", "C1", 60},
    {"DW-58X-4X12", "MAIN", "C1", 40},      {"MUD-AP-45", "MAIN", "C1", 18},
    {"SCR-DW-158", "MAIN", "B1", 75},       {"NAIL-16D", "MAIN", "B1", 150},
    {"CONN-A35", "MAIN", "B2", 320},        {"CONN-LUS210", "MAIN", "B2", 85},
    {"ANC-WEDGE-1245", "MAIN", "B2", 140},  {"CAULK-SIL", "MAIN", "A2", 36},
    {"CAULK-SIL", "SHOP", "S1", 6},         {"FOAM-GAP", "MAIN", "A2", 24},
    {"TAPE-DUCT", "MAIN", "A2", 30},        {"TAPE-DUCT", "SHOP", "S1", 8},
    {"PAINT-PRM-5", "MAIN", "A3", 10},      {"PAINT-WHT-5", "MAIN", "A3", 8},
    {"CONC-80", "YARD", "PAD", 84},         {"REBAR-4-20", "YARD", "RACK1", 60},
    {"WIRE-NM-122", "MAIN", "A1", 750},     {"WIRE-NM-142", "MAIN", "A1", 500},
    {"BOX-1G-NW", "MAIN", "A1", 200},       {"PEX-34", "MAIN", "A1", 300},
    {"PVC-4-DWV", "YARD", "RACK1", 24},     {"GLOVE-LTH-L", "SHOP", "S1", 48},
    {"PPE-GLASS", "SHOP", "S1", 60},        {"PPE-GLASS", "MAIN", "A2", 12},
    {"PPE-VEST-L", "SHOP", "S1", 20},       {"BLADE-714", "SHOP", "S2", 25},
    {"FILTER-HYD-SS", "SHOP", "S2", 6},     {"OIL-15W40", "SHOP", "S2", 12},
};

struct ItemVendorRow {
    const char* item;
    ULong vendor;
    const char* catalog;
    const char* unit;
    const char* price;
};

const ItemVendorRow kItemVendors[] = {
    {"LBR-2X4-8", 101, "SPF2408", "EA", "4.12"},
    {"LBR-2X6-10", 101, "DF2610", "EA", "9.85"},
    {"LBR-2X10-12", 101, "DF21012", "EA", "24.60"},
    {"PLY-OSB-716", 101, "OSB716-48", "SHT", "17.45"},
    {"PLY-CDX-34", 101, "CDX34-48", "SHT", "42.80"},
    {"DW-12-4X12", 107, "GB12-412", "SHT", "16.90"},
    {"DW-58X-4X12", 107, "GBX58-412", "SHT", "21.35"},
    {"MUD-AP-45", 107, "JC-AP45", "PAIL", "17.25"},
    {"SCR-DW-158", 107, "DWS158C-25", "BOX", "68.50"},
    {"SCR-DW-158", 111, "41158-25LB", "BOX", "72.00"},
    {"NAIL-16D", 101, "N16DVS-50", "BOX", "79.00"},
    {"NAIL-16D", 111, "16DSINK", "LB", "1.72"},
    {"CONN-A35", 101, "A35-B50", "BOX", "62.50"},
    {"CONN-A35", 111, "A35", "EA", "1.38"},
    {"CONN-LUS210", 101, "LUS210-B25", "BOX", "92.00"},
    {"ANC-WEDGE-1245", 111, "WA12412-25", "BOX", "48.75"},
    {"CAULK-SIL", 110, "SIL-CLR-12", "CASE", "78.00"},
    {"CAULK-SIL", 111, "SIL101C", "EA", "6.95"},
    {"FOAM-GAP", 111, "GF12-CS", "CASE", "66.00"},
    {"TAPE-DUCT", 111, "DT260-CS24", "CASE", "139.20"},
    {"PAINT-PRM-5", 110, "PVA-PR-5G", "PAIL", "84.00"},
    {"PAINT-WHT-5", 110, "INT-EG-BW-5G", "PAIL", "159.00"},
    {"CONC-80", 111, "CM80", "BAG", "6.45"},
    {"CONC-80", 111, "CM80-PLT42", "PLT", "260.40"},
    {"REBAR-4-20", 103, "R4G60-20", "EA", "14.20"},
    {"WIRE-NM-122", 104, "NM122-250", "ROLL", "142.50"},
    {"WIRE-NM-142", 104, "NM142-250", "ROLL", "98.75"},
    {"BOX-1G-NW", 104, "1GNW-CTN50", "CTN", "24.50"},
    {"PEX-34", 105, "PEXA34R-100", "ROLL", "96.00"},
    {"PVC-4-DWV", 105, "PVC4DWV10", "EA", "28.40"},
    {"GLOVE-LTH-L", 115, "GLV-LTH-L-DZ", "DZ", "54.00"},
    {"PPE-GLASS", 115, "SG-Z87-CLR-BX", "BOX", "27.60"},
    {"PPE-VEST-L", 115, "HV2-L", "EA", "8.75"},
    {"BLADE-714", 114, "B714-24T", "EA", "11.40"},
    {"BLADE-714", 114, "B714-24T-10PK", "BOX", "104.00"},
    {"FILTER-HYD-SS", 112, "HF-6675", "EA", "38.50"},
    {"OIL-15W40", 113, "15W40-4X1", "CASE", "74.00"},
    {"TOOL-LASER", 114, "RL-H5-KIT", "EA", "1285.00"},
};

void writePlaces(Writer& w) {
    for (const auto& r : kPlaces) {
        if (!r.bin) {
            INLoc loc;
            setText(loc.LocationID, r.location);
            setText(loc.Description, r.description);
            w.insert(loc);
        } else {
            INBin bin;
            setText(bin.LocationID, r.location);
            setText(bin.BinID, r.bin);
            setText(bin.Description, r.description);
            w.insert(bin);
        }
    }
}

}  // namespace

void writeInventory(Writer& w) {
    writePlaces(w);
    std::map<std::string, Quantity> onHand;
    for (const auto& r : kStock) {
        INItem stock;
        setText(stock.ItemID, r.item);
        setText(stock.LocationID, r.location);
        setText(stock.BinID, r.bin);
        stock.Quantity = Quantity(r.quantity);
        w.insert(stock);
        onHand[r.item] += stock.Quantity;
    }
    for (const auto& r : kItems) {
        INMaster item;
        setText(item.ItemID, r.id);
        setText(item.Description, r.description);
        setText(item.StockUnit, r.unit);
        setText(item.DefaultLocation, r.location);
        setText(item.DefaultBin, r.bin);
        item.OnHand = onHand[r.id];
        item.Serialized = r.serialized;
        w.insert(item);
    }
    for (const auto& r : kConversions) {
        INCnvrt conv;
        setText(conv.ItemID, r.item);
        setText(conv.UnitName, r.unit);
        conv.Factor = r.factor;
        w.insert(conv);
    }
    for (const auto& r : kItemVendors) {
        INVendor iv;
        setText(iv.ItemID, r.item);
        iv.VendorID = r.vendor;
        setText(iv.VendorCatalogID, r.catalog);
        setText(iv.UnitName, r.unit);
        auto price = Decimal<15, 4>::parse(r.price);
        if (!price) throw BadDemoData(std::string("price ") + r.price);
        iv.Price = *price;
        w.insert(iv);
    }
}

}  // namespace vtl::demo
