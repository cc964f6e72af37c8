#include "gui/ent/browse_icons.h"

#include <QGroupBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

namespace vtl::gui {
namespace {

using ent::BrowseIcon;

const QColor kInvoiceColour(0x1f, 0x5f, 0xbf);
const QColor kPackingSlipColour(0x2e, 0x9e, 0x3e);

void drawCheckBox(QPainter& p, int side, bool on) {
    const qreal inset = side / 8.0;
    const QRectF box(inset, inset, side - 2 * inset, side - 2 * inset);
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), std::max(1.0, side / 16.0)));
    p.setBrush(Qt::white);
    p.drawRect(box);
    if (!on) return;
    QPainterPath tick;
    tick.moveTo(box.left() + box.width() * 0.2, box.top() + box.height() * 0.52);
    tick.lineTo(box.left() + box.width() * 0.42, box.top() + box.height() * 0.75);
    tick.lineTo(box.left() + box.width() * 0.8, box.top() + box.height() * 0.25);
    p.setPen(QPen(QColor(0x10, 0x10, 0x10), std::max(1.5, side / 7.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
}

// A ring in the colour; half filled for partial, filled for full.
void drawMark(QPainter& p, int side, const QColor& colour, bool full) {
    const qreal inset = side / 8.0;
    const QRectF disc(inset, inset, side - 2 * inset, side - 2 * inset);
    p.setPen(QPen(colour.darker(130), std::max(1.0, side / 14.0)));
    p.setBrush(Qt::white);
    p.drawEllipse(disc);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    if (full) p.drawEllipse(disc);
    else p.drawPie(disc, 90 * 16, 180 * 16);  // the left half
}

}  // namespace

QPixmap browseIconPixmap(BrowseIcon icon, int side) {
    QPixmap pm(side, side);
    pm.fill(Qt::transparent);
    if (icon == BrowseIcon::None) return pm;
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (icon) {
        case BrowseIcon::CheckOff: drawCheckBox(p, side, false); break;
        case BrowseIcon::CheckOn: drawCheckBox(p, side, true); break;
        case BrowseIcon::Partial: drawMark(p, side, kInvoiceColour, false); break;
        case BrowseIcon::Full: drawMark(p, side, kInvoiceColour, true); break;
        case BrowseIcon::PartialGreen: drawMark(p, side, kPackingSlipColour, false); break;
        case BrowseIcon::FullGreen: drawMark(p, side, kPackingSlipColour, true); break;
        case BrowseIcon::None: break;
    }
    return pm;
}

QIcon browseIcon(BrowseIcon icon) {
    if (icon == BrowseIcon::None) return {};
    QIcon result;
    for (int side : {12, 14, 16, 20, 24, 32}) result.addPixmap(browseIconPixmap(icon, side));
    return result;
}

const std::vector<LegendEntry>& reconciliationLegend() {
    static const std::vector<LegendEntry> legend = {
        {BrowseIcon::PartialGreen, QStringLiteral("Partial with Packing Slip")},
        {BrowseIcon::FullGreen, QStringLiteral("Full with Packing Slip")},
        {BrowseIcon::Partial, QStringLiteral("Partial with Invoice")},
        {BrowseIcon::Full, QStringLiteral("Full with Invoice")},
    };
    return legend;
}

QGroupBox* makeLegendBox(QWidget* parent) {
    auto* box = new QGroupBox(QStringLiteral("Reconciliation"), parent);
    box->setObjectName(QStringLiteral("legend"));
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("Status Icons:"), box), 0, 0, 1, 2);
    const int side = std::max(12, box->fontMetrics().height());
    int row = 1;
    for (const auto& entry : reconciliationLegend()) {
        auto* picture = new QLabel(box);
        picture->setPixmap(browseIconPixmap(entry.icon, side));
        grid->addWidget(picture, row, 0);
        grid->addWidget(new QLabel(entry.text, box), row, 1);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    return box;
}

}  // namespace vtl::gui
