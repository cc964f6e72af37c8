// "Generate POs" of 1,000 purchase orders of 10 lines each (--scale
// multiplies the orders) into one PDF, from the database to the file,
// through the batch tool's print command: pages per second and bytes per
// page. The baseline, in the same run: QPdfWriter alone drawing as many
// pages of 60 strings, 20 lines and 5 boxes. The print must report as many
// pages as orders, so a run that prints nothing cannot pass.
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "bench_util.h"
#include "pdf_baseline.h"
#include "commands/cli.h"
#include "records/database.h"
#include "records/records.h"

using namespace vtl;

namespace {

constexpr int kRuns = 3;

bool load(const std::string& folder, int orders) {
    auto db = createDataFolder(folder);
    if (!db) {
        std::fprintf(stderr, "%s\n", db.error.c_str());
        return false;
    }
    store::Store& s = *db.store;
    store::Transaction tx(s);
    Systems sys;
    sys.CompanyName = "Columbia Ridge Builders, Inc.";
    sys.CompanyAddress1 = "2815 NE Andresen Road, Suite 200";
    sys.CompanyCity = "Vancouver";
    sys.CompanyState = "WA";
    sys.CompanyZip = "98661";
    sys.CompanyPhone = "(360) 555-0100";
    if (!store::Table<Systems>(s).insert(sys)) return false;
    for (int v = 0; v < 50; ++v) {
        APVendor vendor;
        vendor.VendorID = 101 + v;
        vendor.VendorName = "Vendor Supply Company " + std::to_string(v + 1);
        vendor.Address = std::to_string(100 + v) + " Industrial Way";
        vendor.City = "Portland";
        vendor.State = "OR";
        vendor.Zip = "97201";
        vendor.Phone = "(503) 555-0100";
        if (!store::Table<APVendor>(s).insert(vendor)) return false;
    }
    store::Table<POMaster> pom(s);
    store::Table<PODetail> pod(s);
    for (int o = 0; o < orders; ++o) {
        POMaster po;
        po.PONumber = std::to_string(10000 + o);
        po.VendorID = 101 + o % 50;
        po.IssueDate = Date::fromYmd(2026, 11, 1 + o % 28);
        po.DeliveryDate = Date::fromYmd(2026, 12, 1 + o % 28);
        po.ShipVia = "Our truck";
        po.Terms = "Net 30";
        po.TaxRate = 8.7;
        Money total;
        if (!pom.insert(po)) return false;
        for (int l = 0; l < 10; ++l) {
            PODetail d;
            d.POID = po.POID;
            d.SequenceNo = l + 1;
            d.ItemID = "ITEM-" + std::to_string(l + 1);
            d.Description = l % 3 ? "Plywood form panels 4x8 HDO, 3/4 inch"
                                  : "Rebar #5 grade 60, 20 ft lengths, bundled and tagged by pour";
            d.QtyOrdered = Quantity(10 + l);
            d.UnitName = "Each";
            d.UnitPrice = 48.75;
            d.TotalAmount = *Money::parse(std::to_string(48.75 * (10 + l)));
            d.Taxable = l % 2;
            total += d.TotalAmount;
            if (!pod.insert(d)) return false;
        }
        po.PreTaxAmount = total;
        po.POAmount = total;
        if (!pom.update(po)) return false;
    }
    return static_cast<bool>(tx.commit());
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int orders = std::max(1, static_cast<int>(1000 * vtl::bench::scaleFrom(argc, argv)));
    const std::string dir = vtl::bench::scratchFolder("print");
    const std::string data = dir + "/data";
    if (!load(data, orders)) return 1;

    std::vector<double> ours, base;
    double ourBytes = 0, baseBytes = 0;
    int pages = 0;
    for (int run = 0; run < kRuns; ++run) {
        const std::string pdf = dir + "/orders.pdf";
        std::ostringstream out, err;
        vtl::bench::Stopwatch clock;
        const int rc = cli::run({"print", "--data", data, "--generate", "--condition", "A", "--assign", "N", "--pdf",
                                 pdf},
                                out, err, false);
        ours.push_back(clock.seconds());
        const std::string said = out.str();
        pages = vtl::bench::pagesSaid(said);
        if (rc != 0 || pages != orders) {
            std::fprintf(stderr, "the print did not give a page per order: %s%s\n", said.c_str(), err.str().c_str());
            return 1;
        }
        ourBytes = static_cast<double>(std::filesystem::file_size(pdf));

        const std::string basePdf = dir + "/baseline.pdf";
        base.push_back(vtl::bench::writeBaselinePdf(basePdf, pages));
        baseBytes = static_cast<double>(std::filesystem::file_size(basePdf));
    }

    const double ourRate = pages / median(ours), baseRate = pages / median(base);
    vtl::bench::figure("orders", orders, "orders");
    vtl::bench::figure("pages", pages, "pages");
    vtl::bench::figure("print_pages_per_second", ourRate, "pages/s");
    vtl::bench::figure("print_bytes_per_page", ourBytes / pages, "bytes");
    vtl::bench::figure("baseline_pages_per_second", baseRate, "pages/s");
    vtl::bench::figure("baseline_bytes_per_page", baseBytes / pages, "bytes");
    // At least 70% of the baseline's speed: the baseline's rate over ours at most 1/0.7.
    vtl::bench::target("baseline_rate_over_print_rate", baseRate / ourRate, 1 / 0.7);
    vtl::bench::target("print_bytes_over_baseline_bytes", ourBytes / baseBytes, 2.0);
    return 0;
}
