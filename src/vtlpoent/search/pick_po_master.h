#pragma once
// PickPOMaster: a pick list of purchase orders by PO number or by vendor.
// Selecting hands the order's number back in DecimalVariable; the list can
// also delete an order, with the shorter posting of a pick list.
#include <optional>
#include <string>
#include <vector>

#include "platform/suite/session.h"
#include "records/records.h"
#include "vtlpoent/posting.h"

namespace vtl::ent {

class PickPOMaster {
public:
    static constexpr const char* kTitle = "Select a Purchase Order";
    enum class Order { ByPONumber = 0, ByVendorID = 1 };

    explicit PickPOMaster(Session& session);

    void open();
    Order order() const { return order_; }
    void setOrder(Order o);
    bool showFullyReconciled() const { return showFull_; }
    void setShowFullyReconciled(bool on);

    struct Row {
        ULong poid = 0;
        std::string poNumber, vendorId, vendorName, issueDate, amount;
    };
    const std::vector<Row>& rows() const { return rows_; }
    std::size_t highlighted() const { return highlight_; }
    void highlight(std::size_t i) { highlight_ = rows_.empty() ? 0 : std::min(i, rows_.size() - 1); }
    void locate(const std::string& typed);

    void select();
    void cancel();
    bool selected() const { return selected_; }
    void deleteHighlighted();

private:
    void load();

    Session& session_;
    Poster poster_;
    Order order_ = Order::ByPONumber;
    bool showFull_ = false;
    std::vector<Row> rows_;
    std::size_t highlight_ = 0;
    bool selected_ = false;
};

// The PO number of the order the person picks from the pick list
// ("PickPOMaster", called by name); nullopt when nothing was picked.
std::optional<std::string> pickPONumber(Session& s);

// A PO number typed into a range entry: the typed number when it is on
// file or blank, else the one picked from the pick list; nullopt when a
// number not on file was typed and nothing was picked.
std::optional<std::string> typedPONumber(Session& s, const std::string& typed);

}  // namespace vtl::ent
