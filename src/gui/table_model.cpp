#include "gui/table_model.h"

#include <QHeaderView>
#include <QTableView>

#include "gui/qt_text.h"

namespace vtl::gui {

namespace {
Qt::Alignment alignmentOf(ui::Align a) {
    switch (a) {
        case ui::Align::Right: return Qt::AlignRight | Qt::AlignVCenter;
        case ui::Align::Center: return Qt::AlignHCenter | Qt::AlignVCenter;
        case ui::Align::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}
}  // namespace

void TableModel::setColumns(const std::vector<ui::LookupColumn>& columns) {
    beginResetModel();
    columns_ = columns;
    endResetModel();
}

void TableModel::setRows(const std::vector<std::vector<std::string>>& rows) {
    beginResetModel();
    rows_.clear();
    rows_.reserve(rows.size());
    for (const auto& r : rows) {
        QStringList cells;
        cells.reserve(static_cast<qsizetype>(r.size()));
        for (const auto& c : r) cells << qs(c);
        rows_.push_back(std::move(cells));
    }
    endResetModel();
}

QString TableModel::cell(int row, int column) const {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return {};
    const QStringList& r = rows_[static_cast<std::size_t>(row)];
    return column >= 0 && column < r.size() ? r[column] : QString();
}

int TableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant TableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return cell(index.row(), index.column());
    if (role == Qt::TextAlignmentRole && index.column() < static_cast<int>(columns_.size()))
        return QVariant::fromValue(alignmentOf(columns_[static_cast<std::size_t>(index.column())].align));
    return {};
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= static_cast<int>(columns_.size())) return {};
    const auto& c = columns_[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole) return qs(c.header);
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(alignmentOf(c.align));
    return {};
}

int dialogUnitsToPixels(const QWidget* widget, int dialogUnits) {
    return dialogUnits * widget->fontMetrics().averageCharWidth() / 4;
}

void setUpList(QTableView* view, TableModel* model) {
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setAlternatingRowColors(true);
    view->setWordWrap(false);
    view->setShowGrid(false);
    view->setTabKeyNavigation(false);
    view->verticalHeader()->hide();
    // Fixed row heights let a long list scroll without measuring every row.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setStretchLastSection(true);
    view->horizontalHeader()->setHighlightSections(false);
    fitColumns(view, model);
}

void fitColumns(QTableView* view, const TableModel* model) {
    // Only the first rows are measured: a look-up of ten thousand rows opens
    // at once, and its columns were laid out for their contents anyway.
    constexpr int kMeasuredRows = 200;
    constexpr int kPadding = 14;
    const QFontMetrics cells = view->fontMetrics();
    const QFontMetrics headers = view->horizontalHeader()->fontMetrics();
    const auto& columns = model->columns();
    const int rows = std::min(model->rowCount(), kMeasuredRows);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int c = static_cast<int>(i);
        const int declared = dialogUnitsToPixels(view, columns[i].width);
        int wanted = headers.horizontalAdvance(qs(columns[i].header)) + kPadding;
        for (int r = 0; r < rows; ++r) wanted = std::max(wanted, cells.horizontalAdvance(model->cell(r, c)) + kPadding);
        view->setColumnWidth(c, std::max(declared, std::min(wanted, 2 * declared)));
    }
}

}  // namespace vtl::gui
