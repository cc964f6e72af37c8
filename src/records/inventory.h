#pragma once
// Inventory files: items, unit conversions, stock by place, receipts from
// purchase orders, serial numbers, item vendors, locations and bins.
#include "platform/store/fields.h"

namespace vtl {

struct INMaster : store::RecordBase {
    Text<15> ItemID;
    Text<60> Description;
    Text<8> StockUnit;
    Text<10> DefaultLocation;
    Text<10> DefaultBin;
    Quantity OnHand;
    Quantity OnOrder;        // open purchase-order quantity, in stocking units
    Quantity TotalReceived;  // raised by every receipt
    Byte Serialized = 0;

    enum Key { KeyItemID };
    static const store::RecordInfo& info();
};

// Factor converts a quantity in UnitName into the item's stocking unit.
struct INCnvrt : store::RecordBase {
    ULong ConversionID = 0;
    Text<15> ItemID;
    Text<8> UnitName;
    double Factor = 0;

    enum Key { KeyConversionID, KeyItemUnit };
    static const store::RecordInfo& info();
};

// Stock of an item at one location and bin.
struct INItem : store::RecordBase {
    ULong RecordID = 0;
    Text<15> ItemID;
    Text<10> LocationID;
    Text<10> BinID;
    Decimal<15, 4> Quantity;  // spelled out: the member hides the Quantity type

    enum Key { KeyRecordID, KeyItemLocBin };
    static const store::RecordInfo& info();
};

// A receipt into stock from a purchase-order line; a serialized item has one
// per serial number.
struct INPurch : store::RecordBase {
    ULong RecordID = 0;
    Text<15> ItemID;
    Text<10> UnitName;
    double UnitPrice = 0;
    Decimal<15, 4> Cost;
    ULong SerialID = 0;
    Text<10> LocationID;
    Text<10> BinID;
    Decimal<15, 4> Quantity;
    ULong PODetailID = 0;

    enum Key { KeyRecordID, KeyPODetailID };
    static const store::RecordInfo& info();
};

struct INSerial : store::RecordBase {
    ULong SerialID = 0;
    Text<40> SerialNo;

    enum Key { KeySerialID };
    static const store::RecordInfo& info();
};

// A vendor's catalogue number, unit and price for an item.
struct INVendor : store::RecordBase {
    ULong RecordID = 0;
    Text<15> ItemID;
    ULong VendorID = 0;
    Text<20> VendorCatalogID;
    Text<8> UnitName;
    Decimal<15, 4> Price;

    enum Key { KeyRecordID, KeyItemVendor };
    static const store::RecordInfo& info();
};

struct INLoc : store::RecordBase {
    Text<10> LocationID;
    Text<30> Description;

    enum Key { KeyLocationID };
    static const store::RecordInfo& info();
};

// Bins are numbered within their location.
struct INBin : store::RecordBase {
    Text<10> LocationID;
    Text<10> BinID;
    Text<30> Description;

    enum Key { KeyLocationBin };
    static const store::RecordInfo& info();
};

}  // namespace vtl
