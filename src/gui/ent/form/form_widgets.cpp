#include "gui/ent/form/form_widgets.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCompleter>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QStringListModel>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "platform/picture/picture.h"
#include "siblings/files/image_files.h"

namespace vtl::gui {
namespace {

constexpr const char* kDatePicture = "@d1b";

QDate toQDate(Date d) { return QDate(d.year(), d.month(), d.day()); }
Date fromQDate(QDate d) { return Date::fromYmd(d.year(), d.month(), d.day()); }

}  // namespace

std::optional<Date> pickDate(QWidget* parent, Date current, Date today) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Select a Date"));
    auto* calendar = new QCalendarWidget(&dialog);
    calendar->setGridVisible(true);
    calendar->setSelectedDate(toQDate(current.isNull() ? today : current));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(calendar, &QCalendarWidget::activated, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(calendar);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return fromQDate(calendar->selectedDate());
}

DateEntry::DateEntry(Date today, QWidget* parent) : QWidget(parent), today_(today) {
    entry_ = new QLineEdit(this);
    entry_->setMaxLength(10);
    entry_->setFixedWidth(entry_->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 12);
    button_ = new QToolButton(this);
    button_->setText(QStringLiteral("..."));
    button_->setToolTip(QStringLiteral("Select a Date"));
    button_->setFocusPolicy(Qt::NoFocus);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addWidget(entry_);
    row->addWidget(button_);
    row->addStretch(1);
    setFocusProxy(entry_);
    connect(entry_, &QLineEdit::editingFinished, this, &DateEntry::typed);
    connect(button_, &QToolButton::clicked, this, [this] {
        if (!entry_->isEnabled() || entry_->isReadOnly()) return;
        if (auto d = pickDate(this, date_, today_)) {
            setDate(*d);
            emit accepted(*d);
        }
    });
}

void DateEntry::setDate(Date d) {
    date_ = d;
    entry_->setText(qs(pic::clip(pic::format(d, kDatePicture))));
    entry_->setModified(false);
}

void DateEntry::typed() {
    if (!entry_->isModified()) return;
    entry_->setModified(false);
    const std::string text = ss(entry_->text().trimmed());
    auto d = text.empty() ? std::optional<Date>(Date()) : pic::deformatDate(text, kDatePicture, today_);
    if (!d) {
        QApplication::beep();
        setDate(date_);
        entry_->setFocus();
        return;
    }
    setDate(*d);
    emit accepted(*d);
}

void offerEarlierEntries(QLineEdit* entry, suite::AutoEntryStore* store, const std::string& field) {
    if (!store) return;
    auto* model = new QStringListModel(entry);
    auto* completer = new QCompleter(model, entry);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::InlineCompletion);
    entry->setCompleter(completer);
    // The list is read as typing starts, so values remembered by another
    // window meanwhile are offered too.
    QObject::connect(entry, &QLineEdit::textEdited, entry, [store, field, model](const QString&) {
        QStringList values;
        if (store->enabled())
            for (const std::string& v : store->entries(field)) values << qs(v);
        if (values != model->stringList()) model->setStringList(values);
    });
}

void rememberEntry(suite::AutoEntryStore* store, const std::string& field, const std::string& value) {
    if (store && store->enabled()) store->remember(field, value);
}

AttachmentPreview::AttachmentPreview(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::StyledPanel);
    // 102 by 125 dialog units (a quarter of the average character width
    // across, an eighth of the line height down) where the window has the
    // room, down to half that height where it has not: the form must fit a
    // small screen.
    const QFontMetrics fm(font());
    const int width = 102 * fm.averageCharWidth() / 4, height = 125 * fm.height() / 8;
    setMinimumSize(width, height / 2);
    setMaximumSize(width, height);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

void AttachmentPreview::clear() { setPixmap(QPixmap()); }

QPixmap AttachmentPreview::kindIcon(const std::string& imageType, QSize size) {
    static const std::pair<const char*, QColor> kinds[] = {
        {"PDF", QColor(200, 40, 40)}, {"DOC", QColor(40, 80, 180)},   {"XL", QColor(30, 130, 60)},
        {"PPT", QColor(210, 100, 30)}, {"TXT", QColor(90, 90, 90)},    {"WebPage", QColor(30, 120, 170)}};
    QColor colour(120, 120, 120);
    QString label = QStringLiteral("FILE");
    for (const auto& [kind, c] : kinds)
        if (imageType == kind) {
            colour = c;
            label = imageType == "WebPage" ? QStringLiteral("WEB") : qs(imageType);
        }
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // A sheet with a folded corner and the kind written across a band.
    const qreal w = size.width(), h = size.height(), fold = w / 4;
    QPolygonF sheet({QPointF(1, 1), QPointF(w - fold, 1), QPointF(w - 1, fold), QPointF(w - 1, h - 1), QPointF(1, h - 1)});
    p.setPen(QPen(QColor(80, 80, 80), 1));
    p.setBrush(Qt::white);
    p.drawPolygon(sheet);
    p.drawLine(QPointF(w - fold, 1), QPointF(w - fold, fold));
    p.drawLine(QPointF(w - fold, fold), QPointF(w - 1, fold));
    const QRectF band(1, h * 0.45, w - 2, h * 0.25);
    p.fillRect(band, colour);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(static_cast<int>(band.height() * 0.6));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(band, Qt::AlignCenter, label);
    return pm;
}

void AttachmentPreview::showAttachment(const Images& image, const std::string& dataFolder) {
    const QSize room = size() - QSize(4, 4);
    const std::string kind = image.ImageType.clip();
    QPixmap picture;
    if (kind == "Bitmap") {
        const QString path = qs(image.FileName.clip());
        if (!path.isEmpty() && QFileInfo::exists(path)) picture.load(path);
        if (picture.isNull())
            if (auto stored = siblings::storedImagePath(dataFolder, image.ImageID)) picture.load(qs(*stored));
    }
    if (picture.isNull()) {
        const int w = std::min(room.width(), room.height() * 3 / 4);
        picture = kindIcon(kind, QSize(w, w * 4 / 3));
    }
    if (picture.width() > room.width() || picture.height() > room.height())
        picture = picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    setPixmap(picture);
}

}  // namespace vtl::gui
