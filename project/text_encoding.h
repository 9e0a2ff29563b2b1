#pragma once

#include <string>
#include <string_view>

namespace varnholt {

bool isValidUtf8(std::string_view text);
// Project files written by older programs hold their free text in the Windows code page.
std::string windows1252ToUtf8(std::string_view text);
// A line as it is put into its field: UTF-8 as it stands, anything else read as Windows-1252.
std::string lineToUtf8(std::string_view line);

}  // namespace varnholt
