#include "gui/help_window.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace vtl::gui {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Help"));
    setModal(false);
    browser_ = new QTextBrowser(this);
    // Links between the pages stay in this window; addresses on the web go to the browser.
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(true);
    back_ = new QPushButton(QStringLiteral("&Back"), this);
    forward_ = new QPushButton(QStringLiteral("&Forward"), this);
    contents_ = new QPushButton(QStringLiteral("&Contents"), this);
    web_ = new QPushButton(QStringLiteral("Open in &web browser"), this);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    back_->setEnabled(false);
    forward_->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addWidget(contents_);
    buttons->addStretch();
    buttons->addWidget(web_);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);

    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
    connect(contents_, &QPushButton::clicked, this, [this] {
        const QString page = browser_->source().toLocalFile();
        if (!page.isEmpty()) browser_->setSource(QUrl::fromLocalFile(QFileInfo(page).dir().filePath("index.htm")));
    });
    connect(web_, &QPushButton::clicked, this, [this] { QDesktopServices::openUrl(browser_->source()); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? QStringLiteral("Help") : QStringLiteral("Help - ") + title);
    });
    resize(760, 600);
}

void HelpWindow::showPage(const QString& page, const QString& section) {
    QUrl url = QUrl::fromLocalFile(page);
    if (section.size() > 1) url.setFragment(section.mid(1));
    browser_->setSource(url);
    if (section.size() > 1) browser_->scrollToAnchor(section.mid(1));
    show();
    raise();
    activateWindow();
}

HelpWindow& HelpWindow::shared(QWidget* parent) {
    static QPointer<HelpWindow> window;
    if (!window) {
        window = new HelpWindow(parent);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    return *window;
}

}  // namespace vtl::gui
