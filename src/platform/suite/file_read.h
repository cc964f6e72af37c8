#pragma once
// Reading a whole file the program was pointed at by a person or a setting,
// which may name anything: a folder, a device, a pipe, a file that goes
// away. Nothing here throws.
#include <optional>
#include <string>

namespace vtl::suite {

// The bytes of the regular file at `path`; nothing when the path is not a
// regular file or cannot be read to its end. `why`, when given, is told the
// reason in a few words ("not a file", "the file does not exist", "cannot
// be read: <system's text>").
std::optional<std::string> readRegularFile(const std::string& path, std::string* why = nullptr);

}  // namespace vtl::suite
