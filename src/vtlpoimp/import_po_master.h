#pragma once
// ImportPOMaster: the window "Import Purchase Orders". The person picks an
// import source (or adds, changes or deletes one), previews what its files
// hold with the problems found, and imports the orders.
//
// BrowseErrQue: the window "Errors Were Encountered" that lists the problems
// and lets the person proceed with the import or cancel it.
#include <functional>
#include <string>
#include <vector>

#include "platform/suite/session.h"
#include "records/job_cost.h"
#include "vtlpoimp/import_batch.h"
#include "vtlpoimp/import_source.h"

namespace vtl::imp {

class BrowseErrQue {
public:
    static constexpr const char* kTitle = "Errors Were Encountered";
    static constexpr const char* kText =
        "Some errors were encountered while reading the import file.  The errors are listed below:";
    static constexpr const char* kQuestion =
        "Do you wish to proceed with the import, or cancel and fix the problems in the import file?";

    explicit BrowseErrQue(const std::vector<ImportError>& errors) : errors_(errors) {}
    const std::vector<ImportError>& errors() const { return errors_; }
    // The cells of a row: "Record #" (@n6) and "Error Description" (@s50).
    std::vector<std::string> row(std::size_t i) const;

    void proceed() { proceed_ = true; done_ = true; }
    void cancel() { proceed_ = false; done_ = true; }
    bool proceeding() const { return proceed_; }
    bool done() const { return done_; }

private:
    const std::vector<ImportError>& errors_;
    bool proceed_ = false;
    bool done_ = false;
};

struct PreviewColumn {
    std::string code;     // field code of the layout, "" for the counted POID of one file
    std::string title;
    std::string picture;
    int width = 60;       // dialog units
    bool right = false;
};

class ImportPOMaster {
public:
    static constexpr const char* kTitle = "Import Purchase Orders";
    static constexpr const char* kHelp = "html/PO_Import_Purchase_Orders.htm";
    static constexpr const char* kFilter = "Text Files|*.txt|All Files|*.*";

    explicit ImportPOMaster(Session& s) : s_(s) {}

    // Creates the built-in source when missing and lists the sources.
    void open();

    const std::vector<JCLimits>& sources() const { return sources_; }
    int highlighted() const { return highlight_; }
    void highlight(int row);
    // Moves to the first source whose title begins with the text, ignoring case.
    void locate(const std::string& text);

    void insertSource();
    void changeSource();
    void deleteSource();

    // Reads the highlighted source's files, shows the problems and leaves
    // the headers to import. `progress` hears the percentage as it grows.
    void preview(const std::function<void(int)>& progress = {});
    // Writes the previewed orders and closes the window.
    void importRecords(const std::function<void(int)>& progress = {});
    void close() { closed_ = true; }
    void help();

    bool previewEnabled() const { return previewEnabled_; }
    bool importEnabled() const { return importEnabled_; }
    bool closed() const { return closed_; }
    // "Browsing Records" while reading, "Process Complete" once done.
    const std::string& progressText() const { return progressText_; }

    const std::vector<PreviewColumn>& columns() const { return columns_; }
    std::size_t rowCount() const { return batch_.headers.size(); }
    std::vector<std::string> row(std::size_t i) const;
    const ImportBatch& batch() const { return batch_; }
    int ordersImported() const { return imported_; }

private:
    void loadSources(ULong select = 0);
    const JCLimits* current() const;
    bool fileExists(std::string& name, bool header);
    void buildColumns(const SourceSpec& spec);

    Session& s_;
    std::vector<JCLimits> sources_;
    int highlight_ = -1;
    ImportBatch batch_;
    std::vector<PreviewColumn> columns_;
    bool previewEnabled_ = true;
    bool importEnabled_ = false;
    bool closed_ = false;
    std::string progressText_;
    int imported_ = 0;
};

}  // namespace vtl::imp
