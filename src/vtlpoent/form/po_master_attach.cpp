// Attachments, the shipping-information window and the envelope on the
// purchase-order form.
#include "platform/suite/settings_files.h"
#include "platform/suite/text_util.h"
#include "siblings/services/services.h"
#include "vtlpoent/dialogs/enter_ship_to_address.h"
#include "vtlpoent/call_out.h"
#include "vtlpoent/form/update_po_master.h"

namespace vtl::ent {

std::vector<std::string> UpdatePOMaster::splitSelection(const std::string& chosen) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        auto bar = chosen.find('|', start);
        parts.push_back(chosen.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    if (parts.size() < 2) return parts;
    // "folder|name|name": one path per name.
    std::string folder = parts.front();
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '/';
    std::vector<std::string> paths;
    for (std::size_t i = 1; i < parts.size(); ++i)
        if (!parts[i].empty()) paths.push_back(folder + parts[i]);
    return paths;
}

std::string UpdatePOMaster::attachmentCaption(const std::string& path) const {
    if (suite::SuiteSettings(session_.globals, session_.dataFolder).attachmentCaption() == "F")
        return services::fileNameOf(path);
    std::string c = "Purchase Order";
    if (!po_.PONumber.blank()) c += " #" + po_.PONumber.clip();
    return c + " from Vendor (" + std::to_string(po_.VendorID) + ") " + vendorName_;
}

int UpdatePOMaster::attachFiles(const std::vector<std::string>& paths) {
    if (readOnly()) return 0;
    int attached = 0;
    for (const std::string& path : paths) {
        services::UpdateImages images(session_, "POMaster", po_.POID);
        if (!images.attach(path)) continue;
        ++attached;
        const Text<50> caption = attachmentCaption(path);
        if (images.highlight() >= 0 && images.image(images.highlight()).Caption != caption)
            images.changeCaption(images.highlight(), caption.str());
    }
    return attached;
}

int UpdatePOMaster::insertAttachments() {
    if (readOnly()) return 0;
    auto chosen = session_.ui.openFile("Select one or more files to Attach", ui::FileFilter{services::kAttachFilter},
                                       sys_.AttachmentFolder.clip());
    if (!chosen || chosen->empty()) return 0;
    return attachFiles(splitSelection(*chosen));
}

int UpdatePOMaster::dropFiles(const std::string& commaSeparated) {
    if (readOnly()) return 0;
    std::vector<std::string> paths;
    std::size_t start = 0;
    while (start <= commaSeparated.size()) {
        auto comma = commaSeparated.find(',', start);
        std::string p(suite::trimmed(commaSeparated.substr(start, comma == std::string::npos ? std::string::npos
                                                                                             : comma - start)));
        if (!p.empty()) paths.push_back(p);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return dropPaths(paths);
}

int UpdatePOMaster::dropPaths(const std::vector<std::string>& paths) {
    if (readOnly() || paths.empty()) return 0;
    const std::string which = paths.size() == 1 ? "this file" : "these files";
    if (session_.ui.ask("Would you like to attach " + which + "|to this Purchase Order?", "Attach?", "&Yes|&No",
                        ui::Icon::Question) != 1)
        return 0;
    return attachFiles(paths);
}

void UpdatePOMaster::editShippingInformation() {
    if (readOnly()) return;
    auto dialog = EnterShipToAddress::from(po_);
    dialog.help = [this] { services::openHelp(session_, kShipToHelpTopic); };
    if (session_.views.run(dialog) && dialog.proceed) {
        dialog.applyTo(po_);
        composeCityStateZip();
    }
}

void UpdatePOMaster::envelope() {
    if (!po_.VendorID) return;
    session_.globals.ReportFilter = "APVendor  " + std::to_string(po_.VendorID);
    callOut(session_, "BrowseEnvelope");
}

}  // namespace vtl::ent
