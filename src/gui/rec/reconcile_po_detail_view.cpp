#include "gui/rec/reconcile_po_detail_view.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/help.h"
#include "gui/bound_method.h"
#include "gui/qt_text.h"
#include "gui/table_model.h"
#include "platform/picture/picture.h"

namespace vtl::gui {
namespace {

constexpr const char* kQuantityPicture = "@n-15.2";

QString shownAs(const auto& value, const char* picture) { return qs(pic::clip(pic::format(value, picture))); }

}  // namespace

std::optional<std::string> askSerialNumber(QWidget* parent, const QString& title, const QString& initial) {
    QDialog ask(parent);
    ask.setObjectName(QStringLiteral("SerialNumberDialog"));
    ask.setWindowTitle(title);
    auto* entry = new QLineEdit(initial, &ask);
    entry->setObjectName(QStringLiteral("SerialNo"));
    entry->setMaxLength(40);
    entry->setMinimumWidth(entry->fontMetrics().averageCharWidth() * 40 + 12);
    auto* prompt = new QLabel(QStringLiteral("&Serial Number:"), &ask);
    prompt->setBuddy(entry);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &ask);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &ask, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &ask, &QDialog::reject);
    auto* layout = new QVBoxLayout(&ask);
    auto* row = new QHBoxLayout;
    row->addWidget(prompt);
    row->addWidget(entry, 1);
    layout->addLayout(row);
    layout->addWidget(buttons);
    entry->selectAll();
    entry->setFocus();
    if (ask.exec() != QDialog::Accepted) return std::nullopt;
    return ss(entry->text());
}

ReconcilePODetailView::ReconcilePODetailView(rec::ReconcilePODetail& form, QWidget* parent)
    : QDialog(parent), form_(form) {
    setWindowTitle(qs(form_.caption()));

    auto* item = itemForm_ = new QFormLayout;
    item->addRow(QStringLiteral("Item ID:"), addShown(QStringLiteral("ItemID")));
    QLabel* description = addShown(QStringLiteral("Description"));
    description->setWordWrap(true);
    item->addRow(QStringLiteral("Description:"), description);

    distribution_ = new QWidget(this);
    auto* dist = new QVBoxLayout(distribution_);
    dist->setContentsMargins(0, 0, 0, 0);
    dist->addWidget(addShown(QStringLiteral("Distribution1")));
    dist->addWidget(addShown(QStringLiteral("Distribution2")));
    item->addRow(QString(), distribution_);
    addPlaceRows();

    auto* box = new QDialogButtonBox(this);
    ok_ = box->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    cancel_ = box->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    help_ = box->addButton(QStringLiteral("Help"), QDialogButtonBox::HelpRole);
    help_->setAutoDefault(false);
    connect(help_, &QPushButton::clicked, this, [this] { form_.help(); });
    bindHelpKey(this, [this] { form_.help(); });
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(item);
    layout->addWidget(buildQuantities());
    layout->addWidget(buildSerials(), 1);
    layout->addWidget(box);

    // Enter is left to keyPressEvent: in an entry it accepts the entry only.
    for (QPushButton* b : findChildren<QPushButton*>()) b->setAutoDefault(false);

    refresh();
    resize(std::max(sizeHint().width(), fontMetrics().averageCharWidth() * 70), sizeHint().height());
    QLineEdit* qty = entries_.value(QStringLiteral("QtyThisPackSlip"));
    qty->setFocus();
    qty->selectAll();
}

// ---- building ------------------------------------------------------------

QLabel* ReconcilePODetailView::addShown(const QString& name, bool number) {
    auto* l = new QLabel(this);
    l->setObjectName(name);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (number) {
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("-99,999,999,999.99")) + 8);
    }
    labels_.insert(name, l);
    return l;
}

QLineEdit* ReconcilePODetailView::addEntry(const QString& field, int maxLength, int widthChars) {
    auto* e = new QLineEdit(this);
    e->setObjectName(field);
    e->setMaxLength(maxLength);
    e->setMinimumWidth(e->fontMetrics().averageCharWidth() * widthChars + 12);
    entries_.insert(field, e);
    return e;
}

