#pragma once

#include <optional>
#include <string>
#include <vector>

#include "critical_storm_logic.h"
#include "engine/design_check.h"

namespace varnholt {

// The design check: the critical storm table over the design as it stands, with the
// allowances, the factor of safety, the clearances and the trial-pit tests, each check with
// its verdict in plain words. The design check dialog and the headless driver are thin views
// over it.
class DesignCheckLogic {
public:
    DesignCheckInputs inputs;
    // The storm the Routing page routes; the check takes it only when `inputs.routing` is set,
    // and then that one.
    RoutingRequest routing;

    // Recomputes from the design. Returns false, with the reason in error(), when a design
    // text is not a number or an input is refused; the last check is then dropped.
    bool calculate(const DesignRecord& record);

    // Reads the inputs the project keeps (record.checkTexts and record.fehTables) into `inputs`,
    // then calculates; a refused text is the error.
    bool calculateFromProject(const DesignRecord& record);

    const std::optional<DesignCheck>& check() const { return check_; }
    const CriticalStormLogic& storm() const { return storm_; }
    // The storm routed through the soakaway on show, whether or not the check takes it; when
    // it could not be routed, routingProblem() says why.
    const std::optional<RoutingCase>& routed() const { return routed_; }
    const std::string& routingProblem() const { return routingProblem_; }
    const std::string& error() const { return error_; }

    // The summary of the verdicts, or why no check was made.
    std::string summary() const;

    // The whole record as plain text, for the driver.
    std::string text(const DesignRecord& record) const;

    // The governing storm's duration and rainfall into the design, as the driver's "critical"
    // does. Throws ConversionError.
    void useInDesign(Design& design) const { storm_.useInDesign(design); }

private:
    void route(const DesignRecord& record);

    std::optional<DesignCheck> check_;
    CriticalStormLogic storm_;
    std::string error_;
    std::optional<RoutingCase> routed_;
    std::string routingProblem_;
};

}  // namespace varnholt
