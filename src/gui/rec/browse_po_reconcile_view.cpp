#include "gui/rec/browse_po_reconcile_view.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/help.h"
#include "gui/host/window_places.h"
#include "gui/qt_text.h"
#include "gui/table_model.h"

namespace vtl::gui {

BrowsePOReconcileView::BrowsePOReconcileView(rec::BrowsePOReconcile& browse, QWidget* parent)
    : QDialog(parent), browse_(browse) {
    setWindowTitle(QString::fromLatin1(rec::BrowsePOReconcile::kTitle));
    locator_ = new QLineEdit(this);
    locator_->setMaxLength(rec::BrowsePOReconcile::kLocatorLength);
    locator_->setPlaceholderText(QStringLiteral("PO Number"));
    locator_->setMaximumWidth(locator_->fontMetrics().averageCharWidth() * 24);
    auto* locatorLabel = new QLabel(QStringLiteral("&Locate:"), this);
    locatorLabel->setBuddy(locator_);

    model_ = new TableModel(this);
    model_->setColumns({{"ID", 30, ui::Align::Right},
                        {"Vendor Name", 140, ui::Align::Left},
                        {"PO Number", 52, ui::Align::Left},
                        {"Issue Date", 44, ui::Align::Right},
                        {"Job", 44, ui::Align::Left},
                        {"Amount", 60, ui::Align::Right},
                        {"Remaining", 60, ui::Align::Right}});
    list_ = new QTableView(this);
    setUpList(list_, model_);
    // Every other row in the button-face colour.
    QPalette p = list_->palette();
    p.setColor(QPalette::AlternateBase, p.color(QPalette::Button));
    list_->setPalette(p);

    reconcile_ = new QPushButton(QStringLiteral("&Reconcile"), this);
    close_ = new QPushButton(QStringLiteral("Close"), this);
    help_ = new QPushButton(QStringLiteral("Help"), this);
    for (QPushButton* b : {reconcile_, close_, help_}) b->setAutoDefault(false);
    reconcile_->setDefault(true);

    connect(locator_, &QLineEdit::textEdited, this, [this](const QString& t) {
        browse_.locate(ss(t));
        refresh();
    });
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& i) {
        if (!refreshing_ && i.isValid()) browse_.highlight(i.row());
    });
    auto reconcile = [this] {
        browse_.reconcile();
        refresh();
    };
    connect(list_, &QTableView::doubleClicked, this, reconcile);
    connect(reconcile_, &QPushButton::clicked, this, reconcile);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    connect(help_, &QPushButton::clicked, this, [this] { browse_.help(); });
    bindHelpKey(this, [this] { browse_.help(); });

    auto* top = new QHBoxLayout;
    top->addWidget(locatorLabel);
    top->addWidget(locator_);
    top->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(reconcile_);
    buttons->addStretch(1);
    buttons->addWidget(close_);
    buttons->addWidget(help_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    resize(list_->horizontalHeader()->length() + 60, 420);
    host::keepPlace(this, browse_.settings(), "BrowsePOReconcile");
    refresh();
    locator_->setFocus();
}

void BrowsePOReconcileView::refresh() {
    refreshing_ = true;
    std::vector<std::vector<std::string>> rows;
    rows.reserve(browse_.rows().size());
    for (const auto& r : browse_.rows()) rows.push_back(r.cells);
    model_->setRows(rows);
    fitColumns(list_, model_);
    const int row = browse_.highlighted();
    if (row >= 0) {
        list_->setCurrentIndex(model_->index(row, 0));
        list_->selectRow(row);
        list_->scrollTo(model_->index(row, 0));
    }
    reconcile_->setEnabled(row >= 0);
    refreshing_ = false;
}

void BrowsePOReconcileView::reject() {
    browse_.close();
    QDialog::reject();
}

}  // namespace vtl::gui
