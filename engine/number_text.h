#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varnholt {

// Converts a field text with "." as the decimal point, whatever the locale. Blanks around the
// number, a sign and an exponent are accepted, as are "1." and ".5"; an empty text and a lone
// "." are not. Of the texts for values that are not finite only the program's own ("INF",
// "-INF", "NAN") convert: a solved dimension written so goes into the project file and must
// read back. Throws ConversionError.
double parseNumber(std::string_view text);
std::optional<double> tryParseNumber(std::string_view text);

// Plain decimal notation, at most 15 significant digits, no trailing zeros, never an exponent.
std::string plainText(double value);

// The display rule of computed dimensions and times: the plain text cut (not rounded) after
// `decimals` digits behind the point.
std::string displayText(double value, int decimals = 2);

// The shortest general form used when a tool writes a value into a field: plain below 1e15
// and from 0.0001 up, exponent form ("1.5E-5") outside that.
std::string generalText(double value);

// Text for a value that is not finite, as the display rules show it.
std::string nonFiniteText(double value);

// A factor of safety of "0.0", "-0" or "00" divides by zero just as "0" does.
bool isZeroOrEmpty(std::string_view text);

}  // namespace varnholt
