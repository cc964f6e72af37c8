// boundMethod: a controller's method as a control's action, run on the
// controller itself with what the control hands over.
#include <gtest/gtest.h>

#include <string>

#include "gui/bound_method.h"

namespace vtl::test {
namespace {

class Tally {
public:
    void bump() { ++count; }
    void add(int n, const std::string& why) {
        count += n;
        reasons += why;
    }
    bool reached(int n) { return count >= n; }

    int count = 0;
    std::string reasons;
};

TEST(BoundMethod, RunsOnTheBoundObjectWithTheArgumentsAndAnswersTheResult) {
    Tally t;
    auto bump = gui::boundMethod(t, &Tally::bump);
    auto add = gui::boundMethod(t, &Tally::add);
    auto reached = gui::boundMethod(t, &Tally::reached);
    bump();
    EXPECT_EQ(t.count, 1) << "the object itself changes, not a copy of it";
    EXPECT_FALSE(reached(3));
    add(2, "received");
    EXPECT_EQ(t.count, 3);
    EXPECT_EQ(t.reasons, "received");
    EXPECT_TRUE(reached(3));
    // A control keeps its own copy of the action; it still reaches the object.
    auto kept = bump;
    kept();
    EXPECT_EQ(t.count, 4);
}

}  // namespace
}  // namespace vtl::test
