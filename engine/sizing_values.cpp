#include "sizing_values.h"

#include "trench_fill.h"

namespace varnholt {

void refillSizingValues(DesignRecord& record) {
    SizingValues& s = record.sizing;
    s.effectiveArea = record.number(Field::txtarea) * record.number(Field::txtVRC);
    s.designInfiltrationRate = record.number(Field::txtsinf);
    s.rainfallDepth = record.number(Field::txtrain);
    s.stormDuration = record.number(Field::txtsdur);
    s.voidRatio = record.number(Field::txtVR);
    s.trenchVoidRatio = record.number(trenchVoidRatioField(record));
    s.designInfiltrationRate /= record.number(Field::txtFOS);
    // Exactly 1 without an overflow, not 1 - 0/100 worked out.
    const double overflow = record.number(Field::txtoverflow);
    s.overflowFactor = overflow == 0 ? 1.0 : 1 - overflow / 100;
}

}  // namespace varnholt
