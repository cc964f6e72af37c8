#include "gui/ent/totals_line.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>

namespace vtl::gui {

TotalsLine::TotalsLine(QTableView* list, std::vector<int> columns, int characters, QWidget* parent)
    : QWidget(parent), list_(list), columns_(std::move(columns)) {
    caption_ = new QLabel(QStringLiteral("Totals:"), this);
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        auto* f = new QLineEdit(this);
        f->setReadOnly(true);
        f->setFocusPolicy(Qt::NoFocus);
        f->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        fields_.push_back(f);
    }
    fieldWidth_ = fontMetrics().horizontalAdvance(QString(characters, QLatin1Char('9'))) + 12;
    QHeaderView* header = list_->horizontalHeader();
    connect(header, &QHeaderView::sectionResized, this, [this] { place(); });
    connect(header, &QHeaderView::geometriesChanged, this, [this] { place(); });
    connect(list_->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { place(); });
}

QSize TotalsLine::sizeHint() const {
    const int h = fields_.empty() ? caption_->sizeHint().height() : fields_.front()->sizeHint().height();
    return {caption_->sizeHint().width(), h};
}

QSize TotalsLine::minimumSizeHint() const { return sizeHint(); }

void TotalsLine::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    place();
}

void TotalsLine::place() {
    // Each field ends where its column ends, and is no wider than the column.
    const QHeaderView* header = list_->horizontalHeader();
    const int h = sizeHint().height();
    int leftmost = width();
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const int c = columns_[i];
        const int right = header->sectionViewportPosition(c) + header->sectionSize(c);
        const int x = mapFromGlobal(list_->viewport()->mapToGlobal(QPoint(right, 0))).x();
        const int w = std::min(fieldWidth_, std::max(header->sectionSize(c), 20));
        fields_[i]->setGeometry(x - w, 0, w, h);
        fields_[i]->setVisible(!header->isSectionHidden(c));
        leftmost = std::min(leftmost, x - w);
    }
    const int cw = caption_->sizeHint().width();
    caption_->setGeometry(std::max(0, leftmost - cw - 6), 0, cw, h);
}

}  // namespace vtl::gui
