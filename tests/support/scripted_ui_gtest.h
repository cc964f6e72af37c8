#pragma once
// A ScriptedUi whose mismatches are test failures (with the difference
// spelled out) instead of exceptions, and which checks at the end of the
// test that every expected interaction happened.
//
//   test::TestUi ui;
//   ui.expectAsk("Are you sure ...", "Confirm Delete", "&Yes|&No", ui::Icon::Warning).answer(1);
#include <gtest/gtest.h>

#include "platform/ui/scripted_ui.h"

namespace vtl::test {

inline void failTestOnMismatch(ui::ScriptedUi& ui) {
    ui.onFailure([](const std::string& message) { ADD_FAILURE() << message; });
}

class TestUi : public ui::ScriptedUi {
public:
    TestUi() { failTestOnMismatch(*this); }
    ~TestUi() override {
        if (verifyAtEnd_) verifyDone();
    }
    // For a test that looks at leftovers itself.
    void skipFinalCheck() { verifyAtEnd_ = false; }

private:
    bool verifyAtEnd_ = true;
};

}  // namespace vtl::test
