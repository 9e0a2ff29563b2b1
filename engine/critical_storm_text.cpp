#include "critical_storm_text.h"

#include <cmath>
#include <utility>

#include "number_text.h"

namespace varnholt {

namespace {
std::string passText(bool passes) {
    return passes ? "Pass" : "Fail";
}

// A size with its half-empty time: "none needed" where the soil takes the storm as it falls,
// a dash where the design gives nothing to size (a trench without its width or depth).
std::pair<std::string, std::string> sizeCells(double size, double hours, bool noneNeeded) {
    if (noneNeeded) return {kNoneNeeded, ""};
    if (std::isnan(size)) return {"-", "-"};
    return {displayText(size), displayText(hours)};
}
}  // namespace

const std::vector<std::string>& criticalStormHeadings() {
    static const std::vector<std::string> h = {
        "Duration (min)", "Z1",        "M5 (mm)",          "Z2",
        "M10 (mm)",       "Rain (m)",  "Length (m)",       "Half Empty (hrs)",
        "Trench",         "Depth (m)", "Half Empty (hrs)", "Ring"};
    return h;
}

std::vector<std::string> criticalStormCells(const CriticalStormRow& row) {
    const StormRainfall& r = row.rain;
    const auto trench = sizeCells(row.trenchLength, row.trenchHalfEmpty, row.trenchNoneNeeded);
    const auto ring = sizeCells(row.ringDepth, row.ringHalfEmpty, row.ringNoneNeeded);
    return {plainText(r.minutes),
            displayText(r.z1, 3),
            displayText(r.m5, 2),
            displayText(r.z2, 3) + (r.z2Held ? "*" : ""),
            displayText(r.m10, 2),
            displayText(r.depth, 5),
            trench.first,
            trench.second,
            passText(row.trenchPasses),
            ring.first,
            ring.second,
            passText(row.ringPasses)};
}

bool isGoverningCell(const CriticalStormTable& table, std::size_t row, std::size_t column) {
    const bool trench = row == table.trenchGoverning;
    const bool ring = row == table.ringGoverning;
    if (column < kFirstTrenchColumn) return trench || ring;
    return column < kFirstRingColumn ? trench : ring;
}

std::vector<std::string> criticalStormNotes(const CriticalStormTable& table) {
    std::vector<std::string> out;
    bool held = false;
    for (const CriticalStormRow& row : table.rows) held = held || row.rain.z2Held;
    if (held) out.push_back("* M5 rainfall beyond the Z2 table: its end row is taken.");
    for (bool ring : {false, true})
        if (table.longestGoverns(ring))
            out.push_back(std::string(ring ? "Ring" : "Trench") + ": " + kLongestGoverns + ".");
    return out;
}

std::string regionName(Region region) {
    return region == Region::englandAndWales ? "England and Wales" : "Scotland and N Ireland";
}

}  // namespace varnholt
