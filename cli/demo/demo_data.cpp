#include "demo/demo_data.h"

#include <algorithm>
#include <exception>

#include "demo/demo_support.h"

namespace vtl::demo {

Date day(int month, int dayOfMonth) {
    Date d = Date::fromYmd(kYear, month, dayOfMonth);
    if (d.isNull()) throw BadDemoData("no such day " + std::to_string(month) + "/" + std::to_string(dayOfMonth));
    return d;
}

Date asOfDate() { return day(11, 20); }

bool load(store::Store& store, std::string& error) {
    store::Transaction tx(store);
    if (!tx.status()) {
        error = tx.status().message;
        return false;
    }
    try {
        Writer w(store);
        writeCompany(w);
        writeParties(w);
        writeJobs(w);
        writeInventory(w);
        writeOrders(w);
        postOpenOrders(w);
        writeListingLimits(w);
    } catch (const WriteFailed& e) {
        error = e.what();
        return false;
    } catch (const std::exception& e) {
        // A fault of the demo tables themselves: a text too long for its
        // field, a number beyond its field, a record they name but never wrote.
        error = std::string("demo data: ") + e.what();
        return false;
    }
    store::Status s = tx.commit();
    if (!s) {
        error = s.message;
        return false;
    }
    return true;
}

}  // namespace vtl::demo
