// libFuzzer target of the import reader and writer. The first bytes pick
// how the input is read:
//   byte 0   bits 0-1 the format (comma, tab, fixed position), bit 2 one
//            file or two, bits 3-4 title lines, bits 5-7 the date format
//   byte 1   where the detail file starts (two files)
//   byte 2   bit 0: the layout is the text's first line; bit 1: what was
//            read is also written, and the figures checked against the
//            lines it wrote (then rolled back)
// The rest is the file text. Each input is read and checked against a
// small company, as Preview does; no line may be kept without its order,
// and a written import leaves the figures as its lines say.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "records/database.h"
#include "records/reconciliation.h"
#include "records/records.h"
#include "records/running_figures.h"
#include "vtlpoimp/import_read.h"
#include "vtlpoimp/import_write.h"
#include "vtlporec/figures.h"

using namespace vtl;

namespace {

struct Company {
    std::string folder;
    OpenResult db;
    Company() : folder(std::filesystem::temp_directory_path() / ("vtl-fuzz-import-" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(folder);
        db = createDataFolder(folder);
        APVendor v;
        v.VendorID = 101;
        v.ExternalID = "CL-9";
        store::Table<APVendor>(*db.store).insert(v);
        GLMaster g;
        g.Account = "6100-00";
        store::Table<GLMaster>(*db.store).insert(g);
        JCCost c;
        c.JobID = "J100";
        c.CostCode = "010100LAB";
        c.Account = "6100-00";
        c.RecordID = costRecordKey("J100", "010100LAB", 6);
        store::Table<JCCost>(*db.store).insert(c);
        INMaster item;
        item.ItemID = "NAIL";
        item.StockUnit = "EA";
        store::Table<INMaster>(*db.store).insert(item);
        INCnvrt box;
        box.ItemID = "NAIL";
        box.UnitName = "BOX";
        box.Factor = 50;
        store::Table<INCnvrt>(*db.store).insert(box);
        POMaster po;
        po.PONumber = "EXIST";
        setReconciled(po, 0);
        store::Table<POMaster>(*db.store).insert(po);
    }
    ~Company() {
        db.store.reset();
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
};

void write(const std::string& path, const std::uint8_t* data, std::size_t size) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (size) std::fwrite(data, 1, size, f);
    std::fclose(f);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Company company;
    if (size < 3) return 0;
    const std::uint8_t pick = data[0];
    const std::uint8_t mode = data[2];
    data += 3;
    size -= 3;
    imp::SourceSpec spec;
    spec.format = static_cast<imp::FileFormat>(pick % 3);
    spec.oneFile = (pick & 4) != 0;
    spec.headerTitleLine = (pick & 8) != 0;
    spec.detailTitleLine = (pick & 16) != 0;
    spec.dateFormat = imp::dateFormats()[(pick >> 5) % imp::dateFormats().size()];
    if (mode & 1) {
        std::size_t nl = 0;
        while (nl < size && data[nl] != '\n') ++nl;
        spec.layout = imp::parseLayout(std::string_view(reinterpret_cast<const char*>(data), nl));
        const std::size_t skip = nl < size ? nl + 1 : nl;
        data += skip;
        size -= skip;
    } else {
        spec.layout = imp::parseLayout(
            spec.format == imp::FileFormat::Fixed
                ? "R101VI05EV04PB06PD08PN05D110PT06TA03PA07SN12TM03####R201TF01TX09II04DE07QO05UP04"
                  "UN02AM06DT01AC07JB04CC09EQ03CT04D108DN04"
                : (spec.oneFile ? imp::kBuiltInLayout
                                : "PO00VI00EV00PN00PT00TA00PA00D100####PO00DN00TF00TX00QO00UP00"
                                  "AM00DT00AC00JB00CC00EQ00CT00D300"));
    }
    spec.headerFile = company.folder + "/h.txt";
    spec.detailFile = company.folder + "/d.txt";
    if (spec.oneFile) {
        write(spec.headerFile, data, size);
    } else {
        const std::size_t cut = (data[-2] * size) / 256;
        write(spec.headerFile, data, cut);
        write(spec.detailFile, data + cut, size - cut);
    }
    store::Store& store = *company.db.store;
    imp::ImportBatch batch;
    imp::readImport(store, spec, 6, company.folder, batch);
    for (const imp::ImportLine& l : batch.lines) {
        bool found = false;
        for (const imp::ImportHeader& h : batch.headers) found = found || h.poid == l.poid;
        if (!found) __builtin_trap();  // a line kept without its order
    }
    if ((mode & 2) && !batch.headers.empty()) {
        // Written inside a transaction of our own that is never committed,
        // so every input starts from the same company.
        store::Transaction outer(store);
        imp::WriteContext cx{store, "FUZ", Date::fromYmd(2026, 3, 1), 6, {}, {}};
        imp::WriteResult written;
        const store::Status s = imp::writeImport(cx, batch, written);
        rec::CheckResult check;
        if (!rec::checkFigures(store, 6, check, {}, false)) __builtin_trap();
        // A PO number the file repeats, or one on file, is imported twice only
        // after the reader said so and the person chose to go on.
        bool numberTold = false;
        for (const imp::ImportError& e : batch.errors)
            numberTold = numberTold || e.text.rfind("Purchase Order Alredy Exists: ", 0) == 0;
        for (const rec::Difference& d : check.differences)
            if (d.kind != rec::Difference::Kind::PONumberTwice || !numberTold)
                __builtin_trap();  // figures that disagree with the lines written, or a number given twice
        if (s && written.orders != static_cast<int>(batch.headers.size())) __builtin_trap();
    }
    return 0;
}
