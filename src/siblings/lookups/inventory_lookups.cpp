// Item, item-vendor, location and bin look-ups of the inventory module.
#include "siblings/lookups/lookup_support.h"
#include "siblings/lookups/lookups.h"
#include "siblings/lookups/update_in_vendor.h"

namespace vtl::siblings {

std::optional<INMaster> browseINMaster(Session& s, const std::string& locate) {
    ui::LookupSpec spec;
    spec.title = titles::kItem;
    spec.columns = {{"Item", 70}, {"Description", 160}, {"Unit", 36}, {"On Hand", 56, ui::Align::Right},
                    {"On Order", 56, ui::Align::Right}};
    spec.locatorColumn = 0;
    spec.locate = locate;
    spec.rows = [&s] {
        std::vector<ui::LookupRow> rows;
        for (const INMaster& m : detail::readAll(s, store::Table<INMaster>(s.store).all(INMaster::KeyItemID)))
            rows.push_back({m.ItemID.clip(),
                            {detail::cell(m.ItemID), detail::cell(m.Description), detail::cell(m.StockUnit),
                             detail::cell(m.OnHand, "@n-14.2"), detail::cell(m.OnOrder, "@n-14.2")}});
        return rows;
    };
    auto key = detail::choose(s, "BrowseINMaster", spec);
    if (!key) return std::nullopt;
    INMaster m;
    m.ItemID = *key;
    if (!store::Table<INMaster>(s.store).fetch(INMaster::KeyItemID, m)) return std::nullopt;
    return m;
}

std::optional<INVendor> browseINVendor(Session& s, const std::string& itemID, const std::string& locate) {
    ui::LookupSpec spec;
    spec.title = titles::kItemVendor;
    spec.columns = {{"Item", 70},       {"Vendor", 36, ui::Align::Right}, {"Vendor Name", 140},
                    {"Catalog #", 80}, {"Unit", 36},                     {"Price", 60, ui::Align::Right}};
    spec.locatorColumn = 2;
    spec.locate = locate;
    spec.rows = [&s, itemID] {
        INVendor from;
        from.ItemID = itemID;
        store::Table<INVendor> table(s.store);
        auto list = itemID.empty() ? detail::readAll(s, table.all(INVendor::KeyItemVendor))
                                   : detail::readAll(s, table.scan(INVendor::KeyItemVendor, from, store::ScanFrom{false, 1}));
        store::Table<APVendor> vendors(s.store);
        std::vector<ui::LookupRow> rows;
        for (const INVendor& iv : list) {
            APVendor v;
            v.VendorID = iv.VendorID;
            std::string name = vendors.fetch(APVendor::KeyVendorID, v) ? v.VendorName.clip() : std::string();
            rows.push_back({std::to_string(iv.RecordID),
                            {detail::cell(iv.ItemID), detail::cell(iv.VendorID, "@n_6"), name,
                             detail::cell(iv.VendorCatalogID), detail::cell(iv.UnitName),
                             detail::cell(iv.Price, "@n-14.4")}});
        }
        return rows;
    };
    auto key = detail::choose(s, "BrowseINVendor", spec);
    if (!key) return std::nullopt;
    INVendor iv;
    iv.RecordID = detail::numberIn(*key).value_or(0);
    if (!store::Table<INVendor>(s.store).fetch(INVendor::KeyRecordID, iv)) return std::nullopt;
    if (!itemID.empty() && !(iv.ItemID == itemID)) return std::nullopt;
    return iv;
}

std::optional<INLoc> browseINLoc(Session& s, const std::string& locate) {
    ui::LookupSpec spec;
    spec.title = titles::kLocation;
    spec.columns = {{"Location", 50}, {"Description", 120}};
    spec.locatorColumn = 0;
    spec.locate = locate;
    spec.rows = [&s] {
        std::vector<ui::LookupRow> rows;
        for (const INLoc& l : detail::readAll(s, store::Table<INLoc>(s.store).all(INLoc::KeyLocationID)))
            rows.push_back({l.LocationID.clip(), {detail::cell(l.LocationID), detail::cell(l.Description)}});
        return rows;
    };
    auto key = detail::choose(s, "BrowseINLoc", spec);
    if (!key) return std::nullopt;
    INLoc l;
    l.LocationID = *key;
    if (!store::Table<INLoc>(s.store).fetch(INLoc::KeyLocationID, l)) return std::nullopt;
    return l;
}

std::optional<INBin> browseINBin(Session& s, const std::string& locationID, const std::string& locate) {
    ui::LookupSpec spec;
    spec.title = titles::kBin;
    spec.columns = {{"Bin", 50}, {"Description", 120}};
    spec.locatorColumn = 0;
    spec.locate = locate;
    spec.rows = [&s, locationID] {
        INBin from;
        from.LocationID = locationID;
        std::vector<ui::LookupRow> rows;
        for (const INBin& b : detail::readAll(
                 s, store::Table<INBin>(s.store).scan(INBin::KeyLocationBin, from, store::ScanFrom{false, 1})))
            rows.push_back({b.BinID.clip(), {detail::cell(b.BinID), detail::cell(b.Description)}});
        return rows;
    };
    auto key = detail::choose(s, "BrowseINBin", spec);
    if (!key) return std::nullopt;
    INBin b;
    b.LocationID = locationID;
    b.BinID = *key;
    if (!store::Table<INBin>(s.store).fetch(INBin::KeyLocationBin, b)) return std::nullopt;
    return b;
}

void registerInventoryLookups(suite::ProcedureTable& table) {
    table.set("BrowseINMaster", [](Session& s) {
        auto m = browseINMaster(s, s.globals.LookupKey);
        detail::handBack(s, m ? std::optional(m->ItemID.clip()) : std::nullopt);
    });
    table.set("BrowseINVendor", [](Session& s) {
        auto iv = browseINVendor(s, s.globals.JobField, s.globals.LookupKey);
        detail::handBack(s, iv ? std::optional(std::to_string(iv->RecordID)) : std::nullopt, iv ? iv->RecordID : 0);
    });
    // By name: DecimalVariable holds the record number for change and
    // delete; an insert is primed with the item in JobField and the vendor
    // number in DecimalVariable. The record number written comes back in
    // DecimalVariable.
    table.set("UpdateINVendor", [](Session& s) {
        INVendor rec;
        const ULong number = static_cast<ULong>(s.globals.DecimalVariable);
        if (s.globals.GlobalRequest == suite::Request::Insert) {
            rec.ItemID = s.globals.JobField;
            rec.VendorID = number;
        } else {
            rec.RecordID = number;
            if (!store::Table<INVendor>(s.store).fetch(INVendor::KeyRecordID, rec)) {
                s.globals.GlobalResponse = suite::Response::Cancelled;
                return;
            }
        }
        s.globals.GlobalResponse = updateINVendor(s, s.globals.GlobalRequest, rec);
        if (s.globals.GlobalResponse == suite::Response::Completed) s.globals.DecimalVariable = rec.RecordID;
    });
    table.set("BrowseINLoc", [](Session& s) {
        auto l = browseINLoc(s, s.globals.LookupKey);
        detail::handBack(s, l ? std::optional(l->LocationID.clip()) : std::nullopt);
    });
    table.set("BrowseINBin", [](Session& s) {
        auto b = browseINBin(s, s.globals.JobField, s.globals.LookupKey);
        detail::handBack(s, b ? std::optional(b->BinID.clip()) : std::nullopt);
    });
}

}  // namespace vtl::siblings
