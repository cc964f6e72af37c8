#include "vtlpoimp/import_read.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "records/records.h"
#include "records/running_figures.h"

namespace vtl::imp {

const char* detailTypeWord(char letter) {
    switch (letter) {
        case 'J': return "Job";
        case 'E': return "Equipment";
        case 'G': return "G/L Account";
        case 'I': return "Inventory";
        default: return "";
    }
}

namespace {

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool blankLine(std::string_view s) { return trimmed(s).empty(); }

// The look-ups the checks make, each answered once per value.
class Lookups {
public:
    Lookups(store::Store& store, int costCodeLen) : store_(store), costCodeLen_(costCodeLen) {
        store::Table<Systems>(store).all(Systems::KeySystemID).next(sys_);
    }

    bool vendorExists(ULong id) {
        auto [it, fresh] = vendors_.try_emplace(id, false);
        if (fresh) {
            APVendor v;
            v.VendorID = id;
            it->second = store::Table<APVendor>(store_).fetch(APVendor::KeyVendorID, v);
        }
        return it->second;
    }
    std::optional<ULong> externalVendor(const std::string& ext) {
        auto [it, fresh] = external_.try_emplace(ext, std::nullopt);
        if (fresh) {
            APVendor v;
            v.ExternalID = ext;
            if (store::Table<APVendor>(store_).fetch(APVendor::KeyExternalID, v)) it->second = v.VendorID;
        }
        return it->second;
    }
    std::string jobAccount(const std::string& job, const std::string& costCode) {
        const std::string key = costRecordKey(job, costCode, costCodeLen_);
        auto [it, fresh] = jobAccounts_.try_emplace(key);
        if (fresh) {
            JCCost c;
            c.RecordID = key;
            if (store::Table<JCCost>(store_).fetch(JCCost::KeyRecordID, c)) it->second = c.Account.clip();
            if (it->second.empty()) it->second = sys_.DefaultJobAccount.clip();
        }
        return it->second;
    }
    std::string equipmentAccount(const std::string& eq, const std::string& category) {
        const std::string key = eq + '\x1f' + category;
        auto [it, fresh] = eqAccounts_.try_emplace(key);
        if (fresh) {
            EQCost c;
            c.EquipmentID = eq;
            c.CostCategory = category;
            if (store::Table<EQCost>(store_).fetch(EQCost::KeyEquipCategory, c)) it->second = c.Account.clip();
            if (it->second.empty()) it->second = sys_.DefaultEQAccount.clip();
        }
        return it->second;
    }
    bool accountExists(const std::string& account) {
        auto [it, fresh] = accounts_.try_emplace(account, false);
        if (fresh) {
            GLMaster g;
            g.Account = account;
            it->second = !account.empty() && store::Table<GLMaster>(store_).fetch(GLMaster::KeyAccount, g);
        }
        return it->second;
    }
    bool orderNumberExists(const std::string& number) {
        POMaster po;
        po.PONumber = number;
        return store::Table<POMaster>(store_).fetch(POMaster::KeyPONumber, po);
    }

private:
    store::Store& store_;
    int costCodeLen_;
    Systems sys_;
    std::unordered_map<ULong, bool> vendors_;
    std::unordered_map<std::string, std::optional<ULong>> external_;
    std::unordered_map<std::string, std::string> jobAccounts_, eqAccounts_;
    std::unordered_map<std::string, bool> accounts_;
};

class Reader {
public:
    Reader(store::Store& store, const SourceSpec& spec, int costCodeLen, const std::string& dataFolder,
           ImportBatch& batch)
        : spec_(spec), dataFolder_(dataFolder), batch_(batch), look_(store, costCodeLen) {}

