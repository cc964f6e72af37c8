#pragma once
// The source form "PO Import Source" over UpdatePOMasterImport, and the item
// editor "Changing an Import Item" over ImportItemEditor.
#include <QDialog>

#include "vtlpoimp/update_po_master_import.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;
class QTabWidget;
class QWidget;

namespace vtl::gui {

class UpdatePOMasterImportView : public QDialog {
    Q_OBJECT
public:
    UpdatePOMasterImportView(imp::UpdatePOMasterImport& form, QWidget* parent = nullptr);
    void accept() override;
    void reject() override;
    QTabWidget* tabs() const { return tabs_; }
    void refresh();

private:
    struct ListControls {
        QTableWidget* list = nullptr;
        std::vector<QPushButton*> buttons;
        QWidget* fileLabel = nullptr;
        QLineEdit* file = nullptr;
        QPushButton* browse = nullptr;
        QCheckBox* titleLine = nullptr;
    };
    QWidget* listTab(imp::Part part, ListControls& c);
    void refreshList(imp::Part part, ListControls& c);

    imp::UpdatePOMasterImport& form_;
    QLineEdit* name_ = nullptr;
    QRadioButton* twoFiles_ = nullptr;
    QRadioButton* oneFile_ = nullptr;
    QRadioButton* comma_ = nullptr;
    QRadioButton* tab_ = nullptr;
    QRadioButton* fixed_ = nullptr;
    QComboBox* dates_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    ListControls header_, detail_;
};

class ImportItemEditorView : public QDialog {
    Q_OBJECT
public:
    ImportItemEditorView(imp::ImportItemEditor& editor, QWidget* parent = nullptr);
    void accept() override;
    void reject() override;

private:
    imp::ImportItemEditor& editor_;
    QComboBox* contents_ = nullptr;
    QSpinBox* length_ = nullptr;
};

}  // namespace vtl::gui
