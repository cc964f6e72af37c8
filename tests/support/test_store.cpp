#include "support/test_store.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

#include "platform/store/backend.h"
#include "platform/store/postgres.h"
#include "platform/store/store.h"

namespace vtl::test {

bool onServer() {
    const char* s = std::getenv("VTL_TEST_STORE");
    return s && std::string(s) == "postgresql";
}

namespace {
std::string serverAddress() {
    const char* a = std::getenv("VTL_TEST_PG");
    if (!a || !*a) throw std::runtime_error("VTL_TEST_STORE=postgresql needs VTL_TEST_PG, the test server (scripts/test starts one)");
    return a;
}
}  // namespace

ServerDatabase::ServerDatabase() {
    if (!onServer()) return;
    static int counter = 0;
    name_ = "t" + std::to_string(::getpid()) + "_" + std::to_string(++counter);
    const std::string server = serverAddress();
    std::string error;
    store::dropDatabase(server, name_, error);
    address_ = store::withDatabase(server, name_);
}

ServerDatabase::~ServerDatabase() {
    if (name_.empty()) return;
    std::string error;
    store::dropDatabase(serverAddress(), name_, error);
}

void refuseWrites(store::Store& store, const std::string& file, const std::string& event, const std::string& text,
                  const std::string& when) {
    const std::string name = "refuse_" + file;
    std::string sql;
    if (store.backend().server()) {
        sql = "CREATE FUNCTION " + name + "() RETURNS trigger LANGUAGE plpgsql AS $$BEGIN RAISE EXCEPTION '" + text +
              "'; END$$; CREATE TRIGGER " + name + " BEFORE " + event + " ON \"" + file + "\" FOR EACH ROW " +
              (when.empty() ? "" : "WHEN (" + when + ") ") + "EXECUTE FUNCTION " + name + "()";
    } else {
        sql = "CREATE TRIGGER " + name + " BEFORE " + event + " ON \"" + file + "\" " +
              (when.empty() ? "" : "WHEN " + when + " ") + "BEGIN SELECT RAISE(ABORT, '" + text + "'); END";
    }
    ASSERT_TRUE(store.exec(sql)) << store.lastError();
}

void allowWrites(store::Store& store, const std::string& file) {
    const std::string name = "refuse_" + file;
    const std::string sql = store.backend().server()
                                ? "DROP TRIGGER " + name + " ON \"" + file + "\"; DROP FUNCTION " + name + "()"
                                : "DROP TRIGGER " + name;
    ASSERT_TRUE(store.exec(sql)) << store.lastError();
}

}  // namespace vtl::test
