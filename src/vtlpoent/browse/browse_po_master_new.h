#pragma once
// BrowsePOMasterNew: the alternate purchase-order browse. It lists the same
// orders with the same actions; it differs only in the window that shows it,
// so it is a type of its own for the views to tell apart.
#include "vtlpoent/browse/browse_po_master.h"

namespace vtl::ent {

struct BrowsePOMasterNew : BrowsePOMaster {
    using BrowsePOMaster::BrowsePOMaster;
};

}  // namespace vtl::ent
