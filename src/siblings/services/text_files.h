#pragma once
// Writing the text files the person names: written beside the target first
// and moved into place, so a failed write never leaves half a file.
#include <string>

namespace vtl::services {

// Writes `content` to `path`; false with `error` set (one line) when it failed.
bool writeTextFile(const std::string& path, const std::string& content, std::string& error);

// "folder/name", a blank folder meaning the current one.
std::string inFolder(const std::string& folder, const std::string& name);

// A title made fit for a file name: characters a file name cannot hold
// become "_"; a blank title gives `fallback`.
std::string fileNameFrom(const std::string& title, const std::string& fallback);

}  // namespace vtl::services
