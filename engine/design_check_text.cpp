#include "design_check_text.h"

#include <cmath>

#include "critical_storm_text.h"
#include "number_text.h"
#include "trench_fill.h"

namespace varnholt {

namespace {
std::string orNone(const std::string& text) {
    return text.empty() ? "(none)" : text;
}
std::string yesNo(bool on) {
    return on ? "yes" : "no";
}
}  // namespace

std::vector<std::string> designCheckProjectLines(const DesignRecord& record) {
    return {"Project Title: " + record.text(Field::projtit),
            "Project Number: " + record.text(Field::projnum),
            "Designer: " + record.text(Field::desname)};
}

std::vector<std::string> designCheckDesignLines(const DesignRecord& record,
                                                const DesignCheck* check) {
    auto t = [&](Field f) { return orNone(record.text(f)); };
    std::vector<std::string> lines = {
        "Impermeable area " + t(Field::txtarea) + " m2, runoff coefficient " + t(Field::txtVRC) +
            ", rainfall depth " + t(Field::txtrain) + " m, storm duration " + t(Field::txtsdur) +
            " min, soil infiltration rate " + t(Field::txtsinf) + " m/s",
        "Factor of safety " + t(Field::txtFOS) + ", void ratio " + t(Field::txtVR) + ", overflow " +
            t(Field::txtoverflow) + " %, half-empty limit " + t(Field::txthalfempty) +
            " h, ring failure depth " + t(Field::txtringfail) + " m, trench base counts " +
            yesNo(record.checked(Check::chkbase)) + ", ring surround counts " +
            yesNo(record.checked(Check::chkringsur)) + ", ring base counts " +
            yesNo(record.checked(Check::chkringbase))};
    if (check && check->ring) {
        const StormDesign d = stormDesignOf(record);
        lines.push_back("Checked: the ring of " + plainText(std::round(d.ringRadius * 2000)) +
                        " mm internal diameter, " + t(Field::rvdepth) +
                        " m deep, on the ring page");
    } else {
        lines.push_back("Checked: the trench, " + t(Field::txtlength) + " m long x " +
                        t(Field::lblwid) + " m wide x " + t(Field::txtdepth) + " m deep");
        if (trenchFillOf(record) == TrenchFill::crates) {
            std::string fill = "Trench fill: " + crateFillText(record);
            if (const std::optional<CrateTank> tank = crateTankOf(record))
                fill += "; " + tank->unitsText() + ", " + tank->sizeText();
            lines.push_back(fill);
        }
    }
    return lines;
}

std::vector<std::string> designCheckAllowanceLines(const DesignCheckInputs& inputs,
                                                   const DesignCheck* check) {
    const StormSite& s = inputs.site;
    std::vector<std::string> lines = {"Storms: " + rainfallSourceLine(s),
                                      "Climate change allowance " + plainText(s.allowancePercent) +
                                          " % on every rainfall depth; urban creep allowance " +
                                          plainText(s.urbanCreepPercent) +
                                          " % on the impermeable area"};
    if (check)
        lines.push_back("Drained area with the urban creep allowance: " +
                        displayText(check->drainedArea) + " m2");
    return lines;
}

std::vector<std::string> designCheckTrialPitLines(const DesignCheckInputs& inputs,
                                                  const DesignCheck* check) {
    if (!inputs.trialPits) return {"No trial pit tests were entered."};
    const TrialPitSeries& s = *inputs.trialPits;
    std::vector<std::string> lines = {
        "Pit " + plainText(s.length) + " m long x " + plainText(s.width) + " m wide, " +
        (s.gravel ? "filled with gravel of void ratio " + plainText(s.voidRatio)
                  : std::string("open"))};
    const auto* rates = check && check->trialPitRates ? &*check->trialPitRates : nullptr;
    for (std::size_t i = 0; i < s.tests.size(); ++i) {
        std::string line = "Test " + std::to_string(i + 1) + ": effective depth " +
                           plainText(s.tests[i].depth) + " m, fall from 75 % to 25 % in " +
                           plainText(s.tests[i].minutes) + " min";
        if (rates) line += ": " + infiltrationRateText(rates->rates[i].rate) + " m/s";
        lines.push_back(line);
    }
    if (rates)
        lines.push_back(
            "Design rate, the lowest (BRE 365): " + infiltrationRateText(rates->designRate) +
            " m/s, test " + std::to_string(rates->lowest + 1));
    return lines;
}

std::vector<std::string> designCheckSettingLines(const DesignCheckInputs& inputs) {
    const FosTable& t = inputs.fosTable;
    auto band = [&](std::size_t b) {
        return plainText(t.minimum[b][0]) + " / " + plainText(t.minimum[b][1]) + " / " +
               plainText(t.minimum[b][2]);
    };
    return {"Least factors of safety (" + std::string(kFosTableName) +
                "), by consequence none / minor / buildings: under " + plainText(t.smallAreaBelow) +
                " m2 " + band(0) + "; " + plainText(t.smallAreaBelow) + " to " +
                plainText(t.largestArea) + " m2 " + band(1) + "; over " + plainText(t.largestArea) +
                " m2 " + band(2),
            "Consequence of failure: " + std::string(consequenceName(inputs.consequence)),
            "Groundwater " +
                (inputs.groundwaterDepth ? plainText(*inputs.groundwaterDepth) + " m"
                                         : std::string("not given")) +
                " below the ground, nearest building " +
                (inputs.buildingDistance ? plainText(*inputs.buildingDistance) + " m"
                                         : std::string("not given")) +
                " away, top of the soakaway " + plainText(inputs.topDepth) + " m below the ground",
            "Least clearances (BRE 365): base " + plainText(inputs.minimumGroundwaterClearance) +
                " m above the groundwater, " + plainText(inputs.minimumBuildingDistance) +
                " m from buildings"};
}

std::string designCheckSummary(const DesignCheck& c) {
    auto counted = [&](Verdict v, const char* one, const char* many) {
        const std::size_t n = c.count(v);
        return n == 0 ? std::string() : std::to_string(n) + (n == 1 ? one : many);
    };
    std::vector<std::string> parts = {
        counted(Verdict::pass, " check passes", " checks pass"),
        counted(Verdict::fail, " fails", " fail"),
        counted(Verdict::notDesigned, " not designed", " not designed"),
        counted(Verdict::exceedance, " exceedance", " exceedances"),
        counted(Verdict::notChecked, " not checked", " not checked")};
    if (!parts.back().empty()) {
        std::string why;
        for (const CheckItem& item : c.items)
            if (item.verdict == Verdict::notChecked &&
                (", " + why + ", ").find(", " + item.missing + ", ") == std::string::npos)
                why += (why.empty() ? "" : ", ") + item.missing;
        parts.back() += " (" + why + ")";
    }
    std::string out;
    for (const std::string& part : parts)
        if (!part.empty()) out += (out.empty() ? "" : ", ") + part;
    return out + ".";
}

}  // namespace varnholt
