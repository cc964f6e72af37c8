#pragma once
// The purchase-order windows' tests: the small company of the browse tests
// (vendors, a job, an item, automatic numbering), and helpers that look at
// a window the way a person would.
#include <QApplication>
#include <QHeaderView>
#include <QIcon>
#include <QImage>
#include <QMouseEvent>
#include <QTableView>

#include "gui/ent/browse_icons.h"
#include "gui/qt_driver.h"
#include "vtlpoent/browse_fixture.h"

namespace vtl::test {

class EntViewTest : public BrowseTest {
protected:
    void SetUp() override {
        offscreenApp();
        BrowseTest::SetUp();
    }

    static QString cell(const QTableView* list, int row, int column, int role = Qt::DisplayRole) {
        return list->model()->index(row, column).data(role).toString();
    }
    static std::vector<QString> column(const QTableView* list, int column) {
        std::vector<QString> v;
        for (int r = 0; r < list->model()->rowCount(); ++r) v.push_back(cell(list, r, column));
        return v;
    }
    // The picture a cell shows, at the size the icons are compared at.
    static QImage shownIcon(const QTableView* list, int row, int column) {
        const QVariant v = list->model()->index(row, column).data(Qt::DecorationRole);
        return v.isNull() ? QImage() : v.value<QIcon>().pixmap(16).toImage();
    }
    static QImage icon(ent::BrowseIcon which) { return gui::browseIconPixmap(which, 16).toImage(); }

    // A left click as the mouse sends it: press and release.
    static void click(QWidget* target, QPoint at) {
        const QPoint global = target->mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &release);
    }
    static void clickCell(QTableView* list, int row, int column) {
        click(list->viewport(), list->visualRect(list->model()->index(row, column)).center());
    }
    static void clickHeader(QTableView* list, int section) {
        QHeaderView* h = list->horizontalHeader();
        click(h->viewport(), QPoint(h->sectionViewportPosition(section) + h->sectionSize(section) / 2, h->height() / 2));
    }
};

}  // namespace vtl::test
