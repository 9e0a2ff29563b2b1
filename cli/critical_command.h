#pragma once

#include <string>
#include <vector>

#include "check_options.h"
#include "design_command.h"

namespace varnholt {

struct CriticalRequest {
    DesignRequest design;  // the project and the actions, as for "design"
    CheckOptions options;  // the storms' source and figures, over the project's
    std::string output;    // a PDF of the record instead of the table, when given
};

// Parses the arguments after "critical": those of "design", --m560 MM, --r R,
// --region ew|sni, --allowance PCT, --source fsr|feh99|feh13|feh22, --feh FILE,
// --feh99 c,d1,d2,d3,e,f, --return-period T and -o OUT.pdf.
bool parseCriticalRequest(const std::vector<std::string>& args, CriticalRequest& request,
                          std::string& error);

// Starts as "design" does, applies the actions, then works the critical storm table from the
// project's storm inputs with the options over them: printed on `out` (text or JSON), or
// written as a PDF. Returns 0, or 1 when a file could not be read or an FEH file is refused, a
// design value is not a number, a site value is refused or the PDF could not be written;
// `messages` then says why. Writing a PDF needs a QGuiApplication.
int runCritical(const CriticalRequest& request, std::string& out, std::string& messages);

}  // namespace varnholt
