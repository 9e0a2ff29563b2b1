#pragma once

#include "design_record.h"
#include "drawing.h"
#include "elevation_canvas.h"
#include "ring_formulas.h"

namespace varnholt {

// The ring's load from the working values as last refilled, with the ring switches and the
// margin in force.
RingLoad ringLoadOf(const DesignRecord& record);

// Sizes the nine standard precast rings into the table PCring, picks the first that passes,
// and keeps the variable ring design (rvdia, rvdepth, rvhalf) in step with the ring on show.
class RingSizing {
public:
    RingSizing(DesignRecord& record, RingView& ringView, TrenchView& trenchView,
               ElevationCanvas& canvas)
        : record_(record), ringView_(ringView), trenchView_(trenchView), canvas_(canvas) {}

    // The ring branch of the recalculation pass.
    void showRingDesign();

    void ringcalc();
    void ringcalcvariable();
    void ringrowchange();

    // The program moves the selection; as with a click, a change of row runs ringrowchange.
    void selectRow(int row);
    // The user clicks a row (or moves to it with the keys).
    void chooseRow(int row);

    void rvdiaChange();
    void rvdepthChange();
    void rvhalfChange();

    void clearTable();
    // The inputs are no longer complete: what the notice said of them no longer holds.
    void clearNotice();

private:
    RingLoad snapshot();
    void size(double radius, const RingLoad& load);
    // Writes the row into the panel; false when its depth is no ring to build (nothing but
    // the diameter is written then).
    bool copyRowToPanel(int row);
    // A depth for the panel that cannot be built is not written: the notice says why.
    bool acceptDepth(double depth);
    void judgeShownRing();
    bool rowFails(int row) const;

    DesignRecord& record_;
    RingView& ringView_;
    TrenchView& trenchView_;
    ElevationCanvas& canvas_;  // a repaint of the window wipes the lines traced on it
};

std::string trimLeadingSpaces(const std::string& text);

}  // namespace varnholt
