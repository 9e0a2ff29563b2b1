#include "design_check.h"

#include <cmath>
#include <stdexcept>

#include "number_text.h"
#include "ring_formulas.h"
#include "trench_formulas.h"

namespace varnholt {

const char* consequenceName(Consequence c) {
    switch (c) {
    case Consequence::noDamage: return "No damage or inconvenience";
    case Consequence::minorExternal: return "Minor damage or inconvenience to external areas";
    case Consequence::buildings: return "Damage to buildings or structures";
    }
    return "";
}

const char* verdictName(Verdict v) {
    switch (v) {
    case Verdict::pass: return "Pass";
    case Verdict::fail: return "Fail";
    case Verdict::notChecked: return "Not checked";
    }
    return "";
}

bool DesignCheck::passes() const {
    for (const CheckItem& item : items)
        if (item.verdict == Verdict::fail) return false;
    return true;
}

std::optional<double> minimumFactorOfSafety(const FosTable& table, double area,
                                            Consequence consequence) {
    const auto column = static_cast<std::size_t>(consequence);
    if (area < table.smallAreaBelow) return table.minimum[0][column];
    if (area <= table.largestArea) return table.minimum[1][column];
    return std::nullopt;
}

namespace {

bool finiteAtLeast0(double v) { return v >= 0 && std::isfinite(v); }

void checkInputs(const DesignCheckInputs& in) {
    const FosTable& t = in.fosTable;
    if (!(t.smallAreaBelow > 0 && std::isfinite(t.largestArea) && t.largestArea > t.smallAreaBelow))
        throw std::domain_error("The factor of safety table's areas must rise from above 0 m2.");
    for (const auto& band : t.minimum)
        for (double f : band)
            if (!(f >= 1 && std::isfinite(f)))
                throw std::domain_error("Each factor of safety in the table must be 1 or more.");
    if (in.groundwaterDepth && !finiteAtLeast0(*in.groundwaterDepth))
        throw std::domain_error("The depth to the groundwater must be 0 m or more.");
    if (in.buildingDistance && !finiteAtLeast0(*in.buildingDistance))
        throw std::domain_error("The distance to the nearest building must be 0 m or more.");
    if (!finiteAtLeast0(in.topDepth))
        throw std::domain_error("The depth to the top of the soakaway must be 0 m or more.");
    if (!finiteAtLeast0(in.minimumGroundwaterClearance) ||
        !finiteAtLeast0(in.minimumBuildingDistance))
        throw std::domain_error("The least clearances must each be 0 m or more.");
}

std::string metres(double v) { return displayText(v) + " m"; }

std::string areaBand(const FosTable& t, double area) {
    if (area < t.smallAreaBelow) return "under " + plainText(t.smallAreaBelow) + " m2";
    return plainText(t.smallAreaBelow) + " to " + plainText(t.largestArea) + " m2";
}

CheckItem stormItem(bool ring, double own, double needed, const StormDesign& d,
                    const StormRainfall& critical, double creepPercent) {
    const std::string what = ring ? "a ring " : "a trench ";
    const std::string measure = ring ? " deep" : " long";
    const std::string storm = plainText(critical.minutes) + " min storm with the allowances";
    const std::string remedy = creepPercent > 0
                                   ? "design for the critical storm and type in the area with "
                                     "the urban creep allowance."
                                   : "design for the critical storm.";
    const std::string ownStorm = "the design's own storm (" +
                                 plainText(ring ? d.ring.stormMinutes : d.trench.stormMinutes) +
                                 " min, " + generalText(ring ? d.ring.rainfallDepth
                                                             : d.trench.rainfallDepth) +
                                 " m)";
    if (!std::isfinite(needed))
        return {"Critical storm", Verdict::fail,
                "No " + std::string(ring ? "ring" : "trench") + " of these dimensions holds the " +
                    storm + ": the storm brings more than the soil takes."};
    // Compared as the main window shows them, so that a design sized for the critical storm
    // itself passes although its dimensions are cut to two decimals.
    const double shownOwn = parseNumber(displayText(own));
    const double shownNeeded = parseNumber(displayText(needed));
    if (std::isfinite(own) && shownOwn >= shownNeeded)
        return {"Critical storm", Verdict::pass,
                "The critical " + storm + " needs " + what + metres(needed) + measure + "; " + ownStorm +
                    " needs " + metres(own) + "."};
    return {"Critical storm", Verdict::fail,
            "The critical " + storm + " needs " + what + metres(needed) + measure + ", but " +
                ownStorm + " needs only " +
                (std::isfinite(own) ? metres(own) : "an impossible size") + ": " + remedy};
}

CheckItem halfEmptyItem(bool ring, const CriticalStormRow& row, const StormDesign& d) {
    const std::string at = "At the critical " + plainText(row.rain.minutes) + " min storm the ";
    const std::string limit = plainText(d.halfEmptyLimit) + " h";
    if (ring && !(d.ringFailureDepth >= row.ringDepth))
        return {"Half-empty time", Verdict::fail,
                at + "ring must be " + metres(row.ringDepth) + " deep, deeper than the failure "
                "depth of " + plainText(d.ringFailureDepth) + " m."};
    const double hours = ring ? row.ringHalfEmpty : row.trenchHalfEmpty;
    const bool passes = ring ? row.ringPasses : row.trenchPasses;
    const std::string what = ring ? "ring" : "trench";
    if (passes)
        return {"Half-empty time", Verdict::pass,
                at + what + " half empties in " + displayText(hours) + " h, within the limit of " +
                    limit + "."};
    return {"Half-empty time", Verdict::fail,
            at + what + " takes " + displayText(hours) + " h to half empty, over the limit of " +
                limit + "."};
}

CheckItem fosItem(const DesignCheckInputs& in, double area, std::optional<double> minimum,
                  double factor) {
    const std::string consequence = consequenceName(in.consequence);
    if (!minimum)
        return {"Factor of safety", Verdict::notChecked,
                "The drained area of " + displayText(area) + " m2 lies beyond the table, which "
                "reaches " + plainText(in.fosTable.largestArea) + " m2: choose the factor from "
                "CIRIA C753 Table 25.2 yourself."};
    const std::string where = " for a drained area " + areaBand(in.fosTable, area) + " where " +
                              "the consequence of failure is \"" + consequence + "\"";
    if (factor >= *minimum)
        return {"Factor of safety", Verdict::pass,
                "The factor of safety " + plainText(factor) + " is no less than the minimum " +
                    plainText(*minimum) + where + "."};
    return {"Factor of safety", Verdict::fail,
            "The factor of safety " + plainText(factor) + " is below the minimum " +
                plainText(*minimum) + where + "."};
}

CheckItem groundwaterItem(const DesignCheckInputs& in, double base) {
    if (!in.groundwaterDepth)
        return {"Groundwater", Verdict::notChecked, "No depth to the groundwater was given."};
    const double clearance = *in.groundwaterDepth - base;
    const std::string figures = "The base lies " + metres(base) + " below the ground and the "
                                "seasonal high groundwater " + plainText(*in.groundwaterDepth) +
                                " m, ";
    // A nanometre of slack, so that 2.3 - 1.3 counts as the 1 m it is.
    if (clearance + 1e-9 >= in.minimumGroundwaterClearance)
        return {"Groundwater", Verdict::pass,
                figures + "a clearance of " + metres(clearance) + ", no less than " +
                    plainText(in.minimumGroundwaterClearance) + " m."};
    return {"Groundwater", Verdict::fail,
            figures + "a clearance of only " + metres(clearance) + "; the base must be at least " +
                plainText(in.minimumGroundwaterClearance) + " m above the groundwater."};
}

CheckItem buildingItem(const DesignCheckInputs& in) {
    if (!in.buildingDistance)
        return {"Building distance", Verdict::notChecked,
                "No distance to the nearest building was given."};
    const std::string d = plainText(*in.buildingDistance) + " m";
    const std::string least = plainText(in.minimumBuildingDistance) + " m";
    if (*in.buildingDistance >= in.minimumBuildingDistance)
        return {"Building distance", Verdict::pass,
                "The nearest building foundation is " + d + " away, no closer than " + least + "."};
    return {"Building distance", Verdict::fail,
            "The nearest building foundation is only " + d + " away; a soakaway must lie at least " +
                least + " from it."};
}

CheckItem infiltrationItem(const TrialPitSeriesRates& rates, double designRate) {
    const std::string lowest = infiltrationRateText(rates.designRate) + " m/s of test " +
                               std::to_string(rates.lowest + 1);
    const std::string own = "The design's infiltration rate " + generalText(designRate) + " m/s";
    // The rate is written cut, never rounded up; a rate typed in full may differ in the last
    // digit only.
    if (designRate <= rates.designRate * (1 + 1e-12))
        return {"Infiltration rate", Verdict::pass,
                own + " is not above the lowest trial pit rate, " + lowest + "."};
    return {"Infiltration rate", Verdict::fail,
            own + " is above the lowest trial pit rate, " + lowest + ": use the lowest."};
}

}  // namespace

DesignCheck designCheck(const DesignCheckInputs& in, const DesignRecord& record) {
    checkInputs(in);
    const StormDesign d = stormDesignOf(record);
    DesignCheck check;
    check.table = criticalStormTable(in.site, d);
    check.ring = record.detailPage == DetailPage::tsring;
    const CriticalStormRow& row =
        check.table.rows[check.ring ? check.table.ringGoverning : check.table.trenchGoverning];

    const double own = check.ring ? sizeRing(d.ring, d.ringRadius).depth
                                  : solveTrenchLength(d.trench, d.trenchWidth, d.trenchDepth);
    const double needed = check.ring ? row.ringDepth : row.trenchLength;
    check.items.push_back(
        stormItem(check.ring, own, needed, d, row.rain, in.site.urbanCreepPercent));
    check.items.push_back(halfEmptyItem(check.ring, row, d));

    check.drainedArea = record.number(Field::txtarea) * (1 + in.site.urbanCreepPercent / 100);
    check.minimumFos = minimumFactorOfSafety(in.fosTable, check.drainedArea, in.consequence);
    check.items.push_back(
        fosItem(in, check.drainedArea, check.minimumFos, record.number(Field::txtFOS)));

    const double base = in.topDepth + (check.ring ? own : d.trenchDepth);
    check.items.push_back(groundwaterItem(in, base));
    check.items.push_back(buildingItem(in));

    if (in.trialPits) {
        check.trialPitRates = trialPitSeriesRates(*in.trialPits);
        check.items.push_back(
            infiltrationItem(*check.trialPitRates, record.number(Field::txtsinf)));
    } else {
        check.items.push_back({"Infiltration rate", Verdict::notChecked,
                               "No trial pit tests were entered."});
    }
    return check;
}

}  // namespace varnholt
