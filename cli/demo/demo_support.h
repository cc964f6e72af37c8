#pragma once
// Pieces shared by the files that write the demo company: the writer that
// stops the load at the first failed write, the demo calendar, the
// cost-record key, and the writers of each part.
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/store/store.h"
#include "platform/types/date.h"
#include "platform/types/text.h"
#include "vtlpoent/posting.h"

namespace vtl::demo {

// The suite-wide cost-code length of the demo company: "010100" + "LAB ".
inline constexpr int kCostCodeLength = 6;

// The demo company's books run through 2026; "today" is this day, so open
// orders, due dates and payments all read naturally against it.
inline constexpr int kYear = 2026;
Date day(int month, int dayOfMonth);
Date asOfDate();

// JCC:RecordID of a cost code, built as the posting builds it.
using ent::costRecordKey;

// A write the store refused; the message is the store's, with its operation.
class WriteFailed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A fault in the demo tables themselves (a text too long for its field, a
// reference to a record that is not there). Never silently cut or skipped.
class BadDemoData : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

template <std::size_t N>
void setText(Text<N>& field, std::string_view value) {
    if (text_detail::codePoints(value) > N)
        throw BadDemoData("\"" + std::string(value) + "\" is longer than " + std::to_string(N) + " characters");
    field = value;
}

// All writes of the demo go through here, so the first refusal ends the load.
class Writer {
public:
    explicit Writer(store::Store& store) : store_(store) {}
    store::Store& store() { return store_; }

    template <class R>
    void insert(R& rec) {
        store::Status s = store::Table<R>(store_).insert(rec);
        if (!s) throw WriteFailed(s.message);
    }
    template <class R>
    void update(const R& rec) {
        store::Status s = store::Table<R>(store_).update(rec);
        if (!s) throw WriteFailed(s.message);
    }
    // Reads a record the demo wrote earlier; a missing one is a fault of the tables.
    template <class R>
    R fetch(int key, R rec, std::string_view what) {
        if (!store::Table<R>(store_).fetch(key, rec)) throw BadDemoData("no " + std::string(what));
        return rec;
    }

private:
    store::Store& store_;
};

// The parts, in the order they are written: every part reads only what an
// earlier one wrote.
void writeCompany(Writer& w);     // settings, users, accounts, equipment
void writeParties(Writer& w);     // vendors and contacts, customers and ship-tos
void writeJobs(Writer& w);        // jobs and cost codes
void writeInventory(Writer& w);   // places, items, conversions, stock, item vendors
void writeOrders(Writer& w);      // orders, lines, invoices, reconciliation history, notes
void postOpenOrders(Writer& w);   // committed costs and on-order quantities from the lines
void writeListingLimits(Writer& w);  // saved report formats of the purchase-order listing

}  // namespace vtl::demo
