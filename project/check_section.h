#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/check_texts.h"
#include "engine/rainfall_source.h"
#include "field_texts.h"

namespace varnholt {

// The design check's inputs as a project file keeps them, in lines after its 21, each ended by
// CR LF:
//
//   [Design check]                the marker; lines after the 21 before it are not ours
//   source=feh13                  one key=text line per check text that differs from its
//   m560=22                       default, in the order of kCheckTextDefaults
//   fehorigin=maun.xml            the file the depth tables came from
//   feh13=2,5,10,30,100           a depth table's return periods in years, then one line per
//   feh13 0.25=10.5,13.1,...      duration in hours with its depths in mm, one per period
//   feh22=...                     the FEH22 table likewise
//
// Figures are written in their shortest form that reads back as the same number. Nothing of it
// is written for a project whose check keeps its defaults, so that project's file is the 21
// lines alone, and a reader of the 21 lines ignores what follows them.
//
// Reading: a key this program does not know is skipped (a newer one wrote it), as are blank
// lines and the lines under another "[...]" heading. A line without "=", a text longer than a
// field holds or a table that does not read or is not one rainfall could give refuses the file.
inline constexpr std::string_view kCheckSectionMarker = "[Design check]";

struct CheckSection {
    CheckTexts texts;
    FehDepthTables tables;
};

// The lines after the 21, nothing when the check keeps its defaults. A text keeps its place
// with a blank for a line break or NUL, and is cut to the most a field holds; a table the
// reader would refuse is left out, so that every file written opens again.
std::string writeCheckSection(const CheckTexts& texts, const FehDepthTables& tables);

// A line of the file with its number, as the file counts them.
struct NumberedLine {
    int number = 0;
    std::string text;
};

struct CheckSectionProblem {
    int line = 0;
    std::string about;  // "FEH13 depth table", a key, or nothing
    std::string why;    // "the durations must rise from one to the next"
};

// Reads the lines after the 21 into `into` (which starts at the defaults); the first problem
// instead, when the file must be refused.
std::optional<CheckSectionProblem> readCheckSection(const std::vector<NumberedLine>& lines,
                                                    CheckSection& into);

// The longest a figure is written: a sign, 17 digits, a point and an exponent.
inline constexpr std::size_t kLongestFigure = 24;

// The most bytes writeCheckSection can give: every text at the most a field holds, three bytes
// a unit, and both tables at their largest.
constexpr std::size_t largestCheckSection() {
    constexpr std::size_t crLf = 2, longestText = kFieldTextLimit * 3;
    std::size_t size = kCheckSectionMarker.size() + crLf;
    for (const CheckTextDefault& d : kCheckTextDefaults)
        size += std::string_view(d.key).size() + 1 + longestText + crLf;
    size += std::string_view("fehorigin=").size() + longestText + crLf;
    constexpr std::size_t row = kMostDepthTableReturnPeriods * (kLongestFigure + 1);
    constexpr std::size_t table = std::string_view("feh13=").size() + row + crLf +
                                  kMostDepthTableDurations * (std::string_view("feh13 ").size() +
                                                              kLongestFigure + 1 + row + crLf);
    return size + 2 * table;
}

}  // namespace varnholt
