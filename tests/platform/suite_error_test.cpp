// The error object: reports name the procedure that met the error, and the
// two report messages have exactly the suite's texts, with the error
// description cut to 150 characters.
#include <gtest/gtest.h>

#include <thread>

#include "platform/suite/error_object.h"
#include "platform/ui/scripted_ui.h"
#include "support/scripted_ui_gtest.h"

using namespace vtl;
using namespace vtl::suite;

TEST(RecordAccessMessages, ExactTexts) {
    FileError e{"Record Not Found", 35, "", ""};
    EXPECT_EQ(describeFileError(e), "Record Not Found (35)");
    EXPECT_EQ(recordRetrievalText(e, "POMaster"),
              "Error: (Record Not Found (35)) attempting to access a record from the POMaster file.  "
              "Returning to previous window.");
    EXPECT_EQ(viewOpenText(e),
              "Error: (Record Not Found (35)) attempting to open the current VIEW. Filter and Range Limits ignored.");
}

TEST(RecordAccessMessages, DriverSpecificErrorsUseTheDriversOwnMessage) {
    FileError e{"File System Error", FileError::kDriverSpecific, "database is locked", "5"};
    EXPECT_EQ(describeFileError(e), "database is locked (5)");
    EXPECT_EQ(describeFileError(FileError::fromStore("disk I/O error", "10")), "disk I/O error (10)");
}

TEST(RecordAccessMessages, DescriptionIsCutTo150Characters) {
    FileError e{std::string(160, 'x'), 33, "", ""};
    const std::string d = describeFileError(e);
    EXPECT_EQ(d, std::string(150, 'x')) << "the code falls off a long text";
    EXPECT_EQ(recordRetrievalText(e, "PODetail"),
              "Error: (" + std::string(150, 'x') + ") attempting to access a record from the PODetail file.  "
              "Returning to previous window.");
    // 148 characters of text leave room for " (" only.
    EXPECT_EQ(describeFileError(FileError{std::string(148, 'y'), 7, "", ""}), std::string(148, 'y') + " (");
    // Characters, not bytes: a text of "é" is cut between characters.
    std::string accents;
    for (int i = 0; i < 149; ++i) accents += "\xC3\xA9";
    EXPECT_EQ(describeFileError(FileError{accents, 1, "", ""}), accents + " ");
}

TEST(ErrorObject, ReportsInABoxTitledWithTheProcedure) {
    test::TestUi ui;
    ErrorObject errors(&ui);
    ui.expectTell("UNIQUE constraint failed Saving POMaster", "BrowsePOMaster", ui::Icon::Error);
    ui.expectTell("disk full Inserting PODetail", "UpdatePOMaster", ui::Icon::Error);
    ui.expectTell("disk full Saving JCCost", "BrowsePOMaster", ui::Icon::Error);
    ui.expectTell(recordRetrievalText({"Record Not Found", 35, "", ""}, "POPrint"), kRecordRetrievalTitle,
                  ui::Icon::Exclamation);
    ui.expectTell(viewOpenText({"Bad filter", 800, "", ""}), kViewOpenTitle, ui::Icon::Exclamation);
    {
        ProcedureName browse(errors, "BrowsePOMaster");
        errors.report("UNIQUE constraint failed Saving POMaster");
        {
            ProcedureName form(errors, "UpdatePOMaster");  // a form opened from the browse
            EXPECT_FALSE(errors.check(store::Status::failure("disk full Inserting PODetail")));
            EXPECT_TRUE(errors.check(store::Status::success()));
        }
        errors.report("disk full Saving JCCost");
        errors.recordRetrievalError({"Record Not Found", 35, "", ""}, "POPrint");
        errors.viewOpenError({"Bad filter", 800, "", ""});
    }
    EXPECT_EQ(errors.procedure(), "");
    ASSERT_EQ(errors.count(), 5u);
    EXPECT_EQ(errors.log()[1].procedure, "UpdatePOMaster");
    EXPECT_EQ(errors.lastError(), viewOpenText({"Bad filter", 800, "", ""}));
}

TEST(ErrorObject, EachThreadNamesItsOwnProcedure) {
    ErrorObject errors;  // no Ui: reports are only logged
    ProcedureName browse(errors, "BrowsePOMaster");
    std::thread other([&] {
        EXPECT_EQ(errors.procedure(), "");
        ProcedureName rec(errors, "BrowsePOReconcile");
        errors.report("locked");
    });
    other.join();
    errors.setProcedure("BrowsePOMasterNew");
    errors.report("gone");
    auto log = errors.log();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].title, "BrowsePOReconcile");
    EXPECT_EQ(log[1].title, "BrowsePOMasterNew");
}
