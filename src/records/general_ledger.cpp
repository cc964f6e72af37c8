#include "records/general_ledger.h"

#include "records/table_entry.h"

namespace vtl {

const store::RecordInfo& GLMaster::info() {
    using R = GLMaster;
    static const store::RecordInfo i{
        "GLMaster",
        "GLM",
        {VTL_FIELD(R, Account),
         VTL_FIELD(R, Description)},
        {{"KeyAccount", {"Account"}, true}},
        "",
        "",
        {}};
    return i;
}

}  // namespace vtl