    ReadResult run(const ReadProgress& progress) {
        batch_.clear();
        std::error_code ec;
        total_ = static_cast<std::int64_t>(std::filesystem::file_size(spec_.headerFile, ec));
        if (!spec_.oneFile) total_ += static_cast<std::int64_t>(std::filesystem::file_size(spec_.detailFile, ec));
        total_ *= 2;  // copied, then read
        progress_ = progress;

        if (spec_.oneFile) {
            ReadResult r = readFile(spec_.headerFile, spec_.headerTitleLine, [this](const std::string& line, std::int64_t n) {
                const std::size_t at = !line.empty() && line[0] == '"' ? 1 : 0;
                const char kind = at < line.size() ? line[at] : '\0';
                if (kind == 'H' || kind == 'h') {
                    header(line, n, static_cast<ULong>(++headersSeen_));
                } else if (kind == 'D' || kind == 'd' || kind == 'P' || kind == 'p') {
                    detail(line, n, static_cast<ULong>(headersSeen_));
                }
            });
            if (r.outcome != ReadResult::Outcome::Read) return r;
        } else {
            ReadResult r = readFile(spec_.headerFile, spec_.headerTitleLine,
                                    [this](const std::string& line, std::int64_t n) { header(line, n, 0); });
            if (r.outcome != ReadResult::Outcome::Read) return r;
            r = readFile(spec_.detailFile, spec_.detailTitleLine,
                         [this](const std::string& line, std::int64_t n) { detail(line, n, 0); });
            if (r.outcome != ReadResult::Outcome::Read) return r;
        }
        matchAfterReading();
        return {};
    }

private:
    template <class Each>
    ReadResult readFile(const std::string& path, bool titleLine, Each each) {
        std::string error;
        const std::int64_t base = done_;
        ReadProgress copying;
        if (progress_)
            copying = [&](std::int64_t done, std::int64_t) { return progress_(base + done, total_); };
        auto file = LineFile::open(path, dataFolder_, error, copying);
        if (!file) {
            if (error.empty()) return {ReadResult::Outcome::Stopped, ""};
            return {ReadResult::Outcome::FileProblem, error};
        }
        const std::int64_t readBase = base + file->size();
        std::string line;
        std::int64_t n = 0;
        while (file->next(line)) {
            ++n;
            if ((n == 1 && titleLine) || blankLine(line)) continue;
            each(line, n);
            if (progress_ && (n & 0x3FF) == 0 && !progress_(readBase + file->position(), total_))
                return {ReadResult::Outcome::Stopped, ""};
        }
        if (!file->readError().empty()) return {ReadResult::Outcome::FileProblem, path + ": " + file->readError()};
        done_ = readBase + file->size();
        if (progress_ && !progress_(done_, total_)) return {ReadResult::Outcome::Stopped, ""};
        return {};
    }

    void error(std::int64_t line, std::string text) { batch_.errors.push_back({line, std::move(text)}); }

    // Numbers keep digits, the point and a leading minus; one too large for
    // its field is reported and read as 0.
    template <class D>
    D decimal(const std::string& field, std::int64_t line) {
        const std::string t = numberText(field);
        try {
            if (auto v = D::parse(t)) return *v;
        } catch (const DecimalOverflow&) {
            error(line, "Number too large: " + std::string(trimmed(field)));
        }
        return D();
    }
    double real(const std::string& field) {
        const std::string t = numberText(field);
        double v = 0;
        auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
        (void)p;
        return ec == std::errc() && std::isfinite(v) ? v : 0;
    }
    ULong whole(const std::string& field, std::int64_t line) {
        std::string t = numberText(field);
        if (auto dot = t.find('.'); dot != std::string::npos) t.resize(dot);
        if (t.empty() || t[0] == '-') return 0;
        unsigned long long v = 0;
        auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
        (void)p;
        if (ec != std::errc() || v > 0xFFFFFFFFull) {
            error(line, "Number too large: " + std::string(trimmed(field)));
            return 0;
        }
        return static_cast<ULong>(v);
    }
    Date date(const std::string& field) { return readDate(field, spec_.dateFormat); }

