// The demo company's jobs and their cost codes. Each job takes the cost
// codes that suit its kind of work, with budgets scaled to its size.
#include <cmath>

#include "demo/demo_support.h"
#include "records/job_cost.h"

namespace vtl::demo {
namespace {

enum Kind : unsigned { kNew = 1, kRemodel = 2, kRoof = 4, kAll = 7 };

struct JobRow {
    const char* id;
    const char* name;
    const char* address;
    const char* city;
    const char* state;
    const char* zip;
    const char* contact;
    const char* taxRate;  // percent; Oregon has no sales tax
    unsigned kind;
    double size;          // budget scale: 1.0 is a building of about a million dollars
    int percentComplete;  // share of the labor budget already spent
    Byte active;
    Byte closed;
};

const JobRow kJobs[] = {
    // Finished and closed to new transactions; its last orders are fully reconciled.
    {"2408", "Felida Custom Residence", "11604 NW 36th Avenue", "Vancouver", "WA", "98685", "Steve & Lisa Carver",
     "8.0", kNew, 0.55, 100, 1, 1},
    {"2502", "Salmon Creek Duplexes - Phase 2", "13218 NE 20th Avenue", "Vancouver", "WA", "98686",
     "Mark Sorensen", "8.0", kNew, 0.8, 85, 1, 0},
    // On hold while the owner refinances.
    {"2505", "Ridgefield Feed Barn Addition", "4720 S Hillhurst Road", "Ridgefield", "WA", "98642",
     "Wes Dahlberg", "8.6", kNew, 0.35, 20, 0, 0},
    {"2507", "Fircrest Medical Office TI", "6200 NE 138th Avenue", "Vancouver", "WA", "98682", "Dr. Anita Rao",
     "8.7", kRemodel, 0.45, 90, 1, 0},
    {"2511", "Camas Library Reroof", "625 NE 4th Avenue", "Camas", "WA", "98607", "Elaine Fong", "8.6", kRoof,
     0.45, 70, 1, 0},
    {"2601", "Orchards Crossing Retail Shell", "7810 NE 117th Avenue", "Vancouver", "WA", "98662",
     "Brian Aldridge", "8.7", kNew, 1.3, 55, 1, 0},
    {"2602", "Columbia Family Dental Remodel", "16011 SE Mill Plain Blvd", "Vancouver", "WA", "98684",
     "Karen Lowell", "8.7", kRemodel, 0.4, 35, 1, 0},
    {"2604", "Battle Ground Fire Station Bay", "505 SW 1st Street", "Battle Ground", "WA", "98604",
     "Chief R. Alvarez", "8.6", kNew, 0.9, 40, 1, 0},
    {"2606", "Pearl District Loft Remodel", "1205 NW Marshall Street", "Portland", "OR", "97209", "Julia Weaver",
     "0", kRemodel, 0.45, 25, 1, 0},
    {"2608", "Harbor Point Lot 12 Residence", "3517 Harbor Point Drive", "Washougal", "WA", "98671",
     "Mark Sorensen", "8.5", kNew, 0.6, 15, 1, 0},
};

struct CostCodeRow {
    const char* code;
    const char* type;
    const char* description;
    const char* account;
    unsigned kinds;
    double budget;  // for a job of size 1.0
};

const CostCodeRow kCostCodes[] = {
    {"010100", "LAB", "Project Supervision", "5200-00", kAll, 68000},
    {"015000", "MAT", "Temporary Facilities", "5400-00", kAll, 14000},
    {"015000", "EQP", "Temp. Facilities - Equipment", "5300-00", kAll, 18000},
    {"017100", "SUB", "Survey & Layout", "5100-00", kNew, 9500},
    {"024100", "SUB", "Selective Demolition", "5100-00", kRemodel | kRoof, 22000},
    {"031000", "MAT", "Concrete Forming", "5000-00", kNew, 16000},
    {"032000", "MAT", "Concrete Reinforcing", "5000-00", kNew, 21000},
    {"033000", "MAT", "Cast-in-Place Concrete", "5000-00", kNew | kRemodel, 58000},
    {"051200", "SUB", "Structural Steel", "5100-00", kNew, 74000},
    {"061000", "LAB", "Rough Carpentry - Labor", "5200-00", kNew | kRemodel, 96000},
    {"061000", "MAT", "Rough Carpentry - Material", "5000-00", kAll, 118000},
    {"062000", "MAT", "Finish Carpentry", "5000-00", kNew | kRemodel, 36000},
    {"072100", "SUB", "Insulation", "5100-00", kAll, 27000},
    {"075000", "MAT", "Roofing - Material", "5000-00", kNew | kRoof, 31000},
    {"075000", "SUB", "Roofing - Subcontract", "5100-00", kNew | kRoof, 46000},
    {"081000", "MAT", "Doors & Frames", "5000-00", kNew | kRemodel, 24000},
    {"085000", "MAT", "Windows & Storefront", "5000-00", kNew | kRemodel, 38000},
    {"092900", "MAT", "Gypsum Board - Material", "5000-00", kNew | kRemodel, 22000},
    {"092900", "SUB", "Gypsum Board - Subcontract", "5100-00", kNew | kRemodel, 41000},
    {"099000", "MAT", "Painting - Material", "5000-00", kNew | kRemodel, 12500},
    {"220000", "MAT", "Plumbing - Material", "5000-00", kNew | kRemodel, 9000},
    {"220000", "SUB", "Plumbing - Subcontract", "5100-00", kNew | kRemodel, 62000},
    {"230000", "SUB", "HVAC - Subcontract", "5100-00", kNew | kRemodel, 71000},
    {"260000", "MAT", "Electrical - Material", "5000-00", kNew | kRemodel, 8500},
    {"260000", "SUB", "Electrical - Subcontract", "5100-00", kNew | kRemodel, 69000},
    {"312000", "SUB", "Earthwork - Subcontract", "5100-00", kNew, 54000},
    {"312000", "EQP", "Earthwork - Equipment", "5300-00", kNew, 12000},
};

// Budgets are set in round hundreds, as an estimator would.
Money budgetOf(double base, double size) {
    return Money(static_cast<long long>(std::lround(base * size / 100.0)) * 100);
}

}  // namespace

void writeJobs(Writer& w) {
    for (const auto& r : kJobs) {
        JCHeader job;
        setText(job.JobID, r.id);
        setText(job.JobName, r.name);
        job.Active = r.active;
        job.Closed = r.closed;
        auto rate = Decimal<7, 4>::parse(r.taxRate);
        if (!rate) throw BadDemoData(std::string("tax rate ") + r.taxRate);
        job.APTaxRate = *rate;
        setText(job.Address, r.address);
        setText(job.City, r.city);
        setText(job.State, r.state);
        setText(job.Zip, r.zip);
        setText(job.CustomerContact, r.contact);
        w.insert(job);

        for (const auto& c : kCostCodes) {
            if (!(c.kinds & r.kind)) continue;
            JCCost cost;
            const std::string code = std::string(c.code) + c.type;
            cost.RecordID = costRecordKey(r.id, code, kCostCodeLength);
            setText(cost.JobID, r.id);
            setText(cost.CostCode, code);
            setText(cost.Description, c.description);
            setText(cost.Account, c.account);
            cost.Budget = budgetOf(c.budget, r.size);
            // Labor is paid through payroll, not purchase orders; its cost to
            // date follows the job's progress. Purchased costs are added when
            // the orders are posted.
            if (std::string_view(c.type) == "LAB") cost.ActualCost = cost.Budget * r.percentComplete / Money(100);
            w.insert(cost);
        }
    }
}

}  // namespace vtl::demo
