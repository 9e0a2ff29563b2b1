#include "options_dialog_logic.h"

#include "engine/fos_guidance.h"
#include "engine/number_text.h"
#include "option_field_rules.h"

namespace varnholt {

void OptionsDialogLogic::shown() {
    DesignRecord& record = design_.record();
    colourcheck(record);
    // Taken one by one, as the rest of the program converts: a text that is not a number
    // stops here with the values before it already renewed.
    for (std::size_t i = 0; i < kSnapshotFields.size(); ++i)
        snapshot_.values[i] = record.number(kSnapshotFields[i]);
    for (Check c : kAllChecks) snapshot_.checks[index(c)] = record.checked(c);
    for (std::size_t i = 0; i < kTrenchFillFields.size(); ++i)
        snapshot_.fill[i] = record.text(kTrenchFillFields[i]);
}

const std::string* OptionsDialogLogic::snapshotText(Field f) const {
    for (std::size_t i = 0; i < kTrenchFillFields.size(); ++i)
        if (kTrenchFillFields[i] == f) return &snapshot_.fill[i];
    return nullptr;
}

double OptionsDialogLogic::snapshotValue(Field f) const {
    for (std::size_t i = 0; i < kSnapshotFields.size(); ++i)
        if (kSnapshotFields[i] == f) return snapshot_.values[i];
    return 0;  // the margin, which corrects an empty text to "0" on its own
}

void OptionsDialogLogic::fieldLeft(Field f) {
    DesignRecord& record = design_.record();
    // A text that is no number is left behind like an empty one: nothing typed is lost that
    // could be read.
    const std::string& text = record.text(f);
    const std::string typed = tryParseNumber(text) ? text : std::string();
    const std::string* shown = isOptionField(f) ? snapshotText(f) : nullptr;
    if (shown && typed.empty()) {
        record.write(f, *shown);
        return;
    }
    record.write(f, correctedOptionText(f, typed, snapshotValue(f)));
    if (f == Field::txtFOS) colourcheck(record);
}

void OptionsDialogLogic::spinUp(Field f) {
    DesignRecord& record = design_.record();
    const OptionStep step = optionStepUp(f, record.text(f));
    record.write(f, step.text);
    if (f == Field::txtFOS && step.arithmetic) colourcheck(record);
}

void OptionsDialogLogic::spinDown(Field f) {
    DesignRecord& record = design_.record();
    const OptionStep step = optionStepDown(f, record.text(f));
    record.write(f, step.text);
    if (f == Field::txtFOS && step.arithmetic) colourcheck(record);
}

void OptionsDialogLogic::setFill(TrenchFill fill) {
    design_.record().write(Field::txtfill,
                           fill == TrenchFill::crates ? kCratesFillText : kGravelFillText);
}

void OptionsDialogLogic::setSwitch(Check c, bool on) {
    design_.record().setChecked(c, on);
}

void OptionsDialogLogic::restoreDefaults() {
    // The guidance is left as it was: it follows the factor only when that is stepped or typed.
    DesignRecord& record = design_.record();
    record.write(Field::txtFOS, "1");
    record.write(Field::txtVR, "0.3");
    record.write(Field::txtringfail, "4");
    record.write(Field::txtoverflow, "0");
    record.write(Field::txthalfempty, "24");
    // The crate unit's sizes, but not the choice of fill, which is a switch.
    record.write(Field::txtcratelength, kDefaultCrateLength);
    record.write(Field::txtcratewidth, kDefaultCrateWidth);
    record.write(Field::txtcrateheight, kDefaultCrateHeight);
    record.write(Field::txtcratevr, kDefaultCrateVoidRatio);
}

void OptionsDialogLogic::ok() {
    for (Field f : {Field::txtFOS, Field::txtVR, Field::txtoverflow, Field::txthalfempty,
                    Field::txtringfail, Field::txtringmargin, Field::txtcratelength,
                    Field::txtcratewidth, Field::txtcrateheight, Field::txtcratevr})
        fieldLeft(f);
    design_.optionsAccepted();
    closed();
}

void OptionsDialogLogic::cancel() {
    DesignRecord& record = design_.record();
    for (std::size_t i = 0; i < kSnapshotFields.size(); ++i)
        record.write(kSnapshotFields[i], plainText(snapshot_.values[i]));
    for (Check c : kAllChecks) setSwitch(c, snapshot_.checks[index(c)]);
    for (std::size_t i = 0; i < kTrenchFillFields.size(); ++i)
        record.write(kTrenchFillFields[i], snapshot_.fill[i]);
    design_.optionsCancelled();
    closed();
}

void OptionsDialogLogic::closed() {
    design_.dialogClosed();
}

}  // namespace varnholt
