#pragma once
// The rules of a Setup form, apart from how it is drawn: what each entry
// shows, what typing into it means, which fields may not be blank or
// repeated, and how the record and the children listed on its form are
// written. Children are changed in memory and written with the record, in
// one transaction, when the form is saved; Cancel leaves the store as it was.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "gui/setup/any_record.h"
#include "gui/setup/file_spec.h"
#include "platform/types/date.h"

namespace vtl::setup {

// Something the user has to put right; `field` names the entry to go to.
// A write the store refused is a problem too, with the store's message.
struct Problem {
    std::string text;
    std::string field;
    bool writeFailed = false;
};

struct ChildRow {
    AnyRecord rec;
    bool dirty = false;  // to be written when the parent is saved
};

struct ChildRows {
    const ChildSpec* spec;
    std::vector<ChildRow> rows;
    std::vector<AnyRecord> removed;  // stored rows taken off the list
};

class RecordEditor {
public:
    enum class Mode { Insert, Change };

    // A record of the store (Change) or a new one (Insert), written to the
    // store on save.
    RecordEditor(store::Store& store, const FileSpec& spec, AnyRecord rec, Mode mode, Date today);
    // A child row of `parent`'s list (row -1: a new one), put back into that
    // list on save.
    RecordEditor(RecordEditor& parent, int list, int row);

    const FileSpec& spec() const { return spec_; }
    Mode mode() const { return mode_; }
    const AnyRecord& record() const { return rec_; }
    bool isChild() const { return parent_ != nullptr; }
    // "Vendor - Insert", "Vendor - Change".
    std::string title() const;

    // The form's entries, in order: the caption map's fields without the
    // link field of a child.
    std::vector<const FieldSpec*> entries() const;
    std::string text(const FieldSpec& f) const;
    bool flag(const FieldSpec& f) const;
    bool editable(const FieldSpec& f) const;
    // Why a field that could be typed into is locked ("" when it is not):
    // other records hold its value.
    std::string lockedBecause(const FieldSpec& f) const;
    int width(const FieldSpec& f) const;  // characters the entry may hold
    // Takes a typed value; a Problem (and the old value kept) when it is not
    // a value of the field. Text is cut to the field's width.
    std::optional<Problem> setText(const FieldSpec& f, std::string_view typed);
    void setFlag(const FieldSpec& f, bool on);

    std::vector<ChildRows>& children() { return children_; }
    const std::vector<ChildRows>& children() const { return children_; }
    std::vector<std::string> childCells(int list, int row) const;
    void removeChild(int list, int row);

    // Required entries and repeated keys; the first problem found.
    std::optional<Problem> check();
    // Checks, then writes. A failed write comes back as a Problem carrying
    // the store's message, and nothing is written.
    std::optional<Problem> save();
    bool saved() const { return saved_; }

private:
    std::optional<Problem> checkSiblings(const AnyRecord& rec) const;
    std::optional<Problem> checkStored();
    std::optional<Problem> write();
    // The records that refer to this one through `field`, counted ("3 purchase orders"); "" for none.
    std::string usersOf(const std::string& field);
    std::string captionOf(const std::string& field) const;
    // "Account 5000-00", "Unit BOX": the captioned fields of a key with their values.
    std::string keyWords(const store::KeyDef& key, const AnyRecord& rec, const std::string& skip) const;

    store::Store& store_;
    const FileSpec& spec_;
    AnyRecord rec_;
    Mode mode_;
    Date today_;
    RecordEditor* parent_ = nullptr;
    int list_ = -1;
    int row_ = -1;
    std::vector<ChildRows> children_;
    std::vector<std::pair<std::string, std::string>> locked_;  // key fields that other records refer to, and why
    bool saved_ = false;
};

// The text a row of a list shows in one column.
std::string cellText(const FileSpec& spec, const AnyRecord& rec, const ColumnSpec& column);

}  // namespace vtl::setup
