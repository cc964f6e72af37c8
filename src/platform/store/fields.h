#pragma once
// Record layouts: each record is a plain struct; a field table beside it
// lists every field in record order (gaps included) with its type and width,
// and the keys of the file. The store builds its schema and moves values
// between a record buffer and a row from these tables alone.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "platform/types/date.h"
#include "platform/types/decimal.h"
#include "platform/types/text.h"
#include "platform/types/widths.h"

namespace vtl::store {

enum class FieldKind { Byte, UShort, ULong, Long, String, Date, Time, Real, Decimal, Gap };

// Where a field's value goes when a record is written, and where it comes
// from when one is read. The backend implements both over its own rows.
class ColumnSink {
public:
    virtual ~ColumnSink() = default;
    virtual void putNull() = 0;
    virtual void putInt(std::int64_t v) = 0;
    virtual void putReal(double v) = 0;
    virtual void putText(std::string_view v) = 0;
    virtual void putBlob(const void* data, std::size_t size) = 0;
};

class ColumnSource {
public:
    virtual ~ColumnSource() = default;
    virtual bool isNull() = 0;
    virtual std::int64_t getInt() = 0;
    virtual double getReal() = 0;
    virtual std::string_view getText() = 0;
    // Copies at most `size` bytes; missing bytes read as zero.
    virtual void getBlob(void* data, std::size_t size) = 0;
};

// Every record buffer carries the identity of the row it was read from, so
// that a rewrite or a delete touches exactly that row. 0: not stored yet.
struct RecordBase {
    std::int64_t rowId_ = 0;
};

template <class T>
struct FieldTraits;  // kind, width and the moves of one member type

template <>
struct FieldTraits<Byte> {
    static constexpr FieldKind kind = FieldKind::Byte;
    static constexpr int width = 1, precision = 0, scale = 0;
    static void put(ColumnSink& s, const Byte& v) { s.putInt(v); }
    static void get(ColumnSource& s, Byte& v) { v = static_cast<Byte>(s.getInt()); }
};
template <>
struct FieldTraits<UShort> {
    static constexpr FieldKind kind = FieldKind::UShort;
    static constexpr int width = 2, precision = 0, scale = 0;
    static void put(ColumnSink& s, const UShort& v) { s.putInt(v); }
    static void get(ColumnSource& s, UShort& v) { v = static_cast<UShort>(s.getInt()); }
};
template <>
struct FieldTraits<ULong> {
    static constexpr FieldKind kind = FieldKind::ULong;
    static constexpr int width = 4, precision = 0, scale = 0;
    static void put(ColumnSink& s, const ULong& v) { s.putInt(v); }
    static void get(ColumnSource& s, ULong& v) { v = static_cast<ULong>(s.getInt()); }
};
template <>
struct FieldTraits<Long> {
    static constexpr FieldKind kind = FieldKind::Long;
    static constexpr int width = 4, precision = 0, scale = 0;
    static void put(ColumnSink& s, const Long& v) { s.putInt(v); }
    static void get(ColumnSource& s, Long& v) { v = static_cast<Long>(s.getInt()); }
};
template <>
struct FieldTraits<double> {
    static constexpr FieldKind kind = FieldKind::Real;
    static constexpr int width = 8, precision = 0, scale = 0;
    static void put(ColumnSink& s, const double& v) { s.putReal(v); }
    static void get(ColumnSource& s, double& v) { v = s.isNull() ? 0.0 : s.getReal(); }
};
template <>
struct FieldTraits<Date> {
    static constexpr FieldKind kind = FieldKind::Date;
    static constexpr int width = 4, precision = 0, scale = 0;
    static void put(ColumnSink& s, const Date& v) {
        if (v.isNull()) s.putNull();
        else s.putText(v.iso());
    }
    static void get(ColumnSource& s, Date& v) {
        if (s.isNull()) { v = Date(); return; }
        auto d = Date::fromIso(s.getText());
        v = d ? *d : Date();
    }
};
template <>
struct FieldTraits<Time> {
    static constexpr FieldKind kind = FieldKind::Time;
    static constexpr int width = 4, precision = 0, scale = 0;
    static void put(ColumnSink& s, const Time& v) {
        if (v.isNull()) s.putNull();
        else s.putInt(v.serial());
    }
    static void get(ColumnSource& s, Time& v) { v = s.isNull() ? Time() : Time(static_cast<std::int32_t>(s.getInt())); }
};
template <std::size_t N>
struct FieldTraits<Text<N>> {
    static constexpr FieldKind kind = FieldKind::String;
    static constexpr int width = static_cast<int>(N), precision = 0, scale = 0;
    static void put(ColumnSink& s, const Text<N>& v) { s.putText(v.clipView()); }
    static void get(ColumnSource& s, Text<N>& v) {
        if (s.isNull()) v.clear();
        else v.assign(s.getText());
    }
};
template <int P, int S>
struct FieldTraits<Decimal<P, S>> {
    static constexpr FieldKind kind = FieldKind::Decimal;
    // DECIMAL(p,s) takes p/2+1 bytes in the shared layout.
    static constexpr int width = P / 2 + 1, precision = P, scale = S;
    static void put(ColumnSink& s, const Decimal<P, S>& v) { s.putInt(v.raw()); }
    static void get(ColumnSource& s, Decimal<P, S>& v) {
        v = s.isNull() ? Decimal<P, S>() : Decimal<P, S>::fromRaw(s.getInt());
    }
};
template <std::size_t N>
struct FieldTraits<Gap<N>> {
    static constexpr FieldKind kind = FieldKind::Gap;
    static constexpr int width = static_cast<int>(N), precision = 0, scale = 0;
    static void put(ColumnSink& s, const Gap<N>& v) { s.putBlob(v.data(), N); }
    static void get(ColumnSource& s, Gap<N>& v) {
        if (s.isNull()) v.fill(0);
        else s.getBlob(v.data(), N);
    }
};

struct FieldDef {
    std::string name;  // without prefix: "POID"
    FieldKind kind;
    int width;
    int precision;
    int scale;
    void (*put)(const void* record, ColumnSink& sink);
    void (*get)(void* record, ColumnSource& source);
};

namespace detail {
template <class M>
struct MemberOf;
template <class R, class T>
struct MemberOf<T R::*> {
    using Record = R;
    using Type = T;
};
}  // namespace detail

// field<&POMaster::PONumber>("PONumber")
template <auto Member>
FieldDef field(const char* name) {
    using MO = detail::MemberOf<decltype(Member)>;
    using R = typename MO::Record;
    using T = typename MO::Type;
    using Tr = FieldTraits<T>;
    return FieldDef{name, Tr::kind, Tr::width, Tr::precision, Tr::scale,
                    [](const void* rec, ColumnSink& s) { Tr::put(s, static_cast<const R*>(rec)->*Member); },
                    [](void* rec, ColumnSource& s) { Tr::get(s, static_cast<R*>(rec)->*Member); }};
}

struct KeyDef {
    std::string name;                 // without prefix: "KeyPOID"
    std::vector<std::string> fields;  // components in order
    bool unique = false;
    bool noCase = false;              // text components compare without regard to case
};

// A declared relation: deleting a parent record through the relation deletes
// the child records whose `childField` equals the parent's `parentField`.
struct RelationDef {
    std::string childFile;
    std::string parentField;
    std::string childField;
};

struct RecordInfo {
    std::string name;    // record file: "POMaster"
    std::string prefix;  // field prefix: "POM"
    std::vector<FieldDef> fields;
    std::vector<KeyDef> keys;
    std::string autoNumber;  // field numbered one more than the highest on insert ("" = none)
    std::string uniqueField; // field that ends every non-unique key ("" = the row identity)
    std::vector<RelationDef> children;

    int fieldIndex(std::string_view field) const;  // -1 when absent
    const KeyDef& key(std::size_t k) const { return keys.at(k); }
};

}  // namespace vtl::store
