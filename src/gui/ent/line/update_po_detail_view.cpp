#include "gui/ent/line/update_po_detail_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/ent/form/form_widgets.h"
#include "gui/ent/line/bound_entries.h"
#include "gui/ent/line/line_charge_fields.h"
#include "gui/ent/line/line_entry_util.h"
#include "gui/qt_text.h"
#include "platform/picture/picture.h"

namespace vtl::gui {
namespace {

constexpr const char* kQuantityPicture = "@n-16.4";
constexpr const char* kPricePicture = "@n-16.4";
constexpr const char* kTotalPicture = "@n-18.2";
constexpr const char* kDatePicture = "@d1b";
constexpr int kTextLength = 1000;

const char* const kDetailTypes[] = {"Job", "G/L Account", "Equipment", "Inventory"};

template <class V>
QString shown(const V& v, const char* picture) {
    return qs(pic::clip(pic::format(v, picture)));
}

bool unreadable() {
    QApplication::beep();
    return false;
}

QLabel* labelFor(const QString& text, QWidget* buddy) {
    auto* l = new QLabel(text);
    l->setBuddy(buddy);
    return l;
}

// Code points, as the line's text is measured.
qsizetype codePoints(const QString& s) {
    qsizetype n = 0;
    for (qsizetype i = 0; i < s.size(); ++i)
        if (!s.at(i).isLowSurrogate()) ++n;
    return n;
}

QString firstCodePoints(const QString& s, qsizetype n) {
    qsizetype i = 0;
    for (qsizetype seen = 0; i < s.size(); ++i) {
        if (s.at(i).isLowSurrogate()) continue;
        if (seen++ == n) break;
    }
    return s.left(i);
}

}  // namespace

UpdatePODetailView::UpdatePODetailView(ent::UpdatePODetail& form, QWidget* parent)
    : QDialog(parent), form_(form) {
    setWindowTitle(qs(form_.caption()));
    entries_ = new BoundEntries(this);

    type_ = new QComboBox(this);
    for (const char* t : kDetailTypes) type_->addItem(QString::fromLatin1(t));
    typeLabel_ = labelFor(QStringLiteral("&Type:"), type_);
    textLine_ = new QCheckBox(QStringLiteral("Text Li&ne"), this);
    auto* top = new QHBoxLayout;
    top->addWidget(typeLabel_);
    top->addWidget(type_);
    top->addStretch(1);
    top->addWidget(textLine_);

    pages_ = new QStackedWidget(this);
    linePage_ = linePage();
    textPage_ = textPage();
    pages_->addWidget(linePage_);
    pages_->addWidget(textPage_);

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    cancel_ = buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, [this] { form_.help(); });
    ok_->setEnabled(!form_.viewOnly());
    connect(buttons, &QDialogButtonBox::accepted, this, &UpdatePODetailView::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &UpdatePODetailView::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(pages_, 1);
    layout->addWidget(buttons);

    connect(type_, &QComboBox::activated, this, [this](int index) {
        form_.setDetailType(kDetailTypes[index]);
        showLine();
    });
    connect(textLine_, &QCheckBox::clicked, this, [this](bool on) {
        form_.setTextLine(on);
        showLine();
        (on ? static_cast<QWidget*>(text_) : type_)->setFocus();
    });
    connect(taxable_, &QCheckBox::clicked, this, [this](bool on) { form_.setTaxable(on ? 1 : 0); });
    connect(canadianTax_, &QComboBox::activated, this, [this](int i) { form_.setTaxable(static_cast<Byte>(i)); });
    connect(text_, &QPlainTextEdit::textChanged, this, [this] {
        QString t = text_->toPlainText();
        if (codePoints(t) > kTextLength) {
            // The field's width: typing or pasting past it is cut, as an entry's maximum length does.
            t = firstCodePoints(t, kTextLength);
            const QSignalBlocker quiet(text_);
            text_->setPlainText(t);
            text_->moveCursor(QTextCursor::End);
        }
        form_.setText(ss(t));
    });
    bindEntries();
    connect(entries_, &BoundEntries::changed, this, &UpdatePODetailView::showLine);
    // Enter takes a clerk to the next entry, as Tab does; only OK saves.
    for (QLineEdit* e : findChildren<QLineEdit*>())
        connect(e, &QLineEdit::returnPressed, this, [this] { focusNextChild(); });
    showLine();
    if (form_.line().TextFlag == 1) text_->setFocus();
    else type_->setFocus();
}

QWidget* UpdatePODetailView::linePage() {
    auto* page = new QWidget(this);
    charge_ = new LineChargeFields(form_, *entries_, page);

    auto* box = new QGroupBox(QStringLiteral("Line"), page);
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(6);
    description_ = new QLineEdit(box);
    description_->setMaxLength(200);
    description_->setMinimumWidth(description_->fontMetrics().averageCharWidth() * 60);
    catalog_ = sizedEntry(20, box, 16);
    quantity_ = numberEntry(13, box);
    price_ = numberEntry(13, box);
    total_ = numberEntry(13, box);
    total_->setMaxLength(32);  // only shown, never typed: room for the widest amount
    total_->setReadOnly(true);
    total_->setFocusPolicy(Qt::NoFocus);
    taxable_ = new QCheckBox(QStringLiteral("Ta&xable"), box);
    // In Canadian tax mode a line carries which of the two taxes apply: the
    // entries stand in the order of their codes (0 to 3).
    canadianTax_ = new QComboBox(box);
    canadianTax_->addItems({QStringLiteral("No tax"), QStringLiteral("GST and PST"), QStringLiteral("GST only"),
                            QStringLiteral("PST only")});
    taxable_->setVisible(!form_.canadian());
    canadianTax_->setVisible(form_.canadian());
    comment_ = sizedEntry(20, box, 16);

    grid->addWidget(labelFor(QStringLiteral("&Description:"), description_), 0, 0);
    grid->addWidget(description_, 0, 1, 1, 5);
    grid->addWidget(labelFor(QStringLiteral("&Vendor Catalog #:"), catalog_), 1, 0);
    grid->addWidget(catalog_, 1, 1);
    grid->addWidget(labelFor(QStringLiteral("&Quantity:"), quantity_), 2, 0);
    grid->addWidget(quantity_, 2, 1);
    // Labels right of the first column stand against their own entries.
    grid->addWidget(labelFor(QStringLiteral("Unit P&rice:"), price_), 2, 2, Qt::AlignRight);
    grid->addWidget(price_, 2, 3);
    grid->addWidget(new QLabel(QStringLiteral("Total:")), 2, 4, Qt::AlignRight);
    grid->addWidget(total_, 2, 5);
    grid->addWidget(taxable_, 3, 1);
    if (form_.canadian()) grid->addWidget(canadianTax_, 3, 1);
    grid->addWidget(labelFor(QStringLiteral("Co&mment:"), comment_), 4, 0);
    grid->addWidget(comment_, 4, 1);
    addDates(grid, 5);
    grid->setColumnStretch(6, 1);
    grid->setRowStretch(6, 1);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(charge_);
    layout->addWidget(box, 1);
    return page;
}

// The dates the settings switch on, in the columns of the amounts above
// them; the others are left out.
void UpdatePODetailView::addDates(QGridLayout* grid, int row) {
    int column = 0;
    auto date = [&](const QString& label, bool visible) {
        auto* e = new QLineEdit(grid->parentWidget());
        e->setMaxLength(10);
        e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000")) + 16);
        if (!visible) {
            e->hide();
            return e;
        }
        grid->addWidget(labelFor(label, e), row, column, column > 0 ? Qt::AlignRight : Qt::Alignment());
        // The calendar button beside the entry hands the picked date over as
        // if it had been typed.
        auto* calendar = new QToolButton(grid->parentWidget());
        calendar->setText(QStringLiteral("..."));
        calendar->setToolTip(QStringLiteral("Select a Date"));
        calendar->setFocusPolicy(Qt::NoFocus);
        connect(calendar, &QToolButton::clicked, this, [this, e] {
            const QDate today = QDate::currentDate();
            const Date now = Date::fromYmd(today.year(), today.month(), today.day());
            const auto typed = pic::deformatDate(ss(e->text()), "@d1b", now);
            if (auto picked = pickDate(this, typed ? *typed : Date(), now)) {
                e->setText(qs(pic::clip(pic::format(*picked, "@d1b"))));
                emit e->editingFinished();
            }
        });
        auto* both = new QHBoxLayout;
        both->setContentsMargins(0, 0, 0, 0);
        both->setSpacing(2);
        both->addWidget(e);
        both->addWidget(calendar);
        both->addStretch(1);
        grid->addLayout(both, row, column + 1);
        column += 2;
        return e;
    };
    accept_ = date(QStringLiteral("Acce&pt Date:"), form_.acceptDateVisible());
    delivery_ = date(QStringLiteral("Deli&very Date:"), form_.deliveryDateVisible());
    deadline_ = date(QStringLiteral("Dead&line Date:"), form_.deadlineDateVisible());
}

QWidget* UpdatePODetailView::textPage() {
    auto* page = new QWidget(this);
    text_ = new QPlainTextEdit(page);
    text_->setPlainText(qs(form_.line().Text.str()));
    text_->setTabChangesFocus(true);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(labelFor(QStringLiteral("T&ext:"), text_));
    layout->addWidget(text_, 1);
    return page;
}

void UpdatePODetailView::bindEntries() {
    auto& f = form_;
    entries_->bind(description_, [&f] { return qs(f.line().Description.clip()); },
                   [&f](const QString& t) {
                       f.setDescription(ss(t));
                       return true;
                   });
    entries_->bind(catalog_, [&f] { return qs(f.line().VendorCatalogID.clip()); },
                   [&f](const QString& t) {
                       f.setVendorCatalogID(ss(t));
                       return true;
                   });
    // A typed number that cannot be read, or does not fit, is refused like a
    // value the controller turns down.
    entries_->bind(quantity_, [&f] { return shown(f.line().QtyOrdered, kQuantityPicture); },
                   [&f](const QString& t) {
                       auto q = pic::deformatDecimal<15, 4>(ss(t), kQuantityPicture);
                       if (!q) return unreadable();
                       f.setQuantity(*q);
                       return true;
                   });
    entries_->bind(price_, [&f] { return shown(f.line().UnitPrice, kPricePicture); },
                   [&f](const QString& t) {
                       auto p = pic::deformatDouble(ss(t), kPricePicture);
                       if (!p) return unreadable();
                       f.setUnitPrice(*p);
                       return true;
                   });
    entries_->bind(comment_, [&f] { return qs(f.line().Comment.clip()); },
                   [&f](const QString& t) {
                       f.setComment(ss(t));
                       return true;
                   });
    // Dates typed without a year are taken in the order's issue year.
    auto bindDate = [&](QLineEdit* e, Date PODetail::* field) {
        entries_->bind(e, [&f, field] { return shown(f.line().*field, kDatePicture); },
                       [&f, field](const QString& t) {
                           auto d = pic::deformatDate(ss(t), kDatePicture, f.order().IssueDate);
                           if (!d) return unreadable();
                           PODetail dates = f.line();
                           dates.*field = *d;
                           f.setDates(dates.DeliverAfterDate, dates.DeliveryDate, dates.DeadlineDate);
                           return true;
                       });
    };
    bindDate(accept_, &PODetail::DeliverAfterDate);
    bindDate(delivery_, &PODetail::DeliveryDate);
    bindDate(deadline_, &PODetail::DeadlineDate);
}

void UpdatePODetailView::showLine() {
    const PODetail& line = form_.line();
    const bool textLine = line.TextFlag == 1;
    const std::string type = line.DetailType.clip();
    for (int i = 0; i < type_->count(); ++i)
        if (type == kDetailTypes[i]) type_->setCurrentIndex(i);
    textLine_->setChecked(textLine);
    typeLabel_->setVisible(!textLine);
    type_->setVisible(!textLine);
    pages_->setCurrentWidget(textLine ? textPage_ : linePage_);
    charge_->showType(type);
    taxable_->setChecked(line.Taxable != 0);
    canadianTax_->setCurrentIndex(line.Taxable <= 3 ? line.Taxable : 0);
    total_->setText(shown(line.TotalAmount, kTotalPicture));
    entries_->refresh();
}

void UpdatePODetailView::keyPressEvent(QKeyEvent* event) {
    // A focused button takes Enter itself; Enter that reaches the window
    // comes from an entry, which has already moved on to the next one (the
    // focus may now be on a button), and is never also the dialog's OK.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void UpdatePODetailView::accept() {
    if (!ok_->isEnabled()) return;
    if (!entries_->commitPending()) return;
    if (!form_.ok()) return;
    QDialog::accept();
}

void UpdatePODetailView::reject() {
    form_.cancel();
    QDialog::reject();
}

}  // namespace vtl::gui
