#pragma once

#include "engine/design_record.h"
#include "engine/routing_case.h"
#include "report/report.h"

namespace varnholt {

// A routed storm on one A4 page: headed with the project's title and the storms' source, the
// routed results line by line, and the level plot in the room below.
report::Report routingReport(const DesignRecord& record, const StormSite& site,
                             const RoutingCase& routing);

}  // namespace varnholt
