#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "critical_storm.h"

namespace varnholt {

// The critical storm table as it is shown, printed and written by the driver: its headings,
// each row's texts and the notes under it.

// The columns come in three groups: the storm's, then the trench's, then the ring's on show.
inline constexpr std::size_t kFirstTrenchColumn = 6;
inline constexpr std::size_t kFirstRingColumn = 9;

// The storm's columns are the FSR factors for FSR, the source's depth for FEH.
const std::vector<std::string>& criticalStormHeadings(RainfallSourceKind source);

// One row's texts: dimensions and times cut as the main window shows them, "none needed"
// where no storage is needed; a Z2 read off the end of its table, and an FEH99 depth
// extrapolated under 1 hour, end in "*".
std::vector<std::string> criticalStormCells(const CriticalStormTable& table,
                                            const CriticalStormRow& row);

// Whether a cell is marked as the governing storm's: the longest trench marks the trench's
// columns, the deepest ring the ring's; the storm's columns belong to both.
bool isGoverningCell(const CriticalStormTable& table, std::size_t row, std::size_t column);

// The notes under the table: a Z2 held at its end, an extrapolated depth, the longest storm
// governing.
std::vector<std::string> criticalStormNotes(const CriticalStormTable& table);

std::string regionName(Region region);

// The source and its figures in one line: "FSR: M5-60 rainfall 20 mm, ratio r 0.3, England and
// Wales", "FEH99 (maun.xml, catchment average): c -0.02575, d1 0.34137, ...", "FEH13 depth
// table (maun.xml): durations 0.083 to 240 hours, return periods 1.3 to 100000 years".
std::string rainfallSourceLine(const StormSite& site);

inline constexpr const char* kNoneNeeded = "none needed";
inline constexpr const char* kLongestGoverns = "the longest storm governs: check longer durations";

}  // namespace varnholt
