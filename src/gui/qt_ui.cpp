#include "gui/qt_ui.h"

#include <QProcess>
#include <QStandardPaths>

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QUrl>
#include <limits>

#include "gui/help.h"
#include "gui/help_window.h"
#include "gui/lookup_window.h"
#include "gui/qt_text.h"

namespace vtl::gui {

namespace {

QMessageBox::Icon boxIcon(ui::Icon icon) {
    switch (icon) {
        case ui::Icon::Information: return QMessageBox::Information;
        case ui::Icon::Question: return QMessageBox::Question;
        case ui::Icon::Warning:
        case ui::Icon::Exclamation: return QMessageBox::Warning;
        case ui::Icon::Error: return QMessageBox::Critical;
        case ui::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

// QProgressDialog counts in int; long runs are shown in proportion.
class QtProgress : public ui::Progress {
public:
    QtProgress(QWidget* parent, const std::string& title, const std::string& text)
        : dialog_(qs(text), QObject::tr("Cancel"), 0, 0, parent) {
        dialog_.setWindowTitle(qs(title));
        dialog_.setWindowModality(Qt::WindowModal);
        dialog_.setMinimumDuration(0);
        dialog_.setAutoClose(false);
        dialog_.setAutoReset(false);
        dialog_.show();
        QCoreApplication::processEvents();
    }
    void setText(const std::string& text) override {
        dialog_.setLabelText(qs(text));
        QCoreApplication::processEvents();
    }
    void setRange(std::int64_t total) override {
        total_ = total < 0 ? 0 : total;
        scale_ = total_ > std::numeric_limits<int>::max() ? total_ / std::numeric_limits<int>::max() + 1 : 1;
        dialog_.setRange(0, static_cast<int>(total_ / scale_));
    }
    void setValue(std::int64_t done) override {
        if (done < 0) done = 0;
        if (total_ > 0 && done > total_) done = total_;
        dialog_.setValue(static_cast<int>(done / scale_));
        QCoreApplication::processEvents();
    }
    bool cancelled() override {
        // The Cancel button only registers while events are handled.
        QCoreApplication::processEvents();
        return dialog_.wasCanceled();
    }

private:
    QProgressDialog dialog_;
    std::int64_t total_ = 0;
    std::int64_t scale_ = 1;
};

}  // namespace

QtUi::QtUi(QWidget* parent, std::string installFolder) : parent_(parent), installFolder_(std::move(installFolder)) {}

QtUi::~QtUi() {
    while (busy_ > 0) setBusy(false);
}

QWidget* QtUi::dialogParent() const {
    if (parent_) return parent_;
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

int QtUi::ask(const std::string& text, const std::string& title, const std::string& buttons, ui::Icon icon,
              int defaultButton) {
    QMessageBox box(dialogParent());
    box.setWindowTitle(qs(title));
    box.setTextFormat(Qt::PlainText);
    box.setText(qs(ui::messageLines(text)));
    box.setIcon(boxIcon(icon));

    std::vector<std::string> captions = ui::splitButtons(buttons);
    if (captions.empty()) captions.push_back("&OK");
    std::vector<QPushButton*> pushButtons;
    for (const std::string& caption : captions) {
        auto* b = new QPushButton(qs(caption), &box);
        box.addButton(b, QMessageBox::AcceptRole);
        pushButtons.push_back(b);
    }
    if (defaultButton >= 1 && defaultButton <= static_cast<int>(pushButtons.size()))
        box.setDefaultButton(pushButtons[static_cast<std::size_t>(defaultButton - 1)]);
    // Escape (and closing the window) answer as the last button does.
    box.setEscapeButton(pushButtons.back());

    // A question must be seen even under a wait cursor.
    const bool busy = busy_ > 0;
    if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (busy) QApplication::restoreOverrideCursor();

    QAbstractButton* clicked = box.clickedButton();
    for (std::size_t i = 0; i < pushButtons.size(); ++i)
        if (pushButtons[i] == clicked) return static_cast<int>(i) + 1;
    return 0;
}

void QtUi::beep() { QApplication::beep(); }

void QtUi::setBusy(bool busy) {
    if (busy) {
        if (busy_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busy_ > 0) {
        if (--busy_ == 0) QApplication::restoreOverrideCursor();
    }
}

std::optional<std::string> QtUi::openFile(const std::string& title, const ui::FileFilter& filter,
                                          const std::string& folder) {
    const QString path = QFileDialog::getOpenFileName(dialogParent(), qs(title), qs(folder), qtFileFilter(filter.spec));
    if (path.isEmpty()) return std::nullopt;
    return ss(path);
}

std::optional<std::string> QtUi::saveFile(const std::string& title, const ui::FileFilter& filter,
                                          const std::string& suggested) {
    const QString path = QFileDialog::getSaveFileName(dialogParent(), qs(title), qs(suggested), qtFileFilter(filter.spec));
    if (path.isEmpty()) return std::nullopt;
    return ss(path);
}

std::unique_ptr<ui::Progress> QtUi::progress(const std::string& title, const std::string& text) {
    return std::make_unique<QtProgress>(dialogParent(), title, text);
}

std::optional<std::string> QtUi::lookup(const ui::LookupSpec& spec) {
    LookupWindow window(spec, dialogParent());
    if (!spec.helpTopic.empty()) {
        window.setHelp([this, topic = spec.helpTopic] { openHelp(*this, installFolder_, topic); });
        bindHelpKey(&window, *this, installFolder_, spec.helpTopic);
    }
    const bool busy = busy_ > 0;
    if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
    window.exec();
    if (busy) QApplication::restoreOverrideCursor();
    return window.chosenKey();
}

bool QtUi::showHelp(const std::string& page, const std::string& section) {
    if (!QFileInfo(qs(page)).isFile()) return false;
    // Over the window that is waiting for an answer, if any: a window
    // outside it could not be clicked until that one closed.
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner) owner = dialogParent();
    HelpWindow& help = HelpWindow::shared(owner);
    if (help.parentWidget() != owner) help.setParent(owner, help.windowFlags());
    help.showPage(qs(page), qs(section));
    return true;
}

void QtUi::copyToClipboard(const std::string& text) { QGuiApplication::clipboard()->setText(qs(text)); }

bool QtUi::openExternally(const std::string& pathOrUrl) {
    const QString target = qs(pathOrUrl);
    const bool isUrl = target.contains(QStringLiteral("://")) || target.startsWith(QStringLiteral("mailto:"));
    const QUrl url = isUrl ? QUrl(target) : QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
    return QDesktopServices::openUrl(url);
}

// The desktop's text viewer gets the file's name as its one argument; no
// shell ever reads the name.
bool QtUi::viewTextFile(const std::string& path) {
    const QString file = QFileInfo(qs(path)).absoluteFilePath();
    for (const char* viewer : {"xdg-open", "gio"}) {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(viewer));
        if (program.isEmpty()) continue;
        QStringList args;
        if (QLatin1String(viewer) == QLatin1String("gio")) args << QStringLiteral("open");
        args << file;
        if (QProcess::startDetached(program, args)) return true;
    }
    return openExternally(path);
}

}  // namespace vtl::gui
