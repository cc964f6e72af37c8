#include "gui/setup/record_browse.h"

#include <cctype>


namespace vtl::setup {
namespace {

bool startsWithNoCase(std::string_view s, std::string_view prefix) {
    if (prefix.size() > s.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(s[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

}  // namespace

RecordBrowse::RecordBrowse(store::Store& store, const FileSpec& spec, Date today)
    : store_(store), spec_(spec), today_(today) {}

bool RecordBrowse::reload(std::string& error) {
    std::vector<AnyRecord> rows;
    AnyTable table(store_, *spec_.type);
    bool ok = table.read(spec_.listKey, nullptr, 0, [&](const AnyRecord& r) { rows.push_back(r); }, error);
    rows_ = std::move(rows);
    return ok;
}

std::string RecordBrowse::cell(int row, int column) const {
    return cellText(spec_, record(row), spec_.columns.at(static_cast<std::size_t>(column)));
}

int RecordBrowse::locate(std::string_view prefix) const {
    while (!prefix.empty() && prefix.front() == ' ') prefix.remove_prefix(1);
    if (prefix.empty()) return rows_.empty() ? -1 : 0;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const std::string v = valueText(rows_[i].get(spec_.locatorField));
        if (startsWithNoCase(v, prefix)) return static_cast<int>(i);
    }
    return -1;
}

int RecordBrowse::rowOf(const AnyRecord& rec) const {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].base().rowId_ == rec.base().rowId_) return static_cast<int>(i);
    return -1;
}

RecordEditor RecordBrowse::insert() const {
    AnyRecord rec(*spec_.type);
    for (const auto& [field, value] : spec_.defaults) rec.set(field, value);
    return RecordEditor(store_, spec_, std::move(rec), RecordEditor::Mode::Insert, today_);
}

RecordEditor RecordBrowse::change(int row) const {
    // Read again: another window may have changed it since the list was read.
    AnyRecord rec = record(row);
    AnyTable table(store_, *spec_.type);
    AnyRecord fresh = rec;
    if (table.fetch(0, fresh)) rec = fresh;
    return RecordEditor(store_, spec_, std::move(rec), RecordEditor::Mode::Change, today_);
}

std::string RecordBrowse::describe(const AnyRecord& rec) const {
    std::string field = spec_.locatorField.empty() ? spec_.columns.front().field : spec_.locatorField;
    std::string name = valueText(rec.get(field));
    if (name.empty() && !spec_.columns.empty()) name = cellText(spec_, rec, spec_.columns.front());
    return name;
}

int RecordBrowse::childCount(const ChildSpec& c, const AnyRecord& parent, std::vector<AnyRecord>* rows) const {
    AnyTable table(store_, *c.file->type);
    AnyRecord at(*c.file->type);
    at.set(c.childField, parent.get(c.parentField));
    if (!rows) return static_cast<int>(table.count(c.childKey, at, 1));
    std::string error;
    table.read(c.childKey, &at, 1, [&](const AnyRecord& r) { rows->push_back(r); }, error);
    return static_cast<int>(rows->size());
}

std::optional<Problem> RecordBrowse::deleteBlocked(int row) const {
    const AnyRecord& rec = record(row);
    for (const auto& u : spec_.usedBy) {
        AnyRecord probe(*u.type);
        probe.set(u.field, rec.get(u.parentField));
        const auto n = AnyTable(store_, *u.type).count(u.key, probe, 1);
        if (n > 0)
            return Problem{"The " + spec_.recordName + " \"" + describe(rec) + "\" cannot be deleted: " +
                               u.what.count(n) + (n == 1 ? " refers" : " refer") + " to it.",
                           {}};
    }
    return std::nullopt;
}

std::string RecordBrowse::deleteQuestion(int row) const {
    const AnyRecord& rec = record(row);
    std::string q = "Delete the " + spec_.recordName + " \"" + describe(rec) + "\"";
    std::string with;
    for (const auto& c : spec_.children) {
        const int n = childCount(c, rec, nullptr);
        if (n == 0) continue;
        with += (with.empty() ? " and its " : " and ") + c.noun.count(n);
    }
    return q + with + "?";
}

store::Status RecordBrowse::remove(int row) {
    AnyRecord rec = record(row);
    store::Transaction tx(store_);
    if (!tx.status()) return tx.status();
    for (const auto& c : spec_.children) {
        std::vector<AnyRecord> kids;
        childCount(c, rec, &kids);
        AnyTable ct(store_, *c.file->type);
        for (auto& k : kids) {
            store::Status s = ct.remove(k);
            if (!s) return s;
        }
    }
    store::Status s = AnyTable(store_, *spec_.type).remove(rec);
    if (!s) return s;
    s = tx.commit();
    if (s) rows_.erase(rows_.begin() + row);
    return s;
}

RecordEditor editSingle(store::Store& store, const FileSpec& spec, Date today) {
    AnyTable table(store, *spec.type);
    auto all = table.all(0);
    if (!all.empty()) return RecordEditor(store, spec, all.front(), RecordEditor::Mode::Change, today);
    AnyRecord rec(*spec.type);
    for (const auto& [field, value] : spec.defaults) rec.set(field, value);
    return RecordEditor(store, spec, std::move(rec), RecordEditor::Mode::Insert, today);
}

}  // namespace vtl::setup
