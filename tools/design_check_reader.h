#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "engine/check_texts.h"
#include "engine/design_check.h"

namespace varnholt {

// The design check's own inputs that are typed as numbers.
enum class CheckInput {
    m560Rainfall,
    ratio,
    allowance,
    urbanCreep,
    groundwaterDepth,  // empty: not known
    topDepth,
    buildingDistance,  // empty: not known
    leastGroundwater,
    leastBuilding,
    fosAreas,        // two figures: below the small area, up to the largest
    fosTable,        // band by band, by consequence within a band
    returnPeriod,    // the design event's
    siteEvent,       // two figures: return period, allowance
    buildingsEvent,  // likewise
    feh99,           // six figures: c, d1, d2, d3, e, f
};

// Reads what was typed into the check's inputs, from the dialog's boxes one figure at a time or
// from the driver's options a whole list at a time. A refusal names the box or the option and
// leaves the inputs as they were.
class DesignCheckReader {
public:
    explicit DesignCheckReader(DesignCheckInputs& inputs) : inputs_(inputs) {}

    // One box. Refused: "Ratio r: 'abc' is not a number."
    bool readBox(CheckInput input, const std::string& text, std::size_t figure = 0);

    // Every input kept with the project, from its texts and its imported tables; the trial-pit
    // tests count only when they give rates, as in their own window. The storm to route is read
    // whether or not the half-empty check takes it (routing()), and given to the check only
    // when it does. A refusal names the box.
    bool readTexts(const CheckTexts& texts, const FehDepthTables& tables);
    // The storm to route as readTexts last read it.
    const RoutingRequest& routing() const { return routing_; }

    // One of the driver's options with its value: the numbers of the input separated by commas,
    // none, minor or buildings for --consequence, fsr, feh99, feh13 or feh22 for --source, or
    // NAME=T,ALLOWANCE for --event (NAME design, site or buildings). Refused: "--fos needs 9
    // numbers separated by commas, not '1,2'".
    bool readOption(const std::string& option, const std::string& value);
    static bool isOption(const std::string& option);

    const std::string& error() const { return error_; }

private:
    bool readFigures(const std::string& what, CheckInput input, const std::string& value);

    bool readRouting(const CheckTexts& texts);

    DesignCheckInputs& inputs_;
    RoutingRequest routing_;
    std::string error_;
};

// The key a choice is kept under in the project's texts, and back.
const char* regionKey(Region region);
const char* consequenceKey(Consequence consequence);
const char* wettedAreaKey(WettedArea area);  // "level", "halfdepth"

// The figures of a comma list as typed, an empty one for each empty place (a trailing comma
// included), so that a count of figures can be checked.
std::vector<std::string> splitAtCommas(const std::string& text);

}  // namespace varnholt
