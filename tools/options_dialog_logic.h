#pragma once

#include <array>

#include "engine/design.h"

namespace varnholt {

// The logic of the design options dialog (Tfrmoptions). Its fields are the design's own option
// fields (txtFOS, txtVR, txtoverflow, txthalfempty, txtringfail, txtringmargin and the three
// switches): the dialog edits them in place, so every pass that runs while it is open already
// uses what stands there. OK commits a visit, Cancel puts back what the fields held when the
// dialog was shown. The Qt dialog is a thin view over this class.
class OptionsDialogLogic {
public:
    explicit OptionsDialogLogic(Design& design) : design_(design) {}

    // On show: the factor-of-safety guidance, the snapshot, and the margin's enabled state.
    void shown();

    // After every key released in one of the six fields: the typed value is brought back into
    // its range (an empty field takes its snapshot value back). Throws ConversionError.
    void keyReleased(Field f);

    // The spin buttons of the six fields (FOSspin, vrspin, overflowspin, halfemptyspin,
    // ringfailspin, ringmarginspin). Throws ConversionError.
    void spinUp(Field f);
    void spinDown(Field f);

    // Ticking or unticking a switch, by the user or the program.
    void setSwitch(Check c, bool on);
    // A click on the picture that shows for a switch turns the switch over.
    void pictureClicked(Check c) { setSwitch(c, !design_.record().checked(c)); }
    bool marginEnabled() const { return design_.record().checked(Check::chkringsur); }

    void restoreDefaults();

    // OK and Cancel both end with the close handling; closed() alone is the close box.
    void ok();
    void cancel();
    void closed();

private:
    struct Snapshot {
        double txtFOS = 1, txtVR = 0.3, txtringfail = 4, txtoverflow = 0, txthalfempty = 24;
        std::array<bool, kCheckCount> checks{};
    };
    void writeStatusPanels();

    Design& design_;
    Snapshot snapshot_;
};

}  // namespace varnholt
