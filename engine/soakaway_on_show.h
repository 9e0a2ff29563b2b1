#pragma once

#include <string>

#include "critical_storm.h"
#include "design_record.h"

namespace varnholt {

// The soakaway the main window shows: the trench's length, or the ring's depth, when every
// dimension is there and above 0; else `missing` says what is not ("the trench on show has no
// width").
struct SoakawayOnShow {
    bool ring = false;
    double size = 0;  // m
    std::string missing;

    bool designed() const { return missing.empty(); }
};

SoakawayOnShow trenchOnShow(const DesignRecord& record);
SoakawayOnShow ringOnShow(const DesignRecord& record, const StormDesign& design);
// The one of the page on show.
SoakawayOnShow soakawayOnShow(const DesignRecord& record, const StormDesign& design);

// The store it makes, by the sizing's balance; only for one designed.
SoakawayStore storeOf(const SoakawayOnShow& onShow, const StormDesign& design);

}  // namespace varnholt
