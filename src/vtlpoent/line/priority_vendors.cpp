#include "vtlpoent/line/priority_vendors.h"

#include <algorithm>

#include "platform/picture/picture.h"

namespace vtl::ent {

std::vector<INVendor> betterVendors(store::Store& store, const std::string& itemID, ULong currentVendor,
                                    double linePrice) {
    std::vector<INVendor> out;
    if (Text<15>(itemID).blank()) return out;
    INVendor from;
    from.ItemID = itemID;
    INVendor iv;
    for (auto cur = store::Table<INVendor>(store).scan(INVendor::KeyItemVendor, from, store::ScanFrom{false, 1});
         cur.next(iv);) {
        // Prices are compared at the 4 places they are kept, so a price read
        // back from a double never looks better than itself.
        if (iv.VendorID != currentVendor && iv.Price < Decimal<15, 4>::fromDouble(linePrice)) out.push_back(iv);
    }
    std::stable_sort(out.begin(), out.end(), [](const INVendor& a, const INVendor& b) {
        return a.Price != b.Price ? a.Price < b.Price : a.VendorID < b.VendorID;
    });
    return out;
}

std::optional<INVendor> browsePriorityQ(Session& s, const PODetail& line, ULong currentVendor) {
    auto list = betterVendors(s.store, line.ItemID.str(), currentVendor, line.UnitPrice);
    if (list.empty()) {
        s.ui.tell("No other vendor sells item " + line.ItemID.clip() + " for less than this line's price.",
                  kPriorityVendorsTitle);
        return std::nullopt;
    }
    ui::LookupSpec spec;
    spec.title = kPriorityVendorsTitle;
    spec.columns = {{"Vendor", 36, ui::Align::Right}, {"Vendor Name", 140}, {"Catalog #", 80},
                    {"Unit", 36},                     {"Price", 60, ui::Align::Right}};
    spec.locatorColumn = 1;
    spec.rows = [&s, list] {
        std::vector<ui::LookupRow> rows;
        store::Table<APVendor> vendors(s.store);
        for (const INVendor& iv : list) {
            APVendor v;
            v.VendorID = iv.VendorID;
            std::string name = vendors.fetch(APVendor::KeyVendorID, v) ? v.VendorName.clip() : std::string();
            rows.push_back({std::to_string(iv.RecordID),
                            {pic::format(iv.VendorID, "@n_6"), name, iv.VendorCatalogID.clip(), iv.UnitName.clip(),
                             pic::format(iv.Price, "@n-14.4")}});
        }
        return rows;
    };
    auto key = s.ui.lookup(spec);
    if (!key) return std::nullopt;
    for (const INVendor& iv : list)
        if (std::to_string(iv.RecordID) == *key) return iv;
    return std::nullopt;
}

}  // namespace vtl::ent
