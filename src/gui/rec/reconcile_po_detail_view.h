#pragma once
// The window "Reconciling Purchase Order Detail": one line's quantities with
// the one entered on this packing slip, where a stock line's goods go, and
// the serial numbers of a serialized item (a list for several units, one
// entry for a single unit).
#include <QDialog>
#include <QHash>
#include <functional>
#include <optional>
#include <string>

#include "vtlporec/reconcile_po_detail.h"

class QFormLayout;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QToolButton;

namespace vtl::gui {

class TableModel;

class ReconcilePODetailView : public QDialog {
    Q_OBJECT
public:
    explicit ReconcilePODetailView(rec::ReconcilePODetail& form, QWidget* parent = nullptr);

    // A shown value by name ("ItemID", "Description", "Distribution1",
    // "QtyOrdered", "QtyInvoiced", "QtyRcvdNotInvoiced", "LocationDescription" ...).
    QLabel* shown(const QString& name) const { return labels_.value(name); }
    // An entry by field name ("QtyThisPackSlip", "LocationID", "BinID", "SerialNo").
    QLineEdit* entry(const QString& field) const { return entries_.value(field); }
    QWidget* distribution() const { return distribution_; }
    QWidget* stockPlace() const { return stockPlace_; }
    QToolButton* locationLookup() const { return locationLookup_; }
    QToolButton* binLookup() const { return binLookup_; }
    QGroupBox* serialList() const { return serialGroup_; }
    QTableView* serials() const { return serials_; }
    QWidget* serialEntry() const { return serialRow_; }
    QPushButton* insertButton() const { return insert_; }
    QPushButton* changeButton() const { return change_; }
    QPushButton* deleteButton() const { return delete_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* helpButton() const { return help_; }

    void refresh();
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void addPlaceRows();
    QWidget* buildQuantities();
    QWidget* buildSerials();
    QLabel* addShown(const QString& name, bool number = false);
    QLineEdit* addEntry(const QString& field, int maxLength, int widthChars);
    QToolButton* lookupButton(QLineEdit* entry, bool (rec::ReconcilePODetail::*lookup)());
    void onAccepted(QLineEdit* e, std::function<void(const QString&)> accept);
    // Hands over what is still being typed, as leaving the entry would.
    void commitPending();
    void act(const std::function<void()>& action);
    void acceptQuantity(const QString& typed);
    void insertSerial();
    void changeSerial();
    void deleteSerial();
    int currentSerial() const;

    rec::ReconcilePODetail& form_;
    QHash<QString, QLabel*> labels_;
    QHash<QString, QLineEdit*> entries_;
    QFormLayout* itemForm_ = nullptr;
    QWidget* distribution_ = nullptr;
    QWidget* stockPlace_ = nullptr;  // the location's row; the bin's follows it
    QWidget* binRow_ = nullptr;
    QToolButton* locationLookup_ = nullptr;
    QToolButton* binLookup_ = nullptr;
    QGroupBox* serialGroup_ = nullptr;
    QTableView* serials_ = nullptr;
    TableModel* serialModel_ = nullptr;
    QWidget* serialRow_ = nullptr;
    QPushButton* insert_ = nullptr;
    QPushButton* change_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* help_ = nullptr;
    bool refreshing_ = false;
};

// Asks for one serial number (at most 40 characters) in a small window
// titled `title`; empty when cancelled.
std::optional<std::string> askSerialNumber(QWidget* parent, const QString& title, const QString& initial);

}  // namespace vtl::gui
