#include "gui/email/compose_po_email_view.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/email/recipient_model.h"
#include "gui/qt_text.h"
#include "gui/table_model.h"

namespace vtl::gui {

ComposePOEmailView::ComposePOEmailView(rpt::ComposePOEmail& compose, QWidget* parent)
    : QDialog(parent), compose_(compose) {
    setWindowTitle(QString::fromLatin1(rpt::ComposePOEmail::kTitle));
    setSizeGripEnabled(true);

    model_ = new RecipientModel(
        [this]() -> const std::vector<rpt::Recipient>& { return compose_.recipients(); }, false,
        [this](int row, int field, const std::string& text) {
            if (field == 0) compose_.setName(static_cast<std::size_t>(row), text);
            else compose_.setAddress(static_cast<std::size_t>(row), text);
        },
        this);
    list_ = new QTableView(this);
    list_->setObjectName(QStringLiteral("recipients"));
    list_->setModel(model_);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    list_->setWordWrap(false);
    list_->verticalHeader()->hide();
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->setColumnWidth(0, dialogUnitsToPixels(list_, 130));
    list_->setMinimumWidth(2 * dialogUnitsToPixels(list_, 130) + 24);
    list_->setMaximumHeight(6 * list_->verticalHeader()->defaultSectionSize() +
                            list_->horizontalHeader()->sizeHint().height());

    add_ = new QPushButton(QStringLiteral("&Add"), this);
    remove_ = new QPushButton(QStringLiteral("&Remove"), this);
    for (QPushButton* b : {add_, remove_}) b->setAutoDefault(false);
    connect(add_, &QPushButton::clicked, this, [this] {
        const int row = static_cast<int>(compose_.addRecipient());
        model_->reload();
        editRow(row, 0);
    });
    connect(remove_, &QPushButton::clicked, this, [this] {
        const int row = list_->currentIndex().row();
        if (row < 0) return;
        compose_.removeRecipient(static_cast<std::size_t>(row));
        model_->reload();
        if (model_->rowCount() > 0) list_->setCurrentIndex(model_->index(std::min(row, model_->rowCount() - 1), 0));
    });
    auto* listButtons = new QVBoxLayout;
    listButtons->addWidget(add_);
    listButtons->addWidget(remove_);
    listButtons->addStretch(1);
    auto* to = new QHBoxLayout;
    to->addWidget(list_, 1);
    to->addLayout(listButtons);

    subject_ = new QLineEdit(qs(compose_.subject()), this);
    subject_->setObjectName(QStringLiteral("subject"));
    connect(subject_, &QLineEdit::textChanged, this, [this](const QString& t) { compose_.setSubject(ss(t)); });
    body_ = new QPlainTextEdit(this);
    body_->setObjectName(QStringLiteral("body"));
    body_->setPlainText(qs(compose_.body()));
    connect(body_, &QPlainTextEdit::textChanged, this, [this] { compose_.setBody(ss(body_->toPlainText())); });
    attachment_ = new QLabel(qs(compose_.attachmentName()), this);
    attachment_->setObjectName(QStringLiteral("attachment"));
    attachment_->setToolTip(qs(compose_.attachmentPath()));
    attachment_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&To:"), to);
    form->addRow(QStringLiteral("&Subject:"), subject_);
    form->addRow(QStringLiteral("Attached:"), attachment_);
    form->addRow(QStringLiteral("&Message:"), body_);
    if (auto* label = qobject_cast<QLabel*>(form->labelForField(to))) label->setBuddy(list_);

    auto* buttons = new QDialogButtonBox(this);
    send_ = buttons->addButton(QStringLiteral("&Send"), QDialogButtonBox::AcceptRole);
    cancel_ = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    send_->setAutoDefault(false);
    cancel_->setAutoDefault(false);
    connect(send_, &QPushButton::clicked, this, [this] { send(); });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form, 1);
    layout->addWidget(buttons);
    resize(sizeHint().width(), sizeHint().height() + 120);

    // An entry the person must complete takes the focus first.
    const auto& rows = compose_.recipients();
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].address.empty()) {
            editRow(static_cast<int>(i), 1);
            return;
        }
    if (!rows.empty()) list_->setCurrentIndex(model_->index(0, 0));
    subject_->setFocus();
}

void ComposePOEmailView::editRow(int row, int column) {
    if (row < 0 || row >= model_->rowCount()) return;
    const QModelIndex at = model_->index(row, column);
    list_->setCurrentIndex(at);
    list_->setFocus();
    list_->edit(at);
}

void ComposePOEmailView::send() {
    // An entry still being typed goes to the controller first: leaving the
    // cell commits it.
    const QModelIndex current = list_->currentIndex();
    list_->setCurrentIndex(QModelIndex());
    list_->setCurrentIndex(current);
    if (compose_.send()) {
        QDialog::done(QDialog::Accepted);
        return;
    }
    model_->reload();
    if (compose_.refusedRow() >= 0) editRow(compose_.refusedRow(), 1);
}

void ComposePOEmailView::done(int result) {
    // Only Send closes with a message sent; Escape and closing are Cancel.
    if (result != QDialog::Accepted) compose_.cancel();
    QDialog::done(result);
}

}  // namespace vtl::gui
