#pragma once

#include <string>
#include <vector>

#include "critical_command.h"
#include "tools/design_check_logic.h"
#include "tools/trial_pit_tests_logic.h"

namespace varnholt {

struct CheckRequest {
    CriticalRequest critical;  // the project, the actions, the storms and -o
    DesignCheckInputs inputs;  // all but the site and the trial pits
    TrialPitTestsBoxes pit;
    bool pitGiven = false;
    bool strict = false;  // a check not made fails too
};

// Parses the arguments after "check": those of "critical" and --creep PCT,
// --consequence none|minor|buildings, --groundwater M, --building M, --top M,
// --least-groundwater M, --least-building M, --fos-areas A,B, --fos F1,..,F9, --pit L,W,
// --pit-gravel VR, up to three --pit-test D,T and --strict.
bool parseCheckRequest(const std::vector<std::string>& args, CheckRequest& request,
                       std::string& error);

// Starts as "design" does, applies the actions, then makes the design check: printed on
// `out` (text or JSON), or written as a PDF. Returns 0 when nothing fails, 3 when a check
// fails or the soakaway is not designed (with `strict`, also when a check was not made), or 1 when
// the file could not be read, a value is not a number or is refused, or the PDF could not be
// written; `messages` then says why. Writing a PDF needs a QGuiApplication.
int runCheck(const CheckRequest& request, std::string& out, std::string& messages);

}  // namespace varnholt
