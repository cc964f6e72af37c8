// Vendor look-ups of the payables module.
#include "siblings/lookups/lookup_support.h"
#include "siblings/lookups/lookups.h"

namespace vtl::siblings {

namespace {

std::optional<APVendor> vendorLookup(Session& s, const char* procedure, const char* title, const std::string& locate) {
    ui::LookupSpec spec;
    spec.title = title;
    spec.columns = {{"Vendor Name", 150}, {"Number", 36, ui::Align::Right}, {"City", 70}, {"State", 24},
                    {"Phone", 60}};
    spec.locatorColumn = 0;
    // A vendor number typed where a name is looked up highlights that vendor.
    if (auto n = detail::numberIn(locate)) spec.currentKey = std::to_string(*n);
    else spec.locate = locate;
    spec.rows = [&s] {
        std::vector<ui::LookupRow> rows;
        for (const APVendor& v : detail::readAll(s, store::Table<APVendor>(s.store).all(APVendor::KeyVendorName)))
            rows.push_back({std::to_string(v.VendorID),
                            {detail::cell(v.VendorName), detail::cell(v.VendorID, "@n_6"), detail::cell(v.City),
                             detail::cell(v.State), detail::cell(v.Phone)}});
        return rows;
    };
    auto key = detail::choose(s, procedure, spec);
    if (!key) return std::nullopt;
    APVendor v;
    v.VendorID = detail::numberIn(*key).value_or(0);
    if (!store::Table<APVendor>(s.store).fetch(APVendor::KeyVendorID, v)) return std::nullopt;
    return v;
}

}  // namespace

std::optional<APVendor> browseAPVendor(Session& s, const std::string& locate) {
    return vendorLookup(s, "BrowseAPVendor", titles::kVendor, locate);
}

std::optional<APVendor> browseAPVendorAlias(Session& s, const std::string& locate) {
    return vendorLookup(s, "BrowseAPVendorAlias", titles::kShipToVendor, locate);
}

void registerPayablesLookups(suite::ProcedureTable& table) {
    table.set("BrowseAPVendor", [](Session& s) {
        auto v = browseAPVendor(s, s.globals.LookupKey);
        detail::handBack(s, v ? std::optional(std::to_string(v->VendorID)) : std::nullopt, v ? v->VendorID : 0);
    });
    table.set("BrowseAPVendorAlias", [](Session& s) {
        auto v = browseAPVendorAlias(s, s.globals.LookupKey);
        detail::handBack(s, v ? std::optional(std::to_string(v->VendorID)) : std::nullopt, v ? v->VendorID : 0);
    });
}

}  // namespace vtl::siblings
