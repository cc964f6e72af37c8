// The scripted Ui itself: it must catch every way a procedure can stray
// from the script, since every window's tests lean on it.
#include <gtest/gtest.h>

#include "platform/ui/scripted_ui.h"

using namespace vtl;
using namespace vtl::ui;

namespace {

// A ScriptedUi that writes its failures down instead of throwing.
struct RecordingUi : ScriptedUi {
    RecordingUi() {
        onFailure([this](const std::string& m) { failures.push_back(m); });
    }
    std::vector<std::string> failures;
};

LookupSpec vendors() {
    LookupSpec spec;
    spec.title = "Select a Vendor";
    spec.rows = [] {
        return std::vector<LookupRow>{{"7", {"Acme Lumber", "7"}}, {"12", {"Baker Supply", "12"}}};
    };
    return spec;
}

}  // namespace

TEST(UiText, ButtonListsAndMessageLines) {
    EXPECT_EQ(splitButtons("&Yes|&No"), (std::vector<std::string>{"&Yes", "&No"}));
    EXPECT_EQ(splitButtons("&Highlighted|&Tagged|&Cancel").size(), 3u);
    EXPECT_EQ(splitButtons("&OK"), (std::vector<std::string>{"&OK"}));
    EXPECT_TRUE(splitButtons("").empty());
    EXPECT_EQ(messageLines("All the line item quantities|have already been invoiced."),
              "All the line item quantities\nhave already been invoiced.");
    // "||" leaves an empty line between paragraphs.
    EXPECT_EQ(messageLines("a||b"), "a\n\nb");
}

TEST(ScriptedUi, AnswersMatchingCallsInOrder) {
    RecordingUi ui;
    ui.expectAsk("Delete it?", "Confirm Delete", "&Yes|&No", Icon::Warning).answer(2);
    ui.expectTell("Done.", "Delete");
    ui.expectOpenFile("Import File", "Text Files|*.txt|All Files|*.*").answer("/data/Import.txt");
    ui.expectSaveFile("Export File", "Text Files|*.txt").cancel();
    ui.expectLookup("Select a Vendor").choose("12");

    EXPECT_EQ(ui.ask("Delete it?", "Confirm Delete", "&Yes|&No", Icon::Warning), 2);
    ui.tell("Done.", "Delete");
    EXPECT_EQ(ui.openFile("Import File", {"Text Files|*.txt|All Files|*.*"}, "/data"), "/data/Import.txt");
    EXPECT_EQ(ui.saveFile("Export File", {"Text Files|*.txt"}, "Export.txt"), std::nullopt);
    EXPECT_EQ(ui.lookup(vendors()), "12");
    ui.verifyDone();
    EXPECT_TRUE(ui.failures.empty()) << ui.failures.front();
    ASSERT_EQ(ui.lookups().size(), 1u);
    EXPECT_EQ(ui.lookups()[0].rows.size(), 2u);
}

TEST(ScriptedUi, FailsOnAWrongTitleButtonsTextOrIcon) {
    RecordingUi ui;
    ui.expectAsk("Delete it?", "Confirm Delete", "&Yes|&No", Icon::Warning);
    ui.ask("Delete it?", "Confirm Deletion", "&Yes|&No", Icon::Warning);
    ASSERT_EQ(ui.failures.size(), 1u);
    EXPECT_NE(ui.failures[0].find("title: expected \"Confirm Delete\""), std::string::npos) << ui.failures[0];
    EXPECT_NE(ui.failures[0].find("got      \"Confirm Deletion\""), std::string::npos) << ui.failures[0];
    EXPECT_EQ(ui.failures[0].find("buttons:"), std::string::npos) << "only what differs is named";

    ui.expectAsk("Delete it?", "Confirm Delete", "&Yes|&No", Icon::Warning);
    ui.ask("Delete it?", "Confirm Delete", "&No|&Yes", Icon::Warning);
    ASSERT_EQ(ui.failures.size(), 2u);
    EXPECT_NE(ui.failures[1].find("buttons: expected \"&Yes|&No\""), std::string::npos) << ui.failures[1];

    ui.expectAsk("Delete it?", "Confirm Delete", "&Yes|&No", Icon::Warning);
    ui.ask("Delete it?", "Confirm Delete", "Yes|No", Icon::Warning);  // mnemonics are part of the list
    ui.expectAsk("Delete it?", "Confirm Delete", "&Yes|&No", Icon::Warning);
    ui.ask("Delete it ?", "Confirm Delete", "&Yes|&No", Icon::Warning);
    ui.expectAsk("Delete it?", "Confirm Delete", "&Yes|&No", Icon::Warning);
    ui.ask("Delete it?", "Confirm Delete", "&Yes|&No", Icon::Question);
    ASSERT_EQ(ui.failures.size(), 5u);
    EXPECT_NE(ui.failures[4].find("icon: expected \"Warning\""), std::string::npos) << ui.failures[4];
}

