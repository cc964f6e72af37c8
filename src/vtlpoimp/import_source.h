#pragma once
// Import sources: how one kind of purchase-order file is read. A source is a
// JCLimits record of the kind "PO Import", ordered by its title.
#include <optional>
#include <string>
#include <vector>

#include "platform/store/store.h"
#include "platform/types/date.h"
#include "records/job_cost.h"
#include "vtlpoimp/import_layout.h"

namespace vtl::imp {

inline constexpr const char* kSourceReport = "PO Import";
inline constexpr const char* kBuiltInTitle = "*Purchase Orders Exported from Vantrel";
// The suite's generic edition (no job-cost module) calls itself by this name.
inline constexpr const char* kBuiltInTitleGeneric = "*Purchase Orders Exported from Kestrane";
inline constexpr const char* kReservedName = "Import from Vantrel";

// The twelve date formats a source may name, in the order they are offered.
const std::vector<std::string>& dateFormats();
bool isDateFormat(const std::string& format);

enum class FileFormat { Comma, Tab, Fixed };

// What the reader needs of a source.
struct SourceSpec {
    std::string title;
    bool oneFile = true;
    FileFormat format = FileFormat::Comma;
    std::string dateFormat = "MM/DD/YYYY";
    std::string headerFile;  // or the only file
    std::string detailFile;
    bool headerTitleLine = false;
    bool detailTitleLine = false;
    Layout layout;
};

SourceSpec specOf(const JCLimits& source);
// The letter a format is kept as: "C", "T" or "F".
std::string formatLetter(FileFormat format);
FileFormat formatOfLetter(const std::string& letter);

// A built-in source (either edition's): only its file names and title-line
// switches may change, and it cannot be deleted.
bool isBuiltIn(const std::string& title);

// Every source, by title.
std::vector<JCLimits> listSources(store::Store& store);
std::optional<JCLimits> findSource(store::Store& store, const std::string& title);

// Creates the built-in source of the edition when no source has its title;
// a failed write answers " Auto Incrementing JCLimits" or " Inserting
// JCLimits" after the store's text.
store::Status ensureBuiltInSource(store::Store& store, bool genericEdition, const std::string& userId, Date today);

// What keeps a source from being saved; the message and its title exactly as
// the source form shows them.
struct SourceProblem {
    std::string text;
    std::string title;
    bool nameField = false;  // the name is blanked and the focus goes to it
};
// `adding` is true for a new source. An empty answer means the source may be saved.
std::optional<SourceProblem> checkSource(const std::string& title, bool oneFile, const Layout& layout, bool adding);

}  // namespace vtl::imp
