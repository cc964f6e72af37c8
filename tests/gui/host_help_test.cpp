// Every help topic the host's windows name is a page that is shipped.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "gui/host/host_menus.h"
#include "gui/setup/setup_catalog.h"
#include "vtlporec/browse_po_reconcile.h"

namespace vtl::test {
namespace {

namespace fs = std::filesystem;

// The html/ folder of the sources this test was built from (tests/gui/ is two below it).
fs::path htmlFolder() { return fs::path(__FILE__).parent_path().parent_path().parent_path() / "html"; }

std::string pageOf(const std::string& topic) {
    std::string page = topic.substr(topic.find('/') + 1);
    return page.substr(0, page.find('#'));
}

TEST(HelpPages, EveryWindowOfTheHostHasItsPage) {
    std::vector<std::string> topics{host::kHelpContents, host::kMainWindowHelp, host::kSignOnHelp,
                                    "html/PO_Enter_Purchase_Orders.htm", rec::BrowsePOReconcile::kHelpTopic};
    setup::SetupCatalog catalog(6);
    for (const auto& e : catalog.entries()) {
        if (!e.spec) continue;
        topics.push_back(e.spec->helpTopic);
        for (const auto& c : e.spec->children) topics.push_back(c.file->helpTopic);
    }
    for (const auto& t : topics) EXPECT_TRUE(fs::is_regular_file(htmlFolder() / pageOf(t))) << t;
}

TEST(HelpPages, LinksBetweenPagesLeadSomewhereAndNoPageRunsScripts) {
    const std::regex link("href=\"([^\"#:]+)");
    int pages = 0;
    for (const auto& entry : fs::directory_iterator(htmlFolder())) {
        if (entry.path().extension() != ".htm") continue;
        ++pages;
        std::ifstream in(entry.path());
        std::stringstream text;
        text << in.rdbuf();
        const std::string html = text.str();
        EXPECT_EQ(html.find("<script"), std::string::npos) << entry.path();
        for (std::sregex_iterator m(html.begin(), html.end(), link), end; m != end; ++m)
            EXPECT_TRUE(fs::exists(htmlFolder() / (*m)[1].str())) << entry.path() << " -> " << (*m)[1];
    }
    EXPECT_GE(pages, 17);
}

}  // namespace
}  // namespace vtl::test
