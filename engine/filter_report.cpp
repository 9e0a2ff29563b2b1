#include "filter_report.h"

namespace varnholt {

void FilterReport::checkfilter() {
    // The report runs before the sizing refills the working values, so it speaks of the last
    // sizing; before any sizing it stays silent.
    const SizingValues& s = record_.sizing;
    if (!(s.stormDuration >= 1 && s.effectiveArea >= 1 && s.rainfallDepth >= 0.00000001)) return;

    const bool on = filterTrenchOn(record_);
    if (on) {
        record_.hide(Notice::lblfiltertrench);
        record_.show(Notice::lblfiltwarning);
        record_.show(Notice::lblfiltflow);
        const std::string& overflow = record_.text(Field::txtoverflow);
        record_.notice(Notice::lblfiltwarning).text =
            "Soakaway has been designed as a filter trench with " + overflow + "% " +
            "of the impermeable area discharging to the overflow pipe.";
        using X = long double;
        const X litres =
            X(parseNumber(overflow)) / 100 * (X(s.effectiveArea) * X(s.rainfallDepth)) * 1000;
        const double flow = static_cast<double>(litres / (X(s.stormDuration) * 60));
        record_.notice(Notice::lblfiltflow).text =
            "The AVERAGE flow discharging through the overflow pipe is " + displayText(flow, 4) +
            " litres/second.";
    } else {
        record_.hide(Notice::lblfiltwarning);
        record_.hide(Notice::lblfiltflow);
        scene_.node(SceneNodeId::GLTrenchOutflow).visible = false;
        scene_.node(SceneNodeId::GLRingOutflow).visible = false;
    }
    record_.show(Notice::lblfiltertrench, !on);
}

}  // namespace varnholt
