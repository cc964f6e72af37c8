#pragma once
// Receivables files that fill the ship-to block of a purchase order:
// customers and their alternate ship-to addresses.
#include "platform/store/fields.h"

namespace vtl {

struct ARCust : store::RecordBase {
    ULong CustomerID = 0;
    Text<50> CustomerName;
    Text<50> Address1;
    Text<50> Address2;
    Text<30> City;
    Text<2> State;
    Text<10> Zip;
    Text<40> Contact;

    enum Key { KeyCustomerID, KeyCustomerName };
    static const store::RecordInfo& info();
};

struct ARShipTo : store::RecordBase {
    ULong ShipToID = 0;
    ULong CustomerID = 0;
    Text<40> ShipToName;
    Text<40> Address1;
    Text<40> Address2;
    Text<25> City;
    Text<2> State;
    Text<10> Zip;

    enum Key { KeyShipToID, KeyCustomerID };
    static const store::RecordInfo& info();
};

}  // namespace vtl
