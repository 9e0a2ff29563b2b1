#include "design_check.h"

#include <cctype>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "number_text.h"
#include "trench_fill.h"

namespace varnholt {

const char* consequenceName(Consequence c) {
    switch (c) {
        case Consequence::noDamage:
            return "No damage or inconvenience";
        case Consequence::minorExternal:
            return "Minor damage to external areas or inconvenience (e.g. surface water on car "
                   "parks)";
        case Consequence::buildings:
            return "Damage to buildings or structures, or major inconvenience (e.g. flooding of "
                   "roads)";
    }
    return "";
}

const char* verdictName(Verdict v) {
    switch (v) {
        case Verdict::pass:
            return "Pass";
        case Verdict::fail:
            return "Fail";
        case Verdict::notDesigned:
            return "Not designed";
        case Verdict::notChecked:
            return "Not checked";
        case Verdict::exceedance:
            return "Exceedance";
    }
    return "";
}

StormEvent DesignCheckInputs::event(StormEventKind kind) const {
    switch (kind) {
        case StormEventKind::design:
            return {site.returnPeriod, site.allowancePercent};
        case StormEventKind::site:
            return siteEvent;
        case StormEventKind::buildings:
            return buildingsEvent;
    }
    return {};
}

void DesignCheckInputs::setEvent(StormEventKind kind, StormEvent event) {
    switch (kind) {
        case StormEventKind::design:
            site.returnPeriod = event.returnPeriod;
            site.allowancePercent = event.allowancePercent;
            return;
        case StormEventKind::site:
            siteEvent = event;
            return;
        case StormEventKind::buildings:
            buildingsEvent = event;
            return;
    }
}

std::size_t DesignCheck::count(Verdict v) const {
    std::size_t n = 0;
    for (const CheckItem& item : items) n += item.verdict == v;
    return n;
}

bool DesignCheck::passes(bool strict) const {
    return count(Verdict::fail) == 0 && count(Verdict::notDesigned) == 0 &&
           (!strict || count(Verdict::notChecked) == 0);
}

std::size_t fosBand(const FosTable& table, double area) {
    if (area < table.smallAreaBelow) return 0;
    return area <= table.largestArea ? 1 : 2;
}

double minimumFactorOfSafety(const FosTable& table, double area, Consequence consequence) {
    return table.minimum[fosBand(table, area)][static_cast<std::size_t>(consequence)];
}

namespace {

bool finiteAtLeast0(double v) {
    return v >= 0 && std::isfinite(v);
}

void checkInputs(const DesignCheckInputs& in) {
    for (const StormEvent& e : {in.siteEvent, in.buildingsEvent}) {
        if (!(e.returnPeriod > 1 && e.returnPeriod <= 100000))
            throw std::domain_error(
                "An event's return period must be above 1 and at most 100000 "
                "years.");
        if (!(e.allowancePercent >= 0 && e.allowancePercent <= 100))
            throw std::domain_error(
                "An event's climate change allowance must lie between 0 and 100 %.");
    }
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

std::string metres(double v) {
    return displayText(v) + " m";
}

std::string areaBand(const FosTable& t, double area) {
    switch (fosBand(t, area)) {
        case 0:
            return "under " + plainText(t.smallAreaBelow) + " m2";
        case 1:
            return plainText(t.smallAreaBelow) + " to " + plainText(t.largestArea) + " m2";
        default:
            return "over " + plainText(t.largestArea) + " m2";
    }
}

std::string sentence(std::string text) {
    if (!text.empty())
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text + ".";
}

// A need is written rounded up, so that the figure written is never less than the need.
std::string atLeast(double metres) {
    return plainText(std::ceil(metres * 10000) / 10000) + " m";
}

// The soakaway on show: its length (the ring's depth) when every dimension is there and above
// 0, else why it is not designed.
struct Provided {
    double size = 0;
    std::string missing;
};

Provided dimension(const DesignRecord& record, Field field, const std::string& what,
                   const std::string& noun) {
    const std::string& text = record.text(field);
    if (text.find_first_not_of(' ') == std::string::npos) return {0, what + " has no " + noun};
    const auto v = tryParseNumber(text);
    if (!v) return {0, what + "'s " + noun + " reads \"" + text + "\", not a number"};
    if (!(*v > 0 && std::isfinite(*v)))
        return {0, what + "'s " + noun + " is " + plainText(*v) + " m, not above 0"};
    return {*v, ""};
}

Provided providedTrench(const DesignRecord& record) {
    const std::string what = "the trench on show";
    for (auto [field, noun] : {std::pair{Field::lblwid, "width"}, {Field::txtdepth, "depth"}}) {
        const Provided p = dimension(record, field, what, noun);
        if (!p.missing.empty()) return p;
    }
    const Provided length = dimension(record, Field::txtlength, what, "length");
    if (!length.missing.empty()) return length;
    // Crates are built in whole units: the tank is as long as its units.
    if (const std::optional<CrateTank> tank = crateTankOf(record)) return {tank->length, ""};
    return length;
}

Provided providedRing(const DesignRecord& record, const StormDesign& d) {
    const std::string what = "the ring on show";
    if (!(d.ringRadius > 0 && std::isfinite(d.ringRadius)))
        return {0, what + "'s diameter is " + plainText(d.ringRadius * 2000) + " mm, not above 0"};
    if (record.text(Field::rvdepth) == "Fail")
        return {0, what + " fails in the ring table, which gives it no depth"};
    return dimension(record, Field::rvdepth, what, "depth");
}

CheckItem stormItem(bool ring, const Provided& provided, double needed, const StormDesign& d,
                    const CriticalStormRow& row, double creepPercent) {
    const std::string name = "Critical storm";
    if (!provided.missing.empty()) return {name, Verdict::notDesigned, sentence(provided.missing)};
    const std::string storm =
        "The critical " + plainText(row.rain.minutes) + " min storm with the allowances";
    if (ring ? row.ringNoneNeeded : row.trenchNoneNeeded)
        return {name, Verdict::pass, storm + " needs no storage: the soil takes it as it falls."};
    const std::string noun = ring ? "ring" : "trench";
    const std::string shape =
        ring ? plainText(d.ringRadius * 2000) + " mm in diameter"
             : plainText(d.trenchWidth) + " m wide x " + plainText(d.trenchDepth) + " m deep";
    if (!std::isfinite(needed))
        return {name, Verdict::fail,
                storm + ": no " + noun + " " + shape + " holds it; the storm brings more than " +
                    "the soil takes."};
    const std::string measure = ring ? " deep" : " long";
    const std::string need =
        storm + " needs a " + noun + " " + shape + " and at least " + atLeast(needed) + measure;
    const std::string onShow =
        std::string(ring ? "the ring on show is " : "the trench on show is ");
    // In full precision: a trench cut short of its need by a few millimetres does not hold.
    if (provided.size >= needed)
        return {name, Verdict::pass,
                need + "; " + onShow + plainText(provided.size) + " m" + measure + "."};
    const std::string remedy =
        std::string(ring ? "deepen it" : "lengthen it") + ", or design for the critical storm" +
        (creepPercent > 0 ? " and type in the area with the urban creep allowance." : ".");
    return {name, Verdict::fail,
            need + "; " + onShow + "only " + plainText(provided.size) + " m" + measure + ", " +
                atLeast(needed - provided.size) + " short: " + remedy};
}

CheckItem halfEmptyItem(bool ring, const Provided& provided, const CriticalStormRow& row,
                        const StormDesign& d) {
    const std::string name = "Half-empty time";
    // Timed on what the storm needs, which a trench without its width or depth does not say.
    if (!ring && !std::isfinite(row.trenchLength) && !provided.missing.empty())
        return {name, Verdict::notDesigned, sentence(provided.missing)};
    const std::string at = "At the critical " + plainText(row.rain.minutes) + " min storm the ";
    const std::string what = ring ? "ring" : "trench";
    if (ring ? row.ringNoneNeeded : row.trenchNoneNeeded)
        return {name, Verdict::pass, at + what + " stores nothing, so nothing is left to drain."};
    const std::string limit = plainText(d.halfEmptyLimit) + " h";
    if (ring && !(d.ringFailureDepth >= row.ringDepth))
        return {name, Verdict::fail,
                at + "ring must be " + metres(row.ringDepth) +
                    " deep, deeper than the failure "
                    "depth of " +
                    plainText(d.ringFailureDepth) + " m."};
    const double hours = ring ? row.ringHalfEmpty : row.trenchHalfEmpty;
    const bool passes = ring ? row.ringPasses : row.trenchPasses;
    if (passes)
        return {name, Verdict::pass,
                at + what + " half empties in " + displayText(hours) + " h, within the limit of " +
                    limit + "."};
    return {name, Verdict::fail,
            at + what + " takes " + displayText(hours) + " h to half empty, over the limit of " +
                limit + "."};
}

CheckItem fosItem(const DesignCheckInputs& in, double area, double minimum, double factor) {
    const std::string where = " for a drained area " + areaBand(in.fosTable, area) +
                              " where the consequence of failure is \"" +
                              consequenceName(in.consequence) + "\" (" + kFosTableName + ")";
    if (factor >= minimum)
        return {"Factor of safety", Verdict::pass,
                "The factor of safety " + plainText(factor) + " is no less than the minimum " +
                    plainText(minimum) + where + "."};
    return {"Factor of safety", Verdict::fail,
            "The factor of safety " + plainText(factor) + " is below the minimum " +
                plainText(minimum) + where + "."};
}

CheckItem groundwaterItem(const DesignCheckInputs& in, const Provided& provided, double base) {
    if (!in.groundwaterDepth)
        return {"Groundwater", Verdict::notChecked, "No depth to the groundwater was given.",
                "no groundwater depth"};
    if (!provided.missing.empty())
        return {"Groundwater", Verdict::notDesigned,
                sentence(provided.missing + ", so its base has no level")};
    const double clearance = *in.groundwaterDepth - base;
    const std::string figures = "The base lies " + metres(base) +
                                " below the ground and the "
                                "seasonal high groundwater " +
                                plainText(*in.groundwaterDepth) + " m, ";
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
                "No distance to the nearest building was given.", "no building distance"};
    const std::string d = plainText(*in.buildingDistance) + " m";
    const std::string least = plainText(in.minimumBuildingDistance) + " m";
    if (*in.buildingDistance >= in.minimumBuildingDistance)
        return {"Building distance", Verdict::pass,
                "The nearest building foundation is " + d + " away, no closer than " + least + "."};
    return {"Building distance", Verdict::fail,
            "The nearest building foundation is only " + d +
                " away; a soakaway must lie at least " + least + " from it."};
}

CheckItem infiltrationItem(const TrialPitSeriesRates& rates, double designRate) {
    const std::string lowest =
        infiltrationRateText(rates.designRate) + " m/s of test " + std::to_string(rates.lowest + 1);
    const std::string own = "The design's infiltration rate " + generalText(designRate) + " m/s";
    // The rate is written cut, never rounded up; a rate typed in full may differ in the last
    // digit only.
    if (designRate <= rates.designRate * (1 + 1e-12))
        return {"Infiltration rate", Verdict::pass,
                own + " is not above the lowest trial pit rate, " + lowest + "."};
    return {"Infiltration rate", Verdict::fail,
            own + " is above the lowest trial pit rate, " + lowest + ": use the lowest."};
}

std::string volume(double m3) {
    return displayText(m3, 2) + " m3";
}

std::string eventTitle(const StormEvent& e) {
    return "the " + plainText(e.returnPeriod) + "-year storm with " +
           plainText(e.allowancePercent) + " % climate change allowance";
}

// The design event stands or falls with the critical storm and half-empty checks; the flood
// events compare the storage their critical storm needs with what the soakaway on show holds.
void checkEvents(const DesignCheckInputs& in, const StormDesign& d, DesignCheck& check,
                 const Provided& provided) {
    std::optional<SoakawayStore> store;
    if (provided.missing.empty()) {
        store = check.ring ? ringStore(d.ring, d.ringRadius, provided.size)
                           : trenchStore(d.trench, provided.size, d.trenchWidth, d.trenchDepth);
        check.provided = store->storage;
    }
    const std::string onShow = check.ring ? "the ring on show" : "the trench on show";
    for (std::size_t k = 0; k < kStormEventCount; ++k) {
        const auto kind = static_cast<StormEventKind>(k);
        EventResult& r = check.events[k];
        r.kind = kind;
        r.event = in.event(kind);
        StormSite site = in.site;
        site.returnPeriod = r.event.returnPeriod;
        site.allowancePercent = r.event.allowancePercent;
        const bool fsrOnly = site.source == RainfallSourceKind::fsr && site.returnPeriod != 10;
        if (store && !fsrOnly) {
            try {
                r.storage = eventStorage(site, d, *store);
            } catch (const std::domain_error& e) {
                r.reason = e.what();
            }
        }
        if (kind == StormEventKind::design) {
            const Verdict a = check.items[0].verdict, b = check.items[1].verdict;
            r.verdict = a == Verdict::notDesigned || b == Verdict::notDesigned
                            ? Verdict::notDesigned
                        : a == Verdict::fail || b == Verdict::fail ? Verdict::fail
                                                                   : Verdict::pass;
            r.reason = "The critical storm and half-empty checks above.";
            continue;
        }
        const std::string name = stormEventName(kind);
        if (fsrOnly) {
            r.verdict = Verdict::notChecked;
            r.reason = std::string("Not checked: ") + kFsrTenYearsOnly + ".";
            check.items.push_back({name, r.verdict, r.reason, "FSR gives 10-year storms only"});
            continue;
        }
        if (!store) {
            r.verdict = Verdict::notDesigned;
            r.reason = sentence(provided.missing);
            check.items.push_back({name, r.verdict, r.reason});
            continue;
        }
        if (!r.storage) {
            r.verdict = Verdict::notChecked;
            check.items.push_back({name, r.verdict, r.reason, "rainfall outside the source"});
            continue;
        }
        const EventRow& row = r.storage->rows[r.storage->critical];
        std::string title = sentence(eventTitle(r.event));
        title.pop_back();  // the sentence goes on
        const std::string need = title + " needs " + volume(r.storage->needed) +
                                 " of storage at its critical " + plainText(row.minutes) +
                                 " min duration; " + onShow + " holds ";
        if (r.storage->needed <= *check.provided) {
            r.verdict = Verdict::pass;
            r.reason = need + volume(*check.provided) + ".";
        } else if (kind == StormEventKind::site) {
            r.verdict = Verdict::fail;
            r.reason = need + "only " + volume(*check.provided) + ": the site floods.";
        } else {
            r.verdict = Verdict::exceedance;
            r.exceedance = r.storage->needed - *check.provided;
            r.reason = need + "only " + volume(*check.provided) + ": " + volume(r.exceedance) +
                       " must be held on site away from buildings.";
        }
        check.items.push_back({name, r.verdict, r.reason});
    }
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

    const Provided provided = check.ring ? providedRing(record, d) : providedTrench(record);
    const double needed = check.ring ? row.ringDepth : row.trenchLength;
    check.items.push_back(
        stormItem(check.ring, provided, needed, d, row, in.site.urbanCreepPercent));
    check.items.push_back(halfEmptyItem(check.ring, provided, row, d));

    check.drainedArea = record.number(Field::txtarea) * (1 + in.site.urbanCreepPercent / 100);
    check.minimumFos = minimumFactorOfSafety(in.fosTable, check.drainedArea, in.consequence);
    check.items.push_back(
        fosItem(in, check.drainedArea, check.minimumFos, record.number(Field::txtFOS)));

    const double base = in.topDepth + (check.ring ? provided.size : d.trenchDepth);
    check.items.push_back(groundwaterItem(in, provided, base));
    check.items.push_back(buildingItem(in));

    if (in.trialPits) {
        check.trialPitRates = trialPitSeriesRates(*in.trialPits);
        check.items.push_back(
            infiltrationItem(*check.trialPitRates, record.number(Field::txtsinf)));
    } else {
        check.items.push_back({"Infiltration rate", Verdict::notChecked,
                               "No trial pit tests were entered.", "no trial pit tests"});
    }
    checkEvents(in, d, check, provided);
    return check;
}

}  // namespace varnholt
