#include "gui/ent/browse_model.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <limits>

#include "gui/ent/browse_icons.h"
#include "gui/qt_text.h"

namespace vtl::gui {
namespace {

using ent::BrowseColumn;
using ent::BrowseIcon;

const QColor kGreyText(0x80, 0x80, 0x80);
const QColor kGreySelectedText(0xC0, 0xC0, 0xC0);

Qt::Alignment alignmentOf(ui::Align a) {
    switch (a) {
        case ui::Align::Right: return Qt::AlignRight | Qt::AlignVCenter;
        case ui::Align::Center: return Qt::AlignHCenter | Qt::AlignVCenter;
        case ui::Align::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

const std::string& cellText(const ent::BrowseRow& r, int column) {
    static const std::string none;
    switch (static_cast<BrowseColumn>(column)) {
        case BrowseColumn::PONumber: return r.poNumber;
        case BrowseColumn::VendorID: return r.vendorId;
        case BrowseColumn::VendorName: return r.vendorName;
        case BrowseColumn::IssueDate: return r.issueDate;
        case BrowseColumn::Job: return r.job;
        case BrowseColumn::Amount: return r.amount;
        case BrowseColumn::Remaining: return r.remaining;
        case BrowseColumn::Tag:
        case BrowseColumn::Icon: break;
    }
    return none;
}

QString iconCaption(BrowseIcon icon) {
    for (const auto& e : reconciliationLegend())
        if (e.icon == icon) return e.text;
    return {};
}

}  // namespace

const std::array<BrowseColumnSpec, 9>& BrowseModel::columns() {
    static const std::array<BrowseColumnSpec, 9> specs = {{
        {"", 10, ui::Align::Center},
        {"", 10, ui::Align::Center},
        {"PO Number", 85, ui::Align::Left},
        {"ID", 27, ui::Align::Right},
        {"Vendor Name", 125, ui::Align::Left},
        {"Issue Date", 41, ui::Align::Right},
        {"Job", 54, ui::Align::Left},
        {"Amount", 52, ui::Align::Right},
        {"Remaining", 88, ui::Align::Right},
    }};
    return specs;
}

BrowseModel::BrowseModel(ent::BrowsePOMaster& browse, QObject* parent) : QAbstractTableModel(parent), browse_(browse) {
    for (int i = 1; i < static_cast<int>(icons_.size()); ++i) icons_[static_cast<std::size_t>(i)] = browseIcon(static_cast<BrowseIcon>(i));
}

void BrowseModel::reload() {
    beginResetModel();
    shown_.clear();
    endResetModel();
}

const ent::BrowseRow& BrowseModel::rowAt(int row) const {
    auto it = shown_.find(row);
    if (it != shown_.end()) return it->second;
    // A few screens' worth; the controller keeps its own pages behind it.
    if (shown_.size() >= 256) shown_.clear();
    ++asked_;
    return shown_.emplace(row, browse_.row(row)).first->second;
}

int BrowseModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return static_cast<int>(std::min<std::int64_t>(browse_.rowCount(), std::numeric_limits<int>::max()));
}

int BrowseModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns().size());
}

QVariant BrowseModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int column = index.column();
    switch (role) {
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(alignmentOf(columns()[static_cast<std::size_t>(column)].align));
        case Qt::BackgroundRole:
            // Every second row in the button face, so a long line reads across.
            if (index.row() % 2 == 1) return QApplication::palette().brush(QPalette::Button);
            return {};
        default: break;
    }
    const ent::BrowseRow& r = rowAt(index.row());
    switch (role) {
        case Qt::DisplayRole: return qs(cellText(r, column));
        case Qt::DecorationRole:
            if (column == static_cast<int>(BrowseColumn::Tag))
                return icons_[static_cast<std::size_t>(r.tagged ? BrowseIcon::CheckOn : BrowseIcon::CheckOff)];
            if (column == static_cast<int>(BrowseColumn::Icon) && r.icon != BrowseIcon::None)
                return icons_[static_cast<std::size_t>(r.icon)];
            return {};
        case Qt::ToolTipRole:
            if (column == static_cast<int>(BrowseColumn::Icon)) {
                const QString caption = iconCaption(r.icon);
                return caption.isEmpty() ? QVariant() : QVariant(caption);
            }
            return {};
        case Qt::ForegroundRole: return r.grey ? QVariant(kGreyText) : QVariant();
        case SelectedForegroundRole: return r.grey ? QVariant(kGreySelectedText) : QVariant();
        default: return {};
    }
}

QVariant BrowseModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
    const auto& c = columns()[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole) return QString::fromLatin1(c.header);
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(alignmentOf(c.align));
    return {};
}

void BrowseDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    const QVariant selected = index.data(BrowseModel::SelectedForegroundRole);
    if (selected.isValid()) option->palette.setColor(QPalette::HighlightedText, selected.value<QColor>());
}

void BrowseDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const int column = index.column();
    if (column != static_cast<int>(BrowseColumn::Tag) && column != static_cast<int>(BrowseColumn::Icon)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The columns are only a little wider than their picture: the style's
    // margins would push it against the right edge.
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const QIcon icon = opt.icon;
    opt.icon = QIcon();
    opt.features &= ~QStyleOptionViewItem::HasDecoration;
    opt.text.clear();
    opt.state &= ~QStyle::State_HasFocus;
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    if (icon.isNull()) return;
    const int side = std::max(8, std::min({opt.decorationSize.height(), opt.rect.height() - 2, opt.rect.width() - 2}));
    const QRect target = QStyle::alignedRect(opt.direction, Qt::AlignCenter, QSize(side, side), opt.rect);
    icon.paint(painter, target);
}

}  // namespace vtl::gui
