#pragma once
// The running figures recomputed from the purchase-order lines by their one
// rule (records/running_figures.h): the rebuild of committed costs (and, on
// request, of on-order quantities), and the check that finds where the
// stored figures and the lines disagree.
//
// Both read every line once, only the fields the rules use, and work inside
// one transaction that waits for other writers as long as the store does:
// a rebuild writes everything or nothing, a check reads one moment's data.
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/store/store.h"
#include "platform/types/decimal.h"
#include "platform/types/widths.h"

namespace vtl::rec {

// Called with the share of the work done, 0..100, each time it grows.
using Progress = std::function<void(int percent)>;

struct ExpectedFigures {
    std::unordered_map<std::string, Money> committed;   // cost-record key -> open amount
    std::unordered_map<std::string, Quantity> onOrder;  // item -> still to arrive
    // Per order: the invoiced quantity and amount of all its lines.
    std::unordered_map<ULong, std::pair<Quantity, Money>> invoiced;
    // Per order: the states of its lines.
    std::unordered_map<ULong, std::vector<Byte>> lineStates;
    std::vector<ULong> linesWithoutOrder;  // POD:DetailID
    std::int64_t lines = 0;
};

// Sums the rules over every stored line.
bool readExpectedFigures(store::Store& store, int costCodeLen, ExpectedFigures& out, std::string& error,
                         const Progress& progress = {});

struct RebuildOptions {
    bool onOrder = false;  // rebuild every item's on-order quantity too
};

struct RebuildResult {
    std::int64_t lines = 0;
    int costCodesChanged = 0;
    int itemsChanged = 0;
    int ordersChanged = 0;
};

// Sets every cost code's committed amount (and with `onOrder` every item's
// on-order quantity) to what the lines say, and each order's reconciled
// quantity and amount to what its lines were invoiced for. Only records
// whose figure differs are written. One transaction: a failure (including a
// store another program holds longer than the wait) changes nothing.
store::Status rebuildFigures(store::Store& store, int costCodeLen, const RebuildOptions& options,
                             RebuildResult& result, const Progress& progress = {});

// One disagreement found by the check.
struct Difference {
    enum class Kind { Committed, OnOrder, LineWithoutOrder, PONumberTwice, OrderState };
    Kind kind;
    std::string what;  // cost code key, item, line number, PO number or order number
    std::string stored, expected, difference;
};

struct CheckResult {
    std::vector<Difference> differences;
    std::int64_t lines = 0, costCodes = 0, items = 0, orders = 0;
    bool clean() const { return differences.empty(); }
};

// Reads only. Compares every cost code's and item's figure with its rule,
// and finds lines without an order, PO numbers used by more than one order,
// and orders whose state or open-order fields disagree with their lines.
// With `waitForWriters` it reads after taking the write lock (and gives up
// when another program holds it past the store's wait), so no program is
// half way through a change; without, it reads one moment's data as it is.
store::Status checkFigures(store::Store& store, int costCodeLen, CheckResult& result, const Progress& progress = {},
                           bool waitForWriters = true);

}  // namespace vtl::rec
