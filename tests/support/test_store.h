#pragma once
// The store the tests that write records run on. SQLite unless the
// environment says VTL_TEST_STORE=postgresql; then every such test gets a
// new database of its own on the private server at VTL_TEST_PG (which
// scripts/test starts), dropped again when the test is done.
#include <string>

namespace vtl::store {
class Store;
}

namespace vtl::test {

bool onServer();

// A new, empty database on the test server, or nothing ("") on SQLite.
class ServerDatabase {
public:
    ServerDatabase();
    ~ServerDatabase();
    ServerDatabase(const ServerDatabase&) = delete;
    ServerDatabase& operator=(const ServerDatabase&) = delete;
    const std::string& address() const { return address_; }

private:
    std::string name_;
    std::string address_;
};

// Makes the database itself refuse writes to a file with `text` as its
// error: a trigger, on either engine, so the store meets a real failed
// write. `event` is INSERT, UPDATE or DELETE; `when`, if given, a condition
// on the new row written as `new."Field" = 'value'`.
void refuseWrites(store::Store& store, const std::string& file, const std::string& event, const std::string& text,
                  const std::string& when = "");
void allowWrites(store::Store& store, const std::string& file);

}  // namespace vtl::test
