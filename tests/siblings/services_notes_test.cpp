// The notes of an entity and the way a service is reached by name.
#include <gtest/gtest.h>

#include <sqlite3.h>

#include "platform/store/sqlite.h"

#include "siblings/services/services.h"
#include "support/test_session.h"

using namespace vtl;
using namespace vtl::services;

namespace {

std::vector<Notes> notesOf(store::Store& store, const std::string& file, const std::string& entity) {
    Notes position;
    position.Filename = file;
    position.EntityID = entity;
    std::vector<Notes> out;
    auto cursor = store::Table<Notes>(store).scan(Notes::KeyFileEntity, position, {false, 2, false});
    Notes n;
    while (cursor.next(n)) out.push_back(n);
    return out;
}

}  // namespace

TEST(UpdateNotes, InsertChangeDeleteKeepToTheirEntity) {
    test::TestSession t;
    t.globals.UserID = "JKS";
    UpdateNotes other(*t, "POMaster", "8");
    ASSERT_TRUE(other.insert({Date(), "", "a note of order 8"}));

    UpdateNotes notes(*t, "POMaster", "7");
    EXPECT_EQ(notes.rowCount(), 0);
    NoteDraft draft = notes.newDraft();
    EXPECT_EQ(draft.date, Date::fromYmd(2026, 7, 1)) << "a new note is dated today by the session's clock";
    draft.heading = "Delivery";
    draft.text = "Call the site\nbefore delivering.";
    ASSERT_TRUE(notes.insert(draft));
    ASSERT_TRUE(notes.insert({Date::fromYmd(2026, 6, 30), "Price", "Quoted by phone"}));
    ASSERT_EQ(notes.rowCount(), 2);
    EXPECT_EQ(notes.highlight(), 1) << "the note just added is highlighted";

    auto stored = notesOf(t.store(), "POMaster", "7");
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[0].UserID.clip(), "JKS");
    EXPECT_EQ(stored[0].Note.clip(), "Call the site\nbefore delivering.");
    EXPECT_EQ(notes.rows()[0],
              (std::vector<std::string>{"7/01/2026", "JKS", "Delivery", "Call the site before delivering."}));

    // Another user changes the note: the author stays.
    t.globals.UserID = "ABC";
    NoteDraft changed = notes.draftOf(0);
    changed.text = "Call Bob at the site.";
    ASSERT_TRUE(notes.change(0, changed));
    stored = notesOf(t.store(), "POMaster", "7");
    EXPECT_EQ(stored[0].Note.clip(), "Call Bob at the site.");
    EXPECT_EQ(stored[0].UserID.clip(), "JKS");

    t.ui.expectAsk(kConfirmDeleteText, kConfirmDeleteTitle, "&Yes|&No", ui::Icon::Question).answer(2);
    EXPECT_FALSE(notes.remove(0));
    EXPECT_EQ(notesOf(t.store(), "POMaster", "7").size(), 2u) << "No keeps the note";
    t.ui.expectAsk(kConfirmDeleteText, kConfirmDeleteTitle, "&Yes|&No", ui::Icon::Question).answer(1);
    EXPECT_TRUE(notes.remove(0));
    stored = notesOf(t.store(), "POMaster", "7");
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].Heading.clip(), "Price");
    EXPECT_TRUE(notes.changed());
    EXPECT_EQ(notesOf(t.store(), "POMaster", "8").size(), 1u) << "order 8 keeps its note";
}

TEST(UpdateNotes, ANoteWithoutTextIsRefused) {
    test::TestSession t;
    UpdateNotes notes(*t, "POMaster", "7");
    t.ui.expectTell("Please type the text of the note.", "Notes", ui::Icon::Exclamation);
    EXPECT_FALSE(notes.insert({Date(), "Heading only", " \n\t "}));
    EXPECT_EQ(notes.rowCount(), 0);
    EXPECT_FALSE(notes.changed());
}

TEST(UpdateNotes, AFailedWriteIsReportedAndTheListStays) {
    test::TestSession t;
    UpdateNotes notes(*t, "POMaster", "7");
    ASSERT_TRUE(notes.insert({Date(), "", "first"}));
    ASSERT_EQ(sqlite3_exec(store::sqliteHandle(t.store()),
                           "CREATE TRIGGER no_notes BEFORE UPDATE ON Notes BEGIN SELECT RAISE(ABORT, 'notes locked'); END",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    t.ui.expectTell("notes locked Saving Notes", "Error", ui::Icon::Error);
    EXPECT_FALSE(notes.change(0, {Date(), "", "second"}));
    EXPECT_EQ(notesOf(t.store(), "POMaster", "7")[0].Note.clip(), "first");
}

TEST(ServicesByName, TheWindowRunsThroughItsViewAndTheTable) {
    test::TestSession t;
    registerServices(t.procedures);
    // The view a person would see, played by a script.
    std::string title;
    t.views.set<UpdateNotes>([&](UpdateNotes& w) {
        title = w.title();
        w.insert({Date(), "", "typed in the window"});
    });
    EXPECT_TRUE(updateNotes(*t, "POMaster", "12"));
    EXPECT_EQ(title, "Notes - POMaster 12");
    ASSERT_EQ(notesOf(t.store(), "POMaster", "12").size(), 1u);

    // A test may put a stand-in in the table; it sees the caller's arguments.
    NotesArgs seen;
    t.procedures.set("UpdateNotes", [&](Session&) {
        if (auto* a = currentArgs<NotesArgs>()) {
            seen = *a;
            a->changed = true;
        }
    });
    EXPECT_TRUE(updateNotes(*t, "POMaster", "99"));
    EXPECT_EQ(seen.fileName, "POMaster");
    EXPECT_EQ(seen.entityId, "99");
    EXPECT_EQ(currentArgs<NotesArgs>(), nullptr) << "the arguments last only for the call";
    EXPECT_EQ(currentArgs<DropListArgs>(), nullptr);

    // Called by name without arguments, a service does nothing.
    t.procedures.set("UpdateNotes", servedBy<NotesArgs>(runUpdateNotes));
    EXPECT_TRUE(t->call("UpdateNotes"));
    EXPECT_EQ(notesOf(t.store(), "POMaster", "").size(), 0u);
}

TEST(ServicesByName, WithoutTheTableTheServiceStillRuns) {
    test::TestSession t;
    int shown = 0;
    t.views.set<UpdateNotes>([&](UpdateNotes&) { ++shown; });
    EXPECT_FALSE(updateNotes(*t, "POMaster", "1"));
    EXPECT_EQ(shown, 1);
}
