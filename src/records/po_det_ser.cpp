#include "records/po_det_ser.h"

#include "records/table_entry.h"

namespace vtl {

const store::RecordInfo& PODetSer::info() {
    using R = PODetSer;
    static const store::RecordInfo i{
        "PODetSer",
        "PODS",
        {VTL_FIELD(R, RecordID),
         VTL_FIELD(R, DetailID),
         VTL_FIELD(R, gap1),
         VTL_FIELD(R, SerialNo),
         VTL_FIELD(R, gap2),
         VTL_FIELD(R, SerialID)},
        {{"KeyDetailID", {"DetailID"}},
         {"KeyRecordID", {"RecordID"}, true}},
        "RecordID",
        "RecordID",
        {}};
    return i;
}

}  // namespace vtl
