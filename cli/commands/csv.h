#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace vtl::cli {

// One CSV field as RFC 4180 writes it: quoted when it holds a comma, a quote
// or a line break, with its quotes doubled.
std::string csvField(std::string_view v);
// A whole record, fields joined by commas and ended by CRLF.
std::string csvLine(const std::vector<std::string>& fields);

}  // namespace vtl::cli
