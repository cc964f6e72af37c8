#include "siblings/services/lim_list.h"

#include <algorithm>
#include <charconv>
#include <map>

#include "platform/suite/error_object.h"
#include "platform/suite/text_util.h"
#include "records/job_cost.h"
#include "records/payables.h"
#include "records/po_master.h"
#include "siblings/lookups/lookups.h"

namespace vtl::services {

namespace {

std::optional<ULong> number(const std::string& text) {
    ULong n = 0;
    auto r = std::from_chars(text.data(), text.data() + text.size(), n);
    if (r.ec != std::errc() || r.ptr != text.data() + text.size() || n == 0) return std::nullopt;
    return n;
}

std::string vendorName(store::Store& store, ULong id) {
    APVendor v;
    v.VendorID = id;
    return store::Table<APVendor>(store).fetch(APVendor::KeyVendorID, v) ? v.VendorName.clip() : std::string();
}

}  // namespace

std::string limListTypeName(LimListType type) {
    switch (type) {
        case LimListType::PONumber: return "PONumber";
        case LimListType::VendorID: return "VendorID";
        case LimListType::JobID: return "JobID";
        case LimListType::CostCode: return "CostCode";
    }
    return {};
}

std::optional<LimListType> limListTypeOf(const std::string& name) {
    for (LimListType t : {LimListType::PONumber, LimListType::VendorID, LimListType::JobID, LimListType::CostCode})
        if (suite::equalNoCase(suite::trimmed(name), limListTypeName(t))) return t;
    return std::nullopt;
}

UpdateLimList::UpdateLimList(Session& session, std::string owner, ULong limitId, LimListType type)
    : session_(session), owner_(std::move(owner)), limitId_(limitId), type_(type) {
    load();
    if (!entries_.empty()) highlight_ = 0;
}

std::string UpdateLimList::title() const {
    switch (type_) {
        case LimListType::PONumber: return "Purchase Order List";
        case LimListType::VendorID: return "Vendor List";
        case LimListType::JobID: return "Job List";
        case LimListType::CostCode: return "Cost Code List";
    }
    return {};
}

std::vector<ui::LookupColumn> UpdateLimList::columns() const {
    switch (type_) {
        case LimListType::PONumber:
            return {{"PO Number", 60, ui::Align::Left}, {"Vendor", 120, ui::Align::Left}};
        case LimListType::VendorID:
            return {{"Vendor ID", 40, ui::Align::Right}, {"Vendor Name", 140, ui::Align::Left}};
        case LimListType::JobID:
            return {{"Job ID", 44, ui::Align::Left}, {"Job Name", 140, ui::Align::Left}};
        case LimListType::CostCode:
            return {{"Cost Code", 60, ui::Align::Left}, {"Description", 120, ui::Align::Left}};
    }
    return {};
}

std::vector<std::string> UpdateLimList::describe(const LimList& e) const {
    switch (type_) {
        case LimListType::PONumber: {
            POMaster po;
            po.POID = e.NumValue;
            if (!store::Table<POMaster>(session_.store).fetch(POMaster::KeyPOID, po))
                return {"(order " + std::to_string(e.NumValue) + ")", ""};
            return {po.PONumber.clip(), vendorName(session_.store, po.VendorID)};
        }
        case LimListType::VendorID: return {std::to_string(e.NumValue), vendorName(session_.store, e.NumValue)};
        case LimListType::JobID: {
            JCHeader job;
            job.JobID = e.TextValue;
            const bool found = store::Table<JCHeader>(session_.store).fetch(JCHeader::KeyJobID, job);
            return {e.TextValue.clip(), found ? job.JobName.clip() : std::string()};
        }
        case LimListType::CostCode: return {e.TextValue.clip(), ""};  // described by rows()
    }
    return {};
}

Rows UpdateLimList::rows() const {
    Rows out;
    out.reserve(entries_.size());
    for (const LimList& e : entries_) out.push_back(describe(e));
    if (type_ == LimListType::CostCode && !out.empty()) {
        // One pass over the cost codes describes every listed code.
        std::map<std::string, std::string> descriptions;
        auto cursor = store::Table<JCCost>(session_.store).all(JCCost::KeyJobCodeType);
        JCCost c;
        while (cursor.next(c)) descriptions.emplace(c.CostCode.clip(), c.Description.clip());
        for (auto& row : out)
            if (auto it = descriptions.find(row[0]); it != descriptions.end()) row[1] = it->second;
    }
    return out;
}

void UpdateLimList::setHighlight(int row) {
    if (row >= 0 && row < rowCount()) highlight_ = row;
}

void UpdateLimList::load() {
    entries_.clear();
    LimList position;
    position.Owner = owner_;
    position.LimitID = limitId_;
    position.ListType = limListTypeName(type_);
    auto cursor = store::Table<LimList>(session_.store).scan(LimList::KeyOwnerLimitType, position, {false, 3, false});
    LimList rec;
    while (cursor.next(rec)) entries_.push_back(rec);
    if (highlight_ >= rowCount()) highlight_ = rowCount() - 1;
}

std::optional<UpdateLimList::Value> UpdateLimList::resolve(const std::string& typed) const {
    const std::string text(suite::trimmed(typed));
    if (text.empty()) return std::nullopt;
    switch (type_) {
        case LimListType::PONumber: {
            POMaster po;
            po.PONumber = text;
            if (!store::Table<POMaster>(session_.store).fetch(POMaster::KeyPONumber, po)) return std::nullopt;
            return Value{{}, po.POID};
        }
        case LimListType::VendorID: {
            auto id = number(text);
            if (!id) return std::nullopt;
            APVendor v;
            v.VendorID = *id;
            if (!store::Table<APVendor>(session_.store).fetch(APVendor::KeyVendorID, v)) return std::nullopt;
            return Value{{}, *id};
        }
        case LimListType::JobID: {
            store::Table<JCHeader> jobs(session_.store);
            JCHeader job;
            job.JobID = text;
            if (jobs.fetch(JCHeader::KeyJobID, job)) return Value{job.JobID.clip(), 0};
            // Typed in other letters: the job as it is on file.
            auto cursor = jobs.all(JCHeader::KeyJobID);
            while (cursor.next(job))
                if (suite::equalNoCase(job.JobID.clipView(), text)) return Value{job.JobID.clip(), 0};
            return std::nullopt;
        }
        case LimListType::CostCode: {
            auto cursor = store::Table<JCCost>(session_.store).all(JCCost::KeyJobCodeType);
            JCCost c;
            while (cursor.next(c))
                if (suite::equalNoCase(c.CostCode.clipView(), text)) return Value{c.CostCode.clip(), 0};
            return std::nullopt;
        }
    }
    return std::nullopt;
}

int UpdateLimList::find(const Value& v) const {
    const bool numeric = type_ == LimListType::PONumber || type_ == LimListType::VendorID;
    for (int i = 0; i < rowCount(); ++i) {
        const LimList& e = entry(i);
        if (numeric ? e.NumValue == v.number : e.TextValue == v.text) return i;
    }
    return -1;
}

bool UpdateLimList::addValue(const Value& v) {
    if (int row = find(v); row >= 0) {
        highlight_ = row;
        return false;
    }
    LimList rec;
    rec.Owner = owner_;
    rec.LimitID = limitId_;
    rec.ListType = limListTypeName(type_);
    rec.TextValue = v.text;
    rec.NumValue = v.number;
    if (!session_.errors.check(store::Table<LimList>(session_.store).insert(rec))) return false;
    changed_ = true;
    load();
    highlight_ = find(v);
    return true;
}

bool UpdateLimList::add(const std::string& typed) {
    if (std::string(suite::trimmed(typed)).empty()) {
        session_.ui.beep();
        return false;
    }
    auto v = resolve(typed);
    if (!v) {
        session_.ui.tell(std::string(suite::trimmed(typed)) + " is not on file.", title(), ui::Icon::Exclamation);
        return false;
    }
    return addValue(*v);
}

std::optional<std::string> UpdateLimList::choosePurchaseOrder() {
    ui::LookupSpec spec;
    spec.title = "Select a Purchase Order";
    spec.columns = {{"PO Number", 60, ui::Align::Left}, {"Vendor", 120, ui::Align::Left}};
    store::Store& store = session_.store;
    spec.rows = [&store] {
        std::map<ULong, std::string> names;
        auto vendors = store::Table<APVendor>(store).all(APVendor::KeyVendorID);
        APVendor v;
        while (vendors.next(v)) names.emplace(v.VendorID, v.VendorName.clip());
        std::vector<ui::LookupRow> rows;
        auto cursor = store::Table<POMaster>(store).all(POMaster::KeyPONumber);
        POMaster po;
        while (cursor.next(po)) {
            auto it = names.find(po.VendorID);
            rows.push_back({std::to_string(po.POID), {po.PONumber.clip(), it == names.end() ? "" : it->second}});
        }
        return rows;
    };
    return session_.ui.lookup(spec);
}

bool UpdateLimList::pick() {
    switch (type_) {
        case LimListType::PONumber: {
            auto key = choosePurchaseOrder();
            auto poid = key ? number(*key) : std::nullopt;
            return poid && addValue(Value{{}, *poid});
        }
        case LimListType::VendorID: {
            auto v = siblings::browseAPVendor(session_);
            return v && addValue(Value{{}, v->VendorID});
        }
        case LimListType::JobID: {
            auto j = siblings::browseJCHeader(session_);
            return j && addValue(Value{j->JobID.clip(), 0});
        }
        case LimListType::CostCode: {
            auto c = siblings::browseJCCode(session_);
            return c && addValue(Value{c->CostCode.clip(), 0});
        }
    }
    return false;
}

bool UpdateLimList::remove(int row) {
    if (row < 0 || row >= rowCount()) return false;
    if (!confirmDelete(session_.ui)) return false;
    LimList rec = entry(row);
    if (!session_.errors.check(store::Table<LimList>(session_.store).remove(rec))) return false;
    changed_ = true;
    load();
    highlight_ = std::min(row, rowCount() - 1);
    return true;
}

void runUpdateLimList(Session& session, LimListArgs& args) {
    auto type = limListTypeOf(args.listType);
    if (!type) return;
    suite::ProcedureName name(session.errors, "UpdateLimList");
    UpdateLimList window(session, args.owner, args.limitId, *type);
    session.views.run(window);
    args.changed = args.changed || window.changed();
}

bool updateLimList(Session& session, const std::string& owner, ULong limitId, LimListType type) {
    LimListArgs args{owner, limitId, limListTypeName(type)};
    serve(session, "UpdateLimList", args, runUpdateLimList);
    return args.changed;
}

}  // namespace vtl::services
