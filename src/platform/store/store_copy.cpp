#include "platform/store/store_copy.h"

#include <vector>

#include "platform/store/backend.h"

namespace vtl::store {
namespace {

// A file's record count and the sum of each decimal column, as read back.
struct Tally {
    std::int64_t count = 0;
    std::vector<__int128> sums;
};

bool tally(Store& s, const RecordInfo& info, Tally& t, std::string& error) {
    t = Tally();
    t.sums.assign(info.fields.size(), 0);
    return s.forEachRow(info, -1, [&](const std::vector<Value>& row) {
        ++t.count;
        for (std::size_t i = 0; i < info.fields.size(); ++i)
            if (info.fields[i].kind == FieldKind::Decimal && row[i].type == Value::Type::Int) t.sums[i] += row[i].i;
    }, error);
}

std::string text(__int128 v, int scale) {
    const bool negative = v < 0;
    unsigned __int128 m = negative ? -static_cast<unsigned __int128>(v) : static_cast<unsigned __int128>(v);
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(m % 10)));
        m /= 10;
    } while (m);
    if (scale > 0) {
        if (digits.size() <= static_cast<std::size_t>(scale))
            digits.insert(0, static_cast<std::size_t>(scale) + 1 - digits.size(), '0');
        digits.insert(digits.size() - static_cast<std::size_t>(scale), 1, '.');
    }
    return negative ? "-" + digits : digits;
}

}  // namespace

Status copyCompany(Store& from, Store& to, CopyResult& result,
                   const std::function<void(const std::string& file)>& progress) {
    result = CopyResult();
    if (from.schemaVersion() != to.schemaVersion())
        return Status::failure(to.path() + ": the schema version (" + std::to_string(to.schemaVersion()) +
                               ") differs from " + from.path() + " (" + std::to_string(from.schemaVersion()) + ")");
    for (const RecordInfo* info : to.schema().records)
        if (to.core(*info).count() > 0)
            return Status::failure(to.path() + ": " + info->name + " already holds records; nothing was copied");

    ReadTransaction snapshot(from);
    if (!snapshot.status()) return Status::failure(from.path() + ": " + snapshot.status().message);
    Transaction tx(to);
    if (!tx.status()) return Status::failure(to.path() + ": " + tx.status().message);

    for (const RecordInfo* info : to.schema().records) {
        if (progress) progress(info->name);
        TableCore& target = to.core(*info);
        Status failed;
        std::string error;
        const bool read = from.forEachRow(*info, -1, [&](const std::vector<Value>& row) {
            if (!failed) return;
            if (Status s = target.insertRow(row); !s) failed = s;
        }, error);
        if (!read) return Status::failure(from.path() + ": " + error + " Reading " + info->name);
        if (!failed) return Status::failure(to.path() + ": " + failed.message);
        ++result.files;
    }
    if (from.numbersKept() && to.numbersKept()) {
        std::vector<std::pair<std::string, std::int64_t>> numbers;
        {
            auto st = from.backend().prepare("SELECT \"File\", \"Last\" FROM \"_Numbers\"");
            while (st->step()) numbers.emplace_back(std::string(st->text(0)), st->integer(1));
        }
        for (const auto& [file, last] : numbers) {
            auto st = to.backend().prepare(to.backend().keepNumberSql());
            st->bindText(1, file);
            st->bindInt(2, last);
            st->step();
            if (st->failed()) return Status::failure(to.path() + ": " + to.lastError() + " Copying the numbers");
        }
    }

    // What landed, read back, against what was there.
    for (const RecordInfo* info : to.schema().records) {
        Tally a, b;
        std::string error;
        if (!tally(from, *info, a, error)) return Status::failure(from.path() + ": " + error);
        if (!tally(to, *info, b, error)) return Status::failure(to.path() + ": " + error);
        if (a.count != b.count)
            return Status::failure(info->name + ": " + std::to_string(b.count) + " records copied of " +
                                   std::to_string(a.count) + "; nothing was copied");
        for (std::size_t i = 0; i < info->fields.size(); ++i) {
            if (info->fields[i].kind != FieldKind::Decimal) continue;
            ++result.sumsCompared;
            if (a.sums[i] != b.sums[i])
                return Status::failure(info->name + "." + info->fields[i].name + ": the copy sums to " +
                                       text(b.sums[i], info->fields[i].scale) + " instead of " +
                                       text(a.sums[i], info->fields[i].scale) + "; nothing was copied");
        }
        result.records += a.count;
    }
    if (Status s = tx.commit(); !s) return Status::failure(to.path() + ": " + s.message);
    return Status::success();
}

}  // namespace vtl::store
