#include "program_version.h"

namespace varnholt {

const char* programVersion() {
    return VARNHOLT_VERSION;
}

}  // namespace varnholt
