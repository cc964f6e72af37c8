#include "records/schema.h"

#include "records/records.h"

namespace vtl {

const std::vector<const store::RecordInfo*>& allRecords() {
    static const std::vector<const store::RecordInfo*> all{
        // Purchase-order files.
        &POMaster::info(),
        &PODetail::info(),
        &PODetSer::info(),
        &PORec::info(),
        &POPrint::info(),
        &POLimits::info(),
        // Sibling files.
        &Systems::info(),
        &UserFile::info(),
        &UserLog::info(),
        &DropList::info(),
        &Notes::info(),
        &Images::info(),
        &LimList::info(),
        &MemLimit::info(),
        &APVendor::info(),
        &Contact::info(),
        &APInv::info(),
        &APDetail::info(),
        &ARCust::info(),
        &ARShipTo::info(),
        &JCHeader::info(),
        &JCCost::info(),
        &JCLimits::info(),
        &INMaster::info(),
        &INCnvrt::info(),
        &INItem::info(),
        &INPurch::info(),
        &INSerial::info(),
        &INVendor::info(),
        &INLoc::info(),
        &INBin::info(),
        &GLMaster::info(),
        &EQHeader::info(),
        &EQCost::info(),
    };
    return all;
}

}  // namespace vtl
