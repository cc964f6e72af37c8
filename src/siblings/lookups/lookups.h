#pragma once
// The sibling modules' look-up windows: a titled list of records with
// columns, an incremental locator, Select or Cancel. Each look-up is a plain
// function that answers the chosen record, read afresh from its file, or
// nullopt when the person cancelled (or the record went meanwhile).
//
// `locate` is the text the list positions on when it opens (a number on a
// list located by name highlights that record instead).
//
// Each is also in the procedure table under its suite name, for callers
// that go by name and for tests that put a script in its place. Called by
// name, a look-up reads the text to position on from Globals::LookupKey and
// its filter from the globals named below, and answers in GlobalResponse
// (Completed or Cancelled); on Completed the chosen record's key is in
// Globals::LookupKey and, for a numbered record, its number in
// DecimalVariable:
//
//   BrowseAPVendor, BrowseAPVendorAlias  key: vendor number
//   BrowseARCust                         key: customer number
//   BrowseARShipTo                       customer: ReportLimit; key: ship-to number
//   BrowseJCHeader                       key: job
//   BrowseJCCost                         job: JobField; key: JCC:RecordID
//   BrowseJCCode                         key: cost code
//   SelectJobByName                      typed name: LookupKey; key: job
//   BrowseINMaster                       key: item
//   BrowseINVendor                       item: JobField (blank: every item); key: INV:RecordID
//   BrowseINLoc                          key: location
//   BrowseINBin                          location: JobField; key: bin
//   BrowseEQHeader                       key: equipment
//   BrowseEQCost                         equipment: JobField; key: cost category
//   BrowseGLMaster                       key: account
#include <optional>
#include <string>
#include <vector>

#include "platform/suite/procedures.h"
#include "platform/suite/session.h"
#include "records/records.h"

namespace vtl::siblings {

// Payables (VTLAP).
std::optional<APVendor> browseAPVendor(Session& s, const std::string& locate = "");
// The same vendors, chosen as the ship-to of a purchase order.
std::optional<APVendor> browseAPVendorAlias(Session& s, const std::string& locate = "");

// Receivables (VTLAR).
std::optional<ARCust> browseARCust(Session& s, const std::string& locate = "");
// The alternate ship-to addresses of one customer.
std::optional<ARShipTo> browseARShipTo(Session& s, ULong customerID, const std::string& locate = "");

// Job cost (VTLJC).
std::optional<JCHeader> browseJCHeader(Session& s, const std::string& locate = "");
// The cost codes of one job.
std::optional<JCCost> browseJCCost(Session& s, const std::string& jobID, const std::string& locate = "");
// The cost codes in use on any job, each once; answers the first cost
// record (by job) that carries the chosen code.
std::optional<JCCost> browseJCCode(Session& s, const std::string& locate = "");
// The open jobs (active, not closed) whose name begins with `typedName`,
// ignoring case, in name order.
std::vector<JCHeader> jobsNamed(store::Store& store, const std::string& typedName);
// A pick list of jobsNamed(): rows "job - name".
std::optional<JCHeader> selectJobByName(Session& s, const std::string& typedName);

// Inventory (VTLIN).
std::optional<INMaster> browseINMaster(Session& s, const std::string& locate = "");
// The vendors of one item (of every item when `itemID` is blank).
std::optional<INVendor> browseINVendor(Session& s, const std::string& itemID, const std::string& locate = "");
std::optional<INLoc> browseINLoc(Session& s, const std::string& locate = "");
// The bins of one location.
std::optional<INBin> browseINBin(Session& s, const std::string& locationID, const std::string& locate = "");

// Equipment (VTLEQ).
std::optional<EQHeader> browseEQHeader(Session& s, const std::string& locate = "");
// The cost categories of one piece of equipment.
std::optional<EQCost> browseEQCost(Session& s, const std::string& equipmentID, const std::string& locate = "");

// General ledger (VTLGL).
std::optional<GLMaster> browseGLMaster(Session& s, const std::string& locate = "");

// The look-up titles, for callers and scripts that expect them.
namespace titles {
inline constexpr const char* kVendor = "Select a Vendor";
inline constexpr const char* kShipToVendor = "Select a Ship-To Vendor";
inline constexpr const char* kCustomer = "Select a Customer";
inline constexpr const char* kShipTo = "Select a Ship-To Address";
inline constexpr const char* kJob = "Select a Job";
inline constexpr const char* kJobByName = "Select a Job by Name";
inline constexpr const char* kCostCode = "Select a Cost Code";
inline constexpr const char* kAnyCostCode = "Select a Cost Code of Any Job";
inline constexpr const char* kItem = "Select an Inventory Item";
inline constexpr const char* kItemVendor = "Select an Item Vendor";
inline constexpr const char* kLocation = "Select a Location";
inline constexpr const char* kBin = "Select a Bin";
inline constexpr const char* kEquipment = "Select Equipment";
inline constexpr const char* kCostCategory = "Select an Equipment Cost Category";
inline constexpr const char* kAccount = "Select a G/L Account";
}  // namespace titles

// The table entries of each sibling module's look-ups.
void registerPayablesLookups(suite::ProcedureTable& table);
void registerReceivablesLookups(suite::ProcedureTable& table);
void registerJobCostLookups(suite::ProcedureTable& table);
void registerInventoryLookups(suite::ProcedureTable& table);
void registerEquipmentLookups(suite::ProcedureTable& table);
void registerLedgerLookups(suite::ProcedureTable& table);

}  // namespace vtl::siblings
