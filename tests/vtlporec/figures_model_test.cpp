// A seeded random workload through the real controllers of a small company:
// orders added, changed, cancelled and abandoned on the form, lines changed
// in quantity, price and unit, deleted and moved, orders deleted from the
// browse and the pick list, duplicated, reconciled and unreconciled, goods
// received on packing slips with serial numbers, invoices posted as the
// payables module posts them, imports of orders from a file, and rebuilds. After every step each cost
// code's committed amount and each item's on-order quantity must equal what
// the stored lines say, to the cent and the fourth place, and the orders
// must agree with their lines.
//
// The fixed seeds run with the suite; more run with
//   VTL_MODEL_SEEDS=<how many> [VTL_MODEL_FIRST=<first seed>] [VTL_MODEL_STEPS=<steps>]
// (scripts/test --model SEEDS). A seed that ever fails becomes a named case below.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "support/figures_model.h"
#include "support/test_store.h"

using namespace vtl;

namespace {

using test::Model;

// Runs one seed; the first step after which something disagrees fails it.
Model::Reach runSeed(std::uint64_t seed, int steps) {
    test::ServerDatabase server;
    Model model(seed, server.address());
    std::vector<std::string> trail;
    for (int i = 0; i < steps; ++i) {
        std::string done;
        model.step(done);
        trail.push_back(done);
        if (trail.size() > 8) trail.erase(trail.begin());
        const std::string wrong = model.disagreement();
        if (!wrong.empty()) {
            std::string last;
            for (const auto& t : trail) last += "  " + t + "\n";
            ADD_FAILURE() << "seed " << seed << ", step " << i + 1 << ":\n" << wrong << "after:\n" << last;
            return {};
        }
    }
    return model.reach();
}

int envInt(const char* name, int fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::atoi(v) : fallback;
}

TEST(RunningFiguresModel, FixedSeedsKeepEveryFigureEqualToItsLines) {
    const int steps = envInt("VTL_MODEL_STEPS", 400);
    Model::Reach all;
    for (std::uint64_t seed : {1, 2, 3, 4, 5, 6}) {
        const Model::Reach r = runSeed(seed, steps);
        if (HasFailure()) return;
        for (auto [sum, one] : {std::pair{&all.orders, r.orders}, {&all.lines, r.lines}, {&all.inventory, r.inventory},
                                {&all.received, r.received}, {&all.invoiced, r.invoiced}, {&all.closed, r.closed},
                                {&all.serials, r.serials}, {&all.committedCodes, r.committedCodes},
                                {&all.itemsOnOrder, r.itemsOnOrder}, {&all.imported, r.imported}})
            *sum += one;
    }
    // The workload reached every kind of line state it is meant to test.
    std::printf("model: %d orders, %d lines (%d inventory, %d received, %d invoiced, %d closed), %d serials, "
                "%d cost codes and %d items with a figure, %d orders imported\n",
                all.orders, all.lines, all.inventory, all.received, all.invoiced, all.closed, all.serials,
                all.committedCodes, all.itemsOnOrder, all.imported);
    EXPECT_GT(all.orders, 50);
    EXPECT_GT(all.received, 10);
    EXPECT_GT(all.invoiced, 10);
    EXPECT_GT(all.closed, 10);
    EXPECT_GT(all.serials, 2);
    EXPECT_GT(all.committedCodes, 10);
    EXPECT_GT(all.itemsOnOrder, 3);
    EXPECT_GT(all.imported, 10);
}

TEST(RunningFiguresModel, MoreSeedsWhenAsked) {
    const int seeds = envInt("VTL_MODEL_SEEDS", 0);
    if (seeds <= 0) GTEST_SKIP() << "set VTL_MODEL_SEEDS (scripts/test --model SEEDS) to run more seeds";
    const int first = envInt("VTL_MODEL_FIRST", 100);
    const int steps = envInt("VTL_MODEL_STEPS", 400);
    for (int i = 0; i < seeds; ++i) {
        runSeed(static_cast<std::uint64_t>(first + i), steps);
        if (HasFailure()) return;
    }
}

}  // namespace
