#pragma once
// UpdateINVendor: the inventory module's small form for one item vendor
// (an item's vendor with the vendor's catalogue number, unit and price).
// The controller holds the record and the rules; the host registers a view
// for it in Session::views. Without a view the form cannot be shown and
// answers Cancelled. Delete needs no window: it asks for confirmation.
#include <string>

#include "platform/suite/globals.h"
#include "platform/suite/session.h"
#include "records/inventory.h"

namespace vtl::siblings {

class UpdateINVendor {
public:
    UpdateINVendor(Session& s, suite::Request request, const INVendor& record);

    suite::Request request() const { return request_; }
    // "Adding an Item Vendor" / "Changing an Item Vendor".
    std::string title() const;
    const INVendor& record() const { return rec_; }

    void setItem(const std::string& itemID) { rec_.ItemID = itemID; }
    void setVendor(ULong vendorID) { rec_.VendorID = vendorID; }
    void setCatalog(const std::string& catalog) { rec_.VendorCatalogID = catalog; }
    void setUnit(const std::string& unit) { rec_.UnitName = unit; }
    // The price as typed; false (price unchanged) when it is not a price.
    bool setPrice(const std::string& typed);
    void setPrice(Decimal<15, 4> price) { rec_.Price = price; }
    static constexpr const char* kPricePicture = "@n-14.4";

    // What the form shows beside the numbers; blank when not on file.
    std::string itemDescription() const;
    std::string vendorName() const;

    // The "..." buttons: pick an item or a vendor; false when cancelled.
    bool lookupItem();
    bool lookupVendor();

    // OK: checks the record (asking the person to correct it) and writes
    // it; true when the window may close.
    bool ok();
    void cancel() { response_ = suite::Response::Cancelled; }
    suite::Response response() const { return response_; }

private:
    bool check();

    Session& s_;
    suite::Request request_;
    INVendor rec_;
    suite::Response response_ = suite::Response::None;
};

// Runs the form (or, for Delete, the confirmation) on `record`; on
// Completed `record` holds what was written.
suite::Response updateINVendor(Session& s, suite::Request request, INVendor& record);

inline constexpr const char* kItemVendorTitle = "Item Vendor";

}  // namespace vtl::siblings
