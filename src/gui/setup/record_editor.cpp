#include "gui/setup/record_editor.h"

#include <algorithm>
#include <cctype>

#include "gui/setup/field_entry.h"

namespace vtl::setup {
namespace {

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string upper(std::string_view s) {
    std::string u(s);
    for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return u;
}

bool isBlank(const store::Value& v) {
    using T = store::Value::Type;
    switch (v.type) {
        case T::Null: return true;
        case T::Int: return v.i == 0;
        case T::Real: return v.r == 0;
        default: return v.s.find_first_not_of(' ') == std::string::npos;
    }
}

// A key made only of the number the store assigns is never repeated.
bool checkedKey(const store::RecordInfo& info, const store::KeyDef& k) {
    return k.unique && !(k.fields.size() == 1 && k.fields[0] == info.autoNumber);
}

bool sameKey(const store::KeyDef& k, const AnyRecord& a, const AnyRecord& b) {
    for (const auto& f : k.fields) {
        store::Value va = a.get(f), vb = b.get(f);
        if (k.noCase && va.type == store::Value::Type::Text && vb.type == store::Value::Type::Text) {
            if (lower(va.s) != lower(vb.s)) return false;
        } else if (!sameValue(va, vb)) {
            return false;
        }
    }
    return true;
}

AnyRecord blankRecord(const FileSpec& spec) {
    AnyRecord rec(*spec.type);
    for (const auto& [field, value] : spec.defaults) rec.set(field, value);
    return rec;
}

std::string capitalised(std::string s) {
    if (!s.empty()) s[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(s[0])));
    return s;
}

}  // namespace

std::string cellText(const FileSpec& spec, const AnyRecord& rec, const ColumnSpec& column) {
    const int i = rec.index(column.field);
    const auto& def = rec.info().fields[static_cast<std::size_t>(i)];
    const store::Value v = rec.get(i);
    const FieldSpec* fs = spec.fieldSpec(column.field);
    if (fs && (fs->flags & Flag)) return v.i ? "Yes" : "";
    if (column.field == rec.info().autoNumber && v.i == 0) return {};
    return shownText(def, fs ? spec.pictureOf(*fs) : defaultPicture(def), v);
}

RecordEditor::RecordEditor(store::Store& store, const FileSpec& spec, AnyRecord rec, Mode mode, Date today)
    : store_(store), spec_(spec), rec_(std::move(rec)), mode_(mode), today_(today) {
    for (const auto& c : spec_.children) {
        ChildRows rows{&c, {}, {}};
        if (mode_ == Mode::Change) {
            AnyTable table(store_, *c.file->type);
            AnyRecord at(*c.file->type);
            at.set(c.childField, rec_.get(c.parentField));
            std::string error;
            table.read(c.childKey, &at, 1, [&](const AnyRecord& r) { rows.rows.push_back({r, false}); }, error);
        }
        children_.push_back(std::move(rows));
    }
    if (mode_ == Mode::Change) {
        for (const auto& u : spec_.usedBy) {
            const bool known = std::any_of(locked_.begin(), locked_.end(),
                                           [&](const auto& l) { return l.first == u.parentField; });
            const std::string users = known ? std::string() : usersOf(u.parentField);
            if (users.empty()) continue;
            locked_.emplace_back(u.parentField, "The " + captionOf(u.parentField) + " of this " + spec_.recordName +
                                                    " cannot be changed while other records refer to it (" + users +
                                                    ").");
        }
    }
}

RecordEditor::RecordEditor(RecordEditor& parent, int list, int row)
    : store_(parent.store_),
      spec_(*parent.children_.at(static_cast<std::size_t>(list)).spec->file),
      rec_(row >= 0 ? parent.children_[static_cast<std::size_t>(list)].rows.at(static_cast<std::size_t>(row)).rec
                    : blankRecord(*parent.children_[static_cast<std::size_t>(list)].spec->file)),
      mode_(row >= 0 ? Mode::Change : Mode::Insert),
      today_(parent.today_),
      parent_(&parent),
      list_(list),
      row_(row) {
    const ChildSpec& c = *parent.children_[static_cast<std::size_t>(list)].spec;
    rec_.set(c.childField, parent.rec_.get(c.parentField));
}