    void header(const std::string& text, std::int64_t line, ULong counted) {
        splitFields(text, spec_.format, spec_.layout.header, fields_);
        ImportHeader h;
        h.line = line;
        h.poid = counted;
        for (std::size_t i = 0; i < fields_.size(); ++i) {
            const std::string& f = fields_[i];
            const std::string& c = spec_.layout.header[i].code;
            if (c.size() != 2) continue;
            switch (c[0] << 8 | c[1]) {
                case 'P' << 8 | 'O': if (!spec_.oneFile) h.poid = whole(f, line); break;
                case 'V' << 8 | 'I': h.vendorId = whole(f, line); break;
                case 'E' << 8 | 'V': h.externalVendor = trimmed(f); break;
                case 'P' << 8 | 'B': h.preparedBy = f; break;
                case 'P' << 8 | 'D': h.preparedDate = date(f); break;
                case 'P' << 8 | 'N': h.poNumber = f; break;
                case 'D' << 8 | '1': h.issueDate = date(f); break;
                case 'D' << 8 | '2': h.deliverAfterDate = date(f); break;
                case 'D' << 8 | '3': h.deliveryDate = date(f); break;
                case 'D' << 8 | '4': h.deadlineDate = date(f); break;
                case 'P' << 8 | 'T': h.preTaxAmount = decimal<Money>(f, line); break;
                case 'T' << 8 | 'R': h.taxRate = real(f); break;
                case 'T' << 8 | 'A': h.taxAmount = decimal<Money>(f, line); break;
                case 'P' << 8 | 'A': h.poAmount = decimal<Money>(f, line); break;
                case 'S' << 8 | 'T': h.shipToType = f; break;
                case 'S' << 8 | 'J': h.shipToJob = f; break;
                case 'S' << 8 | 'V': h.shipToVendor = whole(f, line); break;
                case 'S' << 8 | 'C': h.shipToCustomer = whole(f, line); break;
                case 'S' << 8 | 'N': h.shipToName = f; break;
                case 'S' << 8 | '1': h.shipToAddress1 = f; break;
                case 'S' << 8 | '2': h.shipToAddress2 = f; break;
                case 'S' << 8 | 'Y': h.shipToCity = f; break;
                case 'S' << 8 | 'S': h.shipToState = f; break;
                case 'S' << 8 | 'Z': h.shipToZip = f; break;
                case 'S' << 8 | 'O': h.shipToContact = f; break;
                case 'V' << 8 | 'A': h.shipVia = f; break;
                case 'S' << 8 | 'I': h.shipToInstructions = f; break;
                case 'F' << 8 | 'O': h.fob = f; break;
                case 'T' << 8 | 'M': h.terms = f; break;
                default: break;
            }
        }
        if (h.preTaxAmount.isZero()) h.preTaxAmount = h.poAmount;
        if (headerAt_.count(h.poid)) {
            error(line, "Duplicate POID: " + std::to_string(h.poid));
            return;
        }
        if (h.vendorId != 0) {
            if (!look_.vendorExists(h.vendorId)) error(line, "Vendor ID: " + std::to_string(h.vendorId));
        } else if (h.externalVendor.blank()) {
            error(line, "Missing Vendor ID");
        } else if (auto v = look_.externalVendor(h.externalVendor.clip())) {
            h.vendorId = *v;
        } else {
            error(line, "Vendor ID: " + h.externalVendor.clip());
        }
        headerAt_.emplace(h.poid, batch_.headers.size());
        batch_.headers.push_back(std::move(h));
    }

    static char typeLetter(std::string_view t) {
        if (t == "J" || t == "Job") return 'J';
        if (t == "E" || t == "Equipment") return 'E';
        if (t == "G" || t == "G/L Account") return 'G';
        if (t == "I" || t == "Inventory") return 'I';
        return 0;
    }

    void detail(const std::string& text, std::int64_t line, ULong lastHeader) {
        splitFields(text, spec_.format, spec_.layout.detail, fields_);
        ImportLine d;
        d.line = line;
        d.poid = lastHeader;
        std::string_view type;
        for (std::size_t i = 0; i < fields_.size(); ++i) {
            const std::string& f = fields_[i];
            const std::string& c = spec_.layout.detail[i].code;
            if (c.size() != 2) continue;
            switch (c[0] << 8 | c[1]) {
                case 'P' << 8 | 'O': if (!spec_.oneFile) d.poid = whole(f, line); break;
                case 'D' << 8 | 'N': d.poNumber = f; d.byNumber = !d.poNumber.blank(); break;
                case 'T' << 8 | 'F': d.textFlag = static_cast<Byte>(std::min<ULong>(whole(f, line), 255)); break;
                case 'T' << 8 | 'X': d.text = f; break;
                case 'I' << 8 | 'I': d.itemId = f; break;
                case 'D' << 8 | 'E': d.description = f; break;
                case 'Q' << 8 | 'O': d.qtyOrdered = decimal<Quantity>(f, line); break;
                case 'U' << 8 | 'P': d.unitPrice = real(f); break;
                case 'U' << 8 | 'N': d.unitName = f; break;
                case 'A' << 8 | 'M': d.totalAmount = decimal<Money>(f, line); break;
                case 'D' << 8 | 'T': type = trimmed(f); break;
                case 'A' << 8 | 'C': d.account = f; break;
                case 'J' << 8 | 'B': d.jobId = f; break;
                case 'C' << 8 | 'C': d.costCode = f; break;
                case 'E' << 8 | 'Q': d.equipmentId = f; break;
                case 'C' << 8 | 'T': d.costCategory = f; break;
                case 'D' << 8 | '1': d.deliverAfterDate = date(f); break;
                case 'D' << 8 | '2': d.deliveryDate = date(f); break;
                case 'D' << 8 | '3': d.deadlineDate = date(f); break;
                default: break;
            }
        }
        if (d.totalAmount.isZero()) {
            try {
                d.totalAmount = Money::fromDouble(d.qtyOrdered.toDouble() * d.unitPrice);
            } catch (const DecimalOverflow&) {
                error(line, "Number too large: " + d.qtyOrdered.toString() + " x " + std::to_string(d.unitPrice));
            }
        }
        d.detailType = typeLetter(type);
        if (!d.detailType) d.detailType = !d.jobId.blank() ? 'J' : !d.equipmentId.blank() ? 'E' : 'G';
        if (d.detailType == 'J') d.account = look_.jobAccount(d.jobId.clip(), d.costCode.str());
        else if (d.detailType == 'E') d.account = look_.equipmentAccount(d.equipmentId.clip(), d.costCategory.clip());
        // An inventory line is charged to its item: it may come without an
        // account (the form saves it so), but one it names must exist.
        const bool accountNeeded = d.textFlag != 1 && (d.detailType != 'I' || !d.account.blank());
        if (accountNeeded && !look_.accountExists(d.account.clip())) {
            error(line, "Bad Account#: " + d.account.clip());
            return;
        }
        if (d.byNumber) {
            batch_.lines.push_back(std::move(d));
            return;
        }
        auto at = headerAt_.find(d.poid);
        if (at == headerAt_.end()) {
            error(line, "Detail with no Purchase Order Header: " + std::to_string(d.poid));
            return;
        }
        if (!count(batch_.headers[at->second], d)) return;
        batch_.lines.push_back(std::move(d));
    }

