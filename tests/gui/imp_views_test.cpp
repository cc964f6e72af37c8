// The windows of the import and export: what they show from their
// controllers, and pictures of them (VTL_GRAB_DIR keeps the PNG files).
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <cstdlib>

#include "gui/imp/export_po_view.h"
#include "gui/imp/import_po_master_view.h"
#include "gui/imp/update_po_master_import_view.h"
#include "gui/qt_driver.h"
#include "records/records.h"
#include "support/test_session.h"

using namespace vtl;
using namespace vtl::test;

namespace {

class ImportViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        offscreenApp();
        APVendor v;
        v.VendorID = 101;
        ASSERT_TRUE(store::Table<APVendor>(s.store()).insert(v));
    }
    // The window fits a 1366 x 768 screen; its picture is kept when asked.
    void grab(QWidget& w, const char* name) {
        w.show();
        const QPixmap p = w.grab();
        EXPECT_LE(p.width(), 1366);
        EXPECT_LE(p.height(), 768);
        EXPECT_FALSE(p.isNull());
        if (const char* dir = std::getenv("VTL_GRAB_DIR")) p.save(QString::fromUtf8(dir) + "/" + name + ".png");
    }
    TestSession s;
};

TEST_F(ImportViewTest, ImportWindowListsSourcesAndThePreviewByTheLayout) {
    s.dir.write("in.txt", "H,101,\"Pat\", 3/ 1/2026,\"A-1\",,,,,0,0,0,0\nH,101,\"Lee\",,\"A-2\",,,,,0,0,0,0\n");
    imp::ImportPOMaster w(*s);
    w.open();
    JCLimits src = w.sources()[0];
    src.NameFrom = s.dir.file("in.txt");
    ASSERT_TRUE(store::Table<JCLimits>(s.store()).update(src));
    w.open();
    gui::ImportPOMasterView view(w);
    EXPECT_EQ(view.windowTitle(), "Import Purchase Orders");
    ASSERT_EQ(view.sourceList()->count(), 1);
    EXPECT_EQ(view.sourceList()->item(0)->text(), "*Purchase Orders Exported from Vantrel");
    EXPECT_FALSE(view.importButton()->isEnabled());
    view.previewButton()->click();
    EXPECT_EQ(view.progressBar()->value(), 100);
    EXPECT_EQ(view.previewList()->model()->rowCount(), 2);
    EXPECT_EQ(view.previewList()->model()->headerData(5, Qt::Horizontal).toString(), "PO Number");
    EXPECT_TRUE(view.importButton()->isEnabled());
    EXPECT_FALSE(view.previewButton()->isEnabled());
    grab(view, "import_po_master");
}

TEST_F(ImportViewTest, SourceFormHidesTheDetailFileForOneFileAndShowsLengthsForFixedPosition) {
    ASSERT_TRUE(imp::ensureBuiltInSource(s.store(), false, "JDL", Date::fromYmd(2026, 7, 1)));
    s.globals.GlobalRequest = suite::Request::Change;
    s.globals.DecimalVariable = imp::findSource(s.store(), imp::kBuiltInTitle)->LimitID;
    imp::UpdatePOMasterImport form(*s);
    ASSERT_TRUE(form.open());
    gui::UpdatePOMasterImportView view(form);
    EXPECT_EQ(view.windowTitle(), "Changing a Purchase Order Import Source");
    view.show();
    auto* name = view.findChild<QLineEdit*>();
    ASSERT_TRUE(name);
    EXPECT_FALSE(name->isEnabled());  // built in
    view.tabs()->setCurrentIndex(1);
    auto lists = view.findChildren<QTableWidget*>();
    ASSERT_EQ(lists.size(), 2);
    EXPECT_EQ(lists[0]->rowCount(), 24);
    EXPECT_EQ(lists[0]->columnCount(), 2);
    grab(view, "update_po_master_import");

    s.globals.GlobalRequest = suite::Request::Insert;
    imp::UpdatePOMasterImport fresh(*s);
    ASSERT_TRUE(fresh.open());
    fresh.setFormat(imp::FileFormat::Fixed);
    gui::UpdatePOMasterImportView second(fresh);
    second.show();
    EXPECT_EQ(second.findChildren<QTableWidget*>()[0]->columnCount(), 4);
    second.tabs()->setCurrentIndex(1);
    auto checks = second.findChildren<QCheckBox*>();
    ASSERT_EQ(checks.size(), 2);
    EXPECT_TRUE(checks[1]->isVisible());
    fresh.setOneFile(true);
    second.refresh();
    EXPECT_FALSE(checks[1]->isVisible());
    grab(second, "update_po_master_import_fixed");
}

TEST_F(ImportViewTest, ExportWindowAndTheErrorList) {
    imp::ExportPO w(*s);
    gui::ExportPOView view(w);
    EXPECT_EQ(view.windowTitle(), "Purchase Order Export");
    grab(view, "export_po");

    std::vector<imp::ImportError> errors{{3, "Bad Account#: 9999-99"}, {0, "Totals don't match on POID: 2"}};
    imp::BrowseErrQue q(errors);
    gui::BrowseErrQueView list(q);
    EXPECT_EQ(list.windowTitle(), "Errors Were Encountered");
    auto* table = list.findChild<QTableView*>();
    ASSERT_TRUE(table);
    EXPECT_EQ(table->model()->rowCount(), 2);
    grab(list, "browse_err_que");
    list.reject();
    EXPECT_TRUE(q.done());
    EXPECT_FALSE(q.proceeding());
}

}  // namespace
