#pragma once

#include <string>

#include "route_options.h"

namespace varnholt {

// Starts as "design" does, applies the actions, then routes the storm asked for (the event's
// critical storm unless a duration is given) through the soakaway on show, with the storm
// options over the project's: printed on `out` (text or JSON), or written as a CSV of the
// samples or a PDF, by -o's ending. Returns 0, or 1 when a file could not be read or an FEH
// file is refused, a value is not a number or is refused, the soakaway is not designed, the
// duration is not one of the storm table's, the source gives no storm for the event, or the
// output could not be written; `messages` then says why. Writing a PDF needs a
// QGuiApplication.
int runRoute(const RouteRequest& request, std::string& out, std::string& messages);

}  // namespace varnholt
