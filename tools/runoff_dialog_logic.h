#pragma once

#include "engine/design.h"
#include "engine/messages.h"

namespace varnholt {

// The logic of the volumetric runoff coefficient dialog (TfrmVRC): the coefficient txtVRC,
// its spin button, the check on OK, and the close handling that makes the main window
// re-solve the trench under the new coefficient. The Qt dialog is a thin view over it.
class RunoffDialogLogic {
public:
    explicit RunoffDialogLogic(Design& design) : design_(design) {}

    void spinUp();    // throws ConversionError
    void spinDown();  // throws ConversionError

    // Button1: true when the dialog may close. An empty field keeps it open silently; a value
    // outside 0 < c <= 1 says "Incorrect runoff coefficient.", puts back 1.00 and keeps it open.
    // Throws ConversionError (the dialog stays open).
    bool ok(MessageSink& messages);

    // Run whenever the dialog closes: the trench is made 0.01 m wider, which asks for the
    // length under the coefficient now in force, and the main window's pass runs.
    // Throws ConversionError.
    void closed();

private:
    Design& design_;
};

}  // namespace varnholt
