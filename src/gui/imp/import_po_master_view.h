#pragma once
// The windows of the import: "Import Purchase Orders" over ImportPOMaster,
// and the error list "Errors Were Encountered" over BrowseErrQue.
#include <QDialog>

#include "vtlpoimp/import_po_master.h"

class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableView;
class QLabel;

namespace vtl::gui {

class PreviewModel;

class ImportPOMasterView : public QDialog {
    Q_OBJECT
public:
    ImportPOMasterView(imp::ImportPOMaster& w, QWidget* parent = nullptr);

    QListWidget* sourceList() const { return sources_; }
    QTableView* previewList() const { return preview_; }
    QPushButton* previewButton() const { return previewButton_; }
    QPushButton* importButton() const { return importButton_; }
    QProgressBar* progressBar() const { return bar_; }
    void refresh();

private:
    void progress(int percent);

    imp::ImportPOMaster& w_;
    QListWidget* sources_ = nullptr;
    QLineEdit* locator_ = nullptr;
    QTableView* preview_ = nullptr;
    PreviewModel* model_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QLabel* barText_ = nullptr;
    QPushButton* previewButton_ = nullptr;
    QPushButton* importButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    bool busy_ = false;
};

class BrowseErrQueView : public QDialog {
    Q_OBJECT
public:
    BrowseErrQueView(imp::BrowseErrQue& q, QWidget* parent = nullptr);
    void reject() override;

private:
    imp::BrowseErrQue& q_;
};

}  // namespace vtl::gui
