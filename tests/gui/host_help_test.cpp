// Every help topic the host's windows name is a page that is shipped.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include <QDialog>
#include <QPushButton>
#include <QTextBrowser>

#include "gui/help_window.h"
#include "gui/host/host_menus.h"
#include "gui/qt_driver.h"
#include "gui/qt_ui.h"
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

TEST(HelpPages, EveryTopicNamedInTheSourcesIsShipped) {
    // Every "html/....htm" the windows, procedures and reports name.
    const fs::path src = htmlFolder().parent_path() / "src";
    const std::regex topic("\"html[/\\\\]+([A-Za-z0-9_][A-Za-z0-9_.-]*\\.htm)(#[A-Za-z0-9_-]+)?");
    int named = 0;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        const auto ext = entry.path().extension();
        if (ext != ".cpp" && ext != ".h") continue;
        std::ifstream in(entry.path());
        std::stringstream text;
        text << in.rdbuf();
        const std::string code = text.str();
        for (std::sregex_iterator m(code.begin(), code.end(), topic), end; m != end; ++m) {
            ++named;
            const fs::path page = htmlFolder() / (*m)[1].str();
            EXPECT_TRUE(fs::is_regular_file(page)) << entry.path() << " names " << (*m)[1];
            // A section named after the page is a heading of it.
            if ((*m)[2].matched) {
                std::ifstream html(page);
                std::stringstream pageText;
                pageText << html.rdbuf();
                const std::string id = "id=\"" + (*m)[2].str().substr(1) + "\"";
                EXPECT_NE(pageText.str().find(id), std::string::npos) << entry.path() << " names " << (*m)[0];
            }
        }
    }
    EXPECT_GE(named, 15);
}

TEST(HelpWindow, ShowsTheTopicAtItsSectionFollowsLinksAndGoesBack) {
    offscreenApp();
    gui::QtUi ui;
    const std::string page = (htmlFolder() / "index.htm").string();
    ASSERT_TRUE(ui.showHelp(page, ""));
    gui::HelpWindow& w = gui::HelpWindow::shared(nullptr);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.browser()->source().toLocalFile().toStdString(), page);
    EXPECT_FALSE(w.browser()->toPlainText().isEmpty());
    EXPECT_FALSE(w.backButton()->isEnabled());

    // Another topic in the same window, at a section; then back to the first.
    const std::string enter = (htmlFolder() / "PO_Enter_Purchase_Orders.htm").string();
    ASSERT_TRUE(ui.showHelp(enter, "#tags"));
    EXPECT_EQ(&gui::HelpWindow::shared(nullptr), &w);
    EXPECT_EQ(w.browser()->source().toLocalFile().toStdString(), enter);
    EXPECT_EQ(w.browser()->source().fragment(), "tags");
    EXPECT_TRUE(w.backButton()->isEnabled());
    w.backButton()->click();
    EXPECT_EQ(w.browser()->source().toLocalFile().toStdString(), page);
    EXPECT_TRUE(w.forwardButton()->isEnabled());
    w.contentsButton()->click();
    EXPECT_EQ(w.browser()->source().toLocalFile().toStdString(), page);

    // A page that is not there is not shown.
    EXPECT_FALSE(ui.showHelp((htmlFolder() / "Nowhere.htm").string(), ""));
    w.close();

    // Asked from a window that waits for an answer, help sits over that
    // window, so it can be used before the window closes.
    {
        QDialog waiting;
        waiting.setModal(true);
        waiting.show();
        ASSERT_TRUE(ui.showHelp(page, ""));
        EXPECT_EQ(gui::HelpWindow::shared(nullptr).parentWidget(), &waiting);
        EXPECT_TRUE(gui::HelpWindow::shared(nullptr).isVisible());
        waiting.close();
    }
    // Gone with that window, it is made anew the next time.
    ASSERT_TRUE(ui.showHelp(page, ""));
    EXPECT_TRUE(gui::HelpWindow::shared(nullptr).isVisible());
    gui::HelpWindow::shared(nullptr).close();
}

}  // namespace
}  // namespace vtl::test
