#include "gui/setup/any_record.h"

#include <stdexcept>
#include <utility>

namespace vtl::setup {

AnyRecord::AnyRecord(const RecordType& type) : type_(&type), p_(type.make_()) {}
AnyRecord::AnyRecord(const AnyRecord& o) : type_(o.type_), p_(o.type_->copy_(o.p_)) {}
AnyRecord::AnyRecord(AnyRecord&& o) noexcept : type_(o.type_), p_(std::exchange(o.p_, nullptr)) {}
AnyRecord& AnyRecord::operator=(AnyRecord o) noexcept {
    std::swap(type_, o.type_);
    std::swap(p_, o.p_);
    return *this;
}
AnyRecord::~AnyRecord() {
    if (p_) type_->destroy_(p_);
}

int AnyRecord::index(std::string_view field) const {
    int i = info().fieldIndex(field);
    if (i < 0) throw std::out_of_range("no field " + std::string(field) + " in " + info().name);
    return i;
}

store::Value AnyRecord::get(int field) const {
    const auto& f = info().fields.at(static_cast<std::size_t>(field));
    store::CaptureSink sink;
    f.put(p_, sink);
    return sink.values.at(0);
}

void AnyRecord::set(int field, const store::Value& v) {
    const auto& f = info().fields.at(static_cast<std::size_t>(field));
    store::ValueSource src(v);
    f.get(p_, src);
}

bool AnyRecord::sameValues(const AnyRecord& o) const {
    if (&info() != &o.info()) return false;
    store::CaptureSink a, b;
    for (const auto& f : info().fields) {
        f.put(p_, a);
        f.put(o.p_, b);
    }
    for (std::size_t i = 0; i < a.values.size(); ++i)
        if (!sameValue(a.values[i], b.values[i])) return false;
    return true;
}

store::Value textValue(std::string_view s) { return {store::Value::Type::Text, 0, 0, std::string(s)}; }
store::Value intValue(std::int64_t i) { return {store::Value::Type::Int, i, 0, {}}; }

std::string valueText(const store::Value& v) {
    switch (v.type) {
        case store::Value::Type::Null: return {};
        case store::Value::Type::Int: return std::to_string(v.i);
        case store::Value::Type::Real: return std::to_string(v.r);
        case store::Value::Type::Text:
        case store::Value::Type::Blob: return v.s;
    }
    return {};
}

bool sameValue(const store::Value& a, const store::Value& b) {
    if (a.type != b.type) return false;
    switch (a.type) {
        case store::Value::Type::Null: return true;
        case store::Value::Type::Int: return a.i == b.i;
        case store::Value::Type::Real: return a.r == b.r;
        default: return a.s == b.s;
    }
}

bool AnyTable::read(int key, const AnyRecord* position, int fixed,
                    const std::function<void(const AnyRecord&)>& visit, std::string& error) {
    std::vector<store::Value> at;
    store::ScanFrom from{position == nullptr, fixed, false};
    if (position) at = core_.keyValues(key, position->data(), position->base(), false);
    std::vector<store::Value> after;
    AnyRecord rec(type_);
    constexpr int kBatch = 512;
    for (;;) {
        int n = 0;
        bool ok = core_.readBatch(key, at, from, after, kBatch, [&](store::Statement& st) {
            core_.readRow(st, rec.data(), rec.base());
            visit(rec);
            ++n;
        }, error);
        if (!ok) return false;
        if (n < kBatch) return true;
        after = core_.keyValues(key, rec.data(), rec.base(), true);
    }
}

std::vector<AnyRecord> AnyTable::all(int key) {
    std::vector<AnyRecord> v;
    std::string error;
    read(key, nullptr, 0, [&](const AnyRecord& r) { v.push_back(r); }, error);
    return v;
}

}  // namespace vtl::setup
