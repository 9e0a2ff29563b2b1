#pragma once

#include "design_record.h"
#include "drawing.h"
#include "trench_formulas.h"

namespace varnholt {

// The trench's load from the working values as last refilled, with the base switch.
TrenchLoad trenchLoadOf(const DesignRecord& record);

// Sizes the trench from the field texts: honours the solve requests, writes the solved
// dimension and the half-empty time back into their fields, and checks the time against its
// limit. A solve aimed at the field the user is typing in gives way to the typed text, and a
// solve that gives no buildable size writes nothing and says why.
class TrenchSizing {
public:
    TrenchSizing(DesignRecord& record, TrenchView& view) : record_(record), view_(view) {}

    void designtrench();
    void widthcalc();
    void lengthcalc();
    void halfempty();
    void lbltimeChange();
    // The inputs are no longer complete: what the notice said of them no longer holds.
    void clearNotice();

    // The spin buttons of txtlength, txtdepth and lblwid.
    void stepUp(Field f);
    void stepDown(Field f);

private:
    TrenchLoad load() const;
    // A solved size that cannot be built is not written: the notice says why instead.
    bool accept(Field solved, double size);
    // With crates, the sized tank's whole-unit length, width and depth go into their fields,
    // except the one being typed in (the write gives way there).
    void showCrateTank();

    DesignRecord& record_;
    TrenchView& view_;
    bool restyle_ = false;  // a failed sizing left its warning colours to be undone
};

}  // namespace varnholt
