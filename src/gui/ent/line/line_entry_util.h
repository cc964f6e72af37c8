#pragma once
// Entries sized to the field they edit.
#include <QLineEdit>

namespace vtl::gui {

// An entry that takes at most `chars` characters and is wide enough to show
// them (long texts stop at a width that still fits the window).
inline QLineEdit* sizedEntry(int chars, QWidget* parent, int shownChars = 0) {
    auto* e = new QLineEdit(parent);
    e->setMaxLength(chars);
    const int shown = shownChars > 0 ? shownChars : chars;
    // Codes are mostly capitals and digits, wider than average text.
    e->setFixedWidth(e->fontMetrics().horizontalAdvance(QString(shown, QLatin1Char('X'))) + 16);
    return e;
}

// A right-aligned entry for a number of `chars` characters as its picture shows it.
inline QLineEdit* numberEntry(int chars, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setMaxLength(chars + 4);  // room for a typed sign or separators the picture leaves out
    e->setAlignment(Qt::AlignRight);
    e->setFixedWidth(e->fontMetrics().horizontalAdvance(QString(chars, QLatin1Char('0'))) + 16);
    return e;
}

}  // namespace vtl::gui
