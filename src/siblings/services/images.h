#pragma once
// UpdateImages: the attachments of one entity (a purchase order: type
// "POMaster" and its number). Each attachment is an Images record with a
// caption and a kind, and a copy of the file kept in the data folder.
#include <string>
#include <vector>

#include "platform/suite/session.h"
#include "records/shared_services.h"
#include "siblings/services/common.h"

namespace vtl::services {

inline constexpr const char* kAttachTitle = "Select a File to Attach";
inline constexpr const char* kAttachFilter =
    "All Files|*.*|Images|*.tif;*.bmp;*.jpg;*.gif|PDF Files|*.pdf|Document Files|*.doc|Spreadsheets|*.xl*|"
    "Web Pages|*.htm*;*.php";

// The kind of an attached file from the first two letters of its extension:
// "PDF", "Bitmap", "DOC", "PPT", "TXT", "XL", "WebPage" or "Other".
std::string imageTypeOf(const std::string& path);
// The file name after the last "\" or "/".
std::string fileNameOf(const std::string& path);

struct ImagesArgs {
    std::string type;     // "POMaster"
    ULong numericId = 0;  // the entity's number
    bool changed = false;
};

class UpdateImages {
public:
    static constexpr int kCaptionLength = 50;

    UpdateImages(Session& session, std::string type, ULong numericId);

    Session& session() { return session_; }
    std::string title() const;
    std::vector<ui::LookupColumn> columns() const;
    Rows rows() const;
    int rowCount() const { return static_cast<int>(images_.size()); }
    const Images& image(int row) const { return images_.at(static_cast<std::size_t>(row)); }
    int highlight() const { return highlight_; }
    void setHighlight(int row);

    // Asks for a file (in the suite's attachment folder) and attaches it.
    bool insert();
    // Attaches a file: the record, captioned with the file's name and dated
    // with the file's date, and the stored copy. When the copy cannot be
    // made the record goes again and the reason is told.
    bool attach(const std::string& path);
    bool changeCaption(int row, const std::string& caption);
    // Asks the delete question; removes the stored copy, then the record.
    bool remove(int row);
    // Opens the attachment with the desktop's program: the file itself when
    // it is still where it was attached from, else the stored copy taken out
    // to a temporary folder.
    bool open(int row);

    bool changed() const { return changed_; }

private:
    void load();
    void highlightImage(ULong id);

    Session& session_;
    std::string type_;
    ULong numericId_;
    std::vector<Images> images_;
    int highlight_ = -1;
    bool changed_ = false;
};

// Shows the attachments window of an entity; true when it changed any.
bool updateImages(Session& session, const std::string& type, ULong numericId);
void runUpdateImages(Session& session, ImagesArgs& args);

}  // namespace vtl::services
