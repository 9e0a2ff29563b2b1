#pragma once

#include <string>
#include <string_view>

namespace varnholt {

// Text as the driver prints it: each line UTF-8 as it stands, any other line read as
// Windows-1252 (as old project files are), so that no reader of the driver's output ever meets
// bytes that are not UTF-8, whatever the arguments or file names held.
std::string utf8Lines(std::string_view text);

}  // namespace varnholt
