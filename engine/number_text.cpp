#include "number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "errors.h"

namespace varnholt {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Checks the whole text against [sign] digits [. digits] [(e|E) [sign] digits] with at least
// one mantissa digit, so that from_chars never sees anything it would read differently
// (such as "inf", "nan" or hex).
bool looksLikeNumber(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++expDigits;
        if (expDigits == 0) return false;
    }
    return i == s.size();
}

struct Decimal {
    bool negative = false;
    std::string digits;  // significant digits, no trailing zeros, at least one digit
    int exponent = 0;    // value = d.ddd x 10^exponent
};

// Rounds to 15 significant digits, as the display and tool forms require.
Decimal toDecimal(double value) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    std::string_view s(buf, static_cast<std::size_t>(res.ptr - buf));
    Decimal d;
    if (!s.empty() && s.front() == '-') {
        d.negative = true;
        s.remove_prefix(1);
    }
    const auto e = s.find('e');
    for (char c : s.substr(0, e))
        if (c != '.') d.digits += c;
    d.exponent = std::atoi(std::string(s.substr(e + 1)).c_str());
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    if (d.digits == "0") d.negative = false;  // no "-0"
    return d;
}

std::string plainFrom(const Decimal& d) {
    std::string out = d.negative ? "-" : "";
    const int n = static_cast<int>(d.digits.size());
    if (d.exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        out += d.digits;
    } else if (d.exponent + 1 >= n) {
        out += d.digits;
        out.append(static_cast<std::size_t>(d.exponent + 1 - n), '0');
    } else {
        out += d.digits.substr(0, static_cast<std::size_t>(d.exponent + 1));
        out += '.';
        out += d.digits.substr(static_cast<std::size_t>(d.exponent + 1));
    }
    return out;
}

}  // namespace

std::optional<double> tryParseNumber(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    if (text == "INF") return HUGE_VAL;
    if (text == "-INF") return -HUGE_VAL;
    if (text == "NAN") return std::numeric_limits<double>::quiet_NaN();
    if (!looksLikeNumber(text)) return std::nullopt;
    if (text.front() == '+') text.remove_prefix(1);
    double value = 0;
    auto res = std::from_chars(text.data(), text.data() + text.size(), value);
    if (res.ec != std::errc() || res.ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

double parseNumber(std::string_view text) {
    if (auto v = tryParseNumber(text)) return *v;
    throw ConversionError(std::string(text));
}

std::string nonFiniteText(double value) {
    if (std::isnan(value)) return "NAN";
    return value < 0 ? "-INF" : "INF";
}

std::string plainText(double value) {
    if (!std::isfinite(value)) return nonFiniteText(value);
    return plainFrom(toDecimal(value));
}

std::string displayText(double value, int decimals) {
    std::string s = plainText(value);
    const auto point = s.find('.');
    if (point != std::string::npos && s.size() > point + 1 + static_cast<std::size_t>(decimals))
        s.resize(point + 1 + static_cast<std::size_t>(decimals));
    return s;
}

bool isZeroOrEmpty(std::string_view text) {
    const std::optional<double> value = tryParseNumber(text);
    return text.empty() || (value && *value == 0);
}

std::string generalText(double value) {
    if (!std::isfinite(value)) return nonFiniteText(value);
    const Decimal d = toDecimal(value);
    if (d.exponent >= -4 && d.exponent < 15) return plainFrom(d);
    std::string out = d.negative ? "-" : "";
    out += d.digits.substr(0, 1);
    if (d.digits.size() > 1) out += "." + d.digits.substr(1);
    out += 'E';
    if (d.exponent < 0) out += '-';
    out += std::to_string(std::abs(d.exponent));
    return out;
}

}  // namespace varnholt
