#pragma once
// What the crash test compares of a data folder, and how it makes and
// copies one. The records are read through the store's own interface, so
// another kind of store can be checked by giving it a Backend of its own.
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "records/database.h"
#include "support/store_digest.h"

namespace vtl::crash {

// The kind of store a data folder keeps its records in.
class Backend {
public:
    virtual ~Backend() = default;
    virtual std::string name() const = 0;
    // A new data folder with its schema; false with `error` set.
    virtual OpenResult create(const std::string& folder) = 0;
    virtual OpenResult open(const std::string& folder) = 0;
    // Copies a folder nobody has open, records and files, as it is: a
    // program killed half way leaves its store to be recovered by the copy
    // as by the original.
    virtual bool copy(const std::string& from, const std::string& to, std::string& error) = 0;
    // Removes what the folders made by this backend keep outside them.
    virtual void removeAll() {}
};

// The embedded store: the database file and its write-ahead log, copied
// with every other file of the folder; the shared-memory index is rebuilt
// by whoever opens the copy.
std::unique_ptr<Backend> sqliteBackend();

// A PostgreSQL server at `server` (a libpq address whose database is
// ignored): each folder gets a database of its own, named after the folder
// with `prefix` in front, recorded in the folder's settings; a copy copies
// the folder's files and its database.
std::unique_ptr<Backend> postgresBackend(const std::string& server, const std::string& prefix);

// The records of a store, file by file (support/store_digest.h).
using Fingerprint = test::StoreDigest;
inline Fingerprint fingerprint(store::Store& store) { return test::storeDigest(store); }
inline std::string digest(const Fingerprint& f) { return test::digestWord(f); }
using test::differingFiles;

// The highest number handed out for each auto-numbered file, the next PO
// number of the settings and the counter of the printing limits: none may
// ever go back.
std::map<std::string, std::int64_t> counters(store::Store& store);

}  // namespace vtl::crash
