#pragma once
// The library of standard texts and the form of one text.
#include <QDialog>

#include "gui/siblings/list_dialog.h"
#include "siblings/services/text_library.h"

class QLineEdit;
class QPlainTextEdit;

namespace vtl::gui {

class LibraryTextForm : public QDialog {
    Q_OBJECT
public:
    LibraryTextForm(const QString& title, const services::LibraryText& text, QWidget* parent = nullptr);
    services::LibraryText text() const;

private:
    QLineEdit* name_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
};

class TextLibraryView : public ListDialog {
    Q_OBJECT
public:
    explicit TextLibraryView(services::BrowseText& library, QWidget* parent = nullptr);

    void insertText();
    void changeText();
    void deleteText();
    void selectText();

private:
    void refresh();

    services::BrowseText& library_;
};

}  // namespace vtl::gui
