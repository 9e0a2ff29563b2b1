#pragma once

#include "design_record.h"
#include "drawing.h"
#include "filter_report.h"
#include "ring_sizing.h"
#include "trench_sizing.h"

namespace varnholt {

// The readiness tests and the recalculation pass that every edit of the design runs.
class Recalculation {
public:
    Recalculation(DesignRecord& record, FilterReport& filter, TrenchSizing& trench,
                  RingSizing& ring, TrenchView& trenchView, RingView& ringView)
        : record_(record),
          filter_(filter),
          trench_(trench),
          ring_(ring),
          trenchView_(trenchView),
          ringView_(ringView) {}

    void procshowtrench();
    void procshowring();
    void showwhat();

private:
    bool allPositive(std::initializer_list<Field> fields) const;

    DesignRecord& record_;
    FilterReport& filter_;
    TrenchSizing& trench_;
    RingSizing& ring_;
    TrenchView& trenchView_;
    RingView& ringView_;
};

}  // namespace varnholt
