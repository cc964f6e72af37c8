#pragma once
// Golden files: what a report or an export produced, kept in tests/data/ and
// reviewed like code when it changes. Run a test with VTL_UPDATE_GOLDEN=1 to
// write the file afresh from what the code produces now (then look at the
// difference before committing it).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace vtl::test {

inline std::string goldenPath(const std::string& name) {
    const char* dir = std::getenv("VTL_TEST_DATA");
    return std::string(dir ? dir : "tests/data") + "/" + name;
}

// Compares `actual` with the golden file `name`, or writes it when asked.
inline void expectGolden(const std::string& name, const std::string& actual) {
    const std::string path = goldenPath(name);
    const char* update = std::getenv("VTL_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "no golden file " << path << " (run with VTL_UPDATE_GOLDEN=1 to make it)";
    std::stringstream expected;
    expected << in.rdbuf();
    EXPECT_EQ(actual, expected.str()) << "differs from " << path;
}

}  // namespace vtl::test
