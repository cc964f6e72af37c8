#include "gui/ent/order_list.h"

namespace vtl::gui {

const std::vector<ui::LookupColumn>& orderListColumns() {
    static const std::vector<ui::LookupColumn> columns = {
        {"PO Number", 85, ui::Align::Left},  {"ID", 27, ui::Align::Right},    {"Vendor Name", 125, ui::Align::Left},
        {"Issue Date", 41, ui::Align::Right}, {"Amount", 52, ui::Align::Right},
    };
    return columns;
}

}  // namespace vtl::gui
