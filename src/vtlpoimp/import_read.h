#pragma once
// Reading an import file through a source, with the checks of each header
// and line and the matching of lines to headers after reading. Nothing is
// written: the batch is what the preview shows and the import writes.
#include <string>

#include "platform/store/store.h"
#include "vtlpoimp/import_batch.h"
#include "vtlpoimp/import_source.h"
#include "vtlpoimp/import_text.h"

namespace vtl::imp {

struct ReadResult {
    enum class Outcome { Read, Stopped, FileProblem };
    Outcome outcome = Outcome::Read;
    std::string problem;  // one line naming the file, for FileProblem
};

// Reads the source's file (or both files) into `batch`, which is emptied
// first. Problems in the records become errors of the batch and never stop
// the reading; a file that cannot be read does.
ReadResult readImport(store::Store& store, const SourceSpec& spec, int costCodeLen, const std::string& dataFolder,
                      ImportBatch& batch, const ReadProgress& progress = {});

}  // namespace vtl::imp