void ReconcilePODetailView::onAccepted(QLineEdit* e, std::function<void(const QString&)> accept) {
    connect(e, &QLineEdit::editingFinished, this, [this, e, accept] {
        if (refreshing_ || !e->isModified()) return;
        e->setModified(false);
        const QString text = e->text();
        act([&] { accept(text); });
    });
}

QToolButton* ReconcilePODetailView::lookupButton(QLineEdit* entry, bool (rec::ReconcilePODetail::*lookup)()) {
    auto* b = new QToolButton(this);
    b->setText(QStringLiteral("..."));
    b->setToolTip(QStringLiteral("Look up (F2)"));
    // Tab goes from entry to entry; the button is the mouse's way in.
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QToolButton::clicked, this, [this, entry, action = boundMethod(form_, lookup)] {
        // The list replaces what was typed in this entry; the others count.
        entry->setModified(false);
        commitPending();
        act(action);
    });
    auto* f2 = new QShortcut(QKeySequence(Qt::Key_F2), entry, nullptr, nullptr, Qt::WidgetShortcut);
    connect(f2, &QShortcut::activated, b, &QToolButton::click);
    return b;
}

// The location and bin sit in the item's rows, so their entries line up
// with the values above them.
void ReconcilePODetailView::addPlaceRows() {
    QLineEdit* location = addEntry(QStringLiteral("LocationID"), 10, 10);
    QLineEdit* bin = addEntry(QStringLiteral("BinID"), 10, 10);
    onAccepted(location, [this, location](const QString& t) {
        if (!form_.setLocation(ss(t))) QTimer::singleShot(0, location, [location] { location->setFocus(); });
    });
    onAccepted(bin, [this, bin](const QString& t) {
        if (!form_.setBin(ss(t))) QTimer::singleShot(0, bin, [bin] { bin->setFocus(); });
    });
    locationLookup_ = lookupButton(location, &rec::ReconcilePODetail::lookupLocation);
    binLookup_ = lookupButton(bin, &rec::ReconcilePODetail::lookupBin);
    auto row = [this](QLineEdit* entry, QToolButton* lookup, const QString& description) {
        auto* holder = new QWidget(this);
        auto* h = new QHBoxLayout(holder);
        h->setContentsMargins(0, 0, 0, 0);
        h->setSpacing(4);
        h->addWidget(entry);
        h->addWidget(lookup);
        QLabel* shown = addShown(description);
        shown->setMinimumWidth(fontMetrics().averageCharWidth() * 30);
        h->addWidget(shown, 1);
        return holder;
    };
    stockPlace_ = row(location, locationLookup_, QStringLiteral("LocationDescription"));
    binRow_ = row(bin, binLookup_, QStringLiteral("BinDescription"));
    auto* locationPrompt = new QLabel(QStringLiteral("&Location:"), this);
    locationPrompt->setBuddy(location);
    auto* binPrompt = new QLabel(QStringLiteral("&Area:"), this);
    binPrompt->setBuddy(bin);
    itemForm_->addRow(locationPrompt, stockPlace_);
    itemForm_->addRow(binPrompt, binRow_);
}

QWidget* ReconcilePODetailView::buildQuantities() {
    auto* group = new QGroupBox(QStringLiteral("Quantities"), this);
    auto* f = new QFormLayout(group);
    f->addRow(QStringLiteral("Original Order Quantity:"), addShown(QStringLiteral("QtyOrdered"), true));
    f->addRow(QStringLiteral("Quantity Invoiced:"), addShown(QStringLiteral("QtyInvoiced"), true));
    f->addRow(QStringLiteral("Received Prior Pack Slips:"), addShown(QStringLiteral("QtyRcvdNotInvoiced"), true));
    QLineEdit* qty = addEntry(QStringLiteral("QtyThisPackSlip"), 20, 0);
    qty->setAlignment(Qt::AlignRight);
    qty->setFixedWidth(labels_.value(QStringLiteral("QtyOrdered"))->minimumWidth());
    onAccepted(qty, [this](const QString& t) { acceptQuantity(t); });
    auto* prompt = new QLabel(QStringLiteral("&Received This Pack Slip:"), group);
    prompt->setBuddy(qty);
    f->addRow(prompt, qty);
    // The shown quantities end where the typed one does.
    f->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    for (const char* name : {"QtyOrdered", "QtyInvoiced", "QtyRcvdNotInvoiced"}) {
        QLabel* l = labels_.value(QString::fromLatin1(name));
        l->setFixedWidth(qty->minimumWidth());
        l->setContentsMargins(0, 0, 4, 0);
    }
    return group;
}

