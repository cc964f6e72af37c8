#pragma once
// What the service windows share: the delete question, and running a
// service through the procedure table so a stand-in can take its place.
#include <string>
#include <vector>

#include "platform/suite/session.h"
#include "siblings/services/service_call.h"

namespace vtl::services {

inline constexpr const char* kConfirmDeleteText = "Are you sure you want to delete the highlighted record?";
inline constexpr const char* kConfirmDeleteTitle = "Confirm Delete";

// Asks the suite's delete question; true for Yes.
bool confirmDelete(ui::Ui& ui);

// Calls the service `name` with `args` through the procedure table; runs
// `direct` when the table has no implementation of it (a program that never
// registered the services).
template <class Args, class Direct>
void serve(Session& session, const std::string& name, Args& args, Direct direct) {
    if (!callWith(session, name, args)) direct(session, args);
}

// The procedure registered under a service's name: it serves the values of
// the call in progress, and does nothing when called without them.
template <class Args>
suite::Procedure servedBy(void (*run)(Session&, Args&)) {
    return [run](Session& session) {
        if (Args* args = currentArgs<Args>()) run(session, *args);
    };
}

// A list window's rows as the view shows them.
using Rows = std::vector<std::vector<std::string>>;

// A date as a list shows it ("7/01/2026"), blank for no date.
std::string dateCell(Date d);

// The text as one line: line breaks and tabs become spaces.
std::string oneLine(const std::string& text);

}  // namespace vtl::services
