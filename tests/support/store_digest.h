#pragma once
// A digest of every record of every file of a store, per file, read through
// the store's own interface: two stores with equal digests hold the same
// records (gaps and row identities included). The numbers handed out,
// kept apart from the records, are not part of it.
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "platform/store/store.h"

namespace vtl::test {

using StoreDigest = std::map<std::string, std::uint64_t>;

inline void digestBytes(std::uint64_t& h, const void* data, std::size_t n) {
    const auto* p = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < n; ++i) {
        h ^= p[i];
        h *= 1099511628211ull;
    }
}

inline StoreDigest storeDigest(store::Store& store) {
    StoreDigest out;
    for (const store::RecordInfo* info : store.schema().records) {
        std::uint64_t h = 14695981039346656037ull;
        std::string error;
        std::int64_t rows = 0;
        const bool read = store.forEachRow(*info, -1, [&](const std::vector<store::Value>& values) {
            ++rows;
            for (const store::Value& v : values) {
                const auto type = static_cast<int>(v.type);
                const std::size_t n = v.s.size();
                digestBytes(h, &type, sizeof type);
                digestBytes(h, &v.i, sizeof v.i);
                digestBytes(h, &v.r, sizeof v.r);
                digestBytes(h, &n, sizeof n);
                digestBytes(h, v.s.data(), n);
            }
        }, error);
        if (!read) h = 0;  // unreadable: equal to nothing a readable file gives
        digestBytes(h, &rows, sizeof rows);
        out[info->name] = h;
    }
    return out;
}

// The whole as one hex word.
inline std::string digestWord(const StoreDigest& d) {
    std::uint64_t h = 14695981039346656037ull;
    for (const auto& [name, value] : d) {
        digestBytes(h, name.data(), name.size());
        digestBytes(h, &value, sizeof value);
    }
    char text[20];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
    return text;
}

// The files whose digests differ.
inline std::string differingFiles(const StoreDigest& a, const StoreDigest& b) {
    std::string out;
    for (const auto& [name, value] : a) {
        auto it = b.find(name);
        if (it == b.end() || it->second != value) out += (out.empty() ? "" : " ") + name;
    }
    return out;
}

}  // namespace vtl::test
