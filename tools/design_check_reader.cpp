#include "design_check_reader.h"

#include <algorithm>
#include <array>
#include <optional>
#include <sstream>
#include <vector>

#include "engine/number_text.h"
#include "trial_pit_tests_logic.h"

namespace varnholt {

namespace {

struct InputName {
    CheckInput input;
    const char* box;     // as a refused box names it
    const char* option;  // the driver's, or null where the driver takes it from "critical"'s
    std::size_t figures;
};

constexpr std::size_t kFosFigures = kFosBandCount * kConsequenceCount;

constexpr std::array kInputs = {
    InputName{CheckInput::m560Rainfall, "M5-60 rainfall", nullptr, 1},
    InputName{CheckInput::ratio, "Ratio r", nullptr, 1},
    InputName{CheckInput::allowance, "Climate change allowance", nullptr, 1},
    InputName{CheckInput::urbanCreep, "Urban creep allowance", "--creep", 1},
    InputName{CheckInput::groundwaterDepth, "Depth to the groundwater", "--groundwater", 1},
    InputName{CheckInput::topDepth, "Depth to the top of the soakaway", "--top", 1},
    InputName{CheckInput::buildingDistance, "Distance to the nearest building", "--building", 1},
    InputName{CheckInput::leastGroundwater, "Least height above the groundwater",
              "--least-groundwater", 1},
    InputName{CheckInput::leastBuilding, "Least distance from a building", "--least-building", 1},
    InputName{CheckInput::fosAreas, "Factor of safety table area", "--fos-areas", 2},
    InputName{CheckInput::fosTable, "Factor of safety table", "--fos", kFosFigures},
    InputName{CheckInput::returnPeriod, "Design return period", "--return-period", 1},
    InputName{CheckInput::siteEvent, "No flooding on site", nullptr, 2},
    InputName{CheckInput::buildingsEvent, "No flooding of buildings", nullptr, 2},
    InputName{CheckInput::feh99, "FEH99 parameters", "--feh99", kFeh99ParameterNames.size()},
};

const InputName& nameOf(CheckInput input) {
    return *std::find_if(kInputs.begin(), kInputs.end(),
                         [&](const InputName& n) { return n.input == input; });
}

const InputName* optionNamed(const std::string& option) {
    const auto found = std::find_if(kInputs.begin(), kInputs.end(), [&](const InputName& n) {
        return n.option && option == n.option;
    });
    return found == kInputs.end() ? nullptr : &*found;
}

constexpr const char* kConsequenceOption = "--consequence";
constexpr const char* kSourceOption = "--source";
constexpr const char* kEventOption = "--event";

constexpr std::array<const char*, kConsequenceCount> kConsequenceKeys = {"none", "minor",
                                                                         "buildings"};

std::optional<Consequence> consequenceOfKey(const std::string& key) {
    for (std::size_t c = 0; c < kConsequenceCount; ++c)
        if (key == kConsequenceKeys[c]) return static_cast<Consequence>(c);
    return std::nullopt;
}

// Where a figure is kept: a number the check cannot do without, or one it can.
double* required(DesignCheckInputs& in, CheckInput input, std::size_t figure) {
    switch (input) {
        case CheckInput::m560Rainfall:
            return &in.site.m560Rainfall;
        case CheckInput::ratio:
            return &in.site.ratio;
        case CheckInput::allowance:
            return &in.site.allowancePercent;
        case CheckInput::urbanCreep:
            return &in.site.urbanCreepPercent;
        case CheckInput::topDepth:
            return &in.topDepth;
        case CheckInput::leastGroundwater:
            return &in.minimumGroundwaterClearance;
        case CheckInput::leastBuilding:
            return &in.minimumBuildingDistance;
        case CheckInput::fosAreas:
            return figure == 0 ? &in.fosTable.smallAreaBelow : &in.fosTable.largestArea;
        case CheckInput::fosTable:
            return &in.fosTable.minimum[figure / kConsequenceCount][figure % kConsequenceCount];
        case CheckInput::returnPeriod:
            return &in.site.returnPeriod;
        case CheckInput::siteEvent:
            return figure == 0 ? &in.siteEvent.returnPeriod : &in.siteEvent.allowancePercent;
        case CheckInput::buildingsEvent:
            return figure == 0 ? &in.buildingsEvent.returnPeriod
                               : &in.buildingsEvent.allowancePercent;
        case CheckInput::feh99: {
            Feh99Parameters& p = in.site.feh99;
            double* const figures[] = {&p.c, &p.d1, &p.d2, &p.d3, &p.e, &p.f};
            return figures[figure];
        }
        case CheckInput::groundwaterDepth:
        case CheckInput::buildingDistance:
            break;
    }
    return nullptr;
}

std::optional<double>& optional(DesignCheckInputs& in, CheckInput input) {
    return input == CheckInput::groundwaterDepth ? in.groundwaterDepth : in.buildingDistance;
}

void store(DesignCheckInputs& in, CheckInput input, std::size_t figure,
           std::optional<double> value) {
    if (double* kept = required(in, input, figure))
        *kept = *value;
    else
        optional(in, input) = value;
}

bool blank(const std::string& text) {
    return text.find_first_not_of(" \t\n\r\v\f") == std::string::npos;
}

}  // namespace

std::vector<std::string> splitAtCommas(const std::string& text) {
    std::vector<std::string> parts;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, ',');) parts.push_back(part);
    if (!text.empty() && text.back() == ',') parts.emplace_back();
    return parts;
}

