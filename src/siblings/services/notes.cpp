#include "siblings/services/notes.h"

#include "platform/suite/error_object.h"

namespace vtl::services {

UpdateNotes::UpdateNotes(Session& session, std::string fileName, std::string entityId)
    : session_(session), fileName_(std::move(fileName)), entityId_(std::move(entityId)) {
    load();
    if (!notes_.empty()) highlight_ = 0;
}

std::string UpdateNotes::title() const { return "Notes - " + fileName_ + " " + entityId_; }

std::vector<ui::LookupColumn> UpdateNotes::columns() const {
    return {{"Date", 44, ui::Align::Right}, {"User", 22, ui::Align::Left}, {"Heading", 70, ui::Align::Left},
            {"Note", 200, ui::Align::Left}};
}

Rows UpdateNotes::rows() const {
    Rows out;
    out.reserve(notes_.size());
    for (const Notes& n : notes_)
        out.push_back({dateCell(n.NoteDate), n.UserID.clip(), n.Heading.clip(), oneLine(n.Note.clip())});
    return out;
}

void UpdateNotes::setHighlight(int row) {
    if (row >= 0 && row < rowCount()) highlight_ = row;
}

void UpdateNotes::load() {
    notes_.clear();
    Notes position;
    position.Filename = fileName_;
    position.EntityID = entityId_;
    store::Table<Notes> table(session_.store);
    auto cursor = table.scan(Notes::KeyFileEntity, position, store::ScanFrom{false, 2, false});
    Notes rec;
    while (cursor.next(rec)) notes_.push_back(rec);
    if (highlight_ >= rowCount()) highlight_ = rowCount() - 1;
}

NoteDraft UpdateNotes::newDraft() const { return NoteDraft{session_.clock.today(), {}, {}}; }

NoteDraft UpdateNotes::draftOf(int row) const {
    const Notes& n = note(row);
    return NoteDraft{n.NoteDate, n.Heading.clip(), n.Note.clip()};
}

bool UpdateNotes::validDraft(const NoteDraft& draft) {
    for (char c : draft.text)
        if (c != ' ' && c != '\n' && c != '\r' && c != '\t') return true;
    session_.ui.tell("Please type the text of the note.", "Notes", ui::Icon::Exclamation);
    return false;
}

void UpdateNotes::fill(Notes& rec, const NoteDraft& draft) const {
    rec.NoteDate = draft.date.isNull() ? session_.clock.today() : draft.date;
    rec.Heading = draft.heading;
    rec.Note = draft.text;
}

void UpdateNotes::highlightNote(ULong noteId) {
    for (int i = 0; i < rowCount(); ++i)
        if (notes_[static_cast<std::size_t>(i)].NoteID == noteId) highlight_ = i;
}

bool UpdateNotes::insert(const NoteDraft& draft) {
    if (!validDraft(draft)) return false;
    Notes rec;
    rec.Filename = fileName_;
    rec.EntityID = entityId_;
    rec.UserID = session_.globals.UserID;
    fill(rec, draft);
    if (!session_.errors.check(store::Table<Notes>(session_.store).insert(rec))) return false;
    changed_ = true;
    load();
    highlightNote(rec.NoteID);
    return true;
}

bool UpdateNotes::change(int row, const NoteDraft& draft) {
    if (row < 0 || row >= rowCount() || !validDraft(draft)) return false;
    // The note keeps its author; only what the form shows changes.
    Notes rec = note(row);
    fill(rec, draft);
    if (!session_.errors.check(store::Table<Notes>(session_.store).update(rec))) return false;
    changed_ = true;
    load();
    highlightNote(rec.NoteID);
    return true;
}

bool UpdateNotes::remove(int row) {
    if (row < 0 || row >= rowCount()) return false;
    if (!confirmDelete(session_.ui)) return false;
    Notes rec = note(row);
    if (!session_.errors.check(store::Table<Notes>(session_.store).remove(rec))) return false;
    changed_ = true;
    load();
    highlight_ = std::min(row, rowCount() - 1);
    return true;
}

void runUpdateNotes(Session& session, NotesArgs& args) {
    suite::ProcedureName name(session.errors, "UpdateNotes");
    UpdateNotes window(session, args.fileName, args.entityId);
    session.views.run(window);
    args.changed = args.changed || window.changed();
}

bool updateNotes(Session& session, const std::string& fileName, const std::string& entityId) {
    NotesArgs args{fileName, entityId};
    serve(session, "UpdateNotes", args, runUpdateNotes);
    return args.changed;
}

}  // namespace vtl::services
