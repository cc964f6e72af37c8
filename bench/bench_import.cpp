// Import and export of a large file: 100,000 orders with 1,000,000 lines in
// one comma-delimited file as the module's export writes it (--scale
// shrinks it), read and checked (the preview) and written (the import)
// through the built-in source, then all of them exported again.
//
// Baselines in the same run:
//   import_baseline: a plain parse of the same file and two prepared sqlite3
//                    inserts (header, line) of whole records in one
//                    transaction, into a data folder of the same schema;
//   export_baseline: one ordered join of orders and lines written with stdio.
// Targets: import and export within 1.5 times their baselines (the exports
// the median of three runs each), and the import's peak memory under 1 GB.
#include <sqlite3.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_util.h"
#include "records/database.h"
#include "records/records.h"
#include "records/running_figures.h"
#include "vtlpoimp/export_po.h"
#include "vtlpoimp/import_read.h"
#include "vtlpoimp/import_write.h"

using namespace vtl;

namespace {

constexpr int kJobs = 200;
const char* const kCodes[] = {"010100LAB", "020200MAT", "030300SUB", "040400EQP"};

double peakMegabytes() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_maxrss) / 1024.0;
}

// The company the orders are charged to.
void company(store::Store& st) {
    store::Transaction tx(st);
    for (ULong v = 1; v <= 50; ++v) {
        APVendor a;
        a.VendorID = v;
        a.VendorName = "Vendor " + std::to_string(v);
        store::Table<APVendor>(st).insert(a);
    }
    for (const char* acct : {"5000-00", "6100-00"}) {
        GLMaster g;
        g.Account = acct;
        store::Table<GLMaster>(st).insert(g);
    }
    for (int j = 0; j < kJobs; ++j)
        for (const char* code : kCodes) {
            JCCost c;
            c.JobID = "J" + std::to_string(j);
            c.CostCode = code;
            c.Account = "5000-00";
            c.RecordID = costRecordKey(c.JobID.str(), code, 6);
            store::Table<JCCost>(st).insert(c);
        }
    for (int i = 0; i < 100; ++i) {
        INMaster m;
        m.ItemID = "ITEM" + std::to_string(i);
        m.StockUnit = "EA";
        store::Table<INMaster>(st).insert(m);
    }
    Systems sys;
    sys.NextPONumber = 1;
    store::Table<Systems>(st).insert(sys);
    tx.commit();
}

void writeFile(const std::string& path, int orders, int linesEach) {
    FILE* f = std::fopen(path.c_str(), "wb");
    std::string buf;
    for (int o = 0; o < orders; ++o) {
        buf += "H," + std::to_string(1 + o % 50) + ",\"Pat Reyes\", 3/ 1/2026,\"PO-" + std::to_string(o) +
               "\", 3/ 2/2026, 3/ 4/2026,,,";
        buf += std::to_string(linesEach * 12) + ".5,8.25,0," + std::to_string(linesEach * 12) + ".5";
        buf += ",\"Riverside Clinic, Phase 2\",\"1200 Main Street\",\"\",\"Vancouver\",\"WA\",\"98660\",\"Sam\","
               "\"Truck\",\"Gate 3\",\"Jobsite\"\n";
        for (int l = 0; l < linesEach; ++l) {
            if (l == 0) {
                buf += "D,0,\"\",\"\",\"Framing lumber, kiln dried\",2,6.25,\"EA\",12.5,\"Job\",\"\",\"J" +
                       std::to_string(o % kJobs) + "\",\"" + kCodes[o % 4] + "\",\"\",\"\", 3/ 4/2026,,\n";
            } else if (l % 3 == 0) {
                buf += "D,0,\"\",\"ITEM" + std::to_string((o + l) % 100) +
                       "\",\"Stock item\",3,4,\"EA\",12,\"Inventory\",\"\",\"\",\"\",\"\",\"\",,,\n";
            } else if (l % 3 == 1) {
                buf += "D,0,\"\",\"\",\"Fasteners \"\"2 inch\"\"\",1,12,\"BOX\",12,\"G/L Account\",\"6100-00\",\"\","
                       "\"\",\"\",\"\",,,\n";
            } else {
                buf += "D,0,\"\",\"\",\"Subcontract labour\",1,12,\"LS\",12,\"Job\",\"\",\"J" +
                       std::to_string((o + l) % kJobs) + "\",\"" + kCodes[(o + l) % 4] + "\",\"\",\"\",,,\n";
            }
        }
        if (buf.size() > (1u << 20)) {
            std::fwrite(buf.data(), 1, buf.size(), f);
            buf.clear();
        }
    }
    std::fwrite(buf.data(), 1, buf.size(), f);
    std::fclose(f);
}

