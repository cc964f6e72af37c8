#pragma once
// UpdateNotes: the notes of one entity (a purchase order: file name
// "POMaster" and its number as text). Each note carries its date, the user
// who wrote it, a short heading and the text.
#include <string>
#include <vector>

#include "platform/suite/session.h"
#include "records/shared_services.h"
#include "siblings/services/common.h"

namespace vtl::services {

struct NotesArgs {
    std::string fileName;  // "POMaster"
    std::string entityId;  // the entity's number as text
    bool changed = false;  // set when a note was added, changed or deleted
};

// What the note form edits.
struct NoteDraft {
    Date date;
    std::string heading;
    std::string text;
};

class UpdateNotes {
public:
    static constexpr int kHeadingLength = 20;
    static constexpr int kTextLength = 255;

    UpdateNotes(Session& session, std::string fileName, std::string entityId);

    Session& session() { return session_; }
    std::string title() const;
    std::vector<ui::LookupColumn> columns() const;
    Rows rows() const;
    int rowCount() const { return static_cast<int>(notes_.size()); }
    const Notes& note(int row) const { return notes_.at(static_cast<std::size_t>(row)); }
    int highlight() const { return highlight_; }
    void setHighlight(int row);

    // A new note: dated today, blank.
    NoteDraft newDraft() const;
    NoteDraft draftOf(int row) const;

    // Each write refuses a note without text, reports a failed write through
    // the error object, reloads the list and highlights the note concerned.
    bool insert(const NoteDraft& draft);
    bool change(int row, const NoteDraft& draft);
    // Asks the delete question first.
    bool remove(int row);

    bool changed() const { return changed_; }

private:
    void load();
    bool validDraft(const NoteDraft& draft);
    void fill(Notes& rec, const NoteDraft& draft) const;
    void highlightNote(ULong noteId);

    Session& session_;
    std::string fileName_, entityId_;
    std::vector<Notes> notes_;
    int highlight_ = -1;
    bool changed_ = false;
};

// Shows the notes window of an entity; true when a note was written.
bool updateNotes(Session& session, const std::string& fileName, const std::string& entityId);
void runUpdateNotes(Session& session, NotesArgs& args);

}  // namespace vtl::services
