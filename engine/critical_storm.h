#pragma once

#include <array>
#include <cstddef>

#include "design_record.h"
#include "ring_formulas.h"
#include "storm_rainfall.h"
#include "trench_formulas.h"

namespace varnholt {

// Where the storms of every duration come from.
struct StormSite {
    double m560Rainfall = 20;  // mm
    double ratio = 0.3;        // r, M5-60 over M5-2-day
    Region region = Region::englandAndWales;
    double allowancePercent = 0;   // climate change, added to every rainfall depth
    double urbanCreepPercent = 0;  // added to the impermeable area for paving yet to come
};

// The design as it stands, less the storm: the trench of the current width and depth and the
// ring on show, sized by the same loads as the main window's, with their limits.
struct StormDesign {
    TrenchLoad trench;  // rainfallDepth and stormMinutes are replaced per duration
    double trenchWidth;
    double trenchDepth;
    RingLoad ring;  // likewise
    double ringRadius;
    double halfEmptyLimit;    // h
    double ringFailureDepth;  // m
};

struct StormRainfall {
    double minutes;
    double z1;
    double m5;  // mm
    double z2;
    bool z2Held;   // M5 beyond the Z2 table; its end row was taken
    double m10;    // mm, without the allowance
    double depth;  // m, with the allowance
};

struct CriticalStormRow {
    StormRainfall rain;
    double trenchLength;     // m, for the current width and depth
    double trenchHalfEmpty;  // h
    bool trenchPasses;
    double ringDepth;      // m, of the ring on show
    double ringHalfEmpty;  // h
    bool ringPasses;
};

struct CriticalStormTable {
    std::array<CriticalStormRow, kStormDurationCount> rows;
    std::size_t trenchGoverning;  // the row needing the longest trench
    std::size_t ringGoverning;    // the row needing the deepest ring
};

// M5 = M5-60 x Z1, M10 = M5 x Z2 and the depth in metres with the allowance, for the duration
// kStormDurations[duration]. Refuses (std::domain_error) an M5-60 rainfall outside 5 to 100 mm,
// a ratio outside the Z1 table and an allowance (either) outside 0 to 100 %, so that no storm is
// made lighter than the tables give, nor one no site has.
StormRainfall stormRainfall(const StormSite& site, std::size_t duration);

// Every duration of the Z1 table through the trench and ring formulas of the sizing, the
// effective area enlarged by the urban creep allowance.
CriticalStormTable criticalStormTable(const StormSite& site, const StormDesign& design);

// The design as the main window holds it: the sizing values refilled from the texts as every
// sizing does, the width as displayed, the ring of rvdia (else the chosen table row), the ring
// options in force. Throws ConversionError for a text that is not a number.
StormDesign stormDesignOf(const DesignRecord& record);

}  // namespace varnholt
