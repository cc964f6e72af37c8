#include "vtlpoimp/export_po.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <algorithm>
#include <optional>

namespace vtl::imp {
namespace {

void text(std::string& out, std::string_view t) {
    out += '"';
    for (char c : t) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

template <std::size_t N>
void text(std::string& out, const Text<N>& t) {
    text(out, t.clipView());
}

// A decimal without trailing zeros after the point: 1250.5, 3, 0.25.
void number(std::string& out, std::string s) {
    if (s.find('.') != std::string::npos) {
        while (!s.empty() && s.back() == '0') s.pop_back();
        if (!s.empty() && s.back() == '.') s.pop_back();
    }
    if (s == "-0") s = "0";
    out += s;
}

template <int P, int S>
void number(std::string& out, const Decimal<P, S>& d) {
    number(out, d.toString());
}

void number(std::string& out, double v) {
    char buf[400];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    if (ec != std::errc()) {
        out += '0';
        return;
    }
    number(out, std::string(buf, end));
}

void number(std::string& out, std::uint64_t v) { out += std::to_string(v); }

// " 5/ 7/2024": month and day right-aligned in two places, the year in four.
void date(std::string& out, Date d) {
    if (d.isNull()) return;
    char buf[16];
    std::snprintf(buf, sizeof buf, "%2d/%2d/%04d", d.month(), d.day(), d.year());
    out += buf;
}

}  // namespace

std::string headerRecord(const POMaster& po) {
    std::string r = "H,";
    number(r, std::uint64_t{po.VendorID});
    r += ',';
    text(r, po.PreparedBy);
    r += ',';
    date(r, po.PreparedDate);
    r += ',';
    text(r, po.PONumber);
    r += ',';
    date(r, po.IssueDate);
    r += ',';
    date(r, po.DeliverAfterDate);
    r += ',';
    date(r, po.DeliveryDate);
    r += ',';
    date(r, po.DeadlineDate);
    r += ',';
    number(r, po.PreTaxAmount);
    r += ',';
    number(r, po.TaxRate);
    r += ',';
    number(r, po.TaxAmount);
    r += ',';
    number(r, po.POAmount);
    r += ',';
    text(r, po.ShipToName);
    r += ',';
    text(r, po.ShipToAddress1);
    r += ',';
    text(r, po.ShipToAddress2);
    r += ',';
    text(r, po.ShipToCity);
    r += ',';
    text(r, std::string_view(po.ShipToState.padded()));
    r += ',';
    text(r, po.ShipToZip);
    r += ',';
    text(r, po.ShipToContact);
    r += ',';
    text(r, po.ShipVia);
    r += ',';
    text(r, po.ShipToInstructions);
    r += ',';
    text(r, po.FOB);
    return r;
}

std::string detailRecord(const PODetail& d) {
    std::string r = "D,";
    number(r, std::uint64_t{d.TextFlag});
    r += ',';
    text(r, d.Text);
    r += ',';
    text(r, d.ItemID);
    r += ',';
    text(r, d.Description);
    r += ',';
    number(r, d.QtyOrdered);
    r += ',';
    number(r, d.UnitPrice);
    r += ',';
    text(r, d.UnitName);
    r += ',';
    number(r, d.TotalAmount);
    r += ',';
    text(r, d.DetailType);
    r += ',';
    text(r, d.Account);
    r += ',';
    text(r, d.JobID);
    r += ',';
    text(r, d.CostCode);
    r += ',';
    text(r, d.EquipmentID);
    r += ',';
    text(r, d.CostCategory);
    r += ',';
    date(r, d.DeliverAfterDate);
    r += ',';
    date(r, d.DeliveryDate);
    r += ',';
    date(r, d.DeadlineDate);
    return r;
}

namespace {

bool writeAll(int fd, const std::string& s) {
    std::size_t done = 0;
    while (done < s.size()) {
        const ssize_t w = ::write(fd, s.data() + done, s.size() - done);
        if (w < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(w);
    }
    return true;
}

}  // namespace

namespace {

template <int P, int S>
Decimal<P, S> scaled(const store::Row& r, int i) {
    return r.isNull(i) ? Decimal<P, S>() : Decimal<P, S>::fromRaw(r.integer(i));
}
Date dateOf(const store::Row& r, int i) {
    if (r.isNull(i)) return Date();
    return Date::fromIso(r.text(i)).value_or(Date());
}

// The orders of `poids` (ascending) and their lines, each file read once in
// number order.
template <class Put>
bool streamOrders(store::Store& store, const std::vector<ULong>& poids, Put& put, ExportResult& result) {
    static const std::vector<std::string> headerFields{
        "POID", "VendorID", "PreparedBy", "PreparedDate", "PONumber", "IssueDate", "DeliverAfterDate", "DeliveryDate",
        "DeadlineDate", "PreTaxAmount", "TaxRate", "TaxAmount", "POAmount", "ShipToName", "ShipToAddress1",
        "ShipToAddress2", "ShipToCity", "ShipToState", "ShipToZip", "ShipToContact", "ShipVia", "ShipToInstructions",
        "FOB", "Reconciled"};
    static const std::vector<std::string> lineFields{
        "POID", "TextFlag", "Text", "ItemID", "Description", "QtyOrdered", "UnitPrice", "UnitName", "TotalAmount",
        "DetailType", "Account", "JobID", "CostCode", "EquipmentID", "CostCategory", "DeliverAfterDate",
        "DeliveryDate", "DeadlineDate"};
    std::string error;
    std::vector<std::string> headers;  // by place in `poids`
    headers.resize(poids.size());
    std::vector<bool> found(poids.size(), false);
    const ULong first = poids.front(), last = poids.back();
    const std::vector<store::Condition> range{{"POID", ">=", store::Value{store::Value::Type::Int, first, 0, {}}},
                                              {"POID", "<=", store::Value{store::Value::Type::Int, last, 0, {}}}};
    auto place = [&](ULong poid) -> std::ptrdiff_t {
        auto it = std::lower_bound(poids.begin(), poids.end(), poid);
        return it != poids.end() && *it == poid ? it - poids.begin() : -1;
    };
    POMaster po;
    if (!store.projectRows(POMaster::info(), POMaster::KeyPOID, range, headerFields, [&](const store::Row& r) {
            const auto at = place(static_cast<ULong>(r.integer(0)));
            if (at < 0) return;
            po.VendorID = static_cast<ULong>(r.integer(1));
            po.PreparedBy = r.text(2);
            po.PreparedDate = dateOf(r, 3);
            po.PONumber = r.text(4);
            po.IssueDate = dateOf(r, 5);
            po.DeliverAfterDate = dateOf(r, 6);
            po.DeliveryDate = dateOf(r, 7);
            po.DeadlineDate = dateOf(r, 8);
            po.PreTaxAmount = scaled<15, 2>(r, 9);
            po.TaxRate = r.real(10);
            po.TaxAmount = scaled<15, 2>(r, 11);
            po.POAmount = scaled<15, 2>(r, 12);
            po.ShipToName = r.text(13);
            po.ShipToAddress1 = r.text(14);
            po.ShipToAddress2 = r.text(15);
            po.ShipToCity = r.text(16);
            po.ShipToState = r.text(17);
            po.ShipToZip = r.text(18);
            po.ShipToContact = r.text(19);
            po.ShipVia = r.text(20);
            po.ShipToInstructions = r.text(21);
            po.FOB = r.text(22);
            if (r.integer(23) != 0) ++result.reconciled;
            headers[static_cast<std::size_t>(at)] = headerRecord(po);
            found[static_cast<std::size_t>(at)] = true;
        }, error))
        return false;
    std::size_t next = 0;  // the next order whose header is due
    auto headersUpTo = [&](std::size_t at) {
        for (; next <= at && next < poids.size(); ++next)
            if (found[next]) {
                put(std::move(headers[next]));
                ++result.orders;
            }
    };
    PODetail d;
    const bool ok = store.projectRows(PODetail::info(), PODetail::KeyPOID, range, lineFields, [&](const store::Row& r) {
        const auto at = place(static_cast<ULong>(r.integer(0)));
        if (at < 0 || !found[static_cast<std::size_t>(at)]) return;
        headersUpTo(static_cast<std::size_t>(at));
        d.TextFlag = static_cast<Byte>(r.integer(1));
        d.Text = r.text(2);
        d.ItemID = r.text(3);
        d.Description = r.text(4);
        d.QtyOrdered = scaled<15, 4>(r, 5);
        d.UnitPrice = r.real(6);
        d.UnitName = r.text(7);
        d.TotalAmount = scaled<15, 2>(r, 8);
        d.DetailType = r.text(9);
        d.Account = r.text(10);
        d.JobID = r.text(11);
        d.CostCode = r.text(12);
        d.EquipmentID = r.text(13);
        d.CostCategory = r.text(14);
        d.DeliverAfterDate = dateOf(r, 15);
        d.DeliveryDate = dateOf(r, 16);
        d.DeadlineDate = dateOf(r, 17);
        put(detailRecord(d));
        ++result.lines;
    }, error);
    headersUpTo(poids.size());
    return ok;
}

}  // namespace

bool exportOrders(store::Store& store, const std::vector<ULong>& poids, const std::string& dataFolder,
                  const std::string& target, const std::function<void(const std::string&)>& report,
                  ExportResult& result) {
    result = {};
    auto say = [&](const std::string& s) {
        if (report) report(s);
    };
    // The work file is made under a name of its own and takes its stated
    // name when complete, so two exports in one folder never mix records.
    const std::string work = (std::filesystem::path(dataFolder) / kExportWorkFile).string();
    std::string temp = work + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        say(std::string(std::strerror(errno)) + " Creating File");
        return false;
    }
    store::Table<POMaster> orders(store);
    store::Table<PODetail> details(store);
    std::string buffer;
    bool failed = false;
    // After the first failed write nothing more is written: a later write
    // that went through (room made on the disk meanwhile) would leave a
    // file with records missing from its middle.
    auto flush = [&] {
        if (!failed && !buffer.empty() && !writeAll(fd, buffer)) {
            failed = true;
            say(std::string(std::strerror(errno)) + " Adding Export");
        }
        buffer.clear();
    };
    auto put = [&](std::string record) {
        buffer += record;
        buffer += '\n';
        if (buffer.size() >= (1u << 20)) flush();
    };
    {
        store::ReadTransaction snapshot(store);  // one moment's orders and lines
        if (std::is_sorted(poids.begin(), poids.end()) && poids.size() > 64) {
            // Many orders in number order (all of them, from the batch
            // tool): both files are read once, side by side, instead of
            // one look-up per order.
            if (!streamOrders(store, poids, put, result)) {
                say(store.lastError() + " Adding Export");
                failed = true;
            }
        } else
        for (ULong poid : poids) {
            POMaster po;
            po.POID = poid;
            if (!orders.fetch(POMaster::KeyPOID, po)) continue;
            if (po.Reconciled != 0) ++result.reconciled;
            ++result.orders;
            put(headerRecord(po));
            PODetail d;
            d.POID = poid;
            for (auto c = details.scan(PODetail::KeyPOID, d, {false, 1, false}); c.next(d);) {
                put(detailRecord(d));
                ++result.lines;
            }
        }
    }
    flush();
    if (failed) {
        // What was written is incomplete: the chosen file is left as it was.
        ::close(fd);
        ::unlink(temp.c_str());
        return false;
    }
    ::rename(temp.c_str(), work.c_str());

