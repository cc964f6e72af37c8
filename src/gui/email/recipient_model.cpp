#include "gui/email/recipient_model.h"

#include "gui/qt_text.h"

namespace vtl::gui {

RecipientModel::RecipientModel(Rows rows, bool checkColumn, Edit edit, QObject* parent)
    : QAbstractTableModel(parent), rows_(std::move(rows)), check_(checkColumn), edit_(std::move(edit)) {}

void RecipientModel::reload() {
    beginResetModel();
    endResetModel();
}

int RecipientModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_().size());
}

int RecipientModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : nameColumn() + 2; }

QVariant RecipientModel::data(const QModelIndex& index, int role) const {
    const auto& rows = rows_();
    if (!index.isValid() || index.row() >= static_cast<int>(rows.size())) return {};
    const rpt::Recipient& r = rows[static_cast<std::size_t>(index.row())];
    if (check_ && index.column() == 0)
        return role == Qt::CheckStateRole ? QVariant(r.tagged ? Qt::Checked : Qt::Unchecked) : QVariant();
    if (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::ToolTipRole) return {};
    return qs(index.column() == nameColumn() ? r.name : r.address);
}

QVariant RecipientModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    if (section == nameColumn()) return QStringLiteral("Name");
    if (section == nameColumn() + 1) return QStringLiteral("Email");
    return {};
}

Qt::ItemFlags RecipientModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (edit_ && index.column() >= nameColumn()) f |= Qt::ItemIsEditable;
    return f;
}

bool RecipientModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!edit_ || role != Qt::EditRole || !index.isValid() || index.column() < nameColumn()) return false;
    edit_(index.row(), index.column() - nameColumn(), ss(value.toString()));
    emit dataChanged(index, index);  // the controller may have cut what was typed
    return true;
}

}  // namespace vtl::gui
