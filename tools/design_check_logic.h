#pragma once

#include <optional>
#include <string>
#include <vector>

#include "critical_storm_logic.h"
#include "engine/design_check.h"

namespace varnholt {

// The design check: the critical storm table over the design as it stands, with the
// allowances, the factor of safety, the clearances and the trial-pit tests, each check with
// its verdict in plain words. The Qt dialog and the headless driver are thin views over it.
class DesignCheckLogic {
public:
    DesignCheckInputs inputs;

    // Recomputes from the design. Returns false, with the reason in error(), when a design
    // text is not a number or an input is refused; the last check is then dropped.
    bool calculate(const DesignRecord& record);

    const std::optional<DesignCheck>& check() const { return check_; }
    const CriticalStormLogic& storm() const { return storm_; }
    const std::string& error() const { return error_; }

    // The record's sections, each a list of lines, as the driver prints them and the PDF
    // places them.
    static std::vector<std::string> projectLines(const DesignRecord& record);
    std::vector<std::string> designLines(const DesignRecord& record) const;
    std::vector<std::string> allowanceLines() const;
    std::vector<std::string> trialPitLines() const;
    std::vector<std::string> settingLines() const;
    // How many checks have each verdict, and why those not made were not:
    // "2 checks pass, 1 fails, 3 not checked (no groundwater depth, ...)."
    std::string summary() const;

    // The whole record as plain text, for the driver.
    std::string text(const DesignRecord& record) const;

    // As the critical storm assistant: the governing duration and its rainfall into the
    // design. Throws ConversionError.
    void useInDesign(Design& design) const { storm_.useInDesign(design); }

private:
    std::optional<DesignCheck> check_;
    CriticalStormLogic storm_;
    std::string error_;
};

}  // namespace varnholt
