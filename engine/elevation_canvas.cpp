#include "elevation_canvas.h"

#include <cmath>

namespace varnholt {

int toPixel(double value) {
    constexpr float kLimit = 1e7f;
    float single = static_cast<float>(value);
    if (std::isnan(single)) single = 0;
    single = std::fmax(-kLimit, std::fmin(kLimit, single));
    return static_cast<int>(std::nearbyint(single));  // the default rounding: halves to even
}

}  // namespace varnholt
