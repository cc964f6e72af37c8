#include "siblings/services/drop_list.h"

#include "platform/suite/error_object.h"
#include "platform/suite/text_util.h"

namespace vtl::services {

UpdateDropList::UpdateDropList(Session& session, std::string fieldName, bool selecting)
    : session_(session), fieldName_(std::move(fieldName)), selecting_(selecting) {
    load();
    if (!values_.empty()) highlight_ = 0;
}

std::vector<ui::LookupColumn> UpdateDropList::columns() const {
    return {{"Value", 120, ui::Align::Left}, {"Added By", 36, ui::Align::Left}, {"Date Added", 44, ui::Align::Right}};
}

Rows UpdateDropList::rows() const {
    Rows out;
    out.reserve(values_.size());
    for (const DropList& d : values_) out.push_back({d.Value.clip(), d.UserID.clip(), dateCell(d.DateAdded)});
    return out;
}

void UpdateDropList::setHighlight(int row) {
    if (row >= 0 && row < rowCount()) highlight_ = row;
}

bool UpdateDropList::locate(const std::string& value) {
    const std::string wanted(suite::trimmed(value));
    for (int i = 0; i < rowCount(); ++i)
        if (suite::equalNoCase(this->value(i), wanted)) {
            highlight_ = i;
            return true;
        }
    return false;
}

void UpdateDropList::load() {
    values_.clear();
    DropList position;
    position.FieldName = fieldName_;
    auto cursor = store::Table<DropList>(session_.store).scan(DropList::KeyFieldValue, position, {false, 1, false});
    DropList rec;
    while (cursor.next(rec)) values_.push_back(rec);
    if (highlight_ >= rowCount()) highlight_ = rowCount() - 1;
}

bool UpdateDropList::add(const std::string& typed) {
    const std::string value(suite::trimmed(typed));
    if (value.empty()) {
        session_.ui.beep();
        return false;
    }
    if (locate(value)) return false;
    DropList rec;
    rec.FieldName = fieldName_;
    rec.Value = value;
    rec.UserID = session_.globals.UserID;
    rec.DateAdded = session_.clock.today();
    if (!session_.errors.check(store::Table<DropList>(session_.store).insert(rec))) return false;
    load();
    locate(rec.Value.clip());
    return true;
}

bool UpdateDropList::remove(int row) {
    if (row < 0 || row >= rowCount()) return false;
    if (!confirmDelete(session_.ui)) return false;
    DropList rec = values_[static_cast<std::size_t>(row)];
    if (!session_.errors.check(store::Table<DropList>(session_.store).remove(rec))) return false;
    load();
    highlight_ = std::min(row, rowCount() - 1);
    return true;
}

bool UpdateDropList::select(int row) {
    if (!selecting_ || row < 0 || row >= rowCount()) return false;
    chosen_ = value(row);
    return true;
}

void runUpdateDropList(Session& session, DropListArgs& args) {
    suite::ProcedureName name(session.errors, "UpdateDropList");
    UpdateDropList window(session, args.fieldName, args.select);
    if (args.chosen) window.locate(*args.chosen);
    session.views.run(window);
    if (args.select) args.chosen = window.chosen();
}

std::optional<std::string> updateDropList(Session& session, const std::string& fieldName, bool select) {
    DropListArgs args{fieldName, select, std::nullopt};
    serve(session, "UpdateDropList", args, runUpdateDropList);
    return args.chosen;
}

}  // namespace vtl::services
