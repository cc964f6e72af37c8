#pragma once
// ReconcilePODetail: the quantity of one purchase-order line received on the
// packing slip being entered, with its serial numbers for a serialized item
// and, for a stock line, the location and bin it goes into. OK checks the
// quantity and the serial numbers and, for a stock line, brings the stock
// of the bin, the item's totals and the line's purchase record up to date
// by the change since the form opened, all with the line in one transaction.
//
// Opened with GlobalRequest Change or View and the line's DetailID in
// DecimalVariable; an Insert or Delete request is refused.
#include <optional>
#include <string>
#include <vector>

#include "platform/suite/session.h"
#include "records/records.h"

namespace vtl::rec {

class ReconcilePODetail {
public:
    static constexpr const char* kTitle = "Reconciling Purchase Order Detail";
    static constexpr const char* kViewTitle = "View Record";

    static constexpr const char* kHelpTopic = "html/PO_Reconcile_Purchase_Orders.htm#line";

    explicit ReconcilePODetail(Session& s) : s_(s) {}
    void help();

    // False (answer Cancelled) for a refused request or a missing line.
    bool open();
    std::string caption() const { return viewOnly_ ? kViewTitle : kTitle; }
    bool viewOnly() const { return viewOnly_; }

    const PODetail& line() const { return line_; }
    bool inventory() const { return line_.DetailType == "Inventory"; }
    bool serialized() const { return serialized_; }
    // The two lines naming what a non-stock line is charged to.
    const std::string& distribution1() const { return dist1_; }
    const std::string& distribution2() const { return dist2_; }

    // The quantity received on this slip. For a serialized item it decides
    // between the list of serial numbers (more than 1) and the single entry
    // (exactly 1).
    void setQtyThisPackSlip(const Quantity& q);
    bool serialListShown() const { return serialized_ && line_.QtyThisPackSlip > Quantity(1); }
    bool serialEntryShown() const { return serialized_ && line_.QtyThisPackSlip == Quantity(1); }

    // The serial numbers of the line, as they are edited; stored by OK with
    // the rest, so Cancel and a killed program leave the list on file as
    // it was.
    std::vector<std::string> serials() const;
    bool insertSerial(const std::string& serialNo);
    bool changeSerial(int row, const std::string& serialNo);
    bool deleteSerial(int row);
    const std::string& serialNo() const { return serialNo_; }
    void setSerialNo(const std::string& s) { serialNo_ = s; }

    // Stock lines: where the goods go. An unknown location or bin opens its
    // look-up; cancelling it keeps the entry as it was (false).
    bool setLocation(const std::string& location);
    bool setBin(const std::string& bin);
    bool lookupLocation();
    bool lookupBin();
    std::string locationDescription() const;
    std::string binDescription() const;

    // The checks, the stock and the line; false keeps the form open, with
    // the focus on `focusField()` ("QtyThisPackSlip", "SerialNo").
    bool ok();
    void cancel();
    bool done() const { return done_; }
    const std::string& focusField() const { return focus_; }

private:
    const std::vector<PODetSer>& serialRecords() const;
    // Stores the list as edited: records removed, changed and added.
    bool writeSerialList();
    bool checkSerials();
    void postStock(const Quantity& delta);
    // Tells a failed write of OK's and remembers it: then nothing of the
    // OK is kept.
    bool kept(const store::Status& status);
    void purchaseRecords(double factor);
    void perSerialPurchases();
    double conversionFactor() const;

    Session& s_;
    bool viewOnly_ = false;
    PODetail line_;
    INMaster item_;
    bool serialized_ = false;
    Quantity opening_;
    std::string dist1_, dist2_;
    std::string serialNo_;
    std::vector<PODetSer> serials_;
    std::string focus_;
    bool done_ = false;
    bool writeFailed_ = false;
};

}  // namespace vtl::rec
