#pragma once

#include <string>
#include <string_view>

#include "fields.h"

namespace varnholt {

// What the user may put into a numeric field, key by key or as a whole text (a paste, a drop).
// A refusal never changes the text and carries a one-line hint saying what the field takes.
struct EntryCheck {
    bool accepted = true;
    std::string hint;  // empty when accepted
};

// Whether the infiltration rate takes the exponent form ("1E-5"): the program writes its
// rates so, and the user must be able to type what the program writes.
bool takesExponent(Field f);

// A key typed into a numeric field: `text` is the field's whole text before the key and
// `result` the text the key would leave (the key replaces a selection or goes in at the
// cursor). Digits, one "." and backspace pass everywhere; a "." is refused while the whole
// text already holds one, whatever is selected. The infiltration rate also takes one "E"
// after a digit and a "-" straight after the "E".
EntryCheck checkKey(Field f, std::string_view text, std::string_view result, char key);

// The key as it goes into the field: a typed "e" in the infiltration rate is the capital "E"
// the program writes.
char enteredKey(Field f, char key);

// A whole text the user put into a numeric field at once. It must leave the field empty or
// a number the field takes (with the exponent form where the field has it); blanks around it
// are dropped and an "e" is written "E".
EntryCheck checkEnteredText(Field f, std::string& text);

// What typing on could still make a number: digits with at most one point (and in the
// infiltration rate an exponent, finished or not). Empty counts.
bool isPartialNumber(Field f, std::string_view text);

// The infiltration rate while its exponent is still being typed ("1E", "1.5E-"): not a number
// yet, and not to be treated as a failed one.
bool isExponentInProgress(std::string_view text);

}  // namespace varnholt