QWidget* ReconcilePODetailView::buildSerials() {
    auto* holder = new QWidget(this);
    auto* column = new QVBoxLayout(holder);
    column->setContentsMargins(0, 0, 0, 0);

    serialGroup_ = new QGroupBox(holder);
    serialModel_ = new TableModel(this);
    serialModel_->setColumns({{"Serial Number", 160, ui::Align::Left}});
    serials_ = new QTableView(serialGroup_);
    setUpList(serials_, serialModel_);
    serials_->setMinimumHeight(serials_->verticalHeader()->defaultSectionSize() * 5);
    insert_ = new QPushButton(QStringLiteral("&Insert"), serialGroup_);
    change_ = new QPushButton(QStringLiteral("&Change"), serialGroup_);
    delete_ = new QPushButton(QStringLiteral("&Delete"), serialGroup_);
    connect(insert_, &QPushButton::clicked, this, [this] { insertSerial(); });
    connect(change_, &QPushButton::clicked, this, [this] { changeSerial(); });
    connect(delete_, &QPushButton::clicked, this, [this] { deleteSerial(); });
    connect(serials_, &QTableView::doubleClicked, this, [this] {
        if (change_->isEnabled()) changeSerial();
    });
    auto* ins = new QShortcut(QKeySequence(Qt::Key_Insert), this);
    connect(ins, &QShortcut::activated, this, [this] {
        if (serialGroup_->isVisible() && insert_->isEnabled()) insert_->click();
    });
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(insert_);
    buttons->addWidget(change_);
    buttons->addWidget(delete_);
    buttons->addStretch(1);
    auto* g = new QHBoxLayout(serialGroup_);
    g->addWidget(serials_, 1);
    g->addLayout(buttons);

    serialRow_ = new QWidget(holder);
    auto* row = new QHBoxLayout(serialRow_);
    row->setContentsMargins(0, 0, 0, 0);
    QLineEdit* serial = addEntry(QStringLiteral("SerialNo"), 40, 40);
    onAccepted(serial, [this](const QString& t) { form_.setSerialNo(ss(t)); });
    auto* prompt = new QLabel(QStringLiteral("&Serial Number:"), serialRow_);
    prompt->setBuddy(serial);
    row->addWidget(prompt);
    row->addWidget(serial);
    row->addStretch(1);

    column->addWidget(serialGroup_, 1);
    column->addWidget(serialRow_);
    return holder;
}

// ---- showing -------------------------------------------------------------

