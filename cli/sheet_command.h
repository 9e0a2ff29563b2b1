#pragma once

#include <string>
#include <vector>

#include "design_command.h"

namespace varnholt {

struct SheetRequest {
    DesignRequest design;  // the project and the actions, as for "design"
    std::string output;    // where the PDF goes
};

// Parses the arguments after "sheet": those of "design" (without --json) and -o OUT.pdf.
bool parseSheetRequest(const std::vector<std::string>& args, SheetRequest& request,
                       std::string& error);

// Starts as "design" does, applies the actions, then runs the Print command into a PDF.
// Returns 0, or 1 when there is no sheet: the file could not be read, a --save failed, a main
// input is empty, a value does not read as a number, or the PDF could not be written.
// `messages` gets every message shown, the reason for a failure last. Needs a
// QGuiApplication.
int runSheet(const SheetRequest& request, std::string& messages);

}  // namespace varnholt
