#include <iostream>
#include <string>
#include <vector>

#include <QGuiApplication>

#include "check_command.h"
#include "critical_command.h"
#include "design_command.h"
#include "route_command.h"
#include "sheet_command.h"
#include "utf8_output.h"

namespace {

constexpr const char* kUsage =
    "usage: varnholt-cli design [FILE.vhl] [ACTION ...] [--json]\n"
    "       varnholt-cli sheet [FILE.vhl] [ACTION ...] -o OUT.pdf\n"
    "       varnholt-cli critical [FILE.vhl] [ACTION ...] [--source fsr|feh99|feh13|feh22]\n"
    "                    [--feh FILE.xml|FILE.csv] [--feh99 c,d1,d2,d3,e,f]\n"
    "                    [--return-period T] [--m560 MM] [--r R] [--region ew|sni]\n"
    "                    [--allowance PCT] [--json] [-o OUT.pdf]\n"
    "       varnholt-cli check [FILE.vhl] [ACTION ...] [critical's options] [--creep PCT]\n"
    "                    [--event NAME=T,ALLOWANCE ...] [--consequence none|minor|buildings]\n"
    "                    [--groundwater M] [--building M] [--top M]\n"
    "                    [--least-groundwater M] [--least-building M] [--fos-areas A,B]\n"
    "                    [--fos F1,...,F9] [--pit L,W [--pit-gravel VR] --pit-test D,T ...]\n"
    "                    [--strict] [--route [--profile P] [--half-depth] [--step S]]\n"
    "                    [--json] [-o OUT.pdf]\n"
    "       varnholt-cli route [FILE.vhl] [ACTION ...] [critical's options] [--creep PCT]\n"
    "                    [--event NAME=T,ALLOWANCE ...] [--event NAME] [--duration MIN]\n"
    "                    [--profile uniform|summer|winter] [--half-depth] [--step S]\n"
    "                    [--json] [-o OUT.pdf|OUT.csv]\n"
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
    "  --trial-pit L,W,D,T press Calculate in the trial-pit dialog with the pit's length,\n"
    "                      width and effective depth (m) and its time (minutes); the rate\n"
    "                      is written into txtsinf and the main window becomes active\n"
    "                      again (refused values are reported and nothing is written)\n"
    "  --soil-table ROW|NAME  Use in Design of a soil of the soil table (1 to 5, or Sand,\n"
    "                      Sandy Loam, Loam, Clay Loam, Clay); the table closes and the\n"
    "                      main window becomes active again\n"
    "  --rainfall R,DURATION,M5,REGION\n"
    "                      in the rainfall dialog click the Z1 cell of ratio R and\n"
    "                      DURATION minutes and the Z2 cell of M5 mm and REGION (ew or\n"
    "                      sni), then press Use in Design; the main window then becomes\n"
    "                      active again\n"
    "  --json              print the whole design as one JSON object\n"
    "\n"
    "sheet: after the actions, the Print command writes the data sheet to OUT.pdf\n"
    "(atomically) instead of the printer.\n"
    "\n"
    "critical: after the actions, the critical storm table of every duration from 5 to\n"
    "2880 minutes at the return period T years (10) with the climate change allowance PCT\n"
    "(0, up to 100); with -o the same as a PDF (atomically). The storms come from the\n"
    "source: fsr, the M5-60 rainfall MM (20, from 5 to 100), the ratio r R (0.3, from 0.12\n"
    "to 0.45) and the region (ew), 10-year storms only; feh99, the six parameters typed\n"
    "with --feh99 or read from FILE; feh13 or feh22, the depth table of FILE. --feh reads\n"
    "an FEH Web Service XML export or a CSV depth table (return periods in years along the\n"
    "first row, durations in hours down the first column) for the source given; without\n"
    "--source it takes the newest the file holds (FEH22, FEH13, then FEH99). Every input\n"
    "starts as the project keeps it; the options change only what they name.\n"
    "\n"
    "check: the design check of the soakaway on show (the trench, or the ring on the ring\n"
    "page): the critical storm table with the climate change and urban creep (PCT, 0 to\n"
    "100) allowances; the soakaway on show at least as long (the ring as deep) as the\n"
    "governing storm needs, one with a dimension missing being not designed; the factor of\n"
    "safety against CIRIA C753 Table 25.2 for the consequence of failure (minor; --fos the\n"
    "nine minimums of the three area bands, none/minor/buildings under A m2, from A to B\n"
    "m2, then over B m2; --fos-areas A,B, 100,1000); the base's clearance above the\n"
    "seasonal high groundwater M m below the ground (the top of the soakaway --top M below\n"
    "the ground, 0; at least 1 m) and the distance to the nearest building (at least 5 m);\n"
    "and the trial pit tests: a pit L by W m, filled with gravel of void ratio VR if given,\n"
    "and up to three falls from 75 % to 25 % of an effective depth D m in T minutes (at\n"
    "most 10080). The events: design (the critical storm and half-empty checks above, at\n"
    "T and PCT), site (no flooding on site, 30 years + 40 %) and buildings (no flooding of\n"
    "buildings, 100 years + 40 %): the storage the event's critical storm needs against\n"
    "the storage the soakaway on show provides; --event NAME=T,ALLOWANCE sets an event's\n"
    "return period and allowance. A buildings event needing more is an exceedance, the\n"
    "volume to hold on site away from buildings, not a failure. With the fsr source the\n"
    "site and buildings events are not checked. Exit status 0 when nothing fails (a check\n"
    "without its inputs is not checked, and says so), 3 when a check or the site event\n"
    "fails or the soakaway is not designed, and with --strict also when a check was not\n"
    "made; 1 and 2 as below. With --route the half-empty check takes the time the design\n"
    "event's critical storm, routed through the soakaway on show, takes to half empty after\n"
    "its peak, and says so beside the formula's (--profile, --half-depth, --step as for\n"
    "route).\n"
    "\n"
    "route: the storm of an event (--event NAME: design, the default, site or buildings)\n"
    "routed through the soakaway on show, step by step from the storm's start until it is\n"
    "empty or 7 days have passed: the event's critical storm, or with --duration the storm\n"
    "of MIN minutes, one of the durations of the storm table. The rain falls as the profile\n"
    "says (uniform; the FSR summer and winter profiles are not built and are refused); the\n"
    "soil takes the water through the faces wetted at the water's level, or with\n"
    "--half-depth through those at half the depth for the whole storm, as the BRE 365\n"
    "balance does. The step is S seconds (1 to 60; by default a minute, or a sixtieth of\n"
    "a shorter storm). Prints the results (with --json the request, the results as numbers,\n"
    "null for a time not reached within the 7 days, and every step's sample); -o writes the\n"
    "samples as CSV, or the results and the level plot as a PDF (atomically). The storm,\n"
    "the wetted area and the step start as the project keeps them for the Design Check\n"
    "window's Routing page; the options change only what they name.\n"
    "\n"
    "exit status: 0; 1 when FILE could not be read or is not a project file (no action is\n"
    "then applied, so nothing is written), or a --save was refused or failed, or (sheet)\n"
    "when a main input is empty, a value is not a number or OUT.pdf could not be written,\n"
    "or (critical, check, route) when an input the table needs is empty, a value is\n"
    "refused, or the --feh FILE could not be read or holds no rainfall the source can use,\n"
    "or (route) when the soakaway on show is not designed, MIN is not a duration of the\n"
    "table, the source gives no storm for the event, or OUT could not be written;\n"
    "2 on a usage error; 3 (check) as above.\n"
    "\n"
    "Standard output holds the report, standard error every message the program shows (one\n"
    "a line, whatever the output form) and the reason for exit status 1 or 2. All output is\n"
    "UTF-8. PDFs are drawn offscreen: no display is opened.\n";

// Qt Gui draws the PDFs. It never opens a display, whatever DISPLAY or QT_QPA_PLATFORM say:
// one that is named but gone would abort the run before a PDF is drawn, and nothing here is
// ever shown. It gets the program's name only: the driver's arguments are not Qt's to read.
template <typename Run>
int withGui(char* program, Run&& run) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char* argv[] = {program, nullptr};
    QGuiApplication app(argc, argv);
    return run();
}