// The baseline's parse: comma fields, quoted ones with doubled quotes.
void split(const std::string& line, std::vector<std::string>& out) {
    out.clear();
    std::size_t p = 0;
    while (p <= line.size()) {
        std::string f;
        if (p < line.size() && line[p] == '"') {
            std::size_t i = p + 1;
            while (i < line.size()) {
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        f += '"';
                        i += 2;
                        continue;
                    }
                    break;
                }
                f += line[i++];
            }
            p = i + 2;
        } else {
            std::size_t c = line.find(',', p);
            if (c == std::string::npos) c = line.size();
            f = line.substr(p, c - p);
            p = c + 1;
        }
        out.push_back(std::move(f));
    }
}

long long cents(const std::string& s) { return static_cast<long long>(std::stod(s.empty() ? "0" : s) * 100 + 0.5); }

double baselineImport(const std::string& folder, const std::string& path) {
    createDataFolder(folder);
    bench::Stopwatch w;
    sqlite3* db = nullptr;
    sqlite3_open((folder + "/vantrel.db").c_str(), &db);
    sqlite3_exec(db, "PRAGMA journal_mode=WAL; BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    // Whole records, as the store writes them: every column of both files,
    // the ones the file does not fill with their empty values.
    auto columns = [&](const char* table) {
        std::vector<std::pair<std::string, std::string>> out;  // name, declared type
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, (std::string("PRAGMA table_info(") + table + ")").c_str(), -1, &st, nullptr);
        while (sqlite3_step(st) == SQLITE_ROW) {
            const std::string name = reinterpret_cast<const char*>(sqlite3_column_text(st, 1));
            const unsigned char* type = sqlite3_column_text(st, 2);
            if (name != "_rid") out.emplace_back(name, type ? reinterpret_cast<const char*>(type) : "");
        }
        sqlite3_finalize(st);
        return out;
    };
    const auto hc = columns("POMaster"), dc = columns("PODetail");
    auto insertSql = [](const char* table, const std::vector<std::pair<std::string, std::string>>& cols) {
        std::string names, marks;
        for (const auto& c : cols) {
            names += (names.empty() ? "\"" : ",\"") + c.first + "\"";
            marks += marks.empty() ? "?" : ",?";
        }
        return std::string("INSERT INTO ") + table + " (" + names + ") VALUES (" + marks + ")";
    };
    auto index = [](const std::vector<std::pair<std::string, std::string>>& cols, const char* name) {
        for (std::size_t i = 0; i < cols.size(); ++i)
            if (cols[i].first == name) return static_cast<int>(i) + 1;
        return 0;
    };
    auto blank = [](sqlite3_stmt* st, const std::vector<std::pair<std::string, std::string>>& cols, int gap) {
        for (std::size_t i = 0; i < cols.size(); ++i) {
            const std::string& t = cols[i].second;
            const int at = static_cast<int>(i) + 1;
            if (t == "TEXT") sqlite3_bind_text(st, at, "", 0, SQLITE_STATIC);
            else if (t == "BLOB") sqlite3_bind_zeroblob(st, at, gap);
            else if (t == "REAL") sqlite3_bind_double(st, at, 0);
            else sqlite3_bind_int64(st, at, 0);
        }
    };
    sqlite3_stmt *h = nullptr, *d = nullptr;
    sqlite3_prepare_v2(db, insertSql("POMaster", hc).c_str(), -1, &h, nullptr);
    sqlite3_prepare_v2(db, insertSql("PODetail", dc).c_str(), -1, &d, nullptr);
    const int hPOID = index(hc, "POID"), hVendor = index(hc, "VendorID"), hBy = index(hc, "PreparedBy"),
              hNumber = index(hc, "PONumber"), hPreTax = index(hc, "PreTaxAmount"), hAmount = index(hc, "POAmount"),
              hFOB = index(hc, "FOB"), hSortV = index(hc, "SortVendorID"),
              hSortN = index(hc, "SortPONumber"), hTaxable = index(hc, "Taxable");
    std::vector<int> shipTo;
    for (const char* n : {"ShipToName", "ShipToAddress1", "ShipToAddress2", "ShipToCity", "ShipToState", "ShipToZip",
                          "ShipToContact", "ShipVia", "ShipToInstructions"})
        shipTo.push_back(index(hc, n));
    const int dPOID = index(dc, "POID"), dID = index(dc, "DetailID"), dItem = index(dc, "ItemID"),
              dFlag = index(dc, "TextFlag"), dDesc = index(dc, "Description"), dQty = index(dc, "QtyOrdered"),
              dPrice = index(dc, "UnitPrice"), dUnit = index(dc, "UnitName"), dTotal = index(dc, "TotalAmount"),
              dType = index(dc, "DetailType"), dAccount = index(dc, "Account"), dJob = index(dc, "JobID"),
              dCode = index(dc, "CostCode"), dTaxable = index(dc, "Taxable");
    FILE* f = std::fopen(path.c_str(), "rb");
    std::string line;
    std::vector<std::string> v;
    char chunk[1 << 16];
    long long poid = 0, detail = 0;
    auto text = [](sqlite3_stmt* st, int i, const std::string& s) {
        sqlite3_bind_text(st, i, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
    };
    auto handle = [&] {
        split(line, v);
        if (v[0] == "H") {
            blank(h, hc, 60);
            sqlite3_bind_int64(h, hPOID, ++poid);
            sqlite3_bind_int64(h, hVendor, std::stoll(v[1]));
            text(h, hBy, v[2]);
            text(h, hNumber, v[4]);
            sqlite3_bind_int64(h, hPreTax, cents(v[9]));
            sqlite3_bind_int64(h, hAmount, cents(v[12]));
            for (std::size_t k = 0; k < shipTo.size(); ++k) text(h, shipTo[k], v[13 + k]);
            text(h, hFOB, v[22]);
            sqlite3_bind_int64(h, hSortV, std::stoll(v[1]));
            text(h, hSortN, v[4]);
            sqlite3_bind_int64(h, hTaxable, 1);
            sqlite3_step(h);
            sqlite3_reset(h);
        } else {
            blank(d, dc, 40);
            sqlite3_bind_int64(d, dPOID, poid);
            sqlite3_bind_int64(d, dID, ++detail);
            text(d, dItem, v[3]);
            sqlite3_bind_int64(d, dFlag, std::stoll(v[1]));
            text(d, dDesc, v[4]);
            sqlite3_bind_int64(d, dQty, static_cast<long long>(std::stod(v[5]) * 10000 + 0.5));
            sqlite3_bind_double(d, dPrice, std::stod(v[6]));
            text(d, dUnit, v[7]);
            sqlite3_bind_int64(d, dTotal, cents(v[8]));
            text(d, dType, v[9]);
            text(d, dAccount, v[10]);
            text(d, dJob, v[11]);
            text(d, dCode, v[12]);
            sqlite3_bind_int64(d, dTaxable, 1);
            sqlite3_step(d);
            sqlite3_reset(d);
        }
    };
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0)
        for (std::size_t i = 0; i < n; ++i) {
            if (chunk[i] == '\n') {
                handle();
                line.clear();
            } else {
                line += chunk[i];
            }
        }
    std::fclose(f);
    sqlite3_finalize(h);
    sqlite3_finalize(d);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return w.seconds();
}

