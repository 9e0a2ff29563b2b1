#pragma once

#include "trench_formulas.h"

namespace varnholt {

struct RingLoad {
    double effectiveArea;   // A, m2
    double rainfallDepth;   // R, m
    double overflowFactor;  // k
    double stormMinutes;    // D; the formulas use T = 60 x D seconds
    double infiltration;    // q, m/s (already divided by the factor of safety)
    double voidRatio;       // n
    bool surround;          // granular fill around the rings counts as storage
    bool base;              // the base counts as an infiltration face
    double margin;          // m, width of the counted fill (the applied margin)
};

struct RingResult {
    double depth;          // m
    double halfEmptyTime;  // h
};

// Sizes one ring of the given internal radius: the depth that stores the storm less what soaks
// out through the wetted wall (and base), and the time to drain to half full.
RingResult sizeRing(const RingLoad& load, double radius);

// The ring of a given internal radius and depth as a store, by the same balance.
SoakawayStore ringStore(const RingLoad& load, double radius, double depth);

}  // namespace varnholt
