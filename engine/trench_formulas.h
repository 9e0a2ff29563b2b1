#pragma once

namespace varnholt {

// What the design storm brings and how fast the soil takes it, for one trench sizing.
struct TrenchLoad {
    double effectiveArea;   // A, m2
    double rainfallDepth;   // R, m
    double overflowFactor;  // k
    double stormMinutes;    // T
    double infiltration;    // f, m/s (already divided by the factor of safety)
    double voidRatio;       // n
    bool base;              // the base counts as an infiltration face
};

// The design balance V = L.W.D.n + f.t.(wetted area at half depth), solved for W or L.
double solveTrenchWidth(const TrenchLoad& load, double length, double depth);
double solveTrenchLength(const TrenchLoad& load, double width, double depth);

// A soakaway of given size as a store: the water it holds full and the rate at which the soil
// takes it through the faces at half depth, as the sizing's balance counts them.
struct SoakawayStore {
    double storage;   // m3
    double soakRate;  // m3/s
};
SoakawayStore trenchStore(const TrenchLoad& load, double length, double width, double depth);

// Hours for the full trench to drain to half its storage through the faces at half depth.
double trenchHalfEmptyHours(const TrenchLoad& load, double length, double width, double depth);

}  // namespace varnholt
