#pragma once

#include "design_record.h"
#include "drawing.h"
#include "trench_formulas.h"

namespace varnholt {

// The trench's load from the working values as last refilled, with the base switch.
TrenchLoad trenchLoadOf(const DesignRecord& record);

// Sizes the trench from the field texts: honours the solve requests, writes the solved
// dimension and the half-empty time back into their fields, and checks the time against its
// limit.
class TrenchSizing {
public:
    TrenchSizing(DesignRecord& record, TrenchView& view) : record_(record), view_(view) {}

    void designtrench();
    void widthcalc();
    void lengthcalc();
    void halfempty();
    void lbltimeChange();

    // The spin buttons of txtlength, txtdepth and lblwid.
    void stepUp(Field f);
    void stepDown(Field f);

private:
    TrenchLoad load() const;

    DesignRecord& record_;
    TrenchView& view_;
};

}  // namespace varnholt
