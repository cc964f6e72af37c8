#include "gui/rec/recalc_committed_view.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/help.h"
#include "gui/qt_text.h"

namespace vtl::gui {

RecalcCommittedView::RecalcCommittedView(rec::RecalcCommitted& run, QWidget* parent) : QDialog(parent), run_(run) {
    setWindowTitle(QString::fromLatin1(rec::RecalcCommitted::kTitle));
    auto* text = new QLabel(QString::fromLatin1(rec::RecalcCommitted::kText), this);
    text->setWordWrap(true);
    text->setMinimumWidth(text->fontMetrics().averageCharWidth() * 50);
    bar_ = new QProgressBar(this);
    bar_->setRange(0, 100);
    bar_->setValue(0);
    auto* buttons = new QDialogButtonBox(this);
    proceed_ = buttons->addButton(QStringLiteral("Proceed"), QDialogButtonBox::AcceptRole);
    close_ = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::RejectRole);
    help_ = buttons->addButton(QStringLiteral("Help"), QDialogButtonBox::HelpRole);
    connect(help_, &QPushButton::clicked, this, [this] { run_.help(); });
    bindHelpKey(this, [this] { run_.help(); });
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    connect(proceed_, &QPushButton::clicked, this, [this] {
        proceed_->setEnabled(false);
        close_->setEnabled(false);
        run_.proceed([this](int percent) {
            bar_->setValue(percent);
            // Redrawn as it goes; the buttons stay off until the run ends.
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
        QDialog::accept();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(bar_);
    layout->addWidget(buttons);
}

void RecalcCommittedView::reject() {
    if (!close_->isEnabled()) return;  // not while the run goes on
    run_.close();
    QDialog::reject();
}

}  // namespace vtl::gui
