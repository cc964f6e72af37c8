// The main window: a menu item per procedure, enabled only when the
// procedure exists, running it through the procedure table; the title
// carries the company; window places survive a restart.
#include <QAction>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include "gui/host/host_menus.h"
#include "gui/host/main_window.h"
#include "gui/host/window_places.h"
#include "gui/host_fixture.h"
#include "gui/setup/setup_catalog.h"
#include "records/systems.h"

namespace vtl::test {
namespace {

class MainWindowTest : public HostTest {
protected:
    setup::SetupCatalog catalog_{6};
};

TEST_F(MainWindowTest, MenuItemsAreEnabledOnlyForProceduresThatExist) {
    for (const auto& item : host::purchaseOrderMenu()) procedures_.declare(item.procedure);
    std::vector<std::string> ran;
    procedures_.set("BrowsePOMaster", [&](Session& s) {
        EXPECT_EQ(&s.store, &store());
        ran.push_back("BrowsePOMaster");
    });
    procedures_.set("RecalcCommitted", [&](Session&) { ran.push_back("RecalcCommitted"); });

    host::MainWindow w(session_, catalog_);
    EXPECT_EQ(w.purchaseOrdersMenu()->actions().size(), static_cast<qsizetype>(host::purchaseOrderMenu().size()));
    for (const auto& item : host::purchaseOrderMenu()) {
        const bool there = item.procedure == "BrowsePOMaster" || item.procedure == "RecalcCommitted";
        ASSERT_NE(w.procedureAction(item.procedure), nullptr) << item.procedure;
        EXPECT_EQ(w.procedureAction(item.procedure)->isEnabled(), there) << item.procedure;
        if (QPushButton* b = w.procedureButton(item.procedure)) {
            EXPECT_EQ(b->isEnabled(), there) << item.procedure;
        }
    }
    w.procedureAction("RecalcCommitted")->trigger();
    w.procedureButton("BrowsePOMaster")->click();
    w.procedureAction("ImportPOMaster")->trigger();  // disabled: nothing runs
    EXPECT_EQ(ran, (std::vector<std::string>{"RecalcCommitted", "BrowsePOMaster"}));

    // A procedure that arrives later is offered the next time the menu is looked at.
    procedures_.set("ImportPOMaster", [&](Session&) { ran.push_back("ImportPOMaster"); });
    emit w.purchaseOrdersMenu()->aboutToShow();
    EXPECT_TRUE(w.procedureAction("ImportPOMaster")->isEnabled());
}

TEST_F(MainWindowTest, AProcedureThatFailsIsReportedAndTheHostCarriesOn) {
    procedures_.set("BrowsePOListLimits", [](Session&) { throw std::runtime_error("the listing could not start"); });
    host::MainWindow w(session_, catalog_);
    ui_.expectTell("the listing could not start", "BrowsePOListLimits", ui::Icon::Error);
    w.procedureAction("BrowsePOListLimits")->trigger();
}

TEST_F(MainWindowTest, TheTitleNamesTheCompanyAndFollowsItsSettings) {
    host::MainWindow w(session_, catalog_);
    EXPECT_EQ(w.windowTitle(), "Vantrel - Purchase Orders");
    Systems sys;
    sys.CompanyName = "Columbia Ridge Builders, Inc.";
    ASSERT_TRUE(store::Table<Systems>(store()).insert(sys));
    w.refresh();
    EXPECT_EQ(w.windowTitle(), "Vantrel - Purchase Orders - Columbia Ridge Builders, Inc.");
    ASSERT_NE(w.setupAction("Vendors"), nullptr);
    ASSERT_NE(w.setupAction("Company Settings"), nullptr);
    EXPECT_EQ(w.setupMenu()->actions().size(), static_cast<qsizetype>(catalog_.entries().size()) + 1)
        << "the e-mail settings besides the records";
}

TEST_F(MainWindowTest, CompanySettingsEditTheOneSystemsRecord) {
    int forms = 0;
    host::MainWindow w(session_, catalog_, [&](setup::RecordForm& f) {
        ++forms;
        EXPECT_EQ(f.windowTitle(), "Company Settings");
        auto* name = f.findChild<QLineEdit*>("CompanyName");
        ASSERT_NE(name, nullptr);
        name->setText("Harbor Point Builders");
        f.okButton()->click();
    });
    w.setupAction("Company Settings")->trigger();
    w.setupAction("Company Settings")->trigger();  // the second time changes the record the first made
    EXPECT_EQ(forms, 2);
    EXPECT_EQ(store::Table<Systems>(store()).count(), 1);
    EXPECT_EQ(host::companyName(store()), "Harbor Point Builders");
    EXPECT_EQ(w.windowTitle(), "Vantrel - Purchase Orders - Harbor Point Builders");
}

TEST_F(MainWindowTest, WindowPlacesAreKeptInTheSettingsFileBetweenRuns) {
    {
        QWidget w;
        host::keepPlace(&w, settings_, "Setup Vendors");
        w.resize(520, 340);
        w.move(30, 40);
        w.show();
        w.close();
    }
    suite::IniFile reread(dir_.file("vtlpo.INI"));
    EXPECT_EQ(reread.getInt("Setup Vendors", "Width", 0), 520);
    QWidget again;
    host::restorePlace(&again, reread, "Setup Vendors");
    EXPECT_EQ(again.size(), QSize(520, 340));
    EXPECT_EQ(again.pos(), QPoint(30, 40));

    // A place no screen shows any more keeps the size but not the place.
    reread.setInt("Setup Vendors", "XPos", 90000);
    QWidget lost;
    lost.move(5, 6);
    host::restorePlace(&lost, reread, "Setup Vendors");
    EXPECT_EQ(lost.size(), QSize(520, 340));
    EXPECT_EQ(lost.pos(), QPoint(5, 6));

    // A size and place remembered on a larger screen: cut to this screen and
    // moved so that the whole window shows.
    const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
    reread.setInt("Setup Vendors", "Width", avail.width() + 300);
    reread.setInt("Setup Vendors", "Height", avail.height() + 200);
    reread.setInt("Setup Vendors", "XPos", avail.left() + 40);
    reread.setInt("Setup Vendors", "YPos", avail.top() + 87);
    QWidget tall;
    host::restorePlace(&tall, reread, "Setup Vendors");
    EXPECT_EQ(tall.size(), avail.size());
    EXPECT_EQ(tall.pos(), avail.topLeft());
    reread.setInt("Setup Vendors", "Width", 400);
    reread.setInt("Setup Vendors", "Height", 300);
    reread.setInt("Setup Vendors", "XPos", avail.right() - 100);
    reread.setInt("Setup Vendors", "YPos", avail.bottom() - 50);
    QWidget corner;
    host::restorePlace(&corner, reread, "Setup Vendors");
    EXPECT_EQ(corner.pos(), QPoint(avail.right() + 1 - 400, avail.bottom() + 1 - 300));
}

class MainWindowAboutTest : public HostTest {
protected:
    setup::SetupCatalog catalog_{6};
};

TEST_F(MainWindowAboutTest, AboutNamesTheVersionAndTheDataFolderAndGreyedItemsSayWhy) {
    host::MainWindow w(session_, catalog_);
    QAction* about = nullptr;
    for (QAction* a : w.findChildren<QAction*>())
        if (a->text() == "&About Vantrel Purchase Orders") about = a;
    ASSERT_NE(about, nullptr);
    EXPECT_STRNE(host::programVersion(), "unknown");
    ui_.expectTell("Vantrel Purchase Orders|Version " + std::string(host::programVersion()) +
                       "|Purchase orders for construction contractors.|Data folder: " + session_.dataFolder,
                   "About Vantrel Purchase Orders", ui::Icon::Information);
    about->trigger();

    // Nothing is installed in this session: every item is greyed and says why.
    QAction* listing = w.procedureAction(host::purchaseOrderMenu().back().procedure);
    ASSERT_NE(listing, nullptr);
    EXPECT_FALSE(listing->isEnabled());
    EXPECT_EQ(listing->toolTip(), "Not available in this version of the program");
    EXPECT_TRUE(w.purchaseOrdersMenu()->toolTipsVisible());
}


}  // namespace
}  // namespace vtl::test
