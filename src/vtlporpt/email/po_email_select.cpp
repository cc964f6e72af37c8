#include "vtlporpt/email/po_email_select.h"

#include <algorithm>

#include "platform/suite/module_shared.h"

namespace vtl::rpt {
namespace {

struct SharedRecipients {
    std::vector<Recipient> list;
};

}  // namespace

void POEmailSelect::toggle(std::size_t row) {
    if (row < list_.size()) list_[row].tagged = !list_[row].tagged;
}

bool POEmailSelect::proceed() {
    const bool any = std::any_of(list_.begin(), list_.end(), [](const Recipient& r) { return r.tagged; });
    if (!any) {
        if (ui_.ask(kNoneTaggedText, kNoneTaggedTitle, "&Yes|&No", ui::Icon::Question) != 1) return false;
        list_.clear();
    } else {
        std::erase_if(list_, [](const Recipient& r) { return !r.tagged; });
    }
    closed_ = true;
    return true;
}

bool chooseRecipients(Session& s, std::vector<Recipient>& list) {
    if (list.size() == 1) {
        list.front().tagged = true;
    } else if (list.size() > 1) {
        POEmailSelect select(s.ui, list);
        // Without a window to show (a batch run) the entries tagged by the
        // rule go; the Qt window closes only through proceed().
        if (!s.views.run(select) || !select.closed())
            std::erase_if(list, [](const Recipient& r) { return !r.tagged; });
    }
    return !list.empty();
}

std::vector<Recipient>& sharedRecipients(const ModuleState& module) {
    return suite::moduleShared<SharedRecipients>(module).list;
}

void clearSharedRecipients(const ModuleState& module) { suite::clearModuleShared<SharedRecipients>(module); }

}  // namespace vtl::rpt
