#pragma once

#include <optional>
#include <string>

#include "design_record.h"

namespace varnholt {

// What fills the trench: gravel of the void ratio the options give (txtVR), or geocellular
// crates, a tank of whole plastic units of their own size and void ratio.
enum class TrenchFill { gravel, crates };

inline constexpr const char* kGravelFillText = "gravel";
inline constexpr const char* kCratesFillText = "crates";

// Defaults of the crate unit, as a New project and the options' Restore Defaults give them.
inline constexpr const char* kDefaultCrateLength = "1.0";
inline constexpr const char* kDefaultCrateWidth = "0.5";
inline constexpr const char* kDefaultCrateHeight = "0.4";
inline constexpr const char* kDefaultCrateVoidRatio = "0.95";

bool isTrenchFillField(Field f);
// Every fill field holds its default text: the project keeps nothing of the fill, and the
// outputs say nothing of it.
bool fillKeepsDefaults(const DesignRecord& record);

// txtfill holds "gravel" or "crates"; anything else is no fill this program knows.
std::optional<TrenchFill> fillNamed(const std::string& text);
// Crates only when txtfill says so: an unknown text sizes as the gravel of today.
TrenchFill trenchFillOf(const DesignRecord& record);

// The field whose void ratio the trench's storage uses: the one place that decides it, for the
// sizing, the storm table, the design check and routing alike. The ring's fill stays txtVR.
Field trenchVoidRatioField(const DesignRecord& record);

// Whole units needed to cover `size`: a size on a unit boundary stays (a size within a
// millionth of a unit above it, which floating point leaves after a multiplication, counts as
// on it), anything beyond takes one more unit. At least one unit for a size above zero, none
// otherwise.
long long unitsToCover(double size, double unit);
// The size of `count` units, cleaned of the last bits a multiplication leaves, so that the
// display cut of 3 x 0.7 m shows 2.10 and not 2.09.
double sizeOfUnits(long long count, double unit);

// The size of the whole units that cover `size`.
double roundedUpToUnits(double size, double unit);

struct CrateUnit {
    double length = 1.0;
    double width = 0.5;
    double height = 0.4;
    double voidRatio = 0.95;
};
// The unit as the crate fields give it; nothing while crates are not chosen or a unit size is
// not a number above zero.
std::optional<CrateUnit> crateUnitOf(const DesignRecord& record);

// The crate tank that a trench of the given size needs: units along the length, across the
// width and layers up the depth, each rounded up to whole units.
struct CrateTank {
    long long along = 0;
    long long across = 0;
    long long layers = 0;
    double length = 0;  // m
    double width = 0;
    double depth = 0;

    long long count() const { return along * across * layers; }
    // "10 x 2 x 3 = 60 units"
    std::string unitsText() const;
    // "10.00 x 1.00 x 1.20 m"
    std::string sizeText() const;
};
// "geocellular crates of 1.0 x 0.5 x 0.4 m units, void ratio 0.95", as the fields give them.
std::string crateFillText(const DesignRecord& record);

CrateTank crateTankFor(const CrateUnit& unit, double length, double width, double depth);
// The tank of the trench on show, from the length, width and depth fields: nothing with
// gravel, or while any of them, or a unit size, is not a number above zero.
std::optional<CrateTank> crateTankOf(const DesignRecord& record);

}  // namespace varnholt
