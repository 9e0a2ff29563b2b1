#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "engine/design_record.h"

namespace varnholt {

// The most a field may hold, in UTF-16 units as a QLineEdit counts them: a longer text could
// not be shown, let alone typed. Each unit takes at most three bytes of UTF-8 in the file.
inline constexpr std::size_t kFieldTextLimit = 32767;

// The name the designer sees beside the field: "Impermeable Area", "Void Ratio".
std::string_view fieldLabel(Field f);

// What is wrong with `text` as the text of `f` in a project file, in words for a message
// ("'abc' is not a number"); nothing when the file may hold it. A numeric field holds a number
// or nothing.
std::optional<std::string> fieldTextProblem(Field f, std::string_view text);

// A free text longer than a field holds, in words for a message; nothing when it fits.
std::optional<std::string> textLengthProblem(std::string_view utf8);
// The UTF-8 text cut, at a character's start, to the most a field holds.
std::string cutToFieldLimit(std::string utf8);

// UTF-16 units of a UTF-8 text: a character beyond the first 65536 takes two.
std::size_t utf16Units(std::string_view utf8);
// A text as a message quotes it: long ones are cut at a character's start.
std::string quoted(std::string_view utf8);

// An option that no design can be worked with when it is empty (the factor of safety, the void
// ratio, the runoff coefficient and the other numbers of the two dialogs).
bool isOption(Field f);

}  // namespace varnholt
