#pragma once
// The PostgreSQL backend, over libpq. A company is one database on the
// server: its address is a libpq URI ("postgresql://user@host:port/db",
// "postgresql:///db?host=/run/socket"); the password comes from the URI, the
// PostgreSQL password file or PGPASSWORD, and is never shown.
//
// Decimals are NUMERIC, dates DATE, text compares byte for byte (collation
// "C") as on SQLite, and keys without regard to case compare lower(). Every
// write transaction first takes one transaction-level advisory lock of the
// database, waiting at most 5 seconds: writers of one company go one at a
// time, as on SQLite, while readers go on under their snapshots.
#include <string>

namespace vtl::store {

// The address with its database replaced by `database`.
std::string withDatabase(const std::string& address, const std::string& database);

// Makes or drops a database on the server at `address` (any database of
// it); false with `error` set to one line. For tools and tests.
bool createDatabase(const std::string& address, const std::string& database, std::string& error);
bool dropDatabase(const std::string& address, const std::string& database, std::string& error);
// Makes `to` (dropped first when there) a copy of `from` as it was last
// committed. The server copies only a database nobody is in: a session of
// a program just killed, which the server has not yet seen go, is waited
// for a few seconds.
bool copyDatabase(const std::string& address, const std::string& from, const std::string& to, std::string& error);

}  // namespace vtl::store
