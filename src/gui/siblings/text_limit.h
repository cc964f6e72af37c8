#pragma once
// Small helpers of the service windows: dates between the module and Qt,
// and a text box held to the length of its field.
#include <QDate>

#include "platform/types/date.h"

class QPlainTextEdit;

namespace vtl::gui {

QDate toQDate(Date d);
// No date for an invalid QDate.
Date fromQDate(const QDate& d);

// Keeps a multi-line text box to at most `length` characters.
void limitText(QPlainTextEdit* edit, int length);

}  // namespace vtl::gui
