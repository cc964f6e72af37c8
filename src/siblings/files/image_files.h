#pragma once
// The content of attached files. An attachment's Images record names the
// path it was attached from; its content is copied into the "attachments"
// folder of the data folder under a name of our own making (the record
// number and the file's extension, cleaned), so no name or path a person
// typed ever decides where a file is written or what is deleted.
#include <optional>
#include <string>

#include "platform/suite/procedures.h"
#include "platform/suite/session.h"
#include "records/shared_services.h"

namespace vtl::siblings {

inline constexpr const char* kAttachmentsFolder = "attachments";

std::string attachmentsFolder(const std::string& dataFolder);
// "42.pdf" for record 42 attached from "C:\Docs\Quote.PDF"; "42" when the
// file has no usable extension (letters and digits only, at most 10).
std::string storedFileName(ULong imageID, const std::string& attachedFrom);
// The stored file of a record, when there is one.
std::optional<std::string> storedImagePath(const std::string& dataFolder, ULong imageID);

struct FileOutcome {
    bool ok = false;
    std::string message;  // why it failed, for the person
    std::string path;     // the file written
    explicit operator bool() const { return ok; }
};

// StoreImageFile: copies `source` (by default the path the record names)
// into the attachments folder, replacing what was stored for the record.
FileOutcome storeImageFile(const std::string& dataFolder, const Images& image, const std::string& source);
FileOutcome storeImageFile(Session& s, const Images& image);
// ExtractImageFile: copies the stored content out to a path the person chose.
FileOutcome extractImageFile(const std::string& dataFolder, ULong imageID, const std::string& destination);
// RemoveImageFile: deletes the stored content; nothing stored is no error.
FileOutcome removeImageFile(const std::string& dataFolder, ULong imageID);

// The file services by name: DecimalVariable holds IMG:ImageID.
// ExtractImageFile writes to the path in Globals::LookupKey, or asks for
// one. Each answers in GlobalResponse and reports a failure through the
// error object.
void registerImageFileProcedures(suite::ProcedureTable& table);

}  // namespace vtl::siblings
