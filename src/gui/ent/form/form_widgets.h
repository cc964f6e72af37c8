#pragma once
// Small pieces of the purchase-order form's window: a date entry with its
// calendar button, completion from earlier entries, and the preview of an
// attachment.
#include <QLabel>
#include <QWidget>
#include <optional>
#include <string>

#include "platform/suite/auto_entry.h"
#include "platform/types/date.h"
#include "records/records.h"

class QLineEdit;
class QToolButton;

namespace vtl::gui {

// The calendar window titled "Select a Date", opened on `current` (today when
// it is 0); the picked date, or nothing when it was closed without one.
std::optional<Date> pickDate(QWidget* parent, Date current, Date today);

// A date typed as the suite shows dates ("@d1b": mm/dd/yyyy, blank for none),
// with a calendar button beside it. `accepted` comes when a readable date was
// typed or picked; an unreadable one beeps and is shown again.
class DateEntry : public QWidget {
    Q_OBJECT
public:
    DateEntry(Date today, QWidget* parent = nullptr);

    void setDate(Date d);
    Date date() const { return date_; }
    QLineEdit* entry() const { return entry_; }
    QToolButton* calendarButton() const { return button_; }

signals:
    void accepted(vtl::Date d);

private:
    void typed();

    Date today_;
    Date date_;
    QLineEdit* entry_ = nullptr;
    QToolButton* button_ = nullptr;
};

// Offers the earlier entries of `field` as the user types, and remembers
// each accepted value. Nothing happens without a store or while it is off.
void offerEarlierEntries(QLineEdit* entry, suite::AutoEntryStore* store, const std::string& field);
void rememberEntry(suite::AutoEntryStore* store, const std::string& field, const std::string& value);

// The preview beside the attachments list: a picture attachment shown
// itself, every other kind as its icon, scaled down to fit keeping its shape.
class AttachmentPreview : public QLabel {
    Q_OBJECT
public:
    explicit AttachmentPreview(QWidget* parent = nullptr);
    // `dataFolder` holds the stored copies, used when the file has moved.
    void showAttachment(const Images& image, const std::string& dataFolder);
    void clear();
    // The icon of a kind of attachment ("PDF", "DOC", ...).
    static QPixmap kindIcon(const std::string& imageType, QSize size);
};

}  // namespace vtl::gui