    // The copy goes beside the target and takes its name only when complete.
    bool copied = false;
    std::string copyTemp = target + ".XXXXXX";
    const int out = ::mkstemp(copyTemp.data());
    int err = errno;
    if (out >= 0) {
        copied = ::lseek(fd, 0, SEEK_SET) == 0;
        char chunk[1 << 16];
        while (copied) {
            const ssize_t n = ::read(fd, chunk, sizeof chunk);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                copied = n == 0;
                break;
            }
            copied = writeAll(out, std::string(chunk, static_cast<std::size_t>(n)));
        }
        if (copied) (void)::fchmod(out, 0644);
        // On the disk before it takes the name, so a crash never leaves an
        // empty or cut file there.
        if (copied && ::fsync(out) != 0) copied = false;
        err = errno;
        if (::close(out) != 0) copied = false;
        if (copied) copied = ::rename(copyTemp.c_str(), target.c_str()) == 0;
        if (!copied) {
            err = errno;
            ::unlink(copyTemp.c_str());
        }
    }
    ::close(fd);
    ::unlink(work.c_str());
    if (!copied) say(std::string(std::strerror(err)) + "Copying File");
    return copied;
}

std::optional<ExportMessage> reconciledMessage(int reconciled) {
    if (reconciled == 1)
        return ExportMessage{"The export program found 1 purchase order that has been at least partially reconciled.  "
                             "This purchase order was exported as fully open.",
                             "Reconciled PO Exported As Open"};
    if (reconciled > 1)
        return ExportMessage{"The export program found " + std::to_string(reconciled) +
                                 " purchase orders that have been at least partially reconciled.  "
                                 "These purchase orders were exported as fully open.",
                             "Reconciled POs Exported As Open"};
    return std::nullopt;
}

}  // namespace vtl::imp