// The driver's standard error carries its own messages only: Qt's warnings (XDG_RUNTIME_DIR
// not set, as on every run as root) say nothing about the design. A fatal one still says why
// the driver stops.
void dropQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg)
        std::cerr << "varnholt-cli: " << varnholt::utf8Lines(text.toStdString()) << "\n";
}

void print(const std::string& out) {
    std::cout << varnholt::utf8Lines(out);
}

// Every message of the session reaches standard error, one a line, whatever the output form.
void printMessages(const std::string& messages) {
    if (!messages.empty()) std::cerr << varnholt::utf8Lines(messages) << "\n";
}

int usageError(const std::string& error) {
    std::cerr << "varnholt-cli: " << varnholt::utf8Lines(error) << "\n";
    return 2;
}

int runSheetCommand(char* program, const std::vector<std::string>& args) {
    varnholt::SheetRequest request;
    std::string error;
    if (!varnholt::parseSheetRequest(args, request, error)) return usageError(error);
    std::string messages;
    const int code = withGui(program, [&] { return varnholt::runSheet(request, messages); });
    printMessages(messages);
    return code;
}

int runCheckCommand(char* program, const std::vector<std::string>& args) {
    varnholt::CheckRequest request;
    std::string error;
    if (!varnholt::parseCheckRequest(args, request, error)) return usageError(error);
    std::string out, messages;
    const int code = withGui(program, [&] { return varnholt::runCheck(request, out, messages); });
    print(out);
    printMessages(messages);
    return code;
}

