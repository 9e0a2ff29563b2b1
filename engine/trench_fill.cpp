#include "trench_fill.h"

#include <algorithm>
#include <cmath>

#include "number_text.h"

namespace varnholt {

namespace {

// A size within this share of a unit above a boundary counts as on it: a millionth of a unit
// (a micrometre of a 1 m unit) is far below what the fields show, and far above the last bits
// that floating point leaves, so 3.0000000001 m is 3 units of 1 m, while 3.001 m is 4.
constexpr double kBoundaryTolerance = 1e-6;
// Enough units along any side for any trench that is built; it keeps the count a number.
constexpr double kMostUnitsPerSide = 1e6;

std::optional<double> positiveNumber(const DesignRecord& record, Field f) {
    const std::optional<double> v = tryParseNumber(record.text(f));
    if (!v || !(*v > 0) || !std::isfinite(*v)) return std::nullopt;
    return v;
}

// At least two decimals, as the fields show sizes, and more where the size has them.
std::string metres(double size) {
    std::string text = plainText(size);
    auto point = text.find('.');
    if (point == std::string::npos) {
        point = text.size();
        text += '.';
    }
    while (text.size() < point + 3) text += '0';
    return text;
}

}  // namespace

bool isTrenchFillField(Field f) {
    return std::find(kTrenchFillFields.begin(), kTrenchFillFields.end(), f) !=
           kTrenchFillFields.end();
}

bool fillKeepsDefaults(const DesignRecord& record) {
    return record.text(Field::txtfill) == kGravelFillText &&
           record.text(Field::txtcratelength) == kDefaultCrateLength &&
           record.text(Field::txtcratewidth) == kDefaultCrateWidth &&
           record.text(Field::txtcrateheight) == kDefaultCrateHeight &&
           record.text(Field::txtcratevr) == kDefaultCrateVoidRatio;
}

std::optional<TrenchFill> fillNamed(const std::string& text) {
    if (text == kGravelFillText) return TrenchFill::gravel;
    if (text == kCratesFillText) return TrenchFill::crates;
    return std::nullopt;
}

TrenchFill trenchFillOf(const DesignRecord& record) {
    return fillNamed(record.text(Field::txtfill)).value_or(TrenchFill::gravel);
}

Field trenchVoidRatioField(const DesignRecord& record) {
    return trenchFillOf(record) == TrenchFill::crates ? Field::txtcratevr : Field::txtVR;
}

long long unitsToCover(double size, double unit) {
    if (!(size > 0) || !(unit > 0)) return 0;
    const double units = std::ceil(size / unit - kBoundaryTolerance);
    return static_cast<long long>(std::clamp(units, 1.0, kMostUnitsPerSide));
}

double sizeOfUnits(long long count, double unit) {
    constexpr double kClean = 1e9;  // nanometres
    return std::round(static_cast<double>(count) * unit * kClean) / kClean;
}

double roundedUpToUnits(double size, double unit) {
    return sizeOfUnits(unitsToCover(size, unit), unit);
}

std::optional<CrateUnit> crateUnitOf(const DesignRecord& record) {
    if (trenchFillOf(record) != TrenchFill::crates) return std::nullopt;
    const auto length = positiveNumber(record, Field::txtcratelength);
    const auto width = positiveNumber(record, Field::txtcratewidth);
    const auto height = positiveNumber(record, Field::txtcrateheight);
    if (!length || !width || !height) return std::nullopt;
    const auto voidRatio = tryParseNumber(record.text(Field::txtcratevr));
    return CrateUnit{*length, *width, *height, voidRatio.value_or(0)};
}

std::string CrateTank::unitsText() const {
    return std::to_string(along) + " x " + std::to_string(across) + " x " + std::to_string(layers) +
           " = " + std::to_string(count()) + " units";
}

std::string CrateTank::sizeText() const {
    return metres(length) + " x " + metres(width) + " x " + metres(depth) + " m";
}

std::string crateFillText(const DesignRecord& record) {
    return "geocellular crates of " + record.text(Field::txtcratelength) + " x " +
           record.text(Field::txtcratewidth) + " x " + record.text(Field::txtcrateheight) +
           " m units, void ratio " + record.text(Field::txtcratevr);
}

CrateTank crateTankFor(const CrateUnit& unit, double length, double width, double depth) {
    CrateTank t;
    t.along = unitsToCover(length, unit.length);
    t.across = unitsToCover(width, unit.width);
    t.layers = unitsToCover(depth, unit.height);
    t.length = sizeOfUnits(t.along, unit.length);
    t.width = sizeOfUnits(t.across, unit.width);
    t.depth = sizeOfUnits(t.layers, unit.height);
    return t;
}

std::optional<CrateTank> crateTankOf(const DesignRecord& record) {
    const std::optional<CrateUnit> unit = crateUnitOf(record);
    if (!unit) return std::nullopt;
    const auto length = positiveNumber(record, Field::txtlength);
    const auto width = positiveNumber(record, Field::lblwid);
    const auto depth = positiveNumber(record, Field::txtdepth);
    if (!length || !width || !depth) return std::nullopt;
    return crateTankFor(*unit, *length, *width, *depth);
}

}  // namespace varnholt
