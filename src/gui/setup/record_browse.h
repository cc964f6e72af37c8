#pragma once
// The list of a Setup window, apart from how it is drawn: the records of one
// file in key order, the locator, and deleting a record with its children.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gui/setup/record_editor.h"

namespace vtl::setup {

class RecordBrowse {
public:
    RecordBrowse(store::Store& store, const FileSpec& spec, Date today);

    const FileSpec& spec() const { return spec_; }
    // Reads the list again; false (with the store's message) when it could not.
    bool reload(std::string& error);
    int rows() const { return static_cast<int>(rows_.size()); }
    const AnyRecord& record(int row) const { return rows_.at(static_cast<std::size_t>(row)); }
    std::string cell(int row, int column) const;
    // The first row whose locator column starts with `prefix`, ignoring case
    // and leading spaces; -1 when none does.
    int locate(std::string_view prefix) const;
    // The row that holds the same stored record, -1 when it is not listed.
    int rowOf(const AnyRecord& rec) const;

    RecordEditor insert() const;
    RecordEditor change(int row) const;

    // Why the record may not be deleted (other records refer to it), if so.
    std::optional<Problem> deleteBlocked(int row) const;
    // "Delete the vendor "Cascade Lumber" and its 2 contacts?"
    std::string deleteQuestion(int row) const;
    // Deletes the record and its children in one transaction.
    store::Status remove(int row);

    // The name a message gives a record: its locator column, else its first column.
    std::string describe(const AnyRecord& rec) const;

private:
    int childCount(const ChildSpec& c, const AnyRecord& parent, std::vector<AnyRecord>* rows) const;

    store::Store& store_;
    const FileSpec& spec_;
    Date today_;
    std::vector<AnyRecord> rows_;
};

// The one record of a single-record file (the system settings), to change,
// or a new one when the file is empty.
RecordEditor editSingle(store::Store& store, const FileSpec& spec, Date today);

}  // namespace vtl::setup
