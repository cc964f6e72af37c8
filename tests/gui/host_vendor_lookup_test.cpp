// From sign-on to a look-up, as a clerk does it: sign on, open the vendor
// look-up through the module's procedure table, type the start of a name in
// the locator, select, and get that vendor's number back.
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "gui/host/sign_on.h"
#include "gui/lookup_window.h"
#include "gui/qt_driver.h"
#include "gui/qt_ui.h"
#include "records/database.h"
#include "records/records.h"
#include "support/temp_dir.h"
#include "vtlpo/module.h"

namespace vtl::test {

TEST(HostVendorLookup, SignOnThenFindAVendorByTheStartOfItsName) {
    offscreenApp();
    TempDir dir;
    auto db = createDataFolder(dir.file("data"));
    ASSERT_TRUE(db) << db.error;
    UserFile clerk;
    clerk.UserID = "LAO";
    clerk.FirstName = "Luis";
    clerk.LastName = "Ortega";
    ASSERT_TRUE(store::Table<UserFile>(*db.store).insert(clerk));
    for (auto [id, name] : {std::pair{101u, "Cascade Lumber & Millwork"}, {118u, "Brightline Electric LLC"},
                            {126u, "Smith; John"}, {104u, "Pacific Electric Supply"}}) {
        APVendor v;
        v.VendorID = id;
        v.VendorName = name;
        v.Active = 1;
        ASSERT_TRUE(store::Table<APVendor>(*db.store).insert(v));
    }

    gui::QtUi ui;
    auto user = host::signOn(*db.store, ui, "", "", [](host::SignOnDialog& d) {
        d.list()->selectRow(0);
        d.okButton()->click();
    });
    ASSERT_EQ(user, std::optional<std::string>("LAO"));

    vtlpo::LoadOptions options;
    options.currentFolder = options.settingsFolder = options.programFolder = dir.file("data");
    vtlpo::Module module(options);
    module.init(nullptr, nullptr);
    FixedClock clock(Date::fromYmd(2026, 12, 8));
    Session session = module.session(*db.store, ui, clock, dir.file("data"), dir.path());
    session.globals.UserID = *user;

    std::string title;
    whenModal<gui::LookupWindow>([&](gui::LookupWindow* w) {
        title = w->windowTitle().toStdString();
        typeText(w->locator(), "smi");
        pressKey(w->locator(), Qt::Key_Return);
    });
    session.globals.LookupKey.clear();
    ASSERT_TRUE(session.call("BrowseAPVendor"));
    EXPECT_FALSE(title.empty());
    EXPECT_EQ(session.globals.GlobalResponse, suite::Response::Completed);
    EXPECT_EQ(session.globals.LookupKey, "126");
    EXPECT_EQ(static_cast<ULong>(session.globals.DecimalVariable), 126u);
    module.kill();
}

}  // namespace vtl::test
