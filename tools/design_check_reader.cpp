#include "design_check_reader.h"

#include <algorithm>
#include <array>
#include <optional>
#include <sstream>
#include <vector>

#include "engine/number_text.h"

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

bool DesignCheckReader::readOption(const std::string& option, const std::string& value) {
    error_.clear();
    if (option == kConsequenceOption) {
        if (value == "none")
            inputs_.consequence = Consequence::noDamage;
        else if (value == "minor")
            inputs_.consequence = Consequence::minorExternal;
        else if (value == "buildings")
            inputs_.consequence = Consequence::buildings;
        else {
            error_ = option + " is none, minor or buildings, not '" + value + "'";
            return false;
        }
        return true;
    }
    const InputName* name = optionNamed(option);
    if (!name) return false;
    const auto parts = splitAtCommas(value);
    std::vector<double> figures;
    for (const std::string& p : parts) {
        const auto v = tryParseNumber(p);
        if (!v) break;
        figures.push_back(*v);
    }
    const std::size_t count = name->figures;
    if (parts.size() != count || figures.size() != count) {
        error_ = option + " needs " + std::to_string(count) + " number" +
                 (count == 1 ? "" : "s separated by commas") + ", not '" + value + "'";
        return false;
    }
    for (std::size_t k = 0; k < count; ++k) store(inputs_, name->input, k, figures[k]);
    return true;
}

bool DesignCheckReader::isOption(const std::string& option) {
    return option == kConsequenceOption || optionNamed(option);
}

}  // namespace varnholt
