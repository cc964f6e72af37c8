#include "gui/rec/update_po_reconcile_view.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/help.h"
#include "gui/qt_text.h"
#include "gui/table_model.h"
#include "platform/picture/picture.h"

namespace vtl::gui {
namespace {

QString shownAs(const auto& value, const char* picture) { return qs(pic::clip(pic::format(value, picture))); }

// The list's columns, in dialog units; the three received quantities sit
// under one caption, so they keep one width.
constexpr int kWidths[] = {60, 170, 56, 56, 56, 56};
constexpr int kFirstReceived = 3;

}  // namespace

UpdatePOReconcileView::UpdatePOReconcileView(rec::UpdatePOReconcile& form, QWidget* parent)
    : QDialog(parent), form_(form) {
    setWindowTitle(qs(form_.caption()));

    model_ = new TableModel(this);
    std::vector<ui::LookupColumn> columns;
    const auto headers = rec::UpdatePOReconcile::headers();
    for (std::size_t i = 0; i < headers.size(); ++i) {
        const bool number = i >= 2;
        columns.push_back({headers[i], i < std::size(kWidths) ? kWidths[i] : 56,
                           number ? ui::Align::Right : ui::Align::Left});
    }
    model_->setColumns(columns);
    list_ = new QTableView(this);
    setUpList(list_, model_);
    // Every other row in the button-face colour.
    QPalette p = list_->palette();
    p.setColor(QPalette::AlternateBase, p.color(QPalette::Button));
    list_->setPalette(p);
    list_->setAlternatingRowColors(true);

    // "Received" over the last three columns, kept in place as they move.
    auto* receivedBar = new QWidget(this);
    received_ = new QLabel(QStringLiteral("Received"), receivedBar);
    received_->setAlignment(Qt::AlignCenter);
    received_->setFrameShape(QFrame::StyledPanel);
    receivedBar->setFixedHeight(received_->sizeHint().height());
    QHeaderView* header = list_->horizontalHeader();
    connect(header, &QHeaderView::sectionResized, this, [this] { placeReceivedCaption(); });
    connect(header, &QHeaderView::geometriesChanged, this, [this] { placeReceivedCaption(); });
    connect(list_->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { placeReceivedCaption(); });

    more_ = new QPushButton(QStringLiteral("&More"), this);
    change_ = new QPushButton(QStringLiteral("&Change Quantity Received This Pack Slip"), this);
    send_ = new QToolButton(this);
    send_->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    send_->setToolTip(QStringLiteral("Send list contents to..."));
    send_->setFocusPolicy(Qt::NoFocus);
    auto* box = new QDialogButtonBox(this);
    ok_ = box->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    cancel_ = box->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    help_ = box->addButton(QStringLiteral("Help"), QDialogButtonBox::HelpRole);
    // Enter is left to keyPressEvent, so it never closes the window by surprise.
    for (QPushButton* b : {more_, change_, ok_, cancel_, help_}) b->setAutoDefault(false);
    connect(help_, &QPushButton::clicked, this, [this] { form_.help(); });
    bindHelpKey(this, [this] { form_.help(); });

    connect(more_, &QPushButton::clicked, this, [this] { act([this] { form_.moreVendorInfo(); }); });
    auto change = [this] {
        if (change_->isEnabled()) act([this] { form_.changeLine(); });
    };
    connect(change_, &QPushButton::clicked, this, change);
    connect(list_, &QTableView::doubleClicked, this, change);
    connect(send_, &QToolButton::clicked, this, [this] { act([this] { form_.sendList(); }); });
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& i) {
        if (!refreshing_ && i.isValid()) form_.highlight(i.row());
    });

    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(more_);
    listButtons->addWidget(change_);
    listButtons->addStretch(1);
    listButtons->addWidget(send_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildHeader());
    layout->addWidget(receivedBar);
    layout->setSpacing(4);
    layout->addWidget(list_, 1);
    layout->addLayout(listButtons);
    layout->addWidget(box);

    refresh();
    // Every column stays in sight: the window never gets narrower than the list.
    list_->setMinimumWidth(header->length() + 2 * list_->frameWidth() + 4);
    resize(std::max(sizeHint().width(), header->length() + 40), 460);
    list_->setFocus();
}

QLabel* UpdatePOReconcileView::addShown(const QString& name, bool number) {
    auto* l = new QLabel(this);
    l->setObjectName(name);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (number) {
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("-99,999,999,999.99")));
    }
    labels_.insert(name, l);
    return l;
}

