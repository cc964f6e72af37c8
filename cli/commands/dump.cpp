#include "commands/dump.h"

#include <cstdio>
#include <strings.h>

#include "commands/csv.h"
#include "records/database.h"

namespace vtl::cli {
namespace {

std::string cell(const store::FieldDef& f, const store::Value& v) {
    using K = store::FieldKind;
    using T = store::Value::Type;
    if (v.type == T::Null) return {};
    switch (f.kind) {
        case K::Decimal: return decimal_detail::toString(v.i, f.scale);
        case K::Time: {
            Time t(static_cast<std::int32_t>(v.i));
            char buf[16];
            std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", t.hour(), t.minute(), t.second());
            return buf;
        }
        case K::Real: {
            char buf[32];
            std::snprintf(buf, sizeof buf, "%.15g", v.type == T::Int ? static_cast<double>(v.i) : v.r);
            return buf;
        }
        default:
            if (v.type == T::Int) return std::to_string(v.i);
            if (v.type == T::Real) return std::to_string(v.r);
            return v.s;
    }
}

// The first unique key orders the dump; files without one keep insertion order.
int primaryKey(const store::RecordInfo& info) {
    for (std::size_t k = 0; k < info.keys.size(); ++k)
        if (info.keys[k].unique) return static_cast<int>(k);
    return -1;
}

}  // namespace

int dumpCommand(const std::string& file, const std::string& dataFolder, std::ostream& out, std::ostream& err) {
    const store::RecordInfo* info = nullptr;
    for (const auto* r : databaseSchema().records)
        if (strcasecmp(r->name.c_str(), file.c_str()) == 0) info = r;
    if (!info) {
        err << "vtlpo: " << file << ": no such record file\n";
        return 2;
    }
    auto db = openDataFolder(dataFolder, true);
    if (!db) {
        err << "vtlpo: " << db.error << "\n";
        return 1;
    }
    std::vector<std::string> header;
    std::vector<std::size_t> shown;
    for (std::size_t i = 0; i < info->fields.size(); ++i) {
        if (info->fields[i].kind == store::FieldKind::Gap) continue;
        header.push_back(info->prefix + ":" + info->fields[i].name);
        shown.push_back(i);
    }
    out << csvLine(header);
    std::string error;
    std::vector<std::string> row(shown.size());
    bool ok = db.store->forEachRow(*info, primaryKey(*info), [&](const std::vector<store::Value>& values) {
        for (std::size_t c = 0; c < shown.size(); ++c) row[c] = cell(info->fields[shown[c]], values[shown[c]]);
        out << csvLine(row);
    }, error);
    if (!ok) {
        err << "vtlpo: " << databasePath(dataFolder) << ": " << error << "\n";
        return 1;
    }
    return 0;
}

}  // namespace vtl::cli
