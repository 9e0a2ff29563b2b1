#include "command_line.h"

namespace varnholt {

std::string joinArguments(const std::vector<std::string>& arguments) {
    std::string path;
    for (const std::string& argument : arguments) path += argument + " ";
    while (!path.empty() && path.back() == ' ') path.pop_back();
    return path;
}

void handOverCommandLine(DesignRecord& record, const std::vector<std::string>& arguments) {
    record.OpenFromCommandLine = !arguments.empty();
}

LoadOutcome commandload(Design& design, ProjectLifecycle& lifecycle,
                        const std::vector<std::string>& arguments) {
    DesignRecord& record = design.record();
    LoadOutcome outcome = LoadOutcome::nothingNamed;
    if (record.OpenFromCommandLine) {
        if (!lifecycle.openFromCommandLine(joinArguments(arguments))) return LoadOutcome::failed;
        record.OpenFromCommandLine = false;
        // Just opened, the project is as its file: leaving it at once asks nothing.
        record.flags.ProjectModified = false;
        outcome = LoadOutcome::opened;
    }
    design.takeRingFillOver();
    return outcome;
}

}  // namespace varnholt
