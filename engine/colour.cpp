#include "colour.h"

#include <cstdio>

namespace varnholt {

std::string Rgb::hex() const {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", r, g, b);
    return buf;
}

}  // namespace varnholt
