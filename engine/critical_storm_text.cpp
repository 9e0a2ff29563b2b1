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

const std::vector<std::string>& criticalStormHeadings(RainfallSourceKind source) {
    static const std::vector<std::string> fsr = {
        "Duration (min)", "Z1",        "M5 (mm)",          "Z2",
        "M10 (mm)",       "Rain (m)",  "Length (m)",       "Half Empty (hrs)",
        "Trench",         "Depth (m)", "Half Empty (hrs)", "Ring"};
    static const std::vector<std::string> feh = {
        "Duration (min)", "Source",    "Return period (yrs)", "Depth (mm)",
        "Allowance (%)",  "Rain (m)",  "Length (m)",          "Half Empty (hrs)",
        "Trench",         "Depth (m)", "Half Empty (hrs)",    "Ring"};
    return source == RainfallSourceKind::fsr ? fsr : feh;
}

std::vector<std::string> criticalStormCells(const CriticalStormTable& table,
                                            const CriticalStormRow& row) {
    const StormRainfall& r = row.rain;
    const auto trench = sizeCells(row.trenchLength, row.trenchHalfEmpty, row.trenchNoneNeeded);
    const auto ring = sizeCells(row.ringDepth, row.ringHalfEmpty, row.ringNoneNeeded);
    std::vector<std::string> storm;
    if (table.source == RainfallSourceKind::fsr)
        storm = {displayText(r.z1, 3), displayText(r.m5, 2),
                 displayText(r.z2, 3) + (r.z2Held ? "*" : ""), displayText(r.m10, 2)};
    else
        storm = {rainfallSourceName(table.source), plainText(table.returnPeriod),
                 displayText(r.m10, 2) + (r.extrapolated ? "*" : ""),
                 plainText(table.allowancePercent)};
    return {plainText(r.minutes),
            storm[0],
            storm[1],
            storm[2],
            storm[3],
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
    bool held = false, extrapolated = false;
    for (const CriticalStormRow& row : table.rows) {
        held = held || row.rain.z2Held;
        extrapolated = extrapolated || row.rain.extrapolated;
    }
    if (held) out.push_back("* M5 rainfall beyond the Z2 table: its end row is taken.");
    if (extrapolated)
        out.push_back("* FEH99 under 1 hour: the model's first segment carried on, extrapolated.");
    for (bool ring : {false, true})
        if (table.longestGoverns(ring))
            out.push_back(std::string(ring ? "Ring" : "Trench") + ": " + kLongestGoverns + ".");
    return out;
}

std::string regionName(Region region) {
    return region == Region::englandAndWales ? "England and Wales" : "Scotland and N Ireland";
}

std::string rainfallSourceLine(const StormSite& site) {
    const std::string name = rainfallSourceName(site.source);
    switch (site.source) {
        case RainfallSourceKind::fsr:
            return name + ": M5-60 rainfall " + plainText(site.m560Rainfall) + " mm, ratio r " +
                   plainText(site.ratio) + ", " + regionName(site.region);
        case RainfallSourceKind::feh99: {
            const Feh99Parameters& p = site.feh99;
            const double v[] = {p.c, p.d1, p.d2, p.d3, p.e, p.f};
            std::string out = name + (site.feh99Origin.empty() ? std::string(" (typed)")
                                                               : " (" + site.feh99Origin + ")");
            for (std::size_t i = 0; i < kFeh99ParameterNames.size(); ++i)
                out += (i ? ", " : ": ") + std::string(kFeh99ParameterNames[i]) + " " +
                       plainText(v[i]);
            return out;
        }
        case RainfallSourceKind::feh13:
        case RainfallSourceKind::feh22: {
            const auto& t =
                site.source == RainfallSourceKind::feh13 ? site.tables.feh13 : site.tables.feh22;
            std::string out = name + " depth table";
            if (!site.tables.origin.empty()) out += " (" + site.tables.origin + ")";
            if (!t) return out + ": none imported";
            return out + ": durations " + plainText(t->durations.front()) + " to " +
                   plainText(t->durations.back()) + " hours, return periods " +
                   plainText(t->returnPeriods.front()) + " to " +
                   plainText(t->returnPeriods.back()) + " years";
        }
    }
    return name;
}

}  // namespace varnholt
