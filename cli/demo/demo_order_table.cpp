// A year of purchasing at the demo company. Early orders are delivered and
// billed in full; the summer's are part billed (back orders, progress
// billing of subcontracts); the latest are still open, some with goods on
// site that the vendor has not billed yet.
//
// Line columns: kind, ref, sub, text, qty, unit, price, invoiced, received.
#include "demo/demo_orders.h"

namespace vtl::demo {

const std::vector<OrderRow>& demoOrders() {
    using B = Billing;
    static const std::vector<OrderRow> orders = {
        // ---- January
        {"1001", 101, 1, 6, "Job", "2408", "2408", true, "LAO", "Vendor truck", "Jobsite", B::Posted,
         {{'J', nullptr, "062000MAT", "Interior trim package, paint-grade MDF", 1, "LS", 2846.50, 1, 0},
          {'J', nullptr, "062000MAT", "Stair treads, white oak 11-1/4\"", 14, "EA", 48.75, 14, 0}}},
        {"1002", 102, 1, 9, "Job", "2502", "2502", true, "BKH", "Vendor truck", "Jobsite", B::Posted,
         {{'J', nullptr, "033000MAT", "3000 PSI concrete, footings", 24, "CY", 168.00, 24, 0},
          {'J', nullptr, "033000MAT", "Winter heat and short-load charge", 1, "LS", 285.00, 1, 0},
          {'T', nullptr, nullptr, "Pour scheduled 7:00 AM. Call dispatch 24 hours ahead to confirm.", 0, nullptr, 0,
           0, 0}}},
        {"1003", 120, 1, 12, "Company", nullptr, nullptr, true, "LAO", "UPS Ground", "Destination", B::Posted,
         {{'G', "6100-00", nullptr, "Copy paper 8.5x11, 10-ream case", 6, "CS", 42.99, 6, 0},
          {'G', "6100-00", nullptr, "Toner cartridge, high yield", 2, "EA", 189.00, 2, 0}}},
        {"1004", 116, 1, 15, "Job", "2601", "2601", false, "DMW", "", "", B::Posted,
         {{'J', nullptr, "017100SUB", "Construction staking - building corners and grid", 1, "LS", 4850.00, 1, 0},
          {'J', nullptr, "017100SUB", "As-built survey of footings", 1, "LS", 1250.00, 1, 0}}},
        // ---- February
        {"1005", 112, 2, 3, "Job", "2502", "2502", true, "BKH", "Vendor truck", "Jobsite", B::Posted,
         {{'J', nullptr, "015000EQP", "Telehandler rental, 6,000 lb reach", 4, "WK", 1150.00, 4, 0},
          {'J', nullptr, "015000EQP", "Delivery and pickup", 1, "LS", 275.00, 1, 0}}},
        {"1006", 101, 2, 10, "Company", nullptr, nullptr, true, "LAO", "Vendor truck", "Vancouver, WA", B::Posted,
         {{'I', "CONN-A35", nullptr, nullptr, 4, "BOX", 0, 4, 0},
          {'I', "NAIL-16D", nullptr, nullptr, 6, "BOX", 0, 6, 0},
          {'I', "LBR-2X4-8", nullptr, nullptr, 200, nullptr, 0, 200, 0}}},
        // The barn addition was staked before the owner put it on hold.
        {"1007", 116, 2, 17, "Job", "2505", "2505", false, "DMW", "", "", B::Posted,
         {{'J', nullptr, "017100SUB", "Boundary and topographic survey", 1, "LS", 2400.00, 1, 0},
          {'J', nullptr, "017100SUB", "Building corner staking", 1, "LS", 750.00, 1, 0}}},
        {"1008", 113, 2, 24, "Company", nullptr, nullptr, true, "LAO", "Tank wagon", "Yard", B::Posted,
         {{'E', "T-101", "FUEL", "Unleaded fuel, January fleet card", 212, "GAL", 3.89, 212, 0},
          {'E', "T-102", "FUEL", "Diesel, January fleet card", 188, "GAL", 4.19, 188, 0},
          {'E', "SS-201", "FUEL", "Off-road diesel, yard tank", 64, "GAL", 3.35, 64, 0}}},
        // ---- March
        {"1009", 103, 3, 3, "Job", "2601", "2601", true, "LAO", "Vendor truck", "Jobsite", B::Split,
         {{'J', nullptr, "032000MAT", "#4 rebar, fabricated per schedule", 6.5, "TON", 1480.00, 6.5, 0},
          {'J', nullptr, "032000MAT", "#5 rebar, fabricated per schedule", 4, "TON", 1465.00, 4, 0},
          {'J', nullptr, "032000MAT", "Rebar chairs and tie wire", 1, "LS", 612.40, 1, 0}}},
        {"1010", 117, 3, 10, "Job", "2601", "2601", false, "DMW", "", "", B::Posted,
         {{'J', nullptr, "312000SUB", "Mass excavation and export per proposal", 1, "LS", 38600.00, 1, 0},
          {'J', nullptr, "312000SUB", "Imported structural fill, compacted", 420, "CY", 32.50, 420, 0}}},
        {"1011", 115, 3, 17, "Company", nullptr, nullptr, true, "LAO", "UPS Ground", "Destination", B::Posted,
         {{'I', "GLOVE-LTH-L", nullptr, nullptr, 4, "DZ", 0, 4, 0},
          {'I', "PPE-GLASS", nullptr, nullptr, 5, "BOX", 0, 5, 0},
          {'I', "PPE-VEST-L", nullptr, nullptr, 24, nullptr, 0, 24, 0}}},
        // ---- April
        {"1012", 119, 4, 1, "Job", "2502", "2502", false, "BKH", "", "", B::Posted,
         {{'J', nullptr, "092900SUB", "Tape and finish, Level 4 - Unit A", 1, "LS", 6400.00, 1, 0},
          {'J', nullptr, "092900SUB", "Tape and finish, Level 4 - Unit B", 1, "LS", 6400.00, 1, 0}}},
        {"1013", 104, 4, 7, "Job", "2601", "2601", true, "LAO", "Will call", "Vancouver, WA", B::Posted,
         {{'J', nullptr, "260000MAT", "Temporary power panel, cords and GFCI", 1, "LS", 1864.20, 1, 0},
          {'I', "WIRE-NM-122", nullptr, nullptr, 8, "ROLL", 0, 8, 0},
          {'I', "BOX-1G-NW", nullptr, nullptr, 4, "CTN", 0, 4, 0}}},
        // The fabricator ships straight to the powder coater.
        {"1014", 123, 4, 14, "Vendor", "124", "2604", false, "DMW", "Vendor truck", "Shipping point", B::Posted,
         {{'J', nullptr, "051200SUB", "Steel canopy frames, fabricate per shop drawings", 2, "EA", 7840.00, 2, 0},
          {'T', nullptr, nullptr,
           "Deliver frames to Precision Powder Coating for finish, RAL 7016 charcoal. Our truck picks up "
           "from the coater.",
           0, nullptr, 0, 0, 0}}},
        // ---- May
        {"1015", 112, 5, 4, "Job", "2604", "2604", true, "BKH", "Vendor truck", "Jobsite", B::Posted,
         {{'J', nullptr, "312000EQP", "Mini excavator rental, 8,000 lb class", 2, "WK", 1325.00, 2, 0},
          {'J', nullptr, "312000EQP", "Plate compactor rental", 2, "WK", 245.00, 2, 0}}},
        {"1016", 107, 5, 11, "Customer", "1", "2507", true, "LAO", "Boom delivery", "Destination", B::Posted,
         {{'J', nullptr, "092900MAT", "5/8\" Type X board 4x12, stocked to floors", 220, "SHT", 21.35, 220, 0},
          {'J', nullptr, "092900MAT", "Metal studs 3-5/8\" 20 ga, 10'", 380, "EA", 5.85, 380, 0},
          {'J', nullptr, "092900MAT", "Corner bead and trim accessories", 1, "LS", 426.80, 1, 0}}},
        {"1017", 108, 5, 18, "Job", "2511", "2511", true, "LAO", "Roof load", "Jobsite", B::Split,
         {{'J', nullptr, "075000MAT", "TPO membrane 60 mil white, 10' x 100'", 5, "RL", 1190.00, 5, 0},
          {'J', nullptr, "075000MAT", "Polyiso insulation 2.6\", 4x8", 130, "EA", 38.40, 130, 0},
          {'J', nullptr, "075000MAT", "Termination bar, fasteners and plates", 1, "LS", 1145.00, 1, 0}}},
        // ---- June
        {"1018", 121, 6, 2, "Job", "2601", "2601", true, "BKH", "", "", B::Posted,
         {{'J', nullptr, "015000MAT", "Portable toilet, weekly service - May", 2, "EA", 165.00, 2, 0},
          {'J', nullptr, "015000MAT", "Hand-wash station - May", 1, "EA", 95.00, 1, 0}}},
        {"1019", 110, 6, 9, "Company", nullptr, nullptr, true, "LAO", "Will call", "Vancouver, WA", B::Posted,
         {{'I', "PAINT-PRM-5", nullptr, nullptr, 12, nullptr, 0, 12, 0},
          {'I', "PAINT-WHT-5", nullptr, nullptr, 8, nullptr, 0, 8, 0},
          {'I', "CAULK-SIL", nullptr, nullptr, 3, "CASE", 0, 3, 0}}},
        {"1020", 109, 6, 16, "Job", "2604", "2604", true, "DMW", "Vendor truck", "Jobsite", B::Posted,
         {{'J', nullptr, "081000MAT", "HM door frame 3070, 16 ga, knock-down", 6, "EA", 286.00, 6, 0},
          {'J', nullptr, "081000MAT", "HM door 3070, 18 ga, flush", 6, "EA", 398.00, 6, 0},
          {'J', nullptr, "085000MAT", "Aluminum storefront entry per quote 26-0412", 1, "LS", 9875.00, 0, 0}}},
        // ---- July
        {"1021", 101, 7, 7, "Job", "2608", "2608", true, "LAO", "Vendor truck", "Jobsite", B::Posted,
         {{'J', nullptr, "061000MAT", "Framing package per takeoff - walls and roof", 1, "LS", 28450.00, 1, 0},
          {'J', nullptr, "061000MAT", "I-joists 11-7/8\", 24'", 46, "EA", 142.00, 30, 0},
          {'J', nullptr, "061000MAT", "LVL beam 3-1/2\" x 11-7/8\", 20'", 6, "EA", 388.00, 6, 0}}},
        {"1022", 105, 7, 14, "Job", "2502", "2502", true, "BKH", "Vendor truck", "Jobsite", B::Posted,
         {{'J', nullptr, "220000MAT", "Water heater, 50 gal electric", 2, "EA", 689.00, 2, 0},
          {'J', nullptr, "220000MAT", "PEX manifolds and fittings", 1, "LS", 1322.45, 1, 0},
          {'I', "PEX-34", nullptr, nullptr, 4, "ROLL", 0, 0, 0}}},
        // Subcontracts are billed monthly by percent complete.
        {"1023", 118, 7, 21, "Job", "2601", "2601", false, "DMW", "", "", B::Posted,
         {{'J', nullptr, "260000SUB", "Electrical rough-in and trim per subcontract", 100, "PCT", 486.00, 60, 0},
          {'J', nullptr, "260000SUB", "Site lighting per change order 3", 1, "LS", 7250.00, 0, 0}}},
        // ---- August
        {"1024", 106, 8, 4, "Job", "2507", "2507", false, "DMW", "", "", B::Posted,
         {{'J', nullptr, "230000SUB", "HVAC per subcontract - tenant improvement", 100, "PCT", 298.00, 85, 0},
          {'T', nullptr, nullptr, "Retainage of 5% held until the final commissioning report.", 0, nullptr, 0, 0,
           0}}},
        {"1025", 122, 8, 11, "Job", "2601", "2601", false, "BKH", "", "", B::Posted,
         {{'J', nullptr, "015000MAT", "30-yard roll-off, haul and dump", 6, "EA", 485.00, 4, 0},
          {'J', nullptr, "015000MAT", "Overweight charge", 1, "LS", 138.00, 0, 0}}},
        {"1026", 109, 8, 18, "Customer", "2", "2602", true, "DMW", "Vendor truck", "Destination", B::Posted,
         {{'J', nullptr, "081000MAT", "Solid-core door, birch, 3070, prehung", 9, "EA", 312.00, 0, 9},
          {'J', nullptr, "081000MAT", "Lever lockset, passage, satin chrome", 9, "EA", 64.00, 0, 9},
          {'T', nullptr, nullptr, "Deliver to the rear entrance after 5:30 PM; the practice is open during the day.",
           0, nullptr, 0, 0, 0}}},
        // ---- September
        {"1027", 114, 9, 1, "Company", nullptr, nullptr, true, "LAO", "UPS Ground", "Destination", B::Posted,
         {{'I', "BLADE-714", nullptr, nullptr, 3, "BOX", 0, 3, 0},
          {'G', "6200-00", nullptr, "Cordless hammer drill kit, 18V", 2, "EA", 329.00, 2, 0},
          {'G', "6200-00", nullptr, "Cordless circular saw 7-1/4\", tool only", 1, "EA", 219.00, 1, 0}}},
        {"1028", 112, 9, 8, "Job", "2511", "2511", true, "BKH", "Vendor truck", "Jobsite", B::Posted,
         {{'J', nullptr, "015000EQP", "Boom lift rental, 45' articulating", 3, "WK", 1480.00, 2, 0},
          {'J', nullptr, "015000EQP", "Delivery and pickup", 1, "LS", 310.00, 1, 0}}},
        {"1029", 101, 9, 15, "Other", "BG laydown", "2604", true, "LAO", "Vendor truck", "Jobsite", B::Posted,
         {{'J', nullptr, "061000MAT", "Wall framing package, apparatus bay", 1, "LS", 18760.00, 1, 0},
          {'J', nullptr, "061000MAT", "Glulam beam 5-1/8\" x 18\", 32'", 2, "EA", 2140.00, 0, 2},
          {'I', "CONN-LUS210", nullptr, nullptr, 4, "BOX", 0, 4, 0}}},
        {"1030", 125, 9, 22, "Job", "2602", "2602", false, "DMW", "", "", B::Posted,
         {{'J', nullptr, "220000SUB", "Plumbing rough-in, 4 operatories", 100, "PCT", 184.00, 50, 0},
          {'J', nullptr, "220000SUB", "Med-gas piping per change order 1", 1, "LS", 3950.00, 0, 0}}},
        // ---- October
        {"1031", 113, 10, 1, "Company", nullptr, nullptr, true, "LAO", "Tank wagon", "Yard", B::Posted,
         {{'E', "T-101", "FUEL", "Unleaded fuel, September fleet card", 236, "GAL", 4.05, 236, 0},
          {'E', "T-102", "FUEL", "Diesel, September fleet card", 205, "GAL", 4.39, 205, 0},
          {'E', "EX-202", "FUEL", "Off-road diesel, jobsite delivery", 110, "GAL", 3.55, 110, 0},
          {'I', "OIL-15W40", nullptr, nullptr, 2, "CASE", 0, 2, 0}}},
        {"1032", 108, 10, 6, "Job", "2608", "2608", true, "LAO", "Roof load", "Jobsite", B::Posted,
         {{'J', nullptr, "075000MAT", "Architectural shingles, charcoal", 64, "SQ", 118.00, 64, 0},
          {'J', nullptr, "075000MAT", "Synthetic underlayment, 10 sq roll", 7, "RL", 152.00, 7, 0},
          {'J', nullptr, "075000MAT", "Ridge vent and starter strip", 1, "LS", 684.30, 0, 0}}},
        {"1033", 102, 10, 13, "Job", "2604", "2604", true, "BKH", "Vendor truck", "Jobsite", B::Posted,
         {{'J', nullptr, "033000MAT", "4000 PSI concrete, apparatus bay slab", 86, "CY", 176.00, 86, 0},
          {'J', nullptr, "033000MAT", "Pump truck, 4 hours", 1, "LS", 1260.00, 1, 0},
          {'J', nullptr, "031000MAT", "Form release and expansion joint", 1, "LS", 348.75, 0, 0}}},
        // A supplement to 1033, numbered after it by hand.
        {"1033-CO1", 102, 10, 20, "Job", "2604", "2604", true, "BKH", "Vendor truck", "Jobsite", B::Posted,
         {{'J', nullptr, "033000MAT", "Additional 4000 PSI concrete, apron", 14, "CY", 176.00, 0, 14},
          {'J', nullptr, "033000MAT", "Short-load charge", 1, "LS", 195.00, 0, 1}}},
        {"1034", 111, 10, 22, "Company", nullptr, nullptr, true, "LAO", "Will call", "Vancouver, WA", B::Posted,
         {{'I', "ANC-WEDGE-1245", nullptr, nullptr, 4, "BOX", 0, 0, 0},
          {'I', "FOAM-GAP", nullptr, nullptr, 2, "CASE", 0, 0, 0},
          {'I', "TAPE-DUCT", nullptr, nullptr, 1, "CASE", 0, 0, 0},
          {'I', "CONC-80", nullptr, nullptr, 1, "PLT", 0, 0, 0},
          {'I', "CONN-A35", nullptr, nullptr, 40, nullptr, 0, 0, 0}}},
        {"1035", 104, 10, 27, "Job", "2604", "2604", true, "LAO", "Will call", "Vancouver, WA", B::Posted,
         {{'J', nullptr, "260000MAT", "LED high-bay fixture, 24,000 lm", 12, "EA", 248.00, 0, 12},
          {'J', nullptr, "260000MAT", "Occupancy sensor, high-bay", 12, "EA", 86.50, 0, 12},
          {'I', "WIRE-NM-142", nullptr, nullptr, 6, "ROLL", 0, 0, 0}}},
        // ---- November
        {"1036", 112, 11, 2, "Job", "2606", "2606", false, "BKH", "Vendor truck", "Jobsite", B::Posted,
         {{'J', nullptr, "015000EQP", "Material hoist rental", 4, "WK", 890.00, 0, 0},
          {'J', nullptr, "015000EQP", "Delivery, setup and removal", 1, "LS", 640.00, 0, 0},
          {'T', nullptr, nullptr, "Street-use permit is on file with the city; deliveries only 9 AM to 3 PM.", 0,
           nullptr, 0, 0, 0}}},
        {"1037", 113, 11, 3, "Company", nullptr, nullptr, true, "LAO", "Tank wagon", "Yard", B::Posted,
         {{'E', "T-101", "FUEL", "Unleaded fuel, October fleet card", 228, "GAL", 3.95, 0, 228},
          {'E', "T-102", "FUEL", "Diesel, October fleet card", 214, "GAL", 4.29, 0, 214},
          {'E', "SS-201", "FUEL", "Off-road diesel, yard tank", 80, "GAL", 3.45, 0, 80},
          {'E', "SS-201", "PARTS", "Hydraulic hose assembly, 1/2\" x 36\"", 2, "EA", 64.50, 0, 0}}},
        {"1038", 109, 11, 5, "Other", "Pearl staging", "2606", false, "LAO", "FedEx Freight", "Shipping point",
         B::Posted,
         {{'J', nullptr, "085000MAT", "Steel-look casement window per quote Q-88140", 8, "EA", 1745.00, 0, 0},
          {'J', nullptr, "081000MAT", "Interior glass barn door, 3668", 2, "EA", 1190.00, 0, 0}}},
        // Billed for the trim; the invoice is still being entered in payables.
        {"1039", 101, 11, 9, "Job", "2608", "2608", true, "LAO", "Vendor truck", "Jobsite", B::Unposted,
         {{'J', nullptr, "062000MAT", "Interior trim package, primed finger-joint", 1, "LS", 7925.00, 1, 0},
          {'J', nullptr, "062000MAT", "Stair parts, oak treads and risers", 1, "LS", 3310.00, 0, 0},
          {'I', "NAIL-16D", nullptr, nullptr, 2, "BOX", 0, 0, 0}}},
        {"1040", 115, 11, 12, "Company", nullptr, nullptr, true, "LAO", "UPS Ground", "Destination", B::Posted,
         {{'I', "PPE-GLASS", nullptr, nullptr, 4, "BOX", 0, 0, 0},
          {'I', "GLOVE-LTH-L", nullptr, nullptr, 3, "DZ", 0, 0, 0},
          {'G', "6300-00", nullptr, "First-aid cabinet restock, 50-person", 2, "EA", 148.00, 0, 0}}},
        // Entered as a request for quote; no number until it is placed.
        {"", 114, 11, 16, "Company", nullptr, nullptr, true, "BKH", "", "", B::Posted,
         {{'I', "TOOL-LASER", nullptr, nullptr, 2, nullptr, 0, 0, 0},
          {'T', nullptr, nullptr, "Quote requested: confirm price and lead time before ordering.", 0, nullptr, 0,
           0, 0}}},
    };
    return orders;
}

const std::vector<NoteRow>& demoNotes() {
    static const std::vector<NoteRow> notes = {
        {"1014", 4, 16, "DMW", "Finish color",
         "Frames go straight to the powder coater. Verify the color chip with the architect before release."},
        {"1021", 8, 3, "BKH", "Back order",
         "16 of 46 I-joists back ordered at the mill. Cascade promises them by 8/21; confirm before framing the "
         "second floor."},
        {"1033", 10, 15, "DMW", "Pour delay",
         "Slab pour moved one day for rain. Form release and joint material not billed yet; ask dispatch."},
        {"1039", 11, 13, "LAO", "Invoice on hold",
         "Trim invoice entered in payables but not posted; waiting for the packing slip for the stair parts."},
    };
    return notes;
}

}  // namespace vtl::demo
