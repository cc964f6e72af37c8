#pragma once
// A single column value, used where the store needs a record's key values on
// their own (positions of cursors, relation values, the untyped row dump).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/store/fields.h"

namespace vtl::store {

struct Value {
    enum class Type { Null, Int, Real, Text, Blob };
    Type type = Type::Null;
    std::int64_t i = 0;
    double r = 0;
    std::string s;  // text, or blob bytes
};

// Collects the values a record puts, in order.
class CaptureSink : public ColumnSink {
public:
    std::vector<Value> values;
    void putNull() override { values.push_back({}); }
    void putInt(std::int64_t v) override { values.push_back({Value::Type::Int, v, 0, {}}); }
    void putReal(double v) override { values.push_back({Value::Type::Real, 0, v, {}}); }
    void putText(std::string_view v) override { values.push_back({Value::Type::Text, 0, 0, std::string(v)}); }
    void putBlob(const void* d, std::size_t n) override {
        values.push_back({Value::Type::Blob, 0, 0, std::string(static_cast<const char*>(d), n)});
    }
};

// Feeds one value to a field's reader.
class ValueSource : public ColumnSource {
public:
    explicit ValueSource(const Value& v) : v_(v) {}
    bool isNull() override { return v_.type == Value::Type::Null; }
    std::int64_t getInt() override { return v_.type == Value::Type::Real ? static_cast<std::int64_t>(v_.r) : v_.i; }
    double getReal() override { return v_.type == Value::Type::Int ? static_cast<double>(v_.i) : v_.r; }
    std::string_view getText() override { return v_.s; }
    void getBlob(void* data, std::size_t size) override;

private:
    const Value& v_;
};

}  // namespace vtl::store
