#include "unbuildable.h"

#include <cmath>

namespace varnholt {

namespace {
// Nothing to store: either the overflow takes it all or no runoff is left at all.
std::string noInflowNotice(double overflowFactor) {
    if (!(overflowFactor > 0))
        return "No water reaches the soakaway: the overflow takes all the runoff. Lower the "
               "overflow percentage in the design options.";
    return "No water reaches the soakaway: the runoff coefficient leaves no runoff. Check the "
           "runoff coefficient.";
}

constexpr const char* kOutOfRange =
    "These inputs give a size that is not a number. Check the inputs for a value far out of "
    "range.";
}  // namespace

bool isBuildable(double size) {
    return std::isfinite(size) && size > 0;
}

std::string trenchNotice(TrenchSolve solve, double inflow, double overflowFactor, double size) {
    if (std::isfinite(inflow) && !(inflow > 0)) return noInflowNotice(overflowFactor);
    if (!std::isfinite(size)) return kOutOfRange;
    if (solve == TrenchSolve::width)
        return "No storage is needed: the soil takes this storm through the trench's sides at "
               "this length. Shorten the trench or check the inputs.";
    return "No storage is needed: the soil takes this storm through the trench's ends at this "
           "width. Make the trench narrower or check the inputs.";
}

std::string ringNotice(double inflow, double overflowFactor, double depth) {
    if (std::isfinite(inflow) && !(inflow > 0)) return noInflowNotice(overflowFactor);
    if (!std::isfinite(depth)) return kOutOfRange;
    return "No storage is needed: the soil takes this storm through the ring's base alone. "
           "Check the inputs, or leave the base out of the calculation in the design options.";
}

}  // namespace varnholt
