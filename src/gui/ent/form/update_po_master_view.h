#pragma once
// The window of the purchase-order form: the Vendor Information, Ship To and
// Miscellaneous groups, the totals, and the tabs of lines, reconciliation,
// attachments and notes. Every control goes to the controller; after each
// the window shows the controller's state again and puts the focus where a
// rule sent it.
#include <QDialog>
#include <QHash>
#include <QSet>
#include <functional>
#include <string>

#include "platform/suite/auto_entry.h"
#include "vtlpoent/form/update_po_master.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class QToolButton;

namespace vtl::gui {

class AttachmentPreview;
class DateEntry;
class TableModel;

class UpdatePOMasterView : public QDialog {
    Q_OBJECT
public:
    // `autoEntry` offers earlier entries (none when null).
    UpdatePOMasterView(ent::UpdatePOMaster& form, suite::AutoEntryStore* autoEntry, QWidget* parent = nullptr);

    // The entries by the names of their fields ("EnteredVendor", "Terms",
    // "PONumber", "DefaultJob", "PreparedBy", "FOB", "ShipVia", "ShipToJob",
    // "ShipToVendor", "ShipToCustomer", "TaxRate", "TaxAmount").
    QLineEdit* entry(const QString& field) const { return entries_.value(field); }
    DateEntry* dateEntry(const QString& field) const { return dates_.value(field); }
    // A button by its caption, as shown ("&Insert" of the lines tab is
    // "Lines:&Insert", of the attachments "Attachments:&Insert", of the
    // notes "Notes:&Insert"; likewise Change and Delete).
    QPushButton* button(const QString& caption) const { return buttons_.value(caption); }
    QComboBox* vendorNames() const { return vendorNames_; }
    QComboBox* shipToType() const { return shipToType_; }
    QComboBox* province() const { return province_; }
    QComboBox* purchasingAgent() const { return agent_; }
    QCheckBox* taxableBox() const { return taxable_; }
    QCheckBox* gstBox() const { return gst_; }
    QCheckBox* pstBox() const { return pst_; }
    QGroupBox* totals() const { return totals_; }
    QGroupBox* canadianTotals() const { return canadianTotals_; }
    QTabWidget* tabs() const { return tabs_; }
    QTableView* lines() const { return lines_; }
    QTableView* reconciliation() const { return reconciliation_; }
    QTableView* attachments() const { return attachments_; }
    QTableView* notes() const { return notes_; }
    AttachmentPreview* preview() const { return preview_; }
    // The shown text of a display-only value ("VendorPhone", "VendorFax",
    // "ShipToName", "ShipToAddress1", "ShipToAddress2", "CityStateZip",
    // "Subtotal", "Total", "CanSubtotal", "GST", "PST", "CanTotal", "GSTPrompt").
    QLabel* shown(const QString& name) const { return labels_.value(name); }
    const QSet<ULong>& taggedNotes() const { return taggedNotes_; }

    // Shows the controller's state again.
    void refresh();
    // OK keeps the window open while a rule holds it (or to take the next
    // order); Cancel and closing the window cancel the form.
    void done(int result) override;
    // Files dropped while the Attachments tab is up.
    void dropPaths(const QStringList& paths);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Enter in an entry accepts that entry and moves on; never the whole form.
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // building
    QWidget* buildVendorGroup();
    QWidget* buildShipToGroup();
    QWidget* buildMiscGroup();
    QWidget* buildTotals();
    QWidget* buildLinesTab();
    QWidget* buildReconciliationTab();
    QWidget* buildAttachmentsTab();
    QWidget* buildNotesTab();
    QLineEdit* addEntry(const QString& field, int maxLength, int widthChars);
    QLabel* addShown(const QString& name);
    QPushButton* addButton(const QString& key, const QString& caption, std::function<void()> action);
    QToolButton* lookupButton(std::function<void()> action);
    // An entry's accepted text goes to `accept` once per change.
    void onAccepted(QLineEdit* e, std::function<void(const std::string&)> accept);
    void caseMenuOn(QLineEdit* e, const char* field);

    // showing
    void showHeader();
    void showTotals();
    void showLines();
    void showTabs();
    void showAttachments(int selectRow = -1);
    void showNotes();
    void showPreview();
    void placeFocus();
    void act(const std::function<void()>& action);

    // acting
    void acceptVendor(const std::string& typed);
    void openVendorList();
    void tagNote(int row, int how);  // how: 1 tag, 0 untag, -1 toggle

    ent::UpdatePOMaster& form_;
    suite::AutoEntryStore* autoEntry_;
    bool refreshing_ = false;
    bool ruleMovedFocus_ = false;  // set when a rule put the focus on an entry
    QHash<QString, QLineEdit*> entries_;
    QHash<QString, DateEntry*> dates_;
    QHash<QString, QPushButton*> buttons_;
    QHash<QString, QLabel*> labels_;
    QHash<QString, QWidget*> rows_;  // a prompt and its entry, shown or hidden together
    QComboBox* vendorNames_ = nullptr;
    QToolButton* vendorLookup_ = nullptr;
    std::vector<QToolButton*> lookups_;
    QComboBox* shipToType_ = nullptr;
    QComboBox* province_ = nullptr;
    QComboBox* agent_ = nullptr;
    QCheckBox* taxable_ = nullptr;
    QCheckBox* gst_ = nullptr;
    QCheckBox* pst_ = nullptr;
    QGroupBox* totals_ = nullptr;
    QGroupBox* canadianTotals_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QWidget* linesTab_ = nullptr;
    QWidget* reconciliationTab_ = nullptr;
    QWidget* attachmentsTab_ = nullptr;
    QWidget* notesTab_ = nullptr;
    QTableView* lines_ = nullptr;
    TableModel* linesModel_ = nullptr;
    QTableView* reconciliation_ = nullptr;
    TableModel* reconciliationModel_ = nullptr;
    QTableView* attachments_ = nullptr;
    TableModel* attachmentsModel_ = nullptr;
    AttachmentPreview* preview_ = nullptr;
    QTableView* notes_ = nullptr;
    TableModel* notesModel_ = nullptr;
    std::vector<Images> shownImages_;  // the attachments as listed
    std::vector<ULong> noteIds_;
    QSet<ULong> taggedNotes_;
};

}  // namespace vtl::gui
