// Signing on: who works is chosen from the users of the data folder, or
// named on the command line.
#include <QPushButton>
#include <QTableView>

#include "gui/host/sign_on.h"
#include "gui/host_fixture.h"
#include "records/users.h"

namespace vtl::test {
namespace {

class SignOnTest : public HostTest {
protected:
    void SetUp() override {
        for (auto [id, first, last] : {std::tuple{"LAO", "Luis", "Ortega"}, std::tuple{"BKH", "Ben", "Halvorsen"},
                                       std::tuple{"DMW", "Diane", "Whitcomb"}}) {
            UserFile u;
            u.UserID = id;
            u.FirstName = first;
            u.LastName = last;
            ASSERT_TRUE(store::Table<UserFile>(store()).insert(u));
        }
    }
    int dialogs_ = 0;
};

TEST_F(SignOnTest, TheChosenUserSignsOn) {
    auto chosen = host::signOn(store(), ui_, "", "", [&](host::SignOnDialog& d) {
        ++dialogs_;
        ASSERT_EQ(d.list()->model()->rowCount(), 3);
        EXPECT_EQ(d.list()->model()->index(0, 0).data().toString(), "BKH");  // in user-ID order
        EXPECT_EQ(d.list()->model()->index(2, 1).data().toString(), "Luis Ortega");
        d.list()->selectRow(1);
        d.okButton()->click();
    });
    EXPECT_EQ(dialogs_, 1);
    EXPECT_EQ(chosen, std::optional<std::string>("DMW"));
}

TEST_F(SignOnTest, TheDialogStartsOnTheLastUserAndCancelSignsOnNobody) {
    auto chosen = host::signOn(store(), ui_, "", "LAO", [&](host::SignOnDialog& d) {
        EXPECT_EQ(d.list()->currentIndex().row(), 2);
        d.reject();
    });
    EXPECT_FALSE(chosen);
}

TEST_F(SignOnTest, AUserNamedOnTheCommandLineSkipsTheDialog) {
    auto chosen = host::signOn(store(), ui_, "lao", "", [&](host::SignOnDialog&) { ++dialogs_; });
    EXPECT_EQ(dialogs_, 0);
    EXPECT_EQ(chosen, std::optional<std::string>("LAO"));
}

TEST_F(SignOnTest, AnUnknownUserIsToldAndTheListOffered) {
    ui_.expectTell("There is no user \"XYZ\" in this data folder.|Choose your user ID from the list.", "Sign On",
                   ui::Icon::Exclamation);
    auto chosen = host::signOn(store(), ui_, "XYZ", "", [&](host::SignOnDialog& d) {
        ++dialogs_;
        d.list()->selectRow(0);
        d.okButton()->click();
    });
    EXPECT_EQ(dialogs_, 1);
    EXPECT_EQ(chosen, std::optional<std::string>("BKH"));
}

TEST(SignOnEmpty, AFolderWithoutUsersSignsOnWithoutAnID) {
    TempDir dir;
    auto db = createDataFolder(dir.path());
    ASSERT_TRUE(db);
    qtApp();
    ui::ScriptedUi ui;
    ui.onFailure([](const std::string& m) { ADD_FAILURE() << m; });
    ui.expectTell("There are no users in this data folder yet.|Add them under Setup, Users.", "Sign On");
    auto chosen = host::signOn(*db.store, ui, "LAO", "", [](host::SignOnDialog&) { ADD_FAILURE() << "no dialog"; });
    EXPECT_EQ(chosen, std::optional<std::string>(""));
    ui.verifyDone();
}

}  // namespace
}  // namespace vtl::test
