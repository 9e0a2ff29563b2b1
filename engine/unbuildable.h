#pragma once

#include <string>

namespace varnholt {

// A solved trench length or width, or a ring depth, that no soakaway can have: zero or less,
// or not a finite number. Such a result is never written into its field.
bool isBuildable(double size);

// The notice that says why and what to change. `inflow` is the storm's volume reaching the
// soakaway (area x runoff coefficient x rainfall x overflow factor), `overflowFactor` the share
// the overflow leaves.
enum class TrenchSolve { width, length };
std::string trenchNotice(TrenchSolve solve, double inflow, double overflowFactor, double size);
std::string ringNotice(double inflow, double overflowFactor, double depth);

}  // namespace varnholt
