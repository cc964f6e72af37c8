#pragma once
// Reading the text of an import file: the work file it is copied to, its
// lines, the fields of a line, and the dates and numbers in them.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/types/date.h"
#include "vtlpoimp/import_layout.h"
#include "vtlpoimp/import_source.h"

namespace vtl::imp {

// How far a long run has got, in bytes of the files; false stops it.
using ReadProgress = std::function<bool(std::int64_t done, std::int64_t total)>;

inline constexpr const char* kImportWorkFile = "Import.txt";

// The lines of one import file, read from its copy "Import.txt" in the data
// folder. The copy is written beside that name and takes it only once
// complete, and it is read through the handle opened before, so two imports
// at once in one folder each read their own file. Lines end with LF or CRLF
// and may be of any length; a byte-order mark is dropped; a NUL byte reads
// as a blank; a file that is not valid UTF-8 is read as Latin-1.
class LineFile {
public:
    ~LineFile();
    LineFile(const LineFile&) = delete;
    LineFile& operator=(const LineFile&) = delete;

    // Copies `path` into the data folder's work file and opens it. Null,
    // with `error` set to one line naming the file, when that cannot be done.
    static std::unique_ptr<LineFile> open(const std::string& path, const std::string& dataFolder, std::string& error,
                                          const ReadProgress& progress = {});

    // The next line without its end; false at the end of the file.
    bool next(std::string& line);
    std::int64_t size() const { return size_; }
    std::int64_t position() const { return consumed_; }
    bool latin1() const { return latin1_; }
    const std::string& readError() const { return readError_; }

private:
    LineFile() = default;
    bool fill();

    int fd_ = -1;
    std::int64_t size_ = 0;
    std::int64_t consumed_ = 0;
    bool latin1_ = false;
    bool first_ = true;
    bool eof_ = false;
    std::string buf_;
    std::size_t pos_ = 0;
    std::string readError_;
};

// True when the bytes are valid UTF-8.
bool validUtf8(std::string_view s);
std::string latin1ToUtf8(std::string_view s);

// The fields of one line in the order of `tokens`: comma-delimited (a field
// that opens with a double quote runs to the next lone one, a doubled quote
// inside it is one quote), tab-delimited (a field that opens with a double
// quote loses its first and last characters), or fixed position (each
// token's width in characters). A line that ends early leaves the remaining
// fields empty; a quoted field that is never closed reads as empty.
void splitFields(std::string_view line, FileFormat format, const std::vector<LayoutToken>& tokens,
                 std::vector<std::string>& fields);

// A date in one of the twelve formats; no date for an empty field, an
// impossible date or an unknown format. A year of one or two digits is
// taken as 2000-2049 below 50 and 1950-1999 from 50 on.
Date readDate(std::string_view text, std::string_view format);

// The characters of a number: digits, the decimal point, and a minus sign
// standing before them; everything else dropped.
std::string numberText(std::string_view text);

}  // namespace vtl::imp
