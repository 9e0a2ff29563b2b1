#pragma once

#include <string>

#include "engine/fields.h"

namespace varnholt {

// The numeric fields of the design options dialog: txtFOS, txtVR, txtoverflow, txthalfempty,
// txtringfail, txtringmargin and the crate unit's four.
bool isOptionField(Field f);

// The text a key release leaves in an option field. An empty field takes `shownValue` back in
// plain form (the margin, which has none, takes "0"); a value outside the field's range becomes
// the bound the dialog puts there. A text that stands is returned as it is.
// Throws ConversionError, and std::invalid_argument for a field that is not an option field.
std::string correctedOptionText(Field f, const std::string& text, double shownValue);

// One step of an option's spin button. `arithmetic` tells a step that added or took off the
// field's step from one that put a fixed text; the factor-of-safety guidance follows only the
// former. Steps are never corrected to the typed range.
struct OptionStep {
    std::string text;
    bool arithmetic = false;
};
// Both throw ConversionError, and std::invalid_argument for a field that is not an option field.
OptionStep optionStepUp(Field f, const std::string& text);
OptionStep optionStepDown(Field f, const std::string& text);

}  // namespace varnholt
