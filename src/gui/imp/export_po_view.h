#pragma once
// The window "Purchase Order Export" over ExportPO.
#include <QDialog>

#include "vtlpoimp/export_po_window.h"

class QCheckBox;
class QLineEdit;

namespace vtl::gui {

class ExportPOView : public QDialog {
    Q_OBJECT
public:
    ExportPOView(imp::ExportPO& w, QWidget* parent = nullptr);
    void accept() override;
    void reject() override;

private:
    imp::ExportPO& w_;
    QLineEdit* file_ = nullptr;
    QCheckBox* preview_ = nullptr;
};

}  // namespace vtl::gui
