#pragma once
// A record buffer of any record file, reached through its field table. The
// Setup windows edit every suite file with one form, so they hold records
// without knowing their struct; the store reads and writes the same buffer
// it would for a typed Table<R>.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/store/store.h"

namespace vtl::setup {

// How to make, copy and free the buffer of one record struct.
class RecordType {
public:
    template <class R>
    static const RecordType& of() {
        static const RecordType t{&R::info,
                                  [] { return static_cast<void*>(new R()); },
                                  [](const void* p) { return static_cast<void*>(new R(*static_cast<const R*>(p))); },
                                  [](void* p) { delete static_cast<R*>(p); },
                                  [](void* p) -> store::RecordBase& { return *static_cast<R*>(p); }};
        return t;
    }

    const store::RecordInfo& info() const { return info_(); }

private:
    friend class AnyRecord;
    RecordType(const store::RecordInfo& (*info)(), void* (*make)(), void* (*copy)(const void*),
               void (*destroy)(void*), store::RecordBase& (*base)(void*))
        : info_(info), make_(make), copy_(copy), destroy_(destroy), base_(base) {}

    const store::RecordInfo& (*info_)();
    void* (*make_)();
    void* (*copy_)(const void*);
    void (*destroy_)(void*);
    store::RecordBase& (*base_)(void*);
};

class AnyRecord {
public:
    explicit AnyRecord(const RecordType& type);
    AnyRecord(const AnyRecord& o);
    AnyRecord(AnyRecord&& o) noexcept;
    AnyRecord& operator=(AnyRecord o) noexcept;
    ~AnyRecord();

    const RecordType& type() const { return *type_; }
    const store::RecordInfo& info() const { return type_->info(); }
    void* data() { return p_; }
    const void* data() const { return p_; }
    store::RecordBase& base() { return type_->base_(p_); }
    const store::RecordBase& base() const { return type_->base_(p_); }
    // Read from (or written to) the store.
    bool stored() const { return base().rowId_ != 0; }

    // One field's value as the store holds it; -1 or an unknown name is a
    // fault of the caller's tables and throws std::out_of_range.
    store::Value get(int field) const;
    store::Value get(std::string_view field) const { return get(index(field)); }
    void set(int field, const store::Value& v);
    void set(std::string_view field, const store::Value& v) { set(index(field), v); }
    int index(std::string_view field) const;

    // The same values in every field (the row identity aside).
    bool sameValues(const AnyRecord& o) const;

private:
    const RecordType* type_;
    void* p_;
};

// Values of a kind that is easy to write by hand.
store::Value textValue(std::string_view s);
store::Value intValue(std::int64_t i);
// Text of a value for comparisons and messages: the text itself, a number's
// digits, "" for null.
std::string valueText(const store::Value& v);
bool sameValue(const store::Value& a, const store::Value& b);

// Table operations on an untyped buffer; the messages are the store's.
class AnyTable {
public:
    AnyTable(store::Store& store, const RecordType& type) : core_(store.core(type.info())), type_(type) {}

    bool fetch(int key, AnyRecord& rec) { return core_.fetch(key, rec.data(), rec.base()); }
    store::Status insert(AnyRecord& rec) { return core_.insert(rec.data(), rec.base()); }
    store::Status update(const AnyRecord& rec) { return core_.update(rec.data(), rec.base()); }
    store::Status remove(AnyRecord& rec) { return core_.remove(rec.data(), rec.base(), false); }
    std::int64_t count(int key, const AnyRecord& rec, int fixed) { return core_.count(key, rec.data(), fixed); }

    // Every record in the order of `key`, or with `fixed` > 0 those whose
    // leading components equal `position`'s. False (with `error`) when the
    // store could not read.
    bool read(int key, const AnyRecord* position, int fixed, const std::function<void(const AnyRecord&)>& visit,
              std::string& error);
    std::vector<AnyRecord> all(int key);

private:
    store::TableCore& core_;
    const RecordType& type_;
};

}  // namespace vtl::setup
