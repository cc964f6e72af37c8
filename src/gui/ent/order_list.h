#pragma once
// The list of purchase orders shared by the search window and the pick list:
// PO number, vendor, issue date and amount, as the browse shows them.
#include <string>
#include <vector>

#include "platform/ui/ui.h"

namespace vtl::gui {

const std::vector<ui::LookupColumn>& orderListColumns();

}  // namespace vtl::gui
