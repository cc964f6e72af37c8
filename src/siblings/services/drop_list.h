#pragma once
// UpdateDropList: the remembered values of one drop-list field ("POM
// Purchasing Agent"). The person adds and deletes values and, when the
// caller asks for a selection, picks one.
#include <optional>
#include <string>
#include <vector>

#include "platform/suite/session.h"
#include "records/shared_services.h"
#include "siblings/services/common.h"

namespace vtl::services {

struct DropListArgs {
    std::string fieldName;
    bool select = false;                // the caller wants a value picked
    std::optional<std::string> chosen;  // the picked value
};

class UpdateDropList {
public:
    static constexpr int kValueLength = 30;

    UpdateDropList(Session& session, std::string fieldName, bool selecting);

    Session& session() { return session_; }
    std::string title() const { return "Drop List - " + fieldName_; }
    bool selecting() const { return selecting_; }
    std::vector<ui::LookupColumn> columns() const;
    Rows rows() const;
    int rowCount() const { return static_cast<int>(values_.size()); }
    std::string value(int row) const { return values_.at(static_cast<std::size_t>(row)).Value.clip(); }
    int highlight() const { return highlight_; }
    void setHighlight(int row);
    // Highlights the row of `value` (ignoring case); false when it is not listed.
    bool locate(const std::string& value);

    // Adds a value typed by the person: a blank value is refused, one already
    // listed (in any case) is highlighted instead of added twice.
    bool add(const std::string& value);
    // Asks the delete question first.
    bool remove(int row);
    // The highlighted value becomes the answer (selection only).
    bool select(int row);
    const std::optional<std::string>& chosen() const { return chosen_; }

private:
    void load();

    Session& session_;
    std::string fieldName_;
    bool selecting_;
    std::vector<DropList> values_;
    int highlight_ = -1;
    std::optional<std::string> chosen_;
};

// Shows the list of a drop-list field; with `select`, the value picked.
std::optional<std::string> updateDropList(Session& session, const std::string& fieldName, bool select = false);
void runUpdateDropList(Session& session, DropListArgs& args);

}  // namespace vtl::services
