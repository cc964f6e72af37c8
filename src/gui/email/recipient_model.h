#pragma once
// The recipients of an e-mail as a list: for the choice window a check
// column and the name and address, for the e-mail window the name and
// address, which may be typed over.
#include <QAbstractTableModel>
#include <functional>
#include <string>
#include <vector>

#include "vtlporpt/email/recipients.h"

namespace vtl::gui {

class RecipientModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using Rows = std::function<const std::vector<rpt::Recipient>&()>;
    // Called with the row, 0 for the name or 1 for the address, and the text typed.
    using Edit = std::function<void(int row, int field, const std::string& text)>;

    // `rows` reads the controller's list each time; with `checkColumn` the
    // first column shows the tag; with `edit` the name and address are editable.
    RecipientModel(Rows rows, bool checkColumn, Edit edit = {}, QObject* parent = nullptr);

    // The column of the name (the address follows it).
    int nameColumn() const { return check_ ? 1 : 0; }
    // The list changed under the model (rows added, removed, tags turned).
    void reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    Rows rows_;
    bool check_;
    Edit edit_;
};

}  // namespace vtl::gui