    bool count(ImportHeader& h, const ImportLine& d) {
        try {
            h.lineTotal = h.lineTotal + d.totalAmount;
        } catch (const DecimalOverflow&) {
            error(d.line, "Number too large: total of POID " + std::to_string(h.poid));
            return false;
        }
        ++h.lineCount;
        return true;
    }

    void matchAfterReading() {
        bool byNumber = false;
        for (const ImportLine& d : batch_.lines) byNumber = byNumber || d.byNumber;
        if (byNumber) {
            // A line goes to the first header of its number; one that finds
            // none is never written without its order.
            std::unordered_map<std::string, std::size_t> byPONumber;
            for (std::size_t i = 0; i < batch_.headers.size(); ++i)
                byPONumber.try_emplace(batch_.headers[i].poNumber.clip(), i);
            std::vector<ImportLine> kept;
            kept.reserve(batch_.lines.size());
            for (ImportLine& d : batch_.lines) {
                if (d.byNumber) {
                    auto at = byPONumber.find(d.poNumber.clip());
                    if (at == byPONumber.end()) {
                        error(d.line, "Detail with no Purchase Order Header: " + d.poNumber.clip());
                        continue;
                    }
                    ImportHeader& h = batch_.headers[at->second];
                    d.poid = h.poid;
                    if (!count(h, d)) continue;
                }
                kept.push_back(std::move(d));
            }
            batch_.lines = std::move(kept);
            std::unordered_set<std::string> seen;
            for (ImportHeader& h : batch_.headers) {
                if (h.lineCount > 0) h.preTaxAmount = h.poAmount = h.lineTotal;
                if (!h.poNumber.blank() && !seen.insert(h.poNumber.clip()).second)
                    error(0, "Purchase Order Alredy Exists: " + h.poNumber.clip());
            }
            return;
        }
        // A number an order on file carries, or an earlier header of the
        // same file: imported as it is only when the person says so.
        std::unordered_set<std::string> seen;
        for (ImportHeader& h : batch_.headers) {
            if (h.lineCount > 0 && h.preTaxAmount != h.lineTotal) {
                error(0, "Totals don't match on POID: " + std::to_string(h.poid));
                h.poAmount = h.lineTotal;
            }
            if (h.poNumber.blank()) continue;
            const bool earlier = !seen.insert(h.poNumber.clip()).second;
            if (earlier || look_.orderNumberExists(h.poNumber.clip()))
                error(0, "Purchase Order Alredy Exists: " + h.poNumber.clip());
        }
    }

    const SourceSpec& spec_;
    std::string dataFolder_;
    ImportBatch& batch_;
    Lookups look_;
    ReadProgress progress_;
    std::int64_t total_ = 0, done_ = 0;
    std::int64_t headersSeen_ = 0;
    std::unordered_map<ULong, std::size_t> headerAt_;
    std::vector<std::string> fields_;
};

}  // namespace

ReadResult readImport(store::Store& store, const SourceSpec& spec, int costCodeLen, const std::string& dataFolder,
                      ImportBatch& batch, const ReadProgress& progress) {
    Reader r(store, spec, costCodeLen, dataFolder, batch);
    return r.run(progress);
}

}  // namespace vtl::imp
