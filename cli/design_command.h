#pragma once

#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "engine/design.h"
#include "rainfall_choice.h"
#include "tools/trial_pit_logic.h"

namespace varnholt {

// One step of a scripted session, applied strictly in the order given.
struct SetAction {
    Field field;
    std::string text;
};
struct TypeAction {
    Field field;
    std::vector<std::string> keys;
};  // one character each
struct CheckAction {
    Check check;
    bool on;
};
struct PageAction {
    DetailPage page;
};
struct ActivateAction {};
struct RefreshAction {};
// The options dialog shown and confirmed with OK; the main window then becomes active again.
struct OptionsOkAction {};
// OK of the runoff coefficient dialog; when it closes, the main window becomes active again.
struct VrcOkAction {};
// Calculate in the trial-pit dialog with these pit values; when it closes, the main window
// becomes active again.
struct TrialPitAction {
    TrialPitBoxes boxes;
};
// Use in Design of one soil of the soil table (1 to 5); the table then closes and the main
// window becomes active again.
struct SoilTableAction {
    int row;
};
// Save As to the given path.
struct SaveAction {
    std::string path;
};
using Action = std::variant<SetAction, TypeAction, CheckAction, PageAction, ActivateAction,
                            RefreshAction, OptionsOkAction, VrcOkAction, SaveAction, TrialPitAction,
                            SoilTableAction, RainfallAction>;

struct DesignRequest {
    std::vector<std::string> fileArguments;  // the program's command line: empty or the file
    std::vector<Action> actions;
    bool json = false;
};

// Parses the arguments after "design". On a usage error returns false with the message.
bool parseDesignRequest(const std::vector<std::string>& args, DesignRequest& request,
                        std::string& error);

// Runs the program's start-up without windows, then the actions; prints the report on out
// and every message shown, one a line, on `messages`. Returns the exit code: 0, or 1 when the
// file could not be read or was not a project file (no action is then applied, so nothing is
// written), or a --save refused the project or could not write its file.
int runDesign(const DesignRequest& request, std::string& out, std::string& messages);

// Runs last on the design, with every message shown so far, to which it may add its own;
// `started` is false when the file could not be read or a --save failed.
using SessionEnd = std::function<void(Design&, std::vector<std::string>& messages, bool started)>;

// The start-up and actions of runDesign, then `atEnd`. Returns false when the file could not
// be read or was not a project file (and no action was applied), or a --save failed.
bool runSession(const DesignRequest& request, const SessionEnd& atEnd);

// The messages of a session, one a line, as the commands report them.
std::string joinedLines(const std::vector<std::string>& lines);

}  // namespace varnholt
