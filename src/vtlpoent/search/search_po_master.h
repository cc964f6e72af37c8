#pragma once
// SearchPOMaster: finds a purchase order by its number, its vendor's number
// or (by likeness) its vendor's name, and hands the chosen order back to the
// window that opened it, with the "show fully reconciled" choice.
#include <string>
#include <vector>

#include "platform/suite/session.h"
#include "records/records.h"

namespace vtl::ent {

enum class SearchBy { PONumber = 0, VendorID = 1, VendorName = 2 };

struct FoundOrder {
    ULong poid = 0;
    std::string poNumber, vendorId, vendorName, issueDate, amount;
    Byte reconciled = 0;
    int score = 100;  // likeness of the vendor name, for name searches
};

class SearchPOMaster {
public:
    static constexpr const char* kTitle = "Search Purchase Orders";
    static constexpr std::size_t kMaxFound = 500;

    explicit SearchPOMaster(Session& session);

    SearchBy by() const { return by_; }
    void setBy(SearchBy by) { by_ = by; }
    const std::string& text() const { return text_; }
    void setText(const std::string& text) { text_ = text; }
    bool showFullyReconciled() const { return showFull_; }
    void setShowFullyReconciled(bool on) { showFull_ = on; }

    // Runs the search; the orders found, best first.
    const std::vector<FoundOrder>& find();
    const std::vector<FoundOrder>& found() const { return found_; }

    // Hands the order back and ends the window.
    void choose(std::size_t index);
    void cancel();
    bool chosen() const { return chosen_; }

private:
    bool wanted(const POMaster& po) const { return showFull_ || po.Reconciled < 2; }
    FoundOrder describe(const POMaster& po, const std::string& vendorName, int score) const;

    Session& session_;
    SearchBy by_ = SearchBy::PONumber;
    std::string text_;
    bool showFull_ = false;
    std::vector<FoundOrder> found_;
    bool chosen_ = false;
};

}  // namespace vtl::ent
