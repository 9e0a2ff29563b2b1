#pragma once

#include <cstddef>
#include <string>
#include <vector>

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
    fosAreas,  // two figures: below the small area, up to the largest
    fosTable,  // band by band, by consequence within a band
};

// Reads what was typed into the check's inputs, from the dialog's boxes one figure at a time or
// from the driver's options a whole list at a time. A refusal names the box or the option and
// leaves the inputs as they were.
class DesignCheckReader {
public:
    explicit DesignCheckReader(DesignCheckInputs& inputs) : inputs_(inputs) {}

    // One box. Refused: "Ratio r: 'abc' is not a number."
    bool readBox(CheckInput input, const std::string& text, std::size_t figure = 0);

    // One of the driver's options with its value: the numbers of the input separated by commas,
    // or none, minor or buildings for --consequence. Refused: "--fos needs 9 numbers separated
    // by commas, not '1,2'".
    bool readOption(const std::string& option, const std::string& value);
    static bool isOption(const std::string& option);

    const std::string& error() const { return error_; }

private:
    DesignCheckInputs& inputs_;
    std::string error_;
};

// The figures of a comma list as typed, an empty one for each empty place (a trailing comma
// included), so that a count of figures can be checked.
std::vector<std::string> splitAtCommas(const std::string& text);

}  // namespace varnholt
