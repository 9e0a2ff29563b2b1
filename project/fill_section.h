#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check_section.h"
#include "engine/trench_fill.h"
#include "field_texts.h"

namespace varnholt {

// The trench fill as a project file keeps it, in lines after its 21, each ended by CR LF:
//
//   [Trench fill]       the marker
//   fill=crates         one key=text line per fill field whose text differs from its default
//   unitlength=1.2
//
// Nothing of it is written while every fill field keeps its default, so a gravel project's
// file is what it always was. Reading: blank lines, keys this program does not know and lines
// under another "[...]" heading are skipped; a line without "=", a fill that is neither
// "gravel" nor "crates", or a unit that is not a number refuses the file. An empty text takes
// the field's default.
inline constexpr std::string_view kFillSectionMarker = "[Trench fill]";

// The fill fields' texts, in the order of kTrenchFillFields.
using FillTexts = std::array<std::string, kTrenchFillFields.size()>;
FillTexts defaultFillTexts();
FillTexts fillTextsOf(const DesignRecord& record);

// What is wrong with `text` as a fill field's text, in words for a message; nothing when the
// file may hold it.
std::optional<std::string> fillTextProblem(Field f, std::string_view text);

std::string writeFillSection(const FillTexts& texts);
// Reads the lines after the 21 into `into` (which starts at the defaults); the first problem
// instead, when the file must be refused.
std::optional<CheckSectionProblem> readFillSection(const std::vector<NumberedLine>& lines,
                                                   FillTexts& into);

// The most bytes writeFillSection can give: every text at the most a field holds.
constexpr std::size_t largestFillSection() {
    constexpr std::size_t crLf = 2, longestKey = 16;
    return kFillSectionMarker.size() + crLf +
           kTrenchFillFields.size() * (longestKey + 1 + kFieldTextLimit * 3 + crLf);
}

}  // namespace varnholt
