#pragma once

#include <string>
#include <vector>

#include "critical_command.h"
#include "route_options.h"
#include "tools/design_check_logic.h"
#include "tools/trial_pit_tests_logic.h"

namespace varnholt {

struct CheckRequest {
    CriticalRequest critical;  // the project, the actions, the check's options and -o
    TrialPitTestsBoxes pit;    // over the project's trial pit tests when given
    bool pitGiven = false;
    bool strict = false;  // a check not made fails too
    // The half-empty check takes the routed time of the storm the project keeps to route (the
    // design event's critical storm unless chosen), with the routing options over it.
    bool route = false;
    RoutingOptions routing;
};

// Parses the arguments after "check": those of "critical" and --creep PCT,
// --consequence none|minor|buildings, --groundwater M, --building M, --top M,
// --least-groundwater M, --least-building M, --fos-areas A,B, --fos F1,..,F9, --pit L,W,
// --pit-gravel VR, up to three --pit-test D,T, --event NAME=T,ALLOWANCE (NAME design, site or
// buildings), --strict, and --route with --profile P, --half-depth and --step S.
bool parseCheckRequest(const std::vector<std::string>& args, CheckRequest& request,
                       std::string& error);

// Starts as "design" does, applies the actions, then makes the design check from the inputs the
// project keeps with the options over them: printed on `out` (text or JSON), or written as a
// PDF. Returns 0 when nothing fails (an exceedance is no failure), 3 when a check or an event
// fails or the soakaway is not designed (with `strict`, also when a check was not made), or 1
// when a file could not be read or an FEH file is refused, a value is not a number or is
// refused, or the PDF could not be written; `messages` then says why. Writing a PDF needs a
// QGuiApplication.
int runCheck(const CheckRequest& request, std::string& out, std::string& messages);

}  // namespace varnholt
