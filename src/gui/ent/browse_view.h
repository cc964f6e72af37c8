#pragma once
// The window of the purchase-order browse (and of the alternate browse): the
// list with its locator and legend, the check boxes and the buttons. Every
// control goes to the controller; after each the window shows the
// controller's list again with the row the controller highlights.
#include <QDialog>
#include <QHash>
#include <optional>
#include <string>

#include "vtlpoent/browse/browse_po_master.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;
class QToolButton;

namespace vtl::gui {

class BrowseModel;
class TotalsLine;

class BrowsePOMasterView : public QDialog {
    Q_OBJECT
public:
    // `placeName` names the settings section that keeps the window's place
    // and size; empty keeps none.
    explicit BrowsePOMasterView(ent::BrowsePOMaster& browse, QWidget* parent = nullptr,
                                const std::string& placeName = {});

    QTableView* list() const { return list_; }
    BrowseModel* model() const { return model_; }
    QLineEdit* locator() const { return locator_; }
    QToolButton* searchButton() const { return search_; }
    // A button by its caption ("&Tag"); the show-tags button, whose caption
    // changes, is showTagsButton().
    QPushButton* button(const QString& caption) const { return buttons_.value(caption); }
    QPushButton* showTagsButton() const { return showTags_; }
    QCheckBox* showFullyReconciledBox() const { return showFull_; }
    QCheckBox* negativeRemainingBox() const { return negative_; }
    QCheckBox* repetitiveInsertBox() const { return reinsert_; }
    QGroupBox* legend() const { return legend_; }
    // The list's right-click menu, and the one of "&Generate POs".
    QMenu* listMenu() const { return listMenu_; }
    QMenu* generateMenu() const { return generateMenu_; }

    // Shows the controller's state again: rows, highlight, captions, boxes.
    void refresh();
    // Clicks on a column header: by it, then descending, then back to the
    // order in force.
    void sortByHeader(int section);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* addButton(const QString& caption, void (ent::BrowsePOMaster::*action)());
    void run(void (ent::BrowsePOMaster::*action)());
    void showHighlight();
    void activateRow();
    void select();
    void layOut();
    void sizeColumns();
    int listWidth() const;

    ent::BrowsePOMaster& browse_;
    BrowseModel* model_ = nullptr;
    QTableView* list_ = nullptr;
    QLineEdit* locator_ = nullptr;
    QToolButton* search_ = nullptr;
    QCheckBox* showFull_ = nullptr;
    QCheckBox* negative_ = nullptr;
    QCheckBox* reinsert_ = nullptr;
    QPushButton* showTags_ = nullptr;
    QPushButton* sendTo_ = nullptr;
    QGroupBox* legend_ = nullptr;
    TotalsLine* totals_ = nullptr;
    QMenu* listMenu_ = nullptr;
    QMenu* generateMenu_ = nullptr;
    QHash<QString, QPushButton*> buttons_;
    std::optional<ent::BrowseColumn> sortColumn_;
    bool sortDescending_ = false;
    bool syncing_ = false;  // the window moves the highlight itself
};

}  // namespace vtl::gui
