#include "siblings/services/text_library.h"

#include <algorithm>

#include "platform/suite/error_object.h"
#include "platform/suite/text_util.h"

namespace vtl::services {

BrowseText::BrowseText(Session& session) : session_(session) {
    load();
    if (!texts_.empty()) highlight_ = 0;
}

std::vector<ui::LookupColumn> BrowseText::columns() const {
    return {{"Name", 80, ui::Align::Left}, {"Text", 240, ui::Align::Left}};
}

Rows BrowseText::rows() const {
    Rows out;
    out.reserve(texts_.size());
    for (const Notes& n : texts_) out.push_back({n.Heading.clip(), oneLine(n.Note.clip())});
    return out;
}

LibraryText BrowseText::text(int row) const {
    const Notes& n = texts_.at(static_cast<std::size_t>(row));
    return {n.Heading.clip(), n.Note.clip()};
}

void BrowseText::setHighlight(int row) {
    if (row >= 0 && row < rowCount()) highlight_ = row;
}

void BrowseText::load() {
    texts_.clear();
    Notes position;
    position.Filename = kTextLibraryFile;
    auto cursor = store::Table<Notes>(session_.store).scan(Notes::KeyFileEntity, position, {false, 1, false});
    Notes rec;
    while (cursor.next(rec)) texts_.push_back(rec);
    // Listed by name, whatever order they were written in.
    std::stable_sort(texts_.begin(), texts_.end(), [](const Notes& a, const Notes& b) {
        return suite::lowered(a.Heading.clipView()) < suite::lowered(b.Heading.clipView());
    });
    if (highlight_ >= rowCount()) highlight_ = rowCount() - 1;
}

bool BrowseText::valid(const LibraryText& t) {
    if (!suite::trimmed(t.name).empty() && !suite::trimmed(t.text).empty()) return true;
    session_.ui.tell("A standard text needs a name and some text.", title(), ui::Icon::Exclamation);
    return false;
}

void BrowseText::highlightNote(ULong id) {
    for (int i = 0; i < rowCount(); ++i)
        if (texts_[static_cast<std::size_t>(i)].NoteID == id) highlight_ = i;
}

bool BrowseText::insert(const LibraryText& t) {
    if (!valid(t)) return false;
    Notes rec;
    rec.Filename = kTextLibraryFile;
    rec.NoteDate = session_.clock.today();
    rec.UserID = session_.globals.UserID;
    rec.Heading = std::string(suite::trimmed(t.name));
    rec.Note = t.text;
    if (!session_.errors.check(store::Table<Notes>(session_.store).insert(rec))) return false;
    load();
    highlightNote(rec.NoteID);
    return true;
}

bool BrowseText::change(int row, const LibraryText& t) {
    if (row < 0 || row >= rowCount() || !valid(t)) return false;
    Notes rec = texts_[static_cast<std::size_t>(row)];
    rec.Heading = std::string(suite::trimmed(t.name));
    rec.Note = t.text;
    if (!session_.errors.check(store::Table<Notes>(session_.store).update(rec))) return false;
    load();
    highlightNote(rec.NoteID);
    return true;
}

bool BrowseText::remove(int row) {
    if (row < 0 || row >= rowCount()) return false;
    if (!confirmDelete(session_.ui)) return false;
    Notes rec = texts_[static_cast<std::size_t>(row)];
    if (!session_.errors.check(store::Table<Notes>(session_.store).remove(rec))) return false;
    load();
    highlight_ = std::min(row, rowCount() - 1);
    return true;
}

bool BrowseText::select(int row) {
    if (row < 0 || row >= rowCount()) return false;
    chosen_ = text(row).text;
    return true;
}

void runBrowseText(Session& session, TextArgs& args) {
    suite::ProcedureName name(session.errors, "BrowseText");
    BrowseText window(session);
    session.views.run(window);
    args.chosen = window.chosen();
}

std::optional<std::string> browseText(Session& session) {
    TextArgs args;
    serve(session, "BrowseText", args, runBrowseText);
    return args.chosen;
}

}  // namespace vtl::services
