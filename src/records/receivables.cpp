#include "records/receivables.h"

#include "records/table_entry.h"

namespace vtl {

const store::RecordInfo& ARCust::info() {
    using R = ARCust;
    static const store::RecordInfo i{
        "ARCust",
        "ARC",
        {VTL_FIELD(R, CustomerID),
         VTL_FIELD(R, CustomerName),
         VTL_FIELD(R, Address1),
         VTL_FIELD(R, Address2),
         VTL_FIELD(R, City),
         VTL_FIELD(R, State),
         VTL_FIELD(R, Zip),
         VTL_FIELD(R, Contact)},
        {{"KeyCustomerID", {"CustomerID"}, true},
         {"KeyCustomerName", {"CustomerName"}, false, true}},
        "CustomerID",
        "CustomerID",
        {}};
    return i;
}

const store::RecordInfo& ARShipTo::info() {
    using R = ARShipTo;
    static const store::RecordInfo i{
        "ARShipTo",
        "ARS",
        {VTL_FIELD(R, ShipToID),
         VTL_FIELD(R, CustomerID),
         VTL_FIELD(R, ShipToName),
         VTL_FIELD(R, Address1),
         VTL_FIELD(R, Address2),
         VTL_FIELD(R, City),
         VTL_FIELD(R, State),
         VTL_FIELD(R, Zip)},
        {{"KeyShipToID", {"ShipToID"}, true},
         {"KeyCustomerID", {"CustomerID"}}},
        "ShipToID",
        "ShipToID",
        {}};
    return i;
}

}  // namespace vtl
