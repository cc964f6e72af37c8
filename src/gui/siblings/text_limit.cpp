#include "gui/siblings/text_limit.h"

#include <QPlainTextEdit>
#include <QTextCursor>

namespace vtl::gui {

QDate toQDate(Date d) { return d.isNull() ? QDate::currentDate() : QDate(d.year(), d.month(), d.day()); }

Date fromQDate(const QDate& d) { return d.isValid() ? Date::fromYmd(d.year(), d.month(), d.day()) : Date(); }

void limitText(QPlainTextEdit* edit, int length) {
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit, length] {
        const QString text = edit->toPlainText();
        if (text.size() <= length) return;
        QTextCursor cursor = edit->textCursor();
        const int position = std::min(cursor.position(), length);
        edit->setPlainText(text.left(length));
        cursor = edit->textCursor();
        cursor.setPosition(position);
        edit->setTextCursor(cursor);
    });
}

}  // namespace vtl::gui
