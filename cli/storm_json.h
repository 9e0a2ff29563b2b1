#pragma once

#include "engine/design_check.h"
#include "json_writer.h"

namespace varnholt {

// "source": the kind, the figures the storms came from, where they came from (empty when
// typed) and the return period of the table's storms.
void writeSourceJson(JsonWriter& w, const StormSite& site);

// "provided" and "events": each event's figures, its verdict and the storage needed by
// duration; null figures where the event could not be worked.
void writeEventsJson(JsonWriter& w, const DesignCheck& check);

// The verdict as the driver's JSON spells it: "pass", "not checked", "exceedance" ...
const char* verdictKey(Verdict v);

}  // namespace varnholt
