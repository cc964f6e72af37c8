#include "gui/lookup_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "gui/table_model.h"

namespace vtl::gui {

LookupWindow::LookupWindow(const ui::LookupSpec& spec, QWidget* parent) : QDialog(parent) {
    setWindowTitle(qs(spec.title));
    setSizeGripEnabled(true);

    std::vector<ui::LookupRow> rows = spec.rows ? spec.rows() : std::vector<ui::LookupRow>{};
    std::vector<std::vector<std::string>> cells;
    cells.reserve(rows.size());
    keys_.reserve(rows.size());
    folded_.reserve(rows.size());
    const auto locatorColumn = static_cast<std::size_t>(spec.locatorColumn < 0 ? 0 : spec.locatorColumn);
    for (auto& r : rows) {
        keys_.push_back(std::move(r.key));
        folded_.push_back(locatorColumn < r.cells.size() ? qs(r.cells[locatorColumn]).trimmed().toCaseFolded()
                                                         : QString());
        cells.push_back(std::move(r.cells));
    }

    model_ = new TableModel(this);
    model_->setColumns(spec.columns);
    model_->setRows(cells);

    auto* locatorLabel = new QLabel(tr("&Locate:"), this);
    locator_ = new QLineEdit(this);
    locator_->setObjectName(QStringLiteral("locator"));
    locator_->setMaxLength(40);
    locatorLabel->setBuddy(locator_);
    if (locatorColumn < spec.columns.size())
        locator_->setPlaceholderText(qs(spec.columns[locatorColumn].header));
    locator_->installEventFilter(this);

    list_ = new QTableView(this);
    setUpList(list_, model_);

    select_ = new QPushButton(tr("&Select"), this);
    cancel_ = new QPushButton(tr("&Cancel"), this);
    help_ = new QPushButton(tr("Help"), this);
    help_->setAutoDefault(false);
    help_->hide();
    cancel_->setAutoDefault(false);
    select_->setDefault(true);
    select_->setEnabled(!keys_.empty());

    auto* top = new QHBoxLayout;
    top->addWidget(locatorLabel);
    top->addWidget(locator_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(select_);
    buttons->addWidget(cancel_);
    buttons->addWidget(help_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    connect(locator_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!text.isEmpty()) locate(text);
    });
    connect(list_, &QTableView::doubleClicked, this, [this](const QModelIndex&) { select(); });
    connect(select_, &QPushButton::clicked, this, &LookupWindow::select);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(help_, &QPushButton::clicked, this, [this] {
        if (openHelp_) openHelp_();
    });

    // Wide enough for the declared columns, high enough for about 16 rows.
    int width = list_->verticalScrollBar()->sizeHint().width() + 2 * list_->frameWidth() + 4;
    for (std::size_t i = 0; i < spec.columns.size(); ++i)
        width += list_->columnWidth(static_cast<int>(i));
    const int rowHeight = list_->verticalHeader()->defaultSectionSize();
    int height = list_->horizontalHeader()->sizeHint().height() + 16 * rowHeight;
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        width = std::min(width, avail.width() * 9 / 10);
        height = std::min(height, avail.height() * 6 / 10);
    }
    list_->setMinimumSize(std::max(width, 260), std::max(height, 6 * rowHeight));
    resize(sizeHint());

    int start = keys_.empty() ? -1 : 0;
    if (!spec.currentKey.empty()) {
        for (std::size_t i = 0; i < keys_.size(); ++i)
            if (keys_[i] == spec.currentKey) {
                start = static_cast<int>(i);
                break;
            }
        setCurrentRow(start);
    } else if (!spec.locate.empty()) {
        setCurrentRow(start);
        locator_->setText(qs(spec.locate));
        locate(locator_->text());
    } else {
        setCurrentRow(start);
    }
    locator_->setFocus();
}

void LookupWindow::setHelp(std::function<void()> open) {
    openHelp_ = std::move(open);
    help_->setVisible(static_cast<bool>(openHelp_));
}

int LookupWindow::currentRow() const {
    const QModelIndex i = list_->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void LookupWindow::setCurrentRow(int row) {
    if (row < 0 || row >= model_->rowCount()) return;
    const QModelIndex index = model_->index(row, 0);
    list_->setCurrentIndex(index);
    list_->selectRow(row);
    list_->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

bool LookupWindow::locate(const QString& prefix) {
    const QString wanted = prefix.trimmed().toCaseFolded();
    if (wanted.isEmpty()) return false;
    for (std::size_t i = 0; i < folded_.size(); ++i)
        if (folded_[i].startsWith(wanted)) {
            setCurrentRow(static_cast<int>(i));
            return true;
        }
    return false;
}

void LookupWindow::select() {
    const int row = currentRow();
    if (row < 0 || row >= static_cast<int>(keys_.size())) {
        QApplication::beep();
        return;
    }
    chosen_ = keys_[static_cast<std::size_t>(row)];
    accept();
}

bool LookupWindow::eventFilter(QObject* watched, QEvent* event) {
    // The arrow and page keys move the highlight while the typing stays in
    // the locator.
    if (watched == locator_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
                QApplication::sendEvent(list_, event);
                return true;
            default: break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace vtl::gui
