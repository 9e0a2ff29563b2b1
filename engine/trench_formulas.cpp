#include "trench_formulas.h"

namespace varnholt {

namespace {
// Intermediates are carried in extended precision and stored as doubles, so that results
// lying close to a display cut come out as they always have.
using X = long double;

struct Terms {
    X V;   // inflow volume
    X ft;  // infiltration depth during the storm, f x t
    X n;
};

Terms termsOf(const TrenchLoad& load) {
    const X V = X(load.effectiveArea) * X(load.rainfallDepth) * X(load.overflowFactor);
    const X ft = X(load.infiltration) * (X(load.stormMinutes) * 60);
    return {V, ft, X(load.voidRatio)};
}

// Width and length play the same part in the balance; only the base term tells them apart
// from the depth.
double solveAcross(const TrenchLoad& load, X known, X depth) {
    const Terms t = termsOf(load);
    const X numerator = t.V - known * depth * t.ft;
    const X denominator = load.base ? known * depth * t.n + (known + depth) * t.ft
                                    : known * depth * t.n + depth * t.ft;
    return static_cast<double>(numerator / denominator);
}
}  // namespace

double solveTrenchWidth(const TrenchLoad& load, double length, double depth) {
    return solveAcross(load, length, depth);
}

double solveTrenchLength(const TrenchLoad& load, double width, double depth) {
    return solveAcross(load, width, depth);
}

SoakawayStore trenchStore(const TrenchLoad& load, double length, double width, double depth) {
    const X L = length, W = width, D = depth;
    const X faces = load.base ? (L + W) * D + L * W : (L + W) * D;
    return {static_cast<double>(L * W * D * X(load.voidRatio)),
            static_cast<double>(faces * X(load.infiltration))};
}

double trenchHalfEmptyHours(const TrenchLoad& load, double length, double width, double depth) {
    const X L = length, W = width, D = depth, n = load.voidRatio, f = load.infiltration;
    const X halfStorage = L * W * D * n * X(0.5);
    const X sides = 2 * (L + W) * (D / 2);
    const X outflow = load.base ? f * (sides + L * W) : sides * f;
    const double seconds = static_cast<double>(halfStorage / outflow);
    return seconds / 3600;
}

}  // namespace varnholt
