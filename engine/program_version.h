#pragma once

namespace varnholt {

// The version the build was made as ("4.0.0"), for the records that name it.
const char* programVersion();

}  // namespace varnholt
