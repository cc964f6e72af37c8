#include "gui/imp/export_po_view.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/qt_text.h"

namespace vtl::gui {

ExportPOView::ExportPOView(imp::ExportPO& w, QWidget* parent) : QDialog(parent), w_(w) {
    setWindowTitle(QString::fromLatin1(imp::ExportPO::kTitle));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(QString::fromLatin1(imp::ExportPO::kText), this);
    text->setWordWrap(true);
    layout->addWidget(text);
    auto* row = new QHBoxLayout;
    file_ = new QLineEdit(qs(w_.fileName()), this);
    file_->setMaxLength(255);
    auto* browse = new QPushButton(QStringLiteral("..."), this);
    browse->setFixedWidth(browse->fontMetrics().averageCharWidth() * 5);
    row->addWidget(file_, 1);
    row->addWidget(browse);
    layout->addLayout(row);
    preview_ = new QCheckBox(QStringLiteral("Preview the text file before closing"), this);
    preview_->setChecked(w_.previewFile());
    layout->addWidget(preview_);
    auto* buttons = new QHBoxLayout;
    auto* proceed = new QPushButton(QStringLiteral("&Proceed"), this);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    proceed->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(proceed);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(file_, &QLineEdit::textEdited, this, [this](const QString& t) { w_.setFileName(ss(t)); });
    connect(preview_, &QCheckBox::toggled, this, [this](bool on) { w_.setPreviewFile(on); });
    connect(browse, &QPushButton::clicked, this, [this] {
        w_.browse();
        file_->setText(qs(w_.fileName()));
    });
    connect(proceed, &QPushButton::clicked, this, &ExportPOView::accept);
    connect(cancel, &QPushButton::clicked, this, &ExportPOView::reject);
    setMinimumWidth(fontMetrics().averageCharWidth() * 70);
}

void ExportPOView::accept() {
    if (w_.proceed()) QDialog::accept();
    else file_->setFocus();
}

void ExportPOView::reject() {
    w_.cancel();
    QDialog::reject();
}

}  // namespace vtl::gui
