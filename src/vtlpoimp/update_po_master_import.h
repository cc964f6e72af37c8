#pragma once
// UpdatePOMasterImport: the form "PO Import Source" over one import source,
// with its header and detail field lists; and the item editor "Changing an
// Import Item" (UpdatePOMasterImportItem, UpdatePODetailImportItem) for one
// entry of a list.
#include <optional>
#include <string>
#include <vector>

#include "platform/suite/session.h"
#include "records/job_cost.h"
#include "vtlpoimp/import_source.h"

namespace vtl::imp {

// One entry of a field list while the form is open.
struct ImportItem {
    int number = 0;         // place in the list, from 1
    std::string contents;   // field name ("Vendor ID")
    std::string code;       // "VI"
    int length = 0;
    int start = 1;          // first character in a fixed-position record
};

class ImportItemEditor {
public:
    static constexpr const char* kTitle = "Changing an Import Item";

    ImportItemEditor(Part part, ImportItem& item, bool oneFile, bool fixed, bool genericEdition);

    Part part() const { return part_; }
    // The field names offered, in order.
    const std::vector<std::string>& choices() const { return choices_; }
    const std::string& contents() const { return contents_; }
    int length() const { return length_; }
    bool lengthShown() const { return fixed_; }

    void setContents(const std::string& name);
    void setLength(int length);
    void ok();
    void cancel() { done_ = true; }
    bool done() const { return done_; }
    bool accepted() const { return accepted_; }

private:
    Part part_;
    ImportItem& item_;
    bool fixed_;
    std::vector<std::string> choices_;
    std::string contents_;
    int length_;
    bool done_ = false;
    bool accepted_ = false;
};

class UpdatePOMasterImport {
public:
    static constexpr const char* kWindow = "PO Import Source";
    static constexpr const char* kHelp =
        "html/PO_Import_Purchase_Orders.htm#po_ipo_inserting_or_changing_an_import_sour";
    static constexpr const char* kFilter = "Text Files|*.txt|All Files|*.*";

    explicit UpdatePOMasterImport(Session& s);

    // Reads the source named by DecimalVariable for a change or a view.
    bool open();
    std::string caption() const;
    suite::Request request() const { return request_; }

    const std::string& title() const { return title_; }
    bool oneFile() const { return oneFile_; }
    FileFormat format() const { return format_; }
    const std::string& dateFormat() const { return dateFormat_; }
    const std::string& headerFile() const { return headerFile_; }
    const std::string& detailFile() const { return detailFile_; }
    bool headerTitleLine() const { return headerTitle_; }
    bool detailTitleLine() const { return detailTitle_; }
    // A built-in source: only the file names and title-line switches change.
    bool locked() const { return locked_; }
    bool viewOnly() const { return request_ == suite::Request::View; }
    // The detail file's name, button and switch are shown for two files only.
    bool detailFileShown() const { return !oneFile_; }
    // Fixed position lists show length and start too.
    bool lengthsShown() const { return format_ == FileFormat::Fixed; }
    bool focusOnName() const { return focusName_; }

    void setTitle(const std::string& t);
    void setOneFile(bool one);
    void setFormat(FileFormat f);
    void setDateFormat(const std::string& f);
    void setHeaderFile(const std::string& f);
    void setDetailFile(const std::string& f);
    void setHeaderTitleLine(bool on);
    void setDetailTitleLine(bool on);
    void browseHeaderFile();
    void browseDetailFile();

    const std::vector<ImportItem>& items(Part part) const { return part == Part::Header ? header_ : detail_; }
    int highlighted(Part part) const { return part == Part::Header ? hiHeader_ : hiDetail_; }
    void highlight(Part part, int row);
    void insertItem(Part part);
    void changeItem(Part part);
    void deleteItem(Part part);
    void moveUp(Part part);
    void moveDown(Part part);
    void moveToTop(Part part);
    void moveToBottom(Part part);

    // Saves the source after its checks; false while it must stay open.
    bool ok();
    void cancel() { closed_ = true; }
    void help();
    bool closed() const { return closed_; }
    bool saved() const { return saved_; }
    ULong savedLimitID() const { return record_.LimitID; }

    // The layout the lists make.
    Layout layout() const;

private:
    std::vector<ImportItem>& list(Part part) { return part == Part::Header ? header_ : detail_; }
    int& hi(Part part) { return part == Part::Header ? hiHeader_ : hiDetail_; }
    void renumber(Part part);
    bool editItem(Part part, ImportItem& item);
    bool editable() const { return !locked_ && !viewOnly(); }

    Session& s_;
    suite::Request request_;
    JCLimits record_;
    std::string title_;
    bool oneFile_ = false;
    FileFormat format_ = FileFormat::Comma;
    std::string dateFormat_ = "MM/DD/YYYY";
    std::string headerFile_, detailFile_;
    bool headerTitle_ = false, detailTitle_ = false;
    bool locked_ = false;
    bool focusName_ = false;
    std::vector<ImportItem> header_, detail_;
    int hiHeader_ = -1, hiDetail_ = -1;
    bool closed_ = false;
    bool saved_ = false;
};

}  // namespace vtl::imp
