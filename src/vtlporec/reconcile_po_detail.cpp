#include "vtlporec/reconcile_po_detail.h"

#include <cmath>

#include "platform/suite/error_object.h"
#include "siblings/services/help_topic.h"
#include "siblings/lookups/lookups.h"
#include "records/running_figures.h"
#include "vtlpoent/posting.h"

namespace vtl::rec {

void ReconcilePODetail::help() { services::openHelp(s_, kHelpTopic); }
namespace {

// Quantities of a packing slip are taken to 2 decimals.
Quantity twoPlaces(const Quantity& q) { return Quantity::fromDouble(Money::fromDouble(q.toDouble()).toDouble()); }

std::string count(const Quantity& q) {
    std::string s = q.toString();
    if (s.find('.') != std::string::npos) {
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.') s.pop_back();
    }
    return s;
}

}  // namespace

bool ReconcilePODetail::open() {
    const auto request = s_.globals.GlobalRequest;
    if (request != suite::Request::Change && request != suite::Request::View) {
        s_.errors.report("A purchase-order line is reconciled by changing it; it cannot be added or deleted here.");
        s_.globals.GlobalResponse = suite::Response::Cancelled;
        return false;
    }
    viewOnly_ = request == suite::Request::View;
    line_ = PODetail();
    line_.DetailID = static_cast<ULong>(s_.globals.DecimalVariable);
    if (!store::Table<PODetail>(s_.store).fetch(PODetail::KeyDetailID, line_)) {
        s_.globals.GlobalResponse = suite::Response::Cancelled;
        return false;
    }
    item_ = INMaster();
    item_.ItemID = line_.ItemID;
    const bool itemFound = !line_.ItemID.blank() && store::Table<INMaster>(s_.store).fetch(INMaster::KeyItemID, item_);
    serialized_ = itemFound && item_.Serialized != 0;

    dist1_.clear();
    dist2_.clear();
    const std::string type = line_.DetailType.clip();
    if (type == "G/L Account") {
        GLMaster g;
        g.Account = line_.Account;
        if (store::Table<GLMaster>(s_.store).fetch(GLMaster::KeyAccount, g))
            dist1_ = "Account " + line_.Account.clip() + " (" + g.Description.clip() + ")";
    } else if (type == "Job") {
        JCHeader j;
        j.JobID = line_.JobID;
        store::Table<JCHeader>(s_.store).fetch(JCHeader::KeyJobID, j);
        JCCost c;
        c.RecordID = ent::costRecordKey(line_.JobID.str(), line_.CostCode.str(), s_.globals.CostCodeLen);
        if (store::Table<JCCost>(s_.store).fetch(JCCost::KeyRecordID, c)) {
            dist1_ = "Job " + line_.JobID.clip() + " (" + j.JobName.clip() + ")";
            dist2_ = "Cost Code " + line_.CostCode.clip() + " (" + c.Description.clip() + ")";
        }
    } else if (type == "Equipment") {
        EQHeader e;
        e.EquipmentID = line_.EquipmentID;
        store::Table<EQHeader>(s_.store).fetch(EQHeader::KeyEquipmentID, e);
        EQCost c;
        c.EquipmentID = line_.EquipmentID;
        c.CostCategory = line_.CostCategory;
        if (store::Table<EQCost>(s_.store).fetch(EQCost::KeyEquipCategory, c)) {
            dist1_ = "Equipment " + line_.EquipmentID.clip() + " (" + e.EquipmentName.clip() + ")";
            dist2_ = "Cost Category " + line_.CostCategory.clip() + " (" + c.Description.clip() + ")";
        }
    } else if (type == "Inventory") {
        if (line_.LocationID.blank()) line_.LocationID = item_.DefaultLocation;
        if (line_.BinID.blank()) line_.BinID = item_.DefaultBin;
    }
    opening_ = twoPlaces(line_.QtyThisPackSlip);
    serials_.clear();
    PODetSer r;
    r.DetailID = line_.DetailID;
    for (auto c = store::Table<PODetSer>(s_.store).scan(PODetSer::KeyDetailID, r, {false, 1, false}); c.next(r);)
        serials_.push_back(r);
    serialNo_.clear();
    if (line_.SerialID) {
        INSerial serial;
        serial.SerialID = line_.SerialID;
        if (store::Table<INSerial>(s_.store).fetch(INSerial::KeySerialID, serial)) serialNo_ = serial.SerialNo.clip();
    }
    return true;
}

const std::vector<PODetSer>& ReconcilePODetail::serialRecords() const { return serials_; }

std::vector<std::string> ReconcilePODetail::serials() const {
    std::vector<std::string> out;
    for (const PODetSer& r : serialRecords()) out.push_back(r.SerialNo.clip());
    return out;
}

bool ReconcilePODetail::insertSerial(const std::string& serialNo) {
    if (viewOnly_ || !serialListShown()) return false;
    PODetSer r;
    r.DetailID = line_.DetailID;
    r.SerialNo = serialNo;
    serials_.push_back(r);
    return true;
}

bool ReconcilePODetail::changeSerial(int row, const std::string& serialNo) {
    if (viewOnly_ || row < 0 || row >= static_cast<int>(serials_.size())) return false;
    serials_[static_cast<std::size_t>(row)].SerialNo = serialNo;
    return true;
}

bool ReconcilePODetail::deleteSerial(int row) {
    if (viewOnly_ || row < 0 || row >= static_cast<int>(serials_.size())) return false;
    serials_.erase(serials_.begin() + row);
    return true;
}

bool ReconcilePODetail::writeSerialList() {
    store::Table<PODetSer> table(s_.store);
    PODetSer r;
    r.DetailID = line_.DetailID;
    std::vector<PODetSer> onFile;
    for (auto c = table.scan(PODetSer::KeyDetailID, r, {false, 1, false}); c.next(r);) onFile.push_back(r);
    auto listed = [&](const PODetSer& old) {
        for (const PODetSer& s : serials_)
            if (s.RecordID != 0 && s.RecordID == old.RecordID) return &s;
        return static_cast<const PODetSer*>(nullptr);
    };
    for (PODetSer& old : onFile) {
        const PODetSer* now = listed(old);
        if (!now) kept(table.remove(old));
        else if (now->SerialNo != old.SerialNo || now->SerialID != old.SerialID) kept(table.update(*now));
    }
    for (PODetSer& added : serials_)
        if (added.RecordID == 0) kept(table.insert(added));
    return !writeFailed_;
}

void ReconcilePODetail::setQtyThisPackSlip(const Quantity& q) {
    if (viewOnly_) return;
    line_.QtyThisPackSlip = q;
    if (!serialized_) return;
    if (q > Quantity(1)) {
        line_.SerialID = 0;
    } else if (q == Quantity(1)) {
        line_.SerialID = 0;
        // Back to one unit: the listed serial numbers go (at OK), the first
        // one becoming the line's when it is the only unit received at all.
        if (!serials_.empty() && line_.QtyRcvdNotInvoiced + line_.QtyThisPackSlip == Quantity(1))
            line_.SerialID = serials_.front().SerialID;
        serials_.clear();
    }
}

bool ReconcilePODetail::setLocation(const std::string& location) {
    INLoc l;
    l.LocationID = location;
    if (!location.empty() && !store::Table<INLoc>(s_.store).fetch(INLoc::KeyLocationID, l)) return lookupLocation();
    line_.LocationID = location;
    return true;
}

bool ReconcilePODetail::setBin(const std::string& bin) {
    INBin b;
    b.LocationID = line_.LocationID;
    b.BinID = bin;
    if (!bin.empty() && !store::Table<INBin>(s_.store).fetch(INBin::KeyLocationBin, b)) return lookupBin();
    line_.BinID = bin;
    return true;
}

bool ReconcilePODetail::lookupLocation() {
    if (viewOnly_) return false;
    s_.globals.JobField = line_.LocationID.clip();
    auto chosen = siblings::browseINLoc(s_, line_.LocationID.clip());
    if (!chosen) return false;
    line_.LocationID = chosen->LocationID;
    return true;
}

bool ReconcilePODetail::lookupBin() {
    if (viewOnly_) return false;
    // The bin list keeps to the location in hand.
    s_.globals.JobField = line_.LocationID.clip();
    auto chosen = siblings::browseINBin(s_, line_.LocationID.clip(), line_.BinID.clip());
    if (!chosen) return false;
    line_.BinID = chosen->BinID;
    return true;
}

std::string ReconcilePODetail::locationDescription() const {
    INLoc l;
    l.LocationID = line_.LocationID;
    return store::Table<INLoc>(s_.store).fetch(INLoc::KeyLocationID, l) ? l.Description.clip() : std::string();
}

std::string ReconcilePODetail::binDescription() const {
    INBin b;
    b.LocationID = line_.LocationID;
    b.BinID = line_.BinID;
    return store::Table<INBin>(s_.store).fetch(INBin::KeyLocationBin, b) ? b.Description.clip() : std::string();
}

bool ReconcilePODetail::kept(const store::Status& status) {
    if (s_.errors.check(status)) return true;
    writeFailed_ = true;
    return false;
}

bool ReconcilePODetail::checkSerials() {
    if (!serialized_) return true;
    const Quantity n = line_.QtyRcvdNotInvoiced + line_.QtyThisPackSlip;
    if (n > Quantity(1)) {
        const Quantity have(static_cast<std::int64_t>(serials_.size()));
        if (have != n) {
            s_.ui.beep();
            if (have > n)
                s_.ui.tell("You must supply only one serial number for each of the " + count(n) + " units received.",
                           "Too Many Serial Numbers");
            else
                s_.ui.tell("You must supply one serial number for each of the " + count(n) + " units received.",
                           "Not Enough Serial Numbers");
            return false;
        }
        // Each listed number is tied to its inventory serial record.
        store::Table<INSerial> serials(s_.store);
        store::Table<PODetSer> table(s_.store);
        for (PODetSer& r : serials_) {
            INSerial serial;
            serial.SerialID = r.SerialID;
            const bool found = r.SerialID && serials.fetch(INSerial::KeySerialID, serial);
            serial.SerialNo = r.SerialNo;
            if (!found) {
                serial.SerialID = 0;
                if (!serials.insert(serial)) {
                    s_.errors.report("Error Adding INSerial");
                    writeFailed_ = true;
                    continue;
                }
            } else {
                kept(serials.update(serial));
            }
            if (r.SerialID != serial.SerialID) {
                r.SerialID = serial.SerialID;
                kept(table.update(r));
            }
        }
        return true;
    }
    if (n == Quantity(1)) {
        if (std::string(serialNo_).find_first_not_of(' ') == std::string::npos) {
            s_.ui.beep();
            s_.ui.tell("You must supply a serial number for serialized inventory.", "No Serial Number");
            focus_ = "SerialNo";
            return false;
        }
        INSerial serial;
        bool found = false;
        for (auto c = store::Table<INSerial>(s_.store).all(INSerial::KeySerialID); c.next(serial);)
            if (serial.SerialNo.clip() == Text<40>(serialNo_).clip()) {
                found = true;
                break;
            }
        if (!found) {
            serial = INSerial();
            serial.SerialNo = serialNo_;
            if (!kept(store::Table<INSerial>(s_.store).insert(serial))) return true;
        }
        line_.SerialID = serial.SerialID;
        return true;
    }
    line_.SerialID = 0;
    return true;
}

double ReconcilePODetail::conversionFactor() const {
    if (line_.UnitName.clip() == item_.StockUnit.clip()) return 1.0;
    INCnvrt c;
    c.ItemID = line_.ItemID;
    c.UnitName = line_.UnitName;
    if (store::Table<INCnvrt>(s_.store).fetch(INCnvrt::KeyItemUnit, c) && c.Factor != 0) return c.Factor;
    return 1.0;
}

// The stock of the bin, the item's totals and the line's purchase record
// move by what this confirmation changed.
void ReconcilePODetail::postStock(const Quantity& delta) {
    const double f = conversionFactor();
    const Quantity stock = Quantity::fromDouble(delta.toDouble() * f);
    if (!delta.isZero()) {
        // The bin's stock moves by the change only. The bin may hold stock of
        // other receipts, so its record is never removed here, and a new one
        // starts from the change alone.
        store::Table<INItem> places(s_.store);
        INItem place;
        place.ItemID = line_.ItemID;
        place.LocationID = line_.LocationID;
        place.BinID = line_.BinID;
        if (places.fetch(INItem::KeyItemLocBin, place)) {
            place.Quantity += stock;
            kept(places.update(place));
        } else {
            place.RecordID = 0;
            place.Quantity = stock;
            kept(places.insert(place));
        }
        INMaster item;
        item.ItemID = line_.ItemID;
        if (store::Table<INMaster>(s_.store).fetch(INMaster::KeyItemID, item)) {
            item.OnHand += stock;
            item.TotalReceived += stock;
            kept(store::Table<INMaster>(s_.store).update(item));
        }
    }
    if (delta > Quantity(1) && serialized_) perSerialPurchases();
    else purchaseRecords(f);
}

void ReconcilePODetail::purchaseRecords(double factor) {
    // Serialized units received more than one at a time have a record per
    // serial number; taken for the line's one record, the first of them
    // would lose its serial number to the line's total.
    if (serialized_ && line_.QtyThisPackSlip + line_.QtyRcvdNotInvoiced > Quantity(1)) {
        perSerialPurchases();
        return;
    }
    store::Table<INPurch> purchases(s_.store);
    INPurch p;
    p.PODetailID = line_.DetailID;
    const bool found = purchases.fetch(INPurch::KeyPODetailID, p);
    // The line's record holds all it has received: this slip and the earlier
    // ones. (The change since the form opened would count a second
    // confirmation within one slip from the wrong base.)
    const Quantity received = line_.QtyThisPackSlip + line_.QtyRcvdNotInvoiced;
    if (received.isZero()) {
        if (found) kept(purchases.remove(p));
        return;
    }
    p.ItemID = line_.ItemID;
    p.UnitName = line_.UnitName.clip();
    p.UnitPrice = line_.UnitPrice;
    p.SerialID = line_.SerialID;
    p.LocationID = line_.LocationID;
    p.BinID = line_.BinID;
    p.Quantity = Quantity::fromDouble(received.toDouble() * factor);
    p.Cost = Decimal<15, 4>::fromDouble(received.toDouble() * line_.UnitPrice);
    p.PODetailID = line_.DetailID;
    if (found) kept(purchases.update(p));
    else {
        p.RecordID = 0;
        kept(purchases.insert(p));
    }
}

void ReconcilePODetail::perSerialPurchases() {
    store::Table<INPurch> purchases(s_.store);
    std::vector<INPurch> ofLine;
    INPurch p;
    p.PODetailID = line_.DetailID;
    for (auto c = purchases.scan(INPurch::KeyPODetailID, p, {false, 1, false}); c.next(p);) ofLine.push_back(p);
    for (const PODetSer& r : serialRecords()) {
        bool any = false;
        for (INPurch& existing : ofLine) {
            if (existing.SerialID != r.SerialID) continue;
            any = true;
            existing.Cost = Decimal<15, 4>::fromDouble(line_.UnitPrice);
            kept(purchases.update(existing));
        }
        if (any) continue;
        INPurch added;
        added.ItemID = line_.ItemID;
        added.UnitName = line_.UnitName.clip();
        added.UnitPrice = line_.UnitPrice;
        added.SerialID = r.SerialID;
        added.LocationID = line_.LocationID;
        added.BinID = line_.BinID;
        added.Quantity = Quantity(1);
        added.Cost = Decimal<15, 4>::fromDouble(line_.UnitPrice);
        added.PODetailID = line_.DetailID;
        kept(purchases.insert(added));
    }
    // A serial number taken off the list takes its purchase record with it.
    for (INPurch& old : ofLine) {
        bool listed = false;
        for (const PODetSer& r : serialRecords()) listed = listed || r.SerialID == old.SerialID;
        if (!listed && old.SerialID != 0) kept(purchases.remove(old));
    }
}

bool ReconcilePODetail::ok() {
    if (done_) return false;
    focus_.clear();
    if (viewOnly_) {
        done_ = true;
        s_.globals.GlobalResponse = suite::Response::Completed;
        return true;
    }
    line_.QtyThisPackSlip = twoPlaces(line_.QtyThisPackSlip);
    if (line_.QtyThisPackSlip + line_.QtyRcvdNotInvoiced > line_.QtyOrdered) {
        s_.ui.tell("The total reconciled quantity is more than the ordered quantity.", "PO Over Reconciled",
                   ui::Icon::Information);
        focus_ = "QtyThisPackSlip";
        return false;
    }
    // The stock, the serial records and the line go in together: a refused
    // check or a failed write (told) keeps nothing, and the window stays.
    store::Transaction tx(s_.store);
    writeFailed_ = false;
    const ULong serialBefore = line_.SerialID;
    const std::vector<PODetSer> listBefore = serials_;
    auto keepNothing = [&] {
        line_.SerialID = serialBefore;
        serials_ = listBefore;  // as edited, without the numbers the rolled-back writes gave
        return false;           // the transaction rolls back
    };
    // The serial list as edited goes in with the rest.
    if (!writeSerialList()) return keepNothing();
    if (!checkSerials()) {
        if (focus_.empty()) focus_ = "QtyThisPackSlip";
        return keepNothing();
    }
    if (writeFailed_) return keepNothing();
    const Quantity delta = line_.QtyThisPackSlip - opening_;
    if (inventory()) postStock(delta);
    else if (serialized_ && opening_ > Quantity(1)) perSerialPurchases();
    if (writeFailed_) return keepNothing();
    // What arrived is no longer on order: the item's figure follows the line
    // as stored before and after, by the one rule every path uses.
    PODetail stored;
    stored.DetailID = line_.DetailID;
    if (store::Table<PODetail>(s_.store).fetch(PODetail::KeyDetailID, stored)) {
        FigureChanges changes(s_.globals.CostCodeLen);
        changes.change(stored, line_);
        if (!s_.errors.check(changes.apply(s_.store, " Saving JCCost", " Saving INMaster"))) return keepNothing();
    }
    if (!s_.errors.check(store::Table<PODetail>(s_.store).update(line_))) return keepNothing();
    if (tx.status() && !s_.errors.check(tx.commit())) return keepNothing();
    done_ = true;
    s_.globals.GlobalResponse = suite::Response::Completed;
    return true;
}

void ReconcilePODetail::cancel() {
    done_ = true;
    s_.globals.GlobalResponse = suite::Response::Cancelled;
}

}  // namespace vtl::rec
