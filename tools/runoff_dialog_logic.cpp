#include "runoff_dialog_logic.h"

#include "engine/number_text.h"

namespace varnholt {

namespace {
constexpr double kStep = 0.1;
}  // namespace

void RunoffDialogLogic::spinUp() {
    DesignRecord& record = design_.record();
    if (record.isEmpty(Field::txtVRC)) {
        record.write(Field::txtVRC, "0.1");
        return;
    }
    const double stepped = record.number(Field::txtVRC) + kStep;
    record.write(Field::txtVRC, stepped > 1 ? "1" : plainText(stepped));
}

void RunoffDialogLogic::spinDown() {
    DesignRecord& record = design_.record();
    if (record.isEmpty(Field::txtVRC) || record.number(Field::txtVRC) <= kStep) {
        record.write(Field::txtVRC, "0.1");
        return;
    }
    record.write(Field::txtVRC, plainText(record.number(Field::txtVRC) - kStep));
}

bool RunoffDialogLogic::ok(MessageSink& messages) {
    DesignRecord& record = design_.record();
    if (record.isEmpty(Field::txtVRC)) return false;
    const double c = record.number(Field::txtVRC);
    // Typing cannot give a sign, but a pasted or loaded text can; no share of the area can be
    // negative, so that is refused like 0.
    if (c <= 0 || c > 1) {
        messages.inform("Incorrect runoff coefficient.");
        record.write(Field::txtVRC, "1.00");
        return false;
    }
    return true;
}

void RunoffDialogLogic::closed() {
    DesignRecord& record = design_.record();
    // Widening the trench is a change of the width, whose handling solves the length again under
    // the coefficient now in force; the activation that follows brings the width back to match.
    if (!record.isEmpty(Field::lblwid))
        record.write(Field::lblwid, plainText(record.number(Field::lblwid) + 0.01));
    design_.dialogClosed();
}

}  // namespace varnholt
