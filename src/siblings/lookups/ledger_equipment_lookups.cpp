// Equipment and general-ledger look-ups.
#include "siblings/lookups/lookup_support.h"
#include "siblings/lookups/lookups.h"

namespace vtl::siblings {

std::optional<EQHeader> browseEQHeader(Session& s, const std::string& locate) {
    ui::LookupSpec spec;
    spec.title = titles::kEquipment;
    spec.columns = {{"Equipment", 50}, {"Name", 140}};
    spec.locatorColumn = 0;
    spec.locate = locate;
    spec.rows = [&s] {
        std::vector<ui::LookupRow> rows;
        for (const EQHeader& e : detail::readAll(s, store::Table<EQHeader>(s.store).all(EQHeader::KeyEquipmentID)))
            rows.push_back({e.EquipmentID.clip(), {detail::cell(e.EquipmentID), detail::cell(e.EquipmentName)}});
        return rows;
    };
    auto key = detail::choose(s, "BrowseEQHeader", spec);
    if (!key) return std::nullopt;
    EQHeader e;
    e.EquipmentID = *key;
    if (!store::Table<EQHeader>(s.store).fetch(EQHeader::KeyEquipmentID, e)) return std::nullopt;
    return e;
}

std::optional<EQCost> browseEQCost(Session& s, const std::string& equipmentID, const std::string& locate) {
    ui::LookupSpec spec;
    spec.title = titles::kCostCategory;
    spec.columns = {{"Category", 50}, {"Description", 120}, {"Account", 56}};
    spec.locatorColumn = 0;
    spec.locate = locate;
    spec.rows = [&s, equipmentID] {
        EQCost from;
        from.EquipmentID = equipmentID;
        std::vector<ui::LookupRow> rows;
        for (const EQCost& c : detail::readAll(
                 s, store::Table<EQCost>(s.store).scan(EQCost::KeyEquipCategory, from, store::ScanFrom{false, 1})))
            rows.push_back({c.CostCategory.clip(),
                            {detail::cell(c.CostCategory), detail::cell(c.Description), detail::cell(c.Account)}});
        return rows;
    };
    auto key = detail::choose(s, "BrowseEQCost", spec);
    if (!key) return std::nullopt;
    EQCost c;
    c.EquipmentID = equipmentID;
    c.CostCategory = *key;
    if (!store::Table<EQCost>(s.store).fetch(EQCost::KeyEquipCategory, c)) return std::nullopt;
    return c;
}

std::optional<GLMaster> browseGLMaster(Session& s, const std::string& locate) {
    ui::LookupSpec spec;
    spec.title = titles::kAccount;
    spec.columns = {{"Account", 56}, {"Description", 150}};
    spec.locatorColumn = 0;
    spec.locate = locate;
    spec.rows = [&s] {
        std::vector<ui::LookupRow> rows;
        for (const GLMaster& g : detail::readAll(s, store::Table<GLMaster>(s.store).all(GLMaster::KeyAccount)))
            rows.push_back({g.Account.clip(), {detail::cell(g.Account), detail::cell(g.Description)}});
        return rows;
    };
    auto key = detail::choose(s, "BrowseGLMaster", spec);
    if (!key) return std::nullopt;
    GLMaster g;
    g.Account = *key;
    if (!store::Table<GLMaster>(s.store).fetch(GLMaster::KeyAccount, g)) return std::nullopt;
    return g;
}

void registerEquipmentLookups(suite::ProcedureTable& table) {
    table.set("BrowseEQHeader", [](Session& s) {
        auto e = browseEQHeader(s, s.globals.LookupKey);
        detail::handBack(s, e ? std::optional(e->EquipmentID.clip()) : std::nullopt);
    });
    table.set("BrowseEQCost", [](Session& s) {
        auto c = browseEQCost(s, s.globals.JobField, s.globals.LookupKey);
        detail::handBack(s, c ? std::optional(c->CostCategory.clip()) : std::nullopt);
    });
}

void registerLedgerLookups(suite::ProcedureTable& table) {
    table.set("BrowseGLMaster", [](Session& s) {
        auto g = browseGLMaster(s, s.globals.LookupKey);
        detail::handBack(s, g ? std::optional(g->Account.clip()) : std::nullopt);
    });
}

}  // namespace vtl::siblings
