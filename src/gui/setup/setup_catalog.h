#pragma once
// The Setup windows of the host: one caption map per suite file that the
// purchase-order module needs, in the order of the Setup menu.
#include <string>
#include <string_view>
#include <vector>

#include "gui/setup/file_spec.h"

namespace vtl::setup {

class SetupCatalog {
public:
    // `costCodeLen`: length of the cost code proper, which decides how a
    // cost record's key is built.
    explicit SetupCatalog(int costCodeLen);
    SetupCatalog(const SetupCatalog&) = delete;
    SetupCatalog& operator=(const SetupCatalog&) = delete;

    struct Entry {
        std::string menuText;             // "&Vendors..."; "" = a separator
        const FileSpec* spec = nullptr;
    };
    const std::vector<Entry>& entries() const { return entries_; }
    // The window whose title is `title`, or null.
    const FileSpec* find(std::string_view title) const;

    const FileSpec& company() const { return company_; }
    const FileSpec& poOptions() const { return poOptions_; }
    const FileSpec& users() const { return users_; }
    const FileSpec& vendors() const { return vendors_; }
    const FileSpec& contacts() const { return contacts_; }
    const FileSpec& customers() const { return customers_; }
    const FileSpec& jobs() const { return jobs_; }
    const FileSpec& costCodes() const { return costCodes_; }
    const FileSpec& accounts() const { return accounts_; }
    const FileSpec& equipment() const { return equipment_; }
    const FileSpec& items() const { return items_; }
    const FileSpec& locations() const { return locations_; }

private:
    FileSpec company_, poOptions_, users_;
    FileSpec vendors_, contacts_, customers_, shipTos_;
    FileSpec jobs_, costCodes_, accounts_, equipment_, eqCosts_;
    FileSpec items_, conversions_, locations_, bins_;
    std::vector<Entry> entries_;
};

// JCC:RecordID: the job padded to 10, the cost code proper (the first
// `costCodeLen` characters of `costCode`) padded to 10, then the 4-character
// cost type that follows it.
std::string costRecordID(std::string_view jobId, std::string_view costCode, int costCodeLen);

}  // namespace vtl::setup
