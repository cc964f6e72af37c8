// vtlpo listing end to end on the demo company: the text image of each of
// the demo's report formats against its golden file, the PDF read back with
// the PDF tools, and the one-line refusals.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/run_vtlpo.h"
#include "records/database.h"
#include "records/records.h"
#include "report_render/pdf_tools.h"
#include "support/golden.h"
#include "support/temp_dir.h"

using namespace vtl;
using namespace vtl::test;
namespace fs = std::filesystem;

namespace {

class ListingCommand : public ::testing::Test {
protected:
    void SetUp() override {
        data = dir.file("data");
        const CliResult init = vtlpo({"init", "--data", data, "--demo"});
        ASSERT_EQ(init.code, 0) << init.err;
    }
    CliResult listing(std::vector<std::string> args) {
        args.insert(args.begin(), {"listing", "--data", data});
        return vtlpo(args);
    }
    static std::string read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    TempDir dir;
    std::string data;
};

}  // namespace

TEST_F(ListingCommand, EachDemoFormatsTextImageMatchesItsGoldenFile) {
    const char* names[] = {"listing_demo_all.txt", "listing_demo_jobs.txt", "listing_demo_summary.txt"};
    for (int id = 1; id <= 3; ++id) {
        const std::string text = dir.file("listing" + std::to_string(id) + ".txt");
        const CliResult r = listing({"--limit", std::to_string(id), "--text", text, "--user", "DMW"});
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_NE(r.out.find("wrote " + text), std::string::npos) << r.out;
        expectGolden(names[id - 1], read(text));
    }
}

TEST_F(ListingCommand, ThePdfHoldsThePagesOfTheListingWithTheParameters) {
    SKIP_WITHOUT_TOOL("pdftotext");
    SKIP_WITHOUT_TOOL("pdfinfo");
    const std::string pdf = dir.file("listing.pdf");
    const CliResult r = listing({"--limit", "2", "--pdf", pdf});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("wrote " + pdf), std::string::npos) << r.out;
    EXPECT_GE(pdfPages(pdf), 1);
    const std::string text = runTool("pdftotext", QStringList{QString::fromStdString(pdf), "-"}).out;
    for (const char* shown : {"Purchase Order Listing", "Columbia Ridge Builders", "Report Title: Open Orders of the Vancouver Jobs",
                              "Jobs: 2502 2507", "Jobs Only", "Open Amount:", "Grand Total Open:"})
        EXPECT_NE(text.find(shown), std::string::npos) << shown << "\n" << text;
    // Landscape for the summary.
    const std::string wide = dir.file("summary.pdf");
    ASSERT_EQ(listing({"--limit", "3", "--pdf", wide}).code, 0);
    const std::string info = runTool("pdfinfo", wide).out;
    EXPECT_NE(info.find("792 x 612"), std::string::npos) << info;
}

TEST_F(ListingCommand, WrongArgumentsAndUnknownFormatsGetOneLineAndWriteNothing) {
    const std::string out = dir.file("x.txt");
    struct Case {
        std::vector<std::string> args;
        int code;
        const char* says;
    } cases[] = {
        {{"--text", out}, 2, "--limit LIMITID"},
        {{"--limit", "1"}, 2, "one of --pdf FILE or --text FILE"},
        {{"--limit", "1", "--text", out, "--pdf", out}, 2, "one of --pdf FILE or --text FILE"},
        {{"--limit", "x", "--text", out}, 2, "whole number"},
        {{"--limit", "99", "--text", out}, 2, "report format 99 of the purchase-order listing is not on file"},
        {{"--limit", "1", "--text", out, "--user", "NOBODY"}, 2, "user \"NOBODY\" is not on file"},
    };
    for (const Case& c : cases) {
        const CliResult r = listing(c.args);
        EXPECT_EQ(r.code, c.code) << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_FALSE(fs::exists(out));
    }
}

TEST_F(ListingCommand, ALimitSetThatChoosesNothingSaysWhyAndWritesNoFile) {
    {
        auto db = openDataFolder(data);
        ASSERT_TRUE(db.store->exec("UPDATE POLimits SET SelectedVendors = 1, VendorFrom = 99999990 "
                                                "WHERE LimitID = 1"));
    }
    const std::string out = dir.file("none.txt");
    const CliResult r = listing({"--limit", "1", "--text", out});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("Nothing to Print... Your Limits have excluded all 42 records!"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(out));
}
