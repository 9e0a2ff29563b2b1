#include <iostream>
#include <string>
#include <vector>

#include "design_command.h"

namespace {

constexpr const char* kUsage =
    "usage: varnholt-cli design [FILE.vhl] [ACTION ...] [--json]\n"
    "\n"
    "Starts Varnholt without windows, opening FILE as the program would from its command\n"
    "line, then applies the actions in the order given and reports the design.\n"
    "\n"
    "actions:\n"
    "  --set FIELD=TEXT    write TEXT into FIELD: one change, handled at once\n"
    "  --type FIELD=KEYS   type KEYS at the end of a main-window field through its key\n"
    "                      filter, one change per accepted key (\\b is backspace)\n"
    "  --check NAME=0|1    untick or tick chkbase, chkringsur or chkringbase\n"
    "  --page trench|ring  switch the detail page\n"
    "  --activate          the main window becomes active again\n"
    "  --refresh           the Refresh View command\n"
    "  --save PATH         Save As: the project is written to PATH (atomically)\n"
    "  --options-ok        show the design options dialog and press its OK; the main\n"
    "                      window then becomes active again\n"
    "  --vrc-ok            press OK in the runoff coefficient dialog; when it closes, the\n"
    "                      main window becomes active again (a refused coefficient is\n"
    "                      reported and nothing else happens)\n"
    "  --json              print the whole design as one JSON object\n"
    "\n"
    "exit status: 0; 1 when FILE could not be read or is not a project file, or a --save\n"
    "failed; 2 on a usage error.\n";

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h" || args[0] == "help")) {
        std::cout << kUsage;
        return 0;
    }
    if (args.empty() || args[0] != "design") {
        std::cerr << "varnholt-cli: expected the command 'design'\n\n" << kUsage;
        return 2;
    }
    args.erase(args.begin());

    varnholt::DesignRequest request;
    std::string error;
    if (!varnholt::parseDesignRequest(args, request, error)) {
        std::cerr << "varnholt-cli: " << error << "\n";
        return 2;
    }
    std::string report;
    const int code = varnholt::runDesign(request, report);
    std::cout << report;
    return code;
}
