#include "gui/ent/duplicate_po_view.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "gui/qt_text.h"
#include "platform/picture/picture.h"

namespace vtl::gui {
namespace {

constexpr const char* kDatePicture = "@d1b";

QString shownDate(Date d) { return qs(pic::clip(pic::format(d, kDatePicture))); }

QLabel* shown(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

QLineEdit* dateEntry(Date d, QWidget* parent) {
    auto* e = new QLineEdit(shownDate(d), parent);
    e->setMaxLength(10);
    e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000")) + 16);
    return e;
}

}  // namespace

DuplicatePOView::DuplicatePOView(ent::DuplicatePO& dialog, QWidget* parent) : QDialog(parent), dialog_(dialog) {
    setWindowTitle(QString::fromLatin1(ent::DuplicatePO::kTitle));
    const POMaster& src = dialog_.source;

    auto* from = new QGroupBox(QStringLiteral("Duplicate From"), this);
    auto* fromForm = new QFormLayout(from);
    fromForm->addRow(QStringLiteral("PO Number:"), shown(qs(src.PONumber.clip()), from));
    fromForm->addRow(QStringLiteral("Vendor:"),
                     shown(qs(pic::clip(pic::format(src.VendorID, "@n_6b")) + "  " + dialog_.sourceVendorName), from));
    fromForm->addRow(QStringLiteral("Issue Date:"), shown(shownDate(src.IssueDate), from));
    if (dialog_.showAccept) fromForm->addRow(QStringLiteral("Accept Date:"), shown(shownDate(src.DeliverAfterDate), from));
    if (dialog_.showDelivery) fromForm->addRow(QStringLiteral("Delivery Date:"), shown(shownDate(src.DeliveryDate), from));
    if (dialog_.showDeadline) fromForm->addRow(QStringLiteral("Deadline Date:"), shown(shownDate(src.DeadlineDate), from));
    auto* amount = shown(qs(pic::clip(pic::format(src.POAmount, "@n-14.2"))), from);
    fromForm->addRow(QStringLiteral("Amount:"), amount);

    auto* to = new QGroupBox(QStringLiteral("New Purchase Order"), this);
    auto* toForm = new QFormLayout(to);
    poNumber_ = new QLineEdit(qs(dialog_.poNumber), to);
    poNumber_->setMaxLength(15);
    poNumber_->setMinimumWidth(poNumber_->fontMetrics().horizontalAdvance(QString(15, QLatin1Char('W'))) * 2 / 3);
    toForm->addRow(QStringLiteral("&PO Number:"), poNumber_);
    issue_ = dateEntry(dialog_.issueDate, to);
    toForm->addRow(QStringLiteral("&Issue Date:"), issue_);
    accept_ = dateEntry(dialog_.acceptDate, to);
    delivery_ = dateEntry(dialog_.deliveryDate, to);
    deadline_ = dateEntry(dialog_.deadlineDate, to);
    if (dialog_.showAccept) toForm->addRow(QStringLiteral("&Accept Date:"), accept_);
    else accept_->hide();
    if (dialog_.showDelivery) toForm->addRow(QStringLiteral("De&livery Date:"), delivery_);
    else delivery_->hide();
    if (dialog_.showDeadline) toForm->addRow(QStringLiteral("Dead&line Date:"), deadline_);
    else deadline_->hide();

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    cancel_ = buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    ok_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* sides = new QHBoxLayout;
    sides->addWidget(from);
    sides->addWidget(to);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sides);
    layout->addWidget(buttons);
    poNumber_->setFocus();
    poNumber_->selectAll();
}

void DuplicatePOView::done(int result) {
    if (result != QDialog::Accepted) {
        dialog_.cancel();
        QDialog::done(result);
        return;
    }
    // Dates typed without a year are taken in the proposed issue date's year.
    const Date reference = dialog_.issueDate;
    struct Entry {
        QLineEdit* entry;
        Date* value;
        bool shown;
    };
    const Entry entries[] = {{issue_, &dialog_.issueDate, true},
                             {accept_, &dialog_.acceptDate, dialog_.showAccept},
                             {delivery_, &dialog_.deliveryDate, dialog_.showDelivery},
                             {deadline_, &dialog_.deadlineDate, dialog_.showDeadline}};
    // Hidden dates keep their proposed values.
    std::optional<Date> read[4];
    for (std::size_t i = 0; i < 4; ++i) {
        if (!entries[i].shown) continue;
        read[i] = pic::deformatDate(ss(entries[i].entry->text()), kDatePicture, reference);
        if (!read[i]) {
            QApplication::beep();
            entries[i].entry->setFocus();
            entries[i].entry->selectAll();
            return;
        }
    }
    for (std::size_t i = 0; i < 4; ++i)
        if (read[i]) *entries[i].value = *read[i];
    dialog_.setPONumber(ss(poNumber_->text()));
    dialog_.ok();
    QDialog::done(result);
}

}  // namespace vtl::gui
