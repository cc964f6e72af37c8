#pragma once
// Test helpers over the record tables: look-ups by name, and a row of named
// columns kept in memory the way a backend keeps a record.
#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "records/records.h"

namespace vtl::recordtest {

using store::FieldDef;
using store::FieldKind;
using store::RecordInfo;

inline const RecordInfo& file(std::string_view name) {
    for (const auto* r : allRecords())
        if (r->name == name) return *r;
    throw std::out_of_range("no record file " + std::string(name));
}

inline int indexOf(const RecordInfo& r, std::string_view field) {
    for (std::size_t i = 0; i < r.fields.size(); ++i)
        if (r.fields[i].name == field) return static_cast<int>(i);
    return -1;
}

inline const FieldDef& fieldOf(const RecordInfo& r, std::string_view field) {
    int i = indexOf(r, field);
    if (i < 0) throw std::out_of_range(r.name + " has no field " + std::string(field));
    return r.fields[static_cast<std::size_t>(i)];
}

inline std::vector<const RecordInfo*> everyTable() {
    auto all = allRecords();
    all.push_back(&POMasterAlias::info());
    return all;
}

// One stored column, as a backend would keep it.
using Cell = std::variant<std::monostate, std::int64_t, double, std::string, std::vector<std::uint8_t>>;

class CellSink : public store::ColumnSink {
public:
    Cell cell;
    void putNull() override { cell = std::monostate{}; }
    void putInt(std::int64_t v) override { cell = v; }
    void putReal(double v) override { cell = v; }
    void putText(std::string_view v) override { cell = std::string(v); }
    void putBlob(const void* data, std::size_t size) override {
        auto p = static_cast<const std::uint8_t*>(data);
        cell = std::vector<std::uint8_t>(p, p + size);
    }
};

class CellSource : public store::ColumnSource {
public:
    explicit CellSource(const Cell& c) : c_(c) {}
    bool isNull() override { return std::holds_alternative<std::monostate>(c_); }
    // A null column reads as zero or empty, as a database column does.
    std::int64_t getInt() override { return isNull() ? 0 : std::get<std::int64_t>(c_); }
    double getReal() override { return isNull() ? 0.0 : std::get<double>(c_); }
    std::string_view getText() override { return isNull() ? std::string_view() : std::get<std::string>(c_); }
    void getBlob(void* data, std::size_t size) override {
        static const std::vector<std::uint8_t> none;
        const auto& b = isNull() ? none : std::get<std::vector<std::uint8_t>>(c_);
        auto out = static_cast<std::uint8_t*>(data);
        for (std::size_t i = 0; i < size; ++i) out[i] = i < b.size() ? b[i] : 0;
    }

private:
    const Cell& c_;
};

using Row = std::map<std::string, Cell>;

inline Row writeRow(const RecordInfo& info, const void* record) {
    Row row;
    for (const auto& f : info.fields) {
        CellSink sink;
        f.put(record, sink);
        row[f.name] = sink.cell;
    }
    return row;
}

// Fields the row does not hold read as null, as a column added later would.
inline void readRow(const RecordInfo& info, const Row& row, void* record) {
    static const Cell null;
    for (const auto& f : info.fields) {
        auto it = row.find(f.name);
        CellSource source(it == row.end() ? null : it->second);
        f.get(record, source);
    }
}

}  // namespace vtl::recordtest