double baselineExport(const std::string& dbPath, const std::string& out) {
    bench::Stopwatch w;
    sqlite3* db = nullptr;
    sqlite3_open(dbPath.c_str(), &db);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT m.POID, m.VendorID, m.PreparedBy, m.PONumber, m.POAmount, m.ShipToName, d.Description, "
                       "d.QtyOrdered, d.UnitPrice, d.UnitName, d.TotalAmount, d.DetailType, d.Account, d.JobID, "
                       "d.CostCode, d.DeliveryDate FROM POMaster m LEFT JOIN PODetail d ON d.POID = m.POID "
                       "ORDER BY m.POID, d.DetailID",
                       -1, &st, nullptr);
    FILE* f = std::fopen(out.c_str(), "wb");
    long long last = -1;
    auto t = [&](int c) {
        const unsigned char* s = sqlite3_column_text(st, c);
        return s ? reinterpret_cast<const char*>(s) : "";
    };
    while (sqlite3_step(st) == SQLITE_ROW) {
        const long long poid = sqlite3_column_int64(st, 0);
        if (poid != last) {
            std::fprintf(f, "H,%lld,\"%s\",\"%s\",%lld,\"%s\"\n", sqlite3_column_int64(st, 1), t(2), t(3),
                         sqlite3_column_int64(st, 4), t(5));
            last = poid;
        }
        if (sqlite3_column_type(st, 6) != SQLITE_NULL)
            std::fprintf(f, "D,\"%s\",%lld,%g,\"%s\",%lld,\"%s\",\"%s\",\"%s\",\"%s\",%s\n", t(6),
                         sqlite3_column_int64(st, 7), sqlite3_column_double(st, 8), t(9), sqlite3_column_int64(st, 10),
                         t(11), t(12), t(13), t(14), t(15));
    }
    std::fclose(f);
    sqlite3_finalize(st);
    sqlite3_close(db);
    return w.seconds();
}

}  // namespace

