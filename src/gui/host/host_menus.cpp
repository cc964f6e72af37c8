#include "gui/host/host_menus.h"

#include "records/systems.h"
#include "records/users.h"

namespace vtl::host {

const std::vector<ProcedureItem>& purchaseOrderMenu() {
    static const std::vector<ProcedureItem> items{
        {"&Enter Purchase Orders...", "BrowsePOMaster", "Enter, change, print and reconcile purchase orders"},
        {"&Reconcile with Packing Slip...", "BrowsePOReconcile",
         "Record goods received and invoiced against purchase-order lines"},
        {"Recalculate &Committed Costs...", "RecalcCommitted",
         "Rebuild the committed cost of every job cost code from the open purchase orders"},
        {"&Import Purchase Orders...", "ImportPOMaster", "Read purchase orders from a text file"},
        {"&Print Purchase Orders...", "LimitPrintPOs", "Print the purchase orders you choose"},
        {"Print &Alignment Form...", "PurchaseOrderDummy",
         "Print a purchase-order page of placeholders to line up preprinted forms"},
        {"Purchase Order &Listing...", "BrowsePOListLimits", "Print a listing of purchase orders from a saved report format"},
    };
    return items;
}

#ifndef VTL_VERSION
#define VTL_VERSION "unknown"
#endif

const char* programVersion() { return VTL_VERSION; }

std::string companyName(store::Store& store) {
    auto cursor = store::Table<Systems>(store).all(Systems::KeySystemID);
    Systems sys;
    return cursor.next(sys) ? sys.CompanyName.clip() : std::string();
}

std::string signedOnText(store::Store& store, const std::string& userId) {
    if (userId.empty()) return "Signed on without a user ID";
    UserFile u;
    u.UserID = userId;
    std::string text = "Signed on as " + userId;
    if (store::Table<UserFile>(store).fetch(UserFile::KeyUserID, u)) {
        std::string name = u.FirstName.clip();
        if (!u.LastName.blank()) name += (name.empty() ? "" : " ") + u.LastName.clip();
        if (!name.empty()) text += " (" + name + ")";
    }
    return text;
}

std::string mainWindowTitle(const std::string& company) {
    std::string title = "Vantrel - Purchase Orders";
    if (!company.empty()) title += " - " + company;
    return title;
}

}  // namespace vtl::host
