#include "vtlpoimp/export_po_window.h"

#include "platform/suite/error_object.h"

namespace vtl::imp {

void ExportPO::browse() {
    if (auto f = s_.ui.saveFile("Indicate an Export Filename", {kFilter}, fileName_)) setFileName(*f);
}

bool ExportPO::proceed() {
    focusName_ = false;
    if (fileName_.find_first_not_of(' ') == std::string::npos) {
        focusName_ = true;
        return false;
    }
    bool written;
    {
        ui::BusyCursor busy(s_.ui);
        written = exportOrders(s_.store, s_.globals.TagQue.snapshot(), s_.dataFolder, fileName_,
                               [this](const std::string& text) { s_.errors.report(text); }, result_);
    }
    // The failure was told; the tagged orders stay tagged for another try,
    // and nothing is said to be complete or shown from a file not written.
    if (!written) return false;
    if (auto m = reconciledMessage(result_.reconciled)) s_.ui.tell(m->text, m->title, ui::Icon::Information);
    if (preview_) s_.ui.viewTextFile(fileName_);
    else s_.ui.tell("Export Process Complete", kTitle, ui::Icon::Information);
    s_.globals.TagQue.clear();
    closed_ = true;
    return true;
}

}  // namespace vtl::imp