bool DesignCheckReader::readBox(CheckInput input, const std::string& text, std::size_t figure) {
    error_.clear();
    const bool mayBeEmpty = !required(inputs_, input, figure);
    if (mayBeEmpty && blank(text)) {
        store(inputs_, input, figure, std::nullopt);
        return true;
    }
    const auto value = tryParseNumber(text);
    if (!value) {
        error_ = std::string(nameOf(input).box) + ": '" + text + "' is not a number.";
        return false;
    }
    store(inputs_, input, figure, value);
    return true;
}

const char* regionKey(Region region) {
    return region == Region::scotlandAndNIreland ? "scotland" : "england";
}

const char* consequenceKey(Consequence consequence) {
    return kConsequenceKeys[static_cast<std::size_t>(consequence)];
}

const char* wettedAreaKey(WettedArea area) {
    return area == WettedArea::halfDepth ? "halfdepth" : "level";
}

bool DesignCheckReader::readFigures(const std::string& what, CheckInput input,
                                    const std::string& value) {
    const auto parts = splitAtCommas(value);
    std::vector<double> figures;
    for (const std::string& p : parts) {
        const auto v = tryParseNumber(p);
        if (!v) break;
        figures.push_back(*v);
    }
    const std::size_t count = nameOf(input).figures;
    if (parts.size() != count || figures.size() != count) {
        error_ = what + " needs " + std::to_string(count) + " number" +
                 (count == 1 ? "" : "s separated by commas") + ", not '" + value + "'";
        return false;
    }
    for (std::size_t k = 0; k < count; ++k) store(inputs_, input, k, figures[k]);
    return true;
}

bool DesignCheckReader::readOption(const std::string& option, const std::string& value) {
    error_.clear();
    if (option == kConsequenceOption) {
        const auto c = consequenceOfKey(value);
        if (!c) {
            error_ = option + " is none, minor or buildings, not '" + value + "'";
            return false;
        }
        inputs_.consequence = *c;
        return true;
    }
    if (option == kSourceOption) {
        const auto source = rainfallSourceOfKey(value);
        if (!source) {
            error_ = option + " is fsr, feh99, feh13 or feh22, not '" + value + "'";
            return false;
        }
        inputs_.site.source = *source;
        return true;
    }
    if (option == kEventOption) {
        const auto equals = value.find('=');
        const std::string event = value.substr(0, equals);
        if (equals == std::string::npos ||
            (event != "design" && event != "site" && event != "buildings")) {
            error_ = option + " is NAME=T,ALLOWANCE with NAME design, site or buildings, not '" +
                     value + "'";
            return false;
        }
        const std::string figures = value.substr(equals + 1);
        if (event != "design")
            return readFigures(option + " " + event,
                               event == "site" ? CheckInput::siteEvent : CheckInput::buildingsEvent,
                               figures);
        // The design event's figures are the return period and the check's allowance.
        const auto parts = splitAtCommas(figures);
        const auto period = parts.size() == 2 ? tryParseNumber(parts[0]) : std::nullopt;
        const auto allowance = parts.size() == 2 ? tryParseNumber(parts[1]) : std::nullopt;
        if (!period || !allowance) {
            error_ = option + " design needs 2 numbers separated by commas, not '" + figures + "'";
            return false;
        }
        inputs_.site.returnPeriod = *period;
        inputs_.site.allowancePercent = *allowance;
        return true;
    }
    const InputName* name = optionNamed(option);
    if (!name) return false;
    return readFigures(option, name->input, value);
}