int main(int argc, char** argv) {
    const double scale = bench::scaleFrom(argc, argv);
    const int orders = std::max(10, static_cast<int>(100000 * scale));
    const int linesEach = 10;
    const std::string root = bench::scratchFolder("import");
    const std::string file = root + "/orders.txt";
    writeFile(file, orders, linesEach);
    bench::figure("import_orders", orders, "orders");
    bench::figure("import_lines", static_cast<double>(orders) * linesEach, "lines");
    bench::figure("import_file", static_cast<double>(std::filesystem::file_size(file)) / 1e6, "MB");

    const std::string folder = root + "/data";
    auto db = createDataFolder(folder);
    company(*db.store);

    imp::SourceSpec spec;
    spec.oneFile = true;
    spec.format = imp::FileFormat::Comma;
    spec.headerFile = file;
    spec.layout = imp::parseLayout(imp::kBuiltInLayout);
    double import = 0;
    {
        imp::ImportBatch batch;
        bench::Stopwatch w;
        const auto r = imp::readImport(*db.store, spec, 6, folder, batch, [](std::int64_t, std::int64_t) { return true; });
        const double preview = w.seconds();
        if (r.outcome != imp::ReadResult::Outcome::Read || !batch.errors.empty()) {
            std::fprintf(stderr, "the file did not read cleanly: %s (%zu errors)\n", r.problem.c_str(), batch.errors.size());
            return 1;
        }
        imp::WriteResult written;
        imp::WriteContext cx{*db.store, "BEN", Date::fromYmd(2026, 7, 1), 6, {}, [](std::int64_t, std::int64_t) { return true; }};
        const store::Status s = imp::writeImport(cx, batch, written);
        import = w.seconds();
        if (!s || written.lines != static_cast<std::int64_t>(orders) * linesEach) {
            std::fprintf(stderr, "the import failed: %s\n", s.message.c_str());
            return 1;
        }
        bench::figure("import_preview", preview, "s");
        bench::figure("import_write", import - preview, "s");
        bench::figure("import", import, "s");
    }
    const double peak = peakMegabytes();
    bench::figure("import_peak_memory", peak, "MB");

    const double importBase = baselineImport(root + "/base", file);
    bench::figure("import_baseline", importBase, "s");

    std::vector<ULong> all;
    POMaster po;
    for (auto c = store::Table<POMaster>(*db.store).all(POMaster::KeyPOID); c.next(po);) all.push_back(po.POID);
    // The exports are short: each runs three times, the median counts.
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    std::vector<double> ours, base;
    for (int run = 0; run < 3; ++run) {
        bench::Stopwatch ew;
        imp::ExportResult er;
        imp::exportOrders(*db.store, all, folder, root + "/export.txt", {}, er);
        ours.push_back(ew.seconds());
        base.push_back(baselineExport(folder + "/vantrel.db", root + "/export_baseline.txt"));
    }
    const double exportTime = median(ours), exportBase = median(base);
    bench::figure("export", exportTime, "s");
    bench::figure("export_baseline", exportBase, "s");

    bench::target("import_vs_baseline", import / importBase, 1.5);
    bench::target("export_vs_baseline", exportTime / exportBase, 1.5);
    bench::target("import_peak_memory_mb", peak, 1024);
    std::filesystem::remove_all(root);
    return 0;
}
