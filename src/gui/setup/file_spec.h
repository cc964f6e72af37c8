#pragma once
// The caption map of one Setup window: which fields of a record file its form
// shows, with what captions and entries; the columns and order of its list;
// the child files listed on its form; the files whose records refer to it.
// One generic window serves every file from these tables.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "gui/setup/any_record.h"
#include "platform/ui/ui.h"

namespace vtl::setup {

enum FieldFlag : unsigned {
    Flag = 1,        // a BYTE shown as a check box (0 or 1)
    Required = 2,    // may not be left blank (or zero)
    ReadOnly = 4,    // shown, never edited
    Memo = 8,        // several lines of text
    Upper = 16,      // typed in capitals (state codes, IDs)
};

struct FieldSpec {
    FieldSpec(std::string f, std::string c, unsigned fl = 0, std::string p = {})
        : field(std::move(f)), caption(std::move(c)), flags(fl), picture(std::move(p)) {}
    std::string field;    // name in the field table: "VendorName"
    std::string caption;  // "&Name:"
    unsigned flags = 0;
    std::string picture;  // "" = the usual picture of the field's kind
};

struct ColumnSpec {
    std::string field;
    std::string header;
    int width = 10;       // characters
};

// A word for one record and for several, for messages.
struct Noun {
    std::string one;   // "contact"
    std::string many;  // "contacts"
    std::string count(long long n) const { return std::to_string(n) + " " + (n == 1 ? one : many); }
};

// A file whose records belong to the edited one: listed on its form and
// deleted with it.
struct ChildSpec;
// A file whose records name the edited one; while any does, the record can
// neither be deleted nor have that name changed.
struct UsedBy {
    const RecordType* type;
    int key;               // key whose first component is `field`
    std::string field;     // field of the user that holds the edited record's value
    std::string parentField;
    Noun what;             // purchase order(s)
};

struct FileSpec {
    const RecordType* type = nullptr;
    std::string title;       // window title: "Vendors"
    std::string recordName;  // one record, in a sentence: "vendor"
    std::string helpTopic;   // "html/Setup_Vendors.htm"
    std::vector<FieldSpec> fields;   // form order; fields not named are kept as they are
    std::vector<ColumnSpec> columns; // list columns
    int listKey = 0;                 // key that orders the list
    std::string locatorField;        // column searched by the locator
    std::vector<ChildSpec> children;
    std::vector<UsedBy> usedBy;
    bool single = false;             // one record only: a form, no list
    // Values a new record starts with (a new vendor is active).
    std::vector<std::pair<std::string, store::Value>> defaults;
    // Fills the fields that follow from others before a record is checked
    // and written (a cost record's key from its job and cost code). The
    // second argument is the parent record of a child, else null.
    std::function<void(AnyRecord&, const AnyRecord*)> complete;

    const FieldSpec* fieldSpec(const std::string& name) const;
    const store::FieldDef& def(const FieldSpec& f) const;
    std::string pictureOf(const FieldSpec& f) const;
};

struct ChildSpec {
    const FileSpec* file;
    std::string parentField;  // the parent's field that the children carry
    std::string childField;   // the child's field that holds it
    int childKey;             // a key of the child file that starts with childField
    std::string caption;      // "Contacts"
    Noun noun;                // contact(s)
};

// The columns of a file's list, numbers to the right, in dialog units.
std::vector<ui::LookupColumn> listColumns(const FileSpec& spec);

// A caption without its mnemonic and colon: "&Vendor Name:" -> "Vendor Name".
std::string plainCaption(const std::string& caption);

}  // namespace vtl::setup
