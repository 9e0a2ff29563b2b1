#include "route_command.h"

#include <optional>
#include <stdexcept>

#include "engine/errors.h"
#include "output/critical/routing_report.h"
#include "project/qt/atomic_file.h"
#include "route_report.h"

namespace varnholt {

namespace {

// The storm routed through the soakaway the main window shows, or why it cannot be.
std::optional<RoutingCase> routeOnShow(const RouteRequest& request, const DesignRecord& record,
                                       DesignCheckInputs& inputs, std::string& refused) {
    RoutingRequest kept;
    if (!request.critical.options.apply(record, inputs, refused, &kept)) return std::nullopt;
    try {
        return routedOnShow(inputs, record, request.routing.over(kept));
    } catch (const ConversionError& e) {
        refused = e.what();
    } catch (const std::domain_error& e) {
        refused = e.what();
    }
    return std::nullopt;
}

}  // namespace

int runRoute(const RouteRequest& request, std::string& out, std::string& messages) {
    std::optional<RoutingCase> routed;
    DesignRecord record;
    DesignCheckInputs inputs;
    const std::string& output = request.critical.output;
    const bool started = runSession(
        request.critical.design, [&](Design& design, std::vector<std::string>& shown, bool ok) {
            if (ok) {
                record = design.record();
                std::string refused;
                routed = routeOnShow(request, record, inputs, refused);
                if (!routed)
                    shown.push_back(refused);
                else if (output.empty())
                    out = request.critical.design.json ? routingJson(*routed, shown)
                                                       : routingText(*routed);
            }
            messages = joinedLines(shown);
        });
    if (!started || !routed) return 1;
    if (output.empty()) return 0;
    const std::string contents =
        request.csv ? routingCsv(*routed)
                    : routingReport(record, inputs.site, *routed).toPdf().toStdString();
    if (auto failed = writeFileAtomically(output, contents)) {
        messages = *failed;
        return 1;
    }
    return 0;
}

}  // namespace varnholt