TEST(ScriptedUi, FailsOnAnUnexpectedOrOutOfOrderCall) {
    RecordingUi ui;
    ui.tell("Surprise", "Nobody asked");
    ASSERT_EQ(ui.failures.size(), 1u);
    EXPECT_NE(ui.failures[0].find("unexpected call ask(\"Surprise\""), std::string::npos) << ui.failures[0];

    ui.expectLookup("Select a Vendor").choose("7");
    ui.tell("Too early", "Order");
    ASSERT_EQ(ui.failures.size(), 2u);
    EXPECT_NE(ui.failures[1].find("expected lookup(\"Select a Vendor\")"), std::string::npos) << ui.failures[1];
}

TEST(ScriptedUi, FailsWhenExpectationsAreLeftOrTheWaitCursorStaysUp) {
    RecordingUi ui;
    ui.expectTell("Never shown", "Export");
    ui.expectLookup("Select a Job");
    ui.verifyDone();
    ASSERT_EQ(ui.failures.size(), 1u);
    EXPECT_NE(ui.failures[0].find("2 expected interaction(s) never happened"), std::string::npos);
    EXPECT_NE(ui.failures[0].find("lookup(\"Select a Job\")"), std::string::npos);

    ui.setBusy(true);
    ui.verifyDone();
    EXPECT_EQ(ui.failures.size(), 2u);
    {
        BusyCursor busy(ui);
        EXPECT_EQ(ui.busyDepth(), 1);
    }
    ui.verifyDone();
    EXPECT_EQ(ui.failures.size(), 2u);
}

TEST(ScriptedUi, LookupMustOfferTheChosenKeyAndTitle) {
    RecordingUi ui;
    ui.expectLookup("Select a Vendor").choose("99");
    EXPECT_EQ(ui.lookup(vendors()), std::nullopt);
    ASSERT_EQ(ui.failures.size(), 1u);
    EXPECT_NE(ui.failures[0].find("keys offered: \"7\", \"12\""), std::string::npos) << ui.failures[0];

    ui.expectLookup("Select a Customer").cancel();
    ui.lookup(vendors());
    EXPECT_EQ(ui.failures.size(), 2u);
}

TEST(ScriptedUi, FileDialogsCheckTitleFilterAndPlace) {
    RecordingUi ui;
    ui.expectSaveFile("Export File", "Text Files|*.txt|All Files|*.*").in("Export.txt").answer("/tmp/e.txt");
    ui.saveFile("Export File", {"Text Files|*.txt"}, "Other.txt");
    ASSERT_EQ(ui.failures.size(), 1u);
    EXPECT_NE(ui.failures[0].find("filter:"), std::string::npos);
    EXPECT_NE(ui.failures[0].find("suggested:"), std::string::npos);
}

TEST(ScriptedUi, ThrowsByDefault) {
    ScriptedUi ui;
    EXPECT_NO_THROW(ui.beep()) << "beeps need no script";
    EXPECT_THROW(ui.tell("Not scripted", "Oops"), std::logic_error);
    ui.expectTell("Left over", "Oops");
    EXPECT_THROW(ui.verifyDone(), std::logic_error);
}

TEST(ScriptedUi, RecordsWhatNeedsNoScript) {
    ScriptedUi ui;
    ui.beep();
    ui.beep();
    ui.copyToClipboard("a\tb");
    ui.openExternallySucceeds(false);
    EXPECT_FALSE(ui.openExternally("html/PO_Enter_Purchase_Orders.htm"));
    ui.cancelProgressAt(3);
    auto p = ui.progress("Importing", "Reading ...");
    p->setRange(10);
    p->setValue(2);
    EXPECT_FALSE(p->cancelled());
    p->setText("Writing ...");
    p->setValue(3);
    EXPECT_TRUE(p->cancelled());
    EXPECT_EQ(ui.beeps(), 2);
    EXPECT_EQ(ui.clipboard(), std::vector<std::string>{"a\tb"});
    EXPECT_EQ(ui.openedExternally().size(), 1u);
    ASSERT_EQ(ui.progressWindows().size(), 1u);
    EXPECT_EQ(ui.progressWindows()[0].texts, (std::vector<std::string>{"Reading ...", "Writing ..."}));
    EXPECT_EQ(ui.progressWindows()[0].range, 10);
    ui.verifyDone();
}