std::string RecordEditor::usersOf(const std::string& field) {
    std::string users;
    for (const auto& u : spec_.usedBy) {
        if (u.parentField != field) continue;
        AnyRecord probe(*u.type);
        probe.set(u.field, rec_.get(u.parentField));
        const auto n = AnyTable(store_, *u.type).count(u.key, probe, 1);
        if (n > 0) users += (users.empty() ? "" : " and ") + u.what.count(n);
    }
    return users;
}

std::string RecordEditor::title() const {
    if (spec_.single) return spec_.title;
    return capitalised(spec_.recordName) + (mode_ == Mode::Insert ? " - Insert" : " - Change");
}

std::vector<const FieldSpec*> RecordEditor::entries() const {
    std::vector<const FieldSpec*> v;
    const std::string link =
        parent_ ? parent_->children_[static_cast<std::size_t>(list_)].spec->childField : std::string();
    for (const auto& f : spec_.fields)
        if (f.field != link) v.push_back(&f);
    return v;
}

std::string RecordEditor::text(const FieldSpec& f) const {
    const int i = rec_.index(f.field);
    const store::Value v = rec_.get(i);
    if (f.field == rec_.info().autoNumber && v.i == 0) return {};
    return shownText(spec_.def(f), spec_.pictureOf(f), v);
}

bool RecordEditor::flag(const FieldSpec& f) const { return rec_.get(f.field).i != 0; }

bool RecordEditor::editable(const FieldSpec& f) const {
    if (f.flags & ReadOnly) return false;
    if (f.field == rec_.info().autoNumber) return false;
    return lockedBecause(f).empty();
}

std::string RecordEditor::lockedBecause(const FieldSpec& f) const {
    for (const auto& [field, why] : locked_)
        if (field == f.field) return why;
    return {};
}

int RecordEditor::width(const FieldSpec& f) const { return entryWidth(spec_.def(f), spec_.pictureOf(f)); }

std::optional<Problem> RecordEditor::setText(const FieldSpec& f, std::string_view typed) {
    if (!editable(f)) return std::nullopt;
    const auto& def = spec_.def(f);
    const std::string entered = (f.flags & Upper) ? upper(typed) : std::string(typed);
    auto v = parseEntry(def, spec_.pictureOf(f), entered, today_);
    if (!v) {
        const std::string caption = plainCaption(f.caption);
        if (def.kind == store::FieldKind::Date)
            return Problem{"\"" + entered + "\" is not a date. Type the " + caption +
                               " as month/day/year, for example 7/15/2026.",
                           f.field};
        return Problem{"\"" + entered + "\" is not a number that fits " + caption + ".", f.field};
    }
    rec_.set(rec_.index(f.field), *v);
    return std::nullopt;
}

void RecordEditor::setFlag(const FieldSpec& f, bool on) {
    if (!editable(f)) return;
    rec_.set(f.field, intValue(on ? 1 : 0));
}

std::vector<std::string> RecordEditor::childCells(int list, int row) const {
    const ChildRows& rows = children_.at(static_cast<std::size_t>(list));
    const AnyRecord& rec = rows.rows.at(static_cast<std::size_t>(row)).rec;
    std::vector<std::string> cells;
    for (const auto& c : rows.spec->file->columns) cells.push_back(cellText(*rows.spec->file, rec, c));
    return cells;
}

void RecordEditor::removeChild(int list, int row) {
    ChildRows& rows = children_.at(static_cast<std::size_t>(list));
    auto it = rows.rows.begin() + row;
    if (it->rec.stored()) rows.removed.push_back(it->rec);
    rows.rows.erase(it);
}

std::string RecordEditor::captionOf(const std::string& field) const {
    const FieldSpec* f = spec_.fieldSpec(field);
    return f ? plainCaption(f->caption) : std::string();
}

