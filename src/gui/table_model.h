#pragma once
// A read-only list of text rows under column headers, for the look-up window
// and the lists of the service windows. Rows are converted once when they are
// set, so drawing and locating stay quick on long lists.
#include <QAbstractTableModel>
#include <QStringList>
#include <string>
#include <vector>

#include "platform/ui/ui.h"

class QTableView;

namespace vtl::gui {

class TableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void setColumns(const std::vector<ui::LookupColumn>& columns);
    void setRows(const std::vector<std::vector<std::string>>& rows);
    const std::vector<ui::LookupColumn>& columns() const { return columns_; }
    // The shown text of one cell ("" outside the list).
    QString cell(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<ui::LookupColumn> columns_;
    std::vector<QStringList> rows_;
};

// Lays a list out the suite's way: one highlighted row at a time, no row
// numbers, columns sized from their widths in dialog units (a quarter of the
// font's average character width each) and aligned as declared.
void setUpList(QTableView* view, TableModel* model);
// Widens the columns whose header or first rows do not fit their declared
// width, up to twice that width (the last one too: a window sized from its
// columns then shows a phone number whole).
void fitColumns(QTableView* view, const TableModel* model);
// Pixels of `dialogUnits` horizontal dialog units in the widget's font.
int dialogUnitsToPixels(const QWidget* widget, int dialogUnits);

}  // namespace vtl::gui
