#pragma once

#include <string>
#include <vector>

#include "engine/design.h"
#include "project_lifecycle.h"

namespace varnholt {

// The path of a project named on the command line. The desktop passes it unquoted, so a path
// with blanks arrives as several arguments: they are joined with single blanks again.
std::string joinArguments(const std::vector<std::string>& arguments);

// Sets OpenFromCommandLine when there is at least one argument.
void handOverCommandLine(DesignRecord& record, const std::vector<std::string>& arguments);

enum class LoadOutcome { nothingNamed, opened, failed };

// commandload: opens the project named on the command line, without a question and without
// clearing the window first, and takes its ring fill over into the ring sizing. A file that
// cannot be read or is not a project file is reported and leaves OpenFromCommandLine set.
LoadOutcome commandload(Design& design, ProjectLifecycle& lifecycle,
                        const std::vector<std::string>& arguments);

}  // namespace varnholt
