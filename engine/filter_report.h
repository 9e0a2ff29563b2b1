#pragma once

#include "design_record.h"
#include "scene_model.h"

namespace varnholt {

// Tells the designer whether the soakaway is a filter trench (an overflow takes part of the
// runoff) and the average flow the overflow pipe carries in the design storm.
class FilterReport {
public:
    FilterReport(DesignRecord& record, SceneModel& scene) : record_(record), scene_(scene) {}
    void checkfilter();

private:
    DesignRecord& record_;
    SceneModel& scene_;
};

// The overflow is off only when its text is exactly "0"; "0.0" counts as on.
inline bool filterTrenchOn(const DesignRecord& record) {
    return record.text(Field::txtoverflow) != "0";
}

}  // namespace varnholt
