#include "ring_formulas.h"

#include "routing.h"

namespace varnholt {

namespace {
using X = long double;
// The ring tables have always been worked with pi as 3.1415, and with 3.14 for the base area
// in the half-empty time without surround; published depths and times depend on both.
constexpr X kPi = 3.1415L;
constexpr X kPiBase = 3.14L;

// The surround cases square single-precision copies of the radius and the pit side, as the
// ring tables always have; the last digit of their results depends on it.
X squareOfSingle(X value) {
    const X rounded = static_cast<float>(value);
    return rounded * rounded;
}
}  // namespace

RingResult sizeRing(const RingLoad& load, double radius) {
    const X r = radius, q = load.infiltration, n = load.voidRatio, m = load.margin;
    const X T = X(load.stormMinutes) * 60;
    const X V = X(load.effectiveArea) * X(load.rainfallDepth) * X(load.overflowFactor);
    const X wallOutflow = kPi * r * q * T;
    double d = 0;
    X hours = 0;
    if (!load.surround) {
        const X area = kPi * r * r;
        if (!load.base) {
            d = static_cast<double>(V / (area + wallOutflow));
            hours = X(0.5) * area * d / (kPi * r * d * q) / 3600;
        } else {
            d = static_cast<double>((V - area * q * T) / (area + wallOutflow));
            hours = X(0.5) * area * d / (q * (kPiBase * r * r + kPi * r * d)) / 3600;
        }
    } else {
        const X area = kPi * squareOfSingle(r);
        const X storage = area + n * (squareOfSingle(2 * r + 2 * m) - area);
        if (!load.base) {
            d = static_cast<double>(V / (storage + wallOutflow));
            hours = X(0.5) * storage * d / (kPi * r * d * q) / 3600;
        } else {
            d = static_cast<double>((V - area * q * T) / (storage + wallOutflow));
            hours = X(0.5) * storage * d / (q * (area + kPi * r * d)) / 3600;
        }
    }
    return {d, static_cast<double>(hours)};
}

namespace {
// Water held per metre of depth: the ring's bore, and the fill's voids where they count.
X storagePerDepth(const RingLoad& load, X r, X& area) {
    area = load.surround ? kPi * squareOfSingle(r) : kPi * r * r;
    return load.surround
               ? area + X(load.voidRatio) * (squareOfSingle(2 * r + 2 * X(load.margin)) - area)
               : area;
}
}  // namespace

RoutedSoakaway routedRing(const RingLoad& load, double radius, double depth) {
    X area = 0;
    const X perDepth = storagePerDepth(load, radius, area);
    return {static_cast<double>(perDepth), depth, static_cast<double>(2 * kPi * X(radius)),
            load.base ? static_cast<double>(area) : 0.0, load.infiltration};
}

SoakawayStore ringStore(const RingLoad& load, double radius, double depth) {
    const X r = radius, d = depth, q = load.infiltration;
    X area = 0;
    const X perDepth = storagePerDepth(load, r, area);
    const X faces = kPi * r * d + (load.base ? area : 0);
    return {static_cast<double>(perDepth * d), static_cast<double>(faces * q)};
}

}  // namespace varnholt