QWidget* UpdatePOReconcileView::buildHeader() {
    auto* top = new QWidget(this);
    auto* row = new QHBoxLayout(top);
    row->setContentsMargins(0, 0, 0, 0);

    auto* vendor = new QGroupBox(QStringLiteral("Vendor"), top);
    auto* v = new QFormLayout(vendor);
    v->addRow(QStringLiteral("Vendor ID:"), addShown(QStringLiteral("VendorID")));
    v->addRow(QStringLiteral("Name:"), addShown(QStringLiteral("VendorName")));
    v->addRow(QStringLiteral("Phone:"), addShown(QStringLiteral("Phone")));
    v->addRow(QStringLiteral("Fax:"), addShown(QStringLiteral("Fax")));

    auto* order = new QGroupBox(QStringLiteral("Purchase Order"), top);
    auto* o = new QFormLayout(order);
    o->addRow(QStringLiteral("PO Number:"), addShown(QStringLiteral("PONumber")));
    const std::pair<const char*, const char*> fields[] = {{"IssueDate", "Issue Date:"},
                                                          {"AcceptDate", "Accept Date:"},
                                                          {"DeliveryDate", "Delivery Date:"},
                                                          {"DeadlineDate", "Deadline Date:"},
                                                          {"DefaultJob", "Default Job:"}};
    for (const auto& [field, prompt] : fields) {
        QLabel* l = addShown(QString::fromLatin1(field));
        o->addRow(QString::fromLatin1(prompt), l);
        rows_.insert(QString::fromLatin1(field), l);
    }

    auto* totals = new QGroupBox(QStringLiteral("Totals"), top);
    auto* t = new QFormLayout(totals);
    t->addRow(QStringLiteral("Subtotal:"), addShown(QStringLiteral("Subtotal"), true));
    t->addRow(QStringLiteral("Tax:"), addShown(QStringLiteral("Tax"), true));
    t->addRow(QStringLiteral("Total:"), addShown(QStringLiteral("Total"), true));

    row->addWidget(vendor, 3);
    row->addWidget(order, 2);
    row->addWidget(totals, 2);
    for (QGroupBox* g : {vendor, order, totals}) g->setAlignment(Qt::AlignLeft);
    return top;
}

bool UpdatePOReconcileView::rowShown(const QString& name) const {
    QWidget* w = rows_.value(name);
    return w && !w->isHidden();
}

void UpdatePOReconcileView::act(const std::function<void()>& action) {
    if (form_.closed()) return;
    action();
    refresh();
}

void UpdatePOReconcileView::refresh() {
    refreshing_ = true;
    setWindowTitle(qs(form_.caption()));
    const POMaster& h = form_.header();
    const APVendor& vendor = form_.vendor();
    auto set = [this](const char* name, const QString& text) { labels_.value(QString::fromLatin1(name))->setText(text); };
    set("VendorID", h.VendorID ? QString::number(h.VendorID) : QString());
    set("VendorName", qs(vendor.VendorName.clip()));
    set("Phone", qs(vendor.Phone.clip()));
    set("Fax", qs(vendor.Fax.clip()));
    set("PONumber", qs(h.PONumber.clip()));
    set("IssueDate", shownAs(h.IssueDate, "@d1b"));
    set("AcceptDate", shownAs(h.DeliverAfterDate, "@d1b"));
    set("DeliveryDate", shownAs(h.DeliveryDate, "@d1b"));
    set("DeadlineDate", shownAs(h.DeadlineDate, "@d1b"));
    set("DefaultJob", qs(h.DefaultJob.clip()));
    set("Subtotal", shownAs(h.PreTaxAmount, "@n-14.2"));
    set("Tax", shownAs(h.TaxAmount, "@n-14.2"));
    set("Total", shownAs(h.POAmount, "@n-14.2"));

    auto showRow = [this](const char* name, bool visible) {
        QWidget* w = rows_.value(QString::fromLatin1(name));
        w->setVisible(visible);
        if (auto* f = qobject_cast<QFormLayout*>(w->parentWidget()->layout())) f->setRowVisible(w, visible);
    };
    showRow("AcceptDate", form_.acceptDateVisible());
    showRow("DeliveryDate", form_.deliveryDateVisible());
    showRow("DeadlineDate", form_.deadlineDateVisible());
    showRow("DefaultJob", form_.defaultJobVisible());

    std::vector<std::vector<std::string>> rows;
    rows.reserve(form_.rows().size());
    for (const auto& r : form_.rows()) rows.push_back(r.cells);
    model_->setRows(rows);
    fitColumns(list_, model_);
    const int row = form_.highlighted();
    if (row >= 0 && row < model_->rowCount()) {
        list_->setCurrentIndex(model_->index(row, 0));
        list_->selectRow(row);
        list_->scrollTo(model_->index(row, 0));
    }
    const bool any = model_->rowCount() > 0;
    change_->setEnabled(any && !form_.viewOnly());
    send_->setEnabled(any);
    refreshing_ = false;
    placeReceivedCaption();
}

void UpdatePOReconcileView::placeReceivedCaption() {
    const QHeaderView* header = list_->horizontalHeader();
    if (header->count() <= kFirstReceived) {
        received_->hide();
        return;
    }
    int width = 0;
    for (int c = kFirstReceived; c < header->count(); ++c) width += header->sectionSize(c);
    // The caption lines up with the columns inside the list's frame.
    const int x = list_->frameWidth() + header->sectionViewportPosition(kFirstReceived);
    received_->setGeometry(x, 0, std::min(width, list_->viewport()->width() + list_->frameWidth() - x),
                           received_->parentWidget()->height());
    received_->show();
}

void UpdatePOReconcileView::keyPressEvent(QKeyEvent* event) {
    // Enter on the list changes the highlighted line, as a double-click
    // does; it never closes the window.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        if (auto* b = qobject_cast<QPushButton*>(focusWidget())) b->click();
        else if (focusWidget() == list_ && change_->isEnabled()) change_->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void UpdatePOReconcileView::done(int result) {
    // Both ways out end the packing slip; OK writes the header first.
    if (!form_.closed()) {
        if (result == QDialog::Accepted) form_.ok();
        else form_.cancel();
    }
    QDialog::done(result);
}

}  // namespace vtl::gui
