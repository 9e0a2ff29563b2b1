#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "design_record.h"
#include "rainfall_source.h"
#include "ring_formulas.h"
#include "storm_rainfall.h"
#include "trench_formulas.h"

namespace varnholt {

// Where the storms of every duration come from, and how rare a storm is taken.
struct StormSite {
    RainfallSourceKind source = RainfallSourceKind::fsr;
    double m560Rainfall = 20;  // mm, FSR
    double ratio = 0.3;        // r, M5-60 over M5-2-day, FSR
    Region region = Region::englandAndWales;
    Feh99Parameters feh99;         // FEH99
    FehDepthTables tables;         // FEH13, FEH22
    std::string feh99Origin;       // the file and group the parameters were read from; empty: typed
    double returnPeriod = 10;      // years
    double allowancePercent = 0;   // climate change, added to every rainfall depth
    double urbanCreepPercent = 0;  // added to the impermeable area for paving yet to come
};

// Why the FSR source cannot give a storm of another return period than 10 years.
inline constexpr const char* kFsrTenYearsOnly =
    "the FSR source gives 10-year storms only; choose an FEH source";

// The design as it stands, less the storm: the trench of the current width and depth and the
// ring on show, sized by the same loads as the main window's, with their limits.
struct StormDesign {
    TrenchLoad trench;   // rainfallDepth and stormMinutes are replaced per duration
    double trenchWidth;  // m; not a number when the trench has none, and then no lengths
    double trenchDepth;
    RingLoad ring;  // likewise
    double ringRadius;
    double halfEmptyLimit;    // h
    double ringFailureDepth;  // m
};

// The table's durations: those of the Z1 table and the two-day storm beyond them, whose Z1 is
// 1/r by the ratio's own definition (r = M5-60 / M5-2-day).
inline constexpr std::size_t kCriticalStormCount = kStormDurationCount + 1;
inline constexpr std::array<double, kCriticalStormCount> kCriticalStormDurations = {
    5, 10, 15, 30, 60, 120, 240, 360, 600, 1440, 2880};  // minutes

struct StormRainfall {
    double minutes;
    double z1;  // FSR only, as are m5, z2 and z2Held
    double m5;  // mm
    double z2;
    bool z2Held;        // M5 beyond the Z2 table; its end row was taken
    double m10;         // mm, the source's depth for the return period, without the allowance
    bool extrapolated;  // FEH99 under 1 hour
    double depth;       // m, with the allowance
};

struct CriticalStormRow {
    StormRainfall rain;
    double trenchLength;     // m, for the current width and depth
    double trenchHalfEmpty;  // h
    bool trenchPasses;
    bool trenchNoneNeeded;  // the soil takes the storm as it falls: no length, nothing to time
    double ringDepth;       // m, of the ring on show
    double ringHalfEmpty;   // h
    bool ringPasses;
    bool ringNoneNeeded;
};

struct CriticalStormTable {
    RainfallSourceKind source;
    double returnPeriod;      // years
    double allowancePercent;  // climate change
    std::array<CriticalStormRow, kCriticalStormCount> rows;
    std::size_t trenchGoverning;  // the row needing the longest trench
    std::size_t ringGoverning;    // the row needing the deepest ring

    // The longest storm of the table governs: a longer one may need more still.
    bool longestGoverns(bool ring) const {
        return (ring ? ringGoverning : trenchGoverning) == kCriticalStormCount - 1;
    }
};

// The depth written into the design: rounded up to 0.1 mm, as an engineer writes a rainfall,
// so that the design never takes a lighter storm than the table's. A depth within a rounding
// error of a tenth of a millimetre stays on it (0.0248 stays 0.0248).
double roundedUpRainfall(double metres);

// The storm of the duration kCriticalStormDurations[duration] at the site's return period: for
// FSR, M5 = M5-60 x Z1 and M10 = M5 x Z2; for FEH, the source's depth; and the depth in metres
// with the allowance. Refuses (std::domain_error) an M5-60 rainfall outside 5 to 100 mm, a ratio
// outside the Z1 table, an FSR return period other than 10 years, an FEH source without its
// figures or outside its table, and an allowance (either) outside 0 to 100 %, so that no storm
// is made lighter than the source gives, nor one no site has.
StormRainfall stormRainfall(const StormSite& site, std::size_t duration);

// Every duration of the table through the trench and ring formulas of the sizing, the
// effective area enlarged by the urban creep allowance. A row needing no storage (a length or
// depth of 0 or less) passes and is marked so; its figures are not sizes.
CriticalStormTable criticalStormTable(const StormSite& site, const StormDesign& design);

// The design as the main window holds it, read from the texts the table needs and no others
// (never the design's own storm): the width as displayed, the ring of rvdia (else the chosen
// table row), the ring options in force. An empty input it needs is refused by name
// (std::domain_error "the impermeable area is empty"); an empty width or depth leaves the
// trench unsized. Throws ConversionError for a text that is not a number.
StormDesign stormDesignOf(const DesignRecord& record);

}  // namespace varnholt
