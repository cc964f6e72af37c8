#pragma once
// What the host's menus start: the module's procedures by name, with the
// menu texts a clerk sees.
#include <string>
#include <vector>

#include "platform/store/store.h"

namespace vtl::host {

struct ProcedureItem {
    std::string menuText;   // "&Enter Purchase Orders..."
    std::string procedure;  // "BrowsePOMaster"
    std::string hint;       // status-bar line
};

// The Purchase Orders menu, in order.
const std::vector<ProcedureItem>& purchaseOrderMenu();

// The company name of the system settings record, "" when there is none.
std::string companyName(store::Store& store);
// "Signed on as LAO (Luis Ortega)"; "Signed on without a user ID" for none.
std::string signedOnText(store::Store& store, const std::string& userId);
// "Vantrel - Purchase Orders - Cascade Builders"
std::string mainWindowTitle(const std::string& company);

// The program's version, "0.11.0".
const char* programVersion();

inline constexpr const char* kHelpContents = "html/index.htm";
inline constexpr const char* kMainWindowHelp = "html/Main_Window.htm";
inline constexpr const char* kSignOnHelp = "html/Sign_On.htm";

}  // namespace vtl::host