bool DesignCheckReader::readTexts(const CheckTexts& texts, const FehDepthTables& tables) {
    error_.clear();
    DesignCheckInputs& in = inputs_;
    const auto choice = [&](const char* box, const std::string& text, const char* keys) {
        error_ = std::string(box) + ": '" + text + "' is not one of " + keys + ".";
        return false;
    };
    const std::string& source = texts.text("source");
    if (const auto kind = rainfallSourceOfKey(source))
        in.site.source = *kind;
    else
        return choice("Rainfall source", source, "fsr, feh99, feh13, feh22");
    const std::string& region = texts.text("region");
    if (region != "england" && region != "scotland")
        return choice("Region", region, "england, scotland");
    in.site.region = region == "scotland" ? Region::scotlandAndNIreland : Region::englandAndWales;
    const std::string& consequence = texts.text("consequence");
    if (const auto c = consequenceOfKey(consequence))
        in.consequence = *c;
    else
        return choice("Consequence of failure", consequence, "none, minor, buildings");

    const std::pair<CheckInput, const char*> boxes[] = {
        {CheckInput::m560Rainfall, "m560"},
        {CheckInput::ratio, "ratio"},
        {CheckInput::returnPeriod, "returnperiod"},
        {CheckInput::allowance, "allowance"},
        {CheckInput::urbanCreep, "creep"},
        {CheckInput::groundwaterDepth, "groundwater"},
        {CheckInput::topDepth, "topdepth"},
        {CheckInput::buildingDistance, "building"},
        {CheckInput::leastGroundwater, "leastgroundwater"},
        {CheckInput::leastBuilding, "leastbuilding"}};
    for (const auto& [input, key] : boxes)
        if (!readBox(input, texts.text(key))) return false;
    const std::pair<CheckInput, const char*> figures[] = {
        {CheckInput::fosAreas, "smallarea"},
        {CheckInput::fosAreas, "largearea"},
        {CheckInput::siteEvent, "siteperiod"},
        {CheckInput::siteEvent, "siteallowance"},
        {CheckInput::buildingsEvent, "buildingsperiod"},
        {CheckInput::buildingsEvent, "buildingsallowance"}};
    for (std::size_t i = 0; i < std::size(figures); ++i)
        if (!readBox(figures[i].first, texts.text(figures[i].second), i % 2)) return false;
    for (std::size_t b = 0; b < kFosBandCount; ++b)
        for (std::size_t c = 0; c < kConsequenceCount; ++c) {
            const std::string key = "minimumfos" + std::to_string(b + 1) + std::to_string(c + 1);
            if (!readBox(CheckInput::fosTable, texts.text(key), b * kConsequenceCount + c))
                return false;
        }
    // The FEH99 parameters are wanted only when they are the source.
    const std::string& feh99 = texts.text("feh99");
    if (in.site.source == RainfallSourceKind::feh99 || !blank(feh99)) {
        if (!readFigures(nameOf(CheckInput::feh99).box, CheckInput::feh99, feh99)) return false;
    }
    in.site.feh99Origin = texts.text("feh99origin");
    in.site.tables = tables;

    TrialPitTestsLogic pits;
    pits.boxes = trialPitBoxesOf(texts);
    in.trialPits = pits.calculate() ? pits.series() : std::nullopt;
    return readRouting(texts);
}

bool DesignCheckReader::readRouting(const CheckTexts& texts) {
    RoutingRequest request;
    const auto refuse = [&](const char* box, const std::string& text, const std::string& is) {
        error_ = std::string(box) + ": '" + text + "' is not " + is + ".";
        return false;
    };
    const std::string& event = texts.text("routeevent");
    std::optional<StormEventKind> kind;
    for (std::size_t k = 0; k < kStormEventCount; ++k)
        if (event == stormEventKey(static_cast<StormEventKind>(k)))
            kind = static_cast<StormEventKind>(k);
    if (!kind) return refuse("Routed event", event, "one of design, site, buildings");
    request.event = *kind;

    const std::string& minutes = texts.text("routeduration");
    if (!blank(minutes)) {
        const auto value = tryParseNumber(minutes);
        if (!value || std::find(kCriticalStormDurations.begin(), kCriticalStormDurations.end(),
                                *value) == kCriticalStormDurations.end()) {
            std::string held;
            for (double d : kCriticalStormDurations)
                held += (held.empty() ? "" : ", ") + plainText(d);
            return refuse("Routed storm", minutes,
                          "a duration of the storm table (" + held +
                              " min), or empty for the critical storm");
        }
        request.minutes = value;
    }

    const std::string& area = texts.text("routearea");
    if (area == wettedAreaKey(WettedArea::atLevel))
        request.area = WettedArea::atLevel;
    else if (area == wettedAreaKey(WettedArea::halfDepth))
        request.area = WettedArea::halfDepth;
    else
        return refuse("Wetted area", area, "one of level, halfdepth");

    // Below a second the seven days routed would take millions of steps.
    const std::string& step = texts.text("routestep");
    if (!blank(step)) {
        const auto value = tryParseNumber(step);
        if (!value || !(*value >= 1 && *value <= 60))
            return refuse("Routing step", step,
                          "a number of seconds from 1 to 60, or empty for a chosen step");
        request.step = *value;
    }

    const std::string& used = texts.text("routedcheck");
    if (used != "0" && used != "1")
        return refuse("Use the routed half-empty time in the check", used, "0 or 1");
    routing_ = request;
    inputs_.routing = used == "1" ? std::optional(request) : std::nullopt;
    return true;
}

bool DesignCheckReader::isOption(const std::string& option) {
    return option == kConsequenceOption || option == kSourceOption || option == kEventOption ||
           optionNamed(option);
}

}  // namespace varnholt
