#pragma once

#include <string>
#include <vector>

#include "design_command.h"
#include "engine/critical_storm.h"

namespace varnholt {

struct CriticalRequest {
    DesignRequest design;  // the project and the actions, as for "design"
    StormSite site;
    std::string output;  // a PDF of the record instead of the table, when given
};

// Parses the arguments after "critical": those of "design", --m560 MM, --r R,
// --region ew|sni, --allowance PCT and -o OUT.pdf.
bool parseCriticalRequest(const std::vector<std::string>& args, CriticalRequest& request,
                          std::string& error);

// Starts as "design" does, applies the actions, then works the critical storm table: printed
// on `out` (text or JSON), or written as a PDF. Returns 0, or 1 when the file could not be
// read, a design value is not a number, a site value is refused or the PDF could not be
// written; `messages` then says why. Writing a PDF needs a QGuiApplication.
int runCritical(const CriticalRequest& request, std::string& out, std::string& messages);

}  // namespace varnholt
