// Job and cost-code look-ups of the job-cost module.
#include <map>

#include "platform/suite/text_util.h"
#include "siblings/lookups/lookup_support.h"
#include "siblings/lookups/lookups.h"

namespace vtl::siblings {

namespace {

std::string jobStatus(const JCHeader& j) {
    if (j.Closed == 1) return "Closed";
    if (j.Active == 0) return "Inactive";
    return "";
}

std::optional<JCHeader> fetchJob(Session& s, const std::string& jobID) {
    JCHeader j;
    j.JobID = jobID;
    if (!store::Table<JCHeader>(s.store).fetch(JCHeader::KeyJobID, j)) return std::nullopt;
    return j;
}

}  // namespace

std::optional<JCHeader> browseJCHeader(Session& s, const std::string& locate) {
    ui::LookupSpec spec;
    spec.title = titles::kJob;
    spec.columns = {{"Job", 50}, {"Job Name", 150}, {"Status", 40}};
    spec.locatorColumn = 0;
    spec.locate = locate;
    spec.rows = [&s] {
        std::vector<ui::LookupRow> rows;
        for (const JCHeader& j : detail::readAll(s, store::Table<JCHeader>(s.store).all(JCHeader::KeyJobID)))
            rows.push_back({j.JobID.clip(), {detail::cell(j.JobID), detail::cell(j.JobName), jobStatus(j)}});
        return rows;
    };
    auto key = detail::choose(s, "BrowseJCHeader", spec);
    if (!key) return std::nullopt;
    return fetchJob(s, *key);
}

std::optional<JCCost> browseJCCost(Session& s, const std::string& jobID, const std::string& locate) {
    ui::LookupSpec spec;
    spec.title = titles::kCostCode;
    spec.columns = {{"Cost Code", 60}, {"Description", 120}, {"Budget", 60, ui::Align::Right},
                    {"Committed", 60, ui::Align::Right}};
    spec.locatorColumn = 0;
    spec.locate = locate;
    spec.rows = [&s, jobID] {
        JCCost from;
        from.JobID = jobID;
        std::vector<ui::LookupRow> rows;
        for (const JCCost& c : detail::readAll(s, store::Table<JCCost>(s.store).scan(JCCost::KeyJobCodeType, from,
                                                                                        store::ScanFrom{false, 1})))
            rows.push_back({c.RecordID.clip(),
                            {detail::cell(c.CostCode), detail::cell(c.Description), detail::cell(c.Budget, "@n-14.2"),
                             detail::cell(c.Committed, "@n-14.2")}});
        return rows;
    };
    auto key = detail::choose(s, "BrowseJCCost", spec);
    if (!key) return std::nullopt;
    JCCost c;
    c.RecordID = *key;
    if (!store::Table<JCCost>(s.store).fetch(JCCost::KeyRecordID, c) || !(c.JobID == jobID)) return std::nullopt;
    return c;
}

std::optional<JCCost> browseJCCode(Session& s, const std::string& locate) {
    ui::LookupSpec spec;
    spec.title = titles::kAnyCostCode;
    spec.columns = {{"Cost Code", 60}, {"Description", 120}, {"Jobs", 30, ui::Align::Right}};
    spec.locatorColumn = 0;
    spec.locate = locate;
    // The first cost record of each code, by job, stands for the code.
    auto firstOfEachCode = [&s] {
        std::map<std::string, std::pair<JCCost, int>> codes;
        for (const JCCost& c : detail::readAll(s, store::Table<JCCost>(s.store).all(JCCost::KeyJobCodeType))) {
            auto [it, added] = codes.try_emplace(c.CostCode.clip(), c, 0);
            ++it->second.second;
        }
        return codes;
    };
    spec.rows = [firstOfEachCode] {
        std::vector<ui::LookupRow> rows;
        for (const auto& [code, entry] : firstOfEachCode())
            rows.push_back({code, {code, detail::cell(entry.first.Description), std::to_string(entry.second)}});
        return rows;
    };
    auto key = detail::choose(s, "BrowseJCCode", spec);
    if (!key) return std::nullopt;
    auto codes = firstOfEachCode();
    auto it = codes.find(*key);
    if (it == codes.end()) return std::nullopt;
    return it->second.first;
}

std::vector<JCHeader> jobsNamed(store::Store& store, const std::string& typedName) {
    const std::string typed(suite::trimmed(typedName));
    std::vector<JCHeader> out;
    JCHeader from;
    from.JobName = typed;
    // The name key ignores case, so the scan starts at the first name that
    // could begin with the typed text and stops past the last one.
    auto cursor = store::Table<JCHeader>(store).scan(JCHeader::KeyJobName, from);
    JCHeader j;
    while (cursor.next(j)) {
        if (!suite::startsWithNoCase(j.JobName.clip(), typed)) {
            if (suite::lowered(j.JobName.clip()) > suite::lowered(typed)) break;
            continue;
        }
        if (j.Closed == 1 || j.Active == 0) continue;
        out.push_back(j);
    }
    return out;
}

std::optional<JCHeader> selectJobByName(Session& s, const std::string& typedName) {
    ui::LookupSpec spec;
    spec.title = titles::kJobByName;
    spec.columns = {{"Job", 200}};
    spec.rows = [&s, typedName] {
        std::vector<ui::LookupRow> rows;
        for (const JCHeader& j : jobsNamed(s.store, typedName))
            rows.push_back({j.JobID.clip(), {j.JobID.clip() + " - " + j.JobName.clip()}});
        return rows;
    };
    auto key = detail::choose(s, "SelectJobByName", spec);
    if (!key) return std::nullopt;
    return fetchJob(s, *key);
}

void registerJobCostLookups(suite::ProcedureTable& table) {
    table.set("BrowseJCHeader", [](Session& s) {
        auto j = browseJCHeader(s, s.globals.LookupKey);
        detail::handBack(s, j ? std::optional(j->JobID.clip()) : std::nullopt);
    });
    table.set("BrowseJCCost", [](Session& s) {
        auto c = browseJCCost(s, s.globals.JobField, s.globals.LookupKey);
        detail::handBack(s, c ? std::optional(c->RecordID.clip()) : std::nullopt);
    });
    table.set("BrowseJCCode", [](Session& s) {
        auto c = browseJCCode(s, s.globals.LookupKey);
        detail::handBack(s, c ? std::optional(c->CostCode.clip()) : std::nullopt);
    });
    table.set("SelectJobByName", [](Session& s) {
        auto j = selectJobByName(s, s.globals.LookupKey);
        detail::handBack(s, j ? std::optional(j->JobID.clip()) : std::nullopt);
    });
}

}  // namespace vtl::siblings
