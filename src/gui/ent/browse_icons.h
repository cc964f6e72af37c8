#pragma once
// The small pictures of the purchase-order lists, drawn here rather than
// loaded: the tag check box off and on, and the reconciliation marks
// (partial and full) in the invoice colour and in green for packing slips.
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <vector>

#include "vtlpoent/browse/browse_po_master.h"

class QGroupBox;
class QWidget;

namespace vtl::gui {

// The icon of a list cell, drawn in several sizes; a null icon for
// BrowseIcon::None. Drawing takes a moment: a list keeps the icons it uses.
QIcon browseIcon(ent::BrowseIcon icon);
// One picture of it, `side` pixels square.
QPixmap browseIconPixmap(ent::BrowseIcon icon, int side);

// The legend of the reconciliation icons, in the order the window shows it.
struct LegendEntry {
    ent::BrowseIcon icon;
    QString text;
};
const std::vector<LegendEntry>& reconciliationLegend();
// The box "Reconciliation" / "Status Icons:" with the four marks and their texts.
QGroupBox* makeLegendBox(QWidget* parent);

}  // namespace vtl::gui
