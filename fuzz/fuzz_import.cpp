// libFuzzer target of the import reader: the first byte of an input picks
// the format (comma, tab, fixed position), one file or two, the date format
// and where the detail file starts; the rest is the file text. Each input
// is read and checked against a small company, as Preview does.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "records/database.h"
#include "records/records.h"
#include "vtlpoimp/import_read.h"

using namespace vtl;

namespace {

struct Company {
    std::string folder;
    OpenResult db;
    Company() : folder(std::filesystem::temp_directory_path() / ("vtl-fuzz-" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(folder);
        db = createDataFolder(folder);
        APVendor v;
        v.VendorID = 101;
        v.ExternalID = "CL-9";
        store::Table<APVendor>(*db.store).insert(v);
        GLMaster g;
        g.Account = "6100-00";
        store::Table<GLMaster>(*db.store).insert(g);
        POMaster po;
        po.PONumber = "EXIST";
        store::Table<POMaster>(*db.store).insert(po);
    }
};

void write(const std::string& path, const std::uint8_t* data, std::size_t size) {
    FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(data, 1, size, f);
    std::fclose(f);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Company company;
    if (size < 2) return 0;
    const std::uint8_t pick = data[0];
    const std::size_t cut = 1 + (data[1] * (size - 1)) / 256;
    imp::SourceSpec spec;
    spec.format = static_cast<imp::FileFormat>(pick % 3);
    spec.oneFile = (pick & 4) != 0;
    spec.headerTitleLine = (pick & 8) != 0;
    spec.detailTitleLine = (pick & 16) != 0;
    spec.dateFormat = imp::dateFormats()[(pick >> 5) % imp::dateFormats().size()];
    spec.layout = imp::parseLayout(spec.format == imp::FileFormat::Fixed
                                       ? "R101VI05EV04PB06PD08PN05D110PT06TA03PA07SN12TM03####R201TF01TX09II04DE07QO05UP04"
                                         "UN02AM06DT01AC07JB04CC09EQ03CT04D108DN04"
                                       : (spec.oneFile ? imp::kBuiltInLayout
                                                       : "PO00VI00EV00PN00PT00TA00PA00D100####PO00DN00TF00TX00QO00UP00"
                                                         "AM00DT00AC00JB00CC00EQ00CT00D300"));
    spec.headerFile = company.folder + "/h.txt";
    spec.detailFile = company.folder + "/d.txt";
    if (spec.oneFile) {
        write(spec.headerFile, data + 2, size - 2);
    } else {
        write(spec.headerFile, data + 2, cut > 2 ? cut - 2 : 0);
        write(spec.detailFile, data + std::max<std::size_t>(cut, 2), size - std::max<std::size_t>(cut, 2));
    }
    imp::ImportBatch batch;
    imp::readImport(*company.db.store, spec, 6, company.folder, batch);
    for (const imp::ImportLine& l : batch.lines) {
        bool found = false;
        for (const imp::ImportHeader& h : batch.headers) found = found || h.poid == l.poid;
        if (!found) __builtin_trap();  // a line kept without its order
    }
    return 0;
}