int runCriticalCommand(char* program, const std::vector<std::string>& args) {
    varnholt::CriticalRequest request;
    std::string error;
    if (!varnholt::parseCriticalRequest(args, request, error)) return usageError(error);
    std::string out, messages;
    const int code =
        withGui(program, [&] { return varnholt::runCritical(request, out, messages); });
    print(out);
    printMessages(messages);
    return code;
}

int runRouteCommand(char* program, const std::vector<std::string>& args) {
    varnholt::RouteRequest request;
    std::string error;
    if (!varnholt::parseRouteRequest(args, request, error)) return usageError(error);
    std::string out, messages;
    const int code = withGui(program, [&] { return varnholt::runRoute(request, out, messages); });
    print(out);
    printMessages(messages);
    return code;
}

int runDesignCommand(const std::vector<std::string>& args) {
    varnholt::DesignRequest request;
    std::string error;
    if (!varnholt::parseDesignRequest(args, request, error)) return usageError(error);
    std::string report, messages;
    const int code = varnholt::runDesign(request, report, messages);
    print(report);
    printMessages(messages);
    return code;
}

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(dropQtMessages);
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h" || args[0] == "help")) {
        std::cout << kUsage;
        return 0;
    }
    if (args.empty() || (args[0] != "design" && args[0] != "sheet" && args[0] != "critical" &&
                         args[0] != "check" && args[0] != "route")) {
        std::cerr << "varnholt-cli: expected the command 'design', 'sheet', 'critical', 'check' "
                     "or 'route'\n\n"
                  << kUsage;
        return 2;
    }
    const std::string command = args[0];
    args.erase(args.begin());
    if (command == "sheet") return runSheetCommand(argv[0], args);
    if (command == "critical") return runCriticalCommand(argv[0], args);
    if (command == "check") return runCheckCommand(argv[0], args);
    if (command == "route") return runRouteCommand(argv[0], args);
    return runDesignCommand(args);
}