void ReconcilePODetailView::refresh() {
    refreshing_ = true;
    setWindowTitle(qs(form_.caption()));
    const PODetail& line = form_.line();
    const bool editable = !form_.viewOnly();
    auto set = [this](const char* name, const QString& text) { labels_.value(QString::fromLatin1(name))->setText(text); };
    set("ItemID", qs(line.ItemID.clip()));
    set("Description", qs(line.Description.clip()));
    set("Distribution1", qs(form_.distribution1()));
    set("Distribution2", qs(form_.distribution2()));
    set("QtyOrdered", shownAs(line.QtyOrdered, kQuantityPicture));
    set("QtyInvoiced", shownAs(line.QtyInvoiced, kQuantityPicture));
    set("QtyRcvdNotInvoiced", shownAs(line.QtyRcvdNotInvoiced, kQuantityPicture));

    const bool stock = form_.inventory();
    itemForm_->setRowVisible(distribution_, !stock);
    itemForm_->setRowVisible(stockPlace_, stock);
    itemForm_->setRowVisible(binRow_, stock);
    if (stock) {
        set("LocationDescription", qs(form_.locationDescription()));
        set("BinDescription", qs(form_.binDescription()));
    }

    auto show = [this](const char* field, const QString& text) {
        QLineEdit* e = entries_.value(QString::fromLatin1(field));
        if (e->text() != text) e->setText(text);
        e->setModified(false);
    };
    show("QtyThisPackSlip", shownAs(line.QtyThisPackSlip, kQuantityPicture));
    show("LocationID", qs(line.LocationID.clip()));
    show("BinID", qs(line.BinID.clip()));
    show("SerialNo", qs(form_.serialNo()));
    for (QLineEdit* e : entries_) e->setReadOnly(!editable);
    locationLookup_->setEnabled(editable);
    binLookup_->setEnabled(editable);

    const bool list = form_.serialListShown();
    const bool listWas = !serialGroup_->isHidden();
    serialGroup_->setVisible(list);
    serialRow_->setVisible(form_.serialEntryShown());
    if (list) {
        const int current = currentSerial();
        std::vector<std::vector<std::string>> rows;
        for (const std::string& s : form_.serials()) rows.push_back({s});
        serialModel_->setRows(rows);
        const int row = std::min(current < 0 ? 0 : current, serialModel_->rowCount() - 1);
        if (row >= 0) serials_->selectRow(row);
        insert_->setEnabled(editable);
        change_->setEnabled(editable && row >= 0);
        delete_->setEnabled(editable && row >= 0);
    }
    // Without the list the window takes back the room it needed.
    if (listWas && !list && isVisible()) {
        layout()->activate();
        resize(width(), sizeHint().height());
    }
    refreshing_ = false;
}

// ---- acting --------------------------------------------------------------

void ReconcilePODetailView::act(const std::function<void()>& action) {
    if (form_.done()) return;
    action();
    refresh();
}

void ReconcilePODetailView::commitPending() {
    for (QLineEdit* e : entries_)
        if (e->isVisibleTo(this) && e->isModified()) emit e->editingFinished();
}

void ReconcilePODetailView::acceptQuantity(const QString& typed) {
    const std::string text = ss(typed.trimmed());
    const auto q = text.empty() ? std::optional<Quantity>(Quantity()) : pic::deformatDecimal<15, 4>(text, kQuantityPicture);
    // Unreadable text changes nothing: the old value shows again.
    if (!q) {
        QApplication::beep();
        return;
    }
    form_.setQtyThisPackSlip(*q);
}

int ReconcilePODetailView::currentSerial() const {
    const QModelIndex i = serials_->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void ReconcilePODetailView::insertSerial() {
    commitPending();
    const auto serial = askSerialNumber(this, QStringLiteral("Insert Serial Number"), QString());
    if (!serial) return;
    act([&] { form_.insertSerial(*serial); });
    // The new number is the one to see.
    const auto list = form_.serials();
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i] == *serial) serials_->selectRow(static_cast<int>(i));
}

void ReconcilePODetailView::changeSerial() {
    const int row = currentSerial();
    const auto list = form_.serials();
    if (row < 0 || row >= static_cast<int>(list.size())) return;
    const auto serial = askSerialNumber(this, QStringLiteral("Change Serial Number"), qs(list[row]));
    if (!serial) return;
    act([&] { form_.changeSerial(row, *serial); });
}

void ReconcilePODetailView::deleteSerial() {
    const int row = currentSerial();
    if (row < 0) return;
    act([&] { form_.deleteSerial(row); });
}

void ReconcilePODetailView::done(int result) {
    if (result != QDialog::Accepted) {
        if (!form_.done()) form_.cancel();
        QDialog::done(result);
        return;
    }
    commitPending();
    if (form_.done() || form_.ok()) {
        QDialog::done(result);
        return;
    }
    refresh();
    const QString field = qs(form_.focusField());
    QWidget* target = entries_.value(field);
    if (field == QLatin1String("SerialNo") && form_.serialListShown()) target = serials_;
    if (target && target->isVisible()) {
        target->setFocus();
        if (auto* e = qobject_cast<QLineEdit*>(target)) e->selectAll();
    }
}

void ReconcilePODetailView::keyPressEvent(QKeyEvent* event) {
    // Enter accepts the entry and moves on; on a focused button it presses
    // that button, never OK behind the user's back.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        if (auto* b = qobject_cast<QPushButton*>(QApplication::focusWidget())) b->click();
        else focusNextChild();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace vtl::gui
