#pragma once
// The demo purchase orders as a table: what was ordered, from whom, for
// which job, and how much of each line the vendor has invoiced so far.
// demo_orders.cpp turns each row into the header, lines, invoices and
// reconciliation history the module keeps.
#include <vector>

#include "platform/types/widths.h"

namespace vtl::demo {

struct LineRow {
    char kind;         // 'J' job, 'G' G/L account, 'E' equipment, 'I' inventory, 'T' text
    const char* ref;   // account, equipment or item; for a job line the job (nullptr: the order's job)
    const char* sub;   // cost code and type ("061000MAT"), or equipment cost category
    const char* text;  // description (nullptr on an inventory line: the item's); a text line's text
    double qty;
    const char* unit;  // nullptr on an inventory line: the stocking unit
    double price;      // 0 on an inventory line: the vendor's price for the item in that unit
    double invoiced;   // quantity invoiced so far
    double received;   // received on packing slips and not yet invoiced
};

// How the invoiced quantities were billed: one posted invoice, two posted
// invoices that each bill part of every line, or one invoice still being
// entered in payables.
enum class Billing { Posted, Split, Unposted };

struct OrderRow {
    const char* number;        // PO number; may be blank
    ULong vendor;
    int month, day;            // issue date in the demo year
    const char* shipTo;        // "Job", "Company", "Vendor", "Customer", "Other"
    const char* shipRef;       // ship-to job, vendor or customer number, or the name of an "Other" address
    const char* job;           // default job (nullptr: none)
    bool taxable;
    const char* agent;         // user ID of who prepared it
    const char* shipVia;
    const char* fob;
    Billing billing;
    std::vector<LineRow> lines;
};

const std::vector<OrderRow>& demoOrders();

struct NoteRow {
    const char* number;  // the order's PO number
    int month, day;
    const char* user;
    const char* heading;
    const char* note;
};

const std::vector<NoteRow>& demoNotes();

}  // namespace vtl::demo
