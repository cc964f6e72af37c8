#pragma once
// The purchase-order list as a Qt model over the browse controller. Rows are
// asked of the controller only when the list draws them, so the window opens
// at once however many orders there are; the controller pages them in from
// the store.
#include <QAbstractTableModel>
#include <QIcon>
#include <QStyledItemDelegate>
#include <array>
#include <cstdint>
#include <unordered_map>

#include "platform/ui/ui.h"
#include "vtlpoent/browse/browse_po_master.h"

namespace vtl::gui {

struct BrowseColumnSpec {
    const char* header;
    int width;  // dialog units
    ui::Align align;
};

class BrowseModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The text colour of a highlighted cell, where it is not the usual one.
    static constexpr int SelectedForegroundRole = Qt::UserRole + 1;

    static const std::array<BrowseColumnSpec, 9>& columns();

    explicit BrowseModel(ent::BrowsePOMaster& browse, QObject* parent = nullptr);

    // Shows the controller's list again after it changed.
    void reload();
    // How many rows were asked of the controller (diagnostics: the list
    // must not read rows it does not show).
    std::int64_t rowsAsked() const { return asked_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const ent::BrowseRow& rowAt(int row) const;

    ent::BrowsePOMaster& browse_;
    std::array<QIcon, 7> icons_;  // by BrowseIcon number
    // The rows drawn lately: a row is drawn cell by cell and role by role,
    // and the list repaints the same rows again and again.
    mutable std::unordered_map<int, ent::BrowseRow> shown_;
    mutable std::int64_t asked_ = 0;
};

// Draws the two icon columns with the picture centred, and keeps the grey of
// fully reconciled orders (a lighter grey) when their row is highlighted.
class BrowseDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

}  // namespace vtl::gui