std::optional<Problem> RecordEditor::check() {
    if (spec_.complete) spec_.complete(rec_, parent_ ? &parent_->rec_ : nullptr);
    for (const FieldSpec* f : entries()) {
        if ((f->flags & Required) && isBlank(rec_.get(f->field)))
            return Problem{plainCaption(f->caption) + " may not be left blank.", f->field};
    }
    return parent_ ? checkSiblings(rec_) : checkStored();
}

std::string RecordEditor::keyWords(const store::KeyDef& key, const AnyRecord& rec, const std::string& skip) const {
    std::string words;
    for (const auto& f : key.fields) {
        if (f == skip || captionOf(f).empty()) continue;
        words += (words.empty() ? "" : ", ") + captionOf(f) + " " + valueText(rec.get(f));
    }
    return words;
}

std::optional<Problem> RecordEditor::checkSiblings(const AnyRecord& rec) const {
    const ChildRows& rows = parent_->children_[static_cast<std::size_t>(list_)];
    for (const auto& k : rec.info().keys) {
        if (!checkedKey(rec.info(), k)) continue;
        for (std::size_t i = 0; i < rows.rows.size(); ++i) {
            if (static_cast<int>(i) == row_) continue;
            if (!sameKey(k, rec, rows.rows[i].rec)) continue;
            const std::string words = keyWords(k, rec, rows.spec->childField);
            return Problem{(words.empty() ? "This " + spec_.recordName : words) + " is already on the list.",
                           k.fields.back()};
        }
    }
    return std::nullopt;
}

std::optional<Problem> RecordEditor::checkStored() {
    AnyTable table(store_, *spec_.type);
    for (std::size_t k = 0; k < rec_.info().keys.size(); ++k) {
        const auto& key = rec_.info().keys[k];
        if (!checkedKey(rec_.info(), key)) continue;
        AnyRecord probe = rec_;
        if (!table.fetch(static_cast<int>(k), probe) || probe.base().rowId_ == rec_.base().rowId_) continue;
        const std::string words = keyWords(key, rec_, {});
        return Problem{(words.empty() ? "This " + spec_.recordName : words) + " is already on file.",
                       key.fields.front()};
    }
    return std::nullopt;
}

std::optional<Problem> RecordEditor::save() {
    if (auto p = check()) return p;
    if (parent_) {
        auto& rows = parent_->children_[static_cast<std::size_t>(list_)].rows;
        if (row_ < 0) {
            rows.push_back({rec_, true});
            row_ = static_cast<int>(rows.size()) - 1;
        } else {
            rows[static_cast<std::size_t>(row_)] = {rec_, true};
        }
        mode_ = Mode::Change;
        saved_ = true;
        return std::nullopt;
    }
    return write();
}

std::optional<Problem> RecordEditor::write() {
    // Written on copies: a failure part way leaves the form as the user left it.
    AnyRecord rec = rec_;
    std::vector<ChildRows> kids = children_;
    store::Transaction tx(store_);
    if (!tx.status()) return Problem{tx.status().message, {}, true};
    AnyTable table(store_, *spec_.type);
    store::Status s = rec.stored() ? table.update(rec) : table.insert(rec);
    if (!s) return Problem{s.message, {}, true};
    for (auto& list : kids) {
        const ChildSpec& c = *list.spec;
        AnyTable ct(store_, *c.file->type);
        // Removals first, so a row taken off and entered again does not meet itself.
        for (auto& gone : list.removed) {
            s = ct.remove(gone);
            if (!s) return Problem{s.message, {}, true};
        }
        for (auto& row : list.rows) {
            const AnyRecord before = row.rec;
            row.rec.set(c.childField, rec.get(c.parentField));
            if (c.file->complete) c.file->complete(row.rec, &rec);
            if (!row.rec.stored()) s = ct.insert(row.rec);
            else if (row.dirty || !row.rec.sameValues(before)) s = ct.update(row.rec);
            if (!s) return Problem{s.message, {}, true};
            row.dirty = false;
        }
        list.removed.clear();
    }
    s = tx.commit();
    if (!s) return Problem{s.message, {}, true};
    rec_ = std::move(rec);
    children_ = std::move(kids);
    mode_ = Mode::Change;
    saved_ = true;
    return std::nullopt;
}

}  // namespace vtl::setup
