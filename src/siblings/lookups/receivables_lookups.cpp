// Customer and ship-to look-ups of the receivables module.
#include <algorithm>

#include "platform/suite/text_util.h"
#include "siblings/lookups/lookup_support.h"
#include "siblings/lookups/lookups.h"

namespace vtl::siblings {

std::optional<ARCust> browseARCust(Session& s, const std::string& locate) {
    ui::LookupSpec spec;
    spec.title = titles::kCustomer;
    spec.columns = {{"Customer Name", 150}, {"Number", 36, ui::Align::Right}, {"City", 70}, {"State", 24},
                    {"Contact", 90}};
    spec.locatorColumn = 0;
    if (auto n = detail::numberIn(locate)) spec.currentKey = std::to_string(*n);
    else spec.locate = locate;
    spec.rows = [&s] {
        std::vector<ui::LookupRow> rows;
        for (const ARCust& c : detail::readAll(s, store::Table<ARCust>(s.store).all(ARCust::KeyCustomerName)))
            rows.push_back({std::to_string(c.CustomerID),
                            {detail::cell(c.CustomerName), detail::cell(c.CustomerID, "@n_6"), detail::cell(c.City),
                             detail::cell(c.State), detail::cell(c.Contact)}});
        return rows;
    };
    auto key = detail::choose(s, "BrowseARCust", spec);
    if (!key) return std::nullopt;
    ARCust c;
    c.CustomerID = detail::numberIn(*key).value_or(0);
    if (!store::Table<ARCust>(s.store).fetch(ARCust::KeyCustomerID, c)) return std::nullopt;
    return c;
}

std::optional<ARShipTo> browseARShipTo(Session& s, ULong customerID, const std::string& locate) {
    ui::LookupSpec spec;
    spec.title = titles::kShipTo;
    spec.columns = {{"Ship-To Name", 120}, {"Address", 120}, {"City", 70}, {"State", 24}, {"Zip", 44}};
    spec.locatorColumn = 0;
    spec.locate = locate;
    spec.rows = [&s, customerID] {
        ARShipTo from;
        from.CustomerID = customerID;
        auto list = detail::readAll(
            s, store::Table<ARShipTo>(s.store).scan(ARShipTo::KeyCustomerID, from, store::ScanFrom{false, 1, false}));
        // The locator searches the names, so the list runs in name order.
        std::stable_sort(list.begin(), list.end(), [](const ARShipTo& a, const ARShipTo& b) {
            return suite::lowered(a.ShipToName.clip()) < suite::lowered(b.ShipToName.clip());
        });
        std::vector<ui::LookupRow> rows;
        for (const ARShipTo& t : list)
            rows.push_back({std::to_string(t.ShipToID),
                            {detail::cell(t.ShipToName), detail::cell(t.Address1), detail::cell(t.City),
                             detail::cell(t.State), detail::cell(t.Zip)}});
        return rows;
    };
    auto key = detail::choose(s, "BrowseARShipTo", spec);
    if (!key) return std::nullopt;
    ARShipTo t;
    t.ShipToID = detail::numberIn(*key).value_or(0);
    if (!store::Table<ARShipTo>(s.store).fetch(ARShipTo::KeyShipToID, t) || t.CustomerID != customerID)
        return std::nullopt;
    return t;
}

void registerReceivablesLookups(suite::ProcedureTable& table) {
    table.set("BrowseARCust", [](Session& s) {
        auto c = browseARCust(s, s.globals.LookupKey);
        detail::handBack(s, c ? std::optional(std::to_string(c->CustomerID)) : std::nullopt, c ? c->CustomerID : 0);
    });
    table.set("BrowseARShipTo", [](Session& s) {
        auto t = browseARShipTo(s, detail::numberIn(s.globals.ReportLimit).value_or(0), s.globals.LookupKey);
        detail::handBack(s, t ? std::optional(std::to_string(t->ShipToID)) : std::nullopt, t ? t->ShipToID : 0);
    });
}

}  // namespace vtl::siblings
