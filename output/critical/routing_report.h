#pragma once

#include <string>

#include "engine/design_record.h"
#include "engine/routing_case.h"
#include "report/report.h"

namespace varnholt {

// A routed storm on one A4 page under `title`: headed with the project's title and the storms'
// source, the routed results line by line, and the level plot in the room below; without a
// routed storm, the line saying why (`notRouted`).
report::Page routingPage(const QString& title, const DesignRecord& record, const StormSite& site,
                         const RoutingCase* routing, const std::string& notRouted = {});

// The driver's page of one routed storm, titled "Routing".
report::Report routingReport(const DesignRecord& record, const StormSite& site,
                             const RoutingCase& routing);

}  // namespace varnholt
