#include "vtlpoent/dialogs/toggle_easy_auto_entry.h"

namespace vtl::ent {

bool ToggleEasyAutoEntryPO::toggle(suite::AutoEntryStore& store) {
    const bool on = !store.enabled();
    store.setEnabled(on);  // the store writes its file on every change
    return on;
}

std::string ToggleEasyAutoEntryPO::message(bool on) {
    return on ? "Easy Auto Entry is now ON.|Entries offer completion from what was typed before."
              : "Easy Auto Entry is now OFF.|Entries no longer offer completion.";
}

}  // namespace vtl::ent
