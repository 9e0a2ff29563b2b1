#include "critical_storm.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "number_text.h"
#include "trench_fill.h"

namespace varnholt {

namespace {
// An M5-60 rainfall or an allowance far outside what any site has is a typing slip (1e308,
// 200 for 20); taken, it sizes for storms that cannot happen and Use in Design writes a
// rainfall that is not a number. The ends are generous round figures around the UK's range.
constexpr double kLeastM560 = 5;              // mm
constexpr double kMostM560 = 100;             // mm
constexpr double kMostAllowance = 100;        // %, a doubling
constexpr double kMostReturnPeriod = 100000;  // years, the FEH tables' longest

bool within(double v, double least, double most) {
    return v >= least && v <= most;
}

const DepthTable& depthTableOf(const StormSite& site) {
    const auto& table =
        site.source == RainfallSourceKind::feh13 ? site.tables.feh13 : site.tables.feh22;
    if (!table)
        throw std::domain_error(std::string("There is no ") + rainfallSourceName(site.source) +
                                " depth table: import an FEH file.");
    return *table;
}

void checkFehSite(const StormSite& site) {
    if (!(site.returnPeriod > 1 && site.returnPeriod <= kMostReturnPeriod))
        throw std::domain_error("The return period must be above 1 and at most 100000 years.");
    if (site.source == RainfallSourceKind::feh99) {
        const Feh99Parameters& p = site.feh99;
        for (double v : {p.c, p.d1, p.d2, p.d3, p.e, p.f})
            if (!std::isfinite(v)) throw std::domain_error("An FEH99 parameter is not a number.");
        return;
    }
    checkDepthTable(depthTableOf(site));
}

void checkSite(const StormSite& site) {
    if (site.source != RainfallSourceKind::fsr) {
        checkFehSite(site);
    } else if (site.returnPeriod != 10) {
        std::string why = kFsrTenYearsOnly;
        why[0] = 'T';
        throw std::domain_error(why + ".");
    }
    if (site.source == RainfallSourceKind::fsr && !within(site.m560Rainfall, kLeastM560, kMostM560))
        throw std::domain_error(
            "The M5-60 rainfall must lie between 5 and 100 mm: the UK's lies between about 10 and "
            "60 mm.");
    if (site.source == RainfallSourceKind::fsr &&
        !(site.ratio >= kMinimumRatio && site.ratio <= kMaximumRatio))
        throw std::domain_error("The ratio r must lie between 0.12 and 0.45.");
    if (!within(site.allowancePercent, 0, kMostAllowance))
        throw std::domain_error(
            "The climate change allowance must lie between 0 and 100 %: 100 % doubles every "
            "storm.");
    if (!within(site.urbanCreepPercent, 0, kMostAllowance))
        throw std::domain_error(
            "The urban creep allowance must lie between 0 and 100 %: 100 % doubles the "
            "impermeable area.");
}

// The source's depth for one duration; a duration outside an FEH table names the source.
double fehDepth(const StormSite& site, double minutes, bool& extrapolated) {
    const double hours = minutes / 60;
    if (site.source == RainfallSourceKind::feh99) {
        const SourceDepth d = feh99Depth(site.feh99, hours, site.returnPeriod);
        extrapolated = d.extrapolated;
        return d.millimetres;
    }
    try {
        return tableDepth(depthTableOf(site), hours, site.returnPeriod);
    } catch (const std::domain_error& e) {
        // "the table holds durations ..." names the table it is.
        const std::string why = e.what();
        throw std::domain_error(std::string("The ") + rainfallSourceName(site.source) +
                                why.substr(std::string_view("the").size()) + ".");
    }
}

StormRainfall rainfallOf(const StormSite& site, std::size_t duration) {
    StormRainfall rain{};
    rain.minutes = kCriticalStormDurations[duration];
    if (site.source != RainfallSourceKind::fsr) {
        rain.m10 = fehDepth(site, rain.minutes, rain.extrapolated);
        rain.depth = rain.m10 * (1 + site.allowancePercent / 100) / 1000;
        return rain;
    }
    rain.z1 = duration < kStormDurationCount ? z1Factor(site.ratio, duration) : 1 / site.ratio;
    rain.m5 = site.m560Rainfall * rain.z1;
    const Z2Factor z2 = z2Factor(rain.m5, site.region);
    rain.z2 = z2.value;
    rain.z2Held = z2.held;
    rain.m10 = rain.m5 * rain.z2;
    rain.depth = rain.m10 * (1 + site.allowancePercent / 100) / 1000;
    return rain;
}

// The longest (deepest) need governs; one that is not a number governs outright, since
// nothing can be said to be safe beside it.
bool governsOver(double candidate, double current) {
    if (std::isnan(current)) return false;
    return std::isnan(candidate) || candidate > current;
}

// An empty text is named, since "'' is not a valid floating point value" says nothing of
// which input is missing.
double inputOf(const DesignRecord& record, Field field, const char* name) {
    const std::string& text = record.text(field);
    if (text.find_first_not_of(' ') == std::string::npos)
        throw std::domain_error(std::string(name) + " is empty");
    return parseNumber(text);
}

// A trench dimension the table can size with, else not a number.
double dimensionOf(const DesignRecord& record, Field field) {
    const std::string& text = record.text(field);
    if (text.find_first_not_of(' ') == std::string::npos) return std::nan("");
    const double v = parseNumber(text);
    return v > 0 && std::isfinite(v) ? v : std::nan("");
}
}  // namespace

double roundedUpRainfall(double metres) {
    const double tenths = metres * 10000;
    const double nearest = std::nearbyint(tenths);
    const double slack = 1e-9 * std::max(1.0, std::fabs(tenths));
    return (std::fabs(tenths - nearest) <= slack ? nearest : std::ceil(tenths)) / 10000;
}

StormRainfall stormRainfall(const StormSite& site, std::size_t duration) {
    checkSite(site);
    return rainfallOf(site, duration);
}

CriticalStormTable criticalStormTable(const StormSite& site, const StormDesign& design) {
    checkSite(site);
    CriticalStormTable table{};
    table.source = site.source;
    table.returnPeriod = site.returnPeriod;
    table.allowancePercent = site.allowancePercent;
    const double creep = 1 + site.urbanCreepPercent / 100;
    for (std::size_t i = 0; i < kCriticalStormCount; ++i) {
        CriticalStormRow& row = table.rows[i];
        row.rain = rainfallOf(site, i);

        TrenchLoad trench = design.trench;
        trench.rainfallDepth = row.rain.depth;
        trench.stormMinutes = row.rain.minutes;
        trench.effectiveArea *= creep;
        row.trenchLength = solveTrenchLength(trench, design.trenchWidth, design.trenchDepth);
        row.trenchHalfEmpty =
            trenchHalfEmptyHours(trench, row.trenchLength, design.trenchWidth, design.trenchDepth);
        // Written so that a length or time that is not a number fails.
        row.trenchNoneNeeded = row.trenchLength <= 0;
        row.trenchPasses = row.trenchNoneNeeded || (std::isfinite(row.trenchLength) &&
                                                    design.halfEmptyLimit >= row.trenchHalfEmpty);

        RingLoad ring = design.ring;
        ring.rainfallDepth = row.rain.depth;
        ring.stormMinutes = row.rain.minutes;
        ring.effectiveArea *= creep;
        const RingResult sized = sizeRing(ring, design.ringRadius);
        row.ringDepth = sized.depth;
        row.ringHalfEmpty = sized.halfEmptyTime;
        row.ringNoneNeeded = sized.depth <= 0;
        row.ringPasses = row.ringNoneNeeded || (design.ringFailureDepth >= sized.depth &&
                                                design.halfEmptyLimit >= sized.halfEmptyTime);

        if (i == 0) continue;
        if (governsOver(row.trenchLength, table.rows[table.trenchGoverning].trenchLength))
            table.trenchGoverning = i;
        if (governsOver(row.ringDepth, table.rows[table.ringGoverning].ringDepth))
            table.ringGoverning = i;
    }
    return table;
}

StormDesign stormDesignOf(const DesignRecord& record) {
    const double area = inputOf(record, Field::txtarea, "the impermeable area") *
                        inputOf(record, Field::txtVRC, "the runoff coefficient");
    const double infiltration = inputOf(record, Field::txtsinf, "the soil infiltration rate") /
                                inputOf(record, Field::txtFOS, "the factor of safety");
    const double voidRatio = inputOf(record, Field::txtVR, "the void ratio");
    const Field trenchFill = trenchVoidRatioField(record);
    const double trenchVoidRatio = trenchFill == Field::txtVR
                                       ? voidRatio
                                       : inputOf(record, trenchFill, "the crates' void ratio");
    // Exactly 1 without an overflow, as the sizing takes it.
    const double overflow = inputOf(record, Field::txtoverflow, "the overflow");
    const double overflowFactor = overflow == 0 ? 1.0 : 1 - overflow / 100;
    StormDesign d{};
    d.trench = {
        area, 0, overflowFactor, 0, infiltration, trenchVoidRatio, record.checked(Check::chkbase)};
    d.trenchWidth = dimensionOf(record, Field::lblwid);
    d.trenchDepth = dimensionOf(record, Field::txtdepth);
    // A crate tank is as wide and deep as its whole units, whatever the fields were typed as.
    if (const std::optional<CrateTank> tank = crateTankOf(record)) {
        d.trenchWidth = tank->width;
        d.trenchDepth = tank->depth;
    }
    d.ring = {area,
              0,
              overflowFactor,
              0,
              infiltration,
              voidRatio,
              record.checked(Check::chkringsur),
              record.checked(Check::chkringbase),
              record.appliedRingMargin};
    const auto diameter = tryParseNumber(record.text(Field::rvdia));
    d.ringRadius = diameter ? *diameter / 2000 : RingDesign::radiusOf(record.ring.selectedRow);
    d.halfEmptyLimit = inputOf(record, Field::txthalfempty, "the half-empty limit");
    d.ringFailureDepth = inputOf(record, Field::txtringfail, "the ring failure depth");
    return d;
}

}  // namespace varnholt
