#pragma once
// ExportPO: the window "Purchase Order Export" that writes the tagged
// purchase orders to a text file and empties the tag list.
#include <string>

#include "platform/suite/session.h"
#include "vtlpoimp/export_po.h"

namespace vtl::imp {

class ExportPO {
public:
    static constexpr const char* kTitle = "Purchase Order Export";
    static constexpr const char* kText =
        "This will create a text file containing the tagged purchase orders.  Please indicate a filename for the "
        "export file.";
    static constexpr const char* kFilter = "Text Files|*.txt|All Files|*.*";

    explicit ExportPO(Session& s) : s_(s) {}

    const std::string& fileName() const { return fileName_; }
    void setFileName(const std::string& name) { fileName_ = name.substr(0, 255); }
    bool previewFile() const { return preview_; }
    void setPreviewFile(bool on) { preview_ = on; }
    // "...": the save dialog puts the chosen name in the entry.
    void browse();
    // Writes the file; false (focus on the name) when no name was given, or
    // when the file could not be written (told; the window stays, the
    // orders stay tagged and the file named is left as it was).
    bool proceed();
    void cancel() { closed_ = true; }
    bool closed() const { return closed_; }
    bool focusOnName() const { return focusName_; }
    const ExportResult& result() const { return result_; }

private:
    Session& s_;
    std::string fileName_;
    bool preview_ = false;
    bool closed_ = false;
    bool focusName_ = false;
    ExportResult result_;
};

}  // namespace vtl::imp
