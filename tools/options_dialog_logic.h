#pragma once

#include <array>

#include "engine/design.h"
#include "engine/trench_fill.h"

namespace varnholt {

// The logic of the design options dialog (Tfrmoptions). Its fields are the design's own option
// fields (txtFOS, txtVR, txtoverflow, txthalfempty, txtringfail, txtringmargin, the three
// switches and the trench fill): the dialog edits them in place, so every pass that runs while it
// is open already uses what stands there. OK commits a visit, Cancel puts back what the fields held
// when the dialog was shown. The Qt dialog is a thin view over this class.
//
// Every operation that converts a text throws ConversionError and leaves what it had already
// done; the caller shows the message.
class OptionsDialogLogic {
public:
    explicit OptionsDialogLogic(Design& design) : design_(design) {}

    // On show: the factor-of-safety guidance, the snapshot, and the margin's enabled state.
    void shown();

    // When the user leaves one of the numeric fields: the typed value is brought back into its
    // range, and an empty field, or one left with no number in it ("."), takes its snapshot
    // value back. Never while the user types, so that every key lands in the text typed so far.
    // std::invalid_argument for a field that is not on the dialog.
    void fieldLeft(Field f);

    // The spin buttons of the numeric fields (FOSspin, vrspin, overflowspin, halfemptyspin,
    // ringfailspin, ringmarginspin and the crate unit's). std::invalid_argument for a field that is
    // not on the dialog.
    void spinUp(Field f);
    void spinDown(Field f);

    // The trench fill: gravel of the void ratio as set, or geocellular crates. Like the
    // switches, it takes effect when the dialog's OK recalculates.
    void setFill(TrenchFill fill);
    TrenchFill fill() const { return trenchFillOf(design_.record()); }
    // The crate unit's fields can be used only while crates are chosen.
    bool crateFieldsEnabled() const { return fill() == TrenchFill::crates; }

    // Ticking or unticking a switch, by the user or the program. Of each picture pair the
    // second shows while the switch is on.
    void setSwitch(Check c, bool on);
    // A click on the picture that shows for a switch turns the switch over.
    void pictureClicked(Check c) { setSwitch(c, !design_.record().checked(c)); }
    // The margin field and its spin button can be used only while the surround counts.
    bool marginEnabled() const { return design_.record().checked(Check::chkringsur); }

    void restoreDefaults();

    // OK corrects every field as leaving it would, then commits the visit; Cancel puts back
    // what the dialog was shown with. Escape and the close box are Cancel. Both end with the
    // close handling, closed().
    void ok();
    void cancel();
    void closed();

private:
    // The fields the snapshot holds, in the order they are taken and put back. The margin is
    // deliberately not among them: Cancel leaves it as typed.
    static constexpr std::array<Field, 5> kSnapshotFields = {
        Field::txtFOS, Field::txtVR, Field::txtringfail, Field::txtoverflow, Field::txthalfempty};

    struct Snapshot {
        std::array<double, kSnapshotFields.size()> values{1, 0.3, 4, 0, 24};
        std::array<bool, kCheckCount> checks{};
        // The trench fill as texts: Cancel puts back exactly what was there.
        std::array<std::string, kTrenchFillFields.size()> fill;
    };
    // The fill field's text when the dialog was shown; nothing for the other fields.
    const std::string* snapshotText(Field f) const;
    double snapshotValue(Field f) const;

    Design& design_;
    Snapshot snapshot_;
};

}  // namespace varnholt
