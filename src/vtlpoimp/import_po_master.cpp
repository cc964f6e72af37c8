#include "vtlpoimp/import_po_master.h"

#include <filesystem>

#include "platform/picture/picture.h"
#include "platform/suite/error_object.h"
#include "platform/suite/text_util.h"
#include "siblings/services/help_topic.h"
#include "vtlpoimp/import_read.h"
#include "vtlpoimp/import_write.h"

namespace vtl::imp {

std::vector<std::string> BrowseErrQue::row(std::size_t i) const {
    const ImportError& e = errors_.at(i);
    return {pic::format(static_cast<std::int64_t>(e.line), "@n6"), e.text};
}

void ImportPOMaster::help() { services::openHelp(s_, kHelp); }

void ImportPOMaster::open() {
    s_.errors.check(ensureBuiltInSource(s_.store, !s_.globals.JobCostInstalled, s_.globals.UserID, s_.clock.today()));
    loadSources();
}

void ImportPOMaster::loadSources(ULong select) {
    const ULong keep = select ? select : (current() ? current()->LimitID : 0);
    sources_ = listSources(s_.store);
    highlight_ = sources_.empty() ? -1 : 0;
    for (std::size_t i = 0; i < sources_.size(); ++i)
        if (sources_[i].LimitID == keep) highlight_ = static_cast<int>(i);
}

const JCLimits* ImportPOMaster::current() const {
    if (highlight_ < 0 || highlight_ >= static_cast<int>(sources_.size())) return nullptr;
    return &sources_[static_cast<std::size_t>(highlight_)];
}

void ImportPOMaster::highlight(int row) {
    if (row >= 0 && row < static_cast<int>(sources_.size())) highlight_ = row;
}

void ImportPOMaster::locate(const std::string& text) {
    for (std::size_t i = 0; i < sources_.size(); ++i)
        if (suite::startsWithNoCase(sources_[i].ReportTitle.clip(), text)) {
            highlight_ = static_cast<int>(i);
            return;
        }
}

void ImportPOMaster::insertSource() {
    s_.globals.GlobalRequest = suite::Request::Insert;
    s_.globals.DecimalVariable = 0;
    if (!s_.call("UpdatePOMasterImport")) return;
    const bool saved = s_.globals.GlobalResponse == suite::Response::Completed;
    loadSources(saved ? static_cast<ULong>(s_.globals.DecimalVariable) : 0);
}

void ImportPOMaster::changeSource() {
    const JCLimits* src = current();
    if (!src) return;
    s_.globals.GlobalRequest = suite::Request::Change;
    s_.globals.DecimalVariable = src->LimitID;
    if (!s_.call("UpdatePOMasterImport")) return;
    loadSources(src->LimitID);
}

void ImportPOMaster::deleteSource() {
    const JCLimits* src = current();
    if (!src) return;
    if (isBuiltIn(src->ReportTitle.clip())) {
        s_.ui.tell("This Import Type cannot be deleted", "Cannot Delete", ui::Icon::Exclamation);
        return;
    }
    if (s_.ui.ask("Are you sure you want to delete the highlighted record?", "Confirm Delete", "&Yes|&No",
                  ui::Icon::Warning) != 1)
        return;
    JCLimits gone = *src;
    if (!s_.errors.check(store::Table<JCLimits>(s_.store).remove(gone))) return;
    const int at = highlight_;
    loadSources();
    if (!sources_.empty()) highlight_ = std::min(at, static_cast<int>(sources_.size()) - 1);
}

// A named file that is not there may be replaced by one the person picks,
// which the source then keeps.
bool ImportPOMaster::fileExists(std::string& name, bool header) {
    std::error_code ec;
    if (!name.empty() && std::filesystem::is_regular_file(name, ec)) return true;
    if (s_.ui.ask("The selected import file, " + name + " does not exist.  Do you wish to " + "select a different file?",
                  "Select New Filename", "&Yes|&No", ui::Icon::Exclamation) != 1)
        return false;
    auto chosen = s_.ui.openFile("Select An Import File", {kFilter}, s_.dataFolder);
    if (!chosen) return false;
    name = *chosen;
    JCLimits& src = sources_[static_cast<std::size_t>(highlight_)];
    if (header) src.NameFrom = name;
    else src.NameTo = name;
    s_.errors.check(store::Table<JCLimits>(s_.store).update(src));
    return true;
}

void ImportPOMaster::buildColumns(const SourceSpec& spec) {
    columns_.clear();
    if (spec.oneFile) columns_.push_back({"", "POID", "@n_6b", 30, true});
    struct Shown {
        const char* code;
        const char* title;
        const char* picture;
        int width;
        bool right;
    };
    static const Shown shown[] = {
        {"R1", "HD", "@s10", 20, false},          {"PO", "PO ID", "@n_6b", 30, true},
        {"VI", "Vendor ID", "@n_5b", 40, true},   {"EV", "Ext Vendor", "@s20", 60, false},
        {"PB", "Prepared By", "@s20", 70, false}, {"PD", "Prep Date", "@d1b", 45, true},
        {"PN", "PO Number", "@s20", 65, false},   {"D1", "Issue Date", "@d1b", 45, true},
        {"D2", "Deliver After", "@d1b", 50, true}, {"D3", "Delivery", "@d1b", 45, true},
        {"D4", "Deliver By", "@d1b", 45, true},   {"PT", "Pre-tax Amount", "@n-15.2b", 60, true},
        {"TR", "Tax Rate", "@n-15.2b", 40, true}, {"TA", "Tax Amount", "@n-15.2b", 50, true},
        {"PA", "Total Amount", "@n-15.2b", 60, true}, {"ST", "Ship To", "@S1", 30, false},
        {"SJ", "Ship To Job", "@s10", 50, false}, {"SV", "Ship To Vendor", "@n_6b", 55, true},
        {"SC", "Ship To Customer", "@n_6b", 60, true}, {"SN", "Ship To Name", "@s20", 80, false},
        {"S1", "Ship To Address 1", "@s30", 90, false}, {"S2", "Ship To Address 2", "@s30", 90, false},
        {"SY", "Ship To City", "@s20", 60, false}, {"SS", "Ship To State", "@s2", 45, false},
        {"SZ", "Ship To Zip", "@s10", 45, false}, {"SO", "Ship To Contact", "@s20", 70, false},
        {"VA", "Ship Via", "@s20", 60, false},    {"SI", "Shipping Instructions", "@s30", 90, false},
        {"FO", "FOB", "@s20", 60, false},         {"TM", "Terms", "@s30", 70, false},
    };
    for (const LayoutToken& t : spec.layout.header)
        for (const Shown& c : shown)
            if (t.code == c.code) columns_.push_back({c.code, c.title, c.picture, c.width, c.right});
}

std::vector<std::string> ImportPOMaster::row(std::size_t i) const {
    const ImportHeader& h = batch_.headers.at(i);
    std::vector<std::string> cells;
    cells.reserve(columns_.size());
    for (const PreviewColumn& c : columns_) {
        const std::string& k = c.code;
        const std::string_view p = c.picture;
        std::string v;
        if (k.empty() || k == "PO") v = pic::format(static_cast<std::int64_t>(h.poid), p);
        else if (k == "R1") v = "H";
        else if (k == "VI") v = pic::format(static_cast<std::int64_t>(h.vendorId), p);
        else if (k == "EV") v = pic::format(h.externalVendor, p);
        else if (k == "PB") v = pic::format(h.preparedBy, p);
        else if (k == "PD") v = pic::format(h.preparedDate, p);
        else if (k == "PN") v = pic::format(h.poNumber, p);
        else if (k == "D1") v = pic::format(h.issueDate, p);
        else if (k == "D2") v = pic::format(h.deliverAfterDate, p);
        else if (k == "D3") v = pic::format(h.deliveryDate, p);
        else if (k == "D4") v = pic::format(h.deadlineDate, p);
        else if (k == "PT") v = pic::format(h.preTaxAmount, p);
        else if (k == "TR") v = pic::format(h.taxRate, p);
        else if (k == "TA") v = pic::format(h.taxAmount, p);
        else if (k == "PA") v = pic::format(h.poAmount, p);
        else if (k == "ST") v = pic::format(h.shipToType, p);
        else if (k == "SJ") v = pic::format(h.shipToJob, p);
        else if (k == "SV") v = pic::format(static_cast<std::int64_t>(h.shipToVendor), p);
        else if (k == "SC") v = pic::format(static_cast<std::int64_t>(h.shipToCustomer), p);
        else if (k == "SN") v = pic::format(h.shipToName, p);
        else if (k == "S1") v = pic::format(h.shipToAddress1, p);
        else if (k == "S2") v = pic::format(h.shipToAddress2, p);
        else if (k == "SY") v = pic::format(h.shipToCity, p);
        else if (k == "SS") v = pic::format(h.shipToState, p);
        else if (k == "SZ") v = pic::format(h.shipToZip, p);
        else if (k == "SO") v = pic::format(h.shipToContact, p);
        else if (k == "VA") v = pic::format(h.shipVia, p);
        else if (k == "SI") v = pic::format(h.shipToInstructions, p);
        else if (k == "FO") v = pic::format(h.fob, p);
        else if (k == "TM") v = pic::format(h.terms, p);
        cells.push_back(std::move(v));
    }
    return cells;
}

void ImportPOMaster::preview(const std::function<void(int)>& progress) {
    const JCLimits* src = current();
    if (!src || !previewEnabled_) return;
    SourceSpec spec = specOf(*src);
    if (!fileExists(spec.headerFile, true)) return;
    if (!spec.oneFile && !fileExists(spec.detailFile, false)) return;

    buildColumns(spec);
    batch_.clear();
    progressText_ = "Browsing Records";
    if (progress) progress(0);
    ReadResult r;
    {
        ui::BusyCursor busy(s_.ui);
        r = readImport(s_.store, spec, s_.globals.CostCodeLen, s_.dataFolder, batch_,
                       [&](std::int64_t done, std::int64_t total) {
                           if (progress && total > 0) progress(static_cast<int>(done * 100 / total));
                           return true;
                       });
    }
    if (r.outcome != ReadResult::Outcome::Read) {
        batch_.clear();
        progressText_.clear();
        if (r.outcome == ReadResult::Outcome::FileProblem) s_.errors.report(r.problem);
        return;
    }
    progressText_ = "Process Complete";
    if (progress) progress(100);
    if (!batch_.errors.empty()) {
        s_.ui.beep();
        BrowseErrQue errors(batch_.errors);
        if (!s_.views.run(errors) || !errors.proceeding()) {
            batch_.headers.clear();
            batch_.lines.clear();
        }
    }
    if (!batch_.headers.empty()) {
        importEnabled_ = true;
        previewEnabled_ = false;
    }
}

void ImportPOMaster::importRecords(const std::function<void(int)>& progress) {
    if (!importEnabled_) return;
    WriteContext cx{s_.store, s_.globals.UserID, s_.clock.today(), s_.globals.CostCodeLen,
                    [this](const std::string& text) { s_.errors.report(text); },
                    [&](std::int64_t done, std::int64_t total) {
                        if (progress && total > 0) progress(static_cast<int>(done * 100 / total));
                        return true;
                    }};
    WriteResult result;
    store::Status s;
    {
        ui::BusyCursor busy(s_.ui);
        s = writeImport(cx, batch_, result);
    }
    importEnabled_ = false;
    previewEnabled_ = true;
    if (!s) {
        s_.errors.report(s.message);
        return;  // nothing was stored: the window stays for another try
    }
    imported_ = result.orders;
    batch_.clear();
    closed_ = true;
}

}  // namespace vtl::imp
