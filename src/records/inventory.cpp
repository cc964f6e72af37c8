#include "records/inventory.h"

#include "records/table_entry.h"

namespace vtl {

const store::RecordInfo& INMaster::info() {
    using R = INMaster;
    static const store::RecordInfo i{
        "INMaster",
        "INM",
        {VTL_FIELD(R, ItemID),
         VTL_FIELD(R, Description),
         VTL_FIELD(R, StockUnit),
         VTL_FIELD(R, DefaultLocation),
         VTL_FIELD(R, DefaultBin),
         VTL_FIELD(R, OnHand),
         VTL_FIELD(R, OnOrder),
         VTL_FIELD(R, TotalReceived),
         VTL_FIELD(R, Serialized)},
        {{"KeyItemID", {"ItemID"}, true}},
        "",
        "",
        {}};
    return i;
}

const store::RecordInfo& INCnvrt::info() {
    using R = INCnvrt;
    static const store::RecordInfo i{
        "INCnvrt",
        "INCN",
        {VTL_FIELD(R, ConversionID),
         VTL_FIELD(R, ItemID),
         VTL_FIELD(R, UnitName),
         VTL_FIELD(R, Factor)},
        {{"KeyConversionID", {"ConversionID"}, true},
         {"KeyItemUnit", {"ItemID", "UnitName"}, true}},
        "ConversionID",
        "ConversionID",
        {}};
    return i;
}

const store::RecordInfo& INItem::info() {
    using R = INItem;
    static const store::RecordInfo i{
        "INItem",
        "INI",
        {VTL_FIELD(R, RecordID),
         VTL_FIELD(R, ItemID),
         VTL_FIELD(R, LocationID),
         VTL_FIELD(R, BinID),
         VTL_FIELD(R, Quantity)},
        {{"KeyRecordID", {"RecordID"}, true},
         {"KeyItemLocBin", {"ItemID", "LocationID", "BinID"}, true}},
        "RecordID",
        "RecordID",
        {}};
    return i;
}

const store::RecordInfo& INPurch::info() {
    using R = INPurch;
    static const store::RecordInfo i{
        "INPurch",
        "INPU",
        {VTL_FIELD(R, RecordID),
         VTL_FIELD(R, ItemID),
         VTL_FIELD(R, UnitName),
         VTL_FIELD(R, UnitPrice),
         VTL_FIELD(R, Cost),
         VTL_FIELD(R, SerialID),
         VTL_FIELD(R, LocationID),
         VTL_FIELD(R, BinID),
         VTL_FIELD(R, Quantity),
         VTL_FIELD(R, PODetailID)},
        {{"KeyRecordID", {"RecordID"}, true},
         {"KeyPODetailID", {"PODetailID"}}},
        "RecordID",
        "RecordID",
        {}};
    return i;
}

const store::RecordInfo& INSerial::info() {
    using R = INSerial;
    static const store::RecordInfo i{
        "INSerial",
        "INS",
        {VTL_FIELD(R, SerialID),
         VTL_FIELD(R, SerialNo)},
        {{"KeySerialID", {"SerialID"}, true}},
        "SerialID",
        "SerialID",
        {}};
    return i;
}

const store::RecordInfo& INVendor::info() {
    using R = INVendor;
    static const store::RecordInfo i{
        "INVendor",
        "INV",
        {VTL_FIELD(R, RecordID),
         VTL_FIELD(R, ItemID),
         VTL_FIELD(R, VendorID),
         VTL_FIELD(R, VendorCatalogID),
         VTL_FIELD(R, UnitName),
         VTL_FIELD(R, Price)},
        {{"KeyRecordID", {"RecordID"}, true},
         {"KeyItemVendor", {"ItemID", "VendorID"}}},
        "RecordID",
        "RecordID",
        {}};
    return i;
}

const store::RecordInfo& INLoc::info() {
    using R = INLoc;
    static const store::RecordInfo i{
        "INLoc",
        "INL",
        {VTL_FIELD(R, LocationID),
         VTL_FIELD(R, Description)},
        {{"KeyLocationID", {"LocationID"}, true}},
        "",
        "",
        {}};
    return i;
}

const store::RecordInfo& INBin::info() {
    using R = INBin;
    static const store::RecordInfo i{
        "INBin",
        "INB",
        {VTL_FIELD(R, LocationID),
         VTL_FIELD(R, BinID),
         VTL_FIELD(R, Description)},
        {{"KeyLocationBin", {"LocationID", "BinID"}, true}},
        "",
        "",
        {}};
    return i;
}

}  // namespace vtl
