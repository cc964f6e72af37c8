#include "siblings/lookups/update_in_vendor.h"

#include "platform/picture/picture.h"
#include "platform/suite/error_object.h"
#include "siblings/lookups/lookups.h"

namespace vtl::siblings {

UpdateINVendor::UpdateINVendor(Session& s, suite::Request request, const INVendor& record)
    : s_(s), request_(request), rec_(record) {}

std::string UpdateINVendor::title() const {
    return request_ == suite::Request::Insert ? "Adding an Item Vendor" : "Changing an Item Vendor";
}

bool UpdateINVendor::setPrice(const std::string& typed) {
    auto price = pic::cached(kPricePicture).deformatDecimal<15, 4>(typed);
    if (!price) return false;
    rec_.Price = *price;
    return true;
}

std::string UpdateINVendor::itemDescription() const {
    INMaster m;
    m.ItemID = rec_.ItemID;
    return store::Table<INMaster>(s_.store).fetch(INMaster::KeyItemID, m) ? m.Description.clip() : std::string();
}

std::string UpdateINVendor::vendorName() const {
    APVendor v;
    v.VendorID = rec_.VendorID;
    return store::Table<APVendor>(s_.store).fetch(APVendor::KeyVendorID, v) ? v.VendorName.clip() : std::string();
}

bool UpdateINVendor::lookupItem() {
    auto m = browseINMaster(s_, rec_.ItemID.clip());
    if (!m) return false;
    rec_.ItemID = m->ItemID;
    return true;
}

bool UpdateINVendor::lookupVendor() {
    auto v = browseAPVendor(s_, rec_.VendorID ? std::to_string(rec_.VendorID) : std::string());
    if (!v) return false;
    rec_.VendorID = v->VendorID;
    if (rec_.UnitName.blank()) {
        INMaster m;
        m.ItemID = rec_.ItemID;
        if (store::Table<INMaster>(s_.store).fetch(INMaster::KeyItemID, m)) rec_.UnitName = m.StockUnit;
    }
    return true;
}

bool UpdateINVendor::check() {
    INMaster m;
    m.ItemID = rec_.ItemID;
    if (rec_.ItemID.blank() || !store::Table<INMaster>(s_.store).fetch(INMaster::KeyItemID, m)) {
        s_.ui.tell("Please select an inventory item.", kItemVendorTitle, ui::Icon::Exclamation);
        return false;
    }
    APVendor v;
    v.VendorID = rec_.VendorID;
    if (rec_.VendorID == 0 || !store::Table<APVendor>(s_.store).fetch(APVendor::KeyVendorID, v)) {
        s_.ui.tell("Please select a vendor.", kItemVendorTitle, ui::Icon::Exclamation);
        return false;
    }
    // One entry per vendor of an item.
    INVendor other;
    other.ItemID = rec_.ItemID;
    other.VendorID = rec_.VendorID;
    auto cursor = store::Table<INVendor>(s_.store).scan(INVendor::KeyItemVendor, other, store::ScanFrom{false, 2});
    while (cursor.next(other)) {
        if (other.RecordID != rec_.RecordID) {
            s_.ui.tell("This vendor is already listed for this item.", kItemVendorTitle, ui::Icon::Exclamation);
            return false;
        }
    }
    return true;
}

bool UpdateINVendor::ok() {
    suite::ProcedureName name(s_.errors, "UpdateINVendor");
    if (!check()) return false;
    store::Table<INVendor> table(s_.store);
    if (request_ == suite::Request::Insert) {
        rec_.RecordID = 0;
        rec_.rowId_ = 0;
        if (!s_.errors.check(table.insert(rec_))) return false;
    } else {
        // The form may have been handed a buffer read elsewhere: find its row.
        INVendor stored;
        stored.RecordID = rec_.RecordID;
        if (!table.fetch(INVendor::KeyRecordID, stored)) {
            s_.errors.report("The item vendor is no longer on file.");
            response_ = suite::Response::Cancelled;
            return true;
        }
        rec_.rowId_ = stored.rowId_;
        if (!s_.errors.check(table.update(rec_))) return false;
    }
    response_ = suite::Response::Completed;
    return true;
}

suite::Response updateINVendor(Session& s, suite::Request request, INVendor& record) {
    suite::ProcedureName name(s.errors, "UpdateINVendor");
    if (request == suite::Request::Delete) {
        if (s.ui.ask("Are you sure you want to delete this item vendor?", "Confirm Delete", "&Yes|&No",
                     ui::Icon::Warning, 2) != 1)
            return suite::Response::Cancelled;
        store::Table<INVendor> table(s.store);
        INVendor stored;
        stored.RecordID = record.RecordID;
        if (!table.fetch(INVendor::KeyRecordID, stored)) return suite::Response::Cancelled;
        return s.errors.check(table.remove(stored)) ? suite::Response::Completed : suite::Response::Cancelled;
    }
    UpdateINVendor form(s, request, record);
    if (!s.views.run(form)) return suite::Response::Cancelled;
    if (form.response() == suite::Response::Completed) record = form.record();
    return form.response() == suite::Response::Completed ? suite::Response::Completed : suite::Response::Cancelled;
}

}  // namespace vtl::siblings
